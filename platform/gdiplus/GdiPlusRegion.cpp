#include "platform/gdiplus/GdiPlusRegion.h"

#include <algorithm>
#include <cmath>

#include "platform/gdiplus/GdiPlusCairo.h"

namespace Gdiplus {

enum class NodeKind { Empty, Infinite, Rect, Path, Combine };

struct Region::Node {
  NodeKind Kind = NodeKind::Infinite;
  RectF Rect;
  GraphicsPath Path;
  CombineMode Mode = CombineModeReplace;
  std::shared_ptr<const Node> Left, Right;
};

namespace {

using NodePtr = std::shared_ptr<const Region::Node>;

// The largest area a region covers: what an infinite region stands for.
constexpr REAL kHuge = 4194304.0f;
const RectF kInfiniteRect(-kHuge, -kHuge, 2 * kHuge, 2 * kHuge);

NodePtr MakeNode(NodeKind kind) {
  auto n = std::make_shared<Region::Node>();
  n->Kind = kind;
  return n;
}

// A rectangle given from right to left or bottom to top covers the same area.
NodePtr MakeRect(RectF r) {
  if (r.Width < 0) {
    r.X += r.Width;
    r.Width = -r.Width;
  }
  if (r.Height < 0) {
    r.Y += r.Height;
    r.Height = -r.Height;
  }
  if (!(r.Width > 0) || !(r.Height > 0)) return MakeNode(NodeKind::Empty);
  auto n = std::make_shared<Region::Node>();
  n->Kind = NodeKind::Rect;
  n->Rect = r;
  return n;
}

NodePtr MakeCombine(const NodePtr& a, const NodePtr& b, CombineMode mode) {
  NodeKind ka = a->Kind, kb = b->Kind;
  switch (mode) {
    case CombineModeReplace:
      return b;
    case CombineModeIntersect:
      if (ka == NodeKind::Empty || kb == NodeKind::Infinite) return a;
      if (kb == NodeKind::Empty || ka == NodeKind::Infinite) return b;
      if (ka == NodeKind::Rect && kb == NodeKind::Rect) {
        // nested clip rectangles stay one rectangle
        const RectF &ra = a->Rect, &rb = b->Rect;
        REAL l = std::max(ra.X, rb.X), t = std::max(ra.Y, rb.Y);
        REAL r = std::min(ra.GetRight(), rb.GetRight());
        REAL btm = std::min(ra.GetBottom(), rb.GetBottom());
        return MakeRect(RectF(l, t, std::max<REAL>(0, r - l), std::max<REAL>(0, btm - t)));
      }
      break;
    case CombineModeUnion:
      if (ka == NodeKind::Empty || kb == NodeKind::Infinite) return b;
      if (kb == NodeKind::Empty || ka == NodeKind::Infinite) return a;
      break;
    case CombineModeExclude:
      if (ka == NodeKind::Empty || kb == NodeKind::Empty) return a;
      if (kb == NodeKind::Infinite) return MakeNode(NodeKind::Empty);
      break;
    case CombineModeComplement:
      if (kb == NodeKind::Empty || ka == NodeKind::Empty) return b;
      if (ka == NodeKind::Infinite) return MakeNode(NodeKind::Empty);
      break;
    case CombineModeXor:
      if (ka == NodeKind::Empty) return b;
      if (kb == NodeKind::Empty) return a;
      break;
  }
  auto n = std::make_shared<Region::Node>();
  n->Kind = NodeKind::Combine;
  n->Mode = mode;
  n->Left = a;
  n->Right = b;
  return n;
}

NodePtr TransformNode(const NodePtr& n, const Matrix& m) {
  const REAL* e = m.Elements();
  switch (n->Kind) {
    case NodeKind::Empty:
    case NodeKind::Infinite:
      return n;
    case NodeKind::Rect: {
      if (e[1] == 0 && e[2] == 0) {
        PointF p[2] = {{n->Rect.X, n->Rect.Y}, {n->Rect.GetRight(), n->Rect.GetBottom()}};
        m.TransformPoints(p, 2);
        return MakeRect(RectF(std::min(p[0].X, p[1].X), std::min(p[0].Y, p[1].Y),
                              std::fabs(p[1].X - p[0].X), std::fabs(p[1].Y - p[0].Y)));
      }
      auto path = std::make_shared<Region::Node>();
      path->Kind = NodeKind::Path;
      path->Path.AddRectangle(n->Rect);
      path->Path.Transform(&m);
      return path;
    }
    case NodeKind::Path: {
      auto path = std::make_shared<Region::Node>(*n);
      path->Path.Transform(&m);
      return path;
    }
    case NodeKind::Combine:
      return MakeCombine(TransformNode(n->Left, m), TransformNode(n->Right, m), n->Mode);
  }
  return n;
}

bool Contains(const NodePtr& n, REAL x, REAL y) {
  switch (n->Kind) {
    case NodeKind::Empty:
      return false;
    case NodeKind::Infinite:
      return true;
    case NodeKind::Rect:
      return n->Rect.Contains(x, y);
    case NodeKind::Path:
      return n->Path.IsVisible(x, y);
    case NodeKind::Combine: {
      bool a = Contains(n->Left, x, y), b = Contains(n->Right, x, y);
      switch (n->Mode) {
        case CombineModeIntersect:
          return a && b;
        case CombineModeUnion:
          return a || b;
        case CombineModeXor:
          return a != b;
        case CombineModeExclude:
          return a && !b;
        case CombineModeComplement:
          return b && !a;
        default:
          return b;
      }
    }
  }
  return false;
}

RectF UnionRect(const RectF& a, const RectF& b) {
  if (a.IsEmptyArea()) return b;
  if (b.IsEmptyArea()) return a;
  REAL l = std::min(a.X, b.X), t = std::min(a.Y, b.Y);
  return RectF(l, t, std::max(a.GetRight(), b.GetRight()) - l,
               std::max(a.GetBottom(), b.GetBottom()) - t);
}

RectF IntersectRect(const RectF& a, const RectF& b) {
  REAL l = std::max(a.X, b.X), t = std::max(a.Y, b.Y);
  REAL r = std::min(a.GetRight(), b.GetRight()), btm = std::min(a.GetBottom(), b.GetBottom());
  if (r <= l || btm <= t) return RectF();
  return RectF(l, t, r - l, btm - t);
}

// Bounds that hold the region (exact for rectangles and paths, an outer
// estimate where parts are taken away).
RectF Bounds(const NodePtr& n) {
  switch (n->Kind) {
    case NodeKind::Empty:
      return RectF();
    case NodeKind::Infinite:
      return kInfiniteRect;
    case NodeKind::Rect:
      return n->Rect;
    case NodeKind::Path: {
      RectF r;
      n->Path.GetBounds(&r);
      return r;
    }
    case NodeKind::Combine: {
      RectF a = Bounds(n->Left), b = Bounds(n->Right);
      switch (n->Mode) {
        case CombineModeIntersect:
          return IntersectRect(a, b);
        case CombineModeExclude:
          return a;
        case CombineModeComplement:
          return b;
        case CombineModeReplace:
          return b;
        default:
          return UnionRect(a, b);
      }
    }
  }
  return RectF();
}

// Pixel columns [first, last) whose centres lie in [lo, hi).
void PixelSpan(double lo, double hi, int* first, int* last) {
  // beyond the largest area a region covers nothing more can be told apart
  constexpr double kLimit = 2.0 * kHuge;
  lo = std::isnan(lo) ? 0 : std::clamp(lo, -kLimit, kLimit);
  hi = std::isnan(hi) ? 0 : std::clamp(hi, -kLimit, kLimit);
  *first = int(std::ceil(lo - 0.5));
  *last = int(std::ceil(hi - 0.5));
}

cairo_region_t* ClipToLimits(cairo_region_t* r, const cairo_rectangle_int_t& limits) {
  cairo_region_intersect_rectangle(r, &limits);
  return r;
}

cairo_region_t* RasterizePath(const GraphicsPath& path, const cairo_rectangle_int_t& limits) {
  RectF b;
  path.GetBounds(&b);
  int x0, x1, y0, y1;
  PixelSpan(b.X, b.GetRight() + 1, &x0, &x1);
  PixelSpan(b.Y, b.GetBottom() + 1, &y0, &y1);
  x0 = std::max(x0, limits.x);
  y0 = std::max(y0, limits.y);
  x1 = std::min(x1, limits.x + limits.width);
  y1 = std::min(y1, limits.y + limits.height);
  cairo_region_t* result = cairo_region_create();
  if (x1 <= x0 || y1 <= y0) return result;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, x1 - x0, y1 - y0);
  if (cairo_surface_status(mask) != CAIRO_STATUS_SUCCESS) {
    // too large to hold as pixels: the path's bounds stand for it
    cairo_surface_destroy(mask);
    cairo_rectangle_int_t box = {x0, y0, x1 - x0, y1 - y0};
    cairo_region_union_rectangle(result, &box);
    return result;
  }
  cairo_t* cr = cairo_create(mask);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_translate(cr, -x0, -y0);
  AppendPathToCairo(cr, path);
  cairo_set_fill_rule(cr, ToCairoFillRule(path.GetFillMode()));
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(mask);
  const uint8_t* data = cairo_image_surface_get_data(mask);
  int stride = cairo_image_surface_get_stride(mask);
  for (int y = 0; y < y1 - y0; ++y) {
    const uint8_t* row = data + size_t(y) * stride;
    int x = 0, w = x1 - x0;
    while (x < w) {
      while (x < w && row[x] < 128) ++x;
      int start = x;
      while (x < w && row[x] >= 128) ++x;
      if (x > start) {
        cairo_rectangle_int_t run = {x0 + start, y0 + y, x - start, 1};
        cairo_region_union_rectangle(result, &run);
      }
    }
  }
  cairo_surface_destroy(mask);
  return result;
}

cairo_region_t* RasterizeNode(const NodePtr& n, const cairo_rectangle_int_t& limits) {
  switch (n->Kind) {
    case NodeKind::Empty:
      return cairo_region_create();
    case NodeKind::Infinite:
      return cairo_region_create_rectangle(&limits);
    case NodeKind::Rect: {
      int x0, x1, y0, y1;
      PixelSpan(n->Rect.X, n->Rect.GetRight(), &x0, &x1);
      PixelSpan(n->Rect.Y, n->Rect.GetBottom(), &y0, &y1);
      if (x1 <= x0 || y1 <= y0) return cairo_region_create();
      cairo_rectangle_int_t r = {x0, y0, x1 - x0, y1 - y0};
      return ClipToLimits(cairo_region_create_rectangle(&r), limits);
    }
    case NodeKind::Path:
      return RasterizePath(n->Path, limits);
    case NodeKind::Combine: {
      cairo_region_t* a = RasterizeNode(n->Left, limits);
      cairo_region_t* b = RasterizeNode(n->Right, limits);
      switch (n->Mode) {
        case CombineModeIntersect:
          cairo_region_intersect(a, b);
          break;
        case CombineModeUnion:
          cairo_region_union(a, b);
          break;
        case CombineModeXor:
          cairo_region_xor(a, b);
          break;
        case CombineModeExclude:
          cairo_region_subtract(a, b);
          break;
        case CombineModeComplement:
          cairo_region_subtract(b, a);
          std::swap(a, b);
          break;
        default:
          std::swap(a, b);
          break;
      }
      cairo_region_destroy(b);
      return a;
    }
  }
  return cairo_region_create();
}

cairo_rectangle_int_t LimitsOf(const RectF& r) {
  int x0, x1, y0, y1;
  PixelSpan(r.X, r.GetRight() + 1, &x0, &x1);
  PixelSpan(r.Y, r.GetBottom() + 1, &y0, &y1);
  return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

}  // namespace

Region::Region() : FRoot(MakeNode(NodeKind::Infinite)) {}

Region::Region(const RectF& rect) : FRoot(MakeRect(rect)) {}

Region::Region(const GraphicsPath* path) {
  if (!path) {
    FRoot = MakeNode(NodeKind::Empty);
    FLastStatus = InvalidParameter;
    return;
  }
  auto n = std::make_shared<Node>();
  n->Kind = NodeKind::Path;
  n->Path = *path;
  FRoot = n;
}

Status Region::MakeInfinite() {
  FRoot = MakeNode(NodeKind::Infinite);
  return Ok;
}

Status Region::MakeEmpty() {
  FRoot = MakeNode(NodeKind::Empty);
  return Ok;
}

Status Region::Combine(const Region& other, CombineMode mode) {
  if (mode < CombineModeReplace || mode > CombineModeComplement) {
    FLastStatus = InvalidParameter;
    return InvalidParameter;
  }
  FRoot = MakeCombine(FRoot, other.FRoot, mode);
  return Ok;
}

Status Region::CombineWith(const Region* region, CombineMode mode) {
  if (!region) {
    FLastStatus = InvalidParameter;
    return InvalidParameter;
  }
  return Combine(*region, mode);
}

Status Region::Transform(const Matrix* matrix) {
  if (!matrix) {
    FLastStatus = InvalidParameter;
    return InvalidParameter;
  }
  FRoot = TransformNode(FRoot, *matrix);
  return Ok;
}

Status Region::Translate(REAL dx, REAL dy) {
  Matrix m(1, 0, 0, 1, dx, dy);
  return Transform(&m);
}

bool Region::IsInfinite(const Graphics*) const { return FRoot->Kind == NodeKind::Infinite; }

bool Region::IsEmpty(const Graphics*) const {
  if (FRoot->Kind == NodeKind::Empty) return true;
  if (FRoot->Kind == NodeKind::Infinite) return false;
  cairo_region_t* r = Rasterize(LimitsOf(Bounds(FRoot)));
  bool empty = cairo_region_is_empty(r);
  cairo_region_destroy(r);
  return empty;
}

Status Region::GetBounds(RectF* rect, const Graphics*) const {
  if (!rect) {
    FLastStatus = InvalidParameter;
    return InvalidParameter;
  }
  *rect = IsEmpty() ? RectF() : Bounds(FRoot);
  return Ok;
}

bool Region::IsVisible(REAL x, REAL y, const Graphics*) const { return Contains(FRoot, x, y); }

cairo_region_t* Region::Rasterize(const cairo_rectangle_int_t& limits) const {
  return RasterizeNode(FRoot, limits);
}

UINT Region::GetRegionScansCount(const Matrix* matrix) const {
  Region r(*this);
  if (matrix) r.Transform(matrix);
  cairo_region_t* px = r.Rasterize(LimitsOf(Bounds(r.FRoot)));
  UINT n = UINT(cairo_region_num_rectangles(px));
  cairo_region_destroy(px);
  return n;
}

Status Region::GetRegionScans(const Matrix* matrix, RectF* rects, INT* count) const {
  if (!rects || !count) {
    FLastStatus = InvalidParameter;
    return InvalidParameter;
  }
  Region r(*this);
  if (matrix) r.Transform(matrix);
  cairo_region_t* px = r.Rasterize(LimitsOf(Bounds(r.FRoot)));
  int n = cairo_region_num_rectangles(px);
  Status s = Ok;
  if (n > *count) {
    s = InsufficientBuffer;
  } else {
    for (int i = 0; i < n; ++i) {
      cairo_rectangle_int_t c;
      cairo_region_get_rectangle(px, i, &c);
      rects[i] = RectF(REAL(c.x), REAL(c.y), REAL(c.width), REAL(c.height));
    }
  }
  *count = n;
  cairo_region_destroy(px);
  return s;
}

}  // namespace Gdiplus
