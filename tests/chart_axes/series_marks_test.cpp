// Series marks: which points get a box, where the boxes go, overlaps, user
// positions, tails, connectors, clicks, the texts of marks and legend rows,
// and the per-point stores when points are deleted.

#include <gtest/gtest.h>

#include <string>

#include "chart/PlotWidgets.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "scene/zr_stream.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/RecordingCanvas.h"

namespace {

// Counts the legend symbols it is asked to draw.
class TLegendPanel : public TTestAxisPanel {
 public:
  void DrawLegendShape(const TRect&, TGraphic*) override { ++Symbols; }
  int Symbols = 0;
};

// A series whose overlapping marks never move.
class TStuckSeries : public TChartSeries {
 public:
  TPoint MarkOverlap(int, const TRect&, const TRect&) const override { return TPoint{0, 0}; }
};

// A chart rectangle 400 x 140 with the series' points on it.
struct TMarksChart {
  explicit TMarksChart(TChartSeries& S, int Points) : Series(S) {
    Canvas = new TRecordingCanvas(480, 240);
    Panel.SetInternalCanvas(Canvas);
    Canvas->InitWindow(Canvas->Bitmap.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, 480, 240});
    Series.SetParentChart(&Panel);
    for (int i = 0; i < Points; ++i) Series.AddXY(i, 100 + i % 7);
    Panel.PlaceAxes(TRect{40, 20, 440, 160});
    Series.GetMarks()->SetVisible(true);
  }
  ~TMarksChart() { Series.SetParentChart(nullptr); }
  std::vector<int> Placed() const {
    std::vector<int> v;
    TSeriesMarksPositions* p = Series.GetMarks()->GetPositions();
    for (int i = 0; i < p->Count(); ++i)
      if (p->Get(i)) v.push_back(i);
    return v;
  }
  TChartSeries& Series;
  TLegendPanel Panel;
  TRecordingCanvas* Canvas = nullptr;
};

TSeriesMarkPosition Box(int L, int T, int W, int H) {
  TSeriesMarkPosition p;
  p.LeftTop = TPoint{L, T};
  p.ArrowTo = TPoint{L + W / 2, T + H};
  p.ArrowFrom = p.ArrowTo;
  p.Width = W;
  p.Height = H;
  return p;
}

TEST(SeriesMarks, ConstructedHiddenWithTheirLook) {
  TChartSeries s;
  TSeriesMarks* m = s.GetMarks();
  EXPECT_FALSE(m->GetVisible());
  EXPECT_EQ(m->GetStyle(), smsLabelOrValue);
  EXPECT_EQ(m->GetColor(), TColor(0xE1FFFF));
  EXPECT_EQ(m->GetRoundSize(), 4);
  EXPECT_EQ(m->GetShapeStyle(), fosRoundRectangle);
  EXPECT_EQ(m->GetTextAlign(), taCenter);
  EXPECT_TRUE(m->GetAutoPosition());
  EXPECT_EQ(m->GetArrowLength(), 8);
  EXPECT_FALSE(m->GetCallout()->GetVisible());
  EXPECT_FALSE(s.HasMarksToDraw());
}

TEST(SeriesMarks, ManyPointsDrawEveryFifthMark) {
  TChartSeries s;
  TMarksChart f(s, 1000);
  s.CalcFirstLastVisibleIndex();
  ASSERT_EQ(s.FLastVisibleIndex - s.FFirstVisibleIndex + 1, 1000);
  EXPECT_EQ(s.GetMarks()->CalcEvery(), 5);
  s.DrawMarks();
  std::vector<int> placed = f.Placed();
  ASSERT_EQ(placed.size(), 200u);
  for (int i : placed) EXPECT_EQ(i % 5, 0) << i;

  s.CalcVisiblePoints = false;
  s.GetMarks()->SetDrawEvery(3);
  EXPECT_EQ(s.GetMarks()->CalcEvery(), 3);
}

TEST(SeriesMarks, BoxStandsCentredOnItsPoint) {
  TChartSeries s;
  TMarksChart f(s, 3);
  s.CalcFirstLastVisibleIndex();
  s.DrawMarks();
  TSeriesMarkPosition* p = s.GetMarks()->GetPositions()->Get(1);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->ArrowFrom, (TPoint{s.CalcXPos(1), s.CalcYPos(1)}));
  EXPECT_EQ(p->LeftTop.X, s.CalcXPos(1) - p->Width / 2);
  EXPECT_EQ(p->LeftTop.Y, s.CalcYPos(1) - p->Height + 1);
  EXPECT_GT(p->Width, 0);
  EXPECT_GT(f.Canvas->Count("TextOut("), 0u);
}

