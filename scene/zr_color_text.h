#pragma once
// Colour text forms: "#" and eight hexadecimal digits (alpha, red, green,
// blue), or one of the 147 colour names.

#include <array>
#include <string>

#include "scene/zr_geometry.h"

struct TzrColorIdent {
  const char* Name;   // "Aliceblue"
  const char* Value;  // "#FFF0F8FF"
};

// The 147 colour keywords of SVG 1.1, alphabetical, each opaque.
extern const std::array<TzrColorIdent, 147> zrColorIdents;

// "#" followed by eight upper-case hexadecimal digits; never a name.
std::u16string zrColorToStr(TzrColor AColor);
// Reads "#" + 1 to 8 hexadecimal digits (fewer leave the top bytes, alpha
// included, zero), a colour name in any letter case, or a 32-bit integer in
// decimal or hexadecimal ("$", "x", "0x"). Unreadable text gives 0.
TzrColor zrStrToColor(const std::u16string& S);
