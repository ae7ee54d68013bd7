#include "chart/PlotStartup.h"

#include "chart/PlotConst.h"
#include "chart/PlotFilter.h"

void InitializeChart() {
  PlotConstInitialize();
  RegisterPlotFilters();
}

void FinalizeChart() { PlotConstFinalize(); }
