#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Utils.h"
#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_listbox.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "pages/ModelFamily.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_strings.h"
#include "tests/pages/PageFixtures.h"

// The settings block shown in the page by model family, collected back, and
// the round trip between the two.

namespace {

using pagetest::LangFixture;

class ParameterPage : public ::testing::Test {
 protected:
  ParameterPage() {
    TfrmInfo::ModalHandler = [this](TfrmInfo& box) {
      Boxes.push_back(UTF16ToUTF8(box.Label1->GetText()));
      return static_cast<int>(mrOk);
    };
  }
  ~ParameterPage() override { TfrmInfo::ModalHandler = nullptr; }

  // Builds section "S" for a device of the given identity (connected, so the
  // build shows FParams at its end).
  void Build(const std::string& section, const std::string& model, const std::string& hardware) {
    LangFixture lang("[S]\n" + section);
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->FLangIni = std::move(lang.Ini);
    Form->ESCSpeedController1->SetChecked(true);
    Form->LoadModelDefinition("S");
    Form->FModel = model;
    Form->FHardware = hardware;
    Form->FFirmware = "F1";
    Form->SetSettingsLayout();
    Form->FConnected = true;
  }
  void Show() { Form->BuildParameterPages(); }
  TzrStringComboBox* Combo(const std::string& name) const {
    return dynamic_cast<TzrStringComboBox*>(Form->FindComponent(name));
  }
  std::vector<std::string> Entries(const std::string& name) const {
    std::vector<std::string> entries;
    TzrWideStrings* items = Combo(name)->GetItems();
    for (int i = 0; i < items->GetCount(); ++i) entries.push_back(UTF16ToUTF8(items->Get(i)));
    return entries;
  }
  uint8_t& P(int offset) { return Form->FParams[offset]; }

