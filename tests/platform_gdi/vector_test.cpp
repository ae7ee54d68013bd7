// Device contexts over Cairo surfaces: what reaches the surface matches the
// raster rules pixel for pixel, text arrives as glyphs, pages follow pages.

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
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

bool Close(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= tolerance &&
         std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= tolerance &&
         std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= tolerance;
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
  // Outlines meet the pixel grid smoothed along their edges; away from an
  // edge (a pixel whose neighbours share its raster colour) they match.
  int differing = 0, painted = 0, inner = 0;
  for (int y = 1; y < 59; ++y)
    for (int x = 1; x < 79; ++x) {
      painted += raster.Painted(x, y);
      bool uniform = true;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          uniform = uniform && raster.At(x + dx, y + dy) == raster.At(x, y);
      if (!uniform) continue;
      ++inner;
      differing += !Close(PixelOf(image, x, y), raster.At(x, y), 8);
    }
  EXPECT_GT(painted, 500);
  EXPECT_GT(inner, 2000);
  EXPECT_EQ(differing, 0);
  cairo_surface_destroy(image);
  // Four times enlarged for the gallery: outlines stay smooth, pixel pieces show their pixels.
  image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 320, 240);
  cr = cairo_create(image);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_scale(cr, 4, 4);
  cairo_set_source_surface(cr, recording, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_destroy(cr);
  const std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  cairo_surface_write_to_png(image, (dir / "vector_dc_scene_x4.png").c_str());
  cairo_surface_destroy(image);
  cairo_surface_destroy(recording);
}

// Straight one-pixel outlines cover exactly the pixels the pixel walk sets:
// the first pixel whole, the last one left out, dots on the same cells.
TEST(VectorDC, AxisAlignedOutlinesMatchThePixelWalk) {
  auto draw = [](HDC dc) {
    MoveToEx(dc, 10, 10, nullptr);
    LineTo(dc, 50, 10);
    LineTo(dc, 50, 40);
    HPEN dot = CreatePen(PS_DOT, 1, kBlue);
    HGDIOBJ old = SelectObject(dc, dot);
    MoveToEx(dc, 70, 45, nullptr);
    LineTo(dc, 20, 45);
    SelectObject(dc, old);
    DeleteObject(dot);
    HBRUSH red = CreateSolidBrush(kRed);
    old = SelectObject(dc, red);
    Rectangle(dc, 55, 5, 75, 30);
    SelectObject(dc, old);
    DeleteObject(red);
  };
  Canvas raster(80, 50);
  draw(raster.Dc);
  cairo_rectangle_t extents{0, 0, 80, 50};
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
  HDC dc = CreateVectorDC(recording, 80, 50, 96, 1.0);
  draw(dc);
  DeleteDC(dc);
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 80, 50);
  cairo_t* cr = cairo_create(image);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_source_surface(cr, recording, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(image);
  int differing = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 80; ++x) {
      bool same = Close(PixelOf(image, x, y), raster.At(x, y), 2);
      differing += !same;
      EXPECT_TRUE(same) << x << "," << y;
      if (differing > 5) break;
    }
  EXPECT_EQ(differing, 0);
  EXPECT_TRUE(raster.Painted(10, 10));
  EXPECT_FALSE(raster.Painted(50, 40));  // the walk leaves out its last pixel
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

