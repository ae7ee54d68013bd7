// Device contexts over a Cairo surface: the DC's own bitmap holds the pixels
// every raster rule reads, and each change is handed on to the surface.

#include <algorithm>

#include "platform/gdi/GdiInternal.h"

namespace gdi {
namespace detail {

std::shared_ptr<Bitmap> NewBitmap(int width, int height, int bpp);

VectorTarget::~VectorTarget() {
  if (Cr) cairo_destroy(Cr);
}

void Forward(DC& dc, int x, int y, int w, int h, const Mask* mask) {
  if (!dc.Vector || dc.Vector->Held) return;
  Bitmap& b = *dc.S.CurBitmap;
  int x0 = std::max(0, x), y0 = std::max(0, y);
  int x1 = std::min(b.Width, x + w), y1 = std::min(b.Height, y + h);
  if (x0 >= x1 || y0 >= y1) return;
  int bw = x1 - x0, bh = y1 - y0;
  cairo_surface_t* pixels = cairo_image_surface_create(CAIRO_FORMAT_RGB24, bw, bh);
  cairo_surface_t* cover = cairo_image_surface_create(CAIRO_FORMAT_A8, bw, bh);
  cairo_surface_flush(pixels);
  cairo_surface_flush(cover);
  uint8_t* pd = cairo_image_surface_get_data(pixels);
  uint8_t* cd = cairo_image_surface_get_data(cover);
  int ps = cairo_image_surface_get_stride(pixels), cs = cairo_image_surface_get_stride(cover);
  bool any = false;
  for (int yy = y0; yy < y1; ++yy)
    for (int xx = x0; xx < x1; ++xx) {
      // The bitmap already holds the mixed result, so a touched pixel is
      // handed on whole.
      bool on = (!mask || mask->At(xx, yy)) && InClip(dc, xx, yy);
      cd[size_t(yy - y0) * cs + size_t(xx - x0)] = on ? 255 : 0;
      auto* p = reinterpret_cast<uint32_t*>(pd + size_t(yy - y0) * ps) + (xx - x0);
      *p = ReadRGB(b, xx, yy);
      any = any || on;
    }
  cairo_surface_mark_dirty(pixels);
  cairo_surface_mark_dirty(cover);
  if (any) {
    cairo_t* cr = dc.Vector->Cr;
    cairo_save(cr);
    cairo_set_source_surface(cr, pixels, x0, y0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_mask_surface(cr, cover, x0, y0);
    cairo_restore(cr);
  }
  cairo_surface_destroy(pixels);
  cairo_surface_destroy(cover);
}

}  // namespace detail

using namespace detail;

HDC CreateVectorDC(cairo_surface_t* target, int width, int height, int dpi, double scale) {
  if (!target || width < 1 || height < 1 || dpi < 1 || scale <= 0) return nullptr;
  HDC h = CreateCompatibleDC(nullptr);
  auto dc = DCOf(h);
  auto page = NewBitmap(width, height, 32);
  std::fill(page->Bits.begin(), page->Bits.end(), 0xFF);  // a blank page is white
  dc->S.CurBitmap = page;
  dc->Vector = std::make_unique<VectorTarget>();
  dc->Vector->Cr = cairo_create(target);
  dc->Vector->Dpi = dpi;
  cairo_scale(dc->Vector->Cr, scale, scale);
  return h;
}

BOOL VectorNewPage(HDC h) {
  auto dc = DCOf(h);
  if (!dc || !dc->Vector) return FALSE;
  cairo_show_page(dc->Vector->Cr);
  std::fill(dc->S.CurBitmap->Bits.begin(), dc->S.CurBitmap->Bits.end(), 0xFF);
  return TRUE;
}

}  // namespace gdi
