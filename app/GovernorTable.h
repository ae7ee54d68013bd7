#pragma once
// The governor table: which throttle percentage the governor gives for an
// electrical motor speed (eRPM). 210 rows ascending by eRPM, in two halves of
// 105 rows: rows 0-104 the low governor range (eRPM 10000 to 44910), rows
// 105-209 the high range (45113 to 200267). Both halves carry the same
// percentage column, rising from 59.4 to 100.0.

#include <array>
#include <cstdint>

struct TGovernorEntry {
  int32_t ERpm;
  double Percent;       // the percentage of the row's step
  double ShownPercent;  // the throttle shown: Percent, but 60.0 in a half's first two rows
};

constexpr int kGovernorRows = 210;
constexpr int kGovernorHalfRows = 105;

const std::array<TGovernorEntry, kGovernorRows>& GovernorTable();

// The row in first..last whose eRPM is nearest the value; exactly midway
// between two rows the higher one. Below the range the first row, above it
// the last. Rows outside the table are held to it.
int FindNearestGovernorEntry(int64_t value, int first, int last);

// The integer part of x, plus 0.5 when the fraction is 0.5 or more:
// 77.7 gives 77.5, 77.5 gives 77.5, 77.49 gives 77.0.
double RoundDownToHalf(double x);
