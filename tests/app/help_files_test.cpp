// Help files without a window: the parts of a help text, their paths inside
// the help folder and the decoding of help text files.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/HelpFiles.h"

namespace {

namespace fs = std::filesystem;

TEST(HelpFiles, PartsAndKinds) {
  EXPECT_FALSE(IsHelpFileList("notes.txt"));
  EXPECT_EQ(SplitHelpParts("a.png;;b.txt"), (std::vector<std::string>{"a.png", "b.txt"}));
  EXPECT_EQ(SplitHelpParts("a.png;;"), (std::vector<std::string>{"a.png"}));
  EXPECT_EQ(SplitHelpParts("a.png;;;;b.txt"), (std::vector<std::string>{"a.png", "", "b.txt"}));
  EXPECT_EQ(HelpPartKindOf("/h/a.png"), THelpPartKind::Picture);
  EXPECT_EQ(HelpPartKindOf("/h/a.jpg"), THelpPartKind::Picture);
  EXPECT_EQ(HelpPartKindOf("/h/a.html"), THelpPartKind::Page);
  EXPECT_EQ(HelpPartKindOf("/h/a.htm"), THelpPartKind::Page);
  // Letter case matters; a dot in a folder name is no extension.
  EXPECT_EQ(HelpPartKindOf("/h/a.PNG"), THelpPartKind::Text);
  EXPECT_EQ(HelpPartKindOf("/h/a.HTML"), THelpPartKind::Text);
  EXPECT_EQ(HelpPartKindOf("/h.html/readme"), THelpPartKind::Text);
}

TEST(HelpFiles, DeviceTextsInPageNamesAreMadeSafe) {
  const THelpDevice device{"../x", "HW/2 a", "F.1"};
  struct {
    const char* Part;
    const char* Path;
  } const cases[] = {
      {"m_[E]_[H]_[F].html", "/p/help/m_.._x_HW_2_a_F.1.html"},
      {"[E][E].htm", "/p/help/.._x.._x.htm"},
      {"m_[E].HTM", "/p/help/m_[E].HTM"},  // not a page: kept as written
      {"m_[E].txt", "/p/help/m_[E].txt"},
      {"pics\\a.png", "/p/help/pics/a.png"},
  };
  for (const auto& c : cases) EXPECT_EQ(HelpPartPath("/p/help/", c.Part, device), c.Path) << c.Part;
  EXPECT_EQ(SafeHelpName("Ardent_V4-FL.2"), "Ardent_V4-FL.2");
  EXPECT_EQ(SafeHelpName("a b/c\\d:é"), "a_b_c_d___");
}

TEST(HelpFiles, OnlyFilesInsideTheHelpFolderExist) {
  std::string pattern = (fs::temp_directory_path() / "eschelpXXXXXX").string();
  const fs::path root = mkdtemp(pattern.data());
  fs::create_directories(root / "help" / "sub");
  std::ofstream(root / "help" / "in.txt") << "x";
  std::ofstream(root / "help" / "sub" / "deep.txt") << "x";
  std::ofstream(root / "secret.txt") << "x";
  fs::create_symlink(root / "secret.txt", root / "help" / "link.txt");
  const std::string help = (root / "help").string() + "/";
  EXPECT_TRUE(HelpFileExists(help, help + "in.txt"));
  EXPECT_TRUE(HelpFileExists(help, help + "sub/deep.txt"));
  EXPECT_TRUE(HelpFileExists(help, help + "sub/../in.txt"));
  EXPECT_FALSE(HelpFileExists(help, help + "../secret.txt"));
  EXPECT_FALSE(HelpFileExists(help, help + "link.txt"));
  EXPECT_FALSE(HelpFileExists(help, help + "missing.txt"));
  EXPECT_FALSE(HelpFileExists(help, help + "sub"));  // a folder is no file
  fs::remove_all(root);
}

TEST(HelpFiles, TextFilesChooseTheirEncodingByTheMark) {
  struct {
    const char* Name;
    std::string Bytes, Text;
  } const cases[] = {
      {"no mark: Windows-1252", "caf\xE9 \x80\x93", "caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C"},
      {"UTF-8 mark", "\xEF\xBB\xBF\xE8\xAF\xB4\xE6\x98\x8E", "\xE8\xAF\xB4\xE6\x98\x8E"},
      {"UTF-16LE mark", std::string("\xFF\xFE\xF4\x8BO\0", 6), "\xE8\xAF\xB4O"},
      {"UTF-16BE mark", std::string("\xFE\xFF\x8B\xF4\0O", 6), "\xE8\xAF\xB4O"},
      {"broken UTF-8 after the mark",
       "\xEF\xBB\xBF"
       "a\xFF"
       "b",
       "a\xEF\xBF\xBD"
       "b"},
      {"an odd UTF-16 byte at the end is dropped", std::string("\xFF\xFEO\0x", 5), "O"},
      {"an unpaired UTF-16 surrogate", std::string("\xFF\xFE\x00\xD8O\0", 6), "\xEF\xBF\xBDO"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeHelpText(c.Bytes), c.Text) << c.Name;
}

TEST(HelpFiles, LinesEachEndWithABreak) {
  EXPECT_EQ(HelpTextLines("a\r\nb\rc\nd"), "a\nb\nc\nd\n");
  EXPECT_EQ(HelpTextLines("a\r\n\r\nb\r\n"), "a\n\nb\n");
  EXPECT_EQ(HelpTextLines(""), "");
  EXPECT_EQ(ReadHelpTextFile("/nonexistent/help.txt"), "");
}

}  // namespace
