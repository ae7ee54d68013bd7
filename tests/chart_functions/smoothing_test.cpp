// The smoothing function: how many points it lays over its source, where the
// curve passes, and its settings.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/ChartSeries.h"
#include "chart/SmoothingFunction.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

struct Smoothed {
  TTestAxisPanel panel;
  TChartSeries source;
  TChartSeries curve;
  TSmoothingFunction* function = new TSmoothingFunction;

  explicit Smoothed(int Points) {
    source.ManualData = curve.ManualData = true;
    panel.AddSeries(&source);
    panel.AddSeries(&curve);
    for (int i = 0; i < Points; ++i) source.AddXY(i * 3, std::sin(i * 0.9) * 50);
    curve.SetFunction(function);
    curve.SetDataSource(&source);
  }
  ~Smoothed() {
    curve.SetParentChart(nullptr);
    source.SetParentChart(nullptr);
  }
};

TEST(SmoothingFunction, SamplesFactorTimesPerPointUpToTheCap) {
  const struct {
    int Points, Factor, Expected;
  } cases[] = {{10, 4, 41}, {200, 4, 601}, {10, 1, 11}, {2, 4, 9}};
  for (const auto& k : cases) {
    Smoothed s(k.Points);
    s.function->SetFactor(k.Factor);
    EXPECT_EQ(s.curve.Count(), k.Expected) << k.Points << " x " << k.Factor;
  }
}

TEST(SmoothingFunction, InterpolatedCurvePassesThroughEverySourcePoint) {
  Smoothed s(10);
  s.function->SetFactor(9);  // 90 steps: point i at step 10 (i - 1)
  ASSERT_EQ(s.curve.Count(), 91);
  for (int i = 0; i < 10; ++i) {
    EXPECT_NEAR(s.curve.XValues()->GetValue(i * 10), s.source.XValues()->GetValue(i), 1e-9) << i;
    EXPECT_NEAR(s.curve.YValues()->GetValue(i * 10), s.source.YValues()->GetValue(i), 1e-9) << i;
  }
  s.function->SetInterpolate(false);
  EXPECT_NEAR(s.curve.YValues()->GetValue(0), s.source.YValues()->GetValue(0), 1e-9);
  EXPECT_NEAR(s.curve.YValues()->GetValue(90), s.source.YValues()->GetValue(9), 1e-9);
  EXPECT_GT(std::fabs(s.curve.YValues()->GetValue(10) - s.source.YValues()->GetValue(1)), 1);
}

TEST(SmoothingFunction, TwoPointsGiveAStraightSegment) {
  Smoothed s(2);
  for (int k = 0; k < s.curve.Count(); ++k) {
    const double x = s.curve.XValues()->GetValue(k);
    const double y0 = s.source.YValues()->GetValue(0);
    const double y1 = s.source.YValues()->GetValue(1);
    EXPECT_NEAR(s.curve.YValues()->GetValue(k), y0 + (y1 - y0) * x / 3, 1e-9) << k;
  }
}

TEST(SmoothingFunction, EmptySourceClearsTheCurveAndFactorStaysPositive) {
  Smoothed s(10);
  s.source.Clear();
  EXPECT_EQ(s.curve.Count(), 0);
  s.function->SetFactor(0);
  EXPECT_EQ(s.function->GetFactor(), 1);
  s.function->SetFactor(-5);
  EXPECT_EQ(s.function->GetFactor(), 1);
  EXPECT_TRUE(s.function->GetInterpolate());
}

}  // namespace
