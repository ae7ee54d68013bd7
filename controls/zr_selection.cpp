// The selection frame, the selection point and the design frame.

#include "controls/zr_selection.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"

namespace {

constexpr TzrColor kFrameColor = 0xFF1072C5;
constexpr TzrColor kHotColor = 0xFFFF0000;
constexpr TzrColor kColdColor = 0xFFFFFFFF;

float ClampGrip(float Value) { return std::clamp(Value, 1.0f, 20.0f); }

void SetSolidStroke(TzrCanvas* Canvas) {
  Canvas->GetStroke()->SetStyle(zrBrushSolid);
  Canvas->GetStroke()->SetSolidColor(kFrameColor);
  Canvas->SetStrokeThickness(1);
  Canvas->SetStrokeDash(zrDashSolid);
}

}  // namespace

// ---------------------------------------------------------------- TzrSelection

TzrSelection::TzrSelection(TComponent* AOwner) : TzrVisualObject(AOwner) { SetAutoCapture(true); }

const TClassInfo* TzrSelection::Class() {
  using T = TzrSelection;
  static const TClassInfo* info =
      TClassDecl<T>("TzrSelection", TzrVisualObject::Class())
          .Prop("GripSize", &T::GetGripSize, &T::SetGripSize)
          .Prop("ParentBounds", &T::GetParentBounds, &T::SetParentBounds)
          .Default(1)
          .Prop("HideSelection", &T::GetHideSelection, &T::SetHideSelection)
          .Prop("MinSize", &T::GetMinSize, &T::SetMinSize)
          .Default(15)
          .Prop("Proportional", &T::GetProportional, &T::SetProportional)
          .Event("OnChange", &T::OnChange)
          .Event("OnTrack", &T::OnTrack);
  return info;
}

void TzrSelection::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  Repaint();
}

void TzrSelection::SetMinSize(int Value) {
  if (Value <= 0) Value = 1;
  FMinSize = Value;
}

void TzrSelection::SetGripSize(float Value) {
  Value = ClampGrip(Value);
  if (FGripSize == Value) return;
  FGripSize = Value;
  RecalcUpdateRect();
  Repaint();
}

TzrRect TzrSelection::GripRect(int Index) const {
  const float x = (Index == 1 || Index == 2) ? GetWidth() : 0;
  const float y = (Index == 2 || Index == 3) ? GetHeight() : 0;
  return zrRect(x - FGripSize, y - FGripSize, x + FGripSize, y + FGripSize);
}

TzrRect TzrSelection::GetAbsoluteRect() {
  TzrRect r = TzrVisualObject::GetAbsoluteRect();
  zrInflateRect(r, FGripSize + 4, FGripSize + 4);
  return r;
}

bool TzrSelection::PointInObject(float X, float Y) {
  const TzrPoint p = AbsoluteToLocal({X, Y});
  if (zrPtInRect(p, GetLocalRect())) return true;
  for (int i = 0; i < 4; ++i)
    if (zrPtInRect(p, GripRect(i))) return true;
  return false;
}

void TzrSelection::Paint() {
  if (FHideSelection) return;
  TzrCanvas* canvas = GetCanvas();
  if (!canvas) return;
  const float opacity = GetAbsoluteOpacity();
  TzrRect r = GetLocalRect();
  zrInflateRect(r, -0.5f, -0.5f);
  SetSolidStroke(canvas);
  canvas->GetFill()->SetStyle(zrBrushSolid);
  canvas->GetFill()->SetSolidColor(kColdColor);
  canvas->SetStrokeDash(zrDashDash);
  canvas->DrawRect(r, 0, 0, AllCorners, opacity, zrCornerRound);
  canvas->SetStrokeDash(zrDashSolid);
  const TzrPoint corners[4] = {
      {r.Left, r.Top}, {r.Right, r.Top}, {r.Left, r.Bottom}, {r.Right, r.Bottom}};
  const bool hot[4] = {FLeftTopHot, FRightTopHot, FLeftBottomHot, FRightBottomHot};
  for (int i = 0; i < 4; ++i) {
    const TzrRect g = zrRect(corners[i].X - FGripSize, corners[i].Y - FGripSize,
                             corners[i].X + FGripSize, corners[i].Y + FGripSize);
    canvas->GetFill()->SetSolidColor(hot[i] ? kHotColor : kColdColor);
    canvas->FillEllipse(g, opacity);
    canvas->DrawEllipse(g, opacity);
  }
}

