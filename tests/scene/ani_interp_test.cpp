#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "scene/zr_ani_interp.h"

namespace {

using Curve = std::function<double(double t, double b, double c, double d, TzrAnimationType)>;

struct CurveKind {
  const char* Name;
  Curve F;
  double In, Out, InOut;  // values at half time for b = 0, c = 1, d = 1
};

const CurveKind kCurves[] = {
    {"quad", zrInterpolateQuad, 0.25, 0.75, 0.5},
    {"cubic", zrInterpolateCubic, 0.125, 0.875, 0.5},
    {"quart", zrInterpolateQuart, 0.0625, 0.9375, 0.5},
    {"quint", zrInterpolateQuint, 0.03125, 0.96875, 0.5},
    {"sine", zrInterpolateSine, 1 - std::sqrt(0.5), std::sqrt(0.5), 0.5},
    {"expo", zrInterpolateExpo, 0.03125, 0.96875, 0.5},
    {"circ", zrInterpolateCirc, 1 - std::sqrt(0.75), std::sqrt(0.75), 0.5},
    {"elastic",
     [](double t, double b, double c, double d, TzrAnimationType A) {
       return zrInterpolateElastic(t, b, c, d, 0, 0, A);
     },
     -0.015625, 1.015625, 0.5},
    {"back",
     [](double t, double b, double c, double d, TzrAnimationType A) {
       return zrInterpolateBack(t, b, c, d, 0, A);
     },
     -0.0876975, 1.0876975, 0.5},
    {"bounce", zrInterpolateBounce, 0.234375, 0.765625, 0.5},
};

const TzrAnimationType kVariants[] = {zrAnimationIn, zrAnimationOut, zrAnimationInOut};

TEST(EasingTest, EveryCurveRunsFromBeginToBeginPlusChange) {
  for (const CurveKind& K : kCurves) {
    for (TzrAnimationType A : kVariants) {
      SCOPED_TRACE(std::string(K.Name) + " variant " + std::to_string(A));
      EXPECT_NEAR(2, K.F(0, 2, 3, 4, A), 1e-12);
      EXPECT_NEAR(5, K.F(4, 2, 3, 4, A), 1e-12);
      EXPECT_NEAR(-1, K.F(4, 2, -3, 4, A), 1e-12);
    }
  }
}

TEST(EasingTest, EveryCurveAtHalfTime) {
  for (const CurveKind& K : kCurves) {
    SCOPED_TRACE(K.Name);
    EXPECT_NEAR(K.In, K.F(0.5, 0, 1, 1, zrAnimationIn), 1e-7);
    EXPECT_NEAR(K.Out, K.F(0.5, 0, 1, 1, zrAnimationOut), 1e-7);
    EXPECT_NEAR(K.InOut, K.F(0.5, 0, 1, 1, zrAnimationInOut), 1e-7);
    // Scaled in time and value alike.
    EXPECT_NEAR(10 + 4 * K.Out, K.F(1, 10, 4, 2, zrAnimationOut), 1e-6);
  }
  EXPECT_EQ(0.5, zrInterpolateLinear(0.5, 0, 1, 1));
  EXPECT_EQ(7, zrInterpolateLinear(2, 5, 4, 4));
  // h = 1 is not below 1: the second branch gives exactly one half.
  EXPECT_EQ(0.5, zrInterpolateQuad(0.5, 0, 1, 1, zrAnimationInOut));
}

TEST(EasingTest, ValuesInsideTheCurves) {
  EXPECT_NEAR(0.1464466, zrInterpolateSine(0.25, 0, 1, 1, zrAnimationInOut), 1e-7);
  EXPECT_NEAR(0.1339746, zrInterpolateCirc(0.5, 0, 1, 1, zrAnimationIn), 1e-7);
  EXPECT_NEAR(0.99631, zrInterpolateBounce(0.73, 0, 1, 1, zrAnimationOut), 1e-5);
  EXPECT_NEAR(0.0625 * 0.5, zrInterpolateQuad(0.25, 0, 1, 1, zrAnimationInOut) * 0.25, 1e-12);
  // Explicit overshoot and amplitude take the place of the defaults.
  EXPECT_NEAR(0.25 * (3 * 0.5 - 2), zrInterpolateBack(0.5, 0, 1, 1, 2, zrAnimationIn), 1e-12);
  EXPECT_NE(zrInterpolateElastic(0.3, 0, 1, 1, 2, 0.5, zrAnimationOut),
            zrInterpolateElastic(0.3, 0, 1, 1, 0, 0, zrAnimationOut));
}

TEST(EasingTest, BounceOutNeverPassesItsEnd) {
  for (int I = 0; I <= 1000; ++I) {
    double V = zrInterpolateBounce(I / 1000.0, 0, 1, 1, zrAnimationOut);
    ASSERT_LE(V, 1.0 + 1e-12) << I;
    ASSERT_GE(V, 0.0) << I;
  }
}

TEST(EasingTest, UnknownVariantGivesZero) {
  const TzrAnimationType Unknown = static_cast<TzrAnimationType>(3);
  for (const CurveKind& K : kCurves) {
    EXPECT_EQ(0, K.F(0.5, 2, 3, 4, Unknown)) << K.Name;
    EXPECT_EQ(0, K.F(0, 2, 3, 4, Unknown)) << K.Name;
  }
}

TEST(InterpolateTest, SingleAndRotationGoStraight) {
  EXPECT_EQ(180, zrInterpolateRotation(350, 10, 0.5f));
  EXPECT_EQ(15, zrInterpolateSingle(10, 20, 0.5f));
  EXPECT_EQ(30, zrInterpolateSingle(10, 20, 2));
}

struct ColorCase {
  TzrColor Start, Stop;
  float T;
  TzrColor Expected;
};

TEST(InterpolateTest, ColourBytesMoveTowardsTheStop) {
  const ColorCase Cases[] = {
      {0xFF000000, 0xFFFFFFFF, 0.5f, 0xFF7F7F7F},
      {0xFF80FF00, 0x00000080, 0.5f, 0x80408040},  // falling bytes cut towards zero
      {0x12345678, 0x9ABCDEF0, 0, 0x12345678},
      {0x12345678, 0x9ABCDEF0, 1, 0x9ABCDEF0},
      {0xFF000000, 0xFF010101, 300, 0xFF2C2C2C},  // beyond 1: low 8 bits
      {0xFF000000, 0xFF010101, 1E12f, 0xFF000000},
  };
  for (const ColorCase& C : Cases) {
    EXPECT_EQ(C.Expected, zrInterpolateColor(C.Start, C.Stop, C.T)) << std::hex << C.Expected;
  }
}

}  // namespace
