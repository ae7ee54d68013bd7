#include "scene/zr_path.h"

#include <utility>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_classes.h"
#include "scene/zr_resource_objects.h"

namespace {

TzrPoint Plus(const TzrPoint& A, const TzrPoint& B) { return {A.X + B.X, A.Y + B.Y}; }

}  // namespace

const TClassInfo* TzrPathData::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrPathData>("TzrPathData", TPersistent::Class())
          .Prop("Data", &TzrPathData::GetPathString, &TzrPathData::SetPathString)
          .Stored(false)
          .Prop("Resource", &TzrPathData::GetResource, &TzrPathData::SetResource)
          .Stored(false)
          .Prop("ResourceName", &TzrPathData::GetResourceName, &TzrPathData::SetResourceName);
  return info;
}

TzrPathData::~TzrPathData() {
  OnChanged = nullptr;
  if (FResource != nullptr) FResource->RemoveFreeNotify(this);
}

void TzrPathData::DoChanged() {
  if (OnChanged) OnChanged(this);
}

void TzrPathData::Add(TzrPathPointKind Kind, const TzrPoint& P) { PathData.push_back({Kind, P}); }

TzrPoint TzrPathData::LastPoint() const {
  return PathData.empty() ? TzrPoint{} : PathData.back().Point;
}

void TzrPathData::MoveTo(const TzrPoint& P) {
  Add(zrPathPointMoveTo, P);
  FStartPoint = P;
}

void TzrPathData::MoveToRel(const TzrPoint& P) { MoveTo(Plus(LastPoint(), P)); }

void TzrPathData::LineTo(const TzrPoint& P) { Add(zrPathPointLineTo, P); }

void TzrPathData::LineToRel(const TzrPoint& P) { LineTo(Plus(LastPoint(), P)); }

void TzrPathData::HLineTo(float X) { LineTo({X, LastPoint().Y}); }

void TzrPathData::HLineToRel(float DX) {
  const TzrPoint last = LastPoint();
  LineTo({last.X + DX, last.Y});
}

void TzrPathData::VLineTo(float Y) { LineTo({LastPoint().X, Y}); }

void TzrPathData::VLineToRel(float DY) {
  const TzrPoint last = LastPoint();
  LineTo({last.X, last.Y + DY});
}

void TzrPathData::CurveTo(const TzrPoint& ControlPoint1, const TzrPoint& ControlPoint2,
                          const TzrPoint& EndPoint) {
  Add(zrPathPointCurveTo, ControlPoint1);
  Add(zrPathPointCurveTo, ControlPoint2);
  Add(zrPathPointCurveTo, EndPoint);
}

void TzrPathData::CurveToRel(const TzrPoint& ControlPoint1, const TzrPoint& ControlPoint2,
                             const TzrPoint& EndPoint) {
  const TzrPoint last = LastPoint();
  CurveTo(Plus(last, ControlPoint1), Plus(last, ControlPoint2), Plus(last, EndPoint));
}

void TzrPathData::SmoothCurveTo(const TzrPoint& ControlPoint2, const TzrPoint& EndPoint) {
  TzrPoint first = ControlPoint2;
  if (PathData.size() >= 3) {
    const TzrPoint last = LastPoint();
    const TzrPoint q = PathData[PathData.size() - 2].Point;
    first = {2 * last.X - q.X, 2 * last.Y - q.Y};
  }
  CurveTo(first, ControlPoint2, EndPoint);
}

void TzrPathData::SmoothCurveToRel(const TzrPoint& ControlPoint2, const TzrPoint& EndPoint) {
  const TzrPoint last = LastPoint();
  TzrPoint first = Plus(last, ControlPoint2);
  if (PathData.size() >= 3) {
    const TzrPoint q = PathData[PathData.size() - 2].Point;
    first = {2 * last.X - q.X, 2 * last.Y - q.Y};
  }
  CurveTo(first, Plus(last, ControlPoint2), Plus(last, EndPoint));
}

void TzrPathData::ClosePath() { Add(zrPathPointClose, FStartPoint); }

TzrRect TzrPathData::GetBounds() const {
  if (PathData.empty()) return {};
  TzrRect r{65535, 65535, -65535, -65535};
  for (const TzrPathPoint& p : PathData) {
    if (p.Kind == zrPathPointClose) continue;
    if (p.Point.X < r.Left) r.Left = p.Point.X;
    if (p.Point.Y < r.Top) r.Top = p.Point.Y;
    if (p.Point.X > r.Right) r.Right = p.Point.X;
    if (p.Point.Y > r.Bottom) r.Bottom = p.Point.Y;
  }
  if (r.Right - r.Left == 0) r.Right = r.Left + 0.001f;
  if (r.Bottom - r.Top == 0) r.Bottom = r.Top + 0.001f;
  return r;
}

void TzrPathData::Clear() {
  PathData.clear();
  DoChanged();
}

void TzrPathData::Scale(float ScaleX, float ScaleY) {
  for (TzrPathPoint& p : PathData) {
    if (p.Kind == zrPathPointClose) continue;
    p.Point.X *= ScaleX;
    p.Point.Y *= ScaleY;
  }
}

void TzrPathData::Offset(float DX, float DY) {
  for (TzrPathPoint& p : PathData) {
    if (p.Kind == zrPathPointClose) continue;
    p.Point.X += DX;
    p.Point.Y += DY;
  }
}

void TzrPathData::ApplyMatrix(const TzrMatrix& M) {
  for (TzrPathPoint& p : PathData) {
    if (p.Kind == zrPathPointClose) continue;
    p.Point = zrPointFromVector(zrVectorTransform(zrVector(p.Point), M));
  }
}

void TzrPathData::Assign(TPersistent* APersistent) {
  auto* Source = dynamic_cast<TzrPathData*>(APersistent);
  if (Source == nullptr) {
    TPersistent::Assign(APersistent);
    return;
  }
  if (Source == this) return;
  if (Source->GetPath() != nullptr) {
    SetResource(Source->GetResource());
    FResourceName = Source->GetResourceName();
  } else {
    PathData = Source->PathData;
  }
  DoChanged();
}

void TzrPathData::SetResource(TzrPathObject* Value) {
  if (Value == FResource) return;
  if (FResource != nullptr) FResource->RemoveFreeNotify(this);
  FResource = Value;
  if (FResource != nullptr) {
    FResourceName = FResource->GetResourceName();
    FResource->AddFreeNotify(this);
  } else {
    FResourceName.clear();
  }
  DoChanged();
}

void TzrPathData::SetResourceName(const std::string& Text) {
  if (Text == FResourceName) return;
  FResourceName = Text;
  DoChanged();
}

TzrPathData* TzrPathData::GetPath() {
  if (FResource == nullptr) {
    if (FResourceName.empty()) return nullptr;
    auto* found = dynamic_cast<TzrPathObject*>(zr_classes::FindResource(FResourceName));
    if (found == nullptr) return nullptr;
    SetResource(found);
  }
  return FResource->GetPath();
}

void TzrPathData::FreeNotify(TzrObject* AObject) {
  if (AObject == static_cast<TzrObject*>(FResource)) FResource = nullptr;
}
