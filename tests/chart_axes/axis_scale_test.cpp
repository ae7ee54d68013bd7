// The scale of an axis: setters and their errors, steps, the range of a
// pass with rounding and pixel margins, and the value-to-pixel mappings.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "chart/ChartException.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

template <class F>
std::string ErrorOf(F&& Call) {
  try {
    Call();
  } catch (const AxisException& e) {
    return e.what();
  }
  return {};
}

TEST(AxisScale, MinimumAndMaximumSettersCheckTheOtherEnd) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetLeftAxis();
  axis->SetMaximum(40);
  EXPECT_EQ(ErrorOf([&] { axis->SetMinimum(50); }), "Axis Minimum Value must be <= Maximum");
  EXPECT_EQ(axis->GetMinimum(), 0);
  EXPECT_EQ(ErrorOf([&] { axis->SetMaximum(-1); }), "Axis Maximum Value must be >= Minimum");
  EXPECT_EQ(axis->GetMaximum(), 40);

  axis->SetMinMax(50, 60);
  EXPECT_EQ(axis->GetMinimum(), 50);
  EXPECT_EQ(axis->GetMaximum(), 60);
  EXPECT_FALSE(axis->GetAutomatic());
  EXPECT_FALSE(axis->GetAutomaticMinimum());
  axis->SetMinMax(60, 50);
  EXPECT_EQ(axis->GetMinimum(), 50);
  EXPECT_EQ(axis->GetMaximum(), 60);
  // An end equal to the other is accepted.
  axis->SetMaximum(50);
  EXPECT_EQ(axis->GetMaximum(), 50);
}

TEST(AxisScale, IncrementAndLogarithmicBaseChecks) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetBottomAxis();
  EXPECT_EQ(ErrorOf([&] { axis->SetDesiredIncrement(-1); }), "Axis increment must be >= 0");
  axis->SetDesiredIncrement(5);
  axis->SetDesiredIncrement(0);
  EXPECT_EQ(axis->GetIncrement(), 0);

  for (double bad : {1.0, 0.0, -2.0}) {
    EXPECT_EQ(ErrorOf([&] { axis->SetLogarithmicBase(bad); }),
              "Axis Logarithmic Base should be <> 1 and > 0")
        << bad;
    EXPECT_EQ(axis->GetLogarithmicBase(), 10);
  }
  axis->SetLogarithmicBase(0.5);
  EXPECT_EQ(axis->GetLogarithmicBase(), 0.5);

  axis->SetMinMax(-5, 10);
  EXPECT_EQ(ErrorOf([&] { axis->SetLogarithmic(true); }),
            "Logarithmic Axis Min and Max values should be >= 0");
  EXPECT_FALSE(axis->GetLogarithmic());
}

TEST(AxisScale, AutomaticFlagsFollowEachOther) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetLeftAxis();
  axis->SetAutomaticMaximum(false);
  EXPECT_FALSE(axis->GetAutomatic());
  axis->SetAutomaticMaximum(true);
  EXPECT_TRUE(axis->GetAutomatic());
  axis->SetAutomatic(false);
  EXPECT_FALSE(axis->GetAutomaticMinimum());
  EXPECT_FALSE(axis->GetAutomaticMaximum());
}

TEST(AxisScale, NextValueStepRunsOneTwoFivePerDecade) {
  const struct {
    double In, Out;
  } cases[] = {{1, 2},      {1.5, 2},    {2, 5},     {4.99, 5},  {5, 10}, {7, 10},
               {10, 20},    {0.3, 0.5},  {0.07, 0.1}, {250, 500}};
  for (const auto& c : cases) EXPECT_NEAR(NextValueStep(c.In), c.Out, c.Out * 1e-12) << c.In;
  EXPECT_EQ(NextValueStep(std::numeric_limits<double>::infinity()), 1);
  // Values without a step answer 1 instead of recursing without end.
  EXPECT_EQ(NextValueStep(0), 1);
  EXPECT_EQ(NextValueStep(-3), 1);
  EXPECT_EQ(NextValueStep(std::nan("")), 1);
}

TEST(AxisScale, LabelsIncrementGrowsUntilTheLabelsFit) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetBottomAxis();
  axis->SetMinMax(0, 7.3);
  panel.PlaceAxes(TRect{0, 0, 300, 200});
  EXPECT_DOUBLE_EQ(axis->CalcLabelsIncrement(9), 1);

  axis->SetDesiredIncrement(10);
  axis->SetMinMax(0, 100);
  panel.PlaceAxes(TRect{0, 0, 560, 200});
  EXPECT_DOUBLE_EQ(axis->CalcLabelsIncrement(20), 10);
  // Room for 4 labels only: the fixed increment doubles until they fit.
  EXPECT_DOUBLE_EQ(axis->CalcLabelsIncrement(4), 40);
  EXPECT_EQ(axis->CalcLabelsIncrement(0), MinAxisIncrement);

  // All series at one value: a zero range starts from a step of 1.
  axis->SetDesiredIncrement(0);
  axis->SetMinMax(3, 3);
  panel.PlaceAxes(TRect{0, 0, 560, 200});
  EXPECT_TRUE(axis->IRangeZero);
  EXPECT_DOUBLE_EQ(axis->CalcLabelsIncrement(5), 1);
}

TEST(AxisScale, EqualEndsMapEveryValueToTheCentre) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetLeftAxis();
  axis->SetMinMax(5, 5);
  panel.PlaceAxes(TRect{10, 20, 110, 121});
  EXPECT_EQ(axis->ICenterPos, 70);
  for (double v : {-100.0, 5.0, 1e9}) EXPECT_EQ(axis->CalcYPosValue(v), 70) << v;
  EXPECT_EQ(axis->CalcSizeValue(10, 0), 0);
}

