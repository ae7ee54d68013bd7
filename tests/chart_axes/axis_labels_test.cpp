// The labels of an axis: value, logarithmic, user, point, series-title
// and item labels with their ticks, the overlap test, label sizes and the
// room the axis takes from the chart rectangle.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/ChartAxisTitle.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/NumberText.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

struct TLabel {
  double Value;
  std::string Text;
  int Pos;
  bool operator==(const TLabel&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TLabel& L) {
  return os << "{" << L.Value << ", \"" << L.Text << "\", " << L.Pos << "}";
}

std::vector<TLabel> LabelsOf(TChartAxis* Axis) {
  std::vector<TLabel> result;
  for (int i = 0; i < Axis->GetItems()->Count(); ++i) {
    TAxisItem* item = Axis->GetItems()->Get(i);
    result.push_back({item->GetValue(), item->GetText(), item->FLabelPos});
  }
  return result;
}

std::vector<double> ValuesOf(TChartAxis* Axis) {
  std::vector<double> result;
  for (const TLabel& l : LabelsOf(Axis)) result.push_back(l.Value);
  return result;
}

// A panel whose bottom axis shows Min..Max with a fixed increment and
// value labels on a chart rectangle Width pixels wide.
struct TValueAxis {
  TTestAxisPanel Panel;
  TChartAxis* Axis;
  TValueAxis(double Min, double Max, double Increment, int Width = 560) {
    Axis = Panel.GetBottomAxis();
    Axis->SetLabelStyle(talValue);
    Axis->SetMinMax(Min, Max);
    Axis->SetDesiredIncrement(Increment);
    Panel.PlaceAxes(TRect{0, 0, Width, 300});
  }
  std::vector<double> Calc() {
    Axis->CalcLabels();
    return ValuesOf(Axis);
  }
};

TEST(AxisLabelPass, ValueLabelsRunFromTheMaximumDownEachAtItsPixel) {
  TValueAxis f(0, 100, 10);
  f.Axis->CalcLabels();
  EXPECT_EQ(f.Axis->ILabelIncrement, 10);
  const std::vector<TLabel> labels = LabelsOf(f.Axis);
  ASSERT_EQ(labels.size(), 11u);
  for (int i = 0; i <= 10; ++i) {
    const double v = 100 - 10 * i;
    EXPECT_EQ(labels[size_t(i)], (TLabel{v, FormatFloat("#,##0.###", v),
                                         int(std::lround(v * f.Axis->IAxisSizeRange))}));
  }
  // Ticks come with the labels.
  EXPECT_EQ(f.Axis->Tick.size(), 11u);
  EXPECT_EQ(f.Axis->Tick.front(), 560);
}

TEST(AxisLabelPass, IncrementDoublesWhileTheLabelsCannotFit) {
  TValueAxis wide(0, 100, 10, 560);
  TValueAxis narrow(0, 100, 10, 60);
  wide.Calc();
  narrow.Calc();
  EXPECT_EQ(wide.Axis->ILabelIncrement, 10);
  EXPECT_GT(narrow.Axis->ILabelIncrement, 10);
  EXPECT_LT(narrow.Calc().size(), 11u);
}

TEST(AxisLabelPass, TooManyValueLabelsGiveNone) {
  // Labels that take no room keep the increment on a very long axis, so
  // 20000 labels would be needed.
  TValueAxis f(0, 1e6, 50);
  f.Axis->GetLabels()->SetGridIgnoresLabelSize(true);
  f.Panel.PlaceAxes(TRect{0, 0, 400000, 300});
  f.Axis->CalcLabels();
  ASSERT_EQ(f.Axis->ILabelIncrement, 50);
  EXPECT_TRUE(LabelsOf(f.Axis).empty());
  EXPECT_TRUE(f.Axis->Tick.empty());
}

TEST(AxisLabelPass, SmallStepsKeepEveryLabel) {
  // A narrow range of large values steps by the plain increment.
  TValueAxis large(1e13, 1e13 + 100, 10, 4000);
  const std::vector<double> values = large.Calc();
  ASSERT_EQ(values.size(), 11u);
  EXPECT_EQ(values.front(), 1e13 + 100);
  EXPECT_EQ(values.back(), 1e13);

  // So does a date-time axis whose increment is no calendar step: 10 ms.
  const TDateTime t = EncodeDate(2026, 3, 7) + 0.5;
  const double ms10 = 10.0 / 86400000;
  TValueAxis clock(t, t + 10 * ms10, ms10, 4000);
  clock.Axis->IAxisDateTime = true;
  const std::vector<double> times = clock.Calc();
  ASSERT_EQ(times.size(), 11u);
  for (size_t i = 0; i < times.size(); ++i)
    EXPECT_NEAR(times[i], t + double(10 - i) * ms10, ms10 / 1000) << i;
}

TEST(AxisLabelPass, MonthStepsFollowTheCalendar) {
  TValueAxis f(EncodeDate(2026, 1, 1), EncodeDate(2027, 1, 1), 30, 4000);
  f.Axis->IAxisDateTime = true;
  std::vector<double> expected;
  for (int m = 13; m >= 1; --m)
    expected.push_back(EncodeDate(m == 13 ? 2027 : 2026, m == 13 ? 1 : m, 1));
  EXPECT_EQ(f.Calc(), expected);
}

TEST(AxisLabelPass, RoundFirstLabel) {
  TValueAxis f(3, 97, 10);
  EXPECT_EQ(f.Calc(), (std::vector<double>{90, 80, 70, 60, 50, 40, 30, 20, 10}));
  f.Axis->SetRoundFirstLabel(false);
  EXPECT_EQ(f.Calc(), (std::vector<double>{97, 87, 77, 67, 57, 47, 37, 27, 17, 7}));
}

TEST(AxisLabelPass, EndLabelsOnlyWithLabelsOnAxis) {
  TValueAxis f(0, 100, 50);
  EXPECT_EQ(f.Calc(), (std::vector<double>{100, 50, 0}));
  f.Axis->GetLabels()->SetOnAxis(false);
  EXPECT_EQ(f.Calc(), (std::vector<double>{50}));
}

TEST(AxisLabelPass, UserLabelsFromTheNextLabelEvent) {
  TValueAxis f(0, 100, 50);
  int calls = 0;
  f.Panel.OnGetNextAxisLabel = [&](TChartAxis*, int, double&, bool&) { ++calls; };
  EXPECT_EQ(f.Calc(), (std::vector<double>{100, 50, 0}));
  EXPECT_EQ(calls, 1);

  calls = 0;
  f.Panel.OnGetNextAxisLabel = [&](TChartAxis*, int Index, double& Value, bool& Stop) {
    ++calls;
    Stop = false;
    Value = 25.0 * Index;
  };
  EXPECT_EQ(f.Calc(), (std::vector<double>{0, 25, 50, 75, 100}));
  EXPECT_EQ(calls, 6);

  // An event that never stops and never leaves the range is cut off.
  calls = 0;
  f.Panel.OnGetNextAxisLabel = [&](TChartAxis*, int, double& Value, bool& Stop) {
    ++calls;
    Stop = false;
    Value = 50;
  };
  f.Calc();
  EXPECT_EQ(calls, 2001);
}

TEST(AxisLabelPass, LogarithmicLabels) {
  TValueAxis f(1, 1000, 0);
  f.Axis->SetLogarithmic(true);
  f.Panel.PlaceAxes(TRect{0, 0, 560, 300});
  EXPECT_EQ(f.Calc(), (std::vector<double>{1, 10, 100, 1000}));

  f.Axis->SetMinMax(2, 9);
  f.Panel.PlaceAxes(TRect{0, 0, 560, 300});
  const std::vector<double> values = f.Calc();
  ASSERT_EQ(values.size(), 71u);
  EXPECT_DOUBLE_EQ(values.front(), 2);
  EXPECT_DOUBLE_EQ(values[1], 2.1);
  EXPECT_DOUBLE_EQ(values.back(), 9);
}

// A series with text labels at the given X values.
struct TPointLabels {
  TTestAxisPanel Panel;
  TChartSeries Series;
  TChartAxis* Axis;
  TPointLabels(const std::vector<double>& Xs, const std::string& Text) {
    Series.SetParentChart(&Panel);
    for (double x : Xs) Series.AddXY(x, 1, Text);
    Axis = Panel.GetBottomAxis();
    Axis->SetMinMax(0, 1000);
    Panel.PlaceAxes(TRect{0, 0, 1000, 300});
  }
  ~TPointLabels() { Series.SetParentChart(nullptr); }
  int Count() {
    Axis->CalcLabels();
    return Axis->GetItems()->Count();
  }
};

TEST(AxisLabelPass, PointLabelsKeepSeparationFree) {
  const std::string text = "WWWW";
  TTestAxisPanel probe;
  probe.PrepareFont3D(probe.GetBottomAxis()->GetLabelsFont());
  const int w = probe.GetCanvas()->TextWidth(text);
  // The first label keeps half its width, the second half of its width
  // grown by 2 x 10 percent.
  const int needed = w / 2 + (w + int(w * 0.2)) / 2;
  {
    TPointLabels f({100, 100.0 + needed - 1}, text);
    EXPECT_EQ(f.Axis->CalcLabelStyle(), talText);
    EXPECT_EQ(f.Count(), 1);
    f.Axis->SetLabelsSeparation(0);
    EXPECT_EQ(f.Count(), 2);
  }
  TPointLabels f({100, 100.0 + needed}, text);
  EXPECT_EQ(f.Count(), 2);
  EXPECT_EQ(LabelsOf(f.Axis)[1], (TLabel{100.0 + needed, text, 100 + needed}));
}

TEST(AxisLabelPass, TrimmedPointLabelsShortenUntilTheyFit) {
  const std::string text(20, 'W');
  TTestAxisPanel probe;
  probe.PrepareFont3D(probe.GetBottomAxis()->GetLabelsFont());
  const int w = probe.GetCanvas()->TextWidth(text);
  // Room for about half the second label.
  TPointLabels f({100, 100.0 + w / 2 + (w + int(w * 0.2)) / 4}, text);
  EXPECT_EQ(f.Count(), 1);
  f.Axis->GetLabels()->GetAutomatic()->SetTrim(true);
  ASSERT_EQ(f.Count(), 2);
  const std::string shortened = f.Axis->GetItems()->Get(1)->GetText();
  EXPECT_FALSE(shortened.empty());
  EXPECT_LT(shortened.size(), 20u);
}

TEST(AxisLabelPass, DepthAxisShowsSeriesTitles) {
  TTestAxisPanel panel;
  TChartSeries a, b;
  a.SetTitle("Throttle");
  b.SetTitle("Current");
  for (TChartSeries* s : {&a, &b}) {
    s->SetParentChart(&panel);
    s->AddXY(1, 1);
  }
  panel.SetView3D(true);
  TChartAxis* depth = panel.GetDepthAxis();
  depth->SetVisible(true);
  panel.SetMaxZOrder(-1);
  a.CalcZOrder();
  b.CalcZOrder();
  panel.PlaceAxes(TRect{0, 0, 400, 300});
  ASSERT_DOUBLE_EQ(depth->IMinimum, -0.5);
  ASSERT_DOUBLE_EQ(depth->IMaximum, panel.GetMaxZOrder() + 0.5);
  depth->CalcLabels();
  const std::vector<TLabel> labels = LabelsOf(depth);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].Text, "Throttle");
  EXPECT_DOUBLE_EQ(labels[0].Value, 1);
  EXPECT_EQ(labels[1].Text, "Current");
  EXPECT_DOUBLE_EQ(labels[1].Value, 0);
  for (TChartSeries* s : {&a, &b}) s->SetParentChart(nullptr);
}

