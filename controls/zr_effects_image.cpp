// The effects that replace or mirror the node's picture: blur, bevel and
// reflection.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "controls/zr_blur.h"
#include "controls/zr_effects.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_colors.h"

namespace {

TzrRect Inflated(TzrRect R, float Margin) {
  zrInflateRect(R, Margin, Margin);
  return R;
}

TzrColor WithAlpha(TzrColor Color, uint32_t Alpha) { return (Color & 0x00FFFFFFu) | Alpha << 24; }

}  // namespace

// ---------------------------------------------------------------- blur

TzrBlurEffect::TzrBlurEffect(TComponent* AOwner) : TzrEffect(AOwner) { DisablePaint = true; }

const TClassInfo* TzrBlurEffect::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBlurEffect>("TzrBlurEffect", TzrEffect::Class())
          .Prop("Softness", &TzrBlurEffect::GetSoftness, &TzrBlurEffect::SetSoftness);
  return info;
}

TzrRect TzrBlurEffect::GetRect(const TzrRect& ARect) {
  return Inflated(ARect, std::trunc(FSoftness * 20));
}

TzrPoint TzrBlurEffect::GetOffset() {
  const float m = std::trunc(FSoftness * 20);
  return {m, m};
}

void TzrBlurEffect::ProcessEffect(TzrCanvas*, TzrBitmap* Visual, float) {
  if (FSoftness <= 0) return;
  Blur(nullptr, Visual, int(std::trunc(FSoftness * 15)));
}

void TzrBlurEffect::SetSoftness(float Value) {
  if (Value == FSoftness) return;
  FSoftness = std::clamp(Value, 0.0f, 9.0f);
  UpdateParentEffects();
}

// ---------------------------------------------------------------- bevel

TzrBevelEffect::TzrBevelEffect(TComponent* AOwner) : TzrEffect(AOwner) { DisablePaint = true; }

const TClassInfo* TzrBevelEffect::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBevelEffect>("TzrBevelEffect", TzrEffect::Class())
          .Prop("Direction", &TzrBevelEffect::GetDirection, &TzrBevelEffect::SetDirection)
          .Prop("Size", &TzrBevelEffect::GetSize, &TzrBevelEffect::SetSize);
  return info;
}

TzrRect TzrBevelEffect::GetRect(const TzrRect& ARect) { return Inflated(ARect, 5); }

void TzrBevelEffect::ProcessEffect(TzrCanvas*, TzrBitmap* Visual, float) {
  if (FSize == 0) return;
  // The relief: the node's alpha, blurred.
  TzrBitmap relief(Visual->GetWidth(), Visual->GetHeight());
  std::copy_n(Visual->GetStartLine(), size_t(Visual->GetWidth()) * size_t(Visual->GetHeight()),
              relief.GetStartLine());
  Blur(nullptr, &relief, FSize);
  const double d = double(FDirection) * std::numbers::pi / 180;
  const double lx = std::cos(d), lz = std::sin(d);
  const double lightLength = std::sqrt(lx * lx + lz * lz);
  auto alpha = [&](int X, int Y) { return double(relief.GetPixels(X, Y) >> 24) / 255; };
  for (int y = Visual->GetHeight() - 2; y >= 0; --y) {
    TzrColor* row = Visual->GetScanline(y);
    for (int x = Visual->GetWidth() - 2; x >= 0; --x) {
      const uint32_t a = row[x] >> 24;
      if (a == 0) continue;
      const double p = alpha(x, y + 1), q = alpha(x + 1, y), w = alpha(x + 1, y + 1);
      // Surface normal (w - q, 1, w - p) against the light (lx, 0, lz).
      const double nx = w - q, nz = w - p;
      const double lengths = lightLength * std::sqrt(nx * nx + 1 + nz * nz);
      const double k = lengths <= 1e-40 ? 1 : (lx * nx + lz * nz) / lengths;
      const TzrColor lit = zrChangeHSL(row[x], 0, 0, float(0.4 * k * FSize));
      row[x] = zrPremultyAlpha(zrOpacity(lit, float(a) / 255));
    }
  }
  Visual->BitmapChanged();
}

void TzrBevelEffect::SetDirection(float Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  UpdateParentEffects();
}

void TzrBevelEffect::SetSize(int Value) {
  if (Value == FSize) return;
  FSize = Value;
  UpdateParentEffects();
}

// ---------------------------------------------------------------- reflection

TzrReflectionEffect::TzrReflectionEffect(TComponent* AOwner) : TzrEffect(AOwner) {}

const TClassInfo* TzrReflectionEffect::Class() {
  using T = TzrReflectionEffect;
  static const TClassInfo* info = TClassDecl<T>("TzrReflectionEffect", TzrEffect::Class())
                                      .Prop("Offset", &T::GetOffsetValue, &T::SetOffsetValue)
                                      .Prop("Opacity", &T::GetOpacity, &T::SetOpacity)
                                      .Prop("Length", &T::GetLength, &T::SetLength);
  return info;
}

TzrRect TzrReflectionEffect::GetRect(const TzrRect& ARect) {
  TzrRect r = Inflated(ARect, 2);
  zrOffsetRect(r, 0, (ARect.Bottom - ARect.Top) + float(FOffset));
  return r;
}

void TzrReflectionEffect::ProcessEffect(TzrCanvas*, TzrBitmap* Visual, float) {
  Visual->FlipHorizontal();
  const int h = Visual->GetHeight(), w = Visual->GetWidth();
  const int a = int(std::nearbyint(double(h - 1) * double(FLength)));
  for (int y = 0; y < h; ++y) {
    TzrColor* row = Visual->GetScanline(y);
    for (int x = 0; x < w; ++x) {
      const uint32_t b = row[x] >> 24;
      if (y >= a) {
        row[x] = 0;
        continue;
      }
      if (b == 0) continue;
      // Opacity is stored as given; above 1 the alpha is held at 255.
      const double faded = double(FOpacity) * (double(a - y) / a) * b;
      const uint32_t alpha = uint32_t(std::clamp(std::trunc(faded), 0.0, 255.0));
      row[x] = zrPremultyAlpha(WithAlpha(row[x], alpha));
    }
  }
  Visual->BitmapChanged();
}

void TzrReflectionEffect::SetOffsetValue(int Value) {
  if (Value == FOffset) return;
  FOffset = Value;
  UpdateParentEffects();
}

void TzrReflectionEffect::SetOpacity(float Value) {
  if (Value == FOpacity) return;
  FOpacity = Value;
  UpdateParentEffects();
}

void TzrReflectionEffect::SetLength(float Value) {
  if (Value == FLength) return;
  FLength = std::clamp(Value, 0.1f, 1.0f);
  UpdateParentEffects();
}
