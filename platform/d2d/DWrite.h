#pragma once
// Text formats, text layouts, font faces and the renderer interface of the
// Direct2D-shaped layer, laid out by the drawing layer's Pango text layout
// (platform/gdiplus/GdiPlusTextLayout.h) with its font family table.

#include <cairo.h>

#include <memory>
#include <string>

#include "platform/d2d/D2D1Types.h"

typedef struct _PangoFont PangoFont;
class ID2D1SimplifiedGeometrySink;
namespace Gdiplus {
class TextLayout;
}

enum DWRITE_FACTORY_TYPE { DWRITE_FACTORY_TYPE_SHARED = 0, DWRITE_FACTORY_TYPE_ISOLATED = 1 };
enum DWRITE_FONT_WEIGHT { DWRITE_FONT_WEIGHT_NORMAL = 400, DWRITE_FONT_WEIGHT_BOLD = 700 };
enum DWRITE_FONT_STYLE {
  DWRITE_FONT_STYLE_NORMAL = 0,
  DWRITE_FONT_STYLE_OBLIQUE = 1,
  DWRITE_FONT_STYLE_ITALIC = 2
};
enum DWRITE_FONT_STRETCH { DWRITE_FONT_STRETCH_NORMAL = 5 };
enum DWRITE_WORD_WRAPPING { DWRITE_WORD_WRAPPING_WRAP = 0, DWRITE_WORD_WRAPPING_NO_WRAP = 1 };
enum DWRITE_TEXT_ALIGNMENT {
  DWRITE_TEXT_ALIGNMENT_LEADING = 0,
  DWRITE_TEXT_ALIGNMENT_TRAILING = 1,
  DWRITE_TEXT_ALIGNMENT_CENTER = 2
};
enum DWRITE_PARAGRAPH_ALIGNMENT {
  DWRITE_PARAGRAPH_ALIGNMENT_NEAR = 0,
  DWRITE_PARAGRAPH_ALIGNMENT_FAR = 1,
  DWRITE_PARAGRAPH_ALIGNMENT_CENTER = 2
};
enum DWRITE_MEASURING_MODE { DWRITE_MEASURING_MODE_NATURAL = 0 };

struct DWRITE_TEXT_RANGE {
  UINT32 startPosition = 0, length = 0;
};
struct DWRITE_TEXT_METRICS {
  FLOAT left = 0, top = 0, width = 0, widthIncludingTrailingWhitespace = 0, height = 0;
  FLOAT layoutWidth = 0, layoutHeight = 0;
  UINT32 maxBidiReorderingDepth = 1, lineCount = 0;
};
struct DWRITE_GLYPH_OFFSET {
  FLOAT advanceOffset = 0, ascenderOffset = 0;  // ascender offset: up is positive
};
struct DWRITE_UNDERLINE {
  FLOAT width = 0, thickness = 0, offset = 0;
};
using DWRITE_STRIKETHROUGH = DWRITE_UNDERLINE;

// A face of a font at a size; gives the outlines of glyphs.
class IDWriteFontFace {
 public:
  explicit IDWriteFontFace(PangoFont* font);
  ~IDWriteFontFace();
  IDWriteFontFace(const IDWriteFontFace&) = delete;
  IDWriteFontFace& operator=(const IDWriteFontFace&) = delete;
  // The em size the face was laid out at.
  FLOAT EmSize() const { return FEmSize; }
  // Writes the outlines of the glyphs, one after the other from (0, 0) on
  // the baseline, into the sink (figures only; the sink is not closed).
  HRESULT GetGlyphRunOutline(FLOAT emSize, const uint16_t* glyphIndices, const FLOAT* glyphAdvances,
                             const DWRITE_GLYPH_OFFSET* glyphOffsets, UINT32 glyphCount,
                             BOOL isSideways, BOOL isRightToLeft,
                             ID2D1SimplifiedGeometrySink* geometrySink) const;

 private:
  PangoFont* FFont;
  FLOAT FEmSize = 0;
};

struct DWRITE_GLYPH_RUN {
  IDWriteFontFace* fontFace = nullptr;
  FLOAT fontEmSize = 0;
  UINT32 glyphCount = 0;
  const uint16_t* glyphIndices = nullptr;
  const FLOAT* glyphAdvances = nullptr;
  const DWRITE_GLYPH_OFFSET* glyphOffsets = nullptr;
  BOOL isSideways = 0;
  UINT32 bidiLevel = 0;
};
struct DWRITE_GLYPH_RUN_DESCRIPTION {
  const char16_t* string = nullptr;
  UINT32 stringLength = 0;
  UINT32 textPosition = 0;
};

