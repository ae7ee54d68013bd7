#pragma once
// Sorting a caller's items by index: the caller's callbacks compare and
// swap, so every list that belongs to the items moves with them.

#include <functional>

// Negative, 0 or positive as item A sorts before, with or after item B.
using TPlotCompareProc = std::function<int(int A, int B)>;
using TPlotSwapProc = std::function<void(int A, int B)>;

// Quicksort of the items StartIndex to EndIndex around the middle item,
// which the sort follows through swaps. An empty or one-item range makes
// no callback; equal items may change places.
void PlotSort(int StartIndex, int EndIndex, const TPlotCompareProc& Compare,
              const TPlotSwapProc& Swap);
