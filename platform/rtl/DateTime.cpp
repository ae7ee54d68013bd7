#include "platform/rtl/DateTime.h"

#include <cmath>
#include <cstdio>

namespace {

// Civil date of a day count from 1970-01-01 (proleptic Gregorian).
void CivilFromDays(long long Z, int& Y, unsigned& M, unsigned& D) {
  Z += 719468;
  const long long era = (Z >= 0 ? Z : Z - 146096) / 146097;
  const unsigned doe = unsigned(Z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  D = doy - (153 * mp + 2) / 5 + 1;
  M = mp < 10 ? mp + 3 : mp - 9;
  Y = int(yoe + era * 400 + (M <= 2 ? 1 : 0));
}

}  // namespace

std::string DateTimeToStr(double Days) {
  // Whole seconds, rounded; the day part of a negative value counts back
  // from 1899-12-30 while its time still runs forward, as the framework's.
  const double whole = std::trunc(Days);
  long long day = (long long)whole;
  long long seconds = std::llround(std::fabs(Days - whole) * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    day += Days < 0 ? -1 : 1;
  }
  int y = 0;
  unsigned m = 0, d = 0;
  CivilFromDays(day - 25569, y, m, d);
  char text[48];
  if (seconds == 0) {
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", y, m, d);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02lld:%02lld:%02lld", y, m, d, seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
  }
  return text;
}
