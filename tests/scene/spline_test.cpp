#include <gtest/gtest.h>

#include <cmath>

#include "scene/zr_spline.h"

namespace {

TzrPoint At(const TzrSpline& S, float t) {
  TzrPoint P;
  S.SplineXY(t, P.X, P.Y);
  return P;
}

TEST(SplineTest, NoPointsGivesTheOrigin) {
  TzrSpline S(TzrPolygon{});
  for (float t : {-1.0f, 0.0f, 0.5f, 3.0f}) EXPECT_EQ((TzrPoint{0, 0}), At(S, t));
}

TEST(SplineTest, OnePointGivesThatPointEverywhere) {
  TzrSpline S(TzrPolygon{{7, -3}});
  for (float t : {-1.0f, 0.0f, 0.5f, 1.0f, 3.0f}) EXPECT_EQ((TzrPoint{7, -3}), At(S, t)) << t;
}

TEST(SplineTest, TwoPointsGiveTheStraightLine) {
  TzrSpline S(TzrPolygon{{0, 0}, {10, 20}});
  struct Case {
    float t;
    TzrPoint Expected;
  };
  const Case Cases[] = {{0, {0, 0}},        {0.5f, {5, 10}},  {1, {10, 20}},
                        {0.25f, {2.5f, 5}}, {-1, {-10, -20}}, {2, {20, 40}}};
  for (const Case& C : Cases) {
    TzrPoint P = At(S, C.t);
    EXPECT_NEAR(C.Expected.X, P.X, 1e-4) << C.t;
    EXPECT_NEAR(C.Expected.Y, P.Y, 1e-4) << C.t;
  }
}

TEST(SplineTest, ThreePointsFollowTheNaturalSpline) {
  // Derivatives 1.5, 0, -1.5: the first segment is 1.5u - 0.5u^3.
  TzrSpline S(TzrPolygon{{0, 0}, {1, 1}, {2, 0}});
  EXPECT_NEAR(0.6875f, At(S, 0.5f).Y, 1e-6);
  EXPECT_NEAR(0.6875f, At(S, 1.5f).Y, 1e-6);
  EXPECT_NEAR(1, At(S, 1).Y, 1e-6);
  EXPECT_NEAR(0.5f, At(S, 0.5f).X, 1e-6);
  EXPECT_NEAR(0, At(S, 2).Y, 1e-6);
  // Beyond the ends the end segments' cubics go on: at u = -1, -1.5 + 0.5.
  EXPECT_NEAR(-1, At(S, -1).Y, 1e-5);
  EXPECT_NEAR(-1, At(S, 3).Y, 1e-5);
}

TEST(SplineTest, CollinearEvenPointsGiveAnEvenLine) {
  TzrSpline S(TzrPolygon{{0, 0}, {2, 1}, {4, 2}, {6, 3}});
  for (float t = -0.5f; t <= 4; t += 0.125f) {
    TzrPoint P = At(S, t);
    EXPECT_NEAR(2 * t, P.X, 1e-4) << t;
    EXPECT_NEAR(t, P.Y, 1e-4) << t;
  }
}

TEST(SplineTest, ManyPointsArePassedAtWholeParametersAndJoinSmoothly) {
  TzrPolygon Polygon;
  for (int I = 0; I < 25; ++I) {
    Polygon.push_back({I * 10.0f + (I % 3), 40 * std::sin(I * 0.7f)});
  }
  TzrSpline S(Polygon);
  for (int I = 0; I < 25; ++I) {
    TzrPoint P = At(S, static_cast<float>(I));
    // The cubics are stored expanded in the point index, so float rounding
    // grows with the index.
    EXPECT_NEAR(Polygon[I].X, P.X, 1e-2) << I;
    EXPECT_NEAR(Polygon[I].Y, P.Y, 1e-2) << I;
  }
  // The slopes on both sides of an inner point agree.
  for (int I = 1; I < 24; ++I) {
    const float h = 1.0f / 64;
    float Left = (At(S, I).Y - At(S, I - h).Y) / h;
    float Right = (At(S, I + h).Y - At(S, I).Y) / h;
    EXPECT_NEAR(Left, Right, 3) << I;
  }
}

}  // namespace
