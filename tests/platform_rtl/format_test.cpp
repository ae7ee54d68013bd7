#include "platform/rtl/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/rtl/SysUtils.h"

namespace {

struct TFormatCase {
  const char* Pattern;
  std::initializer_list<TVarRec> Args;
  const char* Expected;
};

}  // namespace

TEST(Format, TableOfPlaceholders) {
  const TFormatCase cases[] = {
      {"%d: %s", {42, "x"}, "42: x"},
      {"[%5d]", {42}, "[   42]"},
      {"[%-5d]", {42}, "[42   ]"},
      {"[%.4d]", {-42}, "[-0042]"},
      {"[%*d]", {6, 42}, "[    42]"},
      {"[%-*.*d]", {6, 3, 7}, "[007   ]"},
      {"[%*d]", {-4, 7}, "[7   ]"},
      {"[%05d]", {-42}, "[-0042]"},
      {"%1:s %0:s %s", {"a", "b"}, "b a b"},
      {"%d", {int64_t{-9000000000}}, "-9000000000"},
      {"%d", {4000000000u}, "4000000000"},
      {"%u", {-1}, "4294967295"},
      {"%u", {int64_t{-1}}, "18446744073709551615"},
      {"%x", {255}, "FF"},
      {"%x", {-1}, "FFFFFFFF"},
      {"%X", {int64_t{-2}}, "FFFFFFFFFFFFFFFE"},
      {"%.4x", {255}, "00FF"},
      {"%02X%02X", {uint8_t{10}, uint8_t{255}}, "0AFF"},
      {"%f", {1.5}, "1.50"},
      {"%.0f", {2.5}, "3"},
      {"%.1f", {0.25}, "0.3"},
      {"%.1f", {-0.25}, "-0.3"},
      {"%.2f", {-0.001}, "0.00"},
      {"[%8.3f]", {3.14159}, "[   3.142]"},
      {"[%-8.1f]", {2.0f}, "[2.0     ]"},
      {"%.3f", {1234567.0L}, "1234567.000"},
      {"%e", {1234.5}, "1.23450000000000E+003"},
      {"%.3e", {-0.00012345}, "-1.23E-004"},
      {"%.2e", {0.0}, "0.0E+000"},
      {"%g", {0.1 + 0.2}, "0.3"},
      {"%g", {123456.0}, "123456"},
      {"%.3g", {123456.0}, "1.23E005"},
      {"%g", {0.0001}, "0.0001"},
      {"%g", {0.00001}, "1E-005"},
      {"%n", {1234567.891}, "1,234,567.89"},
      {"%.0n", {-1234.5}, "-1,235"},
      {"%n", {999.999}, "1,000.00"},
      {"%m", {-1234.5}, "(\u00A41,234.50)"},
      {"[%.2s]", {"abcdef"}, "[ab]"},
      {"[%4s]", {"\xC3\xA9"}, "[   \xC3\xA9]"},
      {"[%.1s]", {"\xC3\xA9x"}, "[\xC3\xA9]"},
      {"%s%s", {'c', std::string("++")}, "c++"},
      {"%s", {std::u16string(u"\u7535\u8C03")}, "\u7535\u8C03"},
      {"100%%", {}, "100%"},
      {"%p", {static_cast<const void*>(nullptr)}, "0000000000000000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Format(c.Pattern, c.Args), c.Expected) << c.Pattern;
  }
}

TEST(Format, MissingOrMismatchedArgumentRaisesConvertError) {
  const struct {
    const char* Pattern;
    std::initializer_list<TVarRec> Args;
  } cases[] = {
      {"%d %d", {1}}, {"%s", {}},        {"%s", {1}}, {"%d", {1.5}}, {"%f", {1}}, {"%5:d", {1, 2}},
      {"%*d", {3}},   {"%*d", {"x", 1}}, {"%p", {1}}, {"%z", {1}},   {"50%", {}}, {"%-", {1}},
  };
  for (const auto& [pattern, args] : cases) {
    try {
      Format(pattern, args);
      ADD_FAILURE() << pattern << " did not raise";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(),
                std::string("Format '") + pattern + "' invalid or incompatible with argument");
    }
  }
}

TEST(Format, WideCountsUtf16UnitsAndNarrowCountsCharacters) {
  const char16_t face[] = u"\U0001F600";
  EXPECT_EQ(Format(u"[%-4s|%d]", {u"\u20AC", 5}), u"[\u20AC   |5]");
  EXPECT_EQ(Format(u"[%3s]", {face}), u"[ \U0001F600]");
  EXPECT_EQ(Format("[%3s]", {face}), "[  \xF0\x9F\x98\x80]");
  // A precision never splits a character in two.
  EXPECT_EQ(Format(u"[%.1s]", {face}), u"[]");
}

TEST(Format, LongDoubleAndExtremes) {
  EXPECT_EQ(Format("%d", {std::numeric_limits<int64_t>::min()}), "-9223372036854775808");
  EXPECT_EQ(Format("%.18f", {0.5}), "0.500000000000000000");
  EXPECT_EQ(Format("%f", {1e20}), "1E20");
  EXPECT_EQ(Format("%f|%e", {std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()}),
            "INF|-INF");
}

TEST(Format, WidthAndPrecisionFromArgumentsStopAtAMillion) {
  // A 64-bit width is not cut to 32 bits (which asked for gigabytes here).
  EXPECT_EQ(Format("%*d", {12345678901234LL, 1}).size(), 1000000u);
  EXPECT_EQ(Format("%*d", {std::numeric_limits<int>::min(), 1}).size(), 1000000u);
  EXPECT_EQ(Format("%*d", {std::numeric_limits<uint64_t>::max(), 1}).size(), 1000000u);
  EXPECT_EQ(Format("%.*d", {std::numeric_limits<int64_t>::max(), 1}).size(), 1000000u);
  EXPECT_EQ(Format("%99999999999d", {1}).size(), 1000000u);
}
