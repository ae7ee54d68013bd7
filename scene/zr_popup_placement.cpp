// Where a popup goes: the placement table against a target (in the
// target's local coordinates, then in the scene and on the screen), the
// screen placements without a target, the absolute and pointer placements,
// and the monitor rule that keeps a window's right and bottom edges on its
// monitor.

#include <cmath>

#include "scene/zr_popup.h"
#include "scene/zr_position.h"
#include "scene/zr_scene.h"

namespace {

bool RectEmpty(const TzrRect& R) { return R.Right - R.Left <= 0 || R.Bottom - R.Top <= 0; }

int RoundInt(float Value) { return int(std::nearbyint(Value)); }

// Against the target's own rectangle (0, 0, TW, TH).
TzrPoint PlaceAtTargetRect(TzrPlacement Placement, const TzrPlacementInput& In) {
  switch (Placement) {
    case zrPlacementTop:
      return {In.HO, -In.H - In.VO};
    case zrPlacementLeft:
      return {-In.W - In.HO, In.VO};
    case zrPlacementRight:
      return {In.TW + In.HO, In.VO};
    case zrPlacementCenter:
      return {(In.TW - In.W) / 2 + In.HO, (In.TH - In.H) / 2 + In.VO};
    case zrPlacementBottomCenter:
      return {In.HO - In.W / 2 + In.TW / 2, In.TH + In.VO};
    case zrPlacementTopCenter:
      return {In.HO - In.W / 2 + In.TW / 2, -In.H - In.VO};
    case zrPlacementLeftCenter:
      return {-In.W - In.HO, In.VO - In.H / 2 + In.TH / 2};
    case zrPlacementRightCenter:
      return {In.TW + In.HO, In.VO - In.H / 2 + In.TH / 2};
    default:
      return {In.HO, In.TH + In.VO};
  }
}

TzrPoint PlaceCentred(const TzrPlacementInput& In) {
  const TzrRect& r = In.PR;
  return {r.Left + (r.Right - r.Left - In.W) / 2 + In.HO,
          r.Top + (r.Bottom - r.Top - In.H) / 2 + In.VO};
}

// Against the placement rectangle; the side-centred placements centre
// horizontally only (left and right ones align with the rectangle's top).
TzrPoint PlaceAtRect(TzrPlacement Placement, const TzrPlacementInput& In) {
  const TzrRect& r = In.PR;
  switch (Placement) {
    case zrPlacementTop:
      return {r.Left + In.HO, r.Top - In.H - In.VO};
    case zrPlacementLeft:
    case zrPlacementLeftCenter:
      return {r.Left - In.W - In.HO, r.Top + In.VO};
    case zrPlacementRight:
    case zrPlacementRightCenter:
      return {r.Right + In.HO, r.Top + In.VO};
    case zrPlacementCenter:
      return PlaceCentred(In);
    case zrPlacementBottomCenter:
      return {(r.Left + r.Right) / 2 - In.W / 2 + In.HO, r.Bottom + In.VO};
    case zrPlacementTopCenter:
      return {(r.Left + r.Right) / 2 - In.W / 2 + In.HO, r.Top - In.H - In.VO};
    default:
      return {r.Left + In.HO, r.Bottom + In.VO};
  }
}

TzrPoint Truncated(const TzrPoint& P) { return {std::trunc(P.X), std::trunc(P.Y)}; }

}  // namespace

TzrPoint zrPlaceAtTarget(TzrPlacement Placement, const TzrPlacementInput& In) {
  return RectEmpty(In.PR) ? PlaceAtTargetRect(Placement, In) : PlaceAtRect(Placement, In);
}

