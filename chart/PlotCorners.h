#pragma once
// Rounded-corner descriptions of rectangles: each corner round, bevelled
// or square, and the path that draws such a rectangle.

#include "chart/PlotCanvas.h"

enum TPlotCornerStyle { cosRound, cosBevel, cosNone };

class TPlotCorner : public TPersistent {
 public:
  explicit TPlotCorner(TNotifyEvent Changed = nullptr) : IChanged(std::move(Changed)) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  TPlotCornerStyle GetStyle() const { return FStyle; }
  void SetStyle(TPlotCornerStyle Value);

 private:
  TPlotCornerStyle FStyle = cosRound;
  TNotifyEvent IChanged;
};

class TPlotCorners : public TPersistent {
 public:
  explicit TPlotCorners(TNotifyEvent Changed = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  TPlotCorner* GetLeftBottom() const { return FLeftBottom.get(); }
  void SetLeftBottom(TPlotCorner* Value) { FLeftBottom->Assign(Value); }
  TPlotCorner* GetLeftTop() const { return FLeftTop.get(); }
  void SetLeftTop(TPlotCorner* Value) { FLeftTop->Assign(Value); }
  TPlotCorner* GetRightBottom() const { return FRightBottom.get(); }
  void SetRightBottom(TPlotCorner* Value) { FRightBottom->Assign(Value); }
  TPlotCorner* GetRightTop() const { return FRightTop.get(); }
  void SetRightTop(TPlotCorner* Value) { FRightTop->Assign(Value); }

  // The rectangle R with corners X x Y, built clockwise from the right-top
  // corner on a path of the canvas; the caller frees the path.
  TPlotBasePath* GetPath(TPlotCanvas* ACanvas, const TRect& R, int X, int Y);

 private:
  std::unique_ptr<TPlotCorner> FLeftBottom, FLeftTop, FRightBottom, FRightTop;
};
