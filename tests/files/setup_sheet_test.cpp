// The setup sheet on the demo models with the save dialog and the header
// dialog answered by hooks, in English and in Chinese: where the pictures
// stand, which models get a header and a calculator picture, the written-back
// choices, Cancel, and the file read back by qpdf and poppler's tools. The
// sheets and the header pictures go to build/gallery/.

#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "app/SceneCapture.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_panels.h"
#include "files/frmInput.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_scene.h"
#include "tests/support/RunCommand.h"

namespace {

namespace fs = std::filesystem;

const std::string kGallery = std::string(ESCTOOL_BINARY_DIR) + "/gallery";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One drawn picture: its name and the matrix of its "cm" operator.
struct TDrawn {
  std::string Name;
  int W, H, X, Y;
};

// The pictures the page's content draws, in order (the content is written
// uncompressed).
std::vector<TDrawn> DrawnPictures(const std::string& pdf) {
  static const std::regex cm(R"((-?\d+) 0 0 (-?\d+) (-?\d+) (-?\d+) cm\s+/(\S+) Do)");
  std::vector<TDrawn> drawn;
  for (std::sregex_iterator i(pdf.begin(), pdf.end(), cm), end; i != end; ++i)
    drawn.push_back(
        {(*i)[5], std::stoi((*i)[1]), std::stoi((*i)[2]), std::stoi((*i)[3]), std::stoi((*i)[4])});
  return drawn;
}

const TDrawn* Find(const std::vector<TDrawn>& drawn, const std::string& name) {
  for (const TDrawn& d : drawn)
    if (d.Name == name) return &d;
  return nullptr;
}

void SavePng(TzrBitmap& picture, const std::string& name) {
  fs::create_directories(kGallery);
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(picture.GetStartLine()), CAIRO_FORMAT_ARGB32,
      picture.GetWidth(), picture.GetHeight(), picture.GetWidth() * 4);
  EXPECT_EQ(cairo_surface_write_to_png(surface, (kGallery + "/" + name + ".png").c_str()),
            CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(surface);
}

class SetupSheet : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "sheet_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    FDir = pattern;
    fs::copy_file(std::string(ESCTOOL_BINARY_DIR) + "/lang.ini", FDir + "/lang.ini");
    MessageBoxHook = [this](const TMessageBoxRequest& r) {
      FMessages.push_back(r.Text);
      return 1;
    };
    // The default answer: the dialog as the report filled it, confirmed.
    TfrmInput::ModalHandler = [this](TfrmInput& dialog) {
      ++FHeaderShown;
      if (FAnswer) return FAnswer(dialog);
      dialog.btnOkClick(dialog.btnOk);
      return int(mrOk);
    };
  }
  void TearDown() override {
    FileDialogHook = nullptr;
    MessageBoxHook = nullptr;
    TfrmInput::ModalHandler = nullptr;
    fs::remove_all(FDir);
  }

  // The main window with the demo model of Section built, FModel set to
  // Model, and Keys written to section "common" first.
  std::unique_ptr<TfrmInterface> Window(const std::string& Section, const std::string& Model,
                                        bool Chinese,
                                        const std::map<std::string, std::string>& Keys = {}) {
    auto form = std::make_unique<TfrmInterface>(nullptr);
    form->OnActivate = nullptr;
    form->FLangIni = std::make_unique<TMemIniFile>(FDir + "/lang.ini");
    for (const auto& [key, value] : Keys) form->FLangIni->WriteString("common", key, value);
    form->Chinese1->SetChecked(Chinese);
    form->English1->SetChecked(!Chinese);
    form->ESCSpeedController1->SetChecked(true);
    form->Demo1->SetChecked(true);
    form->LoadModelDefinition(Section);
    form->BuildParameterPages();
    form->FModel = Model;
    form->FFirmware = "VL450-1.2";
    return form;
  }

  // Print with the save dialog answered by Name in the test folder.
  std::string Print(TfrmInterface& form, const std::string& Name = "sheet.pdf") {
    const std::string path = FDir + "/" + Name;
    FileDialogHook = [path](TFileDialog& dialog) {
      dialog.SetFileName(path);
      return true;
    };
    form.Print1Click(form.Print1);
    return path;
  }

  std::string LangFileText() const { return ReadFile(FDir + "/lang.ini"); }

  std::string FDir;
  std::vector<std::string> FMessages;
  int FHeaderShown = 0;
  std::function<int(TfrmInput&)> FAnswer;
};

