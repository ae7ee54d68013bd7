#include "platform/gdiplus/GdiPlusGraphics.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/gdiplus/GdiPlusCairo.h"
#include "platform/gdiplus/GdiPlusTextLayout.h"

namespace Gdiplus {

namespace {

bool HalfPixelOffset(PixelOffsetMode mode) {
  return mode == PixelOffsetModeHalf || mode == PixelOffsetModeHighQuality;
}

bool AntiAliased(SmoothingMode mode) {
  return mode == SmoothingModeAntiAlias || mode == SmoothingModeHighQuality ||
         mode == SmoothingModeAntiAlias8x8;
}

void AddRect(cairo_t* cr, const RectF& r) { cairo_rectangle(cr, r.X, r.Y, r.Width, r.Height); }

}  // namespace

Graphics::Graphics(Image* image) {
  if (!image || !image->Surface()) {
    SetStatus(InvalidParameter);
    return;
  }
  FDpiX = image->GetHorizontalResolution();
  FDpiY = image->GetVerticalResolution();
  Init(image->Surface());
}

Graphics::Graphics(cairo_surface_t* surface) {
  if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) {
    SetStatus(InvalidParameter);
    return;
  }
  Init(surface);
}

void Graphics::Init(cairo_surface_t* surface) {
  FSurface = cairo_surface_reference(surface);
  FCr = cairo_create(surface);
  if (cairo_status(FCr) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(FCr);
    FCr = nullptr;
    SetStatus(OutOfMemory);
  }
}

Graphics::~Graphics() {
  if (FCr) {
    cairo_surface_flush(FSurface);
    cairo_destroy(FCr);
  }
  if (FSurface) cairo_surface_destroy(FSurface);
}

Status Graphics::Flush() {
  if (!FCr) return SetStatus(WrongState);
  cairo_surface_flush(FSurface);
  return Ok;
}

// ---------------- settings ----------------

Status Graphics::SetSmoothingMode(SmoothingMode mode) {
  if (mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias8x8)
    return SetStatus(InvalidParameter);
  FSmoothing = mode;
  return Ok;
}

Status Graphics::SetInterpolationMode(InterpolationMode mode) {
  if (mode < InterpolationModeDefault || mode > InterpolationModeHighQualityBicubic)
    return SetStatus(InvalidParameter);
  FInterpolation = mode;
  return Ok;
}

Status Graphics::SetPixelOffsetMode(PixelOffsetMode mode) {
  if (mode < PixelOffsetModeDefault || mode > PixelOffsetModeHalf)
    return SetStatus(InvalidParameter);
  FPixelOffset = mode;
  return Ok;
}

Status Graphics::SetCompositingMode(CompositingMode mode) {
  if (mode != CompositingModeSourceOver && mode != CompositingModeSourceCopy)
    return SetStatus(InvalidParameter);
  FCompositing = mode;
  return Ok;
}

Status Graphics::SetCompositingQuality(CompositingQuality quality) {
  FCompositingQuality = quality;
  return Ok;
}

Status Graphics::SetTextRenderingHint(TextRenderingHint hint) {
  if (hint < TextRenderingHintSystemDefault || hint > TextRenderingHintClearTypeGridFit)
    return SetStatus(InvalidParameter);
  FTextHint = hint;
  return Ok;
}

Status Graphics::SetTextContrast(UINT contrast) {
  if (contrast > 12) return SetStatus(InvalidParameter);
  FTextContrast = contrast;
  return Ok;
}

cairo_filter_t Graphics::ImageFilter() const {
  switch (FInterpolation) {
    case InterpolationModeNearestNeighbor:
      return CAIRO_FILTER_NEAREST;
    case InterpolationModeHighQuality:
    case InterpolationModeHighQualityBilinear:
    case InterpolationModeHighQualityBicubic:
    case InterpolationModeBicubic:
      return CAIRO_FILTER_GOOD;
    default:
      return CAIRO_FILTER_BILINEAR;
  }
}

// ---------------- transformation ----------------

