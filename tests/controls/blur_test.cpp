// The stack blur against a plain triangular filter written tap by tap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "controls/zr_blur.h"
#include "scene/zr_bitmap.h"

namespace {

// The filter as defined: weights r + 1 - |i|, edge values repeated, the sum
// divided by (r + 1)^2 and truncated; rows first, then columns.
std::vector<TzrColor> Reference(const TzrBitmap& Source, int64_t R) {
  const int w = Source.GetWidth(), h = Source.GetHeight();
  const int64_t div = (R + 1) * (R + 1);
  auto pass = [&](const std::vector<TzrColor>& in, bool rows) {
    std::vector<TzrColor> out(in.size());
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        TzrColor result = 0;
        for (int c = 0; c < 32; c += 8) {
          int64_t sum = 0;
          for (int64_t i = -R; i <= R; ++i) {
            const int64_t sx = rows ? std::clamp<int64_t>(x + i, 0, w - 1) : x;
            const int64_t sy = rows ? y : std::clamp<int64_t>(y + i, 0, h - 1);
            sum += (R + 1 - (i < 0 ? -i : i)) * ((in[size_t(sx + sy * w)] >> c) & 0xFF);
          }
          result |= TzrColor(sum / div) << c;
        }
        out[size_t(x + y * w)] = result;
      }
    return out;
  };
  std::vector<TzrColor> bits(Source.GetStartLine(), Source.GetStartLine() + w * h);
  return pass(pass(bits, true), false);
}

std::vector<TzrColor> Bits(const TzrBitmap& B) {
  return {B.GetStartLine(), B.GetStartLine() + B.GetWidth() * B.GetHeight()};
}

std::unique_ptr<TzrBitmap> Dot(int W, int H, int X, int Y) {
  auto b = std::make_unique<TzrBitmap>(W, H);
  b->Clear(0);
  b->GetScanline(Y)[X] = 0xFFFFFFFF;
  return b;
}

TEST(Blur, RadiusBelowOneLeavesTheBitmap) {
  for (int r : {0, -3}) {
    auto b = Dot(5, 5, 2, 2);
    Blur(nullptr, b.get(), r);
    EXPECT_EQ(Bits(*b), Bits(*Dot(5, 5, 2, 2))) << r;
  }
}

TEST(Blur, RadiusOneSpreadsAWhitePixelOneTwoOne) {
  // One row: the column pass over a single row changes nothing, so this is
  // the row pass alone.
  auto row = Dot(5, 1, 2, 0);
  Blur(nullptr, row.get(), 1);
  EXPECT_EQ(Bits(*row), (std::vector<TzrColor>{0, 0x3F3F3F3F, 0x7F7F7F7F, 0x3F3F3F3F, 0}));

  auto dot = Dot(5, 5, 2, 2);
  TzrBitmap& b = *dot;
  Blur(nullptr, &b, 1);
  EXPECT_EQ(b.GetPixels(2, 2), 0x3F3F3F3Fu);
  for (auto [x, y] : {std::pair{1, 2}, {3, 2}, {2, 1}, {2, 3}})
    EXPECT_EQ(b.GetPixels(x, y), 0x1F1F1F1Fu);
  for (auto [x, y] : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 3}})
    EXPECT_EQ(b.GetPixels(x, y), 0x0F0F0F0Fu);
  EXPECT_EQ(b.GetPixels(0, 2), 0u);
}

TEST(Blur, UniformBitmapStaysUniformToItsBorders) {
  for (int r : {1, 3, 40}) {
    TzrBitmap b(7, 5);
    b.Clear(0x80402010);
    const TzrColor premultiplied = b.GetPixels(0, 0);
    Blur(nullptr, &b, r);
    for (TzrColor c : Bits(b)) ASSERT_EQ(c, premultiplied) << "radius " << r;
  }
}

TEST(Blur, MatchesTheTriangularFilterAtAnyRadius) {
  // Radii below, near and far beyond the bitmap's sides (the last two would
  // need a gigabyte table or overflow 32-bit sums in a table-driven filter).
  TzrBitmap source(9, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 9; ++x) {
      const uint32_t a = uint32_t((x * 37 + y * 91) % 256);
      source.GetScanline(y)[x] = a << 24 | (a * 3 / 4) << 16 | (a / 2) << 8 | (a / 5);
    }
  for (int r : {1, 2, 4, 5, 8, 9, 1500, 100000}) {
    TzrBitmap b(9, 6);
    std::copy_n(source.GetStartLine(), 54, b.GetStartLine());
    Blur(nullptr, &b, r);
    EXPECT_EQ(Bits(b), Reference(source, r)) << "radius " << r;
  }
}

TEST(Blur, SinglePixelAndSingleLineBitmaps) {
  for (auto [w, h] : {std::pair{1, 1}, {1, 7}, {7, 1}}) {
    TzrBitmap b(w, h);
    for (int i = 0; i < w * h; ++i) b.GetStartLine()[i] = i % 2 ? 0xFFFFFFFF : 0;
    TzrBitmap source(w, h);
    std::copy_n(b.GetStartLine(), w * h, source.GetStartLine());
    Blur(nullptr, &b, 3);
    EXPECT_EQ(Bits(b), Reference(source, 3)) << w << " x " << h;
  }
}

}  // namespace
