// Filters that work on the area as a whole: mosaic, flip, reverse, bevel,
// equalize, Sobel edges and the sharpen, emboss and soften kernels.

#include <vector>

#include "chart/PlotConst.h"
#include "chart/PlotFilters.h"
#include "chart/PlotFiltersCommon.h"
#include "platform/rtl/RttiDecl.h"

using plot_filters::Clamp255;
using plot_filters::ClipArea;
using plot_filters::N;

// ---------------- mosaic ----------------

const TClassInfo* TMosaicFilter::Class() {
  using F = TMosaicFilter;
  static const TClassInfo* info = TClassDecl<F>("TMosaicFilter", TAmountFilter::Class())
                                      .Prop("Percent", &F::GetPercent, &F::SetPercent)
                                      .Default(0)
                                      .Prop("Amount", &F::GetAmount, &F::SetAmount)
                                      .Default(8);
  return info;
}

TMosaicFilter::TMosaicFilter(TCollection* ACollection) : TAmountFilter(ACollection) {
  FAmount = 8;
  FPercent = false;
  IOnlyPositive = true;
}

namespace {

// Block starts along one direction: full blocks of s while the start is
// below End - s, then one block up to End (inclusive).
std::vector<std::pair<int, int>> Blocks(int Start, int End, int s) {
  std::vector<std::pair<int, int>> blocks;
  int at = Start;
  for (; at < End - s; at += s) blocks.emplace_back(at, at + s - 1);
  blocks.emplace_back(at, End);
  return blocks;
}

void MeanOfBlock(const TRGBArray& Lines, int x0, int y0, int x1, int y1) {
  int sum[3] = {0, 0, 0};
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const TRGB& p = Lines[size_t(y)][x];
      sum[0] += p.Blue;
      sum[1] += p.Green;
      sum[2] += p.Red;
    }
  const float k = 1.0f / float((x1 - x0 + 1) * (y1 - y0 + 1));
  const TRGB mean{Clamp255(N(float(sum[0]) * k)), Clamp255(N(float(sum[1]) * k)),
                  Clamp255(N(float(sum[2]) * k))};
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) Lines[size_t(y)][x] = mean;
}

}  // namespace

void TMosaicFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  if (FAmount < 1) return;
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  int s = FAmount;
  if (FPercent) s = std::max(1, N(std::min(a.Right - a.Left, a.Bottom - a.Top) * FAmount * 0.01));
  for (auto [y0, y1] : Blocks(a.Top, a.Bottom, s))
    for (auto [x0, x1] : Blocks(a.Left, a.Right, s)) MeanOfBlock(Lines, x0, y0, x1, y1);
}

std::string TMosaicFilter::Description() { return PlotMsg_Mosaic; }

// ---------------- flip and reverse ----------------

const TClassInfo* TFlipFilter::Class() {
  static const TClassInfo* info = TClassDecl<TFlipFilter>("TFlipFilter", TPlotFilter::Class());
  return info;
}

TFlipFilter::TFlipFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TFlipFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  for (int y = a.Top; y < a.Top + a.Bottom - y; ++y) {
    TRGB* upper = Lines[size_t(y)];
    TRGB* lower = Lines[size_t(a.Top + a.Bottom - y)];
    for (int x = a.Left; x <= a.Right; ++x) std::swap(upper[x], lower[x]);
  }
}

std::string TFlipFilter::Description() { return PlotMsg_Flip; }

const TClassInfo* TReverseFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TReverseFilter>("TReverseFilter", TPlotFilter::Class());
  return info;
}

TReverseFilter::TReverseFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TReverseFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  for (int y = a.Top; y <= a.Bottom; ++y) {
    TRGB* row = Lines[size_t(y)];
    for (int x = a.Left; x < a.Left + a.Right - x; ++x)
      std::swap(row[x], row[a.Left + a.Right - x]);
  }
}

std::string TReverseFilter::Description() { return PlotMsg_Reverse; }

// ---------------- bevel ----------------

const TClassInfo* TBevelFilter::Class() {
  using F = TBevelFilter;
  static const TClassInfo* info = TClassDecl<F>("TBevelFilter", TPlotFilter::Class())
                                      .Prop("Bright", &F::GetBright, &F::SetBright)
                                      .Default(64)
                                      .Prop("Size", &F::GetSize, &F::SetSize)
                                      .Default(15);
  return info;
}

TBevelFilter::TBevelFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TBevelFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TBevelFilter*>(Source)) {
    FBright = source->FBright;
    FSize = source->FSize;
  }
  TPlotFilter::Assign(Source);
}

void TBevelFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  const int halfW = (a.Right - a.Left) / 2, halfH = (a.Bottom - a.Top) / 2;
  auto shift = [](TRGB& p, int d) {
    p.Blue = Clamp255(p.Blue + d);
    p.Green = Clamp255(p.Green + d);
    p.Red = Clamp255(p.Red + d);
  };
  for (int k = 0; k < FSize; ++k) {
    if (k < halfH)
      for (int x = a.Left + k; x <= a.Right - k; ++x) {
        shift(Lines[size_t(a.Top + k)][x], FBright);
        shift(Lines[size_t(a.Bottom - k)][x], -FBright);
      }
    if (k < halfW)
      for (int y = a.Top + k + 1; y <= a.Bottom - k; ++y) {
        shift(Lines[size_t(y)][a.Left + k], FBright);
        shift(Lines[size_t(y)][a.Right - k], -FBright);
      }
  }
}

void TBevelFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  Creator->AddScroll("Bright", 1, 255);
  Creator->AddScroll("Size", 1, 1000);
}

std::string TBevelFilter::Description() { return PlotMsg_Bevel; }

// ---------------- equalize ----------------

const TClassInfo* TEqualizeFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TEqualizeFilter>("TEqualizeFilter", TPlotFilter::Class());
  return info;
}

TEqualizeFilter::TEqualizeFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TEqualizeFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  auto channel = [](TRGB& p, int c) -> uint8_t& {
    return c == 0 ? p.Blue : c == 1 ? p.Green : p.Red;
  };
  int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
  for (int y = a.Top + 1; y <= a.Bottom - 1; ++y)
    for (int x = a.Left + 1; x <= a.Right - 1; ++x)
      for (int c = 0; c < 3; ++c) {
        const int v = channel(Lines[size_t(y)][x], c);
        lo[c] = std::min(lo[c], v);
        hi[c] = std::max(hi[c], v);
      }
  if (lo[0] == 0 && lo[1] == 0 && lo[2] == 0 && hi[0] == 255 && hi[1] == 255 && hi[2] == 255)
    return;
  float factor[3];
  for (int c = 0; c < 3; ++c) factor[c] = hi[c] == lo[c] ? 0.0f : 255.0f / float(hi[c] - lo[c]);
  for (int y = a.Top + 1; y <= a.Bottom - 1; ++y)
    for (int x = a.Left + 1; x <= a.Right - 1; ++x)
      for (int c = 0; c < 3; ++c) {
        uint8_t& v = channel(Lines[size_t(y)][x], c);
        v = Clamp255(N(float(v - lo[c]) * factor[c]));
      }
}

std::string TEqualizeFilter::Description() { return PlotMsg_Equalize; }

// ---------------- Sobel ----------------

const TClassInfo* TSobelFilter::Class() {
  static const TClassInfo* info = TClassDecl<TSobelFilter>("TSobelFilter", TPlotFilter::Class());
  return info;
}

TSobelFilter::TSobelFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TSobelFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  const int w = a.Right - a.Left + 1, h = a.Bottom - a.Top + 1;
  std::vector<uint8_t> grey(size_t(w) * size_t(h), 0);
  auto g = [&](int y, int x) -> uint8_t& {
    return grey[size_t(y - a.Top) * size_t(w) + size_t(x - a.Left)];
  };
  for (int y = a.Top + 1; y <= a.Bottom - 1; ++y)
    for (int x = a.Left + 1; x <= a.Right - 1; ++x) {
      const TRGB& p = Lines[size_t(y)][x];
      g(y, x) = uint8_t((p.Blue + p.Green + p.Red) / 3);
    }
  for (int y = a.Top + 1; y <= a.Bottom - 1; ++y)
    for (int x = a.Left + 1; x <= a.Right - 1; ++x) {
      const int gx = g(y - 1, x - 1) + 2 * g(y, x - 1) + g(y + 1, x - 1) - g(y - 1, x + 1) -
                     2 * g(y, x + 1) - g(y + 1, x + 1);
      const int gy = g(y - 1, x - 1) + 2 * g(y - 1, x) + g(y - 1, x + 1) - g(y + 1, x - 1) -
                     2 * g(y + 1, x) - g(y + 1, x + 1);
      const uint8_t v = uint8_t(std::min(255, std::abs(gx) + std::abs(gy)));
      TRGB& p = Lines[size_t(y)][x];
      p.Blue = p.Green = p.Red = v;
    }
}

std::string TSobelFilter::Description() { return PlotMsg_Sobel; }

// ---------------- kernels ----------------

const TClassInfo* TSharpenFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TSharpenFilter>("TSharpenFilter", TConvolveFilter::Class());
  return info;
}

TSharpenFilter::TSharpenFilter(TCollection* ACollection) : TConvolveFilter(ACollection) {}

void TSharpenFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  Weights.fill(-0.125f);
  Weights[4] = 2;
  TConvolveFilter::Apply(Bitmap, R);
}

std::string TSharpenFilter::Description() { return PlotMsg_Sharpen; }

const TClassInfo* TEmbossFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TEmbossFilter>("TEmbossFilter", TConvolveFilter::Class());
  return info;
}

TEmbossFilter::TEmbossFilter(TCollection* ACollection) : TConvolveFilter(ACollection) {}

void TEmbossFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  Weights = {0, -1, 0, -1, 1, 1, 0, -1, 0};
  TConvolveFilter::Apply(Bitmap, R);
}

std::string TEmbossFilter::Description() { return PlotMsg_Emboss; }

const TClassInfo* TSoftenFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TSoftenFilter>("TSoftenFilter", TConvolveFilter::Class());
  return info;
}

TSoftenFilter::TSoftenFilter(TCollection* ACollection) : TConvolveFilter(ACollection) {}

void TSoftenFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  Weights = {0, 0, 0, 0, 1, 1, 0, 1, 1};
  TConvolveFilter::Apply(Bitmap, R);
}

std::string TSoftenFilter::Description() { return PlotMsg_AntiAlias; }