  std::unique_ptr<TfrmInterface> Form;
  std::vector<std::string> Boxes;
};

TEST_F(ParameterPage, SetComboItemCases) {
  struct Case {
    const char* what;
    std::string values;
    int def, current, lastValid;
    bool enabled;
    std::vector<std::string> entries;
    int selected;
    bool comboEnabled, outdated;
  } cases[] = {
      {"trimmed to the last valid",
       "A|B|C|D|E|F",
       0,
       1,
       2,
       true,
       {"A(*)", "B", "C"},
       1,
       true,
       false},
      {"one valid entry disables", "A|B|C", 0, 0, 0, true, {"A(*)"}, 0, false, false},
      {"the mark moves",
       "A|Normal (*)|C",
       2,
       0,
       -1,
       true,
       {"A", "Normal ", "C(*)"},
       0,
       true,
       false},
      {"current beyond the list", "A|B|C|D", 1, 9, -1, true, {"A", "B", "C", "D"}, 1, true, true},
      {"disabled item is not outdated",
       "A|B|C|D",
       1,
       9,
       -1,
       false,
       {"A", "B(*)", "C", "D"},
       1,
       false,
       false},
      {"one past the list", "A|B|C", 0, 3, -1, true, {"A", "B", "C"}, 0, true, true},
      {"list shorter than the last valid", "A|B", 0, 0, 2, true, {"A", "B"}, 0, true, true},
      {"current below 0", "A|B|C", 1, -2, -1, true, {"A", "B", "C"}, 1, true, true},
      {"default outside the list", "A|B|C", 7, 1, -1, true, {"A", "B", "C"}, 1, true, false},
      {"nothing valid to select", "A|B", 5, 5, -1, false, {"A", "B"}, 1, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Build("tab=1\ntab1_group=0\nitem=1\nitem1_mode=0\nitem1_evalue=" + c.values + "\n", "X", "H");
    Form->FConnected = false;
    Show();
    Form->FPageOutdated = false;
    Form->SetComboItem("cbItem0", c.def, c.current, c.lastValid, c.enabled);
    EXPECT_EQ(Entries("cbItem0"), c.entries);
    EXPECT_EQ(Combo("cbItem0")->GetItemIndex(), c.selected);
    EXPECT_EQ(Combo("cbItem0")->GetEnabled(), c.comboEnabled);
    EXPECT_EQ(Form->FPageOutdated, c.outdated);
  }
}

const std::string kGeneral =
    "tab=1\ntab1_group=0,1,2,3,4\nitem=5\nmax=18\n"
    "item1_mode=1\nitem1_evalue=A|Custom\n"
    "item2_mode=2\nitem2_evalue=A|Custom\n"
    "item3_mode=0\nitem3_evalue=A|B|C|D\n"
    "item4_mode=5\nitem4_evalue=0-10/1\n"
    "item5_mode=10\n";

TEST_F(ParameterPage, GeneralFamily) {
  Build(kGeneral, "ESC_G", "HW");
  const int C = 192, E = 96, F = 32;
  P(1) = 5;  // the device knows 5 items
  P(C + 0) = 1, P(C + 1) = 1, P(C + 2) = 2;
  P(E + 0) = 1, P(E + 1) = 1, P(E + 2) = 3;
  P(F + 2) = 1;
  P(C + 16) = 0x01, P(C + 17) = 0x2C;  // item 0: 300
  P(C + 18) = 0x01, P(C + 19) = 0x2C;  // item 1: 30.0
  P(E + 16) = 0x00, P(E + 17) = 0x64, P(E + 48) = 0x03, P(E + 49) = 0xE8;
  P(E + 18) = 0x00, P(E + 19) = 0x64, P(E + 50) = 0x03, P(E + 51) = 0xE8;
  Show();
  EXPECT_TRUE(Boxes.empty());
  auto* whole = dynamic_cast<TzrSpinBox*>(Form->FindComponent("eItem0"));
  auto* tenths = dynamic_cast<TzrSpinBox*>(Form->FindComponent("eItem1"));
  EXPECT_EQ(whole->GetValue(), 300);
  EXPECT_EQ(whole->GetMin(), 100);
  EXPECT_EQ(whole->GetMax(), 1000);
  EXPECT_FLOAT_EQ(tenths->GetValue(), 30.f);
  EXPECT_FLOAT_EQ(tenths->GetMin(), 10.f);
  EXPECT_EQ(Entries("cbItem2"), (std::vector<std::string>{"A", "B(*)", "C", "D"}));
  EXPECT_EQ(Combo("cbItem2")->GetItemIndex(), 2);
  // Not a model with a group page of its own: the status page is shown.
  EXPECT_EQ(Form->ListBox1->GetSelected(), Form->ListBoxItem8);

  // Collection: 300 back into 01 2C while the custom entry is selected; 2.3
  // becomes 23; another entry leaves the custom bytes alone.
  whole->SetValue(300);
  tenths->SetMin(0);
  tenths->SetValue(2.3f);
  Combo("cbItem2")->SetItemIndex(3);
  P(C + 16) = P(C + 17) = 0;
  Form->CollectParameters();
  EXPECT_EQ(P(C + 16), 0x01);
  EXPECT_EQ(P(C + 17), 0x2C);
  EXPECT_EQ(P(C + 18), 0x00);
  EXPECT_EQ(P(C + 19), 23);
  EXPECT_EQ(P(C + 2), 3);
  Combo("cbItem0")->SetItemIndex(0);
  P(C + 16) = 0x77;
  Form->CollectParameters();
  EXPECT_EQ(P(C + 0), 0);
  EXPECT_EQ(P(C + 16), 0x77);
  EXPECT_EQ(P(C + 3), 0);  // the track bar has no combo in this family: nothing collected
}

TEST_F(ParameterPage, GeneralItemsBeyondTheCustomTables) {
  std::string section = "tab=1\ntab1_group=17\nitem=18\n";
  for (int k = 1; k <= 17; ++k) section += "item" + std::to_string(k) + "_mode=0\n";
  section += "item18_mode=1\nitem18_evalue=A|Custom\n";
  Build(section, "ESC_G", "HW");
  P(1) = 18;
  P(192 + 17) = 1;
  P(96 + 17) = 1;
  std::vector<uint8_t> before(Form->FParams, Form->FParams + 512);
  Show();
  auto* spin = dynamic_cast<TzrSpinBox*>(Form->FindComponent("eItem17"));
  ASSERT_NE(spin, nullptr);
  EXPECT_FALSE(spin->GetEnabled());
  EXPECT_EQ(spin->GetValue(), 0);
  spin->SetValue(5);
  Form->CollectParameters();
  EXPECT_TRUE(std::equal(before.begin(), before.end(), Form->FParams));
}

TEST_F(ParameterPage, DeviceWithMoreItemsThanTheDefinitionKnows) {
  Build(kGeneral, "ESC_G", "HW");
  P(1) = 20;
  Form->btnUpdate->SetEnabled(true);
  Show();
  EXPECT_TRUE(Form->FPageOutdated);
  EXPECT_EQ(Boxes, std::vector<std::string>{"please_upgrade_soft"});
  EXPECT_FALSE(Form->btnUpdate->GetEnabled());
  EXPECT_EQ(Form->ListBox1->GetItemIndex(), 0);
}

const std::string kBlock =
    "tab=1\ntab1_group=0,1,2,3,4,5\nitem=6\nsite_enabled=1\nsite_evalue=M\n"
    "item1_mode=0\nitem1_evalue=A|B|C|D|E|F\nitem1_min=2\n"
    "item2_mode=8\nitem2_evalue=L|C\n"
    "item3_mode=8\nitem3_evalue=L|C\n"
    "item4_mode=11\nitem4_evalue=L|C\n"
    "item5_mode=6\nitem5_evalue=0-10/1\n"
    "item6_mode=1\nitem6_evalue=A|B|C|D|E\nitem6_min=1\n";

// The curves first: in the Ardent layout the mode and limit bytes lie where
// the curve region would begin.
void FillBlock(uint8_t* p, int C, int D, int E, int F) {
  for (int i = 0; i < 512 + 128; ++i) p[C + 32 + i] = static_cast<uint8_t>(i * 7);
  p[D] = 2, p[D + 1] = 6;
  p[C + 0] = 5, p[F + 0] = 4, p[E + 0] = 5;
  for (int n = 1; n <= 3; ++n) p[C + n] = 1, p[E + n] = 1;
  p[C + 4] = 7;
  p[C + 5] = 3, p[E + 5] = 4, p[F + 5] = 1;
}

TEST_F(ParameterPage, LargeCarAndArdentFamilies) {
  struct Family {
    const char* model;
    const char* hardware;
    int A, C, D, E, F;
    int marked;
    bool curvesWritten;  // the Ardent block (48 to 143) holds no curve
  } families[] = {{"CAR_ESC", "VL46_SD01", 48, 64, 1376, 1424, 16, 2, true},
                  {"Ardent_V4", "ARD", 48, 64, 96, 144, 16, 4, false}};
  for (const Family& f : families) {
    SCOPED_TRACE(f.model);
    Build(kBlock, f.model, f.hardware);
    FillBlock(Form->FParams, f.C, f.D, f.E, f.F);
    P(f.A) = 1;
    const char name[] = "Crawler        ";
    std::copy(name, name + 15, Form->FParams + f.A + 1);
    Show();
    EXPECT_TRUE(Boxes.empty());
    EXPECT_EQ(Combo("cbItem0")->GetItemIndex(), 3);  // value 5 less min 2
    EXPECT_EQ(Entries("cbItem0")[f.marked], std::string(1, char('A' + f.marked)) + "(*)");
    auto hex = [&](int n) {
      return UTF16ToUTF8(
          dynamic_cast<TzrTextBox*>(Form->FindComponent("eItem" + std::to_string(n)))->GetText());
    };
    EXPECT_EQ(hex(1), BytesToHex(Form->FParams + f.C + 32, 256));
    EXPECT_EQ(hex(2), BytesToHex(Form->FParams + f.C + 288, 256));
    EXPECT_EQ(hex(3), BytesToHex(Form->FParams + f.C + 544, 128));
    EXPECT_EQ(dynamic_cast<TzrTrackBar*>(Form->FindComponent("eItem4"))->GetValue(), 7);
    EXPECT_EQ(Combo("cbItem5")->GetItemIndex(), 2);  // modes 1 and 2 take min off too
    EXPECT_EQ(Entries("cbMode").size(), 3u);
    EXPECT_EQ(Combo("cbMode")->GetItemIndex(), 1);
    auto* nameBox = dynamic_cast<TzrTextBox*>(Form->FindComponent("eName"));
    EXPECT_EQ(UTF16ToUTF8(nameBox->GetText()), "Crawler        ");
    EXPECT_TRUE(nameBox->GetEnabled());

    // Round trip: display then collect leaves every byte of the block as it was.
    std::vector<uint8_t> before(Form->FParams, Form->FParams + 800);
    Form->CollectParameters();
    for (int i = 0; i < 800; ++i) ASSERT_EQ(Form->FParams[i], before[i]) << i;

    // Collection: the entry plus min, names trimmed, 255 without a selection,
    // a short curve text writes only its bytes.
    Combo("cbItem0")->SetItemIndex(2);
    nameBox->SetText(u"  AB");
    dynamic_cast<TzrTextBox*>(Form->FindComponent("eItem3"))->SetText(std::u16string(128, u'F'));
    Combo("cbItem1")->SetItemIndex(-1);
    Form->CollectParameters();
    EXPECT_EQ(P(f.C + 0), 4);
    EXPECT_EQ(P(f.C + 1), 255);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(Form->FParams + f.A + 1), 15), "AB             ");
    EXPECT_EQ(P(f.C + 544), f.curvesWritten ? 0xFF : before[f.C + 544]);
    EXPECT_EQ(P(f.C + 544 + 63), f.curvesWritten ? 0xFF : before[f.C + 544 + 63]);
    EXPECT_EQ(P(f.C + 544 + 64), before[f.C + 544 + 64]);
    // An overlong text stops at its block.
    dynamic_cast<TzrTextBox*>(Form->FindComponent("eItem3"))->SetText(std::u16string(600, u'E'));
    const uint8_t after = P(f.C + 672);
    Form->CollectParameters();
    EXPECT_EQ(P(f.C + 671), f.curvesWritten ? 0xEE : before[f.C + 671]);
    EXPECT_EQ(P(f.C + 672), after);
  }
}

