// Bitmap animations: a cross-fade between two images and the frames of an
// image strip. Both draw through a canvas of the default canvas class on
// their own working bitmap, then copy it into the target bitmap.

#include <algorithm>
#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_ani.h"
#include "scene/zr_ani_target.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"

namespace {

// The bitmap the property name leads to from the parent, nil when none.
// Resolved at every step, so the target never outlives the node that
// holds it.
TzrBitmap* TargetBitmap(TzrObject* AParent, const std::string& APropertyName) {
  const TzrAniTarget target = zrResolveAniTarget(AParent, APropertyName);
  if (!target.Prop || target.Prop->Kind != tkClass) return nullptr;
  return dynamic_cast<TzrBitmap*>(target.Prop->GetObj(target.Instance));
}

std::unique_ptr<TzrCanvas> CanvasOn(TzrBitmap* ABitmap) {
  if (!DefaultCanvasClass || ABitmap->IsEmpty()) return nullptr;
  std::unique_ptr<TzrCanvas> canvas = DefaultCanvasClass->CreateFromBitmap(ABitmap);
  canvas->SetMatrix(IdentityMatrix);  // a new canvas draws nothing until it has a matrix
  return canvas;
}

TzrRect WholeOf(const TzrBitmap& B) { return {0, 0, float(B.GetWidth()), float(B.GetHeight())}; }

}  // namespace

// ---------------------------------------------------------------- cross-fade

const TClassInfo* TzrBitmapAnimation::Class() {
  using T = TzrBitmapAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrBitmapAnimation", TzrAnimation::Class())
          .Prop("StartValue", &T::GetStartValue, &T::SetStartValue)
          .Prop("StopValue", &T::GetStopValue, &T::SetStopValue)
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0);
  return info;
}

TzrBitmapAnimation::TzrBitmapAnimation(TComponent* AOwner)
    : TzrAnimation(AOwner),
      FStartBitmap(std::make_unique<TzrBitmap>(1, 1)),
      FStopBitmap(std::make_unique<TzrBitmap>(1, 1)),
      FCurrent(std::make_unique<TzrBitmap>(1, 1)) {}

TzrBitmapAnimation::~TzrBitmapAnimation() = default;

void TzrBitmapAnimation::SetStartValue(TzrBitmap* Value) {
  if (Value) FStartBitmap->Assign(Value);
}
void TzrBitmapAnimation::SetStopValue(TzrBitmap* Value) {
  if (Value) FStopBitmap->Assign(Value);
}

void TzrBitmapAnimation::ProcessAnimation() {
  TzrBitmap* target = TargetBitmap(GetParent(), FPropertyName);
  if (!target) return;
  // Forwards the stop image fades in over the start image's size; inverse
  // the start image fades in over the stop image's size.
  const float t = NormalizedTime();
  TzrBitmap* base = GetInverse() ? FStopBitmap.get() : FStartBitmap.get();
  TzrBitmap* over = GetInverse() ? FStartBitmap.get() : FStopBitmap.get();
  const float opacity = GetInverse() ? 1 - t : t;
  FCurrent->Assign(base);
  FCurrent->Clear(0);
  if (std::unique_ptr<TzrCanvas> canvas = CanvasOn(FCurrent.get())) {
    if (canvas->BeginScene()) {
      canvas->Clear(0);
      if (!over->IsEmpty()) canvas->DrawBitmap(*over, WholeOf(*over), WholeOf(*FCurrent), opacity);
      canvas->EndScene();
    }
  }
  target->Assign(FCurrent.get());
}

// ---------------------------------------------------------------- strip

const TClassInfo* TzrBitmapListAnimation::Class() {
  using T = TzrBitmapListAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrBitmapListAnimation", TzrAnimation::Class())
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0)
          .Prop("AnimationBitmap", &T::GetAnimationBitmap, &T::SetAnimationBitmap)
          .Prop("AnimationCount", &T::GetAnimationCount, &T::SetAnimationCount);
  return info;
}

TzrBitmapListAnimation::TzrBitmapListAnimation(TComponent* AOwner)
    : TzrAnimation(AOwner),
      FCurrent(std::make_unique<TzrBitmap>()),
      FAnimationBitmap(std::make_unique<TzrBitmap>()) {}

TzrBitmapListAnimation::~TzrBitmapListAnimation() = default;

void TzrBitmapListAnimation::SetAnimationBitmap(TzrBitmap* Value) {
  if (Value) FAnimationBitmap->Assign(Value);
}

int TzrBitmapListAnimation::FrameIndex(float T) const {
  const int count = std::max(1, FAnimationCount);
  if (!std::isfinite(T)) return 0;
  const float index = std::trunc(float(count - 1) * T);
  return int(std::clamp(index, 0.0f, float(count - 1)));
}

void TzrBitmapListAnimation::ProcessAnimation() {
  TzrBitmap* target = TargetBitmap(GetParent(), FPropertyName);
  if (!target) return;
  const int count = std::max(1, FAnimationCount);
  const float w = float(FAnimationBitmap->GetWidth() / count);
  const float x = float(FrameIndex(NormalizedTime())) * w;
  FCurrent->SetSize(target->GetWidth(), target->GetHeight());
  if (std::unique_ptr<TzrCanvas> canvas = CanvasOn(FCurrent.get())) {
    if (canvas->BeginScene()) {
      canvas->Clear(0);
      const float cw = float(FCurrent->GetWidth()), ch = float(FCurrent->GetHeight());
      if (!FAnimationBitmap->IsEmpty())
        canvas->DrawBitmap(*FAnimationBitmap, {x, 0, x + cw, ch},
                           {0, 0, w, float(FAnimationBitmap->GetHeight())}, 1);
      canvas->EndScene();
    }
  }
  target->Assign(FCurrent.get());
}
