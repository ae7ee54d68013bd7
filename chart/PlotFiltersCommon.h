#pragma once
// Small helpers the filter files share.

#include <algorithm>
#include <cmath>

#include "chart/PlotFilter.h"

namespace plot_filters {

inline uint8_t Clamp255(int v) { return uint8_t(std::clamp(v, 0, 255)); }
inline uint8_t Clamp255(long long v) { return uint8_t(std::clamp<long long>(v, 0, 255)); }

// Round to the nearest integer, halves to even.
inline int N(double v) { return int(std::nearbyint(v)); }

// The area limited to the bitmap; false when nothing of it is inside. A
// region that starts beyond the bitmap must not reach past its rows.
inline bool ClipArea(TRect& R, TBitmap* Bitmap) {
  R.Left = std::max(0, R.Left);
  R.Top = std::max(0, R.Top);
  R.Right = std::min(Bitmap->GetWidth() - 1, R.Right);
  R.Bottom = std::min(Bitmap->GetHeight() - 1, R.Bottom);
  return R.Left <= R.Right && R.Top <= R.Bottom;
}

// Calls Fn for every pixel of the area, row by row, left to right.
template <class Pixel, class Fn>
void ForEachPixel(const std::vector<Pixel*>& Lines, const TRect& R, Fn fn) {
  for (int y = R.Top; y <= R.Bottom; ++y)
    for (int x = R.Left; x <= R.Right; ++x) fn(Lines[size_t(y)][x]);
}

}  // namespace plot_filters
