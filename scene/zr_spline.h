#pragma once
// A natural cubic spline through the points of a polygon, each coordinate a
// function of the point index: parameter 0 is the first point, 1 the second,
// and so on; between two points the curve is a cubic in the parameter.

#include <vector>

#include "platform/rtl/Classes.h"
#include "scene/zr_geometry.h"

// One segment's cubic in the global parameter x (the point index):
// value(x) = ((Cubic * x + Quadratic) * x + Linear) * x + Constant.
struct TzrSplineSegment {
  float Cubic = 0;
  float Quadratic = 0;
  float Linear = 0;
  float Constant = 0;
};

using TzrSplineMatrix = std::vector<TzrSplineSegment>;

class TzrSpline : public TObject {
 public:
  explicit TzrSpline(const TzrPolygon& Polygon);
  std::string ClassName() const override { return "TzrSpline"; }

  // The curve at parameter t; beyond 0..len-1 the end segments extrapolate.
  // A polygon without points gives (0, 0), one of a single point that point.
  void SplineXY(float t, float& X, float& Y) const;

 private:
  TzrSplineMatrix matX;
  TzrSplineMatrix matY;
  int len = 0;
};
