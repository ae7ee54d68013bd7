// Lines, shapes, arcs and paths with the current pen and brush.
//
// Figures are built in device pixels, a whole number being a pixel's index.
// Fills take those numbers as pixel edges, so a filled box leaves out its
// right and bottom edge; outlines run through pixel centres. Pens of one
// pixel (cosmetic) are drawn pixel by pixel with the platform's dash cells,
// leaving out a line's end pixel; wider and geometric pens are stroked by
// Cairo with their caps, joins and dashes.

#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiInternal.h"

namespace gdi {
namespace detail {

namespace {

constexpr double kPi = 3.14159265358979323846;

PathOp MoveOp(double x, double y) { return {PathOp::Move, {x}, {y}}; }
PathOp LineOp(double x, double y) { return {PathOp::Line, {x}, {y}}; }
PathOp CloseOp() { return {PathOp::Close, {}, {}}; }

// Points of the ellipse inscribed in (l, t, r, b) from parameter angle a0,
// turning by sweep (radians; positive runs clockwise on the screen).
void AddEllipseArc(Path& path, double l, double t, double r, double b, double a0, double sweep,
                   bool move) {
  double cx = (l + r) / 2, cy = (t + b) / 2, rx = std::fabs(r - l) / 2, ry = std::fabs(b - t) / 2;
  int steps = std::clamp(int(std::ceil(std::fabs(sweep) * std::max(rx, ry) / 2)), 4, 2000);
  for (int i = 0; i <= steps; ++i) {
    double a = a0 + sweep * i / steps;
    double x = cx + rx * std::cos(a), y = cy + ry * std::sin(a);
    path.push_back(i == 0 && move ? MoveOp(x, y) : LineOp(x, y));
  }
}

// The parameter angle of the point where the ray from the centre towards
// (x, y) meets the ellipse.
double RayAngle(double l, double t, double r, double b, double x, double y) {
  double cx = (l + r) / 2, cy = (t + b) / 2, rx = std::fabs(r - l) / 2, ry = std::fabs(b - t) / 2;
  double dx = x - cx, dy = y - cy;
  return std::atan2(ry > 0 ? dy / ry : dy, rx > 0 ? dx / rx : dx);
}

}  // namespace

Path EllipsePath(double l, double t, double r, double b) {
  Path p;
  AddEllipseArc(p, l, t, r, b, 0, 2 * kPi, true);
  p.push_back(CloseOp());
  return p;
}

Path RoundRectPath(double l, double t, double r, double b, double w, double h) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  double rx = std::min(std::fabs(w), r - l) / 2, ry = std::min(std::fabs(h), b - t) / 2;
  Path p;
  AddEllipseArc(p, r - 2 * rx, t, r, t + 2 * ry, -kPi / 2, kPi / 2, true);
  AddEllipseArc(p, r - 2 * rx, b - 2 * ry, r, b, 0, kPi / 2, false);
  AddEllipseArc(p, l, b - 2 * ry, l + 2 * rx, b, kPi / 2, kPi / 2, false);
  AddEllipseArc(p, l, t, l + 2 * rx, t + 2 * ry, kPi, kPi / 2, false);
  p.push_back(CloseOp());
  return p;
}

namespace {

// Narrows the drawing box to the path's extent grown by Grow pixels, so a
// small shape on a large bitmap rasterises only its own neighbourhood.
// Curves lie within their control points, so those bound them too. Vector
// contexts keep the whole box: the pieces they pass on stay as they were.
bool NarrowToPath(const DC& dc, const Path& path, double Grow, int& x, int& y, int& w, int& h) {
  if (dc.Vector) return w > 0 && h > 0;
  double l = 1e300, t = 1e300, r = -1e300, b = -1e300;
  for (const PathOp& op : path) {
    const int n = op.T == PathOp::Curve ? 3 : (op.T == PathOp::Close ? 0 : 1);
    for (int i = 0; i < n; ++i) {
      l = std::min(l, op.X[i]);
      r = std::max(r, op.X[i]);
      t = std::min(t, op.Y[i]);
      b = std::max(b, op.Y[i]);
    }
  }
  if (l > r) return w > 0 && h > 0;
  const double lim = 1e9;
  const int nl = int(std::floor(std::clamp(l - Grow, -lim, lim)));
  const int nt = int(std::floor(std::clamp(t - Grow, -lim, lim)));
  const int nr = int(std::ceil(std::clamp(r + Grow, -lim, lim))) + 1;
  const int nb = int(std::ceil(std::clamp(b + Grow, -lim, lim))) + 1;
  const int x1 = std::min(x + w, nr), y1 = std::min(y + h, nb);
  x = std::max(x, nl);
  y = std::max(y, nt);
  w = x1 - x;
  h = y1 - y;
  return w > 0 && h > 0;
}

}  // namespace

Mask FillMask(const DC& dc, const Path& path, int rule, bool clipped) {
  int x, y, w, h;
  if (!DrawBox(dc, x, y, w, h, clipped)) return Mask();
  if (!NarrowToPath(dc, path, 2, x, y, w, h)) return Mask();
  MaskCanvas mc(x, y, w, h);
  EmitPath(mc.Cr, path);
  cairo_set_fill_rule(mc.Cr, rule == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(mc.Cr);
  return mc.Take();
}

namespace {

void SetDashes(cairo_t* cr, const Pen& pen, double width) {
  static const double kCells[5][6] = {{0}, {3, 1}, {1, 1}, {3, 1, 1, 1}, {3, 1, 1, 1, 1, 1}};
  static const int kCounts[5] = {0, 2, 2, 4, 6};
  DWORD dash = pen.Dash();
  std::vector<double> d;
  if (dash == PS_USERSTYLE) {
    for (DWORD v : pen.User) d.push_back(double(v) * width / std::max(1, pen.Width));
  } else if (dash >= PS_DASH && dash <= PS_DASHDOTDOT) {
    for (int i = 0; i < kCounts[dash]; ++i) d.push_back(kCells[dash][i] * width);
  }
  bool any = std::any_of(d.begin(), d.end(), [](double v) { return v > 0; });
  if (any) cairo_set_dash(cr, d.data(), int(d.size()), 0);
}

}  // namespace

Mask StrokeMask(const DC& dc, const Path& path, const Pen& pen, bool clipped) {
  int x, y, w, h;
  if (!DrawBox(dc, x, y, w, h, clipped)) return Mask();
  // Miter joins reach furthest: the limit of 10 times half the width.
  if (!NarrowToPath(dc, path, 5.0 * std::max(1, pen.Width) + 2, x, y, w, h)) return Mask();
  MaskCanvas mc(x, y, w, h);
  cairo_translate(mc.Cr, 0.5, 0.5);
  EmitPath(mc.Cr, path);
  SetStrokeStyle(mc.Cr, dc, pen, false);
  cairo_stroke(mc.Cr);
  return mc.Take();
}

namespace {

// The on/off cells of a one-pixel pen, in pixels; empty for solid.
std::vector<int> CosmeticCells(const Pen& pen) {
  switch (pen.Dash()) {
    case PS_DASH:
      return {18, 6};
    case PS_DOT:
      return {3, 3};
    case PS_DASHDOT:
      return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
      return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE:
      return {1, 1};
    case PS_USERSTYLE:
      return std::vector<int>(pen.User.begin(), pen.User.end());
    default:
      return {};
  }
}

}  // namespace

void SetStrokeStyle(cairo_t* cr, const DC& dc, const Pen& pen, bool cosmetic) {
  if (cosmetic) {
    cairo_set_line_width(cr, 1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    std::vector<double> d;
    for (int c : CosmeticCells(pen)) d.push_back(std::max(0, c));
    bool any = std::any_of(d.begin(), d.end(), [](double v) { return v > 0; });
    if (any) cairo_set_dash(cr, d.data(), int(d.size()), 0);
    return;
  }
  double width = std::max(1.0, pen.Width * std::fabs(dc.ScaleX()));
  cairo_set_line_width(cr, width);
  DWORD cap = pen.Style & PS_ENDCAP_MASK, join = pen.Style & PS_JOIN_MASK;
  cairo_set_line_cap(cr, cap == PS_ENDCAP_FLAT     ? CAIRO_LINE_CAP_BUTT
                         : cap == PS_ENDCAP_SQUARE ? CAIRO_LINE_CAP_SQUARE
                                                   : CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, join == PS_JOIN_BEVEL   ? CAIRO_LINE_JOIN_BEVEL
                          : join == PS_JOIN_MITER ? CAIRO_LINE_JOIN_MITER
                                                  : CAIRO_LINE_JOIN_ROUND);
  SetDashes(cr, pen, width);
}

namespace {

// Where a path element ends.
void EndOf(const PathOp& op, double& x, double& y) {
  int k = op.T == PathOp::Curve ? 2 : 0;
  x = op.X[k], y = op.Y[k];
}

// Moves (x, y) by half a pixel along the direction from (fx, fy) to (tx, ty).
void HalfStep(double fx, double fy, double tx, double ty, double& x, double& y) {
  double dx = tx - fx, dy = ty - fy, len = std::hypot(dx, dy);
  if (len <= 0) return;
  x += dx / len / 2, y += dy / len / 2;
}

}  // namespace

Path CosmeticOutline(const Path& path) {
  Path out = path;
  for (size_t start = 0, end; start < out.size(); start = end) {
    end = start + 1;
    while (end < out.size() && out[end].T != PathOp::Move) ++end;
    bool closed = false;
    for (size_t i = start; i < end; ++i) closed = closed || out[i].T == PathOp::Close;
    if (closed || out[start].T != PathOp::Move || end - start < 2) continue;
    // The first point moves back, away from where the figure heads.
    const PathOp& next = path[start + 1];
    double fx = path[start].X[0], fy = path[start].Y[0];
    HalfStep(next.X[0], next.Y[0], fx, fy, out[start].X[0], out[start].Y[0]);
    // The last point moves back towards where it came from.
    if (out[end - 1].T != PathOp::Line) continue;
    double px, py;
    EndOf(path[end - 2], px, py);
    HalfStep(out[end - 1].X[0], out[end - 1].Y[0], px, py, out[end - 1].X[0], out[end - 1].Y[0]);
  }
  return out;
}

namespace {

struct Stepper {
  std::vector<int> Cells;
  long Pos = 0;
  long Total = 0;
  bool On() {
    if (Total == 0) return true;
    long p = Pos++ % Total;
    for (size_t i = 0; i < Cells.size(); ++i) {
      if (p < Cells[i]) return i % 2 == 0;
      p -= Cells[i];
    }
    return true;
  }
};

// One pixel line from (x0, y0) up to, not including, (x1, y1).
void Bresenham(Mask& m, Stepper& st, int x0, int y0, int x1, int y1) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    if (st.On() && x0 >= m.X && y0 >= m.Y && x0 < m.X + m.W && y0 < m.Y + m.H)
      m.A[size_t(y0 - m.Y) * size_t(m.W) + size_t(x0 - m.X)] = 255;
    int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

Mask CosmeticMask(const DC& dc, const Path& path) {
  int x, y, w, h;
  if (!DrawBox(dc, x, y, w, h)) return Mask();
  if (!NarrowToPath(dc, path, 2, x, y, w, h)) return Mask();
  Mask m;
  m.X = x, m.Y = y, m.W = w, m.H = h;
  m.A.assign(size_t(w) * size_t(h), 0);
  // Curves are flattened by Cairo first.
  MaskCanvas flat(0, 0, 1, 1);
  cairo_translate(flat.Cr, flat.X, flat.Y);
  EmitPath(flat.Cr, path);
  cairo_set_tolerance(flat.Cr, 0.1);
  cairo_path_t* p = cairo_copy_path_flat(flat.Cr);
  Stepper st;
  st.Cells = CosmeticCells(*dc.S.CurPen);
  for (int c : st.Cells) st.Total += std::max(0, c);
  double px = 0, py = 0, sx = 0, sy = 0;
  for (int i = 0; i < p->num_data; i += p->data[i].header.length) {
    const cairo_path_data_t& d = p->data[i];
    if (d.header.type == CAIRO_PATH_MOVE_TO) {
      px = sx = p->data[i + 1].point.x;
      py = sy = p->data[i + 1].point.y;
    } else if (d.header.type == CAIRO_PATH_LINE_TO || d.header.type == CAIRO_PATH_CLOSE_PATH) {
      double nx = d.header.type == CAIRO_PATH_LINE_TO ? p->data[i + 1].point.x : sx;
      double ny = d.header.type == CAIRO_PATH_LINE_TO ? p->data[i + 1].point.y : sy;
      Bresenham(m, st, int(std::lround(px)), int(std::lround(py)), int(std::lround(nx)),
                int(std::lround(ny)));
      px = nx, py = ny;
    }
  }
  cairo_path_destroy(p);
  return m;
}

}  // namespace

void StrokeFigure(DC& dc, const Path& path, bool) {
  if (PenIsNull(dc) || path.empty()) return;
  const Pen& pen = *dc.S.CurPen;
  Outline o;
  o.P = &path;
  o.Stroke = &pen;
  o.Cosmetic = !pen.Geometric() && pen.Width <= 1;
  PaintOutline(dc, o.Cosmetic ? CosmeticMask(dc, path) : StrokeMask(dc, path, pen), PenSource(dc),
               o);
}

void FillFigure(DC& dc, const Path& path) {
  Source s = BrushSource(dc, nullptr);
  if (s.None || path.empty()) return;
  Outline o;
  o.P = &path;
  o.FillRule = dc.S.FillMode;
  PaintOutline(dc, FillMask(dc, path, dc.S.FillMode), s, o);
}

namespace {

// Within half a pixel: an arc ends between pixels while the current
// position it leaves is read back rounded.
bool SamePoint(const PathOp& a, double x, double y) {
  return a.T != PathOp::Close && std::fabs(a.X[a.T == PathOp::Curve ? 2 : 0] - x) <= 0.5 &&
         std::fabs(a.Y[a.T == PathOp::Curve ? 2 : 0] - y) <= 0.5;
}

void AppendToPath(DC& dc, const Path& figure) {
  size_t start = 0;
  if (!figure.empty() && figure[0].T == PathOp::Move && !dc.CurPath.empty() &&
      SamePoint(dc.CurPath.back(), figure[0].X[0], figure[0].Y[0]))
    start = 1;  // a figure that goes on from where the last ended
  dc.CurPath.insert(dc.CurPath.end(), figure.begin() + long(start), figure.end());
}

}  // namespace

// Draws a figure (fill under outline) or, inside a path bracket, records it.
bool Shape(DC& dc, const Path& fill, const Path& outline) {
  if (dc.InPath) {
    AppendToPath(dc, outline);
    return true;
  }
  if (!fill.empty()) FillFigure(dc, fill);
  StrokeFigure(dc, outline, false);
  return true;
}

}  // namespace detail

using namespace detail;

namespace {

struct Box {
  double L, T, R, B;
};

// A logical rectangle in device pixels, ordered.
Box DeviceBox(const DC& dc, int l, int t, int r, int b) {
  double x0 = std::round(dc.DX(l)), y0 = std::round(dc.DY(t));
  double x1 = std::round(dc.DX(r)), y1 = std::round(dc.DY(b));
  return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

// With no pen the filled box is one pixel smaller, as the platform draws it.
Box FillBox(const DC& dc, Box b) {
  if (PenIsNull(dc)) b.R -= 1, b.B -= 1;
  return b;
}

void SetCurrent(DC& dc, double devX, double devY) {
  dc.S.CurX = (devX - dc.S.ViewportOrg.x) / dc.ScaleX() + dc.S.WindowOrg.x;
  dc.S.CurY = (devY - dc.S.ViewportOrg.y) / dc.ScaleY() + dc.S.WindowOrg.y;
}

PathOp DevLine(const DC& dc, double x, double y, PathOp::Type t = PathOp::Line) {
  return {t, {std::round(dc.DX(x))}, {std::round(dc.DY(y))}};
}

enum class ArcKind { Arc, ArcTo, Pie, Chord };

BOOL ArcShape(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye, ArcKind kind) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  Box o = DeviceBox(*dc, l, t, r, b);
  o.R -= 1, o.B -= 1;  // the outline runs through the outer pixels
  double sx = dc->DX(xs), sy = dc->DY(ys), ex = dc->DX(xe), ey = dc->DY(ye);
  double a0 = RayAngle(o.L, o.T, o.R, o.B, sx, sy), a1 = RayAngle(o.L, o.T, o.R, o.B, ex, ey);
  // Counter-clockwise on the screen is a falling angle with y pointing down.
  double sweep = a1 - a0;
  if (dc->S.ArcDirection == AD_COUNTERCLOCKWISE) {
    while (sweep >= 0) sweep -= 2 * kPi;
  } else {
    while (sweep <= 0) sweep += 2 * kPi;
  }
  Path p;
  if (kind == ArcKind::ArcTo) p.push_back(DevLine(*dc, dc->S.CurX, dc->S.CurY, PathOp::Move));
  if (kind == ArcKind::Pie) p.push_back(MoveOp((o.L + o.R) / 2, (o.T + o.B) / 2));
  AddEllipseArc(p, o.L, o.T, o.R, o.B, a0, sweep, kind == ArcKind::Arc || kind == ArcKind::Chord);
  const PathOp& end = p.back();
  if (kind == ArcKind::ArcTo) SetCurrent(*dc, end.X[0], end.Y[0]);
  bool closed = kind == ArcKind::Pie || kind == ArcKind::Chord;
  if (closed) p.push_back(CloseOp());
  return Shape(*dc, closed ? p : Path(), p);
}

}  // namespace

BOOL MoveToEx(HDC h, int x, int y, POINT* old) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  if (old) *old = POINT{LONG(std::lround(dc->S.CurX)), LONG(std::lround(dc->S.CurY))};
  dc->S.CurX = x, dc->S.CurY = y;
  if (dc->InPath) dc->CurPath.push_back(DevLine(*dc, x, y, PathOp::Move));
  return TRUE;
}

BOOL GetCurrentPositionEx(HDC h, POINT* pos) {
  auto dc = DCOf(h);
  if (!dc || !pos) return FALSE;
  *pos = POINT{LONG(std::lround(dc->S.CurX)), LONG(std::lround(dc->S.CurY))};
  return TRUE;
}

BOOL LineTo(HDC h, int x, int y) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  Path p{DevLine(*dc, dc->S.CurX, dc->S.CurY, PathOp::Move), DevLine(*dc, x, y)};
  dc->S.CurX = x, dc->S.CurY = y;
  return Shape(*dc, {}, p);
}

