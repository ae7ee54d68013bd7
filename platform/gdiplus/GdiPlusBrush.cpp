#include "platform/gdiplus/GdiPlusBrush.h"

#include <algorithm>
#include <cmath>

#include "platform/gdiplus/GdiPlusCairo.h"
#include "platform/gdiplus/GdiPlusImage.h"

namespace Gdiplus {

namespace {

void AddStop(cairo_pattern_t* p, double offset, ARGB c) {
  cairo_pattern_add_color_stop_rgba(p, offset, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0,
                                    (c & 255) / 255.0, (c >> 24) / 255.0);
}

// How a pattern repeats beyond its first tile: tiled, clamped to its edge
// colours, or mirrored (both flips).
void SetExtend(cairo_pattern_t* p, WrapMode mode) {
  switch (mode) {
    case WrapModeTile:
      cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
      break;
    case WrapModeClamp:
      cairo_pattern_set_extend(p, CAIRO_EXTEND_PAD);
      break;
    default:
      cairo_pattern_set_extend(p, CAIRO_EXTEND_REFLECT);
      break;
  }
}

Status SetStops(GradientStops& stops, const Color* colors, const REAL* positions, INT count) {
  if (!colors || !positions || count < 2) return InvalidParameter;
  for (INT i = 0; i < count; ++i) {
    if (!(positions[i] >= 0 && positions[i] <= 1)) return InvalidParameter;
    if (i > 0 && positions[i] < positions[i - 1]) return InvalidParameter;
  }
  stops.Colors.resize(size_t(count));
  stops.Positions.assign(positions, positions + count);
  for (INT i = 0; i < count; ++i) stops.Colors[size_t(i)] = colors[i].GetValue();
  return Ok;
}

Status GetStops(const GradientStops& stops, Color* colors, REAL* positions, INT count) {
  if (!colors || !positions || count < INT(stops.Colors.size())) return InsufficientBuffer;
  for (size_t i = 0; i < stops.Colors.size(); ++i) {
    colors[i] = Color(stops.Colors[i]);
    positions[i] = stops.Positions[i];
  }
  return Ok;
}

ARGB Lerp(ARGB a, ARGB b, double t) {
  ARGB r = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    double ca = (a >> shift) & 255, cb = (b >> shift) & 255;
    r |= ARGB(std::lround(ca + (cb - ca) * t)) << shift;
  }
  return r;
}

// The stops from 0 to 1 with end entries added where the table stops short.
GradientStops CompleteStops(const GradientStops& preset, ARGB at0, ARGB at1) {
  GradientStops s;
  if (preset.Empty()) {
    s.Colors = {at0, at1};
    s.Positions = {0, 1};
    return s;
  }
  if (preset.Positions.front() > 0) {
    s.Colors.push_back(preset.Colors.front());
    s.Positions.push_back(0);
  }
  s.Colors.insert(s.Colors.end(), preset.Colors.begin(), preset.Colors.end());
  s.Positions.insert(s.Positions.end(), preset.Positions.begin(), preset.Positions.end());
  if (preset.Positions.back() < 1) {
    s.Colors.push_back(preset.Colors.back());
    s.Positions.push_back(1);
  }
  return s;
}

}  // namespace

// ---------------- SolidBrush ----------------

Status SolidBrush::GetColor(Color* color) const {
  if (!color) return SetStatus(InvalidParameter);
  *color = FColor;
  return Ok;
}

Status SolidBrush::SetColor(const Color& color) {
  FColor = color;
  return Ok;
}

void SolidBrush::ApplySource(cairo_t* cr) const { SetSourceArgb(cr, FColor.GetValue()); }

void SetSourceArgb(cairo_t* cr, ARGB c) {
  cairo_set_source_rgba(cr, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0,
                        (c >> 24) / 255.0);
}

// ---------------- TransformedBrush ----------------

Status TransformedBrush::SetTransform(const Matrix* matrix) {
  if (!matrix) return SetStatus(InvalidParameter);
  FTransform = *matrix;
  return Ok;
}

Status TransformedBrush::GetTransform(Matrix* matrix) const {
  if (!matrix) return SetStatus(InvalidParameter);
  *matrix = FTransform;
  return Ok;
}

Status TransformedBrush::ResetTransform() { return FTransform.Reset(); }

Status TransformedBrush::MultiplyTransform(const Matrix* matrix, MatrixOrder order) {
  return FTransform.Multiply(matrix, order);
}

Status TransformedBrush::TranslateTransform(REAL dx, REAL dy, MatrixOrder order) {
  return FTransform.Translate(dx, dy, order);
}

