// Planes, polygons, pixels, ellipses and solid figures of the GDI chart
// canvas, each made of projected points and the 2D primitives.

#include <cmath>
#include <numbers>

#include "chart/PlotCanvas3D.h"

namespace {
int Rounded(double V) { return int(std::nearbyint(V)); }
}  // namespace

// ---------------- planes and polygons ----------------

void TPlotCanvas3D::RectangleWithZ(const TRect& Rect, int Z) {
  IPoints[0] = Calculate3DPosition(Rect.Left, Rect.Top, Z);
  IPoints[1] = Calculate3DPosition(Rect.Right, Rect.Top, Z);
  IPoints[2] = Calculate3DPosition(Rect.Right, Rect.Bottom, Z);
  IPoints[3] = Calculate3DPosition(Rect.Left, Rect.Bottom, Z);
  PolygonFour();
}

void TPlotCanvas3D::RectangleY(int Left, int Top, int Right, int Z0, int Z1) {
  IPoints[0] = Calculate3DPosition(Left, Top, Z0);
  IPoints[1] = Calculate3DPosition(Right, Top, Z0);
  IPoints[2] = Calculate3DPosition(Right, Top, Z1);
  IPoints[3] = Calculate3DPosition(Left, Top, Z1);
  PolygonFour();
}

void TPlotCanvas3D::RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) {
  IPoints[0] = Calculate3DPosition(Left, Top, Z0);
  IPoints[1] = Calculate3DPosition(Left, Top, Z1);
  IPoints[2] = Calculate3DPosition(Left, Bottom, Z1);
  IPoints[3] = Calculate3DPosition(Left, Bottom, Z0);
  PolygonFour();
}

void TPlotCanvas3D::PlaneWithZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) {
  IPoints[0] = Calculate3DPosition(P1, Z);
  IPoints[1] = Calculate3DPosition(P2, Z);
  IPoints[2] = Calculate3DPosition(P3, Z);
  IPoints[3] = Calculate3DPosition(P4, Z);
  PolygonFour();
}

void TPlotCanvas3D::Plane3D(TPoint A, TPoint B, int Z0, int Z1) {
  IPoints[0] = Calculate3DPosition(A, Z0);
  IPoints[1] = Calculate3DPosition(B, Z0);
  IPoints[2] = Calculate3DPosition(B, Z1);
  IPoints[3] = Calculate3DPosition(A, Z1);
  PolygonFour();
}

void TPlotCanvas3D::PlaneFour3D(TFourPoints& Points, int Z0, int Z1) {
  IPoints[0] = Calculate3DPosition(Points[0], Z0);
  IPoints[1] = Calculate3DPosition(Points[1], Z0);
  IPoints[2] = Calculate3DPosition(Points[2], Z1);
  IPoints[3] = Calculate3DPosition(Points[3], Z1);
  PolygonFour();
}

void TPlotCanvas3D::Polygon3D(std::span<const TPoint3D> Points) {
  std::vector<TPoint> p(Points.size());
  for (size_t i = 0; i < Points.size(); i++) p[i] = TCanvas3D::Calculate3DPosition(Points[i]);
  Polygon(p);
}

void TPlotCanvas3D::TriangleWithZ(TPoint P1, TPoint P2, TPoint P3, int Z) {
  TPoint p[] = {Calculate3DPosition(P1, Z), Calculate3DPosition(P2, Z),
                Calculate3DPosition(P3, Z)};
  Polygon(p);
}

void TPlotCanvas3D::Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) {
  TPoint p[3];
  for (int i = 0; i < 3; i++) p[i] = TCanvas3D::Calculate3DPosition(Points[size_t(i)]);
  if (FBrush->GetStyle() != bsClear) FBrush->SetColor(Colors[0]);
  Polygon(p);
}

// ---------------- pixels, ellipses, spheres, arrows ----------------

TColor TPlotCanvas3D::GetPixel3D(int X, int Y, int Z) {
  Calc3DPos(X, Y, Z);
  return GetPixel(X, Y);
}

void TPlotCanvas3D::SetPixel3D(int X, int Y, int Z, TColor Value) {
  Calc3DPos(X, Y, Z);
  if (FPen->GetWidth() == 1) {
    SetPixel(X, Y, Value);
    return;
  }
  MoveTo(X, Y);
  LineTo(X, Y);
}

