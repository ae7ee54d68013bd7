// Legend layout on a chart of known size: what the items are, how many
// rows and columns they take, where the box sits and what is left of the
// chart rectangle.

#include <gtest/gtest.h>

#include "legend_fixture.h"

namespace {

TEST(LegendLayout, AutoStyleListsValuesOfOneSeriesElseTheSeries) {
  struct TCase {
    const char* Name;
    int SeriesCount;
    bool CheckBoxes;
    TLegendStyle Style;
    int Items;
  };
  const TCase cases[] = {{"one series", 1, false, lsValues, 4},
                         {"two series", 2, false, lsSeries, 2},
                         {"one series, check boxes", 1, true, lsSeries, 1}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TLegendChart f;
    for (int i = 0; i < c.SeriesCount; ++i) f.Area("S" + std::to_string(i), {10, 20, 30, 40});
    f.Legend.SetCheckBoxes(c.CheckBoxes);
    f.Layout();
    EXPECT_EQ(f.Legend.InternalLegendStyle, c.Style);
    EXPECT_EQ(f.Legend.ITotalItems, c.Items);
    EXPECT_EQ(f.Legend.ILastValue, c.Items - 1);
    EXPECT_EQ(f.Legend.NumRows, c.Items);
    EXPECT_EQ(f.Legend.NumCols, 1);
  }
}

TEST(LegendLayout, InactiveAndHiddenSeriesAreNotListedWithoutCheckBoxes) {
  TLegendChart f;
  f.Area("A", {1});
  f.Area("B", {2}).SetActive(false);
  f.Area("C", {3}).SetShowInLegend(false);
  f.Area("D", {4});
  f.Legend.SetLegendStyle(lsSeries);
  f.Layout();
  EXPECT_EQ(f.Legend.ITotalItems, 2);
  f.Legend.SetCheckBoxes(true);
  f.Layout();
  EXPECT_EQ(f.Legend.ITotalItems, 3);
  EXPECT_EQ(f.Legend.FormattedLegend(1), "B");
}

// A right legend of three series: its top by TopPos, its right edge on the
// chart rectangle's, its height by the rows and the chart rectangle's right
// moved to its left less 3 % of the width, unless ResizeChart is off.
TEST(LegendLayout, SideLegendPlaceAndTheRoomItTakes) {
  struct TCase {
    TLegendAlignment Align;
    int TopPos;
    bool Resize;
  };
  const TCase cases[] = {
      {laRight, 10, true}, {laRight, 0, true}, {laLeft, 0, true}, {laRight, 10, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Align) + " TopPos " + std::to_string(c.TopPos));
    TLegendChart f;
    f.Area("Alpha", {1});
    f.Area("Beta", {2});
    f.Area("Gamma", {3});
    f.Legend.SetAlignment(c.Align);
    f.Legend.SetTopPos(c.TopPos);
    f.Legend.SetResizeChart(c.Resize);
    f.Layout();
    const TRect r = f.Legend.RectLegend();
    const int ih = f.TextHeight();
    const int frame = f.Legend.GetFrame()->GetWidth();  // visible, 1 pixel
    EXPECT_EQ(f.Legend.ItemHeight, ih);
    EXPECT_EQ(r.Top, 20 + int(std::lround(c.TopPos * 160 / 100.0)) + frame / 2);
    const int margin = int(std::lround(ih / 10.0));
    EXPECT_EQ(r.Height(), 3 * ih + 2 * margin + frame + 2);
    if (c.Align == laRight)  // clear of the legend's shadow
      EXPECT_EQ(r.Right, 280 - f.Legend.GetShadow()->GetHorizSize() - (frame / 2 + 1));
    else
      EXPECT_EQ(r.Left, 20 + frame + 1);
    const TRect cr = f.Panel.ChartRect;
    if (!c.Resize) {
      EXPECT_EQ(cr, f.Rect);
    } else if (c.Align == laRight) {
      EXPECT_EQ(cr.Right, r.Left - 260 * 3 / 100);
      EXPECT_EQ(cr.Left, 20);
    } else {
      EXPECT_EQ(cr.Left, r.Right + 260 * 3 / 100);
      EXPECT_EQ(cr.Right, 280);
    }
  }
}