TzrPoint zrPlaceOnScreen(TzrPlacement Placement, const TzrPlacementInput& In) {
  const TzrRect& r = In.PR;
  switch (Placement) {
    case zrPlacementTop:
    case zrPlacementTopCenter:
      return {r.Left + In.HO, r.Top - In.H - In.VO};
    case zrPlacementLeft:
    case zrPlacementLeftCenter:
      return {r.Left - In.W - In.HO, r.Top + In.VO};
    case zrPlacementRight:
    case zrPlacementRightCenter:
      return {r.Right + In.HO, r.Top + In.VO};
    case zrPlacementCenter:
      return PlaceCentred(In);
    default:
      return {r.Left + In.HO, r.Bottom + In.VO};
  }
}

void zrKeepOnMonitor(int& X, int& Y, int W, int H, const TzrRect& Monitor) {
  if (X + W > Monitor.Right) X = int(Monitor.Right) - W;
  if (Y + H > Monitor.Bottom) Y = int(Monitor.Bottom) - H;
}

// ---------------------------------------------------------------- TzrPopup

void TzrPopup::ApplyPlacement() {
  TzrVisualObject* target = PlacementTargetNode();
  if (FPlacement >= zrPlacementAbsolute) {
    ApplySpecialPlacement(target != nullptr);
    return;
  }
  if (target) {
    PlaceAtTarget(target);
    return;
  }
  if (FPlacementScene != zrPlacementSceneNew) return;
  TzrPlacementInput in{
      FWidth, FHeight, FHorizontalOffset, FVerticalOffset, FPlacementRectangle->GetRect(), 0, 0};
  PlaceWindow(Truncated(zrPlaceOnScreen(FPlacement, in)), true);
}

void TzrPopup::PlaceAtTarget(TzrVisualObject* Target) {
  TzrPlacementInput in{FWidth,
                       FHeight,
                       FHorizontalOffset,
                       FVerticalOffset,
                       FPlacementRectangle->GetRect(),
                       Target->GetWidth(),
                       Target->GetHeight()};
  const TzrPoint scenePoint = Truncated(Target->LocalToAbsolute(zrPlaceAtTarget(FPlacement, in)));
  if (FPlacementScene == zrPlacementSceneTarget) {
    PlaceInTarget(Target, scenePoint);
    return;
  }
  IzoRurev* scene = Target->GetScene();
  if (!scene) scene = FPopupForm ? nullptr : GetScene();
  const TzrPoint screen = scene ? scene->LocalToScreen(scenePoint) : scenePoint;
  PlaceWindow({std::nearbyint(screen.X), std::nearbyint(screen.Y)}, true);
}

void TzrPopup::PlaceInTarget(TzrVisualObject*, const TzrPoint& ScenePoint) {
  TzrVisualObject* parent = VisualParent();
  GetPosition()->SetPoint(parent ? parent->AbsoluteToLocal(ScenePoint) : ScenePoint);
}

void TzrPopup::PlaceWindow(const TzrPoint& Screen, bool KeepOnMonitor) {
  if (!FPopupForm) return;
  int x = RoundInt(Screen.X), y = RoundInt(Screen.Y);
  TzrRect monitor;
  if (KeepOnMonitor && FPopupForm->MonitorRect(x, y, monitor))
    zrKeepOnMonitor(x, y, FPopupForm->GetClientWidth(), FPopupForm->GetClientHeight(), monitor);
  FPopupForm->MoveTo(x, y);
}

void TzrPopup::ApplySpecialPlacement(bool HasTarget) {
  if (FPlacementScene != zrPlacementSceneNew) return;
  if (FPlacement == zrPlacementAbsolute) {
    const TzrRect r = FPlacementRectangle->GetRect();
    PlaceWindow({float(RoundInt(r.Left)), float(RoundInt(r.Top))}, false);
    return;
  }
  // The pointer's position is taken once, when opening.
  if (FPopupForm && FPopupForm->GetShowing()) return;
  int x = 0, y = 0;
  if (!zrPointerPosition(x, y)) return;
  if (FPlacement == zrPlacementMouseCenter) x -= RoundInt(FWidth / 2);
  PlaceWindow({float(x), float(y)}, HasTarget);
}