Status Graphics::SetTransform(const Matrix* matrix) {
  if (!matrix) return SetStatus(InvalidParameter);
  FWorld = *matrix;
  return Ok;
}

Status Graphics::GetTransform(Matrix* matrix) const {
  if (!matrix) return SetStatus(InvalidParameter);
  *matrix = FWorld;
  return Ok;
}

Status Graphics::ResetTransform() { return FWorld.Reset(); }

Status Graphics::MultiplyTransform(const Matrix* matrix, MatrixOrder order) {
  if (!matrix) return SetStatus(InvalidParameter);
  return FWorld.Multiply(matrix, order);
}

Status Graphics::TranslateTransform(REAL dx, REAL dy, MatrixOrder order) {
  return FWorld.Translate(dx, dy, order);
}

Status Graphics::ScaleTransform(REAL sx, REAL sy, MatrixOrder order) {
  return FWorld.Scale(sx, sy, order);
}

Status Graphics::RotateTransform(REAL angle, MatrixOrder order) {
  return FWorld.Rotate(angle, order);
}

void Graphics::PrepareDraw() {
  cairo_matrix_t m;
  ToCairoMatrix(FWorld, &m);
  if (!HalfPixelOffset(FPixelOffset)) {
    // pixel centres sit on whole coordinates: move half a pixel on the device
    m.x0 += 0.5;
    m.y0 += 0.5;
  }
  cairo_set_matrix(FCr, &m);
  cairo_set_antialias(FCr,
                      AntiAliased(FSmoothing) ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(
      FCr, FCompositing == CompositingModeSourceCopy ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
  cairo_new_path(FCr);
}

// ---------------- clipping ----------------

void Graphics::ApplyClip() {
  cairo_reset_clip(FCr);
  if (FClip.IsInfinite()) return;
  cairo_rectangle_int_t limits = {0, 0, cairo_image_surface_get_width(FSurface),
                                  cairo_image_surface_get_height(FSurface)};
  cairo_region_t* px = FClip.Rasterize(limits);
  cairo_identity_matrix(FCr);
  cairo_new_path(FCr);
  int n = cairo_region_num_rectangles(px);
  for (int i = 0; i < n; ++i) {
    cairo_rectangle_int_t r;
    cairo_region_get_rectangle(px, i, &r);
    cairo_rectangle(FCr, r.x, r.y, r.width, r.height);
  }
  if (n == 0) cairo_rectangle(FCr, 0, 0, 0, 0);
  cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_WINDING);
  cairo_clip(FCr);
  cairo_region_destroy(px);
}

Status Graphics::CombineClip(const Region& deviceRegion, CombineMode mode) {
  if (!FCr) return SetStatus(WrongState);
  Status s = FClip.Combine(deviceRegion, mode);
  if (s != Ok) return SetStatus(s);
  ApplyClip();
  return Ok;
}

Status Graphics::SetClip(const RectF& rect, CombineMode mode) {
  Region r(rect);
  r.Transform(&FWorld);
  return CombineClip(r, mode);
}

Status Graphics::SetClip(const GraphicsPath* path, CombineMode mode) {
  if (!path) return SetStatus(InvalidParameter);
  Region r(path);
  r.Transform(&FWorld);
  return CombineClip(r, mode);
}

Status Graphics::SetClip(const Region* region, CombineMode mode) {
  if (!region) return SetStatus(InvalidParameter);
  Region r(*region);
  r.Transform(&FWorld);
  return CombineClip(r, mode);
}

Status Graphics::ResetClip() {
  if (!FCr) return SetStatus(WrongState);
  FClip.MakeInfinite();
  cairo_reset_clip(FCr);
  return Ok;
}

Status Graphics::GetClip(Region* region) const {
  if (!region) return SetStatus(InvalidParameter);
  *region = FClip;
  Matrix inverse(FWorld);
  if (inverse.Invert() == Ok) region->Transform(&inverse);
  return Ok;
}

Status Graphics::GetClipBounds(RectF* rect) const {
  Region r;
  Status s = GetClip(&r);
  if (s != Ok) return s;
  return r.GetBounds(rect);
}

bool Graphics::IsClipEmpty() const { return FClip.IsEmpty(); }

bool Graphics::IsVisible(REAL x, REAL y) const {
  if (!FSurface) return false;
  PointF p(x, y);
  FWorld.TransformPoints(&p, 1);
  int w = cairo_image_surface_get_width(FSurface), h = cairo_image_surface_get_height(FSurface);
  if (p.X < 0 || p.Y < 0 || p.X >= w || p.Y >= h) return false;
  return FClip.IsVisible(p.X, p.Y);
}

// ---------------- saved states ----------------

GraphicsState Graphics::Save() {
  GraphicsState token = FNextToken++;
  FStates.push_back({token, FWorld, FClip, FSmoothing, FInterpolation, FPixelOffset, FCompositing,
                     FCompositingQuality, FTextHint, FTextContrast});
  return token;
}

Status Graphics::Restore(GraphicsState state) {
  auto it = std::find_if(FStates.begin(), FStates.end(),
                         [state](const SavedState& s) { return s.Token == state; });
  if (it == FStates.end()) return SetStatus(InvalidParameter);
  FWorld = it->World;
  FClip = it->Clip;
  FSmoothing = it->Smoothing;
  FInterpolation = it->Interpolation;
  FPixelOffset = it->PixelOffset;
  FCompositing = it->Compositing;
  FCompositingQuality = it->Quality;
  FTextHint = it->TextHint;
  FTextContrast = it->TextContrast;
  FStates.erase(it, FStates.end());
  if (FCr) ApplyClip();
  return Ok;
}

// ---------------- drawing ----------------

Status Graphics::Clear(const Color& color) {
  if (!FCr) return SetStatus(WrongState);
  cairo_save(FCr);
  cairo_identity_matrix(FCr);
  cairo_set_operator(FCr, CAIRO_OPERATOR_SOURCE);
  SetSourceArgb(FCr, color.GetValue());
  cairo_paint(FCr);
  cairo_restore(FCr);
  return Ok;
}

void Graphics::ApplyBrush(const Brush* brush) {
  brush->ApplySource(FCr);
  if (brush->GetType() != BrushTypeTextureFill) return;
  cairo_pattern_set_filter(cairo_get_source(FCr), ImageFilter());
  auto* texture = static_cast<const TextureBrush*>(brush);
  if (texture->GetWrapMode() != WrapModeClamp) return;
  // a clamped image paints only where it lies
  cairo_path_t* path = cairo_copy_path(FCr);
  cairo_new_path(FCr);
  texture->AddImageArea(FCr);
  cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_WINDING);
  cairo_clip(FCr);
  cairo_append_path(FCr, path);
  cairo_path_destroy(path);
}

