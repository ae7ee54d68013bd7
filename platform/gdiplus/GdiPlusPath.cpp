#include "platform/gdiplus/GdiPlusPath.h"

#include <algorithm>
#include <cmath>

#include "platform/gdiplus/GdiPlusCairo.h"

namespace Gdiplus {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool IsFinitePoint(const PointF& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

// Parametric angle of the ellipse point whose geometric angle is theta.
double ParametricAngle(double theta, double a, double b) {
  double t = std::atan2(a * std::sin(theta), b * std::cos(theta));
  return t + 2 * kPi * std::round((theta - t) / (2 * kPi));
}

}  // namespace

void ToCairoMatrix(const Matrix& m, cairo_matrix_t* out) {
  const REAL* e = m.Elements();
  cairo_matrix_init(out, e[0], e[1], e[2], e[3], e[4], e[5]);
}

Matrix FromCairoMatrix(const cairo_matrix_t& m) {
  return Matrix(REAL(m.xx), REAL(m.yx), REAL(m.xy), REAL(m.yy), REAL(m.x0), REAL(m.y0));
}

cairo_fill_rule_t ToCairoFillRule(FillMode mode) {
  return mode == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD;
}

cairo_t* CreateScratchContext() {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* cr = cairo_create(s);
  cairo_surface_destroy(s);
  return cr;
}

void AppendPathToCairo(cairo_t* cr, const GraphicsPath& path) {
  const auto& pts = path.Points();
  const auto& types = path.Types();
  size_t n = pts.size();
  for (size_t i = 0; i < n; ++i) {
    uint8_t kind = types[i] & PathPointTypePathTypeMask;
    if (kind == PathPointTypeStart) {
      cairo_move_to(cr, pts[i].X, pts[i].Y);
    } else if (kind == PathPointTypeBezier && i + 2 < n) {
      cairo_curve_to(cr, pts[i].X, pts[i].Y, pts[i + 1].X, pts[i + 1].Y, pts[i + 2].X,
                     pts[i + 2].Y);
      i += 2;
    } else {
      cairo_line_to(cr, pts[i].X, pts[i].Y);
    }
    if (types[i] & PathPointTypeCloseSubpath) cairo_close_path(cr);
  }
}

void AppendCairoPath(GraphicsPath& path, const cairo_path_t* data) {
  bool pending = false;
  PointF start;
  for (int i = 0; i < data->num_data; i += data->data[i].header.length) {
    const cairo_path_data_t* d = &data->data[i];
    switch (d->header.type) {
      case CAIRO_PATH_MOVE_TO:
        pending = true;
        start = PointF(REAL(d[1].point.x), REAL(d[1].point.y));
        break;
      case CAIRO_PATH_LINE_TO:
        if (pending) path.AppendRaw(start, PathPointTypeStart);
        pending = false;
        path.AppendRaw(PointF(REAL(d[1].point.x), REAL(d[1].point.y)), PathPointTypeLine);
        break;
      case CAIRO_PATH_CURVE_TO:
        if (pending) path.AppendRaw(start, PathPointTypeStart);
        pending = false;
        for (int k = 1; k <= 3; ++k)
          path.AppendRaw(PointF(REAL(d[k].point.x), REAL(d[k].point.y)), PathPointTypeBezier);
        break;
      case CAIRO_PATH_CLOSE_PATH:
        path.CloseFigure();
        break;
    }
  }
  path.StartFigure();
}

GraphicsPath::GraphicsPath(FillMode fillMode) : FFillMode(fillMode) {}

GraphicsPath::GraphicsPath(const PointF* points, const uint8_t* types, INT count, FillMode fillMode)
    : FFillMode(fillMode) {
  if (!points || !types || count < 0) {
    SetStatus(InvalidParameter);
    return;
  }
  FPoints.assign(points, points + count);
  FTypes.assign(types, types + count);
  FNewFigure = count == 0 || (types[count - 1] & PathPointTypeCloseSubpath);
}

Status GraphicsPath::Reset() {
  FPoints.clear();
  FTypes.clear();
  FFillMode = FillModeAlternate;
  FNewFigure = true;
  return Ok;
}

Status GraphicsPath::SetFillMode(FillMode fillMode) {
  if (fillMode != FillModeAlternate && fillMode != FillModeWinding)
    return SetStatus(InvalidParameter);
  FFillMode = fillMode;
  return Ok;
}

Status GraphicsPath::StartFigure() {
  FNewFigure = true;
  return Ok;
}

Status GraphicsPath::CloseFigure() {
  if (!FTypes.empty()) FTypes.back() |= PathPointTypeCloseSubpath;
  FNewFigure = true;
  return Ok;
}

Status GraphicsPath::CloseAllFigures() {
  for (size_t i = 1; i <= FTypes.size(); ++i) {
    bool lastOfFigure = i == FTypes.size() || FTypes[i] == PathPointTypeStart;
    if (lastOfFigure) FTypes[i - 1] |= PathPointTypeCloseSubpath;
  }
  FNewFigure = true;
  return Ok;
}

void GraphicsPath::AddLinePoint(const PointF& p) {
  if (FNewFigure || FPoints.empty()) {
    FPoints.push_back(p);
    FTypes.push_back(PathPointTypeStart);
    FNewFigure = false;
    return;
  }
  if (FPoints.back().Equals(p)) return;
  FPoints.push_back(p);
  FTypes.push_back(PathPointTypeLine);
}

void GraphicsPath::AppendRaw(const PointF& p, uint8_t type) {
  FPoints.push_back(p);
  FTypes.push_back(type);
  FNewFigure = false;
}

Status GraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2) {
  PointF p1(x1, y1), p2(x2, y2);
  if (!IsFinitePoint(p1) || !IsFinitePoint(p2)) return SetStatus(InvalidParameter);
  AddLinePoint(p1);
  FPoints.push_back(p2);
  FTypes.push_back(PathPointTypeLine);
  return Ok;
}

