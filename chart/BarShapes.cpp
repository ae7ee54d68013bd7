// Painting one bar once its rectangle is known: the point's visual block,
// or the shadow, the emboss and the bar itself, optionally through a
// transparency layer; the fifteen bar shapes flat and in 3D, the bar's pen
// and brush, its gradient, the bevel frame and the axis tick lines across
// it; and which bar lies under a mouse position.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/AxisPanel.h"
#include "chart/BarSeries.h"
#include "chart/ChartAxis.h"
#include "chart/PlotBlend.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotCorners.h"
#include "chart/PlotGeometry.h"
#include "chart/PlotGradient.h"
#include "chart/PlotRoutines.h"
#include "chart/PlotShadow.h"
#include "chart/PlotUnitRoutines.h"
#include "chart/PlotView3D.h"
#include "chart/PlotVisualBlock.h"

namespace {

bool IsRectangleStyle(TBarStyle S) {
  return S == bsRectangle || S == bsRectGradient || S == bsBevel || S == bsRoundRectangle;
}

uint8_t Channel(TColor C, int Shift) { return uint8_t((uint32_t(C) >> Shift) & 0xFF); }

// Start moved towards Bar by Ratio, per red, green and blue channel.
TColor MixColor(TColor Start, TColor Bar, double Ratio) {
  uint32_t result = 0;
  for (int shift : {0, 8, 16}) {
    const int s = Channel(Start, shift), b = Channel(Bar, shift);
    const int v = std::clamp(s + int(std::nearbyint((b - s) * Ratio)), 0, 255);
    result |= uint32_t(v) << shift;
  }
  return TColor(result);
}

TRect Ordered(const TRect& R) { return OrientRectangle(R); }

// The gradient's colours changed without telling the series: they change
// for every bar of a paint, and a repaint request from within the paint
// would paint again without end.
void SetColorsQuietly(TPlotGradient* G, TColor Start, TColor End) {
  TPlotGradient copy;
  copy.Assign(G);
  copy.SetStartColor(Start);
  copy.SetEndColor(End);
  G->Assign(&copy);
}

}  // namespace

// ---------------- one point ----------------

void TCustomBarSeries::DrawValue(int ValueIndex) {
  TChartSeries::DrawValue(ValueIndex);
  if (!Chart()) return;
  NormalBarColor = GetValueColor(ValueIndex);
  if (NormalBarColor == clNone) return;
  FBarBounds = CalcBarBounds(ValueIndex);
  if (TVisualBlock* block = HasVisuals() ? Visuals()->GetVisual(ValueIndex) : nullptr) {
    block->SetBounds(FBarBounds, float(StartZ), float(EndZ));
    block->SetFormatting(FPen.get(), FBrush.get(), false, NormalBarColor, GetTransparency());
    return;
  }
  if (MandatoryValueList->GetValue(ValueIndex) == 0 &&
      (FMultiBar == mbStacked || FMultiBar == mbStacked100 || FMultiBar == mbSelfStack))
    return;
  DrawEffect(FShadow.get(), ValueIndex);
  DrawEffect(FEmboss.get(), ValueIndex);
  DrawBarBlended(ValueIndex, GetTransparency());
}

