// Copying one series into another: its look (AssignFormatting), its value
// lists and sources of labels and colours (AssignFormat), and its points or
// data sources (Assign); and the quiet look of a gallery thumbnail.

#include "chart/ChartSeries.h"
#include "chart/PlotFont.h"
#include "chart/PlotFunction.h"
#include "chart/PlotHover.h"
#include "chart/PlotPalette.h"
#include "chart/PlotPanel.h"
#include "chart/SeriesLegend.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesSources.h"
#include "chart/TextShape.h"

namespace {

// Palette places of a gallery thumbnail's first and other series.
constexpr int clPlotGallery1 = 0;
constexpr int clPlotGallery2 = 3;

}  // namespace

void TCustomChartSeries::Assign(TPersistent* Source) {
  TCustomChartElement::Assign(Source);
  auto* source = dynamic_cast<TCustomChartSeries*>(Source);
  if (!source) return;
  FIdentifier = source->FIdentifier;
  if (source->FLegend)
    GetLegend()->Assign(source->FLegend.get());
  else
    FLegend.reset();
  FStyle = source->FStyle;
  SetTitle(source->FTitle);
}

void TCustomChartSeries::GalleryChanged3D(bool Is3D) {
  if (auto* panel = dynamic_cast<TCustomPlotPanel*>(FParent)) panel->SetView3D(Is3D);
}

bool TChartSeries::SameClass(const TChartSeries* Series) const {
  return ClassType()->InheritsFrom(Series->ClassType()) ||
         Series->ClassType()->InheritsFrom(ClassType());
}

void TChartSeries::Assign(TPersistent* Source) {
  TCustomChartSeries::Assign(Source);
  auto* source = dynamic_cast<TChartSeries*>(Source);
  if (!source) return;
  AssignFormat(source);
  if (TSeriesMarks* marks = source->MarksIfAny()) GetMarks()->SetVisible(marks->GetVisible());
  if (source->FFunction && !FFunction) source->FFunction->SetParentSeries(this);
  ManualData = source->ManualData;
  const bool ownPoints = !source->GetDataSource() || source->ManualData;
  if (ownPoints) {
    const bool designing = (source->GetComponentState() & csDesigning) != 0;
    if (source->ManualData || !designing) AssignValues(source);
  } else {
    DataSources()->Clear();
    for (TComponent* s : source->DataSources()->List) InternalAddDataSource(s);
  }
  CheckDataSource();
}

void TChartSeries::AssignFormat(TChartSeries* Source) {
  SetDataSource(nullptr);
  const bool crosswise = YMandatory != Source->YMandatory;
  FX->Assign(crosswise ? Source->FY : Source->FX);
  FY->Assign(crosswise ? Source->FX : Source->FY);
  FLabelsSource = Source->FLabelsSource;
  FColorSource = Source->FColorSource;
  FColorEachPoint = Source->FColorEachPoint;
  const int lists = std::min(FValuesList.Count(), Source->FValuesList.Count());
  for (int k = 2; k < lists; ++k) FValuesList.Get(k)->Assign(Source->FValuesList.Get(k));
  AssignFormatting(Source);
  ChangeInternalColor(Source->GetSeriesColor());
  FRecalcOptions = Source->FRecalcOptions;
  RecalcGetAxis();
}

void TChartSeries::AssignFormatting(TChartSeries* Source) {
  SetShowInLegend(Source->GetShowInLegend());
  FBrush->Assign(Source->FBrush.get());
  SetPen(Source->FPen.get());
  FColor = Source->FColor;
  ISeriesColor = Source->ISeriesColor;
  if (Source->FColor == clDefault && FParent)
    ChangeInternalColor(FParent->GetFreeSeriesColor(true, nullptr));
  if (TSeriesMarks* marks = Source->MarksIfAny()) {
    const bool visible = GetMarks()->GetVisible();
    GetMarks()->Assign(marks);
    GetMarks()->SetVisible(visible);
  }
  FValueFormat = Source->FValueFormat;
  FPercentFormat = Source->FPercentFormat;
  FCustomHorizAxis = Source->FCustomHorizAxis;
  FHorizAxis = Source->FHorizAxis;
  FCustomVertAxis = Source->FCustomVertAxis;
  FVertAxis = Source->FVertAxis;
  FCursor = Source->FCursor;
  FDepth = Source->FDepth;
  GetSelected()->Assign(Source->GetSelected());
  FTransparency = Source->FTransparency;
  FTreatNulls = Source->FTreatNulls;
}

void TChartSeries::PrepareForGallery() {
  FillSampleValues(4);
  TSeriesMarks* marks = GetMarks();
  marks->SetVisible(false);
  marks->GetFont()->SetSize(7);
  marks->SetArrowLength(4);
  marks->SetDrawEvery(2);
  FColorEachPoint = true;
  if (!FParent) return;
  const bool first = FParent->SeriesIndexOf(this) == 0;
  SetSeriesColor(FParent->GetDefaultColor(first ? clPlotGallery1 : clPlotGallery2));
}
