#include "platform/gdiplus/GdiPlusPen.h"

#include <cmath>

#include "platform/gdiplus/GdiPlusCairo.h"

namespace Gdiplus {

Pen::Pen(const Color& color, REAL width) : FBrush(new SolidBrush(color)), FWidth(width) {}

Pen::Pen(const Brush* brush, REAL width)
    : FBrush(brush ? brush->Clone() : new SolidBrush(Color(0xFF000000))), FWidth(width) {
  if (!brush) SetStatus(InvalidParameter);
}

Pen::Pen(const Pen& other)
    : FBrush(other.FBrush->Clone()),
      FWidth(other.FWidth),
      FStartCap(other.FStartCap),
      FEndCap(other.FEndCap),
      FDashCap(other.FDashCap),
      FLineJoin(other.FLineJoin),
      FMiterLimit(other.FMiterLimit),
      FDashStyle(other.FDashStyle),
      FDashPattern(other.FDashPattern),
      FDashOffset(other.FDashOffset),
      FAlignment(other.FAlignment) {}

Status Pen::SetWidth(REAL width) {
  if (!std::isfinite(width)) return SetStatus(InvalidParameter);
  FWidth = width;
  return Ok;
}

Status Pen::SetColor(const Color& color) {
  FBrush.reset(new SolidBrush(color));
  return Ok;
}

Status Pen::GetColor(Color* color) const {
  if (!color) return SetStatus(InvalidParameter);
  if (FBrush->GetType() != BrushTypeSolidColor) return SetStatus(WrongState);
  return static_cast<const SolidBrush*>(FBrush.get())->GetColor(color);
}

Status Pen::SetBrush(const Brush* brush) {
  if (!brush) return SetStatus(InvalidParameter);
  FBrush.reset(brush->Clone());
  return Ok;
}

Status Pen::SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap) {
  FStartCap = startCap;
  FEndCap = endCap;
  FDashCap = dashCap;
  return Ok;
}

Status Pen::SetStartCap(LineCap cap) {
  FStartCap = cap;
  return Ok;
}

Status Pen::SetEndCap(LineCap cap) {
  FEndCap = cap;
  return Ok;
}

Status Pen::SetDashCap(DashCap cap) {
  FDashCap = cap;
  return Ok;
}

Status Pen::SetLineJoin(LineJoin lineJoin) {
  FLineJoin = lineJoin;
  return Ok;
}

Status Pen::SetMiterLimit(REAL miterLimit) {
  FMiterLimit = miterLimit < 1 ? 1 : miterLimit;
  return Ok;
}

Status Pen::SetDashStyle(DashStyle dashStyle) {
  switch (dashStyle) {
    case DashStyleSolid:
      FDashPattern.clear();
      break;
    case DashStyleDash:
      FDashPattern = {3, 1};
      break;
    case DashStyleDot:
      FDashPattern = {1, 1};
      break;
    case DashStyleDashDot:
      FDashPattern = {3, 1, 1, 1};
      break;
    case DashStyleDashDotDot:
      FDashPattern = {3, 1, 1, 1, 1, 1};
      break;
    case DashStyleCustom:
      if (FDashPattern.empty()) FDashPattern = {1, 1};
      break;
    default:
      return SetStatus(InvalidParameter);
  }
  FDashStyle = dashStyle;
  return Ok;
}

Status Pen::SetDashPattern(const REAL* dashArray, INT count) {
  if (!dashArray || count <= 0) return SetStatus(InvalidParameter);
  for (INT i = 0; i < count; ++i)
    if (!(dashArray[i] >= 0) || !std::isfinite(dashArray[i])) return SetStatus(InvalidParameter);
  FDashPattern.assign(dashArray, dashArray + count);
  FDashStyle = DashStyleCustom;
  return Ok;
}

Status Pen::GetDashPattern(REAL* dashArray, INT count) const {
  if (!dashArray || count < GetDashPatternCount()) return SetStatus(InvalidParameter);
  for (size_t i = 0; i < FDashPattern.size(); ++i) dashArray[i] = FDashPattern[i];
  return Ok;
}

Status Pen::SetDashOffset(REAL dashOffset) {
  FDashOffset = dashOffset;
  return Ok;
}

Status Pen::SetAlignment(PenAlignment penAlignment) {
  FAlignment = penAlignment;
  return Ok;
}

namespace {

cairo_line_cap_t ToCairoCap(LineCap cap) {
  switch (cap) {
    case LineCapSquare:
      return CAIRO_LINE_CAP_SQUARE;
    case LineCapRound:
      return CAIRO_LINE_CAP_ROUND;
    default:
      return CAIRO_LINE_CAP_BUTT;
  }
}

cairo_line_join_t ToCairoJoin(LineJoin join) {
  switch (join) {
    case LineJoinBevel:
      return CAIRO_LINE_JOIN_BEVEL;
    case LineJoinRound:
      return CAIRO_LINE_JOIN_ROUND;
    default:
      return CAIRO_LINE_JOIN_MITER;
  }
}

}  // namespace

bool SetCairoDash(cairo_t* cr, const std::vector<REAL>& pattern, REAL offset, double width) {
  std::vector<double> dashes;
  bool anyLength = false;
  for (REAL d : pattern) {
    dashes.push_back(d * width);
    anyLength = anyLength || d > 0;
  }
  if (dashes.size() % 2 != 0) dashes.insert(dashes.end(), dashes.begin(), dashes.end());
  if (!anyLength) {
    cairo_set_dash(cr, nullptr, 0, 0);
    return false;
  }
  cairo_set_dash(cr, dashes.data(), int(dashes.size()), offset * width);
  return true;
}

void ApplyPenStyle(cairo_t* cr, const Pen& pen) {
  double width = pen.GetWidth();
  if (width <= 0) {
    // a zero-width pen draws the thinnest line the device has: one pixel
    double dx = 1, dy = 0;
    cairo_device_to_user_distance(cr, &dx, &dy);
    width = std::hypot(dx, dy);
  }
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, ToCairoJoin(pen.GetLineJoin()));
  cairo_set_miter_limit(cr, pen.GetMiterLimit());
  INT n = pen.GetDashPatternCount();
  if (n == 0) {
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_line_cap(cr, ToCairoCap(pen.GetStartCap()));
    return;
  }
  std::vector<REAL> pattern(static_cast<size_t>(n));
  pen.GetDashPattern(pattern.data(), n);
  SetCairoDash(cr, pattern, pen.GetDashOffset(), width);
  // dashes end in the dash cap; a round dash cap rounds every dash
  cairo_set_line_cap(cr,
                     pen.GetDashCap() == DashCapRound ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
}

}  // namespace Gdiplus
