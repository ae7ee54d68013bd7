// The B-spline curve: where it passes, how it grows and how it is sampled.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

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

// A dense reference of the interpolation: the full n x n system (knuckle
// rows made identity rows) solved by elimination without pivoting, the
// phantom vertices added, and the curve evaluated from those vertices.
struct DenseCurve {
  std::vector<TVertex> V;  // 0 .. n + 1

  DenseCurve(const std::vector<TVertex>& Points, const std::vector<bool>& Knuckles) {
    V.push_back({});
    for (size_t i = 0; i < Points.size(); ++i) {
      const bool knuckle = Knuckles[i] && i > 0 && i + 1 < Points.size();
      for (int c = 0; c < (knuckle ? 3 : 1); ++c) V.push_back(Points[i]);
    }
    const int n = static_cast<int>(V.size()) - 1;
    std::vector<std::vector<double>> m(n + 1, std::vector<double>(n + 1, 0));
    for (int i = 2; i <= n - 1; ++i)
      m[i][i - 1] = 1.0 / 6, m[i][i] = 2.0 / 3, m[i][i + 1] = 1.0 / 6;
    m[1][1] = m[n][n] = 1;
    auto same = [](const TVertex& a, const TVertex& b) {
      return std::fabs(a.X - b.X) < 1e-5 && std::fabs(a.Y - b.Y) < 1e-5;
    };
    for (int i = 3; i < n - 1;) {
      if (!same(V[i - 1], V[i]) || !same(V[i], V[i + 1])) {
        ++i;
        continue;
      }
      for (int r = i - 1; r <= i + 1; ++r)
        for (int c = 1; c <= n; ++c) m[r][c] = r == c ? 1 : 0;
      i += 2;
    }
    for (int p = 1; p <= n; ++p)
      for (int i = p + 1; i <= n; ++i) {
        const double f = m[i][p] / m[p][p];
        for (int c = 1; c <= n; ++c) m[i][c] -= f * m[p][c];
        V[i].X -= f * V[i - 1].X;
        V[i].Y -= f * V[i - 1].Y;
      }
    std::vector<TVertex> r(n + 1);
    for (int i = n; i >= 1; --i) {
      const double next = i < n ? m[i][i + 1] : 0;
      r[i].X = (V[i].X - (i < n ? next * r[i + 1].X : 0)) / m[i][i];
      r[i].Y = (V[i].Y - (i < n ? next * r[i + 1].Y : 0)) / m[i][i];
    }
    for (int i = 1; i <= n; ++i) V[i] = r[i];
    V[0] = {2 * V[1].X - V[2].X, 2 * V[1].Y - V[2].Y};
    V.push_back({2 * V[n].X - V[n - 1].X, 2 * V[n].Y - V[n - 1].Y});
  }

  TVertex At(double T) const {
    const int n = static_cast<int>(V.size()) - 2;
    const double u = (n - 1) * T + 1;
    const int s = std::clamp(static_cast<int>(u - 1), 0, n + 1);
    TVertex result;
    for (int k = s; k <= std::min(s + 3, n + 1); ++k) {
      const double d = std::fabs(k - u);
      const double w = d < 1   ? 2.0 / 3 - d * d + d * d * d / 2
                       : d < 2 ? (2 - d) * (2 - d) * (2 - d) / 6
                               : 0;
      result.X += w * V[k].X;
      result.Y += w * V[k].Y;
    }
    return result;
  }
};

TEST(BSpline, BandSolveEqualsTheDenseSolveWithKnuckles) {
  const int n = 50;
  std::vector<TVertex> points;
  std::vector<bool> knuckles(n, false);
  TBSpline spline;
  for (int i = 0; i < n; ++i) {
    points.push_back({i * 2.0, std::sin(i * 0.7) * 40 + i});
    spline.AddPoint(points.back().X, points.back().Y);
  }
  for (int k : {5, 6, 20, 33, 48}) {
    knuckles[static_cast<size_t>(k - 1)] = true;
    spline.SetKnuckle(k, true);
  }
  spline.SetInterpolated(true);
  const DenseCurve dense(points, knuckles);
  ASSERT_EQ(spline.NumberOfVertices(), static_cast<int>(dense.V.size()) - 2);
  for (int k = 0; k <= 1000; ++k) {
    const double t = k / 1000.0;
    const TVertex a = spline.Value(t);
    const TVertex b = dense.At(t);
    EXPECT_NEAR(a.X, b.X, 1e-12) << t;
    EXPECT_NEAR(a.Y, b.Y, 1e-12) << t;
  }
}

}  // namespace
