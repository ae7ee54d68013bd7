#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <sstream>
#include <string>

#include "platform/rtl/SysUtils.h"
#include "scene/zr_text_forms.h"

namespace {

std::u16string W(const std::string& S) { return std::u16string(S.begin(), S.end()); }
std::string N(const std::u16string& S) { return std::string(S.begin(), S.end()); }

struct FloatTextCase {
  float Value;
  const char* Text;
};

const FloatTextCase kFloatTexts[] = {
    {1.5f, "1.500"},         {2, "2"},          {-0.25f, "-0.250"},
    {0.0004f, "0.000"},      {0, "0"},          {-0.0f, "0"},
    {0.1f, "0.100"},         {-7, "-7"},        {1E10f, "10000000000"},
    {123.4567f, "123.457"},  {20.5f, "20.500"}, {65535, "65535"},
    {-1234.5f, "-1234.500"},
};

TEST(FloatTextTest, WholeNumbersWithoutPointOthersWithThreeDecimals) {
  for (const FloatTextCase& C : kFloatTexts) {
    EXPECT_EQ(C.Text, N(zrFloatToStr(C.Value))) << C.Value;
  }
}

struct ParseCase {
  const char* Text;
  float Expected;
};

TEST(FloatTextTest, ReadsDecimalNumbers) {
  const ParseCase Cases[] = {
      {"1.5", 1.5f},      {"-2", -2},    {"+3", 3},
      {".5", 0.5f},       {"5.", 5},     {"1e3", 1000},
      {"1.5E-2", 0.015f}, {"-0", 0},     {"2.5e+1", 25},
      {"0.1", 0.1f},      {"1e-400", 0}, {"16777217", 16777216},  // rounded to float
  };
  for (const ParseCase& C : Cases) {
    EXPECT_EQ(C.Expected, zrStrToFloat(W(C.Text))) << C.Text;
  }
}

TEST(FloatTextTest, RejectsOtherText) {
  const char* Cases[] = {"",     "abc",   "1,5", " 1", "1 ", "1e",    "e5",    "inf", "nan",
                         "0x10", "1.2.3", "--1", "+",  ".",  "1e400", "-1e39", "1e+", "١"};
  for (const char* Text : Cases) {
    EXPECT_THROW(zrStrToFloat(W(Text)), EConvertError) << "'" << Text << "'";
  }
}

TEST(FloatTextTest, TextRoundTripsToThreeDecimals) {
  for (float F : {0.125f, -3.75f, 1000.001f, 12345.678f, 7.0f}) {
    EXPECT_NEAR(F, zrStrToFloat(zrFloatToStr(F)), 0.0005f) << F;
  }
}

// A process locale with "," as its decimal separator, for the C library and
// for the C++ streams. Uses an installed locale when there is one, else
// compiles one into a temporary folder.
class CommaLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FSavedC = std::setlocale(LC_ALL, nullptr);
    std::string Name = SelectCommaLocale();
    if (Name.empty()) GTEST_SKIP() << "no locale with a decimal comma available";
    // Sets the C library's locale to the same name.
    std::locale::global(std::locale(Name));
  }

  void TearDown() override {
    std::setlocale(LC_ALL, FSavedC.c_str());
    std::locale::global(std::locale::classic());
  }

  static bool HasDecimalComma() { return std::string(std::localeconv()->decimal_point) == ","; }

  // The name of a locale with a decimal comma, or empty.
  static std::string SelectCommaLocale() {
    for (const char* Name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
      if (std::setlocale(LC_ALL, Name) && HasDecimalComma()) return Name;
    }
    std::string Folder = ::testing::TempDir() + "geom_locales";
    std::string Target = Folder + "/de_DE.UTF-8";
    std::string Command = "test -d '" + Target + "' || { mkdir -p '" + Folder +
                          "' && localedef -i de_DE -f UTF-8 '" + Target + "' >/dev/null 2>&1; }";
    if (std::system(Command.c_str()) != 0) return "";
    setenv("LOCPATH", Folder.c_str(), 1);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") && HasDecimalComma()) return "de_DE.UTF-8";
    return "";
  }

  std::string FSavedC;
};

TEST_F(CommaLocaleTest, NumberTextKeepsThePoint) {
  char Probe[32];
  std::snprintf(Probe, sizeof Probe, "%.1f", 1.5);
  ASSERT_STREQ("1,5", Probe);  // the locale is really in force
  std::ostringstream Stream;
  Stream << 1.5;
  ASSERT_EQ("1,5", Stream.str());

  for (const FloatTextCase& C : kFloatTexts) {
    EXPECT_EQ(C.Text, N(zrFloatToStr(C.Value))) << C.Value;
  }
  EXPECT_EQ(1.5f, zrStrToFloat(u"1.5"));
  EXPECT_EQ(0.015f, zrStrToFloat(u"1.5e-2"));
  EXPECT_THROW(zrStrToFloat(u"1,5"), EConvertError);
  EXPECT_EQ("(10,20.500)", zrPointToString({10, 20.5f}));
  EXPECT_EQ((TzrRect{1.5f, 2, 3.25f, 4}), zrStringToRect("(1.5,2,3.25,4)"));
}

