// The property inspector over a rectangle: rows from the type information,
// nested objects, events, disabled names, the editors, commits, keys and the
// editor's place when the row scrolls away.

#include "controls/zr_brush_design.h"
#include "controls/zr_buttons.h"
#include "controls/zr_gradient_edit.h"
#include "controls/zr_inspector.h"
#include "controls/zr_labels.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_text_box.h"
#include "controls/zr_text_control.h"
#include "controls_fixture.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/WinControls.h"
#include "scene/zr_brush.h"
#include "scene/zr_font.h"
#include "scene/zr_gradient.h"

namespace {

class InspectorTest : public ControlsTest {
 protected:
  InspectorTest() {
    Root->SetBounds(0, 0, 400, 400);
    Shape = Make<TzrRectangle>(300, 300);
    Shape->SetName("Rect1");
    Inspector = Make<TzrInspector>(0, 0);
    Inspector->SetBounds(0, 0, 300, 200);
    Show();
  }
  ~InspectorTest() override {
    BrushDialogHook = nullptr;
    FontDialogHook = nullptr;
  }
  // The names of a node's rows, in order.
  std::vector<std::string> Names(TzrTreeViewItem* Parent = nullptr) {
    std::vector<std::string> names;
    const int n = Parent ? Parent->GetCount() : Inspector->GetCount();
    for (int i = 0; i < n; ++i)
      names.push_back((Parent ? Parent->GetItem(i) : Inspector->GetItem(i))->GetTagString());
    return names;
  }
  TzrTreeViewItem* Row(const std::string& Name, TzrTreeViewItem* Parent = nullptr) {
    const int n = Parent ? Parent->GetCount() : Inspector->GetCount();
    for (int i = 0; i < n; ++i) {
      TzrTreeViewItem* row = Parent ? Parent->GetItem(i) : Inspector->GetItem(i);
      if (row->GetTagString() == Name) return row;
    }
    return nullptr;
  }
  std::u16string Label(TzrTreeViewItem* R) { return TzrInspector::RowLabel(R)->GetText(); }
  // Selects a row as a click would, with its editor focused.
  void Edit(const std::string& Name) {
    TzrTreeViewItem* row = Row(Name);
    ASSERT_NE(row, nullptr) << Name;
    Inspector->SetSelected(row);
  }
  void Type(const std::u16string& Text) {
    Inspector->GetEditBox()->SetText(Text);
    Inspector->GetEditBox()->Change();
  }
  uint16_t Press(uint16_t K) {
    Inspector->DialogKey(K, 0);
    return K;
  }
  TzrRectangle* Shape = nullptr;
  TzrInspector* Inspector = nullptr;
};

TEST_F(InspectorTest, RectangleRowsAreSortedWithNestedBrushesAndNoEvents) {
  Inspector->SetSelectedObject(Shape);
  const std::vector<std::string> names = Names();
  ASSERT_FALSE(names.empty());
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& A, const auto& B) {
    return CompareTextUtf8(A, B) < 0;
  }));
  for (const char* name : {"Align", "Fill", "Height", "Width", "Stroke"})
    EXPECT_NE(Row(name), nullptr) << name;
  EXPECT_EQ(Row("OnClick"), nullptr);
  TzrTreeViewItem* fill = Row("Fill");
  EXPECT_FALSE(fill->GetIsExpanded());
  EXPECT_EQ(Label(fill), u"TzrBrush");
  EXPECT_NE(Row("Color", fill), nullptr) << "the brush's own properties";
  EXPECT_EQ(Row("Color", fill)->GetTagObject(), Shape->GetFill());
  EXPECT_EQ(Label(Row("Height")), u"50");
  EXPECT_EQ(Label(Row("Align")), u"vaNone");
  EXPECT_EQ(Label(Row("Name")), u"Rect1");
}

