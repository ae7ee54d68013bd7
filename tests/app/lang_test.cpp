#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "platform/vcl/Menus.h"

namespace {

class LangTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "lang_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    FDir = pattern;
    FForm = std::make_unique<TfrmInterface>(nullptr);
    if (!FForm->Chinese1) FForm->Chinese1 = new TMenuItem(FForm.get());
    FForm->Chinese1->SetChecked(false);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }

  void Open(const std::string& text) {
    std::ofstream(FDir + "/lang.ini", std::ios::binary) << text;
    FForm->FLangIni = std::make_unique<TMemIniFile>(FDir + "/lang.ini");
  }

  std::string FDir;
  std::unique_ptr<TfrmInterface> FForm;
};

TEST_F(LangTest, LangKeyFollowsTheChineseMenuItem) {
  EXPECT_EQ(FForm->LangKey("Connect"), "engConnect");
  FForm->Chinese1->SetChecked(true);
  EXPECT_EQ(FForm->LangKey("Connect"), "chsConnect");
  FForm->Chinese1 = nullptr;  // no menu yet: English
  EXPECT_EQ(FForm->LangKey("Connect"), "engConnect");
}

TEST_F(LangTest, TextsReadTheirKeyOrTheBuiltInDefault) {
  Open(
      "[COMMON]\nengConnect=Link up\nchsconnect=连接\nengInfoTitle=\n"
      "chsTabAbout=关于本程序\n");
  EXPECT_EQ(FForm->LangText("Connect"), "Link up");
  EXPECT_EQ(FForm->LangText("InfoTitle"), "");  // present and empty: empty
  EXPECT_EQ(FForm->LangText("btn_Ok"), "Ok");   // missing: the catalogue's default
  EXPECT_EQ(FForm->LangText("Unknown", "fallback"), "fallback");
  EXPECT_EQ(FForm->LangPairText("TabAbout"), "About");
  EXPECT_EQ(FForm->LangPairText("Title"), "Quenby ESC System V3.0");

  FForm->Chinese1->SetChecked(true);
  EXPECT_EQ(FForm->LangText("Connect"), "连接");
  EXPECT_EQ(FForm->LangText("ThHigh"), "TH is too high");  // one default for both languages
  EXPECT_EQ(FForm->LangPairText("TabAbout"), "关于本程序");
  EXPECT_EQ(FForm->LangPairText("TabFirmware"), "固件更新");
  EXPECT_EQ(FForm->LangPairText("About_title"), "关于");
}

TEST_F(LangTest, WithoutALanguageFileEveryTextHasItsDefault) {
  FForm->FLangIni.reset();
  EXPECT_EQ(FForm->LangText("DisConnect"), "DisConnect");
  EXPECT_EQ(FForm->LangPairText("File_menu_version"), "Suppor Version");
  FForm->FLangIni = std::make_unique<TMemIniFile>(FDir + "/missing.ini");
  EXPECT_EQ(FForm->LangText("Channel3"), "Channel 3");
  EXPECT_TRUE(
      FForm->FLangIni->ReadBool(LangCommonSection, "lang", FindLangOption("lang")->Default));
}

TEST(LangCatalogue, DefaultsOfTheCommonSection) {
  EXPECT_TRUE(FindLangOption("esc_option")->Default);
  EXPECT_FALSE(FindLangOption("MC_OPTION")->Default);
  EXPECT_TRUE(FindLangOption("datalink5_option")->Default);
  EXPECT_FALSE(FindLangOption("datalink5_2_option")->Default);
  EXPECT_EQ(FindLangInteger("aboutimage_w")->Default, 589);
  EXPECT_STREQ(FindLangPlainText("cacl16")->Default, "Governor_High");
  EXPECT_STREQ(FindLangPlainText("software_version")->Default, "V1.0.0");
  EXPECT_STREQ(FindLangPair("Device_menu_lcd")->Chinese, "2合1设定盒");
  EXPECT_EQ(FindLangPair("nothing"), nullptr);
  // Every base name of a table is unique.
  for (const auto& row : LangCaptionPairs()) EXPECT_EQ(FindLangPair(row.Base), &row) << row.Base;
  for (const auto& row : LangKeyTexts()) EXPECT_EQ(FindLangKeyText(row.Key), &row) << row.Key;
}

}  // namespace
