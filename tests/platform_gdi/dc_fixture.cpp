#include "tests/platform_gdi/dc_fixture.h"

#include <cairo.h>

#include <filesystem>

namespace gdi_test {

Canvas::Canvas(int w, int h) : W(w), H(h) {
  Dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biBitCount = 32;
  Bmp = CreateDIBSection(Dc, &bi, DIB_RGB_COLORS, &Bits, nullptr, 0);
  SelectObject(Dc, Bmp);
  Clear();
}

Canvas::~Canvas() {
  DeleteDC(Dc);
  for (HGDIOBJ o : Owned) DeleteObject(o);
  DeleteObject(Bmp);
}

void Canvas::Select(HGDIOBJ o) {
  SelectObject(Dc, o);
  Owned.push_back(o);
}

void Canvas::Clear(COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  RECT r{0, 0, W, H};
  FillRect(Dc, &r, b);
  DeleteObject(b);
}

COLORREF Canvas::At(int x, int y) const {
  const uint8_t* p = static_cast<const uint8_t*>(Bits) + (size_t(y) * size_t(W) + size_t(x)) * 4;
  return RGB(p[2], p[1], p[0]);
}

bool Canvas::Near(int x, int y) const {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (x + dx >= 0 && y + dy >= 0 && x + dx < W && y + dy < H && Painted(x + dx, y + dy))
        return true;
  return false;
}

Ink Canvas::InkBox() const {
  Ink ink;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (Painted(x, y)) {
        ink.Left = std::min(ink.Left, x), ink.Right = std::max(ink.Right, x);
        ink.Top = std::min(ink.Top, y), ink.Bottom = std::max(ink.Bottom, y);
      }
  return ink;
}

int Canvas::Count() const {
  int n = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) n += Painted(x, y);
  return n;
}

void Canvas::SavePng(const std::string& name) const {
  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  cairo_surface_t* s = cairo_image_surface_create_for_data(static_cast<unsigned char*>(Bits),
                                                           CAIRO_FORMAT_ARGB32, W, H, W * 4);
  cairo_surface_write_to_png(s, (dir / (name + ".png")).c_str());
  cairo_surface_destroy(s);
}

}  // namespace gdi_test
