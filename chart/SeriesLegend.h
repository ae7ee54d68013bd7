#pragma once
// The legend settings of one series: the text the legend shows for it, its
// visibility (hidden is the same as not shown in the legend) and a picture.

#include "chart/TextShape.h"

class TSeriesLegend : public TCustomTextShape {
 public:
  using TCustomTextShape::TCustomTextShape;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