TEST(AxisLabelPass, ItemLabelsArePlacedNotMade) {
  TValueAxis f(0, 100, 10);
  TAxisItems* items = f.Axis->GetItems();
  items->SetAuto(false);
  items->Add(50, "half");
  items->Add(150, "outside");
  f.Axis->CalcLabels();
  ASSERT_EQ(items->Count(), 2);
  EXPECT_EQ(items->Get(0)->FLabelPos, 280);
  EXPECT_EQ(f.Axis->Tick, std::vector<int>{280});
}

TEST(AxisLabelPass, LabelSizes) {
  TValueAxis f(0, 100, 10);
  TCanvas3D* canvas = f.Panel.GetCanvas();
  f.Panel.PrepareFont3D(f.Axis->GetLabelsFont());
  const int h = canvas->TextHeight(std::string("W"));
  EXPECT_EQ(f.Axis->SizeLabels(), h);

  f.Axis->SetLabelsAlternate(true);
  f.Axis->GetLabels()->IHeightFactor = 0;
  EXPECT_EQ(f.Axis->SizeLabels(), 2 * h);
  f.Axis->SetLabelsAlternate(false);

  // Two words on two rows.
  f.Panel.OnGetAxisLabel = [](TChartAxis*, TChartSeries*, int, std::string& Text) {
    Text = "two words";
  };
  f.Axis->SetLabelsMultiLine(true);
  f.Axis->GetLabels()->IHeightFactor = 0;
  EXPECT_EQ(f.Axis->LabelValue(5), std::string("two") + PlotLineSeparator + "words");
  EXPECT_EQ(f.Axis->SizeLabels(), 2 * h);
  f.Axis->SetLabelsMultiLine(false);
  f.Panel.OnGetAxisLabel = nullptr;

  // Upright labels across a horizontal axis: the text height plus the width.
  f.Axis->SetLabelsAngle(90);
  f.Axis->GetLabels()->IHeightFactor = 0;
  const int widest = f.Axis->MaxLabelsWidth();
  EXPECT_EQ(widest, canvas->TextWidth(std::string("100")) + canvas->TextWidth(std::string(" ")));
  EXPECT_EQ(f.Axis->SizeLabels(), h + widest);

  f.Axis->GetLabels()->SetSize(33);
  EXPECT_EQ(f.Axis->SizeLabels(), 33);
}