Status Graphics::StrokeCurrentPath(const Pen* pen, bool closedFigures) {
  cairo_save(FCr);
  ApplyPenStyle(FCr, *pen);
  ApplyBrush(pen->GetBrush());
  if (pen->GetAlignment() == PenAlignmentInset && closedFigures) {
    // the whole width inside the figure: twice the width, clipped to the inside
    cairo_set_line_width(FCr, cairo_get_line_width(FCr) * 2);
    cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_WINDING);
    cairo_clip_preserve(FCr);
  }
  cairo_stroke(FCr);
  cairo_restore(FCr);
  return Ok;
}

Status Graphics::FillCurrentPath(const Brush* brush, FillMode mode) {
  cairo_save(FCr);
  ApplyBrush(brush);
  cairo_set_fill_rule(FCr, ToCairoFillRule(mode));
  cairo_fill(FCr);
  cairo_restore(FCr);
  return Ok;
}

Status Graphics::DrawLine(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2) {
  if (!FCr) return SetStatus(WrongState);
  if (!pen) return SetStatus(InvalidParameter);
  PrepareDraw();
  cairo_move_to(FCr, x1, y1);
  cairo_line_to(FCr, x2, y2);
  return StrokeCurrentPath(pen, false);
}

Status Graphics::DrawLines(const Pen* pen, const PointF* points, INT count) {
  if (!pen || !points || count < 2) return SetStatus(InvalidParameter);
  GraphicsPath path;
  path.AddLines(points, count);
  return DrawPath(pen, &path);
}

