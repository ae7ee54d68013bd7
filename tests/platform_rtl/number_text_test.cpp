#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/rtl/NumberText.h"

TEST(NumberText, IntegersToText) {
  EXPECT_EQ(IntToStr(-5), "-5");
  EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(IntToStr(std::numeric_limits<uint64_t>::max()), "18446744073709551615");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0xABCDEF, 2), "ABCDEF");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(int8_t{-1}, 0), "FF");
  EXPECT_EQ(IntToHex(int64_t{-1}, 0), "FFFFFFFFFFFFFFFF");
}

TEST(NumberText, FloatToStrUsesFifteenDigitsGeneralFormat) {
  const struct {
    double Value;
    const char* Expected;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {1.5, "1.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {-2.0 / 3, "-0.666666666666667"},
      {1e15, "1E15"},
      {123456789012345.0, "123456789012345"},
      {1e20, "1E20"},
      {1.5e-7, "1.5E-7"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {100.0, "100"},
      {9.9999999999999999e22, "1E23"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.Value), c.Expected) << c.Value;
  EXPECT_EQ(FloatToStr(std::nan("")), "NAN");
}

TEST(NumberText, StrToIntAcceptsDecimalAndHex) {
  const struct {
    const char* Text;
    int32_t Expected;
  } good[] = {
      {"0", 0},
      {"  42", 42},
      {"-17", -17},
      {"+8", 8},
      {"$FF", 255},
      {"0x1f", 31},
      {"-$10", -16},
      {"X7fffffff", 2147483647},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
  };
  for (const auto& c : good) EXPECT_EQ(StrToInt(c.Text), c.Expected) << c.Text;

  const char* bad[] = {"",  " ",          "12 ", "1.5", "2147483648", "-2147483649",
                       "$", "$100000000", "0x",  "12a", "--1",        "1e3"};
  for (const char* text : bad) {
    int32_t value = 99;
    EXPECT_FALSE(TryStrToInt(text, value)) << text;
    EXPECT_EQ(value, 99) << text;
    EXPECT_EQ(StrToIntDef(text, -7), -7) << text;
  }
  try {
    StrToInt("12 ");
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12 ' is not a valid integer value");
  }
}

TEST(NumberText, StrToFloatReadsDotOrChosenSeparator) {
  const struct {
    const char* Text;
    double Expected;
  } good[] = {
      {"1.5", 1.5},
      {" -2.25 ", -2.25},
      {"+3", 3},
      {".5", 0.5},
      {"5.", 5},
      {"1e3", 1000},
      {"2.5E-2", 0.025},
      {"1e-400", 0},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()},
  };
  for (const auto& c : good) EXPECT_DOUBLE_EQ(StrToFloat(c.Text), c.Expected) << c.Text;

  const char* bad[] = {"",    ".",   "1,5",   "1.5.2", "e5",  "1e", "1e+",
                       "abc", "1 5", "1e400", "inf",   "nan", "- 1"};
  for (const char* text : bad) {
    double value = 99;
    EXPECT_FALSE(TryStrToFloat(text, value)) << text;
    EXPECT_EQ(value, 99) << text;
    EXPECT_EQ(StrToFloatDef(text, -7), -7) << text;
  }
  EXPECT_THROW(StrToFloat("1,5"), EConvertError);
  EXPECT_DOUBLE_EQ(StrToFloat("1,5", ','), 1.5);
  EXPECT_THROW(StrToFloat("1.5", ','), EConvertError);
}

TEST(NumberText, RoundHalvesToEvenAndTruncTowardZero) {
  const struct {
    double Value;
    int64_t Rounded, Truncated;
  } cases[] = {
      {0.5, 0, 0},    {1.5, 2, 1},
      {2.5, 2, 2},    {3.5, 4, 3},
      {-0.5, 0, 0},   {-1.5, -2, -1},
      {-2.5, -2, -2}, {2.4999, 2, 2},
      {-2.7, -3, -2}, {1e15 + 0.5, 1000000000000000, 1000000000000000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Round(c.Value), c.Rounded) << c.Value;
    EXPECT_EQ(Trunc(c.Value), c.Truncated) << c.Value;
  }
  EXPECT_EQ(Round(-9.2233720368547758e18), std::numeric_limits<int64_t>::min());
  EXPECT_THROW(Round(9.2233720368547758e18), EInvalidOp);
  EXPECT_THROW(Trunc(std::nan("")), EInvalidOp);
  EXPECT_THROW(Round(std::numeric_limits<double>::infinity()), EInvalidOp);
}