Status TransformedBrush::ScaleTransform(REAL sx, REAL sy, MatrixOrder order) {
  return FTransform.Scale(sx, sy, order);
}

Status TransformedBrush::RotateTransform(REAL angle, MatrixOrder order) {
  return FTransform.Rotate(angle, order);
}

Status TransformedBrush::SetWrapMode(WrapMode wrapMode) {
  if (wrapMode < WrapModeTile || wrapMode > WrapModeClamp) return SetStatus(InvalidParameter);
  FWrapMode = wrapMode;
  return Ok;
}

bool TransformedBrush::ApplyTransform(cairo_pattern_t* pattern) const {
  Matrix inverse(FTransform);
  if (inverse.Invert() != Ok) return false;
  cairo_matrix_t m;
  ToCairoMatrix(inverse, &m);
  cairo_pattern_set_matrix(pattern, &m);
  return true;
}

void TransformedBrush::SetPattern(cairo_t* cr, cairo_pattern_t* pattern) const {
  // a brush squeezed flat by its transformation paints nothing
  if (ApplyTransform(pattern))
    cairo_set_source(cr, pattern);
  else
    cairo_set_source_rgba(cr, 0, 0, 0, 0);
  cairo_pattern_destroy(pattern);
}

// ---------------- LinearGradientBrush ----------------

LinearGradientBrush::LinearGradientBrush(const PointF& point1, const PointF& point2,
                                         const Color& color1, const Color& color2)
    : TransformedBrush(BrushTypeLinearGradient, WrapModeTile),
      FPoint1(point1),
      FPoint2(point2),
      FColor1(color1.GetValue()),
      FColor2(color2.GetValue()) {
  if (point1.Equals(point2))
    SetStatus(OutOfMemory);  // the platform's answer for a zero-length line
}

LinearGradientBrush::LinearGradientBrush(const RectF& rect, const Color& color1,
                                         const Color& color2, LinearGradientMode mode)
    : TransformedBrush(BrushTypeLinearGradient, WrapModeTile),
      FColor1(color1.GetValue()),
      FColor2(color2.GetValue()) {
  FPoint1 = PointF(rect.X, rect.Y);
  switch (mode) {
    case LinearGradientModeVertical:
      FPoint2 = PointF(rect.X, rect.GetBottom());
      break;
    case LinearGradientModeForwardDiagonal:
      FPoint2 = PointF(rect.GetRight(), rect.GetBottom());
      break;
    case LinearGradientModeBackwardDiagonal:
      FPoint1 = PointF(rect.GetRight(), rect.Y);
      FPoint2 = PointF(rect.X, rect.GetBottom());
      break;
    default:
      FPoint2 = PointF(rect.GetRight(), rect.Y);
      break;
  }
  if (rect.Width == 0 || rect.Height == 0) SetStatus(OutOfMemory);
}

Status LinearGradientBrush::SetLinearColors(const Color& color1, const Color& color2) {
  FColor1 = color1.GetValue();
  FColor2 = color2.GetValue();
  return Ok;
}

Status LinearGradientBrush::GetLinearColors(Color* colors) const {
  if (!colors) return SetStatus(InvalidParameter);
  colors[0] = Color(FColor1);
  colors[1] = Color(FColor2);
  return Ok;
}

Status LinearGradientBrush::GetRectangle(RectF* rect) const {
  if (!rect) return SetStatus(InvalidParameter);
  REAL x1 = std::min(FPoint1.X, FPoint2.X), y1 = std::min(FPoint1.Y, FPoint2.Y);
  *rect = RectF(x1, y1, std::fabs(FPoint2.X - FPoint1.X), std::fabs(FPoint2.Y - FPoint1.Y));
  return Ok;
}

Status LinearGradientBrush::SetInterpolationColors(const Color* presetColors,
                                                   const REAL* blendPositions, INT count) {
  return SetStatus(SetStops(FPreset, presetColors, blendPositions, count));
}

Status LinearGradientBrush::GetInterpolationColors(Color* presetColors, REAL* blendPositions,
                                                   INT count) const {
  return SetStatus(GetStops(FPreset, presetColors, blendPositions, count));
}

Status LinearGradientBrush::SetBlend(const REAL* blendFactors, const REAL* blendPositions,
                                     INT count) {
  if (!blendFactors || !blendPositions || count < 2) return SetStatus(InvalidParameter);
  std::vector<Color> colors;
  for (INT i = 0; i < count; ++i)
    colors.push_back(Color(Lerp(FColor1, FColor2, std::clamp<double>(blendFactors[i], 0, 1))));
  return SetStatus(SetStops(FPreset, colors.data(), blendPositions, count));
}

