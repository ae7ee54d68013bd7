// The shadow, the outer and the inner glow, and the registration of every
// effect class.

#include "controls/zr_effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "controls/zr_blur.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_classes.h"
#include "scene/zr_color_text.h"
#include "scene/zr_colors.h"

namespace {

TzrRect Inflated(TzrRect R, float Margin) {
  zrInflateRect(R, Margin, Margin);
  return R;
}

std::string ColorText(TzrColor Color) { return UTF16ToUTF8(zrColorToStr(Color)); }

TzrColor TextColor(const std::string& Text) { return zrStrToColor(UTF8ToUTF16(Text)); }

// The node's silhouette as the cut-out under it: its alpha scaled so that the
// most opaque pixel counts as fully covered. A translucent node thus hides
// the shadow or glow under itself entirely, while the soft edges of an
// opaque node still let through as much as they leave uncovered.
std::vector<uint8_t> Silhouette(const TzrBitmap& Visual) {
  std::vector<uint8_t> mask = Visual.CreateMask();
  const int top = mask.empty() ? 0 : *std::max_element(mask.begin(), mask.end());
  if (top == 0 || top == 255) return mask;
  for (uint8_t& m : mask) m = uint8_t(std::min(255, m * 255 / top));
  return mask;
}

// The silhouette of Visual in Color, blurred with Radius, with the mask
// (taken before) cut out at (DstX, DstY).
void BlurredSilhouette(TzrBitmap* Visual, const std::vector<uint8_t>& Mask, TzrColor Color,
                       int Radius, int DstX, int DstY) {
  Visual->FillColor(Color);
  Blur(nullptr, Visual, Radius);
  Visual->ApplyMask(Mask, DstX, DstY);
}

}  // namespace

// ---------------------------------------------------------------- shadow

TzrShadowEffect::TzrShadowEffect(TComponent* AOwner) : TzrEffect(AOwner) {}

const TClassInfo* TzrShadowEffect::Class() {
  using T = TzrShadowEffect;
  static const TClassInfo* info = TClassDecl<T>("TzrShadowEffect", TzrEffect::Class())
                                      .Prop("Distance", &T::GetDistance, &T::SetDistance)
                                      .Prop("Softness", &T::GetSoftness, &T::SetSoftness)
                                      .Prop("ShadowColor", &T::GetShadowColor, &T::SetShadowColor)
                                      .Prop("Opacity", &T::GetOpacity, &T::SetOpacity)
                                      .Prop("Direction", &T::GetDirection, &T::SetDirection);
  return info;
}

TzrPoint TzrShadowEffect::Shift() const {
  const double angle = double(FDirection) * std::numbers::pi / 180;
  return {float(FDistance * std::cos(angle)), float(FDistance * std::sin(angle))};
}

TzrRect TzrShadowEffect::GetRect(const TzrRect& ARect) {
  TzrRect r = Inflated(ARect, std::trunc(FSoftness * 20));
  const TzrPoint shift = Shift();
  zrOffsetRect(r, shift.X, shift.Y);
  return r;
}

TzrPoint TzrShadowEffect::GetOffset() {
  const float m = std::trunc(FSoftness * 20);
  return {m, m};
}

void TzrShadowEffect::ProcessEffect(TzrCanvas*, TzrBitmap* Visual, float Data) {
  const std::vector<uint8_t> mask = Silhouette(*Visual);
  const TzrPoint shift = Shift();
  BlurredSilhouette(Visual, mask, zrOpacity(FShadowColor, FOpacity),
                    int(std::trunc(FSoftness * 10 + 5)), -int(std::nearbyint(shift.X * Data)),
                    -int(std::nearbyint(shift.Y * Data)));
}

void TzrShadowEffect::SetDistance(float Value) {
  if (Value == FDistance) return;
  FDistance = Value;
  UpdateParentEffects();
}

void TzrShadowEffect::SetSoftness(float Value) {
  if (Value == FSoftness) return;
  FSoftness = std::clamp(Value, 0.0f, 3.0f);
  UpdateParentEffects();
}

