#include "chart/PlotSort.h"

void PlotSort(int StartIndex, int EndIndex, const TPlotCompareProc& Compare,
              const TPlotSwapProc& Swap) {
  if (StartIndex >= EndIndex) return;
  int i = StartIndex;
  int j = EndIndex;
  int x = (StartIndex + EndIndex) >> 1;
  while (i < j) {
    while (Compare(i, x) < 0) ++i;
    while (Compare(x, j) < 0) --j;
    if (i < j) {
      Swap(i, j);
      if (x == i)
        x = j;
      else if (x == j)
        x = i;
    }
    if (i <= j) {
      ++i;
      --j;
    }
  }
  if (StartIndex < j) PlotSort(StartIndex, j, Compare, Swap);
  if (i < EndIndex) PlotSort(i, EndIndex, Compare, Swap);
}
