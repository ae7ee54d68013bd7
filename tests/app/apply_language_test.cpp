// Applying the language file to the main window: options, the starting
// language, the title, pictures, the product label, the demo-model menu, the
// calculator fields and the navigation list's look, on a first run and on the
// runs after it.

#include <cairo.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/zr_listbox.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_text_box.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_position.h"
#include "tests/app/language_window.h"

namespace {

using ApplyLanguageTest = LanguageWindow;

// A small picture file in the program folder.
std::string WritePicture(const std::filesystem::path& folder, const std::string& name) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 3);
  const std::string path = (folder / name).string();
  cairo_surface_write_to_png(s, path.c_str());
  cairo_surface_destroy(s);
  return path;
}

TEST_F(ApplyLanguageTest, TitleShowsVersionsInTheLanguage) {
  const struct {
    std::string Lang;
    std::string Title;
  } cases[] = {
      {"lang=0", "Quenby ESC System V3.0 V1.0.0      Database: 05-21-2019(MM-DD-YY)"},
      {"lang=1\r\nchsTitle=昆比\r\nsoftware_version=V2.1", "昆比 V2.1      Database: 2019-05-21"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Lang);
    Open("[common]\r\n" + c.Lang + "\r\n");
    Form->FLocalDatabaseVersion = "2019-05-21";
    Form->ApplyLanguage();
    EXPECT_EQ(Form->GetCaption(), c.Title);
  }
}

// "lang" settles the language only while neither language item is checked;
// a value that is no number gives the default, Chinese.
TEST_F(ApplyLanguageTest, StartingLanguage) {
  const struct {
    const char* Lang;
    bool CheckedBefore, EnglishBefore;
    bool Chinese;
  } cases[] = {
      {"", false, false, true},
      {"lang=0\r\n", false, false, false},
      {"lang=false\r\n", false, false, true},
      {"lang=1\r\n", true, true, false},
      {"lang=0\r\n", true, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Lang);
    Open(std::string("[common]\r\n") + c.Lang);
    if (c.CheckedBefore) (c.EnglishBefore ? Form->English1 : Form->Chinese1)->SetChecked(true);
    Form->ApplyLanguage();
    EXPECT_EQ(Form->Chinese1->GetChecked(), c.Chinese);
    EXPECT_EQ(Form->English1->GetChecked(), !c.Chinese);
    EXPECT_EQ(Caption("DATALINK1"), "DATALINK");  // read after the language is settled
  }
}

TEST_F(ApplyLanguageTest, OptionsShowAndHideMenusAndChannelControls) {
  const char* const menus[] = {"ESCSpeedController1", "LCDProgramCard1", "Version1",
                               "MotorChecker1",       "DATALINK1",       "DATALINK2",
                               "DATALINK3",           "DATALINK4",       "DATALINK5"};
  const char* const keys[] = {"esc_option",       "lcd_option",       "demo_option",
                              "mc_option",        "datalink1_option", "datalink2_option",
                              "datalink3_option", "datalink4_option", "datalink5_option"};
  const char* const channel[] = {"lbColor",    "cbRed", "cbGreen", "cbBlue",
                                 "lbRotation", "rbCW",  "rbCCW"};
  // Missing keys: everything shown but the motor checker and the channel extras.
  Open("[common]\r\n");
  Form->ApplyLanguage();
  for (const char* menu : menus)
    EXPECT_EQ(Find<TMenuItem>(menu)->GetVisible(), std::string(menu) != "MotorChecker1") << menu;
  for (const char* name : channel) EXPECT_FALSE(Find<TzrVisualObject>(name)->GetVisible()) << name;
  // Each key turned the other way.
  std::string lang = "[common]\r\ndatalink5_1_option=1\r\ndatalink5_2_option=1\r\n";
  for (const char* key : keys) lang += std::string(key) + (key == keys[3] ? "=1\r\n" : "=0\r\n");
  Open(lang);
  Form->ApplyLanguage();
  for (const char* menu : menus)
    EXPECT_EQ(Find<TMenuItem>(menu)->GetVisible(), std::string(menu) == "MotorChecker1") << menu;
  for (const char* name : channel) EXPECT_TRUE(Find<TzrVisualObject>(name)->GetVisible()) << name;
}