namespace {

// The path of a polyline, kept from one call to the next on the thread: a
// fast line of a million points is drawn on every paint, and fresh memory
// for its path (touched page by page) costs more than the drawing. Drawing
// a path never draws another polyline, so one is enough.
Path& PolylinePath(size_t Count) {
  thread_local Path path;
  path.clear();
  path.reserve(Count);
  return path;
}

}  // namespace

BOOL Polyline(HDC h, const POINT* pts, int count) {
  auto dc = DCOf(h);
  if (!dc || !pts || count < 2) return FALSE;
  Path& p = PolylinePath(size_t(count));
  for (int i = 0; i < count; ++i)
    p.push_back(DevLine(*dc, pts[i].x, pts[i].y, i ? PathOp::Line : PathOp::Move));
  return Shape(*dc, {}, p);
}

BOOL PolylineTo(HDC h, const POINT* pts, DWORD count) {
  auto dc = DCOf(h);
  if (!dc || !pts || count < 1) return FALSE;
  Path& p = PolylinePath(size_t(count) + 1);
  p.push_back(DevLine(*dc, dc->S.CurX, dc->S.CurY, PathOp::Move));
  for (DWORD i = 0; i < count; ++i) p.push_back(DevLine(*dc, pts[i].x, pts[i].y));
  dc->S.CurX = pts[count - 1].x, dc->S.CurY = pts[count - 1].y;
  return Shape(*dc, {}, p);
}

