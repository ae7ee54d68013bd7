#pragma once
// The pieces of the Direct2D canvas's text outlines: a sink that writes
// figures into a TzrPathData and a text renderer that writes every glyph run
// of a layout into the path at its baseline; and the conversions of font
// styles to text formats.

#include <memory>
#include <string>

#include "platform/d2d/D2D1Geometry.h"
#include "platform/d2d/DWrite.h"
#include "scene/zr_canvas.h"

class TzrCanvasD2D;

DWRITE_FONT_WEIGHT FontWeightToDWrite(TzrFontStyle Style);
// Italic styles are asked for as oblique.
DWRITE_FONT_STYLE FontStyleToDWrite(TzrFontStyle Style);

// The layout FillText, MeasureText and TextToPath use: the font's family,
// weight, slant and size in pixels, a box of the rectangle's size.
std::shared_ptr<IDWriteTextLayout> MakeTextLayoutD2D(const TzrFont& Font, const TzrRect& ARect,
                                                     const std::u16string& AText, bool WordWrap,
                                                     TzrTextAlign ATextAlign,
                                                     TzrTextAlign AVTextAlign);

// Figures into Path: every figure ends closed, whatever its end says.
class TzrSink : public ID2D1SimplifiedGeometrySink {
 public:
  TzrPathData* Path = nullptr;
  void SetFillMode(D2D1_FILL_MODE) override {}
  void SetSegmentFlags(D2D1_PATH_SEGMENT) override {}
  void BeginFigure(D2D1_POINT_2F startPoint, D2D1_FIGURE_BEGIN figureBegin) override;
  void AddLines(const D2D1_POINT_2F* points, UINT32 pointsCount) override;
  void AddBeziers(const D2D1_BEZIER_SEGMENT* beziers, UINT32 beziersCount) override;
  void EndFigure(D2D1_FIGURE_END figureEnd) override;
  HRESULT Close() override { return S_OK; }
};

// Glyph outlines into the TzrPathData given as the drawing context;
// underlines and strike-outs are left out.
class TzrTextRendering : public IDWriteTextRenderer {
 public:
  TzrCanvasD2D* Canvas = nullptr;
  HRESULT IsPixelSnappingDisabled(void* clientDrawingContext, BOOL* isDisabled) override;
  HRESULT GetCurrentTransform(void* clientDrawingContext, D2D1_MATRIX_3X2_F* transform) override;
  HRESULT GetPixelsPerDip(void* clientDrawingContext, FLOAT* pixelsPerDip) override;
  HRESULT DrawGlyphRun(void* clientDrawingContext, FLOAT baselineOriginX, FLOAT baselineOriginY,
                       DWRITE_MEASURING_MODE measuringMode, const DWRITE_GLYPH_RUN* glyphRun,
                       const DWRITE_GLYPH_RUN_DESCRIPTION* glyphRunDescription,
                       void* clientDrawingEffect) override;
  HRESULT DrawUnderline(void*, FLOAT, FLOAT, const DWRITE_UNDERLINE*, void*) override {
    return S_OK;
  }
  HRESULT DrawStrikethrough(void*, FLOAT, FLOAT, const DWRITE_STRIKETHROUGH*, void*) override {
    return S_OK;
  }
  HRESULT DrawInlineObject(void*, FLOAT, FLOAT, void*, BOOL, BOOL, void*) override { return S_OK; }
};
