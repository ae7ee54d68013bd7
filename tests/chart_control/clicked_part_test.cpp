// Which part of a chart of known size a point hits: legend items (placed by
// hand or not), series marks, pointers and segments, axes and axis titles,
// the four titles and the chart rectangle.

#include <gtest/gtest.h>

#include <functional>

#include "chart/SeriesMarks.h"
#include "chart/SeriesPointer.h"
#include "chart_fixture.h"

namespace {

TPoint Centre(const TRect& R) { return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

// A chart with four titles, a right legend, a titled left axis and one line
// series with pointers and marks: (1, 20), (5, 80), (9, 40) on 0..10 x 0..100.
struct TClickChart : TChartFixture {
  TClickChart() {
    Chart.GetTitle()->SetCaption("Title");
    Chart.GetSubTitle()->SetCaption("Sub-title");
    Chart.GetFoot()->SetCaption("Foot");
    Chart.GetSubFoot()->SetCaption("Sub-foot");
    Chart.GetBottomAxis()->SetMinMax(0, 10);
    Chart.GetLeftAxis()->SetMinMax(0, 100);
    Chart.GetLeftAxis()->GetAxisTitle()->SetCaption("RPM");
    Line = &Add<TLineSeries>({1, 20, 5, 80, 9, 40});
    Line->GetPointer()->SetVisible(true);
    Line->GetMarks()->SetVisible(true);
    Line->GetMarks()->SetArrowLength(30);
    Draw();
  }
  // The first point of R (scanned by rows) where Test holds.
  static TPoint Find(const TRect& R, const std::function<bool(TPoint)>& Test) {
    for (int y = R.Top; y <= R.Bottom; ++y)
      for (int x = R.Left; x <= R.Right; ++x)
        if (Test(TPoint{x, y})) return TPoint{x, y};
    return TPoint{-1, -1};
  }
  TPoint LegendItem(int Index) {
    TChartLegend* l = Chart.GetLegend();
    return Find(l->RectLegend(), [&](TPoint P) { return l->Clicked(P) == Index; });
  }
  TChartClickedPart Part(TPoint P, bool OnlyNeeded = false) {
    return Chart.CalcNeedClickedPart(P, OnlyNeeded);
  }
  TLineSeries* Line = nullptr;
};

}  // namespace

TEST(ClickedPart, EveryPartOfTheChart) {
  TClickChart f;
  TChart& c = f.Chart;
  TLineSeries* s = f.Line;
  const TPoint pointer{s->CalcXPos(0), s->CalcYPos(0)};
  const TPoint segment{(s->CalcXPos(1) + s->CalcXPos(2)) / 2,
                       (s->CalcYPos(1) + s->CalcYPos(2)) / 2};
  TSeriesMarkPosition* mark = s->GetMarks()->GetPositions()->Get(1);
  ASSERT_NE(mark, nullptr);
  TChartAxis* left = c.GetLeftAxis();
  const TPoint axisTitle = Centre(left->GetAxisTitle()->ShapeBounds);
  const TPoint bottomAxis{(c.ChartRect.Left + c.ChartRect.Right) / 2 + 3,
                          c.GetBottomAxis()->FPosAxis + 1};
  struct Case {
    const char* Name;
    TPoint P;
    TChartClickedPartStyle Part;
    int Index;
    TCustomChartSeries* Series;
    TChartAxis* Axis;
  };
  const Case cases[] = {
      {"pointer", pointer, cpSeriesPointer, 0, s, nullptr},
      {"mark", Centre(mark->Bounds()), cpSeriesMarks, 1, s, nullptr},
      {"segment", segment, cpSeries, 1, s, nullptr},
      {"bottom axis", bottomAxis, cpAxis, -1, nullptr, c.GetBottomAxis()},
      {"axis title", axisTitle, cpAxisTitle, -1, nullptr, left},
      {"legend item", f.LegendItem(0), cpLegend, 0, nullptr, nullptr},
      {"title", Centre(c.GetTitle()->GetShapeBounds()), cpTitle, -1, nullptr, nullptr},
      {"sub-title", Centre(c.GetSubTitle()->GetShapeBounds()), cpSubTitle, -1, nullptr, nullptr},
      {"foot", Centre(c.GetFoot()->GetShapeBounds()), cpFoot, -1, nullptr, nullptr},
      {"sub-foot", Centre(c.GetSubFoot()->GetShapeBounds()), cpSubFoot, -1, nullptr, nullptr},
      {"chart rectangle", TPoint{c.ChartRect.Left + 4, c.ChartRect.Top + 4}, cpChartRect, -1,
       nullptr, nullptr},
      {"chart rectangle, right", TPoint{c.ChartRect.Right - 12, c.ChartRect.Top + 4}, cpChartRect,
       -1, nullptr, nullptr},
      {"outside", TPoint{1, 1}, cpNone, -1, nullptr, nullptr},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.Name);
    const TChartClickedPart p = f.Part(k.P);
    EXPECT_EQ(int(p.Part), int(k.Part)) << k.P.X << "," << k.P.Y;
    EXPECT_EQ(p.PointIndex, k.Index);
    EXPECT_EQ(p.ASeries, k.Series);
    EXPECT_EQ(p.AAxis, k.Axis);
  }
  // The same through the Part's record form.
  TChartClickedPart p;
  c.CalcClickedPart(pointer, p);
  EXPECT_EQ(p.Part, cpSeriesPointer);
}

