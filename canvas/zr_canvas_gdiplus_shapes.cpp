// Lines, rectangles with shaped corners, ellipses, paths, path hit tests and
// bitmaps.
#include <cmath>

#include "canvas/zr_canvas_gdiplus.h"
#include "scene/zr_bitmap.h"

using namespace Gdiplus;

namespace {

RectF ToRectF(const TzrRect& R) { return RectF(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }

PointF Pt(float X, float Y) { return PointF(X, Y); }

// The control points of a quarter ellipse lie 0.5522847498 radii from its
// ends, that is 0.4477152502 radii from the corner point.
constexpr float kCorner = 0.4477152502f;

PointF Toward(const PointF& From, const PointF& Dir, const PointF& To) {
  return PointF(From.X + (To.X - Dir.X) * kCorner, From.Y + (To.Y - Dir.Y) * kCorner);
}

// One corner from S (on the side before it) by the corner point C to E (on
// the side after it).
void AddCorner(GraphicsPath& P, const PointF& S, const PointF& C, const PointF& E, bool Shaped,
               TzrCornerType Type) {
  if (!Shaped) {
    P.AddLine(S, C);
    P.AddLine(C, E);
    return;
  }
  switch (Type) {
    case zrCornerRound:
      P.AddBezier(S, Toward(C, C, S), Toward(C, C, E), E);
      break;
    case zrCornerBevel:
      P.AddLine(S, E);
      break;
    case zrCornerInnerRound:
      P.AddBezier(S, Toward(S, C, E), Toward(E, C, S), E);
      break;
    case zrCornerInnerLine: {
      const PointF a = Toward(S, C, E), b = Toward(E, C, S);
      P.AddLine(S, a);
      P.AddLine(a, b);
      P.AddLine(b, E);
      break;
    }
  }
}

// The closed outline of FillRect and DrawRect; sides join corner to corner.
void RectOutline(GraphicsPath& P, const TzrRect& R, float XRadius, float YRadius,
                 TzrCorners ACorners, TzrCornerType Type) {
  const float L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
  const float w = Rt - L, h = B - T;
  const float rx = w - 2 * XRadius < 0 ? w / 2 : XRadius;
  const float ry = h - 2 * YRadius < 0 ? h / 2 : YRadius;
  auto has = [ACorners](TzrCorner C) { return ((ACorners >> C) & 1) != 0; };
  AddCorner(P, Pt(L, T + ry), Pt(L, T), Pt(L + rx, T), has(zrCornerTopLeft), Type);
  AddCorner(P, Pt(Rt - rx, T), Pt(Rt, T), Pt(Rt, T + ry), has(zrCornerTopRight), Type);
  AddCorner(P, Pt(Rt, B - ry), Pt(Rt, B), Pt(Rt - rx, B), has(zrCornerBottomRight), Type);
  AddCorner(P, Pt(L + rx, B), Pt(L, B), Pt(L, B - ry), has(zrCornerBottomLeft), Type);
  P.CloseFigure();
}

// Maps path points from the path's bounds into the target rectangle.
struct TPathMap {
  TzrRect Bounds, Target;
  float BW, BH;
  PointF operator()(const TzrPoint& P) const {
    return PointF(Target.Left + (P.X - Bounds.Left) / BW * zrRectWidth(Target),
                  Target.Top + (P.Y - Bounds.Top) / BH * zrRectHeight(Target));
  }
};

bool MakePathMap(const TzrPathData& APath, const TzrRect& ARect, TPathMap& Map) {
  if (APath.IsEmpty()) return false;
  Map.Bounds = APath.GetBounds();
  Map.Target = ARect;
  Map.BW = zrRectWidth(Map.Bounds);
  Map.BH = zrRectHeight(Map.Bounds);
  return Map.BW * Map.BH != 0;
}

// The path as a layer path in alternate fill mode; a curve whose two further
// entries are missing ends the walk.
void BuildGdiPath(const TzrPathData& APath, const TPathMap& Map, GraphicsPath& Out) {
  const auto& d = APath.PathData;
  PointF current, start;
  for (size_t i = 0; i < d.size(); ++i) {
    const PointF p = Map(d[i].Point);
    switch (d[i].Kind) {
      case zrPathPointMoveTo:
        Out.StartFigure();
        current = start = p;
        break;
      case zrPathPointLineTo:
        Out.AddLine(current, p);
        current = p;
        break;
      case zrPathPointCurveTo: {
        if (i + 2 >= d.size()) return;
        const PointF c2 = Map(d[i + 1].Point), e = Map(d[i + 2].Point);
        Out.AddBezier(current, p, c2, e);
        current = e;
        i += 2;
        break;
      }
      case zrPathPointClose:
        Out.CloseFigure();
        current = start;
        break;
    }
  }
}

}  // namespace

void TzrCanvasGdiPlus::DrawLine(const TzrPoint& APt1, const TzrPoint& APt2, float AOpacity) {
  if (FStroke->GetStyle() == zrBrushNone || !CanDraw()) return;
  ApplyStroke(zrRect(APt1.X, APt1.Y, APt2.X, APt2.Y), AOpacity);
  FGraphics->DrawLine(FGPPen.get(), APt1.X, APt1.Y, APt2.X, APt2.Y);
}

void TzrCanvasGdiPlus::FillRect(const TzrRect& ARect, float XRadius, float YRadius,
                                TzrCorners ACorners, float AOpacity, TzrCornerType ACornerType) {
  if (FFill->GetStyle() == zrBrushNone) return;
  if ((XRadius == 0 && YRadius == 0) || ACorners == 0) return FillRectShape(ARect, AOpacity);
  GraphicsPath path(FillModeAlternate);
  RectOutline(path, ARect, XRadius, YRadius, ACorners, ACornerType);
  FillGdiPath(path, ARect, AOpacity);
}

void TzrCanvasGdiPlus::DrawRect(const TzrRect& ARect, float XRadius, float YRadius,
                                TzrCorners ACorners, float AOpacity, TzrCornerType ACornerType) {
  if (FStroke->GetStyle() == zrBrushNone || !CanDraw()) return;
  ApplyStroke(ARect, AOpacity);
  if (XRadius < Epsilon && YRadius < Epsilon) {
    FGraphics->DrawRectangle(FGPPen.get(), ToRectF(ARect));
    return;
  }
  GraphicsPath path(FillModeAlternate);
  RectOutline(path, ARect, XRadius, YRadius, ACorners, ACornerType);
  FGraphics->DrawPath(FGPPen.get(), &path);
}

void TzrCanvasGdiPlus::FillEllipse(const TzrRect& ARect, float AOpacity) {
  if (FFill->GetStyle() == zrBrushNone) return;
  GraphicsPath path;
  path.AddEllipse(ToRectF(ARect));
  // the fill is realised over (Left, Top, width, height)
  FillGdiPath(path, zrRect(ARect.Left, ARect.Top, zrRectWidth(ARect), zrRectHeight(ARect)),
              AOpacity);
}

void TzrCanvasGdiPlus::DrawEllipse(const TzrRect& ARect, float AOpacity) {
  if (FStroke->GetStyle() == zrBrushNone || !CanDraw()) return;
  ApplyStroke(ARect, AOpacity);
  FGraphics->DrawEllipse(FGPPen.get(), ToRectF(ARect));
}

bool TzrCanvasGdiPlus::PtInPath(const TzrPoint& APoint, const TzrRect& ARect,
                                const TzrPathData& APath) {
  if (!zrPtInRect(APoint, ARect)) return false;
  TPathMap map;
  if (!MakePathMap(APath, ARect, map)) return false;
  GraphicsPath path(FillModeAlternate);
  BuildGdiPath(APath, map, path);
  return path.IsVisible(APoint.X, APoint.Y);
}

void TzrCanvasGdiPlus::FillPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) {
  TPathMap map;
  if (!MakePathMap(APath, ARect, map)) return;
  GraphicsPath path(FillModeAlternate);
  BuildGdiPath(APath, map, path);
  FillGdiPath(path, ARect, AOpacity);
}