void TzrSelection::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrVisualObject::MouseDown(Button, Shift, X, Y);
  if (watch.Freed()) return;
  FDownPos = {X, Y};
  if (Button != mbLeft) return;
  // A frame of no height keeps a ratio of 1 rather than an infinite one.
  FRatio = GetHeight() > 0 ? GetWidth() / GetHeight() : 1;
  if (FRatio <= 0) FRatio = 1;
  const TzrPoint p{X, Y};
  const TzrPoint pos = GetPosition()->GetPoint();
  FDownRect = zrRect(pos.X, pos.Y, pos.X + GetWidth(), pos.Y + GetHeight());
  FDownParent = ParentPoint(X, Y);
  if (zrPtInRect(p, GripRect(0)))
    FLeftTop = true;
  else if (zrPtInRect(p, GripRect(1)))
    FRightTop = true;
  else if (zrPtInRect(p, GripRect(2)))
    FRightBottom = true;
  else if (zrPtInRect(p, GripRect(3)))
    FLeftBottom = true;
  else
    FMove = true;
}

TzrPoint TzrSelection::ParentSize() const {
  auto* parent = dynamic_cast<TzrVisualObject*>(GetParent());
  if (!parent) return {-1, -1};
  return {parent->GetWidth(), parent->GetHeight()};
}

TzrPoint TzrSelection::ParentPoint(float X, float Y) {
  TzrPoint m = LocalToAbsolute({X, Y});
  if (auto* parent = dynamic_cast<TzrVisualObject*>(GetParent())) m = parent->AbsoluteToLocal(m);
  const TzrPoint size = ParentSize();
  if (FParentBounds && size.X >= 0) {
    m.X = std::clamp(m.X, 0.0f, size.X);
    m.Y = std::clamp(m.Y, 0.0f, size.Y);
  }
  return m;
}

void TzrSelection::MoveBody(float X, float Y) {
  TzrPoint pos = GetPosition()->GetPoint();
  pos.X += X - FDownPos.X;
  pos.Y += Y - FDownPos.Y;
  const TzrPoint size = ParentSize();
  if (FParentBounds && size.X >= 0) {
    pos.X = std::max(0.0f, std::min(pos.X, size.X - GetWidth()));
    pos.Y = std::max(0.0f, std::min(pos.Y, size.Y - GetHeight()));
  }
  GetPosition()->SetPoint(pos);
}

// Every corner keeps its offset to the pointer from the press, so the first
// move does not jump, and the opposite edges stay where they were.
void TzrSelection::Resize(const TzrPoint& M) {
  const bool left = FLeftTop || FLeftBottom;
  const bool top = FLeftTop || FRightTop;
  const float minSize = float(FMinSize);
  TzrRect r = FDownRect;
  const float dx = M.X - FDownParent.X, dy = M.Y - FDownParent.Y;
  if (left)
    r.Left = std::min(FDownRect.Left + dx, r.Right - minSize);
  else
    r.Right = std::max(FDownRect.Right + dx, r.Left + minSize);
  if (top)
    r.Top = std::min(FDownRect.Top + dy, r.Bottom - minSize);
  else
    r.Bottom = std::max(FDownRect.Bottom + dy, r.Top + minSize);
  float w = r.Right - r.Left;
  float h = r.Bottom - r.Top;
  if (FProportional) {
    if (minSize > w / FRatio) w = std::round(minSize * FRatio);
    h = std::round(w / FRatio);
    if (left) r.Left = r.Right - w;
    if (top) r.Top = r.Bottom - h;
  }
  GetPosition()->SetPoint({r.Left, r.Top});
  SetWidth(w);
  SetHeight(h);
}

void TzrSelection::UpdateHot(float X, float Y) {
  const TzrPoint p{X, Y};
  bool* flags[4] = {&FLeftTopHot, &FRightTopHot, &FRightBottomHot, &FLeftBottomHot};
  for (int i = 0; i < 4; ++i) {
    const bool hot = zrPtInRect(p, GripRect(i));
    if (*flags[i] == hot) continue;
    *flags[i] = hot;
    Repaint();
  }
}

void TzrSelection::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);
  TzrVisualObject::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed()) return;
  FMovePos = {X, Y};
  if (!(Shift & ssLeft)) {
    UpdateHot(X, Y);
    return;
  }
  if (!Dragging()) return;
  if (FMove)
    MoveBody(X, Y);
  else
    Resize(ParentPoint(X, Y));
  Repaint();
  if (OnTrack) OnTrack(this);
}

void TzrSelection::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrVisualObject::MouseUp(Button, Shift, X, Y);
  if (watch.Freed()) return;
  const bool dragged = Dragging();
  FMove = FLeftTop = FLeftBottom = FRightTop = FRightBottom = false;
  if (dragged && OnChange) OnChange(this);
}

void TzrSelection::MouseLeave() {
  TzrVisualObject::MouseLeave();
  FLeftTopHot = FLeftBottomHot = FRightTopHot = FRightBottomHot = false;
  Repaint();
}

