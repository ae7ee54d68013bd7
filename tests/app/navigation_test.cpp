// The navigation list and the governor page in the main window: which page
// and column each entry shows, and the governor values and read-outs.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_checks.h"
#include "controls/zr_layouts.h"
#include "controls/zr_number_box.h"
#include "controls/zr_panels.h"
#include "controls/zr_text_control.h"
#include "controls/zr_tracks.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"
#include "scene/zr_position.h"

namespace {

class Navigation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  void SetUp() override { Form = std::make_unique<TfrmInterface>(nullptr); }
  // Clicks an entry with that tag.
  void Click(int tag) {
    TComponent entry(nullptr);
    entry.SetTag(tag);
    Form->ListBoxItemClick(&entry);
  }
  // The page shown (1 .. 13), 0 for none; -1 when more than one shows.
  int ShownPage() const {
    int shown = 0;
    for (int k = 0; k < 13; ++k)
      if (Form->tabLayout[k]->GetVisible()) shown = shown ? -1 : k + 1;
    return shown;
  }
  std::unique_ptr<TfrmInterface> Form;
};

TEST_F(Navigation, EachTagShowsItsPageAndTheHelpColumn) {
  struct {
    int Tag;
    const char* Model;
    TMenuItem* TfrmInterface::*Mode;  // the data-link mode checked, else none
    int Page;
    bool HelpColumn;
  } const cases[] = {
      {0, "", nullptr, 1, false},
      {1, "", nullptr, 2, true},
      {2, "", nullptr, 3, true},
      {3, "Ardent_V4_FL", nullptr, 11, true},
      {3, "Ardent_HV_V4", nullptr, 11, true},
      {3, "Ardent_V3", nullptr, 4, true},
      {3, "ardent_v4", nullptr, 4, true},  // letter case matters
      {4, "", nullptr, 5, true},
      {5, "", nullptr, 6, true},
      {6, "", nullptr, 7, true},
      {7, "", nullptr, 8, true},
      {7, "", &TfrmInterface::DATALINK3, 12, true},
      {7, "", &TfrmInterface::DATALINK5, 0, true},
      {8, "", nullptr, 9, false},
      {9, "", nullptr, 10, true},
      {10, "DATALINK_RX", nullptr, 0, false},
      {10, "DATALINK_RX", &TfrmInterface::DATALINK5, 13, false},
      {10, "ESC", &TfrmInterface::DATALINK5, 0, false},
      {11, "", nullptr, 0, false},
      {-1, "", nullptr, 0, false},
  };
  for (const auto& c : cases) {
    SetUp();
    Form->FModel = c.Model;
    if (c.Mode) (Form.get()->*c.Mode)->SetChecked(true);
    Form->web->SetLeft(543);
    Form->Panel2->SetCalloutLength(11);
    Click(c.Tag);
    const std::string what = std::to_string(c.Tag) + " " + c.Model;
    EXPECT_EQ(ShownPage(), c.Page) << what;
    EXPECT_EQ(Form->Panel6->GetVisible(), c.HelpColumn) << what;
    EXPECT_EQ(Form->web->GetLeft(), 1800) << what;
    EXPECT_FLOAT_EQ(Form->Panel2->GetCalloutLength(), 0) << what;
    EXPECT_FLOAT_EQ(Form->Panel2->GetPosition()->GetX(), 4) << what;
    EXPECT_FLOAT_EQ(Form->Panel2->GetWidth(), 215) << what;
  }
}

// The governor page's controls as the user left them.
struct TGovernorCase {
  const char* Name;
  bool Demo;
  uint8_t Byte19, Byte20;
  float Poles;
  bool ByTeeth;
  float Pinion, MainGear, Ratio, Throttle;
  int32_t Base, MaxRpm;
  const char* High;
  const char* Low;
  const char* Right;
  const char* Tip;
  float TipShift;  // where the tip stands against the read-out (0: not moved)
};

TEST_F(Navigation, TheGovernorPageComputesItsValues) {
  const TGovernorCase cases[] = {
      {"demo, ratio box, throttle 40", true, 0, 0, 4, false, 10, 110, 10, 40, 512, 25600, "25600",
       "10240", "<-- 10240", "TH is too low", -20},
      {"throttle 60 clears the tip", true, 0, 0, 4, false, 10, 110, 10, 60, 512, 25600, "25600",
       "10240", "<-- 15360", "", 0},
      {"throttle 90 clears the tip", true, 0, 0, 4, false, 10, 110, 10, 90, 512, 25600, "25600",
       "10240", "<-- 23040", "", 0},
      {"throttle 91 is too high", true, 0, 0, 4, false, 10, 110, 10, 91, 512, 25600, "25600",
       "10240", "<-- 23296", "TH is too high", 20},
      {"device K is 16 bits", false, 0x01, 0x90, 4, false, 10, 110, 10, 60, 400, 20000, "20000",
       "8000", "<-- 12000", "", 0},
      {"ratio is main gear over pinion", true, 0, 0, 8, true, 10, 110, 10, 40, 512, 11636, "11636",
       "4654.4", "<-- 4654.4", "TH is too low", -20},
      {"no device data gives 0", false, 0, 0, 8, false, 10, 110, 10, 70, 0, 0, "0", "0", "<-- 0",
       "", 0},
  };
  for (const TGovernorCase& c : cases) {
    SetUp();
    TfrmInterface& f = *Form;
    f.FModel = "Ardent_V4";
    f.Demo1->SetChecked(c.Demo);
    f.FDeviceData[19] = c.Byte19;
    f.FDeviceData[20] = c.Byte20;
    f.nbPoles->SetValue(c.Poles);
    if (c.ByTeeth)
      f.rbDJC->SetIsChecked(true);
    else
      dynamic_cast<TzrRadioButton*>(f.FindComponent("rbCB"))->SetIsChecked(true);
    f.nbDJC->SetValue(c.Pinion);
    f.nbZC->SetValue(c.MainGear);
    f.nbCB->SetValue(c.Ratio);
    f.tbPercent->SetValue(c.Throttle);
    const float tipY = f.lblTips->GetPosition()->GetY();
    Click(3);
    ASSERT_EQ(ShownPage(), 11) << c.Name;
    EXPECT_EQ(f.FGovernorBase, c.Base) << c.Name;
    EXPECT_EQ(f.FGovernorMaxRpm, c.MaxRpm) << c.Name;
    EXPECT_EQ(f.FGovernorPoles, static_cast<int32_t>(c.Poles)) << c.Name;
    EXPECT_FLOAT_EQ(f.FGovernorRatio, c.ByTeeth ? c.MainGear / c.Pinion : c.Ratio) << c.Name;
    EXPECT_EQ(UTF16ToUTF8(f.lblHighRPM->GetText()), c.High) << c.Name;
    EXPECT_EQ(UTF16ToUTF8(f.lblLowRPM->GetText()), c.Low) << c.Name;
    EXPECT_EQ(UTF16ToUTF8(f.lblRightRPM->GetText()), c.Right) << c.Name;
    EXPECT_EQ(UTF16ToUTF8(f.lblTips->GetText()), c.Tip) << c.Name;
    const float readoutY = f.lblRightRPM->GetPosition()->GetY();
    EXPECT_FLOAT_EQ(f.lblTips->GetPosition()->GetY(), c.TipShift ? readoutY + c.TipShift : tipY)
        << c.Name;
    for (TzrNumberBox* box : {f.nbRPM1, f.nbRPM2, f.nbRPM3})
      EXPECT_FLOAT_EQ(box->GetMax(), static_cast<float>(c.MaxRpm)) << c.Name;
  }
}

}  // namespace
