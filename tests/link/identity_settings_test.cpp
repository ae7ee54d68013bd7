// The identity read (information block, device data, settings layout) and
// the settings read and write.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "link/CarHardware.h"
#include "scene/zr_ani.h"
#include "scene/zr_strings.h"
#include "tests/link/link_fixture.h"

namespace {

TEST(CarHardware, LargeFamily) {
  const struct {
    const char* hardware;
    bool large;
  } cases[] = {{"VELORIN_456", true},
               {"VELORIN_456X", true},
               {"VELORIN_45", false},
               {"VL45_SD", true},
               {"VL45_BSD", true},
               {"VL45_B", false},
               {"VL45_", false},
               {"VL46_SD1", true},
               {"VL47XSD", true},
               {"VL48_SL", false},
               {"VL49_SD", false},
               {"VL46", false},
               {"", false},
               // demo hardware belongs to the family it names
               {"DEMO-VL450SD", true},
               {"DEMO-VL46", false},
               {"X-VL450SD", false}};
  for (const auto& c : cases) EXPECT_EQ(IsLargeCarHardware(c.hardware), c.large) << c.hardware;
}

class IdentityTest : public LinkFixture {
 protected:
  void SetUp() override {}
  std::string Read(bool any = true) {
    Form->FBusy = true;
    return Form->ReadDeviceInfo(any);
  }
  std::vector<int> Layout() const {
    return {Form->FSettingsOffset, Form->FSettingsLength, Form->FValueOffset,
            Form->FModeInfoOffset, Form->FLimitOffset,    Form->FDefaultOffset};
  }
  static std::vector<uint8_t> Bytes(uint8_t first, size_t count) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(first + i);
    return bytes;
  }
};

TEST_F(IdentityTest, LayoutByModelFamily) {
  const struct {
    const char* model;
    const char* hardware;
    std::vector<int> layout;
  } cases[] = {
      {"AIRPLANE", "H1", {0, 16, 7, 0, 0, 0}},
      {"AIRPLANE_PID_V2", "H1", {0, 16, 7, 0, 0, 0}},
      {"CAR_ESC", "VL45_BSD01", {48, 688, 64, 1376, 1424, 16}},
      {"CAR_ESC", "VELORIN_456", {48, 688, 64, 1376, 1424, 16}},
      {"CAR_ESC", "VL46_SL01", {176, 64, 192, 0, 96, 32}},
      {"Ardent_HV_V4", "H1", {48, 96, 64, 96, 144, 16}},
      {"Ardent_V4_FL", "H1", {48, 96, 64, 96, 144, 16}},
      {"BOAT_ESC", "VL80_YT", {176, 64, 192, 0, 96, 32}},
  };
  PlugController();
  Arrive();
  for (const auto& c : cases) {
    Controller->SetInfoField(32, c.model);
    Controller->SetInfoField(16, c.hardware);
    ASSERT_EQ(Read(), "") << c.model;
    EXPECT_EQ(Form->FModel, c.model);
    EXPECT_EQ(Layout(), c.layout) << c.model << " " << c.hardware;
  }
}

TEST_F(IdentityTest, TextFieldsAreTrimmedAndBounded) {
  PlugController();
  Controller->SetInfoBytes(32, std::vector<uint8_t>(16, 'M'));  // no zero byte
  Controller->SetInfoField(16, "  HW 1\t ");
  Controller->SetInfoField(0, "\x01V1.0 ");
  Arrive();
  ASSERT_EQ(Read(), "");
  EXPECT_EQ(Form->FModel, std::string(16, 'M'));
  EXPECT_EQ(Form->FHardware, "HW 1");
  EXPECT_EQ(Form->FFirmware, "V1.0");
}

