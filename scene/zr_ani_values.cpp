// Animations of plain values: colours, gradients, numbers and bounds.

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani.h"
#include "scene/zr_ani_target.h"
#include "scene/zr_color_text.h"
#include "scene/zr_gradient.h"
#include "scene/zr_position.h"

// ---------------------------------------------------------------- colour

const TClassInfo* TzrColorAnimation::Class() {
  using T = TzrColorAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrColorAnimation", TzrAnimation::Class())
          .Prop("StartValue", &T::GetStartValue, &T::SetStartValue)
          .Prop("StopValue", &T::GetStopValue, &T::SetStopValue)
          .Prop("StartFromCurrent", &T::GetStartFromCurrent, &T::SetStartFromCurrent)
          .Default(0)
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0);
  return info;
}

TzrColorAnimation::TzrColorAnimation(TComponent* AOwner) : TzrAnimation(AOwner) {}

std::string TzrColorAnimation::GetStartValue() const {
  return UTF16ToUTF8(zrColorToStr(FStartColor));
}
void TzrColorAnimation::SetStartValue(const std::string& Value) {
  FStartColor = zrStrToColor(UTF8ToUTF16(Value));
}
std::string TzrColorAnimation::GetStopValue() const {
  return UTF16ToUTF8(zrColorToStr(FStopColor));
}
void TzrColorAnimation::SetStopValue(const std::string& Value) {
  FStopColor = zrStrToColor(UTF8ToUTF16(Value));
}

void TzrColorAnimation::Start() {
  if (ResolveTarget(FPropertyName) && FStartFromCurrent && zrIsColorProp(FTargetProp))
    FStartColor = zrGetColorProp(FInstance, FTargetProp);
  TzrAnimation::Start();
}

void TzrColorAnimation::ProcessAnimation() {
  if (!FInstance || !zrIsColorProp(FTargetProp)) return;
  zrSetColorProp(FInstance, FTargetProp,
                 zrInterpolateColor(FStartColor, FStopColor, NormalizedTime()));
}

// The object a resolved object-valued property holds, when it is a T.
template <class T>
static T* TargetObject(TObject* Instance, const TPropInfo* Prop) {
  if (!Instance || !Prop || Prop->Kind != tkClass) return nullptr;
  return dynamic_cast<T*>(Prop->GetObj(Instance));
}

// ---------------------------------------------------------------- gradient

const TClassInfo* TzrGradientAnimation::Class() {
  using T = TzrGradientAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrGradientAnimation", TzrAnimation::Class())
          .Prop("StartValue", &T::GetStartValue, &T::SetStartValue)
          .Prop("StopValue", &T::GetStopValue, &T::SetStopValue)
          .Prop("StartFromCurrent", &T::GetStartFromCurrent, &T::SetStartFromCurrent)
          .Default(0)
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0);
  return info;
}

TzrGradientAnimation::TzrGradientAnimation(TComponent* AOwner)
    : TzrAnimation(AOwner),
      FStartGradient(std::make_unique<TzrGradient>()),
      FStopGradient(std::make_unique<TzrGradient>()) {}

TzrGradientAnimation::~TzrGradientAnimation() = default;

void TzrGradientAnimation::SetStartValue(TzrGradient* Value) {
  if (Value) FStartGradient->Assign(Value);
}
void TzrGradientAnimation::SetStopValue(TzrGradient* Value) {
  if (Value) FStopGradient->Assign(Value);
}

void TzrGradientAnimation::Start() {
  if (ResolveTarget(FPropertyName) && FStartFromCurrent)
    if (TzrGradient* current = TargetObject<TzrGradient>(FInstance, FTargetProp))
      FStartGradient->Assign(current);
  TzrAnimation::Start();
}

