// The scene's design-time editor: selection with handles, moving, resizing
// and rotating the selected node, grid and lines snapping with their guides,
// the Delete key and the form designer's hit test. Only a scene created
// inside a designing form gets here; the designer hook zrDesigner is told
// about selections and modifications when it is set.

#include <algorithm>
#include <cmath>

#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

namespace {

constexpr float kHandle = 3;     // half the side of a handle
constexpr float kLinesSnap = 2;  // a sibling's line this close is a guide
constexpr float kPointSnap = 4;  // a resize point this close jumps to a guide

TzrVisualObject* VisualParent(TzrVisualObject* Node) {
  TzrObject* parent = Node ? Node->GetParent() : nullptr;
  return parent && parent->GetIsVisual() ? parent->GetVisual() : nullptr;
}

TComponent* FormOf(TzrCustomScene* Scene) { return Scene->GetOwner(); }

void TellSelected(TzrCustomScene* Scene, TzrObject* Node) {
  if (zrDesigner) zrDesigner->SelectObject(FormOf(Scene), Node, {});
}

// The centre of a span, to the nearest integer with halves to even.
float Centre(float Start, float Size) { return std::nearbyint(Start + Size / 2); }

}  // namespace

TzrRect zrDesignHandleRect(TzrDesignHandle Handle, float W, float H, const TzrRect& Bounds) {
  const float r = Bounds.Right, b = Bounds.Bottom, k = kHandle;
  switch (Handle) {
    case dhRotate:
      return zrRect(W / 2 - k, -13, W / 2 + k, -7);
    case dhLeftTop:
      return zrRect(-k, -k, k, k);
    case dhRightTop:
      return zrRect(r - k, -k, r + k, k);
    case dhLeftBottom:
      return zrRect(-k, b - k, k, b + k);
    case dhRightBottom:
      return zrRect(r - k, b - k, r + k, b + k);
    case dhTop:
      return zrRect(W / 2 - k, -k, W / 2 + k, k);
    case dhBottom:
      return zrRect(W / 2 - k, b - k, W / 2 + k, b + k);
    case dhLeft:
      return zrRect(-k, H / 2 - k, k, H / 2 + k);
    case dhRight:
      return zrRect(r - k, H / 2 - k, r + k, H / 2 + k);
    case dhNone:
      break;
  }
  return {};
}

TzrDesignHandle zrDesignHandleAt(TzrVisualObject* Node, const TzrPoint& P) {
  if (!Node || Node->DisableDesignResize) return dhNone;
  const TzrRect bounds = Node->GetBoundsRect();
  for (int h = dhRotate; h <= dhRight; ++h) {
    const auto handle = TzrDesignHandle(h);
    if (zrPtInRect(P, zrDesignHandleRect(handle, Node->GetWidth(), Node->GetHeight(), bounds)))
      return handle;
  }
  return dhNone;
}

// ---------------------------------------------------------------- selection

void TzrCustomScene::Watch(TzrVisualObject*& Ref, TzrVisualObject* Value) {
  if (Ref == Value) return;
  // Each reference holds one free notification of its node.
  if (Ref) Ref->RemoveFreeNotify(this);
  Ref = Value;
  if (Value) Value->AddFreeNotify(this);
}

void TzrCustomScene::ChangeSelection() {
  if (FDesignChangeSelection) FDesignChangeSelection(this);
}

void TzrCustomScene::ClearDesignSelection() {
  for (TzrVisualObject* n : FSelection) {
    n->Repaint();
    n->RemoveFreeNotify(this);
  }
  FSelection.clear();
}

void TzrCustomScene::DesignSelectMore(TzrVisualObject* Node) {
  auto it = std::find(FSelection.begin(), FSelection.end(), Node);
  if (it != FSelection.end()) {
    // Each node keeps its one free notification: only the places change.
    *it = FSelected;
    FSelected = Node;
  } else {
    FSelection.push_back(Node);
    Node->AddFreeNotify(this);
  }
  for (TzrVisualObject* n : FSelection) n->Repaint();
  FSelected->Repaint();
  if (!zrDesigner) return;
  const std::vector<TzrObject*> more(FSelection.begin(), FSelection.end());
  zrDesigner->SelectObject(FormOf(this), FSelected, more);
}

void TzrCustomScene::SetSelected(TzrVisualObject* Value) {
  if (FSelected) FSelected->Repaint();
  Watch(FSelected, Value);
  if (FSelected) FSelected->Repaint();
  ChangeSelection();
  AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
  Draw();
}

void TzrCustomScene::DoDesignSelect(TObject* AObject) {
  auto* node = dynamic_cast<TzrVisualObject*>(AObject);
  if (!node || node->GetScene() != static_cast<IzoRurev*>(this)) return;
  Watch(FSelected, node);
  node->DesignSelect();
  AddUpdateRect(zrRect(0, 0, 10000, 10000));
  Draw();
}

