#include "platform/d2d/D2D1Resources.h"

#include <algorithm>
#include <cstring>

#include "platform/d2d/D2D1Geometry.h"
#include "platform/gdiplus/GdiPlusCairo.h"

// ---------------------------------------------------------------- stroke style

std::vector<FLOAT> D2D1PresetDashes(D2D1_DASH_STYLE style) {
  switch (style) {
    case D2D1_DASH_STYLE_DASH:
      return {2, 2};
    case D2D1_DASH_STYLE_DOT:
      return {0, 2};
    case D2D1_DASH_STYLE_DASH_DOT:
      return {2, 2, 0, 2};
    case D2D1_DASH_STYLE_DASH_DOT_DOT:
      return {2, 2, 0, 2, 0, 2};
    default:
      return {};
  }
}

ID2D1StrokeStyle::ID2D1StrokeStyle(const D2D1_STROKE_STYLE_PROPERTIES& props, const FLOAT* dashes,
                                   UINT32 count)
    : FProps(props), FDashes(D2D1PresetDashes(props.dashStyle)) {
  if (props.dashStyle == D2D1_DASH_STYLE_CUSTOM && dashes) FDashes.assign(dashes, dashes + count);
}

namespace {

cairo_line_cap_t CairoCap(D2D1_CAP_STYLE cap) {
  switch (cap) {
    case D2D1_CAP_STYLE_SQUARE:
      return CAIRO_LINE_CAP_SQUARE;
    case D2D1_CAP_STYLE_ROUND:
      return CAIRO_LINE_CAP_ROUND;
    default:
      return CAIRO_LINE_CAP_BUTT;
  }
}

cairo_line_join_t CairoJoin(D2D1_LINE_JOIN join) {
  switch (join) {
    case D2D1_LINE_JOIN_BEVEL:
      return CAIRO_LINE_JOIN_BEVEL;
    case D2D1_LINE_JOIN_ROUND:
      return CAIRO_LINE_JOIN_ROUND;
    default:
      return CAIRO_LINE_JOIN_MITER;
  }
}

}  // namespace

void ID2D1StrokeStyle::Apply(cairo_t* cr, FLOAT strokeWidth) const {
  cairo_set_line_join(cr, CairoJoin(FProps.lineJoin));
  cairo_set_miter_limit(cr, std::max(1.0f, FProps.miterLimit));
  // one cap for the line ends and the dashes, as Cairo has one
  const bool dashed = Gdiplus::SetCairoDash(cr, FDashes, FProps.dashOffset, strokeWidth);
  cairo_set_line_cap(cr, CairoCap(dashed ? FProps.dashCap : FProps.startCap));
}

// ---------------------------------------------------------------- brushes

void ID2D1Brush::Place(cairo_pattern_t* pattern) const {
  // Cairo's pattern matrix maps user space to pattern space: the inverse
  cairo_matrix_t m;
  D2D1ToCairoMatrix(FTransform, &m);
  if (cairo_matrix_invert(&m) == CAIRO_STATUS_SUCCESS) cairo_pattern_set_matrix(pattern, &m);
}

FLOAT ID2D1SolidColorBrush::SetSource(cairo_t* cr) const {
  cairo_set_source_rgba(cr, FColor.r, FColor.g, FColor.b, FColor.a * FOpacity);
  return 1;
}

ID2D1GradientStopCollection::ID2D1GradientStopCollection(const D2D1_GRADIENT_STOP* stops,
                                                         UINT32 count, D2D1_GAMMA,
                                                         D2D1_EXTEND_MODE extendMode)
    : FExtend(extendMode) {
  if (stops) FStops.assign(stops, stops + count);
  std::stable_sort(FStops.begin(), FStops.end(),
                   [](const D2D1_GRADIENT_STOP& a, const D2D1_GRADIENT_STOP& b) {
                     return a.position < b.position;
                   });
}

void ID2D1GradientStopCollection::AddTo(cairo_pattern_t* pattern, FLOAT opacity) const {
  for (const D2D1_GRADIENT_STOP& s : FStops)
    cairo_pattern_add_color_stop_rgba(pattern, s.position, s.color.r, s.color.g, s.color.b,
                                      s.color.a * opacity);
  static const cairo_extend_t kExtend[] = {CAIRO_EXTEND_PAD, CAIRO_EXTEND_REPEAT,
                                           CAIRO_EXTEND_REFLECT};
  cairo_pattern_set_extend(pattern, kExtend[std::clamp(int(FExtend), 0, 2)]);
}