// The car demo: header, two group pages, the throttle curve (item 4, group 2).
TEST_F(SetupSheet, CarModelPlacesHeaderGroupsAndCurveByDefaults) {
  auto form = Window("CAR_ESC DEMO-VL450SD", "CAR_ESC", false);
  const std::string path = Print(*form);
  EXPECT_TRUE(FMessages.empty()) << FMessages.front();
  EXPECT_EQ(FHeaderShown, 1);
  const std::vector<TDrawn> drawn = DrawnPictures(ReadFile(path));
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].Name, "header");
  EXPECT_EQ(drawn[1].Name, "ListBoxItem2");
  EXPECT_EQ(drawn[2].Name, "ListBoxItem3");
  EXPECT_EQ(drawn[3].Name, "item4");
  const int top = 4508 - 54;
  // The header spans the page between the margins; its height follows the
  // panel's proportions (749 by 248) less 80 points.
  EXPECT_EQ(drawn[0].W, 2203);
  EXPECT_EQ(drawn[0].H, int(2203.0 * 248 / 749 - 80));
  EXPECT_EQ(drawn[0].X, 138);
  EXPECT_EQ(drawn[0].Y, top - drawn[0].H);
  // Group pages: 5 right of the margin, 1000 below the top line, 500 apart;
  // Panel3 wide, as high as Panel3 less Panel4.
  for (int g : {0, 1}) {
    SCOPED_TRACE(g);
    const TDrawn& d = drawn[size_t(1 + g)];
    EXPECT_EQ(d.X, 143);
    EXPECT_EQ(d.W, 447);
    EXPECT_EQ(d.H, 524 - 80);
    EXPECT_EQ(d.Y, top - (1000 + 500 * g) - d.H);
  }
  // The curve editor of group 2: 2000 + 500 below the top line, its own size.
  EXPECT_EQ(drawn[3].X, 143);
  EXPECT_EQ(drawn[3].Y, top - 2500 - drawn[3].H);
  EXPECT_GT(drawn[3].W, 0);
  // The report leaves nothing open and the first page shown.
  EXPECT_EQ(form->FGraphForm, nullptr);
  EXPECT_FALSE(form->FReportCapture);
  EXPECT_EQ(form->ListBox1->GetItemIndex(), 0);
}

TEST_F(SetupSheet, ModelsChooseHeaderAndCalculator) {
  struct Case {
    const char* section;
    const char* model;
    bool header, calculator;
  } cases[] = {{"AIRPLANE DEMO-AP40_V1", "AIRPLANE_ESC", false, true},
               {"AIRPLANE DEMO-AP40_V1", "AIRPLANE_ESC_HV", false, true},
               {"CAR_ESC DEMO-VL450SD", "CAR_ESC", true, false},
               {"CAR_ESC DEMO-VL450SD", "BOAT_ESC", false, false},
               {"Ardent_V4 DEMO-ARD80_V2", "Ardent_V4", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    FHeaderShown = 0;
    auto form = Window(c.section, c.model, false);
    const std::vector<TDrawn> drawn = DrawnPictures(ReadFile(Print(*form)));
    EXPECT_EQ(FHeaderShown, c.header ? 1 : 0);
    EXPECT_EQ(Find(drawn, "header") != nullptr, c.header);
    const TDrawn* calc = Find(drawn, "ListBoxItem10");
    ASSERT_EQ(calc != nullptr, c.calculator);
    if (calc) EXPECT_EQ(calc->Y, 4508 - 54 - 5 - calc->H);
    EXPECT_TRUE(FMessages.empty());
  }
}

// The sample editor (mode 11, item 6 of the Ardent demo's second group)
// lies one picture height and 100 points below its placement.
TEST_F(SetupSheet, SampleEditorPictureLiesOneHeightLower) {
  auto form = Window("Ardent_V4 DEMO-ARD80_V2", "Ardent_V4", false);
  const std::vector<TDrawn> drawn = DrawnPictures(ReadFile(Print(*form)));
  const TDrawn* editor = Find(drawn, "item6");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->X, 143);
  EXPECT_GT(editor->H, 0);
  EXPECT_EQ(editor->Y, 4454 - 2500 - 2 * editor->H - 100);
  EXPECT_EQ(form->FGraph2Form, nullptr);
}