void TPlotCanvas3D::GetCirclePoints(TCirclePoints& P, int X1, int Y1, int X2, int Y2) {
  const int n = NumCirclePoints;
  const double cx = (X1 + X2) * 0.5, cy = (Y1 + Y2) * 0.5;
  const double rx = (X2 - X1) * 0.5, ry = (Y2 - Y1) * 0.5;
  const double t = 2 * std::numbers::pi / (n - 1);
  P.resize(size_t(std::max(n, 0)));
  for (int i = 0; i < n; i++)
    P[size_t(i)] = TPointF{float(cx + rx * std::sin(i * t)), float(cy + ry * std::cos(i * t))};
}

void TPlotCanvas3D::GetCirclePoints(TCirclePoints& P, int X1, int Y1, int X2, int Y2, int Z) {
  GetCirclePoints(P, X1, Y1, X2, Y2);
  for (TPointF& p : P) Calculate3DPosition(p, float(Z));
}

void TPlotCanvas3D::EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) {
  if (FIsOrthogonal) {
    TPoint a = Calculate3DPosition(X1, Y1, Z), b = Calculate3DPosition(X2, Y2, Z);
    Ellipse(a.X, a.Y, b.X, b.Y);
    return;
  }
  if (!FIs3D) {
    Ellipse(X1, Y1, X2 + 1, Y2 + 1);
    return;
  }
  TCirclePoints p;
  GetCirclePoints(p, X1, Y1, X2, Y2);
  if (FBrush->GetStyle() != bsClear)
    PolygonFloatWithZ(p, Z);
  else if (FPen->GetStyle() != psClear)
    PolylineWithZ(p, Z);
}

void TPlotCanvas3D::Sphere(int x, int y, int z, double Radius) {
  int r = Rounded(Radius);
  EllipseWithZ(x - r, y - r, x + r, y + r, z);
}

void TPlotCanvas3D::Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth,
                          int ArrowHeight, int Z0, int Z1, double ArrowPercent) {
  int Z = (Z0 + Z1) / 2;
  TPointArray p = TCanvas3D::GetArrowPoints(float(ArrowPercent), FromPoint, ToPoint, ArrowWidth,
                                            ArrowHeight, Z);
  if (p.empty()) return;
  if (Filled) {
    Polygon(p);
    return;
  }
  Line(Calculate3DPosition(FromPoint, Z), p[4]);
  LineTo(p[5]);
  Line(p[4], p[3]);
}

// ---------------- cubes ----------------

namespace {

// The cross product at corner 2 of a quadrilateral.
int Cull2(const TFourPoints& q) {
  return (q[3].X - q[2].X) * (q[1].Y - q[2].Y) - (q[1].X - q[2].X) * (q[3].Y - q[2].Y);
}

}  // namespace

void TPlotCanvas3D::Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1,
                         bool DarkSides, int RoundSize) {
  Cube(Left, Right, Top, Bottom, Z0, Z1, 0, DarkSides, RoundSize);
}

