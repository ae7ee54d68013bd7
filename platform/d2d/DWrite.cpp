#include "platform/d2d/DWrite.h"

#include <pango/pangocairo.h>

#include <vector>

#include "platform/d2d/D2D1Geometry.h"
#include "platform/gdiplus/GdiPlusCairo.h"
#include "platform/gdiplus/GdiPlusTextLayout.h"

using namespace Gdiplus;

// ---------------------------------------------------------------- font face

IDWriteFontFace::IDWriteFontFace(PangoFont* font) : FFont(PANGO_FONT(g_object_ref(font))) {
  PangoFontDescription* d = pango_font_describe_with_absolute_size(FFont);
  FEmSize = FLOAT(pango_font_description_get_size(d)) / PANGO_SCALE;
  pango_font_description_free(d);
}

IDWriteFontFace::~IDWriteFontFace() { g_object_unref(FFont); }

HRESULT IDWriteFontFace::GetGlyphRunOutline(FLOAT emSize, const uint16_t* glyphIndices,
                                            const FLOAT* glyphAdvances,
                                            const DWRITE_GLYPH_OFFSET* glyphOffsets,
                                            UINT32 glyphCount, BOOL, BOOL isRightToLeft,
                                            ID2D1SimplifiedGeometrySink* geometrySink) const {
  if (!geometrySink || (glyphCount && !glyphIndices)) return E_INVALIDARG;
  PangoGlyphString* glyphs = pango_glyph_string_new();
  pango_glyph_string_set_size(glyphs, int(glyphCount));
  for (UINT32 i = 0; i < glyphCount; ++i) {
    PangoGlyphInfo& g = glyphs->glyphs[i];
    g.glyph = glyphIndices[i] == 0xFFFF ? PANGO_GLYPH_EMPTY : glyphIndices[i];
    g.geometry.width = glyphAdvances ? int(glyphAdvances[i] * PANGO_SCALE) : 0;
    g.geometry.x_offset = glyphOffsets ? int(glyphOffsets[i].advanceOffset * PANGO_SCALE) : 0;
    g.geometry.y_offset = glyphOffsets ? int(-glyphOffsets[i].ascenderOffset * PANGO_SCALE) : 0;
    g.attr.is_cluster_start = 1;
  }
  cairo_t* cr = CreateScratchContext();
  // the face's own size, scaled to the asked em size
  const double scale = FEmSize > 0 && emSize > 0 ? emSize / FEmSize : 1;
  cairo_scale(cr, isRightToLeft ? -scale : scale, scale);
  pango_cairo_glyph_string_path(cr, FFont, glyphs);
  cairo_identity_matrix(cr);
  cairo_path_t* path = cairo_copy_path(cr);
  D2D1PathToSink(path, nullptr, geometrySink);
  cairo_path_destroy(path);
  cairo_destroy(cr);
  pango_glyph_string_free(glyphs);
  return S_OK;
}

// ---------------------------------------------------------------- format

IDWriteTextFormat::IDWriteTextFormat(const std::string& familyName, DWRITE_FONT_WEIGHT weight,
                                     DWRITE_FONT_STYLE style, DWRITE_FONT_STRETCH, FLOAT fontSize,
                                     const std::string& localeName)
    : FFamily(familyName), FWeight(weight), FStyle(style), FSize(fontSize), FLocale(localeName) {}

// ---------------------------------------------------------------- layout

IDWriteTextLayout::IDWriteTextLayout(const char16_t* string, UINT32 stringLength,
                                     const IDWriteTextFormat& format, FLOAT maxWidth,
                                     FLOAT maxHeight)
    : FText(string ? std::u16string(string, stringLength) : std::u16string()),
      FFormat(format),
      FMaxWidth(maxWidth),
      FMaxHeight(maxHeight) {}

HRESULT IDWriteTextLayout::SetWordWrapping(DWRITE_WORD_WRAPPING wordWrapping) {
  FWrap = wordWrapping;
  return S_OK;
}

HRESULT IDWriteTextLayout::SetTextAlignment(DWRITE_TEXT_ALIGNMENT textAlignment) {
  FAlign = textAlignment;
  return S_OK;
}

HRESULT IDWriteTextLayout::SetParagraphAlignment(DWRITE_PARAGRAPH_ALIGNMENT paragraphAlignment) {
  FParagraph = paragraphAlignment;
  return S_OK;
}

HRESULT IDWriteTextLayout::SetUnderline(BOOL hasUnderline, DWRITE_TEXT_RANGE) {
  FUnderline = hasUnderline;
  return S_OK;
}