void TCustomBarSeries::DrawEffect(TPlotShadow* Effect, int ValueIndex) {
  if (!Effect->ShouldDraw()) return;
  TCustomAxisPanel* chart = Chart();
  TCanvas3D* c = chart->GetCanvas();
  const TColor penColor = FPen->GetColor();
  const TNotifyEvent penChange = FPen->OnChange;
  FPen->OnChange = nullptr;
  NormalBarColor = Effect->GetColor();
  FPen->SetColor(NormalBarColor);
  int dx = Effect->GetHorizSize(), dy = Effect->GetVertSize();
  switch (Effect->GetDirection()) {
    case sdLeftTop:
      dx = -dx;
      dy = -dy;
      break;
    case sdLeftBottom:
      dx = -dx;
      break;
    case sdRightTop:
      dy = -dy;
      break;
    default:
      break;
  }
  const TRect saved = FBarBounds;
  TRect& r = FBarBounds;
  if (YMandatory) {
    r.Left += dx;
    r.Right += dx;
    if (r.Top < r.Bottom)
      r.Top += dy;
    else
      r.Bottom -= dy;
  } else {
    r.Top += dy;
    r.Bottom += dy;
    if (r.Left < r.Right)
      r.Right += dx;
    else
      r.Left -= dx;
  }
  const bool flatStyle = FBarStyle == bsRectangle || FBarStyle == bsRectGradient ||
                         FBarStyle == bsBevel ||
                         (FBarStyle == bsRoundRectangle && FBarRound == brBothEnds);
  if (Effect->GetSmooth() && flatStyle) {
    const int corner = FBarStyle == bsRoundRectangle ? FRoundSize : 0;
    if (!chart->GetView3D()) {
      Effect->Draw(c, Ordered(saved), corner, 0);
    } else if (chart->GetView3DOptions()->GetOrthogonal()) {
      if (c->GetSupportsFullRotation()) Effect->ZPosition = EndZ;
      Effect->Draw(c, Ordered(saved), corner, 0);
    } else {
      TFourPoints p;
      c->FourPointsFromRect(Ordered(saved), EndZ, p);
      Effect->Draw(c, std::span<const TPoint>(p, 4));
    }
  } else {
    DrawBarBlended(ValueIndex, Effect->GetTransparency());
  }
  FBarBounds = saved;
  NormalBarColor = GetValueColor(ValueIndex);
  FPen->SetColor(penColor);
  FPen->OnChange = penChange;
}

void TCustomBarSeries::DrawBarBlended(int ValueIndex, int Transparency) {
  const TRect& r = FBarBounds;
  const int low = YMandatory ? std::min(r.Top, r.Bottom) : std::min(r.Left, r.Right);
  const int high = YMandatory ? std::max(r.Top, r.Bottom) : std::max(r.Left, r.Right);
  if (Transparency <= 0) {
    DrawBar(ValueIndex, low, high);
    return;
  }
  TPlotBlend* blend = CreateBlend(Transparency);
  DrawBar(ValueIndex, low, high);
  Chart()->GetCanvas()->EndBlending(blend);
}

TPlotBlend* TCustomBarSeries::CreateBlend(int Transparency) {
  TCustomAxisPanel* chart = Chart();
  TCanvas3D* c = chart->GetCanvas();
  if (c->GetSupportsAlpha()) return c->BeginBlending(PlotZeroRect, Transparency);
  TRect r = Ordered(FBarBounds);
  if (chart->GetView3D()) {
    if (FPen->GetVisible()) {
      r.Right += FPen->GetWidth();
      r.Bottom += FPen->GetWidth();
    }
    const TRect front = Ordered(c->RectFromRectZ(r, StartZ));
    const TRect back = Ordered(c->RectFromRectZ(r, EndZ));
    r = TRect{std::min(front.Left, back.Left), std::min(front.Top, back.Top),
              std::max(front.Right, back.Right), std::max(front.Bottom, back.Bottom)};
  }
  return c->BeginBlending(r, Transparency);
}

// ---------------- the bar ----------------

void TBarSeries::DrawBar(int BarIndex, int StartPos, int EndPos) {
  TCustomBarSeries::PaintBar(BarIndex, StartPos, EndPos);
}

void THorizBarSeries::DrawBar(int BarIndex, int StartPos, int EndPos) {
  TCustomBarSeries::PaintBar(BarIndex, StartPos, EndPos);
}

void TCustomBarSeries::PaintBar(int BarIndex, int StartPos, int EndPos) {
  TCustomAxisPanel* chart = Chart();
  if (!chart || !chart->GetCanvas()->GetBrush()) return;
  const TBarStyle style = GetBarStyle(BarIndex);
  TPlotGradient* gradient = GetGradient();
  if (style == bsRectGradient) gradient->SetVisible(true);
  const bool swapped = gradient->GetVisible() && CalcBarGradient(BarIndex);
  SetPenBrushBar(NormalBarColor, BarIndex);
  const int half = FPen->GetVisible() ? FPen->GetWidth() / 2 : 0;
  if (half > 0) {
    FBarBounds.Left += half;
    FBarBounds.Top += half;
    FBarBounds.Right -= half;
    FBarBounds.Bottom -= half;
  }
  const TRect& r = FBarBounds;
  const int mid = YMandatory ? (r.Left + r.Right) / 2 : (r.Top + r.Bottom) / 2;
  if (chart->GetView3D()) {
    const int sides = PlotNumCylinderSides, points = NumCirclePoints;
    PlotNumCylinderSides = std::max(2, FSides);
    if (YMandatory) NumCirclePoints = 2 * PlotNumCylinderSides;
    DrawShape3D(style, StartPos, EndPos, mid);
    PlotNumCylinderSides = sides;
    NumCirclePoints = points;
  } else {
    DrawShape2D(style, StartPos, EndPos, mid);
  }
  if (swapped) SwapGradientColors();
  if (style == bsBevel) DrawBevel();
  DrawTickLines(StartPos, EndPos, style);
}

