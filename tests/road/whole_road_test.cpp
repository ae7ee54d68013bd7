// The main road as a user walks it, in Chinese and in English: the program's
// own window with a plugged adapter and a controller behind it; discovery,
// identity and the page built from the controller's model section; a value
// picked with the mouse in a drop-down list, written with the write button,
// the information box answered, and read back after a reconnect. A write the
// device refuses once is reported and loses nothing; without a device the
// Version menu shows a demo model's pages, the calculator and the governor
// page, and demo mode ends for the device to connect.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/frmInterface.h"
#include "app/frmSpeed.h"
#include "chart/Chart.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_text_box.h"
#include "controls/zr_text_control.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"
#include "tests/road/road_fixture.h"
#include "tests/support/SceneShot.h"
#include "tests/support/SimController.h"

namespace {

// The controller: model "CAR_ESC" on hardware "DEMO-VL450SD", the shipped
// language file's section of that name, a large car controller. Its
// settings block starts at 48 and is 688 bytes long: the mode at 48, the
// name at 49, item n's value at 64 + n; its defaults at 16 + n, its mode
// count and supported items at 1376 and 1377, its last valid entries at
// 1424 + n, the curve of 256 points at 96.
const char* const kModel = "CAR_ESC";
const char* const kHardware = "DEMO-VL450SD";
constexpr int kBlock = 48, kValues = 64, kDefaults = 16, kModeInfo = 1376, kLastValid = 1424;
constexpr int kCurve = 96;
constexpr int kBrakeItem = 2;  // "Maximum Brake": 25%|50%|75%|100%

// Entries of a value list: "a|b(*)|c", or a range "low-high/step".
int EntryCount(const std::string& list) {
  if (list.find('|') == std::string::npos) {
    double low = 0, high = 0, step = 0;
    if (std::sscanf(list.c_str(), "%lf-%lf/%lf", &low, &high, &step) == 3 && step > 0)
      return static_cast<int>(std::lround((high - low) / step)) + 1;
  }
  return static_cast<int>(std::count(list.begin(), list.end(), '|')) + 1;
}

// The marked entry of a value list, else the first.
int MarkedEntry(const std::string& list) {
  const size_t mark = list.find("(*)");
  if (mark == std::string::npos) return 0;
  return static_cast<int>(std::count(list.begin(), list.begin() + mark, '|'));
}

// What such a controller holds: three modes, every item of the page
// supported with its last valid entry, its default and a value; the
// brake at 50% with 100% as its default; a rising curve; the first mode
// selected and named.
std::vector<uint8_t> DeviceBlock() {
  const TMemIniFile lang(ESCTOOL_BINARY_DIR "/lang.ini");
  const std::string section = std::string(kModel) + " " + kHardware;
  std::vector<uint8_t> block(4832, 0);
  block[kModeInfo] = 2;
  const int items = lang.ReadInteger(section, "max", 0);
  block[kModeInfo + 1] = static_cast<uint8_t>(items);
  for (int n = 0; n < items; ++n) {
    const std::string key = "item" + std::to_string(n + 1);
    const std::string list = lang.ReadString(section, key + "_evalue", "");
    const int mode = lang.ReadInteger(section, key + "_mode", 0);
    if (mode == 5 || mode == 6) {  // track bars hold the value itself
      double low = 0;
      std::sscanf(list.c_str(), "%lf", &low);
      block[kValues + n] = static_cast<uint8_t>(low + 2);
      continue;
    }
    block[kLastValid + n] = static_cast<uint8_t>(EntryCount(list) - 1);
    block[kDefaults + n] = block[kValues + n] = static_cast<uint8_t>(MarkedEntry(list));
  }
  block[kDefaults + kBrakeItem] = 3;
  block[kValues + kBrakeItem] = 1;
  for (int i = 0; i < 256; ++i) block[kCurve + i] = static_cast<uint8_t>(i);
  const std::string name = "ROAD 150A      ";
  std::copy(name.begin(), name.end(), block.begin() + kBlock + 1);
  return block;
}

class WholeRoad : public ::testing::TestWithParam<bool> {
 protected:
  static void SetUpTestSuite() { road::StartProgram(); }

