#pragma once
// Calendar dates as day numbers, and the date, time and number formats of
// the user's locale.
//
// A TDateTime counts days since 30 December 1899; its fraction is the time
// of day. Dates follow the Gregorian calendar.

#include <cstdint>
#include <string>

#include "platform/rtl/SysUtils.h"

using TDateTime = double;

bool IsLeapYear(int Year);
// Days of Month (1 .. 12) in Year.
int DaysInAMonth(int Year, int Month);
// False for a year outside 1 .. 9999, a month outside 1 .. 12 or a day the
// month does not have.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
// As TryEncodeDate; raises EConvertError for a date that does not exist.
TDateTime EncodeDate(int Year, int Month, int Day);
// The whole day of Date counted from 30 December 1899, kept inside the
// calendar (1 January 0001 .. 31 December 9999); NaN gives day 0.
long long CalendarDay(TDateTime Date);
// The calendar date of the day the value falls on (its time dropped); values
// beyond the calendar give its first or last day.
void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day);

// The locale's short date and time formats as format patterns of the
// framework ("dd", "mm", "yyyy", "hh", "nn", "ss", "ampm"): "mm/dd/yy" and
// "hh:nn:ss" in the C locale.
std::string LocaleShortDateFormat();
std::string LocaleShortTimeFormat();
// The locale's decimal separator, and its thousand separator ("," where the
// locale groups digits with none).
char LocaleDecimalSeparator();
char LocaleThousandSeparator();
// Turns a strftime pattern into a framework pattern (used by the two above).
std::string StrftimeToFormatPattern(const std::string& Pattern);

// Date as text by the framework's pattern letters: "d" "dd" "ddd" "dddd",
// "m" "mm" "mmm" "mmmm" (minutes right after an hour), "yy" "yyyy", "h"
// "hh", "n" "nn", "s" "ss", "z" "zzz", "ampm" and "am/pm"; text in quotes
// and other characters stand as they are. English day and month names.
std::string FormatDateTime(const std::string& Format, TDateTime Value);

// ---- calendar arithmetic and the locale's date names (DateCalendar.cpp)
// Day of the week of Date: 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime Date);
// Date moved by Months calendar months; a day beyond the target month's
// length becomes its last day. The time of day is kept.
TDateTime IncMonth(TDateTime Date, int Months);
// The date of Date with the time of day of Time.
TDateTime ReplaceTime(TDateTime Date, TDateTime Time);
// The current local date and time.
TDateTime Now();
// The locale's long month name (1 .. 12) and abbreviated day name
// (1 = Sunday ... 7 = Saturday), UTF-8, from the C library's LC_TIME.
std::string LocaleLongMonthName(int Month);
std::string LocaleShortDayName(int Day);
// The locale's first day of the week: 0 = Monday ... 6 = Sunday.
int LocaleFirstDayOfWeek();
// The locale's short date, then a blank and its time of day, the time left
// out at midnight.
std::string DateTimeToLocaleStr(TDateTime Value);
// Reads a date, optionally followed by a time, in the locale's formats
// (the short date as DateTimeToLocaleStr writes it, or the ISO form
// "yyyy-mm-dd hh:nn:ss"). False, leaving Value alone, for anything else.
bool TryStrToDateTime(const std::string& Text, TDateTime& Value);