Status Graphics::DrawRectangle(const Pen* pen, const RectF& rect) {
  if (!FCr) return SetStatus(WrongState);
  if (!pen) return SetStatus(InvalidParameter);
  PrepareDraw();
  AddRect(FCr, rect);
  return StrokeCurrentPath(pen, true);
}

Status Graphics::DrawRectangles(const Pen* pen, const RectF* rects, INT count) {
  if (!rects || count <= 0) return SetStatus(InvalidParameter);
  for (INT i = 0; i < count; ++i) DrawRectangle(pen, rects[i]);
  return Ok;
}

Status Graphics::DrawEllipse(const Pen* pen, const RectF& rect) {
  if (!pen) return SetStatus(InvalidParameter);
  GraphicsPath path;
  path.AddEllipse(rect);
  return DrawPath(pen, &path);
}

Status Graphics::DrawArc(const Pen* pen, const RectF& rect, REAL startAngle, REAL sweepAngle) {
  if (!pen) return SetStatus(InvalidParameter);
  GraphicsPath path;
  if (path.AddArc(rect, startAngle, sweepAngle) != Ok) return SetStatus(InvalidParameter);
  return DrawPath(pen, &path);
}

Status Graphics::DrawPie(const Pen* pen, const RectF& rect, REAL startAngle, REAL sweepAngle) {
  if (!pen) return SetStatus(InvalidParameter);
  GraphicsPath path;
  if (path.AddPie(rect, startAngle, sweepAngle) != Ok) return SetStatus(InvalidParameter);
  return DrawPath(pen, &path);
}

Status Graphics::DrawBezier(const Pen* pen, const PointF& pt1, const PointF& pt2, const PointF& pt3,
                            const PointF& pt4) {
  if (!FCr) return SetStatus(WrongState);
  if (!pen) return SetStatus(InvalidParameter);
  PrepareDraw();
  cairo_move_to(FCr, pt1.X, pt1.Y);
  cairo_curve_to(FCr, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
  return StrokeCurrentPath(pen, false);
}

Status Graphics::DrawBeziers(const Pen* pen, const PointF* points, INT count) {
  if (!pen) return SetStatus(InvalidParameter);
  GraphicsPath path;
  if (path.AddBeziers(points, count) != Ok) return SetStatus(InvalidParameter);
  return DrawPath(pen, &path);
}

Status Graphics::DrawPolygon(const Pen* pen, const PointF* points, INT count) {
  if (!pen) return SetStatus(InvalidParameter);
  GraphicsPath path;
  if (path.AddPolygon(points, count) != Ok) return SetStatus(InvalidParameter);
  return DrawPath(pen, &path);
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path) {
  if (!FCr) return SetStatus(WrongState);
  if (!pen || !path) return SetStatus(InvalidParameter);
  PrepareDraw();
  AppendPathToCairo(FCr, *path);
  bool closed = !path->Types().empty();
  const auto& types = path->Types();
  for (size_t i = 0; i < types.size(); ++i) {
    bool lastOfFigure = i + 1 == types.size() || types[i + 1] == PathPointTypeStart;
    if (lastOfFigure && !(types[i] & PathPointTypeCloseSubpath)) closed = false;
  }
  return StrokeCurrentPath(pen, closed);
}

Status Graphics::FillRectangle(const Brush* brush, const RectF& rect) {
  if (!FCr) return SetStatus(WrongState);
  if (!brush) return SetStatus(InvalidParameter);
  PrepareDraw();
  AddRect(FCr, rect);
  return FillCurrentPath(brush, FillModeAlternate);
}

Status Graphics::FillRectangles(const Brush* brush, const RectF* rects, INT count) {
  if (!rects || count <= 0) return SetStatus(InvalidParameter);
  for (INT i = 0; i < count; ++i) FillRectangle(brush, rects[i]);
  return Ok;
}

Status Graphics::FillEllipse(const Brush* brush, const RectF& rect) {
  if (!brush) return SetStatus(InvalidParameter);
  GraphicsPath path;
  if (path.AddEllipse(rect) != Ok) return SetStatus(InvalidParameter);
  return FillPath(brush, &path);
}

Status Graphics::FillPie(const Brush* brush, const RectF& rect, REAL startAngle, REAL sweepAngle) {
  if (!brush) return SetStatus(InvalidParameter);
  GraphicsPath path;
  if (path.AddPie(rect, startAngle, sweepAngle) != Ok) return SetStatus(InvalidParameter);
  return FillPath(brush, &path);
}

Status Graphics::FillPolygon(const Brush* brush, const PointF* points, INT count,
                             FillMode fillMode) {
  if (!brush) return SetStatus(InvalidParameter);
  GraphicsPath path(fillMode);
  if (path.AddPolygon(points, count) != Ok) return SetStatus(InvalidParameter);
  return FillPath(brush, &path);
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* path) {
  if (!FCr) return SetStatus(WrongState);
  if (!brush || !path) return SetStatus(InvalidParameter);
  PrepareDraw();
  AppendPathToCairo(FCr, *path);
  return FillCurrentPath(brush, path->GetFillMode());
}

Status Graphics::FillRegion(const Brush* brush, const Region* region) {
  if (!FCr) return SetStatus(WrongState);
  if (!brush || !region) return SetStatus(InvalidParameter);
  PrepareDraw();
  cairo_save(FCr);
  ApplyBrush(brush);  // the brush keeps to world coordinates
  Region device(*region);
  device.Transform(&FWorld);
  cairo_rectangle_int_t limits = {0, 0, cairo_image_surface_get_width(FSurface),
                                  cairo_image_surface_get_height(FSurface)};
  cairo_region_t* px = device.Rasterize(limits);
  cairo_identity_matrix(FCr);
  int n = cairo_region_num_rectangles(px);
  for (int i = 0; i < n; ++i) {
    cairo_rectangle_int_t r;
    cairo_region_get_rectangle(px, i, &r);
    cairo_rectangle(FCr, r.x, r.y, r.width, r.height);
  }
  cairo_region_destroy(px);
  cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_WINDING);
  cairo_fill(FCr);
  cairo_restore(FCr);
  return Ok;
}