cairo_status_t AppendTo(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// What one drawing leaves in an SVG document.
std::string SvgOf(const std::function<void(HDC)>& draw) {
  std::string svg;
  cairo_surface_t* surface = cairo_svg_surface_create_for_stream(AppendTo, &svg, 100, 80);
  HDC dc = CreateVectorDC(surface, 100, 80, 96, 1.0);
  draw(dc);
  DeleteDC(dc);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  return svg;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

void WithPen(HDC dc, HPEN pen, HBRUSH brush, const std::function<void()>& draw) {
  HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
  draw();
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

// Every figure with a plain copy mix reaches the surface as an outline; what
// reads the page's pixels (other mixes, blocks) stays a piece of pixels.
TEST(VectorDC, FiguresReachSvgAsOutlines) {
  const POINT zigzag[4] = {{5, 5}, {30, 40}, {55, 5}, {80, 40}};
  struct Case {
    const char* Name;
    std::function<void(HDC)> Draw;
    bool Pixels;
  } cases[] = {
      {"line", [](HDC dc) { MoveToEx(dc, 5, 5, nullptr), LineTo(dc, 90, 70); }, false},
      {"dashed polyline",
       [&](HDC dc) {
         WithPen(dc, CreatePen(PS_DASH, 1, kBlue), CreateSolidBrush(kRed),
                 [&] { Polyline(dc, zigzag, 4); });
       },
       false},
      {"wide polygon",
       [&](HDC dc) {
         WithPen(dc, CreatePen(PS_SOLID, 4, kBlue), CreateSolidBrush(kRed),
                 [&] { Polygon(dc, zigzag, 4); });
       },
       false},
      {"rectangle", [](HDC dc) { Rectangle(dc, 10, 10, 60, 50); }, false},
      {"ellipse", [](HDC dc) { Ellipse(dc, 10, 10, 90, 70); }, false},
      {"pie", [](HDC dc) { Pie(dc, 10, 10, 90, 70, 90, 40, 50, 10); }, false},
      {"arc", [](HDC dc) { Arc(dc, 10, 10, 90, 70, 90, 40, 50, 10); }, false},
      {"hatched round rectangle",
       [](HDC dc) {
         WithPen(dc, CreatePen(PS_NULL, 1, 0), CreateHatchBrush(HS_CROSS, kBlue),
                 [&] { RoundRect(dc, 10, 10, 90, 70, 20, 20); });
       },
       false},
      {"filled path",
       [&](HDC dc) {
         BeginPath(dc);
         Polyline(dc, zigzag, 4);
         CloseFigure(dc);
         EndPath(dc);
         StrokeAndFillPath(dc);
       },
       false},
      {"brush fill",
       [](HDC dc) {
         RECT r{0, 0, 40, 30};
         FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
       },
       false},
      {"xor line",
       [](HDC dc) {
         SetROP2(dc, R2_XORPEN);
         MoveToEx(dc, 5, 5, nullptr), LineTo(dc, 90, 70);
       },
       true},
      {"block", [](HDC dc) { PatBlt(dc, 10, 10, 30, 20, DSTINVERT); }, true},
  };
  for (const Case& c : cases) {
    const std::string svg = SvgOf(c.Draw);
    EXPECT_EQ(Count(svg, "<image") > 0, c.Pixels) << c.Name << "\n" << svg;
    if (!c.Pixels) {
      EXPECT_GE(Count(svg, "<path"), 1) << c.Name;
    }
  }
}

// Text and shapes under a clip region of two rectangles show only inside
// them, not in the box around both.
TEST(VectorDC, ClipRegionIsFollowedExactly) {
  cairo_rectangle_t extents{0, 0, 120, 60};
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
  HDC dc = CreateVectorDC(recording, 120, 60, 96, 1.0);
  HRGN left = CreateRectRgn(0, 0, 40, 60), right = CreateRectRgn(80, 0, 120, 30);
  CombineRgn(left, left, right, RGN_OR);
  SelectClipRgn(dc, left);
  DeleteObject(left);
  DeleteObject(right);
  LOGFONTW lf;
  lf.lfHeight = -40;
  lf.lfWeight = FW_BOLD;
  const char16_t face[] = u"Arial";
  std::copy(std::begin(face), std::end(face), lf.lfFaceName);
  HGDIOBJ oldFont = SelectObject(dc, CreateFontIndirectW(&lf));
  SetBkMode(dc, TRANSPARENT);
  const std::u16string text = u"WWWWWWWW";
  TextOutW(dc, 0, 0, reinterpret_cast<const WCHAR*>(text.data()), int(text.size()));
  HBRUSH red = CreateSolidBrush(kRed);
  SelectObject(dc, red);
  Ellipse(dc, 0, 30, 120, 60);
  DeleteObject(SelectObject(dc, oldFont));
  DeleteDC(dc);
  DeleteObject(red);

  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 120, 60);
  cairo_t* cr = cairo_create(image);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_source_surface(cr, recording, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(image);
  int inLeft = 0, inRight = 0, outside = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x) {
      bool ink = PixelOf(image, x, y) != kWhite;
      if (x < 40)
        inLeft += ink;
      else if (x >= 80 && y < 30)
        inRight += ink;
      else
        outside += ink;
    }
  EXPECT_GT(inLeft, 300);
  EXPECT_GT(inRight, 100);
  EXPECT_EQ(outside, 0);
  const std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  cairo_surface_write_to_png(image, (dir / "vector_dc_clip_region.png").c_str());
  cairo_surface_destroy(image);
  cairo_surface_destroy(recording);
}

}  // namespace