std::string TzrShadowEffect::GetShadowColor() const { return ColorText(FShadowColor); }

void TzrShadowEffect::SetShadowColor(const std::string& Value) {
  const TzrColor color = TextColor(Value);
  if (color == FShadowColor) return;
  FShadowColor = color;
  UpdateParentEffects();
}

void TzrShadowEffect::SetOpacity(float Value) {
  if (Value == FOpacity) return;
  FOpacity = std::clamp(Value, 0.0f, 1.0f);
  UpdateParentEffects();
}

void TzrShadowEffect::SetDirection(float Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  UpdateParentEffects();
}

// ---------------------------------------------------------------- glow

TzrGlowEffect::TzrGlowEffect(TComponent* AOwner) : TzrEffect(AOwner) {}

const TClassInfo* TzrGlowEffect::Class() {
  using T = TzrGlowEffect;
  static const TClassInfo* info = TClassDecl<T>("TzrGlowEffect", TzrEffect::Class())
                                      .Prop("Softness", &T::GetSoftness, &T::SetSoftness)
                                      .Prop("GlowColor", &T::GetGlowColor, &T::SetGlowColor)
                                      .Prop("Opacity", &T::GetOpacity, &T::SetOpacity);
  return info;
}

int TzrGlowEffect::Margin() const { return int(std::trunc(FSoftness * 23)) + 4; }

TzrColor TzrGlowEffect::DrawColor() const { return zrOpacity(FGlowColor, FOpacity); }

TzrRect TzrGlowEffect::GetRect(const TzrRect& ARect) { return Inflated(ARect, float(Margin())); }

TzrPoint TzrGlowEffect::GetOffset() { return {float(Margin()), float(Margin())}; }

void TzrGlowEffect::ProcessEffect(TzrCanvas*, TzrBitmap* Visual, float) {
  const std::vector<uint8_t> mask = Silhouette(*Visual);
  BlurredSilhouette(Visual, mask, DrawColor(), int(std::trunc(FSoftness * 10 + 5)), 0, 0);
}

void TzrGlowEffect::SetSoftness(float Value) {
  if (Value == FSoftness) return;
  FSoftness = std::clamp(Value, 0.0f, 9.0f);
  UpdateParentEffects();
}

std::string TzrGlowEffect::GetGlowColor() const { return ColorText(FGlowColor); }

void TzrGlowEffect::SetGlowColor(const std::string& Value) {
  const TzrColor color = TextColor(Value);
  if (color == FGlowColor) return;
  FGlowColor = color;
  UpdateParentEffects();
}

void TzrGlowEffect::SetOpacity(float Value) {
  if (Value == FOpacity) return;
  FOpacity = std::clamp(Value, 0.0f, 1.0f);
  UpdateParentEffects();
}

// ---------------------------------------------------------------- inner glow

TzrInnerGlowEffect::TzrInnerGlowEffect(TComponent* AOwner) : TzrGlowEffect(AOwner) {
  AfterPaint = true;
}

const TClassInfo* TzrInnerGlowEffect::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrInnerGlowEffect>("TzrInnerGlowEffect", TzrGlowEffect::Class());
  return info;
}

int TzrInnerGlowEffect::Margin() const { return int(std::trunc(GetSoftness() * 20)); }

void TzrInnerGlowEffect::ProcessEffect(TzrCanvas*, TzrBitmap* Visual, float) {
  // The outside becomes the silhouette; blurring it lets it bleed inward,
  // and its own mask then removes everything outside the node.
  Visual->InvertAlpha();
  const std::vector<uint8_t> mask = Visual->CreateMask();
  BlurredSilhouette(Visual, mask, DrawColor(), int(std::trunc(GetSoftness() * 10 + 5)), 0, 0);
}

// ---------------------------------------------------------------- registration

void RegisterEffectClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterZRObjects("Effects", {TzrShadowEffect::Class(), TzrBlurEffect::Class(),
                                TzrGlowEffect::Class(), TzrInnerGlowEffect::Class(),
                                TzrBevelEffect::Class(), TzrReflectionEffect::Class()});
}
