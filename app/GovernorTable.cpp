// The governor table. Twelve rows are fixed by the governor's firmware (the
// first rows of each half, its ends and the rows at the quarters of the
// percentage column); the rows between them are filled in here: eRPM by
// geometric steps between the fixed rows of a half (rounded, so speeds rise
// by a constant factor as the governor's curve does), percentages linear
// over each half in tenths.

#include "app/GovernorTable.h"

#include <algorithm>
#include <cmath>

namespace {

struct TFixedRow {
  int Row;
  int32_t ERpm;
};

// Per half, its first and last rows included.
const TFixedRow kLowHalf[] = {{0, 10000},  {1, 10161},  {2, 10327},  {26, 14423},
                              {52, 20950}, {78, 30612}, {104, 44910}};
const TFixedRow kHighHalf[] = {
    {105, 45113}, {152, 88132}, {157, 93926}, {183, 136768}, {209, 200267}};

// Percentage of step i (0..104) of a half, in tenths: 594 + i x 406/104,
// nearest tenth, a half tenth rounded down (steps 26 and 78 give 69.5 and
// 89.8).
int PercentTenths(int step) { return 594 + (step * 203 + 25) / 52; }

template <size_t N>
void FillHalf(std::array<TGovernorEntry, kGovernorRows>& table, const TFixedRow (&fixed)[N]) {
  for (size_t k = 0; k + 1 < N; ++k) {
    const TFixedRow& a = fixed[k];
    const TFixedRow& b = fixed[k + 1];
    const double factor = static_cast<double>(b.ERpm) / a.ERpm;
    for (int row = a.Row; row < b.Row; ++row) {
      const double t = static_cast<double>(row - a.Row) / (b.Row - a.Row);
      table[row].ERpm = static_cast<int32_t>(std::lround(a.ERpm * std::pow(factor, t)));
    }
    table[b.Row].ERpm = b.ERpm;
  }
  const int start = fixed[0].Row;
  for (int step = 0; step < kGovernorHalfRows; ++step) {
    TGovernorEntry& entry = table[start + step];
    entry.Percent = PercentTenths(step) / 10.0;
    entry.ShownPercent = step < 2 ? 60.0 : entry.Percent;
  }
}

std::array<TGovernorEntry, kGovernorRows> BuildGovernorTable() {
  std::array<TGovernorEntry, kGovernorRows> table{};
  FillHalf(table, kLowHalf);
  FillHalf(table, kHighHalf);
  return table;
}

}  // namespace

const std::array<TGovernorEntry, kGovernorRows>& GovernorTable() {
  static const std::array<TGovernorEntry, kGovernorRows> table = BuildGovernorTable();
  return table;
}

int FindNearestGovernorEntry(int64_t value, int first, int last) {
  const auto& table = GovernorTable();
  first = std::clamp(first, 0, kGovernorRows - 1);
  last = std::clamp(last, first, kGovernorRows - 1);
  if (value <= table[first].ERpm) return first;
  if (value >= table[last].ERpm) return last;
  // table[first] < value < table[last]: halve until the two rows are neighbours.
  while (last - first > 1) {
    const int middle = first + (last - first) / 2;
    if (value == table[middle].ERpm) return middle;
    if (value < table[middle].ERpm)
      last = middle;
    else
      first = middle;
  }
  return value - table[first].ERpm < table[last].ERpm - value ? first : last;
}

double RoundDownToHalf(double x) {
  const double whole = std::trunc(x);
  return x - whole >= 0.5 ? whole + 0.5 : whole;
}