void LinearGradientBrush::ApplySource(cairo_t* cr) const {
  cairo_pattern_t* p = cairo_pattern_create_linear(FPoint1.X, FPoint1.Y, FPoint2.X, FPoint2.Y);
  GradientStops stops = CompleteStops(FPreset, FColor1, FColor2);
  for (size_t i = 0; i < stops.Colors.size(); ++i) AddStop(p, stops.Positions[i], stops.Colors[i]);
  SetExtend(p, FWrapMode);
  SetPattern(cr, p);
}

// ---------------- PathGradientBrush ----------------

PathGradientBrush::PathGradientBrush(const GraphicsPath* path)
    : TransformedBrush(BrushTypePathGradient, WrapModeClamp) {
  if (!path || path->GetPointCount() == 0) {
    SetStatus(OutOfMemory);
    return;
  }
  SetOutline(*path);
}

PathGradientBrush::PathGradientBrush(const PointF* points, INT count, WrapMode wrapMode)
    : TransformedBrush(BrushTypePathGradient, wrapMode) {
  if (!points || count < 2) {
    SetStatus(OutOfMemory);
    return;
  }
  GraphicsPath path;
  path.AddLines(points, count);
  path.CloseFigure();
  SetOutline(path);
}

void PathGradientBrush::SetOutline(const GraphicsPath& path) {
  GraphicsPath flat(path);
  flat.Flatten(nullptr, 0.1f);
  const auto& pts = flat.Points();
  const auto& types = flat.Types();
  for (size_t i = 0; i < pts.size(); ++i) {
    if (types[i] == PathPointTypeStart || FOutline.empty()) FOutline.emplace_back();
    FOutline.back().push_back(pts[i]);
  }
  // centre: the area centroid of the first figure, else the mean of its points
  if (FOutline.empty()) return;  // a single point: nothing to paint
  const auto& fig = FOutline.front();
  double area = 0, cx = 0, cy = 0, mx = 0, my = 0;
  for (size_t i = 0; i < fig.size(); ++i) {
    const PointF& a = fig[i];
    const PointF& b = fig[(i + 1) % fig.size()];
    double cross = double(a.X) * b.Y - double(b.X) * a.Y;
    area += cross;
    cx += (a.X + b.X) * cross;
    cy += (a.Y + b.Y) * cross;
    mx += a.X;
    my += a.Y;
  }
  if (std::fabs(area) > 1e-9)
    FCenter = PointF(REAL(cx / (3 * area)), REAL(cy / (3 * area)));
  else
    FCenter = PointF(REAL(mx / fig.size()), REAL(my / fig.size()));
}

Status PathGradientBrush::SetCenterColor(const Color& color) {
  FCenterColor = color.GetValue();
  return Ok;
}

Status PathGradientBrush::GetCenterColor(Color* color) const {
  if (!color) return SetStatus(InvalidParameter);
  *color = Color(FCenterColor);
  return Ok;
}

Status PathGradientBrush::SetSurroundColors(const Color* colors, INT* count) {
  if (!colors || !count || *count < 1) return SetStatus(InvalidParameter);
  FSurroundColor = colors[0].GetValue();  // one colour stands for the whole outline
  return Ok;
}

Status PathGradientBrush::SetCenterPoint(const PointF& point) {
  FCenter = point;
  return Ok;
}

Status PathGradientBrush::GetCenterPoint(PointF* point) const {
  if (!point) return SetStatus(InvalidParameter);
  *point = FCenter;
  return Ok;
}

Status PathGradientBrush::SetInterpolationColors(const Color* presetColors,
                                                 const REAL* blendPositions, INT count) {
  return SetStatus(SetStops(FPreset, presetColors, blendPositions, count));
}

Status PathGradientBrush::GetInterpolationColors(Color* presetColors, REAL* blendPositions,
                                                 INT count) const {
  return SetStatus(GetStops(FPreset, presetColors, blendPositions, count));
}

Status PathGradientBrush::GetRectangle(RectF* rect) const {
  if (!rect) return SetStatus(InvalidParameter);
  GraphicsPath path;
  for (const auto& fig : FOutline) path.AddPolygon(fig.data(), INT(fig.size()));
  return path.GetBounds(rect);
}