void TCustomBarSeries::DrawShape3D(TBarStyle Style, int StartPos, int EndPos, int Mid) {
  TCanvas3D* c = Chart()->GetCanvas();
  const TRect& r = FBarBounds;
  const bool v = YMandatory;
  // The rectangle from the start to the end along the value axis.
  auto along = [&](int From, int To) {
    return v ? TRect{r.Left, From, r.Right, To} : TRect{From, r.Top, To, r.Bottom};
  };
  const int thickness = v ? r.Right - r.Left : r.Bottom - r.Top;
  switch (Style) {
    case bsRectangle:
    case bsRectGradient:
    case bsBevel:
    case bsRoundRectangle: {
      const int corner = Style == bsRoundRectangle ? FRoundSize : 0;
      if (v)
        c->Cube(r.Left, r.Right, StartPos, EndPos, StartZ, EndZ, FDark3D, corner);
      else
        c->Cube(StartPos, EndPos, r.Top, r.Bottom, StartZ, EndZ, FDark3D, corner);
      break;
    }
    case bsPyramid:
    case bsInvPyramid: {
      const TRect p = Style == bsPyramid ? along(StartPos, EndPos) : along(EndPos, StartPos);
      c->Pyramid(v, p.Left, p.Top, p.Right, p.Bottom, StartZ, EndZ, FDark3D);
      break;
    }
    case bsCilinder:
      c->Cylinder(v, r.Left, r.Top, r.Right, r.Bottom, StartZ, EndZ, FDark3D);
      break;
    case bsSlantCube: {
      const int sides = PlotNumCylinderSides;
      PlotNumCylinderSides = 4;
      c->Cylinder(v, r.Left, r.Top, r.Right, r.Bottom, StartZ, EndZ, FDark3D);
      PlotNumCylinderSides = sides;
      break;
    }
    case bsEllipse:
      c->EllipseWithZ(r.Left, r.Top, r.Right, r.Bottom, MiddleZ);
      break;
    case bsArrow:
    case bsInvArrow: {
      TPoint a = v ? TPoint{Mid, EndPos} : TPoint{StartPos, Mid};
      TPoint b = v ? TPoint{Mid, StartPos} : TPoint{EndPos, Mid};
      if (Style == bsInvArrow) std::swap(a, b);
      c->Arrow(true, a, b, thickness, thickness / 2, StartZ, EndZ, 50);
      break;
    }
    case bsCone:
    case bsInvCone: {
      const TRect p = Style == bsCone ? along(StartPos, EndPos) : along(EndPos, StartPos);
      c->Cone(v, p.Left, p.Top, p.Right, p.Bottom, StartZ, EndZ, FDark3D, FConePercent);
      break;
    }
    case bsDiamond: {
      const TRect p = along(StartPos, EndPos);
      c->Diamond(p.Left, p.Top, p.Right, p.Bottom, StartZ, EndZ);
      break;
    }
    case bsCustom:
      break;
  }
}