  WholeRoad() : Folder(GetParam()) {}
  // The program ends with its main window: one road per process, as ctest
  // runs the cases.
  void SetUp() override {
    ASSERT_FALSE(Application->Terminated()) << "the program has ended in this process";
  }
  ~WholeRoad() override {
    // The program's end: the windows' destroy handlers, then the windows.
    Application->Finalize();
    road::Run(50);
  }

  bool Chinese() const { return GetParam(); }
  const char* Lang() const { return Chinese() ? "chs" : "eng"; }

  void PlugController() {
    auto model = std::make_unique<TSimController>(kModel, kHardware, "V1.0");
    Controller = model.get();
    Controller->Settings = DeviceBlock();
    Controller->KeepWritesAt = kBlock;
    Device = &Adapter.Plug(std::move(model));
  }

  // The window the application object makes, shown and activated.
  void StartWindow() {
    Form = Application->CreateForm<TfrmInterface>();
    Form->Show();
    Scene = Form->ControlsScene;
    pagetest::WaitDrawn(Scene);
    // Activation comes with the focus; a display without a window manager may
    // give none.
    if (!road::RunUntil([&] { return Form->FDeviceRecords != nullptr; }, 1000)) Form->DoActivate();
  }

  template <class T>
  T* Find(const std::string& name) const {
    return dynamic_cast<T*>(Form->FindComponent(name));
  }
  TzrStringComboBox* Item(int n) const {
    return Find<TzrStringComboBox>("cbItem" + std::to_string(n));
  }

  // The page is built and shows the device's values, and the link is idle.
  bool PageReady() const {
    return Form->FConnected && !Form->FBusy && Item(kBrakeItem) && Form->btnUpdate->GetEnabled();
  }

  // The controller's mode from the Device menu, then the page of the first group.
  void ConnectAndOpenFirstGroup() {
    road::PickMenu(Form->ESCSpeedController1);
    ASSERT_TRUE(road::RunUntil([&] { return PageReady(); }, 30000))
        << "connected " << Form->FConnected << ", model " << Form->FModel << ", busy "
        << Form->FBusy << ", outdated " << Form->FPageOutdated << ", write button "
        << Form->btnUpdate->GetEnabled() << ", markers " << int(Form->FFrameStart) << ", adapter "
        << (Form->FDevice != nullptr) << ", timer " << Form->LinkTimerEnabled() << ", handshakes "
        << Controller->Handshakes << ", switch " << Form->FConnectSwitch;
    ASSERT_NO_FATAL_FAILURE(OpenGroup(2));
  }

  // A click on the navigation entry of a page.
  void OpenGroup(int k) {
    auto* entry = Find<TzrListBoxItem>("ListBoxItem" + std::to_string(k));
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->ListBox(), Form->ListBox1);
    pagetest::WaitDrawn(Scene);
    road::ClickObject(Scene, entry);
    ASSERT_TRUE(road::RunUntil([&] { return Form->tabLayout[k - 1]->GetVisible(); }, 2000));
    pagetest::WaitDrawn(Scene);
  }

  // Off and on again with the connect button; true once the page shows what
  // a fresh read of the device gave.
  bool Reconnect() {
    const int reads = Controller->SettingsRequests;
    road::ClickObject(Scene, Form->btnConnect);
    if (!road::RunUntil([&] { return Controller->Disconnects > 0; }, 5000)) return false;
    road::ClickObject(Scene, Form->btnConnect);
    return road::RunUntil([&] { return Controller->SettingsRequests > reads && PageReady(); },
                          30000);
  }

  std::string Common(const std::string& key) const {
    return Form->FLangIni->ReadString("common", Lang() + key, "?");
  }
  // The demo-model item of the Version menu whose section is Section.
  TMenuItem* DemoItem(const std::string& Section) const {
    for (int i = 0; i < Form->Version1->Count(); ++i)
      if (Form->Version1->Items(i)->GetHint() == Section) return Form->Version1->Items(i);
    return nullptr;
  }
  std::string EntryText(TzrStringComboBox* combo) const {
    const int i = combo->GetItemIndex();
    return i < 0 ? "" : UTF16ToUTF8(combo->GetItems()->Get(i));
  }

  road::TProgramFolder Folder;
  TSimAdapter Adapter;
  TSimController* Controller = nullptr;
  TSimDevice* Device = nullptr;
  TfrmInterface* Form = nullptr;
  TzrCustomScene* Scene = nullptr;
};

