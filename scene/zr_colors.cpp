#include "scene/zr_colors.h"

#include <cmath>
#include <iterator>

namespace {

// Default colours of the platform's system colour indices 0..30 (scroll bar,
// desktop, captions, menus, windows, buttons, tool tips, ...), as $AARRGGBB.
constexpr TzrColor kSystemColors[] = {
    0xFFC8C8C8,  // 0 scroll bar
    0xFF000000,  // 1 desktop
    0xFF99B4D1,  // 2 active caption
    0xFFBFCDDB,  // 3 inactive caption
    0xFFF0F0F0,  // 4 menu
    0xFFFFFFFF,  // 5 window
    0xFF646464,  // 6 window frame
    0xFF000000,  // 7 menu text
    0xFF000000,  // 8 window text
    0xFF000000,  // 9 caption text
    0xFFB4B4B4,  // 10 active border
    0xFFF4F7FC,  // 11 inactive border
    0xFFABABAB,  // 12 application work space
    0xFF3399FF,  // 13 highlight
    0xFFFFFFFF,  // 14 highlight text
    0xFFF0F0F0,  // 15 button face
    0xFFA0A0A0,  // 16 button shadow
    0xFF6D6D6D,  // 17 grey text
    0xFF000000,  // 18 button text
    0xFF000000,  // 19 inactive caption text
    0xFFFFFFFF,  // 20 button highlight
    0xFF696969,  // 21 3-D dark shadow
    0xFFE3E3E3,  // 22 3-D light
    0xFF000000,  // 23 tool tip text
    0xFFFFFFE1,  // 24 tool tip background
    0xFF000000,  // 25 (unused)
    0xFF0066CC,  // 26 hot-tracked item
    0xFFB9D1EA,  // 27 active caption gradient
    0xFFD7E4F2,  // 28 inactive caption gradient
    0xFF3399FF,  // 29 menu highlight
    0xFFF0F0F0,  // 30 menu bar
};

uint8_t ByteAt(TzrColor C, int Shift) { return (C >> Shift) & 0xFF; }

TzrColor WithAlpha(TzrColor C, uint32_t Alpha) { return (C & 0x00FFFFFFu) | (Alpha << 24); }

float Clamp01(float V) {
  if (V < 0) return 0;
  if (V > 1) return 1;
  return V;
}

// One channel of the HSL to RGB conversion, 0..1.
double HueToChannel(double P, double Q, double H) {
  if (H < 0) H += 1;
  if (H > 1) H -= 1;
  if (H < 1.0 / 6) return P + (Q - P) * 6 * H;
  if (H < 0.5) return Q;
  if (H < 2.0 / 3) return P + (Q - P) * (2.0 / 3 - H) * 6;
  return P;
}

// Round(channel * 255), halves to even, kept inside a byte.
uint32_t ChannelByte(double V) {
  double B = std::nearbyint(V * 255);
  if (B < 0) return 0;
  if (B > 255) return 255;
  return static_cast<uint32_t>(B);
}

}  // namespace

TzrColor zrColor(uint8_t R, uint8_t G, uint8_t B, uint8_t A) {
  return (uint32_t(A) << 24) | (uint32_t(R) << 16) | (uint32_t(G) << 8) | B;
}

TzrColor zrRGBtoBGR(TzrColor AColor) {
  return (AColor & 0xFF00FF00u) | (uint32_t(ByteAt(AColor, 0)) << 16) | ByteAt(AColor, 16);
}

TzrColor zrColorFromVCL(int32_t AColor) {
  uint32_t Value = static_cast<uint32_t>(AColor);
  if (AColor < 0) {
    uint32_t Index = Value & 0xFF;
    if (Index < std::size(kSystemColors)) return kSystemColors[Index];
    return 0xFF000000;
  }
  return WithAlpha(zrRGBtoBGR(Value), 255);
}

TzrColor zrCorrectColor(TzrColor AColor) { return AColor; }

TzrColor zrOpacity(TzrColor AColor, float Opacity) {
  if (Opacity >= 1) return AColor;
  if (!(Opacity > 0)) return WithAlpha(AColor, 0);
  return WithAlpha(AColor, static_cast<uint32_t>(std::trunc(Opacity * ByteAt(AColor, 24))));
}

