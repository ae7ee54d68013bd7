#include "chart/PlotUnitRoutines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
uint8_t Channel(TColor C, int Shift) { return uint8_t(uint32_t(C) >> Shift); }
TColor FromChannels(int R, int G, int B) { return TColor(R | (G << 8) | (B << 16)); }
}  // namespace

TColor ApplyDark(TColor Color, uint8_t HowMuch) {
  auto dark = [&](int c) { return c > HowMuch ? c - HowMuch : 0; };
  return FromChannels(dark(Channel(Color, 0)), dark(Channel(Color, 8)), dark(Channel(Color, 16)));
}

TColor ApplyBright(TColor Color, uint8_t HowMuch) {
  auto bright = [&](int c) { return c + HowMuch >= 256 ? 255 : c + HowMuch; };
  return FromChannels(bright(Channel(Color, 0)), bright(Channel(Color, 8)),
                      bright(Channel(Color, 16)));
}

TColor RGBA(const TRGBA& Value) { return RGBA(Value.Red, Value.Green, Value.Blue, Value.Alpha); }

TColor RGBA(int R, int G, int B, int A) {
  return TColor(uint32_t(R) | (uint32_t(G) << 8) | (uint32_t(B) << 16) | (uint32_t(A) << 24));
}

TRect RectFromPolygon(const TPoint* Points, int NumPoints) {
  return PolygonBounds(std::vector<TPoint>(Points, Points + std::max(NumPoints, 0)));
}

TRect RectFromTriangle(const TTrianglePoints& P) { return RectFromPolygon(P, 3); }

bool RectangleInRectangle(const TRect& R1, const TRect& R2) {
  return PointInRect(R2, R1.Left, R1.Top) && PointInRect(R2, R1.Right, R1.Bottom);
}

float PlotHypot(int X, int Y) { return std::sqrt(float(X * X + Y * Y)); }
float PlotHypot(float X, float Y) { return std::sqrt(X * X + Y * Y); }

namespace {

// The lowest point, the one furthest right among equals. The search starts
// from the first point, so coordinates of any size find a pivot.
size_t FindPivot(const TPointArray& P) {
  size_t pivot = 0;
  for (size_t i = 1; i < P.size(); ++i)
    if (P[i].Y < P[pivot].Y || (P[i].Y == P[pivot].Y && P[i].X > P[pivot].X)) pivot = i;
  return pivot;
}

int64_t Cross(TPoint Prev, TPoint Cur, TPoint Next) {
  return int64_t(Prev.X - Cur.X) * (Next.Y - Cur.Y) - int64_t(Next.X - Cur.X) * (Prev.Y - Cur.Y);
}

}  // namespace

bool ConvexHull(TPointArray& Points) {
  if (Points.size() < 3) return false;
  if (Points.size() == 3) return true;
  size_t at = FindPivot(Points);
  TPoint pivot = Points[at];
  Points[at] = Points.back();
  Points.pop_back();

  auto key = [&](TPoint p) {
    float d = PlotHypot(pivot.X - p.X, pivot.Y - p.Y);
    return d == 0 ? 0.0f : float(pivot.X - p.X) / d;
  };
  std::stable_sort(Points.begin(), Points.end(),
                   [&](TPoint a, TPoint b) { return key(a) < key(b); });

  size_t i = 1;
  while (i < Points.size()) {
    TPoint next = i + 1 < Points.size() ? Points[i + 1] : pivot;
    if (Cross(Points[i - 1], Points[i], next) < 0) {
      ++i;
      continue;
    }
    Points.erase(Points.begin() + std::ptrdiff_t(i));
    i = std::max<size_t>(i - 1, 1);
  }
  Points.push_back(pivot);
  return true;
}

TPointF PointFromCircle(const TRect& Rect, double Degrees, bool ClockWise) {
  int cx = (Rect.Left + Rect.Right) / 2;
  int cy = (Rect.Top + Rect.Bottom) / 2;
  double rx = (Rect.Right - Rect.Left) * 0.5;
  double ry = (Rect.Bottom - Rect.Top) * 0.5;
  double a = Degrees * PlotPiStep;
  double y = ClockWise ? cy + ry * std::sin(a) : cy - ry * std::sin(a);
  return TPointF{float(cx + rx * std::cos(a)), float(y)};
}

TPoint PointFromSpiral(const TRect& Rect, double Degrees, double Twist) {
  int cx = (Rect.Left + Rect.Right) / 2;
  int cy = (Rect.Top + Rect.Bottom) / 2;
  double rx = (Rect.Right - Rect.Left) * 0.5;
  double ry = (Rect.Bottom - Rect.Top) * 0.5;
  double a = Degrees * std::numbers::pi / 180;
  double d = std::exp(Twist * a) * std::min(rx, ry);
  return TPoint{int(std::lround(d * std::cos(a))) + cx, int(std::lround(d * std::sin(a))) + cy};
}

void CalcPieAngles(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                   float& StartAngle, float& EndAngle) {
  float cx = (X2 - X1) * 0.5f + X1;
  float cy = (Y2 - Y1) * 0.5f + Y1;
  auto angle = [&](int x, int y) {
    double a = std::atan2(cy - y, x - cx);
    if (a < 0) a += 2 * std::numbers::pi;
    return float(a * 57.29577951308232);
  };
  StartAngle = angle(X3, Y3);
  if (StartAngle == 360) StartAngle = 0;
  EndAngle = angle(X4, Y4);
  if (EndAngle == 0) EndAngle = 360;
}

double PlotDistance(double X, double Y) { return std::sqrt(X * X + Y * Y); }

TPoint PointAtDistance(TPoint FromPoint, TPoint ToPoint, float Distance) {
  if (FromPoint.X == ToPoint.X) {
    int d = int(std::nearbyint(Distance));
    return TPoint{ToPoint.X, FromPoint.Y < ToPoint.Y ? ToPoint.Y - d : ToPoint.Y + d};
  }
  double a = std::atan2(double(ToPoint.Y - FromPoint.Y), double(ToPoint.X - FromPoint.X));
  return TPoint{ToPoint.X - int(std::nearbyint(Distance * std::cos(a))),
                ToPoint.Y - int(std::nearbyint(Distance * std::sin(a)))};
}

TPointF PointAtDistance(TPointF FromPoint, TPointF ToPoint, float Distance) {
  if (FromPoint.x == ToPoint.x)
    return TPointF{ToPoint.x, FromPoint.y < ToPoint.y ? ToPoint.y - Distance : ToPoint.y + Distance};
  double a = std::atan2(double(ToPoint.y - FromPoint.y), double(ToPoint.x - FromPoint.x));
  return TPointF{float(ToPoint.x - Distance * std::cos(a)), float(ToPoint.y - Distance * std::sin(a))};
}

void SwapExtended(long double& A, long double& B) { std::swap(A, B); }
void SwapDouble(double& A, double& B) { std::swap(A, B); }
void SwapSingle(float& A, float& B) { std::swap(A, B); }
void SwapInteger(int& A, int& B) { std::swap(A, B); }
