// Resampling of a bitmap into another's size with a windowed sinc (best
// quality) or a tent (best performance) kernel, in two passes.

#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/PlotPicture.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

double Sinc(double x) {
  if (x == 0) return 1;
  x *= kPi;
  return std::sin(x) / x;
}

double Lanczos3(double x) {
  x = std::fabs(x);
  return x < 3 ? Sinc(x) * Sinc(x / 3) : 0;
}

double Tent(double x) {
  x = std::fabs(x);
  return x < 1 ? 1 - x : 0;
}

struct Contributor {
  int Index;
  int Weight;  // in 1024ths
};
using Contributors = std::vector<std::vector<Contributor>>;

// For each destination index, the source indexes and weights.
Contributors Contribute(int SrcSize, int DstSize, TSmoothStretchOption Option) {
  double (*kernel)(double) = Option == ssBestQuality ? Lanczos3 : Tent;
  double support = Option == ssBestQuality ? 3 : 1;
  double scale = double(DstSize - 1) / double(SrcSize - 1);
  Contributors all(static_cast<size_t>(DstSize));
  for (int i = 0; i < DstSize; ++i) {
    double centre = i / scale, d = support / scale;
    for (int j = int(std::floor(centre - d)); j <= int(std::ceil(centre + d)); ++j) {
      double x = scale < 1 ? (centre - j) * scale : centre - j;
      double e = scale < 1 ? 1024 * scale : 1024;
      int weight = int(std::nearbyint(kernel(x) * e));
      if (weight == 0) continue;
      // Indexes outside the source are mirrored at its edges, and a small
      // source is kept inside by clamping what the mirror leaves outside.
      int k = j < 0 ? -j : j >= SrcSize ? 2 * SrcSize - 1 - j : j;
      k = std::clamp(std::abs(k), 0, SrcSize - 1);
      all[size_t(i)].push_back({k, weight});
    }
  }
  return all;
}

// The weighted sum over the weights' total, rounded down and clamped. The
// weights of one destination pixel do not add up to 1024 where the mirror
// folds them back at an edge or the kernel is cut short, so they are
// divided by their own total: a flat image stays flat.
uint8_t Clamp(long sum, long total) {
  if (total <= 0) total = 1024;
  long v = sum >= 0 ? sum / total : -((-sum + total - 1) / total);
  return uint8_t(std::clamp(v, 0L, 255L));
}

TRGB* Pixel(TBitmap* Bitmap, int X, int Y) {
  return reinterpret_cast<TRGB*>(Bitmap->GetScanLine(Y)) + X;
}

void Mix(const std::vector<Contributor>& List, TRGB* Out, TRGB* (*At)(void*, int), void* Ctx) {
  long b = 0, g = 0, r = 0, total = 0;
  for (const Contributor& c : List) {
    total += c.Weight;
    const TRGB* p = At(Ctx, c.Index);
    b += long(c.Weight) * p->Blue;
    g += long(c.Weight) * p->Green;
    r += long(c.Weight) * p->Red;
  }
  Out->Blue = Clamp(b, total);
  Out->Green = Clamp(g, total);
  Out->Red = Clamp(r, total);
}

struct RowAt {
  TBitmap* Bitmap;
  int Y;
};
struct ColumnAt {
  TBitmap* Bitmap;
  int X;
};

}  // namespace

void SmoothStretch(TBitmap* Source, TBitmap* Destination) {
  SmoothStretch(Source, Destination, ssBestQuality);
}

void SmoothStretch(TBitmap* Source, TBitmap* Destination, TSmoothStretchOption Option) {
  if (!Source || !Destination) return;
  int sw = Source->GetWidth(), sh = Source->GetHeight();
  int dw = Destination->GetWidth(), dh = Destination->GetHeight();
  if (sw <= 1 || sh <= 1 || dw <= 1 || dh <= 1) return;
  Source->SetPixelFormat(pf24bit);
  Destination->SetPixelFormat(pf24bit);
  TBitmap work;
  work.SetPixelFormat(pf24bit);
  work.SetSize(dw, sh);

  Contributors across = Contribute(sw, dw, Option);
  for (int y = 0; y < sh; ++y) {
    RowAt row{Source, y};
    for (int x = 0; x < dw; ++x)
      Mix(
          across[size_t(x)], Pixel(&work, x, y),
          [](void* c, int i) {
            auto* r = static_cast<RowAt*>(c);
            return Pixel(r->Bitmap, i, r->Y);
          },
          &row);
  }
  if (dh <= 2) return;
  Contributors down = Contribute(sh, dh, Option);
  for (int x = 0; x < dw; ++x) {
    ColumnAt column{&work, x};
    for (int y = 0; y < dh; ++y)
      Mix(
          down[size_t(y)], Pixel(Destination, x, y),
          [](void* c, int i) {
            auto* k = static_cast<ColumnAt*>(c);
            return Pixel(k->Bitmap, k->X, i);
          },
          &column);
  }
}
