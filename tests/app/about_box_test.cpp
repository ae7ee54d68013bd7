// The about box: its texts from the language file, its web links, and the
// credits animation on the virtual clock; pictures of it in the gallery.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/LangCommon.h"
#include "app/frmAbout.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/XwTimer.h"
#include "controls/zr_controls.h"
#include "controls/zr_layouts.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/ShellOpen.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_ani.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_scene.h"

namespace {

namespace fs = std::filesystem;

std::string Text(const TzrText* t) { return UTF16ToUTF8(t->GetText()); }
std::string Text(const TzrTextControl* t) { return UTF16ToUTF8(t->GetText()); }

class AboutBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  AboutBoxTest() {
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->OnActivate = nullptr;
    Form->Timer1->SetOnTimer(nullptr);
  }
  ~AboutBoxTest() override {
    TfrmAbout::ModalHandler = nullptr;
    ShellOpenHook = nullptr;
    SetProgramFolder("");
  }
  void SetChinese(bool chinese) {
    Form->Chinese1->SetChecked(chinese);
    Form->English1->SetChecked(!chinese);
  }
  std::unique_ptr<TfrmInterface> Form;
};

TEST_F(AboutBoxTest, TextsComeFromTheLanguageOfTheMenu) {
  // A language file without the about keys: empty texts, built-in captions.
  std::string pattern = (fs::temp_directory_path() / "escaboutXXXXXX").string();
  const fs::path folder = mkdtemp(pattern.data());
  SetProgramFolder(folder.string() + "/");
  Form->OpenLanguageFile();
  struct TSeen {
    std::string caption, text1, text2, text3, button1, button2;
  } seen;
  TfrmAbout::ModalHandler = [&](TfrmAbout& box) {
    seen = {box.GetCaption(), Text(box.Text1),   Text(box.Text2),
            Text(box.Text3),  Text(box.Button1), Text(box.Button2)};
    EXPECT_EQ(Text(box.textList), "");
    return static_cast<int>(mrOk);
  };
  for (const bool chinese : {false, true}) {
    SetChinese(chinese);
    Form->About1Click(nullptr);
    EXPECT_EQ(seen.caption, chinese ? "关于" : "About");
    for (const std::string& t : {seen.text1, seen.text2, seen.text3, seen.button1, seen.button2})
      EXPECT_EQ(t, "");
  }
  // With the keys, those of the checked language; the menu entry opens the box.
  Form->FLangIni->WriteString(LangCommonSection, "engAbout_label2", "http://127.0.0.1/");
  Form->FLangIni->WriteString(LangCommonSection, "chsAbout_btnok", "确定");
  Form->FLangIni->WriteString(LangCommonSection, "engAbout_btnok", "OK");
  SetChinese(false);
  dynamic_cast<TMenuItem*>(Form->FindComponent("About1"))->Click();
  EXPECT_EQ(seen.text2, "http://127.0.0.1/");
  EXPECT_EQ(seen.button2, "OK");
  SetChinese(true);
  Form->About1Click(nullptr);
  EXPECT_EQ(seen.text2, "");
  EXPECT_EQ(seen.button2, "确定");
  fs::remove_all(folder);
}

TEST_F(AboutBoxTest, OnlyHttpTextsOpen) {
  std::vector<std::string> opened;
  ShellOpenHook = [&](const std::string& uri) {
    opened.push_back(uri);
    return true;
  };
  TfrmAbout box(Form.get());
  const struct {
    std::u16string text;
    bool opens;
  } cases[] = {
      {u"http://www.example.com/esc", true},
      {u"https://www.example.com/", false},
      {u"www.example.com", false},
      {u"Version 1.0", false},
      {u" http://x/", false},
      {u"", false},
  };
  for (const auto& c : cases) {
    for (TzrText* text : {box.Text2, box.Text3}) {
      opened.clear();
      text->SetText(c.text);
      if (text == box.Text2)
        box.Text2Click(text);
      else
        box.Text3Click(text);
      EXPECT_EQ(opened.size(), c.opens ? 1u : 0u) << UTF16ToUTF8(c.text);
      if (c.opens && !opened.empty()) EXPECT_EQ(opened[0], UTF16ToUTF8(c.text));
    }
  }
}