void TzrCustomScene::SetDesignPlaceObject(TzrVisualObject* Value) {
  if (FDesignPlaceObject == Value) return;
  if (FDesignPlaceObject) FDesignPlaceObject->Repaint();
  Watch(FDesignPlaceObject, Value);
  if (FDesignPlaceObject) FDesignPlaceObject->Repaint();
}

// ---------------------------------------------------------------- grid

float TzrCustomScene::SnapToGridValue(float Value) const {
  if (!FSnapToGrid || FSnapGridSize == 0) return Value;
  return std::trunc(Value / FSnapGridSize) * FSnapGridSize;
}

void TzrCustomScene::SetSnapGridSize(float Value) {
  FSnapGridSize = std::max(Value, 0.01f);
  if (FSnapGridShow) AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
}

void TzrCustomScene::SetSnapGridShow(bool Value) {
  FSnapGridShow = Value;
  AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
}

// The pairs are tried in a fixed order and the first one closer than the
// snap distance wins; each pair is (sibling's line, selection's line) along
// one axis.
void TzrCustomScene::SnapToGridLines(bool Snap) {
  if (!FSnapToLines || !FSelected) return;
  TzrObject* parent = FSelected->GetParent();
  if (!parent) return;
  TzrVisualObject* s = FSelected;
  for (int i = 0; i < parent->GetChildrenCount(); ++i) {
    TzrObject* child = parent->GetChild(i);
    if (child == s || !child->GetIsVisual()) continue;
    TzrVisualObject* g = child->GetVisual();
    const TzrPoint gp = g->GetPosition()->GetPoint(), sp = s->GetPosition()->GetPoint();
    const float gw = g->GetWidth(), gh = g->GetHeight(), sw = s->GetWidth(), sh = s->GetHeight();
    struct TPair {
      bool Vertical;  // the pair moves Y
      float Guide, Own;
    };
    const TPair pairs[] = {
        {true, Centre(gp.Y, gh), Centre(sp.Y, sh)},
        {false, Centre(gp.X, gw), Centre(sp.X, sw)},
        {false, gp.X, sp.X},
        {true, gp.Y, sp.Y},
        {false, gp.X, sp.X + sw},
        {true, gp.Y, sp.Y + sh},
        {false, gp.X + gw, sp.X},
        {true, gp.Y + gh, sp.Y},
        {false, gp.X + gw, sp.X + sw},
        {true, gp.Y + gh, sp.Y + sh},
    };
    for (const TPair& pair : pairs) {
      const float d = pair.Guide - pair.Own;
      if (std::fabs(d) >= kLinesSnap) continue;
      if (std::find(FDesignGridLines.begin(), FDesignGridLines.end(), g) ==
          FDesignGridLines.end()) {
        FDesignGridLines.push_back(g);
        g->AddFreeNotify(this);
      }
      if (Snap) {
        if (pair.Vertical) {
          s->GetPosition()->SetY(sp.Y + d);
          FMousePos.Y += d;
        } else {
          s->GetPosition()->SetX(sp.X + d);
          FMousePos.X += d;
        }
      }
      break;
    }
  }
}

TzrPoint TzrCustomScene::SnapPointToGridLines(const TzrPoint& P) {
  if (!FSnapToLines || !FSelected) return P;
  SnapToGridLines(false);
  if (FDesignGridLines.empty()) return P;
  TzrVisualObject* parent = VisualParent(FSelected);
  TzrPoint p = FSelected->LocalToAbsolute(P);
  if (parent) p = parent->AbsoluteToLocal(p);
  for (TzrVisualObject* g : FDesignGridLines) {
    const TzrPoint gp = g->GetPosition()->GetPoint();
    for (float x : {gp.X, gp.X + g->GetWidth()})
      if (std::fabs(p.X - x) < kPointSnap) p.X = x;
    for (float y : {gp.Y, gp.Y + g->GetHeight()})
      if (std::fabs(p.Y - y) < kPointSnap) p.Y = y;
  }
  if (parent) p = parent->LocalToAbsolute(p);
  return FSelected->AbsoluteToLocal(p);
}