HRESULT IDWriteTextLayout::SetStrikethrough(BOOL hasStrikethrough, DWRITE_TEXT_RANGE) {
  FStrikethrough = hasStrikethrough;
  return S_OK;
}

namespace {

StringAlignment Across(DWRITE_TEXT_ALIGNMENT a) {
  if (a == DWRITE_TEXT_ALIGNMENT_CENTER) return StringAlignmentCenter;
  return a == DWRITE_TEXT_ALIGNMENT_TRAILING ? StringAlignmentFar : StringAlignmentNear;
}

StringAlignment Down(DWRITE_PARAGRAPH_ALIGNMENT a) {
  if (a == DWRITE_PARAGRAPH_ALIGNMENT_CENTER) return StringAlignmentCenter;
  return a == DWRITE_PARAGRAPH_ALIGNMENT_FAR ? StringAlignmentFar : StringAlignmentNear;
}

}  // namespace

std::unique_ptr<TextLayout> IDWriteTextLayout::Lay(cairo_t* cr, FLOAT originX, FLOAT originY,
                                                   bool trailingBlanks) const {
  INT flags = StringFormatFlagsNoClip;
  if (trailingBlanks) flags |= StringFormatFlagsMeasureTrailingSpaces;
  if (FWrap == DWRITE_WORD_WRAPPING_NO_WRAP) flags |= StringFormatFlagsNoWrap;
  StringFormat format(flags, 0);
  format.SetAlignment(Across(FAlign));
  format.SetLineAlignment(Down(FParagraph));
  format.SetTrimming(StringTrimmingNone);
  INT style = FontStyleObliqueFace;
  if (FFormat.GetFontWeight() >= 600) style |= FontStyleBold;
  if (FFormat.GetFontStyle() != DWRITE_FONT_STYLE_NORMAL) style |= FontStyleItalic;
  if (FFormat.GetFontStyle() == DWRITE_FONT_STYLE_ITALIC) style &= ~FontStyleObliqueFace;
  if (FUnderline) style |= FontStyleUnderline;
  if (FStrikethrough) style |= FontStyleStrikeout;
  FontFamily family(FFormat.GetFontFamilyName());
  if (!family.IsAvailable()) family = *FontFamily::GenericSansSerif();
  return std::make_unique<TextLayout>(cr, FText.c_str(), INT(FText.size()), family, style,
                                      FFormat.GetFontSize(),
                                      RectF(originX, originY, FMaxWidth, FMaxHeight), &format);
}

HRESULT IDWriteTextLayout::GetMetrics(DWRITE_TEXT_METRICS* m) const {
  if (!m) return E_INVALIDARG;
  cairo_t* cr = CreateScratchContext();
  {
    std::unique_ptr<TextLayout> layout = Lay(cr, 0, 0);
    PangoRectangle logical;
    pango_layout_get_extents(layout->Layout(), nullptr, &logical);
    m->left = FLOAT(layout->OriginX() + double(logical.x) / PANGO_SCALE);
    m->top = FLOAT(layout->OriginY() + double(logical.y) / PANGO_SCALE);
    m->widthIncludingTrailingWhitespace = FLOAT(double(logical.width) / PANGO_SCALE);
    m->height = FLOAT(double(logical.height) / PANGO_SCALE);
    m->lineCount = UINT32(layout->LineCount());
    m->layoutWidth = FMaxWidth;
    m->layoutHeight = FMaxHeight;
    // the width without the blanks that end the lines
    m->width = Lay(cr, 0, 0, false)->Bounds().Width;
  }
  cairo_destroy(cr);
  return S_OK;
}