void PathGradientBrush::ApplySource(cairo_t* cr) const {
  // Rings of the outline shrunk towards the centre, one per stop, joined by
  // patches whose colours run from stop to stop.
  cairo_pattern_t* mesh = cairo_pattern_create_mesh();
  GradientStops stops = CompleteStops(FPreset, FSurroundColor, FCenterColor);
  auto ring = [&](const PointF& v, double pos) {
    return PointF(REAL(FCenter.X + (v.X - FCenter.X) * (1 - pos)),
                  REAL(FCenter.Y + (v.Y - FCenter.Y) * (1 - pos)));
  };
  auto setColor = [&](int corner, ARGB c) {
    cairo_mesh_pattern_set_corner_color_rgba(mesh, corner, ((c >> 16) & 255) / 255.0,
                                             ((c >> 8) & 255) / 255.0, (c & 255) / 255.0,
                                             (c >> 24) / 255.0);
  };
  for (const auto& fig : FOutline) {
    if (fig.size() < 2) continue;
    for (size_t i = 0; i < fig.size(); ++i) {
      const PointF& a = fig[i];
      const PointF& b = fig[(i + 1) % fig.size()];
      for (size_t k = 0; k + 1 < stops.Colors.size(); ++k) {
        double p0 = stops.Positions[k], p1 = stops.Positions[k + 1];
        if (p1 <= p0) continue;
        PointF q[4] = {ring(a, p0), ring(b, p0), ring(b, p1), ring(a, p1)};
        cairo_mesh_pattern_begin_patch(mesh);
        cairo_mesh_pattern_move_to(mesh, q[0].X, q[0].Y);
        for (int j = 1; j < 4; ++j) cairo_mesh_pattern_line_to(mesh, q[j].X, q[j].Y);
        setColor(0, stops.Colors[k]);
        setColor(1, stops.Colors[k]);
        setColor(2, stops.Colors[k + 1]);
        setColor(3, stops.Colors[k + 1]);
        cairo_mesh_pattern_end_patch(mesh);
      }
    }
  }
  SetPattern(cr, mesh);
}

// ---------------- TextureBrush ----------------

TextureBrush::TextureBrush(const Image* image, WrapMode wrapMode)
    : TransformedBrush(BrushTypeTextureFill, wrapMode) {
  if (!image || !image->Surface()) {
    SetStatus(InvalidParameter);
    return;
  }
  FSurface = CreateAdjustedSurface(
      *image, RectF(0, 0, REAL(image->GetWidth()), REAL(image->GetHeight())), nullptr);
}

TextureBrush::TextureBrush(const Image* image, WrapMode wrapMode, const RectF& dstRect)
    : TransformedBrush(BrushTypeTextureFill, wrapMode) {
  if (!image || !image->Surface() || dstRect.Width <= 0 || dstRect.Height <= 0) {
    SetStatus(InvalidParameter);
    return;
  }
  FSurface = CreateAdjustedSurface(*image, dstRect, nullptr);
}

TextureBrush::TextureBrush(const Image* image, const RectF& dstRect,
                           const ImageAttributes* imageAttributes)
    : TransformedBrush(BrushTypeTextureFill, WrapModeTile) {
  if (!image || !image->Surface() || dstRect.Width <= 0 || dstRect.Height <= 0) {
    SetStatus(InvalidParameter);
    return;
  }
  FSurface = CreateAdjustedSurface(*image, dstRect, imageAttributes);
}

TextureBrush::TextureBrush(const TextureBrush& other) : TransformedBrush(other) {
  FSurface = other.FSurface ? cairo_surface_reference(other.FSurface) : nullptr;
}

TextureBrush::~TextureBrush() {
  if (FSurface) cairo_surface_destroy(FSurface);
}

INT TextureBrush::GetImageWidth() const {
  return FSurface ? cairo_image_surface_get_width(FSurface) : 0;
}

INT TextureBrush::GetImageHeight() const {
  return FSurface ? cairo_image_surface_get_height(FSurface) : 0;
}

void TextureBrush::AddImageArea(cairo_t* cr) const {
  cairo_matrix_t saved, m;
  cairo_get_matrix(cr, &saved);
  ToCairoMatrix(FTransform, &m);
  cairo_transform(cr, &m);
  cairo_rectangle(cr, 0, 0, GetImageWidth(), GetImageHeight());
  cairo_set_matrix(cr, &saved);
}

void TextureBrush::ApplySource(cairo_t* cr) const {
  if (!FSurface) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0);
    return;
  }
  cairo_pattern_t* p = cairo_pattern_create_for_surface(FSurface);
  SetExtend(p, FWrapMode);
  SetPattern(cr, p);
}

}  // namespace Gdiplus
