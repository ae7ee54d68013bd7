#pragma once
// Value records of the scene toolkit (points, rectangles, vectors, 3x3 matrices,
// colours, polygons), its named constants and the free functions that build and
// combine them. Every coordinate, size, angle and matrix entry is a float.
//
// Matrices act on row vectors: a point (x, y) maps to
//   x' = x*m11 + y*m21 + m31,  y' = x*m12 + y*m22 + m32,
// so the product A*B applies A first, then B.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

// ---------------------------------------------------------------------------
// Records

struct TzrPoint {
  float X = 0;
  float Y = 0;

  bool operator==(const TzrPoint&) const = default;
};

// Nothing keeps Left <= Right or Top <= Bottom.
struct TzrRect {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;

  TzrPoint TopLeft() const { return {Left, Top}; }
  TzrPoint BottomRight() const { return {Right, Bottom}; }
  void SetTopLeft(const TzrPoint& P) {
    Left = P.X;
    Top = P.Y;
  }
  void SetBottomRight(const TzrPoint& P) {
    Right = P.X;
    Bottom = P.Y;
  }

  bool operator==(const TzrRect&) const = default;
};

// W is the homogeneous coordinate; V(0..2) reaches X, Y, W by index.
struct TzrVector {
  float X = 0;
  float Y = 0;
  float W = 0;

  float& V(int Index);
  float V(int Index) const;

  bool operator==(const TzrVector&) const = default;
};

// Entries row after row; At(row, col) and M(row) reach them by index (0..2).
struct TzrMatrix {
  float m11 = 0, m12 = 0, m13 = 0;
  float m21 = 0, m22 = 0, m23 = 0;
  float m31 = 0, m32 = 0, m33 = 0;

  float& At(int Row, int Col);
  float At(int Row, int Col) const;
  TzrVector M(int Row) const;
  void SetM(int Row, const TzrVector& V);

  bool operator==(const TzrMatrix&) const = default;
};

// A colour is a 32-bit value $AARRGGBB: alpha in the top byte, then red,
// green, blue. Alpha 255 is opaque, 0 transparent.
using TzrColor = uint32_t;

// A colour seen byte by byte (B, G, R, A from the lowest address) or as two
// 16-bit words (HiWord = bytes 0-1, LoWord = bytes 2-3).
struct TzrColorRec {
  TzrColor Color = 0;

  uint8_t B() const { return Color & 0xFF; }
  uint8_t G() const { return (Color >> 8) & 0xFF; }
  uint8_t R() const { return (Color >> 16) & 0xFF; }
  uint8_t A() const { return Color >> 24; }
  uint16_t HiWord() const { return Color & 0xFFFF; }
  uint16_t LoWord() const { return Color >> 16; }
  void SetB(uint8_t V) { Color = (Color & 0xFFFFFF00u) | V; }
  void SetG(uint8_t V) { Color = (Color & 0xFFFF00FFu) | (uint32_t(V) << 8); }
  void SetR(uint8_t V) { Color = (Color & 0xFF00FFFFu) | (uint32_t(V) << 16); }
  void SetA(uint8_t V) { Color = (Color & 0x00FFFFFFu) | (uint32_t(V) << 24); }
};

// Pixel buffers: 32-bit ARGB words.
using TzrColorArray = std::vector<TzrColor>;
using PzrColorArray = TzrColor*;

// A growable list of points; ClosePolygon inside it ends a closed figure.
using TzrPolygon = std::vector<TzrPoint>;

// Corners and sides of a rectangle; the sets are bit masks (bit n = value n).
enum TzrCorner : uint8_t {
  zrCornerTopLeft,
  zrCornerTopRight,
  zrCornerBottomLeft,
  zrCornerBottomRight
};
using TzrCorners = uint8_t;
enum TzrSide : uint8_t { zrSideTop, zrSideLeft, zrSideBottom, zrSideRight };
using TzrSides = uint8_t;

// ---------------------------------------------------------------------------
// Named constants

inline constexpr float cPI = 3.14159265358979323846f;
inline constexpr float cPIdiv180 = 0.017453292519943295f;
inline constexpr float c180divPI = 57.29577951308232f;
inline constexpr float c2PI = 6.283185307179586f;
inline constexpr float cPIdiv2 = 1.5707963267948966f;
inline constexpr float cPIdiv4 = 0.7853981633974483f;
inline constexpr float c3PIdiv4 = 2.356194490192345f;
inline constexpr float cInv2PI = 0.15915494309189535f;
inline constexpr float cInv360 = 1.0f / 360.0f;
inline constexpr float c180 = 180.0f;
inline constexpr float c360 = 360.0f;
inline constexpr float cOneHalf = 0.5f;
// The float nearest 1E-40 (a denormal): determinants below it are singular.
inline constexpr float Epsilon = 1E-40f;

inline constexpr TzrMatrix IdentityMatrix{1, 0, 0, 0, 1, 0, 0, 0, 1};
inline constexpr TzrMatrix ZeroMatrix{};
inline constexpr TzrRect NullRect{};
inline constexpr TzrCorners AllCorners = 0x0F;
inline constexpr TzrSides AllSides = 0x0F;
inline constexpr TzrPoint ClosePolygon{65535, 65535};

