#include "chart/PlotGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/rtl/Streams.h"

void InflateRectF(TRectF& R, float DX, float DY) {
  R.Left -= DX;
  R.Top -= DY;
  R.Right += DX;
  R.Bottom += DY;
}

TPoint PlotPoint(int X, int Y) { return TPoint{X, Y}; }
int PlotRound(double Value) {
  if (std::isnan(Value)) return 0;
  constexpr double kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
  if (Value <= kLow) return std::numeric_limits<int>::min();
  if (Value >= kHigh) return std::numeric_limits<int>::max();
  double whole = std::floor(Value);
  const double fraction = Value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2) != 0)) whole += 1;
  return int(whole);
}

TPoint PlotPoint(TPointF P) { return TPoint{PlotRound(P.x), PlotRound(P.y)}; }
TPointF PlotPointFloat(TPoint P) { return TPointF{float(P.X), float(P.Y)}; }

void Offset(TPoint& P, int Delta) {
  P.X += Delta;
  P.Y += Delta;
}

bool PointInRect(const TRect& R, int X, int Y) {
  return R.Left <= X && X <= R.Right && R.Top <= Y && Y <= R.Bottom;
}
bool PointInRect(const TRect& R, TPoint P) { return PointInRect(R, P.X, P.Y); }
bool PointInRect(const TRectF& R, int X, int Y) {
  return R.Left <= X && X <= R.Right && R.Top <= Y && Y <= R.Bottom;
}

TRectF PlotRect(const TRect& R) {
  return TRectF{float(R.Left), float(R.Top), float(R.Right), float(R.Bottom)};
}
TRect PlotRect(int Left, int Top, int Right, int Bottom) { return TRect{Left, Top, Right, Bottom}; }
TRect PlotRect(int Width, int Height) { return TRect{0, 0, Width, Height}; }

TRect OrientRectangle(int X0, int Y0, int X1, int Y1) {
  return TRect{std::min(X0, X1), std::min(Y0, Y1), std::max(X0, X1), std::max(Y0, Y1)};
}
TRect OrientRectangle(const TRect& R) { return OrientRectangle(R.Left, R.Top, R.Right, R.Bottom); }

TPoint3DInt Point3D(int X, int Y, int Z) { return TPoint3DInt{X, Y, Z}; }
TPoint3DInt Point3D(TPoint P, int Z) { return TPoint3DInt{P.X, P.Y, Z}; }
TPoint3DSingle Point3D(TPoint3DInt P) { return TPoint3DSingle{float(P.x), float(P.y), float(P.z)}; }

void RectSize(const TRect& R, int& Width, int& Height) {
  Width = R.Right - R.Left;
  Height = R.Bottom - R.Top;
}
void RectSize(const TRectF& R, float& Width, float& Height) {
  Width = R.Right - R.Left;
  Height = R.Bottom - R.Top;
}

void RectCenter(const TRect& R, int& X, int& Y) {
  X = (R.Left + R.Right) / 2;
  Y = (R.Top + R.Bottom) / 2;
}
TPoint RectCenter(const TRect& R) {
  TPoint p;
  RectCenter(R, p.X, p.Y);
  return p;
}
void RectCenter(const TRectF& R, float& X, float& Y) {
  X = (R.Left + R.Right) * 0.5f;
  Y = (R.Top + R.Bottom) * 0.5f;
}

bool PlotCull(TPoint P0, TPoint P1, TPoint P2) {
  return (P0.X - P1.X) * (P2.Y - P1.Y) - (P2.X - P1.X) * (P0.Y - P1.Y) < 0;
}
bool PlotCull(TPointF P0, TPointF P1, TPointF P2) {
  return (P0.x - P1.x) * (P2.y - P1.y) - (P2.x - P1.x) * (P0.y - P1.y) < 0;
}
bool PlotCull(const TFourPoints& P) { return PlotCull(P[0], P[1], P[2]); }
bool PlotCull(TPointF P0, TPointF P1, TPointF P2, TPointF) { return PlotCull(P0, P1, P2); }

TRect PolygonBounds(const std::vector<TPoint>& Points) {
  if (Points.empty()) return PlotZeroRect;
  TRect r{Points[0].X, Points[0].Y, Points[0].X, Points[0].Y};
  for (const TPoint& p : Points) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  ++r.Right;
  ++r.Bottom;
  return r;
}

