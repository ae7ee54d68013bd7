// TzrVisualObject: matrices, coordinate conversions, rectangles, the geometry
// setters and the repaint requests.

#include <algorithm>
#include <cmath>

#include "scene/zr_visual.h"

namespace {

constexpr uint8_t kFreshMatrix = 1, kFreshRect = 2;

// Counts the changes of position, size, visibility and children of all
// nodes; cached children rectangles of an older count are recomputed.
uint64_t gGeometryStamp = 1;

TzrMatrix Translation(float X, float Y) {
  TzrMatrix m = IdentityMatrix;
  m.m31 = X;
  m.m32 = Y;
  return m;
}

// Writes a point without firing the value's change event.
void SetPointQuiet(TzrPosition& P, const TzrPoint& Value) {
  TNotifyEvent saved = std::move(P.OnChange);
  P.OnChange = nullptr;
  P.SetPoint(Value);
  P.OnChange = std::move(saved);
}

}  // namespace

// ---------------------------------------------------------------- matrices

void TzrVisualObject::GuardedRepaint() {
  IzoRurev* scene = GetScene();
  if (scene && !scene->GetDisableUpdate() && !FInPaintTo && FUpdating == 0) Repaint();
}

void TzrVisualObject::MatrixChanged(TObject* Sender) {
  (void)Sender;
  GeometryChanged();
  GuardedRepaint();
  TzrMatrix m = IdentityMatrix;
  m.m11 = FScale->GetX();
  m.m22 = FScale->GetY();
  m.m31 = FPosition->GetX();
  m.m32 = FPosition->GetY();
  if (FRotateAngle != 0) {
    // Turned about the rotation centre, then scaled, then moved.
    const float cx = FRotateCenter->GetX() * FWidth;
    const float cy = FRotateCenter->GetY() * FHeight;
    const TzrMatrix r = zrCreateRotationMatrix(zrDegToRad(FRotateAngle));
    m = zrMatrixMultiply(
        zrMatrixMultiply(zrMatrixMultiply(Translation(-cx, -cy), r), Translation(cx, cy)), m);
  }
  FLocalMatrix = m;
  RecalcAbsolute();
  RecalcUpdateRect();
  UpdateEffects();
  GuardedRepaint();
}

TzrMatrix TzrVisualObject::GetAbsoluteMatrix() {
  if (!FRecalcAbsolute) return FAbsoluteMatrix;
  if (TzrVisualObject* parent = VisualParent())
    FAbsoluteMatrix = zrMatrixMultiply(zrMatrixMultiply(FLocalMatrix, parent->GetChildrenMatrix()),
                                       parent->GetAbsoluteMatrix());
  else
    FAbsoluteMatrix = FLocalMatrix;
  FRecalcAbsolute = false;
  NoteMatrixFresh();
  GuardedRepaint();
  return FAbsoluteMatrix;
}

TzrMatrix TzrVisualObject::GetChildrenMatrix() { return IdentityMatrix; }

TzrMatrix TzrVisualObject::GetInvertAbsoluteMatrix() {
  TzrMatrix m = GetAbsoluteMatrix();
  zrInvertMatrix(m);
  return m;
}

void TzrVisualObject::RecalcAbsolute() {
  GeometryChanged();
  FRecalcAbsolute = true;
  if (FFresh) {
    std::vector<TzrVisualObject*> fresh;
    fresh.swap(FFresh->Matrix);
    for (TzrVisualObject* child : fresh) {
      child->FFreshIn &= ~kFreshMatrix;
      child->RecalcAbsolute();
    }
    return;
  }
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual()) child->GetVisual()->RecalcAbsolute();
}

void TzrVisualObject::RecalcAbsoluteNow() {
  FRecalcAbsolute = true;
  GetAbsoluteMatrix();
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual())
      child->GetVisual()->RecalcAbsoluteNow();
}

// ---------------------------------------------------------------- conversions

TzrPoint TzrVisualObject::LocalToAbsolute(const TzrPoint& P) {
  return zrPointFromVector(zrVectorTransform(zrVector(P), GetAbsoluteMatrix()));
}

TzrPoint TzrVisualObject::AbsoluteToLocal(const TzrPoint& P) {
  return zrPointFromVector(zrVectorTransform(zrVector(P), GetInvertAbsoluteMatrix()));
}

