#pragma once
// A bitmap with a graphics object on it, and pixel comparisons with a tolerance.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/gdiplus/GdiPlus.h"

namespace gdiplus_test {

using namespace Gdiplus;

inline std::string Hex(ARGB c) {
  char buf[12];
  std::snprintf(buf, sizeof buf, "#%08X", c);
  return buf;
}

// Every channel within tol of the expected one.
inline ::testing::AssertionResult Near(ARGB actual, ARGB expected, int tol = 3) {
  for (int shift = 0; shift < 32; shift += 8) {
    int a = int((actual >> shift) & 255), e = int((expected >> shift) & 255);
    if (std::abs(a - e) > tol)
      return ::testing::AssertionFailure() << Hex(actual) << " is not near " << Hex(expected);
  }
  return ::testing::AssertionSuccess();
}

struct Surface {
  explicit Surface(int w, int h, bool canvasSettings = true)
      : Bmp(w, h, PixelFormat32bppPARGB), G(&Bmp) {
    if (canvasSettings) {
      G.SetSmoothingMode(SmoothingModeHighQuality);
      G.SetPixelOffsetMode(PixelOffsetModeHalf);
    }
  }
  // Straight ARGB of the pixel.
  ARGB At(int x, int y) {
    Color c;
    Bmp.GetPixel(x, y, &c);
    return c.GetValue();
  }
  Bitmap Bmp;
  Graphics G;
};

}  // namespace gdiplus_test
