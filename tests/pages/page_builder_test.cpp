#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/Utils.h"
#include "app/frmInterface.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "pages/PageBuilder.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_position.h"
#include "scene/zr_strings.h"
#include "tests/pages/PageFixtures.h"

// The parameter page builder over small model sections: row geometry, the
// controls of each mode, starting curves, rows it leaves out, the navigation
// entries and the add-on read-outs.

namespace {

using pagetest::LangFixture;

// A window with the section "S" of the given text loaded and built.
class PageBuild : public ::testing::Test {
 protected:
  void Build(const std::string& section) {
    LangFixture lang("[S]\n" + section);
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->FLangIni = std::move(lang.Ini);
    Form->ESCSpeedController1->SetChecked(true);
    Form->Demo1->SetChecked(true);
    Form->LoadModelDefinition("S");
    Form->BuildParameterPages();
  }
  template <class T>
  T* Control(const std::string& name) const {
    return dynamic_cast<T*>(Form->FindComponent(name));
  }
  float X(const std::string& name) const {
    return Control<TzrVisualObject>(name)->GetPosition()->GetX();
  }
  float Y(const std::string& name) const {
    return Control<TzrVisualObject>(name)->GetPosition()->GetY();
  }
  // The framed boxes on a group's layout, in order.
  std::vector<TzrGroupBox*> Boxes(int group) const {
    std::vector<TzrGroupBox*> boxes;
    TzrLayout* layout = Form->tabLayout[group + 1];
    for (int i = 0; i < layout->GetChildrenCount(); ++i)
      if (auto* box = dynamic_cast<TzrGroupBox*>(layout->GetChild(i))) boxes.push_back(box);
    return boxes;
  }
  std::string Messages() const {
    std::string text;
    for (const std::u16string& line : Form->eMessage->GetUnwrapLines())
      text += UTF16ToUTF8(line) + "\n";
    return text;
  }
  std::string Text(const std::string& name) const {
    return UTF16ToUTF8(Control<TzrTextBox>(name)->GetText());
  }

