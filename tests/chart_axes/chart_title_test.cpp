// Chart titles: lines and text kept in step, the place a title takes at
// the top or bottom of the chart rectangle and the room it leaves, hit
// tests and copying.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/ChartTitle.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/RecordingCanvas.h"

namespace {

// A 200 × 150 panel drawing on a recording canvas, its chart rectangle
// 10 pixels inside.
struct TTitleFixture {
  TTitleFixture() {
    Canvas = new TRecordingCanvas(200, 150);
    Panel.SetInternalCanvas(Canvas);
    Canvas->InitWindow(Canvas->Bitmap.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, 200, 150});
    Panel.SetBounds(0, 0, 200, 150);
    Reset();
  }
  void Reset() {
    Panel.ChartRect = TRect{10, 10, 190, 140};
    Panel.ReCalcWidthHeight();
  }
  int Margin() { return Panel.BorderSize() + int(std::nearbyint(200 * 0.02)); }
  TTestAxisPanel Panel;
  TRecordingCanvas* Canvas = nullptr;
};

TEST(ChartTitle, LinesAndTextFollowEachOther) {
  TChartTitle t;
  TStringList lines;
  lines.Add("A");
  lines.Add("B");
  t.SetTextLines(&lines);
  EXPECT_EQ(t.GetText(), "A\r\nB");
  EXPECT_EQ(t.GetCaption(), "A");
  t.SetText("X\r\nY\r\nZ");
  EXPECT_EQ(t.GetTextLines()->Count(), 3);
  EXPECT_EQ(t.GetTextLines()->Get(0), "X");
  EXPECT_EQ(t.GetTextLines()->Get(2), "Z");
  t.SetCaption("One");
  EXPECT_EQ(t.GetTextLines()->Count(), 1);
  EXPECT_EQ(t.GetText(), "One");
  t.Clear();
  EXPECT_EQ(t.GetTextLines()->Count(), 0);
  EXPECT_EQ(t.GetText(), "");
  EXPECT_EQ(t.GetCaption(), "");
}

TEST(ChartTitle, NoLinesOrInvisibleTakesNoRoom) {
  TTitleFixture f;
  TChartTitle t(&f.Panel);
  t.DrawTitle();
  EXPECT_EQ(f.Panel.ChartRect, (TRect{10, 10, 190, 140}));
  t.SetCaption("Hidden");
  t.SetVisible(false);
  t.DrawTitle();
  EXPECT_EQ(f.Panel.ChartRect, (TRect{10, 10, 190, 140}));
  EXPECT_FALSE(t.ShouldDraw());
}

TEST(ChartTitle, TopTitlePlacesItselfByAlignmentAndTakesItsRoom) {
  struct TCase {
    TAlignment Align;
    const char* Text;
  };
  const TCase cases[] = {{taLeftJustify, "RPM"},
                         {taRightJustify, "RPM"},
                         {taCenter, "RPM"},
                         {taCenter, "A title far wider than the whole chart rectangle is"}};
  for (const TCase& c : cases) {
    TTitleFixture f;
    TChartTitle t(&f.Panel);
    t.SetCaption(c.Text);
    t.SetAlignment(c.Align);
    t.DrawTitle();
    const int w = t.GetWidth(), m = f.Margin();
    int left = std::max(m, 100 - w / 2);
    if (c.Align == taLeftJustify) left = m;
    if (c.Align == taRightJustify) left = 200 - w - m;
    EXPECT_EQ(t.ShapeBounds.Left, left) << c.Text;
    EXPECT_EQ(t.ShapeBounds.Top, 10);
    EXPECT_EQ(f.Panel.ChartRect.Top, t.ShapeBounds.Bottom + 5);
    EXPECT_EQ(f.Panel.ChartHeight, 140 - f.Panel.ChartRect.Top);
  }
}

TEST(ChartTitle, TitleWithoutAdjustFrameSpansThePanel) {
  TTitleFixture f;
  TChartTitle t(&f.Panel);
  t.SetCaption("RPM");
  t.SetAdjustFrame(false);
  t.DrawTitle();
  EXPECT_EQ(t.ShapeBounds.Left, f.Margin());
  EXPECT_EQ(t.GetWidth(), 200 - 2 * f.Margin());
}

TEST(ChartTitle, FootTitleWithAThickFrameSitsAboveTheBottomEdge) {
  TTitleFixture f;
  TChartFootTitle t(&f.Panel);
  t.SetCaption("Time");
  t.SetTransparent(false);
  t.GetFrame()->SetVisible(true);
  t.GetFrame()->SetWidth(3);
  t.DrawTitle();
  EXPECT_EQ(t.ShapeBounds.Bottom, 139);
  EXPECT_EQ(f.Panel.ChartRect.Bottom, t.ShapeBounds.Top - 6);
  EXPECT_EQ(t.GetFont()->GetColor(), TColor(0x0000FF));
}

TEST(ChartTitle, CustomPositionTakesNoRoom) {
  TTitleFixture f;
  TChartTitle t(&f.Panel);
  t.SetCaption("Here");
  t.SetLeft(50);
  t.SetTop(60);
  ASSERT_TRUE(t.GetCustomPosition());
  t.DrawTitle();
  EXPECT_EQ(t.ShapeBounds.Left, 50);
  EXPECT_EQ(t.ShapeBounds.Top, 60);
  EXPECT_EQ(f.Panel.ChartRect, (TRect{10, 10, 190, 140}));
}

TEST(ChartTitle, ClickedIncludesTheRightAndBottomEdges) {
  TChartTitle t;
  t.SetCaption("T");
  t.ShapeBounds = TRect{10, 20, 60, 40};
  EXPECT_TRUE(t.Clicked(60, 40));
  EXPECT_TRUE(t.Clicked(TPoint{10, 20}));
  EXPECT_FALSE(t.Clicked(61, 30));
  EXPECT_FALSE(t.Clicked(30, 41));
  t.SetVisible(false);
  EXPECT_FALSE(t.Clicked(30, 30));
}

TEST(ChartTitle, AssignCopiesFrameLinesAndMargin) {
  TChartTitle a, b;
  a.SetCaption("Copied\r\nTwice");
  a.SetAdjustFrame(false);
  a.SetVertMargin(9);
  b.Assign(&a);
  EXPECT_FALSE(b.GetAdjustFrame());
  EXPECT_EQ(b.GetVertMargin(), 9);
  EXPECT_EQ(b.GetTextLines()->Count(), 2);
  EXPECT_EQ(b.GetText(), "Copied\r\nTwice");
}

}  // namespace
