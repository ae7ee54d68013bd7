// Regions as pixel sets, the coverage canvas and the clip region of a DC.

#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiInternal.h"

namespace gdi {
namespace detail {

bool Mask::Empty() const {
  return std::none_of(A.begin(), A.end(), [](uint8_t v) { return v != 0; });
}

void Mask::Trim() {
  int l = W, t = H, r = -1, b = -1;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (A[size_t(y) * size_t(W) + size_t(x)]) {
        l = std::min(l, x), r = std::max(r, x);
        t = std::min(t, y), b = std::max(b, y);
      }
  Mask m;
  if (r >= 0) {
    m.X = X + l, m.Y = Y + t, m.W = r - l + 1, m.H = b - t + 1;
    m.A.resize(size_t(m.W) * size_t(m.H));
    for (int y = 0; y < m.H; ++y)
      std::copy_n(&A[size_t(y + t) * size_t(W) + size_t(l)], m.W, &m.A[size_t(y) * size_t(m.W)]);
  }
  *this = std::move(m);
}

Mask RectMask(int l, int t, int r, int b) {
  Mask m;
  if (r <= l || b <= t) return m;
  m.X = l, m.Y = t, m.W = r - l, m.H = b - t;
  m.A.assign(size_t(m.W) * size_t(m.H), 255);
  return m;
}

Mask Combine(const Mask& a, const Mask& b, int mode) {
  if (mode == RGN_COPY) return a;
  int l = std::min(a.W ? a.X : b.X, b.W ? b.X : a.X);
  int t = std::min(a.H ? a.Y : b.Y, b.H ? b.Y : a.Y);
  int r = std::max(a.X + a.W, b.X + b.W), bt = std::max(a.Y + a.H, b.Y + b.H);
  Mask m;
  if (r <= l || bt <= t) return m;
  m.X = l, m.Y = t, m.W = r - l, m.H = bt - t;
  m.A.assign(size_t(m.W) * size_t(m.H), 0);
  for (int y = t; y < bt; ++y)
    for (int x = l; x < r; ++x) {
      bool in1 = a.At(x, y) != 0, in2 = b.At(x, y) != 0, in = false;
      switch (mode) {
        case RGN_AND:
          in = in1 && in2;
          break;
        case RGN_OR:
          in = in1 || in2;
          break;
        case RGN_XOR:
          in = in1 != in2;
          break;
        case RGN_DIFF:
          in = in1 && !in2;
          break;
      }
      if (in) m.A[size_t(y - t) * size_t(m.W) + size_t(x - l)] = 255;
    }
  m.Trim();
  return m;
}

MaskCanvas::MaskCanvas(int x, int y, int w, int h)
    : X(x), Y(y), W(std::max(w, 0)), H(std::max(h, 0)) {
  Surface = cairo_image_surface_create(CAIRO_FORMAT_A8, W, H);
  Cr = cairo_create(Surface);
  cairo_set_antialias(Cr, CAIRO_ANTIALIAS_NONE);
  cairo_translate(Cr, -X, -Y);
}

MaskCanvas::~MaskCanvas() {
  cairo_destroy(Cr);
  cairo_surface_destroy(Surface);
}

Mask MaskCanvas::Take() {
  cairo_surface_flush(Surface);
  Mask m;
  m.X = X, m.Y = Y, m.W = W, m.H = H;
  m.A.resize(size_t(W) * size_t(H));
  const uint8_t* data = cairo_image_surface_get_data(Surface);
  int stride = cairo_image_surface_get_stride(Surface);
  for (int y = 0; y < H && data; ++y)
    std::copy_n(data + size_t(y) * size_t(stride), W, &m.A[size_t(y) * size_t(W)]);
  return m;
}

void EmitPath(cairo_t* cr, const Path& path) {
  for (const PathOp& op : path) {
    switch (op.T) {
      case PathOp::Move:
        cairo_move_to(cr, op.X[0], op.Y[0]);
        break;
      case PathOp::Line:
        cairo_line_to(cr, op.X[0], op.Y[0]);
        break;
      case PathOp::Curve:
        cairo_curve_to(cr, op.X[0], op.Y[0], op.X[1], op.Y[1], op.X[2], op.Y[2]);
        break;
      case PathOp::Close:
        cairo_close_path(cr);
        break;
    }
  }
}

bool InClip(const DC& dc, int x, int y) { return !dc.S.HasClip || dc.S.Clip.At(x, y) != 0; }

bool DrawBox(const DC& dc, int& x, int& y, int& w, int& h, bool clipped) {
  const Bitmap& b = *dc.S.CurBitmap;
  x = 0, y = 0, w = b.Width, h = b.Height;
  if (clipped && dc.S.HasClip) {
    const Mask& c = dc.S.Clip;
    int r = std::min(w, c.X + c.W), bt = std::min(h, c.Y + c.H);
    x = std::max(0, c.X), y = std::max(0, c.Y);
    w = r - x, h = bt - y;
  }
  return w > 0 && h > 0;
}

namespace {

std::shared_ptr<Region> RegionOf(HRGN h) { return As<Region>(h, OBJ_REGION); }

HRGN NewRegion(Mask m) {
  auto r = std::make_shared<Region>();
  for (auto& v : m.A) v = v ? 255 : 0;
  m.Trim();
  r->Area = std::move(m);
  return Register(r);
}

int Complexity(const Mask& m) {
  if (m.W == 0) return NULLREGION;
  bool full = std::all_of(m.A.begin(), m.A.end(), [](uint8_t v) { return v != 0; });
  return full ? SIMPLEREGION : COMPLEXREGION;
}

Mask FillShape(int l, int t, int r, int b, const Path& path, int rule) {
  MaskCanvas mc(std::min(l, r) - 1, std::min(t, b) - 1, std::abs(r - l) + 2, std::abs(b - t) + 2);
  EmitPath(mc.Cr, path);
  cairo_set_fill_rule(mc.Cr, rule == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(mc.Cr);
  return mc.Take();
}

}  // namespace

Path EllipsePath(double l, double t, double r, double b);
Path RoundRectPath(double l, double t, double r, double b, double w, double h);

}  // namespace detail

using namespace detail;

HRGN CreateRectRgn(int l, int t, int r, int b) {
  return NewRegion(RectMask(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)));
}

HRGN CreateRectRgnIndirect(const RECT* rc) {
  return rc ? CreateRectRgn(rc->left, rc->top, rc->right, rc->bottom) : nullptr;
}

HRGN CreateEllipticRgn(int l, int t, int r, int b) {
  return NewRegion(FillShape(l, t, r, b, EllipsePath(l, t, r, b), ALTERNATE));
}

HRGN CreateRoundRectRgn(int l, int t, int r, int b, int w, int h) {
  return NewRegion(FillShape(l, t, r, b, RoundRectPath(l, t, r, b, w, h), ALTERNATE));
}

HRGN CreatePolygonRgn(const POINT* p, int count, int mode) {
  if (!p || count < 3 || (mode != ALTERNATE && mode != WINDING)) return nullptr;
  Path path;
  int l = p[0].x, t = p[0].y, r = l, b = t;
  for (int i = 0; i < count; ++i) {
    path.push_back({i ? PathOp::Line : PathOp::Move, {double(p[i].x)}, {double(p[i].y)}});
    l = std::min<int>(l, p[i].x), r = std::max<int>(r, p[i].x);
    t = std::min<int>(t, p[i].y), b = std::max<int>(b, p[i].y);
  }
  path.push_back({PathOp::Close, {}, {}});
  return NewRegion(FillShape(l, t, r, b, path, mode));
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
  auto d = RegionOf(dst), ra = RegionOf(a);
  auto rb = mode == RGN_COPY ? ra : RegionOf(b);
  if (!d || !ra || !rb || mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
  d->Area = Combine(ra->Area, rb->Area, mode);
  return Complexity(d->Area);
}

int GetRgnBox(HRGN h, RECT* box) {
  auto r = RegionOf(h);
  if (!r || !box) return RGN_ERROR;
  const Mask& m = r->Area;
  *box = m.W ? RECT{m.X, m.Y, m.X + m.W, m.Y + m.H} : RECT{};
  return Complexity(m);
}

BOOL PtInRegion(HRGN h, int x, int y) {
  auto r = RegionOf(h);
  return r && r->Area.At(x, y) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
  auto ra = RegionOf(a), rb = RegionOf(b);
  if (!ra || !rb) return FALSE;
  const Mask &x = ra->Area, &y = rb->Area;
  return x.X == y.X && x.Y == y.Y && x.W == y.W && x.H == y.H && x.A == y.A;
}

int OffsetRgn(HRGN h, int x, int y) {
  auto r = RegionOf(h);
  if (!r) return RGN_ERROR;
  r->Area.X += x;
  r->Area.Y += y;
  return Complexity(r->Area);
}

int GetClipRgn(HDC h, HRGN rgn) {
  auto dc = DCOf(h);
  auto r = RegionOf(rgn);
  if (!dc || !r) return -1;
  if (!dc->S.HasClip) return 0;
  r->Area = dc->S.Clip;
  return 1;
}

int ExtSelectClipRgn(HDC h, HRGN rgn, int mode) {
  auto dc = DCOf(h);
  if (!dc || mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
  if (!rgn) {
    if (mode != RGN_COPY) return RGN_ERROR;
    dc->S.HasClip = false;
    dc->S.Clip = Mask();
    dc->S.ClipRects.reset();
    return SIMPLEREGION;
  }
  auto r = RegionOf(rgn);
  if (!r) return RGN_ERROR;
  const Bitmap& b = *dc->S.CurBitmap;
  Mask current = dc->S.HasClip ? dc->S.Clip : RectMask(0, 0, b.Width, b.Height);
  dc->S.Clip = mode == RGN_COPY ? r->Area : Combine(current, r->Area, mode);
  dc->S.HasClip = true;
  dc->S.ClipRects.reset();
  return Complexity(dc->S.Clip);
}

int SelectClipRgn(HDC h, HRGN rgn) { return ExtSelectClipRgn(h, rgn, RGN_COPY); }

namespace {

int ClipWithRect(HDC h, int l, int t, int r, int b, int mode) {
  auto dc = DCOf(h);
  if (!dc) return RGN_ERROR;
  int x0 = int(std::lround(dc->DX(l))), y0 = int(std::lround(dc->DY(t)));
  int x1 = int(std::lround(dc->DX(r))), y1 = int(std::lround(dc->DY(b)));
  HRGN rgn = CreateRectRgn(x0, y0, x1, y1);
  int result = ExtSelectClipRgn(h, rgn, mode);
  DeleteObject(rgn);
  return result;
}

}  // namespace

int IntersectClipRect(HDC h, int l, int t, int r, int b) {
  return ClipWithRect(h, l, t, r, b, RGN_AND);
}
int ExcludeClipRect(HDC h, int l, int t, int r, int b) {
  return ClipWithRect(h, l, t, r, b, RGN_DIFF);
}

int GetClipBox(HDC h, RECT* box) {
  auto dc = DCOf(h);
  if (!dc || !box) return RGN_ERROR;
  int x, y, w, hh;
  if (!DrawBox(*dc, x, y, w, hh)) {
    *box = RECT{};
    return NULLREGION;
  }
  *box = RECT{x, y, x + w, y + hh};
  return dc->S.HasClip ? Complexity(dc->S.Clip) : SIMPLEREGION;
}

}  // namespace gdi
