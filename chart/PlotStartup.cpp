#include "chart/PlotStartup.h"

#include "chart/ChartEngineStartup.h"
#include "chart/PlotCPU.h"
#include "chart/PlotCanvas.h"
#include "chart/PlotConst.h"
#include "chart/PlotEditors.h"
#include "chart/PlotFilter.h"
#include "chart/PlotFilters.h"
#include "chart/PlotFont.h"
#include "chart/PlotGeometry.h"
#include "chart/SeriesRegistry.h"
#include "chart/SmoothingFunction.h"

void InitializeChart() {
  PlotConstInitialize();
  PlotProcsUnitStart();
  RegisterPlotFilters();
  PlotFiltersUnitStart();
  PlotFontUnitStart();
  LoadCustomFonts();
  ChartEngineUnitStart();
  SeriesRegistryUnitStart();
  SmoothingFunctionUnitStart();
}

void FinalizeChart() {
  SmoothingFunctionUnitEnd();
  SeriesRegistryUnitEnd();
  ChartEngineUnitEnd();
  PlotFiltersUnitEnd();
  UnloadCustomFonts();
  ClearClipRegionHistory();
  PlotFreeCustomEditColors();
  PlotFontUnitEnd();
  PlotProcsUnitEnd();
  PlotConstFinalize();
}
