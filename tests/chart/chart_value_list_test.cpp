// Value lists: ordered insertion, growth, deletion, lazy statistics,
// sorting through the series and the obsolete "Multiplier" stream entry.

#include <gtest/gtest.h>

#include <vector>

#include "chart/ChartSeries.h"
#include "chart/ChartValueList.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Dialogs.h"
#include "scene/zr_stream.h"

namespace {

std::vector<double> Values(const TChartValueList& L) {
  return std::vector<double>(L.Value.begin(), L.Value.begin() + L.Count());
}

// A series that counts the modification notices of its lists.
class CountingSeries : public TChartSeries {
 public:
  void NotifyValue(TValueEvent Event, int ValueIndex) override {
    if (Event == veModify) ++Modified;
    TChartSeries::NotifyValue(Event, ValueIndex);
  }
  int Modified = 0;
};

struct OrderCase {
  TChartListOrder Order;
  std::vector<double> Added;
  std::vector<int> Indexes;
  std::vector<double> Result;
};

TEST(ChartValueList, OrderedInsertion) {
  const OrderCase cases[] = {
      {loAscending, {3, 1, 2, 2}, {0, 0, 1, 2}, {1, 2, 2, 3}},
      {loDescending, {1, 3, 2, 2}, {0, 0, 1, 2}, {3, 2, 2, 1}},
      {loNone, {3, 1, 2}, {0, 1, 2}, {3, 1, 2}},
  };
  for (const OrderCase& c : cases) {
    TChartValueList list(nullptr, "Y");
    list.SetOrder(c.Order);
    std::vector<int> indexes;
    for (double v : c.Added) indexes.push_back(list.AddChartValue(v));
    EXPECT_EQ(indexes, c.Indexes) << c.Order;
    EXPECT_EQ(Values(list), c.Result) << c.Order;
  }
}

TEST(ChartValueList, EqualValueGoesAfterItsEquals) {
  // Equal values carry the same number; which one went where shows in a
  // parallel list that the series keeps at the chosen index.
  TChartSeries series;
  series.AddXY(2, 20);
  series.AddXY(1, 10);
  series.AddXY(2, 21);
  EXPECT_EQ(Values(*series.YValues()), (std::vector<double>{10, 20, 21}));
}

TEST(ChartValueList, CapacityGrowsInStepsOfOneThousand) {
  TChartValueList list(nullptr, "X");
  list.AddChartValue(1);
  EXPECT_EQ(list.Capacity(), 1000);
  for (int i = 1; i < 1000; ++i) list.AddChartValue(i);
  EXPECT_EQ(list.Capacity(), 1000);
  list.AddChartValue(1000);
  EXPECT_EQ(list.Count(), 1001);
  EXPECT_EQ(list.Capacity(), 2000);
  list.InsertChartValue(0, -1);
  EXPECT_EQ(list.GetValue(0), -1);
  EXPECT_EQ(list.GetValue(1001), 1000);
  list.ClearValues();
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(ChartValueList, DeleteCutsTheQuantityToTheValues) {
  TChartValueList list(nullptr, "X");
  for (double v : {1.0, 2.0, 3.0, 4.0}) list.AddChartValue(v);
  list.Delete(1, 2);
  EXPECT_EQ(Values(list), (std::vector<double>{1, 4}));
  list.Delete(0, 5);
  EXPECT_EQ(list.Count(), 0);
}

TEST(ChartValueList, StatisticsOfEmptyListAreZero) {
  TChartValueList list(nullptr, "X");
  EXPECT_EQ(list.Total(), 0);
  EXPECT_EQ(list.TotalABS(), 0);
  EXPECT_EQ(list.MinValue(), 0);
  EXPECT_EQ(list.MaxValue(), 0);
  EXPECT_EQ(list.Range(), 0);
}

TEST(ChartValueList, StatisticsAreComputedOnceAfterManyChanges) {
  CountingSeries series;
  TChartValueList* y = series.YValues();
  EXPECT_TRUE(y->GetModified());  // stale from creation
  EXPECT_EQ(y->MaxValue(), 0);
  for (double v : {4.0, -6.0, 2.0}) y->AddChartValue(v);
  // Only the first add turned the clean list stale.
  EXPECT_EQ(series.Modified, 1);
  EXPECT_TRUE(y->GetModified());
  EXPECT_EQ(y->MaxValue(), 4);
  EXPECT_FALSE(y->GetModified());
  // Later reads use the cache: a value changed behind the list's back
  // does not show until the next change.
  y->Value[1] = -60;
  EXPECT_EQ(y->MinValue(), -6);
  EXPECT_EQ(y->Total(), 0);
  EXPECT_EQ(y->TotalABS(), 12);
  EXPECT_EQ(y->Range(), 10);
  y->AddChartValue(10);
  EXPECT_EQ(series.Modified, 2);
  EXPECT_EQ(y->MaxValue(), 10);
  // SetValue notifies every time, stale or not.
  y->SetValue(0, 1);
  y->SetValue(0, 2);
  EXPECT_EQ(series.Modified, 4);
}

TEST(ChartValueList, IncrementalStatisticsGoOnFromTheirState) {
  TChartValueList list(nullptr, "X");
  for (double v : {1.0, 5.0}) list.AddChartValue(v);
  EXPECT_EQ(list.Total(), 6);
  list.AddChartValue(-2);
  list.RecalcStats(2);
  EXPECT_EQ(list.Total(), 4);
  EXPECT_EQ(list.MinValue(), -2);
  EXPECT_EQ(list.TotalABS(), 8);
}

TEST(ChartValueList, LocateFindsExactFirstMatch) {
  TChartValueList list(nullptr, "X");
  for (double v : {1.0, 2.0, 1.0, 2.0000001}) list.AddChartValue(v);
  EXPECT_EQ(list.Locate(2), 1);
  EXPECT_EQ(list.Locate(1), 0);
  EXPECT_EQ(list.Locate(1, 1, 3), 2);
  EXPECT_EQ(list.Locate(3), -1);
  EXPECT_EQ(list.Locate(1, 2, 1), -1);
}

TEST(ChartValueList, ScrollRotatesAndKeepsTheStatistics) {
  TChartValueList list(nullptr, "X");
  for (double v : {1.0, 2.0, 3.0}) list.AddChartValue(v);
  EXPECT_EQ(list.MaxValue(), 3);
  list.Value[2] = 9;  // behind the list's back: the cache must not be redone
  list.Scroll();
  EXPECT_EQ(Values(list), (std::vector<double>{2, 9, 1}));
  EXPECT_FALSE(list.GetModified());
  EXPECT_EQ(list.MaxValue(), 3);
}

TEST(ChartValueList, SortMovesEveryListOfTheSeries) {
  TChartSeries series;
  series.XValues()->SetOrder(loNone);
  series.AddXY(3, 30, "c");
  series.AddXY(1, 10, "a");
  series.AddXY(2, 20, "b");
  series.AddXY(1, 11, "a2");
  series.XValues()->SetOrder(loDescending);
  series.XValues()->Sort();
  EXPECT_EQ(Values(*series.XValues()), (std::vector<double>{3, 2, 1, 1}));
  EXPECT_EQ(Values(*series.YValues()), (std::vector<double>{30, 20, 10, 11}));
  EXPECT_EQ(series.GetXLabel(0), "c");
  EXPECT_EQ(series.GetXLabel(1), "b");
}

TEST(ChartValueList, CompareKeepsEqualValuesInIndexOrder) {
  TChartValueList list(nullptr, "X");
  list.SetOrder(loDescending);
  for (double v : {5.0, 5.0, 7.0}) list.InsertChartValue(list.Count(), v);
  EXPECT_EQ(list.CompareValueIndex(0, 2), 1);  // 5 after 7 when descending
  EXPECT_EQ(list.CompareValueIndex(0, 1), -1);
  EXPECT_EQ(list.CompareValueIndex(1, 0), 0);
}

TEST(ChartValueList, AssignCopiesSettingsNotValues) {
  TChartValueList a(nullptr, "A"), b(nullptr, "B");
  a.AddChartValue(1);
  a.SetOrder(loDescending);
  a.SetDateTime(true);
  a.SetValueSource("Field");
  b.Assign(&a);
  EXPECT_EQ(b.GetOrder(), loDescending);
  EXPECT_TRUE(b.GetDateTime());
  EXPECT_EQ(b.GetValueSource(), "Field");
  EXPECT_EQ(b.GetName(), "B");
  EXPECT_EQ(b.Count(), 0);
}

// Reads a stream holding one "Multiplier" entry into a list.
int MessagesForMultiplier(double Multiplier) {
  TMemoryStream stream;
  {
    TWriter writer(&stream);
    writer.WriteStr("Multiplier");
    writer.WriteFloat(Multiplier);
    writer.WriteListEnd();
  }
  stream.Seek(0, soBeginning);
  int shown = 0;
  std::string text;
  MessageBoxHook = [&](const TMessageBoxRequest& r) {
    ++shown;
    text = r.Text;
    EXPECT_EQ(r.Caption, "");
    EXPECT_NE(r.Flags & MB_ICONERROR, 0);
    return IDOK;
  };
  TChartValueList list(nullptr, "Y");
  TReader reader(&stream);
  reader.ReadObjectProperties(&list);
  MessageBoxHook = nullptr;
  if (shown) {
    EXPECT_EQ(text.rfind("Error: Multiplier property is obsolete.\r", 0), 0u);
  }
  return shown;
}

TEST(ChartValueList, ObsoleteMultiplierIsReportedUnlessOne) {
  EXPECT_EQ(MessagesForMultiplier(1), 0);
  EXPECT_EQ(MessagesForMultiplier(2), 1);
}

}  // namespace