ID2D1LinearGradientBrush::ID2D1LinearGradientBrush(
    const D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES& props,
    std::shared_ptr<ID2D1GradientStopCollection> stops)
    : FProps(props), FStops(std::move(stops)) {}

FLOAT ID2D1LinearGradientBrush::SetSource(cairo_t* cr) const {
  cairo_pattern_t* p = cairo_pattern_create_linear(FProps.startPoint.x, FProps.startPoint.y,
                                                   FProps.endPoint.x, FProps.endPoint.y);
  if (FStops) FStops->AddTo(p, FOpacity);
  Place(p);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  return 1;
}

ID2D1RadialGradientBrush::ID2D1RadialGradientBrush(
    const D2D1_RADIAL_GRADIENT_BRUSH_PROPERTIES& props,
    std::shared_ptr<ID2D1GradientStopCollection> stops)
    : FProps(props), FStops(std::move(stops)) {}

FLOAT ID2D1RadialGradientBrush::SetSource(cairo_t* cr) const {
  // a unit circle stretched to the radii: the origin offset is in the
  // ellipse's own units
  const double rx = FProps.radiusX, ry = FProps.radiusY;
  if (rx == 0 || ry == 0) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0);
    return 1;
  }
  const double fx = FProps.gradientOriginOffset.x / rx, fy = FProps.gradientOriginOffset.y / ry;
  cairo_pattern_t* p = cairo_pattern_create_radial(fx, fy, 0, 0, 0, 1);
  if (FStops) FStops->AddTo(p, FOpacity);
  cairo_matrix_t ellipse, brush;
  cairo_matrix_init(&ellipse, rx, 0, 0, ry, FProps.center.x, FProps.center.y);
  D2D1ToCairoMatrix(FTransform, &brush);
  cairo_matrix_multiply(&ellipse, &ellipse, &brush);
  if (cairo_matrix_invert(&ellipse) == CAIRO_STATUS_SUCCESS) cairo_pattern_set_matrix(p, &ellipse);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  return 1;
}

// ---------------------------------------------------------------- bitmaps

ID2D1Bitmap::ID2D1Bitmap(D2D1_SIZE_U size, const void* srcData, UINT32 pitch) : FSize(size) {
  FPixels.assign(size_t(size.width) * size.height, 0);
  if (srcData) {
    for (UINT32 y = 0; y < size.height; ++y)
      std::memcpy(FPixels.data() + size_t(y) * size.width,
                  static_cast<const uint8_t*>(srcData) + size_t(y) * pitch, size_t(size.width) * 4);
  }
  FSurface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(FPixels.data()),
                                                 CAIRO_FORMAT_ARGB32, int(size.width),
                                                 int(size.height), int(size.width * 4));
}

ID2D1Bitmap::~ID2D1Bitmap() { cairo_surface_destroy(FSurface); }

ID2D1BitmapBrush::ID2D1BitmapBrush(std::shared_ptr<ID2D1Bitmap> bitmap,
                                   const D2D1_BITMAP_BRUSH_PROPERTIES& props)
    : FBitmap(std::move(bitmap)), FProps(props) {}

FLOAT ID2D1BitmapBrush::SetSource(cairo_t* cr) const {
  if (!FBitmap) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0);
    return 1;
  }
  cairo_pattern_t* p = cairo_pattern_create_for_surface(FBitmap->Surface());
  // Cairo extends both directions alike: wrap wins when either asks for it
  const bool wrap =
      FProps.extendModeX == D2D1_EXTEND_MODE_WRAP || FProps.extendModeY == D2D1_EXTEND_MODE_WRAP;
  cairo_pattern_set_extend(p, wrap ? CAIRO_EXTEND_REPEAT : CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(p, FProps.interpolationMode == D2D1_BITMAP_INTERPOLATION_MODE_LINEAR
                                  ? CAIRO_FILTER_BILINEAR
                                  : CAIRO_FILTER_NEAREST);
  Place(p);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  return FOpacity;
}