TEST(ClickedPart, ALegendPlacedByHandComesBeforeTheSeries) {
  TClickChart f;
  TChartLegend* l = f.Chart.GetLegend();
  const TPoint pointer{f.Line->CalcXPos(1), f.Line->CalcYPos(1)};
  l->SetLeft(pointer.X - 10);
  l->SetTop(pointer.Y - 6);
  ASSERT_TRUE(l->GetCustomPosition());
  f.Draw();
  const TPoint item = f.LegendItem(0);
  ASSERT_GE(item.X, 0);
  const TChartClickedPart p = f.Part(item);
  EXPECT_EQ(p.Part, cpLegend);
  EXPECT_EQ(p.PointIndex, 0);
  // A hidden legend is never hit.
  l->SetVisible(false);
  EXPECT_NE(f.Part(item).Part, cpLegend);
}

TEST(ClickedPart, WithoutActiveSeriesTheChartRectangleIsNothing) {
  TClickChart f;
  const TPoint inside{f.Chart.ChartRect.Left + 4, f.Chart.ChartRect.Top + 4};
  f.Line->SetActive(false);
  EXPECT_EQ(f.Part(inside).Part, cpNone);
  // An inactive series is not hit either.
  EXPECT_EQ(f.Part(TPoint{f.Line->CalcXPos(0), f.Line->CalcYPos(0)}).Part, cpNone);
}

TEST(ClickedPart, OnlyNeededSkipsSeriesWithoutClickEvents) {
  TClickChart f;
  const TPoint pointer{f.Line->CalcXPos(0), f.Line->CalcYPos(0)};
  EXPECT_EQ(int(f.Part(pointer, true).Part), int(cpChartRect));
  EXPECT_EQ(int(f.Part(pointer, false).Part), int(cpSeriesPointer));
  f.Line->OnClick = [](TChartSeries*, int, TMouseButton, TShiftState, int, int) {};
  EXPECT_EQ(int(f.Part(pointer, true).Part), int(cpSeriesPointer));
  f.Line->OnClick = nullptr;
  f.Chart.OnClickSeries = [](TCustomChart*, TChartSeries*, int, TMouseButton, TShiftState, int,
                             int) {};
  EXPECT_EQ(int(f.Part(pointer, true).Part), int(cpSeriesPointer));
}

