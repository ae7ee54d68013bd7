#pragma once
// Mixing a saved background back over what was drawn on top of it: the
// transparency of chart shapes.

#include "platform/vcl/Graphics.h"
#include "platform/vcl/Types.h"

// Mixes Background (its top left at Point on Destination) into
// Destination, where the two overlap: Percent (0 to 100) of the
// destination's own picture remains. With a mask, each mask channel is the
// background's weight in 256ths for that channel (per pixel). Without a
// mask the device layer's AlphaBlend does the work unless
// PlotBlendPerPixel is set.
void PlotBlendBitmaps(TBitmap* Background, TBitmap* Destination, TPoint Point, TBitmap* Mask,
                      double Percent);
// Forces the per-pixel path (for comparison).
extern bool PlotBlendPerPixel;
