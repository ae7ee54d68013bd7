// Fill and stroke set-up: the toolkit's brushes and stroke settings turned
// into layer brushes and pens; visual brushes; the layer bitmap cached in a
// TzrBitmap.
#include <cmath>

#include "canvas/zr_canvas_gdiplus.h"
#include "platform/rtl/Rtti.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_colors.h"

using namespace Gdiplus;

namespace {

RectF ToRectF(const TzrRect& R) { return RectF(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }

std::unique_ptr<Brush> Transparent() { return std::make_unique<SolidBrush>(Color(0)); }

// A named brush is resolved into the canvas's own brush on first use.
void ResolveResource(TzrBrush& ABrush) {
  if (ABrush.GetStyle() != zrBrushResource) return;
  if (TzrBrush* shared = ABrush.GetResource()->GetBrush()) ABrush.Assign(shared);
}

// The axis of a linear gradient: the factors multiply the rectangle's right
// and bottom coordinates.
void GradientAxis(const TzrGradient& G, const TzrRect& R, PointF& P1, PointF& P2) {
  const TzrPosition& s = *G.GetStartPosition();
  const TzrPosition& e = *G.GetStopPosition();
  P1 = PointF(R.Left + s.GetX() * R.Right, R.Top + s.GetY() * R.Bottom);
  P2 = PointF(R.Left + e.GetX() * R.Right, R.Top + e.GetY() * R.Bottom);
}

// A scaling that would leave no area is refused, as the platform refuses a
// singular brush transformation, and the brush stays unscaled.
void ScaleBrush(TransformedBrush& B, float Sx, float Sy) {
  if (Sx == 0 || Sy == 0 || !std::isfinite(Sx) || !std::isfinite(Sy)) return;
  B.ScaleTransform(Sx, Sy, MatrixOrderPrepend);
}

void FreeBitmapHandle(TObject* Sender) {
  auto* bitmap = dynamic_cast<TzrBitmap*>(Sender);
  if (!bitmap) return;
  delete reinterpret_cast<Bitmap*>(bitmap->GetHandle());
  bitmap->SetHandle(0);
}

}  // namespace

// ---------------------------------------------------------------- cached bitmaps

Bitmap* TzrCanvasGdiPlus::BitmapHandle(const TzrBitmap* ABitmap) {
  return ABitmap ? reinterpret_cast<Bitmap*>(ABitmap->GetHandle()) : nullptr;
}

void TzrCanvasGdiPlus::UpdateBitmapHandle(TzrBitmap* ABitmap) {
  if (!ABitmap || ABitmap->IsEmpty() || !ABitmap->GetStartLine()) return;
  const int w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
  auto* pixels = reinterpret_cast<uint8_t*>(ABitmap->GetStartLine());
  Bitmap* image = BitmapHandle(ABitmap);
  // remade when the size changed or the pixels moved
  if (image && (int(image->GetWidth()) != w || int(image->GetHeight()) != h || !image->Surface() ||
                cairo_image_surface_get_data(image->Surface()) != pixels)) {
    delete image;
    image = nullptr;
    ABitmap->SetHandle(0);
  }
  if (!image) {
    image = new Bitmap(w, h, 4 * w, PixelFormat32bppPARGB, pixels);
    ABitmap->SetHandle(reinterpret_cast<uintptr_t>(image));
    ABitmap->OnDestroyHandle = &FreeBitmapHandle;
  }
  ABitmap->SetNeedUpdate(false);
}

// ---------------------------------------------------------------- stops

void TzrCanvasGdiPlus::FillStops(const TzrGradient& Gradient, float Opacity, bool AddEnds) {
  const TzrGradientPoints& points = *Gradient.GetPoints();
  const int n = points.Count();
  FStopColors.clear();
  FStopPositions.clear();
  const TzrGradientPoint& first = *points.GetPoint(0);
  const TzrGradientPoint& last = *points.GetPoint(n - 1);
  if (AddEnds && first.GetOffset() > 0) {
    FStopColors.push_back(Color(zrOpacity(first.GetIntColor(), Opacity)));
    FStopPositions.push_back(0);
  }
  for (int i = 0; i < n; ++i) {
    const TzrGradientPoint& p = *points.GetPoint(i);
    FStopColors.push_back(Color(zrOpacity(p.GetIntColor(), Opacity)));
    FStopPositions.push_back(p.GetOffset());
  }
  if (AddEnds && last.GetOffset() < 1) {
    FStopColors.push_back(Color(zrOpacity(last.GetIntColor(), Opacity)));
    FStopPositions.push_back(1);
  }
}

// ---------------------------------------------------------------- fill

std::unique_ptr<Brush> TzrCanvasGdiPlus::MakeFillBrush(const TzrRect& R, float o) {
  TzrBrush& fill = *FFill;
  const Color solid(zrOpacity(fill.GetSolidColor(), o));
  switch (fill.GetStyle()) {
    case zrBrushSolid:
      return std::make_unique<SolidBrush>(solid);
    case zrBrushGradient: {
      const TzrGradient& g = *fill.GetGradient();
      if (g.GetPoints()->Count() < 2) return std::make_unique<SolidBrush>(solid);
      FillStops(g, o, true);
      const INT count = INT(FStopColors.size());
      if (g.GetStyle() == zrRadialGradient) {
        GraphicsPath ellipse;
        ellipse.AddEllipse(ToRectF(R));
        auto brush = std::make_unique<PathGradientBrush>(&ellipse);
        const TzrMatrix& m = g.GetRadialTransform()->GetMatrix();
        Matrix transform(m.m11, m.m12, m.m21, m.m22, m.m31, m.m32);
        brush->SetTransform(&transform);
        brush->SetWrapMode(WrapModeClamp);
        brush->SetInterpolationColors(FStopColors.data(), FStopPositions.data(), count);
        return brush;
      }
      PointF p1, p2;
      GradientAxis(g, R, p1, p2);
      auto brush = std::make_unique<LinearGradientBrush>(p1, p2, solid, solid);
      brush->SetWrapMode(WrapModeTileFlipX);
      brush->SetInterpolationColors(FStopColors.data(), FStopPositions.data(), count);
      return brush;
    }
    case zrBrushBitmap: {
      TzrBitmap* image = fill.GetBitmap()->GetBitmap();
      if (TzrBitmap* shared = image->GetBitmap()) image = shared;
      if (image->GetWidth() <= 0 || image->GetHeight() <= 0) return Transparent();
      UpdateBitmapHandle(image);
      Bitmap* gp = BitmapHandle(image);
      if (!gp) return Transparent();
      const float iw = float(image->GetWidth()), ih = float(image->GetHeight());
      std::unique_ptr<ImageAttributes> attributes;
      if (o != 1) {
        ColorMatrix cm = {};
        for (int i = 0; i < 5; ++i) cm.m[i][i] = 1;
        cm.m[3][3] = o;
        attributes = std::make_unique<ImageAttributes>();
        attributes->SetColorMatrix(&cm, ColorMatrixFlagsDefault, ColorAdjustTypeBitmap);
      }
      auto brush = std::make_unique<TextureBrush>(gp, RectF(0, 0, iw, ih), attributes.get());
      if (fill.GetBitmap()->GetWrapMode() == zrWrapTileStretch) {
        brush->SetWrapMode(WrapModeClamp);
        ScaleBrush(*brush, (zrRectWidth(R) + FStrokeThickness / 2) / iw,
                   (zrRectHeight(R) + FStrokeThickness / 2) / ih);
      } else {
        brush->SetWrapMode(WrapMode(fill.GetBitmap()->GetWrapMode()));
      }
      return brush;
    }
    default:
      return Transparent();
  }
}

void TzrCanvasGdiPlus::ApplyFill(const TzrRect& R, float Opacity) {
  FGPBrush.reset();
  ResolveResource(*FFill);
  FGPBrush = MakeFillBrush(R, Opacity);
}

// ---------------------------------------------------------------- stroke

std::unique_ptr<Brush> TzrCanvasGdiPlus::MakeStrokeBrush(const TzrRect& R, float o) {
  TzrBrush& stroke = *FStroke;
  const Color solid(zrOpacity(stroke.GetSolidColor(), o));
  switch (stroke.GetStyle()) {
    case zrBrushSolid:
      return std::make_unique<SolidBrush>(solid);
    case zrBrushGradient: {
      const TzrGradient& g = *stroke.GetGradient();
      if (g.GetPoints()->Count() < 2) return std::make_unique<SolidBrush>(solid);
      FillStops(g, o, false);
      PointF p1, p2;
      GradientAxis(g, R, p1, p2);
      auto brush = std::make_unique<LinearGradientBrush>(p1, p2, solid, solid);
      brush->SetInterpolationColors(FStopColors.data(), FStopPositions.data(),
                                    INT(FStopColors.size()));
      const TzrPosition& s = *g.GetStartPosition();
      const TzrPosition& e = *g.GetStopPosition();
      if (std::fabs(s.GetY() - e.GetY()) > std::fabs(s.GetX() - e.GetX()))
        ScaleBrush(*brush, zrRectHeight(R), zrRectWidth(R));
      else
        ScaleBrush(*brush, zrRectWidth(R), zrRectHeight(R));
      return brush;
    }
    case zrBrushBitmap: {
      TzrBitmap* image = stroke.GetBitmap()->GetBitmap();
      if (image->GetWidth() <= 0 || image->GetHeight() <= 0) return Transparent();
      UpdateBitmapHandle(image);
      Bitmap* gp = BitmapHandle(image);
      if (!gp) return Transparent();
      if (stroke.GetBitmap()->GetWrapMode() == zrWrapTileStretch) {
        auto brush = std::make_unique<TextureBrush>(gp, WrapModeClamp);
        ScaleBrush(*brush, zrRectWidth(R) / float(image->GetWidth()),
                   zrRectHeight(R) / float(image->GetHeight()));
        return brush;
      }
      return std::make_unique<TextureBrush>(gp, WrapMode(stroke.GetBitmap()->GetWrapMode()));
    }
    default:
      return Transparent();
  }
}

void TzrCanvasGdiPlus::ApplyStroke(const TzrRect& R, float Opacity) {
  FGPPen.reset();
  FGPPenBrush.reset();
  ResolveResource(*FStroke);
  FGPPenBrush = MakeStrokeBrush(R, Opacity);
  FGPPen = std::make_unique<Pen>(FGPPenBrush.get(), 1.0f);
  const bool round = FStrokeCap == zrCapRound;
  FGPPen->SetLineCap(round ? LineCapRound : LineCapFlat, round ? LineCapRound : LineCapFlat,
                     round ? DashCapRound : DashCapFlat);
  if (FDash.empty()) {
    FGPPen->SetDashStyle(DashStyleSolid);
  } else {
    FGPPen->SetDashOffset(FDashOffset);
    FGPPen->SetDashPattern(FDash.data(), INT(FDash.size()));
  }
  switch (FStrokeJoin) {
    case zrJoinMiter:
      FGPPen->SetLineJoin(LineJoinMiter);
      break;
    case zrJoinRound:
      FGPPen->SetLineJoin(LineJoinRound);
      break;
    case zrJoinBevel:
      FGPPen->SetLineJoin(LineJoinBevel);
      break;
  }
  FGPPen->SetWidth(FStrokeThickness);
}

// ---------------------------------------------------------------- filling shapes

void TzrCanvasGdiPlus::PaintVisual(const TzrRect& R, float Opacity) {
  TzrObject* visual = FFill->GetVisual()->GetVisualNode();
  if (!visual || !zrPaintVisualTo) return;
  const TPropInfo* opacity = GetPropInfo(visual, "Opacity");
  const long double oldOpacity = opacity ? opacity->GetFloat(visual) : 1;
  TzrBrush oldStroke;
  oldStroke.Assign(FStroke.get());
  const float oldThickness = FStrokeThickness;
  if (opacity) opacity->SetFloat(visual, Opacity);
  zrPaintVisualTo(visual, this, R);
  if (opacity) opacity->SetFloat(visual, oldOpacity);
  FStroke->Assign(&oldStroke);
  FStrokeThickness = oldThickness;
}

void TzrCanvasGdiPlus::FillRectShape(const TzrRect& R, float Opacity) {
  if (FFill->GetStyle() == zrBrushNone || !CanDraw()) return;
  if (FFill->GetStyle() != zrBrushVisual) {
    ApplyFill(R, Opacity);
    FGraphics->FillRectangle(FGPBrush.get(), ToRectF(R));
    return;
  }
  const uint32_t state = SaveCanvas();
  FGraphics->SetClip(ToRectF(R), CombineModeIntersect);
  PaintVisual(R, Opacity);
  RestoreCanvas(state);
}

void TzrCanvasGdiPlus::FillGdiPath(const GraphicsPath& Path, const TzrRect& R, float Opacity) {
  if (FFill->GetStyle() == zrBrushNone || !CanDraw()) return;
  if (FFill->GetStyle() != zrBrushVisual) {
    ApplyFill(R, Opacity);
    FGraphics->FillPath(FGPBrush.get(), &Path);
    return;
  }
  const uint32_t state = SaveCanvas();
  Region region(&Path);
  FGraphics->SetClip(&region, CombineModeIntersect);
  PaintVisual(R, Opacity);
  RestoreCanvas(state);
}
