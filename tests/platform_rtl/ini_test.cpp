#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <thread>

#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "ini_test_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    FDir = pattern;
    FPath = FDir + "/lang.ini";
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }

  void WriteFile(const std::string& text) const { std::ofstream(FPath, std::ios::binary) << text; }
  std::string ReadFile() const {
    std::ifstream in(FPath, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::string FDir;
  std::string FPath;
};

TEST_F(IniFileTest, ChineseValuesRoundTripWithoutByteOrderMark) {
  {
    TMemIniFile ini(FPath);  // no file yet: empty
    EXPECT_TRUE(ini.ReadSections().empty());
    ini.WriteString("common", "chsTitle", "电调设置工具");
    ini.WriteInteger("common", "aboutimage_x", -16);
    ini.WriteBool("common", "lang", false);
    ini.WriteFloat("common", "ratio", 0.1);
    ini.WriteString("型号 V1", "名称", " 带 空格 ");
    ini.UpdateFile();
  }
  const std::string saved = ReadFile();
  EXPECT_NE(saved.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(saved.find("lang=0"), std::string::npos);
  EXPECT_NE(saved.find("ratio=0.1"), std::string::npos);

  TMemIniFile again(FPath);
  EXPECT_EQ(again.ReadString("common", "chsTitle", ""), "电调设置工具");
  EXPECT_EQ(again.ReadInteger("common", "aboutimage_x", 0), -16);
  EXPECT_FALSE(again.ReadBool("common", "lang", true));
  EXPECT_DOUBLE_EQ(again.ReadFloat("common", "ratio", 0), 0.1);
  // Values are trimmed when read back from the file.
  EXPECT_EQ(again.ReadString("型号 V1", "名称", ""), "带 空格");
}

TEST_F(IniFileTest, LeadingMarkIsSkippedAndNotWrittenBack) {
  WriteFile("\xEF\xBB\xBF[common]\r\nkey=值\r\n");
  TMemIniFile ini(FPath);
  EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"common"});
  EXPECT_EQ(ini.ReadString("common", "key", ""), "值");
  ini.UpdateFile();
  EXPECT_EQ(ReadFile(), "[common]\r\nkey=值\r\n");  // CR LF kept, mark gone
}

TEST_F(IniFileTest, NamesCompareWithoutCaseAndOrderIsKept) {
  WriteFile("[COMMON]\nEsc_Option = 0\nb=2\na=1\n[Ünïcode]\nk=v\n[zeta]\n");
  TMemIniFile ini(FPath);
  EXPECT_FALSE(ini.ReadBool("common", "esc_option", true));
  EXPECT_TRUE(ini.ValueExists("Common", "ESC_OPTION"));
  EXPECT_TRUE(ini.SectionExists("ünÏcode"));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"COMMON", "Ünïcode", "zeta"}));
  EXPECT_EQ(ini.ReadSection("common"), (std::vector<std::string>{"Esc_Option", "b", "a"}));
  EXPECT_EQ(ini.ReadSectionValues("common"),
            (std::vector<std::string>{"Esc_Option=0", "b=2", "a=1"}));

  // Writing an existing key in another case replaces it in place.
  ini.WriteString("Common", "B", "20");
  ini.WriteString("common", "c", "3");
  EXPECT_EQ(ini.ReadSectionValues("common"),
            (std::vector<std::string>{"Esc_Option=0", "b=20", "a=1", "c=3"}));
  ini.DeleteKey("COMMON", "A");
  EXPECT_FALSE(ini.ValueExists("common", "a"));
  ini.EraseSection("ÜNÏCODE");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"COMMON", "zeta"}));
  ini.UpdateFile();
  EXPECT_EQ(ReadFile(), "[COMMON]\nEsc_Option=0\nb=20\nc=3\n[zeta]\n");
}