void TCustomBarSeries::DrawShape2D(TBarStyle Style, int StartPos, int EndPos, int Mid) {
  TCanvas3D* c = Chart()->GetCanvas();
  const TRect& r = FBarBounds;
  const bool v = YMandatory;
  const int thickness = v ? r.Right - r.Left : r.Bottom - r.Top;
  // The triangle with its base at Base and its apex at Apex along the value axis.
  auto triangle = [&](int Base, int Apex) {
    const TPoint p[3] = {v ? TPoint{r.Left, Base} : TPoint{Base, r.Top},
                         v ? TPoint{Mid, Apex} : TPoint{Apex, Mid},
                         v ? TPoint{r.Right, Base} : TPoint{Base, r.Bottom}};
    c->Polygon(std::span<const TPoint>(p, 3));
  };
  switch (Style) {
    case bsPyramid:
    case bsCone:
      if (v)
        triangle(EndPos, StartPos);
      else
        triangle(StartPos, EndPos);
      break;
    case bsInvPyramid:
    case bsInvCone:
      if (v)
        triangle(StartPos, EndPos);
      else
        triangle(EndPos, StartPos);
      break;
    case bsEllipse:
      c->Ellipse(r);
      break;
    case bsArrow:
    case bsInvArrow: {
      TPoint a = v ? TPoint{Mid, EndPos} : TPoint{StartPos, Mid};
      TPoint b = v ? TPoint{Mid, StartPos} : TPoint{EndPos, Mid};
      if (Style == bsInvArrow) std::swap(a, b);
      c->Arrow(true, a, b, thickness, thickness / 2, MiddleZ);
      break;
    }
    case bsSlantCube:
      BarRectangle(NormalBarColor, r, false);
      if (v)
        c->Line(Mid, r.Top, Mid, r.Bottom);
      else
        c->Line(r.Left, Mid, r.Right, Mid);
      break;
    case bsDiamond:
      if (v)
        c->Diamond(r.Left, StartPos, r.Right, EndPos, StartZ, EndZ);
      else
        c->Diamond(StartPos, r.Top, EndPos, r.Bottom, StartZ, EndZ);
      break;
    case bsRoundRectangle:
      BarRectangle(NormalBarColor, r, true);
      break;
    case bsCustom:
      break;
    default:
      BarRectangle(NormalBarColor, r, false);
      break;
  }
}

void TCustomBarSeries::BarRectangle(TColor BarColor, int ALeft, int ATop, int ARight, int ABottom,
                                    bool Rounded) {
  (void)BarColor;
  TCanvas3D* c = Chart()->GetCanvas();
  if (c->GetBrush()->GetStyle() == bsSolid) {
    c->GetPen()->SetWidth(FPen->GetWidth());
    auto outlineInBrushColor = [&] {
      c->GetPen()->SetColor(c->GetBrush()->GetColor());
      if (c->GetPen()->GetStyle() == psClear) c->GetPen()->SetStyle(psSolid);
    };
    if (ALeft == ARight || ATop == ABottom) {
      outlineInBrushColor();
      c->Line(ALeft, ATop, ARight, ABottom);
      return;
    }
    const int penWidth = c->GetPen()->GetWidth();
    if (FPen->GetVisible() &&
        (penWidth >= std::abs(ARight - ALeft) || penWidth >= std::abs(ABottom - ATop))) {
      outlineInBrushColor();
      c->GetBrush()->SetStyle(bsClear);
    }
  }
  if (!Rounded || FBarRound == brNone) {
    c->Rectangle(ALeft, ATop, ARight, ABottom);
    return;
  }
  const TRect r = OrientRectangle(ALeft, ATop, ARight, ABottom);
  if (FBarRound == brBothEnds) {
    c->RoundRect(r, FRoundSize, FRoundSize);
    return;
  }
  TPlotCorners corners;
  if (YMandatory) {
    TPlotCorner* a = ATop > ABottom ? corners.GetLeftTop() : corners.GetLeftBottom();
    TPlotCorner* b = ATop > ABottom ? corners.GetRightTop() : corners.GetRightBottom();
    a->SetStyle(cosNone);
    b->SetStyle(cosNone);
  } else {
    TPlotCorner* a = ALeft > ARight ? corners.GetRightTop() : corners.GetLeftTop();
    TPlotCorner* b = ALeft > ARight ? corners.GetRightBottom() : corners.GetLeftBottom();
    a->SetStyle(cosNone);
    b->SetStyle(cosNone);
  }
  c->RoundRect(r, FRoundSize, FRoundSize, &corners);
}

// ---------------- pen, brush and gradient ----------------

void TCustomBarSeries::PrepareBarPen(int ValueIndex) {
  if (ValueIndex != -1 && PrepareHoverPen(ValueIndex)) return;
  TCanvas3D* c = Chart()->GetCanvas();
  if (FDarkPen < 1 || ValueIndex == -1)
    c->AssignVisiblePen(FPen.get());
  else
    c->AssignVisiblePenColor(FPen.get(),
                             ApplyDark(GetValueColor(ValueIndex), uint8_t(255 - FDarkPen)));
}

