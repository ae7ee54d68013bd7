// The framework's canvas, pens, brushes, fonts, bitmaps, icons and pictures.

#include "platform/vcl/Graphics.h"
#include "platform/vcl/GraphicsCodec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/rtl/Streams.h"

namespace {

TColor PixelOf(TBitmap& b, int x, int y) {
  const uint8_t* p = b.GetScanLine(y) + x * (b.BitsPerPixel() / 8);
  return TColor(gdi::RGB(p[2], p[1], p[0]));
}

TEST(VclCanvas, DrawsWithItsPenBrushAndFont) {
  TBitmap b;
  b.SetSize(40, 30);
  TCanvas* c = b.GetCanvas();
  EXPECT_EQ(PixelOf(b, 5, 5), clWhite);  // a new bitmap is white
  c->GetBrush()->SetColor(clRed);
  c->GetPen()->SetColor(clBlue);
  c->Rectangle(2, 2, 20, 20);
  EXPECT_EQ(c->GetPixels(2, 2), clBlue);
  EXPECT_EQ(c->GetPixels(10, 10), clRed);
  EXPECT_EQ(c->GetPixels(20, 10), clWhite);
  c->GetPen()->SetColor(clLime);  // a change makes a new device pen
  c->MoveTo(0, 25);
  c->LineTo(30, 25);
  EXPECT_EQ(c->GetPixels(29, 25), clLime);
  EXPECT_EQ(c->GetPixels(30, 25), clWhite);
  c->SetPixels(39, 29, clFuchsia);
  EXPECT_EQ(PixelOf(b, 39, 29), clFuchsia);
  EXPECT_EQ(c->GetPenPos(), Point(30, 25));
}

TEST(VclCanvas, TextExtentMatchesWhatTextOutCovers) {
  TBitmap b;
  b.SetSize(120, 40);
  TCanvas* c = b.GetCanvas();
  c->GetFont()->SetSize(12);
  c->GetFont()->SetColor(clBlack);
  c->GetBrush()->SetStyle(bsClear);
  TSize ext = c->TextExtent(u"Motor");
  c->TextOut(4, 4, u"Motor");
  int right = -1;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x)
      if (PixelOf(b, x, y) != clWhite) right = std::max(right, x);
  EXPECT_GT(right, 4 + ext.cx * 3 / 4);
  EXPECT_LE(right, 4 + ext.cx);
  EXPECT_EQ(c->TextHeight(u"Motor"), ext.cy);
}

TEST(VclGraphicsObjects, ChangesNotifyOnlyOnRealChanges) {
  int n = 0;
  TPen pen;
  pen.OnChange = [&](TObject*) { ++n; };
  pen.SetColor(clBlack);  // unchanged
  pen.SetColor(clRed);
  pen.SetWidth(3);
  pen.SetMode(pmXor);
  EXPECT_EQ(n, 3);
  TPen copy;
  copy.Assign(&pen);
  EXPECT_EQ(copy.GetWidth(), 3);
  EXPECT_EQ(copy.GetMode(), pmXor);
  TBrush brush;
  brush.SetStyle(bsClear);
  brush.SetColor(clWhite);  // a colour makes the brush solid again
  EXPECT_EQ(brush.GetStyle(), bsSolid);
  TFont font;
  font.SetSize(8);
  EXPECT_EQ(font.GetHeight(), -11);
  EXPECT_EQ(font.GetSize(), 8);
  font.SetHeight(-16);
  EXPECT_EQ(font.GetSize(), 12);
  EXPECT_THROW(font.Assign(&pen), EConvertError);
}

