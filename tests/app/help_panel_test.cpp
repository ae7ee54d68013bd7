// The help column of the main window over a help folder of its own: texts,
// pictures, text files and web pages, and the codes that choose the text.

#include <cairo.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_panels.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_position.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A 2 x 1 PNG picture.
void WritePng(const fs::path& path) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 1);
  cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
}

class HelpPanel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "eschelpXXXXXX").string();
    Folder = mkdtemp(pattern.data());
    Help = Folder / "help";
    fs::create_directories(Help);
    WritePng(Help / "pic.png");
    WriteFile(Help / "notes.txt", "caf\xE9\r\nline 2\r\n");
    WriteFile(Help / "guide_[E].HTM", "\xEF\xBB\xBF<p>guide</p>");
    WriteFile(Help / "m_M1_H_2.html", "<p>model page</p>");
    WriteFile(Folder / "x.html", "<p>outside</p>");
    WriteFile(
        Folder / "lang.ini",
        "[common]\r\nengsetting_suggestion=Write ESC\r\nchssetting_suggestion=\xE5\x86\x99\r\n"
        "engcalc_help=calc\r\nengupgrade_firmware_help=fw\r\n"
        "englcd_upgrade_firmware_help=lcd fw\r\nchsThLow=\xE4\xBD\x8E\r\n");
    SetProgramFolder(Folder.string() + "/");
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->OpenLanguageFile();
  }
  void TearDown() override {
    Form.reset();
    SetProgramFolder("");
    fs::remove_all(Folder);
  }
  // Shows item 0 whose English help is the text.
  void ShowItemHelp(const std::string& text) {
    Form->FPageDef.items[0].ehelp = text;
    Form->ShowHelpPanel(0);
  }
  TzrLayout* Layout() const { return dynamic_cast<TzrLayout*>(Form->FindComponent("helpLayout")); }
  // The label's text, "<none>" without a label.
  std::string LabelText() const {
    for (int k = 0; k < Layout()->GetChildrenCount(); ++k)
      if (auto* label = dynamic_cast<TzrLabel*>(Layout()->GetChild(k)))
        return UTF16ToUTF8(label->GetText());
    return "<none>";
  }
  TzrImage* Picture() const {
    for (int k = 0; k < Layout()->GetChildrenCount(); ++k)
      if (auto* image = dynamic_cast<TzrImage*>(Layout()->GetChild(k))) return image;
    return nullptr;
  }
  fs::path Folder, Help;
  std::unique_ptr<TfrmInterface> Form;
};

TEST_F(HelpPanel, PlainTextIsShownAsItStands) {
  ShowItemHelp("notes.txt");
  EXPECT_EQ(LabelText(), "notes.txt");
  EXPECT_EQ(Picture(), nullptr);
  ASSERT_NE(Layout(), nullptr);
  EXPECT_EQ(Layout()->GetParent(), Form->Panel2);
  EXPECT_EQ(Layout()->GetOwner(), Form.get());
  EXPECT_FLOAT_EQ(Layout()->GetPosition()->GetX(), 20);
  EXPECT_FLOAT_EQ(Layout()->GetPosition()->GetY(), 8);
  EXPECT_FLOAT_EQ(Layout()->GetWidth(), Form->Panel2->GetWidth() - 20);
  EXPECT_FLOAT_EQ(Layout()->GetHeight(), Form->Panel2->GetHeight() - 16);
}

TEST_F(HelpPanel, APictureAndATextFileFillOneLayout) {
  ShowItemHelp("pic.png;;notes.txt");
  TzrImage* picture = Picture();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->GetBitmap()->GetWidth(), 2);
  EXPECT_EQ(picture->GetWrapMode(), zrImageStretch);
  EXPECT_FLOAT_EQ(Layout()->GetPosition()->GetX(), 14);
  EXPECT_FLOAT_EQ(Layout()->GetPosition()->GetY(), 3);
  EXPECT_FLOAT_EQ(Layout()->GetWidth(), Form->Panel2->GetWidth() - 17);
  EXPECT_FLOAT_EQ(picture->GetWidth(), Layout()->GetWidth());
  EXPECT_FLOAT_EQ(picture->GetHeight(), Layout()->GetHeight());
  EXPECT_EQ(LabelText(), "caf\xC3\xA9\nline 2\n");  // Windows-1252 without a mark
  EXPECT_EQ(Form->web->GetLeft(), 1800);
}

TEST_F(HelpPanel, ABrokenPictureShowsNothing) {
  WriteFile(Help / "bad.png", "not a picture");
  ShowItemHelp("bad.png;;");
  ASSERT_NE(Picture(), nullptr);
  EXPECT_TRUE(Picture()->GetBitmap()->IsEmpty());
  EXPECT_EQ(LabelText(), "<none>");
}