TEST_F(IdentityTest, DeviceDataByFamily) {
  const std::vector<uint8_t> first = Bytes(100, 16), second = Bytes(200, 16);
  const struct {
    const char* model;
    const char* hardware;
    bool lowHalf, highHalfFromFirst, highHalfFromSecond;
  } cases[] = {
      {"CAR_ESC", "VELORIN_456", true, false, false}, {"CAR_ESC", "VL46_SL01", false, true, false},
      {"Ardent_V3", "X", false, true, false},         {"BOAT_ESC", "VL80__YT", false, true, false},
      {"CAR_ESC", "VL45_BSD01", true, false, true},   {"Ardent_V4", "X", false, true, false},
      {"ESC_OTHER", "X", false, false, false},
  };
  PlugController();
  Controller->SetInfoBytes(48, first);
  Controller->SetInfoBytes(64, second);
  Arrive();
  for (const auto& c : cases) {
    std::memset(Form->FDeviceData, 0xEE, sizeof(Form->FDeviceData));
    Controller->SetInfoField(32, c.model);
    Controller->SetInfoField(16, c.hardware);
    ASSERT_EQ(Read(), "");
    const uint8_t* data = Form->FDeviceData;
    EXPECT_EQ(std::equal(first.begin(), first.end(), data), c.lowHalf) << c.model << c.hardware;
    EXPECT_EQ(std::equal(first.begin(), first.end(), data + 16), c.highHalfFromFirst)
        << c.model << c.hardware;
    EXPECT_EQ(std::equal(second.begin(), second.end(), data + 16), c.highHalfFromSecond)
        << c.model << c.hardware;
    if (!c.lowHalf) {
      EXPECT_EQ(data[0], 0xEE) << "the other half keeps its contents";
    }
  }
}

TEST_F(IdentityTest, ExtraIdentifier) {
  PlugController("VO_VAV_OVI_V5", "HW", "FW9");
  Controller->SetInfoField(48, "OVI-2_x");
  Arrive();
  ASSERT_EQ(Read(), "");
  EXPECT_EQ(Form->FDeviceExtraId, "OVI-2_x");
  Controller->SetInfoBytes(48, {'A', 0x80, 'B', 0});
  ASSERT_EQ(Read(), "");
  EXPECT_EQ(Form->FDeviceExtraId, "FW9");
}

TEST_F(IdentityTest, SameDeviceExpected) {
  PlugController("CAR_ESC", "VL46_SL01");
  Arrive();
  ASSERT_EQ(Read(), "");
  Form->FConnected = true;
  EXPECT_EQ(Read(false), "");
  EXPECT_TRUE(Form->FConnected);
  Controller->SetInfoField(16, "VL45_BSD01");
  EXPECT_EQ(Read(false), "Error.");
  EXPECT_FALSE(Form->FConnected);
  EXPECT_EQ(Form->FHardware, "VL45_BSD01");
  EXPECT_EQ(Form->FSettingsLength, 688);
}

TEST_F(IdentityTest, FailedReadChangesNothing) {
  PlugController("CAR_ESC", "VL46_SL01");
  Arrive();
  ASSERT_EQ(Read(), "");
  Controller->IgnoreInfo = true;
  Controller->SetInfoField(32, "OTHER");
  EXPECT_EQ(Read(), "Get Information Fail.");
  EXPECT_EQ(Form->FModel, "CAR_ESC");
  EXPECT_EQ(Form->FSettingsOffset, 176);
}

class SettingsTest : public LinkFixture {
 protected:
  // Identity read and link lamp on, as after a connection start.
  void Ready(const char* model, const char* hardware) {
    Connect(model, hardware);
    ASSERT_EQ(Form->ReadDeviceInfo(true), "");
    Form->FConnected = true;
    Form->Circle1->GetFill()->SetColor("#FF00AA00");
  }
};

