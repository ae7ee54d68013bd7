// Calendar arithmetic on day numbers and reading dates back from text.

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/rtl/DateUtils.h"

namespace {

TEST(DateCalendar, DayOfWeekCountsFromSunday) {
  EXPECT_EQ(DayOfWeek(0), 7) << "30 December 1899 was a Saturday";
  EXPECT_EQ(DayOfWeek(EncodeDate(2021, 1, 1)), 6);
  EXPECT_EQ(DayOfWeek(EncodeDate(2021, 3, 1) + 0.75), 2) << "the time of day does not count";
  EXPECT_EQ(DayOfWeek(EncodeDate(2021, 8, 1)), 1);
}

TEST(DateCalendar, IncMonthKeepsTheDayWithinTheTargetMonth) {
  struct {
    int Y, M, D, By, WantY, WantM, WantD;
  } cases[] = {
      {2021, 3, 31, -1, 2021, 2, 28}, {2020, 3, 31, -1, 2020, 2, 29},
      {2021, 1, 31, 1, 2021, 2, 28},  {2021, 1, 15, -1, 2020, 12, 15},
      {2020, 12, 15, 1, 2021, 1, 15}, {2021, 5, 10, -25, 2019, 4, 10},
  };
  for (const auto& c : cases) {
    uint16_t y, m, d;
    DecodeDate(IncMonth(EncodeDate(c.Y, c.M, c.D), c.By), y, m, d);
    EXPECT_EQ(y, c.WantY);
    EXPECT_EQ(m, c.WantM);
    EXPECT_EQ(d, c.WantD) << c.Y << "-" << c.M << "-" << c.D << " by " << c.By;
  }
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2021, 3, 10) + 0.5, 1), EncodeDate(2021, 4, 10) + 0.5);
}

TEST(DateCalendar, ValuesBeyondTheCalendarDecodeToItsEnds) {
  const double inf = std::numeric_limits<double>::infinity();
  struct {
    double Value;
    uint16_t Y, M, D;
  } cases[] = {{1e300, 9999, 12, 31}, {inf, 9999, 12, 31}, {9.3e18, 9999, 12, 31},
               {-1e300, 1, 1, 1},     {-inf, 1, 1, 1},     {std::nan(""), 1899, 12, 30}};
  for (auto c : cases) {
    uint16_t y = 0, m = 0, d = 0;
    DecodeDate(c.Value, y, m, d);
    EXPECT_EQ((std::array<uint16_t, 3>{y, m, d}), (std::array<uint16_t, 3>{c.Y, c.M, c.D}))
        << c.Value;
    EXPECT_GE(DayOfWeek(c.Value), 1);
    EXPECT_LE(DayOfWeek(c.Value), 7);
  }
}

TEST(DateCalendar, LocaleTextReadsBack) {
  const TDateTime noon = EncodeDate(2021, 3, 10) + 0.5;
  TDateTime read = 0;
  ASSERT_TRUE(TryStrToDateTime(DateTimeToLocaleStr(noon), read)) << DateTimeToLocaleStr(noon);
  EXPECT_NEAR(read, noon, 1e-6);
  EXPECT_EQ(DateTimeToLocaleStr(EncodeDate(2021, 3, 10)).find(' '), std::string::npos)
      << "no time at midnight";
  ASSERT_TRUE(TryStrToDateTime("2023-05-06", read));
  EXPECT_EQ(read, EncodeDate(2023, 5, 6));
  read = 7;
  EXPECT_FALSE(TryStrToDateTime("2023-02-30", read)) << "no such day";
  EXPECT_FALSE(TryStrToDateTime("12.3/45", read));
  EXPECT_FALSE(TryStrToDateTime("2023-05-06 trailing", read));
  EXPECT_EQ(read, 7) << "a failed read leaves the value";
}

// The system's locales, also after another test pointed LOCPATH elsewhere.
class SystemLocales {
 public:
  SystemLocales() : FOld(std::setlocale(LC_TIME, nullptr)) {
    if (const char* path = std::getenv("LOCPATH")) FPath = path;
    unsetenv("LOCPATH");
  }
  ~SystemLocales() {
    if (!FPath.empty()) setenv("LOCPATH", FPath.c_str(), 1);
    std::setlocale(LC_TIME, FOld.c_str());
  }

 private:
  std::string FOld;
  std::string FPath;
};

TEST(DateCalendar, FirstWeekdayAndNamesFollowLcTime) {
  SystemLocales restore;
  std::setlocale(LC_TIME, "C");
  EXPECT_EQ(LocaleShortDayName(1), "Sun");
  EXPECT_EQ(LocaleLongMonthName(12), "December");
  EXPECT_EQ(LocaleLongMonthName(13), "");
  if (!std::setlocale(LC_TIME, "zh_CN.UTF-8"))
    GTEST_SKIP() << "locale zh_CN.UTF-8 is missing: scripts/setup.sh generates it";
  EXPECT_EQ(LocaleFirstDayOfWeek(), 0) << "Monday";
  EXPECT_EQ(LocaleLongMonthName(3), "三月");
  std::setlocale(LC_TIME, "en_US.UTF-8");
  EXPECT_EQ(LocaleFirstDayOfWeek(), 6) << "Sunday";
}

}  // namespace