TEST(VclBitmap, SizeFormatAndScanLines) {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(5, 3);
  EXPECT_EQ(b.GetScanLine(1) - b.GetScanLine(0), 16);  // 15 bytes padded to four
  b.GetCanvas()->SetPixels(4, 2, clRed);
  b.SetPixelFormat(pf32bit);
  EXPECT_EQ(b.GetScanLine(1) - b.GetScanLine(0), 20);
  EXPECT_EQ(PixelOf(b, 4, 2), clRed);
  EXPECT_EQ(b.GetScanLine(2)[4 * 4 + 3], 255);  // drawn pixels are opaque
  b.SetSize(8, 8);                              // keeps what both sizes share
  EXPECT_EQ(PixelOf(b, 4, 2), clRed);
  EXPECT_EQ(PixelOf(b, 7, 7), clWhite);
  EXPECT_THROW(b.GetScanLine(8), EInvalidGraphicOperation);
  EXPECT_THROW(b.GetScanLine(-1), EInvalidGraphicOperation);
  EXPECT_THROW(b.SetPixelFormat(pf16bit), EInvalidGraphicOperation);
  b.SetSize(0, 0);
  EXPECT_TRUE(b.GetEmpty());
  EXPECT_NO_THROW(b.GetCanvas()->Rectangle(0, 0, 4, 4));  // draws nowhere
}

TEST(VclBitmap, StreamsRoundTripAsBmp) {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(7, 5);
  b.GetCanvas()->SetPixels(0, 0, clRed);
  b.GetCanvas()->SetPixels(6, 4, TColor(gdi::RGB(12, 34, 56)));
  TMemoryStream s;
  b.SaveToStream(s);
  const uint8_t* bytes = static_cast<const uint8_t*>(s.Memory());
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  s.SetPosition(0);
  TBitmap r;
  r.LoadFromStream(s);
  ASSERT_EQ(r.GetWidth(), 7);
  ASSERT_EQ(r.GetHeight(), 5);
  EXPECT_EQ(PixelOf(r, 0, 0), clRed);
  EXPECT_EQ(PixelOf(r, 6, 4), TColor(gdi::RGB(12, 34, 56)));
  EXPECT_EQ(PixelOf(r, 3, 3), clWhite);
}

TEST(VclBitmap, LoadsPngWithAlphaAndJpegOpaque) {
  // 16 x 8: opaque red on the left, half-transparent blue on the right
  // (premultiplied B, G, R, A).
  std::vector<uint8_t> bgra;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) {
      const uint8_t red[4] = {0, 0, 255, 255}, blue[4] = {128, 0, 0, 128};
      bgra.insert(bgra.end(), x < 8 ? red : blue, (x < 8 ? red : blue) + 4);
    }
  struct Case {
    const char16_t* Mime;
    TPixelFormat Format;
    int Tolerance;
  };
  const Case cases[] = {{u"image/png", pf32bit, 1}, {u"image/jpeg", pf24bit, 12}};
  for (const Case& k : cases) {
    std::vector<uint8_t> file = EncodeGraphic(bgra, 16, 8, k.Mime);
    TMemoryStream s;
    s.WriteBuffer(file.data(), int32_t(file.size()));
    s.SetPosition(0);
    TBitmap b;
    b.LoadFromStream(s);
    ASSERT_EQ(b.GetWidth(), 16);
    EXPECT_EQ(b.GetPixelFormat(), k.Format);
    EXPECT_NEAR(b.GetScanLine(3)[2 * (b.BitsPerPixel() / 8) + 2], 255, k.Tolerance);  // red
    if (k.Format == pf32bit) {
      EXPECT_EQ(b.GetScanLine(3)[12 * 4 + 3], 128);  // the alpha is kept
    }
  }
}

TEST(VclBitmap, BadDataIsRefusedAndLosesNothing) {
  TBitmap b;
  b.SetSize(3, 3);
  TMemoryStream s;
  s.WriteBuffer("not a picture", 13);
  s.SetPosition(0);
  EXPECT_THROW(b.LoadFromStream(s), EInvalidGraphic);
  EXPECT_EQ(b.GetWidth(), 3);
  TMemoryStream empty;
  EXPECT_THROW(b.LoadFromStream(empty), EInvalidGraphic);
}