TEST_F(ParameterPage, NamesPerFamily) {
  struct Case {
    const char* model;
    const char* hardware;
    int A;
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {"Ardent_V4", "H", 48, u"  AB", "AB             "},
      {"ESC_G", "H", 176, u"  AB", "  AB           "},
      {"ESC_G", "H", 176, u"ÄÖÜÄ名前名", "ÄÖÜÄ名前"},  // 15 bytes end inside a character
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    Build("tab=1\ntab1_group=0\nitem=1\nsite_enabled=1\nitem1_mode=0\n", c.model, c.hardware);
    Form->FConnected = false;
    Show();
    std::fill(Form->FParams + c.A + 1, Form->FParams + c.A + 17, 0x55);
    dynamic_cast<TzrTextBox*>(Form->FindComponent("eName"))->SetText(c.text);
    Form->CollectParameters();
    std::string expected = c.bytes;
    expected.resize(15, ' ');
    EXPECT_EQ(std::string(reinterpret_cast<char*>(Form->FParams + c.A + 1), 15), expected);
  }
}

TEST(SettingsName, ReadAsUtf8ElseWindows1252AndCutAtACharacter) {
  const uint8_t utf8[] = {0xE5, 0x90, 0x8D, 'A', 0, 'x'};
  EXPECT_EQ(SettingsNameText(utf8, 6), "名A");
  const uint8_t ansi[15] = {'C', 0xE9, 0x80, 'A', 'B', 'C', 'D', 'E',
                            'F', 'G',  'H',  'I', 'J', 'K', 'L'};
  EXPECT_EQ(SettingsNameText(ansi, 15), "Cé€ABCDEFGHIJKL");
  EXPECT_EQ(SettingsNameBytes("ÄÖÜÄ名前名", 15), "ÄÖÜÄ名前");
  EXPECT_EQ(SettingsNameBytes("AB", 15), "AB");
}