Status GraphicsPath::AddLines(const PointF* points, INT count) {
  if (!points || count <= 0) return SetStatus(InvalidParameter);
  for (INT i = 0; i < count; ++i) AddLinePoint(points[i]);
  return Ok;
}

Status GraphicsPath::AddBezier(const PointF& pt1, const PointF& pt2, const PointF& pt3,
                               const PointF& pt4) {
  AddLinePoint(pt1);
  for (const PointF* p : {&pt2, &pt3, &pt4}) {
    FPoints.push_back(*p);
    FTypes.push_back(PathPointTypeBezier);
  }
  return Ok;
}

Status GraphicsPath::AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4,
                               REAL y4) {
  return AddBezier(PointF(x1, y1), PointF(x2, y2), PointF(x3, y3), PointF(x4, y4));
}

Status GraphicsPath::AddBeziers(const PointF* points, INT count) {
  if (!points || count < 4 || (count - 1) % 3 != 0) return SetStatus(InvalidParameter);
  for (INT i = 0; i + 3 < count; i += 3)
    AddBezier(points[i], points[i + 1], points[i + 2], points[i + 3]);
  return Ok;
}

void GraphicsPath::AddArcSegments(const RectF& rect, REAL startAngle, REAL sweepAngle) {
  double a = rect.Width / 2.0, b = rect.Height / 2.0;
  double cx = rect.X + a, cy = rect.Y + b;
  double sweep = std::clamp<double>(sweepAngle, -360.0, 360.0);
  int segments = std::max(1, int(std::ceil(std::fabs(sweep) / 90.0 - 1e-9)));
  double step = sweep / segments;
  auto pointAt = [&](double t) {
    return PointF(REAL(cx + a * std::cos(t)), REAL(cy + b * std::sin(t)));
  };
  double g0 = startAngle * kPi / 180.0;
  double t0 = ParametricAngle(g0, a, b);
  AddLinePoint(pointAt(t0));
  for (int i = 1; i <= segments; ++i) {
    double g1 = (startAngle + step * i) * kPi / 180.0;
    double t1 = ParametricAngle(g1, a, b);
    // keep the parametric angle moving in the sweep's direction
    if (sweep > 0)
      while (t1 < t0) t1 += 2 * kPi;
    else
      while (t1 > t0) t1 -= 2 * kPi;
    if (std::fabs(sweep) >= 360.0 && i == segments)
      t1 = ParametricAngle(g0, a, b) + (sweep > 0 ? 2 * kPi : -2 * kPi);
    double k = 4.0 / 3.0 * std::tan((t1 - t0) / 4.0);
    PointF p0 = pointAt(t0), p3 = pointAt(t1);
    PointF c1(REAL(p0.X - k * a * std::sin(t0)), REAL(p0.Y + k * b * std::cos(t0)));
    PointF c2(REAL(p3.X + k * a * std::sin(t1)), REAL(p3.Y - k * b * std::cos(t1)));
    for (const PointF& p : {c1, c2, p3}) {
      FPoints.push_back(p);
      FTypes.push_back(PathPointTypeBezier);
    }
    t0 = t1;
  }
}

