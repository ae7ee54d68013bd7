// Editing the memo's text model holding 1 MB of text, with widths measured
// by the canvas in the memo's way, each timed against measuring the edited
// line with the canvas in the same run (the counter "measures": the edit's
// time in line measurements). Edits re-break only the edited paragraph and
// shift the later line begins arithmetically, so the counter stays small
// whatever the size of the text:
// - typing one character in the middle, word wrap off and on;
// - inserting a message line at index 0 of Lines (the message area's road).
//
// And the memo control in an off-screen scene, as the user meets it, a 10 KB
// and a 1 MB memo side by side in the same run (their steps interleaved):
// - a key press typing a character in the middle of the text, with the
//   repaint that follows, word wrap off and on;
// - Backspace at the end of the widest line (word wrap off), with the
//   repaint.
// Each reports the time per step at both sizes and "ratio", the 1 MB time
// over the 10 KB time, beside its "goal" (the time must not grow with the
// size of the text).
#include <benchmark/benchmark.h>
#include <glib.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

#include "canvas/zr_canvas_gdiplus.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_memo.h"
#include "controls/zr_memo_lines.h"
#include "controls/zr_memo_text.h"
#include "controls/zr_objects.h"
#include "scene/zr_brush.h"
#include "scene/zr_font.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"

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

// ---------------------------------------------------------------- the control

using Clock = std::chrono::steady_clock;
constexpr int kSceneWidth = 520, kSceneHeight = 420;
constexpr double kGoal = 1.5;

void Pump() {
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
}

// Paragraphs of several lengths, so that with word wrap some take one
// display line and others three or four.
std::u16string Paragraphs(size_t Size) {
  const std::u16string words[] = {
      kLine,
      u"Governor gain, P 0.42, I 0.08, D 0.00, timing advance 15 deg, demag compensation "
      u"medium, motor direction normal, startup power 1.25, brake on stop off, beacon "
      u"delay 3 min, low-voltage protection 3.2 V per cell, temperature limit 120 C",
      u"Status ok",
      u"Throttle calibration: min 1040 us, max 1960 us, mid 1500 us, deadband 8 us, "
      u"ramp 25%/s",
  };
  std::u16string text;
  for (size_t i = 0; text.size() < Size; ++i) text += words[i % 4] + u"\r\n";
  return text;
}

// A styled memo in its own off-screen scene holding Text, focused, with the
// caret on line Line (scrolled into view) at position Pos.
struct TSceneMemo {
  TzoRurev Scene{nullptr};
  TzrMemo* Memo = nullptr;
  TSceneMemo(const std::u16string& Text, bool Wrap) {
    InitializeCanvasGdiPlus();
    InitializeScene();
    RegisterShapes();
    RegisterEffectClasses();
    RegisterStandardControls();
    Scene.CreateEmbedded(kSceneWidth, kSceneHeight, [](TObject*) {});
    auto* root = new TzrVisualObject(&Scene);
    Scene.AddObject(root);
    root->SetBounds(0, 0, kSceneWidth, kSceneHeight);
    Memo = new TzrMemo(&Scene);
    Memo->SetBounds(10, 10, kSceneWidth - 20, kSceneHeight - 20);
    Memo->SetAnimated(false);
    Memo->SetParent(root);
    Memo->SetWordWrap(Wrap);
    // The memo takes its style, and with it its canvas, at the first paint.
    Scene.UpdateBuffer();
    Pump();
    Memo->SetText(Text);
    Memo->SetAutoSelect(false);
    Memo->SetFocus();
    Scene.UpdateBuffer();
    Pump();
  }
  void Caret(const TCaretPosition& P) {
    Memo->SetCaretPosition(P);
    Scene.Draw();
    Pump();
  }
  // Seconds for one key (KeyChar typed when Key is 0) and the repaint.
  double Key(uint16_t Key, char16_t KeyChar) {
    const auto start = Clock::now();
    Memo->KeyDown(Key, KeyChar, 0);
    Scene.Draw();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    Pump();
    return seconds;
  }
};

constexpr uint16_t kBackspace = 8;

void Report(benchmark::State& state, double Small, double Large) {
  const double n = double(state.iterations());
  state.counters["ms_10KB"] = Small / n * 1e3;
  state.counters["ms_1MB"] = Large / n * 1e3;
  state.counters["ratio"] = Large / Small;
  state.counters["goal"] = kGoal;
}

// Types a character in the middle of the text and takes it back with
// Backspace (untimed), so both memos keep their size.
void BM_MemoKeyPress(benchmark::State& state) {
  const bool wrap = state.range(0) != 0;
  TSceneMemo small(Paragraphs(10 << 10), wrap), large(Paragraphs(kTextSize), wrap);
  for (TSceneMemo* m : {&small, &large}) m->Caret({m->Memo->GetLineCount() / 2, 12});
  double timeSmall = 0, timeLarge = 0;
  for (auto _ : state) {
    timeSmall += small.Key(0, u'x');
    timeLarge += large.Key(0, u'x');
    small.Key(kBackspace, 0);
    large.Key(kBackspace, 0);
  }
  Report(state, timeSmall, timeLarge);
  state.counters["lines_1MB"] = large.Memo->GetLineCount();
}
BENCHMARK(BM_MemoKeyPress)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A text whose widest line, in the middle, is one character wider than any
// other: Backspace at its end makes another line the widest.
std::u16string WithWidestLine(size_t Size, int& Line) {
  std::u16string text = Paragraphs(Size / 2);
  Line = 0;
  for (char16_t c : text) Line += c == u'\n';
  text += std::u16string(400, u'w') + u"\r\n" + Paragraphs(Size / 2);
  return text;
}

// Backspace at the end of the widest line; the character comes back by an
// untimed key press.
void BM_MemoBackspaceWidestLine(benchmark::State& state) {
  int lineSmall = 0, lineLarge = 0;
  const std::u16string textSmall = WithWidestLine(10 << 10, lineSmall);
  const std::u16string textLarge = WithWidestLine(kTextSize, lineLarge);
  TSceneMemo small(textSmall, false), large(textLarge, false);
  small.Caret({lineSmall, 400});
  large.Caret({lineLarge, 400});
  double timeSmall = 0, timeLarge = 0;
  for (auto _ : state) {
    timeSmall += small.Key(kBackspace, 0);
    timeLarge += large.Key(kBackspace, 0);
    small.Key(0, u'w');
    large.Key(0, u'w');
  }
  Report(state, timeSmall, timeLarge);
  state.counters["widest_1MB"] = large.Memo->GetWidesLineIndex();
}
BENCHMARK(BM_MemoBackspaceWidestLine)->Unit(benchmark::kMillisecond);

}  // namespace
