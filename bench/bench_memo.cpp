// Editing the memo's text model holding 1 MB of text, with widths measured
// by the canvas in the memo's way, each timed against measuring the edited
// line with the canvas in the same run (the counter "measures": the edit's
// time in line measurements). Edits re-break only the edited paragraph and
// shift the later line begins arithmetically, so the counter stays small
// whatever the size of the text:
// - typing one character in the middle, word wrap off and on;
// - inserting a message line at index 0 of Lines (the message area's road).
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "canvas/zr_canvas_gdiplus.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_memo_lines.h"
#include "controls/zr_memo_text.h"
#include "scene/zr_font.h"

namespace {

constexpr size_t kTextSize = 1 << 20;
const std::u16string kLine = u"Channel 3: throttle 1520 us, governor 48.5%, temp 41 C ok";

// The text model measuring with a canvas in an 11-unit Tahoma, in a
// 400-unit wide content.
class TCanvasMemoText : public TzrMemoText {
 public:
  TCanvasMemoText() : Canvas(16, 16) { Canvas.GetFont()->SetSize(11); }
  float Width(const std::u16string& S) { return MeasureText(S); }
  TzrCanvasGdiPlus Canvas;
  TzrMemoLines Lines{this};

 protected:
  float MeasureText(const std::u16string& S) override {
    if (S.empty()) return 0;
    TzrRect r{0, 0, 10000, 10000};
    Canvas.MeasureText(r, r, S, false, zrTextAlignNear, zrTextAlignNear);
    return r.Right - r.Left;
  }
  float TextContentWidth() override { return 400; }
  bool CanMeasure() override { return true; }
};

std::u16string Megabyte() {
  std::u16string text;
  while (text.size() < kTextSize) text += kLine + u"\r\n";
  return text;
}

// Seconds for one canvas measurement of the line.
double MeasureSeconds(TCanvasMemoText& M, int Line) {
  const std::u16string text = M.GetLine(Line);
  constexpr int kMeasures = 200;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kMeasures; ++i) benchmark::DoNotOptimize(M.Width(text));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
         kMeasures;
}

void BM_TypeInTheMiddle(benchmark::State& state) {
  InitializeCanvasGdiPlus();
  TCanvasMemoText memo;
  memo.SetWordWrap(state.range(0) != 0);
  memo.SetText(Megabyte());
  int line = memo.GetLineCount() / 2;
  const double measure = MeasureSeconds(memo, line);
  TCaretPosition at{line, 10};
  double typed = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    memo.InsertAfter(at, u"x", ioMoveCaret | ioCanUndo);
    typed += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    at = memo.GetPositionShift(at, 1);
    if (at.Pos > 200) at = {line += 3, 10};  // keep the line a usual length
  }
  state.counters["measures"] = typed / double(state.iterations()) / measure;
}
BENCHMARK(BM_TypeInTheMiddle)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_InsertMessageAtTop(benchmark::State& state) {
  InitializeCanvasGdiPlus();
  TCanvasMemoText memo;
  memo.SetText(Megabyte());
  const double measure = MeasureSeconds(memo, 0);
  double inserted = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    memo.Lines.Insert(0, kLine);
    memo.GoToTextBegin();
    inserted += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["measures"] = inserted / double(state.iterations()) / measure;
}
BENCHMARK(BM_InsertMessageAtTop)->Unit(benchmark::kMicrosecond);

}  // namespace