Status GraphicsPath::AddArc(const RectF& rect, REAL startAngle, REAL sweepAngle) {
  if (rect.Width <= 0 || rect.Height <= 0) return SetStatus(InvalidParameter);
  AddArcSegments(rect, startAngle, sweepAngle);
  return Ok;
}

Status GraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                            REAL sweepAngle) {
  return AddArc(RectF(x, y, width, height), startAngle, sweepAngle);
}

Status GraphicsPath::AddRectangle(const RectF& rect) {
  if (rect.Width == 0 || rect.Height == 0) return Ok;  // nothing to add, as for an empty area
  StartFigure();
  AddLinePoint(PointF(rect.X, rect.Y));
  AddLinePoint(PointF(rect.GetRight(), rect.Y));
  AddLinePoint(PointF(rect.GetRight(), rect.GetBottom()));
  AddLinePoint(PointF(rect.X, rect.GetBottom()));
  return CloseFigure();
}

Status GraphicsPath::AddRectangles(const RectF* rects, INT count) {
  if (!rects || count <= 0) return SetStatus(InvalidParameter);
  for (INT i = 0; i < count; ++i) AddRectangle(rects[i]);
  return Ok;
}

Status GraphicsPath::AddEllipse(const RectF& rect) {
  if (rect.Width <= 0 || rect.Height <= 0) return SetStatus(InvalidParameter);
  StartFigure();
  AddArcSegments(rect, 0, 360);
  return CloseFigure();
}

Status GraphicsPath::AddEllipse(REAL x, REAL y, REAL width, REAL height) {
  return AddEllipse(RectF(x, y, width, height));
}

Status GraphicsPath::AddPie(const RectF& rect, REAL startAngle, REAL sweepAngle) {
  if (rect.Width <= 0 || rect.Height <= 0) return SetStatus(InvalidParameter);
  StartFigure();
  AddLinePoint(PointF(rect.X + rect.Width / 2, rect.Y + rect.Height / 2));
  AddArcSegments(rect, startAngle, sweepAngle);
  return CloseFigure();
}

Status GraphicsPath::AddPolygon(const PointF* points, INT count) {
  if (!points || count < 3) return SetStatus(InvalidParameter);
  StartFigure();
  for (INT i = 0; i < count; ++i) AddLinePoint(points[i]);
  return CloseFigure();
}

Status GraphicsPath::AddPath(const GraphicsPath* addingPath, bool connect) {
  if (!addingPath) return SetStatus(InvalidParameter);
  if (addingPath == this) {
    GraphicsPath copy(*this);
    return AddPath(&copy, connect);
  }
  const auto& pts = addingPath->FPoints;
  const auto& types = addingPath->FTypes;
  for (size_t i = 0; i < pts.size(); ++i) {
    uint8_t t = types[i];
    if (i == 0 && connect && !FNewFigure && !FPoints.empty()) t = PathPointTypeLine;
    FPoints.push_back(pts[i]);
    FTypes.push_back(t);
  }
  FNewFigure = addingPath->FNewFigure;
  return Ok;
}

Status GraphicsPath::GetPathPoints(PointF* points, INT count) const {
  if (!points || count < GetPointCount()) return SetStatus(InsufficientBuffer);
  std::copy(FPoints.begin(), FPoints.end(), points);
  return Ok;
}

