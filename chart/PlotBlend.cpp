#include "chart/PlotBlend.h"

#include <algorithm>
#include <cmath>

#include "chart/PlotFilter.h"
#include "platform/gdi/Gdi.h"

bool PlotBlendPerPixel = false;

namespace {

void BlendByDevice(TBitmap* Background, TBitmap* Destination, int X, int Y, int W, int H,
                   double Percent) {
  gdi::BLENDFUNCTION blend;
  blend.SourceConstantAlpha = gdi::BYTE(255 - std::lround(2.55 * Percent));
  blend.AlphaFormat = 0;
  gdi::AlphaBlend(Destination->GetCanvas()->GetHandle(), X, Y, W, H,
                  Background->GetCanvas()->GetHandle(), 0, 0, W, H, blend);
}

void BlendByPixel(TBitmap* Background, TBitmap* Destination, int X, int Y, int W, int H,
                  TBitmap* Mask, double Percent) {
  TRGBArray bg, dst, mask;
  PlotCalcLines(bg, Background);
  PlotCalcLines(dst, Destination);
  if (Mask) PlotCalcLines(mask, Mask);
  const int a = 256 - int(std::lround(2.56 * Percent));
  for (int j = 0; j < H; ++j) {
    if (Mask && j >= int(mask.size())) break;
    for (int i = 0; i < W; ++i) {
      if (Mask && i >= Mask->GetWidth()) break;
      const TRGB& b = bg[size_t(j)][i];
      TRGB& d = dst[size_t(Y + j)][X + i];
      const TRGB* m = Mask ? &mask[size_t(j)][i] : nullptr;
      auto mix = [](uint8_t& dc, uint8_t bc, int w) { dc = uint8_t(dc + ((bc - dc) * w) / 256); };
      mix(d.Blue, b.Blue, m ? m->Blue : a);
      mix(d.Green, b.Green, m ? m->Green : a);
      mix(d.Red, b.Red, m ? m->Red : a);
    }
  }
}

}  // namespace

void PlotBlendBitmaps(TBitmap* Background, TBitmap* Destination, TPoint Point, TBitmap* Mask,
                      double Percent) {
  int x = std::max(Point.X, 0), y = std::max(Point.Y, 0);
  int w = std::min(Background->GetWidth(), Destination->GetWidth() - x);
  int h = std::min(Background->GetHeight(), Destination->GetHeight() - y);
  if (w < 1 || h < 1) return;
  if (!Mask && !PlotBlendPerPixel)
    BlendByDevice(Background, Destination, x, y, w, h, Percent);
  else
    BlendByPixel(Background, Destination, x, y, w, h, Mask, Percent);
}
