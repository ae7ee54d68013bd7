// Captions of text controls and labels, and the callout panel's pointer.

#include "controls/zr_objects_text.h"
#include "controls_fixture.h"
#include "platform/rtl/StringList.h"
#include "scene/zr_brush.h"
#include "scene/zr_lang.h"
#include "scene/zr_resources.h"

namespace {

// A scene sheet: a style without a "text" part, one whose root is a text,
// and one with a "foreground" brush.
const char* Sheet =
    "object TzrBackground\r\n"
    "  object TzrRectangle\r\n    ResourceName = 'plainstyle'\r\n  end\r\n"
    "  object TzrText\r\n    ResourceName = 'textrootstyle'\r\n  end\r\n"
    "  object TzrVisualObject\r\n    ResourceName = 'colouredstyle'\r\n"
    "    object TzrBrushObject\r\n      ResourceName = 'foreground'\r\n"
    "      Brush.Color = '#FF0000C0'\r\n    end\r\n"
    "    object TzrText\r\n      ResourceName = 'text'\r\n      Align = vaClient\r\n"
    "      Fill.Color = '#FFC00000'\r\n    end\r\n  end\r\n"
    "end\r\n";

class TextControlsTest : public ControlsTest {
 protected:
  TextControlsTest() {
    Styles.GetResource()->SetText(Sheet);
    Scene.SetStyle(&Styles);
  }
  ~TextControlsTest() override {
    Scene.SetStyle(nullptr);
    CustomTranslateProc = nullptr;
  }
  static TzrText* TextOf(TzrControl* C) { return dynamic_cast<TzrText*>(C->FindResource("text")); }
  TzrResources Styles{nullptr};
};

TEST_F(TextControlsTest, SameTextRepaintsNothing) {
  auto* label = Make<TzrLabel>(10, 10);
  label->SetText(u"Speed");
  Show();
  ASSERT_NE(TextOf(label), nullptr);
  EXPECT_EQ(TextOf(label)->GetText(), u"Speed");
  label->SetText(u"Speed");
  EXPECT_TRUE(Scene.Rects.empty());
  label->SetText(u"speed");
  EXPECT_EQ(TextOf(label)->GetText(), u"speed") << "the comparison minds case";
  EXPECT_FALSE(Scene.Rects.empty());
}

TEST_F(TextControlsTest, StyleWithoutTextPartRepaintsOrFeedsATextRoot) {
  auto* plain = Make<TzrLabel>(10, 10);
  plain->SetResource("plainstyle");
  auto* root = Make<TzrLabel>(10, 40);
  root->SetResource("textrootstyle");
  Show();
  plain->SetText(u"Throttle");
  EXPECT_TRUE(Scene.Covered(plain->GetUpdateRect()));
  Scene.Rects.clear();
  plain->SetTextAlign(zrTextAlignFar);
  EXPECT_TRUE(Scene.Covered(plain->GetUpdateRect()));
  root->SetText(u"油门");
  auto* text = dynamic_cast<TzrText*>(root->GetResourceLink());
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->GetText(), u"油门");
}

TEST_F(TextControlsTest, FieldsReachEveryNewStyle) {
  auto* label = Make<TzrLabel>(10, 10);
  label->SetText(u"Brake 刹车");
  label->SetTextAlign(zrTextAlignFar);
  label->SetVertTextAlign(zrTextAlignNear);
  label->GetFont()->SetSize(15);
  Show();
  label->SetResource("colouredstyle");
  TzrText* text = TextOf(label);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->GetText(), u"Brake 刹车");
  EXPECT_EQ(text->GetHorzTextAlign(), zrTextAlignFar);
  EXPECT_EQ(text->GetVertTextAlign(), zrTextAlignNear);
  EXPECT_EQ(text->GetFont()->GetSize(), 15);
  EXPECT_EQ(text->GetFill()->GetSolidColor(), 0xFF0000C0u) << "the foreground brush colours it";
  EXPECT_EQ(label->GetFontFill()->GetSolidColor(), 0xFF0000C0u);

  auto* other = Make<TzrLabel>(10, 40);
  other->SetResource("colouredstyle");
  Show();
  other->SetResource("labelstyle");
  EXPECT_EQ(TextOf(other)->GetFill()->GetSolidColor(), 0xFFE0E0E0u)
      << "without a foreground brush the style's own colour shows";
  auto* unbrushed = Make<TzrValueLabel>(10, 70);
  TzrBrush red(zrBrushSolid, 0xFFC00000);
  Show();
  unbrushed->SetFontFill(&red);
  EXPECT_EQ(TextOf(unbrushed)->GetFill()->GetSolidColor(), 0xFFC00000u);
}

