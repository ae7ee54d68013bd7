#include "platform/rtl/DateUtils.h"

#include <langinfo.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cmath>

namespace {

// Day 0 of TDateTime.
constexpr std::chrono::sys_days kEpoch =
    std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};

}  // namespace

bool IsLeapYear(int Year) { return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0; }

int DaysInAMonth(int Year, int Month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return Month == 2 && IsLeapYear(Year) ? 29 : kDays[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12) return false;
  if (Day < 1 || Day > DaysInAMonth(Year, Month)) return false;
  using namespace std::chrono;
  const sys_days day{year{Year} / month{unsigned(Month)} / std::chrono::day{unsigned(Day)}};
  Date = double((day - kEpoch).count());
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime date = 0;
  if (!TryEncodeDate(Year, Month, Day, date))
    throw EConvertError("Invalid argument to date encode");
  return date;
}

long long CalendarDay(TDateTime Date) {
  constexpr double kFirst = -693593;  // 1 January 0001
  constexpr double kLast = 2958465;   // 31 December 9999
  if (std::isnan(Date)) return 0;
  return (long long)std::trunc(std::clamp(Date, kFirst, kLast));
}

void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
  using namespace std::chrono;
  const year_month_day ymd{kEpoch + days{CalendarDay(Date)}};
  Year = uint16_t(int(ymd.year()));
  Month = uint16_t(unsigned(ymd.month()));
  Day = uint16_t(unsigned(ymd.day()));
}

std::string StrftimeToFormatPattern(const std::string& Pattern) {
  std::string out;
  for (size_t i = 0; i < Pattern.size(); ++i) {
    if (Pattern[i] != '%' || i + 1 == Pattern.size()) {
      out += Pattern[i];
      continue;
    }
    char c = Pattern[++i];
    if (c == 'E' || c == 'O' || c == '-') {  // modifiers
      if (i + 1 == Pattern.size()) break;
      c = Pattern[++i];
    }
    switch (c) {
      case 'd':
        out += "dd";
        break;
      case 'e':
        out += "d";
        break;
      case 'm':
        out += "mm";
        break;
      case 'b':
      case 'h':
        out += "mmm";
        break;
      case 'B':
        out += "mmmm";
        break;
      case 'y':
        out += "yy";
        break;
      case 'Y':
        out += "yyyy";
        break;
      case 'H':
      case 'I':
        out += "hh";
        break;
      case 'k':
      case 'l':
        out += "h";
        break;
      case 'M':
        out += "nn";
        break;
      case 'S':
        out += "ss";
        break;
      case 'p':
      case 'P':
        out += "ampm";
        break;
      case 'D':
        out += "mm/dd/yy";
        break;
      case 'F':
        out += "yyyy-mm-dd";
        break;
      case 'T':
        out += "hh:nn:ss";
        break;
      case 'R':
        out += "hh:nn";
        break;
      case 'r':
        out += "hh:nn:ss ampm";
        break;
      case 'a':
        out += "ddd";
        break;
      case 'A':
        out += "dddd";
        break;
      case '%':
        out += '%';
        break;
      default:
        break;  // nothing the chart's labels use
    }
  }
  return out;
}

std::string LocaleShortDateFormat() { return StrftimeToFormatPattern(nl_langinfo(D_FMT)); }

std::string LocaleShortTimeFormat() { return StrftimeToFormatPattern(nl_langinfo(T_FMT)); }

char LocaleDecimalSeparator() {
  const lconv* conv = std::localeconv();
  return conv && conv->decimal_point && conv->decimal_point[0] ? conv->decimal_point[0] : '.';
}

char LocaleThousandSeparator() {
  const lconv* conv = std::localeconv();
  return conv && conv->thousands_sep && conv->thousands_sep[0] ? conv->thousands_sep[0] : ',';
}
