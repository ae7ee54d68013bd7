// The language items and the demo-model items of the version menu, with a data
// link box behind the adapter: the texts are applied again, the page is built
// from the chosen demo model or from the device, and the window returns to its
// first page.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "app/frmInterface.h"
#include "controls/zr_checks.h"
#include "controls/zr_controls.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_ani.h"
#include "tests/link/datalink_fixture.h"

namespace {

class VersionSwitchTest : public DataLinkFixture {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "escversionXXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    Folder = pattern;
    // Two model sections: A's page has one group, B's two.
    std::ofstream(Folder / "lang.ini", std::ios::binary)
        << "[common]\r\nlang=0\r\nautoupdate=0\r\n"
           "[A]\r\nname=Model A\r\ndemo=1\r\ntab=1\r\n"
           "[B]\r\nname=Model B\r\ndemo=1\r\ntab=2\r\n";
    Form->FLangIni = std::make_unique<TMemIniFile>((Folder / "lang.ini").string());
    Form->ApplyLanguage();  // as the create handler does: English, two demo items
    ASSERT_EQ(Form->Version1->Count(), 4);
  }
  void TearDown() override { std::filesystem::remove_all(Folder); }

  TMenuItem* DemoItem(int tag) const { return Form->Version1->Items(tag - 1); }

  // A demo picked in the start mode (data link 1) brings the controller mode;
  // a controller arriving then waits until Leave ends demo mode, and the next
  // tick connects it.
  void LeaveDemoModeAndConnect(TMenuItem* leave) {
    DemoItem(3)->Click();
    ASSERT_TRUE(Form->Demo1->GetChecked());
    EXPECT_TRUE(Form->ESCSpeedController1->GetChecked());
    EXPECT_FALSE(Form->DATALINK1->GetChecked());
    EXPECT_TRUE(Form->GroupBox2->GetVisible());
    TSimController& controller = PlugController();
    Arrive();
    Tick();
    EXPECT_EQ(controller.Handshakes, 0);
    EXPECT_EQ(Form->FModel, "A");

    leave->Click();
    EXPECT_FALSE(Form->Demo1->GetChecked());
    EXPECT_FALSE(DemoItem(3)->GetChecked());
    EXPECT_EQ(Form->FPageDef.tab, 0);  // the mode's page without a device
    Tick();
    EXPECT_GE(controller.Handshakes, 1);
    EXPECT_TRUE(Form->FConnected);
    EXPECT_EQ(Form->FModel, "CAR_ESC");
  }
  std::string Lamp(const TzrCircle* lamp) const { return lamp->GetFill()->GetColor(); }

  std::filesystem::path Folder;
};

// A demo pick stops a running scan first, forgets the device and builds the
// model's page; demo mode follows the item's check mark.
TEST_F(VersionSwitchTest, DemoPickStopsTheScanAndLoadsTheModel) {
  TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK2Click);
  link.Attach(3);
  Form->btnScanClick(Form->btnScan);
  Tick();
  ASSERT_TRUE(Form->FScanMode);
  Form->FHardware = "VL46_SL01";
  Form->FConnected = true;
  Form->ColorKeyAnimation1->SetEnabled(true);
  Form->Circle1->GetFill()->SetColor("#FF00AA00");

  DemoItem(4)->Click();
  EXPECT_FALSE(Form->FScanMode);
  EXPECT_TRUE(DemoItem(4)->GetChecked());
  EXPECT_TRUE(Form->Demo1->GetChecked());
  EXPECT_EQ(Form->FModel, "B");
  EXPECT_EQ(Form->FHardware, "");
  EXPECT_EQ(Form->FFirmware, "");
  EXPECT_FALSE(Form->FConnected);
  EXPECT_EQ(Form->FPageDef.tab, 2);
  EXPECT_FALSE(Form->ColorKeyAnimation1->GetEnabled());
  EXPECT_FALSE(Form->ColorKeyAnimation2->GetEnabled());
  EXPECT_EQ(Lamp(Form->Circle1), "#FF004A00");
  EXPECT_EQ(Lamp(Form->Circle2), "#FF004A00");
  EXPECT_FALSE(Form->FVersionSwitching);
}