TEST_F(ParameterPage, AirplaneFixedCombos) {
  std::string section = "tab=1\ntab1_group=0,1,2,3,4,5,6,7,8\nitem=9\n";
  for (int k = 1; k <= 8; ++k)
    section +=
        "item" + std::to_string(k) + "_mode=0\nitem" + std::to_string(k) + "_evalue=A|B|C|D|E\n";
  section += "item9_mode=7\n";
  Build(section, "AIRPLANE_V2", "H");
  for (int i = 0; i < 8; ++i) P(7 + i) = 1;
  P(15) = 0x42;
  Show();
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Entries("cbItem0"), (std::vector<std::string>{"A", "B(*)", "C", "D"}));
  EXPECT_EQ(Entries("cbItem7"), (std::vector<std::string>{"A", "B(*)", "C"}));
  for (int i = 0; i < 8; ++i) Combo("cbItem" + std::to_string(i))->SetItemIndex(2);
  Form->CollectParameters();
  for (int i = 7; i <= 14; ++i) EXPECT_EQ(P(i), 2) << i;
  EXPECT_EQ(P(15), 0x42);
}

TEST_F(ParameterPage, LargeCarNeedsLargeCarHardware) {
  Build(kGeneral, "CAR_ESC", "VL80_SD01");
  EXPECT_EQ(Form->FValueOffset, 192);
  P(1) = 5;
  P(192 + 2) = 2;
  P(96 + 2) = 3;
  Show();
  EXPECT_EQ(Combo("cbItem2")->GetItemIndex(), 2);
  EXPECT_NE(Form->FindComponent("eItem0"), nullptr);
}

}  // namespace