// Strips 2 units wide along the lines between the selection and each guide:
// the two centre lines and the pairs of edges, in the parent's coordinates.
void TzrCustomScene::AddUpdateRectsFromGridLines() {
  if (!FDesignTime || !FSelected || FSelected->DisableDesignResize) return;
  if (!FMoving && FDesignMode == dhNone) return;
  TzrVisualObject* parent = VisualParent(FSelected);
  if (FDesignGridLines.empty() || !parent) return;
  const TzrPoint sp = FSelected->GetPosition()->GetPoint();
  const float sw = FSelected->GetWidth(), sh = FSelected->GetHeight();
  for (TzrVisualObject* g : FDesignGridLines) {
    const TzrPoint gp = g->GetPosition()->GetPoint();
    const float gw = g->GetWidth(), gh = g->GetHeight();
    const float left = std::min(gp.X, sp.X), right = std::max(gp.X + gw, sp.X + sw);
    const float top = std::min(gp.Y, sp.Y), bottom = std::max(gp.Y + gh, sp.Y + sh);
    const float ys[] = {Centre(gp.Y, gh), gp.Y, gp.Y + gh, sp.Y + sh};
    const float xs[] = {Centre(gp.X, gw), gp.X, gp.X + gw, sp.X + sw};
    std::vector<TzrRect> strips;
    for (float y : ys) strips.push_back(zrRect(left, y - 1, right, y + 1));
    for (float x : xs) strips.push_back(zrRect(x - 1, top, x + 1, bottom));
    for (const TzrRect& local : strips) {
      const TzrRect r = zrNormalizeRect({parent->LocalToAbsolute({local.Left, local.Top}),
                                         parent->LocalToAbsolute({local.Right, local.Bottom})});
      // Pending rectangles are kept in whole pixels.
      const TzrRect w = zrRect(std::trunc(r.Left), std::trunc(r.Top), std::trunc(r.Right) + 1,
                               std::trunc(r.Bottom) + 1);
      const bool pending =
          std::any_of(FUpdateRects.begin(), FUpdateRects.end(), [&](const TzrRect& u) {
            return u.Left == w.Left && u.Top == w.Top && u.Right == w.Right && u.Bottom == w.Bottom;
          });
      if (!pending) AddUpdateRect(r);
    }
  }
}

// ---------------------------------------------------------------- mouse

void TzrCustomScene::DesignMouseDown(TMouseButton Button, TShiftState Shift) {
  if (FChildren.empty()) {
    // An empty scene first gets a background as its root.
    auto* root = new TzrBackground(FormOf(this));
    if (zrDesigner) root->SetName(zrDesigner->UniqueName(FormOf(this), "Root"));
    AddObject(root);
    root->SetBounds(0, 0, float(GetWidth()), float(GetHeight()));
  }
  if (Button == mbRight) {
    OpenDesignPopup();
    return;
  }
  if (Button != mbLeft) return;
  if (FSelected) {
    const TzrDesignHandle handle =
        zrDesignHandleAt(FSelected, FSelected->AbsoluteToLocal(FMousePos));
    if (handle != dhNone) {
      FDesignMode = handle;
      FMoving = false;
      TellSelected(this, FSelected);
      ChangeSelection();
      return;
    }
  }
  TzrVisualObject* node = NodeAt(FMousePos);
  if (!node) return;
  if ((Shift & ssDouble) && node == FSelected) {
    node->DesignClick();
    return;
  }
  if ((Shift & ssCtrl) && FSelected && node != FSelected) {
    DesignSelectMore(node);
    return;
  }
  ClearDesignSelection();
  if (FSelected) FSelected->Repaint();
  Watch(FSelected, node);
  node->DesignSelect();
  TellSelected(this, node);
  ChangeSelection();
  node->Repaint();
  FMoving = true;
}

void TzrCustomScene::DesignMove(TShiftState Shift, const TzrPoint& At) {
  TzrVisualObject* parent = VisualParent(FSelected);
  const TzrVector d{At.X - FMousePos.X, At.Y - FMousePos.Y, 0};
  const TzrVector v = (parent ? parent : FSelected)->AbsoluteToLocalVector(d);
  const TzrPoint p = FSelected->GetPosition()->GetPoint();
  FMousePos = At;
  FSelected->GetPosition()->SetPoint({SnapToGridValue(p.X + v.X), SnapToGridValue(p.Y + v.Y)});
  SnapToGridLines(true);
  // The drop container: the node under the pointer other than the
  // selection and its parent.
  const bool wasHitTest = FSelected->GetLocked();
  FSelected->SetLocked(true);
  TzrVisualObject* under = NodeAt(At);
  FSelected->SetLocked(wasHitTest);
  SetDesignPlaceObject(under && under != FSelected && under != parent ? under : nullptr);
  if (!(Shift & ssAlt) || !FDesignPlaceObject) return;
  const TzrPoint abs = FSelected->LocalToAbsolute({0, 0});
  FSelected->SetParent(FDesignPlaceObject);
  FSelected->GetPosition()->SetPoint(FDesignPlaceObject->AbsoluteToLocal(abs));
  SetDesignPlaceObject(nullptr);
}

