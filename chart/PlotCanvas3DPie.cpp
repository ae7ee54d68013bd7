// The 3D pie slice of the GDI chart canvas: an elliptic sector in the
// screen plane whose thickness is drawn as a downward offset, with its
// walls ordered by where the slice's edges lie against its centre. A
// bevelled slice has a sloped ring between its top face and its outer
// wall; with arcs turned on the top face and the front wall are device
// paths, so their curved edges are smooth.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/PlotBlend.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotUnitRoutines.h"

namespace {

int Rounded(double V) { return int(std::nearbyint(V)); }

TRect Shifted(const TRect& R, int DY) { return TRect{R.Left, R.Top + DY, R.Right, R.Bottom + DY}; }

TRect Around(int X, int Y, int RX, int RY) { return TRect{X - RX, Y - RY, X + RX, Y + RY}; }

// The state of one slice.
struct TPieDrawer {
  TPlotCanvas3D* C = nullptr;
  int zPos = 0;
  TRect z0Rect, z1Rect, z0DonutRect, z1DonutRect, z0BevelRect, z1BevelRect;
  bool isDonut = false, hasBevel = false, usingArcs = false;
  int BevelBright = 0;
  bool BevelBorder = false;

  TPointF Rim(const TRect& Box, double Angle) { return C->PointFromCircle(Box, Angle, float(zPos)); }
  TPoint RimRounded(const TRect& Box, double Angle) {
    TPointF p = Rim(Box, Angle);
    return TPoint{Rounded(p.x), Rounded(p.y)};
  }
  // The box the top face lies on: the bevel's when bevelled.
  const TRect& TopBox() const { return hasBevel ? z0BevelRect : z0Rect; }
  // The upper edge of the outer wall: the bevel's foot when bevelled.
  const TRect& WallTop() const { return hasBevel ? z1BevelRect : z0Rect; }

  // A wall between two boxes over a..b: the rim of the first forwards,
  // the rim of the second backwards, one point per whole degree.
  void Wall(const TRect& First, const TRect& Second, int A, int B) {
    if (A > B) std::swap(A, B);
    TPointFloatArray p;
    for (int a = A; a <= B; a++) p.push_back(Rim(First, a));
    for (int a = B; a >= A; a--) p.push_back(Rim(Second, a));
    C->PolygonFloat(p);
  }
  void OuterWall(int A, int B) { Wall(z1Rect, WallTop(), A, B); }

  // The sloped ring from the top face down to the outer wall, in a
  // brighter or darker brush; its changed brush and pen stay for the top
  // face drawn next, so the two read as one surface.
  void BevelRing(int A, int B) {
    if (!hasBevel) return;
    TPlotBrush* brush = C->GetBrush();
    if (BevelBright > 0) brush->SetColor(ApplyBright(brush->GetColor(), uint8_t(BevelBright)));
    if (BevelBright < 0) brush->SetColor(ApplyDark(brush->GetColor(), uint8_t(-BevelBright)));
    if (!BevelBorder) C->GetPen()->SetStyle(psClear);
    if (B < A) B += 360;
    Wall(z0BevelRect, z1BevelRect, A, B);
  }

  // The device arc of Box seen at the slice's depth, from From to To.
  void ArcOf(const TRect& Box, TPoint From, TPoint To, bool ClockWise) {
    if (From.X == To.X && From.Y == To.Y) return;
    TRect r = C->CalcRect3D(Box, zPos);
    C->ArcTo(r.Left, r.Top, r.Right, r.Bottom, From.X, From.Y, To.X, To.Y, ClockWise);
  }

