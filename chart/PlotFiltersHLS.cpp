// Hue, lightness and saturation on a scale of 240, colour bytes on 255,
// computed in single precision.

#include "chart/PlotFilters.h"
#include "chart/PlotFiltersCommon.h"
#include "chart/PlotGeometry.h"

using plot_filters::N;

namespace {

void ToHLS(int R, int G, int B, uint16_t& H, uint16_t& L, uint16_t& S) {
  const int mx = std::max({R, G, B});
  const int mn = std::min({R, G, B});
  const float l = (float(mx + mn) * 240.0f + 255.0f) / 510.0f;
  L = uint16_t(N(l));
  if (mx == mn) {
    S = 0;
    H = 160;
    return;
  }
  const float diff = float(mx - mn);
  float s;
  if (l <= 120.0f)
    s = (diff * 240.0f + float(mx + mn) / 2.0f) / float(mx + mn);
  else
    s = (diff * 240.0f + float(510 - mx - mn) / 2.0f) / float(510 - mx - mn);
  const float dR = (float(mx - R) * 40.0f + diff / 2.0f) / diff;
  const float dG = (float(mx - G) * 40.0f + diff / 2.0f) / diff;
  const float dB = (float(mx - B) * 40.0f + diff / 2.0f) / diff;
  float h;
  if (R == mx)
    h = dB - dG;
  else if (G == mx)
    h = 80.0f + dR - dB;
  else
    h = 160.0f + dG - dR;
  if (h < 0)
    h += 240.0f;
  else if (h > 240.0f)
    h -= 240.0f;
  H = uint16_t(N(h));
  S = uint16_t(N(s));
}

float HueToValue(float m1, float m2, float h) {
  if (h < 0)
    h += 240.0f;
  else if (h > 240.0f)
    h -= 240.0f;
  if (h < 40.0f) return m1 + ((m2 - m1) * h + 20.0f) / 40.0f;
  if (h < 120.0f) return m2;
  if (h < 160.0f) return m1 + ((m2 - m1) * (160.0f - h) + 20.0f) / 40.0f;
  return m1;
}

uint8_t ToByte(float value) {
  const float rounded = float(N(value));
  return uint8_t(std::clamp(N((rounded * 255.0f + 120.0f) / 240.0f), 0, 255));
}

void ToRGB(uint16_t H, uint16_t L, uint16_t S, uint8_t& R, uint8_t& G, uint8_t& B) {
  if (S == 0) {
    R = G = B = uint8_t(std::min(255, N(float(L) * 255.0f / 240.0f)));
    return;
  }
  const float l = float(L), s = float(S), h = float(H);
  const float m2 =
      L <= 120 ? (l * (240.0f + s) + 120.0f) / 240.0f : l + s - (l * s + 120.0f) / 240.0f;
  const float m1 = 2.0f * l - m2;
  R = ToByte(HueToValue(m1, m2, h + 80.0f));
  G = ToByte(HueToValue(m1, m2, h));
  B = ToByte(HueToValue(m1, m2, h - 80.0f));
}

}  // namespace

void ColorToHLS(TColor Color, uint16_t& H, uint16_t& L, uint16_t& S) {
  TRGB rgb = RGBValue(Color);
  RGBToHLS(rgb, H, L, S);
}

void RGBToHLS(const TRGB& Color, uint16_t& H, uint16_t& L, uint16_t& S) {
  ToHLS(Color.Red, Color.Green, Color.Blue, H, L, S);
}

void RGBToHLS(const TRGBA& Color, uint16_t& H, uint16_t& L, uint16_t& S) {
  ToHLS(Color.Red, Color.Green, Color.Blue, H, L, S);
}

TColor HLSToColor(uint16_t H, uint16_t L, uint16_t S) {
  uint8_t r, g, b;
  ToRGB(H, L, S, r, g, b);
  return TColor(r | (g << 8) | (b << 16));
}

void HLSToRGB(uint16_t H, uint16_t L, uint16_t S, TRGB& Result) {
  ToRGB(H, L, S, Result.Red, Result.Green, Result.Blue);
}

void HLSToRGB(uint16_t H, uint16_t L, uint16_t S, TRGBA& Result) {
  ToRGB(H, L, S, Result.Red, Result.Green, Result.Blue);
  Result.Alpha = 255;
}