TEST(ChartHover, LegendShowsTheHoverOfTheLastSeriesWithAHoverPoint) {
  TChartFixture f;
  f.Chart.SetHoverVisible(true);
  auto& a = f.Add<TLineSeries>({1, 10, 5, 50});
  auto& b = f.Add<TLineSeries>({1, 60, 5, 90});
  auto& c = f.Add<TLineSeries>({1, 30, 5, 20});
  // The series track no hover of their own, so a move away from their
  // points keeps the hover points set here.
  for (TLineSeries* s : {&a, &b, &c}) s->GetSelected()->GetHover()->SetVisible(false);
  f.Draw();
  TChartLegend* l = f.Chart.GetLegend();
  const TPoint away{2, 2};
  struct Case {
    int AHover, BHover, CHover;
    bool AInLegend;
    int Item;
  };
  // The item counts only the series the legend lists.
  const Case cases[] = {{-1, -1, -1, true, -1},
                        {0, -1, -1, true, 0},
                        {0, 1, -1, true, 1},
                        {-1, 1, -1, false, 0},
                        {-1, -1, 0, false, 1}};
  for (const Case& k : cases) {
    a.GetSelected()->SetHoverIndex(k.AHover);
    b.GetSelected()->SetHoverIndex(k.BHover);
    c.GetSelected()->SetHoverIndex(k.CHover);
    a.SetShowInLegend(k.AInLegend);
    f.Chart.MouseMove(0, away.X, away.Y);
    EXPECT_EQ(l->GetSelected()->GetHoverIndex(), k.Item)
        << k.AHover << " " << k.BHover << " " << k.CHover << " " << k.AInLegend;
  }
  // A series without legend line of its own shows no item.
  a.GetSelected()->SetHoverIndex(2);
  b.GetSelected()->SetHoverIndex(-1);
  c.GetSelected()->SetHoverIndex(-1);
  a.SetShowInLegend(false);
  f.Chart.MouseMove(0, away.X, away.Y);
  EXPECT_EQ(l->GetSelected()->GetHoverIndex(), -1);
}

TEST(ChartLegendEvents, TheChartsEventsChangeTextPlaceAndBox) {
  TChartFixture f;
  auto& a = f.Add<TLineSeries>({1, 10, 5, 50});
  a.SetTitle("Motor");
  f.Add<TLineSeries>({1, 60, 5, 90}).SetTitle("Prop");
  f.Chart.OnGetLegendText = [](TCustomAxisPanel*, TLegendStyle Style, int Index,
                               std::string& Text) {
    Text += "/" + std::to_string(int(Style)) + "/" + std::to_string(Index);
  };
  f.Draw();
  EXPECT_EQ(f.Chart.FormattedLegend(0), "Motor/1/0");
  EXPECT_EQ(f.Chart.FormattedLegend(1), "Prop/1/1");
  EXPECT_EQ(f.Chart.FormattedValueLegend(nullptr, 0), "");
  EXPECT_FALSE(f.Chart.FormattedValueLegend(&a, 1).empty());
  int rects = 0, places = 0;
  f.Chart.OnGetLegendRect = [&](TCustomChart* C, TRect& R) {
    EXPECT_EQ(C, &f.Chart);
    ++rects;
    R = TRect{10, 10, 120, 60};
  };
  f.Chart.OnGetLegendPos = [&](TCustomChart*, int, int&, int&, int&) { ++places; };
  f.Draw();
  EXPECT_GT(rects, 0);
  EXPECT_GT(places, 0);
  EXPECT_EQ(f.Chart.GetLegend()->RectLegend(), (TRect{10, 10, 120, 60}));
}

TEST(TitlesAndLegend, ASideLegendTakesItsRoomBeforeTheTitlesABottomOneAfter) {
  struct Case {
    bool Visible;
    TLegendAlignment Alignment;
  };
  auto titleCentre = [](const Case& k, TRect* Legend) {
    TChartFixture f;
    f.Chart.GetTitle()->SetCaption("A title of some length");
    f.Add<TLineSeries>({1, 10, 5, 50}).SetTitle("First series");
    f.Add<TLineSeries>({1, 60, 5, 90}).SetTitle("Second series");
    f.Chart.GetLegend()->SetVisible(k.Visible);
    f.Chart.GetLegend()->SetAlignment(k.Alignment);
    f.Draw();
    if (Legend) *Legend = f.Chart.GetLegend()->RectLegend();
    const TRect t = f.Chart.GetTitle()->GetShapeBounds();
    return TPoint{(t.Left + t.Right) / 2, t.Top};
  };
  const TPoint plain = titleCentre({false, laRight}, nullptr);
  TRect legend;
  // A right legend narrows the rectangle the title is centred on.
  EXPECT_LT(titleCentre({true, laRight}, &legend).X, plain.X - 10);
  EXPECT_GT(legend.Left, plain.X);
  EXPECT_GT(titleCentre({true, laLeft}, nullptr).X, plain.X + 10);
  // A top legend comes after the titles: the title keeps its place and the
  // legend sits below it.
  const TPoint top = titleCentre({true, laTop}, &legend);
  EXPECT_EQ(top.X, plain.X);
  EXPECT_EQ(top.Y, plain.Y);
  EXPECT_GT(legend.Top, top.Y);
}