void TzrGradientAnimation::ProcessAnimation() {
  TzrGradient* target = TargetObject<TzrGradient>(FInstance, FTargetProp);
  if (!target) return;
  TzrGradientPoints* points = target->GetPoints();
  TzrGradientPoints* from = FStartGradient->GetPoints();
  TzrGradientPoints* to = FStopGradient->GetPoints();
  const int count = std::min({points->Count(), from->Count(), to->Count()});
  const float t = NormalizedTime();
  for (int i = 0; i < count; ++i)
    points->GetPoint(i)->SetIntColor(
        zrInterpolateColor(from->GetPoint(i)->GetIntColor(), to->GetPoint(i)->GetIntColor(), t));
  target->Change();
}

// ---------------------------------------------------------------- number

const TClassInfo* TzrFloatAnimation::Class() {
  using T = TzrFloatAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrFloatAnimation", TzrAnimation::Class())
          .Prop("StartValue", &T::GetStartValue, &T::SetStartValue)
          .Default(0)
          .Prop("StopValue", &T::GetStopValue, &T::SetStopValue)
          .Default(0)
          .Prop("StartFromCurrent", &T::GetStartFromCurrent, &T::SetStartFromCurrent)
          .Default(0)
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0);
  return info;
}

TzrFloatAnimation::TzrFloatAnimation(TComponent* AOwner) : TzrAnimation(AOwner) {}

void TzrFloatAnimation::Start() {
  // Resolved afresh at every start: a float animation follows its parent.
  if (!GetRunning()) ClearTarget();
  if (ResolveTarget(FPropertyName) && FStartFromCurrent && FTargetProp->Kind == tkFloat)
    FStartFloat = float(FTargetProp->GetFloat(FInstance));
  TzrAnimation::Start();
}

void TzrFloatAnimation::Stop() {
  const std::shared_ptr<bool> alive = FAlive;
  TzrAnimation::Stop();
  if (*alive) ClearTarget();
}

void TzrFloatAnimation::ProcessAnimation() {
  if (!FInstance || !FTargetProp || FTargetProp->Kind != tkFloat) return;
  FTargetProp->SetFloat(FInstance, zrInterpolateSingle(FStartFloat, FStopFloat, NormalizedTime()));
}

// ---------------------------------------------------------------- bounds

const TClassInfo* TzrRectAnimation::Class() {
  using T = TzrRectAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrRectAnimation", TzrAnimation::Class())
          .Prop("StartValue", &T::GetStartValue, &T::SetStartValue)
          .Prop("StopValue", &T::GetStopValue, &T::SetStopValue)
          .Prop("StartFromCurrent", &T::GetStartFromCurrent, &T::SetStartFromCurrent)
          .Default(0)
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0);
  return info;
}

TzrRectAnimation::TzrRectAnimation(TComponent* AOwner)
    : TzrAnimation(AOwner),
      FStartRect(std::make_unique<TzrBounds>()),
      FCurrent(std::make_unique<TzrBounds>()),
      FStopRect(std::make_unique<TzrBounds>()) {}

TzrRectAnimation::~TzrRectAnimation() = default;

void TzrRectAnimation::SetStartValue(TzrBounds* Value) {
  if (Value) FStartRect->Assign(Value);
}
void TzrRectAnimation::SetStopValue(TzrBounds* Value) {
  if (Value) FStopRect->Assign(Value);
}

void TzrRectAnimation::Start() {
  if (ResolveTarget(FPropertyName) && FStartFromCurrent)
    if (TzrBounds* current = TargetObject<TzrBounds>(FInstance, FTargetProp))
      FStartRect->Assign(current);
  TzrAnimation::Start();
}

void TzrRectAnimation::ProcessAnimation() {
  const float t = NormalizedTime();
  const TzrRect a = FStartRect->GetRect(), b = FStopRect->GetRect();
  FCurrent->SetRect({zrInterpolateSingle(a.Left, b.Left, t), zrInterpolateSingle(a.Top, b.Top, t),
                     zrInterpolateSingle(a.Right, b.Right, t),
                     zrInterpolateSingle(a.Bottom, b.Bottom, t)});
  if (TzrBounds* target = TargetObject<TzrBounds>(FInstance, FTargetProp))
    target->Assign(FCurrent.get());
}
