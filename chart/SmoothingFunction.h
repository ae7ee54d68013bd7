#pragma once
// A function that lays a smooth curve (a uniform cubic B-spline, by default
// through the points) over its source series, sampled Factor times per point
// and at most at TBSpline::MaxFragments steps.

#include "chart/PlotFunction.h"

class TSmoothingFunction : public TPlotFunction {
 public:
  explicit TSmoothingFunction(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetInterpolate() const { return FInterpolate; }
  void SetInterpolate(bool Value);
  int GetFactor() const { return FFactor; }
  // Values below 1 are stored as 1.
  void SetFactor(int Value);

  void AddPoints(TChartSeries* Source) override;
  void PrepareForGallery(TCustomAxisPanel* Chart) override;

 private:
  void PrepareParent(TChartSeries* Source);

  bool FInterpolate = true;
  int FFactor = 4;
};

// The function's place in the series gallery: "Smoothing" on the page
// "Extended", entered when the chart library starts and taken out at its end.
void SmoothingFunctionUnitStart();
void SmoothingFunctionUnitEnd();
