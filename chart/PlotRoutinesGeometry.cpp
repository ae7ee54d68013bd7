// Hit-testing geometry of the chart's utility routines.

#include <cmath>

#include "chart/PlotRoutines.h"

TRect RectFromCenter(const TPoint& P, int XSize, int YSize) {
  return RectFromCenter(P.X, P.Y, XSize, YSize);
}

TRect RectFromCenter(int X, int Y, int XSize, int YSize) {
  if (YSize == 0) YSize = XSize;
  return TRect{X - XSize, Y - YSize, X + XSize, Y + YSize};
}

bool PointInLine(const TPoint& P, int X0, int Y0, int X1, int Y1, int Tolerance) {
  if ((P.X == X0 && P.Y == Y0) || (P.X == X1 && P.Y == Y1)) return true;
  const float dx = float(X1 - X0), dy = float(Y1 - Y0);
  auto distance = [&](float x, float y) { return std::hypot(float(P.X) - x, float(P.Y) - y); };
  float d;
  const float length2 = dx * dx + dy * dy;
  if (length2 == 0) {
    d = distance(float(X0), float(Y0));
  } else {
    const float t = (float(P.X - X0) * dx + float(P.Y - Y0) * dy) / length2;
    if (t < 0)
      d = distance(float(X0), float(Y0));
    else if (t > 1)
      d = distance(float(X1), float(Y1));
    else
      d = distance(float(X0) + t * dx, float(Y0) + t * dy);
  }
  return d <= float(Tolerance + 1);
}

bool PointInLineTolerance(const TPoint& P, int X0, int Y0, int X1, int Y1, int Tolerance) {
  return PointInLine(P, X0, Y0, X1, Y1, Tolerance);
}

bool PointInLine(const TPoint& P, int X0, int Y0, int X1, int Y1) {
  return PointInLine(P, X0, Y0, X1, Y1, 0);
}

bool PointInLine(const TPoint& P, const TPoint& FromPoint, const TPoint& ToPoint) {
  return PointInLine(P, FromPoint.X, FromPoint.Y, ToPoint.X, ToPoint.Y, 0);
}

bool PointInLine(const TPoint& P, const TPoint& FromPoint, const TPoint& ToPoint, int Tolerance) {
  return PointInLine(P, FromPoint.X, FromPoint.Y, ToPoint.X, ToPoint.Y, Tolerance);
}

bool PointInPolygon(const TPoint& P, const TPoint* Poly, int Count) {
  if (!Poly || Count < 2) return false;
  bool inside = false;
  const TPoint* previous = &Poly[Count - 1];
  for (int i = 0; i < Count; ++i) {
    const TPoint& c = Poly[i];
    const TPoint& p = *previous;
    if ((c.Y <= P.Y && P.Y < p.Y) || (p.Y <= P.Y && P.Y < c.Y)) {
      const long double x = (long double)(p.X - c.X) * (P.Y - c.Y) / (long double)(p.Y - c.Y) + c.X;
      if (P.X < x) inside = !inside;
    }
    previous = &c;
  }
  return inside;
}

bool PointInTriangle(const TPoint& P, const TPoint& P0, const TPoint& P1, const TPoint& P2) {
  const TPoint points[3] = {P0, P1, P2};
  return PointInPolygon(P, points, 3);
}

bool PointInTriangle(const TPoint& P, int X0, int X1, int Y0, int Y1) {
  return PointInTriangle(P, TPoint{X0, Y0}, TPoint{(X0 + X1) / 2, Y1}, TPoint{X1, Y0});
}

bool PointInHorizTriangle(const TPoint& P, int Y0, int Y1, int X0, int X1) {
  return PointInTriangle(P, TPoint{X0, Y0}, TPoint{X1, (Y0 + Y1) / 2}, TPoint{X0, Y1});
}

bool PointInEllipse(const TPoint& P, int Left, int Top, int Right, int Bottom) {
  const int cx = (Left + Right) / 2, cy = (Top + Bottom) / 2;
  const long long a = (long long)(cx - Left) * (cx - Left);
  const long long b = (long long)(cy - Top) * (cy - Top);
  if (a == 0 || b == 0) return false;
  const double x = P.X - cx, y = P.Y - cy;
  return x * x / double(a) + y * y / double(b) <= 1;
}

bool PointInEllipse(const TPoint& P, const TRect& R) {
  return PointInEllipse(P, R.Left, R.Top, R.Right, R.Bottom);
}

bool CrossingLines(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                   double Y4, double& X, double& Y) {
  if (X2 == X1 || X4 == X3) return false;
  const double m1 = (Y2 - Y1) / (X2 - X1), m2 = (Y4 - Y3) / (X4 - X3);
  const double b1 = Y1 - m1 * X1, b2 = Y3 - m2 * X3;
  X = std::fabs(m2 - m1) <= 1e-15 ? X2 : (b1 - b2) / (m2 - m1);
  Y = m1 * X + b1;
  const double c1 = X1 * Y2 - X2 * Y1, c2 = X3 * Y4 - X4 * Y3;
  const double s3 = (Y2 - Y1) * X3 - (X2 - X1) * Y3 - c1;
  const double s4 = (Y2 - Y1) * X4 - (X2 - X1) * Y4 - c1;
  const double s1 = (Y4 - Y3) * X1 - (X4 - X3) * Y1 - c2;
  const double s2 = (Y4 - Y3) * X2 - (X4 - X3) * Y2 - c2;
  if ((s3 > 0) != (s4 > 0) && (s1 > 0) != (s2 > 0)) return true;
  return (s3 != 0) != (s4 != 0) && (s1 != 0) != (s2 != 0);
}