namespace {

BOOL Beziers(HDC h, const POINT* pts, DWORD count, bool fromCurrent) {
  auto dc = DCOf(h);
  if (!dc || !pts || (count - (fromCurrent ? 0 : 1)) % 3 != 0 || count < 3) return FALSE;
  Path p;
  DWORD i = 0;
  if (fromCurrent)
    p.push_back(DevLine(*dc, dc->S.CurX, dc->S.CurY, PathOp::Move));
  else
    p.push_back(DevLine(*dc, pts[i].x, pts[i].y, PathOp::Move)), ++i;
  for (; i + 2 < count; i += 3) {
    PathOp c{PathOp::Curve, {}, {}};
    for (int k = 0; k < 3; ++k)
      c.X[k] = std::round(dc->DX(pts[i + k].x)), c.Y[k] = std::round(dc->DY(pts[i + k].y));
    p.push_back(c);
  }
  if (fromCurrent) dc->S.CurX = pts[count - 1].x, dc->S.CurY = pts[count - 1].y;
  return Shape(*dc, {}, p);
}

}  // namespace

BOOL PolyBezier(HDC h, const POINT* pts, DWORD count) { return Beziers(h, pts, count, false); }
BOOL PolyBezierTo(HDC h, const POINT* pts, DWORD count) { return Beziers(h, pts, count, true); }