TEST_P(WholeRoad, AValuePickedWithTheMouseIsWrittenAndReadBack) {
  PlugController();
  StartWindow();
  ASSERT_NO_FATAL_FAILURE(ConnectAndOpenFirstGroup());
  // Identity and the page of the controller's model section, in the language.
  EXPECT_EQ(Form->FModel, kModel);
  EXPECT_EQ(Form->FHardware, kHardware);
  EXPECT_EQ(UTF16ToUTF8(Find<TzrTextControl>("tabLabel2")->GetText()),
            Chinese() ? "驱动" : "Drive");
  EXPECT_EQ(EntryText(Item(0)), Chinese() ? "正转带刹车(*)" : "Forward with Brake(*)");
  EXPECT_EQ(EntryText(Item(kBrakeItem)), "50%");

  const std::vector<uint8_t> before = Controller->Settings;
  ASSERT_TRUE(road::PickEntry(Scene, Item(kBrakeItem), 3));
  EXPECT_EQ(EntryText(Item(kBrakeItem)), "100%(*)");
  pagetest::WaitDrawn(Scene);
  EXPECT_EQ(road::PressAndAnswer(*Form, Scene, Form->btnUpdate), Common("setting_succ"));

  // The device holds the new entry at the item's offset and nothing else changed.
  std::vector<uint8_t> expected = before;
  expected[kValues + kBrakeItem] = 3;
  EXPECT_EQ(Controller->Settings, expected);
  EXPECT_EQ(Controller->LastWrite.size(), 688u);

  ASSERT_TRUE(Reconnect());
  ASSERT_NO_FATAL_FAILURE(OpenGroup(2));
  EXPECT_EQ(Item(kBrakeItem)->GetItemIndex(), 3);
  EXPECT_EQ(EntryText(Item(kBrakeItem)), "100%(*)");
  road::Run(300);
  pagetest::WaitDrawn(Scene);
  pagetest::SaveWindow(*Form, std::string("road_controller_page_") + Lang());
}

TEST_P(WholeRoad, AWriteTheDeviceRefusesIsReportedAndTheNextPressWrites) {
  PlugController();
  StartWindow();
  ASSERT_NO_FATAL_FAILURE(ConnectAndOpenFirstGroup());
  const std::vector<uint8_t> before = Controller->Settings;
  ASSERT_TRUE(road::PickEntry(Scene, Item(kBrakeItem), 2));
  pagetest::WaitDrawn(Scene);

  // The device acknowledges none of this write's blocks.
  Controller->RejectWrites = true;
  EXPECT_EQ(road::PressAndAnswer(*Form, Scene, Form->btnUpdate), Common("setting_fail"));
  Controller->RejectWrites = false;
  EXPECT_EQ(Controller->Settings, before);
  // The link comes back with what the device holds; the pick, made again,
  // is written by the next press.
  ASSERT_TRUE(road::RunUntil([&] { return PageReady(); }, 30000));
  ASSERT_NO_FATAL_FAILURE(OpenGroup(2));
  EXPECT_EQ(EntryText(Item(kBrakeItem)), "50%");
  ASSERT_TRUE(road::PickEntry(Scene, Item(kBrakeItem), 2));
  EXPECT_EQ(EntryText(Item(kBrakeItem)), "75%");
  EXPECT_EQ(road::PressAndAnswer(*Form, Scene, Form->btnUpdate), Common("setting_succ"));
  std::vector<uint8_t> expected = before;
  expected[kValues + kBrakeItem] = 2;
  EXPECT_EQ(Controller->Settings, expected);
}

