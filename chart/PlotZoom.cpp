#include "chart/PlotZoom.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& WheelInfo() {
  static const TEnumInfo info("TMouseWheelStyle", {"pmwNormal", "pmwInverted", "pmwNone"});
  return info;
}

const TEnumInfo& ZoomDirectionInfo() {
  static const TEnumInfo info("TPlotZoomDirection", {"tzdHorizontal", "tzdVertical", "tzdBoth"});
  return info;
}

const TEnumInfo& MouseButtonInfo() {
  static const TEnumInfo info("TMouseButton", {"mbLeft", "mbRight", "mbMiddle"});
  return info;
}

const TEnumInfo& ShiftInfo() {
  static const TEnumInfo info(
      "TShiftState", {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble"});
  return info;
}

int RoundHalfEven(float Value) { return int(std::nearbyint(Value)); }

}  // namespace

// ---------------- drag state ----------------

void TZoomPanning::Activate(int X, int Y) {
  X0 = X1 = X;
  Y0 = Y1 = Y;
  FActive = true;
}

void TZoomPanning::Check() {
  if (X0 > X1) std::swap(X0, X1);
  if (Y0 > Y1) std::swap(Y0, Y1);
}

// ---------------- panning ----------------

const TClassInfo* TPlotPanning::Class() {
  using P = TPlotPanning;
  static const TClassInfo* info =
      TClassDecl<P>("TPlotPanning", TPersistent::Class())
          .Prop("InsideBounds", &P::GetInsideBounds, &P::SetInsideBounds)
          .Default(0)
          .Enum("MouseWheel", &P::GetMouseWheel, &P::SetMouseWheel, WheelInfo())
          .Default(pmwNormal);
  return info;
}

void TPlotPanning::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TPlotPanning*>(Source);
  if (source == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FInsideBounds = source->FInsideBounds;
  FMouseWheel = source->FMouseWheel;
}

// ---------------- rubber band pen and brush ----------------

TPlotZoomPen::TPlotZoomPen(TNotifyEvent OnChangeEvent) : TPlotPen(std::move(OnChangeEvent)) {
  SetColor(clSilver);
  SetWidth(3);
  DefaultWidth = 3;
  InitEndStyle(esFlat);
}

TPlotZoomBrush::TPlotZoomBrush(TNotifyEvent OnChangeEvent) : TPlotBrush(std::move(OnChangeEvent)) {
  InitColor(clWhite);
  SetStyle(bsClear);
}

// ---------------- zoom ----------------

const TClassInfo* TPlotZoom::Class() {
  using Z = TPlotZoom;
  static const TClassInfo* info =
      TClassDecl<Z>("TPlotZoom", TPersistent::Class())
          .Prop("Allow", &Z::GetAllow, &Z::SetAllow)
          .Default(1)
          .Prop("Animated", &Z::GetAnimated, &Z::SetAnimated)
          .Default(0)
          .Prop("AnimatedSteps", &Z::GetAnimatedSteps, &Z::SetAnimatedSteps)
          .Default(8)
          .Enum("Direction", &Z::GetDirection, &Z::SetDirection, ZoomDirectionInfo())
          .Default(tzdBoth)
          .Prop("FullRepaint", &Z::GetFullRepaint, &Z::SetFullRepaint)
          .Default(0)
          .Prop("History", &Z::GetHistory, &Z::SetHistory)
          .Default(0)
          .Prop("KeepAspectRatio", &Z::GetKeepAspectRatio, &Z::SetKeepAspectRatio)
          .Default(0)
          .Set("KeyShift", &Z::GetKeyShift, &Z::SetKeyShift, ShiftInfo())
          .Default(0)
          .Prop("MinimumPixels", &Z::GetMinimumPixels, &Z::SetMinimumPixels)
          .Default(16)
          .Enum("MouseButton", &Z::GetMouseButton, &Z::SetMouseButton, MouseButtonInfo())
          .Default(mbLeft)
          .Enum("MouseWheel", &Z::GetMouseWheel, &Z::SetMouseWheel, WheelInfo())
          .Default(pmwNone)
          .Prop("UpLeftZooms", &Z::GetUpLeftZooms, &Z::SetUpLeftZooms)
          .Default(0);
  return info;
}

TPlotZoom::TPlotZoom() = default;
TPlotZoom::~TPlotZoom() = default;

std::vector<std::unique_ptr<TZoomSnapshot>>& TPlotZoom::GetAxesHistory() {
  if (!FAxesHistory) FAxesHistory = std::make_unique<std::vector<std::unique_ptr<TZoomSnapshot>>>();
  return *FAxesHistory;
}

void TPlotZoom::SetHistory(bool Value) {
  FHistory = Value;
  if (!Value && FAxesHistory) FAxesHistory->clear();
}

TPlotZoomPen* TPlotZoom::GetPen() {
  if (!FPen) FPen = std::make_unique<TPlotZoomPen>();
  return FPen.get();
}

void TPlotZoom::SetPen(TPlotPen* Value) {
  if (Value == nullptr) {
    FPen.reset();
    return;
  }
  GetPen()->Assign(Value);
}

TPlotZoomBrush* TPlotZoom::GetBrush() {
  if (!FBrush) FBrush = std::make_unique<TPlotZoomBrush>();
  return FBrush.get();
}

void TPlotZoom::SetBrush(TPlotBrush* Value) {
  if (Value == nullptr) {
    FBrush.reset();
    return;
  }
  GetBrush()->Assign(Value);
}

void TPlotZoom::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TPlotZoom*>(Source);
  if (source == nullptr) return;
  FAllow = source->FAllow;
  FAnimated = source->FAnimated;
  FAnimatedSteps = source->FAnimatedSteps;
  SetBrush(source->FBrush.get());
  FDirection = source->FDirection;
  FFullRepaint = source->FFullRepaint;
  FHistory = source->FHistory;
  FKeepAspect = source->FKeepAspect;
  FKeyShift = source->FKeyShift;
  FMouseButton = source->FMouseButton;
  SetPen(source->FPen.get());
}

void TPlotZoom::CorrectAspectRatio(const TRect& R, int X, int Y) {
  float a = R.Height() == 0 ? 1.0f : float(R.Width()) / float(R.Height());
  float c = Y == Y0 ? 1.0f : float(std::abs(X - X0)) / float(std::abs(Y - Y0));
  if (c >= a) {
    Y1 = Y0 + RoundHalfEven(float(X - X0) / a);
    X1 = X0 + RoundHalfEven(float(Y1 - Y0) * a);
  } else {
    X1 = X0 + RoundHalfEven(float(Y - Y0) * a);
    Y1 = Y0 + RoundHalfEven(float(X1 - X0) / a);
  }
}