// One hidden or shown item per model section, tagged by its place in the
// menu. A section without a usable "demo" gets a hidden item, and the
// sections and steps after it still run.
TEST_F(ApplyLanguageTest, DemoModelItems) {
  Open(
      "[common]\r\nautoupdate=0\r\nstylecolor=1\r\n"
      "[A]\r\nname=Model A\r\ndemo=1\r\n"
      "[B]\r\ndemo=0\r\n"
      "[C]\r\nname=Model C\r\n"
      "[D]\r\ndemo=true\r\n"
      "[E]\r\ndemo=True\r\n"
      "[F]\r\ndemo=yes\r\n"
      "[G]\r\ndemo=2\r\n");
  Form->ApplyLanguage();
  const struct {
    const char* Caption;
    const char* Hint;
    bool Visible;
  } items[] = {{"Model A", "A", true}, {"B", "B", false}, {"Model C", "C", false}, {"D", "D", true},
               {"E", "E", true},       {"F", "F", false}, {"G", "G", true}};
  TMenuItem* version = Form->Version1;
  ASSERT_EQ(version->Count(), 2 + 7);
  for (int k = 0; k < 7; ++k) {
    SCOPED_TRACE(items[k].Hint);
    const TMenuItem* item = version->Items(2 + k);
    EXPECT_EQ(item->GetTag(), 3 + k);  // at index Tag - 1
    EXPECT_EQ(item->GetCaption(), items[k].Caption);
    EXPECT_EQ(item->GetHint(), items[k].Hint);
    EXPECT_EQ(item->GetVisible(), items[k].Visible);
    EXPECT_TRUE(item->GetAutoCheck() && item->GetRadioItem());
    EXPECT_EQ(item->GetGroupIndex(), 1);
    EXPECT_TRUE(static_cast<bool>(item->OnClick));
  }
  // The steps after the demo menu ran.
  EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox[0]->GetText()), "2300");
  EXPECT_FALSE(Form->FCheckUpdates);
  EXPECT_EQ(Find<TzrControl>("tabLabel1")->GetResource(), "labelstyle2");
  // Choosing an item unchecks the others.
  version->Items(2)->Click();
  version->Items(4)->Click();
  EXPECT_FALSE(version->Items(2)->GetChecked());
  EXPECT_TRUE(version->Items(4)->GetChecked());
}

// Section names are compared exactly: a common section written "Common" is
// read for its keys and also gets an item.
TEST_F(ApplyLanguageTest, CapitalisedCommonSectionGetsAnItem) {
  Open("[Common]\r\nlang=0\r\ndemo=1\r\n");
  Form->ApplyLanguage();
  EXPECT_TRUE(Form->English1->GetChecked());
  ASSERT_EQ(Form->Version1->Count(), 3);
  EXPECT_EQ(Form->Version1->Items(2)->GetHint(), "Common");
  EXPECT_TRUE(Form->Version1->Items(2)->GetVisible());
}

// A later run changes the captions but adds no item and leaves the user's
// calculator fields; without model sections it reads the fields again.
TEST_F(ApplyLanguageTest, LaterRunsKeepWhatTheFirstBuilt) {
  for (const bool models : {true, false}) {
    SCOPED_TRACE(models ? "with model sections" : "without model sections");
    Open(std::string("[common]\r\ncacl1=1800\r\ncacl16=Governor_Low\r\nautoupdate=0\r\n") +
         (models ? "[A]\r\ndemo=1\r\n[B]\r\ndemo=1\r\n" : ""));
    Form->ApplyLanguage();
    EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox[0]->GetText()), "1800");
    EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox16->GetText()), "Governor_Low");
    Form->calcTextBox[0]->SetText(u"2000");
    Form->calcTextBox16->SetText(u"Governor_Middle");
    Form->FCheckUpdates = true;
    Form->English1->SetChecked(true);
    Form->ApplyLanguage();
    EXPECT_EQ(Text("tabLabel1"), "About");
    EXPECT_EQ(Form->Version1->Count(), models ? 4 : 2);
    EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox[0]->GetText()), models ? "2000" : "1800");
    EXPECT_EQ(UTF16ToUTF8(Form->calcTextBox16->GetText()),
              models ? "Governor_Middle" : "Governor_Low");
    EXPECT_EQ(Form->FCheckUpdates, models);  // "autoupdate" is read on the first run only
  }
}