// ---------------- images ----------------

Status Graphics::DrawImage(const Image* image, REAL x, REAL y) {
  if (!image || !image->Surface()) return SetStatus(InvalidParameter);
  REAL w = image->GetWidth() * FDpiX / image->GetHorizontalResolution();
  REAL h = image->GetHeight() * FDpiY / image->GetVerticalResolution();
  return DrawImage(image, RectF(x, y, w, h), 0, 0, REAL(image->GetWidth()),
                   REAL(image->GetHeight()), UnitPixel);
}

Status Graphics::DrawImage(const Image* image, const RectF& destRect) {
  if (!image || !image->Surface()) return SetStatus(InvalidParameter);
  return DrawImage(image, destRect, 0, 0, REAL(image->GetWidth()), REAL(image->GetHeight()),
                   UnitPixel);
}

Status Graphics::DrawImage(const Image* image, const RectF& destRect, REAL srcx, REAL srcy,
                           REAL srcwidth, REAL srcheight, Unit srcUnit,
                           const ImageAttributes* imageAttributes) {
  if (!FCr) return SetStatus(WrongState);
  if (!image || !image->Surface() || srcUnit != UnitPixel) return SetStatus(InvalidParameter);
  if (srcwidth == 0 || srcheight == 0 || destRect.Width == 0 || destRect.Height == 0) return Ok;
  REAL alpha = 1;
  cairo_surface_t* source = image->Surface();
  cairo_surface_t* adjusted = nullptr;
  if (imageAttributes && !imageAttributes->IsAlphaScale(&alpha)) {
    adjusted =
        CreateAdjustedSurface(*image, RectF(srcx, srcy, srcwidth, srcheight), imageAttributes);
    if (!adjusted) return SetStatus(OutOfMemory);
    source = adjusted;
    srcx = srcy = 0;
    alpha = 1;
  }
  if (alpha <= 0) return Ok;  // fully faded: nothing shows
  PrepareDraw();
  cairo_save(FCr);
  cairo_translate(FCr, destRect.X, destRect.Y);
  cairo_scale(FCr, destRect.Width / srcwidth, destRect.Height / srcheight);
  cairo_rectangle(FCr, 0, 0, srcwidth, srcheight);
  cairo_clip(FCr);
  cairo_surface_mark_dirty(source);  // its owner may have written the pixels directly
  cairo_set_source_surface(FCr, source, -srcx, -srcy);
  cairo_pattern_set_filter(cairo_get_source(FCr), ImageFilter());
  cairo_pattern_set_extend(cairo_get_source(FCr), CAIRO_EXTEND_PAD);
  if (alpha >= 1)
    cairo_paint(FCr);
  else
    cairo_paint_with_alpha(FCr, alpha);
  cairo_restore(FCr);
  if (adjusted) cairo_surface_destroy(adjusted);
  return Ok;
}

