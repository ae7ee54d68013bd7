// Ellipses, rectangles with shaped corners and elliptic arcs, built from
// lines and cubic Bezier curves.
#include <cmath>

#include "scene/zr_path.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEllipseKappa = 0.5522847498;

TzrPoint Pt(double X, double Y) { return {static_cast<float>(X), static_cast<float>(Y)}; }

}  // namespace

void TzrPathData::AddEllipse(const TzrRect& R) {
  const float cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  const float kx = static_cast<float>((R.Right - R.Left) / 2 * kEllipseKappa);
  const float ky = static_cast<float>((R.Bottom - R.Top) / 2 * kEllipseKappa);
  MoveTo({R.Left, cy});
  CurveTo({R.Left, cy - ky}, {cx - kx, R.Top}, {cx, R.Top});
  CurveTo({cx + kx, R.Top}, {R.Right, cy - ky}, {R.Right, cy});
  CurveTo({R.Right, cy + ky}, {cx + kx, R.Bottom}, {cx, R.Bottom});
  CurveTo({cx - kx, R.Bottom}, {R.Left, cy + ky}, {R.Left, cy});
}

TzrCornerShape zrRectCornerShape(const TzrRect& ARect, float XRadius, float YRadius,
                                 TzrCorner ACorner) {
  const float L = ARect.Left, T = ARect.Top, R = ARect.Right, B = ARect.Bottom;
  const float width = R - L, height = B - T;
  const float xr = width - 2 * XRadius < 0 ? width / 2 : XRadius;
  const float yr = height - 2 * YRadius < 0 ? height / 2 : YRadius;
  const float hx = xr / 2, hy = yr / 2;
  switch (ACorner) {
    case zrCornerTopLeft:
      return {{L, T + yr},      {L, T},           {L, T + hy}, {L + hx, T},
              {L + hx, T + yr}, {L + xr, T + hy}, {L + xr, T}};
    case zrCornerTopRight:
      return {{R - xr, T},      {R, T},           {R - hx, T}, {R, T + hy},
              {R - xr, T + hy}, {R - hx, T + yr}, {R, T + yr}};
    case zrCornerBottomRight:
      return {{R, B - yr},      {R, B},           {R, B - hy}, {R - hx, B},
              {R - hx, B - yr}, {R - xr, B - hy}, {R - xr, B}};
    case zrCornerBottomLeft:
      break;
  }
  return {{L + xr, B},      {L, B},           {L + hx, B}, {L, B - hy},
          {L + xr, B - hy}, {L + hx, B - yr}, {L, B - yr}};
}

void TzrPathData::AddCorner(const TzrCornerShape& ACorner, TzrCornerType ACornerType) {
  switch (ACornerType) {
    case zrCornerBevel:
      LineTo(ACorner.End);
      break;
    case zrCornerRound:
      CurveTo(ACorner.RoundC1, ACorner.RoundC2, ACorner.End);
      break;
    case zrCornerInnerRound:
      CurveTo(ACorner.InnerA, ACorner.InnerB, ACorner.End);
      break;
    case zrCornerInnerLine:
      LineTo(ACorner.InnerA);
      LineTo(ACorner.InnerB);
      LineTo(ACorner.End);
      break;
  }
}

void TzrPathData::AddRectangle(const TzrRect& R, float XRadius, float YRadius, TzrCorners ACorners,
                               TzrCornerType ACornerType) {
  static constexpr TzrCorner kClockwise[] = {zrCornerTopLeft, zrCornerTopRight, zrCornerBottomRight,
                                             zrCornerBottomLeft};
  for (TzrCorner which : kClockwise) {
    const TzrCornerShape corner = zrRectCornerShape(R, XRadius, YRadius, which);
    if (which == zrCornerTopLeft)
      MoveTo(corner.Start);
    else
      LineTo(corner.Start);
    if ((ACorners & (1u << which)) != 0) {
      AddCorner(corner, ACornerType);
    } else {
      LineTo(corner.Sharp);
      LineTo(corner.End);
    }
  }
  ClosePath();
}

void TzrPathData::AddArc(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle,
                         float SweepAngle) {
  AddArcPieces(Center, Radius, StartAngle, SweepAngle, true);
}

void TzrPathData::AddArcSvgPart(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle,
                                float SweepAngle) {
  AddArcPieces(Center, Radius, StartAngle, SweepAngle, false);
}