TEST(AxisScale, MaximumRoundDrawsToTheIncrementButKeepsTheMaximum) {
  TTestAxisPanel panel;
  TChartSeries series;
  series.AddXY(0, 10);
  series.AddXY(1, 87);
  panel.AddSeries(&series);
  TChartAxis* axis = panel.GetLeftAxis();
  axis->SetDesiredIncrement(20);
  axis->SetMaximumRound(true);
  panel.PlaceAxes(TRect{0, 0, 300, 300});
  axis->AdjustMaxMin();
  EXPECT_DOUBLE_EQ(axis->IMaximum, 100);
  EXPECT_DOUBLE_EQ(axis->GetMaximum(), 87);
  EXPECT_DOUBLE_EQ(axis->GetMinimum(), 10);
  series.SetParentChart(nullptr);
}

TEST(AxisScale, PixelMarginsWidenTheScale) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetBottomAxis();
  axis->SetMinMax(0, 100);
  panel.PlaceAxes(TRect{0, 0, 200, 100});
  axis->AdjustMaxMinRect(TRect{10, 0, 10, 0});
  EXPECT_NEAR(axis->IMinimum, -5.5555555, 1e-6);
  EXPECT_NEAR(axis->IMaximum, 105.5555555, 1e-6);
  EXPECT_EQ(axis->IStartPos, 0);
  EXPECT_EQ(axis->IEndPos, 200);
  // The data that filled the axis now ends 10 pixels inside each end.
  EXPECT_EQ(axis->CalcXPosValue(0), 10);
  EXPECT_EQ(axis->CalcXPosValue(100), 190);
}

TEST(AxisScale, LogarithmicAxisMapsDecadesEvenly) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetBottomAxis();
  axis->SetMinMax(1, 1000);
  axis->SetLogarithmic(true);
  panel.PlaceAxes(TRect{20, 0, 320, 100});
  EXPECT_EQ(axis->CalcXPosValue(1), 20);
  EXPECT_EQ(axis->CalcXPosValue(10), 120);
  EXPECT_EQ(axis->CalcXPosValue(100), 220);
  EXPECT_EQ(axis->CalcXPosValue(1000), 320);
  EXPECT_EQ(axis->CalcXPosValue(0), 20);
  EXPECT_EQ(axis->CalcXPosValue(-5), 20);
  EXPECT_NEAR(axis->CalcPosPoint(120), 10, 1e-9);
  EXPECT_EQ(axis->CalcSizeValue(100, 10), 100);

  TChartAxis* left = panel.GetLeftAxis();
  left->SetMinMax(1, 1000);
  left->SetLogarithmic(true);
  panel.PlaceAxes(TRect{20, 0, 320, 300});
  EXPECT_EQ(left->CalcYPosValue(10), 200);
  EXPECT_EQ(left->CalcYPosValue(0), 300);
}

TEST(AxisScale, InvertedVerticalAxisPutsTheMinimumOnTop) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetLeftAxis();
  axis->SetMinMax(0, 10);
  panel.PlaceAxes(TRect{0, 20, 100, 120});
  EXPECT_EQ(axis->CalcYPosValue(0), 120);
  axis->SetInverted(true);
  EXPECT_EQ(axis->CalcYPosValue(0), 20);
  EXPECT_EQ(axis->CalcYPosValue(10), 120);
  EXPECT_EQ(axis->CalcPosValue(2.5), 45);
  EXPECT_NEAR(axis->CalcPosPoint(45), 2.5, 1e-9);
  EXPECT_EQ(axis->CalcSizeValue(5), 50);
}

TEST(AxisScale, ZeroDepthPositionIsStoredAsOneHundredth) {
  TTestAxisPanel panel;
  panel.GetLeftAxis()->SetZPosition(0);
  EXPECT_EQ(panel.GetLeftAxis()->GetZPosition(), 0.01);
  EXPECT_EQ(panel.GetRightAxis()->GetZPosition(), 100);
}

TEST(AxisScale, FreedCustomAxisReturnsItsSeriesToTheStandardAxes) {
  TTestAxisPanel panel;
  TChartSeries series;
  panel.AddSeries(&series);
  TChartAxis* custom = panel.GetCustomAxes()->Add();
  EXPECT_TRUE(custom->IsCustom());
  EXPECT_EQ(panel.GetAxes()->Count(), 7);
  series.SetCustomVertAxis(custom);
  EXPECT_EQ(series.GetVertAxisInUse(), custom);
  delete custom;
  EXPECT_EQ(series.GetVertAxis(), aLeftAxis);
  EXPECT_EQ(series.GetCustomVertAxis(), nullptr);
  EXPECT_EQ(series.GetVertAxisInUse(), panel.GetLeftAxis());
  EXPECT_EQ(panel.GetAxes()->Count(), 6);
  EXPECT_EQ(panel.GetCustomAxes()->Count(), 0);
  series.SetParentChart(nullptr);
}

TEST(AxisScale, SubAxisFollowsItsMaster) {
  TTestAxisPanel panel;
  TChartAxis* top = panel.GetTopAxis();
  TChartAxis* sub = top->GetSubAxes()->Add();
  EXPECT_EQ(sub->GetMaster(), top);
  EXPECT_TRUE(sub->GetHorizontal());
  EXPECT_TRUE(sub->GetOtherSide());
  EXPECT_FALSE(sub->GetGrid()->GetVisible());
  EXPECT_TRUE(sub->IsCustom());
  EXPECT_EQ(panel.GetAxes()->Count(), 6);
  sub->SetInverted(true);
  EXPECT_TRUE(top->GetInverted());
}

}  // namespace