void TzrCustomScene::DesignRotate(const TzrPoint& At) {
  const TzrPoint c{FSelected->GetWidth() / 2, FSelected->GetHeight() / 2};
  const TzrPoint a = FSelected->AbsoluteToLocal(FMousePos), b = FSelected->AbsoluteToLocal(At);
  const float ax = a.X - c.X, ay = a.Y - c.Y, bx = b.X - c.X, by = b.Y - c.Y;
  const float la = std::hypot(ax, ay), lb = std::hypot(bx, by);
  FMousePos = At;
  if (la == 0 || lb == 0) return;
  const float cosine = std::clamp((ax * bx + ay * by) / (la * lb), -1.0f, 1.0f);
  const float angle = std::acos(cosine) * 180 / float(M_PI);
  const float cross = ax * by - ay * bx;
  FSelected->SetRotateAngle(FSelected->GetRotateAngle() + (cross >= 0 ? angle : -angle));
}

void TzrCustomScene::DesignResize(const TzrPoint& At) {
  const TzrPoint p = SnapPointToGridLines(FSelected->AbsoluteToLocal(At));
  TzrRect r = FSelected->GetBoundsRect();
  const TzrDesignHandle m = FDesignMode;
  if (m == dhLeftTop || m == dhLeftBottom || m == dhLeft) r.Left = p.X;
  if (m == dhRightTop || m == dhRightBottom || m == dhRight) r.Right = p.X;
  if (m == dhLeftTop || m == dhRightTop || m == dhTop) r.Top = p.Y;
  if (m == dhLeftBottom || m == dhRightBottom || m == dhBottom) r.Bottom = p.Y;
  FMousePos = At;
  FSelected->SetBoundsRect(r);
}

void TzrCustomScene::InvalidateHandle(TzrDesignHandle Handle) {
  if (!FSelected || Handle == dhNone) return;
  const TzrRect r = zrDesignHandleRect(Handle, FSelected->GetWidth(), FSelected->GetHeight(),
                                       FSelected->GetBoundsRect());
  TzrRect a = zrNormalizeRect({FSelected->LocalToAbsolute({r.Left, r.Top}),
                               FSelected->LocalToAbsolute({r.Right, r.Top}),
                               FSelected->LocalToAbsolute({r.Right, r.Bottom}),
                               FSelected->LocalToAbsolute({r.Left, r.Bottom})});
  zrInflateRect(a, 2, 2);
  AddUpdateRect(a);
}

void TzrCustomScene::SetHotHandle(TzrDesignHandle Value) {
  if (FHotHandle == Value) return;
  InvalidateHandle(FHotHandle);
  FHotHandle = Value;
  InvalidateHandle(FHotHandle);
}

void TzrCustomScene::DesignMouseMove(TShiftState Shift, const TzrPoint& At) {
  if (FSelected && !(Shift & ssLeft))
    SetHotHandle(zrDesignHandleAt(FSelected, FSelected->AbsoluteToLocal(At)));
  if (!FSelected || !(Shift & ssLeft)) {
    FMousePos = At;
    FUnsnapMousePos = At;
    return;
  }
  AddUpdateRectsFromGridLines();
  if (FMoving)
    DesignMove(Shift, At);
  else if (FDesignMode == dhRotate)
    DesignRotate(At);
  else if (FDesignMode != dhNone)
    DesignResize(At);
  else
    FMousePos = At;
  AddUpdateRectsFromGridLines();
  FDownPos = FMousePos;
  FUnsnapMousePos = At;
}

void TzrCustomScene::DesignMouseUp() {
  SetDesignPlaceObject(nullptr);
  AddUpdateRectsFromGridLines();
  for (TzrVisualObject* g : FDesignGridLines) g->RemoveFreeNotify(this);
  FDesignGridLines.clear();
  const bool corner = FDesignMode == dhLeftTop || FDesignMode == dhRightTop ||
                      FDesignMode == dhLeftBottom || FDesignMode == dhRightBottom;
  if (FSelected && (FMoving || corner)) {
    if (TzrVisualObject* parent = VisualParent(FSelected))
      parent->Realign();
    else
      RealignRoot();
    if (zrDesigner) zrDesigner->Modified(FormOf(this));
  }
  FMoving = false;
  FDesignMode = dhNone;
}

// ---------------------------------------------------------------- keys, hit test

// The root is never freed from the keyboard, as the menu's "Delete object"
// refuses it too.
void TzrCustomScene::DesignDelete() { doDesignPopupDel(); }

int TzrCustomScene::DesignHitTest(float X, float Y) {
  if (FChildren.empty()) return 1;
  const bool corner = FDesignMode == dhLeftTop || FDesignMode == dhRightTop ||
                      FDesignMode == dhLeftBottom || FDesignMode == dhRightBottom;
  if (FMoving || corner) return 1;
  if (NodeAt({X, Y})) return 1;
  if (FSelected && zrPtInRect({X, Y}, FSelected->GetAbsoluteRect())) return 1;
  return 0;
}
