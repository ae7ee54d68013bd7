#pragma once
// Drawing of the curve editors over their plot grid: the black axes, the red
// curve and the node dots, in a saved canvas state clipped to the area being
// painted, with a solid stroke 2 pixels wide.

#include <cstdint>

#include "scene/zr_geometry.h"

class TzrCanvas;

inline constexpr TzrColor kAxisBlack = 0xFF000000;
inline constexpr TzrColor kCurveRed = 0xFFFF0000;
inline constexpr TzrColor kNodeBlue = 0xFF0000FF;
inline constexpr TzrColor kNodeBrown = 0xFF996700;

class TCurvePlot {
 public:
  TCurvePlot(TzrCanvas* Canvas, const TzrRect& Area);
  ~TCurvePlot();
  TCurvePlot(const TCurvePlot&) = delete;
  TCurvePlot& operator=(const TCurvePlot&) = delete;

  // The X axis along value 0 and the Y axis at the plot's left margin.
  void DrawAxes();
  // One polyline through (Left + i * XScale, 271 - Points[i]) for i = 0..Last.
  void DrawCurve(const int* Points, int Last, float Left, float XScale);
  // An ellipse stroked in Colour in the rectangle Box.
  void DrawNode(const TzrRect& Box, TzrColor Colour);

 private:
  void SetColour(TzrColor Colour);
  TzrCanvas* FCanvas;
  uint32_t FState;
};
