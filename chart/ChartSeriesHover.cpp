// The series' selection and hover settings and what they decide: whether
// hover is on, which point's mark or segment is hovered, the hover pen.

#include "chart/ChartSeries.h"
#include "chart/PlotHover.h"

namespace {

bool Has(THoverElements Set, THoverElement Element) { return (Set & (1u << Element)) != 0; }

}  // namespace

TPlotSelected* TChartSeries::GetSelected() {
  if (!FSelected) FSelected = std::make_unique<TPlotSelected>(this);
  return FSelected.get();
}

void TChartSeries::SetSelected(TPlotSelected* Value) {
  if (Value == nullptr)
    FSelected.reset();
  else
    GetSelected()->Assign(Value);
}

bool TChartSeries::HoverEnabled() const {
  if (FParent && !FParent->HoverVisible()) return false;
  return FSelected && FSelected->GetHover()->GetVisible();
}

int TChartSeries::HoverOverMark() const {
  if (!HoverEnabled() || IClickedPart != scpMark) return -1;
  return FSelected->GetHoverIndex();
}

int TChartSeries::HoverOverSegment() const {
  if (!HoverEnabled() || IClickedPart != scpSegment) return -1;
  return FSelected->GetHoverIndex();
}

bool TChartSeries::PrepareHoverPen(int ValueIndex) {
  if (ValueIndex == -1 || !HoverEnabled() || FSelected->GetHoverIndex() != ValueIndex)
    return false;
  auto* chart = dynamic_cast<TCustomPlotPanel*>(FParent);
  if (chart == nullptr || chart->GetCanvas() == nullptr) return false;
  TPlotPen* pen = FSelected->GetHover()->GetPen();
  chart->GetCanvas()->AssignVisiblePenColor(pen, pen->GetColor());
  return true;
}

bool TChartSeries::ShouldHoverMark(int ValueIndex) const {
  if (HoverOverMark() == ValueIndex && Has(FHoverElement, heCurrent)) return true;
  int segment = HoverOverSegment();
  if (segment == -1 || !Has(FHoverElement, heJoin)) return false;
  return (Has(FHoverElement, hePrevious) && segment == ValueIndex) ||
         (Has(FHoverElement, heNext) && segment + 1 == ValueIndex);
}
