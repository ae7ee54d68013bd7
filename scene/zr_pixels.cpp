#include "scene/zr_pixels.h"

#include <algorithm>
#include <cstring>

void zrMoveLongword(const uint32_t* Src, uint32_t* Dst, int Count) {
  if (Count <= 0) return;
  std::memmove(Dst, Src, static_cast<size_t>(Count) * sizeof(uint32_t));
}

void zrFillLongword(uint32_t* Dst, int Count, uint32_t Value) {
  if (Count <= 0) return;
  std::fill_n(Dst, Count, Value);
}

void zrFillAlpha(uint32_t* Dst, int Count, uint8_t Alpha) {
  for (int I = 0; I < Count; ++I) Dst[I] = (Dst[I] & 0x00FFFFFFu) | (uint32_t(Alpha) << 24);
}

// Clipping every edge (not only the right and bottom ones) keeps a rectangle
// that reaches outside the buffer from writing outside it.
void zrFillLongwordRect(uint32_t* Dst, int Width, int Height, int X1, int Y1, int X2, int Y2,
                        uint32_t Value) {
  X1 = std::max(X1, 0);
  Y1 = std::max(Y1, 0);
  X2 = std::min(X2, Width);
  Y2 = std::min(Y2, Height);
  if (Y1 >= Y2 || X1 >= X2) return;
  for (int Y = Y1; Y < Y2; ++Y) {
    std::fill_n(Dst + static_cast<size_t>(Y) * Width + X1, X2 - X1, Value);
  }
}

void zrReverseBytes(uint16_t* P, int Count) {
  if (Count <= 1) return;
  std::reverse(P, P + Count);
}
