#include "chart/PlotStartup.h"

#include "chart/PlotConst.h"

void InitializeChart() { PlotConstInitialize(); }

void FinalizeChart() { PlotConstFinalize(); }
