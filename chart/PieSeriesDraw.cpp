// The pie's layout in the chart (one pie, a grid of pies, concentric
// rings), the drawing of its slices in 2D and 3D with shadows, and hit
// testing of slices.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/AxisPanel.h"
#include "chart/CircularFrame.h"
#include "chart/Legend.h"
#include "chart/PieSeries.h"
#include "chart/PlotBlend.h"
#include "chart/PlotCanvas.h"
#include "chart/PlotGeometry.h"
#include "chart/PlotGradient.h"
#include "chart/PlotHover.h"
#include "chart/PlotShadow.h"
#include "chart/PlotUnitRoutines.h"
#include "chart/PlotVisualBlock.h"
#include "chart/SeriesMarks.h"

namespace {

constexpr double Pi = std::numbers::pi;

int Rounded(double V) { return int(std::nearbyint(V)); }

TCustomAxisPanel* ChartOf(const TChartSeries* Series) {
  return dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
}

double Degrees(double Radians) { return Radians * 180 / Pi; }

// The angular distance of x from the back of the pie (pi / 2).
double FromBack(double X) {
  if (X < Pi / 2) return Pi / 2 - X;
  if (X < 3 * Pi / 2) return X - Pi / 2;
  return 5 * Pi / 2 - X;
}

}  // namespace

// ---------------- layout ----------------

void TPieSeries::LayoutConcentric() {
  TCustomAxisPanel* chart = ChartOf(this);
  TCircledSeries::DoBeforeDrawValues();
  IHideSides = true;
  // n rings in all; this one is ring k (from the centre), previous the ring
  // inside it, whose radius is this ring's hole.
  int n = 0, k = -1;
  TPieSeries* previous = nullptr;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    auto* s = dynamic_cast<TPieSeries*>(chart->GetSeries(i));
    if (s == nullptr || !s->GetActive() || s->FMultiPie != mpConcentric) continue;
    if (s == this) k = n;
    if (k == -1) previous = s;
    ++n;
  }
  if (k == -1) k = 0;
  const double f = (100 / std::max(1, n)) * (k + 1) / 100.0;
  FXRadius = Rounded(FXRadius * f);
  FYRadius = Rounded(FYRadius * f);
  FCircleRect = TRect{FCircleXCenter - FXRadius, FCircleYCenter - FYRadius,
                      FCircleXCenter + FXRadius, FCircleYCenter + FYRadius};
  FCircleWidth = 2 * FXRadius;
  FCircleHeight = 2 * FYRadius;
  if (k == 0 || previous == nullptr || FXRadius == 0)
    FDonutPercent = 0;
  else
    FDonutPercent = Rounded(previous->FXRadius * 100.0 / FXRadius);
}

void TPieSeries::LayoutAutomatic() {
  TCustomAxisPanel* chart = ChartOf(this);
  IHideSides = false;
  const int n = PieCount();
  if (n >= 2) {
    int j = 0;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
      TChartSeries* s = chart->GetSeries(i);
      if (s == this) break;
      if (s->GetActive() && s->ClassType() == ClassType()) ++j;
    }
    const TRect r = chart->ChartRect;
    const int columns = std::max(1, Rounded(std::sqrt(double(n))));
    const int cellWidth = (r.Right - r.Left) / columns;
    const int rows = std::max(1, Rounded(std::sqrt(double(n)) + 0.5));
    const int rowHeight = (r.Bottom - r.Top) / rows;
    const int column = j % columns, row = j / columns;
    TRect cell;
    cell.Left = r.Left + column * cellWidth;
    cell.Right = cell.Left + Rounded(cellWidth * 0.9);
    cell.Top = r.Top + row * rowHeight;
    cell.Bottom = cell.Top + Rounded(rowHeight * 0.9);
    TCanvas3D* c = chart->GetCanvas();
    if (c && chart->GetView3D()) cell = c->CalcRect3D(cell, 0);
    chart->ChartRect = cell;
  }
  TCircledSeries::DoBeforeDrawValues();
}

