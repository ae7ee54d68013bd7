// TzrScrollContent: the clipping child of a scroll box that carries the
// scrolled children. It tells the box about children coming and going,
// clips to the visible window and keeps repaints inside the viewport.

#include <algorithm>

#include "controls/zr_scroll_bar.h"
#include "controls/zr_scroll_box.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_canvas.h"

const TClassInfo* TzrScrollContent::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrScrollContent>("TzrScrollContent", TzrContent::Class());
  return info;
}

TzrScrollContent::TzrScrollContent(TComponent* AOwner) : TzrContent(AOwner) {
  FClipChildren = true;
  // Scrolling moves the content: only the children computed since the last
  // move need marking stale again.
  TrackFreshChildren();
}

TzrScrollBox* TzrScrollContent::Box() const { return dynamic_cast<TzrScrollBox*>(FParent); }

void TzrScrollContent::AddObject(TzrObject* AObject) {
  TzrContent::AddObject(AObject);
  if (TzrScrollBox* box = Box(); box && AObject && AObject->GetParent() == this)
    box->ContentAddObject(AObject);
}

void TzrScrollContent::RemoveObject(TzrObject* AObject) {
  TzrScrollBox* box = Box();
  if (!box || !AObject || AObject->GetParent() != this) {
    TzrContent::RemoveObject(AObject);
    return;
  }
  box->ContentBeforeRemoveObject(AObject);
  TzrContent::RemoveObject(AObject);
  box->ContentRemoveObject(AObject);
}

TzrRect TzrScrollContent::GetUpdateRect() {
  TzrScrollBox* box = Box();
  if (!FRecalcUpdateRect || !box) return TzrContent::GetUpdateRect();
  FRecalcUpdateRect = false;
  TzrVisualObject* vp = box->GetContentLayout();
  FUpdateRect = vp ? vp->GetUpdateRect() : box->GetUpdateRect();
  NoteUpdateRectFresh();
  return FUpdateRect;
}

TzrRect TzrScrollContent::GetClipRect() {
  TzrScrollBox* box = Box();
  TzrVisualObject* vp = box ? box->GetContentLayout() : nullptr;
  if (!vp) return TzrContent::GetClipRect();
  TzrRect r = vp->GetLocalRect();
  if (TzrScrollBar* h = box->GetHScrollBar(); h && h->GetEnabled())
    zrOffsetRect(r, h->GetValue(), 0);
  if (TzrScrollBar* v = box->GetVScrollBar(); v && v->GetEnabled())
    zrOffsetRect(r, 0, v->GetValue());
  return r;
}

void TzrScrollContent::Paint() {
  TzrContent::Paint();
  TzrScrollBox* box = Box();
  TzrCanvas* canvas = GetCanvas();
  if (!box || !canvas) return;
  TCanvasState state(canvas);
  canvas->SetMatrix(GetAbsoluteMatrix());
  canvas->IntersectClipRect(GetClipRect());
  box->ContentPaint(canvas, GetLocalRect());
}

void TzrScrollContent::PaintChildren() {
  IzoRurev* scene = GetScene();
  TzrScrollBox* box = Box();
  int first = 0, last = -1;
  // Designing and off-screen rendering paint every child, as the walk does.
  if (!scene || !box || scene->GetDesignTime() || FInPaintTo ||
      !box->ContentPaintRange(first, last)) {
    TzrContent::PaintChildren();
    return;
  }
  first = std::max(first, 0);
  last = std::min(last, GetChildrenCount() - 1);
  for (int i = first; i <= last; ++i) PaintChild(GetChild(i), scene, false);
}

TzrVisualObject* TzrScrollContent::ObjectByPoint(float X, float Y) {
  TzrVisualObject* hit = TzrContent::ObjectByPoint(X, Y);
  if (!hit || !Box()) return hit;
  const TzrPoint p = AbsoluteToLocal({X, Y});
  const TzrRect clip = GetClipRect();
  const bool inside = p.X > clip.Left && p.X < clip.Right && p.Y > clip.Top && p.Y < clip.Bottom;
  return inside ? hit : nullptr;
}