// ---------------------------------------------------------------- TzrSelectionPoint

TzrSelectionPoint::TzrSelectionPoint(TComponent* AOwner) : TzrVisualObject(AOwner) {
  SetAutoCapture(true);
  DisableDesignResize = true;
  SetSizeWithoutChange(2 * FGripSize, 2 * FGripSize);
}

const TClassInfo* TzrSelectionPoint::Class() {
  using T = TzrSelectionPoint;
  static const TClassInfo* info =
      TClassDecl<T>("TzrSelectionPoint", TzrVisualObject::Class())
          .Prop("GripSize", &T::GetGripSize, &T::SetGripSize)
          .Prop("ParentBounds", &T::GetParentBounds, &T::SetParentBounds)
          .Default(1)
          .Event("OnChange", &T::OnChange)
          .Event("OnTrack", &T::OnTrack);
  return info;
}

void TzrSelectionPoint::SetGripSize(float Value) {
  Value = ClampGrip(Value);
  if (FGripSize == Value) return;
  FGripSize = Value;
  SetWidth(0);
  SetHeight(0);
  RecalcUpdateRect();
  Repaint();
}

void TzrSelectionPoint::SetWidth(float) { TzrVisualObject::SetWidth(2 * FGripSize); }

void TzrSelectionPoint::SetHeight(float) { TzrVisualObject::SetHeight(2 * FGripSize); }

void TzrSelectionPoint::SetBounds(float X, float Y, float, float) {
  TzrVisualObject::SetBounds(X, Y, 2 * FGripSize, 2 * FGripSize);
}

TzrRect TzrSelectionPoint::GetUpdateRect() {
  TzrRect r = TzrVisualObject::GetUpdateRect();
  zrInflateRect(r, FGripSize + 1, FGripSize + 1);
  return r;
}

bool TzrSelectionPoint::PointInObject(float X, float Y) {
  const TzrPoint p = AbsoluteToLocal({X, Y});
  return std::fabs(p.X) < FGripSize && std::fabs(p.Y) < FGripSize;
}

void TzrSelectionPoint::Paint() {
  TzrVisualObject::Paint();
  TzrCanvas* canvas = GetCanvas();
  if (!canvas) return;
  IzoRurev* scene = GetScene();
  const bool hot = GetIsMouseOver() || (scene && scene->GetSelected() == this);
  SetSolidStroke(canvas);
  canvas->GetFill()->SetStyle(zrBrushSolid);
  canvas->GetFill()->SetSolidColor(hot ? kHotColor : kColdColor);
  const TzrRect r = zrRect(-FGripSize, -FGripSize, FGripSize, FGripSize);
  canvas->FillEllipse(r, GetAbsoluteOpacity());
  canvas->DrawEllipse(r, GetAbsoluteOpacity());
}

void TzrSelectionPoint::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrVisualObject::MouseDown(Button, Shift, X, Y);
  if (watch.Freed()) return;
  if (Button == mbLeft) FPressed = true;
}

void TzrSelectionPoint::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);
  TzrVisualObject::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !FPressed) return;
  TzrPoint m = LocalToAbsolute({X, Y});
  auto* parent = dynamic_cast<TzrVisualObject*>(GetParent());
  if (parent) {
    m = parent->AbsoluteToLocal(m);
    if (FParentBounds) {
      m.X = std::clamp(m.X, 0.0f, parent->GetWidth());
      m.Y = std::clamp(m.Y, 0.0f, parent->GetHeight());
    }
  }
  GetPosition()->SetPoint(m);
  if (OnTrack) OnTrack(this);
}

void TzrSelectionPoint::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrVisualObject::MouseUp(Button, Shift, X, Y);
  if (watch.Freed()) return;
  const bool pressed = FPressed;
  FPressed = false;
  if (pressed && OnChange) OnChange(this);
}

void TzrSelectionPoint::MouseEnter() {
  TzrVisualObject::MouseEnter();
  Repaint();
}

void TzrSelectionPoint::MouseLeave() {
  TzrVisualObject::MouseLeave();
  Repaint();
}

// ---------------------------------------------------------------- TzrDesignFrame

const TClassInfo* TzrDesignFrame::Class() {
  using T = TzrDesignFrame;
  static const TClassInfo* info = TClassDecl<T>("TzrDesignFrame", TzrVisualObject::Class())
                                      .Event("OnChange", &T::OnChange)
                                      .Event("OnTrack", &T::OnTrack);
  return info;
}

void RegisterSelectionObjects() {
  static const bool registered = [] {
    RegisterZRObjects("Design",
                      {TzrSelection::Class(), TzrSelectionPoint::Class(), TzrDesignFrame::Class()});
    return true;
  }();
  (void)registered;
}
