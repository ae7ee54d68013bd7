// Indexed bitmaps: palette indices packed high bits first, conversions to and
// from colour formats, and drawing and saving through the palette.

#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/vcl/Graphics.h"

namespace {

TColor ColorAt(TBitmap& b, int x, int y) {
  const uint8_t* p = b.GetScanLine(y) + x * (b.BitsPerPixel() / 8);
  return TColor(gdi::RGB(p[2], p[1], p[0]));
}

// Red, white and a dark grey in one row of a colour bitmap.
void PaintRow(TBitmap& b) {
  b.SetPixelFormat(pf24bit);
  b.SetSize(3, 1);
  const TColor colors[3] = {clRed, clWhite, TColor(gdi::RGB(40, 40, 40))};
  for (int x = 0; x < 3; ++x) {
    uint8_t* p = b.GetScanLine(0) + x * 3;
    p[0] = uint8_t(gdi::GetBValue(colors[x])), p[1] = uint8_t(gdi::GetGValue(colors[x]));
    p[2] = uint8_t(gdi::GetRValue(colors[x]));
  }
}

TEST(IndexedBitmap, ConvertsBetweenColoursAndIndices) {
  TBitmap b;
  PaintRow(b);
  b.SetPixelFormat(pf1bit);  // nearest of black and white
  EXPECT_EQ(b.GetPalette(), (std::vector<TColor>{clBlack, clWhite}));
  EXPECT_EQ(b.GetScanLine(0)[0], 0x40);  // 0, 1, 0 from the high bit down
  EXPECT_EQ(b.GetTransparentColor(), clBlack);

  b.SetPixelFormat(pf8bit);  // larger: indices and palette kept
  EXPECT_EQ(b.GetPalette().size(), 2u);
  EXPECT_EQ((std::vector<int>{b.GetScanLine(0)[0], b.GetScanLine(0)[1], b.GetScanLine(0)[2]}),
            (std::vector<int>{0, 1, 0}));

  b.SetPixelFormat(pf4bit);  // smaller: through the colours, the 16 standard ones
  EXPECT_EQ(b.GetPalette().size(), 16u);
  EXPECT_EQ(b.GetScanLine(0)[0], 0x0F);  // black 0, white 15
  EXPECT_EQ(b.GetScanLine(0)[1] >> 4, 0);

  b.SetPalette({clRed, clBlue});
  b.SetPixelFormat(pf24bit);
  EXPECT_TRUE(b.GetPalette().empty());
  EXPECT_EQ(ColorAt(b, 0, 0), clRed);
  EXPECT_EQ(ColorAt(b, 1, 0), clBlack) << "index 15 lies past a two-colour palette";
  EXPECT_EQ(ColorAt(b, 2, 0), clRed);
}

TEST(IndexedBitmap, KeepsIndicesWhenResizedAndRefusesWhatDoesNotFit) {
  TBitmap b;
  b.SetPixelFormat(pf1bit);
  b.SetSize(9, 2);
  EXPECT_EQ(b.GetScanLine(1) - b.GetScanLine(0), 4);  // 9 bits padded to four bytes
  b.GetScanLine(0)[1] = 0x80;                         // pixel 8 of row 0
  b.SetSize(10, 3);
  EXPECT_EQ(b.GetScanLine(0)[1], 0x80);
  EXPECT_EQ(b.GetScanLine(2)[0], 0);
  EXPECT_THROW(b.SetPalette({clRed, clGreen, clBlue}), EInvalidGraphicOperation);
  EXPECT_THROW(b.GetCanvas(), EInvalidGraphicOperation);
  TBitmap colour;
  EXPECT_THROW(colour.SetPalette({clRed}), EInvalidGraphicOperation);
}

TEST(IndexedBitmap, DrawsAndSavesThroughItsPalette) {
  TBitmap b;
  b.SetPixelFormat(pf8bit);
  b.SetSize(2, 1);
  b.SetPalette({clYellow, clNavy});
  b.GetScanLine(0)[0] = 1;
  TBitmap target;
  target.SetPixelFormat(pf24bit);
  target.SetSize(4, 2);
  target.GetCanvas()->Draw(1, 1, &b);
  EXPECT_EQ(ColorAt(target, 1, 1), clNavy);
  EXPECT_EQ(ColorAt(target, 2, 1), clYellow);
  EXPECT_EQ(ColorAt(target, 0, 0), clWhite);

  TMemoryStream file;
  b.SaveToStream(file);
  file.SetPosition(0);
  TBitmap loaded;
  loaded.LoadFromStream(file);
  EXPECT_EQ(ColorAt(loaded, 0, 0), clNavy);
  EXPECT_EQ(ColorAt(loaded, 1, 0), clYellow);

  TBitmap copy;
  copy.Assign(&b);
  EXPECT_EQ(copy.GetPixelFormat(), pf8bit);
  EXPECT_EQ(copy.GetPalette(), b.GetPalette());
  EXPECT_EQ(copy.GetScanLine(0)[0], 1);
}

}  // namespace