  std::unique_ptr<TfrmInterface> Form;
};

std::string Items(int count, int mode, const std::string& values = "A|B|C") {
  std::string text = "item=" + std::to_string(count) + "\n";
  for (int k = 1; k <= count; ++k)
    text += "item" + std::to_string(k) + "_mode=" + std::to_string(mode) + "\nitem" +
            std::to_string(k) + "_evalue=" + values + "\n";
  return text;
}

TEST_F(PageBuild, RowGeometry) {
  struct Place {
    const char* name;
    float x, y;
  };
  struct Case {
    const char* what;
    std::string section;
    std::vector<Place> places;
    std::vector<std::pair<float, float>> boxes;  // top, height
  } cases[] = {
      {"two boxes",
       "tab=1\ntab1_group=-,0,1,-,2\n" + Items(3, 0),
       {{"lItem0", 10, 25},
        {"cbItem0", 180, 22},
        {"lItem1", 10, 65},
        {"cbItem1", 180, 62},
        {"lItem2", 10, 25},
        {"cbItem2", 180, 22}},
       {{8, 100}, {128, 60}}},
      {"mode row",
       "tab=1\nsite_enabled=1\nsite_evalue=M1|M2\ntab1_group=0,1\n" + Items(2, 0),
       {{"lMode", 25, 25},
        {"cbMode", 125, 22},
        {"eName", 255, 22},
        {"cbItem0", 195, 102},
        {"lItem1", 25, 145},
        {"cbItem1", 195, 142}},
       {}},
      {"mode row in a box",
       "tab=1\nsite_enabled=1\ntab1_group=-,0\n" + Items(1, 0),
       {{"lMode", 10, 25}, {"cbItem0", 180, 102}},
       {{8, 140}}},
      {"hidden item takes no row",
       "tab=1\ntab1_group=-,0,1,2\nitem=3\nitem1_mode=0\nitem2_mode=7\nitem3_mode=0\n",
       {{"cbItem0", 180, 22}, {"cbItem2", 180, 62}},
       {{8, 100}}},
      {"box after rows on the layout",
       "tab=1\ntab1_group=0,-,1\n" + Items(2, 0),
       {{"cbItem0", 195, 22}, {"cbItem1", 180, 22}},
       {{48, 60}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Build(c.section);
    for (const Place& p : c.places) {
      SCOPED_TRACE(p.name);
      ASSERT_NE(Control<TzrVisualObject>(p.name), nullptr);
      EXPECT_EQ(X(p.name), p.x);
      EXPECT_EQ(Y(p.name), p.y);
    }
    const std::vector<TzrGroupBox*> boxes = Boxes(0);
    ASSERT_EQ(boxes.size(), c.boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
      EXPECT_EQ(boxes[i]->GetPosition()->GetX(), 9);
      EXPECT_EQ(boxes[i]->GetWidth(), 390);
      EXPECT_EQ(boxes[i]->GetPosition()->GetY(), c.boxes[i].first);
      EXPECT_EQ(boxes[i]->GetHeight(), c.boxes[i].second);
    }
  }
}

TEST_F(PageBuild, ControlsOfEachModeWithTagsAndDefaults) {
  Build(
      "tab=1\nsite_enabled=1\nsite_evalue=M1|M2(*)\n"
      "tab1_group=0,1,2,3,4,5\nitem=6\n"
      "item1_mode=0\nitem1_evalue=Low|Mid (*)|High\n"
      "item2_mode=2\nitem2_evalue=A|Custom\nitem2_mincustom=5\nitem2_maxcustom=200\n"
      "item2_eunit=V\n"
      "item3_mode=1\nitem3_evalue=A|Custom\nitem3_mincustom=10\nitem3_maxcustom=80\n"
      "item3_eunit=A\n"
      "item4_mode=5\nitem4_evalue=0-10/1\n"
      "item5_mode=6\nitem5_evalue=10|20|30|40(*)|50\n"
      "item6_mode=10\n");
  auto* mode = Control<TzrStringComboBox>("cbMode");
  EXPECT_EQ(mode->GetTag(), 99);
  EXPECT_EQ(mode->GetItemIndex(), 1);
  EXPECT_EQ(Control<TzrTextBox>("eName")->GetTag(), 99);
  EXPECT_EQ(Control<TzrLabel>("lMode")->GetTag(), 0);
  auto* combo = Control<TzrStringComboBox>("cbItem0");
  EXPECT_EQ(combo->GetItemIndex(), 1);
  EXPECT_EQ(combo->GetWidth(), 200);
  EXPECT_FALSE(combo->GetPopup()->GetIsOpen());
  EXPECT_EQ(UTF16ToUTF8(Control<TzrLabel>("lItem0")->GetText()), "Item 1");

  auto* tenths = Control<TzrSpinBox>("eItem1");
  ASSERT_NE(tenths, nullptr);
  EXPECT_EQ(tenths->GetTag(), 1);
  EXPECT_FLOAT_EQ(tenths->GetMin(), 0.5f);
  EXPECT_FLOAT_EQ(tenths->GetMax(), 20.f);
  EXPECT_FLOAT_EQ(tenths->GetIncrement(), 0.1f);
  EXPECT_FLOAT_EQ(tenths->GetValue(), 0.5f);
  EXPECT_FALSE(tenths->GetEnabled());  // demo: no values, boxes stay disabled
  EXPECT_EQ(X("eItem1"), 317);
  EXPECT_EQ(Control<TzrStringComboBox>("cbItem1")->GetWidth(), 120);
  auto* whole = Control<TzrSpinBox>("eItem2");
  EXPECT_FLOAT_EQ(whole->GetMin(), 10.f);
  EXPECT_FLOAT_EQ(whole->GetMax(), 80.f);
  EXPECT_EQ(UTF16ToUTF8(whole->GetText()), "10A");
  EXPECT_FALSE(whole->GetEnabled());

  auto* range = Control<TzrTrackBar>("eItem3");
  EXPECT_EQ(range->GetMin(), 0);
  EXPECT_EQ(range->GetMax(), 10);
  EXPECT_EQ(range->GetFrequency(), 1);
  EXPECT_EQ(range->GetValue(), 0);
  EXPECT_EQ(UTF16ToUTF8(Control<TzrValueLabel>("leItem3")->GetText()), "0");
  EXPECT_EQ(X("leItem3"), 345);
  auto* list = Control<TzrTrackBar>("eItem4");
  EXPECT_EQ(list->GetMin(), 10);
  EXPECT_EQ(list->GetMax(), 50);
  EXPECT_EQ(list->GetFrequency(), 10);
  EXPECT_EQ(list->GetValue(), 10);  // the marker's index 3 lies below the range
  EXPECT_EQ(Control<TzrStringComboBox>("cbItem3"), nullptr);

  auto* info = Control<TzrTextBox>("eItem5");
  EXPECT_TRUE(info->GetReadOnly());
  EXPECT_TRUE(info->GetVisible());
  EXPECT_EQ(Control<TzrStringComboBox>("cbItem5"), nullptr);
}

TEST(DefaultMarker, FirstMarkedEntryOrZero) {
  EXPECT_EQ(IndexOfDefaultMarker({u"a", u"b", u"c", u"d(*)", u"e(*)"}), 3);
  EXPECT_EQ(IndexOfDefaultMarker({u"a", u"b"}), 0);
  EXPECT_EQ(IndexOfDefaultMarker({u"(*)a"}), 0);
  EXPECT_EQ(IndexOfDefaultMarker({}), 0);
}

TEST_F(PageBuild, TrackBarValueFromTheMarker) {
  Build("tab=1\ntab1_group=0\nitem=1\nitem1_mode=5\nitem1_evalue=0|1|2|3(*)|4\n");
  EXPECT_EQ(Control<TzrTrackBar>("eItem0")->GetValue(), 3);
  EXPECT_EQ(UTF16ToUTF8(Control<TzrValueLabel>("leItem0")->GetText()), "3");
}

TEST_F(PageBuild, StartingCurves) {
  Build(
      "tab=1\ntab1_group=0,1,2,3,4,5,6,7\nitem=8\n"
      "item1_mode=0\nitem2_mode=0\nitem2_evalue=1\n"
      "item4_mode=0\nitem4_evalue=500rpm|1000rpm(*)\n"
      "item5_mode=0\nitem5_evalue=5000rpm(*)|6000rpm\n"
      "item6_mode=9\n"
      "item7_mode=11\n"
      "item8_mode=3\nitem8_minlink=0\nitem8_maxlink=1\n"
      "item3_mode=8\n");
  const std::string linked = Text("eItem5");
  ASSERT_EQ(linked.size(), 256u);
  std::vector<uint8_t> bytes;
  ASSERT_EQ(HexToBytes(linked, bytes), 128);
  EXPECT_EQ(linked.substr(0, 4), "03E8");
  int previous = bytes[0] << 8 | bytes[1];
  for (int k = 1; k < 64; ++k) {
    const int value = bytes[2 * k] << 8 | bytes[2 * k + 1];
    EXPECT_TRUE(value - previous == 62 || value - previous == 63) << k;
    previous = value;
  }
  EXPECT_EQ(previous, 4937);
  EXPECT_FALSE(Control<TzrTextBox>("eItem5")->GetVisible());

  std::string counting;
  for (int k = 0; k < 64; ++k) counting += BytesToHex(std::vector<uint8_t>{uint8_t(k)}.data(), 1);
  EXPECT_EQ(Text("eItem6"), counting);
  EXPECT_EQ(Text("eItem2").size(), 512u);
  EXPECT_EQ(Text("eItem2").substr(508), "FEFF");
  // Linked combos without a speed: the curve starts from zeros.
  EXPECT_EQ(Text("eItem7"), std::string(256, '0'));
}

TEST_F(PageBuild, TwoBuildsLeaveOneControlOfEachName) {
  const std::string section =
      "tab=2\ntab1_group=0,-,1\ntab2_group=2\nsite_enabled=1\n" + Items(3, 1);
  Build(section);
  // A control left on a group layout goes with it.
  auto* stray = new TzrLabel(Form.get());
  stray->SetName("stray");
  stray->SetParent(Form->tabLayout[1]);
  Form->BuildParameterPages();
  EXPECT_EQ(Form->FindComponent("stray"), nullptr);
  for (const char* name : {"cbItem0", "eItem0", "lItem1", "cbItem2", "cbMode", "eName"}) {
    int count = 0;
    for (int i = 0; i < Form->ComponentCount(); ++i)
      if (Form->Component(i)->GetName() == name) ++count;
    EXPECT_EQ(count, 1) << name;
  }
  EXPECT_EQ(Form->FindComponent("tabLayout2"), Form->tabLayout[1]);
  EXPECT_FALSE(Form->tabLayout[1]->GetVisible());
  EXPECT_EQ(Form->tabLayout[1]->GetAlign(), vaClient);
}

TEST_F(PageBuild, BadRowsAreLeftOutAndNamed) {
  Build(
      "tab=2\ntab1_group=0,x,1,2,3\ntab2_group=4,0\nitem=5\n"
      "item1_mode=0\nitem1_ename=Good\n"
      "item2_mode=5\nitem2_ename=Short List\nitem2_evalue=7\n"
      "item3_mode=6\nitem3_ename=Bad Limit\nitem3_min=low\nitem3_max=9\n"
      "item4_mode=1\nitem4_ename=Bad Custom\nitem4_mincustom=a\n"
      "item5_mode=0\nitem5_ename=Later\n");
  EXPECT_NE(Control<TzrStringComboBox>("cbItem0"), nullptr);
  EXPECT_NE(Control<TzrStringComboBox>("cbItem4"), nullptr);  // the build went on
  for (const char* name : {"lItem1", "eItem1", "lItem2", "eItem2", "lItem3", "cbItem3"})
    EXPECT_EQ(Control<TzrVisualObject>(name), nullptr) << name;
  const std::string messages = Messages();
  for (const char* part : {"\"x\"", "Short List", "Bad Limit", "Bad Custom", "item 1"})
    EXPECT_NE(messages.find(part), std::string::npos) << part;
  // Item 0 listed again: only its first entry made a row.
  EXPECT_EQ(Control<TzrVisualObject>("cbItem0")->GetParent(), Form->tabLayout[1]);
}

// Every entry of a drop-down list is a control of its own: a section of wide
// value ranges ("0-99.99/0.01", 10,000 entries each) builds at most one entry
// per value of a byte per combo, names each list it cut short, and leaves the
// shorter lists and the track bars whole.
TEST_F(PageBuild, WideValueListsAreCutToWhatAByteSelects) {
  const std::string wide = "0-99.99/0.01";
  std::string section = "tab=1\nsite_enabled=1\nsite_evalue=" + wide +
                        "\ntab1_group=0,1,2,3,4,5,6,7\nitem=8\n"
                        "item7_mode=0\nitem7_ename=Voltage\nitem7_evalue=5.0-8.4/0.1\n"
                        "item8_mode=5\nitem8_ename=Slider\nitem8_max=0\nitem8_evalue=" +
                        wide + "\n";
  for (int k = 1; k <= 6; ++k)
    section += "item" + std::to_string(k) + "_mode=" + (k == 6 ? "2" : "0") + "\nitem" +
               std::to_string(k) + "_ename=Wide " + std::to_string(k) + "\nitem" +
               std::to_string(k) + "_evalue=" + wide + "\n";
  section += "item6_mincustom=0\nitem6_maxcustom=100\n";
  Build(section);

  int entries = 0;  // list entries made on the page
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (auto* combo = dynamic_cast<TzrStringComboBox*>(Form->Component(i)))
      entries += combo->Count();
  EXPECT_EQ(entries, 7 * 256 + 35);
  for (const char* name : {"cbMode", "cbItem0", "cbItem5"}) {
    SCOPED_TRACE(name);
    auto* combo = Control<TzrStringComboBox>(name);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetItems()->GetCount(), 256);
    EXPECT_EQ(UTF16ToUTF8(combo->GetItems()->Get(255)), "2.6");
    EXPECT_EQ(combo->GetItemIndex(), 0);
  }
  EXPECT_EQ(Control<TzrStringComboBox>("cbItem6")->Count(), 35);
  auto* slider = Control<TzrTrackBar>("eItem7");
  ASSERT_NE(slider, nullptr);
  EXPECT_FLOAT_EQ(slider->GetMax(), 100.f);  // the last entry, "100.0"
  const std::string messages = Messages();
  for (const char* part : {"mode row", "Wide 1", "Wide 3", "Wide 6", "10000 entries"})
    EXPECT_NE(messages.find(part), std::string::npos) << part;
  for (const char* part : {"Voltage", "Slider"})
    EXPECT_EQ(messages.find(part), std::string::npos) << part;
}

// Entry names of a navigation list, in order.
std::vector<std::string> Entries(TzrListBox* list) {
  std::vector<std::string> names;
  for (int i = 0; i < list->Count(); ++i) names.push_back(list->ItemByIndex(i)->GetName());
  return names;
}

TEST_F(PageBuild, NavigationEntries) {
  struct Case {
    const char* what;
    TMenuItem* TfrmInterface::*mode;
    bool demo, connected;
    std::string model;
    std::vector<std::string> shown;
  } cases[] = {
      {"controller demo",
       &TfrmInterface::ESCSpeedController1,
       true,
       false,
       "CAR_ESC",
       {"ListBoxItem1", "ListBoxItem2", "ListBoxItem3", "ListBoxItem4", "ListBoxItem8"}},
      {"airplane calculator",
       &TfrmInterface::ESCSpeedController1,
       false,
       true,
       "AIRPLANE_ESC",
       {"ListBoxItem1", "ListBoxItem2", "ListBoxItem3", "ListBoxItem4", "ListBoxItem8",
        "ListBoxItem10"}},
      // A demo model's section name stands in FModel: its first word is the model.
      {"airplane demo",
       &TfrmInterface::ESCSpeedController1,
       true,
       false,
       "AIRPLANE_ESC_HV DEMO-AP60_V1",
       {"ListBoxItem1", "ListBoxItem2", "ListBoxItem3", "ListBoxItem4", "ListBoxItem8",
        "ListBoxItem10"}},
      {"another model's section beginning with the airplane key",
       &TfrmInterface::ESCSpeedController1,
       true,
       false,
       "AIRPLANE_ESC_X DEMO-AP60_V1",
       {"ListBoxItem1", "ListBoxItem2", "ListBoxItem3", "ListBoxItem4", "ListBoxItem8"}},
      {"neither connected nor demo",
       &TfrmInterface::ESCSpeedController1,
       false,
       false,
       "",
       {"ListBoxItem1"}},
      {"known model, not connected",
       &TfrmInterface::ESCSpeedController1,
       false,
       false,
       "X",
       {"ListBoxItem1", "ListBoxItem8"}},
      {"motor checker",
       &TfrmInterface::MotorChecker1,
       false,
       false,
       "",
       {"ListBoxItem1", "ListBoxItem8", "ListBoxItem9"}},
      {"data link 1",
       &TfrmInterface::DATALINK1,
       false,
       true,
       "DATALINK_A",
       {"ListBoxItem1", "ListBoxItem8"}},
      {"data link 1, program card",
       &TfrmInterface::DATALINK1,
       false,
       true,
       "DATALINK_PROGRAMECARD",
       {"ListBoxItem1"}},
      {"data link 5",
       &TfrmInterface::DATALINK5,
       false,
       true,
       "ESC_A",
       {"ListBoxItem1", "ListBoxItem11"}},
  };
  Build("tab=3\n" + Items(1, 0));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (TMenuItem* item :
         {Form->ESCSpeedController1, Form->MotorChecker1, Form->DATALINK1, Form->DATALINK5})
      item->SetChecked(item == Form.get()->*c.mode);
    Form->Demo1->SetChecked(c.demo);
    Form->FConnected = c.connected;
    Form->FModel = c.model;
    Form->PlaceNavigationEntries();
    EXPECT_EQ(Entries(Form->ListBox1), c.shown);
    EXPECT_EQ(Form->ListBox1->Count() + Form->ListBox2->Count(), 11);
  }
}

TEST_F(PageBuild, AddonReadouts) {
  const std::string section =
      "tab=1\ntab1_group=0,1,2,3\nitem=4\nmax=0\naddon=1\n"
      "item1_mode=10\nitem1_eunit1=°C\nitem1_eunit2=°F\n"
      "item2_mode=10\nitem2_eunit1=°C\nitem2_eunit2=°F\n"
      "item3_mode=10\nitem3_eunit=V\n"
      "item4_mode=10\nitem4_eunit=s\n";
  Build(section);
  EXPECT_EQ(Text("eItem0"), "0 °C / 32.00 °F");
  EXPECT_EQ(Text("eItem2"), "0.00 V");
  EXPECT_EQ(Text("eItem3"), "0 s");

  Form->Demo1->SetChecked(false);
  const uint8_t data[16] = {0,   '0', '2', '5', '1', '0', '0', '1',
                            '2', '3', '0', '0', '1', '2', '3', '4'};
  std::copy(data, data + 16, Form->FDeviceData);
  Form->BuildParameterPages();
  EXPECT_EQ(Text("eItem0"), "25 °C / 77.00 °F");
  EXPECT_EQ(Text("eItem1"), "100 °C / 212.00 °F");
  EXPECT_EQ(Text("eItem2"), "12.30 V");
  EXPECT_EQ(Text("eItem3"), "1234 s");

  Form->FDeviceData[4] = ' ';  // read-out 2 is no number: the rest stay empty
  Form->BuildParameterPages();
  EXPECT_EQ(Text("eItem0"), "25 °C / 77.00 °F");
  for (const char* name : {"eItem1", "eItem2", "eItem3"}) EXPECT_EQ(Text(name), "") << name;
}

}  // namespace