  // The front wall over s..e as one device path: up the start edge, along
  // the bottom rim, up the end edge and back along the upper rim. False
  // when the device cannot begin a path, so a polygon is drawn instead.
  bool OuterPath(int S, int E) {
    if (!C->BeginPath()) return false;
    const TPoint top0 = RimRounded(WallTop(), S), low0 = RimRounded(z1Rect, S);
    const TPoint low1 = RimRounded(z1Rect, E), top1 = RimRounded(WallTop(), E);
    C->MoveTo(top0.X, top0.Y);
    C->LineTo(low0.X, low0.Y);
    ArcOf(z1Rect, low0, low1, false);
    C->LineTo(top1.X, top1.Y);
    ArcOf(WallTop(), top1, top0, true);
    C->StrokeAndFillPath();
    return true;
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

  // The top face as one device path with its rims drawn as arcs. False
  // when the device cannot begin a path.
  bool FacePath(TPoint Middle, int A, int B) {
    if (!C->BeginPath()) return false;
    const TPoint from = isDonut ? RimRounded(z0DonutRect, A) : Middle;
    const TPoint start = RimRounded(TopBox(), A), end = RimRounded(TopBox(), B);
    C->MoveTo(from.X, from.Y);
    C->LineTo(start.X, start.Y);
    ArcOf(TopBox(), start, end, false);
    if (isDonut) {
      const TPoint holeEnd = RimRounded(z0DonutRect, B);
      C->LineTo(holeEnd.X, holeEnd.Y);
      ArcOf(z0DonutRect, holeEnd, from, true);
    } else {
      C->LineTo(Middle.X, Middle.Y);
    }
    C->StrokeAndFillPath();
    return true;
  }
};

// An angle in degrees brought into 0..360.
int Normalised(int A) {
  while (A > 360) A -= 360;
  while (A < -360) A += 360;
  return A < 0 ? A + 360 : A;
}

}  // namespace

bool TPlotCanvas3D::BeginPath() { return gdi::BeginPath(DrawHandle()) != 0; }

void TPlotCanvas3D::StrokeAndFillPath() {
  gdi::HDC dc = DrawHandle();
  gdi::EndPath(dc);
  gdi::StrokeAndFillPath(dc);
}

void TPlotCanvas3D::Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
                          double StartAngle, double EndAngle, bool DarkSides, bool DrawSides,
                          int DonutPercent, TCustomPlotGradient* Gradient, int BevelPercent,
                          TEdgeStyle EdgeStyle, TPlotTransparency Transparency, int BevelBright,
                          bool BevelBorder, bool HideSides) {
  TPieDrawer d;
  d.C = this;
  d.zPos = Z1 - Z0;
  d.usingArcs = Pie3DUsingArcs;
  d.BevelBright = BevelBright;
  d.BevelBorder = BevelBorder;
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
  if (BevelPercent > 0) {
    const float b = float(d.zPos) * float(BevelPercent) * 0.01f;
    d.z0BevelRect = Around(XCenter, YCenter, Rounded(XRadius - b), Rounded(YRadius - b));
    d.z1BevelRect = Shifted(d.z0Rect, Rounded(b));
    d.hasBevel = true;
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
  auto inner = [&] {
    if (d.isDonut && !HideSides && (entire || start0.Y < middle0.Y || end0.Y < middle0.Y || sweep >= 180))
      d.Wall(d.z0DonutRect, d.z1DonutRect, iStart, iEnd);
  };
  // A flat side: from the centre (or the hole's rim) out to the rim, down
  // the bevel's slope first when bevelled.
  auto side = [&](TPoint Rim0, TPoint Rim1, int Angle) {
    if (sweep >= 360 || !(entire || DrawSides)) return;
    const TPoint in0 = d.isDonut ? d.RimRounded(d.z0DonutRect, Angle) : middle0;
    const TPoint in1 = d.isDonut ? d.RimRounded(d.z1DonutRect, Angle) : middle1;
    if (!d.hasBevel) {
      IPoints[0] = in0, IPoints[1] = Rim0, IPoints[2] = Rim1, IPoints[3] = in1;
      PolygonFour();
      return;
    }
    const TPoint p[5] = {in0, d.RimRounded(d.z0BevelRect, Angle),
                         d.RimRounded(d.z1BevelRect, Angle), Rim1, in1};
    Polygon(p);
  };
  auto outer = [&](int A, int B) {
    const int s = Normalised(A);
    int e = Normalised(B);
    const bool startAbove = start0.Y <= middle0.Y, endAbove = end0.Y <= middle0.Y;
    if (full) {
      d.OuterWall(0, 180);
      d.OuterWall(180, 360);
      if (!entire) d.BevelRing(0, 360);
      return;
    }
    if (startAbove && endAbove && sweep < 180) {
      if (entire)
        d.OuterWall(A, B);
      else
        d.BevelRing(A, B);
      return;
    }
    if (startAbove && endAbove) {
      d.OuterWall(A, B);
      if (entire) return;
    } else if (!startAbove && endAbove) {
      if (entire) d.OuterWall(0, e);
      if (s > 0) d.OuterWall(s, 360);
    } else if (startAbove && !endAbove) {
      if (entire) d.OuterWall(180, s);
      d.OuterWall(180, e);
    } else if (sweep > 180) {
      d.OuterWall(0, 180);
      d.OuterWall(e, 180);
      if (s > 0) d.OuterWall(s, 360);
    } else {
      if (e < s) e += 360;
      if (!(d.usingArcs && d.OuterPath(s, e))) d.OuterWall(s, e);
    }
    d.BevelRing(iStart, iEnd);
  };
  auto st = [&] { side(start0, start1, iStart); };
  auto en = [&] { side(end0, end1, iEnd); };
  auto out = [&] { outer(iStart, iEnd); };
  if (iStart != iEnd) {
    const bool middleBeforeEnd = middle0.X < end0.X, startBeforeMiddle = start0.X < middle0.X;
    if (middleBeforeEnd && startBeforeMiddle) {
      // A wide slice open to the right shows only the front half of its wall.
      inner(), st(), en();
      if (sweep > 180)
        outer(std::clamp(iStart, 180, 360), std::clamp(iEnd, 180, 360));
      else
        out();
    } else if (middleBeforeEnd && sweep > 180) {
      inner(), st(), en(), out();
    } else if (middleBeforeEnd) {
      en(), inner(), out(), st();
    } else if (startBeforeMiddle && sweep <= 180) {
      st(), inner(), out(), en();
    } else if (startBeforeMiddle) {
      inner(), en(), st(), out();
    } else if (sweep <= 180) {
      inner(), out(), st(), en();
    } else {
      inner(), en(), out(), st();
    }
  }
  if (DarkSides) {
    if (FBrush->GetStyle() == bsSolid)
      FBrush->SetColor(oldColor);
    else
      SetBackColor(oldColor);
    if (FPen->GetColor() != oldPen) FPen->SetColor(oldPen);
  }
  // A whole turn has no start edge for a path to run along: its rim
  // would close on itself with nothing between, so it stays a polygon.
  if (!(Pie3DUsingArcs && !full && d.FacePath(middle0, iStart, iEnd)))
    d.Face(d.TopBox(), d.z0DonutRect, middle0, iStart, iEnd, full);
  if ((Gradient && Gradient->GetVisible()) || EdgeStyle != edNone)
    DrawLighting(EdgeStyle, d.zPos, d.TopBox(), d.hasBevel ? d.z1BevelRect : d.z1Rect,
                 d.z0DonutRect, iStart, iEnd, middle0, d.isDonut);
}
