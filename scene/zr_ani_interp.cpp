#include "scene/zr_ani_interp.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

double BounceOut(double t, double b, double c, double d) {
  double u = t / d;
  if (u < 1 / 2.75) return c * 7.5625 * u * u + b;
  if (u < 2 / 2.75) {
    double k = u - 1.5 / 2.75;
    return c * (7.5625 * k * k + 0.75) + b;
  }
  if (u < 2.5 / 2.75) {
    double k = u - 2.25 / 2.75;
    return c * (7.5625 * k * k + 0.9375) + b;
  }
  double k = u - 2.625 / 2.75;
  return c * (7.5625 * k * k + 0.984375) + b;
}

double BounceIn(double t, double b, double c, double d) {
  return c - BounceOut(d - t, 0, c, d) + b;
}

}  // namespace

double zrInterpolateLinear(double t, double b, double c, double d) { return c * t / d + b; }

double zrInterpolateQuad(double t, double b, double c, double d, TzrAnimationType AType) {
  double u = t / d;
  double h = t / (d / 2);
  switch (AType) {
    case zrAnimationIn:
      return c * u * u + b;
    case zrAnimationOut:
      return -c * u * (u - 2) + b;
    case zrAnimationInOut: {
      if (h < 1) return c / 2 * h * h + b;
      double k = h - 1;
      return -c / 2 * (k * (k - 2) - 1) + b;
    }
  }
  return 0;
}

double zrInterpolateCubic(double t, double b, double c, double d, TzrAnimationType AType) {
  double u = t / d;
  double h = t / (d / 2);
  switch (AType) {
    case zrAnimationIn:
      return c * u * u * u + b;
    case zrAnimationOut: {
      double k = u - 1;
      return c * (k * k * k + 1) + b;
    }
    case zrAnimationInOut: {
      if (h < 1) return c / 2 * h * h * h + b;
      double k = h - 2;
      return c / 2 * (k * k * k + 2) + b;
    }
  }
  return 0;
}

double zrInterpolateQuart(double t, double b, double c, double d, TzrAnimationType AType) {
  double u = t / d;
  double h = t / (d / 2);
  switch (AType) {
    case zrAnimationIn:
      return c * u * u * u * u + b;
    case zrAnimationOut: {
      double k = u - 1;
      return -c * (k * k * k * k - 1) + b;
    }
    case zrAnimationInOut: {
      if (h < 1) return c / 2 * h * h * h * h + b;
      double k = h - 2;
      return -c / 2 * (k * k * k * k - 2) + b;
    }
  }
  return 0;
}

double zrInterpolateQuint(double t, double b, double c, double d, TzrAnimationType AType) {
  double u = t / d;
  double h = t / (d / 2);
  switch (AType) {
    case zrAnimationIn:
      return c * u * u * u * u * u + b;
    case zrAnimationOut: {
      double k = u - 1;
      return c * (k * k * k * k * k + 1) + b;
    }
    case zrAnimationInOut: {
      if (h < 1) return c / 2 * h * h * h * h * h + b;
      double k = h - 2;
      return c / 2 * (k * k * k * k * k + 2) + b;
    }
  }
  return 0;
}

double zrInterpolateSine(double t, double b, double c, double d, TzrAnimationType AType) {
  double u = t / d;
  switch (AType) {
    case zrAnimationIn:
      return -c * std::cos(u * kPi / 2) + c + b;
    case zrAnimationOut:
      return c * std::sin(u * kPi / 2) + b;
    case zrAnimationInOut:
      return -c / 2 * (std::cos(kPi * u) - 1) + b;
  }
  return 0;
}

double zrInterpolateExpo(double t, double b, double c, double d, TzrAnimationType AType) {
  double u = t / d;
  double h = t / (d / 2);
  switch (AType) {
    case zrAnimationIn:
      if (t == 0) return b;
      return c * std::pow(2, 10 * (u - 1)) + b;
    case zrAnimationOut:
      if (t == d) return b + c;
      return c * (1 - std::pow(2, -10 * u)) + b;
    case zrAnimationInOut:
      if (t == 0) return b;
      if (t == d) return b + c;
      if (h < 1) return c / 2 * std::pow(2, 10 * (h - 1)) + b;
      return c / 2 * (2 - std::pow(2, -10 * (h - 1))) + b;
  }
  return 0;
}

