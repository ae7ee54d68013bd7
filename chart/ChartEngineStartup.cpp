#include "chart/ChartEngineStartup.h"

#include <vector>

#include "chart/AxisPanel.h"
#include "chart/Chart.h"
#include "chart/ChartPointLists.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/FastLineSeries.h"
#include "chart/PlotWidgets.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/Rtti.h"

namespace {

int StartCount = 0;

std::vector<const TClassInfo*> StreamedClasses() {
  return {TChartAxisTitle::Class(),       TChartAxis::Class(),
          TChartDepthAxis::Class(),       TThemedSeries::Class(),
          TPlotPictureComponent::Class(), TSeriesMarks::Class(),
          TFastLineSeries::Class(),       TChart::Class()};
}

}  // namespace

void ChartEngineUnitStart() {
  if (StartCount++ > 0) return;
  PlotActivateGroup();
  for (const TClassInfo* c : StreamedClasses()) RegisterClass(c);
}

void ChartEngineUnitEnd() {
  if (StartCount == 0 || --StartCount > 0) return;
  for (const TClassInfo* c : StreamedClasses()) UnRegisterClass(c);
}
