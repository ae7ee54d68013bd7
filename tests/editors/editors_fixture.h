#pragma once
// Shared set-up of the editor form tests: the toolkit's canvas, the
// application (the forms are shown under xvfb), the PNG codec and a virtual
// clock on which the editors' animations run.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "canvas/zr_gdiplus_unit.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_scene.h"
#include "tests/scene/png_filter.h"

class EditorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }

  // A picture whose every pixel differs: red counts columns, green rows.
  static std::unique_ptr<TzrBitmap> Picture(int Width, int Height) {
    auto bitmap = std::make_unique<TzrBitmap>(Width, Height);
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x)
        bitmap->GetScanline(y)[x] = 0xFF000000u | uint32_t(x % 256) << 16 | uint32_t(y % 256) << 8 |
                                    uint32_t((x / 256) * 64 + y / 256);
    bitmap->BitmapChanged();
    return bitmap;
  }

  static bool SamePixels(TzrBitmap& A, TzrBitmap& B) {
    if (A.GetWidth() != B.GetWidth() || A.GetHeight() != B.GetHeight()) return false;
    for (int y = 0; y < A.GetHeight(); ++y)
      for (int x = 0; x < A.GetWidth(); ++x)
        if (A.GetScanline(y)[x] != B.GetScanline(y)[x]) return false;
    return true;
  }

  // Moves the virtual clock on, so that running animations step and end.
  void Advance(uint32_t Ms) {
    for (uint32_t t = 0; t < Ms; t += 10) Clock->Advance(10);
  }

  TScopedVirtualClock Clock;
  TScopedPngFilter Png;
};
