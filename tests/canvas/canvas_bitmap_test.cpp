// A bitmap's own canvas: made once, drawing into the pixels, freed with them
// on every size change and with the bitmap; rotation and thumbnails drawn
// through it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "canvas_fixture.h"
#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

// Writes the bitmap into build/gallery/ to be looked at.
void ToGallery(TzrBitmap& B, const std::string& Name) {
  const std::string dir = std::string(ESCTOOL_BINARY_DIR) + "/gallery";
  std::filesystem::create_directories(dir);
  B.SaveToFile(dir + "/" + Name);
}

// Black and white squares of Cell pixels.
void Checkerboard(TzrBitmap& B, int Size, int Cell) {
  B.SetSize(Size, Size);
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x)
      B.GetScanline(y)[x] = (x / Cell + y / Cell) % 2 ? 0xFFFFFFFF : 0xFF000000;
}

TEST(CanvasBitmap, TheCanvasIsMadeOnceAndDrawsIntoThePixels) {
  TzrBitmap b(10, 10);
  TzrCanvas* c = b.GetCanvas();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(b.GetCanvas(), c);
  EXPECT_EQ(c->GetBitmap(), &b);
  c->GetFill()->SetSolidColor(0xFF00FF00);
  c->FillRect(zrRect(0, 0, 5, 10), 0, 0, 0, 1);  // the identity matrix from the start
  EXPECT_EQ(b.GetPixels(2, 2), 0xFF00FF00u);
  EXPECT_EQ(b.GetPixels(7, 2), 0u);
}

TEST(CanvasBitmap, EverySizeChangeGivesACanvasOnTheNewPixels) {
  TzrBitmap b(10, 10), other(4, 3);
  const std::function<void()> changes[] = {
      [&] { b.SetSize(20, 30); }, [&] { b.SetWidth(7); }, [&] { b.SetHeight(9); },
      [&] { b.Assign(&other); },  [&] { b.Rotate(90); },
  };
  for (const auto& change : changes) {
    b.GetCanvas()->Clear(0xFF0000FF);
    change();
    TzrCanvas* c = b.GetCanvas();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetWidth(), b.GetWidth());
    EXPECT_EQ(c->GetHeight(), b.GetHeight());
    c->Clear(0xFFFF0000);
    const int x = b.GetWidth() - 1, y = b.GetHeight() - 1;
    EXPECT_EQ(b.GetPixels(x, y), 0xFFFF0000u) << b.GetWidth() << " x " << b.GetHeight();
  }
  b.SetSize(0, 0);
  ASSERT_NE(b.GetCanvas(), nullptr);
  b.GetCanvas()->Clear(0xFFFF0000);  // nothing to draw into: draws nothing
  EXPECT_EQ(b.GetStartLine(), nullptr);
}

TEST(CanvasBitmap, FreeingTheBitmapFreesItsCanvasAndHandle) {
  // the sanitizer run checks that nothing leaks and nothing is touched after
  auto b = std::make_unique<TzrBitmap>(8, 8);
  TzrBitmap source(4, 4);
  source.Clear(0xFF123456);
  b->GetCanvas()->DrawBitmap(source, zrRect(0, 0, 4, 4), zrRect(0, 0, 8, 8), 1);
  EXPECT_NE(b->GetHandle(), 0u);
  EXPECT_TRUE(Near(b->GetPixels(7, 7), 0xFF123456, 1));
  b.reset();
  EXPECT_TRUE(Near(source.GetPixels(3, 3), 0xFF123456, 1));
}

TEST(CanvasBitmap, ThumbnailOfAFineCheckerboardIsMidGrey) {
  // squares of two pixels: 25 in a reduced pixel, 13 of one colour (52 %);
  // a filter that samples a few pixels gives black or white instead
  for (int cell : {1, 2}) {
    SCOPED_TRACE(cell);
    TzrBitmap board;
    Checkerboard(board, 100, cell);
    std::unique_ptr<TzrBitmap> thumb = board.CreateThumbnail(10, 10);
    ToGallery(*thumb, "bitmap_thumbnail_checkerboard_" + std::to_string(cell) + ".png");
    ASSERT_EQ(thumb->GetWidth(), 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x)
        EXPECT_TRUE(Near(thumb->GetPixels(x, y), 0xFF808080, 6)) << x << "," << y;
    // the scale used for the drawing stays off the thumbnail's canvas
    EXPECT_TRUE(thumb->GetCanvas()->GetMatrix() == IdentityMatrix);
  }
}

TEST(CanvasBitmap, ThumbnailScalesByTheWidthOnly) {
  TzrBitmap wide(40, 20);
  wide.Clear(0xFF0000FF);
  std::unique_ptr<TzrBitmap> thumb = wide.CreateThumbnail(10, 10);
  EXPECT_TRUE(Near(thumb->GetPixels(5, 2), 0xFF0000FF, 1));
  EXPECT_EQ(thumb->GetPixels(5, 8), 0u);  // below the scaled 10 x 5 image
}

TEST(CanvasBitmap, RotationDrawsTheTurnedImageThroughTheCanvas) {
  TzrBitmap b(160, 80);
  b.Clear(0xFF0000FF);
  b.ClearRect(zrRect(0, 0, 80, 40), 0xFFFF0000);  // red top-left quarter
  b.Rotate(90);
  ASSERT_EQ(b.GetWidth(), 80);
  ASSERT_EQ(b.GetHeight(), 160);
  EXPECT_TRUE(Near(b.GetPixels(60, 20), 0xFFFF0000, 2));  // red now top right
  EXPECT_TRUE(Near(b.GetPixels(20, 20), 0xFF0000FF, 2));
  EXPECT_TRUE(Near(b.GetPixels(79, 0), 0xFFFF0000, 2));  // corners land exactly
  EXPECT_TRUE(Near(b.GetPixels(0, 159), 0xFF0000FF, 2));
  b.Rotate(30);
  ToGallery(b, "bitmap_rotate_90_then_30.png");
  EXPECT_EQ(b.GetPixels(0, 0), 0u);  // outside the turned image
  EXPECT_EQ(Alpha(b.GetPixels(b.GetWidth() / 2, b.GetHeight() / 2)), 255);
}

}  // namespace