void TCustomBarSeries::SetPenBrushBar(TColor BarColor, int ValueIndex) {
  PrepareBarPen(ValueIndex);
  TCustomAxisPanel* chart = Chart();
  TColor back = FBrush->GetColor();
  if (back == TColor(0x20000000)) back = chart->GetBackColor();
  chart->SetBrushCanvas(BarColor, FBrush.get(), back);
}

bool TCustomBarSeries::CalcBarGradient(int ValueIndex) {
  TPlotGradient* g = GetGradient();
  const double v = MandatoryValueList->GetValue(ValueIndex);
  TColor end = NormalBarColor;
  if (FGradientRelative) {
    const double max = MandatoryValueList->MaxValue(), min = MandatoryValueList->MinValue();
    double num, den;
    if (!FUseOrigin) {
      num = max - v;
      den = max - min;
    } else if (v >= FOrigin) {
      num = v - FOrigin;
      den = max - FOrigin;
    } else {
      num = FOrigin - v;
      den = FOrigin - min;
    }
    // A range of 0 (all values equal, or the extreme at the origin) shows
    // the full bar colour rather than dividing by zero.
    double ratio = 1;
    if (den != 0) ratio = FUseOrigin ? num / den : 1 - num / den;
    end = MixColor(g->GetStartColor(), NormalBarColor, ratio);
  }
  SetColorsQuietly(g, g->GetStartColor(), end);
  bool swap = FUseOrigin && FGradientRelative && v < FOrigin;
  if (MandatoryAxis() && MandatoryAxis()->GetInverted()) swap = !swap;
  if (swap) SwapGradientColors();
  return swap;
}

void TCustomBarSeries::SwapGradientColors() {
  TPlotGradient* g = GetGradient();
  SetColorsQuietly(g, g->GetEndColor(), g->GetStartColor());
}

void TCustomBarSeries::DrawBevel() {
  TCustomAxisPanel* chart = Chart();
  const bool is3D = chart->GetView3D();
  const bool ortho = chart->GetView3DOptions()->GetOrthogonal();
  if (is3D && !ortho) return;
  TRect r = Ordered(FBarBounds);
  if (FPen->GetVisible()) {
    const int w = FPen->GetWidth();
    r = TRect{r.Left + w, r.Top + w, r.Right - w, r.Bottom - w};
    if (is3D) {
      ++r.Right;
      ++r.Bottom;
    }
  }
  chart->GetCanvas()->Frame3D(r, ApplyBright(NormalBarColor, DarkerColorQuantity),
                              ApplyDark(NormalBarColor, DarkColorQuantity), FBevelSize);
}

// ---------------- tick lines ----------------

void TCustomBarSeries::DrawTickLines(int StartPos, int EndPos, TBarStyle Style) {
  if (!FTickLines || !FTickLines->GetVisible()) return;
  TChartAxis* axis = MandatoryAxis();
  if (!axis) return;
  Chart()->GetCanvas()->AssignVisiblePen(FTickLines.get());
  for (int t : axis->Tick)
    if (t > StartPos && t < EndPos) DrawTickLine(t, Style);
}

void TCustomBarSeries::DrawTickDepthLine(int Pos) {
  TCustomAxisPanel* chart = Chart();
  if (!chart->GetView3D()) return;
  TCanvas3D* c = chart->GetCanvas();
  const TRect& r = FBarBounds;
  // A face along the value axis at Fixed (x for vertical bars, y for
  // horizontal ones); Low and High are its ends across.
  auto culled = [&](int Fixed, int Low, int High) {
    const TPoint a = YMandatory ? c->Calculate3DPosition(Fixed, Low, StartZ)
                                : c->Calculate3DPosition(Low, Fixed, StartZ);
    const TPoint b = YMandatory ? c->Calculate3DPosition(Fixed, Low, EndZ)
                                : c->Calculate3DPosition(Low, Fixed, EndZ);
    const TPoint d = YMandatory ? c->Calculate3DPosition(Fixed, High, EndZ)
                                : c->Calculate3DPosition(High, Fixed, EndZ);
    return PlotCull(a, b, d);
  };
  if (YMandatory) {
    const int low = std::max(r.Top, r.Bottom), high = std::min(r.Top, r.Bottom);
    if (!culled(r.Right, low, high))
      c->ZLine3D(r.Right, Pos, StartZ, EndZ);
    else if (culled(r.Left, low, high))
      c->ZLine3D(r.Left, Pos, StartZ, EndZ);
    return;
  }
  const int left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
  if (!culled(r.Top, left, right))
    c->ZLine3D(Pos, r.Top, StartZ, EndZ);
  else if (culled(r.Bottom, left, right))
    c->ZLine3D(Pos, r.Bottom, StartZ, EndZ);
}