// Cuts the arc into pieces of at most a quarter turn, each one curve.
void TzrPathData::AddArcPieces(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle,
                               float SweepAngle, bool Join) {
  double a = StartAngle * kPi / 180;
  a -= 2 * kPi * std::trunc(a / (2 * kPi));
  double s = SweepAngle * kPi / 180;
  if (s < -2 * kPi) s = -2 * kPi;
  if (s > 2 * kPi) s = 2 * kPi;
  if (!(std::fabs(s) >= 1E-10)) return;

  double total = 0;
  bool last = false;
  bool first = true;
  while (!last) {
    const double prev = total;
    double piece = s < 0 ? -kPi / 2 : kPi / 2;
    total += piece;
    if ((s < 0 && total <= s + 0.01) || (s >= 0 && total >= s - 0.01)) {
      piece = s - prev;
      last = true;
    }
    const double x0 = std::cos(piece / 2), y0 = std::sin(piece / 2);
    const double tx = (1 - x0) * 4 / 3, ty = y0 - tx * x0 / y0;
    const double px[4] = {x0, x0 + tx, x0 + tx, x0};
    const double py[4] = {-y0, -ty, ty, y0};
    const double m = a + piece / 2, cm = std::cos(m), sm = std::sin(m);
    TzrPoint points[4];
    for (int i = 0; i < 4; ++i) {
      points[i] = Pt(Center.X + Radius.X * (px[i] * cm - py[i] * sm),
                     Center.Y + Radius.Y * (px[i] * sm + py[i] * cm));
    }
    if (first && Join) {
      if (PathData.empty()) {
        MoveTo(points[0]);
      } else {
        LineTo(points[0]);
      }
    }
    first = false;
    CurveTo(points[1], points[2], points[3]);
    a += piece;
  }
}

// The endpoint-to-centre conversion of SVG.
void TzrPathData::AddArcSvg(const TzrPoint& P1, const TzrPoint& Radius, float Angle, bool LargeFlag,
                            bool SweepFlag, const TzrPoint& P2) {
  if (P1 == P2) return;
  double rx = std::fabs(Radius.X), ry = std::fabs(Radius.Y);
  if (rx == 0 || ry == 0) {
    LineTo(P2);
    return;
  }
  const double phi = Angle * kPi / 180, cphi = std::cos(phi), sphi = std::sin(phi);
  const double dx = (P1.X - P2.X) / 2.0, dy = (P1.Y - P2.Y) / 2.0;
  const double x1 = cphi * dx + sphi * dy, y1 = -sphi * dx + cphi * dy;
  const double lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
  if (lambda > 1) {
    rx *= std::sqrt(lambda);
    ry *= std::sqrt(lambda);
  }
  const double sign = LargeFlag == SweepFlag ? -1 : 1;
  const double rx2 = rx * rx, ry2 = ry * ry;
  double q = (rx2 * ry2 - rx2 * y1 * y1 - ry2 * x1 * x1) / (rx2 * y1 * y1 + ry2 * x1 * x1);
  if (!(q > 0)) q = 0;
  const double k = sign * std::sqrt(q);
  const double cx1 = k * rx * y1 / ry, cy1 = -k * ry * x1 / rx;
  const double cx = (P1.X + P2.X) / 2.0 + cphi * cx1 - sphi * cy1;
  const double cy = (P1.Y + P2.Y) / 2.0 + sphi * cx1 + cphi * cy1;

  const double ux = (x1 - cx1) / rx, uy = (y1 - cy1) / ry;
  const double vx = (-x1 - cx1) / rx, vy = (-y1 - cy1) / ry;
  auto clampedAcos = [](double c) { return std::acos(c < -1 ? -1 : (c > 1 ? 1 : c)); };
  double theta = clampedAcos(ux / std::sqrt(ux * ux + uy * uy));
  if (uy < 0) theta = -theta;
  double delta =
      clampedAcos((ux * vx + uy * vy) / std::sqrt((ux * ux + uy * uy) * (vx * vx + vy * vy)));
  if (ux * vy - uy * vx < 0) delta = -delta;
  if (!SweepFlag && delta > 0) delta -= 2 * kPi;
  if (SweepFlag && delta < 0) delta += 2 * kPi;

  const size_t n = PathData.size();
  AddArcSvgPart({0, 0}, Pt(rx, ry), static_cast<float>(theta * 180 / kPi),
                static_cast<float>(delta * 180 / kPi));
  TzrMatrix m = zrCreateRotationMatrix(static_cast<float>(phi));
  m.m31 = static_cast<float>(cx);
  m.m32 = static_cast<float>(cy);
  for (size_t i = n; i < PathData.size(); ++i) {
    PathData[i].Point = zrPointFromVector(zrVectorTransform(zrVector(PathData[i].Point), m));
  }
}