TEST(SeriesMarks, PointItemTextReplacesTheStyle) {
  TChartSeries s;
  s.AddXY(0, 10);
  s.AddXY(1, 20);
  s.AddXY(2, 30);
  s.GetMarks()->GetItem(1)->GetTextLines()->SetText("A");
  EXPECT_EQ(s.GetMarkText(1), "A");
  EXPECT_EQ(s.GetMarkText(0), "10");
  EXPECT_EQ(s.GetMarkText(2), "30");
  s.GetMarks()->GetItem(2)->SetText("B\r\n");
  EXPECT_EQ(s.GetMarkText(2), "B");
  s.GetMarks()->GetItem(1)->SetTextLines(nullptr);
  EXPECT_EQ(s.GetMarkText(1), "20");
}

TEST(SeriesMarks, OverlappingMarkMovesClearOrIsDropped) {
  struct Case {
    const char* name;
    bool stuck;
    bool drawn;
    int top;
  } cases[] = {{"moves below the other", false, true, 20}, {"cannot move", true, false, 10}};
  for (const Case& c : cases) {
    TChartSeries plain;
    TStuckSeries stuck;
    TChartSeries& s = c.stuck ? static_cast<TChartSeries&>(stuck) : plain;
    s.AddXY(0, 1);
    s.AddXY(1, 1);
    TSeriesMarks* m = s.GetMarks();
    m->GetShadow()->SetVisible(false);
    m->GetPen()->SetVisible(false);
    *m->GetPositions()->Ensure(0) = Box(0, 0, 40, 20);
    TSeriesMarkPosition p = Box(10, 10, 40, 20);
    EXPECT_EQ(m->AntiOverlap(0, 1, p), c.drawn) << c.name;
    EXPECT_EQ(p.LeftTop.Y, c.top) << c.name;
    EXPECT_EQ(p.ArrowFrom.Y, 30) << c.name;
  }
}

TEST(SeriesMarks, CustomPositionKeepsTheBox) {
  TChartSeries s;
  TSeriesMarks* m = s.GetMarks();
  for (bool fix : {false, true}) {
    TSeriesMarkPosition user = Box(5, 5, 30, 12);
    user.ArrowFrom = TPoint{1, 1};
    user.ArrowFix = fix;
    m->GetPositions()->Put(0, user);
    TSeriesMarkPosition now = Box(100, 100, 30, 12);
    now.ArrowFrom = TPoint{115, 112};
    m->UsePosition(0, now);
    EXPECT_EQ(now.LeftTop, (TPoint{5, 5}));
    EXPECT_FALSE(now.Custom);
    EXPECT_EQ(now.ArrowFrom, fix ? (TPoint{115, 112}) : (TPoint{1, 1}));
    EXPECT_TRUE(m->GetPositions()->Get(0)->Custom);
  }
  m->ResetPositions();
  EXPECT_FALSE(m->GetPositions()->ExistCustom());
}

TEST(SeriesMarks, TailFacesThePoint) {
  TChartSeries s;
  TMarksTail* t = s.GetMarks()->GetTail();
  const TRect box{10, 50, 50, 70};
  // Mark below its point: the tail sits on the top edge, centred.
  std::vector<TPoint> p = t->GetPoints(box, TPoint{30, 20}, TPoint{30, 50});
  EXPECT_EQ(t->GetEdge(), tteTop);
  ASSERT_EQ(p.size(), 7u);
  EXPECT_EQ(p[5], (TPoint{30, 42}));
  EXPECT_EQ(p[4], (TPoint{34, 50}));
  EXPECT_EQ(p[6], (TPoint{26, 50}));
  // Mark above its point: bottom edge.
  p = t->GetPoints(box, TPoint{30, 90}, TPoint{30, 70});
  EXPECT_EQ(t->GetEdge(), tteBottom);
  EXPECT_EQ(p[3], (TPoint{30, 78}));
  // Placed by hand: far end of the right edge.
  t->SetAutoAlign(false);
  t->SetEdge(tteRight);
  t->SetAlign(ttaFar);
  p = t->GetPoints(box, TPoint{30, 90}, TPoint{30, 70});
  EXPECT_EQ(p[4], (TPoint{58, 66}));
}

TEST(SeriesMarks, ClickedOnlyOnDrawnMarks) {
  TChartSeries s;
  TSeriesMarks* m = s.GetMarks();
  s.CalcVisiblePoints = false;
  m->SetDrawEvery(3);
  for (int i = 0; i < 10; ++i) *m->GetPositions()->Ensure(i) = Box(i * 10, 0, 25, 10);
  EXPECT_EQ(m->Clicked(42, 5), 3);  // boxes 2, 3 and 4 lie there; 3 is drawn
  EXPECT_EQ(s.IClickedPart, scpMark);
  EXPECT_EQ(m->Clicked(95, 5), 9);
  EXPECT_EQ(m->Clicked(57, 5), -1);  // boxes 4 and 5 only
}