namespace {

TEST_F(ParameterPage, ControlsDisabledByMode) {
  Build(
      "tab=1\ntab1_group=0,1,2,3\nitem=4\n"
      "item1_mode=0\nitem1_evalue=A|B\n"
      "item2_mode=1\nitem2_evalue=A|Custom\n"
      "item3_mode=8\nitem3_evalue=L|M|Custom\n"
      "item4_mode=5\nitem4_evalue=0-10/1\n",
      "X", "H");
  Form->FConnected = false;
  Show();
  for (const char* name : {"cbItem0", "cbItem1", "cbItem2", "eItem1", "eItem2", "eItem3"})
    dynamic_cast<TzrVisualObject*>(Form->FindComponent(name))->SetEnabled(true);
  Form->SetParameterControlsEnabled(false);
  for (const char* name : {"cbItem0", "cbItem1", "cbItem2", "eItem1", "eItem2"})
    EXPECT_FALSE(dynamic_cast<TzrVisualObject*>(Form->FindComponent(name))->GetEnabled()) << name;
  EXPECT_TRUE(dynamic_cast<TzrVisualObject*>(Form->FindComponent("eItem3"))->GetEnabled());
  EXPECT_EQ(Combo("cbItem2")->GetItemIndex(), 2);  // a curve item goes to its last entry
  EXPECT_EQ(Combo("cbItem0")->GetItemIndex(), 0);
}

}  // namespace
