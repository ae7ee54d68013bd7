#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "tests/platform_gdiplus/pixels.h"

using namespace Gdiplus;
using gdiplus_test::Near;
using gdiplus_test::Surface;

namespace {

// w x h, each pixel a colour of its own: red = 10 x, green = 10 y, opaque.
std::unique_ptr<Bitmap> Numbered(int w, int h) {
  auto b = std::make_unique<Bitmap>(w, h, PixelFormat32bppARGB);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->SetPixel(x, y, Color(255, uint8_t(10 * x), uint8_t(10 * y), 0));
  return b;
}

ARGB ColourAt(int x, int y) { return Color::MakeARGB(255, uint8_t(10 * x), uint8_t(10 * y), 0); }

ColorMatrix AlphaMatrix(REAL alpha) {
  ColorMatrix cm = {};
  for (int i = 0; i < 5; ++i) cm.m[i][i] = 1;
  cm.m[3][3] = alpha;
  return cm;
}

}  // namespace

TEST(GdiPlusImage, LockBitsGivesPremultipliedOrStraightPixels) {
  Bitmap b(4, 3, PixelFormat32bppARGB);
  b.SetPixel(1, 2, Color(0x80FF0000));
  BitmapData d;
  Rect all(0, 0, 4, 3);
  ASSERT_EQ(b.LockBits(&all, ImageLockModeRead, PixelFormat32bppPARGB, &d), Ok);
  EXPECT_EQ(d.Width, 4u);
  uint32_t p;
  std::memcpy(&p, static_cast<uint8_t*>(d.Scan0) + 2 * d.Stride + 4, 4);
  EXPECT_TRUE(Near(p, 0x80800000, 1));  // premultiplied: red halved
  EXPECT_EQ(b.LockBits(&all, ImageLockModeRead, PixelFormat32bppPARGB, &d), WrongState);
  b.UnlockBits(&d);

  ASSERT_EQ(b.LockBits(&all, ImageLockModeRead | ImageLockModeWrite, PixelFormat32bppARGB, &d), Ok);
  std::memcpy(&p, static_cast<uint8_t*>(d.Scan0) + 2 * d.Stride + 4, 4);
  EXPECT_TRUE(Near(p, 0x80FF0000, 1));
  uint32_t green = 0x4000FF00;
  std::memcpy(d.Scan0, &green, 4);  // written straight, stored premultiplied
  b.UnlockBits(&d);
  Color c;
  b.GetPixel(0, 0, &c);
  EXPECT_TRUE(Near(c.GetValue(), 0x4000FF00, 3));

  Rect outside(2, 2, 4, 4);
  EXPECT_EQ(b.LockBits(&outside, ImageLockModeRead, PixelFormat32bppARGB, &d), InvalidParameter);
}

TEST(GdiPlusImage, BitmapOverCallerMemorySharesThePixels) {
  std::vector<uint32_t> pixels(6 * 4, 0);
  Bitmap b(6, 4, 6 * 4, PixelFormat32bppPARGB, reinterpret_cast<uint8_t*>(pixels.data()));
  {
    Graphics g(&b);
    SolidBrush red(Color(0xFFFF0000));
    g.FillRectangle(&red, RectF(0, 0, 3, 4));
  }
  EXPECT_EQ(pixels[0], 0xFFFF0000u);
  EXPECT_EQ(pixels[5], 0u);
  pixels[5] = 0xFF0000FF;
  Color c;
  b.GetPixel(5, 0, &c);
  EXPECT_EQ(c.GetValue(), 0xFF0000FFu);
  // drawing it shows pixels its owner wrote directly
  Surface s(6, 4);
  s.G.DrawImage(&b, RectF(0, 0, 6, 4), 0, 0, 6, 4, UnitPixel);
  EXPECT_EQ(s.At(5, 0), 0xFF0000FFu);
  Bitmap bad(6, 4, 6, PixelFormat32bppPARGB, reinterpret_cast<uint8_t*>(pixels.data()));
  EXPECT_EQ(bad.GetLastStatus(), InvalidParameter);
}

TEST(GdiPlusImage, DrawImageWithOpacityThroughTheColourMatrix) {
  auto src = Numbered(4, 4);
  struct Case {
    REAL alpha;
    ARGB expected;  // over opaque white
  } cases[] = {{1, ColourAt(1, 1)}, {0.5f, 0xFF858580}, {0, 0xFFFFFFFF}, {-0.5f, 0xFFFFFFFF}};
  for (const Case& c : cases) {
    Surface s(4, 4);
    s.G.Clear(Color(0xFFFFFFFF));
    ColorMatrix cm = AlphaMatrix(c.alpha);
    ImageAttributes attrs;
    attrs.SetColorMatrix(&cm, ColorMatrixFlagsDefault, ColorAdjustTypeBitmap);
    s.G.DrawImage(src.get(), RectF(0, 0, 4, 4), 0, 0, 4, 4, UnitPixel, &attrs);
    EXPECT_TRUE(Near(s.At(1, 1), c.expected, 2)) << c.alpha;
  }
}

