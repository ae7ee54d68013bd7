#pragma once
// Zoom and panning settings of a chart panel: the state of one mouse drag
// (TZoomPanning), the panning settings, the zoom settings with the rubber
// band's pen and brush, and the snapshots of the zoom history. How drags
// become zooms and scrolls is the chart control's; these hold its settings.

#include <memory>
#include <vector>

#include "chart/PlotPen.h"
#include "platform/vcl/ExtCtrls.h"

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
enum TMouseWheelStyle { pmwNormal, pmwInverted, pmwNone };
enum TPlotZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };

class TZoomPanning : public TPersistent {
 public:
  bool GetActive() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  // Both corners at (X, Y); the drag is active.
  void Activate(int X, int Y);
  // Orders the corners so that X0 <= X1 and Y0 <= Y1.
  void Check();

  int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;

 protected:
  bool FActive = false;
};

class TPlotPanning : public TZoomPanning {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From another panning: InsideBounds and MouseWheel; others are refused.
  void Assign(TPersistent* Source) override;

  bool GetInsideBounds() const { return FInsideBounds; }
  void SetInsideBounds(bool Value) { FInsideBounds = Value; }
  TMouseWheelStyle GetMouseWheel() const { return FMouseWheel; }
  void SetMouseWheel(TMouseWheelStyle Value) { FMouseWheel = Value; }

 private:
  bool FInsideBounds = false;
  TMouseWheelStyle FMouseWheel = pmwNormal;
};

// The rubber band's outline: silver, 3 pixels, flat ends by default.
class TPlotZoomPen : public TPlotPen {
 public:
  explicit TPlotZoomPen(TNotifyEvent OnChangeEvent = nullptr);
  TColor DefaultColor = clSilver;
};

// The rubber band's fill: white, clear by default.
class TPlotZoomBrush : public TPlotBrush {
 public:
  explicit TPlotZoomBrush(TNotifyEvent OnChangeEvent = nullptr);
};

// One entry of the zoom history.
class TZoomSnapshot : public TObject {
 public:
  std::vector<double> AxesMinMax;
  int CustomCount = 0;
  std::vector<std::vector<double>> CustomMinMax;
};

class TPlotZoom : public TZoomPanning {
 public:
  TPlotZoom();
  ~TPlotZoom() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Only from another zoom (others change nothing): everything but
  // MinimumPixels, MouseWheel and UpLeftZooms; pen and brush as SetPen and
  // SetBrush, History as the field.
  void Assign(TPersistent* Source) override;

  // X1, Y1 such that the dragged rectangle has R's proportions, for the
  // mouse at (X, Y).
  void CorrectAspectRatio(const TRect& R, int X, int Y);

  bool GetAllow() const { return FAllow; }
  void SetAllow(bool Value) { FAllow = Value; }
  bool GetAnimated() const { return FAnimated; }
  void SetAnimated(bool Value) { FAnimated = Value; }
  int GetAnimatedSteps() const { return FAnimatedSteps; }
  void SetAnimatedSteps(int Value) { FAnimatedSteps = Value; }
  // The history, made on first read; it owns its snapshots.
  std::vector<std::unique_ptr<TZoomSnapshot>>& GetAxesHistory();
  bool HasAxesHistory() const { return FAxesHistory != nullptr; }
  // Made on first read.
  TPlotZoomBrush* GetBrush();
  // Nil frees the brush; otherwise copies into it.
  void SetBrush(TPlotBrush* Value);
  bool HasBrush() const { return FBrush != nullptr; }
  TPlotZoomDirection GetDirection() const { return FDirection; }
  void SetDirection(TPlotZoomDirection Value) { FDirection = Value; }
  bool GetFullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }
  bool GetHistory() const { return FHistory; }
  // Turning it off empties an existing history.
  void SetHistory(bool Value);
  bool GetKeepAspectRatio() const { return FKeepAspect; }
  void SetKeepAspectRatio(bool Value) { FKeepAspect = Value; }
  TShiftState GetKeyShift() const { return FKeyShift; }
  void SetKeyShift(TShiftState Value) { FKeyShift = Value; }
  int GetMinimumPixels() const { return FMinimumPixels; }
  void SetMinimumPixels(int Value) { FMinimumPixels = Value; }
  TMouseButton GetMouseButton() const { return FMouseButton; }
  void SetMouseButton(TMouseButton Value) { FMouseButton = Value; }
  TMouseWheelStyle GetMouseWheel() const { return FMouseWheel; }
  void SetMouseWheel(TMouseWheelStyle Value) { FMouseWheel = Value; }
  // Made on first read.
  TPlotZoomPen* GetPen();
  // Nil frees the pen; otherwise copies into it.
  void SetPen(TPlotPen* Value);
  bool HasPen() const { return FPen != nullptr; }
  bool GetUpLeftZooms() const { return FUpLeftZooms; }
  void SetUpLeftZooms(bool Value) { FUpLeftZooms = Value; }

 private:
  bool FAllow = true;
  bool FAnimated = false;
  int FAnimatedSteps = 8;
  std::unique_ptr<std::vector<std::unique_ptr<TZoomSnapshot>>> FAxesHistory;
  std::unique_ptr<TPlotZoomBrush> FBrush;
  TPlotZoomDirection FDirection = tzdBoth;
  bool FFullRepaint = false;
  bool FHistory = false;
  bool FKeepAspect = false;
  TShiftState FKeyShift = 0;
  int FMinimumPixels = 16;
  TMouseButton FMouseButton = mbLeft;
  TMouseWheelStyle FMouseWheel = pmwNone;
  std::unique_ptr<TPlotZoomPen> FPen;
  bool FUpLeftZooms = false;
};
