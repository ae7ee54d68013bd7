#pragma once
// Start and end of the chart library: the program's start calls
// InitializeChart once (beside the canvas layer's start) and FinalizeChart
// at its end.

void InitializeChart();
void FinalizeChart();
