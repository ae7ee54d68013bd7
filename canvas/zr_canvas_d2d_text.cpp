// The Direct2D canvas's text: layouts made per call, drawing, measuring,
// and outlines written into a path through a text renderer and a sink.
#include "canvas/zr_canvas_d2d_text.h"

#include "canvas/zr_canvas_d2d.h"

DWRITE_FONT_WEIGHT FontWeightToDWrite(TzrFontStyle Style) {
  return Style == zrFontBold || Style == zrFontBoldItalic ? DWRITE_FONT_WEIGHT_BOLD
                                                          : DWRITE_FONT_WEIGHT_NORMAL;
}

DWRITE_FONT_STYLE FontStyleToDWrite(TzrFontStyle Style) {
  return Style == zrFontItalic || Style == zrFontBoldItalic ? DWRITE_FONT_STYLE_OBLIQUE
                                                            : DWRITE_FONT_STYLE_NORMAL;
}

// ---------------------------------------------------------------- sink

void TzrSink::BeginFigure(D2D1_POINT_2F startPoint, D2D1_FIGURE_BEGIN) {
  Path->MoveTo({startPoint.x, startPoint.y});
}

void TzrSink::AddLines(const D2D1_POINT_2F* points, UINT32 pointsCount) {
  for (UINT32 i = 0; i < pointsCount; ++i) Path->LineTo({points[i].x, points[i].y});
}

void TzrSink::AddBeziers(const D2D1_BEZIER_SEGMENT* beziers, UINT32 beziersCount) {
  for (UINT32 i = 0; i < beziersCount; ++i) {
    const D2D1_BEZIER_SEGMENT& b = beziers[i];
    Path->CurveTo({b.point1.x, b.point1.y}, {b.point2.x, b.point2.y}, {b.point3.x, b.point3.y});
  }
}

void TzrSink::EndFigure(D2D1_FIGURE_END) { Path->ClosePath(); }

// ---------------------------------------------------------------- renderer

HRESULT TzrTextRendering::IsPixelSnappingDisabled(void*, BOOL* isDisabled) {
  if (isDisabled) *isDisabled = 1;
  return S_OK;
}

HRESULT TzrTextRendering::GetCurrentTransform(void*, D2D1_MATRIX_3X2_F* transform) {
  if (transform) *transform = D2D1IdentityMatrix();
  return S_OK;
}

HRESULT TzrTextRendering::GetPixelsPerDip(void*, FLOAT* pixelsPerDip) {
  if (pixelsPerDip) *pixelsPerDip = 1;
  return S_OK;
}

HRESULT TzrTextRendering::DrawGlyphRun(void* clientDrawingContext, FLOAT baselineOriginX,
                                       FLOAT baselineOriginY, DWRITE_MEASURING_MODE,
                                       const DWRITE_GLYPH_RUN* glyphRun,
                                       const DWRITE_GLYPH_RUN_DESCRIPTION*, void*) {
  auto* path = static_cast<TzrPathData*>(clientDrawingContext);
  if (!path || !glyphRun || !glyphRun->fontFace || !SharedD2DFactory) return S_OK;
  auto geometry = SharedD2DFactory->CreatePathGeometry();
  if (!geometry) return S_OK;
  std::shared_ptr<ID2D1GeometrySink> sink;
  if (SUCCEEDED(geometry->Open(&sink)) &&
      SUCCEEDED(glyphRun->fontFace->GetGlyphRunOutline(
          glyphRun->fontEmSize, glyphRun->glyphIndices, glyphRun->glyphAdvances,
          glyphRun->glyphOffsets, glyphRun->glyphCount, glyphRun->isSideways, 0, sink.get())))
    sink->Close();
  // the run's own points are moved to its baseline origin
  const size_t first = path->PathData.size();
  TzrSink target;
  target.Path = path;
  geometry->Simplify(D2D1_GEOMETRY_SIMPLIFICATION_OPTION_CUBICS_AND_LINES, nullptr, 0, &target);
  for (size_t i = first; i < path->PathData.size(); ++i) {
    path->PathData[i].Point.X += baselineOriginX;
    path->PathData[i].Point.Y += baselineOriginY;
  }
  return S_OK;
}

// ---------------------------------------------------------------- canvas text

