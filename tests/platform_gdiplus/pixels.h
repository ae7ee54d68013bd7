#pragma once
// A bitmap with a graphics object on it, and pixel comparisons with a tolerance.

#include <gtest/gtest.h>

#include <string>

#include "platform/gdiplus/GdiPlus.h"
#include "tests/platform_gdiplus/color_near.h"

namespace gdiplus_test {

using namespace Gdiplus;

using color_test::Hex;
using color_test::Near;

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
