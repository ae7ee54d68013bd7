#pragma once
// Easing curves and plain interpolations used by animations.
//
// The curves take t (elapsed time), b (value at t = 0), c (change: stop -
// start) and d (duration, > 0) and give the value at t; t outside 0..d
// extrapolates. Each curve but the linear one comes in three variants.

#include "scene/zr_geometry.h"

enum TzrAnimationType { zrAnimationIn, zrAnimationOut, zrAnimationInOut };

enum TzrInterpolationType {
  zrInterpolationLinear,
  zrInterpolationQuadratic,
  zrInterpolationCubic,
  zrInterpolationQuartic,
  zrInterpolationQuintic,
  zrInterpolationSinusoidal,
  zrInterpolationExponential,
  zrInterpolationCircular,
  zrInterpolationElastic,
  zrInterpolationBack,
  zrInterpolationBounce
};

// A value of AType outside the three variants gives 0.
double zrInterpolateLinear(double t, double b, double c, double d);
double zrInterpolateQuad(double t, double b, double c, double d, TzrAnimationType AType);
double zrInterpolateCubic(double t, double b, double c, double d, TzrAnimationType AType);
double zrInterpolateQuart(double t, double b, double c, double d, TzrAnimationType AType);
double zrInterpolateQuint(double t, double b, double c, double d, TzrAnimationType AType);
double zrInterpolateSine(double t, double b, double c, double d, TzrAnimationType AType);
double zrInterpolateExpo(double t, double b, double c, double d, TzrAnimationType AType);
double zrInterpolateCirc(double t, double b, double c, double d, TzrAnimationType AType);
// Amplitude a and period p; 0 picks the defaults (c, and 0.3 d or 0.45 d).
double zrInterpolateElastic(double t, double b, double c, double d, double a, double p,
                            TzrAnimationType AType);
// Overshoot s; 0 picks the default 1.70158.
double zrInterpolateBack(double t, double b, double c, double d, double s, TzrAnimationType AType);
double zrInterpolateBounce(double t, double b, double c, double d, TzrAnimationType AType);

// Start + (Stop - Start) * T.
float zrInterpolateSingle(float Start, float Stop, float T);
// Angles go linearly, never the shorter way across 0: 350 to 10 at 0.5 is 180.
float zrInterpolateRotation(float Start, float Stop, float T);
// Per byte: start + Trunc(T * (stop - start)), kept to 8 bits.
TzrColor zrInterpolateColor(TzrColor Start, TzrColor Stop, float T);