TEST_F(TextControlsTest, AutoSizeFitsTheTextAndEndsWordWrapForGood) {
  auto* label = Make<TzrLabel>(10, 10);
  label->SetText(u"Timing");
  Show();
  EXPECT_TRUE(label->GetWordWrap());
  label->SetAutoSize(true);
  EXPECT_FALSE(label->GetWordWrap());
  EXPECT_FALSE(TextOf(label)->GetWordWrap());
  const float shortWidth = label->GetWidth();
  EXPECT_GT(shortWidth, 10);
  EXPECT_LT(shortWidth, 120);
  EXPECT_EQ(TextOf(label)->GetAlign(), vaClient) << "the part's layout is put back";
  label->SetText(u"Timing advance 进角");
  EXPECT_GT(label->GetWidth(), shortWidth);
  label->SetAutoSize(false);
  EXPECT_FALSE(label->GetWordWrap());
  const float width = label->GetWidth();
  label->SetText(u"Timing");
  EXPECT_EQ(label->GetWidth(), width) << "without AutoSize the size stays";
}

TEST_F(TextControlsTest, SetDataNullDateAndText) {
  auto* label = Make<TzrValueLabel>(10, 10);
  struct Case {
    Variant Value;
    std::u16string Text;
  } cases[] = {
      {Variant(u"12.5 V"), u"12.5 V"},
      {Variant::Null(), u""},
      {Variant::Date(45000.5), u"2023-03-15 12:00:00"},
      {Variant::Date(45000), u"2023-03-15"},
      {Variant::Date(-1.25), u"1899-12-29 06:00:00"},
      {Variant(42), u"42"},
  };
  for (const Case& c : cases) {
    label->SetData(c.Value);
    EXPECT_EQ(label->GetText(), c.Text);
    EXPECT_EQ(label->GetData().ToWideString(), c.Text);
  }
}

TEST_F(TextControlsTest, LabelsAreTranslatedValueLabelsNot) {
  CustomTranslateProc = [](const std::u16string& S) {
    return S == u"Speed" ? std::u16string(u"速度") : std::u16string();
  };
  auto* label = Make<TzrLabel>(10, 10);
  auto* value = Make<TzrValueLabel>(10, 40);
  label->SetText(u"Speed");
  value->SetText(u"Speed");
  EXPECT_EQ(label->GetText(), u"Speed") << "translated when its style is applied";
  Show();
  EXPECT_EQ(label->GetText(), u"速度");
  EXPECT_EQ(value->GetText(), u"Speed");
  EXPECT_FALSE(value->GetWordWrap());
  EXPECT_FALSE(TextOf(value)->GetWordWrap());
}

TEST_F(TextControlsTest, OnlyAChangedCalloutSettingReachesTheRectangle) {
  auto* panel = Make<TzrCalloutPanel>(10, 10);
  Show();
  auto* callout = dynamic_cast<TzrCalloutRectangle*>(panel->GetResourceLink());
  ASSERT_NE(callout, nullptr);
  EXPECT_EQ(callout->GetCalloutWidth(), 23);
  EXPECT_EQ(callout->GetCalloutLength(), 11);
  callout->SetCalloutOffset(7);
  panel->SetCalloutOffset(0);
  EXPECT_EQ(callout->GetCalloutOffset(), 7) << "an equal value re-applies nothing";
  panel->SetCalloutOffset(-12.5f);
  EXPECT_EQ(callout->GetCalloutOffset(), -12.5f);
  panel->SetCalloutLength(20);
  panel->SetCalloutPosition(zrCalloutRight);
  EXPECT_EQ(callout->GetCalloutLength(), 20);
  EXPECT_EQ(callout->GetCalloutPosition(), zrCalloutRight);

  auto* plain = Make<TzrCalloutPanel>(10, 120);
  plain->SetResource("plainstyle");
  Show();
  plain->SetCalloutLength(30);  // no callout rectangle: nothing to reach
  EXPECT_EQ(plain->GetCalloutLength(), 30);
}

TEST_F(TextControlsTest, SelectionItemPaintsItsChildrenOnlyAtRunTime) {
  auto* item = Make<TzrSelectionItem>(10, 10);
  EXPECT_FALSE(item->GetHitTest());
  auto* child = new TTestShape(&Owner);
  child->SetBounds(0, 0, 20, 20);
  child->SetParent(item);
  Show();
  EXPECT_EQ(child->Paints, 1);
  item->SetComponentState(csDesigning);
  Show();
  EXPECT_EQ(child->Paints, 1);
}

}  // namespace