void TPlotCanvas3D::Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, int,
                         bool DarkSides, int) {
  const TPoint A = Calculate3DPosition(Left, Top, Z0), B = Calculate3DPosition(Right, Top, Z0);
  const TPoint C = Calculate3DPosition(Right, Bottom, Z0), D = Calculate3DPosition(Right, Top, Z1);
  const bool clear = FBrush->GetStyle() == bsClear;
  const TColor face = FBrush->GetStyle() == bsSolid ? FBrush->GetColor() : GetBackColor();
  // A side filled with a gradient from the face colour to its darker shade.
  auto shaded = [&](TGradientDirection Direction, uint8_t Amount) {
    if (!DarkSides) {
      PolygonFour();
      return;
    }
    TPlotGradient* g = GetGradient();
    g->SetVisible(true);
    g->SetDirection(Direction);
    g->SetStartColor(face);
    g->SetEndColor(ApplyDark(face, Amount));
    PolygonFour();
    g->SetVisible(false);
  };
  IPoints[0] = A;
  IPoints[1] = B;
  IPoints[2] = C;
  IPoints[3] = Calculate3DPosition(Left, Bottom, Z0);
  if (clear || Cull2(IPoints) > 0) {
    PolygonFour();
  } else {
    IPoints[0] = Calculate3DPosition(Left, Top, Z1);
    IPoints[1] = Calculate3DPosition(Right, Top, Z1);
    IPoints[2] = Calculate3DPosition(Right, Bottom, Z1);
    IPoints[3] = Calculate3DPosition(Left, Bottom, Z1);
    PolygonFour();
  }
  IPoints[0] = B;
  IPoints[1] = D;
  IPoints[2] = Calculate3DPosition(Right, Bottom, Z1);
  IPoints[3] = C;
  if (clear || Cull2(IPoints) > 0) shaded(gdLeftRight, DarkerColorQuantity);
  IPoints[0] = A;
  IPoints[1] = Calculate3DPosition(Left, Top, Z1);
  IPoints[2] = Calculate3DPosition(Left, Bottom, Z1);
  IPoints[3] = Calculate3DPosition(Left, Bottom, Z0);
  const TFourPoints& q = IPoints;
  if (clear || (q[3].X - q[0].X) * (q[1].Y - q[0].Y) - (q[1].X - q[0].X) * (q[3].Y - q[0].Y) > 0)
    shaded(gdRightLeft, DarkerColorQuantity);
  IPoints[0] = A;
  IPoints[1] = B;
  IPoints[2] = D;
  IPoints[3] = Calculate3DPosition(Left, Top, Z1);
  if (clear || (A.X - B.X) * (D.Y - B.Y) - (D.X - B.X) * (A.Y - B.Y) > 0)
    shaded(gdBottomTop, DarkColorQuantity);
  IPoints[0] = Calculate3DPosition(Left, Bottom, Z0);
  IPoints[1] = Calculate3DPosition(Left, Bottom, Z1);
  IPoints[2] = Calculate3DPosition(Right, Bottom, Z1);
  IPoints[3] = C;
  if (clear || Cull2(IPoints) < 0) shaded(gdTopBottom, DarkColorQuantity);
}

// ---------------- cylinders and cones ----------------

void TPlotCanvas3D::Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0,
                             int Z1, bool Dark3D) {
  InternalCylinder(Vertical, Left, Top, Right, Bottom, Z0, Z1, Dark3D, 100);
}

void TPlotCanvas3D::Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                         bool Dark3D, int ConePercent) {
  InternalCylinder(Vertical, Left, Top, Right, Bottom, Z0, Z1, Dark3D, ConePercent);
}

