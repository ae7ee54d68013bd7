#include "chart/PlotStartup.h"

#include "chart/PlotCanvas.h"
#include "chart/PlotConst.h"
#include "chart/PlotFilter.h"
#include "chart/PlotFont.h"
#include "chart/PlotGeometry.h"

void InitializeChart() {
  PlotConstInitialize();
  RegisterPlotFilters();
  PlotFontUnitStart();
  LoadCustomFonts();
}

void FinalizeChart() {
  UnloadCustomFonts();
  ClearClipRegionHistory();
  PlotFontUnitEnd();
  PlotConstFinalize();
}
