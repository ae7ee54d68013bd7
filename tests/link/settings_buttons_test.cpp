// The write and default buttons against the simulated controller on the
// virtual clock.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_objects.h"
#include "controls/zr_progress.h"
#include "platform/vcl/Menus.h"
#include "tests/link/link_fixture.h"

namespace {

class SettingsButtons : public LinkFixture {
 protected:
  // A general-family device whose settings block fits a page of four
  // four-entry combos; the page is built and shows the block.
  void Ready(const char* hardware = "HW1") {
    TSimController& controller = PlugController("ESC_G", hardware, "F1");
    std::fill(controller.Settings.begin(), controller.Settings.end(), 0);
    controller.Settings[1] = 4;  // items the device knows
    for (int n = 0; n < 4; ++n) {
      controller.Settings[192 + n] = 1;  // current entry
      controller.Settings[96 + n] = 3;   // last valid entry
    }
    Arrive();
    Form->FBusy = true;
    ASSERT_EQ(Form->ReadDeviceInfo(true), "");
    Form->Circle1->GetFill()->SetColor("#FF00AA00");
    ASSERT_EQ(Form->ReadSettings(), "");
    Form->FBusy = false;
    Form->FConnected = true;
    Form->Circle1->GetFill()->SetColor("#FF00AA00");
    Form->ESCSpeedController1->SetChecked(true);
    VERSION& def = Form->FPageDef;
    def.tab = 1;
    def.item = def.max = 4;
    def.tabs[0].group = "0,1,2,3";
    for (int n = 0; n < 4; ++n) {
      def.items[n].mode = imCombo;
      def.items[n].evalue = "A|B|C|D";
    }
    Form->BuildParameterPages();
    ASSERT_TRUE(InfoTexts.empty());
    Form->btnUpdate->SetEnabled(false);
    Form->btnDefault->SetEnabled(false);
    Device->Written.clear();
  }
  TzrStringComboBox* Combo(int n) const {
    return dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbItem" + std::to_string(n)));
  }
};

TEST_F(SettingsButtons, DemoModeAndARunningOperationIgnoreClicks) {
  Ready();
  Form->Demo1->SetChecked(true);
  Form->btnUpdateClick(nullptr);
  Form->btnDefaultClick(nullptr);
  Form->Demo1->SetChecked(false);
  Form->FBusy = true;
  Form->btnUpdateClick(nullptr);
  Form->btnDefaultClick(nullptr);
  Form->FBusy = false;
  Form->FConnected = false;
  Form->btnUpdateClick(nullptr);
  EXPECT_TRUE(Device->Written.empty());
  EXPECT_TRUE(InfoTexts.empty());
  EXPECT_EQ(Controller->Defaults, 0);
}

TEST_F(SettingsButtons, WriteSendsTheChangedEntry) {
  Ready();
  Combo(2)->SetItemIndex(3);
  Form->btnUpdateClick(nullptr);
  ASSERT_EQ(Controller->LastWrite.size(), 64u);
  EXPECT_EQ(Controller->LastWrite[192 - 176 + 2], 3);
  EXPECT_TRUE(
      std::equal(Controller->LastWrite.begin(), Controller->LastWrite.end(), Form->FParams + 176));
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"setting_succ"});
  EXPECT_FALSE(Form->FBusy);
  EXPECT_TRUE(Form->btnUpdate->GetEnabled());
  EXPECT_TRUE(Form->GetEnabled());

  Controller->RejectWrites = true;
  Form->btnUpdateClick(nullptr);
  EXPECT_EQ(InfoTexts.back(), "setting_fail");
  EXPECT_EQ(Combo(2)->GetItemIndex(), 3);  // the page keeps its values
}

TEST_F(SettingsButtons, DefaultsAfterTheThirdConnectTry) {
  Ready();
  Controller->IgnoreHandshakes = 2;
  const int handshakes = Controller->Handshakes;
  Controller->Settings[192 + 1] = 2;  // the restored value
  Form->btnDefaultClick(nullptr);
  EXPECT_EQ(Controller->Handshakes, handshakes + 4);  // three tries, then the read-back's
  EXPECT_EQ(Controller->Defaults, 1);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"default_succ"});
  EXPECT_EQ(Combo(1)->GetItemIndex(), 2);
  EXPECT_EQ(Form->FProgressForm, nullptr);
  EXPECT_TRUE(Form->btnDefault->GetEnabled());
  EXPECT_FALSE(Form->FBusy);
}

TEST_F(SettingsButtons, FailedReadBackDisablesThePage) {
  Ready();
  Controller->IgnoreSettings = true;
  Form->btnDefaultClick(nullptr);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"default_fail"});
  for (int n = 0; n < 4; ++n) EXPECT_FALSE(Combo(n)->GetEnabled()) << n;
  EXPECT_TRUE(Form->btnDefault->GetEnabled());  // the lamp is still green
}

TEST_F(SettingsButtons, NoAnswerTenTimesDropsTheConnection) {
  Ready();
  Controller->IgnoreHandshakes = 100;
  Form->btnDefaultClick(nullptr);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"default_fail"});
  EXPECT_FALSE(Form->FConnected);
  EXPECT_EQ(Controller->Defaults, 0);
}

TEST_F(SettingsButtons, UnplugDuringTheReadBackFails) {
  Ready();
  Controller->OnSettingsRequest = [this] { Device->UnplugAfterReads = 1; };
  Form->btnDefaultClick(nullptr);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"default_fail"});
  EXPECT_FALSE(Form->FBusy);
}

TEST_F(SettingsButtons, ReadBackBarRunsTo736OnLargeCarHardware) {
  for (const auto& [hardware, maximum] :
       std::vector<std::pair<const char*, float>>{{"VL46_SD01", 736}, {"VL46_SL01", 240}}) {
    SCOPED_TRACE(hardware);
    Ready(hardware);
    float seen = -1;
    Controller->OnSettingsRequest = [&] {
      if (Form->FProgressForm) seen = Form->FProgressForm->ProgressBar1->GetMax();
    };
    Form->btnDefaultClick(nullptr);
    EXPECT_EQ(seen, maximum);
    InfoTexts.clear();
    Adapter.Unplug(*Device);
  }
}

}  // namespace