double zrInterpolateCirc(double t, double b, double c, double d, TzrAnimationType AType) {
  double u = t / d;
  double h = t / (d / 2);
  switch (AType) {
    case zrAnimationIn:
      return -c * (std::sqrt(1 - u * u) - 1) + b;
    case zrAnimationOut: {
      double k = u - 1;
      return c * std::sqrt(1 - k * k) + b;
    }
    case zrAnimationInOut: {
      if (h < 1) return -c / 2 * (std::sqrt(1 - h * h) - 1) + b;
      double k = h - 2;
      return c / 2 * (std::sqrt(1 - k * k) + 1) + b;
    }
  }
  return 0;
}

double zrInterpolateElastic(double t, double b, double c, double d, double a, double p,
                            TzrAnimationType AType) {
  if (AType != zrAnimationIn && AType != zrAnimationOut && AType != zrAnimationInOut) return 0;
  if (t == 0) return b;
  double u = t / d;
  double h = t / (d / 2);
  if (AType != zrAnimationInOut && u == 1) return b + c;
  if (AType == zrAnimationInOut && h == 2) return b + c;
  if (p == 0) p = AType == zrAnimationInOut ? 0.45 * d : 0.3 * d;
  double s;
  if (a == 0 || a < std::fabs(c)) {
    a = c;
    s = p / 4;
  } else {
    s = p / (2 * kPi) * std::asin(c / a);
  }
  switch (AType) {
    case zrAnimationIn: {
      double k = u - 1;
      return -a * std::pow(2, 10 * k) * std::sin((k * d - s) * 2 * kPi / p) + b;
    }
    case zrAnimationOut:
      return a * std::pow(2, -10 * u) * std::sin((u * d - s) * 2 * kPi / p) + c + b;
    case zrAnimationInOut: {
      double k = h - 1;
      if (h < 1) return -0.5 * a * std::pow(2, 10 * k) * std::sin((k * d - s) * 2 * kPi / p) + b;
      return 0.5 * a * std::pow(2, -10 * k) * std::sin((k * d - s) * 2 * kPi / p) + c + b;
    }
  }
  return 0;
}

double zrInterpolateBack(double t, double b, double c, double d, double s, TzrAnimationType AType) {
  if (s == 0) s = 1.70158;
  double u = t / d;
  double h = t / (d / 2);
  switch (AType) {
    case zrAnimationIn:
      return c * u * u * ((s + 1) * u - s) + b;
    case zrAnimationOut: {
      double k = u - 1;
      return c * (k * k * ((s + 1) * k + s) + 1) + b;
    }
    case zrAnimationInOut: {
      double q = s * 1.525;
      if (h < 1) return c / 2 * (h * h * ((q + 1) * h - q)) + b;
      double k = h - 2;
      return c / 2 * (k * k * ((q + 1) * k + q) + 2) + b;
    }
  }
  return 0;
}

double zrInterpolateBounce(double t, double b, double c, double d, TzrAnimationType AType) {
  switch (AType) {
    case zrAnimationIn:
      return BounceIn(t, b, c, d);
    case zrAnimationOut:
      return BounceOut(t, b, c, d);
    case zrAnimationInOut:
      if (t < d / 2) return BounceIn(t * 2, 0, c, d) * 0.5 + b;
      return BounceOut(t * 2 - d, 0, c, d) * 0.5 + c * 0.5 + b;
  }
  return 0;
}

float zrInterpolateSingle(float Start, float Stop, float T) { return Start + (Stop - Start) * T; }

float zrInterpolateRotation(float Start, float Stop, float T) {
  return zrInterpolateSingle(Start, Stop, T);
}

TzrColor zrInterpolateColor(TzrColor Start, TzrColor Stop, float T) {
  TzrColor Result = 0;
  for (int Shift = 0; Shift <= 24; Shift += 8) {
    int From = (Start >> Shift) & 0xFF;
    int To = (Stop >> Shift) & 0xFF;
    // Only the low 8 bits count, so a T far outside 0..1 is reduced modulo
    // 256 before it is turned into an integer.
    double Step = std::fmod(std::trunc(double(T) * (To - From)), 256.0);
    if (!std::isfinite(Step)) Step = 0;
    int Byte = From + static_cast<int>(Step);
    Result |= (static_cast<uint32_t>(Byte) & 0xFF) << Shift;
  }
  return Result;
}
