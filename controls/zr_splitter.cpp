#include "controls/zr_splitter.h"

#include <algorithm>

#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_geometry.h"
#include "scene/zr_position.h"

namespace {

bool IsHorizontalAlign(TzrAlign A) {
  return A == vaLeft || A == vaRight || A == vaMostLeft || A == vaMostRight;
}

bool IsVerticalAlign(TzrAlign A) {
  return A == vaTop || A == vaBottom || A == vaMostTop || A == vaMostBottom;
}

// Right and bottom splitters count the travel the other way round.
bool Reversed(TzrAlign A) { return A == vaRight || A == vaMostRight || A == vaBottom; }

}  // namespace

const TClassInfo* TzrSplitter::Class() {
  using T = TzrSplitter;
  static const TClassInfo* info = TClassDecl<T>("TzrSplitter", TzrControl::Class())
                                      .Prop("MinSize", &T::GetMinSize, &T::SetMinSize)
                                      .Prop("ShowGrip", &T::GetShowGrip, &T::SetShowGrip)
                                      .Default(true);
  return info;
}

TzrSplitter::TzrSplitter(TComponent* AOwner) : TzrControl(AOwner) {
  FAutoCapture = true;
  SetWidth(5);
  SetAlign(vaLeft);
  SetCursor(crHSplit);
}

bool TzrSplitter::Horizontal() const { return IsHorizontalAlign(GetAlign()); }

void TzrSplitter::SetAlign(TzrAlign Value) {
  TzrControl::SetAlign(Value);
  SetCursor(Value == vaTop || Value == vaBottom ? crVSplit : crHSplit);
}

void TzrSplitter::SetShowGrip(bool Value) {
  if (FShowGrip == Value) return;
  FShowGrip = Value;
  ApplyStyle();
}

void TzrSplitter::ApplyStyle() {
  TzrControl::ApplyStyle();
  if (auto* grip = dynamic_cast<TzrVisualObject*>(FindResource("grip")))
    grip->SetVisible(FShowGrip);
}

void TzrSplitter::Paint() {
  TzrControl::Paint();
  zrDrawDesignOutline(this);
}

TzrVisualObject* TzrSplitter::FindNeighbour() {
  auto* parent = dynamic_cast<TzrVisualObject*>(GetParent());
  if (!parent) return nullptr;
  const TzrPoint at = GetPosition()->GetPoint();
  TzrPoint probe;
  bool widenBack = true;  // zero sizes widen to the left or upward
  switch (GetAlign()) {
    case vaTop:
      probe = {at.X, at.Y - 1};
      break;
    case vaLeft:
    case vaMostLeft:
      probe = {at.X - 1, at.Y};
      break;
    case vaRight:
    case vaMostRight:
      probe = {at.X + GetWidth() + 1, at.Y};
      widenBack = false;
      break;
    case vaBottom:
      probe = {at.X, at.Y + GetHeight() + 1};
      widenBack = false;
      break;
    default:
      return nullptr;
  }
  const bool horizontal = Horizontal();
  for (int i = 0; i < parent->GetChildrenCount(); ++i) {
    TzrObject* object = parent->GetChild(i);
    if (!object->GetIsVisual()) continue;
    TzrVisualObject* child = object->GetVisual();
    if (child == this || child->GetLocked() || !child->GetVisible()) continue;
    const TzrAlign a = child->GetAlign();
    if (horizontal ? !IsHorizontalAlign(a) : !IsVerticalAlign(a)) continue;
    const TzrPoint p = child->GetPosition()->GetPoint();
    TzrRect r = zrRect(p.X, p.Y, p.X + child->GetWidth(), p.Y + child->GetHeight());
    if (zrRectWidth(r) == 0) (widenBack ? r.Left : r.Right) += widenBack ? -1 : 1;
    if (zrRectHeight(r) == 0) (widenBack ? r.Top : r.Bottom) += widenBack ? -1 : 1;
    if (zrPtInRect(probe, r)) return child;
  }
  return nullptr;
}

float TzrSplitter::LargestSize() {
  auto* parent = dynamic_cast<TzrVisualObject*>(GetParent());
  const TzrBounds* margins = parent->GetMargins();
  const bool horizontal = Horizontal();
  float size = horizontal
                   ? parent->GetWidth() - FMinSize - margins->GetLeft() - margins->GetRight()
                   : parent->GetHeight() - FMinSize - margins->GetTop() - margins->GetBottom();
  for (int i = 0; i < parent->GetChildrenCount(); ++i) {
    TzrObject* object = parent->GetChild(i);
    if (!object->GetIsVisual()) continue;
    TzrVisualObject* child = object->GetVisual();
    const TzrAlign a = child->GetAlign();
    const TzrBounds* padding = child->GetPadding();
    if (horizontal && IsHorizontalAlign(a))
      size -= child->GetWidth() + padding->GetLeft() + padding->GetRight();
    if (!horizontal && (a == vaTop || a == vaBottom))
      size -= child->GetHeight() + padding->GetTop() + padding->GetBottom();
  }
  return size + (horizontal ? FControl->GetWidth() : FControl->GetHeight());
}

float TzrSplitter::NewSize(float X, float Y, float& Split) {
  const TzrAlign a = GetAlign();
  Split = Horizontal() ? X - FDownPos.X : Y - FDownPos.Y;
  float size = 0;
  switch (a) {
    case vaTop:
      size = FControl->GetHeight() + Split;
      break;
    case vaLeft:
    case vaMostLeft:
      size = FControl->GetWidth() + Split;
      break;
    case vaRight:
    case vaMostRight:
      size = FControl->GetWidth() - Split;
      break;
    case vaBottom:
      size = FControl->GetHeight() - Split;
      break;
    default:
      break;
  }
  const float clamped = std::max(FMinSize, std::min(size, FMaxSize));
  if (clamped != size) Split += Reversed(a) ? size - clamped : clamped - size;
  return clamped;
}

void TzrSplitter::ApplySize(float Size) {
  switch (GetAlign()) {
    case vaTop:
      FControl->SetHeight(Size);
      break;
    case vaLeft:
    case vaMostLeft:
      FControl->SetWidth(Size);
      break;
    case vaRight:
    case vaMostRight: {
      TzrPosition* position = FControl->GetPosition();
      position->SetX(position->GetX() + FControl->GetWidth() - Size);
      FControl->SetWidth(Size);
      break;
    }
    case vaBottom: {
      TzrPosition* position = FControl->GetPosition();
      position->SetY(position->GetY() + FControl->GetHeight() - Size);
      FControl->SetHeight(Size);
      break;
    }
    default:
      break;
  }
}

void TzrSplitter::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FPressed = true;
  FDownPos = {X, Y};
  Forget();
  FControl = FindNeighbour();
  if (!FControl) return;
  FControl->FreeNotification(this);
  FMaxSize = LargestSize();
  FNewSize = NewSize(X, Y, FSplit);
  FOldSize = Horizontal() ? FControl->GetWidth() : FControl->GetHeight();
}

void TzrSplitter::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (!FPressed || !FControl) return;
  float split = 0;
  float size = std::max(NewSize(X, Y, split), FMinSize);
  FNewSize = size;
  FSplit = split;
  if (size == FOldSize) return;
  ApplySize(size);
  FOldSize = size;
}

void TzrSplitter::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FPressed = false;
  Forget();
}

void TzrSplitter::Forget() {
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = nullptr;
}

void TzrSplitter::Notification(TComponent* AComponent, TOperation Operation) {
  TzrControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}
