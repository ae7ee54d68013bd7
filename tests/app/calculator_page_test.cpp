// The gear calculator's page and the governor page's handlers in the main
// window: the boxes recomputed when the page shows and after a key, the reach
// colours, the governor maximum, the required-speed rows and the bound events.

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/GearCalculator.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_number_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_text_control.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_brush.h"
#include "scene/zr_position.h"
#include "scene/zr_scene.h"
#include "tests/support/GdkInput.h"
#include "tests/support/SceneShot.h"

namespace {

std::string ColorText(uint32_t argb) {
  char text[16];
  std::snprintf(text, sizeof text, "#%08X", argb);
  return text;
}

class CalculatorPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  void SetUp() override { Form = std::make_unique<TfrmInterface>(nullptr); }
  void Click(int tag) {
    TComponent entry(nullptr);
    entry.SetTag(tag);
    Form->ListBoxItemClick(&entry);
  }
  void SetBox(int n, const std::string& text) { Form->CalcBox(n)->SetText(UTF8ToUTF16(text)); }
  std::string Box(int n) const { return UTF16ToUTF8(Form->CalcBox(n)->GetText()); }
  std::string Color(int n) const { return Form->CalcBox(n)->GetFontFill()->GetColor(); }
  void StoredDefaults() {
    const char* texts[] = {"2300", "153", "16", "4", "740", "12", "3.3V", "3.6V", "2.7V"};
    for (int n = 1; n <= 9; ++n) SetBox(n, texts[n - 1]);
  }
  std::string Text(TzrTextControl* label) const { return UTF16ToUTF8(label->GetText()); }
  std::unique_ptr<TfrmInterface> Form;
};

TEST_F(CalculatorPage, ShowingThePageRecomputesFromTheStoredDefaults) {
  StoredDefaults();
  SetBox(18, "");
  SetBox(17, "");
  Click(9);                       // the calculator page
  EXPECT_EQ(Box(18), "21993.8");  // one decimal, as the form stores 21993.75
  EXPECT_EQ(Box(19), "87975.0");
  EXPECT_EQ(Box(16), "Governor_High");
  EXPECT_EQ(Box(17), "77.5%");
  EXPECT_EQ(Box(10), "39.6V");
  EXPECT_EQ(Box(13), "3064");
  EXPECT_EQ(Color(13), ColorText(kReachColor));
}

TEST_F(CalculatorPage, AReachBelowTheDesiredSpeedIsRedAndAZeroReachPlain) {
  StoredDefaults();
  SetBox(1, "5000");
  SetBox(9, "0V");
  Click(9);
  EXPECT_EQ(Box(13), "3064");
  EXPECT_EQ(Color(13), ColorText(kReachShortColor));
  EXPECT_EQ(Box(15), "0");
  EXPECT_EQ(Color(15), ColorText(kReachColor));
  // Back above the desired speed: plain again.
  SetBox(1, "2000");
  Form->calcChange(Form->CalcBox(1));
  EXPECT_EQ(Color(13), ColorText(kReachColor));
}

TEST_F(CalculatorPage, KeysEditTheBoxesAndRecompute) {
  StoredDefaults();
  Click(9);
  TzrCustomTextBox* box = Form->CalcBox(1);
  box->SetText(u"0");
  box->SetSelStart(1);
  uint16_t key = '5';
  char16_t ch = u'5';
  box->OnKeyDown(box, key, ch, {});  // bound to calcTextBoxKeyDown
  EXPECT_EQ(Box(1), "5");
  EXPECT_EQ(key, 0);  // the box does not type the key a second time
  EXPECT_EQ(Box(13), "3064");
  EXPECT_EQ(Color(13), ColorText(kReachColor));
  // A battery type sets its cell voltage; typing is taken only under
  // "Other", which starts from "0V"; leaving the box keeps "3.7V".
  auto* cell = dynamic_cast<TzrComboTextBox*>(Form->CalcBox(7));
  ASSERT_NE(cell, nullptr);
  cell->SetItemIndex(2);  // NiMh
  EXPECT_EQ(Box(7), "1.2V");
  EXPECT_EQ(Box(10), "14.4V");
  key = '7';
  ch = u'7';
  cell->OnKeyDown(cell, key, ch, {});
  EXPECT_EQ(Box(7), "1.2V");
  cell->SetItemIndex(4);  // Other
  EXPECT_EQ(Box(7), "0V");
  EXPECT_EQ(Box(10), "0.0V");
  cell->SetText(u"3V");
  cell->SetSelStart(2);
  key = 190;
  ch = u'.';
  cell->OnKeyDown(cell, key, ch, {});
  EXPECT_EQ(Box(7), "3.V");
  key = '7';
  ch = u'7';
  cell->OnKeyDown(cell, key, ch, {});
  EXPECT_EQ(Box(7), "3.7V");
  cell->OnKillFocus(cell);
  EXPECT_EQ(Box(7), "3.7V");
  EXPECT_EQ(Box(10), "44.4V");
  // A changed text above the limit becomes the limit.
  SetBox(2, "300001");
  Form->CalcBox(2)->OnChange(Form->CalcBox(2));
  EXPECT_EQ(Box(2), "300000");
}