TzrVector TzrVisualObject::LocalToAbsoluteVector(const TzrVector& V) {
  TzrVector v = zrVectorTransform(zrVector(V.X, V.Y, 0), GetAbsoluteMatrix());
  v.W = 0;
  return v;
}

TzrVector TzrVisualObject::AbsoluteToLocalVector(const TzrVector& V) {
  TzrVector v = zrVectorTransform(zrVector(V.X, V.Y, 0), GetInvertAbsoluteMatrix());
  v.W = 0;
  return v;
}

TzrPoint TzrVisualObject::GetAbsoluteScale() {
  TzrPoint s{FScale->GetX(), FScale->GetY()};
  for (TzrVisualObject* p = VisualParent(); p; p = p->VisualParent()) {
    s.X *= p->FScale->GetX();
    s.Y *= p->FScale->GetY();
  }
  return s;
}

float TzrVisualObject::GetAbsoluteWidth() {
  return LocalToAbsoluteVector(zrVector(FWidth, FHeight, 0)).X;
}

float TzrVisualObject::GetAbsoluteHeight() {
  return LocalToAbsoluteVector(zrVector(FWidth, FHeight, 0)).Y;
}

// ---------------------------------------------------------------- rectangles

TzrRect TzrVisualObject::GetLocalRect() { return zrRect(0, 0, FWidth, FHeight); }

TzrRect TzrVisualObject::GetClipRect() { return zrRect(0, 0, FWidth, FHeight); }

TzrRect TzrVisualObject::GetBoundsRect() { return zrRect(0, 0, FWidth, FHeight); }

TzrRect TzrVisualObject::GetParentedRect() {
  TzrRect r = GetBoundsRect();
  zrOffsetRect(r, FPosition->GetX(), FPosition->GetY());
  return r;
}

TzrRect TzrVisualObject::GetAbsoluteRect() {
  return zrNormalizeRect({LocalToAbsolute({0, 0}), LocalToAbsolute({FWidth, 0}),
                          LocalToAbsolute({FWidth, FHeight}), LocalToAbsolute({0, FHeight})});
}

TzrRect TzrVisualObject::GetChildrenRect() {
  // The painting walk asks every node for it at every level: a rectangle
  // stays good until something in the scenes moves, sizes or changes.
  if (FChildrenRectStamp == gGeometryStamp) return FChildrenRect;
  TzrRect r = GetAbsoluteRect();
  if (!FClipChildren)
    for (int i = 0; i < GetChildrenCount(); ++i) {
      TzrObject* child = GetChild(i);
      if (child->GetIsVisual() && child->GetVisual()->FVisible)
        r = zrUnionRect(r, child->GetVisual()->GetChildrenRect());
    }
  FChildrenRect = r;
  FChildrenRectStamp = gGeometryStamp;
  return r;
}

void TzrVisualObject::GeometryChanged() { ++gGeometryStamp; }

TzrRect TzrVisualObject::GetUpdateRect() {
  if (!FRecalcUpdateRect) return FUpdateRect;
  FRecalcUpdateRect = false;
  ++FUpdating;  // no repaints while the matrices are recomputed
  TzrRect r = GetAbsoluteRect();
  IzoRurev* scene = GetScene();
  if (scene && !scene->GetDisableUpdate() && !IsLoading()) {
    for (TzrVisualObject* p = VisualParent(); p; p = p->VisualParent())
      if (p->FClipChildren) zrIntersectRect(r, r, p->GetUpdateRect());
    if (FCanFocused && FIsFocused) zrInflateRect(r, 5, 5);
    if (scene->GetDesignTime()) {
      if (scene->GetSelected() == this) {
        zrInflateRect(r, 4, 4);
        r.Top -= 13;
      }
      if (scene->GetDesignPlaceObject() == this) {
        zrInflateRect(r, 1, 1);
        r.Top -= 20;
        if (r.Right - r.Left < 160) r.Right = r.Left + 160;
      }
    }
    if (FHasEffect && !FClipChildren) {
      const TzrRect e = GetEffectsRect();
      r = zrUnionRect(
          r, zrNormalizeRect({LocalToAbsolute({e.Left, e.Top}), LocalToAbsolute({e.Right, e.Top}),
                              LocalToAbsolute({e.Right, e.Bottom}),
                              LocalToAbsolute({e.Left, e.Bottom})}));
    }
    if (!FClipChildren)
      for (int i = 0; i < GetChildrenCount(); ++i) {
        TzrObject* child = GetChild(i);
        if (child->GetIsVisual() && child->GetVisual()->FVisible)
          r = zrUnionRect(r, child->GetVisual()->GetUpdateRect());
      }
  }
  --FUpdating;
  FUpdateRect = r;
  NoteUpdateRectFresh();
  return r;
}