TEST(AxisLabelPass, EdgesAndPositionPercent) {
  TTestAxisPanel panel;
  const TRect r{0, 0, 400, 300};
  TChartAxis* left = panel.GetLeftAxis();
  TChartAxis* bottom = panel.GetBottomAxis();
  TChartAxis* right = panel.GetRightAxis();
  EXPECT_EQ(left->GetRectangleEdge(r), 0);
  EXPECT_EQ(bottom->GetRectangleEdge(r), 300);
  EXPECT_EQ(right->GetRectangleEdge(r), 400);
  EXPECT_EQ(left->InflateAxisPos(10, 4), 6);
  EXPECT_EQ(bottom->InflateAxisPos(10, 4), 14);

  TRect shrunk = r;
  bottom->InflateAxisRect(shrunk, 1000);
  EXPECT_EQ(shrunk.Bottom, 1);
  shrunk = r;
  left->InflateAxisRect(shrunk, 30);
  EXPECT_EQ(shrunk.Left, 30);

  left->SetPositionPercent(10);
  EXPECT_EQ(left->ApplyPosition(0, r), 40);
  right->SetPositionPercent(10);
  EXPECT_EQ(right->ApplyPosition(400, r), 360);
  bottom->SetPositionPercent(10);
  EXPECT_EQ(bottom->ApplyPosition(300, r), 270);
  left->SetPositionUnits(muPixels);
  EXPECT_EQ(left->ApplyPosition(0, r), 10);
  // Half pixels go to the even neighbour.
  left->SetPositionPercent(2.5);
  EXPECT_EQ(left->ApplyPosition(0, r), 2);
  left->SetPositionPercent(3.5);
  EXPECT_EQ(left->ApplyPosition(0, r), 4);
}