BOOL PolyPolygon(HDC h, const POINT* pts, const int* counts, int polygons) {
  auto dc = DCOf(h);
  if (!dc || !pts || !counts || polygons < 1) return FALSE;
  Path p;
  for (int k = 0, at = 0; k < polygons; at += counts[k], ++k) {
    if (counts[k] < 2) return FALSE;
    for (int i = 0; i < counts[k]; ++i)
      p.push_back(DevLine(*dc, pts[at + i].x, pts[at + i].y, i ? PathOp::Line : PathOp::Move));
    p.push_back(CloseOp());
  }
  return Shape(*dc, p, p);
}

BOOL Polygon(HDC h, const POINT* pts, int count) {
  int counts[1] = {count};
  return PolyPolygon(h, pts, counts, 1);
}

BOOL Rectangle(HDC h, int l, int t, int r, int b) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  Box o = DeviceBox(*dc, l, t, r, b), f = FillBox(*dc, o);
  Path fill{MoveOp(f.L, f.T), LineOp(f.R, f.T), LineOp(f.R, f.B), LineOp(f.L, f.B), CloseOp()};
  o.R -= 1, o.B -= 1;
  Path line{MoveOp(o.L, o.T), LineOp(o.R, o.T), LineOp(o.R, o.B), LineOp(o.L, o.B), CloseOp()};
  return Shape(*dc, fill, line);
}