TEST_F(HelpPanel, AWebPageOpensWithTheDeviceTextsInItsName) {
  Form->FModel = "M1";
  Form->FHardware = "H/2";  // "/" may not reach the path
  ShowItemHelp("m_[E]_[H].html;;");
  EXPECT_EQ(Form->web->LocationURL(), FilePathToUrl((Help / "m_M1_H_2.html").string()));
  EXPECT_EQ(Form->web->GetLeft(), 543);
  EXPECT_EQ(LabelText(), "<none>");
  // The next call takes the view out of sight again.
  Form->ShowHelpPanel(-1);
  EXPECT_EQ(Form->web->GetLeft(), 1800);
}

TEST_F(HelpPanel, PartsThatAreNoPageOrPicture) {
  struct {
    const char* Name;
    std::string Text, Shown;
  } const cases[] = {
      {"capitals are read as text, placeholders kept", "guide_[E].HTM;;", "<p>guide</p>\n"},
      {"a trailing ;; adds no part", "notes.txt;;", "caf\xC3\xA9\nline 2\n"},
      {"parts follow one another", "notes.txt;;notes.txt",
       "caf\xC3\xA9\nline 2\ncaf\xC3\xA9\nline 2\n"},
      {"a missing file shows its path", "none.png;;", (Folder / "help" / "none.png").string()},
      {"a model key cannot leave the folder", "[E].html;;",
       (Folder / "help" / ".._x.html").string()},
      {"nor can a part", "../x.html;;", (Folder / "help" / "../x.html").string()},
  };
  for (const auto& c : cases) {
    Form->FModel = "../x";
    ShowItemHelp(c.Text);
    EXPECT_EQ(LabelText(), c.Shown) << c.Name;
    EXPECT_EQ(Form->web->GetLeft(), 1800) << c.Name;
    EXPECT_EQ(Form->web->LocationURL(), "") << c.Name;
  }
}

TEST_F(HelpPanel, CodesChooseTheText) {
  Form->FPageDef.items[39].ehelp = "last item";
  Form->FPageDef.items[5].chelp = "\xE4\xB8\xAD";
  struct {
    int Code;
    bool Chinese, Lcd;
    const char* Shown;
  } const cases[] = {
      {39, false, false, "last item"},    {5, true, false, "\xE4\xB8\xAD"},
      {99, false, false, "<none>"},  // no site help
      {102, false, false, "fw"},          {102, false, true, "lcd fw"},
      {103, false, false, "<none>"},  // no text in the file: empty default
      {104, false, false, "calc"},        {105, false, false, "Write ESC"},
      {105, true, false, "\xE5\x86\x99"}, {40, false, false, "<none>"},
      {106, false, false, "<none>"},
  };
  for (const auto& c : cases) {
    Form->Chinese1->SetChecked(c.Chinese);
    Form->LCDProgramCard1->SetChecked(c.Lcd);
    Form->ShowHelpPanel(c.Code);
    EXPECT_EQ(LabelText(), c.Shown) << c.Code;
  }
}

TEST_F(HelpPanel, BelowZeroLeavesAnEmptyLayout) {
  ShowItemHelp("pic.png;;notes.txt");
  Form->ShowHelpPanel(-1);
  ASSERT_NE(Layout(), nullptr);
  EXPECT_EQ(Layout()->GetChildrenCount(), 0);
  EXPECT_EQ(Form->web->GetLeft(), 1800);
  // Exactly one layout of that name stays in the panel.
  int layouts = 0;
  for (int k = 0; k < Form->Panel2->GetChildrenCount(); ++k)
    if (Form->Panel2->GetChild(k)->GetName() == "helpLayout") ++layouts;
  EXPECT_EQ(layouts, 1);
}

TEST_F(HelpPanel, TheGovernorPageShowsItsTopicAndTipInTheMenuLanguage) {
  Form->FModel = "Ardent_V4";
  Form->Demo1->SetChecked(true);
  Form->Chinese1->SetChecked(true);
  TComponent entry(nullptr);
  entry.SetTag(3);
  Form->ListBoxItemClick(&entry);
  EXPECT_EQ(LabelText(), "\xE5\x86\x99");
  EXPECT_EQ(UTF16ToUTF8(Form->lblTips->GetText()), "\xE4\xBD\x8E");
  entry.SetTag(1);
  Form->ListBoxItemClick(&entry);
  EXPECT_EQ(LabelText(), "<none>");
}

}  // namespace