void TPlotCanvas3D::InternalCylinder(bool Vertical, int Left, int Top, int Right, int Bottom,
                                     int Z0, int Z1, bool Dark3D, int ConePercent) {
  if (ConePercent == 0) ConePercent = PlotDefaultConePercent;
  const int sides = PlotNumCylinderSides;
  const int rz = (Z1 - Z0) / 2, cz = (Z0 + Z1) / 2;
  const double t = 2 * std::numbers::pi / sides;
  const int r = Vertical ? (Right - Left) / 2 : (Bottom - Top) / 2;
  const int c = Vertical ? (Left + Right) / 2 : (Top + Bottom) / 2;
  auto ring = [&](int Level, int R, int RZ) {
    TPointFloatArray p(static_cast<size_t>(sides));
    for (int i = 0; i < sides; i++) {
      int a = c + Rounded(R * std::sin(i * t)), z = cz - Rounded(RZ * std::cos(i * t));
      TPointF q = Vertical ? TPointF{float(a), float(Level)} : TPointF{float(Level), float(a)};
      Calculate3DPosition(q, float(z));
      p[size_t(i)] = q;
    }
    return p;
  };
  TPointFloatArray ringA = ring(Vertical ? Bottom : Left, r, rz), ringB;
  if (ConePercent != 0) {
    int rb = r, rzb = rz;
    if (ConePercent != 100) {
      rb = Rounded(r * ConePercent * 0.01);
      rzb = Rounded(rz * ConePercent * 0.01);
    }
    ringB = ring(Vertical ? Top : Right, rb, rzb);
  }
  const TPointFloatArray& S = ringB.empty() ? ringA : ringB;
  auto key = [&](const TPointF& p) { return Vertical ? p.x : p.y; };
  size_t lo = 0, hi = 0;
  for (size_t i = 1; i < S.size(); i++) {
    if (key(S[i]) < key(S[lo])) lo = i;
    if (key(S[i]) > key(S[hi])) hi = i;
  }
  TPointFloatArray body;
  for (size_t i = lo;; i = (i + 1) % S.size()) {
    body.push_back(S[i]);
    if (i == hi) break;
  }
  if (!ringB.empty()) {
    for (size_t i = hi;; i = (i + S.size() - 1) % S.size()) {
      body.push_back(ringA[i]);
      if (i == lo) break;
    }
  } else {
    TPointF apex = Vertical ? TPointF{float(c), float(Top)} : TPointF{float(Right), float(c)};
    Calculate3DPosition(apex, float(cz));
    body.push_back(apex);
  }
  bool capTest;
  if (Vertical) {
    capTest = Bottom < Top;
  } else {
    capTest = PlotCull(Calculate3DPosition(0, 0, 0), Calculate3DPosition(0, 10, 0),
                       Calculate3DPosition(0, 10, 10));
    if (Right < Left) capTest = !capTest;
  }
  if (!ringB.empty() && !capTest) PolygonFloat(ringB);
  const TColor color = FBrush->GetColor();
  TPlotGradient* g = GetGradient();
  g->SetVisible(true);
  g->SetMidColor(clNone);
  g->SetStartColor(Dark3D ? ApplyBright(color, DarkColorQuantity) : color);
  g->SetEndColor(ApplyDark(color, Dark3D ? DarkerColorQuantity : DarkColorQuantity));
  g->SetDirection(Vertical ? gdLeftRight : gdTopBottom);
  PolygonFloat(body);
  if (capTest) PolygonFloat(ringA);
}

// ---------------- pyramids ----------------

void TPlotCanvas3D::Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int z0,
                            int z1, bool DarkSides) {
  const TColor face = FBrush->GetStyle() == bsSolid ? FBrush->GetColor() : GetBackColor();
  auto triangle = [&](TPoint P0, TPoint P1, TPoint P2) {
    TPoint p[] = {P0, P1, P2};
    Polygon(p);
  };
  auto darken = [&](uint8_t Amount) {
    if (DarkSides) InternalDark(face, Amount);
  };
  auto P = [&](int X, int Y, int Z) { return Calculate3DPosition(X, Y, Z); };
  if (Vertical) {
    const bool up = Top < Bottom;
    const TPoint a = P((Left + Right) / 2, Top, (z0 + z1) / 2);
    const TPoint p0 = P(Left, Bottom, z0), q0 = P(Right, Bottom, z0);
    const TPoint p2 = P(Left, Bottom, z1), q2 = P(Right, Bottom, z1);
    if (Top != Bottom) {
      triangle(p0, a, q0);
      if (PlotCull(p0, a, p2) != up) triangle(p0, a, p2);
      darken(DarkerColorQuantity);
      if (PlotCull(q0, a, q2) != !up) triangle(q0, a, q2);
      if (up && PlotCull(a, p2, q2)) triangle(a, p2, q2);
    }
    if (PlotCull(p0, q0, p2) != !up) {
      darken(DarkColorQuantity);
      RectangleY(Left, Bottom, Right, z0, z1);
    }
    return;
  }
  const bool flag = Left < Right;
  const TPoint a = P(Right, (Top + Bottom) / 2, (z0 + z1) / 2);
  const TPoint t0 = P(Left, Top, z0), b0 = P(Left, Bottom, z0);
  const TPoint t1 = P(Left, Top, z1), b1 = P(Left, Bottom, z1);
  if (Left != Right) {
    triangle(t0, a, b0);
    if (PlotCull(t1, a, b1) != flag) triangle(t1, a, b1);
    darken(DarkColorQuantity);
    if (PlotCull(t0, a, t1) != flag) triangle(t0, a, t1);
    if (PlotCull(b1, a, b0) != flag) triangle(b1, a, b0);
  }
  if (PlotCull(t0, b0, t1) != !flag) {
    darken(DarkerColorQuantity);
    RectangleZ(Left, Top, Bottom, z0, z1);
  }
}