TEST_P(WholeRoad, WithoutADeviceTheVersionMenuShowsADemoModel) {
  StartWindow();
  road::PickMenu(Form->ESCSpeedController1);
  TMenuItem* demo = nullptr;
  for (int i = 0; i < Form->Version1->Count(); ++i)
    if (Form->Version1->Items(i)->GetHint() == "ESC_G60 DEMO-G60_HW1")
      demo = Form->Version1->Items(i);
  ASSERT_NE(demo, nullptr);
  road::PickMenu(demo);
  road::Run(100);
  EXPECT_TRUE(Form->Demo1->GetChecked());
  const char* const groups[2][6] = {
      {"Settings", "Throttle", "Brake & Power", "Protection", "Sound & Light", "Information"},
      {"参数", "油门", "刹车与功率", "保护", "声光", "信息"}};
  for (int k = 2; k <= 7; ++k) {
    EXPECT_EQ(Find<TzrListBoxItem>("ListBoxItem" + std::to_string(k))->ListBox(), Form->ListBox1);
    EXPECT_EQ(UTF16ToUTF8(Find<TzrTextControl>("tabLabel" + std::to_string(k))->GetText()),
              groups[Chinese()][k - 2]);
  }
  ASSERT_NO_FATAL_FAILURE(OpenGroup(3));
  // "Start Speed" shows its marked default.
  EXPECT_EQ(EntryText(Item(6)), "2000rpm(*)");
  EXPECT_FALSE(Form->btnUpdate->GetEnabled());
}

// The window starts in the data link mode, whose page shows no model: a demo
// picked there brings the speed controller mode with it. The airplane ESC
// demo offers its two groups and the gear and battery calculator; the connect
// switch leaves the write and default buttons disabled, as a demo model has
// no device to write to.
TEST_P(WholeRoad, ADemoPickedAtStartShowsTheAirplaneCalculator) {
  StartWindow();
  ASSERT_TRUE(Form->DATALINK1->GetChecked());
  TMenuItem* demo = DemoItem("AIRPLANE_ESC DEMO-AP60_V1");
  ASSERT_NE(demo, nullptr);
  road::PickMenu(demo);
  road::Run(100);
  EXPECT_TRUE(Form->ESCSpeedController1->GetChecked());
  EXPECT_FALSE(Form->DATALINK1->GetChecked());
  EXPECT_TRUE(Form->Demo1->GetChecked());
  EXPECT_TRUE(demo->GetChecked());
  EXPECT_TRUE(Form->GroupBox2->GetVisible());
  EXPECT_TRUE(Form->btnConnect->GetVisible());
  EXPECT_TRUE(Form->Export1->GetEnabled() && Form->Import1->GetEnabled() &&
              Form->Print1->GetEnabled());
  for (int k = 2; k <= 11; ++k)
    EXPECT_EQ(Find<TzrListBoxItem>("ListBoxItem" + std::to_string(k))->ListBox() == Form->ListBox1,
              k == 2 || k == 3 || k == 8 || k == 10)
        << k;
  ASSERT_NO_FATAL_FAILURE(OpenGroup(2));
  EXPECT_EQ(EntryText(Item(2)), "3.2V(*)");

  ASSERT_NO_FATAL_FAILURE(OpenGroup(10));
  // The calculator worked on its fields: 12 cells of 3.3V make 39.6V.
  EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox[5]->GetText()), "12");
  EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox[6]->GetText()), "3.3V");
  EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox[9]->GetText()), "39.6V");
  road::Run(300);
  pagetest::WaitDrawn(Scene);
  pagetest::SaveWindow(*Form, std::string("road_airplane_calculator_") + Lang());

  for (int press = 0; press < 2; ++press) {
    road::ClickObject(Scene, Form->btnConnect);
    road::Run(100);
  }
  EXPECT_TRUE(Form->FConnectSwitch);
  EXPECT_FALSE(Form->btnUpdate->GetEnabled());
  EXPECT_FALSE(Form->btnDefault->GetEnabled());
}

