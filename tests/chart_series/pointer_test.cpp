// The series pointer: sizes and their clamps, the rectangle a marker
// covers, styles that draw nothing, hit tests per style, margins and the
// legend symbol's half sizes.

#include <gtest/gtest.h>

#include "series_fixture.h"

namespace {

struct TPointerChart : TSeriesChart {
  TPointSeries& S = Add<TPointSeries>();
  TSeriesPointer* P = S.GetPointer();
  // Draws one marker at (10, 10) with half sizes 4 and returns the log.
  std::vector<std::string> DrawAt10(TSeriesPointerStyle Style) {
    Canvas->ClearLog();
    P->DrawPointer(Canvas, false, 10, 10, 4, 4, clRed, Style);
    return Canvas->Calls();
  }
};

TEST(SeriesPointer, SizesClampThroughSettersOnly) {
  TPointerChart f;
  for (int size : {0, -5}) {
    f.P->SetSize(size);
    EXPECT_EQ(f.P->GetHorizSize(), 1) << size;
    EXPECT_EQ(f.P->GetVertSize(), 1) << size;
  }
  f.P->ChangeHorizSize(0);
  EXPECT_EQ(f.P->GetHorizSize(), 0);

  int h = 0, v = 0;
  f.P->SetSizeFloat(2.5f);
  f.P->CalcSize(h, v);
  EXPECT_EQ(h, 2);  // halves to even
  EXPECT_EQ(v, 2);
}

TEST(SeriesPointer, RectangleCoversCentrePlusHalfSizes) {
  TPointerChart f;
  EXPECT_EQ(f.DrawAt10(psRectangle), std::vector<std::string>{"Rectangle(6,6,15,15)"});
  f.P->SetCenterPixel(false);
  EXPECT_EQ(f.DrawAt10(psRectangle), std::vector<std::string>{"Rectangle(7,7,15,15)"});
  EXPECT_EQ(f.DrawAt10(psCircle), std::vector<std::string>{"Ellipse(7,7,14,14)"});
}

TEST(SeriesPointer, NothingAndVisualDrawNothing) {
  TPointerChart f;
  EXPECT_TRUE(f.DrawAt10(psNothing).empty());
  EXPECT_TRUE(f.DrawAt10(psVisual).empty());
  EXPECT_FALSE(f.P->Clicked(psNothing, TPoint{10, 10}, 10, 10));
}

TEST(SeriesPointer, HitTestPerStyle) {
  TPointerChart f;  // half sizes 4 x 4 at (10, 10)
  const struct {
    TSeriesPointerStyle Style;
    int X, Y;
    bool Hit;
  } cases[] = {
      {psRectangle, 10, 10, true},    {psRectangle, 7, 13, true},
      {psRectangle, 6, 10, false},  // exactly HorizSize left: strict
      {psRectangle, 10, 14, false},   {psCircle, 13, 10, true},
      {psCircle, 13, 13, false},      {psTriangle, 10, 12, true},
      {psTriangle, 7, 7, false},      {psDownTriangle, 7, 7, true},
      {psDownTriangle, 7, 13, false}, {psLeftTriangle, 12, 7, true},
      {psLeftTriangle, 7, 7, false},  {psRightTriangle, 7, 7, true},
      {psDiamond, 10, 8, true},       {psDiamond, 7, 7, false},
      {psNothing, 10, 10, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(f.P->Clicked(c.Style, TPoint{c.X, c.Y}, 10, 10), c.Hit)
        << int(c.Style) << " at " << c.X << "," << c.Y;
}

TEST(SeriesPointer, MarginsLeaveRoomForSizeAndPen) {
  TPointerChart f;
  int l = 0, r = 0, t = 0, b = 0;
  f.P->GetPen()->SetWidth(3);
  f.P->CalcHorizMargins(l, r);
  f.P->CalcVerticalMargins(t, b);
  EXPECT_EQ(l, 6);
  EXPECT_EQ(r, 6);
  EXPECT_EQ(t, 5);
  EXPECT_EQ(b, 5);
  f.P->GetPen()->Hide();
  l = r = 0;
  f.P->CalcHorizMargins(l, r);
  EXPECT_EQ(l, 5);
  f.P->SetInflateMargins(false);
  l = 0;
  f.P->CalcHorizMargins(l, r);
  EXPECT_EQ(l, 0);
}

TEST(SeriesPointer, LegendSymbolKeepsAspectAndSizes) {
  TPointerChart f;
  f.P->GetPen()->Hide();
  f.Canvas->ClearLog();
  PlotPointerDrawLegend(f.P, clRed, TRect{0, 0, 16, 8}, false, psRectangle);
  // Centre (8, 4), half sizes 4 and 4.
  EXPECT_EQ(f.Canvas->Calls("Rectangle"), std::vector<std::string>{"Rectangle(4,0,13,9)"});

  TSeriesPointer alone;
  f.Canvas->ClearLog();
  PlotPointerDrawLegend(&alone, clRed, TRect{0, 0, 16, 8}, false, psRectangle);
  EXPECT_TRUE(f.Canvas->Calls().empty());
}

TEST(SeriesPointer, AssignCopiesFormattingButNotCentrePixel) {
  TPointerChart f;
  TSeriesPointer other;
  other.SetStyle(psStar);
  other.SetHorizSize(7);
  other.SetCenterPixel(false);
  other.GetShadow()->SetVisible(true);
  f.P->Assign(&other);
  EXPECT_EQ(f.P->GetStyle(), psStar);
  EXPECT_EQ(f.P->GetHorizSize(), 7);
  EXPECT_TRUE(f.P->GetCenterPixel());
  EXPECT_TRUE(f.P->GetShadow()->GetVisible());
  TSeriesPointer plain;
  f.P->Assign(&plain);
  EXPECT_FALSE(f.P->HasShadow());
}

}  // namespace