// An error part way (a choice list that is no list, a folder that does not
// exist) is shown, leaves no file behind and an old one whole, and the
// report still ends on the first page.
TEST_F(SetupSheet, ErrorLeavesNoFileAndTheOldOneWhole) {
  struct Case {
    const char* key;
    const char* value;
    const char* name;
  } cases[] = {{"engexport_type_items", "1-5", "old.pdf"},
               {"engexport_title", "", "missing/new.pdf"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FMessages.clear();
    std::ofstream(FDir + "/old.pdf", std::ios::binary) << "old sheet";
    auto form = Window("CAR_ESC DEMO-VL450SD", "CAR_ESC", false, {{c.key, c.value}});
    const std::string path = Print(*form, c.name);
    EXPECT_EQ(FMessages.size(), 1u);
    EXPECT_EQ(ReadFile(FDir + "/old.pdf"), "old sheet");
    EXPECT_FALSE(fs::exists(FDir + "/missing"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(FDir)) files += entry.is_regular_file();
    EXPECT_EQ(files, 2);  // the language file and the old sheet
    EXPECT_EQ(form->ListBox1->GetItemIndex(), 0);
    EXPECT_FALSE(form->FReportCapture);
  }
}

TEST_F(SetupSheet, CancelInTheHeaderWritesNoFileAndNoKey) {
  const std::string before = LangFileText();
  auto form = Window("CAR_ESC DEMO-VL450SD", "CAR_ESC", false);
  FAnswer = [](TfrmInput& dialog) {
    dialog.RadioButtons[4]->SetIsChecked(true);
    dialog.btnCancelClick(dialog.btnCancel);
    return int(mrCancel);
  };
  // A new name leaves no file; an existing one keeps its bytes.
  const std::string fresh = Print(*form, "fresh.pdf");
  EXPECT_FALSE(fs::exists(fresh));
  std::ofstream(FDir + "/old.pdf", std::ios::binary) << "old sheet";
  Print(*form, "old.pdf");
  EXPECT_EQ(ReadFile(FDir + "/old.pdf"), "old sheet");
  EXPECT_EQ(LangFileText(), before);
  EXPECT_EQ(form->ListBox1->GetItemIndex(), 0);
  // Only the two named files and the language file are in the folder.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(FDir)) files += entry.is_regular_file();
  EXPECT_EQ(files, 2);
}

TEST_F(SetupSheet, ChoicesAreReadAndWrittenBack) {
  auto form = Window("CAR_ESC DEMO-VL450SD", "CAR_ESC", false,
                     {{"export_track_index", "1"},
                      {"engexport_traction_items", "LOW|HIGH"},
                      {"engexport_rotor_items", "A|B|Other"},
                      {"export_rotor_index", "2"}});
  FAnswer = [](TfrmInput& dialog) {
    EXPECT_FALSE(dialog.RadioButtons[0]->GetIsChecked());
    EXPECT_TRUE(dialog.RadioButtons[1]->GetIsChecked());
    // A list shorter than its buttons leaves the missing ones without text.
    EXPECT_EQ(dialog.RadioButtons[3]->GetText(), u"HIGH");
    EXPECT_EQ(dialog.RadioButtons[4]->GetText(), u"");
    EXPECT_EQ(dialog.RadioButtons[6]->GetText(), u"CONCRETE");
    EXPECT_EQ(dialog.eRotor->GetText(), u"Other");
    EXPECT_FALSE(dialog.eRotor->GetReadOnly());
    EXPECT_EQ(dialog.eDriver->GetText(), u"Crawler Setup");
    EXPECT_EQ(dialog.eVersion->GetText(), u"VL450-1.2");
    EXPECT_EQ(dialog.eDate->GetText().size(), 10u);
    dialog.RadioButtons[4]->SetIsChecked(true);
    dialog.RadioButtons[7]->SetIsChecked(true);
    dialog.eEcs->SetItemIndex(1);
    dialog.btnOkClick(dialog.btnOk);
    return int(mrOk);
  };
  Print(*form, "Crawler Setup.pdf");
  EXPECT_TRUE(FMessages.empty());
  TMemIniFile saved(FDir + "/lang.ini");
  EXPECT_EQ(saved.ReadInteger("common", "export_traction_index", -1), 2);
  EXPECT_EQ(saved.ReadInteger("common", "export_track_index", -1), 1);
  EXPECT_EQ(saved.ReadInteger("common", "export_surface_index", -1), 2);
  EXPECT_EQ(saved.ReadInteger("common", "export_type_index", -1), 0);
  EXPECT_EQ(saved.ReadInteger("common", "export_ecs_index", -1), 1);
  EXPECT_EQ(saved.ReadInteger("common", "export_rotor_index", -1), 2);
  EXPECT_NE(LangFileText().rfind("\xEF\xBB\xBF", 0), 0u);
}

TEST_F(SetupSheet, SheetIsWrittenWhenTheChoicesCannotBeKept) {
  auto form = Window("CAR_ESC DEMO-VL450SD", "CAR_ESC", false);
  // The language file cannot be replaced (as in a read-only program folder,
  // which does not stop a test run as root): a folder stands in its place.
  fs::remove(FDir + "/lang.ini");
  fs::create_directory(FDir + "/lang.ini");
  const mode_t umaskBefore = umask(027);
  const std::string path = Print(*form);
  umask(umaskBefore);
  ASSERT_EQ(FMessages.size(), 1u);
  EXPECT_NE(FMessages[0].find("not kept"), std::string::npos) << FMessages[0];
  EXPECT_EQ(ReadFile(path).rfind("%PDF-1.2", 0), 0u);
  EXPECT_NE(Find(DrawnPictures(ReadFile(path)), "header"), nullptr);
  // The sheet gets the mode of a new file, not that of a private temporary one.
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
  int files = 0;
  for (const auto& entry : fs::directory_iterator(FDir)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);
  EXPECT_EQ(form->ListBox1->GetItemIndex(), 0);
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(SetupSheet, TitleAndVersionLinesOnlyWhenSet) {
  // Without title and version only the pictures' labels are written.
  auto plain = Window("CAR_ESC DEMO-VL450SD", "BOAT_ESC", false);
  const std::string none = ReadFile(Print(*plain, "plain.pdf"));
  EXPECT_EQ(Count(none, "\nBT\n"), DrawnPictures(none).size());
  auto titled = Window("CAR_ESC DEMO-VL450SD", "BOAT_ESC", false,
                       {{"engexport_title", "Boat Sheet"},
                        {"engexport_version", "Sheet 3"},
                        {"export_version_size", "20"}});
  const std::string text = ReadFile(Print(*titled, "titled.pdf"));
  const std::vector<TDrawn> drawn = DrawnPictures(text);
  EXPECT_EQ(Count(text, "\nBT\n"), drawn.size() + 2);
  // The title at (L + 5, T - 5); the version 150 below the last picture's height.
  EXPECT_NE(text.find("143 4449 Td\n(Boat Sheet) Tj"), std::string::npos);
  EXPECT_NE(text.find(" 20 Tf"), std::string::npos);
  EXPECT_NE(text.find(std::to_string(4449 - drawn.back().H - 150) + " Td\n(Sheet 3) Tj"),
            std::string::npos);
}

TEST_F(SetupSheet, ItemsAreCapturedOnceAndBadEntriesSkipped) {
  auto form = Window("CAR_ESC DEMO-VL450SD", "BOAT_ESC", false);
  form->FPageDef.tabs[0].group = "0,1,4,99,-1,x,2,3";
  // A curve mode whose item has no curve box (item 0 is a combo) is skipped.
  form->FPageDef.items[0].mode = imCurve256;
  const std::string path = Print(*form);
  EXPECT_TRUE(FMessages.empty()) << FMessages.front();
  const std::vector<TDrawn> drawn = DrawnPictures(ReadFile(path));
  int items = 0;
  for (const TDrawn& d : drawn) items += d.Name == "item4";
  EXPECT_EQ(items, 1);
  EXPECT_EQ(Find(drawn, "item0"), nullptr);
  // Captured with the first group that lists it.
  EXPECT_EQ(Find(drawn, "item4")->Y, 4454 - 2000 - Find(drawn, "item4")->H);
  EXPECT_EQ(RunCommand("qpdf --check '" + path + "' >/dev/null").Status, 0);
}

TEST_F(SetupSheet, NoGroupsOrCancelledSaveWritesNothing) {
  auto form = Window("CAR_ESC DEMO-VL450SD", "CAR_ESC", false);
  int asked = 0;
  FileDialogHook = [&asked](TFileDialog&) { return ++asked, false; };
  form->Print1Click(form->Print1);
  EXPECT_EQ(asked, 1);
  form->FPageDef.tab = 0;
  form->Print1Click(form->Print1);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(FHeaderShown, 0);
  EXPECT_EQ(form->ListBox1->GetItemIndex(), 0);
}

// The whole file read back by the outside tools, and the sheet and header
// pictures written to the gallery.
class SetupSheetFile : public SetupSheet, public ::testing::WithParamInterface<bool> {};

TEST_P(SetupSheetFile, ToolsReadTheSheet) {
  const bool chinese = GetParam();
  const std::string suffix = chinese ? "_zh" : "_en";
  FAnswer = [&](TfrmInput& dialog) {
    dialog.eEvent->SetText(chinese ? u"冬季杯" : u"Winter Cup");
    dialog.eNation->SetText(chinese ? u"中国" : u"Germany");
    dialog.eChassis->SetText(u"TRX-4");
    dialog.eNote->SetText(chinese ? u"低速爬坡设置" : u"Slow crawl setup for rocks");
    dialog.RadioButtons[3]->SetIsChecked(true);
    dialog.btnOkClick(dialog.btnOk);
    std::unique_ptr<TzrBitmap> picture = RenderSceneArea(*dialog.ControlsScene, 0, 0, 749, 287);
    SavePng(*picture, "setup_sheet_header" + suffix);
    return int(mrOk);
  };
  auto form = Window("CAR_ESC DEMO-VL450SD", "CAR_ESC", chinese);
  fs::create_directories(kGallery);
  const std::string sheet = Print(*form, "setup_sheet" + suffix + ".pdf");
  EXPECT_TRUE(FMessages.empty());
  const std::string path = kGallery + "/setup_sheet" + suffix + ".pdf";
  fs::copy_file(sheet, path, fs::copy_options::overwrite_existing);

  EXPECT_EQ(RunCommand("qpdf --check '" + path + "' >/dev/null").Status, 0);
  const TRun info = RunCommand("pdfinfo '" + path + "'");
  EXPECT_NE(info.Output.find("Pages:           1\n"), std::string::npos) << info.Output;
  EXPECT_NE(info.Output.find("Page size:       2479 x 4508 pts"), std::string::npos) << info.Output;
  const TRun text = RunCommand("pdftotext '" + path + "' -");
  for (const char* label : chinese ? std::vector<const char*>{"驱动", "油门曲线"}
                                   : std::vector<const char*>{"Drive", "Throttle Curve"})
    EXPECT_NE(text.Output.find(label), std::string::npos) << label << "\n" << text.Output;
  const TRun images = RunCommand("pdfimages -list '" + path + "' | grep -c ' jpeg '");
  EXPECT_EQ(images.Output, "4\n");
  const TRun render = RunCommand("pdftoppm -png -r 18 -singlefile '" + path + "' '" + kGallery +
                                 "/setup_sheet" + suffix + "'");
  EXPECT_EQ(render.Status, 0) << render.Output;
}

INSTANTIATE_TEST_SUITE_P(Language, SetupSheetFile, ::testing::Bool());

}  // namespace