// The Ardent demo's third group opens the governor page, whose button shows
// the speed chart.
TEST_P(WholeRoad, TheArdentDemoShowsTheGovernorPageAndItsChart) {
  StartWindow();
  TMenuItem* demo = DemoItem("Ardent_V4 DEMO-ARD80_V2");
  ASSERT_NE(demo, nullptr);
  road::PickMenu(demo);
  road::Run(100);
  auto* entry = Find<TzrListBoxItem>("ListBoxItem4");
  ASSERT_EQ(entry->ListBox(), Form->ListBox1);
  EXPECT_EQ(UTF16ToUTF8(Find<TzrTextControl>("tabLabel4")->GetText()),
            Chinese() ? "转速计算" : "Head Speed");
  pagetest::WaitDrawn(Scene);
  road::ClickObject(Scene, entry);
  ASSERT_TRUE(road::RunUntil([&] { return Form->tabLayout[10]->GetVisible(); }, 2000));
  EXPECT_FALSE(Form->tabLayout[3]->GetVisible());
  // Demo K 512, 8 poles, main gear 110 over pinion 10:
  // 512 div 4 × 1000 = 128000 motor rpm, 128000 / 11 = 11636 rotor rpm.
  EXPECT_EQ(UTF16ToUTF8(Form->lblHighRPM->GetText()), "11636");
  road::Run(300);
  pagetest::WaitDrawn(Scene);
  pagetest::SaveWindow(*Form, std::string("road_governor_page_") + Lang());

  // The chart window is modal: a timeout in its loop pictures it and presses Exit.
  struct TChartVisit {
    TfrmInterface* Form = nullptr;
    std::string Name, Title;
    bool Seen = false;
    int Turns = 0;
  } visit;
  visit.Form = Form;
  visit.Name = std::string("road_speed_chart_") + Lang();
  const guint source = g_timeout_add(
      20,
      [](gpointer data) -> gboolean {
        auto* v = static_cast<TChartVisit*>(data);
        auto* w = dynamic_cast<TfrmSpeed*>(v->Form->FindComponent("frmSpeed"));
        const bool shown = w && w->GetVisible() && w->Handle() &&
                           gtk_widget_get_mapped(w->Handle()) && w->ControlsScene->DrawCount() > 0;
        if (!shown) return ++v->Turns < 500 ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
        road::Run(300);
        v->Seen = true;
        v->Title = w->SpeedChart->GetTitle()->GetCaption();
        pagetest::SaveWindow(*w, v->Name);
        road::ClickObject(w->ControlsScene, w->btnExit);
        if (w->GetModalResult() == mrNone) w->SetModalResult(mrCancel);
        return G_SOURCE_REMOVE;
      },
      &visit);
  road::ClickObject(Scene, Form->btnShow);
  if (!visit.Seen && visit.Turns < 500) g_source_remove(source);
  EXPECT_TRUE(visit.Seen);
  EXPECT_EQ(visit.Title, Common("ChartTitle"));
  EXPECT_EQ(Form->FindComponent("frmSpeed"), nullptr);
}

// Demo mode ends with a pick of a device mode or of the demo in force, and
// the link takes up the adapter that arrived meanwhile.
TEST_P(WholeRoad, LeavingDemoModeLetsTheDeviceConnect) {
  StartWindow();
  TMenuItem* demo = DemoItem("ESC_G60 DEMO-G60_HW1");
  ASSERT_NE(demo, nullptr);
  road::PickMenu(demo);
  road::Run(100);
  ASSERT_TRUE(Form->Demo1->GetChecked());
  road::PickMenu(Form->ESCSpeedController1);
  EXPECT_FALSE(Form->Demo1->GetChecked());
  EXPECT_FALSE(demo->GetChecked());
  EXPECT_EQ(Find<TzrListBoxItem>("ListBoxItem2")->ListBox(), Form->ListBox2);

  road::PickMenu(demo);
  road::Run(100);
  ASSERT_TRUE(Form->Demo1->GetChecked());
  // The adapter arrives during demo mode: the demo page stays as it is and
  // the link waits.
  PlugController();
  Form->HidCtlDeviceArrival();
  road::Run(1000);
  EXPECT_EQ(Controller->Handshakes, 0);
  EXPECT_EQ(Form->FModel, "ESC_G60 DEMO-G60_HW1");
  ASSERT_NE(Item(6), nullptr);
  EXPECT_TRUE(Item(6)->GetEnabled());

  // The checked demo picked again ends demo mode, and the device connects.
  road::PickMenu(demo);
  EXPECT_FALSE(Form->Demo1->GetChecked());
  EXPECT_FALSE(demo->GetChecked());
  ASSERT_TRUE(road::RunUntil([&] { return PageReady(); }, 30000))
      << "handshakes " << Controller->Handshakes << ", model " << Form->FModel;
  EXPECT_EQ(Form->FModel, kModel);
  EXPECT_GE(Controller->SettingsRequests, 1);
}

INSTANTIATE_TEST_SUITE_P(Language, WholeRoad, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Chinese" : "English"; });

}  // namespace