TEST_F(InspectorTest, EventsOnlyForTheSelectedObjectAndDisabledNamesInAnyCase) {
  Inspector->SetShowEvents(true);
  Inspector->SetSelectedObject(Shape);
  ASSERT_NE(Row("OnClick"), nullptr);
  EXPECT_EQ(Label(Row("OnClick")), u"");
  for (const std::string& nested : Names(Row("Fill")))
    EXPECT_NE(nested.rfind("On", 0), 0u) << nested;
  Inspector->SetShowProperties(false);
  for (const std::string& name : Names()) EXPECT_EQ(name.rfind("On", 0), 0u) << name;
  Inspector->SetShowProperties(true);
  TStringList disabled;
  disabled.Add("wIDTH");
  disabled.Add("onclick");
  Inspector->SetDisabledProperties(&disabled);
  EXPECT_EQ(Row("Width"), nullptr);
  EXPECT_EQ(Row("OnClick"), nullptr);
  EXPECT_NE(Row("Height"), nullptr);
}

TEST_F(InspectorTest, EditorsByKindWriteTheProperty) {
  std::vector<std::string> changed;
  Inspector->OnChangeProperty = [&](TObject*, const std::string& N) { changed.push_back(N); };
  Inspector->SetSelectedObject(Shape);
  Edit("Width");
  EXPECT_EQ(Inspector->Editor(), Inspector->GetEditBox());
  EXPECT_EQ(Inspector->GetEditBox()->GetText(), u"50");
  EXPECT_FALSE(TzrInspector::RowLabel(Row("Width"))->GetVisible()) << "the editor covers it";
  Type(u"80.5");
  EXPECT_FLOAT_EQ(Shape->GetWidth(), 80.5f);
  EXPECT_EQ(Label(Row("Width")), u"80.5");
  Edit("Align");
  EXPECT_EQ(Inspector->Editor(), Inspector->GetComboBox());
  EXPECT_TRUE(TzrInspector::RowLabel(Row("Width"))->GetVisible());
  Inspector->GetComboBox()->SetItemIndex(int(vaRight));
  EXPECT_EQ(Shape->GetAlign(), vaRight);
  EXPECT_EQ(Label(Row("Align")), u"vaRight");
  // Leaving the Width row commits its text once more; filling the list
  // writes nothing.
  EXPECT_EQ(changed, (std::vector<std::string>{"Width", "Width", "Align"}));
}

TEST_F(InspectorTest, MovingToAnotherRowCommitsTheTypedText) {
  Inspector->SetSelectedObject(Shape);
  Edit("Height");
  Inspector->GetEditBox()->SetText(u"33");
  Edit("Width");
  EXPECT_FLOAT_EQ(Shape->GetHeight(), 33);
  EXPECT_EQ(Label(Row("Height")), u"33");
}

TEST_F(InspectorTest, TextThatDoesNotConvertRaisesAndChangesNothing) {
  Inspector->SetSelectedObject(Shape);
  Edit("Height");
  Inspector->GetEditBox()->SetText(u"tall");
  EXPECT_THROW(Inspector->DoEditorChange(Inspector->GetEditBox()), EConvertError);
  EXPECT_FLOAT_EQ(Shape->GetHeight(), 50);
  EXPECT_EQ(Label(Row("Height")), u"50");
  Inspector->GetEditBox()->SetText(u"50");
}

TEST_F(InspectorTest, UpOnTheFirstAndDownOnTheLastRowDoNothing) {
  Inspector->SetSelectedObject(Shape);
  Inspector->SetSelected(Inspector->ItemByGlobalIndex(0));
  ASSERT_EQ(Scene.Focused, Inspector->Editor());
  EXPECT_EQ(Press(VK_UP), 0) << "consumed";
  EXPECT_EQ(Inspector->GetSelected()->GetGlobalIndex(), 0);
  EXPECT_EQ(Press(VK_DOWN), 0);
  EXPECT_EQ(Inspector->GetSelected()->GetGlobalIndex(), 1);
  const int last = Inspector->GetGlobalCount() - 1;
  Inspector->SetSelected(Inspector->ItemByGlobalIndex(last));
  Press(VK_DOWN);
  EXPECT_EQ(Inspector->GetSelected()->GetGlobalIndex(), last);
  Press(VK_UP);
  EXPECT_EQ(Inspector->GetSelected()->GetGlobalIndex(), last - 1);
  // Keypad plus and minus open and close a row with nested rows.
  Edit("Fill");
  Press(107);
  EXPECT_TRUE(Row("Fill")->GetIsExpanded());
  Press(109);
  EXPECT_FALSE(Row("Fill")->GetIsExpanded());
}