// Keys as a user types them: GDK events into the shown window's scene, with
// the box focused by a click (which selects its text).
class CalculatorTyping : public CalculatorPage {
 protected:
  void SetUp() override {
    CalculatorPage::SetUp();
    Form->OnActivate = nullptr;  // no device search here
    StoredDefaults();
    Click(9);
    Form->Show();
    pagetest::WaitDrawn(Form->ControlsScene);
  }
  void TearDown() override {
    if (Form) Form->Hide();
  }
  TGdkInput Input() { return TGdkInput(Form->ControlsScene->Handle()); }
  // A click at Dx from the box's left edge; the first click focuses the box
  // and selects its text, a second one places the caret.
  void ClickBox(int n, float Dx = 6) {
    const TzrRect r = Form->CalcBox(n)->GetAbsoluteRect();
    Input().Click(r.Left + Dx, (r.Top + r.Bottom) / 2);
  }
};

// However the box was emptied, the digit typed next replaces the "0" that
// stands for the empty text.
TEST_F(CalculatorTyping, ADigitTypedIntoAnEmptiedBoxStandsAlone) {
  const struct {
    const char* How;
    float CaretX;  // where a second click puts the caret; 0: no second click
  } cases[] = {
      {"selected text deleted", 0},
      {"caret after the text", 120},
      {"caret before the text", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.How);
    SetBox(4, "4");
    ClickBox(4);
    ASSERT_EQ(Form->ControlsScene->GetFocused(), Form->CalcBox(4));
    if (c.CaretX > 0) ClickBox(4, c.CaretX);
    Input().Type(GDK_KEY_BackSpace);
    EXPECT_EQ(Box(4), "0");
    Input().Type(GDK_KEY_6);
    EXPECT_EQ(Box(4), "6");
    EXPECT_EQ(Box(19), "131962.5");  // 6 pole pairs at 21993.75 rpm
    Input().Type(GDK_KEY_KP_2);
    EXPECT_EQ(Box(4), "62");
    ClickBox(5);  // leave the box
  }
  // A longer text emptied key by key with the caret at its start.
  SetBox(1, "2300");
  ClickBox(1);
  ClickBox(1, 1);
  for (int k = 0; k < 4; ++k) Input().Type(GDK_KEY_BackSpace);
  EXPECT_EQ(Box(1), "0");
  Input().Type(GDK_KEY_9);
  EXPECT_EQ(Box(1), "9");
}

// Closing the window while a box holds the focus: the box's lost focus
// comes while the window frees its components, and recomputes nothing.
TEST_F(CalculatorTyping, FreeingTheWindowWithABoxFocused) {
  ClickBox(2);
  ASSERT_EQ(Form->ControlsScene->GetFocused(), Form->CalcBox(2));
  EXPECT_NO_THROW(Form.reset());
}

class GovernorHandlers : public CalculatorPage {
 protected:
  void SetUp() override {
    CalculatorPage::SetUp();
    Form->Demo1->SetChecked(true);
    Form->FModel = "Ardent_V4";
    Click(3);  // the governor page: K 512
    Form->nbPoles->SetValue(8);
    Form->nbDJC->SetValue(10);
    Form->nbZC->SetValue(110);
    Form->rbDJC->SetIsChecked(true);
  }
  std::string Row(int r) const { return Text(Form->lblRP[r]); }
  std::string Tip(int r) const { return Text(Form->lblRPTip[r]); }
};

