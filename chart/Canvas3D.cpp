#include "chart/Canvas3D.h"

#include <cmath>
#include <numbers>

#include "chart/PlotBlend.h"

int NumCirclePoints = 180;

namespace {
int Rounded(double V) { return int(std::nearbyint(V)); }
}  // namespace

TVisualBlock* TCanvas3D::BeginEntity(const std::string&, TVisualBlock* Block, TPlotTransform*) {
  return Block;
}

void TCanvas3D::DrawLighting(TEdgeStyle, int, const TRect&, const TRect&, const TRect&, int, int,
                             TPoint, bool) {}

bool TCanvas3D::RenderToBitmap(TBitmap*&, const TRect&) { return false; }

void TCanvas3D::Assign(TCanvas3D* Source) {
  SetMonochrome(Source->GetMonochrome());
  F3DOptions = Source->F3DOptions;
  FFontZoom = Source->FFontZoom;
}

void TCanvas3D::AssignFont3D(TPlotFont* AFont) {
  if (!GetSupports3DText() && F3DOptions && F3DOptions->GetZoomText() != ztNo &&
      F3DOptions->GetZoomFloat() != 100)
    AssignFontSize(AFont, float(AFont->GetSizeFloat() * 0.01 * F3DOptions->GetZoomFloat()));
  else
    AssignFont(AFont);
}

// ---------------- front plane ----------------

void TCanvas3D::FrontPlaneBegin() {
  if (IDisabledRotation == 0) DisableRotation();
  IDisabledRotation++;
}

void TCanvas3D::FrontPlaneEnd() {
  IDisabledRotation--;
  if (IDisabledRotation == 0) EnableRotation();
}

// ---------------- lines and points at a depth ----------------

void TCanvas3D::MoveTo3D(int X, int Y, int Z) { MoveTo(Calculate3DPosition(X, Y, Z)); }
void TCanvas3D::LineTo3D(int X, int Y, int Z) { LineTo(Calculate3DPosition(X, Y, Z)); }
void TCanvas3D::MoveTo3D(float X, float Y, float Z) { MoveTo3D(Rounded(X), Rounded(Y), Rounded(Z)); }
void TCanvas3D::LineTo3D(float X, float Y, float Z) { LineTo3D(Rounded(X), Rounded(Y), Rounded(Z)); }

void TCanvas3D::HorizLine3D(int Left, int Right, int Y, int Z) {
  MoveTo3D(Left, Y, Z);
  LineTo3D(Right, Y, Z);
}

void TCanvas3D::VertLine3D(int X, int Top, int Bottom, int Z) {
  MoveTo3D(X, Top, Z);
  LineTo3D(X, Bottom, Z);
}

void TCanvas3D::ZLine3D(int X, int Y, int Z0, int Z1) {
  MoveTo3D(X, Y, Z0);
  LineTo3D(X, Y, Z1);
}

void TCanvas3D::LineWithZ(int X0, int Y0, int X1, int Y1, int Z) {
  MoveTo3D(X0, Y0, Z);
  LineTo3D(X1, Y1, Z);
}

TRect TCanvas3D::CalcRect3D(const TRect& R, int Z) {
  TPoint a = Calculate3DPosition(R.Left, R.Top, Z);
  TPoint b = Calculate3DPosition(R.Right, R.Bottom, Z);
  return TRect{a.X, a.Y, b.X, b.Y};
}

TPointArray TCanvas3D::Calc3DPoints(std::span<const TPoint> Points, int z) {
  TPointArray result(Points.size());
  for (size_t i = 0; i < Points.size(); i++)
    result[i] = Calculate3DPosition(Points[i].X, Points[i].Y, z);
  return result;
}

void TCanvas3D::Calc3DPointsFloat(TPointFloatArray& Points, int z) {
  for (TPointF& p : Points) Calculate3DPosition(p, float(z));
}

void TCanvas3D::PolygonFloatWithZ(TPointFloatArray Points, int Z) {
  Calc3DPointsFloat(Points, Z);
  PolygonFloat(Points);
}

void TCanvas3D::PolylineWithZ(TPointFloatArray Points, int Z) {
  Calc3DPointsFloat(Points, Z);
  PolylineFloat(Points);
}

