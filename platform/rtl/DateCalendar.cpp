// Calendar arithmetic on TDateTime values and the locale's names of months
// and days, read through nl_langinfo so that they follow LC_TIME.

#include <langinfo.h>

#include <cmath>
#include <cstring>
#include <ctime>

#include "platform/rtl/DateUtils.h"

int DayOfWeek(TDateTime Date) {
  // Day 0 (30 December 1899) was a Saturday.
  const long long days = CalendarDay(std::floor(Date));
  return int(((days % 7) + 7 + 6) % 7) + 1;
}

TDateTime IncMonth(TDateTime Date, int Months) {
  uint16_t y, m, d;
  DecodeDate(Date, y, m, d);
  int month = int(m) - 1 + Months;
  int year = int(y) + (month >= 0 ? month / 12 : (month - 11) / 12);
  month = ((month % 12) + 12) % 12 + 1;
  const int day = std::min<int>(d, DaysInAMonth(year, month));
  return ReplaceTime(EncodeDate(year, month, day), Date);
}

TDateTime ReplaceTime(TDateTime Date, TDateTime Time) {
  return std::trunc(Date) + std::fabs(Time - std::trunc(Time));
}

TDateTime Now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

std::string LocaleLongMonthName(int Month) {
  static const nl_item kItems[12] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                     MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
  if (Month < 1 || Month > 12) return "";
  return nl_langinfo(kItems[Month - 1]);
}

std::string LocaleShortDayName(int Day) {
  static const nl_item kItems[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
  if (Day < 1 || Day > 7) return "";
  return nl_langinfo(kItems[Day - 1]);
}

int LocaleFirstDayOfWeek() {
  // glibc counts the first weekday (1-based) from the day that begins its
  // day-name table, given as a date (19971130, a Sunday, in most locales).
  const auto first = int(static_cast<unsigned char>(*nl_langinfo(_NL_TIME_FIRST_WEEKDAY)));
  const auto base = unsigned(reinterpret_cast<uintptr_t>(nl_langinfo(_NL_TIME_WEEK_1STDAY)));
  TDateTime baseDate = 0;
  if (!TryEncodeDate(int(base / 10000), int(base / 100 % 100), int(base % 100), baseDate))
    baseDate = EncodeDate(1997, 11, 30);
  const int sunday1 = (DayOfWeek(baseDate) - 1 + first - 1) % 7 + 1;  // 1 = Sunday
  return (sunday1 + 5) % 7;                                           // 0 = Monday
}

std::string DateTimeToLocaleStr(TDateTime Value) {
  std::string text = FormatDateTime(LocaleShortDateFormat(), Value);
  if (Value - std::trunc(Value) != 0) text += " " + FormatDateTime(LocaleShortTimeFormat(), Value);
  return text;
}

namespace {

// Parses Text whole by one strptime pattern.
bool ParseWith(const std::string& Text, const char* Pattern, std::tm& Out) {
  std::tm tm{};
  const char* end = strptime(Text.c_str(), Pattern, &tm);
  if (!end) return false;
  while (*end == ' ') ++end;
  if (*end) return false;
  Out = tm;
  return true;
}

}  // namespace

bool TryStrToDateTime(const std::string& Text, TDateTime& Value) {
  const std::string date = nl_langinfo(D_FMT);
  const std::string time = nl_langinfo(T_FMT);
  const std::string withTime = date + " " + time;
  for (const char* pattern : {withTime.c_str(), date.c_str(), "%Y-%m-%d %H:%M:%S", "%Y-%m-%d"}) {
    std::tm tm{};
    if (!ParseWith(Text, pattern, tm)) continue;
    TDateTime day = 0;
    if (!TryEncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, day)) return false;
    Value = day + (tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec) / 86400.0;
    return true;
  }
  return false;
}
