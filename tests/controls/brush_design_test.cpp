// The brush designer read from its form: the dialog a colour button opens,
// the solid pane's number and hex boxes, the gradient angle, the shared
// modeless designer, a shape's brush list and "Make a Resource".

#include <cmath>

#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_angle_button.h"
#include "controls/zr_brush_design.h"
#include "controls/zr_color_quad.h"
#include "controls/zr_gradient_edit.h"
#include "controls/zr_listbox.h"
#include "controls/zr_number_box.h"
#include "controls/zr_objects.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_tab_control.h"
#include "controls/zr_text_box.h"
#include "controls/zr_windows.h"
#include "controls_fixture.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_gradient.h"
#include "scene/zr_resource_objects.h"

namespace {

class BrushDesignTest : public ControlsTest {
 protected:
  void SetUp() override { ASSERT_NO_THROW(Application->Initialize()) << "needs a display"; }
  ~BrushDesignTest() override {
    BrushDialogHook = nullptr;
    InputQueryHook = nullptr;
  }
  // Visible tabs' captions in order.
  static std::vector<std::u16string> Tabs(TzrBrushDesign& F) {
    std::vector<std::u16string> shown;
    for (TzrTabItem* t : {F.tabNone, F.tabSolid, F.tabGradient, F.tabBitmap, F.tabRes})
      if (t->GetVisible()) shown.push_back(t->GetText());
    return shown;
  }
  static void Type(TzrCustomTextBox* Box, const std::u16string& Text) {
    Box->SetText(Text);
    Box->Change();
  }
};

TEST_F(BrushDesignTest, ColourButtonOffersOnlySolidAndCancelKeepsTheColour) {
  auto* button = Make<TzrColorButton>(10, 10);
  button->SetUseStandardDialog(false);
  button->SetColor("#FF112233");
  int opened = 0;
  BrushDialogHook = [&](TzrBrushDesign& F) {
    ++opened;
    EXPECT_EQ(Tabs(F), std::vector<std::u16string>{u"Solid"});
    EXPECT_FALSE(F.brushList->GetVisible());
    EXPECT_TRUE(F.btnOK->GetVisible());
    EXPECT_TRUE(F.btnCancel->GetVisible());
    EXPECT_EQ(F.GetBrush()->GetSolidColor(), 0xFF112233u);
    Type(F.textSolidHex, u"#FF00FF00");
    F.btnCancel->Click();
    return F.GetModalResult();
  };
  ClickOn(button);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(button->GetColor(), "#FF112233");
  BrushDialogHook = [&](TzrBrushDesign& F) {
    Type(F.textSolidHex, u"#FF00FF00");
    F.btnOK->Click();
    return F.GetModalResult();
  };
  ClickOn(button);
  EXPECT_EQ(button->GetColor(), "#FF00FF00");
}

TEST_F(BrushDesignTest, SolidPaneBoxesSetTheColour) {
  TzrBrush brush(zrBrushSolid, 0xFF3366CC);
  TzrBrushDesign form(nullptr);
  form.SetBrush(&brush);
  EXPECT_EQ(form.brushTabControl->TabItem(form.brushTabControl->GetItemIndex()), form.tabSolid);
  Type(form.textSolidA, u"128");
  EXPECT_EQ(brush.GetSolidColor(), 0x803366CCu) << "only the alpha byte changes";
  Type(form.textSolidHex, u"#FF0000FF");
  EXPECT_EQ(brush.GetSolidColor(), 0xFF0000FFu);
  EXPECT_FLOAT_EQ(form.solidPicker->GetHue(), 2.0f / 3);
  EXPECT_FLOAT_EQ(form.solidQuad->GetHue(), 2.0f / 3);
  EXPECT_FLOAT_EQ(form.solidQuad->GetSat(), 1);
  EXPECT_FLOAT_EQ(form.solidQuad->GetLum(), 0.5f);
  EXPECT_EQ(form.solidColorRect->GetColor(), 0xFF0000FFu);
  // Moving the quad keeps the brush's alpha and shows the bytes.
  Type(form.textSolidA, u"64");
  form.solidQuad->SetLum(0.25f);
  EXPECT_EQ(brush.GetSolidColor() >> 24, 64u);
  EXPECT_EQ(form.textSolidB->GetValue(), 128);
  EXPECT_EQ(form.textSolidHex->GetText(), u"#40000080");
}

TEST_F(BrushDesignTest, AngleGivesStartAndStopOfTheGradient) {
  TzrBrush brush(zrBrushGradient, 0);
  TzrBrushDesign form(nullptr);
  form.SetBrush(&brush);
  struct Case {
    float Angle;
    TzrPoint Start, Stop;
  } cases[] = {{0, {0, 0.5f}, {1, 0.5f}},
               {45, {0, 1}, {1, 0}},
               {30, {0, 0.789f}, {1, 0.211f}},
               {90, {0.5f, 1}, {0.5f, 0}}};
  for (const Case& c : cases) {
    form.gradAngle->SetValue(c.Angle);
    const TzrPoint start = brush.GetGradient()->GetStartPosition()->GetPoint();
    const TzrPoint stop = brush.GetGradient()->GetStopPosition()->GetPoint();
    EXPECT_NEAR(start.X, c.Start.X, 0.0005) << c.Angle;
    EXPECT_NEAR(start.Y, c.Start.Y, 0.0005) << c.Angle;
    EXPECT_NEAR(stop.X, c.Stop.X, 0.0005) << c.Angle;
    EXPECT_NEAR(stop.Y, c.Stop.Y, 0.0005) << c.Angle;
  }
  EXPECT_EQ(form.gradAngleLabel->GetText(), u"90");
  // A brush read back shows its angle.
  TzrBrushDesign again(nullptr);
  again.SetBrush(&brush);
  EXPECT_FLOAT_EQ(again.gradAngle->GetValue(), 90 - 180) << "dx 0 leaves the angle; here -90";
}

TEST_F(BrushDesignTest, GradientDialogEditsOnlyOnOk) {
  TzrGradient gradient;
  BrushDialogHook = [](TzrBrushDesign& F) {
    EXPECT_EQ(Tabs(F), std::vector<std::u16string>{u"Gradient"});
    F.gradEditor->SetCurrentPoint(0);
    Type(F.textGradHex, u"#FFFF0000");
    return int(mrCancel);
  };
  EXPECT_FALSE(ShowGradientDialog(&gradient));
  EXPECT_EQ(gradient.GetPoints()->GetPoint(0)->GetIntColor(), 0xFF000000u);
  BrushDialogHook = [](TzrBrushDesign& F) {
    F.gradEditor->SetCurrentPoint(0);
    Type(F.textGradHex, u"#FFFF0000");
    F.gradEditorChange(nullptr);
    return int(mrOk);
  };
  EXPECT_TRUE(ShowGradientDialog(&gradient));
  EXPECT_EQ(gradient.GetPoints()->GetPoint(0)->GetIntColor(), 0xFFFF0000u);
  BrushDialogHook = [](TzrBrushDesign&) { return int(mrCancel); };
  EXPECT_EQ(ShowColorDialog("#FF123456"), "") << "a cancelled call gives the empty text";
  BrushDialogHook = [](TzrBrushDesign& F) {
    EXPECT_EQ(F.GetBrush()->GetSolidColor(), 0xFF123456u);
    return int(mrOk);
  };
  EXPECT_EQ(ShowColorDialog("#FF123456"), "#FF123456");
}

TEST_F(BrushDesignTest, ShapeListsFillThenStrokeAndEditsFillFirst) {
  auto* shape = Make<TzrRectangle>(10, 10);
  TzrBrushDesign form(nullptr);
  form.SetComp(shape);
  ASSERT_EQ(form.brushList->Count(), 2);
  EXPECT_EQ(form.brushList->GetItem(0)->GetTagObject(), shape->GetFill());
  EXPECT_EQ(form.brushList->GetItem(1)->GetTagObject(), shape->GetStroke());
  EXPECT_EQ(form.GetBrush(), shape->GetFill());
  EXPECT_EQ(form.brushList->GetItemIndex(), 0);
  form.brushList->SetItemIndex(1);
  EXPECT_EQ(form.GetBrush(), shape->GetStroke());
  delete shape;
  EXPECT_EQ(form.GetBrush(), nullptr) << "the component's removal clears the designer";
  EXPECT_EQ(form.brushList->Count(), 0);
}

TEST_F(BrushDesignTest, MakeAResourceProposesNumberedNames) {
  auto* shape = Make<TzrRectangle>(10, 10);
  TzrBrushDesign form(nullptr);
  form.SetComp(shape);
  std::vector<std::string> proposed;
  InputQueryHook = [&](const std::string& Caption, const std::string& Prompt, std::string& V) {
    EXPECT_EQ(Caption, "New TzrBrushObject");
    EXPECT_EQ(Prompt, "Enter resource name:");
    proposed.push_back(V);
    return proposed.size() == 1;
  };
  form.btnMakeRes->Click();
  form.btnMakeRes->Click();
  EXPECT_EQ(proposed, (std::vector<std::string>{"Brush1", "Brush2"}));
  std::vector<TzrObject*> all;
  Root->AddObjectsToList(all);
  int made = 0;
  for (TzrObject* o : all)
    if (auto* res = dynamic_cast<TzrBrushObject*>(o)) {
      ++made;
      EXPECT_EQ(res->GetResourceName(), "Brush1");
      EXPECT_EQ(res->GetBrush()->GetSolidColor(), shape->GetFill()->GetSolidColor());
    }
  EXPECT_EQ(made, 1) << "the cancelled second query makes nothing";
  EXPECT_EQ(form.resList->Count(), 1);
  // Choosing the resource points the brush at it.
  form.brushTabControl->SetItem(form.tabRes);
  form.resList->SetItemIndex(0);
  EXPECT_EQ(shape->GetFill()->GetStyle(), zrBrushResource);
}

TEST_F(BrushDesignTest, SelectInDesignReusesTheOpenFormUntilItCloses) {
  auto* shape = Make<TzrRectangle>(10, 10);
  SelectInDesign(shape->GetStroke(), shape);
  TzrBrushDesign* first = SharedBrushDesign();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetBrush(), shape->GetStroke());
  EXPECT_FALSE(first->btnOK->GetVisible());
  SelectInDesign(shape, nullptr);
  EXPECT_EQ(SharedBrushDesign(), first);
  EXPECT_EQ(first->GetBrush(), shape->GetFill());
  first->Close();
  EXPECT_EQ(SharedBrushDesign(), nullptr);
  SelectInDesign(shape->GetFill(), shape);
  EXPECT_NE(SharedBrushDesign(), nullptr);
  EXPECT_NE(SharedBrushDesign(), first);
  SharedBrushDesign()->Close();
  for (int i = 0; i < 20; ++i) g_main_context_iteration(nullptr, FALSE);
}

}  // namespace

