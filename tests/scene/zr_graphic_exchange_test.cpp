// Fonts and bitmaps of the scene exchanged with the framework's font,
// bitmap, icon and picture.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/vcl/Graphics.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_font.h"

namespace {

TEST(ZrFontExchange, FromTheFrameworkFont) {
  struct Case {
    TFontStyles Styles;
    TzrFontStyle Expected;
  };
  const TFontStyles bold = FontStyleBit(fsBold), italic = FontStyleBit(fsItalic);
  const Case cases[] = {
      {0, zrFontRegular},
      {bold, zrFontBold},
      {italic, zrFontItalic},
      {TFontStyles(bold | italic), zrFontBoldItalic},
      {TFontStyles(bold | FontStyleBit(fsUnderline)), zrFontStrikeout},  // kept as it was
      {FontStyleBit(fsStrikeOut), zrFontStrikeout},
  };
  for (const Case& k : cases) {
    TzrFont f;
    f.SetStyle(zrFontStrikeout);
    f.SetClearType(false);
    int changes = 0;
    f.OnChanged = [&](TObject*) { ++changes; };
    TFont vf;
    vf.SetName("Courier New");
    vf.SetHeight(-15);
    vf.SetStyle(k.Styles);
    f.Assign(&vf);
    EXPECT_EQ(f.GetStyle(), k.Expected) << int(k.Styles);
    EXPECT_EQ(f.GetFamily(), "Courier New");
    EXPECT_EQ(f.GetSize(), 15);
    EXPECT_FALSE(f.GetClearType());
    EXPECT_EQ(changes, 1);
  }
  TzrFont f;
  TFont positive;
  positive.SetHeight(12);  // a cell height counts by its absolute value too
  f.Assign(&positive);
  EXPECT_EQ(f.GetSize(), 12);
}

TEST(ZrFontExchange, ToTheFrameworkFont) {
  struct Case {
    float Size;
    TzrFontStyle Style;
    int Height;
    TFontStyles Styles;
  };
  const TFontStyles keep = FontStyleBit(fsStrikeOut);
  const Case cases[] = {
      {10.5f, zrFontRegular, -10, 0},  // halves go to the even neighbour
      {11.5f, zrFontBold, -12, FontStyleBit(fsBold)},
      {9, zrFontBoldItalic, -9, TFontStyles(FontStyleBit(fsBold) | FontStyleBit(fsItalic))},
      {9, zrFontUnderline, -9, keep},  // the set stays as it was
  };
  for (const Case& k : cases) {
    TzrFont f;
    f.SetFamily("Verdana");
    f.SetSize(k.Size);
    f.SetStyle(k.Style);
    TFont vf;
    vf.SetStyle(keep);
    vf.Assign(&f);
    EXPECT_EQ(vf.GetName(), "Verdana");
    EXPECT_EQ(vf.GetHeight(), k.Height) << k.Size;
    EXPECT_EQ(vf.GetStyle(), k.Styles) << k.Style;
  }
}

TEST(ZrBitmapExchange, From24And32BitBitmapsWithTheTransparentColour) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap vb;
    vb.SetPixelFormat(format);
    vb.SetSize(3, 2);
    vb.GetCanvas()->SetPixels(0, 0, clRed);
    vb.GetCanvas()->SetPixels(1, 0, clLime);
    vb.SetTransparentColor(clLime);
    TzrBitmap zb;
    TzrColor seen = 0;  // what the last change event saw
    zb.OnChange = [&](TObject*) { seen = zb.GetPixels(0, 0); };
    zb.Assign(&vb);
    ASSERT_EQ(zb.GetWidth(), 3);
    EXPECT_EQ(zb.GetPixels(0, 0), 0xFFFF0000u);
    EXPECT_EQ(zb.GetPixels(1, 0), 0xFF00FF00u);  // not transparent yet
    EXPECT_EQ(seen, 0xFFFF0000u);
    EXPECT_TRUE(zb.GetNeedUpdate());
    vb.SetTransparent(true);
    zb.Assign(&vb);
    EXPECT_EQ(zb.GetPixels(1, 0), 0u) << format;
    EXPECT_EQ(zb.GetPixels(2, 1), 0xFFFFFFFFu);
  }
}

TEST(ZrBitmapExchange, ToBitmapAndPictureRowsAsTheyAre) {
  TzrBitmap zb(2, 2);
  zb.GetScanline(0)[0] = 0x80400000;  // half-transparent, premultiplied
  zb.GetScanline(1)[1] = 0xFF0000FF;
  TBitmap vb;
  vb.SetPixelFormat(pf24bit);
  vb.Assign(&zb);
  EXPECT_EQ(vb.GetPixelFormat(), pf32bit);
  uint32_t v;
  std::memcpy(&v, vb.GetScanLine(0), 4);
  EXPECT_EQ(v, 0x80400000u);
  TPicture pic;
  pic.Assign(&zb);
  auto* held = dynamic_cast<TBitmap*>(pic.GetGraphic());
  ASSERT_NE(held, nullptr);
  std::memcpy(&v, held->GetScanLine(1) + 4, 4);
  EXPECT_EQ(v, 0xFF0000FFu);
  // And back: a picture's bitmap gives the same words.
  TzrBitmap back;
  back.Assign(&pic);
  EXPECT_EQ(back.GetPixels(0, 0), 0x80400000u);
  TFont notAPicture;
  EXPECT_THROW(notAPicture.Assign(&zb), EConvertError);
}

TEST(ZrBitmapExchange, OtherGraphicsAreDrawnOpaque) {
  TIcon icon;
  icon.SetSize(2, 2);
  uint8_t* row = icon.GetPixels()->GetScanLine(0);
  std::fill(row, row + 8, 0);                // transparent top row
  const uint8_t blue[4] = {255, 0, 0, 255};  // B, G, R, A
  std::copy(blue, blue + 4, icon.GetPixels()->GetScanLine(1));
  TzrBitmap zb;
  zb.Assign(&icon);
  ASSERT_EQ(zb.GetWidth(), 2);
  EXPECT_EQ(zb.GetPixels(0, 1), 0xFF0000FFu);
  // The transparent pixels show the magenta work colour and are not copied;
  // every pixel is made opaque afterwards.
  EXPECT_EQ(zb.GetPixels(0, 0), 0xFF000000u);
}

TEST(ZrBitmapExchange, DrawGraphicStretchesAndSkipsMagenta) {
  TBitmap vb;
  vb.SetSize(2, 1);
  vb.GetCanvas()->SetPixels(0, 0, clBlue);
  vb.GetCanvas()->SetPixels(1, 0, clFuchsia);
  TzrBitmap zb(10, 4);
  zb.Clear(0xFF00FF00);
  zb.DrawGraphic(&vb, TzrRect{1.5f, 0, 6.5f, 2});  // rounded to (2, 0, 6, 2)
  EXPECT_EQ(zb.GetPixels(1, 0), 0xFF00FF00u);
  EXPECT_EQ(zb.GetPixels(2, 0), 0xFF0000FFu);
  EXPECT_EQ(zb.GetPixels(5, 1), 0xFF00FF00u);  // magenta pixels leave the old ones
  EXPECT_EQ(zb.GetPixels(2, 2), 0xFF00FF00u);
}

}  // namespace
