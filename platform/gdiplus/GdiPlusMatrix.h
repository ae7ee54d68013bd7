#pragma once
// Affine matrices acting on row vectors: x' = x*m11 + y*m21 + dx,
// y' = x*m12 + y*m22 + dy.

#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class Matrix : public LastStatus {
 public:
  Matrix() = default;
  Matrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
  // Maps the rectangle onto the parallelogram given by three points
  // (top-left, top-right, bottom-left).
  Matrix(const RectF& rect, const PointF* dstplg);

  Matrix* Clone() const { return new Matrix(*this); }
  Status GetElements(REAL* m) const;
  Status SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
  REAL OffsetX() const { return FM[4]; }
  REAL OffsetY() const { return FM[5]; }
  Status Reset();

  Status Multiply(const Matrix* matrix, MatrixOrder order = MatrixOrderPrepend);
  Status Translate(REAL offsetX, REAL offsetY, MatrixOrder order = MatrixOrderPrepend);
  Status Scale(REAL scaleX, REAL scaleY, MatrixOrder order = MatrixOrderPrepend);
  Status Rotate(REAL angle, MatrixOrder order = MatrixOrderPrepend);
  Status RotateAt(REAL angle, const PointF& center, MatrixOrder order = MatrixOrderPrepend);
  Status Shear(REAL shearX, REAL shearY, MatrixOrder order = MatrixOrderPrepend);
  Status Invert();

  Status TransformPoints(PointF* pts, INT count = 1) const;
  Status TransformVectors(PointF* pts, INT count = 1) const;

  bool IsInvertible() const;
  bool IsIdentity() const;
  bool Equals(const Matrix* matrix) const;

  // The six elements m11, m12, m21, m22, dx, dy.
  const REAL* Elements() const { return FM; }

 private:
  REAL FM[6] = {1, 0, 0, 1, 0, 0};
};

}  // namespace Gdiplus