TEST(LegendLayout, MaxNumRowsLimitsASideLegend) {
  TLegendChart f;
  f.Area("S", {1, 2, 3, 4, 5});
  f.Legend.SetMaxNumRows(2);
  f.Layout();
  EXPECT_EQ(f.Legend.ITotalItems, 5);
  EXPECT_EQ(f.Legend.NumRows, 2);
  EXPECT_EQ(f.Legend.ILastValue, 1);
  ASSERT_EQ(f.Legend.IItems.size(), 2u);
  EXPECT_EQ(f.Legend.IItems[1][0], "2");
}

// The rows a side legend gets are those that fit into the chart rectangle.
TEST(LegendLayout, SideLegendRowsStopAtTheChartRectanglesBottom) {
  TLegendChart f(300, 120);
  std::vector<double> many(40, 1.0);
  f.Area("S", many);
  f.Legend.SetTopPos(0);
  f.Layout();
  const int ih = f.Legend.ItemHeight;
  const int frame = 1;
  const int rows = (100 - frame - f.Legend.FirstItemTop()) / ih;
  EXPECT_EQ(f.Legend.NumRows, rows);
  EXPECT_EQ(f.Legend.ILastValue, rows - 1);
  EXPECT_LE(f.Legend.RectLegend().Bottom, 100 + ih);
}

