#pragma once
// The chart's global colour palette: the colours series and points take
// when nobody chose one.

#include <vector>

#include "platform/vcl/Graphics.h"

// The palette in force; the 20 default colours until replaced.
const std::vector<TColor>& PlotColorPalette();
// Entry Index (0 or more) of the palette, wrapping by its length.
TColor GetDefaultColor(int Index);
// Replaces the palette by a copy; an empty one restores the defaults.
void SetDefaultColorPalette(const std::vector<TColor>& Palette = {});
