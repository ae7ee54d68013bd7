#include "platform/gdiplus/GdiPlusMatrix.h"

#include <cmath>

namespace Gdiplus {

namespace {

// r = a * b for row-vector matrices: a acts first, then b.
void MultiplyElements(const REAL* a, const REAL* b, REAL* r) {
  REAL t[6];
  t[0] = a[0] * b[0] + a[1] * b[2];
  t[1] = a[0] * b[1] + a[1] * b[3];
  t[2] = a[2] * b[0] + a[3] * b[2];
  t[3] = a[2] * b[1] + a[3] * b[3];
  t[4] = a[4] * b[0] + a[5] * b[2] + b[4];
  t[5] = a[4] * b[1] + a[5] * b[3] + b[5];
  for (int i = 0; i < 6; ++i) r[i] = t[i];
}

double Determinant(const REAL* m) { return double(m[0]) * m[3] - double(m[1]) * m[2]; }

}  // namespace

Matrix::Matrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
    : FM{m11, m12, m21, m22, dx, dy} {}

Matrix::Matrix(const RectF& rect, const PointF* dstplg) {
  if (!dstplg || rect.Width == 0 || rect.Height == 0) {
    SetStatus(InvalidParameter);
    return;
  }
  REAL m11 = (dstplg[1].X - dstplg[0].X) / rect.Width;
  REAL m12 = (dstplg[1].Y - dstplg[0].Y) / rect.Width;
  REAL m21 = (dstplg[2].X - dstplg[0].X) / rect.Height;
  REAL m22 = (dstplg[2].Y - dstplg[0].Y) / rect.Height;
  FM[0] = m11;
  FM[1] = m12;
  FM[2] = m21;
  FM[3] = m22;
  FM[4] = dstplg[0].X - rect.X * m11 - rect.Y * m21;
  FM[5] = dstplg[0].Y - rect.X * m12 - rect.Y * m22;
}

Status Matrix::GetElements(REAL* m) const {
  if (!m) return SetStatus(InvalidParameter);
  for (int i = 0; i < 6; ++i) m[i] = FM[i];
  return Ok;
}

Status Matrix::SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy) {
  FM[0] = m11;
  FM[1] = m12;
  FM[2] = m21;
  FM[3] = m22;
  FM[4] = dx;
  FM[5] = dy;
  return Ok;
}

Status Matrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

Status Matrix::Multiply(const Matrix* matrix, MatrixOrder order) {
  if (!matrix) return SetStatus(InvalidParameter);
  if (order == MatrixOrderPrepend)
    MultiplyElements(matrix->FM, FM, FM);
  else
    MultiplyElements(FM, matrix->FM, FM);
  return Ok;
}

Status Matrix::Translate(REAL offsetX, REAL offsetY, MatrixOrder order) {
  Matrix t(1, 0, 0, 1, offsetX, offsetY);
  return Multiply(&t, order);
}

Status Matrix::Scale(REAL scaleX, REAL scaleY, MatrixOrder order) {
  Matrix s(scaleX, 0, 0, scaleY, 0, 0);
  return Multiply(&s, order);
}

Status Matrix::Rotate(REAL angle, MatrixOrder order) {
  double rad = angle * M_PI / 180.0;
  REAL c = REAL(std::cos(rad));
  REAL s = REAL(std::sin(rad));
  Matrix r(c, s, -s, c, 0, 0);
  return Multiply(&r, order);
}

Status Matrix::RotateAt(REAL angle, const PointF& center, MatrixOrder order) {
  Matrix r;
  r.Translate(-center.X, -center.Y, MatrixOrderAppend);
  r.Rotate(angle, MatrixOrderAppend);
  r.Translate(center.X, center.Y, MatrixOrderAppend);
  return Multiply(&r, order);
}

Status Matrix::Shear(REAL shearX, REAL shearY, MatrixOrder order) {
  Matrix s(1, shearY, shearX, 1, 0, 0);
  return Multiply(&s, order);
}

Status Matrix::Invert() {
  double det = Determinant(FM);
  if (det == 0 || !std::isfinite(det)) return SetStatus(InvalidParameter);
  double m11 = FM[3] / det, m12 = -FM[1] / det;
  double m21 = -FM[2] / det, m22 = FM[0] / det;
  double dx = -(FM[4] * m11 + FM[5] * m21);
  double dy = -(FM[4] * m12 + FM[5] * m22);
  return SetElements(REAL(m11), REAL(m12), REAL(m21), REAL(m22), REAL(dx), REAL(dy));
}

Status Matrix::TransformPoints(PointF* pts, INT count) const {
  if (!pts || count < 0) return SetStatus(InvalidParameter);
  for (INT i = 0; i < count; ++i) {
    REAL x = pts[i].X, y = pts[i].Y;
    pts[i].X = x * FM[0] + y * FM[2] + FM[4];
    pts[i].Y = x * FM[1] + y * FM[3] + FM[5];
  }
  return Ok;
}

Status Matrix::TransformVectors(PointF* pts, INT count) const {
  if (!pts || count < 0) return SetStatus(InvalidParameter);
  for (INT i = 0; i < count; ++i) {
    REAL x = pts[i].X, y = pts[i].Y;
    pts[i].X = x * FM[0] + y * FM[2];
    pts[i].Y = x * FM[1] + y * FM[3];
  }
  return Ok;
}

bool Matrix::IsInvertible() const {
  double det = Determinant(FM);
  return det != 0 && std::isfinite(det);
}

bool Matrix::IsIdentity() const {
  return FM[0] == 1 && FM[1] == 0 && FM[2] == 0 && FM[3] == 1 && FM[4] == 0 && FM[5] == 0;
}

bool Matrix::Equals(const Matrix* matrix) const {
  if (!matrix) return false;
  for (int i = 0; i < 6; ++i)
    if (FM[i] != matrix->FM[i]) return false;
  return true;
}

}  // namespace Gdiplus