TEST(PointTextTest, WritesParenthesisedLists) {
  EXPECT_EQ("(10,20.500)", zrPointToString({10, 20.5f}));
  EXPECT_EQ("(0,0,100,20.500)", zrRectToString({0, 0, 100, 20.5f}));
  EXPECT_EQ("(-1.250,0,3,-4)", zrRectToString({-1.25f, 0, 3, -4}));
}

struct RectTextCase {
  const char* Text;
  TzrRect Expected;
};

TEST(PointTextTest, ReadsRectsAsAWholeOrNotAtAll) {
  const RectTextCase Cases[] = {
      {"(1,2,3,4)", {1, 2, 3, 4}},
      {"( 1 , 2 , 3 , 4 )", {1, 2, 3, 4}},
      {"(0,0,100,20.500)", {0, 0, 100, 20.5f}},
      {"(1,2,3,4) and more", {1, 2, 3, 4}},
      {"(1,2,3,4,5)", {1, 2, 3, 4}},
      {"1,2,3,4", {0, 0, 0, 0}},    // first token is discarded
      {"(1,2,x,4)", {0, 0, 0, 0}},  // one bad field spoils all
      {"(1,2,3)", {0, 0, 0, 0}},
      {"", {0, 0, 0, 0}},
  };
  for (const RectTextCase& C : Cases) {
    EXPECT_EQ(C.Expected, zrStringToRect(C.Text)) << C.Text;
  }
}

TEST(PointTextTest, ReadsPoints) {
  EXPECT_EQ((TzrPoint{1.5f, -2}), zrStringToPoint("(1.5,-2)"));
  EXPECT_EQ((TzrPoint{10, 20.5f}), zrStringToPoint(zrPointToString({10, 20.5f})));
  EXPECT_EQ((TzrPoint{0, 0}), zrStringToPoint("(1;2)"));
  EXPECT_EQ((TzrPoint{0, 0}), zrStringToPoint("(1)"));
}

struct TokenCase {
  const char* S;
  const char* Separators;
  const char* Stop;
  const char* Token;
  const char* Rest;
};

TEST(TokenTest, EightBitTokens) {
  const TokenCase Cases[] = {
      {"abc,def", ",", "", "abc", "def"},
      {",abc", ",", "", "", "abc"},      // a leading separator gives an empty token
      {"ab(cd", ",", "(", "ab", "(cd"},  // the stop character stays
      {"(cd", ",", "(", "", "(cd"},
      {"  ab  ,  cd ", ",", "", "ab", "cd"},
      {"abc", ",", "", "abc", ""},
      {"", ",", "", "", ""},
      {"a;b,c", ",;", "", "a", "b,c"},
  };
  for (const TokenCase& C : Cases) {
    std::string S = C.S;
    EXPECT_EQ(C.Token, zrGetToken(S, C.Separators, C.Stop)) << "'" << C.S << "'";
    EXPECT_EQ(C.Rest, S) << "'" << C.S << "'";
  }
}

TEST(TokenTest, WideTokensStepOverSeparatorsButNotStops) {
  const std::u16string S = u"  M 10,20 L(5)";
  int Pos = 1;
  EXPECT_EQ(u"M", zrWideGetToken(Pos, S, u" ,", u"("));
  EXPECT_EQ(5, Pos);
  EXPECT_EQ(u"10", zrWideGetToken(Pos, S, u" ,", u"("));
  EXPECT_EQ(u"20", zrWideGetToken(Pos, S, u" ,", u"("));
  EXPECT_EQ(u"L", zrWideGetToken(Pos, S, u" ,", u"("));
  EXPECT_EQ(12, Pos);  // on the stop character
  EXPECT_EQ(u"", zrWideGetToken(Pos, S, u" ,", u"("));
  EXPECT_EQ(12, Pos);  // not consumed
  ++Pos;
  EXPECT_EQ(u"5)", zrWideGetToken(Pos, S, u" ,", u"("));
  EXPECT_EQ(static_cast<int>(S.size()) + 1, Pos);
  EXPECT_EQ(u"", zrWideGetToken(Pos, S, u" ,", u"("));
  Pos = 100;  // beyond the text
  EXPECT_EQ(u"", zrWideGetToken(Pos, S, u" ,", u"("));
}

}  // namespace
