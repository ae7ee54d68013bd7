#pragma once
// Shared by the canvas tests: the drawing layer started once for the test
// program, canvases with an identity matrix, and pixel checks with a
// tolerance.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "canvas/zr_canvas_gdiplus.h"
#include "scene/zr_colors.h"

namespace canvas_test {

inline std::string Hex(TzrColor c) {
  char buf[12];
  std::snprintf(buf, sizeof buf, "#%08X", c);
  return buf;
}

// Every channel within Tol of the expected one.
inline ::testing::AssertionResult Near(TzrColor Actual, TzrColor Expected, int Tol = 3) {
  for (int shift = 0; shift < 32; shift += 8) {
    int a = int((Actual >> shift) & 255), e = int((Expected >> shift) & 255);
    if (std::abs(a - e) > Tol)
      return ::testing::AssertionFailure() << Hex(Actual) << " is not near " << Hex(Expected);
  }
  return ::testing::AssertionSuccess();
}

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
