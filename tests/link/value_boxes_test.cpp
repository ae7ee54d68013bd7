// Value boxes (custom values, curves, track bars) take changes only where a
// write sends them: checked in the simulated controller's memory after the
// write button, per model family.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_objects.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "platform/vcl/Menus.h"
#include "tests/link/link_fixture.h"

namespace {

struct TItem {
  int Mode;
  const char* Entries;
};

class ValueBoxes : public LinkFixture {
 protected:
  // A connected device of the given family whose page holds Items (item n in
  // group 0, in order); Fill prepares the device's block before the read.
  void Ready(const char* model, const char* hardware, const std::vector<TItem>& items,
             const std::function<void(std::vector<uint8_t>&)>& fill) {
    TSimController& controller = PlugController(model, hardware, "F1");
    controller.Settings.assign(1600, 0);
    Arrive();
    Form->FBusy = true;
    ASSERT_EQ(Form->ReadDeviceInfo(true), "");
    fill(controller.Settings);
    Form->Circle1->GetFill()->SetColor("#FF00AA00");
    ASSERT_EQ(Form->ReadSettings(), "");
    Form->FBusy = false;
    Form->FConnected = true;
    controller.KeepWritesAt = Form->FSettingsOffset;
    VERSION& def = Form->FPageDef;
    def.tab = 1;
    def.item = def.max = static_cast<int>(items.size());
    std::string group;
    for (size_t n = 0; n < items.size(); ++n) {
      group += (n ? "," : "") + std::to_string(n);
      def.items[n].mode = items[n].Mode;
      def.items[n].evalue = items[n].Entries;
      def.items[n].mincustom = "0";
      def.items[n].maxcustom = "1000";
      def.items[n].min = "0";
      def.items[n].max = "100";
    }
    def.tabs[0].group = group;
    Form->BuildParameterPages();
    ASSERT_TRUE(InfoTexts.empty());
  }
  TzrStringComboBox* Combo(int n) const {
    return dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbItem" + std::to_string(n)));
  }
  TzrControl* Box(int n) const {
    return dynamic_cast<TzrControl*>(Form->FindComponent("eItem" + std::to_string(n)));
  }
  // Picks the custom (last) entry; no curve editor opens.
  void PickCustom(int n) {
    Form->FVersionSwitching = true;
    Combo(n)->SetItemIndex(Combo(n)->Count() - 1);
    Form->FVersionSwitching = false;
  }
};

// Ardent: the block written is 48 to 143; the curves would lie from 96 on,
// over the mode count and the limits, and the custom value has no place.
TEST_F(ValueBoxes, ArdentCurvesAndCustomValuesAreReadOnly) {
  Ready("Ardent_V4", "H1",
        {{imComboSpinTenths, "A|B|Custom"}, {imCurve256, "A|B|Custom"}, {imCurve64, "A|Custom"}},
        [](std::vector<uint8_t>& s) {
          s[96] = 0;  // one mode
          s[97] = 3;  // items the device knows
          s[144] = s[145] = 2;
          s[146] = 1;
        });
  for (int n = 0; n < 3; ++n) {
    PickCustom(n);
    EXPECT_FALSE(Box(n)->GetEnabled()) << n;
  }
  // What an editor would leave in the curve boxes is not sent.
  dynamic_cast<TzrTextBox*>(Box(1))->SetText(std::u16string(512, u'F'));
  dynamic_cast<TzrTextBox*>(Box(2))->SetText(std::u16string(256, u'F'));
  Form->btnUpdateClick(nullptr);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"setting_succ"});
  EXPECT_EQ(Controller->Settings[96], 0);
  EXPECT_EQ(Controller->Settings[97], 3);
  EXPECT_EQ(Controller->Settings[64 + 1], 2);  // the entries are written
  EXPECT_EQ(Controller->Settings[64 + 2], 1);
}

// General: the block written is 176 to 239; only the custom values of
// items 0 to 15 lie in it.
TEST_F(ValueBoxes, GeneralFamilyWritesOnlyTheCustomValuesItKeeps) {
  std::vector<TItem> items(17, TItem{imCombo, "A|B"});
  items[0] = {imComboSpin, "A|Custom"};
  items[1] = {imCurve256, "A|Custom"};
  items[2] = {imTrackBar, "0|100"};
  items[16] = {imComboSpin, "A|Custom"};
  Ready("ESC_G", "H1", items, [](std::vector<uint8_t>& s) {
    s[1] = 17;  // items the device knows
    for (int n = 0; n < 17; ++n) s[96 + n] = 1;
    s[96 + 48] = 0x03;  // custom maximum of item 0: 1000
    s[96 + 49] = 0xE8;
  });
  for (int n : {0, 1, 16}) PickCustom(n);
  EXPECT_TRUE(Box(0)->GetEnabled());
  EXPECT_FALSE(Box(1)->GetEnabled());
  EXPECT_FALSE(Box(2)->GetEnabled());  // the track bar's position is not sent
  EXPECT_FALSE(Box(16)->GetEnabled());
  dynamic_cast<TzrSpinBox*>(Box(0))->SetValue(300);
  Form->btnUpdateClick(nullptr);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"setting_succ"});
  EXPECT_EQ(Controller->Settings[192 + 16], 0x01);
  EXPECT_EQ(Controller->Settings[192 + 17], 0x2C);
}

// Large car: the block written is 48 to 735, room for two 256-byte curves
// and one 128-byte curve; an edited curve reaches the device.
TEST_F(ValueBoxes, LargeCarCurvesWithinTheBlockAreWritten) {
  Ready("CAR_ESC", "VL45_BSD01",
        {{imCurve256, "A|Custom"},
         {imCurve256, "A|Custom"},
         {imCurve256, "A|Custom"},
         {imCurve64, "A|Custom"},
         {imCurve64, "A|Custom"},
         {imTrackBar, "0|100"}},
        [](std::vector<uint8_t>& s) {
          s[1377] = 6;  // items the device knows
          for (int n = 0; n < 6; ++n) s[1424 + n] = 1;
        });
  const bool editable[] = {true, true, false, true, false};
  for (int n = 0; n < 5; ++n) {
    PickCustom(n);
    EXPECT_EQ(Box(n)->GetEnabled(), editable[n]) << n;
  }
  EXPECT_TRUE(Box(5)->GetEnabled());
  dynamic_cast<TzrTextBox*>(Box(1))->SetText(std::u16string(512, u'A'));
  dynamic_cast<TzrTextBox*>(Box(3))->SetText(std::u16string(256, u'B'));
  Form->btnUpdateClick(nullptr);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"setting_succ"});
  EXPECT_EQ(Controller->Settings[352], 0xAA);  // second 256-byte curve: 352 to 607
  EXPECT_EQ(Controller->Settings[607], 0xAA);
  EXPECT_EQ(Controller->Settings[608], 0xBB);  // the 128-byte curve: 608 to 735
  EXPECT_EQ(Controller->Settings[735], 0xBB);
}

}  // namespace
