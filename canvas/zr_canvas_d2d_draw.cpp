// The Direct2D canvas's painting: fill and stroke brushes, lines,
// rectangles with shaped corners, ellipses, paths fitted into rectangles,
// path hit tests and bitmaps.
#include <cmath>
#include <vector>

#include "canvas/zr_canvas_d2d.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_colors.h"

namespace {

D2D1_COLOR_F ColorToD2D(TzrColor C, float Opacity) {
  return {float((C >> 16) & 255) / 255, float((C >> 8) & 255) / 255, float(C & 255) / 255,
          float(C >> 24) / 255 * Opacity};
}

D2D1_RECT_F ToD2D(const TzrRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

D2D1_ELLIPSE RectToD2DEllipse(const TzrRect& R) {
  return {{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2},
          (R.Right - R.Left) / 2,
          (R.Bottom - R.Top) / 2};
}

// A named brush is resolved into the canvas's own brush for good.
void ResolveResource(TzrBrush& B) {
  if (B.GetStyle() != zrBrushResource) return;
  if (TzrBrush* shared = B.GetResource()->GetBrush()) B.Assign(shared);
}

D2D1_BITMAP_PROPERTIES BitmapProperties() { return {}; }

}  // namespace

// ---------------------------------------------------------------- fill brushes

std::shared_ptr<ID2D1Brush> TzrCanvasD2D::MakeGradientBrush(const TzrGradient& G, const TzrRect& R,
                                                            float O) {
  const TzrGradientPoints& points = *G.GetPoints();
  const int n = points.Count();
  if (n < 2) return RenderTarget->CreateSolidColorBrush(ColorToD2D(0, 0));
  const bool radial = G.GetStyle() == zrRadialGradient;
  // the stop list grows with the points, two end stops included
  std::vector<D2D1_GRADIENT_STOP> stops;
  auto add = [&](float Position, TzrColor Color) {
    stops.push_back({radial ? 1 - Position : Position, ColorToD2D(zrOpacity(Color, O), 1)});
  };
  const TzrGradientPoint& first = *points.GetPoint(0);
  const TzrGradientPoint& last = *points.GetPoint(n - 1);
  if (first.GetOffset() > 0) add(0, first.GetIntColor());
  for (int i = 0; i < n; ++i)
    add(points.GetPoint(i)->GetOffset(), points.GetPoint(i)->GetIntColor());
  if (last.GetOffset() < 1) add(1, last.GetIntColor());
  auto collection = RenderTarget->CreateGradientStopCollection(
      stops.data(), UINT32(stops.size()), D2D1_GAMMA_2_2, D2D1_EXTEND_MODE_CLAMP);
  if (!radial) {
    const TzrPosition& s = *G.GetStartPosition();
    const TzrPosition& e = *G.GetStopPosition();
    D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES p;
    p.startPoint = {s.GetX() * R.Right + R.Left, s.GetY() * R.Bottom + R.Top};
    p.endPoint = {e.GetX() * R.Right + R.Left, e.GetY() * R.Bottom + R.Top};
    return RenderTarget->CreateLinearGradientBrush(p, nullptr, collection);
  }
  const TzrPosition& c = *G.GetRadialTransform()->GetRotateCenter();
  D2D1_RADIAL_GRADIENT_BRUSH_PROPERTIES p;
  p.center = {zrRectWidth(R) * c.GetX(), zrRectHeight(R) * c.GetY()};
  p.radiusX = zrRectWidth(R) / 2;
  p.radiusY = zrRectHeight(R) / 2;
  return RenderTarget->CreateRadialGradientBrush(p, nullptr, collection);
}

std::shared_ptr<ID2D1Brush> TzrCanvasD2D::MakeBitmapBrush(const TzrRect& R, float O) {
  TzrBrushBitmap& part = *FFill->GetBitmap();
  TzrBitmap* image = part.GetBitmap();
  if (image && image->GetBitmap()) image = image->GetBitmap();
  if (!image || image->GetWidth() <= 0 || image->GetHeight() <= 0 || !image->GetStartLine())
    return RenderTarget->CreateSolidColorBrush(ColorToD2D(0, 0));
  const UINT32 w = UINT32(image->GetWidth()), h = UINT32(image->GetHeight());
  D2D1_BITMAP_BRUSH_PROPERTIES props;
  props.interpolationMode = D2D1_BITMAP_INTERPOLATION_MODE_LINEAR;
  D2D1_BRUSH_PROPERTIES brush;
  brush.opacity = O;
  switch (part.GetWrapMode()) {
    case zrWrapTile:
      props.extendModeX = props.extendModeY = D2D1_EXTEND_MODE_WRAP;
      break;
    case zrWrapTileOriginal:
      props.extendModeX = props.extendModeY = D2D1_EXTEND_MODE_CLAMP;
      break;
    case zrWrapTileStretch:
      props.extendModeX = props.extendModeY = D2D1_EXTEND_MODE_WRAP;
      brush.transform._11 = (zrRectWidth(R) + FStrokeThickness / 2) / float(w);
      brush.transform._22 = (zrRectHeight(R) + FStrokeThickness / 2) / float(h);
      break;
  }
  auto bitmap =
      RenderTarget->CreateBitmap({w, h}, image->GetStartLine(), w * 4, BitmapProperties());
  if (!bitmap) return RenderTarget->CreateSolidColorBrush(ColorToD2D(0, 0));
  return RenderTarget->CreateBitmapBrush(bitmap, props, &brush);
}

void TzrCanvasD2D::ApplyFillD2D(const TzrRect& ARect, float AOpacity) {
  Brush.reset();
  if (!RenderTarget) return;
  ResolveResource(*FFill);
  switch (FFill->GetStyle()) {
    case zrBrushSolid:
      Brush = RenderTarget->CreateSolidColorBrush(ColorToD2D(FFill->GetSolidColor(), AOpacity));
      break;
    case zrBrushGradient:
      Brush = MakeGradientBrush(*FFill->GetGradient(), ARect, AOpacity);
      break;
    case zrBrushBitmap:
      Brush = MakeBitmapBrush(ARect, AOpacity);
      break;
    case zrBrushVisual:
    case zrBrushResource:
      break;  // nothing to paint with
    default:
      Brush = RenderTarget->CreateSolidColorBrush(ColorToD2D(0, 0));
      break;
  }
}

// ---------------------------------------------------------------- stroke

void TzrCanvasD2D::ApplyStrokeD2D(const TzrRect& ARect, float AOpacity) {
  (void)ARect;
  StrokeBrush.reset();
  StrokeStyle.reset();
  if (!RenderTarget || !SharedD2DFactory) return;
  ResolveResource(*FStroke);
  const TzrBrushStyle style = FStroke->GetStyle();
  const bool coloured = style == zrBrushSolid || style == zrBrushGradient || style == zrBrushBitmap;
  StrokeBrush = RenderTarget->CreateSolidColorBrush(
      coloured ? ColorToD2D(FStroke->GetSolidColor(), AOpacity) : ColorToD2D(0, 0));
  D2D1_STROKE_STYLE_PROPERTIES p;
  // flat ends are drawn square
  const D2D1_CAP_STYLE cap =
      FStrokeCap == zrCapRound ? D2D1_CAP_STYLE_ROUND : D2D1_CAP_STYLE_SQUARE;
  p.startCap = p.endCap = p.dashCap = cap;
  static const D2D1_LINE_JOIN kJoins[] = {D2D1_LINE_JOIN_MITER, D2D1_LINE_JOIN_ROUND,
                                          D2D1_LINE_JOIN_BEVEL};
  p.lineJoin = kJoins[FStrokeJoin];
  p.miterLimit = 10;
  p.dashStyle = D2D1_DASH_STYLE(FStrokeDash);
  p.dashOffset = FDashOffset;
  const bool custom = FStrokeDash == zrDashCustom;
  StrokeStyle = SharedD2DFactory->CreateStrokeStyle(p, custom ? FDash.data() : nullptr,
                                                    custom ? UINT32(FDash.size()) : 0);
}

// ---------------------------------------------------------------- filling shapes

void TzrCanvasD2D::FillRectShapeD2D(const TzrRect& ARect, float AOpacity) {
  const TzrBrushStyle style = FFill->GetStyle();
  if (style == zrBrushNone || style == zrBrushVisual || !RenderTarget) return;
  ApplyFillD2D(ARect, AOpacity);
  if (Brush) RenderTarget->FillRectangle(ToD2D(ARect), Brush.get());
}

void TzrCanvasD2D::FillGeometryD2D(const ID2D1Geometry* AGeometry, const TzrRect& ARect,
                                   float AOpacity) {
  const TzrBrushStyle style = FFill->GetStyle();
  if (style == zrBrushNone || style == zrBrushVisual || !RenderTarget || !AGeometry) return;
  ApplyFillD2D(ARect, AOpacity);
  if (Brush) RenderTarget->FillGeometry(AGeometry, Brush.get());
}

void TzrCanvasD2D::DrawLine(const TzrPoint& APt1, const TzrPoint& APt2, float AOpacity) {
  if (FStroke->GetStyle() == zrBrushNone || !RenderTarget) return;
  ApplyStrokeD2D(zrRect(APt1.X, APt1.Y, APt2.X, APt2.Y), AOpacity);
  RenderTarget->DrawLine({APt1.X, APt1.Y}, {APt2.X, APt2.Y}, StrokeBrush.get(), FStrokeThickness,
                         StrokeStyle.get());
}

// ---------------------------------------------------------------- rectangles

namespace {

constexpr float kCorner = 0.4477152502f;

struct TOutline {
  ID2D1GeometrySink& Sink;
  void Line(float X, float Y) { Sink.AddLine({X, Y}); }
  void Curve(float X1, float Y1, float X2, float Y2, float X3, float Y3) {
    Sink.AddBezier({{X1, Y1}, {X2, Y2}, {X3, Y3}});
  }
};

bool Has(TzrCorners Set, TzrCorner C) { return ((Set >> C) & 1) != 0; }

}  // namespace

// The closed corner outline, clockwise from the left side's top end; each
// corner as its row of the corner table says.
static std::shared_ptr<ID2D1PathGeometry> RectOutline(const TzrRect& R, float XRadius,
                                                      float YRadius, TzrCorners C,
                                                      TzrCornerType T) {
  if (!SharedD2DFactory) return nullptr;
  const float L = R.Left, Tp = R.Top, Rt = R.Right, B = R.Bottom;
  const float w = Rt - L, h = B - Tp;
  const float rx = w - 2 * XRadius < 0 ? w / 2 : XRadius;
  const float ry = h - 2 * YRadius < 0 ? h / 2 : YRadius;
  const float kx = kCorner * rx, ky = kCorner * ry;
  auto geometry = SharedD2DFactory->CreatePathGeometry();
  std::shared_ptr<ID2D1GeometrySink> sink;
  if (!geometry || FAILED(geometry->Open(&sink))) return nullptr;
  TOutline o{*sink};
  sink->BeginFigure({L, Tp + ry}, D2D1_FIGURE_BEGIN_FILLED);
  const bool round = T == zrCornerRound, bevel = T == zrCornerBevel;
  const bool innerRound = T == zrCornerInnerRound;
  // top-left
  if (!Has(C, zrCornerTopLeft))
    o.Line(L, Tp), o.Line(L + rx, Tp);
  else if (round)
    o.Curve(L, Tp + ky, L + kx, Tp, L + rx, Tp);
  else if (bevel)
    o.Line(L + rx, Tp);
  else if (innerRound)
    o.Curve(L + kx, Tp + ry, L + rx, Tp + ky, L + rx, Tp);
  else
    o.Line(L + kx, Tp + ry), o.Line(L + rx, Tp + ky), o.Line(L + rx, Tp);
  o.Line(Rt - rx, Tp);
  // top-right
  if (!Has(C, zrCornerTopRight))
    o.Line(Rt, Tp), o.Line(Rt, Tp + ry);
  else if (round)
    o.Curve(Rt - kx, Tp, Rt, Tp + ky, Rt, Tp + ry);
  else if (bevel)
    o.Line(Rt, Tp + ry);
  else if (innerRound)
    o.Curve(Rt - rx, Tp + ky, Rt - kx, Tp + ry, Rt, Tp + ry);
  else
    o.Line(Rt - rx, Tp + ky), o.Line(Rt - kx, Tp + ry), o.Line(Rt, Tp + ry);
  o.Line(Rt, B - ry);
  // bottom-right
  if (!Has(C, zrCornerBottomRight))
    o.Line(Rt, B), o.Line(Rt - rx, B);
  else if (round)
    o.Curve(Rt, B - ky, Rt - kx, B, Rt - rx, B);
  else if (bevel)
    o.Line(Rt - rx, B);
  else if (innerRound)
    o.Curve(Rt - kx, B - ry, Rt - rx, B - ky, Rt - rx, B);
  else
    o.Line(Rt - kx, B - ry), o.Line(Rt - rx, B - ky), o.Line(Rt - rx, B);
  o.Line(L + rx, B);
  // bottom-left
  if (!Has(C, zrCornerBottomLeft))
    o.Line(L, B), o.Line(L, B - ry);
  else if (round)
    o.Curve(L + kx, B, L, B - ky, L, B - ry);
  else if (bevel)
    o.Line(L, B - ry);
  else if (innerRound)
    o.Curve(L + rx, B - ky, L + kx, B - ry, L, B - ry);
  else
    o.Line(L + rx, B - ky), o.Line(L + kx, B - ry), o.Line(L, B - ry);
  sink->EndFigure(D2D1_FIGURE_END_CLOSED);
  sink->Close();
  return geometry;
}

void TzrCanvasD2D::FillRect(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                            float AOpacity, TzrCornerType ACornerType) {
  if (FFill->GetStyle() == zrBrushNone) return;
  if ((XRadius == 0 && YRadius == 0) || ACorners == 0) return FillRectShapeD2D(ARect, AOpacity);
  auto outline = RectOutline(ARect, XRadius, YRadius, ACorners, ACornerType);
  FillGeometryD2D(outline.get(), ARect, AOpacity);
}

void TzrCanvasD2D::DrawRect(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                            float AOpacity, TzrCornerType ACornerType) {
  if (FStroke->GetStyle() == zrBrushNone || !RenderTarget) return;
  ApplyStrokeD2D(ARect, AOpacity);
  if (XRadius < Epsilon && YRadius < Epsilon) {
    RenderTarget->DrawRectangle(ToD2D(ARect), StrokeBrush.get(), FStrokeThickness,
                                StrokeStyle.get());
    return;
  }
  auto outline = RectOutline(ARect, XRadius, YRadius, ACorners, ACornerType);
  RenderTarget->DrawGeometry(outline.get(), StrokeBrush.get(), FStrokeThickness, StrokeStyle.get());
}

// ---------------------------------------------------------------- ellipses

void TzrCanvasD2D::FillEllipse(const TzrRect& ARect, float AOpacity) {
  const TzrBrushStyle style = FFill->GetStyle();
  if (style == zrBrushNone || style == zrBrushVisual || !RenderTarget) return;
  ApplyFillD2D(ARect, AOpacity);
  if (Brush) RenderTarget->FillEllipse(RectToD2DEllipse(ARect), Brush.get());
}

void TzrCanvasD2D::DrawEllipse(const TzrRect& ARect, float AOpacity) {
  if (FStroke->GetStyle() == zrBrushNone || !RenderTarget) return;
  ApplyStrokeD2D(ARect, AOpacity);
  RenderTarget->DrawEllipse(RectToD2DEllipse(ARect), StrokeBrush.get(), FStrokeThickness,
                            StrokeStyle.get());
}

// ---------------------------------------------------------------- paths

// The path stretched from its bounds into ARect; nil for an empty path or
// bounds without width or height. A curve entry without its two followers
// ends the walk.
static std::shared_ptr<ID2D1PathGeometry> FittedPath(const TzrPathData& APath,
                                                     const TzrRect& ARect) {
  if (APath.IsEmpty() || !SharedD2DFactory) return nullptr;
  const TzrRect b = APath.GetBounds();
  const float bw = zrRectWidth(b), bh = zrRectHeight(b);
  if (bw == 0 || bh == 0) return nullptr;
  auto map = [&](const TzrPoint& P) {
    return D2D1_POINT_2F{(P.X - b.Left) / bw * zrRectWidth(ARect) + ARect.Left,
                         (P.Y - b.Top) / bh * zrRectHeight(ARect) + ARect.Top};
  };
  auto geometry = SharedD2DFactory->CreatePathGeometry();
  std::shared_ptr<ID2D1GeometrySink> sink;
  if (!geometry || FAILED(geometry->Open(&sink))) return nullptr;
  const auto& d = APath.PathData;
  bool open = false;
  for (size_t i = 0; i < d.size(); ++i) {
    switch (d[i].Kind) {
      case zrPathPointMoveTo:
        if (open) sink->EndFigure(D2D1_FIGURE_END_OPEN);
        sink->BeginFigure(map(d[i].Point), D2D1_FIGURE_BEGIN_FILLED);
        open = true;
        break;
      case zrPathPointLineTo:
        sink->AddLine(map(d[i].Point));
        break;
      case zrPathPointCurveTo:
        if (i + 2 >= d.size())
          i = d.size();  // the followers are missing
        else
          sink->AddBezier({map(d[i].Point), map(d[i + 1].Point), map(d[i + 2].Point)}), i += 2;
        break;
      case zrPathPointClose:
        sink->EndFigure(D2D1_FIGURE_END_CLOSED);
        open = false;
        break;
    }
  }
  if (open) sink->EndFigure(D2D1_FIGURE_END_OPEN);
  sink->Close();
  return geometry;
}

void TzrCanvasD2D::DrawPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) {
  if (FStroke->GetStyle() == zrBrushNone || APath.IsEmpty() || !RenderTarget) return;
  auto geometry = FittedPath(APath, ARect);
  if (!geometry) return;
  ApplyStrokeD2D(ARect, AOpacity);
  RenderTarget->DrawGeometry(geometry.get(), StrokeBrush.get(), FStrokeThickness,
                             StrokeStyle.get());
}

