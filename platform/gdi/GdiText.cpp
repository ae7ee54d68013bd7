// Fonts and text: LOGFONT through Pango, alignment, rotation, extents.

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gdi/GdiInternal.h"
#include "platform/gdiplus/GdiPlusFont.h"
#include "platform/rtl/SysUtils.h"

namespace gdi {

using namespace detail;

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string FaceName(const LOGFONTW& lf) {
  std::u16string name;
  for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i) name += lf.lfFaceName[i];
  return UTF16ToUTF8(name);
}

PangoFontDescription* Describe(const LOGFONTW& lf, double emPixels) {
  int style = (lf.lfWeight >= 600 ? Gdiplus::FontStyleBold : 0) |
              (lf.lfItalic ? Gdiplus::FontStyleItalic : 0);
  Gdiplus::FontFamily family(FaceName(lf));
  return Gdiplus::CreateFontDescription(family, style, emPixels);
}

struct Metrics {
  double Ascent = 0, Descent = 0;
};

Metrics MetricsOf(PangoFontDescription* d) {
  PangoContext* ctx = pango_font_map_create_context(pango_cairo_font_map_get_default());
  PangoFontMetrics* m = pango_context_get_metrics(ctx, d, nullptr);
  Metrics r{double(pango_font_metrics_get_ascent(m)) / PANGO_SCALE,
            double(pango_font_metrics_get_descent(m)) / PANGO_SCALE};
  pango_font_metrics_unref(m);
  g_object_unref(ctx);
  return r;
}

// The em size in device pixels: a negative height is the em, a positive
// one the cell (ascent and descent), 0 the default.
double EmPixels(const DC& dc, const LOGFONTW& lf) {
  double scale = std::fabs(dc.ScaleY());
  if (lf.lfHeight < 0) return -lf.lfHeight * scale;
  if (lf.lfHeight == 0) return 12 * scale;
  PangoFontDescription* d = Describe(lf, 100);
  Metrics m = MetricsOf(d);
  pango_font_description_free(d);
  double cell = m.Ascent + m.Descent;
  return cell > 0 ? lf.lfHeight * scale * 100 / cell : lf.lfHeight * scale;
}

// What a font costs to set up once: its Pango description (the family
// looked up), its metrics and a layout kept for measuring. Entries are kept
// per thread, since Pango's default font map is per thread, and keyed by
// the whole logical font and the device scale, so selecting another font
// finds (or makes) another entry and a changed font is never measured with
// a stale one.
struct FontEntry {
  LOGFONTW Log{};
  double ScaleY = 0;
  PangoFontDescription* Description = nullptr;
  double Ascent = 0, Height = 0;
  cairo_surface_t* Canvas = nullptr;
  cairo_t* Cr = nullptr;
  PangoLayout* Measure = nullptr;
  // The letter spacing the measuring layout's attributes were made for, in
  // device pixels (NaN before the first measurement).
  double MeasureSpacing = std::nan("");
  FontEntry() = default;
  FontEntry(const FontEntry&) = delete;
  FontEntry& operator=(const FontEntry&) = delete;
  ~FontEntry() {
    if (Measure) g_object_unref(Measure);
    if (Cr) cairo_destroy(Cr);
    if (Canvas) cairo_surface_destroy(Canvas);
    if (Description) pango_font_description_free(Description);
  }
};

// The font options every text layout uses: unhinted metrics, and no
// antialiasing for non-antialiased fonts.
void SetFontOptions(PangoLayout* layout, const LOGFONTW& lf) {
  cairo_font_options_t* fo = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(
      fo, lf.lfQuality == NONANTIALIASED_QUALITY ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), fo);
  pango_layout_context_changed(layout);
  cairo_font_options_destroy(fo);
}

std::unique_ptr<FontEntry> MakeFontEntry(const DC& dc, const LOGFONTW& lf) {
  auto e = std::make_unique<FontEntry>();
  e->Log = lf;
  e->ScaleY = dc.ScaleY();
  e->Description = Describe(lf, EmPixels(dc, lf));
  Metrics m = MetricsOf(e->Description);
  e->Ascent = std::ceil(m.Ascent);
  e->Height = e->Ascent + std::ceil(m.Descent);
  e->Canvas = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  e->Cr = cairo_create(e->Canvas);
  e->Measure = pango_cairo_create_layout(e->Cr);
  SetFontOptions(e->Measure, lf);
  pango_layout_set_font_description(e->Measure, e->Description);
  return e;
}

