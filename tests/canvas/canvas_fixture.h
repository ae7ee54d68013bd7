#pragma once
// Shared by the canvas tests: the drawing layer started once for the test
// program, canvases with an identity matrix, and pixel checks with a
// tolerance.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "canvas/zr_canvas_gdiplus.h"
#include "scene/zr_colors.h"
#include "tests/platform_gdiplus/color_near.h"

namespace canvas_test {

using color_test::Hex;
using color_test::Near;

// A buffered canvas with the identity matrix, cleared to transparent.
inline std::unique_ptr<TzrCanvasGdiPlus> NewCanvas(int W, int H) {
  auto c = std::make_unique<TzrCanvasGdiPlus>(W, H);
  c->SetMatrix(IdentityMatrix);
  c->Clear(0);
  return c;
}

// The straight (not premultiplied) colour of a buffer pixel.
inline TzrColor Pixel(const TzrCanvas& C, int X, int Y) {
  return zrUnpremultyAlpha(C.GetBufferBits()[X + Y * C.GetWidth()]);
}

// The raw stored value of a buffer pixel.
inline TzrColor Raw(const TzrCanvas& C, int X, int Y) {
  return C.GetBufferBits()[X + Y * C.GetWidth()];
}

inline uint8_t Alpha(TzrColor C) { return uint8_t(C >> 24); }

}  // namespace canvas_test