TEST(GdiPlusImage, GeneralColourMatrixMovesChannels) {
  auto src = Numbered(4, 4);
  ColorMatrix swap = {};  // red into blue, green into green
  swap.m[0][2] = 1;
  swap.m[1][1] = 1;
  swap.m[3][3] = 1;
  ImageAttributes attrs;
  attrs.SetColorMatrix(&swap);
  Surface s(4, 4);
  s.G.DrawImage(src.get(), RectF(0, 0, 4, 4), 0, 0, 4, 4, UnitPixel, &attrs);
  EXPECT_TRUE(Near(s.At(3, 2), Color::MakeARGB(255, 0, 20, 30), 1));
}

TEST(GdiPlusImage, DrawImagePartsScaledNearestOrSmooth) {
  auto src = Numbered(4, 4);
  Surface s(8, 8);
  s.G.SetInterpolationMode(InterpolationModeNearestNeighbor);
  // source pixels (2, 2)-(4, 4) doubled into the top-left 4 x 4
  s.G.DrawImage(src.get(), RectF(0, 0, 4, 4), 2, 2, 2, 2, UnitPixel);
  EXPECT_EQ(s.At(0, 0), ColourAt(2, 2));
  EXPECT_EQ(s.At(1, 1), ColourAt(2, 2));
  EXPECT_EQ(s.At(2, 3), ColourAt(3, 3));
  EXPECT_EQ(s.At(5, 5), 0u);
  s.G.SetInterpolationMode(InterpolationModeHighQuality);
  s.G.DrawImage(src.get(), RectF(4, 4, 4, 4), 0, 0, 2, 2, UnitPixel);
  ARGB mid = s.At(5, 5);  // between source pixels: a blend
  EXPECT_GT((mid >> 16) & 255, 0u);
  EXPECT_LT((mid >> 16) & 255, 10u);
}

TEST(GdiPlusImage, DrawImageAtPhysicalSizeUsesResolutions) {
  auto src = Numbered(4, 4);
  src->SetResolution(48, 48);  // half the surface's 96 dpi: drawn twice as large
  Surface s(10, 10);
  s.G.SetInterpolationMode(InterpolationModeNearestNeighbor);
  s.G.DrawImage(src.get(), 0.0f, 0.0f);
  EXPECT_EQ(s.At(7, 7), ColourAt(3, 3));
  EXPECT_EQ(s.At(8, 8), 0u);
}

TEST(GdiPlusImage, RotateFlipTurnsClockwise) {
  struct Case {
    RotateFlipType type;
    int w, h;
    int x, y;  // where source pixel (0, 0) ends up
  } cases[] = {{Rotate90FlipNone, 2, 3, 1, 0},
               {Rotate180FlipNone, 3, 2, 2, 1},
               {Rotate270FlipNone, 2, 3, 0, 2},
               {RotateNoneFlipX, 3, 2, 2, 0},
               {Rotate90FlipX, 2, 3, 0, 0}};
  for (const Case& c : cases) {
    auto b = Numbered(3, 2);
    ASSERT_EQ(b->RotateFlip(c.type), Ok);
    ASSERT_EQ(int(b->GetWidth()), c.w);
    ASSERT_EQ(int(b->GetHeight()), c.h);
    Color px;
    b->GetPixel(c.x, c.y, &px);
    EXPECT_EQ(px.GetValue(), ColourAt(0, 0)) << c.type;
  }
}

TEST(GdiPlusImage, CloneAndThumbnailAreIndependentCopies) {
  auto b = Numbered(8, 8);
  std::unique_ptr<Image> copy(b->Clone());
  b->SetPixel(0, 0, Color(0xFFFFFFFF));
  Color c;
  static_cast<Bitmap*>(copy.get())->GetPixel(0, 0, &c);
  EXPECT_EQ(c.GetValue(), ColourAt(0, 0));
  std::unique_ptr<Image> thumb(b->GetThumbnailImage(4, 2));
  EXPECT_EQ(thumb->GetWidth(), 4u);
  EXPECT_EQ(thumb->GetHeight(), 2u);
}
