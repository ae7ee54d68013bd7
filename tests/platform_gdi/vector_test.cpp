// Device contexts over Cairo surfaces: what reaches the surface matches the
// raster rules pixel for pixel, text arrives as glyphs, pages follow pages.

#include <cairo-pdf.h>
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "dc_fixture.h"
#include "tests/support/RunCommand.h"

namespace {

using namespace gdi_test;

// Shapes under a clip, a hatch, an XOR pen and a block copy.
void DrawScene(HDC dc, HDC source) {
  IntersectClipRect(dc, 5, 5, 75, 55);
  HBRUSH red = CreateSolidBrush(kRed);
  HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, kBlue);
  HPEN thick = CreatePen(PS_SOLID, 3, RGB(0, 128, 0));
  HGDIOBJ oldBrush = SelectObject(dc, red);
  HGDIOBJ oldPen = SelectObject(dc, thick);
  Ellipse(dc, 0, 0, 50, 40);
  SelectObject(dc, hatch);
  SetBkMode(dc, TRANSPARENT);
  RoundRect(dc, 30, 20, 79, 59, 12, 12);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SetROP2(dc, R2_XORPEN);
  MoveToEx(dc, 0, 30, nullptr);
  LineTo(dc, 80, 30);
  SetROP2(dc, R2_COPYPEN);
  BitBlt(dc, 60, 8, 10, 10, source, 0, 0, SRCINVERT);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(red);
  DeleteObject(hatch);
  DeleteObject(thick);
}

COLORREF PixelOf(cairo_surface_t* image, int x, int y) {
  const auto* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
  uint32_t p = reinterpret_cast<const uint32_t*>(row)[x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

TEST(VectorDC, RecordingMatchesTheRasterPixels) {
  Canvas source(10, 10);
  source.Clear(RGB(255, 255, 0));
  Canvas raster(80, 60);
  DrawScene(raster.Dc, source.Dc);

  cairo_rectangle_t extents{0, 0, 80, 60};
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
  HDC dc = CreateVectorDC(recording, 80, 60, 96, 1.0);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 80);
  DrawScene(dc, source.Dc);
  DeleteDC(dc);

  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 80, 60);
  cairo_t* cr = cairo_create(image);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_source_surface(cr, recording, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(image);
  int differing = 0, painted = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x) {
      differing += PixelOf(image, x, y) != raster.At(x, y);
      painted += raster.Painted(x, y);
    }
  EXPECT_GT(painted, 500);
  EXPECT_EQ(differing, 0);
  cairo_surface_destroy(image);
  cairo_surface_destroy(recording);
}

TEST(VectorDC, BadArgumentsAndBitmapsAreRefused) {
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  EXPECT_EQ(CreateVectorDC(nullptr, 10, 10, 96, 1), nullptr);
  EXPECT_EQ(CreateVectorDC(recording, 0, 10, 96, 1), nullptr);
  EXPECT_EQ(CreateVectorDC(recording, 10, 10, 0, 1), nullptr);
  HDC dc = CreateVectorDC(recording, 10, 10, 300, 1);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 300);
  HBITMAP other = CreateCompatibleBitmap(dc, 4, 4);
  EXPECT_EQ(SelectObject(dc, other), nullptr);  // the page stays selected
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 10);
  DeleteObject(other);
  HDC raster = CreateCompatibleDC(nullptr);
  EXPECT_FALSE(VectorNewPage(raster));
  DeleteDC(raster);
  DeleteDC(dc);
  cairo_surface_destroy(recording);
}

TEST(VectorDC, PdfPagesHoldTheirText) {
  const std::string file = std::string(::testing::TempDir()) + "vector_dc.pdf";
  cairo_surface_t* pdf = cairo_pdf_surface_create(file.c_str(), 200 * 0.75, 100 * 0.75);
  HDC dc = CreateVectorDC(pdf, 200, 100, 96, 0.75);
  const std::u16string first = u"First page", second = u"Zweite Seite";
  TextOutW(dc, 10, 10, reinterpret_cast<const WCHAR*>(first.data()), int(first.size()));
  EXPECT_TRUE(VectorNewPage(dc));
  EXPECT_EQ(GetPixel(dc, 12, 14), kWhite);  // the new page starts blank
  TextOutW(dc, 10, 10, reinterpret_cast<const WCHAR*>(second.data()), int(second.size()));
  DeleteDC(dc);
  cairo_surface_finish(pdf);
  ASSERT_EQ(cairo_surface_status(pdf), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(pdf);

  TRun info = RunCommand("pdfinfo '" + file + "'");
  ASSERT_EQ(info.Status, 0) << info.Output;
  EXPECT_NE(info.Output.find("Pages:           2\n"), std::string::npos) << info.Output;
  TRun page1 = RunCommand("pdftotext -f 1 -l 1 '" + file + "' -");
  TRun page2 = RunCommand("pdftotext -f 2 -l 2 '" + file + "' -");
  EXPECT_NE(page1.Output.find("First page"), std::string::npos) << page1.Output;
  EXPECT_NE(page2.Output.find("Zweite Seite"), std::string::npos) << page2.Output;
  std::remove(file.c_str());
}

}  // namespace