void TzrVisualObject::MarkUpdateRectStale() {
  FRecalcUpdateRect = true;
  if (FFresh) {
    std::vector<TzrVisualObject*> fresh;
    fresh.swap(FFresh->Rect);
    for (TzrVisualObject* child : fresh) {
      child->FFreshIn &= ~kFreshRect;
      child->MarkUpdateRectStale();
    }
    return;
  }
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual())
      child->GetVisual()->MarkUpdateRectStale();
}

void TzrVisualObject::RecalcUpdateRect() {
  GeometryChanged();
  MarkUpdateRectStale();
  // Every ancestor that does not clip its children unites their rectangles
  // into its own; the first one that clips does not depend on them.
  for (TzrVisualObject* p = VisualParent(); p && !p->FClipChildren; p = p->VisualParent())
    p->FRecalcUpdateRect = true;
}

// ---------------------------------------------------------------- fresh children

void TzrVisualObject::TrackFreshChildren() {
  if (!FFresh) FFresh = std::make_unique<TFreshChildren>();
}

void TzrVisualObject::NoteMatrixFresh() {
  // Matrices are computed from the root down: a fresh node's parent is fresh.
  TzrVisualObject* parent = VisualParent();
  if (!parent || !parent->FFresh || (FFreshIn & kFreshMatrix)) return;
  FFreshIn |= kFreshMatrix;
  parent->FFresh->Matrix.push_back(this);
}

void TzrVisualObject::NoteUpdateRectFresh() {
  // A rectangle is computed without those of the ancestors that do not clip,
  // so every tracking container above learns which of its children holds it.
  TzrVisualObject* node = this;
  for (TzrVisualObject* p = VisualParent(); p; node = p, p = p->VisualParent()) {
    if (!p->FFresh || (node->FFreshIn & kFreshRect)) continue;
    node->FFreshIn |= kFreshRect;
    p->FFresh->Rect.push_back(node);
  }
}

void TzrVisualObject::ForgetFreshChild(TzrVisualObject* AChild) {
  if (!FFresh || !AChild->FFreshIn) return;
  auto drop = [AChild](std::vector<TzrVisualObject*>& List) {
    List.erase(std::remove(List.begin(), List.end(), AChild), List.end());
  };
  drop(FFresh->Matrix);
  drop(FFresh->Rect);
  AChild->FFreshIn = 0;
}

// ---------------------------------------------------------------- size and position

void TzrVisualObject::SetWidth(float Value) {
  if (Value == FWidth) return;
  Repaint();
  FWidth = Value;
  if (FWidth < 0 && Designing()) {
    FWidth = -FWidth;
    FScale->SetX(-FScale->GetX());
  }
  if (IsLoading() || !GetScene()) return;
  UpdateEffects();
  RecalcUpdateRect();
  Repaint();  // the new area (the old one was asked for above)
  TzrVisualObject* parent = VisualParent();
  if (parent && (FAlign != vaNone || zrClassIs(parent, "TzrScrollContent"))) parent->Realign();
  if (FChildren) Realign();
}

void TzrVisualObject::SetHeight(float Value) {
  if (Value == FHeight) return;
  Repaint();
  FHeight = Value;
  if (FHeight < 0 && Designing()) {
    FHeight = -FHeight;
    FScale->SetY(-FScale->GetY());
  }
  if (IsLoading() || !GetScene()) return;
  UpdateEffects();
  RecalcUpdateRect();
  Repaint();  // the new area (the old one was asked for above)
  TzrVisualObject* parent = VisualParent();
  if (parent && (FAlign != vaNone || zrClassIs(parent, "TzrScrollContent"))) parent->Realign();
  if (FChildren) Realign();
}