namespace {

// The colour channels times Mul / Div, cut towards zero and kept to 8 bits;
// alpha stays. A colour of alpha 0 gives 0 and one of alpha 255 is unchanged.
TzrColor ScaleChannels(TzrColor AColor, uint32_t Mul, uint32_t Div) {
  uint32_t A = ByteAt(AColor, 24);
  if (A == 0) return 0;
  if (A == 255) return AColor;
  TzrColor Result = AColor & 0xFF000000u;
  for (int Shift = 0; Shift <= 16; Shift += 8) {
    Result |= ((ByteAt(AColor, Shift) * Mul / Div) & 0xFF) << Shift;
  }
  return Result;
}

}  // namespace

// Channels scaled by alpha / 255; integer arithmetic keeps the result exact
// (255 at alpha 128 gives 128, not 127).
TzrColor zrPremultyAlpha(TzrColor AColor) {
  const uint32_t A = ByteAt(AColor, 24);
  return ScaleChannels(AColor, A, 255);
}

// Channels divided by alpha / 255.
TzrColor zrUnpremultyAlpha(TzrColor AColor) {
  const uint32_t A = ByteAt(AColor, 24);
  return ScaleChannels(AColor, 255, A);
}

void zrRGBtoHSL(TzrColor AColor, float& H, float& S, float& L) {
  double R = ByteAt(AColor, 16) / 255.0;
  double G = ByteAt(AColor, 8) / 255.0;
  double B = ByteAt(AColor, 0) / 255.0;
  double Max = std::fmax(R, std::fmax(G, B));
  double Min = std::fmin(R, std::fmin(G, B));
  double Lightness = (Max + Min) / 2;
  L = static_cast<float>(Lightness);
  if (Max == Min) {
    H = 0;
    S = 0;
    return;
  }
  double D = Max - Min;
  S = static_cast<float>(Lightness <= 0.5 ? D / (Max + Min) : D / (2 - Max - Min));
  double Hue;
  if (Max == R)
    Hue = (G - B) / D;
  else if (Max == G)
    Hue = (B - R) / D + 2;
  else
    Hue = (R - G) / D + 4;
  Hue /= 6;
  if (Hue < 0) Hue += 1;
  H = static_cast<float>(Hue);
}

TzrColor zrHSLtoRGB(float H, float S, float L) {
  double R = L, G = L, B = L;
  if (S != 0) {
    double Q = L < 0.5 ? L * (1.0 + S) : double(L) + S - double(L) * S;
    double P = 2.0 * L - Q;
    R = HueToChannel(P, Q, H + 1.0 / 3);
    G = HueToChannel(P, Q, H);
    B = HueToChannel(P, Q, H - 1.0 / 3);
  }
  return 0xFF000000u | (ChannelByte(R) << 16) | (ChannelByte(G) << 8) | ChannelByte(B);
}

TzrColor zrChangeHSL(TzrColor AColor, float dH, float dS, float dL) {
  float H, S, L;
  zrRGBtoHSL(AColor, H, S, L);
  TzrColor Result = zrHSLtoRGB(Clamp01(H + dH), Clamp01(S + dS), Clamp01(L + dL));
  return WithAlpha(Result, ByteAt(AColor, 24));
}

TzrColor zrAppendColor(TzrColor C1, TzrColor C2) {
  TzrColor Result = 0;
  for (int Shift = 0; Shift <= 24; Shift += 8) {
    uint32_t Sum = ByteAt(C1, Shift) + ByteAt(C2, Shift);
    Result |= (Sum > 255 ? 255u : Sum) << Shift;
  }
  return Result;
}

TzrColor zrSubtractColor(TzrColor C1, TzrColor C2) {
  TzrColor Result = 0;
  for (int Shift = 0; Shift <= 24; Shift += 8) {
    Result |= ((ByteAt(C1, Shift) - ByteAt(C2, Shift)) & 0xFFu) << Shift;
  }
  return Result;
}
