// Changing the operating mode re-reads the device's settings for that mode,
// against the simulated controller on the virtual clock.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "controls/zr_progress.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "tests/link/link_fixture.h"

namespace {

class ModeReread : public LinkFixture {
 protected:
  // A general-family device with three modes; the page holds mode 1 and
  // shows item 0 at entry 1.
  void Ready(const char* hardware) {
    TSimController& controller = PlugController("ESC_G", hardware, "F1");
    std::fill(controller.Settings.begin(), controller.Settings.end(), 0);
    controller.Settings[1] = 1;
    Arrive();
    Form->FBusy = true;
    ASSERT_EQ(Form->ReadDeviceInfo(true), "");
    Modes = Form->FModeInfoOffset;
    Selected = Form->FSettingsOffset;
    controller.Settings[Modes] = 2;
    controller.Settings[Selected] = 0;
    controller.Settings[192] = 1;
    controller.Settings[96] = 3;
    Form->Circle1->GetFill()->SetColor("#FF00AA00");
    ASSERT_EQ(Form->ReadSettings(), "");
    Form->FBusy = false;
    Form->FConnected = true;
    Form->ESCSpeedController1->SetChecked(true);
    VERSION& def = Form->FPageDef;
    def.tab = 1;
    def.item = def.max = 1;
    def.tabs[0].group = "0";
    def.site.enabled = true;
    def.site.evalue = "Mode 1|Mode 2|Mode 3";
    def.items[0].evalue = "A|B|C|D";
    Form->BuildParameterPages();
    Mode = dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbMode"));
    ASSERT_NE(Mode, nullptr);
    ASSERT_EQ(Mode->GetItemIndex(), 0);
    // The window of the read: its maximum, seen as the device answers.
    controller.OnSettingsRequest = [this] {
      if (Form->FProgressForm) Maximum = Form->FProgressForm->ProgressBar1->GetMax();
    };
  }
  std::string Messages() const {
    std::string text;
    const TzrMemoLines* lines = Form->MessageArea()->Lines();
    for (int i = 0; i < lines->GetCount(); ++i) text += UTF16ToUTF8(lines->Get(i)) + "\n";
    return text;
  }

  int Modes = 0, Selected = 0;
  float Maximum = 0;
  TzrStringComboBox* Mode = nullptr;
};

class ModeRereadBy : public ModeReread,
                     public ::testing::WithParamInterface<std::pair<const char*, float>> {};

TEST_P(ModeRereadBy, ReadsTheSelectedModeWithItsProgressWindow) {
  const auto [hardware, maximum] = GetParam();
  {
    Ready(hardware);
    Controller->Settings[Selected] = 2;
    Controller->Settings[192] = 3;
    const int before = Controller->SettingsRequests;
    Mode->SetItemIndex(2);
    EXPECT_EQ(Controller->SettingsRequests, before + 1);
    ASSERT_GE(Controller->LastModeFrame.size(), 6u);
    EXPECT_EQ(Controller->LastModeFrame[5], 2);  // the mode asked for
    EXPECT_EQ(Maximum, maximum);
    EXPECT_EQ(Form->FProgressForm, nullptr);
    EXPECT_FALSE(Form->FBusy);
    auto* item = dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbItem0"));
    EXPECT_EQ(item->GetItemIndex(), 3);  // the new mode's value is shown
    EXPECT_EQ(Mode->GetItemIndex(), 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Hardware, ModeRereadBy,
                         ::testing::Values(std::pair{"HW1", 240.f},
                                           std::pair{"VELORIN_456", 736.f}));

TEST_F(ModeReread, FailedReadPutsTheModeBackAndSaysSo) {
  Ready("HW1");
  Controller->IgnoreSettings = true;
  const int before = Controller->SettingsRequests;
  Mode->SetItemIndex(2);
  EXPECT_EQ(Mode->GetItemIndex(), 0);
  EXPECT_GE(Controller->SettingsRequests, before + 1);
  auto* item = dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbItem0"));
  EXPECT_EQ(item->GetItemIndex(), 1);
  EXPECT_EQ(Form->FParams[Form->FSettingsOffset], 0);
  EXPECT_NE(Messages().find("could not be read"), std::string::npos) << Messages();
  EXPECT_FALSE(Form->FBusy);
  EXPECT_EQ(Form->FProgressForm, nullptr);
}

// Picks of a language, a product mode or the import during the read would
// rebuild the page under it (and a product mode would release the link):
// the read holds the window disabled, the picks wait for its end and then run.
TEST_F(ModeReread, PicksDuringTheReadWaitForItsEnd) {
  Ready("HW1");
  Controller->Settings[Selected] = 2;
  Controller->Settings[192] = 3;
  Form->Chinese1->SetChecked(true);
  bool windowEnabled = true, busyAfterPicks = false;
  TObject* comboDuringRead = nullptr;
  Controller->OnSettingsRequest = [&] {
    windowEnabled = Form->GetEnabled();
    Form->English1->Click();
    Form->LCDProgramCard1->Click();
    Form->Import1Click(nullptr);
    busyAfterPicks = Form->FBusy;
    comboDuringRead = Form->FindComponent("cbMode");
  };
  Mode->SetItemIndex(2);
  EXPECT_FALSE(windowEnabled);
  EXPECT_TRUE(busyAfterPicks);
  EXPECT_EQ(comboDuringRead, Mode);  // the page was not rebuilt under the read
  auto* item = dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbItem0"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->GetItemIndex(), 3);  // the read ended and was shown
  EXPECT_EQ(Form->FFrameStart, 0xA5);
  EXPECT_TRUE(Form->GetEnabled());
  EXPECT_FALSE(Form->FBusy);

  // Once the link is free the held picks run, in order.
  Controller->OnSettingsRequest = nullptr;
  Form->HeldClickTimerTimer(nullptr);
  EXPECT_EQ(Form->FFrameStart, 0xC3);
  EXPECT_TRUE(Form->LCDProgramCard1->GetChecked());
  EXPECT_TRUE(Form->English1->GetChecked());
  EXPECT_TRUE(Form->FHeldClicks.empty());
  EXPECT_FALSE(Form->HeldClickTimer->GetEnabled());
}

// The adapter is lost during the read: the page is rebuilt without its mode
// row, and the failed read must not touch the combo that was freed with it.
TEST_F(ModeReread, LostAdapterDuringTheReadRebuildsThePageSafely) {
  Ready("HW1");
  Controller->OnSettingsRequest = [this] { Device->UnplugAfterReads = 1; };
  Mode->SetItemIndex(2);
  Mode = nullptr;
  EXPECT_EQ(Form->FindComponent("cbMode"), nullptr);
  EXPECT_NE(Messages().find("could not be read"), std::string::npos) << Messages();
  EXPECT_FALSE(Form->FBusy);
  EXPECT_TRUE(Form->GetEnabled());
  EXPECT_EQ(Form->FProgressForm, nullptr);
}

TEST_F(ModeReread, NothingHappensWhileDisconnectedOrBusy) {
  Ready("HW1");
  const int before = Controller->SettingsRequests;
  Form->FConnected = false;
  Mode->SetItemIndex(1);
  Form->FConnected = true;
  Form->FBusy = true;
  Mode->SetItemIndex(2);
  Form->FBusy = false;
  EXPECT_EQ(Controller->SettingsRequests, before);
  EXPECT_EQ(Form->FProgressForm, nullptr);
}

}  // namespace