void TPieSeries::DoBeforeDrawValues() {
  TCustomAxisPanel* chart = ChartOf(this);
  IAdjustCircleForMarks = !FPieMarks->GetInsideSlice();
  if (chart == nullptr) return;
  IOldChartRect = chart->ChartRect;
  IOldDonut = FDonutPercent;
  switch (FMultiPie) {
    case mpConcentric:
      LayoutConcentric();
      break;
    case mpAutomatic:
      LayoutAutomatic();
      break;
    case mpDisabled:
      IHideSides = false;
      TCircledSeries::DoBeforeDrawValues();
      break;
  }
}

void TPieSeries::DoAfterDrawValues() {
  FDonutPercent = IOldDonut;
  if (TCustomAxisPanel* chart = ChartOf(this)) chart->ChartRect = IOldChartRect;
  TCircledSeries::DoAfterDrawValues();
}

// ---------------- all slices ----------------

double TPieSeries::SliceDepthKey(int ValueIndex) const {
  const TPieAngle& p = FAngles[ValueIndex];
  double s = p.StartAngle + IRotDegree, e = p.EndAngle + IRotDegree;
  const double d = (e - s) * 0.05;
  double a = s + d, b = e - d;
  while (a > 2 * Pi) a -= 2 * Pi;
  while (b > 2 * Pi) b -= 2 * Pi;
  const double da = FromBack(a), db = FromBack(b);
  if (da <= Pi / 2 || db <= Pi / 2) return std::min(da, db);
  return std::max(da, db);
}

void TPieSeries::DrawSortedSlices() {
  ISortedSlice.clear();
  for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i) ISortedSlice.push_back(i);
  std::stable_sort(ISortedSlice.begin(), ISortedSlice.end(),
                   [this](int A, int B) { return SliceDepthKey(A) < SliceDepthKey(B); });
  for (int i : ISortedSlice) {
    const bool edge = FAngleSize != 360 && (i == FFirstVisibleIndex || i == FLastVisibleIndex);
    const bool old = IsExploded;
    if (edge) IsExploded = true;
    DrawValue(i);
    IsExploded = old;
  }
}

void TPieSeries::DrawAllValues() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr || chart->GetCanvas() == nullptr || FFirstVisibleIndex == -1) return;
  DrawFrame();
  if (FExplodeBiggest > 0) CalcExplodeBiggest();
  int m = -1;
  for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i)
    if (FExplodedSlice.Get(i) > 0 && (m == -1 || FExplodedSlice.Get(i) > FExplodedSlice.Get(m)))
      m = i;
  CheckAngles();
  IsExploded = m != -1 || FSliceHeights.Count() > 0;
  if (m != -1) {
    int ox, oy;
    CalcExplodedOffset(m, ox, oy);
    const int dx = std::abs(ox) / 2, dy = std::abs(oy) / 2;
    SetCircleRect(TRect{FCircleRect.Left + dx, FCircleRect.Top + dy, FCircleRect.Right - dx,
                        FCircleRect.Bottom - dy});
  }
  if ((GetShadow()->GetVisible() || GetEmboss()->GetVisible()) && FMultiPie != mpConcentric)
    DrawPieShadows();
  TCanvas3D* c = chart->GetCanvas();
  if (!chart->GetView3D() || c->GetSupportsFullRotation())
    TCircledSeries::DrawAllValues();
  else
    DrawSortedSlices();
  DrawOtherLegend();
}

// The other slice's legend, laid out and drawn while the pie lists the
// grouped points; the chart rectangle it takes room from is given back.
void TPieSeries::DrawOtherLegend() {
  if (!FOtherSlice->HasLegend()) return;
  TChartLegend* legend = FOtherSlice->GetLegend();
  if (!legend->GetVisible()) return;
  TCustomAxisPanel* chart = ChartOf(this);
  const TRect chartRect = chart->ChartRect;
  FOtherSlice->LegendDrawing = true;
  legend->CalcRect();
  legend->DrawLegend();
  FOtherSlice->LegendDrawing = false;
  chart->ChartRect = chartRect;
}

