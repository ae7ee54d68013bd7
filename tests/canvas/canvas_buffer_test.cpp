// The off-screen buffer: making and resizing it, copying it to a device
// context, raw clearing.
#include <cairo.h>
#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "platform/rtl/SysUtils.h"

namespace {

using namespace canvas_test;

TEST(CanvasBuffer, CreateMakesAnArgbBufferOfTheSize) {
  TzrCanvasGdiPlus c(30, 20);
  EXPECT_TRUE(c.GetBuffered());
  EXPECT_EQ(c.GetWidth(), 30);
  EXPECT_EQ(c.GetHeight(), 20);
  ASSERT_NE(c.GetBufferBits(), nullptr);
  ASSERT_NE(c.GetGraphics(), nullptr);
  EXPECT_NE(c.GetHandle(), 0u);
  EXPECT_EQ(cairo_image_surface_get_stride(c.GetBufferHandle()), 30 * 4);
  EXPECT_EQ(c.GetFontScale(), 1.0f);
}

TEST(CanvasBuffer, ZeroSizeMakesNoBuffer) {
  TzrCanvasGdiPlus c(0, 0);
  EXPECT_EQ(c.GetBufferBits(), nullptr);
  EXPECT_EQ(c.GetGraphics(), nullptr);
  c.FillRect(zrRect(0, 0, 5, 5), 0, 0, 0, 1);  // nothing to draw into, nothing happens
  EXPECT_EQ(c.SaveCanvas(), zrNoState);
  c.RestoreCanvas(zrNoState);
}

TEST(CanvasBuffer, ResizeToTheSameSizeKeepsEverything) {
  auto c = NewCanvas(10, 10);
  c->ClearRect(zrRect(0, 0, 10, 10), 0xFF00FF00);
  c->SetResized(false);
  TzrColor* bits = c->GetBufferBits();
  c->ResizeBuffer(10, 10);
  EXPECT_FALSE(c->GetResized());
  EXPECT_EQ(c->GetBufferBits(), bits);
  EXPECT_EQ(Raw(*c, 9, 9), 0xFF00FF00u);
}

TEST(CanvasBuffer, ResizeMakesAClearedBuffer) {
  auto c = NewCanvas(10, 10);
  c->ClearRect(zrRect(0, 0, 10, 10), 0xFF00FF00);
  c->SetResized(false);
  c->ResizeBuffer(12, 8);
  EXPECT_TRUE(c->GetResized());
  EXPECT_EQ(c->GetWidth(), 12);
  EXPECT_EQ(Raw(*c, 5, 5), 0u);
  // the new graphics keeps the canvas's matrix and draws
  c->FillRect(zrRect(0, 0, 12, 8), 0, 0, 0, 1);
  EXPECT_EQ(Raw(*c, 11, 7), 0xFFFFFFFFu);
}

TEST(CanvasBuffer, ZeroSizeIsStoredAsOne) {
  auto c = NewCanvas(10, 10);
  c->ResizeBuffer(0, 0);
  EXPECT_EQ(c->GetWidth(), 1);
  EXPECT_EQ(c->GetHeight(), 1);
  EXPECT_NE(c->GetBufferBits(), nullptr);
  c->SetResized(false);
  c->ResizeBuffer(1, 1);
  EXPECT_FALSE(c->GetResized());
  c->ResizeBuffer(0, 0);  // the stored size is 1, not 0
  EXPECT_TRUE(c->GetResized());
}

TEST(CanvasBuffer, FailedResizeKeepsTheOldBuffer) {
  auto c = NewCanvas(10, 10);
  c->ClearRect(zrRect(0, 0, 10, 10), 0xFF0000FF);
  TzrColor* bits = c->GetBufferBits();
  try {
    c->ResizeBuffer(100000, 10);  // beyond what an image surface can hold
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
  }
  EXPECT_EQ(c->GetWidth(), 10);
  EXPECT_EQ(c->GetHeight(), 10);
  EXPECT_EQ(c->GetBufferBits(), bits);
  EXPECT_EQ(Raw(*c, 3, 3), 0xFF0000FFu);
  c->FillRect(zrRect(0, 0, 5, 5), 0, 0, 0, 1);  // still draws
  EXPECT_EQ(Raw(*c, 2, 2), 0xFFFFFFFFu);
}

TEST(CanvasBuffer, ClearRectWritesRawPixelsIgnoringClipAndMatrix) {
  auto c = NewCanvas(10, 10);
  TzrMatrix m = IdentityMatrix;
  m.m31 = 4;
  c->SetMatrix(m);
  c->SetClipRects({zrRect(8, 8, 9, 9)});
  // left and top truncated and clamped, right and bottom rounded (halves to even)
  c->ClearRect(zrRect(-5, -5, 3.5f, 2.5f), 0x80FF0000);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(Raw(*c, x, y), (x < 4 && y < 2) ? 0x80FF0000u : 0u) << x << "," << y;
  c->ClearRect(zrRect(20, 20, 30, 30), 0xFFFFFFFF);  // wholly outside: nothing
  c->ClearRect(zrRect(5, 5, 50, 50), 0xFF00FF00);    // clamped to the buffer
  EXPECT_EQ(Raw(*c, 9, 9), 0xFF00FF00u);
}

TEST(CanvasBuffer, ClearPaintsInsideTheClip) {
  auto c = NewCanvas(10, 10);
  c->SetClipRects({zrRect(0, 0, 5, 10)});
  c->Clear(0xFF0000FF);
  EXPECT_EQ(Raw(*c, 2, 5), 0xFF0000FFu);
  EXPECT_EQ(Raw(*c, 7, 5), 0u);
}

// A target surface standing for the window's device context.
struct TTarget {
  TTarget(int W, int H) {
    Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    Cr = cairo_create(Surface);
  }
  ~TTarget() {
    cairo_destroy(Cr);
    cairo_surface_destroy(Surface);
  }
  uint32_t At(int X, int Y) {
    cairo_surface_flush(Surface);
    auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(Surface));
    return data[X + Y * cairo_image_surface_get_stride(Surface) / 4];
  }
  TzrHandle DC() const { return reinterpret_cast<TzrHandle>(Cr); }
  cairo_surface_t* Surface;
  cairo_t* Cr;
};

