#pragma once
// Mixing a saved background back over what was drawn on top of it: the
// transparency of chart shapes.

#include <memory>

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

class TPlotCanvas;

// The transparency of one shape: a copy of the background under the
// shape's rectangle, taken before the shape is drawn and mixed back after.
// Made by the canvas's BeginBlending and ended by its EndBlending.
class TPlotBlend {
 public:
  TPlotBlend(TPlotCanvas* ACanvas, const TRect& R);
  ~TPlotBlend();
  TPlotBlend(const TPlotBlend&) = delete;
  TPlotBlend& operator=(const TPlotBlend&) = delete;
  // Orders and clamps R to the canvas's bounds (at least one pixel each
  // way) and copies the background under it.
  void SetRectangle(const TRect& R);
  // Mixes the saved background back: Transparency percent of it shows.
  void DoBlend(int Transparency);
  const TRect& GetRect() const { return FRect; }
  bool GetValidSize() const { return IValidSize; }
  // The saved background (nil until a rectangle is set).
  TBitmap* GetBitmap() const { return FBitmap.get(); }

 private:
  std::unique_ptr<TBitmap> FBitmap;
  TPlotCanvas* FCanvas;
  TRect FRect;
  bool IValidSize = false;
};
