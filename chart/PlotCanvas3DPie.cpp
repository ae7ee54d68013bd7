// The 3D pie slice of the GDI chart canvas: an elliptic sector in the
// screen plane whose thickness is drawn as a downward offset, with its
// walls ordered by where the slice's edges lie against its centre.

#include <cmath>
#include <numbers>

#include "chart/PlotBlend.h"
#include "chart/PlotCanvas3D.h"

namespace {

int Rounded(double V) { return int(std::nearbyint(V)); }

TRect Shifted(const TRect& R, int DY) { return TRect{R.Left, R.Top + DY, R.Right, R.Bottom + DY}; }

TRect Around(int X, int Y, int RX, int RY) { return TRect{X - RX, Y - RY, X + RX, Y + RY}; }

// The state of one slice.
struct TPieDrawer {
  TPlotCanvas3D* C = nullptr;
  int zPos = 0;
  TRect z0Rect, z1Rect, z0DonutRect, z1DonutRect;
  bool isDonut = false;

  TPointF Rim(const TRect& Box, double Angle) { return C->PointFromCircle(Box, Angle, float(zPos)); }
  TPoint RimRounded(const TRect& Box, double Angle) {
    TPointF p = Rim(Box, Angle);
    return TPoint{Rounded(p.x), Rounded(p.y)};
  }

  // A wall between two boxes over a..b: the rim of the first forwards,
  // the rim of the second backwards, one point per whole degree.
  void Wall(const TRect& First, const TRect& Second, int A, int B) {
    if (A > B) std::swap(A, B);
    TPointFloatArray p;
    for (int a = A; a <= B; a++) p.push_back(Rim(First, a));
    for (int a = B; a >= A; a--) p.push_back(Rim(Second, a));
    C->PolygonFloat(p);
  }

  // The face of the slice on a box: centre, rim, centre; a donut's outer
  // rim forwards and its hole backwards; a full turn without the centre.
  void Face(const TRect& Box, const TRect& Hole, TPoint Middle, int A, int B, bool Full) {
    TPointFloatArray p;
    TPointF middle{float(Middle.X), float(Middle.Y)};
    if (!Full && !isDonut) p.push_back(middle);
    for (int a = A; a <= B; a++) p.push_back(Rim(Box, a));
    if (isDonut)
      for (int a = B; a >= A; a--) p.push_back(Rim(Hole, a));
    else if (!Full)
      p.push_back(middle);
    C->PolygonFloat(p);
  }
};

}  // namespace