namespace {

// Glyphs of one Pango run as a DirectWrite glyph run.
struct TGlyphRunData {
  std::vector<uint16_t> Indices;
  std::vector<FLOAT> Advances;
  std::vector<DWRITE_GLYPH_OFFSET> Offsets;
  explicit TGlyphRunData(const PangoGlyphString* g) {
    for (int i = 0; i < g->num_glyphs; ++i) {
      const PangoGlyphInfo& info = g->glyphs[i];
      const bool empty = info.glyph == PANGO_GLYPH_EMPTY || (info.glyph & PANGO_GLYPH_UNKNOWN_FLAG);
      Indices.push_back(empty ? 0xFFFF : uint16_t(info.glyph));
      Advances.push_back(FLOAT(info.geometry.width) / PANGO_SCALE);
      Offsets.push_back({FLOAT(info.geometry.x_offset) / PANGO_SCALE,
                         -FLOAT(info.geometry.y_offset) / PANGO_SCALE});
    }
  }
};

void DrawLines(void* ctx, IDWriteTextRenderer* renderer, PangoFont* font, FLOAT x, FLOAT y,
               FLOAT width, bool underline, bool strikethrough) {
  if (!underline && !strikethrough) return;
  PangoFontMetrics* metrics = pango_font_get_metrics(font, nullptr);
  if (underline) {
    DWRITE_UNDERLINE u{width,
                       FLOAT(pango_font_metrics_get_underline_thickness(metrics)) / PANGO_SCALE,
                       -FLOAT(pango_font_metrics_get_underline_position(metrics)) / PANGO_SCALE};
    renderer->DrawUnderline(ctx, x, y, &u, nullptr);
  }
  if (strikethrough) {
    DWRITE_STRIKETHROUGH s{
        width, FLOAT(pango_font_metrics_get_strikethrough_thickness(metrics)) / PANGO_SCALE,
        -FLOAT(pango_font_metrics_get_strikethrough_position(metrics)) / PANGO_SCALE};
    renderer->DrawStrikethrough(ctx, x, y, &s, nullptr);
  }
  pango_font_metrics_unref(metrics);
}

}  // namespace

HRESULT IDWriteTextLayout::Draw(void* ctx, IDWriteTextRenderer* renderer, FLOAT originX,
                                FLOAT originY) const {
  if (!renderer) return E_INVALIDARG;
  cairo_t* cr = CreateScratchContext();
  std::unique_ptr<TextLayout> layout = Lay(cr, originX, originY);
  PangoLayoutIter* it = pango_layout_get_iter(layout->Layout());
  do {
    PangoLayoutRun* run = pango_layout_iter_get_run_readonly(it);
    if (!run) continue;  // the end of a line
    PangoRectangle logical;
    pango_layout_iter_get_run_extents(it, nullptr, &logical);
    const FLOAT x = FLOAT(layout->OriginX() + double(logical.x) / PANGO_SCALE);
    const FLOAT y =
        FLOAT(layout->OriginY() + double(pango_layout_iter_get_baseline(it)) / PANGO_SCALE);
    IDWriteFontFace face(run->item->analysis.font);
    TGlyphRunData data(run->glyphs);
    DWRITE_GLYPH_RUN glyphRun;
    glyphRun.fontFace = &face;
    glyphRun.fontEmSize = face.EmSize();
    glyphRun.glyphCount = UINT32(data.Indices.size());
    glyphRun.glyphIndices = data.Indices.data();
    glyphRun.glyphAdvances = data.Advances.data();
    glyphRun.glyphOffsets = data.Offsets.data();
    glyphRun.bidiLevel = run->item->analysis.level;
    DWRITE_GLYPH_RUN_DESCRIPTION description;
    description.string = FText.c_str();
    description.stringLength = UINT32(FText.size());
    renderer->DrawGlyphRun(ctx, x, y, DWRITE_MEASURING_MODE_NATURAL, &glyphRun, &description,
                           nullptr);
    DrawLines(ctx, renderer, run->item->analysis.font, x, y,
              FLOAT(double(logical.width) / PANGO_SCALE), FUnderline, FStrikethrough);
  } while (pango_layout_iter_next_run(it));
  pango_layout_iter_free(it);
  layout.reset();
  cairo_destroy(cr);
  return S_OK;
}

// ---------------------------------------------------------------- factory

std::shared_ptr<IDWriteTextFormat> IDWriteFactory::CreateTextFormat(
    const std::string& familyName, void*, DWRITE_FONT_WEIGHT weight, DWRITE_FONT_STYLE style,
    DWRITE_FONT_STRETCH stretch, FLOAT fontSize, const std::string& localeName) {
  if (!(fontSize > 0)) return nullptr;
  return std::make_shared<IDWriteTextFormat>(familyName, weight, style, stretch, fontSize,
                                             localeName);
}

std::shared_ptr<IDWriteTextLayout> IDWriteFactory::CreateTextLayout(
    const char16_t* string, UINT32 stringLength, const IDWriteTextFormat* textFormat,
    FLOAT maxWidth, FLOAT maxHeight) {
  if (!textFormat || (stringLength && !string)) return nullptr;
  return std::make_shared<IDWriteTextLayout>(string, stringLength, *textFormat, maxWidth,
                                             maxHeight);
}