void TPieSeries::DrawPieShadows() {
  TCustomAxisPanel* chart = ChartOf(this);
  TCanvas3D* c = chart->GetCanvas();
  TRect r = FCircleRect;
  if (chart->GetView3D() && !c->GetSupportsFullRotation()) r = c->CalcRect3D(r, StartZ - 10);
  TPlotBlend* blend = FTransparency != 0 ? c->BeginBlending(TRect{}, FTransparency) : nullptr;
  for (TPlotShadow* effect : {GetShadow(), static_cast<TPlotShadow*>(GetEmboss())}) {
    if (!effect->GetVisible()) continue;
    if (!IsExploded) {
      effect->DrawEllipse(c, r, FDonutPercent, FRotationAngle, FRotationAngle + FAngleSize);
      continue;
    }
    const int grow = GetPen()->GetVisible() ? 2 * GetPen()->GetWidth() : 0;
    for (int i = 0; i < Count() && i < int(FAngles.size()); ++i) {
      int ox, oy;
      CalcExplodedOffset(i, ox, oy);
      TRect s{r.Left - grow + ox, r.Top - grow - oy, r.Right + grow + ox, r.Bottom + grow - oy};
      effect->DrawEllipse(c, s, FDonutPercent, Degrees(FAngles[i].StartAngle) + FRotationAngle,
                          Degrees(FAngles[i].EndAngle) + FRotationAngle);
    }
  }
  if (blend) c->EndBlending(blend);
}

// ---------------- one slice ----------------

void TPieSeries::PreparePiePen(int ValueIndex) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr || chart->GetCanvas() == nullptr) return;
  TCanvas3D* c = chart->GetCanvas();
  if (PrepareHoverPen(ValueIndex)) return;
  TPlotPen* pen = GetPen();
  TColor color = pen->GetColor();
  if (FDarkPen >= 1 && ValueIndex != -1)
    color = ApplyDark(GetValueColor(ValueIndex), uint8_t(std::clamp(255 - FDarkPen, 0, 255)));
  c->AssignVisiblePenColor(pen, color);
  if (c->GetPen()->GetStyle() != psSolid) c->SetBackMode(cbmTransparent);
}

void TPieSeries::DrawValue(int ValueIndex) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr || chart->GetCanvas() == nullptr) return;
  if (FCircleWidth <= 4 || FCircleHeight <= 4 || BelongsToOtherSlice(ValueIndex)) return;
  TCanvas3D* c = chart->GetCanvas();
  TPlotBrush* brush = GetBrush();
  brush->SetStyle(SliceBrushStyle(ValueIndex));
  const TColor color = chart->GetMonochrome() ? clBlack : GetValueColor(ValueIndex);
  if (color == clNone) {
    c->GetBrush()->SetStyle(bsClear);
  } else {
    chart->SetBrushCanvas(color, brush, CalcCircleBackColor());
    TPlotGradient* g = c->GetGradient();
    if (GetCircleGradient()->GetVisible() && !chart->GetView3D()) {
      // From the circle gradient's start colour (white unless a brightness
      // is given) to the slice colour.
      g->Assign(GetCircleGradient());
      g->SetVisible(true);
      g->SetEndColor(color);
      if (FGradientBright != 0) g->SetStartColor(ChangeColor(color, FGradientBright));
    } else {
      g->SetVisible(false);
    }
  }
  PreparePiePen(ValueIndex);
  DrawPie(ValueIndex);
}

