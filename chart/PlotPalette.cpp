#include "chart/PlotPalette.h"

namespace {

constexpr TColor kMoneyGreen = 0xC0DCC0;
constexpr TColor kSkyBlue = 0xF0CAA6;
constexpr TColor kCream = 0xF0FBFF;
constexpr TColor kMedGray = 0xA4A0A0;

const std::vector<TColor>& DefaultPalette() {
  static const std::vector<TColor> palette = {clRed,   clGreen,     clYellow, clBlue,   clWhite,
                                              clGray,  clFuchsia,   clTeal,   clNavy,   clMaroon,
                                              clLime,  clOlive,     clPurple, clSilver, clAqua,
                                              clBlack, kMoneyGreen, kSkyBlue, kCream,   kMedGray};
  return palette;
}

// Filled from first use, so a lookup before the chart library starts
// still finds colours.
std::vector<TColor>& Palette() {
  static std::vector<TColor> palette = DefaultPalette();
  return palette;
}

}  // namespace

const std::vector<TColor>& PlotColorPalette() { return Palette(); }

TColor GetDefaultColor(int Index) {
  const std::vector<TColor>& palette = Palette();
  return palette[static_cast<size_t>(Index) % palette.size()];
}

void SetDefaultColorPalette(const std::vector<TColor>& NewPalette) {
  Palette() = NewPalette.empty() ? DefaultPalette() : NewPalette;
}
