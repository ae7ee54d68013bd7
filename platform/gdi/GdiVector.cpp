// Device contexts over a Cairo surface: the DC's own bitmap holds the pixels
// every raster rule reads, and each change is handed on to the surface.

#include <algorithm>
#include <map>
#include <utility>

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

std::vector<RECT> MaskRects(const Mask& m) {
  // Runs of covered pixels row by row; a run that repeats the row above
  // grows that rectangle downwards.
  std::vector<RECT> rects;
  std::map<std::pair<int, int>, size_t> open;
  for (int y = 0; y < m.H; ++y) {
    std::map<std::pair<int, int>, size_t> row;
    for (int x = 0; x < m.W;) {
      if (!m.A[size_t(y) * size_t(m.W) + size_t(x)]) {
        ++x;
        continue;
      }
      int x0 = x;
      while (x < m.W && m.A[size_t(y) * size_t(m.W) + size_t(x)]) ++x;
      auto run = std::make_pair(x0, x);
      auto above = open.find(run);
      if (above != open.end()) {
        rects[above->second].bottom = m.Y + y + 1;
        row[run] = above->second;
      } else {
        rects.push_back(RECT{m.X + x0, m.Y + y, m.X + x, m.Y + y + 1});
        row[run] = rects.size() - 1;
      }
    }
    open = std::move(row);
  }
  return rects;
}

namespace {

void AddRects(cairo_t* cr, const std::vector<RECT>& rects) {
  for (const RECT& r : rects)
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void SetColor(cairo_t* cr, COLORREF c) {
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

// A hatched brush as a repeating 8 x 8 cell of one-pixel squares, laid from
// the brush origin; the background fills the cell when the mode is opaque.
void SetHatch(const DC& dc, cairo_t* cr, const Source& s) {
  cairo_rectangle_t cell{0, 0, 8, 8};
  cairo_surface_t* tile = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &cell);
  cairo_t* t = cairo_create(tile);
  if (dc.S.BkMode == OPAQUE) {
    SetColor(t, dc.S.BkColor);
    cairo_paint(t);
  }
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (HatchBit(s.Hatch, x, y)) cairo_rectangle(t, x, y, 1, 1);
  SetColor(t, s.Color);
  cairo_fill(t);
  cairo_destroy(t);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_matrix_t m;
  cairo_matrix_init_translate(&m, -dc.S.BrushOrg.x, -dc.S.BrushOrg.y);
  cairo_pattern_set_matrix(pattern, &m);
  cairo_set_source(cr, pattern);
  cairo_pattern_destroy(pattern);
  cairo_surface_destroy(tile);
}

// Keeps the surface from getting the pixels Paint changes.
struct Hold {
  explicit Hold(VectorTarget& v) : V(v), Was(v.Held) { V.Held = true; }
  ~Hold() { V.Held = Was; }
  VectorTarget& V;
  bool Was;
};

}  // namespace

void ClipToDC(const DC& dc, cairo_t* cr) {
  const Bitmap& b = *dc.S.CurBitmap;
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 0, b.Width, b.Height);
  cairo_clip(cr);
  if (!dc.S.HasClip) return;
  if (!dc.S.ClipRects)
    dc.S.ClipRects = std::make_shared<const std::vector<RECT>>(MaskRects(dc.S.Clip));
  AddRects(cr, *dc.S.ClipRects);
  cairo_clip(cr);  // no rectangles: nothing is drawn
}

void PaintOutline(DC& dc, const Mask& mask, const Source& src, const Outline& o) {
  // Other mixes read the page's pixels, which the surface does not have.
  if (!dc.Vector || dc.Vector->Held || src.None || dc.S.Rop2 != R2_COPYPEN) {
    Paint(dc, mask, src);
    return;
  }
  {
    Hold hold(*dc.Vector);
    Paint(dc, mask, src);
  }
  cairo_t* cr = dc.Vector->Cr;
  cairo_save(cr);
  ClipToDC(dc, cr);
  if (src.Hatch >= 0)
    SetHatch(dc, cr, src);
  else
    SetColor(cr, src.Color);
  if (o.Stroke) {
    cairo_translate(cr, 0.5, 0.5);  // outlines run through pixel centres
    EmitPath(cr, o.Cosmetic ? CosmeticOutline(*o.P) : *o.P);
    SetStrokeStyle(cr, dc, *o.Stroke, o.Cosmetic);
    cairo_stroke(cr);
  } else if (o.P) {
    EmitPath(cr, *o.P);
    cairo_set_fill_rule(cr,
                        o.FillRule == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
  } else if (o.Area) {
    AddRects(cr, MaskRects(*o.Area));
    cairo_fill(cr);
  }
  cairo_restore(cr);
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