namespace {

DWRITE_TEXT_ALIGNMENT TextAlign(TzrTextAlign A) {
  if (A == zrTextAlignCenter) return DWRITE_TEXT_ALIGNMENT_CENTER;
  return A == zrTextAlignFar ? DWRITE_TEXT_ALIGNMENT_TRAILING : DWRITE_TEXT_ALIGNMENT_LEADING;
}

DWRITE_PARAGRAPH_ALIGNMENT ParagraphAlign(TzrTextAlign A) {
  if (A == zrTextAlignCenter) return DWRITE_PARAGRAPH_ALIGNMENT_CENTER;
  return A == zrTextAlignFar ? DWRITE_PARAGRAPH_ALIGNMENT_FAR : DWRITE_PARAGRAPH_ALIGNMENT_NEAR;
}

}  // namespace

std::shared_ptr<IDWriteTextLayout> MakeTextLayoutD2D(const TzrFont& Font, const TzrRect& ARect,
                                                     const std::u16string& AText, bool WordWrap,
                                                     TzrTextAlign ATextAlign,
                                                     TzrTextAlign AVTextAlign) {
  if (!SharedDWriteFactory) return nullptr;
  const TzrFontStyle style = Font.GetStyle();
  auto format = SharedDWriteFactory->CreateTextFormat(
      Font.GetFamily(), nullptr, FontWeightToDWrite(style), FontStyleToDWrite(style),
      DWRITE_FONT_STRETCH_NORMAL, Font.GetSize(), "en-us");
  if (!format) return nullptr;
  auto layout = SharedDWriteFactory->CreateTextLayout(
      AText.c_str(), UINT32(AText.size()), format.get(), zrRectWidth(ARect), zrRectHeight(ARect));
  if (!layout) return nullptr;
  layout->SetWordWrapping(WordWrap ? DWRITE_WORD_WRAPPING_WRAP : DWRITE_WORD_WRAPPING_NO_WRAP);
  const DWRITE_TEXT_RANGE all = {0, UINT32(AText.size())};
  if (style == zrFontStrikeout) layout->SetStrikethrough(1, all);
  if (style == zrFontUnderline) layout->SetUnderline(1, all);
  layout->SetParagraphAlignment(ParagraphAlign(AVTextAlign));
  layout->SetTextAlignment(TextAlign(ATextAlign));
  return layout;
}

void TzrCanvasD2D::FillText(const TzrRect& ARect, const TzrRect& AClipRect,
                            const std::u16string& AText, bool WordWrap, float AOpacity,
                            TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) {
  (void)AClipRect;
  if (FFill->GetStyle() == zrBrushNone || AText.empty() || !RenderTarget) return;
  auto layout = MakeTextLayoutD2D(*FFont, ARect, AText, WordWrap, ATextAlign, AVTextAlign);
  if (!layout) return;
  ApplyFillD2D(ARect, AOpacity);
  if (!Brush) return;
  RenderTarget->DrawTextLayout({ARect.Left, ARect.Top}, layout.get(), Brush.get(),
                               D2D1_DRAW_TEXT_OPTIONS_CLIP);
}

void TzrCanvasD2D::MeasureText(TzrRect& ARect, const TzrRect& AClipRect,
                               const std::u16string& AText, bool WordWrap, TzrTextAlign ATextAlign,
                               TzrTextAlign AVTextAlign) {
  (void)AClipRect;
  if (!WordWrap) ARect.Right = ARect.Left;  // a zero-width box that never wraps
  if (AText.empty()) return;
  auto layout = MakeTextLayoutD2D(*FFont, ARect, AText, WordWrap, ATextAlign, AVTextAlign);
  DWRITE_TEXT_METRICS m;
  if (!layout || FAILED(layout->GetMetrics(&m))) return;
  const float left = ARect.Left, top = ARect.Top;
  ARect = zrRect(left + m.left, top + m.top, left + m.left + m.widthIncludingTrailingWhitespace,
                 top + m.top + m.height);
}

bool TzrCanvasD2D::TextToPath(TzrPathData& Path, const TzrRect& ARect, const std::u16string& AText,
                              bool WordWrap, TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) {
  if (AText.empty()) return false;
  Path.Clear();
  auto layout = MakeTextLayoutD2D(*FFont, ARect, AText, WordWrap, ATextAlign, AVTextAlign);
  if (!layout) return true;
  TzrTextRendering renderer;
  renderer.Canvas = this;
  layout->Draw(&Path, &renderer, 0, 0);
  return true;
}