TEST(LegendLayout, BottomLegendFitsOneRowOrBecomesAJustifiedGrid) {
  struct TCase {
    const char* Name;
    int Series;
    int MaxRows;
  };
  const TCase cases[] = {{"fits", 3, 0}, {"grid", 30, 0}, {"grid of two rows", 30, 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TLegendChart f;
    for (int i = 0; i < c.Series; ++i) f.Area("Series " + std::to_string(i), {1});
    f.Legend.SetAlignment(laBottom);
    f.Legend.SetMaxNumRows(c.MaxRows);
    f.Layout();
    TCustomChartLegend& l = f.Legend;
    const TRect r = l.RectLegend();
    EXPECT_EQ(r.Bottom, 180 - (1 / 2 + 1 + l.GetShadow()->GetVertSize()));
    EXPECT_EQ(f.Panel.ChartRect.Bottom, r.Top - 160 * 4 / 100);
    // Centred on the chart rectangle.
    EXPECT_LE(std::abs((r.Left + r.Right) / 2 - 150), 1);
    if (c.Series == 3) {
      EXPECT_FALSE(l.IJustify);
      EXPECT_EQ(l.NumRows, 1);
      EXPECT_EQ(l.NumCols, 3);
      EXPECT_EQ(l.ILastValue, 2);
      continue;
    }
    const int limit = c.MaxRows == 0 ? 10 : c.MaxRows;
    EXPECT_TRUE(l.IJustify);
    EXPECT_GT(l.NumRows, 1);
    EXPECT_LE(l.NumRows, limit);
    EXPECT_EQ(l.ILastValue, std::min(30, l.NumCols * l.NumRows) - 1);
    int total = 2;
    for (int j = 0; j < l.NumCols; ++j) total += l.ColumnWidth(j);
    EXPECT_LE(total, 300 - 2 - 30);  // bounds less frame, TopPos 10 %
    EXPECT_EQ(r.Height(), l.ItemHeight * l.NumRows + 2 * l.ItemsTopMargin + 1 + 2);
  }
}

TEST(LegendLayout, TopLegendSitsOnTheChartRectanglesTop) {
  TLegendChart f;
  f.Area("A", {1});
  f.Area("B", {1});
  f.Legend.SetAlignment(laTop);
  f.Legend.SetVertMargin(7);
  f.Layout();
  const TRect r = f.Legend.RectLegend();
  EXPECT_EQ(r.Top, 20 + 1 / 2 + 1);
  EXPECT_EQ(f.Panel.ChartRect.Top, r.Bottom + 7);
  EXPECT_EQ(f.Panel.ChartRect.Bottom, 180);
}

// A custom place is counted from the chart bounds' top-left; the drawing
// takes that offset back, so layouts without drawing do not add it twice.
TEST(LegendLayout, CustomPositionInPixelsOrPercentKeepsTheChartRectangle) {
  TLegendChart f;
  f.Panel.ChartBounds = TRect{10, 5, 300, 200};
  f.Area("A", {1});
  f.Area("B", {1});
  f.Legend.SetLeft(40);
  f.Legend.SetTop(30);
  EXPECT_TRUE(f.Legend.GetCustomPosition());
  f.Layout();
  EXPECT_EQ(f.Legend.RectLegend().Left, 50);
  EXPECT_EQ(f.Legend.RectLegend().Top, 35);
  EXPECT_EQ(f.Panel.ChartRect, f.Rect);
  f.Layout();
  EXPECT_EQ(f.Legend.RectLegend().Left, 50);
  f.Draw();
  EXPECT_EQ(f.Legend.RectLegend().Left, 40);
  f.Legend.SetPositionUnits(muPercent);
  f.Legend.SetLeftPercent(50);
  f.Legend.SetTopPercent(25);
  f.Layout();
  EXPECT_EQ(f.Legend.RectLegend().Left, 160);
  EXPECT_EQ(f.Legend.RectLegend().Top, 55);
  EXPECT_EQ(f.Panel.ChartRect, f.Rect);
}

TEST(LegendLayout, NoItemsTakeNoRoom) {
  TLegendChart f;
  f.Area("Empty", {});
  f.Layout();
  EXPECT_EQ(f.Legend.ITotalItems, 0);
  EXPECT_LT(f.Legend.ILastValue, f.Legend.GetFirstValue());
  EXPECT_EQ(f.Panel.ChartRect, f.Rect);
}

TEST(LegendLayout, PagingListsTheCurrentPagesValues) {
  TLegendChart f;
  f.Area("S", {1, 2, 3, 4, 5, 6, 7, 8});
  f.Panel.SetMaxPointsPerPage(3);
  f.Panel.SetPage(2);
  f.Layout();
  EXPECT_EQ(f.Legend.GetFirstValue(), 3);
  EXPECT_EQ(f.Legend.ITotalItems, 3);
  EXPECT_EQ(f.Legend.IItems[0][0], "4");
}

TEST(LegendLayout, TitleAddsItsHeightAndWidensTheBox) {
  TLegendChart f;
  f.Area("A", {1});
  f.Area("B", {1});
  f.Layout();
  const int plain = f.Legend.RectLegend().Height();
  f.Legend.GetTitle()->SetCaption("A rather long legend title");
  f.Layout();
  EXPECT_TRUE(f.Legend.IDrawTitle);
  const int title = f.Legend.GetTitle()->GetHeight();
  EXPECT_EQ(f.Legend.RectLegend().Height(), plain + title + 4);
  EXPECT_GE(f.Legend.RectLegend().Width(), f.Legend.GetTitle()->GetWidth());
  EXPECT_EQ(f.Legend.FirstItemTop(), f.Legend.RectLegend().Top + title + 4);
}

TEST(LegendLayout, ItemHeightGrowsForCheckBoxesSpacingAndPixelSymbols) {
  TLegendChart f;
  f.Area("A", {1});
  f.Area("B", {1});
  const int h = f.TextHeight();
  f.Layout();
  EXPECT_EQ(f.Legend.ItemHeight, h);
  f.Legend.SetVertSpacing(5);
  f.Layout();
  EXPECT_EQ(f.Legend.ItemHeight, h + 5);
  f.Legend.SetVertSpacing(0);
  f.Legend.GetSymbol()->SetHeightUnits(lcsPixels);
  f.Legend.GetSymbol()->SetHeight(h + 9);
  f.Layout();
  EXPECT_EQ(f.Legend.ItemHeight, h + 9);
  f.Legend.GetSymbol()->SetHeight(8);
  f.Legend.SetCheckBoxes(true);
  f.Layout();
  EXPECT_EQ(f.Legend.ItemHeight, std::max(h, 17));
}

}  // namespace
