// The B-spline curve: where it passes, how it grows and how it is sampled.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/BSpline.h"
#include "chart/ChartException.h"

namespace {

const TVertex kZigzag[] = {{0, 0}, {1, 3}, {2, -1}, {3, 4}, {4, 0}, {5, 2}};
constexpr int kZigzagHigh = 5;

TEST(BSpline, InterpolatedCurvePassesThroughEveryPoint) {
  TBSpline spline(kZigzag, kZigzagHigh);
  spline.SetInterpolated(true);
  const int n = kZigzagHigh + 1;
  for (int i = 1; i <= n; ++i) {
    const TVertex v = spline.Value(static_cast<double>(i - 1) / (n - 1));
    EXPECT_NEAR(v.X, kZigzag[i - 1].X, 1e-9) << i;
    EXPECT_NEAR(v.Y, kZigzag[i - 1].Y, 1e-9) << i;
  }
}

TEST(BSpline, ApproximatingCurveTouchesOnlyTheEnds) {
  TBSpline spline(kZigzag, kZigzagHigh);
  EXPECT_NEAR(spline.Value(0).Y, 0, 1e-12);
  EXPECT_NEAR(spline.Value(1).X, 5, 1e-12);
  EXPECT_NEAR(spline.Value(1).Y, 2, 1e-12);
  // The inner peak at (1, 3) is smoothed away.
  EXPECT_LT(spline.Value(0.2).Y, 2.5);
}

TEST(BSpline, TwoPointsGiveAStraightSegment) {
  const TVertex points[] = {{1, 2}, {5, 10}};
  for (bool interpolated : {false, true}) {
    TBSpline spline(points, 1);
    spline.SetInterpolated(interpolated);
    for (double t : {0.0, 0.25, 0.5, 0.9, 1.0}) {
      const TVertex v = spline.Value(t);
      EXPECT_NEAR(v.X, 1 + 4 * t, 1e-12) << t;
      EXPECT_NEAR(v.Y, 2 + 8 * t, 1e-12) << t;
    }
  }
}

TEST(BSpline, FewerThanTwoPointsGiveTheOrigin) {
  TBSpline spline;
  EXPECT_EQ(spline.Value(0.5).X, 0);
  spline.AddPoint(3, 4);
  EXPECT_EQ(spline.Value(0.5).Y, 0);
  EXPECT_EQ(spline.NumberOfVertices(), 0);
}

TEST(BSpline, KnuckleTriplesItsVertexAndMakesACorner) {
  TBSpline spline(kZigzag, kZigzagHigh);
  EXPECT_EQ(spline.NumberOfVertices(), 6);
  spline.SetKnuckle(3, true);
  EXPECT_TRUE(spline.GetKnuckle(3));
  EXPECT_EQ(spline.NumberOfVertices(), 8);
  // Three equal control vertices pull the curve onto the point.
  const TVertex v = spline.Value(3.0 / 7);
  EXPECT_NEAR(v.X, 2, 1e-12);
  EXPECT_NEAR(v.Y, -1, 1e-12);
  // The ends never count as knuckles.
  spline.SetKnuckle(1, true);
  EXPECT_FALSE(spline.GetKnuckle(1));
}

TEST(BSpline, GrowingKeepsPointsAndKnuckles) {
  TBSpline spline;
  for (int i = 0; i < 12; ++i) spline.AddPoint(i, i * i);
  spline.SetKnuckle(2, true);
  for (int i = 12; i < 23; ++i) spline.AddPoint(i, i * i);
  EXPECT_EQ(spline.NumberOfPoints(), 23);
  EXPECT_TRUE(spline.GetKnuckle(2));
  EXPECT_EQ(spline.GetPoint(20).Y, 19 * 19);
}

TEST(BSpline, ChangingAPointRebuildsTheCurve) {
  TBSpline spline(kZigzag, kZigzagHigh);
  spline.SetInterpolated(true);
  spline.Value(0.5);
  spline.SetPoint(6, {5, 20});
  EXPECT_NEAR(spline.Value(1).Y, 20, 1e-9);
}

TEST(BSpline, ParameterOutsideTheRangeIsHeldAtTheEnds) {
  TBSpline spline(kZigzag, kZigzagHigh);
  EXPECT_NEAR(spline.Value(-3).X, 0, 1e-12);
  EXPECT_NEAR(spline.Value(7).X, 5, 1e-12);
}

TEST(BSpline, BadIndexIsAnErrorAndFragmentsAreCapped) {
  TBSpline spline(kZigzag, kZigzagHigh);
  EXPECT_THROW(spline.GetPoint(0), ChartException);
  EXPECT_THROW(spline.SetKnuckle(7, true), ChartException);
  spline.SetFragments(5000);
  EXPECT_EQ(spline.GetFragments(), 600);
  spline.Clear();
  EXPECT_EQ(spline.NumberOfPoints(), 0);
  EXPECT_EQ(spline.GetFragments(), 100);
  EXPECT_FALSE(spline.GetInterpolated());
}

// A long interpolated curve: the solve stays accurate at every point.
TEST(BSpline, LongInterpolatedCurveStaysOnItsPoints) {
  TBSpline spline;
  const int n = 5000;
  for (int i = 0; i < n; ++i) spline.AddPoint(i, std::sin(i * 0.37) * 100);
  spline.SetInterpolated(true);
  for (int i : {1, 2, 1000, 4999, 5000}) {
    const TVertex v = spline.Value(static_cast<double>(i - 1) / (n - 1));
    EXPECT_NEAR(v.Y, std::sin((i - 1) * 0.37) * 100, 1e-6) << i;
  }
}

}  // namespace