TEST(CanvasBuffer, FlushRectCopiesTheTouchedPixelsWithoutBlending) {
  auto c = NewCanvas(40, 40);
  c->ClearRect(zrRect(0, 0, 40, 40), 0x80102030);
  TTarget t(60, 60);
  c->FlushBufferRect(5, 0, t.DC(), zrRect(10.5f, 10.5f, 20.2f, 20.9f));
  // pixels (10, 10) to (20, 20) inclusive arrive, shifted by (5, 0)
  EXPECT_EQ(t.At(15, 10), 0x80102030u);
  EXPECT_EQ(t.At(25, 20), 0x80102030u);
  EXPECT_EQ(t.At(26, 20), 0u);
  EXPECT_EQ(t.At(25, 21), 0u);
  EXPECT_EQ(t.At(14, 10), 0u);
  c->FlushBufferRect(0, 0, 0, zrRect(0, 0, 5, 5));  // no device context: nothing
}

TEST(CanvasBuffer, FlushCopiesTheWholeBuffer) {
  auto c = NewCanvas(8, 8);
  c->ClearRect(zrRect(0, 0, 8, 8), 0xFFABCDEF);
  TTarget t(20, 20);
  c->FlushBuffer(2, 3, t.DC());
  EXPECT_EQ(t.At(2, 3), 0xFFABCDEFu);
  EXPECT_EQ(t.At(9, 10), 0xFFABCDEFu);
  EXPECT_EQ(t.At(10, 10), 0u);
  EXPECT_EQ(t.At(1, 3), 0u);
}

TEST(CanvasBuffer, ClassSelectorMakesCanvases) {
  ASSERT_NE(DefaultCanvasClass, nullptr);
  std::unique_ptr<TzrCanvas> c = DefaultCanvasClass->Create(16, 9);
  EXPECT_NE(dynamic_cast<TzrCanvasGdiPlus*>(c.get()), nullptr);
  EXPECT_EQ(c->GetWidth(), 16);
  EXPECT_EQ(DefaultPrinterCanvasClass, DefaultCanvasClass);
}

}  // namespace
