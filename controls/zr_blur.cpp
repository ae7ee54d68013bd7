// The stack blur. For a line v of n values the triangular sum
//   S(x) = sum over i of (r + 1 - |i|) * v(x + i)
// changes by In(x) - Out(x) from x to x + 1, where In(x) sums
// v(x + 1 .. x + r + 1) and Out(x) sums v(x - r .. x); both move by one
// value in and one out per step. Indices outside the line are clamped to its
// ends. The sums are 64-bit and no table depends on the radius, so any
// radius works on any bitmap size.

#include "controls/zr_blur.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "scene/zr_bitmap.h"

namespace {

// One channel line: Value(i) is the clamped value at index i.
struct TLine {
  const uint8_t* Data;
  int Count;
  int Step;
  int64_t Value(int64_t I) const {
    const int64_t k = std::clamp<int64_t>(I, 0, Count - 1);
    return Data[k * Step];
  }
};

// Sum of Line.Value(i) * weight over i = From .. To, where the weight falls
// by one per index from FirstWeight; the part beyond the last index is
// summed in closed form, so the cost is at most the line length.
int64_t RampSum(const TLine& Line, int64_t From, int64_t To, int64_t FirstWeight, int64_t Drop) {
  int64_t sum = 0;
  int64_t i = From;
  for (; i <= To && i < Line.Count - 1; ++i)
    sum += Line.Value(i) * (FirstWeight - Drop * (i - From));
  if (i > To) return sum;
  // The rest all read the last value: weights form an arithmetic series.
  const int64_t n = To - i + 1;
  const int64_t w0 = FirstWeight - Drop * (i - From);
  const int64_t wn = w0 - Drop * (n - 1);
  return sum + Line.Value(i) * (w0 + wn) * n / 2;
}

// Filters one line of Count values read with Step and writes the truncated
// results with OutStep.
void BlurLine(const TLine& Line, int64_t R, uint8_t* Out, int OutStep) {
  const int64_t div = (R + 1) * (R + 1);
  // S(0): the left half all reads index 0, weights 1 .. R + 1.
  int64_t sum = Line.Value(0) * (R + 1) * (R + 2) / 2 + RampSum(Line, 1, R, R, 1);
  int64_t out = Line.Value(0) * (R + 1);
  int64_t in = RampSum(Line, 1, R + 1, 1, 0);
  for (int x = 0; x < Line.Count; ++x) {
    Out[int64_t(x) * OutStep] = uint8_t(sum / div);
    sum += in - out;
    out += Line.Value(x + 1) - Line.Value(x - R);
    in += Line.Value(x + R + 2) - Line.Value(x + 1);
  }
}

}  // namespace

void Blur(TzrCanvas* Canvas, TzrBitmap* Bitmap, int Radius, bool UseAlpha) {
  (void)Canvas;
  (void)UseAlpha;
  if (Radius < 1 || !Bitmap || Bitmap->IsEmpty()) return;
  const int w = Bitmap->GetWidth(), h = Bitmap->GetHeight();
  const size_t count = size_t(w) * size_t(h);
  TzrColor* bits = Bitmap->GetStartLine();
  // Channel planes: blue, green, red, alpha.
  std::array<std::vector<uint8_t>, 4> source, rows;
  for (int c = 0; c < 4; ++c) {
    source[size_t(c)].resize(count);
    rows[size_t(c)].resize(count);
    for (size_t i = 0; i < count; ++i) source[size_t(c)][i] = uint8_t(bits[i] >> (8 * c));
  }
  for (int c = 0; c < 4; ++c)
    for (int y = 0; y < h; ++y) {
      const size_t start = size_t(y) * size_t(w);
      BlurLine({source[size_t(c)].data() + start, w, 1}, Radius, rows[size_t(c)].data() + start, 1);
    }
  for (int c = 0; c < 4; ++c)
    for (int x = 0; x < w; ++x)
      BlurLine({rows[size_t(c)].data() + x, h, w}, Radius, source[size_t(c)].data() + x, w);
  for (size_t i = 0; i < count; ++i)
    bits[i] = TzrColor(source[3][i]) << 24 | TzrColor(source[2][i]) << 16 |
              TzrColor(source[1][i]) << 8 | source[0][i];
  Bitmap->BitmapChanged();
}
