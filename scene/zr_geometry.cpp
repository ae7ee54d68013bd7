#include "scene/zr_geometry.h"

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------
// Indexed access to the records' fields

namespace {

constexpr float TzrVector::*kVectorFields[3] = {&TzrVector::X, &TzrVector::Y, &TzrVector::W};

constexpr float TzrMatrix::*kMatrixFields[3][3] = {
    {&TzrMatrix::m11, &TzrMatrix::m12, &TzrMatrix::m13},
    {&TzrMatrix::m21, &TzrMatrix::m22, &TzrMatrix::m23},
    {&TzrMatrix::m31, &TzrMatrix::m32, &TzrMatrix::m33}};

// Round: to the nearest whole number, halves to the even neighbour.
float RoundHalfEven(float V) { return std::nearbyint(V); }

}  // namespace

float& TzrVector::V(int Index) { return this->*kVectorFields[Index]; }
float TzrVector::V(int Index) const { return this->*kVectorFields[Index]; }

float& TzrMatrix::At(int Row, int Col) { return this->*kMatrixFields[Row][Col]; }
float TzrMatrix::At(int Row, int Col) const { return this->*kMatrixFields[Row][Col]; }

TzrVector TzrMatrix::M(int Row) const { return {At(Row, 0), At(Row, 1), At(Row, 2)}; }

void TzrMatrix::SetM(int Row, const TzrVector& V) {
  for (int Col = 0; Col < 3; ++Col) At(Row, Col) = V.V(Col);
}

// ---------------------------------------------------------------------------
// Points and rectangles

TzrPoint zrPoint(float X, float Y) { return {X, Y}; }

TzrRect zrRect(float Left, float Top, float Right, float Bottom) {
  return {Left, Top, Right, Bottom};
}

TzrPoint zrPointFromVector(const TzrVector& V) { return {V.X, V.Y}; }

TzrPoint zrMinPoint(const TzrPoint& P1, const TzrPoint& P2) {
  if (P2.Y < P1.Y || (P2.Y == P1.Y && P2.X < P1.X)) return P2;
  return P1;
}

TzrPoint zrScalePoint(const TzrPoint& P, float Dx, float Dy) { return {P.X * Dx, P.Y * Dy}; }

float zrRectWidth(const TzrRect& R) { return R.Right - R.Left; }
float zrRectHeight(const TzrRect& R) { return R.Bottom - R.Top; }

void zrOffsetRect(TzrRect& R, float Dx, float Dy) {
  R.Left += Dx;
  R.Right += Dx;
  R.Top += Dy;
  R.Bottom += Dy;
}

void zrInflateRect(TzrRect& R, float Dx, float Dy) {
  R.Left -= Dx;
  R.Right += Dx;
  R.Top -= Dy;
  R.Bottom += Dy;
}

void zrMultiplyRect(TzrRect& R, float Dx, float Dy) {
  R.Left *= Dx;
  R.Right *= Dx;
  R.Top *= Dy;
  R.Bottom *= Dy;
}

TzrRect zrUnionRect(const TzrRect& R1, const TzrRect& R2) {
  return {std::min(R1.Left, R2.Left), std::min(R1.Top, R2.Top), std::max(R1.Right, R2.Right),
          std::max(R1.Bottom, R2.Bottom)};
}

bool zrIntersectRect(const TzrRect& R1, const TzrRect& R2) {
  return !(R1.Left > R2.Right || R1.Right < R2.Left || R1.Top > R2.Bottom || R1.Bottom < R2.Top);
}

bool zrIntersectRect(TzrRect& R, const TzrRect& R1, const TzrRect& R2) {
  bool Overlap =
      R2.Left < R1.Right && R2.Right > R1.Left && R2.Top < R1.Bottom && R2.Bottom > R1.Top;
  if (!Overlap) {
    R = NullRect;
    return false;
  }
  R = {std::max(R1.Left, R2.Left), std::max(R1.Top, R2.Top), std::min(R1.Right, R2.Right),
       std::min(R1.Bottom, R2.Bottom)};
  return true;
}

