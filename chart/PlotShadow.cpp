#include "chart/PlotShadow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/Gdi.h"
#include "platform/rtl/RttiDecl.h"

namespace {
const TEnumInfo& DirectionInfo() {
  static const TEnumInfo info("TShadowDirection",
                              {"sdLeftTop", "sdLeftBottom", "sdRightTop", "sdRightBottom",
                               "sdCenter"});
  return info;
}
}  // namespace

const TClassInfo* TPlotShadow::Class() {
  using S = TPlotShadow;
  static const TClassInfo* info =
      TClassDecl<S>("TPlotShadow", TPersistent::Class())
          .Prop("Clip", &S::GetClip, &S::SetClip)
          .Default(0)
          .Prop("Color", &S::GetColor, &S::SetColor)
          .Stored(&S::IsColorStored)
          .Enum("Direction", &S::GetDirection, &S::SetDirection, DirectionInfo())
          .Default(sdRightBottom)
          .Prop("HorizSize", &S::GetHorizSize, &S::SetHorizSize)
          .Stored(&S::IsHorizStored)
          .Prop("Smooth", &S::GetSmooth, &S::SetSmooth)
          .Default(1)
          .Prop("SmoothBlur", &S::GetSmoothBlur, &S::SetSmoothBlur)
          .Default(0)
          .Prop("Transparency", &S::GetTransparency, &S::SetTransparency)
          .Default(50)
          .Prop("VertSize", &S::GetVertSize, &S::SetVertSize)
          .Stored(&S::IsVertStored)
          .Prop("Visible", &S::GetVisible, &S::SetVisible)
          .Stored(&S::IsVisibleStored);
  return info;
}

TPlotShadow::TPlotShadow(TNotifyEvent OnChange) : IOnChange(std::move(OnChange)) {
  InitValues(true, clSilver, 0);
}

void TPlotShadow::InitValues(bool AVisible, TColor AColor, int ASize) {
  FVisible = DefaultVisible = AVisible;
  FColor = DefaultColor = AColor;
  FHorizSize = FVertSize = DefaultSize = ASize;
}

void TPlotShadow::Changed() {
  if (IOnChange) IOnChange(this);
}

template <class T>
void TPlotShadow::Store(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TPlotShadow::SetClip(bool Value) { Store(FClip, Value); }
void TPlotShadow::SetColor(TColor Value) { Store(FColor, Value); }
void TPlotShadow::SetDirection(TShadowDirection Value) { Store(FDirection, Value); }
void TPlotShadow::SetHorizSize(int Value) { Store(FHorizSize, Value); }
void TPlotShadow::SetSmooth(bool Value) { Store(FSmooth, Value); }
void TPlotShadow::SetSmoothBlur(int Value) { Store(FSmoothBlur, Value); }
void TPlotShadow::SetTransparency(int Value) { Store(FTransparency, TPlotTransparency(Value)); }
void TPlotShadow::SetVertSize(int Value) { Store(FVertSize, Value); }
void TPlotShadow::SetVisible(bool Value) { Store(FVisible, Value); }

int TPlotShadow::GetSize() const { return std::max(std::abs(FHorizSize), std::abs(FVertSize)); }

void TPlotShadow::SetSize(int Value) {
  SetHorizSize(Value);
  SetVertSize(Value);
}

void TPlotShadow::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPlotShadow*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FColor = s->FColor;
  FDirection = s->FDirection;
  FHorizSize = s->FHorizSize;
  FSmooth = s->FSmooth;
  FSmoothBlur = s->FSmoothBlur;
  FTransparency = s->FTransparency;
  FVertSize = s->FVertSize;
  FVisible = s->FVisible;
}

TRect TPlotShadow::OffsetRectangle(const TRect& R) const {
  if (FDirection == sdCenter) {
    int h = std::abs(FHorizSize), v = std::abs(FVertSize);
    return TRect{R.Left - h, R.Top - v, R.Right + h, R.Bottom + v};
  }
  bool left = FDirection == sdLeftTop || FDirection == sdLeftBottom;
  bool top = FDirection == sdLeftTop || FDirection == sdRightTop;
  int dx = left ? -FHorizSize : FHorizSize;
  int dy = top ? -FVertSize : FVertSize;
  return TRect{R.Left + dx, R.Top + dy, R.Right + dx, R.Bottom + dy};
}

void TPlotShadow::RectToFourPoints(const TRect& R, double Angle, TFourPoints& P) {
  TPoint c = RectCenter(R);
  double a = Angle * PlotPiStep;
  double s = std::sin(a), co = std::cos(a);
  const TPoint corners[4] = {{R.Left, R.Top}, {R.Right, R.Top}, {R.Right, R.Bottom},
                             {R.Left, R.Bottom}};
  for (int i = 0; i < 4; ++i) {
    double x = corners[i].X - c.X, y = corners[i].Y - c.Y;
    P[i] = TPoint{int(std::lround(x * co + y * s)) + c.X, int(std::lround(-x * s + y * co)) + c.Y};
  }
}

const TClassInfo* TPlotEmboss::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotEmboss>("TPlotEmboss", TPlotShadow::Class())
          .Enum("Direction", &TPlotEmboss::GetDirection, &TPlotEmboss::SetDirection,
                DirectionInfo())
          .Default(sdLeftTop);
  return info;
}

TPlotEmboss::TPlotEmboss(TNotifyEvent OnChange) : TPlotShadow(std::move(OnChange)) {
  FVisible = DefaultVisible = false;
  FDirection = sdLeftTop;
}

// ---------------- smooth shadow ----------------

