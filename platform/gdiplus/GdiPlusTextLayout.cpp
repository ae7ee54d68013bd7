#include "platform/gdiplus/GdiPlusTextLayout.h"

#include <pango/pangocairo.h>

#include <algorithm>

#include "platform/gdiplus/GdiPlusCairo.h"

namespace Gdiplus {

namespace {

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// UTF-16 to UTF-8 with the byte offset of every unit (both units of a pair
// map to the start of their character); lone surrogates become U+FFFD.
void ConvertText(const char16_t* text, INT length, std::string& utf8, std::vector<int>& byteOf) {
  if (!text) length = 0;
  if (length < 0) {
    length = 0;
    while (text[length]) ++length;
  }
  for (INT i = 0; i < length; ++i) {
    byteOf.push_back(int(utf8.size()));
    uint32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      byteOf.push_back(int(utf8.size()));
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    AppendUtf8(utf8, c);
  }
  byteOf.push_back(int(utf8.size()));
}

PangoAlignment ToPango(StringAlignment a, bool rightToLeft) {
  if (a == StringAlignmentCenter) return PANGO_ALIGN_CENTER;
  bool left = (a == StringAlignmentNear) != rightToLeft;
  return left ? PANGO_ALIGN_LEFT : PANGO_ALIGN_RIGHT;
}

// Unhinted metrics, so that text measures the same at every scale; the hint
// chooses between grey anti-aliasing and single-bit glyphs.
void SetFontOptions(PangoLayout* layout, TextRenderingHint hint) {
  cairo_font_options_t* fo = cairo_font_options_create();
  bool singleBit = hint == TextRenderingHintSingleBitPerPixel ||
                   hint == TextRenderingHintSingleBitPerPixelGridFit;
  bool gridFit = hint == TextRenderingHintSingleBitPerPixelGridFit ||
                 hint == TextRenderingHintAntiAliasGridFit ||
                 hint == TextRenderingHintClearTypeGridFit;
  cairo_font_options_set_antialias(fo, singleBit ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(fo, gridFit ? CAIRO_HINT_STYLE_SLIGHT : CAIRO_HINT_STYLE_NONE);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), fo);
  pango_context_set_round_glyph_positions(pango_layout_get_context(layout), FALSE);
  pango_layout_context_changed(layout);
  cairo_font_options_destroy(fo);
}

double Offset(StringAlignment a, double room, double used) {
  if (a == StringAlignmentCenter) return (room - used) / 2;
  if (a == StringAlignmentFar) return room - used;
  return 0;
}

// Font, hint and the underline and strikeout lines of the style.
void SetFont(PangoLayout* layout, const FontFamily& family, INT style, double pixelSize,
             TextRenderingHint hint) {
  SetFontOptions(layout, hint);
  PangoFontDescription* desc = CreateFontDescription(family, style, pixelSize);
  pango_layout_set_font_description(layout, desc);
  pango_font_description_free(desc);
  if (!(style & (FontStyleUnderline | FontStyleStrikeout))) return;
  PangoAttrList* attrs = pango_attr_list_new();
  if (style & FontStyleUnderline)
    pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (style & FontStyleStrikeout) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
  pango_layout_set_attributes(layout, attrs);
  pango_attr_list_unref(attrs);
}

// Wrapping at the rectangle's width and ellipsis trimming; true when the
// layout has the rectangle's width and aligns its lines itself.
bool SetWidth(PangoLayout* layout, const RectF& rect, const StringFormat* format) {
  bool noWrap = format->GetFormatFlags() & StringFormatFlagsNoWrap;
  StringTrimming trimming = format->GetTrimming();
  bool ellipsis = trimming == StringTrimmingEllipsisCharacter ||
                  trimming == StringTrimmingEllipsisWord || trimming == StringTrimmingEllipsisPath;
  bool bounded = rect.Width > 0 && (!noWrap || ellipsis);
  if (!bounded) return false;
  pango_layout_set_width(layout, int(rect.Width * PANGO_SCALE));
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  if (ellipsis) {
    pango_layout_set_ellipsize(layout, trimming == StringTrimmingEllipsisPath
                                           ? PANGO_ELLIPSIZE_MIDDLE
                                           : PANGO_ELLIPSIZE_END);
    if (!noWrap && rect.Height > 0) pango_layout_set_height(layout, int(rect.Height * PANGO_SCALE));
  }
  return true;
}

}  // namespace