// What a layout's Draw calls, run by run.
class IDWriteTextRenderer {
 public:
  virtual ~IDWriteTextRenderer() = default;
  virtual HRESULT IsPixelSnappingDisabled(void* clientDrawingContext, BOOL* isDisabled) = 0;
  virtual HRESULT GetCurrentTransform(void* clientDrawingContext, D2D1_MATRIX_3X2_F* transform) = 0;
  virtual HRESULT GetPixelsPerDip(void* clientDrawingContext, FLOAT* pixelsPerDip) = 0;
  virtual HRESULT DrawGlyphRun(void* clientDrawingContext, FLOAT baselineOriginX,
                               FLOAT baselineOriginY, DWRITE_MEASURING_MODE measuringMode,
                               const DWRITE_GLYPH_RUN* glyphRun,
                               const DWRITE_GLYPH_RUN_DESCRIPTION* glyphRunDescription,
                               void* clientDrawingEffect) = 0;
  virtual HRESULT DrawUnderline(void* clientDrawingContext, FLOAT baselineOriginX,
                                FLOAT baselineOriginY, const DWRITE_UNDERLINE* underline,
                                void* clientDrawingEffect) = 0;
  virtual HRESULT DrawStrikethrough(void* clientDrawingContext, FLOAT baselineOriginX,
                                    FLOAT baselineOriginY,
                                    const DWRITE_STRIKETHROUGH* strikethrough,
                                    void* clientDrawingEffect) = 0;
  virtual HRESULT DrawInlineObject(void* clientDrawingContext, FLOAT originX, FLOAT originY,
                                   void* inlineObject, BOOL isSideways, BOOL isRightToLeft,
                                   void* clientDrawingEffect) = 0;
};

class IDWriteTextFormat {
 public:
  IDWriteTextFormat(const std::string& familyName, DWRITE_FONT_WEIGHT weight,
                    DWRITE_FONT_STYLE style, DWRITE_FONT_STRETCH stretch, FLOAT fontSize,
                    const std::string& localeName);
  const std::string& GetFontFamilyName() const { return FFamily; }
  DWRITE_FONT_WEIGHT GetFontWeight() const { return FWeight; }
  DWRITE_FONT_STYLE GetFontStyle() const { return FStyle; }
  FLOAT GetFontSize() const { return FSize; }
  const std::string& GetLocaleName() const { return FLocale; }

 private:
  std::string FFamily;
  DWRITE_FONT_WEIGHT FWeight;
  DWRITE_FONT_STYLE FStyle;
  FLOAT FSize;
  std::string FLocale;
};

// Text laid out in a box of the maximum width and height, aligned in it.
class IDWriteTextLayout {
 public:
  IDWriteTextLayout(const char16_t* string, UINT32 stringLength, const IDWriteTextFormat& format,
                    FLOAT maxWidth, FLOAT maxHeight);
  HRESULT SetWordWrapping(DWRITE_WORD_WRAPPING wordWrapping);
  HRESULT SetTextAlignment(DWRITE_TEXT_ALIGNMENT textAlignment);
  HRESULT SetParagraphAlignment(DWRITE_PARAGRAPH_ALIGNMENT paragraphAlignment);
  // Underline and strike-out go over the whole text whatever the range.
  HRESULT SetUnderline(BOOL hasUnderline, DWRITE_TEXT_RANGE textRange);
  HRESULT SetStrikethrough(BOOL hasStrikethrough, DWRITE_TEXT_RANGE textRange);
  DWRITE_WORD_WRAPPING GetWordWrapping() const { return FWrap; }
  FLOAT GetMaxWidth() const { return FMaxWidth; }
  FLOAT GetMaxHeight() const { return FMaxHeight; }
  const IDWriteTextFormat& Format() const { return FFormat; }
  // Extent of the laid-out lines relative to the box's top-left corner.
  HRESULT GetMetrics(DWRITE_TEXT_METRICS* textMetrics) const;
  // Hands every run of glyphs to the renderer, the box's corner at the origin.
  HRESULT Draw(void* clientDrawingContext, IDWriteTextRenderer* renderer, FLOAT originX,
               FLOAT originY) const;
  // The Pango layout on the context with the box's corner at the origin.
  std::unique_ptr<Gdiplus::TextLayout> Lay(cairo_t* cr, FLOAT originX, FLOAT originY,
                                           bool trailingBlanks = true) const;

 private:
  std::u16string FText;
  IDWriteTextFormat FFormat;
  FLOAT FMaxWidth, FMaxHeight;
  DWRITE_WORD_WRAPPING FWrap = DWRITE_WORD_WRAPPING_WRAP;
  DWRITE_TEXT_ALIGNMENT FAlign = DWRITE_TEXT_ALIGNMENT_LEADING;
  DWRITE_PARAGRAPH_ALIGNMENT FParagraph = DWRITE_PARAGRAPH_ALIGNMENT_NEAR;
  bool FUnderline = false, FStrikethrough = false;
};

class IDWriteFactory {
 public:
  std::shared_ptr<IDWriteTextFormat> CreateTextFormat(const std::string& familyName,
                                                      void* fontCollection,
                                                      DWRITE_FONT_WEIGHT weight,
                                                      DWRITE_FONT_STYLE style,
                                                      DWRITE_FONT_STRETCH stretch, FLOAT fontSize,
                                                      const std::string& localeName);
  std::shared_ptr<IDWriteTextLayout> CreateTextLayout(const char16_t* string, UINT32 stringLength,
                                                      const IDWriteTextFormat* textFormat,
                                                      FLOAT maxWidth, FLOAT maxHeight);
};