namespace {

// The shipped demo sections build whole, and together they use every mode.
TEST(ShippedDemoPages, BuildWithoutLeftOutRowsAndUseEveryMode) {
  TfrmInterface form(nullptr);
  form.FLangIni = std::make_unique<TMemIniFile>(std::string(ESCTOOL_BINARY_DIR) + "/lang.ini");
  form.ESCSpeedController1->SetChecked(true);
  form.Demo1->SetChecked(true);
  std::set<int> modes;
  bool full = false;
  for (const std::string& section : form.FLangIni->ReadSections()) {
    if (!form.FLangIni->ReadBool(section, "demo", false)) continue;
    SCOPED_TRACE(section);
    for (const bool chinese : {false, true}) {
      form.Chinese1->SetChecked(chinese);
      form.LoadModelDefinition(section);
      form.BuildParameterPages();
      EXPECT_TRUE(form.eMessage->GetUnwrapLines().empty() ||
                  form.eMessage->GetUnwrapLines() == std::vector<std::u16string>{u""});
    }
    for (int i = 0; i < form.FPageDef.item; ++i) modes.insert(form.FPageDef.items[i].mode);
    full = full || (form.FPageDef.tab == 6 && form.FPageDef.item == 40);
  }
  EXPECT_EQ(modes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_TRUE(full);
}

}  // namespace