bool zrPtInRect(const TzrPoint& P, const TzrRect& R) {
  return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

bool zrIsRectEmpty(const TzrRect& R) { return zrRectWidth(R) <= 0 || zrRectHeight(R) <= 0; }

TzrRect zrNormalizeRect(std::span<const TzrPoint> Points) {
  TzrRect R{61440, 61440, -61440, -61440};
  for (const TzrPoint& P : Points) {
    if (P.X < R.Left) R.Left = P.X;
    if (P.Y < R.Top) R.Top = P.Y;
    if (P.X > R.Right) R.Right = P.X;
    if (P.Y > R.Bottom) R.Bottom = P.Y;
  }
  return R;
}

TzrRect zrNormalizeRect(std::initializer_list<TzrPoint> Points) {
  return zrNormalizeRect(std::span<const TzrPoint>(Points.begin(), Points.size()));
}

TzrRect zrNormalizeRect(const TzrRect& R) {
  return zrNormalizeRect({TzrPoint{R.Left, R.Top}, TzrPoint{R.Right, R.Top},
                          TzrPoint{R.Right, R.Bottom}, TzrPoint{R.Left, R.Bottom}});
}

TzrRect zrRectCenter(TzrRect& R, const TzrRect& Bounds) {
  zrOffsetRect(R, -R.Left, -R.Top);
  zrOffsetRect(R, RoundHalfEven((zrRectWidth(Bounds) - zrRectWidth(R)) / 2),
               RoundHalfEven((zrRectHeight(Bounds) - zrRectHeight(R)) / 2));
  zrOffsetRect(R, Bounds.Left, Bounds.Top);
  return R;
}

float zrFitRect(TzrRect& R, const TzrRect& Bounds) {
  if (zrRectWidth(Bounds) * zrRectHeight(Bounds) == 0) return 1;
  float WidthRatio = zrRectWidth(R) / zrRectWidth(Bounds);
  float HeightRatio = zrRectHeight(R) / zrRectHeight(Bounds);
  float Ratio = WidthRatio > HeightRatio ? WidthRatio : HeightRatio;
  float NewWidth = zrRectWidth(R);
  float NewHeight = zrRectHeight(R);
  if (Ratio >= 1) {
    NewWidth = RoundHalfEven(NewWidth / Ratio);
    NewHeight = RoundHalfEven(NewHeight / Ratio);
  }
  R = {0, 0, NewWidth, NewHeight};
  zrRectCenter(R, Bounds);
  return Ratio;
}

// ---------------------------------------------------------------------------
// Angles

void zrSinCos(float Angle, float& Sin, float& Cos) {
  Sin = std::sin(Angle);
  Cos = std::cos(Angle);
}

float zrDegToRad(float A) { return A * cPIdiv180; }
float zrRadToDeg(float A) { return A * c180divPI; }

float zrNormalizeAngle(float A) {
  float R = A - std::trunc(A * cInv360) * 360;
  if (R < -180) R += 360;
  return R;
}

// ---------------------------------------------------------------------------
// Matrices

TzrMatrix zrMatrixMultiply(const TzrMatrix& M1, const TzrMatrix& M2) {
  TzrMatrix R;
  for (int I = 0; I < 3; ++I) {
    for (int J = 0; J < 3; ++J) {
      R.At(I, J) =
          M1.At(I, 0) * M2.At(0, J) + M1.At(I, 1) * M2.At(1, J) + M1.At(I, 2) * M2.At(2, J);
    }
  }
  return R;
}

namespace {

// Determinant of the 2x2 matrix (a b; c d).
float Det2(float A, float B, float C, float D) { return A * D - B * C; }

}  // namespace

float zrMatrixDeterminant(const TzrMatrix& M) {
  return M.m11 * Det2(M.m22, M.m23, M.m32, M.m33) - M.m12 * Det2(M.m21, M.m23, M.m31, M.m33) +
         M.m13 * Det2(M.m21, M.m22, M.m31, M.m32);
}

void zrAdjointMatrix(TzrMatrix& M) {
  const TzrMatrix S = M;
  M.m11 = Det2(S.m22, S.m23, S.m32, S.m33);
  M.m12 = -Det2(S.m12, S.m13, S.m32, S.m33);
  M.m13 = Det2(S.m12, S.m13, S.m22, S.m23);
  M.m21 = -Det2(S.m21, S.m23, S.m31, S.m33);
  M.m22 = Det2(S.m11, S.m13, S.m31, S.m33);
  M.m23 = -Det2(S.m11, S.m13, S.m21, S.m23);
  M.m31 = Det2(S.m21, S.m22, S.m31, S.m32);
  M.m32 = -Det2(S.m11, S.m12, S.m31, S.m32);
  M.m33 = Det2(S.m11, S.m12, S.m21, S.m22);
}

void zrScaleMatrix(TzrMatrix& M, float F) {
  for (int I = 0; I < 3; ++I) {
    for (int J = 0; J < 3; ++J) M.At(I, J) *= F;
  }
}

void zrInvertMatrix(TzrMatrix& M) {
  float D = zrMatrixDeterminant(M);
  if (std::fabs(D) < Epsilon) {
    M = IdentityMatrix;
    return;
  }
  zrAdjointMatrix(M);
  zrScaleMatrix(M, 1 / D);
}

TzrMatrix zrCreateRotationMatrix(float Angle) {
  float S, C;
  zrSinCos(Angle, S, C);
  TzrMatrix R;
  R.m11 = C;
  R.m12 = S;
  R.m21 = -S;
  R.m22 = C;
  R.m33 = 1;
  return R;
}

// ---------------------------------------------------------------------------
// Vectors

TzrVector zrVector(float X, float Y, float W) { return {X, Y, W}; }
TzrVector zrVector(const TzrPoint& P, float W) { return {P.X, P.Y, W}; }

TzrVector zrVectorTransform(const TzrVector& V, const TzrMatrix& M) {
  return {V.X * M.m11 + V.Y * M.m21 + V.W * M.m31, V.X * M.m12 + V.Y * M.m22 + V.W * M.m32, 1};
}

TzrVector zrVectorAdd(const TzrVector& V1, const TzrVector& V2) {
  return {V1.X + V2.X, V1.Y + V2.Y, 1};
}

TzrVector zrVectorSubtract(const TzrVector& V1, const TzrVector& V2) {
  return {V1.X - V2.X, V1.Y - V2.Y, 1};
}

TzrVector zrVectorScale(const TzrVector& V, float F) { return {V.X * F, V.Y * F, 1}; }

float zrVectorNorm(const TzrVector& V) { return V.X * V.X + V.Y * V.Y; }

float zrVectorLength(const TzrVector& V) { return std::sqrt(zrVectorNorm(V)); }

TzrVector zrVectorNormalize(const TzrVector& V) {
  float Length = zrVectorLength(V);
  float K = Length == 0 ? 1 : 1 / Length;
  return {V.X * K, V.Y * K, 0};
}

float zrVectorDotProduct(const TzrVector& V1, const TzrVector& V2) {
  return V1.X * V2.X + V1.Y * V2.Y;
}

float zrVectorCrossProductZ(const TzrVector& V1, const TzrVector& V2) {
  return V1.X * V2.Y - V1.Y * V2.X;
}

float zrVectorAngleCosine(const TzrVector& V1, const TzrVector& V2) {
  float L1 = zrVectorLength(V1);
  float L2 = zrVectorLength(V2);
  if (L1 == 0 || L2 == 0) return 0;
  float Cosine = zrVectorDotProduct(V1, V2) / (L1 * L2);
  return Cosine > 1 ? 1 : Cosine;
}

// The cosine may fall a rounding step below -1 for opposite vectors; the
// arccosine is taken of -1 then, so the angle is 180 degrees, not NaN.
float zrVectorAngle(const TzrVector& V1, const TzrVector& V2) {
  float Cosine = std::max(zrVectorAngleCosine(V1, V2), -1.0f);
  float Angle = zrRadToDeg(std::acos(Cosine));
  return zrVectorCrossProductZ(V1, V2) < 0 ? Angle : -Angle;
}

TzrVector zrVectorCombine2(const TzrVector& V1, const TzrVector& V2, float F1, float F2) {
  return {V1.X * F1 + V2.X * F2, V1.Y * F1 + V2.Y * F2, 1};
}

TzrVector zrVectorReflect(const TzrVector& V, const TzrVector& N) {
  return zrVectorCombine2(V, N, 1, -2 * zrVectorDotProduct(V, N));
}

// ---------------------------------------------------------------------------
// Scalars

float zrMaxFloat(float A, float B) { return A > B ? A : B; }
float zrMinFloat(float A, float B) { return A < B ? A : B; }

float zrMinMax(float X, float Min, float Max) {
  if (X < Min) return Min;
  if (X > Max) return Max;
  return X;
}
