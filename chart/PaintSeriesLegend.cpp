// One series' legend symbol painted onto any framework canvas, through the
// chart's GDI canvas pointed at it for the call.

#include <typeinfo>

#include "chart/ChartUtilities.h"
#include "chart/Legend.h"
#include "chart/PlotCanvas3D.h"

namespace {

// The legend's colour, else the chart's legend colour.
TColor LegendColorOf(TCustomAxisPanel* Chart) {
  if (auto* chart = dynamic_cast<TCustomChart*>(Chart))
    if (TChartLegend* legend = chart->GetLegend()) return legend->GetColor();
  return Chart->LegendColor;
}

void PrepareSymbolPen(TCustomAxisPanel* Chart) {
  if (auto* chart = dynamic_cast<TCustomChart*>(Chart))
    if (TChartLegend* legend = chart->GetLegend()) legend->PrepareSymbolPen();
}

// A chart canvas other than the plain GDI one (or one that rotates fully)
// is replaced by a GDI canvas for the call.
bool NeedsOwnCanvas(TCanvas3D* Canvas) {
  return !Canvas || Canvas->GetSupportsFullRotation() || typeid(*Canvas) != typeid(TPlotCanvas3D);
}

void PaintOnChart(TChartSeries* Series, TCustomAxisPanel* Chart, TCanvas* ACanvas,
                  const TRect& Rect) {
  ACanvas->GetBrush()->SetStyle(bsSolid);
  ACanvas->GetBrush()->SetColor(LegendColorOf(Chart));
  PrepareSymbolPen(Chart);
  std::unique_ptr<TPlotCanvas3D> own;
  TCanvas3D* chartCanvas = Chart->GetCanvas();
  if (NeedsOwnCanvas(chartCanvas)) {
    own = std::make_unique<TPlotCanvas3D>();
    Chart->ExchangeInternalCanvas(own.get());
  }
  auto* gdi = static_cast<TPlotCanvas3D*>(Chart->GetCanvas());
  TBitmap* bitmap = gdi->GetBitmap();
  gdi->SetBitmap(nullptr);
  TCanvas* target = gdi->GetReferenceCanvas();
  auto restore = [&] {
    gdi->SetCanvas(target);
    gdi->SetBitmap(bitmap);
    if (own) Chart->ExchangeInternalCanvas(chartCanvas);
  };
  gdi->SetCanvas(ACanvas);
  gdi->FrontPlaneBegin();
  try {
    Series->DrawLegend(-1, Rect);
  } catch (...) {
    gdi->FrontPlaneEnd();
    restore();
    throw;
  }
  gdi->FrontPlaneEnd();
  restore();
}

}  // namespace

void PaintSeriesLegend(TChartSeries* Series, TCanvas* ACanvas, const TRect& Rect) {
  auto* chart = dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
  if (chart) {
    PaintOnChart(Series, chart, ACanvas, Rect);
    return;
  }
  TChart temporary;
  Series->SetParentChart(&temporary);
  try {
    PaintOnChart(Series, &temporary, ACanvas, Rect);
  } catch (...) {
    Series->SetParentChart(nullptr);
    throw;
  }
  Series->SetParentChart(nullptr);
}
