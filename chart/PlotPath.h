#pragma once
// The GDI path: lines, arcs, curves and text recorded on the canvas's
// device context, then filled with the brush's picture or gradient and
// filled and/or stroked with the brush and pen.

#include <functional>

#include "chart/PlotCanvas.h"

class TPlotPath : public TPlotBasePath {
 public:
  // Begins a path on the canvas's device context; raises when the device
  // refuses.
  explicit TPlotPath(TPlotCanvas* ACanvas);
  void ArcTo(float X, float Y, float Width, float Height, float StartAngle,
             float SweepAngle) override;
  void Close() override;
  // Straight segments through the points; the tension is not used.
  void Curve(std::span<const TPoint> Points, float Tension, bool Closed) override;
  void Draw(TPlotCanvas* ACanvas) override;
  // Records nothing to hand back.
  void GetPoints(TPathPointTypes& Types, TPointFloatArray& Points, TRectF& Bounds) override;
  void LineTo(float X, float Y) override;
  void MoveTo(float X, float Y) override;
  void TextOut(float X, float Y, const std::string& Text) override;
  using TPlotBasePath::LineTo;
  using TPlotBasePath::MoveTo;

 private:
  // Does the operation on the device and keeps it, since filling inside
  // the path uses the device's path up before it is stroked.
  void Record(std::function<void()> Op);
  TPlotCanvas* ICanvas;
  std::vector<std::function<void()>> FOps;
  // A figure has begun and is not closed.
  bool FOpen = false;
};