// ---------------------------------------------------------------------------
// Points and rectangles

TzrPoint zrPoint(float X, float Y);
TzrRect zrRect(float Left, float Top, float Right, float Bottom);
TzrPoint zrPointFromVector(const TzrVector& V);
// P2 when it lies above P1, or on the same row further left; else P1.
TzrPoint zrMinPoint(const TzrPoint& P1, const TzrPoint& P2);
TzrPoint zrScalePoint(const TzrPoint& P, float Dx, float Dy);

float zrRectWidth(const TzrRect& R);
float zrRectHeight(const TzrRect& R);
void zrOffsetRect(TzrRect& R, float Dx, float Dy);
// Negative values shrink.
void zrInflateRect(TzrRect& R, float Dx, float Dy);
void zrMultiplyRect(TzrRect& R, float Dx, float Dy);
// An empty rectangle takes part like any other.
TzrRect zrUnionRect(const TzrRect& R1, const TzrRect& R2);
// True also for rectangles that only touch.
bool zrIntersectRect(const TzrRect& R1, const TzrRect& R2);
// True only for an overlap of positive area, stored in R; else R = NullRect.
bool zrIntersectRect(TzrRect& R, const TzrRect& R1, const TzrRect& R2);
// Every edge inclusive.
bool zrPtInRect(const TzrPoint& P, const TzrRect& R);
bool zrIsRectEmpty(const TzrRect& R);
// Bounding rectangle of the points. The running rectangle starts at
// (61440, 61440, -61440, -61440), which an empty list gives back.
TzrRect zrNormalizeRect(std::span<const TzrPoint> Points);
TzrRect zrNormalizeRect(std::initializer_list<TzrPoint> Points);
TzrRect zrNormalizeRect(const TzrRect& R);
// Centres R in Bounds on whole-number offsets; returns the moved R.
TzrRect zrRectCenter(TzrRect& R, const TzrRect& Bounds);
// Shrinks R (never enlarges it) to fit Bounds keeping its aspect ratio,
// centres it, and returns the ratio of R's size to Bounds' size.
float zrFitRect(TzrRect& R, const TzrRect& Bounds);

// ---------------------------------------------------------------------------
// Angles

void zrSinCos(float Angle, float& Sin, float& Cos);  // radians
float zrDegToRad(float A);
float zrRadToDeg(float A);
// Degrees folded into [-180, 360): 370 gives 10, -190 gives 170, 270 stays.
float zrNormalizeAngle(float A);

// ---------------------------------------------------------------------------
// Matrices

TzrMatrix zrMatrixMultiply(const TzrMatrix& M1, const TzrMatrix& M2);
float zrMatrixDeterminant(const TzrMatrix& M);
// Replaces M by its adjugate (the transposed cofactor matrix).
void zrAdjointMatrix(TzrMatrix& M);
void zrScaleMatrix(TzrMatrix& M, float F);
// Replaces M by its inverse; a singular M becomes IdentityMatrix.
void zrInvertMatrix(TzrMatrix& M);
// Angle in radians; with y growing downwards a positive angle turns clockwise.
TzrMatrix zrCreateRotationMatrix(float Angle);

// ---------------------------------------------------------------------------
// Vectors (W of every result is 1 unless said otherwise)

TzrVector zrVector(float X, float Y, float W = 1);
TzrVector zrVector(const TzrPoint& P, float W = 1);
// Nothing is divided by W; m13, m23 and m33 are ignored.
TzrVector zrVectorTransform(const TzrVector& V, const TzrMatrix& M);
TzrVector zrVectorAdd(const TzrVector& V1, const TzrVector& V2);
TzrVector zrVectorSubtract(const TzrVector& V1, const TzrVector& V2);
TzrVector zrVectorScale(const TzrVector& V, float F);
float zrVectorNorm(const TzrVector& V);  // X^2 + Y^2
float zrVectorLength(const TzrVector& V);
// Unit vector with W = 0; the zero vector stays zero.
TzrVector zrVectorNormalize(const TzrVector& V);
float zrVectorDotProduct(const TzrVector& V1, const TzrVector& V2);
float zrVectorCrossProductZ(const TzrVector& V1, const TzrVector& V2);
// 0 when either vector has length 0; capped at 1 from above.
float zrVectorAngleCosine(const TzrVector& V1, const TzrVector& V2);
// Degrees; positive when the cross product is negative.
float zrVectorAngle(const TzrVector& V1, const TzrVector& V2);
TzrVector zrVectorCombine2(const TzrVector& V1, const TzrVector& V2, float F1, float F2);
// V mirrored at the unit normal N.
TzrVector zrVectorReflect(const TzrVector& V, const TzrVector& N);

// ---------------------------------------------------------------------------
// Scalars

float zrMaxFloat(float A, float B);
float zrMinFloat(float A, float B);
float zrMinMax(float X, float Min, float Max);
