// Text formats and layouts: metrics with trailing blanks, wrapping,
// alignment, and glyph runs handed to a renderer at their baselines.
#include <gtest/gtest.h>

#include "d2d_fixture.h"
#include "platform/d2d/DWrite.h"

namespace {

using namespace d2d_test;

std::shared_ptr<IDWriteTextLayout> Layout(
    const std::u16string& Text, FLOAT W, FLOAT H,
    DWRITE_WORD_WRAPPING Wrap = DWRITE_WORD_WRAPPING_NO_WRAP) {
  IDWriteFactory f;
  auto format =
      f.CreateTextFormat("Tahoma", nullptr, DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_NORMAL,
                         DWRITE_FONT_STRETCH_NORMAL, 16, "en-us");
  auto layout = f.CreateTextLayout(Text.c_str(), UINT32(Text.size()), format.get(), W, H);
  layout->SetWordWrapping(Wrap);
  return layout;
}

TEST(D2DText, MetricsCountTrailingBlanksOnlyInTheWiderWidth) {
  DWRITE_TEXT_METRICS plain, blank;
  Layout(u"Motor", 0, 0)->GetMetrics(&plain);
  Layout(u"Motor ", 0, 0)->GetMetrics(&blank);
  EXPECT_GT(plain.widthIncludingTrailingWhitespace, 20);
  EXPECT_GT(blank.widthIncludingTrailingWhitespace, plain.widthIncludingTrailingWhitespace + 2);
  EXPECT_NEAR(blank.width, plain.width, 0.5);
  EXPECT_GT(plain.height, 12);
}

TEST(D2DText, WrappingBreaksLinesAndAlignmentMovesTheBox) {
  DWRITE_TEXT_METRICS one, wrapped, far;
  Layout(u"speed controller setting", 60, 200)->GetMetrics(&one);
  Layout(u"speed controller setting", 60, 200, DWRITE_WORD_WRAPPING_WRAP)->GetMetrics(&wrapped);
  EXPECT_EQ(one.lineCount, 1u);
  EXPECT_GE(wrapped.lineCount, 3u);
  auto layout = Layout(u"ab", 200, 100);
  layout->SetTextAlignment(DWRITE_TEXT_ALIGNMENT_TRAILING);
  layout->SetParagraphAlignment(DWRITE_PARAGRAPH_ALIGNMENT_FAR);
  layout->GetMetrics(&far);
  EXPECT_NEAR(far.left + far.widthIncludingTrailingWhitespace, 200, 0.5);
  EXPECT_NEAR(far.top + far.height, 100, 0.5);
}

// Counts the runs and figures it is given, with their baselines.
class TCountingRenderer : public IDWriteTextRenderer {
 public:
  std::vector<FLOAT> Baselines;
  int Figures = 0;
  HRESULT IsPixelSnappingDisabled(void*, BOOL*) override { return S_OK; }
  HRESULT GetCurrentTransform(void*, D2D1_MATRIX_3X2_F*) override { return S_OK; }
  HRESULT GetPixelsPerDip(void*, FLOAT*) override { return S_OK; }
  HRESULT DrawGlyphRun(void*, FLOAT, FLOAT y, DWRITE_MEASURING_MODE, const DWRITE_GLYPH_RUN* run,
                       const DWRITE_GLYPH_RUN_DESCRIPTION*, void*) override {
    Baselines.push_back(y);
    TRecordingSink sink;
    run->fontFace->GetGlyphRunOutline(run->fontEmSize, run->glyphIndices, run->glyphAdvances,
                                      run->glyphOffsets, run->glyphCount, 0, 0, &sink);
    for (const auto& s : sink.Steps) Figures += s[0] == 'M';
    return S_OK;
  }
  HRESULT DrawUnderline(void*, FLOAT, FLOAT, const DWRITE_UNDERLINE*, void*) override {
    return S_OK;
  }
  HRESULT DrawStrikethrough(void*, FLOAT, FLOAT, const DWRITE_STRIKETHROUGH*, void*) override {
    return S_OK;
  }
  HRESULT DrawInlineObject(void*, FLOAT, FLOAT, void*, BOOL, BOOL, void*) override { return S_OK; }
};

TEST(D2DText, DrawHandsEveryLineToTheRendererAtItsBaseline) {
  TCountingRenderer r;
  Layout(u"I\nI", 100, 100)->Draw(nullptr, &r, 0, 10);
  ASSERT_EQ(r.Baselines.size(), 2u);
  EXPECT_GT(r.Baselines[0], 10);
  EXPECT_GT(r.Baselines[1], r.Baselines[0] + 12);
  EXPECT_EQ(r.Figures, 2);  // one closed outline per "I"
}

}  // namespace