std::vector<int> PlotShadowKernel(int Radius, float Alpha) {
  const int kMaxRadius = (16384 - 1) / 2;
  float base = (Alpha + 180) * 0.01f;
  if (base <= 0 || Radius <= 0) return {100000};
  Radius = std::min(Radius, kMaxRadius);
  std::vector<int> k(size_t(2 * Radius + 1));
  k[size_t(Radius)] = 100000;
  for (int i = 0; i < Radius; ++i) {
    float e = -float((i - Radius) * (i - Radius)) / float(Radius);
    int w = int(std::lround(100000.0f * std::pow(base, e)));
    k[size_t(i)] = k[size_t(2 * Radius - i)] = w;
  }
  return k;
}

namespace {

// Row pointers of a 24- or 32-bit bitmap as the device reports it.
struct TPixelRows {
  std::vector<uint8_t*> Rows;
  int Bytes = 3;
  uint8_t* At(int X, int Y) const { return Rows[size_t(Y)] + X * Bytes; }
};

TPixelRows RowsOf(TBitmap* B) {
  TPixelRows r;
  r.Bytes = PlotBitsperPixel(B->GetCanvas()->GetHandle()) == 32 ? 4 : 3;
  if (r.Bytes == 4) {
    TRGBAArray lines;
    PlotCalcLines(lines, B);
    for (TRGBA* l : lines) r.Rows.push_back(reinterpret_cast<uint8_t*>(l));
  } else {
    TRGBArray lines;
    PlotCalcLines(lines, B);
    for (TRGB* l : lines) r.Rows.push_back(reinterpret_cast<uint8_t*>(l));
  }
  return r;
}

// Asks the canvas's clip region; a canvas without one shows everything.
class TClipTest {
 public:
  TClipTest(TCanvas* Canvas, bool Active) {
    if (!Active || !Canvas) return;
    FRegion = gdi::CreateRectRgn(0, 0, 0, 0);
    if (gdi::GetClipRgn(Canvas->GetHandle(), FRegion) != 1) {
      gdi::DeleteObject(FRegion);
      FRegion = nullptr;
    }
  }
  ~TClipTest() {
    if (FRegion) gdi::DeleteObject(FRegion);
  }
  TClipTest(const TClipTest&) = delete;
  TClipTest& operator=(const TClipTest&) = delete;
  bool Visible(int X, int Y) const { return !FRegion || gdi::PtInRegion(FRegion, X, Y); }

 private:
  gdi::HRGN FRegion = nullptr;
};

}  // namespace

void PlotShadowSmooth(TBitmap* Mask, TBitmap* Background, int Left, int Top, int Width,
                      int Height, int Radius, float Alpha, TCanvas* Canvas, bool AClip) {
  std::vector<int> k = PlotShadowKernel(Radius, Alpha);
  const int B = int(k.size() / 2);
  TPixelRows m = RowsOf(Mask);
  Width = std::min(Width, Mask->GetWidth());
  Height = std::min(Height, Mask->GetHeight());
  TPixelRows bg;
  int c0 = 0, c1 = Width, r0 = 0, r1 = Height;
  if (Background) {
    bg = RowsOf(Background);
    c0 = std::max(0, -Left);
    c1 = std::min(Width, Background->GetWidth() - Left);
    r0 = std::max(0, -Top);
    r1 = std::min(Height, Background->GetHeight() - Top);
  }
  if (c0 >= c1 || r0 >= r1) return;

  // Horizontal pass into a black 3-byte image.
  std::vector<uint8_t> mid(size_t(Width) * size_t(Height) * 3, 0);
  for (int r = r0; r < r1; ++r)
    for (int c = c0; c < c1; ++c) {
      int64_t sum[3] = {0, 0, 0}, weights = 0;
      for (int i = std::max(c - B, 0), j = std::max(B - c, 0); j <= 2 * B && i < Width; ++i, ++j) {
        const uint8_t* p = m.At(i, r);
        for (int ch = 0; ch < 3; ++ch) sum[ch] += int64_t(k[size_t(j)]) * p[ch];
        weights += k[size_t(j)];
      }
      if (weights == 0) continue;
      uint8_t* q = &mid[(size_t(r) * size_t(Width) + size_t(c)) * 3];
      for (int ch = 0; ch < 3; ++ch) q[ch] = uint8_t(sum[ch] / weights);
    }

  // Vertical pass and the result.
  TClipTest clip(Canvas, AClip);
  for (int c = c0; c < c1; ++c)
    for (int r = r0; r < r1; ++r) {
      if (!clip.Visible(c + Left, r + Top)) continue;
      int64_t sum[3] = {0, 0, 0}, weights = 0;
      for (int y = std::max(r - B, r0); y <= std::min(r + B, r1 - 1); ++y) {
        int w = k[size_t(y - r + B)];
        const uint8_t* q = &mid[(size_t(y) * size_t(Width) + size_t(c)) * 3];
        for (int ch = 0; ch < 3; ++ch) sum[ch] += int64_t(w) * q[ch];
        weights += w;
      }
      if (weights == 0) continue;
      if (Background) {
        uint8_t* p = bg.At(c + Left, r + Top);
        for (int ch = 0; ch < 3; ++ch)
          p[ch] = uint8_t(std::lround(double(p[ch]) * double(sum[ch]) / (255.0 * double(weights))));
      } else {
        uint8_t* p = m.At(c, r);
        for (int ch = 0; ch < 3; ++ch) p[ch] = uint8_t(std::lround(double(sum[ch]) / double(weights)));
      }
    }
}