// A language switch keeps the chosen demo model and reloads it in the new
// language; without one it loads the page of the device's identity.
TEST_F(VersionSwitchTest, LanguageSwitchKeepsTheChosenDemoModel) {
  DemoItem(4)->Click();
  Form->FModel = "A";  // the page must come from the chosen item again
  Form->FPageDef.tab = 0;
  Form->Chinese1->Click();
  EXPECT_TRUE(Form->Chinese1->GetChecked());
  EXPECT_FALSE(Form->English1->GetChecked());
  EXPECT_EQ(Text(dynamic_cast<TzrTextControl*>(Form->FindComponent("tabLabel1"))), "关于");
  EXPECT_EQ(Form->FModel, "B");
  EXPECT_EQ(Form->FPageDef.tab, 2);
  EXPECT_TRUE(Form->Demo1->GetChecked());
  EXPECT_EQ(Form->Version1->Count(), 4);  // no item added

  // No demo model chosen: the identity chooses the section.
  DemoItem(4)->SetChecked(false);
  Form->FModel = "A";
  Form->English1->Click();
  EXPECT_EQ(Text(dynamic_cast<TzrTextControl*>(Form->FindComponent("tabLabel1"))), "About");
  EXPECT_EQ(Form->FModel, "A");
  EXPECT_EQ(Form->FPageDef.tab, 1);
}

// With no language item checked a demo pick settles on Chinese, whatever
// "lang" says.
TEST_F(VersionSwitchTest, DemoPickWithoutLanguageChoosesChinese) {
  Form->English1->SetChecked(false);
  Form->Chinese1->SetChecked(false);
  DemoItem(3)->Click();
  EXPECT_TRUE(Form->Chinese1->GetChecked());
  EXPECT_FALSE(Form->English1->GetChecked());
  EXPECT_EQ(Form->FModel, "A");
}

// Every switch ends on the first page; in the channel-settings mode it also
// resets the channel page.
TEST_F(VersionSwitchTest, SwitchShowsTheFirstPageAndResetsTheChannelPage) {
  for (const bool channelMode : {false, true}) {
    SCOPED_TRACE(channelMode);
    (channelMode ? Form->DATALINK5 : Form->DATALINK1)->SetChecked(true);
    Form->ListBox1->SetItemIndex(2);
    Form->ListBoxItemClick(Form->FindComponent("ListBoxItem3"));
    Form->rbChannel3->SetIsChecked(true);
    Form->sMessage->SetText(u"written");
    Form->btnWrite->SetEnabled(true);
    Form->cbRed->SetIsChecked(true);
    Form->rbCCW->SetIsChecked(true);

    Form->English1->Click();
    EXPECT_EQ(Form->ListBox1->GetItemIndex(), 0);
    EXPECT_TRUE(Form->tabLayout[0]->GetVisible());
    EXPECT_FALSE(Form->tabLayout[2]->GetVisible());
    EXPECT_EQ(Form->rbChannel1->GetIsChecked(), channelMode);
    EXPECT_EQ(Form->rbChannel3->GetIsChecked(), !channelMode);
    EXPECT_EQ(Form->sMessage->GetText().empty(), channelMode);
    EXPECT_EQ(Form->btnWrite->GetEnabled(), !channelMode);
    EXPECT_EQ(Form->cbRed->GetIsChecked(), !channelMode);
    EXPECT_EQ(Form->rbCW->GetIsChecked(), channelMode);
  }
}

TEST_F(VersionSwitchTest, TheDemoInForcePickedAgainEndsDemoMode) {
  LeaveDemoModeAndConnect(DemoItem(3));
}

TEST_F(VersionSwitchTest, ADeviceModePickEndsDemoMode) {
  LeaveDemoModeAndConnect(Form->ESCSpeedController1);
}

// A language switch keeps demo mode; another demo model replaces the one in
// force and stays in demo mode.
TEST_F(VersionSwitchTest, LanguageAndOtherDemoKeepDemoMode) {
  DemoItem(3)->Click();
  Form->Chinese1->Click();
  EXPECT_TRUE(Form->Demo1->GetChecked());
  EXPECT_TRUE(DemoItem(3)->GetChecked());
  DemoItem(4)->Click();
  EXPECT_TRUE(Form->Demo1->GetChecked());
  EXPECT_EQ(Form->FModel, "B");
  DemoItem(4)->Click();
  EXPECT_FALSE(Form->Demo1->GetChecked());
}

// The switching flag is on while the page is rebuilt and off afterwards, also
// when applying the texts fails.
TEST_F(VersionSwitchTest, SwitchingFlagEndsWithTheHandler) {
  bool seen = false;
  Form->ListBox1->SetItemIndex(3);
  Form->ListBox1->OnChange = [&](TObject*) { seen = Form->FVersionSwitching; };
  Form->English1->Click();
  EXPECT_TRUE(seen);
  EXPECT_FALSE(Form->FVersionSwitching);

  Form->FindComponent("tabImage1")->SetName("tabImageGone");  // the texts cannot be applied
  EXPECT_ANY_THROW(DemoItem(3)->Click());
  EXPECT_FALSE(Form->FVersionSwitching);
  Form->ListBox1->OnChange = nullptr;  // the list goes with the form
}

}  // namespace