TEST_F(IniFileTest, TypedReadsFollowTheFileRules) {
  WriteFile(
      "[s]\n"
      "hex=0x20\nHEX2=$1f\nspaced =  20  \nneg=-7\nword=true\nempty=\nbig=99999999999\n"
      "two=a=b\nfloat=1.5\nfloatcomma=1,5\nexp=2e3\nnan=nan\nhexonly=0x\n"
      "hexmin=-$80000000\nhexall=-$FFFFFFFF\nmin=-2147483648\n");
  TMemIniFile ini(FPath);
  const int lowest = std::numeric_limits<int>::min();
  const struct {
    const char* key;
    int expected;
  } ints[] = {{"hex", 32},     {"hex2", 31},       {"spaced", 20}, {"neg", -7},  {"word", 5},
              {"empty", 5},    {"big", 5},         {"missing", 5}, {"float", 5}, {"hexonly", 5},
              {"min", lowest}, {"hexmin", lowest}, {"hexall", 1}};
  for (const auto& c : ints) EXPECT_EQ(ini.ReadInteger("s", c.key, 5), c.expected) << c.key;

  EXPECT_TRUE(ini.ReadBool("s", "neg", false));  // any non-zero number is true
  EXPECT_TRUE(ini.ReadBool("s", "word", true));  // "true" is no number: the default
  EXPECT_FALSE(ini.ReadBool("s", "word", false));
  EXPECT_TRUE(ini.ReadBool("s", "empty", true));

  EXPECT_EQ(ini.ReadString("s", "two", ""), "a=b");  // split at the first "="
  EXPECT_EQ(ini.ReadString("s", "empty", "dflt"), "");
  EXPECT_EQ(ini.ReadString("s", "missing", "dflt"), "dflt");

  EXPECT_DOUBLE_EQ(ini.ReadFloat("s", "float", 0), 1.5);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("s", "floatcomma", -1), -1);  // "," is never a separator
  EXPECT_DOUBLE_EQ(ini.ReadFloat("s", "exp", 0), 2000);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("s", "nan", 9), 9);
}

TEST_F(IniFileTest, BadInputLoadsAndKeepsEveryGoodLine) {
  const struct {
    const char* name;
    std::string text;
    std::string section, key, expected;
  } cases[] = {
      {"mark", "\xEF\xBB\xBF[a]\nk=v\n", "a", "k", "v"},
      {"duplicate key: first wins", "[a]\nk=1\nk=2\n", "a", "k", "1"},
      {"duplicate section continues the first", "[a]\nx=1\n[b]\n[A]\nk=v\n", "a", "k", "v"},
      {"line without =", "[a]\njunk line\nk=v\n", "a", "k", "v"},
      {"invalid UTF-8", "[a]\nbad=\xFF\xFE\xC3\nk=v\n", "a", "k", "v"},
      {"invalid UTF-8 kept byte for byte", "[a]\nbad=\xFF\xC3\n", "a", "bad", "\xFF\xC3"},
      {"lone CR line ends", "[a]\rk=v\r", "a", "k", "v"},
      {"no final line end", "[a]\nk=v", "a", "k", "v"},
      {"lines before the first section", "k=lost\n[a]\nk=v\n", "a", "k", "v"},
      {"comment", "[a]\n;k=c\nk=v\n", "a", "k", "v"},
      {"empty key name", "[a]\n=x\nk=v\n", "a", "k", "v"},
      {"NUL byte in a value", std::string("[a]\nz=1") + '\0' + " 2\nk=v\n", "a", "k", "v"},
      {"unclosed header", "[a]\n[b\nk=v\n", "a", "k", "v"},
  };
  for (const auto& c : cases) {
    WriteFile(c.text);
    TMemIniFile ini(FPath);
    EXPECT_EQ(ini.ReadString(c.section, c.key, "<missing>"), c.expected) << c.name;
  }
}

TEST_F(IniFileTest, LinesThatAreNoEntryAreWrittenBack) {
  WriteFile("; header comment\n[a]\njunk line\n; note\nk = v\n\n[b]\nx=1\n[A]\ny=2\n");
  TMemIniFile ini(FPath);
  EXPECT_FALSE(ini.ValueExists("a", "junk line"));
  ini.UpdateFile();
  EXPECT_EQ(ReadFile(), "; header comment\n[a]\njunk line\n; note\nk=v\n\ny=2\n[b]\nx=1\n");
}

TEST_F(IniFileTest, SaveToAnUnwritableFolderRaises) {
  TMemIniFile ini(FDir + "/missing/lang.ini");
  ini.WriteString("a", "k", "v");
  EXPECT_THROW(ini.UpdateFile(), EStreamError);
}

TEST_F(IniFileTest, ConcurrentReadersSeeTheSameValues) {
  std::string text = "[common]\n";
  for (int i = 0; i < 200; ++i) text += "key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  WriteFile(text);
  const TMemIniFile ini(FPath);
  auto reader = [&](int* failures) {
    for (int round = 0; round < 50; ++round)
      for (int i = 0; i < 200; ++i)
        if (ini.ReadInteger("COMMON", "KEY" + std::to_string(i), -1) != i) ++*failures;
  };
  int failures1 = 0, failures2 = 0;
  std::thread worker(reader, &failures1);
  reader(&failures2);
  worker.join();
  EXPECT_EQ(failures1 + failures2, 0);
}

}  // namespace