void TBarSeries::DrawTickLine(int Pos, TBarStyle Style) {
  TCustomAxisPanel* chart = Chart();
  TCanvas3D* c = chart->GetCanvas();
  const TRect& r = FBarBounds;
  const bool is3D = chart->GetView3D();
  const bool ortho = chart->GetView3DOptions()->GetOrthogonal();
  if (IsRectangleStyle(Style)) {
    const bool back = is3D && chart->GetView3DOptions()->BackFaced();
    c->HorizLine3D(r.Left, r.Right, Pos, back ? EndZ : StartZ);
  } else if (Style == bsCilinder) {
    if (!is3D || ortho) DrawCylinderTicks(Pos);
  } else if (Style == bsArrow) {
    const int q = (r.Right - r.Left) / 4;
    c->HorizLine3D(r.Left + q, r.Right - q, Pos, MiddleZ);
  }
  if (is3D && IsRectangleStyle(Style)) DrawTickDepthLine(Pos);
}

void THorizBarSeries::DrawTickLine(int Pos, TBarStyle Style) {
  TCustomAxisPanel* chart = Chart();
  TCanvas3D* c = chart->GetCanvas();
  const TRect& r = FBarBounds;
  const bool is3D = chart->GetView3D();
  const bool ortho = chart->GetView3DOptions()->GetOrthogonal();
  if (IsRectangleStyle(Style)) {
    const bool back = is3D && chart->GetView3DOptions()->BackFaced();
    c->VertLine3D(Pos, r.Top, r.Bottom, back ? EndZ : StartZ);
  } else if (Style == bsCilinder) {
    if (!is3D || ortho) DrawCylinderTicks(Pos);
  } else if (Style == bsArrow) {
    const int q = (r.Bottom - r.Top) / 4;
    c->VertLine3D(Pos, r.Top + q, r.Bottom - q, MiddleZ);
  }
  if (is3D && IsRectangleStyle(Style)) DrawTickDepthLine(Pos);
}

void TCustomBarSeries::DrawCylinderTicks(int Pos) {
  TCanvas3D* c = Chart()->GetCanvas();
  const int n = PlotNumCylinderSides;
  const double a = YMandatory ? FBarBounds.Left : FBarBounds.Top;
  const double b = YMandatory ? FBarBounds.Right : FBarBounds.Bottom;
  std::vector<TPoint> points;
  for (int k = 0; k < n; ++k) {
    const double theta = std::numbers::pi * k / n + std::numbers::pi;
    const int across = int(std::nearbyint((a + b) / 2 - std::cos(theta) * (b - a) / 2));
    const int z =
        int(std::nearbyint((StartZ + EndZ) / 2.0 + std::sin(theta) * (EndZ - StartZ) / 2.0));
    points.push_back(YMandatory ? c->Calculate3DPosition(across, Pos, z)
                                : c->Calculate3DPosition(Pos, across, z));
  }
  static_cast<TPlotCanvas*>(c)->Polyline(std::span<const TPoint>(points));
}

// ---------------- hit testing ----------------

int TCustomBarSeries::Clicked(int X, int Y) {
  if (FFirstVisibleIndex < 0 || FLastVisibleIndex < 0) return -1;
  const int last = std::min(FLastVisibleIndex, Count() - 1);
  for (int i = FFirstVisibleIndex; i <= last; ++i)
    if (InternalClicked(i, TPoint{X, Y})) return i;
  return -1;
}

bool TBarSeries::InternalClicked(int ValueIndex, TPoint P) {
  if (!Chart()) return false;
  const int pos = CalcXPos(ValueIndex);
  if (!Chart()->GetView3D() && (P.X < pos || P.X > pos + IBarSize)) return false;
  const int a = CalcYPos(ValueIndex), b = GetOriginPos(ValueIndex);
  return ClickedShape(ValueIndex, P, pos, std::min(a, b), std::max(a, b));
}