void TCanvas3D::FourPointsFromRect(const TRect& R, int Z, TFourPoints& P) {
  P[0] = Calculate3DPosition(R.Left, R.Top, Z);
  P[1] = Calculate3DPosition(R.Right, R.Top, Z);
  P[2] = Calculate3DPosition(R.Right, R.Bottom, Z);
  P[3] = Calculate3DPosition(R.Left, R.Bottom, Z);
}

TRect TCanvas3D::RectFromRectZ(const TRect& R, int Z) {
  TFourPoints p;
  FourPointsFromRect(R, Z, p);
  return RectFromPolygon(p, 4);
}

void TCanvas3D::TrianglePointsTo2D(const TTrianglePoints3D& P, TTrianglePoints& Result) {
  for (int i = 0; i < 3; i++) Result[i] = Calculate3DPosition(P[size_t(i)]);
}

// ---------------- polygons at a depth ----------------

void TCanvas3D::PolygonWithZ(std::span<const TPoint> Points, int Z) {
  Polygon(Calc3DPoints(Points, Z));
}

void TCanvas3D::PolygonConcave(std::span<const TPoint> Points, int Z) { PolygonWithZ(Points, Z); }

void TCanvas3D::Polyline(std::span<const TPoint> Points, int Z) {
  Polyline(Calc3DPoints(Points, Z));
}

void TCanvas3D::Polygon3DConcave(std::span<const TPoint3DSingle> Points, bool Invert) {
  std::vector<TPoint3D> p(Points.size());
  for (size_t i = 0; i < Points.size(); i++)
    p[i] = TPoint3D{Rounded(Points[i].x), Rounded(Points[i].y), Rounded(Points[i].z)};
  Polygon3DConcave(std::span<const TPoint3D>(p), Invert);
}

void TCanvas3D::Polygon3DConcave(std::span<const TPoint3D> Points, bool) { Polygon3D(Points); }

void TCanvas3D::Diamond(int Left, int Top, int Right, int Bottom, int Z0, int Z1) {
  int mx = (Left + Right) / 2, my = (Top + Bottom) / 2;
  TPoint p[] = {{mx, Top}, {Right, my}, {mx, Bottom}, {Left, my}};
  PolygonWithZ(p, (Z0 + Z1) / 2);
}

void TCanvas3D::RoundRect(const TRect& R, int X, int Y, int Z0, int) {
  if (GetSupportsFullRotation())
    RectangleWithZ(R, Z0);
  else
    TPlotCanvas::RoundRect(CalcRect3D(R, Z0), X, Y, nullptr);
}

void TCanvas3D::RoundRectWithZ(const TRect& R, int, int, int Z) { RectangleWithZ(R, Z); }

void TCanvas3D::Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX,
                    int EndY, int Z) {
  TRect r = CalcRect3D(TRect{Left, Top, Right, Bottom}, Z);
  TPoint s = Calculate3DPosition(StartX, StartY, Z);
  TPoint e = Calculate3DPosition(EndX, EndY, Z);
  Arc(r.Left, r.Top, r.Right, r.Bottom, s.X, s.Y, e.X, e.Y);
}

// ---------------- ellipses, circles and spirals ----------------

TPointF TCanvas3D::PointFromCircle(const TRect& Rect, double Degrees, float zPos,
                                   bool ClockWise) {
  TPointF p = ::PointFromCircle(Rect, Degrees, ClockWise);
  if (zPos != 0) Calculate3DPosition(p, zPos);
  return p;
}

TPoint TCanvas3D::PointFromSpiral(const TRect& Rect, double Degrees, double Twist) {
  return ::PointFromSpiral(Rect, Degrees, Twist);
}

void TCanvas3D::CalcPieAngles(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                              float& StartAngle, float& EndAngle) {
  ::CalcPieAngles(X1, Y1, X2, Y2, X3, Y3, X4, Y4, StartAngle, EndAngle);
}

void TCanvas3D::RotatedEllipse(int Left, int Top, int Right, int Bottom, int Z, double Angle) {
  int n = NumCirclePoints;
  double cx = (Left + Right) * 0.5, cy = (Top + Bottom) * 0.5;
  double s = std::sin(Angle * PlotPiStep), c = std::cos(Angle * PlotPiStep);
  TPointFloatArray p(size_t(std::max(n, 0)));
  for (int i = 0; i < n; i++) {
    double t = i * (2 * std::numbers::pi / (n - 1));
    double u = (cx - Left) * std::sin(t), v = (cy - Top) * std::cos(t);
    p[size_t(i)] = TPointF{float(cx + u * c + v * s), float(cy - u * s + v * c)};
  }
  if (FBrush->GetStyle() != bsClear)
    PolygonFloatWithZ(p, Z);
  else if (FPen->GetStyle() != psClear)
    PolylineWithZ(p, Z);
}

