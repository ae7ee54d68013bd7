// Date-time steps and the calendar arithmetic of date axes.

#include <cmath>

#include "chart/PlotRoutines.h"

const double DateTimeStep[dtNone] = {1.0 / 86400000000.0,
                                     1.0 / 86400000.0,
                                     1.0 / 86400.0,
                                     5.0 / 86400.0,
                                     10.0 / 86400.0,
                                     15.0 / 86400.0,
                                     30.0 / 86400.0,
                                     1.0 / 1440.0,
                                     5.0 / 1440.0,
                                     10.0 / 1440.0,
                                     15.0 / 1440.0,
                                     30.0 / 1440.0,
                                     1.0 / 24.0,
                                     2.0 / 24.0,
                                     0.25,
                                     0.5,
                                     1,
                                     2,
                                     3,
                                     7,
                                     15,
                                     30,
                                     60,
                                     90,
                                     120,
                                     182,
                                     365};

int DaysInMonth(int Year, int Month) { return DaysInAMonth(Year, Month); }

std::string DateTimeDefaultFormat(double Step) {
  return Step > 1 ? LocaleShortDateFormat() : LocaleShortTimeFormat();
}

double NextDateTimeStep(double Step) {
  for (int i = dtSixMonths; i >= dtOneMicroSecond; --i)
    if (Step >= DateTimeStep[i]) return DateTimeStep[i + 1];
  return DateTimeStep[dtOneYear];
}

TDateTimeStep FindDateTimeStep(double StepValue) {
  for (int i = dtOneYear; i >= dtOneMicroSecond; --i)
    if (std::fabs(DateTimeStep[i] - StepValue) < DateTimeStep[dtOneMicroSecond])
      return TDateTimeStep(i);
  return dtNone;
}

namespace {

double N(double v) { return std::nearbyint(v); }

// Month and Year moved by Count months (Count 1 .. 12), the year carried.
void MoveMonths(bool Forward, int Count, int& Year, int& Month) {
  if (Forward) {
    Month += Count;
    if (Month > 12) {
      Month -= 12;
      ++Year;
    }
  } else if (Count >= Month) {
    --Year;
    Month = 12 - (Count - Month);
  } else {
    Month -= Count;
  }
}

int MonthsOf(TDateTimeStep Step) {
  switch (Step) {
    case dtOneMonth:
      return 1;
    case dtTwoMonths:
      return 2;
    case dtThreeMonths:
      return 3;
    case dtFourMonths:
      return 4;
    case dtSixMonths:
      return 6;
    default:
      return 0;
  }
}

bool SameValue(double A, double B) {
  const double tolerance = std::max(std::min(std::fabs(A), std::fabs(B)) * 1e-12, 1e-12);
  return std::fabs(A - B) <= tolerance;
}

// The day clamped to the month's length, so 29 February becomes 28
// February in a year without it.
TDateTime EncodeDay(int Year, int Month, int Day) {
  return EncodeDate(Year, Month, std::min(Day, DaysInAMonth(Year, Month)));
}

}  // namespace

TDateTime PlotRoundDate(TDateTime Date, TDateTimeStep Step) {
  if (Date == 0) return Date;
  if (Step >= dtHalfMonth) {
    uint16_t y, m, d;
    DecodeDate(Date, y, m, d);
    if (Step == dtHalfMonth)
      d = d < 15 ? 1 : 15;
    else if (Step == dtOneYear)
      d = m = 1;
    else if (Step != dtNone)
      d = 1;
    return EncodeDate(y, m, d);
  }
  switch (Step) {
    case dtOneDay:
      return N(Date);
    case dtTwoDays:
      return 2 * N(Date / 2);
    case dtThreeDays:
      return 3 * N(Date / 3);
    case dtOneWeek:
      return 7 * N((Date - 2) / 7) + 2;
    default:
      return Date;
  }
}

void PlotDateTimeIncrement(bool Increment, TDateTime& Value, double Amount, TDateTimeStep Step) {
  uint16_t y16, m16, d16;
  DecodeDate(Value, y16, m16, d16);
  int y = y16, m = m16, d = d16;
  const TDateTime target = Increment ? Value + Amount : Value - Amount;
  if (SameValue(target, Value)) return;
  if (Step < dtHalfMonth || Step == dtNone) {
    Value = target;
    return;
  }
  if (const int months = MonthsOf(Step)) {
    MoveMonths(Increment, months, y, m);
    Value = EncodeDate(y, m, 1);
    return;
  }
  if (Step == dtHalfMonth) {
    if (Increment) {  // to the 15th, or from it on to the 1st of the next month
      if (d < 15) {
        d = 15;
      } else {
        d = 1;
        MoveMonths(true, 1, y, m);
      }
    } else if (d > 15) {
      d = 15;
    } else if (d > 1) {
      d = 1;
    } else {
      MoveMonths(false, 1, y, m);
      d = 15;
    }
    Value = EncodeDate(y, m, d);
    return;
  }
  // One year at a time until the target is reached.
  do {
    y += Increment ? 1 : -1;
    Value = EncodeDay(y, m, d);
  } while (Increment ? Value < target : Value > target);
}