void TPieSeries::DrawPie(int ValueIndex) {
  TCustomAxisPanel* chart = ChartOf(this);
  TCanvas3D* c = chart->GetCanvas();
  CheckAngles();
  int ox, oy;
  CalcExplodedOffset(ValueIndex, ox, oy);
  const double start = FAngles[ValueIndex].StartAngle + IRotDegree;
  const double end = FAngles[ValueIndex].EndAngle + IRotDegree;
  if (chart->GetView3D()) {
    if (HasVisuals() && Visuals()->GetVisual(ValueIndex)) return;
    TPlotGradient* g = GetCircleGradient()->GetVisible() ? GetCircleGradient() : nullptr;
    c->Pie3D(FCircleXCenter + ox, FCircleYCenter - oy, FXRadius, FYRadius, StartZ,
             SliceEndZ(ValueIndex), start, end, FDark3D, IsExploded, FDonutPercent, g,
             FBevel->GetPercent(), FEdgeStyle, FTransparency, FBevel->GetBright(),
             FBevel->GetUseBorder(), IHideSides);
    return;
  }
  const TRect r{FCircleRect.Left + ox, FCircleRect.Top - oy, FCircleRect.Right + ox,
                FCircleRect.Bottom - oy};
  TPlotBlend* blend = FTransparency != 0 ? c->BeginBlending(r, FTransparency) : nullptr;
  if (FDonutPercent <= 0)
    c->Pie(r, Degrees(start), Degrees(end));
  else if (GetyValue(ValueIndex) != 0)
    c->Donut(FCircleXCenter + ox, FCircleYCenter - oy, FXRadius, FYRadius, Degrees(start),
             Degrees(end), FDonutPercent);
  if (FBevel->GetPercent() != 0) {
    c->GetGradient()->SetVisible(false);
    c->GetBrush()->SetColor(ChangeColor(c->GetBrush()->GetColor(), FBevel->GetBright()));
    if (!FBevel->GetUseBorder()) c->GetPen()->SetStyle(psClear);
    c->Donut(FCircleXCenter + ox, FCircleYCenter - oy, FXRadius, FYRadius, Degrees(start),
             Degrees(end), 100 - FBevel->GetPercent());
  }
  if (blend) c->EndBlending(blend);
}

// ---------------- hit testing ----------------

std::vector<TPoint> TPieSeries::SlicePolygon(int ValueIndex, bool Exploded) const {
  TCustomAxisPanel* chart = ChartOf(this);
  TCanvas3D* c = chart->GetCanvas();
  const bool view3D = chart->GetView3D() && c != nullptr;
  int ox = 0, oy = 0;
  if (Exploded) CalcExplodedOffset(ValueIndex, ox, oy);
  const int cx = FCircleXCenter + ox, cy = FCircleYCenter - oy;
  auto project = [&](double X, double Y) {
    const TPoint p{Rounded(X), Rounded(Y)};
    return view3D ? c->Calculate3DPosition(p.X, p.Y, EndZ) : p;
  };
  const TPieAngle& a = FAngles[ValueIndex];
  const double s = a.StartAngle + IRotDegree, e = a.EndAngle + IRotDegree;
  auto arc = [&](double RX, double RY, std::vector<TPoint>& Out, bool Reverse) {
    for (int k = 0; k < 32; ++k) {
      const int step = Reverse ? 31 - k : k;
      const double t = s + (e - s) * step / 31;
      Out.push_back(project(cx + RX * std::cos(t), cy - RY * std::sin(t)));
    }
  };
  std::vector<TPoint> poly;
  if (FDonutPercent <= 0) {
    poly.push_back(project(cx, cy));
    arc(FXRadius, FYRadius, poly, false);
  } else {
    arc(FXRadius, FYRadius, poly, false);
    arc(FXRadius * FDonutPercent / 100.0, FYRadius * FDonutPercent / 100.0, poly, true);
  }
  return poly;
}

int TPieSeries::CalcClickedPie(int X, int Y, bool Exploded) const {
  if (FAngles.empty() || ChartOf(this) == nullptr) return -1;
  const TPoint p{X, Y};
  for (int i = 0; i < Count() && i < int(FAngles.size()); ++i) {
    if (FAngles[i].EndAngle == FAngles[i].StartAngle) continue;
    if (PointInPolygon(p, SlicePolygon(i, Exploded))) return i;
  }
  return -1;
}

int TPieSeries::Clicked(int X, int Y) {
  const int result = TCircledSeries::Clicked(X, Y);
  if (result != -1) return result;
  return CalcClickedPie(X, Y, true);
}
