#include <gtest/gtest.h>
#include <strings.h>

#include <cstdio>
#include <set>
#include <string>

#include "scene/zr_color_text.h"

namespace {

std::u16string W(const std::string& S) { return std::u16string(S.begin(), S.end()); }
std::string N(const std::u16string& S) { return std::string(S.begin(), S.end()); }

std::string Hex(TzrColor C) {
  char Text[16];
  std::snprintf(Text, sizeof Text, "$%08X", static_cast<unsigned>(C));
  return Text;
}

TEST(ColorTextTest, ToStrWritesAlphaFirstInUpperCase) {
  EXPECT_EQ("#FF2B2B2B", N(zrColorToStr(0xFF2B2B2B)));
  EXPECT_EQ("#80FFFFFF", N(zrColorToStr(0x80FFFFFF)));
  EXPECT_EQ("#00000000", N(zrColorToStr(0)));
  EXPECT_EQ("#0000000A", N(zrColorToStr(0x0A)));
  EXPECT_EQ("#FFFFFFFF", N(zrColorToStr(0xFFFFFFFF)));  // never a name
}

TEST(ColorTextTest, HashTextsRoundTrip) {
  for (TzrColor C :
       {0x00000000u, 0x80FFFFFFu, 0xFF2B2B2Bu, 0x0A0B0C0Du, 0xFFFFFFFFu, 0x7F000001u}) {
    EXPECT_EQ(Hex(C), Hex(zrStrToColor(zrColorToStr(C))));
  }
}

struct ReadCase {
  const char* Text;
  TzrColor Expected;
};

TEST(ColorTextTest, ReadsHashNamesAndIntegers) {
  const ReadCase Cases[] = {
      {"#80ffffff", 0x80FFFFFF},
      {"#FF0000", 0x00FF0000},  // six digits: transparent red
      {"#FFFF0000", 0xFFFF0000},
      {"#1", 0x00000001},
      {"#000FFFFFFFF", 0xFFFFFFFF},  // leading zeros are not significant
      {"white", 0xFFFFFFFF},
      {"WHITE", 0xFFFFFFFF},
      {"wHiTe", 0xFFFFFFFF},
      {"Green", 0xFF008000},
      {"lime", 0xFF00FF00},
      {"lightgoldenrodyellow", 0xFFFAFAD2},
      {"255", 0x000000FF},
      {"  16", 0x00000010},
      {"-1", 0xFFFFFFFF},
      {"+7", 0x00000007},
      {"-2147483648", 0x80000000},
      {"2147483647", 0x7FFFFFFF},
      {"$FF00FF00", 0xFF00FF00},
      {"0x10", 0x10},
      {"0X1f", 0x1F},
      {"x10", 0x10},
      {"-$1", 0xFFFFFFFF},
  };
  for (const ReadCase& C : Cases) {
    EXPECT_EQ(Hex(C.Expected), Hex(zrStrToColor(W(C.Text)))) << C.Text;
  }
}

TEST(ColorTextTest, UnreadableTextGivesZero) {
  const char* Cases[] = {
      "",      "#",    "#1FFFFFFFF",  // nine significant digits
      "#12G4", "# FF", "notacolor",  "transparent", "white ", "2147483648", "-2147483649",
      "12abc", "$",    "0x",         "$123456789",  "1.5",
  };
  for (const char* Text : Cases) {
    EXPECT_EQ(0u, zrStrToColor(W(Text))) << "'" << Text << "'";
  }
  EXPECT_EQ(0u, zrStrToColor(std::u16string(1, u'\0')));
}

TEST(ColorNamesTest, TableHoldsTheAlphabeticalOpaqueKeywords) {
  std::set<std::string> Seen;
  const char* Previous = "";
  for (const TzrColorIdent& Ident : zrColorIdents) {
    SCOPED_TRACE(Ident.Name);
    EXPECT_LT(strcasecmp(Previous, Ident.Name), 0);
    EXPECT_TRUE(Seen.insert(Ident.Name).second);
    Previous = Ident.Name;
    // Name and colour text read as the same opaque colour, which writes back
    // as the table's colour text.
    TzrColor C = zrStrToColor(W(Ident.Name));
    EXPECT_EQ(C, zrStrToColor(W(Ident.Value)));
    EXPECT_EQ(0xFFu, C >> 24);
    EXPECT_EQ(Ident.Value, N(zrColorToStr(C)));
  }
  EXPECT_EQ(147u, Seen.size());
}

TEST(ColorNamesTest, TellingRows) {
  const ReadCase Cases[] = {
      {"Black", 0xFF000000},       {"White", 0xFFFFFFFF},   {"Red", 0xFFFF0000},
      {"Lime", 0xFF00FF00},        {"Green", 0xFF008000},   {"Aqua", 0xFF00FFFF},
      {"Cyan", 0xFF00FFFF},        {"Fuchsia", 0xFFFF00FF}, {"Magenta", 0xFFFF00FF},
      {"Gray", 0xFF808080},        {"Grey", 0xFF808080},    {"Maroon", 0xFF800000},
      {"Purple", 0xFF800080},      {"Silver", 0xFFC0C0C0},  {"Rebeccapurple", 0},
      {"Yellowgreen", 0xFF9ACD32},
  };
  for (const ReadCase& C : Cases) {
    EXPECT_EQ(Hex(C.Expected), Hex(zrStrToColor(W(C.Text)))) << C.Text;
  }
}

}  // namespace