TEST(AxisLabelPass, CalcRectTakesLabelsTicksAndTitleOffTheRectangle) {
  TValueAxis f(0, 100, 10);
  TChartAxis* axis = f.Axis;
  f.Panel.PrepareFont3D(axis->GetLabelsFont());
  const int h = f.Panel.GetCanvas()->TextHeight(std::string("W"));
  const int ticks = axis->SizeTickAxis(true);
  EXPECT_EQ(ticks, axis->GetAxis()->GetWidth() + 1 + axis->GetTickLength());

  TRect r{0, 0, 400, 300};
  axis->CalcRect(r, true);
  EXPECT_EQ(r.Bottom, 300 - h - ticks);
  EXPECT_EQ(axis->FPosLabels, 300 - h + int(std::lround(h * 0.1)));

  axis->GetAxisTitle()->SetCaption("RPM");
  r = TRect{0, 0, 400, 300};
  axis->CalcRect(r, true);
  EXPECT_EQ(axis->FPosTitle, 300 - h);
  EXPECT_EQ(r.Bottom, 300 - 2 * h - ticks);

  // An axis that does not resize the chart only places its lines.
  r = TRect{0, 0, 400, 300};
  axis->CalcRect(r, false);
  EXPECT_EQ(r.Bottom, 300);
  EXPECT_EQ(axis->FPosAxis, 300);
  EXPECT_EQ(axis->FPosLabels, 300 + ticks);
  EXPECT_EQ(axis->FPosTitle, 300 + ticks + h);
}

TEST(AxisLabelPass, NumberAndAngleTexts) {
  struct {
    const char* Format;
    double Value;
    const char* Text;
  } cases[] = {{"#,##0.###", 1234.5678, "1,234.568"},
               {"#,##0.###", -0.5, "-0.5"},
               {"#,##0.###", 1e6, "1,000,000"},
               {"0.00", 2, "2.00"}};
  for (auto c : cases)
    EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Text) << c.Format << " " << c.Value;

  EXPECT_EQ(TChartAxis::ToDegree(12.5f), "12\u00B030'");
  EXPECT_EQ(TChartAxis::ToDegree(-12.5f, true), "12\u00B030' S");
  EXPECT_EQ(TChartAxis::ToDegree(3.0f, false), "3\u00B0 E");
  EXPECT_EQ(TChartAxis::ToDegree(1e39f), "+INF");
}

TEST(AxisLabelPass, DateTimeAxisUsesItsFormat) {
  const TDateTime t = EncodeDate(2026, 3, 7) + 0.5;
  TValueAxis f(t - 1, t, 0);
  f.Axis->SetDateTimeFormat("dd/mm");
  f.Axis->IAxisDateTime = true;
  EXPECT_EQ(f.Axis->LabelValue(t), "07/03");
}

}  // namespace