BOOL RoundRect(HDC h, int l, int t, int r, int b, int w, int hh) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  double cw = w * std::fabs(dc->ScaleX()), ch = hh * std::fabs(dc->ScaleY());
  Box o = DeviceBox(*dc, l, t, r, b), f = FillBox(*dc, o);
  return Shape(*dc, RoundRectPath(f.L, f.T, f.R, f.B, cw, ch),
               RoundRectPath(o.L, o.T, o.R - 1, o.B - 1, cw, ch));
}

// Path with every point moved by (D, D) after rounding it to a whole
// pixel: with D 0 the points an outline passes through, with D one half
// the same points as pixel centres for a fill, which then covers the pixels
// inside that outline and none beyond it.
Path OnPixels(const Path& P, double D) {
  Path out = P;
  for (PathOp& op : out) {
    if (op.T == PathOp::Close) continue;
    const int n = op.T == PathOp::Curve ? 3 : 1;
    for (int i = 0; i < n; ++i) {
      op.X[i] = std::round(op.X[i]) + D;
      op.Y[i] = std::round(op.Y[i]) + D;
    }
  }
  return out;
}

BOOL Ellipse(HDC h, int l, int t, int r, int b) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  Box o = DeviceBox(*dc, l, t, r, b), f = FillBox(*dc, o);
  const Path curve = EllipsePath(o.L, o.T, o.R - 1, o.B - 1);
  // A path records the curve; without a pen no outline keeps the fill in.
  if (dc->InPath || PenIsNull(*dc)) return Shape(*dc, EllipsePath(f.L, f.T, f.R, f.B), curve);
  return Shape(*dc, OnPixels(curve, 0.5), OnPixels(curve, 0));
}