void TPlotCanvas3D::Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
                          double StartAngle, double EndAngle, bool DarkSides, bool DrawSides,
                          int DonutPercent, TCustomPlotGradient* Gradient, int,
                          TEdgeStyle EdgeStyle, TPlotTransparency Transparency, int, bool,
                          bool HideSides) {
  TPieDrawer d;
  d.C = this;
  d.zPos = Z1 - Z0;
  d.z0Rect = Around(XCenter, YCenter, XRadius, YRadius);
  d.z1Rect = Shifted(d.z0Rect, d.zPos);
  int iStart = Rounded(StartAngle * 180 / std::numbers::pi);
  int iEnd = Rounded(EndAngle * 180 / std::numbers::pi);
  const bool full = StartAngle == EndAngle || iEnd - iStart == 360;
  if (iEnd < iStart) iEnd += 360;
  // Equal angles are a whole turn.
  if (full && iEnd == iStart) iEnd = iStart + 360;
  const TColor oldColor = FBrush->GetStyle() == bsSolid ? FBrush->GetColor() : GetBackColor();
  const bool entire = Transparency > 0 && !HideSides;
  if (DonutPercent > 0) {
    d.z0DonutRect = Around(XCenter, YCenter, Rounded(XRadius * DonutPercent * 0.01),
                           Rounded(YRadius * DonutPercent * 0.01));
    d.z1DonutRect = Shifted(d.z0DonutRect, d.zPos);
    d.isDonut = true;
  }
  const TPoint middle0 = Calculate3DPosition(XCenter, YCenter, d.zPos);
  const TPoint middle1 = Calculate3DPosition(XCenter, YCenter + d.zPos, d.zPos);
  const TPoint start0 = d.RimRounded(d.z0Rect, iStart), end0 = d.RimRounded(d.z0Rect, iEnd);
  const TPoint start1 = d.RimRounded(d.z1Rect, iStart), end1 = d.RimRounded(d.z1Rect, iEnd);
  const int sweep = iEnd - iStart;
  TPlotBlend* blend = nullptr;
  if (Transparency > 0) {
    int w = FPen->GetWidth() / 2;
    blend = BeginBlending(FSupportsAlpha ? PlotZeroRect
                                         : TRect{d.z0Rect.Left - w, d.z0Rect.Top - w,
                                                 d.z0Rect.Right + w + 1, d.z1Rect.Bottom + w},
                          Transparency);
  }
  struct End {
    TPlotCanvas3D* C = nullptr;
    TPlotBlend* B;
    bool Open;
    ~End() {
      if (Open) C->EndBlending(B);
    }
  } end{this, blend, Transparency > 0};
  if (entire) d.Face(d.z1Rect, d.z1DonutRect, middle1, iStart, iEnd, full);
  const TColor oldPen = FPen->GetColor();
  if (DarkSides) {
    if (FBrush->GetStyle() != bsClear) FBrush->SetColor(ApplyDark(FBrush->GetColor(), 32));
    if (FPen->GetColor() == oldColor) FPen->SetColor(ApplyDark(FPen->GetColor(), 32));
  }
  auto normalised = [](int a) {
    while (a > 360) a -= 360;
    while (a < -360) a += 360;
    return a < 0 ? a + 360 : a;
  };
  auto inner = [&] {
    if (d.isDonut && !HideSides && (entire || start0.Y < middle0.Y || end0.Y < middle0.Y || sweep >= 180))
      d.Wall(d.z0DonutRect, d.z1DonutRect, iStart, iEnd);
  };
  auto side = [&](TPoint Rim0, TPoint Rim1, int Angle) {
    if (sweep >= 360 || !(entire || DrawSides)) return;
    IPoints[0] = d.isDonut ? d.RimRounded(d.z0DonutRect, Angle) : middle0;
    IPoints[1] = Rim0;
    IPoints[2] = Rim1;
    IPoints[3] = d.isDonut ? d.RimRounded(d.z1DonutRect, Angle) : middle1;
    PolygonFour();
  };
  auto outer = [&] {
    const int s = normalised(iStart);
    int e = normalised(iEnd);
    const bool startAbove = start0.Y <= middle0.Y, endAbove = end0.Y <= middle0.Y;
    const TRect& top = d.z0Rect;
    if (full) {
      d.Wall(d.z1Rect, top, 0, 180);
      d.Wall(d.z1Rect, top, 180, 360);
    } else if (startAbove && endAbove) {
      if (sweep >= 180 || entire) d.Wall(d.z1Rect, top, iStart, iEnd);
    } else if (!startAbove && endAbove) {
      if (entire) d.Wall(d.z1Rect, top, 0, e);
      if (s > 0) d.Wall(d.z1Rect, top, s, 360);
    } else if (startAbove && !endAbove) {
      if (entire) d.Wall(d.z1Rect, top, 180, s);
      d.Wall(d.z1Rect, top, 180, e);
    } else if (sweep > 180) {
      d.Wall(d.z1Rect, top, 0, 180);
      d.Wall(d.z1Rect, top, e, 180);
      if (s > 0) d.Wall(d.z1Rect, top, s, 360);
    } else {
      if (e < s) e += 360;
      d.Wall(d.z1Rect, top, s, e);
    }
  };
  auto st = [&] { side(start0, start1, iStart); };
  auto en = [&] { side(end0, end1, iEnd); };
  if (iStart != iEnd) {
    const bool middleBeforeEnd = middle0.X < end0.X, startBeforeMiddle = start0.X < middle0.X;
    if (middleBeforeEnd && (startBeforeMiddle || sweep > 180)) {
      inner(), st(), en(), outer();
    } else if (middleBeforeEnd) {
      en(), inner(), outer(), st();
    } else if (startBeforeMiddle && sweep <= 180) {
      st(), inner(), outer(), en();
    } else if (startBeforeMiddle) {
      inner(), en(), st(), outer();
    } else if (sweep <= 180) {
      inner(), outer(), st(), en();
    } else {
      inner(), en(), outer(), st();
    }
  }
  if (DarkSides) {
    if (FBrush->GetStyle() == bsSolid)
      FBrush->SetColor(oldColor);
    else
      SetBackColor(oldColor);
    if (FPen->GetColor() != oldPen) FPen->SetColor(oldPen);
  }
  d.Face(d.z0Rect, d.z0DonutRect, middle0, iStart, iEnd, full);
  if ((Gradient && Gradient->GetVisible()) || EdgeStyle != edNone)
    DrawLighting(EdgeStyle, d.zPos, d.z0Rect, d.z1Rect, d.z0DonutRect, iStart, iEnd, middle0,
                 d.isDonut);
}