Status GraphicsPath::GetPathTypes(uint8_t* types, INT count) const {
  if (!types || count < GetPointCount()) return SetStatus(InsufficientBuffer);
  std::copy(FTypes.begin(), FTypes.end(), types);
  return Ok;
}

Status GraphicsPath::GetPathData(PathData* pathData) const {
  if (!pathData) return SetStatus(InvalidParameter);
  pathData->Count = GetPointCount();
  pathData->Points = FPoints;
  pathData->Types = FTypes;
  return Ok;
}

Status GraphicsPath::GetLastPoint(PointF* lastPoint) const {
  if (!lastPoint) return SetStatus(InvalidParameter);
  if (FPoints.empty()) return SetStatus(WrongState);
  *lastPoint = FPoints.back();
  return Ok;
}

Status GraphicsPath::Transform(const Matrix* matrix) {
  if (!matrix) return Ok;
  if (!FPoints.empty()) matrix->TransformPoints(FPoints.data(), GetPointCount());
  return Ok;
}

Status GraphicsPath::Flatten(const Matrix* matrix, REAL flatness) {
  GraphicsPath transformed(*this);
  transformed.Transform(matrix);
  cairo_t* cr = CreateScratchContext();
  cairo_set_tolerance(cr, std::max(0.001, double(flatness)));
  AppendPathToCairo(cr, transformed);
  cairo_path_t* flat = cairo_copy_path_flat(cr);
  FPoints.clear();
  FTypes.clear();
  FNewFigure = true;
  AppendCairoPath(*this, flat);
  cairo_path_destroy(flat);
  cairo_destroy(cr);
  return Ok;
}

Status GraphicsPath::GetBounds(RectF* bounds, const Matrix* matrix, const Pen* pen) const {
  if (!bounds) return SetStatus(InvalidParameter);
  *bounds = RectF();
  if (FPoints.empty()) return Ok;
  cairo_t* cr = CreateScratchContext();
  cairo_set_tolerance(cr, 0.01);
  GraphicsPath transformed(*this);
  transformed.Transform(matrix);
  if (pen) {
    // the pen widens the transformed outline
    AppendPathToCairo(cr, transformed);
    ApplyPenStyle(cr, *pen);
    double x1, y1, x2, y2;
    cairo_stroke_extents(cr, &x1, &y1, &x2, &y2);
    *bounds = RectF(REAL(x1), REAL(y1), REAL(x2 - x1), REAL(y2 - y1));
    cairo_destroy(cr);
    return Ok;
  }
  AppendPathToCairo(cr, transformed);
  cairo_path_t* flat = cairo_copy_path_flat(cr);
  double x1 = INFINITY, y1 = INFINITY, x2 = -INFINITY, y2 = -INFINITY;
  for (int i = 0; i < flat->num_data; i += flat->data[i].header.length) {
    if (flat->data[i].header.type == CAIRO_PATH_CLOSE_PATH) continue;
    double x = flat->data[i + 1].point.x, y = flat->data[i + 1].point.y;
    x1 = std::min(x1, x);
    y1 = std::min(y1, y);
    x2 = std::max(x2, x);
    y2 = std::max(y2, y);
  }
  cairo_path_destroy(flat);
  cairo_destroy(cr);
  if (x1 <= x2) *bounds = RectF(REAL(x1), REAL(y1), REAL(x2 - x1), REAL(y2 - y1));
  return Ok;
}

bool GraphicsPath::IsVisible(REAL x, REAL y, const Graphics*) const {
  if (FPoints.empty()) return false;
  cairo_t* cr = CreateScratchContext();
  AppendPathToCairo(cr, *this);
  cairo_set_fill_rule(cr, ToCairoFillRule(FFillMode));
  bool inside = cairo_in_fill(cr, x, y);
  cairo_destroy(cr);
  return inside;
}

bool GraphicsPath::IsOutlineVisible(REAL x, REAL y, const Pen* pen, const Graphics*) const {
  if (FPoints.empty() || !pen) return false;
  cairo_t* cr = CreateScratchContext();
  AppendPathToCairo(cr, *this);
  ApplyPenStyle(cr, *pen);
  bool on = cairo_in_stroke(cr, x, y);
  cairo_destroy(cr);
  return on;
}

}  // namespace Gdiplus