BOOL Arc(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return ArcShape(h, l, t, r, b, xs, ys, xe, ye, ArcKind::Arc);
}
BOOL ArcTo(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return ArcShape(h, l, t, r, b, xs, ys, xe, ye, ArcKind::ArcTo);
}
BOOL Pie(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return ArcShape(h, l, t, r, b, xs, ys, xe, ye, ArcKind::Pie);
}
BOOL Chord(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return ArcShape(h, l, t, r, b, xs, ys, xe, ye, ArcKind::Chord);
}

// ---- paths

BOOL BeginPath(HDC h) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  dc->InPath = true;
  dc->PathDone = false;
  dc->CurPath.clear();
  dc->WidenedBy.reset();
  return TRUE;
}

BOOL EndPath(HDC h) {
  auto dc = DCOf(h);
  if (!dc || !dc->InPath) return FALSE;
  dc->InPath = false;
  dc->PathDone = true;
  return TRUE;
}

BOOL AbortPath(HDC h) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  dc->InPath = dc->PathDone = false;
  dc->CurPath.clear();
  dc->WidenedBy.reset();
  return TRUE;
}

BOOL CloseFigure(HDC h) {
  auto dc = DCOf(h);
  if (!dc || !dc->InPath) return FALSE;
  dc->CurPath.push_back(CloseOp());
  return TRUE;
}

