#include <glib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/Utils.h"
#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "files/ParameterFile.h"
#include "pages/ModelFamily.h"
#include "pages/frmGraph.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Menus.h"
#include "tests/pages/PageFixtures.h"

// The parameter text file: the export's listing and machine lines against
// expected files, and the import of a file back into the page's controls.

namespace {

namespace fs = std::filesystem;
using pagetest::LangFixture;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Every item mode that carries a value, on two groups with a box break, an
// item number equal to the item count and a piece that is no number.
const std::string kExportPage =
    "tab=2\nitem=8\nsite_enabled=1\nsite_evalue=M1|M2(*)\n"
    "tab1_group=0,-,1,2,3\ntab2_group=4,5,8,x,6,7\n"
    "item1_mode=0\nitem1_ename=Seven\nitem1_evalue=A|B(*)|C|D|E|F|G\n"
    "item2_mode=0\nitem2_ename=No choice\nitem2_evalue=X|Y\n"
    "item3_mode=0\nitem3_ename=Wide\n"
    "item3_evalue=0123456789012345678901234567890123456789(*)|b|c|d\n"
    "item4_mode=0\nitem4_ename=Chinese\nitem4_evalue=低|中(*)|高|最高\n"
    "item5_mode=7\nitem5_ename=Hidden\n"
    "item6_mode=10\nitem6_ename=Read only\n"
    "item7_mode=5\nitem7_ename=Track\nitem7_evalue=0-10/1\n"
    "item8_mode=2\nitem8_ename=Spin\nitem8_evalue=A|Custom(*)\n"
    "item8_mincustom=10\nitem8_maxcustom=80\n";

// No mode row; a column count of 0 and a negative width.
const std::string kPlainPage =
    "tab=1\nitem=2\ntab1_group=1,0\n"
    "item1_mode=0\nitem1_ename=One\nitem1_evalue=P|Q(*)|R\n"
    "item2_mode=5\nitem2_ename=Two\nitem2_evalue=0-100/5\n";

// One item of every family of controls: combo, combo and spin box (whole and
// tenths), track bar, curve boxes, a hidden first item, and the mode row.
const std::string kRoundTripPage =
    "tab=2\nitem=7\nsite_enabled=1\nsite_evalue=M1|M2|M3(*)\n"
    "tab1_group=0,1,2,3\ntab2_group=4,5,6\n"
    "item1_mode=7\nitem1_ename=Hidden\n"
    "item2_mode=0\nitem2_ename=Combo\nitem2_evalue=A|B(*)|C|D\n"
    "item3_mode=1\nitem3_ename=Whole\nitem3_evalue=A|Custom(*)\n"
    "item3_mincustom=100\nitem3_maxcustom=1000\n"
    "item4_mode=2\nitem4_ename=Tenths\nitem4_evalue=A|Custom(*)\n"
    "item4_mincustom=100\nitem4_maxcustom=800\n"
    "item5_mode=5\nitem5_ename=Track\nitem5_evalue=0-10/1\n"
    "item6_mode=8\nitem6_ename=Curve\nitem6_evalue=Linear(*)|Custom\n"
    "item7_mode=11\nitem7_ename=Samples\nitem7_evalue=Linear(*)|Custom\n";

class ParameterFile : public ::testing::Test {
 protected:
  ParameterFile() {
    TfrmInfo::ModalHandler = [this](TfrmInfo& box) {
      Boxes.push_back(UTF16ToUTF8(box.Label1->GetText()));
      return static_cast<int>(mrOk);
    };
    std::string pattern = (fs::temp_directory_path() / "paramfile_XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    Dir = pattern;
  }
  ~ParameterFile() override {
    TfrmInfo::ModalHandler = nullptr;
    FileDialogHook = nullptr;
    MessageBoxHook = nullptr;
    Form.reset();
    fs::remove_all(Dir);
  }

  void Build(const std::string& section, const std::string& common = "",
             const std::string& model = "ESC_G", const std::string& hardware = "HW1") {
    LangFixture lang("[common]\n" + common + "[S]\n" + section);
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->FLangIni = std::move(lang.Ini);
    Form->ESCSpeedController1->SetChecked(true);
    Form->Demo1->SetChecked(true);
    Form->LoadModelDefinition("S");
    Form->FModel = model;
    Form->FHardware = hardware;
    Form->FFirmware = "F1";
    Form->BuildParameterPages();
  }
  template <class T>
  T* Control(const std::string& name) const {
    T* control = dynamic_cast<T*>(Form->FindComponent(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  // Answers the next file dialog with this file, or cancels it.
  void Answer(const fs::path& path, bool choose = true) {
    FileDialogHook = [this, path, choose](TFileDialog& dialog) {
      Dialogs.push_back(&dialog);
      Filters.push_back(dialog.GetFilter() + " " + dialog.GetDefaultExt());
      if (choose) dialog.SetFileName(path.string());
      return choose;
    };
  }
  fs::path Export(const std::string& name) {
    const fs::path path = Dir / name;
    Answer(path);
    Form->Export1->Click();
    return path;
  }
  void Import(const fs::path& path) {
    Answer(path);
    Form->Import1->Click();
  }

  std::unique_ptr<TfrmInterface> Form;
  std::vector<std::string> Boxes, Filters;
  std::vector<TFileDialog*> Dialogs;
  fs::path Dir;
};

const fs::path kExpected = fs::path(ESCTOOL_SOURCE_DIR) / "tests/files/parameter_files";

TEST_F(ParameterFile, ExportMatchesTheExpectedFiles) {
  struct Case {
    const char* expected;
    std::string page, common;
  } cases[] = {
      {"export_page.txt", kExportPage, ""},
      {"export_plain.txt", kPlainPage, "colnumber=0\ncolwidth=-5\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    Build(c.page, c.common);
    if (c.page == kExportPage)
      dynamic_cast<TzrComboBox*>(Form->FindComponent("cbItem1"))->SetItemIndex(-1);
    const std::string text = ReadFile(Export(c.expected));
    EXPECT_EQ(text, ReadFile(kExpected / c.expected));
    EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    size_t bareFeeds = 0;
    for (size_t i = 0; i < text.size(); ++i)
      if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++bareFeeds;
    EXPECT_EQ(bareFeeds, 0u);
    EXPECT_FALSE(fs::exists(Dir / (std::string(c.expected) + ".tmp")));
  }
}

TEST_F(ParameterFile, ExportDialogCancelAndFailedSave) {
  Build(kPlainPage);
  Form->SaveDialog1->SetFilter("other");
  const fs::path path = Export("chosen.txt");
  ASSERT_EQ(Filters.size(), 1u);
  EXPECT_EQ(Filters[0], "TXT Config File|*.txt .txt");
  EXPECT_EQ(ReadFile(path), Form->ParameterExportText());

  WriteFile(Dir / "kept.txt", "old");
  Answer(Dir / "kept.txt", false);
  Form->Export1->Click();
  EXPECT_EQ(ReadFile(Dir / "kept.txt"), "old");

  std::vector<std::string> errors;
  MessageBoxHook = [&](const TMessageBoxRequest& request) {
    errors.push_back(request.Text);
    return 1;
  };
  Answer(Dir / "no folder" / "x.txt");
  Form->Export1->Click();
  MessageBoxHook = nullptr;
  EXPECT_FALSE(fs::exists(Dir / "no folder"));
  EXPECT_EQ(errors.size(), 1u);

  Form->FPageDef.tab = 0;
  Filters.clear();
  Export("none.txt");
  EXPECT_TRUE(Filters.empty());
  EXPECT_FALSE(fs::exists(Dir / "none.txt"));
}

TEST_F(ParameterFile, NumbersIgnoreTheLocale) {
  EXPECT_EQ(FormatParameterValue(35), "35.0");
  EXPECT_EQ(FormatParameterValue(-0.04), "0.0");
  EXPECT_EQ(FormatParameterValue(12.25), "12.2");
  EXPECT_EQ(FormatParameterValue(NAN), "0.0");
  EXPECT_EQ(ParseParameterValue("33,5"), 33.5);
  EXPECT_EQ(ParseParameterValue(" 7.0 "), 7.0);
  EXPECT_EQ(ParseParameterValue("-2"), -2.0);
  for (const char* bad : {"", "abc", "1.2.3", "5x", "inf"})
    EXPECT_EQ(ParseParameterValue(bad), std::nullopt) << bad;
}

// The values the round trip sets before the export.
struct TPageValues {
  int mode, combo, whole, tenths;
  float wholeValue, tenthsValue, track;
  std::string name, curve, samples;
};

class RoundTrip : public ParameterFile {
 protected:
  void Set(const TPageValues& v) {
    if (auto* mode = dynamic_cast<TzrComboBox*>(Form->FindComponent("cbMode")))
      mode->SetItemIndex(v.mode);
    if (auto* name = dynamic_cast<TzrCustomTextBox*>(Form->FindComponent("eName")))
      name->SetText(UTF8ToUTF16(v.name));
    Control<TzrComboBox>("cbItem1")->SetItemIndex(v.combo);
    Control<TzrComboBox>("cbItem2")->SetItemIndex(v.whole);
    Control<TzrComboBox>("cbItem3")->SetItemIndex(v.tenths);
    Control<TzrSpinBox>("eItem2")->SetValue(v.wholeValue);
    Control<TzrSpinBox>("eItem3")->SetValue(v.tenthsValue);
    Control<TzrCustomTrack>("eItem4")->SetValue(v.track);
    Control<TzrCustomTextBox>("eItem5")->SetText(UTF8ToUTF16(v.curve));
    Control<TzrCustomTextBox>("eItem6")->SetText(UTF8ToUTF16(v.samples));
  }
  TPageValues Get() const {
    auto* name = dynamic_cast<TzrCustomTextBox*>(Form->FindComponent("eName"));
    return {0,
            Control<TzrComboBox>("cbItem1")->GetItemIndex(),
            Control<TzrComboBox>("cbItem2")->GetItemIndex(),
            Control<TzrComboBox>("cbItem3")->GetItemIndex(),
            Control<TzrSpinBox>("eItem2")->GetValue(),
            Control<TzrSpinBox>("eItem3")->GetValue(),
            Control<TzrCustomTrack>("eItem4")->GetValue(),
            name ? UTF16ToUTF8(name->GetText()) : std::string(),
            UTF16ToUTF8(Control<TzrCustomTextBox>("eItem5")->GetText()),
            UTF16ToUTF8(Control<TzrCustomTextBox>("eItem6")->GetText())};
  }
  static void ExpectSame(const TPageValues& a, const TPageValues& b) {
    EXPECT_EQ(a.combo, b.combo);
    EXPECT_EQ(a.whole, b.whole);
    EXPECT_EQ(a.tenths, b.tenths);
    EXPECT_FLOAT_EQ(a.wholeValue, b.wholeValue);
    EXPECT_NEAR(a.tenthsValue, b.tenthsValue, 0.051);
    EXPECT_FLOAT_EQ(a.track, b.track);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.curve, b.curve);
    EXPECT_EQ(a.samples, b.samples);
  }
  static std::string Curve(char digit, size_t bytes) { return std::string(2 * bytes, digit); }

  const TPageValues First{2, 3, 1, 1, 750, 33.36f, 7, "名字 one", Curve('A', 256), Curve('B', 128)};
  const TPageValues Second{0, 0, 0, 0, 120, 20, 2, "other", Curve('1', 256), Curve('2', 128)};
};

TEST_F(RoundTrip, EveryControlComesBackInEveryFamily) {
  const struct {
    const char *model, *hardware;
    TModelFamily family;
  } identities[] = {{"AIRPLANE", "AP40", TModelFamily::Airplane},
                    {"CAR_ESC", "VL450SD", TModelFamily::LargeCar},
                    {"Ardent_V4", "ARD80", TModelFamily::Ardent},
                    {"ESC_G60", "G60", TModelFamily::General},
                    {"", "", TModelFamily::General}};  // a demo page: no identity
  for (const auto& id : identities) {
    SCOPED_TRACE(id.model);
    ASSERT_EQ(ModelFamilyOf(id.model, id.hardware), id.family);
    Build(kRoundTripPage, "", id.model, id.hardware);
    Set(First);
    const TPageValues exported = Get();
    const fs::path path = Export("round.txt");
    Set(Second);
    Import(path);
    EXPECT_TRUE(Boxes.empty());
    ExpectSame(Get(), exported);
    EXPECT_NEAR(Get().tenthsValue, 33.4f, 0.001);
  }
}

TEST_F(RoundTrip, RefusedFilesChangeNothing) {
  const struct {
    const char* what;
    std::string file;
  } cases[] = {
      {"another firmware", "[ESC_G HW1 F2]\n2=1\n"},
      {"no item key", "[ESC_G HW1 F1]\nname=x\n"},
      {"no section", "2=1\n"},
      {"not a file", ""},
  };
  Build(kRoundTripPage);
  Set(Second);
  const TPageValues before = Get();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Boxes.clear();
    const fs::path path = Dir / "refused.txt";
    if (c.file.empty())
      fs::remove(path);
    else
      WriteFile(path, c.file);
    Import(path);
    EXPECT_EQ(Boxes, std::vector<std::string>{"can't import differ version's setting"});
    ExpectSame(Get(), before);
  }
  Boxes.clear();
  Answer(Dir / "refused.txt", false);
  Form->Import1->Click();
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(RoundTrip, MissingOrBadKeysLeaveTheirControls) {
  Build(kRoundTripPage);
  Set(First);
  const TPageValues first = Get();
  // Item 0 is hidden and so never written: the file is still accepted.
  WriteFile(Dir / "partial.txt",
            "listing\r\n[esc_g hw1 f1]\r\n2=x\r\n3t=\r\n4=1\r\n4t=22,5\r\n5=\r\n7t=\r\n");
  Set(Second);
  Control<TzrComboBox>("cbItem1")->SetItemIndex(2);
  Control<TzrSpinBox>("eItem2")->SetValue(500);
  const TPageValues before = Get();
  Import(Dir / "partial.txt");
  EXPECT_TRUE(Boxes.empty());
  const TPageValues after = Get();
  EXPECT_EQ(after.combo, 2);
  EXPECT_EQ(after.whole, before.whole);
  EXPECT_FLOAT_EQ(after.wholeValue, 500);
  EXPECT_EQ(after.tenths, 0);
  EXPECT_FLOAT_EQ(after.tenthsValue, 22.5f);
  EXPECT_FLOAT_EQ(after.track, before.track);
  EXPECT_EQ(after.name, before.name);
  EXPECT_EQ(after.curve, before.curve);
  EXPECT_EQ(after.samples, "");
  EXPECT_NE(first.name, after.name);
}

TEST_F(RoundTrip, CommaDecimalsAndAPageWithoutName) {
  Build(kRoundTripPage);
  Set(First);
  std::string text = ReadFile(Export("dot.txt"));
  const std::string tail = text.substr(text.find("[ESC_G HW1 F1]"));
  std::string comma = tail;
  for (char& c : comma)
    if (c == '.') c = ',';
  WriteFile(Dir / "comma.txt", comma);
  const TPageValues exported = Get();
  Set(Second);
  Import(Dir / "comma.txt");
  ExpectSame(Get(), exported);

  std::string page = kRoundTripPage;
  page.replace(page.find("site_enabled=1"), 14, "site_enabled=0");
  Build(page);
  ASSERT_EQ(Form->FindComponent("eName"), nullptr);
  Set({0, 0, 0, 0, 120, 20, 2, "", Curve('1', 256), Curve('2', 128)});
  WriteFile(Dir / "named.txt", tail);
  Import(Dir / "named.txt");
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Control<TzrComboBox>("cbItem1")->GetItemIndex(), 3);
  EXPECT_FLOAT_EQ(Control<TzrCustomTrack>("eItem4")->GetValue(), 7);
}

// One control of every kind the import checks: a list of six entries, whole
// and tenths spin boxes, a track bar and a curve, and the name box.
const std::string kRangePage =
    "tab=1\nitem=5\nsite_enabled=1\nsite_evalue=M1|M2(*)\ntab1_group=0,1,2,3,4\n"
    "item1_mode=0\nitem1_ename=Six\nitem1_evalue=A|B|C(*)|D|E|F\n"
    "item2_mode=1\nitem2_ename=Whole\nitem2_evalue=A|Custom(*)\n"
    "item2_mincustom=100\nitem2_maxcustom=1000\n"
    "item3_mode=2\nitem3_ename=Tenths\nitem3_evalue=A|Custom(*)\n"
    "item3_mincustom=10\nitem3_maxcustom=800\n"
    "item4_mode=5\nitem4_ename=Track\nitem4_evalue=0-10/1\n"
    "item5_mode=8\nitem5_ename=Curve\nitem5_evalue=Linear(*)|Custom\n";

class ImportCheck : public ParameterFile {
 protected:
  using TKeys = std::vector<std::pair<std::string, std::string>>;

  void SetUp() override { Build(kRangePage); }

  // A file of the page's identity: the valid values, with the given keys
  // replaced or added.
  fs::path File(const TKeys& changes) const {
    TKeys keys = {{"name", "fine"}, {"1", "4"}, {"2", "1"},
                  {"2t", "500.0"},  {"3", "1"}, {"3t", "25.5"},
                  {"4", "7.0"},     {"5", "1"}, {"5t", std::string(512, '7')}};
    for (const auto& [key, value] : changes) {
      auto same =
          std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return k.first == key; });
      if (same == keys.end())
        keys.emplace_back(key, value);
      else
        same->second = value;
    }
    std::string text = "[ESC_G HW1 F1]\r\n";
    for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
    const fs::path path = Dir / "range.txt";
    WriteFile(path, text);
    return path;
  }
  // A value with six decimals and a point, whatever the locale.
  static std::string Fixed6(float Value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, Value, std::chars_format::fixed, 6);
    return std::string(text, end.ptr);
  }
  // Every value of the page's controls, as text.
  std::string Page() const {
    std::string page = UTF16ToUTF8(Control<TzrCustomTextBox>("eName")->GetText());
    for (int n : {0, 1, 2, 4})
      page +=
          " " + std::to_string(Control<TzrComboBox>("cbItem" + std::to_string(n))->GetItemIndex());
    page += " " + Fixed6(Control<TzrSpinBox>("eItem1")->GetValue());
    page += " " + Fixed6(Control<TzrSpinBox>("eItem2")->GetValue());
    page += " " + Fixed6(Control<TzrCustomTrack>("eItem3")->GetValue());
    return page + " " + UTF16ToUTF8(Control<TzrCustomTextBox>("eItem4")->GetText());
  }
};

TEST_F(ImportCheck, AValueThePageCannotHoldRefusesTheWholeFile) {
  const std::string head =
      "Nothing was imported: a value in the file is outside what the page can hold. ";
  const std::string hex = " .. 256 bytes in hexadecimal";
  const struct {
    std::string key, value, message;
  } cases[] = {
      {"1", "99", "1: 0 .. 6"},
      {"1", "7", "1: 0 .. 6"},
      {"1", "300", "1: 0 .. 6"},
      {"1", "-2147483648", "1: 0 .. 6"},
      {"1", "2147483647", "1: 0 .. 6"},
      {"1", "99999999999999999999", "1: 0 .. 6"},
      {"2", "-5", "2: 0 .. 2"},
      {"2t", "50", "2t: 100 .. 1000, whole numbers"},
      {"2t", "1000.5", "2t: 100 .. 1000, whole numbers"},
      {"2t", "500.5", "2t: 100 .. 1000, whole numbers"},
      {"2t", "1e39", "2t: 100 .. 1000, whole numbers"},
      {"2t", "1e400", "2t: 100 .. 1000, whole numbers"},
      {"2t", "-2147483648", "2t: 100 .. 1000, whole numbers"},
      {"3t", "5000", "3t: 1 .. 80, decimals: 1"},
      {"3t", "0.9", "3t: 1 .. 80, decimals: 1"},
      {"3t", "12.34", "3t: 1 .. 80, decimals: 1"},
      {"4", "11", "4: 0 .. 10"},
      {"4", "-1", "4: 0 .. 10"},
      {"4", "1e39", "4: 0 .. 10"},
      {"5t", std::string(514, 'A'), "5t: 0" + hex},
      {"5t", std::string(511, 'A'), "5t: 0" + hex},
      {"5t", "0G", "5t: 0" + hex},
      {"name", std::string(3000, 'n'), "name: 0 .. 15 characters"},
      {"name", "sixteen chars ok", "name: 0 .. 15 characters"},
  };
  const std::string before = Page();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key + "=" + c.value.substr(0, 30));
    Boxes.clear();
    EXPECT_FALSE(Form->ImportParameterFile(File({{c.key, c.value}}).string()));
    EXPECT_EQ(Boxes, std::vector<std::string>{head + c.message});
    EXPECT_EQ(Page(), before);
    EXPECT_FALSE(Form->FBusy);
  }
}