void TzrCanvasD2D::FillPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) {
  if (FFill->GetStyle() == zrBrushNone || APath.IsEmpty()) return;
  auto geometry = FittedPath(APath, ARect);
  FillGeometryD2D(geometry.get(), ARect, AOpacity);
}

bool TzrCanvasD2D::PtInPath(const TzrPoint& APoint, const TzrRect& ARect,
                            const TzrPathData& APath) {
  if (!zrPtInRect(APoint, ARect) || APath.IsEmpty()) return false;
  auto geometry = FittedPath(APath, ARect);
  BOOL contains = 0;
  if (geometry) geometry->FillContainsPoint({APoint.X, APoint.Y}, nullptr, 1.0f, &contains);
  return contains != 0;
}

// ---------------------------------------------------------------- bitmaps

void TzrCanvasD2D::DrawBitmap(TzrBitmap& ABitmap, const TzrRect& SrcRect, const TzrRect& DstRect,
                              float AOpacity, bool HighSpeed) {
  if (!RenderTarget || ABitmap.IsEmpty() || !ABitmap.GetStartLine()) return;
  const UINT32 w = UINT32(ABitmap.GetWidth()), h = UINT32(ABitmap.GetHeight());
  auto bitmap =
      RenderTarget->CreateBitmap({w, h}, ABitmap.GetStartLine(), w * 4, BitmapProperties());
  if (!bitmap) return;
  const D2D1_RECT_F dst = ToD2D(DstRect), src = ToD2D(SrcRect);
  RenderTarget->DrawBitmap(bitmap.get(), &dst, AOpacity,
                           HighSpeed ? D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR
                                     : D2D1_BITMAP_INTERPOLATION_MODE_LINEAR,
                           &src);
}

void TzrCanvasD2D::DrawThumbnail(TzrBitmap&, float, float) {}