// ---------------- hulls and arrows ----------------

TPointArray TCanvas3D::CubeHull(const TRect& Rect, int MinZ, int MaxZ) {
  const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  TPointArray p = {Calculate3DPosition(L, B, MinZ), Calculate3DPosition(L, B, MaxZ),
                   Calculate3DPosition(L, T, MaxZ), Calculate3DPosition(R, T, MaxZ),
                   Calculate3DPosition(R, T, MinZ), Calculate3DPosition(R, B, MinZ),
                   Calculate3DPosition(L, T, MinZ), Calculate3DPosition(R, B, MaxZ)};
  ConvexHull(p);
  return p;
}

TPointArray TCanvas3D::GetArrowPoints(float ArrowPercent, TPoint FromPoint, TPoint ToPoint,
                                      int ArrowWidth, int ArrowHeight, int Z) {
  TPointArray p =
      TPlotCanvas::GetArrowPoints(ArrowPercent, FromPoint, ToPoint, ArrowWidth, ArrowHeight);
  for (TPoint& q : p) q = Calculate3DPosition(q, Z);
  return p;
}

// ---------------- shadows, surfaces ----------------

void TCanvas3D::SmoothShadow(TPlotShadow* Shadow, const TRect& Rect, bool IsEllipse,
                             int CornerSize, std::span<const TPoint> Points, int,
                             double StartAngle, double EndAngle) {
  FBrush->SetColor(Shadow->GetColor());
  FBrush->SetStyle(bsSolid);
  if (FPen->GetStyle() != psClear) {
    FPen->SetStyle(psSolid);
    FPen->SetColor(FBrush->GetColor());
  }
  if (!Points.empty()) {
    Polygon(Points);
    return;
  }
  if (IsEllipse) {
    auto figure = [&] {
      if (EndAngle - StartAngle == 360)
        Ellipse(Rect);
      else
        Pie(Rect, StartAngle, EndAngle);
    };
    if (!Shadow->GetSmooth()) {
      figure();
      return;
    }
    TColor c = Shadow->GetColor();
    auto g = std::make_unique<TPlotGradient>();
    g->SetVisible(true);
    g->SetEndColor(c == clBlack ? clSilver : ApplyBright(c, 32));
    g->SetStartColor(ApplyDark(c, 128));
    g->SetDirection(gdRadial);
    auto saved = std::make_unique<TPlotGradient>();
    saved->Assign(GetGradient());
    GetGradient()->Assign(g.get());
    FPen->SetStyle(psClear);
    struct Restore {
      TCanvas3D* C;
      TPlotGradient* G;
      ~Restore() { C->GetGradient()->Assign(G); }
    } restore{this, saved.get()};
    figure();
    return;
  }
  if (CornerSize != 0)
    TPlotCanvas::RoundRect(Rect, CornerSize, CornerSize, nullptr);
  else
    FillRect(Rect);
}

void TCanvas3D::TriSurface(int NumTriangles, bool, bool, TPlotBlend* Blend,
                           TPlotTransparency Transparency,
                           const TPlotCanvasTriPoints& CalcPoints, TPlotCachedObject*&) {
  for (int i = 1; i <= NumTriangles; i++) {
    TTrianglePoints3D points{};
    TTriangleColors3D colors{};
    int i0 = 0, i1 = 0, i2 = 0;
    CalcPoints(i, points, colors, i0, i1, i2);
    if (Blend) {
      TTrianglePoints p;
      TrianglePointsTo2D(points, p);
      Blend->SetRectangle(RectFromTriangle(p));
    }
    Triangle3D(points, colors);
    if (Blend) Blend->DoBlend(Transparency);
  }
}