// The entry of the DC's selected font; the most recently used entries are
// kept at the front, and the least recently used one goes beyond 16 fonts.
FontEntry& FontOf(const DC& dc) {
  constexpr size_t kKept = 16;
  thread_local std::vector<std::unique_ptr<FontEntry>> entries;
  const LOGFONTW& lf = dc.S.CurFont->Log;
  const double scaleY = dc.ScaleY();
  auto same = [&](const std::unique_ptr<FontEntry>& e) {
    return e->ScaleY == scaleY && std::memcmp(&e->Log, &lf, sizeof lf) == 0;
  };
  auto it = std::find_if(entries.begin(), entries.end(), same);
  if (it == entries.end()) {
    if (entries.size() >= kKept) entries.pop_back();
    entries.insert(entries.begin(), MakeFontEntry(dc, lf));
  } else if (it != entries.begin()) {
    std::rotate(entries.begin(), it, it + 1);
  }
  return *entries.front();
}

// Underline, strike-out and the extra space between characters.
void SetTextAttributes(PangoLayout* layout, const DC& dc) {
  const LOGFONTW& lf = dc.S.CurFont->Log;
  PangoAttrList* attrs = pango_attr_list_new();
  if (lf.lfUnderline)
    pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (lf.lfStrikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
  if (dc.S.CharExtra)
    pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(
                                      int(dc.S.CharExtra * std::fabs(dc.ScaleX()) * PANGO_SCALE)));
  pango_layout_set_attributes(layout, attrs);
  pango_attr_list_unref(attrs);
}

// The text's width in device pixels on a layout holding it.
double LayoutWidth(PangoLayout* layout, const DC& dc, bool empty) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  // The extra space follows every character, the last one included.
  return std::round(double(logical.width) / PANGO_SCALE +
                    (empty ? 0 : dc.S.CharExtra * std::fabs(dc.ScaleX())));
}

// A layout of the text in the DC's font, with its device metrics, for
// drawing (it is updated to the cairo context it is shown on).
struct Layout {
  Layout(const DC& dc, const std::u16string& text) {
    const LOGFONTW& lf = dc.S.CurFont->Log;
    FontEntry& font = FontOf(dc);
    Canvas = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    Cr = cairo_create(Canvas);
    L = pango_cairo_create_layout(Cr);
    SetFontOptions(L, lf);
    pango_layout_set_font_description(L, font.Description);
    Ascent = font.Ascent;
    Height = font.Height;
    std::string utf8 = UTF16ToUTF8(text);
    pango_layout_set_text(L, utf8.c_str(), int(utf8.size()));
    SetTextAttributes(L, dc);
    Width = LayoutWidth(L, dc, text.empty());
    Text = utf8;
  }
  ~Layout() {
    g_object_unref(L);
    cairo_destroy(Cr);
    cairo_surface_destroy(Canvas);
  }
  // The left edge of the character at the byte offset.
  double XOf(int byteIndex) const {
    PangoRectangle r;
    pango_layout_index_to_pos(L, byteIndex, &r);
    return double(r.x) / PANGO_SCALE;
  }
  cairo_surface_t* Canvas;
  cairo_t* Cr;
  PangoLayout* L;
  double Ascent = 0, Height = 0, Width = 0;
  std::string Text;
};

std::u16string TextOf(const WCHAR* text, int length) {
  if (!text || length <= 0) return std::u16string();
  return std::u16string(text, size_t(length));
}

// Where the text's top left lies relative to the reference point, in the
// text's own (unrotated) frame.
void AlignOffset(UINT align, const Layout& lay, double& ox, double& oy) {
  UINT h = align & TA_CENTER, v = align & TA_BASELINE;
  ox = h == TA_CENTER ? -lay.Width / 2 : h == TA_RIGHT ? -lay.Width : 0;
  oy = v == TA_BASELINE ? -lay.Ascent : v == TA_BOTTOM ? -lay.Height : 0;
}

}  // namespace