TRectF PolygonBounds(const std::vector<TPointF>& Points) {
  if (Points.empty()) return PlotZeroRectF;
  TRectF r{Points[0].x, Points[0].y, Points[0].x, Points[0].y};
  for (const TPointF& p : Points) {
    r.Left = std::min(r.Left, p.x);
    r.Top = std::min(r.Top, p.y);
    r.Right = std::max(r.Right, p.x);
    r.Bottom = std::max(r.Bottom, p.y);
  }
  return r;
}

bool PointInPolygon(TPoint P, const std::vector<TPoint>& B) {
  bool inside = false;
  size_t n = B.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const TPoint& bi = B[i];
    const TPoint& bj = B[j];
    bool spans = (bi.Y <= P.Y && P.Y < bj.Y) || (bj.Y <= P.Y && P.Y < bi.Y);
    if (!spans) continue;
    double x = double((bj.X - bi.X) * (P.Y - bi.Y)) / double(bj.Y - bi.Y) + bi.X;
    if (P.X <= x) inside = !inside;
  }
  return inside;
}

bool PolygonInPolygon(const std::vector<TPoint>& A, const std::vector<TPoint>& B) {
  for (const TPoint& p : A)
    if (!PointInPolygon(p, B)) return false;
  return true;
}

double PolygonArea(const TPointArray& P) {
  double sum = 0;
  size_t n = P.size();
  for (size_t i = 0; i < n; ++i) {
    const TPoint& a = P[i];
    const TPoint& b = P[(i + 1) % n];
    sum += double(a.X) * b.Y - double(b.X) * a.Y;
  }
  return std::fabs(sum * 0.5);
}

TPointF PolygonCentroid(const TPointArray& P) {
  size_t n = P.size();
  if (n == 0) return TPointF{};
  if (n == 1) return PlotPointFloat(P[0]);
  if (n == 2) return TPointF{(P[0].X + P[1].X) * 0.5f, (P[0].Y + P[1].Y) * 0.5f};
  double area = 0;
  float cx = 0, cy = 0;
  for (size_t i = 0; i < n; ++i) {
    const TPoint& a = P[i];
    const TPoint& b = P[(i + 1) % n];
    int32_t cr = b.Y * a.X - b.X * a.Y;
    area += cr;
    cx += float(b.X + a.X) * float(cr);
    cy += float(b.Y + a.Y) * float(cr);
  }
  if (area == 0) return TPointF{};
  area *= 0.5;
  float k = float(1 / (6 * area));
  return TPointF{cx * k, cy * k};
}

TRGB RGBValue(TColor AColor) {
  return TRGB{uint8_t(AColor >> 16), uint8_t(AColor >> 8), uint8_t(AColor)};
}

TRGBA ColorRGBA(TColor AColor) {
  return TRGBA{uint8_t(AColor), uint8_t(AColor >> 8), uint8_t(AColor >> 16), 0};
}

void PlotSetBitmapSize(TBitmap* Bitmap, int Width, int Height) {
  if (Bitmap->GetWidth() != Width || Bitmap->GetHeight() != Height) Bitmap->SetSize(Width, Height);
}

bool PlotSetBitmapDPI(TStream* Stream, int DPI) {
  uint16_t v = uint16_t(std::lround(DPI * 39.370079));
  uint8_t bytes[2] = {uint8_t(v), uint8_t(v >> 8)};
  Stream->SetPosition(38);
  if (Stream->Write(bytes, 2) != 2) return false;
  Stream->SetPosition(42);
  return Stream->Write(bytes, 2) == 2;
}

void PlotSetBitmapDPI(TBitmap* Bitmap, int DPI) {
  TMemoryStream stream;
  Bitmap->SaveToStream(stream);
  if (!PlotSetBitmapDPI(&stream, DPI)) return;
  stream.SetPosition(0);
  Bitmap->LoadFromStream(stream);
}

TPlotAddFontNames PlotAddFontNames = nullptr;

// The chart's two display fonts are not shipped: no resource holds them,
// so nothing is registered and no names are offered.
void LoadCustomFonts() { PlotAddFontNames = nullptr; }
void UnloadCustomFonts() { PlotAddFontNames = nullptr; }
