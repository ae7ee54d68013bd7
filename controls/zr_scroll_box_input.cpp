// TzrScrollBox: the mouse wheel, mouse tracking with its fling and the eased
// scroll animations.

#include "controls/zr_scroll_box.h"
#include "controls/zr_scroll_bar.h"
#include "scene/zr_ani.h"

namespace {

// Seven times the last step of a tracking drag: how far a fling goes on.
constexpr float FlingFactor = 7;
constexpr float ScrollDuration = 0.7f;

TzrFloatAnimation* MakeScrollAni(TzrScrollBox* Box, TzrScrollBar* Bar) {
  auto* ani = new TzrFloatAnimation(Box);
  ani->SetParent(Bar);
  ani->SetAnimationType(zrAnimationOut);
  ani->SetInterpolation(zrInterpolationQuadratic);
  ani->SetDuration(ScrollDuration);
  ani->SetPropertyName("Value");
  ani->SetStartFromCurrent(true);
  return ani;
}

bool InsideBar(TzrVisualObject* Hit, TzrScrollBar* Bar) {
  for (TzrObject* p = Hit; p; p = p->GetParent())
    if (p == Bar) return true;
  return false;
}

}  // namespace

void TzrScrollBox::CreateHScrollAni() {
  if (!FHScrollAni && FHScrollBar) FHScrollAni = MakeScrollAni(this, FHScrollBar);
}

void TzrScrollBox::CreateVScrollAni() {
  if (!FVScrollAni && FVScrollBar) FVScrollAni = MakeScrollAni(this, FVScrollBar);
}

void TzrScrollBox::StopAnimations() {
  for (TzrFloatAnimation* ani : {FHScrollAni, FVScrollAni})
    if (ani && ani->GetRunning()) ani->StopAtCurrent();
}

void TzrScrollBox::ScrollBarTo(TzrScrollBar* Bar, float Target) {
  if (!FAnimated) {
    Bar->SetValue(Target);
    return;
  }
  if (Bar == FVScrollBar) CreateVScrollAni();
  if (Bar == FHScrollBar) CreateHScrollAni();
  TzrFloatAnimation* ani = Bar == FVScrollBar ? FVScrollAni : FHScrollAni;
  if (!ani) return;
  if (ani->GetRunning()) ani->StopAtCurrent();
  ani->SetStopValue(Target);
  ani->Start();
}

void TzrScrollBox::MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) {
  TzrControl::MouseWheel(Shift, WheelDelta, Handled);
  if (Handled || FDisableMouseWheel) return;
  const float notches = float(WheelDelta) / 120;
  for (TzrScrollBar* bar : {FVScrollBar, FHScrollBar}) {
    if (!BarShown(bar)) continue;
    ScrollBarTo(bar, bar->GetValue() - notches * (bar->GetSmallChange() * 3));
    Handled = true;
    return;
  }
}

void TzrScrollBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseDown may free the box
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || !FMouseTracking || Button != mbLeft) return;
  FLastDelta = {0, 0};
  FDownPos = FCurrentPos = {X, Y};
  FDown = true;
  StopAnimations();
}

void TzrScrollBox::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);  // OnMouseMove may free the box
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !FDown) return;
  if (BarShown(FVScrollBar)) {
    FVScrollBar->SetValue(FVScrollBar->GetValue() - (Y - FCurrentPos.Y));
    FLastDelta.Y = Y - FCurrentPos.Y;
  }
  if (BarShown(FHScrollBar)) {
    FHScrollBar->SetValue(FHScrollBar->GetValue() - (X - FCurrentPos.X));
    FLastDelta.X = X - FCurrentPos.X;
  }
  FCurrentPos = {X, Y};
}

void TzrScrollBox::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseUp may free the box
  TzrControl::MouseUp(Button, Shift, X, Y);
  if (watch.Freed() || !FDown) return;
  FDown = false;
  if (!FAnimated || (FLastDelta.X == 0 && FLastDelta.Y == 0)) return;
  if (BarShown(FVScrollBar))
    ScrollBarTo(FVScrollBar, FVScrollBar->GetValue() - FLastDelta.Y * FlingFactor);
  if (BarShown(FHScrollBar))
    ScrollBarTo(FHScrollBar, FHScrollBar->GetValue() - FLastDelta.X * FlingFactor);
}

TzrVisualObject* TzrScrollBox::ObjectByPoint(float X, float Y) {
  TzrVisualObject* hit = TzrControl::ObjectByPoint(X, Y);
  if (!hit || FShowScrollBars) return hit;
  if (InsideBar(hit, FVScrollBar) || InsideBar(hit, FHScrollBar))
    return PointInObject(X, Y) && CheckHitTest() ? this : nullptr;
  return hit;
}
