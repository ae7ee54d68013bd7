#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/GovernorTable.h"

namespace {

TEST(GovernorTable, FixedRowsAreExact) {
  const struct {
    int row;
    int32_t erpm;
    double shown;
  } rows[] = {{0, 10000, 60.0},   {1, 10161, 60.0},   {2, 10327, 60.2},    {26, 14423, 69.5},
              {52, 20950, 79.7},  {78, 30612, 89.8},  {104, 44910, 100.0}, {105, 45113, 60.0},
              {152, 88132, 77.7}, {157, 93926, 79.7}, {183, 136768, 89.8}, {209, 200267, 100.0}};
  const auto& table = GovernorTable();
  for (const auto& r : rows) {
    EXPECT_EQ(table[r.row].ERpm, r.erpm) << r.row;
    EXPECT_DOUBLE_EQ(table[r.row].ShownPercent, r.shown) << r.row;
  }
}

TEST(GovernorTable, RisesStrictlyWithOnePercentColumnPerHalf) {
  const auto& table = GovernorTable();
  for (int row = 1; row < kGovernorRows; ++row)
    EXPECT_LT(table[row - 1].ERpm, table[row].ERpm) << row;
  for (int step = 0; step < kGovernorHalfRows; ++step) {
    const TGovernorEntry& low = table[step];
    const TGovernorEntry& high = table[kGovernorHalfRows + step];
    EXPECT_DOUBLE_EQ(low.Percent, high.Percent) << step;
    EXPECT_NEAR(low.Percent * 10, std::round(low.Percent * 10), 1e-9) << step;  // one decimal
    // Linear from 59.4 to 100.0: within half a tenth of the exact line.
    EXPECT_NEAR(low.Percent, 59.4 + step * 40.6 / 104, 0.05 + 1e-9) << step;
    const double shown = step < 2 ? 60.0 : low.Percent;
    EXPECT_DOUBLE_EQ(low.ShownPercent, shown) << step;
    EXPECT_DOUBLE_EQ(high.ShownPercent, shown) << step;
  }
  EXPECT_DOUBLE_EQ(table[0].Percent, 59.4);
  EXPECT_DOUBLE_EQ(table[1].Percent, 59.8);
}

// Between two fixed rows the speed rises by a constant factor.
TEST(GovernorTable, SpeedsBetweenFixedRowsAreGeometric) {
  const int fixed[] = {2, 26, 52, 78, 104, 105, 152, 157, 183, 209};
  const auto& table = GovernorTable();
  for (size_t k = 0; k + 1 < std::size(fixed); ++k) {
    const int a = fixed[k], b = fixed[k + 1];
    if (b - a < 2) continue;
    const double factor = std::pow(double(table[b].ERpm) / table[a].ERpm, 1.0 / (b - a));
    for (int row = a + 1; row < b; ++row) {
      const double expected = table[a].ERpm * std::pow(factor, row - a);
      EXPECT_LE(std::abs(table[row].ERpm - expected), 0.5) << row;
    }
  }
}

// The nearest row by a plain scan; midway the higher row.
int NearestByScan(int64_t value, int first, int last) {
  int best = first;
  for (int row = first; row <= last; ++row) {
    if (std::llabs(GovernorTable()[row].ERpm - value) <=
        std::llabs(GovernorTable()[best].ERpm - value))
      best = row;
  }
  return best;
}

TEST(FindNearestGovernorEntry, Cases) {
  const struct {
    int64_t value;
    int first, last, row;
  } cases[] = {
      {5000, 0, 209, 0},  // below the table
      {10000, 0, 209, 0},
      {300000, 0, 209, 209},  // above the table
      {88132, 0, 209, 152},
      {88000, 0, 209, 152},
      {10243, 0, 209, 1},
      {10244, 0, 209, 2},  // 10244 is midway between 10161 and 10327
      {45011, 0, 209, 104},
      {45012, 0, 209, 105},
      {5000, 105, 209, 105},
      {300000, 0, 104, 104},
      {88132, 0, 104, 104},
      {-1, 0, 209, 0},
      {int64_t(1) << 40, 0, 209, 209},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindNearestGovernorEntry(c.value, c.first, c.last), c.row) << c.value;
}

TEST(FindNearestGovernorEntry, AgreesWithAScanOverTheWholeRange) {
  for (int64_t value = 9000; value <= 202000; value += 7) {
    ASSERT_EQ(FindNearestGovernorEntry(value, 0, 209), NearestByScan(value, 0, 209)) << value;
    ASSERT_EQ(FindNearestGovernorEntry(value, 105, 209), NearestByScan(value, 105, 209)) << value;
  }
  // Every midway point between neighbours goes to the higher row.
  const auto& table = GovernorTable();
  for (int row = 1; row < kGovernorRows; ++row) {
    const int64_t sum = int64_t(table[row - 1].ERpm) + table[row].ERpm;
    if (sum % 2 != 0) continue;
    ASSERT_EQ(FindNearestGovernorEntry(sum / 2, 0, 209), row) << row;
  }
}

TEST(RoundDownToHalf, Cases) {
  const struct {
    double x, result;
  } cases[] = {{77.7, 77.5}, {77.5, 77.5},   {77.49, 77.0}, {77.0, 77.0},
               {60.2, 60.0}, {100.0, 100.0}, {0.5, 0.5},    {89.8, 89.5}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundDownToHalf(c.x), c.result) << c.x;
}

}  // namespace
