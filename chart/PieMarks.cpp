// The pie's own mark options and the placement of its marks: outside the
// slice at the end of a callout along the slice's middle angle, or centred
// inside it; legs, vertical centring, rotation along the slice, tails that
// face the slice, and a vertical nudge off the previous mark.

#include "chart/PieMarks.h"

#include <cmath>
#include <numbers>

#include "chart/AxisPanel.h"
#include "chart/Callout.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/PieSeries.h"
#include "chart/PlotCanvas.h"
#include "chart/PlotGeometry.h"
#include "platform/rtl/RttiDecl.h"

namespace {

int Rounded(double V) { return int(std::nearbyint(V)); }

bool Intersects(const TRect& A, const TRect& B) {
  return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

const TEnumInfo& RotateStyleInfo() {
  static const TEnumInfo info("TRotateStyle", {"rsRadial", "rsTangencial"});
  return info;
}

}  // namespace

// ---------------- options ----------------

const TClassInfo* TPieMarks::Class() {
  using M = TPieMarks;
  static const TClassInfo* info =
      TClassDecl<M>("TPieMarks", TPersistent::Class())
          .Prop("EmptySlice", &M::GetEmptySlice, &M::SetEmptySlice)
          .Default(0)
          .Prop("InsideSlice", &M::GetInsideSlice, &M::SetInsideSlice)
          .Default(0)
          .Prop("LegSize", &M::GetLegSize, &M::SetLegSize)
          .Default(0)
          .Prop("Rotated", &M::GetRotated, &M::SetRotated)
          .Default(0)
          .Enum("RotateStyle", &M::GetRotateStyle, &M::SetRotateStyle, RotateStyleInfo())
          .Default(rsRadial)
          .Prop("VertCenter", &M::GetVertCenter, &M::SetVertCenter)
          .Default(0);
  return info;
}

void TPieMarks::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPieMarks*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FEmptySlice = s->FEmptySlice;
  FInsideSlice = s->FInsideSlice;
  FLegSize = s->FLegSize;
  FRotated = s->FRotated;
  FRotateStyle = s->FRotateStyle;
  FVertCenter = s->FVertCenter;
}

// ---------------- tails ----------------

TTailEdge PieMarkQuadrant(TTailAlign& Align, double Angle, int RotationAngle) {
  double d = Angle * 180 / std::numbers::pi + RotationAngle;
  if (d > 360) d -= 360;
  struct Quadrant {
    double Below;
    TTailAlign Align;
    TTailEdge Edge;
  };
  static const Quadrant quadrants[] = {
      {45, ttaFar, tteLeft},   {90, ttaNear, tteBottom}, {135, ttaFar, tteBottom},
      {180, ttaFar, tteRight}, {225, ttaNear, tteRight}, {270, ttaFar, tteTop},
      {315, ttaNear, tteTop},
  };
  if (d >= 0)
    for (const Quadrant& q : quadrants)
      if (d < q.Below) {
        Align = q.Align;
        return q.Edge;
      }
  Align = ttaNear;
  return tteLeft;
}

TPoint PieTailEnd(int X, int Y, int Margin, TTailEdge Edge, TTailAlign Align) {
  const int m = Margin;
  if ((Align == ttaNear && Edge == tteBottom) || (Align == ttaFar && Edge == tteLeft))
    return TPoint{X + m, Y - m};
  if (Align == ttaFar && (Edge == tteBottom || Edge == tteRight)) return TPoint{X - m, Y - m};
  if ((Align == ttaNear && Edge == tteRight) || (Align == ttaFar && Edge == tteTop))
    return TPoint{X - m, Y + m};
  return TPoint{X + m, Y + m};
}

int PieMarkTextAngle(double Angle, int RotationAngle, TRotateStyle Style) {
  int r = Rounded(Angle * 180 / std::numbers::pi) + RotationAngle;
  if (Style == rsTangencial) r += 90;
  if (r >= 90 && r <= 270) r = r + 180 > 360 ? r - 180 : r + 180;
  return r;
}

TTailEdge TPieSeries::GetMarkQuadrant(TTailAlign& Align, double Angle) const {
  return PieMarkQuadrant(Align, Angle, FRotationAngle);
}

TPoint TPieSeries::GetTailEnd(int X, int Y, int Margin, int Z, TTailAlign Align) const {
  const TPoint p = PieTailEnd(X, Y, Margin, FMarks->GetTail()->GetEdge(), Align);
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FParent);
  if (chart && chart->GetView3D() && chart->GetCanvas())
    return chart->GetCanvas()->Calculate3DPosition(p.X, p.Y, Z);
  return p;
}

// ---------------- the mark loop ----------------

void TPieSeries::DrawMarks() {
  TSeriesMarks* marks = GetMarks();
  TMarksTail* tail = marks->GetTail();
  TMarksTail saved;
  bool customPoint = false;
  if (tail->GetAutoAlign()) {
    FAutoMarkPointer = true;
    saved.Assign(tail);
    customPoint = tail->GetCustomPoint();
  }
  TCircledSeries::DrawMarks();
  if (!FAutoMarkPointer) return;
  FAutoMarkPointer = false;
  tail->Assign(&saved);
  tail->SetCustomPoint(customPoint);
}