TEST_F(SettingsTest, DarkLampMeansNoTraffic) {
  Connect();
  Form->FModel = "CAR_ESC";
  Form->FHardware = "VL46_SL01";
  Form->FConnected = true;
  Device->Written.clear();
  EXPECT_EQ(Form->ReadSettings(), "USB Error");
  EXPECT_EQ(Form->WriteSettings(), "USB Error");
  Form->Circle1->GetFill()->SetColor("#FF00AA00");
  Form->FHardware.clear();
  EXPECT_EQ(Form->ReadSettings(), "USB Error");
  EXPECT_TRUE(Device->Written.empty());
}

TEST_F(SettingsTest, ReadFillsTheParameterBuffer) {
  Ready("CAR_ESC", "VL46_SL01");
  EXPECT_EQ(Form->ReadSettings(), "");
  EXPECT_TRUE(std::equal(Controller->Settings.begin(), Controller->Settings.end(), Form->FParams));
  EXPECT_FALSE(Form->ColorKeyAnimation1->GetRunning());
}

TEST_F(SettingsTest, ReadResults) {
  Ready("CAR_ESC", "VL46_SL01");
  Controller->IgnoreHandshakes = 100;
  std::memset(Form->FParams, 0x11, 300);
  EXPECT_EQ(Form->ReadSettings(), "Return Fail.");
  EXPECT_EQ(Controller->Handshakes, 10);
  EXPECT_EQ(Form->FParams[0], 0x11);
  Controller->IgnoreHandshakes = 0;
  Controller->IgnoreSettings = true;
  EXPECT_EQ(Form->ReadSettings(), "Get Settings Fail.");
  EXPECT_EQ(Form->FParams[0], 0x11);
  Device->RefuseWrites = -1;
  EXPECT_EQ(Form->ReadSettings(), "Connect Fail.");
  Form->FBusy = false;
  EXPECT_EQ(Form->ReadSettings(), "Error.");
}

TEST_F(SettingsTest, LargeCarWriteSends688BytesFromPosition48) {
  Ready("CAR_ESC", "VL45_BSD01");
  for (int i = 0; i < 800; ++i) Form->FParams[i] = static_cast<uint8_t>(i * 3);
  auto* item = new TzrStringComboBox(Form.get());
  item->SetName("cbItem3");
  for (int i = 0; i < 10; ++i) item->GetItems()->Add(u"v");
  item->SetItemIndex(7);
  Form->FPageDef.item = 4;  // item 3 is a value combo of the page
  Form->FPageDef.items[3].mode = imCombo;
  EXPECT_EQ(Form->WriteSettings(), "");
  ASSERT_EQ(Controller->LastWrite.size(), 688u);
  EXPECT_EQ(Form->FParams[64 + 3], 7);  // collected from the page first
  EXPECT_TRUE(
      std::equal(Controller->LastWrite.begin(), Controller->LastWrite.end(), Form->FParams + 48));
  EXPECT_EQ(Form->FProgressForm, nullptr);
}

TEST_F(SettingsTest, AirplaneWriteSends16BytesFromPosition0) {
  Ready("AIRPLANE_PID_V2", "H1");
  for (int i = 0; i < 16; ++i) Form->FParams[i] = static_cast<uint8_t>(0xC0 + i);
  EXPECT_EQ(Form->WriteSettings(), "");
  EXPECT_EQ(Controller->LastWrite, std::vector<uint8_t>(Form->FParams, Form->FParams + 16));
}

TEST_F(SettingsTest, WriteResults) {
  Ready("CAR_ESC", "VL46_SL01");
  Controller->IgnoreHandshakes = 100;
  EXPECT_EQ(Form->WriteSettings(), "Return Fail");
  Controller->IgnoreHandshakes = 0;
  Controller->RejectWrites = true;
  EXPECT_EQ(Form->WriteSettings(), "Update Settings Fail.");
  EXPECT_FALSE(Form->FConnected);  // the abandoned transfer drops the connection
  EXPECT_EQ(Form->WriteSettings(), "Error.");
  Form->FConnected = true;
  Device->RefuseWrites = -1;
  EXPECT_EQ(Form->WriteSettings(), "Connect Fail");
}

}  // namespace
