// Moving a visual node along a path, and the path switcher.

#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_ani.h"
#include "scene/zr_path.h"
#include "scene/zr_position.h"
#include "scene/zr_spline.h"

namespace {

// The node's Position, reached by name: a TzrPosition, or any object with
// published X and Y.
TObject* PositionOf(TObject* ANode) {
  const TPropInfo* prop = GetPropInfo(ANode, "Position");
  return prop && prop->Kind == tkClass ? prop->GetObj(ANode) : nullptr;
}

bool GetPosition(TObject* ANode, TzrPoint& P) {
  TObject* position = PositionOf(ANode);
  const TPropInfo* x = position ? GetPropInfo(position, "X") : nullptr;
  const TPropInfo* y = position ? GetPropInfo(position, "Y") : nullptr;
  if (!x || !y || x->Kind != tkFloat || y->Kind != tkFloat) return false;
  P = {float(x->GetFloat(position)), float(y->GetFloat(position))};
  return true;
}

void SetPosition(TObject* ANode, const TzrPoint& P) {
  TObject* position = PositionOf(ANode);
  if (auto* zr = dynamic_cast<TzrPosition*>(position)) return zr->SetPoint(P);
  const TPropInfo* x = position ? GetPropInfo(position, "X") : nullptr;
  const TPropInfo* y = position ? GetPropInfo(position, "Y") : nullptr;
  if (!x || !y || x->Kind != tkFloat || y->Kind != tkFloat) return;
  x->SetFloat(position, P.X);
  y->SetFloat(position, P.Y);
}

void SetRotateAngle(TObject* ANode, float Angle) {
  const TPropInfo* prop = GetPropInfo(ANode, "RotateAngle");
  if (prop && prop->Kind == tkFloat) prop->SetFloat(ANode, Angle);
}

}  // namespace

// ---------------------------------------------------------------- path

const TClassInfo* TzrPathAnimation::Class() {
  using T = TzrPathAnimation;
  static const TClassInfo* info = TClassDecl<T>("TzrPathAnimation", TzrAnimation::Class())
                                      .Prop("Path", &T::GetPath, &T::SetPath)
                                      .Prop("Rotate", &T::GetRotate, &T::SetRotate)
                                      .Default(0);
  return info;
}

TzrPathAnimation::TzrPathAnimation(TComponent* AOwner)
    : TzrAnimation(AOwner), FPath(std::make_unique<TzrPathData>()) {}

TzrPathAnimation::~TzrPathAnimation() = default;

void TzrPathAnimation::SetPath(TzrPathData* Value) {
  if (Value) FPath->Assign(Value);
}

void TzrPathAnimation::Start() {
  const std::shared_ptr<bool> alive = FAlive;
  TzrAnimation::Start();
  if (!*alive) return;  // an immediate start's OnFinish freed the animation
  FSpline.reset();
  FPolygon.clear();
  IzoRurev* scene = GetScene();
  if (scene && scene->GetCanvas()) {
    FPath->FlattenToPolygon(FPolygon, 0.25f);
    // Close markers would pull the spline to (65535, 65535): the figure
    // stays at the point before instead.
    for (size_t i = 1; i < FPolygon.size(); ++i)
      if (FPolygon[i] == ClosePolygon) FPolygon[i] = FPolygon[i - 1];
    FSpline = std::make_unique<TzrSpline>(FPolygon);
  }
  ClearTarget();
  TzrObject* node = VisualParent();
  if (node && GetPosition(node, FStart)) {
    FInstance = node;
    WatchNode(node);
  }
}

void TzrPathAnimation::ProcessAnimation() {
  if (FPolygon.empty() || !FSpline || !FInstance) return;
  TzrPoint old;
  if (!GetPosition(FInstance, old)) return;
  const float t = NormalizedTime();
  // Parameter 0 is the first point of the polygon and count - 1 the last,
  // so the run ends on the path's end.
  float x, y;
  FSpline->SplineXY(t * float(FPolygon.size() - 1), x, y);
  const TzrPoint now{FStart.X + x, FStart.Y + y};
  SetPosition(FInstance, now);
  if (!FRotate || t == 0 || t == 1 || now.X == old.X || now.Y == old.Y) return;
  const TzrVector v = zrVector(now.X - old.X, now.Y - old.Y);
  const float a = zrRadToDeg(std::acos(zrVectorAngleCosine(v, zrVector(0, 1))));
  const bool left = v.X < 0;  // z of the cross product of v and (0, 1)
  if (!GetInverse())
    SetRotateAngle(FInstance, left ? a : -a);
  else
    SetRotateAngle(FInstance, left ? a + 180 : 180 - a);
}

// ---------------------------------------------------------------- switcher

const TClassInfo* TzrPathSwitcher::Class() {
  using T = TzrPathSwitcher;
  static const TClassInfo* info =
      TClassDecl<T>("TzrPathSwitcher", TzrAnimation::Class())
          .Prop("PathTrue", &T::GetPathTrue, &T::SetPathTrue)
          .Default(0)
          .Prop("PathFalse", &T::GetPathFalse, &T::SetPathFalse)
          .Default(0)
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0);
  return info;
}

TzrPathSwitcher::TzrPathSwitcher(TComponent* AOwner) : TzrAnimation(AOwner) { SetDuration(0.001f); }