namespace {

// The area of the finished path: its inside, or its stroke once widened.
Mask PathArea(const DC& dc, bool clipped = true) {
  if (dc.WidenedBy) return StrokeMask(dc, dc.CurPath, *dc.WidenedBy, clipped);
  return FillMask(dc, dc.CurPath, dc.S.FillMode, clipped);
}

// What the finished path's area is as an outline.
Outline PathOutline(const DC& dc) {
  Outline o;
  o.P = &dc.CurPath;
  o.FillRule = dc.S.FillMode;
  o.Stroke = dc.WidenedBy.get();
  return o;
}

std::shared_ptr<DC> FinishedPath(HDC h) {
  auto dc = DCOf(h);
  return dc && dc->PathDone ? dc : nullptr;
}

void DropPath(DC& dc) {
  dc.PathDone = false;
  dc.CurPath.clear();
  dc.WidenedBy.reset();
}

}  // namespace

BOOL StrokePath(HDC h) {
  auto dc = FinishedPath(h);
  if (!dc) return FALSE;
  if (dc->WidenedBy)
    PaintOutline(*dc, PathArea(*dc), PenSource(*dc), PathOutline(*dc));
  else
    StrokeFigure(*dc, dc->CurPath, false);
  DropPath(*dc);
  return TRUE;
}

BOOL FillPath(HDC h) {
  auto dc = FinishedPath(h);
  if (!dc) return FALSE;
  PaintOutline(*dc, PathArea(*dc), BrushSource(*dc, nullptr), PathOutline(*dc));
  DropPath(*dc);
  return TRUE;
}

BOOL StrokeAndFillPath(HDC h) {
  auto dc = FinishedPath(h);
  if (!dc) return FALSE;
  PaintOutline(*dc, PathArea(*dc), BrushSource(*dc, nullptr), PathOutline(*dc));
  dc->PathDone = true;
  return StrokePath(h);
}

BOOL WidenPath(HDC h) {
  auto dc = FinishedPath(h);
  if (!dc || PenIsNull(*dc)) return FALSE;
  auto pen = std::make_shared<Pen>(*dc->S.CurPen);
  if (!pen->Geometric()) pen->Style = PS_GEOMETRIC | PS_ENDCAP_ROUND | PS_JOIN_ROUND;
  dc->WidenedBy = pen;
  return TRUE;
}

HRGN PathToRegion(HDC h) {
  auto dc = FinishedPath(h);
  if (!dc) return nullptr;
  Mask m = PathArea(*dc, false);
  DropPath(*dc);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  auto r = As<Region>(rgn, OBJ_REGION);
  for (auto& v : m.A) v = v ? 255 : 0;
  m.Trim();
  r->Area = std::move(m);
  return rgn;
}

BOOL SelectClipPath(HDC h, int mode) {
  auto dc = FinishedPath(h);
  if (!dc || mode < RGN_AND || mode > RGN_COPY) return FALSE;
  HRGN rgn = PathToRegion(h);
  int result = ExtSelectClipRgn(h, rgn, mode);
  DeleteObject(rgn);
  return result != RGN_ERROR;
}

}  // namespace gdi