TEST(VclBitmap, DrawStretchedCopiedAndTransparent) {
  TBitmap src;
  src.SetSize(2, 2);
  src.GetCanvas()->SetPixels(0, 0, clRed);
  src.GetCanvas()->SetPixels(1, 1, clBlue);
  src.GetCanvas()->SetPixels(0, 1, clLime);  // bottom left: the automatic transparent colour
  TBitmap dst;
  dst.SetSize(20, 20);
  TCanvas* c = dst.GetCanvas();
  c->StretchDraw(Rect(0, 0, 10, 10), &src);
  EXPECT_EQ(c->GetPixels(2, 2), clRed);
  EXPECT_EQ(c->GetPixels(7, 7), clBlue);
  EXPECT_EQ(c->GetPixels(2, 7), clLime);
  src.SetTransparent(true);
  EXPECT_EQ(src.GetTransparentColor(), clLime);
  c->Draw(10, 10, &src);
  EXPECT_EQ(c->GetPixels(10, 10), clRed);
  EXPECT_EQ(c->GetPixels(10, 11), clWhite);  // the lime pixel is left out
  c->CopyRect(Rect(18, 0, 20, 2), src.GetCanvas(), Rect(0, 0, 2, 2));
  EXPECT_EQ(c->GetPixels(18, 0), clRed);
  TBitmap copy;
  copy.Assign(&src);
  EXPECT_TRUE(copy.GetTransparent());
  src.GetCanvas()->SetPixels(0, 0, clBlack);
  EXPECT_EQ(PixelOf(copy, 0, 0), clRed);  // a copy, not shared pixels
}

TEST(VclIcon, RoundTripAndBlendedDrawing) {
  TIcon icon;
  icon.SetSize(4, 4);
  uint8_t* row = icon.GetPixels()->GetScanLine(0);
  std::fill(row, row + 16, 0);         // the top row fully transparent
  uint8_t half[4] = {0, 0, 128, 128};  // half-opaque red, premultiplied
  std::copy(half, half + 4, icon.GetPixels()->GetScanLine(1));
  TMemoryStream s;
  icon.SaveToStream(s);
  s.SetPosition(0);
  TIcon back;
  back.LoadFromStream(s);
  ASSERT_EQ(back.GetWidth(), 4);
  EXPECT_EQ(back.GetPixels()->GetScanLine(0)[3], 0);
  EXPECT_NEAR(back.GetPixels()->GetScanLine(1)[3], 128, 1);
  EXPECT_NEAR(back.GetPixels()->GetScanLine(1)[2], 128, 2);

  TBitmap dst;
  dst.SetSize(4, 4);
  dst.GetCanvas()->Draw(0, 0, &back);
  EXPECT_EQ(dst.GetCanvas()->GetPixels(0, 0), clWhite);
  TColor mixed = dst.GetCanvas()->GetPixels(0, 1);
  EXPECT_NEAR(mixed & 0xFF, 255, 2);
  EXPECT_NEAR((mixed >> 8) & 0xFF, 127, 2);
}

TEST(VclPicture, HoldsCopiesAndLoadsByExtension) {
  TBitmap b;
  b.SetSize(3, 2);
  TPicture p;
  int changes = 0;
  p.OnChange = [&](TObject*) { ++changes; };
  p.Assign(&b);
  EXPECT_EQ(p.GetWidth(), 3);
  EXPECT_NE(p.GetGraphic(), &b);
  EXPECT_GE(changes, 1);
  TPicture q;
  q.Assign(&p);
  EXPECT_EQ(q.GetHeight(), 2);
  EXPECT_NE(q.GetGraphic(), p.GetGraphic());

  std::string dir = std::filesystem::temp_directory_path() / "vcl_picture_test";
  std::filesystem::create_directories(dir);
  TIcon icon;
  icon.SetSize(2, 2);
  icon.SaveToFile(dir + "/a.ico");
  p.LoadFromFile(dir + "/a.ico");
  EXPECT_NE(dynamic_cast<TIcon*>(p.GetGraphic()), nullptr);
  EXPECT_THROW(p.LoadFromFile(dir + "/missing.bmp"), Exception);
  EXPECT_NE(dynamic_cast<TIcon*>(p.GetGraphic()), nullptr);  // kept
  p.GetBitmap();  // asks for a bitmap: the icon gives way
  EXPECT_NE(dynamic_cast<TBitmap*>(p.GetGraphic()), nullptr);
  p.Assign(nullptr);
  EXPECT_EQ(p.GetGraphic(), nullptr);
  std::filesystem::remove_all(dir);
}

}  // namespace
