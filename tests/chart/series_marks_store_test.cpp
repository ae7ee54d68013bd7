// The per-point stores of a series' marks follow deleted and cleared points;
// a range delete removes only the stored positions and boxes that exist.

#include <gtest/gtest.h>

#include "chart/ChartSeries.h"
#include "chart/SeriesMarks.h"

namespace {

TEST(SeriesMarksStore, DeleteKeepsOnlyExistingEntries) {
  TChartSeries s;
  for (int i = 0; i < 100; ++i) s.AddXY(i, i);
  TSeriesMarks* m = s.GetMarks();
  for (int i = 0; i < 50; ++i) m->GetPositions()->Ensure(i)->LeftTop.X = i;
  m->GetItem(45)->SetText("x");
  s.Delete(40, 20);
  EXPECT_EQ(s.Count(), 80);
  EXPECT_EQ(m->GetPositions()->Count(), 40);
  EXPECT_EQ(m->GetItems()->Count(), 40);
  s.Delete(60, 5);  // past every stored position
  EXPECT_EQ(m->GetPositions()->Count(), 40);
  s.Delete(5);
  EXPECT_EQ(m->GetPositions()->Get(5)->LeftTop.X, 6);
  s.Clear();
  EXPECT_EQ(m->GetPositions()->Count(), 0);
}

}  // namespace