BOOL GetTextExtentPoint32W(HDC h, const WCHAR* text, int length, SIZE* size) {
  auto dc = DCOf(h);
  if (!dc || !size || length < 0) return FALSE;
  // Measuring reuses the font's kept layout: no family look-up, no new layout.
  FontEntry& font = FontOf(*dc);
  double width = 0;
  if (length) {
    std::string utf8 = UTF16ToUTF8(TextOf(text, length));
    pango_layout_set_text(font.Measure, utf8.c_str(), int(utf8.size()));
    // Underline and strike-out come with the font; only the extra space
    // between characters can change, so the attributes are made again
    // only then.
    const double spacing = dc->S.CharExtra * std::fabs(dc->ScaleX());
    if (!(spacing == font.MeasureSpacing)) {
      SetTextAttributes(font.Measure, *dc);
      font.MeasureSpacing = spacing;
    }
    width = LayoutWidth(font.Measure, *dc, false);
  }
  size->cx = LONG(std::lround(width / std::fabs(dc->ScaleX())));
  size->cy = LONG(std::lround(font.Height / std::fabs(dc->ScaleY())));
  return TRUE;
}

BOOL GetTextMetricsW(HDC h, TEXTMETRICW* tm) {
  auto dc = DCOf(h);
  if (!dc || !tm) return FALSE;
  Layout lay(*dc, u"x");
  double sy = std::fabs(dc->ScaleY());
  *tm = TEXTMETRICW{};
  tm->tmAscent = LONG(std::lround(lay.Ascent / sy));
  tm->tmHeight = LONG(std::lround(lay.Height / sy));
  tm->tmDescent = tm->tmHeight - tm->tmAscent;
  tm->tmAveCharWidth = LONG(std::lround(lay.Width / std::fabs(dc->ScaleX())));
  tm->tmMaxCharWidth = tm->tmAveCharWidth * 2;
  tm->tmWeight = dc->S.CurFont->Log.lfWeight;
  return TRUE;
}

int GetTextFaceW(HDC h, int count, WCHAR* name) {
  auto dc = DCOf(h);
  if (!dc) return 0;
  const LOGFONTW& lf = dc->S.CurFont->Log;
  int n = 0;
  while (n < LF_FACESIZE && lf.lfFaceName[n]) ++n;
  if (!name) return n + 1;
  int copied = std::min(n, count - 1);
  if (copied < 0) return 0;
  std::copy_n(lf.lfFaceName, copied, name);
  name[copied] = 0;
  return copied;
}

namespace {

// Inside a path bracket the text adds its glyph outlines to the path, in
// device pixels, placed and turned as drawing would place them.
void RecordTextPath(DC& dc, Layout& lay, double rx, double ry, double ox, double oy,
                    double baseline, double glyphs) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, rx, ry);
  cairo_rotate(cr, -baseline);
  auto outline = [&](PangoLayout* L) {
    pango_cairo_update_context(cr, pango_layout_get_context(L));
    pango_layout_context_changed(L);
    pango_cairo_layout_path(cr, L);
  };
  if (std::fabs(glyphs - baseline) < 1e-9) {
    cairo_move_to(cr, ox, oy);
    outline(lay.L);
  } else {
    const char* text8 = lay.Text.c_str();
    for (const char* p = text8; *p; p = g_utf8_next_char(p)) {
      const char* next = g_utf8_next_char(p);
      cairo_save(cr);
      cairo_translate(cr, ox + lay.XOf(int(p - text8)), oy + lay.Ascent);
      cairo_rotate(cr, baseline - glyphs);
      PangoLayout* one = pango_layout_copy(lay.L);
      pango_layout_set_text(one, p, int(next - p));
      cairo_move_to(cr, 0, -lay.Ascent);
      outline(one);
      g_object_unref(one);
      cairo_restore(cr);
    }
  }
  cairo_identity_matrix(cr);  // the copy in device pixels
  cairo_path_t* path = cairo_copy_path(cr);
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t* d = &path->data[i];
    switch (d->header.type) {
      case CAIRO_PATH_MOVE_TO:
        dc.CurPath.push_back({PathOp::Move, {d[1].point.x}, {d[1].point.y}});
        break;
      case CAIRO_PATH_LINE_TO:
        dc.CurPath.push_back({PathOp::Line, {d[1].point.x}, {d[1].point.y}});
        break;
      case CAIRO_PATH_CURVE_TO:
        dc.CurPath.push_back({PathOp::Curve,
                              {d[1].point.x, d[2].point.x, d[3].point.x},
                              {d[1].point.y, d[2].point.y, d[3].point.y}});
        break;
      case CAIRO_PATH_CLOSE_PATH:
        dc.CurPath.push_back({PathOp::Close, {0}, {0}});
        break;
    }
  }
  cairo_path_destroy(path);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

}  // namespace

