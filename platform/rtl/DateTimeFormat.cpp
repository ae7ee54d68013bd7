// Formatting a date-time by the framework's pattern letters.

#include <cctype>
#include <cmath>
#include <cstdio>

#include "platform/rtl/DateUtils.h"

namespace {

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};

struct TParts {
  int Year, Month, Day, Hour, Minute, Second, MSec, WeekDay;
};

TParts Split(TDateTime Value) {
  TParts p{};
  uint16_t y = 0, m = 0, d = 0;
  DecodeDate(Value, y, m, d);
  p.Year = y;
  p.Month = m;
  p.Day = d;
  const double day = std::floor(Value);
  long long ms = std::llround(std::fabs(Value - std::trunc(Value)) * 86400000.0);
  if (ms >= 86400000) ms = 86399999;
  p.Hour = int(ms / 3600000);
  p.Minute = int(ms / 60000 % 60);
  p.Second = int(ms / 1000 % 60);
  p.MSec = int(ms % 1000);
  // 30 December 1899 was a Saturday.
  p.WeekDay = int(((long long)day % 7 + 13) % 7);
  return p;
}

std::string Num(int Value, int Digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", Digits, Value);
  return buf;
}

// Length of the run of letter C (either case) at Pos.
size_t Run(const std::string& F, size_t Pos) {
  const int c = std::tolower((unsigned char)F[Pos]);
  size_t n = 0;
  while (Pos + n < F.size() && std::tolower((unsigned char)F[Pos + n]) == c) ++n;
  return n;
}

bool StartsWith(const std::string& F, size_t Pos, const char* S) {
  for (size_t i = 0; S[i]; ++i)
    if (Pos + i >= F.size() || std::tolower((unsigned char)F[Pos + i]) != S[i]) return false;
  return true;
}

}  // namespace

std::string FormatDateTime(const std::string& Format, TDateTime Value) {
  const TParts p = Split(Value);
  const bool ampm = StartsWith(
      Format,
      Format.find_first_of("aA") == std::string::npos ? Format.size() : Format.find_first_of("aA"),
      "am");
  std::string out;
  bool afterHour = false;
  size_t i = 0;
  while (i < Format.size()) {
    const char c = char(std::tolower((unsigned char)Format[i]));
    if (c == '"' || c == '\'') {
      const size_t end = Format.find(Format[i], i + 1);
      out += Format.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
      i = end == std::string::npos ? Format.size() : end + 1;
      continue;
    }
    if (StartsWith(Format, i, "am/pm") || StartsWith(Format, i, "ampm")) {
      out += p.Hour < 12 ? "AM" : "PM";
      i += StartsWith(Format, i, "am/pm") ? 5 : 4;
      continue;
    }
    const size_t n = Run(Format, i);
    const int hour12 = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
    switch (c) {
      case 'y':
        out += n <= 2 ? Num(p.Year % 100, 2) : Num(p.Year, 4);
        break;
      case 'm':
        if (afterHour && n <= 2)
          out += Num(p.Minute, int(n));
        else if (n <= 2)
          out += Num(p.Month, int(n));
        else
          out += n == 3 ? std::string(kMonths[p.Month - 1], 3) : kMonths[p.Month - 1];
        break;
      case 'd':
        if (n <= 2)
          out += Num(p.Day, int(n));
        else
          out += n == 3 ? std::string(kDays[p.WeekDay], 3) : kDays[p.WeekDay];
        break;
      case 'h':
        out += Num(ampm ? hour12 : p.Hour, n >= 2 ? 2 : 1);
        break;
      case 'n':
        out += Num(p.Minute, n >= 2 ? 2 : 1);
        break;
      case 's':
        out += Num(p.Second, n >= 2 ? 2 : 1);
        break;
      case 'z':
        out += Num(p.MSec, n >= 3 ? 3 : 1);
        break;
      default:
        out.append(n, Format[i]);
        break;
    }
    if (c == 'h')
      afterHour = true;
    else if (std::isalpha((unsigned char)c))
      afterHour = false;
    i += n;
  }
  return out;
}