TEST_F(GovernorHandlers, TheRatioAndPoleHandlersSetTheMaximum) {
  Form->nbZC->OnChange(Form->nbZC);
  EXPECT_EQ(Form->FGovernorBase, 512);
  EXPECT_EQ(Form->FGovernorMaxRpm, 11636);
  EXPECT_EQ(Text(Form->lblHighRPM), "11636");
  EXPECT_EQ(Text(Form->lblLowRPM), "4654");
  EXPECT_EQ(Form->nbRPM1->GetMax(), 11636.0f);
  Form->rbCB->SetIsChecked(true);
  EXPECT_TRUE(Form->nbCB->GetEnabled());
  EXPECT_FALSE(Form->nbZC->GetEnabled());
  Form->rbDJC->SetIsChecked(true);
  EXPECT_FALSE(Form->nbCB->GetEnabled());
  EXPECT_TRUE(Form->nbDJC->GetEnabled());
  Form->nbPoles->SetValue(9);
  Form->nbPoles->OnChange(Form->nbPoles);
  EXPECT_EQ(Form->FGovernorMaxRpm, 11636);
  EXPECT_EQ(Text(Form->lblLowRPM), "4654.4");
}

TEST_F(GovernorHandlers, RequiredSpeedRows) {
  Form->nbZC->OnChange(Form->nbZC);
  struct {
    float Rpm;
    const char* Row;
    const char* Tip;
  } const cases[] = {
      {11636, "-->100%", "TH is too high"},
      {6982, "-->60%", ""},
      {6981, "-->60%", "TH is too low"},
  };
  for (const auto& c : cases) {
    Form->nbRPM2->SetValue(c.Rpm);
    Form->nbRPM2->OnChange(Form->nbRPM2);
    EXPECT_EQ(Row(1), c.Row) << c.Rpm;
    EXPECT_EQ(Tip(1), c.Tip) << c.Rpm;
  }
  // No governor value: the rows show 0 % without a tip, no division by 0.
  Form->FGovernorBase = 0;
  Form->nbPoles->OnChange(Form->nbPoles);
  EXPECT_EQ(Form->FGovernorMaxRpm, 0);
  EXPECT_EQ(Row(1), "-->0%");
  EXPECT_EQ(Tip(1), "");
}

TEST_F(GovernorHandlers, TheTrackBarMovesTheReadOutAndTip) {
  Form->nbZC->OnChange(Form->nbZC);
  struct {
    float Throttle;
    float Y;
    const char* Percent;
    const char* Tip;
  } const cases[] = {
      {42, 424, "42%-->", "TH is too low"},
      {43, 418, "43%-->", "TH is too low"},
      {75, 204, "75%-->", ""},
      {91, 98, "91%-->", "TH is too high"},
      {59, 312, "59%-->", "TH is too low"},
      {100, 52, "100%-->", "TH is too high"},
  };
  for (const auto& c : cases) {
    Form->tbPercent->SetValue(c.Throttle);
    Form->tbPercent->OnChange(Form->tbPercent);
    EXPECT_EQ(Text(Form->lblPercent), c.Percent);
    EXPECT_EQ(Form->lblPercent->GetPosition()->GetY(), c.Y) << c.Throttle;
    EXPECT_EQ(Form->lblRightRPM->GetPosition()->GetY(), c.Y) << c.Throttle;
    EXPECT_EQ(Text(Form->lblTips), c.Tip) << c.Throttle;
  }
  Form->tbPercent->SetValue(91);
  Form->tbPercent->OnChange(Form->tbPercent);
  EXPECT_EQ(Form->lblTips->GetPosition()->GetY(), 98 + 20);
  Form->tbPercent->SetValue(59);
  Form->tbPercent->OnChange(Form->tbPercent);
  EXPECT_EQ(Form->lblTips->GetPosition()->GetY(), 312 - 20);
}

}  // namespace