BOOL TextOutW(HDC h, int x, int y, const WCHAR* text, int length) {
  auto dc = DCOf(h);
  if (!dc || length < 0 || (length > 0 && !text)) return FALSE;
  std::u16string s = TextOf(text, length);
  Layout lay(*dc, s);
  const LOGFONTW& lf = dc->S.CurFont->Log;
  bool updateCP = dc->S.TextAlign & TA_UPDATECP;
  double rx = dc->DX(updateCP ? dc->S.CurX : x), ry = dc->DY(updateCP ? dc->S.CurY : y);
  // Escapement turns the base line; in the advanced mode the characters
  // turn by their orientation, otherwise with the base line.
  double baseline = lf.lfEscapement * kPi / 1800;
  double glyphs = dc->S.GraphicsMode == GM_ADVANCED ? lf.lfOrientation * kPi / 1800 : baseline;
  double ox, oy;
  AlignOffset(dc->S.TextAlign, lay, ox, oy);
  if (dc->InPath) {
    RecordTextPath(*dc, lay, rx, ry, ox, oy, baseline, glyphs);
    if (updateCP) dc->S.CurX += lay.Width / std::fabs(dc->ScaleX()) * std::cos(baseline);
    return TRUE;
  }
  int bx, by, bw, bh;
  if (!DrawBox(*dc, bx, by, bw, bh)) return TRUE;
  int rop = dc->S.Rop2;
  dc->S.Rop2 = R2_COPYPEN;  // text ignores the mix mode
  if (dc->S.BkMode == OPAQUE) {
    // The cell behind the text, turned with the base line.
    const double c = std::cos(-baseline), sn = std::sin(-baseline);
    Path cell;
    const double xs[4] = {ox, ox + lay.Width, ox + lay.Width, ox};
    const double ys[4] = {oy, oy, oy + lay.Height, oy + lay.Height};
    for (int i = 0; i < 4; ++i)
      cell.push_back({i ? PathOp::Line : PathOp::Move,
                      {rx + xs[i] * c - ys[i] * sn},
                      {ry + xs[i] * sn + ys[i] * c}});
    cell.push_back({PathOp::Close, {0}, {0}});
    Source bk;
    bk.Color = dc->S.BkColor;
    Outline o;
    o.P = &cell;
    PaintOutline(*dc, FillMask(*dc, cell, WINDING), bk, o);
  }
  auto glyphsOn = [&](cairo_t* cr) {
    cairo_translate(cr, rx, ry);
    cairo_rotate(cr, -baseline);
    if (std::fabs(glyphs - baseline) < 1e-9) {
      cairo_move_to(cr, ox, oy);
      pango_cairo_update_context(cr, pango_layout_get_context(lay.L));
      pango_layout_context_changed(lay.L);
      pango_cairo_show_layout(cr, lay.L);
      return;
    }
    // Each character at its place on the base line, turned on its own.
    const char* text8 = lay.Text.c_str();
    for (const char* p = text8; *p; p = g_utf8_next_char(p)) {
      const char* next = g_utf8_next_char(p);
      double cx = ox + lay.XOf(int(p - text8));
      cairo_save(cr);
      cairo_translate(cr, cx, oy + lay.Ascent);
      cairo_rotate(cr, baseline - glyphs);
      PangoLayout* one = pango_layout_copy(lay.L);
      pango_layout_set_text(one, p, int(next - p));
      cairo_move_to(cr, 0, -lay.Ascent);
      pango_cairo_update_context(cr, pango_layout_get_context(one));
      pango_layout_context_changed(one);
      pango_cairo_show_layout(cr, one);
      g_object_unref(one);
      cairo_restore(cr);
    }
  };
  MaskCanvas mc(bx, by, bw, bh);
  glyphsOn(mc.Cr);
  Source ink;
  ink.Color = dc->S.TextColor;
  if (dc->Vector) dc->Vector->Held = true;  // the surface gets the glyphs themselves
  Paint(*dc, mc.Take(), ink);
  if (dc->Vector) {
    dc->Vector->Held = false;
    cairo_t* cr = dc->Vector->Cr;
    cairo_save(cr);
    ClipToDC(*dc, cr);
    COLORREF c = dc->S.TextColor;
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
    glyphsOn(cr);
    cairo_restore(cr);
  }
  dc->S.Rop2 = rop;
  if (updateCP) dc->S.CurX += lay.Width / std::fabs(dc->ScaleX()) * std::cos(baseline);
  return TRUE;
}

}  // namespace gdi