void TPieSeries::NudgeOverlap(int ValueIndex, TSeriesMarkPosition& Position) {
  if (ValueIndex <= FirstDisplayedIndex()) return;
  TSeriesMarks* marks = GetMarks();
  TSeriesMarkPosition* previous = marks->GetPositions()->Get(ValueIndex - 1);
  if (previous == nullptr) return;
  const TRect r = marks->TotalBounds(ValueIndex, Position);
  const TRect o = marks->TotalBounds(ValueIndex - 1, *previous);
  if (!Intersects(r, o)) return;
  const int t1 = r.Top, t0 = o.Top;
  Position.Offset(TPoint{0, t1 < FCircleYCenter ? t1 - t0 : t0 - t1});
}

void TPieSeries::DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) {
  if (BelongsToOtherSlice(ValueIndex)) return;
  if (GetyValue(ValueIndex) == 0 && !FPieMarks->GetEmptySlice()) return;
  TSeriesMarks* marks = GetMarks();
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FParent);
  int rx, ry;
  CalcExplodedRadius(ValueIndex, rx, ry);
  CheckAngles();
  if (ValueIndex >= int(FAngles.size())) return;
  double a = FAngles[ValueIndex].MidAngle;
  if (Count() == 1 && a == std::numbers::pi) a = 0;
  const bool fullRotation =
      chart && chart->GetCanvas() && chart->GetCanvas()->GetSupportsFullRotation();
  const int z = fullRotation ? EndZ - SliceEndZ(ValueIndex) : SliceEndZ(ValueIndex);
  marks->SetZPosition(z);
  TPlotPen* arrow = marks->GetArrow();
  const bool arrowVisible = arrow->GetVisible();
  const int w = Position.Width, h = Position.Height;
  if (FPieMarks->GetInsideSlice()) {
    arrow->SetVisible(false);
    int x, y;
    AngleToPos(a, rx / 2.0, ry / 2.0, x, y);
    Position.LeftTop = TPoint{x - w / 2, y - h / 2};
    Position.ArrowFrom = Position.ArrowTo = TPoint{x, y};
  } else {
    Position.ArrowFix = true;
    const int distance = marks->GetCallout()->GetDistance();
    const int L = marks->GetCallout()->GetLength() + distance;
    int cx, cy;
    AngleToPos(a, rx + L, ry + L, cx, cy);
    AngleToPos(a, rx + distance, ry + distance, Position.ArrowFrom.X, Position.ArrowFrom.Y);
    Position.LeftTop.X = cx > FCircleXCenter ? cx : cx - w;
    Position.LeftTop.Y = cy > FCircleYCenter ? cy : cy - h;
    if (FPieMarks->GetVertCenter()) {
      const int half = h / 2;
      Position.LeftTop.Y += cy > FCircleYCenter ? -half : half;
      cy += cy > FCircleYCenter ? half : -half;
    }
    const int leg = FPieMarks->GetLegSize();
    if (leg != 0) {
      Position.HasMid = true;
      if (cx > FCircleXCenter) {
        if (cx - leg < Position.ArrowFrom.X) {
          Position.MidPoint.X = Position.ArrowFrom.X;
          cx += leg;
          Position.LeftTop.X = cx;
        } else {
          Position.MidPoint.X = cx - leg;
        }
      } else if (Position.ArrowFrom.X < cx + leg) {
        Position.MidPoint.X = Position.ArrowFrom.X;
        cx = Position.ArrowFrom.X - leg;
        Position.LeftTop.X = cx - w;
      } else {
        Position.MidPoint.X = cx + leg;
      }
      Position.MidPoint.Y = cy;
    } else {
      Position.HasMid = false;
      Position.MidPoint = TPoint{0, 0};
    }
    Position.ArrowTo = TPoint{cx, cy};
    if (marks->GetAutoPosition()) NudgeOverlap(ValueIndex, Position);
  }
  const int oldAngle = marks->GetAngle();
  const bool oldAuto = marks->GetAutoPosition();
  TMarksTail* tail = marks->GetTail();
  if (tail->GetVisible() && FAutoMarkPointer) {
    TTailAlign align = tail->GetAlign();
    tail->SetEdge(GetMarkQuadrant(align, a));
    if (tail->GetCustomPoint())
      tail->SetCustomPointPos(
          GetTailEnd(Position.ArrowFrom.X, Position.ArrowFrom.Y, tail->GetMargin(), z, align));
    tail->SetAlign(align);
  }
  if (FPieMarks->GetRotated()) {
    marks->SetAngle(PieMarkTextAngle(a, FRotationAngle, FPieMarks->GetRotateStyle()));
    marks->SetAutoPosition(false);
  }
  TCircledSeries::DrawMark(ValueIndex, Text, Position);
  marks->SetAngle(oldAngle);
  marks->SetAutoPosition(oldAuto);
  if (FPieMarks->GetInsideSlice()) arrow->SetVisible(arrowVisible);
}