TEST(SeriesMarks, CalloutLengthAndDistanceLiftTheBox) {
  TChartSeries s;
  TMarksCallout* c = s.GetMarks()->GetCallout();
  c->SetLength(8);
  c->SetDistance(2);
  TSeriesMarkPosition p = Box(10, 50, 20, 10);
  s.GetMarks()->ApplyArrowLength(&p);
  EXPECT_EQ(p.LeftTop.Y, 40);
  EXPECT_EQ(p.ArrowTo.Y, 50);
  EXPECT_EQ(p.ArrowFrom.Y, 58);
  EXPECT_FALSE(c->IsLengthStored());
}

TEST(SeriesMarks, SolidHeadDrawsNoPointerSquare) {
  struct Case {
    TArrowHeadStyle head;
    bool visible;
    size_t squares;
  } cases[] = {{ahNone, true, 1}, {ahNone, false, 0}, {ahSolid, true, 0}, {ahLine, true, 0}};
  for (const Case& k : cases) {
    TChartSeries s;
    TMarksChart f(s, 2);
    TMarksCallout* c = s.GetMarks()->GetCallout();
    c->SetVisible(k.visible);
    c->SetArrowHead(k.head);
    f.Canvas->ClearLog();
    c->Draw(clRed, TPoint{100, 100}, TPoint{0, 0}, TPoint{100, 60}, 0, true);
    EXPECT_EQ(f.Canvas->Count("Rectangle("), k.squares) << k.head;
    if (k.head == ahNone) EXPECT_EQ(f.Canvas->Count("LineTo("), 2u);
  }
}

TEST(SeriesMarks, CalloutPointEndIsThePointersShape) {
  TChartSeries s;
  TMarksChart f(s, 2);
  TMarksCallout* c = s.GetMarks()->GetCallout();
  TSeriesPointer* pointer = c;
  EXPECT_FALSE(pointer->GetDraw3D());
  EXPECT_TRUE(pointer->GetInflateMargins());
  EXPECT_EQ(pointer->GetStyle(), psRectangle);
  EXPECT_EQ(pointer->GetBrush()->GetColor(), TColor(0));
  c->SetVisible(true);
  c->SetStyle(psCircle);
  f.Canvas->ClearLog();
  c->Draw(clRed, TPoint{100, 100}, TPoint{0, 0}, TPoint{100, 60}, 0, false);
  EXPECT_EQ(f.Canvas->Count("Rectangle("), 0u);
  EXPECT_EQ(f.Canvas->Count("Ellipse("), 1u);
}

TEST(SeriesMarks, StreamWithTheirPointBoxCount) {
  EXPECT_EQ(PlotGetClass("TSeriesMarks"), TSeriesMarks::Class());
  TChartSeries source;
  source.AddXY(0, 1);
  source.AddXY(1, 2);
  TSeriesMarks* m = source.GetMarks();
  m->SetVisible(true);
  m->SetStyle(smsValue);
  m->SetDrawEvery(2);
  m->GetItem(1)->GetTextLines()->SetText("A");
  m->GetItem(1)->SetColor(clWhite);  // the class default, but not the marks' colour
  m->SetTextAlign(taLeftJustify);
  m->SetRoundSize(9);
  m->GetCallout()->SetLength(12);
  m->GetTail()->SetVisible(true);
  TMemoryStream binary;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&source);
  }
  binary.SetPosition(0);
  TChartSeries copy;
  {
    TReader r(&binary);
    r.ReadRootComponent(&copy);
  }
  TSeriesMarks* c = copy.GetMarks();
  EXPECT_TRUE(c->GetVisible());
  EXPECT_EQ(c->GetStyle(), smsValue);
  EXPECT_EQ(c->GetDrawEvery(), 2);
  EXPECT_EQ(c->GetTextAlign(), taLeftJustify);
  EXPECT_EQ(c->GetRoundSize(), 9);
  ASSERT_TRUE(c->HasCallout());
  EXPECT_EQ(c->GetArrowLength(), 12);
  ASSERT_TRUE(c->HasTail());
  EXPECT_TRUE(c->GetTail()->GetVisible());
  EXPECT_FALSE(c->HasSymbol());
  ASSERT_EQ(c->GetItems()->Count(), 2);
  EXPECT_EQ(c->GetItem(1)->GetText(), "A");
  EXPECT_EQ(c->GetItem(1)->GetColor(), clWhite);
  EXPECT_EQ(c->GetItem(0)->GetColor(), TColor(0xE1FFFF));
  copy.Clear();  // boxes read from a stream stay
  EXPECT_EQ(c->GetItems()->Count(), 2);
}