// "stylecolor" only ever turns the white style on; the tenth label's
// neighbour "Basic" keeps its style.
TEST_F(ApplyLanguageTest, StyleColorTurnsTheWhiteLabelStyleOnOnly) {
  Open("[common]\r\nstylecolor=1\r\n");
  const std::string basic = Find<TzrControl>("tabLabel11")->GetResource();
  Form->ApplyLanguage();
  Form->FLangIni->WriteString("common", "stylecolor", "0");
  Form->ApplyLanguage();
  for (int k = 1; k <= 10; ++k) {
    auto* label = Find<TzrControl>("tabLabel" + std::to_string(k));
    EXPECT_EQ(label->GetResource(), "labelstyle2") << k;
    EXPECT_NE(label->GetResourceObject(), nullptr) << k;  // the style sheet has it
  }
  EXPECT_EQ(Find<TzrControl>("tabLabel11")->GetResource(), basic);
}

// The label beside the lamp names the product mode; the program card's mode
// also replaces a model key shown in the controller box.
TEST_F(ApplyLanguageTest, ProductLabel) {
  const struct {
    const char* Item;
    const char* Controller;
    const char* Label;
    const char* ControllerAfter;
  } cases[] = {
      {"LCDProgramCard1", "", "2合1设定盒", ""},
      {"LCDProgramCard1", "LCD_V2", "2合1设定盒", "2合1设定盒"},
      {"DATALINK3", "", "DATALINK CAN", ""},
      {"ESCSpeedController1", "VL46", "电调", "VL46"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Item) + " " + c.Controller);
    Open("[common]\r\n");
    Find<TMenuItem>(c.Item)->SetChecked(true);
    Form->eController->SetText(UTF8ToUTF16(c.Controller));
    Form->ApplyLanguage();
    EXPECT_EQ(Text("Label1"), c.Label);
    EXPECT_EQ(UTF16ToUTF8(Form->eController->GetText()), c.ControllerAfter);
  }
}

// Pictures and the icon load from files that exist; a missing file leaves
// what was there.
TEST_F(ApplyLanguageTest, PicturesIconAndPlacement) {
  const std::string logo = WritePicture(Folder, "logo.png");
  Open(
      "[common]\r\naboutimage_x=0x20\r\naboutimage_y = 20 \r\naboutimage_h=abc\r\n"
      "aboutimage=logo.png\r\nabouticon=missing.png\r\ncalcicon=logo.png\r\n"
      "styleimage=logo.png\r\nicon=" +
      logo + "\r\n");
  Form->ApplyLanguage();
  EXPECT_EQ(Form->imgLogo->GetPosition()->GetX(), 32.f);
  EXPECT_EQ(Form->imgLogo->GetPosition()->GetY(), 20.f);
  EXPECT_EQ(Form->imgLogo->GetWidth(), 589.f);
  EXPECT_EQ(Form->imgLogo->GetHeight(), 427.f);
  EXPECT_EQ(Form->imgLogo->GetBitmap()->GetWidth(), 4);
  EXPECT_EQ(Find<TzrImage>("tabImage10")->GetBitmap()->GetWidth(), 4);
  EXPECT_NE(Find<TzrImage>("tabImage1")->GetBitmap()->GetWidth(), 4);
  EXPECT_EQ(Form->GetIconFile(), logo);
  EXPECT_TRUE(Form->ListBox1->GetBackground());
  ASSERT_NE(Form->ListBox1->GetBackgroundBitmap(), nullptr);
  EXPECT_EQ(Form->ListBox1->GetBackgroundBitmap()->GetWidth(), 4);

  Open("[common]\r\nicon=missing.png\r\nstyleimage=missing.png\r\n");
  Form->ApplyLanguage();
  EXPECT_EQ(Form->GetIconFile(), "");
  EXPECT_FALSE(Form->ListBox1->GetBackground());
}

// The connect button names what a click does.
TEST_F(ApplyLanguageTest, ConnectTextFollowsTheSwitch) {
  Open("[common]\r\nchsConnect=连接\r\n");
  Form->ApplyLanguage();
  EXPECT_EQ(Text("btnConnect"), "DisConnect");
  Form->FConnectSwitch = false;
  Form->ApplyLanguage();
  EXPECT_EQ(Text("btnConnect"), "连接");
}

}  // namespace
