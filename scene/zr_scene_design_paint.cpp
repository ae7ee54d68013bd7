// The design-time overlay the scene paints over its nodes: the selection
// frame with its handles (red while the pointer is over one), the dashed
// alignment guides and the drop container with its label.

#include <cmath>

#include "platform/rtl/Rtti.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_brush.h"
#include "scene/zr_font.h"
#include "scene/zr_scene.h"

namespace {

constexpr TzrColor kFrameColor = 0xFF1072C5;
constexpr TzrColor kPlaceColor = 0xFF5B91DE;
constexpr TzrColor kHotColor = 0xFFFF0000;
constexpr TzrColor kColdColor = 0xFFFFFFFF;

TzrPoint Centre(const TzrRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

void Stroke(TzrCanvas* C, TzrColor Color, TzrStrokeDash Dash) {
  C->GetStroke()->SetStyle(zrBrushSolid);
  C->GetStroke()->SetSolidColor(Color);
  C->SetStrokeThickness(1);
  C->SetStrokeDash(Dash);
}

}  // namespace

void TzrCustomScene::PaintDesignOverlay() {
  if (!FDesignTime) return;
  TCanvasState state(FCanvas.get());
  FCanvas->SetMatrix(IdentityMatrix);
  Stroke(FCanvas.get(), kFrameColor, zrDashSolid);
  for (TzrVisualObject* n : FSelection) PaintMultiFrame(n);
  if (FSelected) PaintSelectionFrame();
  PaintGuides();
  if (FDesignPlaceObject) PaintPlaceObject();
}

void TzrCustomScene::PaintSelectionFrame() {
  TzrCanvas* c = FCanvas.get();
  TzrVisualObject* s = FSelected;
  c->SetMatrix(s->GetAbsoluteMatrix());
  TzrRect b = s->GetBoundsRect();
  zrInflateRect(b, -0.5f, -0.5f);
  Stroke(c, kFrameColor, zrDashDash);
  c->DrawRect(b, 0, 0, AllCorners, 1, zrCornerRound);
  c->SetStrokeDash(zrDashSolid);
  if (s->DisableDesignResize) return;
  const float w = s->GetWidth(), h = s->GetHeight();
  const TzrRect bounds = s->GetBoundsRect();
  c->GetFill()->SetStyle(zrBrushSolid);
  // The rotation handle hangs on a line from the top edge's midpoint.
  c->DrawLine({w / 2, 0}, {w / 2, -7}, 1);
  for (int i = dhRotate; i <= dhRight; ++i) {
    const auto handle = TzrDesignHandle(i);
    const bool square = handle >= dhTop;
    if ((handle == dhTop || handle == dhBottom) && w <= 12) continue;
    if ((handle == dhLeft || handle == dhRight) && h <= 12) continue;
    const TzrRect r = zrDesignHandleRect(handle, w, h, bounds);
    c->GetFill()->SetSolidColor(handle == FHotHandle ? kHotColor : kColdColor);
    if (square) {
      c->FillRect(r, 0, 0, AllCorners, 1, zrCornerRound);
      c->DrawRect(r, 0, 0, AllCorners, 1, zrCornerRound);
    } else {
      c->FillEllipse(r, 1);
      c->DrawEllipse(r, 1);
    }
  }
  c->SetMatrix(IdentityMatrix);
}

// The other members of a multiple selection: the dashed frame only.
void TzrCustomScene::PaintMultiFrame(TzrVisualObject* Node) {
  TzrCanvas* c = FCanvas.get();
  c->SetMatrix(Node->GetAbsoluteMatrix());
  TzrRect b = Node->GetBoundsRect();
  zrInflateRect(b, -0.5f, -0.5f);
  Stroke(c, kFrameColor, zrDashDash);
  c->DrawRect(b, 0, 0, AllCorners, 1, zrCornerRound);
  c->SetStrokeDash(zrDashSolid);
  c->SetMatrix(IdentityMatrix);
}

// Each guide gets dashed lines through the centre lines and the edges it
// shares with the selection, drawn in the parent's coordinates.
void TzrCustomScene::PaintGuides() {
  if (FDesignGridLines.empty() || !FSelected) return;
  TzrObject* p = FSelected->GetParent();
  if (!p || !p->GetIsVisual()) return;
  TzrVisualObject* parent = p->GetVisual();
  TzrCanvas* c = FCanvas.get();
  c->SetMatrix(parent->GetAbsoluteMatrix());
  Stroke(c, kFrameColor, zrDashDash);
  const TzrPoint sp = FSelected->GetPosition()->GetPoint();
  const TzrRect s = zrRect(sp.X, sp.Y, sp.X + FSelected->GetWidth(), sp.Y + FSelected->GetHeight());
  for (TzrVisualObject* g : FDesignGridLines) {
    const TzrPoint gp = g->GetPosition()->GetPoint();
    const TzrRect r = zrRect(gp.X, gp.Y, gp.X + g->GetWidth(), gp.Y + g->GetHeight());
    const float left = std::min(r.Left, s.Left), right = std::max(r.Right, s.Right);
    const float top = std::min(r.Top, s.Top), bottom = std::max(r.Bottom, s.Bottom);
    const auto same = [](float a, float b) { return std::fabs(a - b) < 1; };
    for (float y : {Centre(r).Y, r.Top, r.Bottom})
      for (float own : {Centre(s).Y, s.Top, s.Bottom})
        if (same(y, own)) c->DrawLine({left, y}, {right, y}, 1);
    for (float x : {Centre(r).X, r.Left, r.Right})
      for (float own : {Centre(s).X, s.Left, s.Right})
        if (same(x, own)) c->DrawLine({x, top}, {x, bottom}, 1);
  }
  c->SetStrokeDash(zrDashSolid);
  c->SetMatrix(IdentityMatrix);
}

void TzrCustomScene::PaintPlaceObject() {
  TzrCanvas* c = FCanvas.get();
  const TzrRect r = FDesignPlaceObject->GetAbsoluteRect();
  Stroke(c, kPlaceColor, zrDashSolid);
  c->DrawRect(r, 0, 0, AllCorners, 1, zrCornerRound);
  const TzrRect label = zrRect(r.Left, r.Top - 19, r.Left + 160, r.Top);
  c->GetFill()->SetStyle(zrBrushSolid);
  c->GetFill()->SetSolidColor(kPlaceColor);
  c->FillRect(label, 0, 0, AllCorners, 1, zrCornerRound);
  const std::string name = FDesignPlaceObject->GetName().empty()
                               ? FDesignPlaceObject->ClassType()->Name()
                               : FDesignPlaceObject->GetName();
  c->GetFont()->SetFamily("Tahoma");
  c->GetFont()->SetSize(9);
  c->GetFill()->SetSolidColor(kColdColor);
  TzrRect text = label;
  zrInflateRect(text, -3, 0);
  c->FillText(text, text, UTF8ToUTF16("ALT-drag to place into [" + name + "]"), false, 1,
              zrTextAlignNear, zrTextAlignCenter);
}