// ---------------- texts ----------------

TEST(SeriesMarkTexts, Percentages) {
  TChartSeries s;
  s.AddXY(0, 100);
  s.AddXY(1, 300);
  EXPECT_EQ(s.MarkPercent(0, false), "25 %");
  EXPECT_EQ(s.MarkPercent(0, true), "25 % of 400");
  s.GetMarks()->SetMultiLine(true);
  EXPECT_EQ(s.MarkPercent(1, true), "75 %\rof 400");
  TChartSeries zeros;
  zeros.AddXY(0, 0);
  zeros.AddXY(1, 0);
  EXPECT_EQ(zeros.MarkPercent(1, false), "100 %");
}

TEST(SeriesMarkTexts, Styles) {
  TChartSeries s;
  s.AddXY(1, 0, "");
  s.AddXY(2, 50, "B");
  s.AddXY(3, 1234.5, "");
  struct Case {
    TSeriesMarksStyle style;
    bool multi;
    int index;
    std::string text;
  } cases[] = {
      {smsValue, false, 2, "1,234.5"},
      {smsLabel, false, 1, "B"},
      {smsLabelValue, false, 2, "1,234.5"},
      {smsLabelValue, true, 1, "B\r50"},
      {smsLabelOrValue, false, 1, "B"},
      {smsLabelOrValue, false, 0, "0"},
      {smsPercentRelative, false, 0, "100 %"},
      {smsPercentRelative, false, 1, "0 %"},
      {smsXValue, false, 1, "2"},
      {smsXY, false, 2, "3 1,234.5"},
      {smsPointIndex, false, 2, "2"},
      {smsLabelPercent, false, 1, "B 3.89 %"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(s.GetMarkTextStyle(c.multi, c.index, c.style), c.text) << c.style << " " << c.index;
  TChartSeries r;
  r.AddXY(0, 200);
  r.AddXY(1, 50);
  EXPECT_EQ(r.GetMarkTextStyle(false, 1, smsPercentRelative), "25 %");
}

TEST(SeriesMarkTexts, EventHasTheLastWord) {
  TChartSeries s;
  s.AddXY(0, 7);
  s.OnGetMarkText = [](TChartSeries*, int, std::string& t) { t = "<" + t + ">"; };
  EXPECT_EQ(s.GetMarkText(0), "<7>");
}

TEST(SeriesMarkTexts, LegendStrings) {
  TChartSeries s;
  s.AddXY(5, 12, "Label");
  s.AddXY(6, 36, "");
  const std::string sep(1, char(6));
  EXPECT_EQ(s.LegendString(0, ltsRightValue), "Label" + sep + "12");
  EXPECT_EQ(s.LegendString(1, ltsRightValue), "36");
  EXPECT_EQ(s.LegendString(0, ltsLeftValue), "12" + sep + "Label");
  EXPECT_EQ(s.LegendString(0, ltsPlain), "Label");
  EXPECT_EQ(s.LegendString(0, ltsPercent), "25 %");
  EXPECT_EQ(s.LegendString(0, ltsXAndValueAndText), "5" + sep + "12" + sep + "Label");
}

TEST(SeriesMarkTexts, NamesAndTitles) {
  TTestAxisPanel panel;
  TChartSeries a, b;
  a.SetParentChart(&panel);
  b.SetParentChart(&panel);
  EXPECT_EQ(SeriesNameOrIndex(&a), "Series1");
  EXPECT_EQ(SeriesNameOrIndex(&b), "Series2");
  EXPECT_EQ(SeriesTitleOrName(&a, false), "Series1");
  b.SetTitle("RPM\r\nof motor");
  EXPECT_EQ(SeriesTitleOrName(&b, true), "RPM of motor");
  EXPECT_EQ(SeriesTitleOrName(&b, false), "RPM\r\nof motor");
  TStringList items;
  FillSeriesItems(&items, {&a, &b}, true);
  ASSERT_EQ(items.Count(), 2);
  EXPECT_EQ(items.Get(1), "RPM of motor");
  a.SetParentChart(nullptr);
  b.SetParentChart(nullptr);
}

TEST(SeriesMarkTexts, NullLegendRowDrawsNoSymbol) {
  TChartSeries s;
  TMarksChart f(s, 2);
  s.AddNull();
  s.DrawLegend(2, TRect{0, 0, 10, 10});
  EXPECT_EQ(f.Panel.Symbols, 0);
  s.DrawLegend(1, TRect{0, 0, 10, 10});
  s.DrawLegend(-1, TRect{0, 0, 10, 10});
  EXPECT_EQ(f.Panel.Symbols, 2);
}

}  // namespace
