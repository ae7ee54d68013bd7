// Per-point labels and pictures of a series, the picture component, and
// the index sort and palette they rely on.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "chart/ChartPointLists.h"
#include "chart/ChartSeries.h"
#include "chart/PlotPalette.h"
#include "chart/PlotSort.h"
#include "tests/chart/chart_fake_panel.h"

namespace {

TEST(ChartLabelsList, GrowsOnlyForText) {
  TLabelsList labels(nullptr);
  EXPECT_EQ(labels.GetLabel(3), "");
  labels.SetLabel(3, "a");
  EXPECT_EQ(labels.List, (std::vector<std::string>{"", "", "", "a"}));
  labels.SetLabel(7, "");
  EXPECT_EQ(labels.Count(), 4);
  EXPECT_TRUE(labels.IAnyEmpty);
  labels.SetLabel(3, "");
  EXPECT_EQ(labels.GetLabel(3), "");
}

TEST(ChartLabelsList, InsertAndDelete) {
  TLabelsList labels(nullptr);
  labels.InsertLabel(0, "");
  EXPECT_EQ(labels.Count(), 0);
  EXPECT_TRUE(labels.IAnyEmpty);
  labels.Clear();
  EXPECT_FALSE(labels.IAnyEmpty);
  labels.InsertLabel(2, "c");  // past the end: padded
  labels.InsertLabel(0, "a");
  labels.InsertLabel(2, "");
  EXPECT_EQ(labels.List, (std::vector<std::string>{"a", "", "", "", "c"}));
  labels.DeleteLabel(0);
  EXPECT_EQ(labels.GetLabel(3), "c");
  labels.Exchange(3, 6);  // swapping past the end grows the list
  EXPECT_EQ(labels.GetLabel(6), "c");
  EXPECT_EQ(labels.GetLabel(3), "");
}

TEST(ChartLabelsList, IndexOfLabelIgnoresCaseOnRequest) {
  TLabelsList labels(nullptr);
  labels.SetLabel(0, "x");
  labels.SetLabel(1, "abc");
  EXPECT_EQ(labels.IndexOfLabel("ABC", false), 1);
  EXPECT_EQ(labels.IndexOfLabel("ABC", true), -1);
  EXPECT_EQ(labels.IndexOfLabel("abc", true), 1);
  TLabelsList copy(nullptr);
  labels.SetCaseSensitive(true);
  copy.Assign(labels);
  EXPECT_EQ(copy.List, labels.List);
  EXPECT_TRUE(copy.GetCaseSensitive());
}

TEST(ChartLabelsList, SettingALabelRepaintsTheSeries) {
  FakeSeriesPanel panel;
  TChartSeries s;
  s.SetParentChart(&panel);
  const int before = panel.Repaints;
  s.SetXLabel(2, "b");
  EXPECT_EQ(panel.Repaints, before + 1);
  EXPECT_EQ(s.Labels()->Count(), 3);
  s.SetParentChart(nullptr);
}

TEST(ChartPictureList, PutPadsAndNilFrees) {
  TPlotPictureList list(nullptr);
  auto* picture = new TPlotPicture;
  list.Put(5, picture);
  ASSERT_EQ(list.Count(), 6);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list.Get(i), nullptr);
  EXPECT_EQ(list.Get(5), picture);
  EXPECT_EQ(list.IndexOf(picture), 5);
  list.Put(5, nullptr);  // frees the owned picture (the sanitizer run checks)
  EXPECT_EQ(list.Count(), 6);
  EXPECT_EQ(list.Get(5), nullptr);
  EXPECT_EQ(list.Get(9), nullptr);
  EXPECT_EQ(list.IndexOf(picture), -1);
}

TEST(ChartPictureList, InsertDeleteAndAssign) {
  TPlotPictureList list(nullptr);
  list.Insert(0, nullptr);
  EXPECT_EQ(list.Count(), 0);
  auto* a = new TPlotPicture;
  list.Insert(2, a);
  list.Insert(0, nullptr);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Get(3), a);
  TPlotPictureList copy(nullptr);
  copy.Assign(list);
  ASSERT_EQ(copy.Count(), 4);
  EXPECT_NE(copy.Get(3), nullptr);
  EXPECT_NE(copy.Get(3), a);
  list.Delete(3);
  EXPECT_EQ(list.Count(), 3);
}

TEST(ChartPictureList, SeriesKeepsPicturesWithTheirPoints) {
  TChartSeries s;
  s.AddY(1);
  s.Pictures()->Put(0, new TPlotPicture);
  s.AddXY(-1, 2);  // goes first: an empty picture entry is put before
  ASSERT_EQ(s.Pictures()->Count(), 2);
  EXPECT_EQ(s.Pictures()->Get(0), nullptr);
  EXPECT_NE(s.Pictures()->Get(1), nullptr);
  s.Delete(0);
  EXPECT_NE(s.Pictures()->Get(0), nullptr);
}

TEST(ChartPictureComponent, OwnsOrHandsOverItsPicture) {
  TPlotPictureComponent made;
  ASSERT_NE(made.GetPicture(), nullptr);
  auto* picture = new TPlotPicture;
  std::unique_ptr<TPlotPictureComponent> wrap(TPlotPictureComponent::CreateFrom(picture));
  EXPECT_EQ(wrap->GetPicture(), picture);
  EXPECT_EQ(wrap->GetOwner(), nullptr);
  std::unique_ptr<TPlotPicture> kept(wrap->DetachPicture());
  wrap.reset();  // frees nothing now
  EXPECT_EQ(kept.get(), picture);
}

TEST(PlotSort, SortsWithTheCallersSwap) {
  const std::vector<std::vector<int>> inputs = {
      {}, {4}, {2, 1}, {5, 3, 9, 1, 3, 7, 0}, {1, 1, 1}, {9, 8, 7, 6, 5, 4}};
  for (std::vector<int> data : inputs) {
    int calls = 0;
    PlotSort(
        0, static_cast<int>(data.size()) - 1,
        [&](int a, int b) {
          ++calls;
          return data[a] < data[b] ? -1 : (data[a] > data[b] ? 1 : 0);
        },
        [&](int a, int b) { std::swap(data[a], data[b]); });
    EXPECT_TRUE(std::is_sorted(data.begin(), data.end()));
    if (data.size() < 2) {
      EXPECT_EQ(calls, 0);
    }
  }
}

TEST(PlotPalette, WrapsAndRestores) {
  EXPECT_EQ(GetDefaultColor(0), clRed);
  EXPECT_EQ(GetDefaultColor(19), TColor(0xA4A0A0));
  EXPECT_EQ(GetDefaultColor(20), clRed);
  SetDefaultColorPalette({clBlue, clLime});
  EXPECT_EQ(GetDefaultColor(3), clLime);
  SetDefaultColorPalette();
  EXPECT_EQ(PlotColorPalette().size(), 20u);
}

}  // namespace