namespace {

TEST_F(BrushDesignTest, TabsSetTheStyleAndGradientKindHidesTheAngle) {
  auto* shape = Make<TzrRectangle>(10, 10);
  TzrBrushDesign form(nullptr);
  form.SetComp(shape);
  TzrBrush* fill = shape->GetFill();
  struct Case {
    TzrTabItem* Tab;
    TzrBrushStyle Style;
    bool MakeRes;
  } cases[] = {{form.tabGradient, zrBrushGradient, true},
               {form.tabNone, zrBrushNone, false},
               {form.tabBitmap, zrBrushBitmap, true},
               {form.tabRes, zrBrushResource, false},
               {form.tabSolid, zrBrushSolid, true}};
  for (const Case& c : cases) {
    form.brushTabControl->SetItem(c.Tab);
    EXPECT_EQ(fill->GetStyle(), c.Style) << c.Tab->GetName();
    EXPECT_EQ(form.btnMakeRes->GetVisible(), c.MakeRes) << c.Tab->GetName();
  }
  form.brushTabControl->SetItem(form.tabGradient);
  form.gradKind->SetItemIndex(1);
  EXPECT_EQ(fill->GetGradient()->GetStyle(), zrRadialGradient);
  EXPECT_FALSE(form.gradAngle->GetVisible());
  form.gradKind->SetItemIndex(0);
  EXPECT_TRUE(form.gradAngle->GetVisible());
  form.brushTabControl->SetItem(form.tabBitmap);
  form.tileModeList->SetItemIndex(2);
  EXPECT_EQ(fill->GetBitmap()->GetWrapMode(), zrWrapTileStretch);
}

}  // namespace