void TCanvas3D::PyramidTrunc(const TRectF& R, double StartZ, double EndZ, double TruncX,
                             double TruncZ, bool TopCover, bool BottomCover) {
  const float mx = (R.Left + R.Right) * 0.5f, mz = float((StartZ + EndZ) * 0.5);
  const float tx = float(TruncX), tz = float(TruncZ), sz = float(StartZ), ez = float(EndZ);
  const bool flip = R.Bottom < R.Top;
  auto at = [&](float X, float Y, float Z) {
    TPointF p{X, Y};
    Calculate3DPosition(p, Z);
    return p;
  };
  auto baseCover = [&] {
    if (!BottomCover) return;
    PolygonFloat(TPointFloatArray{at(R.Left, R.Bottom, sz), at(R.Right, R.Bottom, sz),
                                  at(R.Right, R.Bottom, ez), at(R.Left, R.Bottom, ez)});
  };
  auto topCover = [&] {
    if (!TopCover || TruncX == 0) return;
    PolygonFloat(TPointFloatArray{at(mx - tx, R.Top, mz - tz), at(mx + tx, R.Top, mz - tz),
                                  at(mx + tx, R.Top, mz + tz), at(mx - tx, R.Top, mz + tz)});
  };
  // A side: its top edge (x, z) pairs at R.Top, its base edge at R.Bottom.
  auto side = [&](float X0, float Z0, float X1, float Z1, float X2, float Z2, float X3, float Z3,
                  bool Reverse, bool Negate) {
    TPointFloatArray q{at(X0, R.Top, Z0), at(X1, R.Top, Z1), at(X2, R.Bottom, Z2),
                       at(X3, R.Bottom, Z3)};
    bool cull = Reverse ? PlotCull(q[3], q[2], q[1]) : PlotCull(q[1], q[2], q[3]);
    if ((Negate ? !cull : cull) != flip) PolygonFloat(q);
  };
  if (R.Bottom > R.Top)
    baseCover();
  else
    topCover();
  if (TruncX != 0 || StartZ != EndZ) {
    side(mx - tx, mz + tz, mx + tx, mz + tz, R.Right, ez, R.Left, ez, false, true);
    side(mx - tx, mz - tz, mx - tx, mz + tz, R.Left, ez, R.Left, sz, true, false);
    side(mx - tx, mz - tz, mx + tx, mz - tz, R.Right, sz, R.Left, sz, false, false);
    side(mx + tx, mz - tz, mx + tx, mz + tz, R.Right, ez, R.Right, sz, true, true);
  } else {
    side(mx - tx, mz + tz, mx + tx, mz + tz, R.Right, ez, R.Left, ez, false, false);
  }
  if (R.Bottom > R.Top)
    topCover();
  else
    baseCover();
}

// ---------------- a picture laid on a plane ----------------

void TCanvas3D::StretchDraw(const TRect& Rect, TGraphic* Graphic, double Pos,
                            TCanvas3DPlane Plane) {
  if (!Graphic) return;
  FPen->SetStyle(psClear);
  std::unique_ptr<TBitmap> copy;
  TBitmap* source = dynamic_cast<TBitmap*>(Graphic);
  if (!source) {
    copy = std::make_unique<TBitmap>();
    copy->Assign(Graphic);
    source = copy.get();
  }
  source->SetPixelFormat(pf24bit);
  if (source->GetWidth() == 0 || source->GetHeight() == 0) return;
  double sy = double(Rect.Bottom - Rect.Top) / source->GetHeight();
  double sx = double(Rect.Right - Rect.Left) / source->GetWidth();
  SetAntiAlias(false);
  int p = Rounded(Pos);
  auto project = [&](int u, int v) {
    switch (Plane) {
      case cpX: return Calculate3DPosition(p, v, u);
      case cpY: return Calculate3DPosition(u, p, v);
      default: return Calculate3DPosition(u, v, p);
    }
  };
  for (int r = 0; r < source->GetHeight(); r++) {
    const uint8_t* row = source->GetScanLine(r);
    int ya = Rect.Top + Rounded(r * sy), yb = Rect.Top + Rounded((r + 1) * sy);
    for (int k = 0; k < source->GetWidth(); k++) {
      int xa = Rect.Left + Rounded(k * sx), xb = Rect.Left + Rounded((k + 1) * sx);
      const uint8_t* px = row + 3 * k;
      FBrush->SetColor(TColor(px[2] | (px[1] << 8) | (px[0] << 16)));
      TPoint q[] = {project(xa, ya), project(xb, ya), project(xb, yb), project(xa, yb)};
      Polygon(q);
    }
  }
  SetAntiAlias(true);
}