void TzrVisualObject::SetBounds(float X, float Y, float AWidth, float AHeight) {
  Repaint();
  bool sized = false;
  if (AHeight != FHeight) {
    FHeight = AHeight;
    if (FHeight < 0 && Designing()) {
      FHeight = -FHeight;
      FScale->SetY(-FScale->GetY());
    }
    sized = true;
  }
  if (AWidth != FWidth) {
    FWidth = AWidth;
    if (FWidth < 0 && Designing()) {
      FWidth = -FWidth;
      FScale->SetX(-FScale->GetX());
    }
    sized = true;
  }
  if (X != FPosition->GetX() || Y != FPosition->GetY()) {
    SetPointQuiet(*FPosition, {X, Y});
    MatrixChanged(this);
  }
  if (IsLoading()) return;
  if (sized) {
    TzrVisualObject* parent = VisualParent();
    if (parent && FAlign != vaNone) parent->Realign();
    if (FChildren) Realign();
  }
  RecalcUpdateRect();
  Repaint();
}

void TzrVisualObject::SetBoundsRect(const TzrRect& ARect) {
  Repaint();
  FWidth = zrRectWidth(ARect);
  FHeight = zrRectHeight(ARect);
  const float rx = FRotateCenter->GetX(), ry = FRotateCenter->GetY();
  TzrPoint p = LocalToAbsolute({rx * FWidth + ARect.Left, ry * FHeight + ARect.Top});
  if (TzrVisualObject* parent = VisualParent()) p = parent->AbsoluteToLocal(p);
  SetPointQuiet(*FPosition,
                {p.X - FScale->GetX() * rx * FWidth, p.Y - FScale->GetY() * ry * FHeight});
  if (FWidth < 0) {
    FWidth = -FWidth;
    FScale->SetX(-FScale->GetX());
  }
  if (FHeight < 0) {
    FHeight = -FHeight;
    FScale->SetY(-FScale->GetY());
  }
  MatrixChanged(this);
  Realign();
}

void TzrVisualObject::SetSizeWithoutChange(float AWidth, float AHeight) {
  GeometryChanged();
  FWidth = AWidth;
  FHeight = AHeight;
  FLastWidth = AWidth;
  FLastHeight = AHeight;
}

void TzrVisualObject::SetPosition(TzrPosition* Value) {
  if (Value) FPosition->SetPoint(Value->GetPoint());
}

void TzrVisualObject::SetScale(TzrPosition* Value) {
  if (Value) FScale->Assign(Value);
}

void TzrVisualObject::SetRotateCenter(TzrPosition* Value) {
  if (Value) FRotateCenter->Assign(Value);
}

void TzrVisualObject::SetRotateAngle(float Value) {
  if (Value == FRotateAngle) return;
  FRotateAngle = zrNormalizeAngle(Value);
  MatrixChanged(this);
}

// ---------------------------------------------------------------- repaint requests

void TzrVisualObject::Repaint() {
  IzoRurev* scene = GetScene();
  if (!scene) return;
  const bool designing = scene->GetDesignTime();
  if (!FVisible && !designing) return;
  if (designing && FDesignHide) return;
  if (scene->GetDisableUpdate()) return;
  if (!designing && !CheckParentVisible()) return;
  if (FUpdating > 0) return;
  if (HasDisablePaintEffect()) FUpdateEffects = true;
  scene->AddUpdateRect(GetUpdateRect());
}

void TzrVisualObject::InvalidateRect(const TzrRect& ARect) {
  IzoRurev* scene = GetScene();
  if (!scene) return;
  const bool designing = scene->GetDesignTime();
  if (!FVisible && !designing) return;
  if (designing && FDesignHide) return;
  if (scene->GetDisableUpdate()) return;
  if (!designing && !CheckParentVisible()) return;
  scene->AddUpdateRect(
      zrNormalizeRect({LocalToAbsolute(ARect.TopLeft()), LocalToAbsolute(ARect.BottomRight())}));
}

void TzrVisualObject::UpdateEffects() {
  for (TzrVisualObject* v = this; v; v = v->VisualParent())
    if (v->FHasEffect) v->FUpdateEffects = true;
}
