#pragma once
// Regions: rectangles and paths combined by union, intersection, exclusion,
// exclusive or and complement. A region turns into device pixels (a pixel
// belongs to it when its centre does) for clipping and scans.

#include <cairo.h>

#include <memory>

#include "platform/gdiplus/GdiPlusMatrix.h"
#include "platform/gdiplus/GdiPlusPath.h"
#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class Graphics;

class Region : public LastStatus {
 public:
  Region();  // infinite
  explicit Region(const RectF& rect);
  explicit Region(const GraphicsPath* path);
  Region* Clone() const { return new Region(*this); }

  Status MakeInfinite();
  Status MakeEmpty();
  Status Intersect(const RectF& rect) { return Combine(Region(rect), CombineModeIntersect); }
  Status Intersect(const GraphicsPath* path) { return Combine(Region(path), CombineModeIntersect); }
  Status Intersect(const Region* region) { return CombineWith(region, CombineModeIntersect); }
  Status Union(const RectF& rect) { return Combine(Region(rect), CombineModeUnion); }
  Status Union(const GraphicsPath* path) { return Combine(Region(path), CombineModeUnion); }
  Status Union(const Region* region) { return CombineWith(region, CombineModeUnion); }
  Status Xor(const RectF& rect) { return Combine(Region(rect), CombineModeXor); }
  Status Xor(const GraphicsPath* path) { return Combine(Region(path), CombineModeXor); }
  Status Xor(const Region* region) { return CombineWith(region, CombineModeXor); }
  Status Exclude(const RectF& rect) { return Combine(Region(rect), CombineModeExclude); }
  Status Exclude(const GraphicsPath* path) { return Combine(Region(path), CombineModeExclude); }
  Status Exclude(const Region* region) { return CombineWith(region, CombineModeExclude); }
  Status Complement(const RectF& rect) { return Combine(Region(rect), CombineModeComplement); }
  Status Complement(const GraphicsPath* path) {
    return Combine(Region(path), CombineModeComplement);
  }
  Status Complement(const Region* region) { return CombineWith(region, CombineModeComplement); }
  Status Combine(const Region& other, CombineMode mode);

  Status Transform(const Matrix* matrix);
  Status Translate(REAL dx, REAL dy);

  bool IsEmpty(const Graphics* g = nullptr) const;
  bool IsInfinite(const Graphics* g = nullptr) const;
  Status GetBounds(RectF* rect, const Graphics* g = nullptr) const;
  bool IsVisible(REAL x, REAL y, const Graphics* g = nullptr) const;
  bool IsVisible(const PointF& pt, const Graphics* g = nullptr) const {
    return IsVisible(pt.X, pt.Y, g);
  }
  // The region as pixel rectangles, after the matrix.
  UINT GetRegionScansCount(const Matrix* matrix) const;
  Status GetRegionScans(const Matrix* matrix, RectF* rects, INT* count) const;

  // The pixels of the region within the limits; free with cairo_region_destroy.
  cairo_region_t* Rasterize(const cairo_rectangle_int_t& limits) const;

  struct Node;

 private:
  Status CombineWith(const Region* region, CombineMode mode);
  std::shared_ptr<const Node> FRoot;
};

}  // namespace Gdiplus