bool THorizBarSeries::InternalClicked(int ValueIndex, TPoint P) {
  if (!Chart()) return false;
  const int pos = CalcYPos(ValueIndex);
  if (!Chart()->GetView3D() && (P.Y < pos || P.Y > pos + IBarSize)) return false;
  const int a = CalcXPos(ValueIndex), b = GetOriginPos(ValueIndex);
  return ClickedShape(ValueIndex, P, pos, std::min(a, b), std::max(a, b));
}

bool TCustomBarSeries::ClickedShape(int ValueIndex, TPoint P, int Pos, int Low, int High) {
  (void)ValueIndex;
  TCanvas3D* c = Chart()->GetCanvas();
  const bool is3D = Chart()->GetView3D();
  const bool v = YMandatory;
  const int size = IBarSize;
  // A point at Across on the category axis and Along on the value axis.
  auto at = [&](int Across, int Along) {
    return v ? TPoint{Across, Along} : TPoint{Along, Across};
  };
  // For vertical bars the value end (top) is Low; for horizontal bars High.
  const int valueEnd = v ? Low : High, originEnd = v ? High : Low;
  switch (FBarStyle) {
    case bsPyramid:
    case bsCone:
    case bsInvPyramid:
    case bsInvCone: {
      const bool inverted = FBarStyle == bsInvPyramid || FBarStyle == bsInvCone;
      const int base = inverted ? valueEnd : originEnd, apex = inverted ? originEnd : valueEnd;
      if (!is3D)
        return v ? PointInTriangle(P, Pos, Pos + size, base, apex)
                 : PointInHorizTriangle(P, Pos, Pos + size, base, apex);
      const TPoint poly[3] = {
          c->Calculate3DPosition(at(Pos, base).X, at(Pos, base).Y, StartZ),
          c->Calculate3DPosition(at(Pos + size / 2, apex).X, at(Pos + size / 2, apex).Y, MiddleZ),
          c->Calculate3DPosition(at(Pos + size, base).X, at(Pos + size, base).Y, StartZ)};
      return PointInPolygon(P, poly, 3);
    }
    case bsArrow:
    case bsInvArrow: {
      TPoint from = at(Pos + size / 2, originEnd), to = at(Pos + size / 2, valueEnd);
      if (FBarStyle == bsInvArrow) std::swap(from, to);
      const TPointArray poly = is3D ? c->GetArrowPoints(50, from, to, size, size / 2, MiddleZ)
                                    : TPlotCanvas::GetArrowPoints(50, from, to, size, size / 2);
      return PointInPolygon(P, poly.data(), int(poly.size()));
    }
    case bsDiamond:
      return v ? PointInDiamond(P, Pos, Low, Pos + size, High)
               : PointInDiamond(P, Low, Pos, High, Pos + size);
    default: {
      const TRect r = v ? TRect{Pos, Low, Pos + size, High} : TRect{Low, Pos, High, Pos + size};
      if (is3D) return PointInCube(P, r, StartZ, EndZ);
      if (FBarStyle == bsEllipse) return PointInEllipse(P, r);
      return v ? P.Y >= Low && P.Y <= High : P.X >= Low && P.X <= High;
    }
  }
}

bool TCustomBarSeries::PointInDiamond(TPoint P, int X0, int Y0, int X1, int Y1) const {
  const int mx = (X0 + X1) / 2, my = (Y0 + Y1) / 2;
  TPoint poly[4] = {{mx, Y0}, {X1, my}, {mx, Y1}, {X0, my}};
  if (Chart() && Chart()->GetView3D())
    for (TPoint& q : poly) q = Chart()->GetCanvas()->Calculate3DPosition(q.X, q.Y, StartZ);
  return PointInPolygon(P, poly, 4);
}

bool TCustomBarSeries::PointInCube(TPoint P, const TRect& R, int MinZ, int MaxZ) const {
  if (Chart() && Chart()->GetView3D()) {
    const TPointArray hull = Chart()->GetCanvas()->CubeHull(R, MinZ, MaxZ);
    return PointInPolygon(P, hull.data(), int(hull.size()));
  }
  return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}