TEST_F(ImportCheck, ValuesAtTheLimitsAreTaken) {
  const struct {
    TKeys keys;
    std::string page;
  } cases[] = {
      {{}, "fine 3 0 0 0 500.000000 25.500000 7.000000 " + std::string(512, '7')},
      {{{"name", "fifteen chars!!"},
        {"1", "6"},
        {"2", "0"},
        {"2t", "1000.0"},
        {"3t", "1,0"},
        {"4", "0"},
        {"5t", ""}},
       "fifteen chars!! 5 -1 0 0 1000.000000 1.000000 0.000000 "},
      {{{"name", "十五个字符十五个字符十五个字符"},
        {"1", "0"},
        {"2t", "100"},
        {"3t", "80.0"},
        {"4", "10.04"},
        {"5t", "0a1B"}},
       "十五个字符十五个字符十五个字符 -1 0 0 0 100.000000 80.000000 10.000000 0a1B"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    Boxes.clear();
    EXPECT_TRUE(Form->ImportParameterFile(File(c.keys).string()));
    EXPECT_TRUE(Boxes.empty());
    EXPECT_EQ(Page(), c.page);
  }
}

TEST_F(ImportCheck, TheRefusalSpeaksTheLanguageInForce) {
  Form->Chinese1->SetChecked(true);
  Form->ImportParameterFile(File({{"1", "99"}}).string());
  EXPECT_EQ(Boxes,
            std::vector<std::string>{"未导入：文件中的数值超出了页面允许的范围。 1: 0 .. 6"});

  Build(kRangePage, "engimport_out_of_range=Refused.\nengimport_whole=integers\n");
  Boxes.clear();
  Form->ImportParameterFile(File({{"2t", "50"}}).string());
  EXPECT_EQ(Boxes, std::vector<std::string>{"Refused. 2t: 100 .. 1000, integers"});
}

// Runs Act; answers whether a curve editor was open while it ran (and
// cancels it).
bool EditorOpenedBy(TfrmInterface& Form, const std::function<void()>& Act) {
  struct TWatch {
    TfrmInterface* Form;
    bool Opened = false, Fired = false;
  } watch{&Form};
  g_timeout_add(
      30,
      [](gpointer p) -> gboolean {
        auto* w = static_cast<TWatch*>(p);
        w->Fired = true;
        w->Opened = w->Form->FGraphForm != nullptr;
        if (w->Opened) w->Form->FGraphForm->btnCancel->Click();
        return G_SOURCE_REMOVE;
      },
      &watch);
  Act();
  while (!watch.Fired) g_main_context_iteration(nullptr, TRUE);
  return watch.Opened;
}

TEST_F(ImportCheck, ACurveOnItsCustomEntryOpensNoEditor) {
  const std::string curve = std::string(256, '2') + std::string(256, 'C');
  EXPECT_FALSE(EditorOpenedBy(*Form, [&] {
    EXPECT_TRUE(Form->ImportParameterFile(File({{"5", "2"}, {"5t", curve}}).string()));
  }));
  EXPECT_EQ(Control<TzrComboBox>("cbItem4")->GetItemIndex(), 1);
  EXPECT_EQ(UTF16ToUTF8(Control<TzrCustomTextBox>("eItem4")->GetText()), curve);
  EXPECT_TRUE(Control<TzrCustomTextBox>("eItem4")->GetEnabled());
  EXPECT_FALSE(Form->FBusy);
  // The user's own pick still opens it.
  Control<TzrComboBox>("cbItem4")->SetItemIndex(0);
  EXPECT_TRUE(EditorOpenedBy(*Form, [&] { Control<TzrComboBox>("cbItem4")->SetItemIndex(1); }));
}

}  // namespace