void TzrCanvasGdiPlus::DrawPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) {
  if (FStroke->GetStyle() == zrBrushNone || !CanDraw()) return;
  TPathMap map;
  if (!MakePathMap(APath, ARect, map)) return;
  ApplyStroke(map.Bounds, AOpacity);
  // every segment on its own: dashes restart on each and no joins are drawn
  const auto& d = APath.PathData;
  PointF current, start;
  for (size_t i = 0; i < d.size(); ++i) {
    const PointF p = map(d[i].Point);
    switch (d[i].Kind) {
      case zrPathPointMoveTo:
        current = start = p;
        break;
      case zrPathPointLineTo:
        FGraphics->DrawLine(FGPPen.get(), current, p);
        current = p;
        break;
      case zrPathPointCurveTo: {
        if (i + 2 >= d.size()) return;
        const PointF c2 = map(d[i + 1].Point), e = map(d[i + 2].Point);
        FGraphics->DrawBezier(FGPPen.get(), current, p, c2, e);
        current = e;
        i += 2;
        break;
      }
      case zrPathPointClose:
        FGraphics->DrawLine(FGPPen.get(), current, start);
        break;
    }
  }
}

void TzrCanvasGdiPlus::DrawBitmap(TzrBitmap& ABitmap, const TzrRect& SrcRect,
                                  const TzrRect& DstRect, float AOpacity, bool HighSpeed) {
  if (!FGraphics) return;
  FGraphics->SetInterpolationMode(HighSpeed ? InterpolationModeNearestNeighbor
                                            : InterpolationModeHighQuality);
  if (AOpacity == 0 || !CanDraw()) return;
  UpdateBitmapHandle(&ABitmap);
  Bitmap* image = BitmapHandle(&ABitmap);
  if (!image) return;
  const RectF src = ToRectF(SrcRect);
  if (AOpacity >= 1) {
    FGraphics->DrawImage(image, ToRectF(DstRect), src.X, src.Y, src.Width, src.Height, UnitPixel);
    return;
  }
  ColorMatrix cm = {};
  for (int i = 0; i < 5; ++i) cm.m[i][i] = 1;
  cm.m[3][3] = AOpacity;
  ImageAttributes attributes;
  attributes.SetColorMatrix(&cm, ColorMatrixFlagsDefault, ColorAdjustTypeBitmap);
  FGraphics->DrawImage(image, ToRectF(DstRect), src.X, src.Y, src.Width, src.Height, UnitPixel,
                       &attributes);
}

void TzrCanvasGdiPlus::DrawThumbnail(TzrBitmap& ABitmap, float AWidth, float AHeight) {
  (void)AHeight;  // the width decides the scale
  UpdateBitmapHandle(&ABitmap);
  Bitmap* image = BitmapHandle(&ABitmap);
  if (!image || FBuffered || !FBitmap || !CanDraw()) return;
  const float s = AWidth / float(ABitmap.GetWidth());
  // high quality averages every source pixel a reduced pixel covers
  FGraphics->SetInterpolationMode(InterpolationModeHighQuality);
  FGraphics->ScaleTransform(s, s, MatrixOrderPrepend);
  FGraphics->DrawImage(image, RectF(0, 0, float(image->GetWidth()), float(image->GetHeight())));
}
