#pragma once
// Colour packing, alpha and HSL helpers for 32-bit ARGB colours ($AARRGGBB).

#include <cstdint>

#include "scene/zr_geometry.h"

TzrColor zrColor(uint8_t R, uint8_t G, uint8_t B, uint8_t A);
// Red and blue exchanged, green and alpha kept.
TzrColor zrRGBtoBGR(TzrColor AColor);
// A platform colour ($00BBGGRR, or a system colour index with the top byte
// $FF) as an opaque ARGB colour; system colours come from a fixed table.
TzrColor zrColorFromVCL(int32_t AColor);
// The hook controls call before painting; the colour stays as it is.
TzrColor zrCorrectColor(TzrColor AColor);
// Alpha scaled by Opacity (0..1); Opacity >= 1 keeps the colour.
TzrColor zrOpacity(TzrColor AColor, float Opacity);
TzrColor zrPremultyAlpha(TzrColor AColor);
TzrColor zrUnpremultyAlpha(TzrColor AColor);

// Hue, saturation and lightness, each 0..1; alpha is ignored.
void zrRGBtoHSL(TzrColor AColor, float& H, float& S, float& L);
// An opaque colour.
TzrColor zrHSLtoRGB(float H, float S, float L);
// Shifts H, S and L by the deltas, each clamped to 0..1 (the hue is clamped,
// not wrapped); keeps the alpha of AColor.
TzrColor zrChangeHSL(TzrColor AColor, float dH, float dS, float dL);

// Per byte the sum capped at 255 / the difference modulo 256.
TzrColor zrAppendColor(TzrColor C1, TzrColor C2);
TzrColor zrSubtractColor(TzrColor C1, TzrColor C2);
