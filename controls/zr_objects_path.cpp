#include "controls/zr_objects_path.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_objects_decl.h"
#include "scene/zr_intf.h"

const TEnumInfo& zrPathWrapInfo() {
  static const TEnumInfo info("TzrPathWrap",
                              {"zrPathOriginal", "zrPathFit", "zrPathStretch", "zrPathTile"});
  return info;
}

// ---------------------------------------------------------------- TzrCustomPath

TzrCustomPath::TzrCustomPath(TComponent* AOwner)
    : TzrShape(AOwner), FData(std::make_unique<TzrPathData>()) {
  FData->OnChanged = [this](TObject*) { Repaint(); };
}

TzrCustomPath::~TzrCustomPath() { FData->OnChanged = nullptr; }

const TClassInfo* TzrCustomPath::Class() {
  static const TClassInfo* info = TClassDecl<TzrCustomPath>("TzrCustomPath", TzrShape::Class());
  return info;
}

void TzrCustomPath::SetWrapMode(TzrPathWrap Value) {
  if (FWrapMode == Value) return;
  FWrapMode = Value;
  Repaint();
}

TzrPathData* TzrCustomPath::ShownPath() {
  TzrPathData* shared = FData->GetPath();
  return shared ? shared : FData.get();
}

void TzrCustomPath::Paint() {
  TzrCanvas* canvas = GetCanvas();
  const TzrPathData* p = ShownPath();
  const TzrRect s = GetShapeRect();
  const float opacity = GetAbsoluteOpacity();
  if (!p->IsEmpty()) {
    switch (FWrapMode) {
      case zrPathOriginal:
      case zrPathTile:
        PaintClipped(canvas, *p, s);
        break;
      case zrPathFit: {
        TzrRect d = p->GetBounds();
        zrFitRect(d, s);
        canvas->FillPath(*p, d, opacity);
        canvas->DrawPath(*p, d, opacity);
        break;
      }
      case zrPathStretch:
        canvas->FillPath(*p, s, opacity);
        canvas->DrawPath(*p, s, opacity);
        break;
    }
  }
  zrDrawDesignOutline(this);
}

namespace {

// True when the path's points span a width and a height. Bounds never
// answer an empty size (a line gets a hair's width), so this looks at the
// points themselves.
bool HasArea(const TzrPathData& P) {
  bool first = true;
  TzrRect r{};
  for (const TzrPathPoint& p : P.PathData) {
    if (p.Kind == zrPathPointClose) continue;
    if (first) r = {p.Point.X, p.Point.Y, p.Point.X, p.Point.Y};
    r = {std::min(r.Left, p.Point.X), std::min(r.Top, p.Point.Y), std::max(r.Right, p.Point.X),
         std::max(r.Bottom, p.Point.Y)};
    first = false;
  }
  return r.Right > r.Left && r.Bottom > r.Top;
}

}  // namespace

// The path at its own size, shifted by the stroke inset, once or tiled,
// clipped to the local rectangle.
void TzrCustomPath::PaintClipped(TzrCanvas* Canvas, const TzrPathData& P, const TzrRect& S) {
  const TzrRect b = P.GetBounds();
  const float bw = zrRectWidth(b), bh = zrRectHeight(b);
  int columns = 0, rows = 0;
  if (FWrapMode == zrPathTile) {
    // A path without width or height covers nothing: it tiles nothing
    // rather than repeating a hair-wide copy tens of thousands of times.
    if (!HasArea(P)) return;
    columns = int(std::nearbyint(GetWidth() / bw));
    rows = int(std::nearbyint(GetHeight() / bh));
  }
  TCanvasState state(Canvas);
  Canvas->IntersectClipRect(GetLocalRect());
  const float opacity = GetAbsoluteOpacity();
  for (int i = 0; i <= columns; ++i)
    for (int j = 0; j <= rows; ++j) {
      TzrRect d = b;
      zrOffsetRect(d, S.Left, S.Top);
      zrOffsetRect(d, (bw + 2 * S.Left) * i, (bh + 2 * S.Top) * j);
      Canvas->FillPath(P, d, opacity);
      Canvas->DrawPath(P, d, opacity);
    }
}

bool TzrCustomPath::PointInObject(float X, float Y) {
  IzoRurev* scene = GetScene();
  if (scene && scene->GetDesignTime() && !GetLocked() && !GetInPaintTo())
    return TzrShape::PointInObject(X, Y);
  TzrCanvas* canvas = GetCanvas();
  const TzrPathData* p = ShownPath();
  if (!canvas || p->PathData.size() <= 1) return TzrShape::PointInObject(X, Y);
  return canvas->PtInPath(AbsoluteToLocal({X, Y}), GetShapeRect(), *p);
}

const TClassInfo* TzrPath::Class() {
  using T = TzrPath;
  static const TClassInfo* info =
      PublishShape(TClassDecl<T>("TzrPath", TzrCustomPath::Class()))
          .Prop("Data", &T::GetPathData, &T::SetPathData)
          .Enum("WrapMode", &T::GetWrapMode, &T::SetWrapMode, zrPathWrapInfo())
          .Default(zrPathStretch);
  return info;
}

// ---------------------------------------------------------------- scroll arrows

namespace {

void PresetArrow(TzrPathData& Data, const char* Text) {
  Data.SetPathString(Text);
  Data.Scale(100, 100);
}

}  // namespace

TzrScrollArrowLeft::TzrScrollArrowLeft(TComponent* AOwner) : TzrCustomPath(AOwner) {
  PresetArrow(*FData, "M 1,0 L 1,1 L 0,0.500 L 1,0 Z");
  SetWrapMode(zrPathFit);
}

const TClassInfo* TzrScrollArrowLeft::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrScrollArrowLeft>("TzrScrollArrowLeft", TzrCustomPath::Class());
  return info;
}

TzrScrollArrowRight::TzrScrollArrowRight(TComponent* AOwner) : TzrCustomPath(AOwner) {
  PresetArrow(*FData, "M 0,0 L 0,1 L 1,0.500 Z");
  SetWrapMode(zrPathFit);
}

const TClassInfo* TzrScrollArrowRight::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrScrollArrowRight>("TzrScrollArrowRight", TzrCustomPath::Class());
  return info;
}