// ---------------- text ----------------

Status Graphics::DrawString(const char16_t* string, INT length, const Font* font,
                            const RectF& layoutRect, const StringFormat* stringFormat,
                            const Brush* brush) {
  if (!FCr) return SetStatus(WrongState);
  if (!string || !font || !brush) return SetStatus(InvalidParameter);
  FontFamily family;
  font->GetFamily(&family);
  PrepareDraw();
  TextLayout layout(FCr, string, length, family, font->GetStyle(), font->PixelSize(FDpiY),
                    layoutRect, stringFormat, FTextHint);
  if (layout.Length() == 0) return Ok;
  const StringFormat* format = stringFormat ? stringFormat : StringFormat::GenericDefault();
  cairo_save(FCr);
  bool clip = !(format->GetFormatFlags() & StringFormatFlagsNoClip) && layoutRect.Width > 0 &&
              layoutRect.Height > 0;
  if (clip) {
    AddRect(FCr, layoutRect);
    cairo_clip(FCr);
  }
  ApplyBrush(brush);
  cairo_move_to(FCr, layout.OriginX(), layout.OriginY());
  pango_cairo_update_layout(FCr, layout.Layout());
  pango_cairo_show_layout(FCr, layout.Layout());
  cairo_restore(FCr);
  return Ok;
}

Status Graphics::MeasureString(const char16_t* string, INT length, const Font* font,
                               const RectF& layoutRect, const StringFormat* stringFormat,
                               RectF* boundingBox, INT* codepointsFitted, INT* linesFilled) const {
  if (!string || !font || !boundingBox) return SetStatus(InvalidParameter);
  FontFamily family;
  font->GetFamily(&family);
  cairo_t* cr = CreateScratchContext();
  {
    TextLayout layout(cr, string, length, family, font->GetStyle(), font->PixelSize(FDpiY),
                      layoutRect, stringFormat, FTextHint);
    *boundingBox = layout.Bounds();
    if (codepointsFitted) *codepointsFitted = layout.Length();
    if (linesFilled) *linesFilled = layout.Length() ? layout.LineCount() : 0;
  }
  cairo_destroy(cr);
  return Ok;
}

Status Graphics::MeasureCharacterRanges(const char16_t* string, INT length, const Font* font,
                                        const RectF& layoutRect, const StringFormat* stringFormat,
                                        INT regionCount, Region* regions) const {
  if (!string || !font || !regions || !stringFormat) return SetStatus(InvalidParameter);
  const auto& ranges = stringFormat->Ranges();
  if (regionCount < INT(ranges.size())) return SetStatus(InvalidParameter);
  FontFamily family;
  font->GetFamily(&family);
  cairo_t* cr = CreateScratchContext();
  {
    TextLayout layout(cr, string, length, family, font->GetStyle(), font->PixelSize(FDpiY),
                      layoutRect, stringFormat, FTextHint);
    for (size_t i = 0; i < ranges.size(); ++i)
      layout.RangeRegion(ranges[i].First, ranges[i].Length, &regions[i]);
  }
  cairo_destroy(cr);
  return Ok;
}

}  // namespace Gdiplus