TextLayout::TextLayout(cairo_t* cr, const char16_t* text, INT length, const FontFamily& family,
                       INT style, double pixelSize, const RectF& layoutRect,
                       const StringFormat* format, TextRenderingHint hint) {
  if (!format) format = StringFormat::GenericDefault();
  ConvertText(text, length, FUtf8, FByteOf);
  INT flags = format->GetFormatFlags();
  FTrailingSpaces = flags & StringFormatFlagsMeasureTrailingSpaces;
  bool rtl = flags & StringFormatFlagsDirectionRightToLeft;

  FLayout = pango_cairo_create_layout(cr);
  SetFont(FLayout, family, style, pixelSize, hint);
  pango_layout_set_text(FLayout, FUtf8.c_str(), int(FUtf8.size()));
  pango_layout_set_alignment(FLayout, ToPango(format->GetAlignment(), rtl));
  bool bounded = SetWidth(FLayout, layoutRect, format);

  PangoRectangle logical;
  pango_layout_get_extents(FLayout, nullptr, &logical);
  double usedW = double(logical.width) / PANGO_SCALE;
  double usedH = double(logical.height) / PANGO_SCALE;
  // an unbounded layout is placed by the alignment (mirrored right to left)
  StringAlignment across = format->GetAlignment();
  if (rtl && across != StringAlignmentCenter)
    across = across == StringAlignmentNear ? StringAlignmentFar : StringAlignmentNear;
  FOriginX = layoutRect.X + (bounded ? 0 : Offset(across, layoutRect.Width, usedW));
  FOriginY = layoutRect.Y + Offset(format->GetLineAlignment(), layoutRect.Height, usedH);
}

TextLayout::~TextLayout() {
  if (FLayout) g_object_unref(FLayout);
}

INT TextLayout::LineCount() const { return pango_layout_get_line_count(FLayout); }

RectF TextLayout::Bounds() const {
  Region region;
  region.MakeEmpty();
  RangeRegion(0, Length(), &region);
  RectF r;
  region.GetBounds(&r);
  if (r.IsEmptyArea()) {
    PangoRectangle logical;
    pango_layout_get_extents(FLayout, nullptr, &logical);
    r = RectF(REAL(FOriginX + double(logical.x) / PANGO_SCALE),
              REAL(FOriginY + double(logical.y) / PANGO_SCALE), 0,
              Length() ? REAL(double(logical.height) / PANGO_SCALE) : 0);
  }
  return r;
}

void TextLayout::RangeRegion(INT first, INT length, Region* region) const {
  region->MakeEmpty();
  INT n = Length();
  first = std::clamp<INT>(first, 0, n);
  INT last = std::clamp<INT>(first + std::max<INT>(length, 0), 0, n);
  if (last <= first) return;
  int startByte = FByteOf[size_t(first)], endByte = FByteOf[size_t(last)];
  if (!FTrailingSpaces) {
    // trailing blanks of the range do not count
    while (endByte > startByte && FUtf8[size_t(endByte - 1)] == ' ') --endByte;
    if (endByte <= startByte) return;
  }
  PangoLayoutIter* it = pango_layout_get_iter(FLayout);
  do {
    PangoLayoutLine* line = pango_layout_iter_get_line_readonly(it);
    int lineStart = line->start_index, lineEnd = line->start_index + line->length;
    if (lineEnd < startByte || lineStart > endByte) continue;
    PangoRectangle lineRect;
    pango_layout_iter_get_line_extents(it, nullptr, &lineRect);
    int* ranges = nullptr;
    int count = 0;
    pango_layout_line_get_x_ranges(line, std::max(startByte, lineStart), std::min(endByte, lineEnd),
                                   &ranges, &count);
    for (int i = 0; i < count; ++i) {
      double x0 = FOriginX + double(ranges[2 * i]) / PANGO_SCALE;
      double x1 = FOriginX + double(ranges[2 * i + 1]) / PANGO_SCALE;
      if (x1 <= x0) continue;
      region->Union(RectF(REAL(x0), REAL(FOriginY + double(lineRect.y) / PANGO_SCALE),
                          REAL(x1 - x0), REAL(double(lineRect.height) / PANGO_SCALE)));
    }
    g_free(ranges);
  } while (pango_layout_iter_next_line(it));
  pango_layout_iter_free(it);
}

Status GraphicsPath::AddString(const char16_t* string, INT length, const FontFamily* family,
                               INT style, REAL emSize, const RectF& layoutRect,
                               const StringFormat* format) {
  if (!string || !family || !(emSize > 0)) return SetStatus(InvalidParameter);
  cairo_t* cr = CreateScratchContext();
  {
    TextLayout layout(cr, string, length, *family, style, emSize, layoutRect, format);
    cairo_move_to(cr, layout.OriginX(), layout.OriginY());
    pango_cairo_layout_path(cr, layout.Layout());
  }
  cairo_path_t* data = cairo_copy_path(cr);
  StartFigure();
  AppendCairoPath(*this, data);
  cairo_path_destroy(data);
  cairo_destroy(cr);
  return Ok;
}

}  // namespace Gdiplus