TEST_F(InspectorTest, EditorOfARowScrolledOutIsTransparent) {
  Inspector->SetSelectedObject(Shape);
  Show();
  Edit("Align");
  TzrVisualObject* editor = Inspector->Editor();
  EXPECT_EQ(editor->GetOpacity(), 1);
  EXPECT_GE(editor->GetPosition()->GetX(), Inspector->GetWidth() / 2) << "on the right half";
  const float y = editor->GetPosition()->GetY();
  Inspector->ScrollTo(0, -150);
  Show();
  EXPECT_EQ(editor->GetOpacity(), 0) << "scrolled above the top";
  EXPECT_LT(editor->GetPosition()->GetY(), y) << "it follows the row";
  Inspector->ScrollTo(0, 150);
  Show();
  EXPECT_EQ(editor->GetOpacity(), 1);
}

TEST_F(InspectorTest, EditButtonOpensTheDesignerOfTheObject) {
  Inspector->SetSelectedObject(Shape);
  Edit("Fill");
  ASSERT_EQ(Inspector->Editor(), Inspector->GetEditButton());
  EXPECT_EQ(Inspector->GetEditButton()->GetText(), u"Edit...");
  Inspector->GetEditButton()->Click();
  ASSERT_NE(SharedBrushDesign(), nullptr);
  EXPECT_EQ(SharedBrushDesign()->GetBrush(), Shape->GetFill());
  SharedBrushDesign()->Close();
  auto* text = Make<TzrText>(0, 0);
  Inspector->SetSelectedObject(text);
  Edit("Font");
  FontDialogHook = [](TFontDialog& D) {
    EXPECT_EQ(D.GetFamily(), "Tahoma");
    D.SetFamily("Serif");
    D.SetSize(20);
    D.SetBold(true);
    return true;
  };
  Inspector->GetEditButton()->Click();
  EXPECT_EQ(text->GetFont()->GetFamily(), "Serif");
  EXPECT_EQ(text->GetFont()->GetSize(), 20);
  EXPECT_EQ(text->GetFont()->GetStyle(), zrFontBold);
  delete text;
  EXPECT_EQ(Inspector->GetSelectedObject(), nullptr) << "a freed object leaves the inspector";
  EXPECT_EQ(Inspector->GetCount(), 0);
}

}  // namespace

namespace {

TEST_F(InspectorTest, NestedGradientOpensTheGradientDialogAndEndKeepsToTheTextBox) {
  Shape->GetFill()->SetStyle(zrBrushGradient);
  Inspector->SetSelectedObject(Shape);
  TzrTreeViewItem* fill = Row("Fill");
  fill->SetIsExpanded(true);
  Inspector->SetSelected(Row("Gradient", fill));
  ASSERT_EQ(Inspector->Editor(), Inspector->GetEditButton());
  int opened = 0;
  BrushDialogHook = [&](TzrBrushDesign& F) {
    ++opened;
    EXPECT_FALSE(F.brushList->GetVisible());
    F.gradEditor->SetCurrentPoint(1);
    F.gradEditor->GetGradient()->GetPoints()->GetPoint(1)->SetIntColor(0xFF00FF00);
    F.gradEditorChange(nullptr);
    return int(mrOk);
  };
  Inspector->GetEditButton()->Click();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(Shape->GetFill()->GetGradient()->GetPoints()->GetPoint(1)->GetIntColor(), 0xFF00FF00u);
  // End and Home move the caret of a text box, not the row.
  Edit("Height");
  const int at = Inspector->GetSelected()->GetGlobalIndex();
  EXPECT_EQ(Press(VK_END), VK_END);
  EXPECT_EQ(Inspector->GetSelected()->GetGlobalIndex(), at);
  Edit("Align");
  Press(VK_END);
  EXPECT_EQ(Inspector->GetSelected()->GetGlobalIndex(), Inspector->GetGlobalCount() - 1);
  Edit("Visible");
  Press(VK_HOME);
  EXPECT_EQ(Inspector->GetSelected()->GetGlobalIndex(), 0);
}

}  // namespace