TEST_F(AboutBoxTest, CreditsShrinkFadeAndScrollWithoutEnd) {
  TScopedVirtualClock clock;
  TfrmAbout box(Form.get());
  const float top = box.AniLayout->GetPosition()->GetY();
  const float height = box.AniLayout->GetHeight();
  box.Button1Click(box.Button1);
  EXPECT_FLOAT_EQ(box.LogoImage->GetScale()->GetX(), 0.5f);
  EXPECT_FLOAT_EQ(box.LogoImage->GetScale()->GetY(), 0.5f);
  EXPECT_FALSE(box.FirstLayout->GetVisible());
  EXPECT_FLOAT_EQ(box.FirstLayout->GetOpacity(), 0);
  EXPECT_TRUE(box.AniLayout->GetVisible());
  EXPECT_FLOAT_EQ(box.AniLayout->GetOpacity(), 1);
  ASSERT_TRUE(box.CreditsTimer->GetEnabled());

  box.CreditsTimerTimer(box.CreditsTimer);
  EXPECT_FALSE(box.CreditsTimer->GetEnabled());
  EXPECT_TRUE(box.Slide->GetRunning());
  // Up by its own height in 60 s: half way after 30 s, and over again after 60.
  const float way = -height - top;
  // The scene's animation timer ticks every 33 ms.
  const auto run = [&](int ms) {
    for (int t = 0; t < ms; t += 33) clock->Advance(33);
  };
  run(30000);
  EXPECT_NEAR(box.AniLayout->GetPosition()->GetY(), top + way / 2, 5);
  run(45000);
  EXPECT_TRUE(box.Slide->GetRunning());
  EXPECT_NEAR(box.AniLayout->GetPosition()->GetY(), top + way / 4, 5);
  box.Slide->Stop();
}

TEST_F(AboutBoxTest, PictureIsBuiltInAndCloseClosesTheBox) {
  TfrmAbout box(Form.get());
  // The program picture is built into the form.
  EXPECT_EQ(box.LogoImage->GetBitmap()->GetWidth(), 221);
  EXPECT_EQ(box.LogoImage->GetBitmap()->GetHeight(), 216);
  box.Show();
  ASSERT_TRUE(box.GetVisible());
  box.Button2->Click();
  EXPECT_FALSE(box.GetVisible());
}

// Pumps the real main loop for a while.
void Pump(int ms) {
  for (int t = 0; t < ms; t += 5) {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    g_usleep(5000);
  }
}

void SaveWindow(TForm& form, const std::string& name) {
  GtkWidget* window = form.Handle();
  const int w = gtk_widget_get_allocated_width(window);
  const int h = gtk_widget_get_allocated_height(window);
  cairo_surface_t* shot = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(shot);
  gtk_widget_draw(window, cr);
  cairo_destroy(cr);
  const fs::path folder = fs::path(ESCTOOL_BINARY_DIR) / "gallery";
  fs::create_directories(folder);
  EXPECT_EQ(cairo_surface_write_to_png(shot, (folder / (name + ".png")).c_str()),
            CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(shot);
}

TEST_F(AboutBoxTest, GalleryBeforeAndDuringTheCredits) {
  SetProgramFolder(std::string(ESCTOOL_BINARY_DIR) + "/");  // the shipped language file
  Form->OpenLanguageFile();
  for (const bool chinese : {false, true}) {
    SetChinese(chinese);
    const std::string language = chinese ? "zh" : "en";
    TfrmAbout* shown = nullptr;
    TfrmAbout::ModalHandler = [&](TfrmAbout& box) {
      shown = &box;
      box.Show();
      Pump(300);
      SaveWindow(box, "about_box_" + language);
      box.Button1Click(box.Button1);
      box.CreditsTimerTimer(box.CreditsTimer);
      Pump(3000);
      SaveWindow(box, "about_box_credits_" + language);
      EXPECT_LT(box.AniLayout->GetPosition()->GetY(), 225 - 40);
      box.Slide->Stop();
      box.Hide();
      return static_cast<int>(mrOk);
    };
    Form->About1Click(nullptr);
    EXPECT_NE(shown, nullptr);
  }
}

}  // namespace
