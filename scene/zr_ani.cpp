#include "scene/zr_ani.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani_target.h"
#include "scene/zr_classes.h"
#include "scene/zr_text_forms.h"

namespace {

bool Mentions(const std::string& AConditions, const std::string& ATrigger) {
  return !AConditions.empty() &&
         LowerCase(AConditions).find(LowerCase(ATrigger)) != std::string::npos;
}

}  // namespace

const TClassInfo* TzrAnimation::Class() {
  using T = TzrAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrAnimation", TzrObject::Class())
          .Enum("AnimationType", &T::GetAnimationType, &T::SetAnimationType, zrAnimationTypeInfo())
          .Default(zrAnimationIn)
          .Prop("AutoReverse", &T::GetAutoReverse, &T::SetAutoReverse)
          .Default(0)
          .Prop("Enabled", &T::GetEnabled, &T::SetEnabled)
          .Default(0)
          .Prop("Delay", &T::GetDelay, &T::SetDelay)
          .Default(0)
          .Prop("Duration", &T::GetDuration, &T::SetDuration)
          .Default(0)
          .Enum("Interpolation", &T::GetInterpolation, &T::SetInterpolation,
                zrInterpolationTypeInfo())
          .Default(zrInterpolationLinear)
          .Prop("Inverse", &T::GetInverse, &T::SetInverse)
          .Default(0)
          .Prop("HideOnFinish", &T::GetHideOnFinish, &T::SetHideOnFinish)
          .Default(0)
          .Prop("Loop", &T::GetLoop, &T::SetLoop)
          .Default(0)
          .Prop("Trigger", &T::GetTrigger, &T::SetTrigger)
          .Default(0)
          .Prop("TriggerInverse", &T::GetTriggerInverse, &T::SetTriggerInverse)
          .Default(0)
          .Event("OnProcess", &T::OnProcess)
          .Event("OnFinish", &T::OnFinish);
  return info;
}

TzrAnimation::TzrAnimation(TComponent* AOwner) : TzrObject(AOwner) {}

TzrAnimation::~TzrAnimation() {
  *FAlive = false;
  Destroying();
  if (aniThread) aniThread->Remove(this);
  WatchNode(nullptr);
}

void TzrAnimation::Loaded() {
  TzrObject::Loaded();
  IzoRurev* scene = GetScene();
  if ((!scene || !scene->GetDesignTime()) && FEnabled) Start();
}

void TzrAnimation::Notification(TComponent* AComponent, TOperation Operation) {
  TzrObject::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FWatched) {
    FWatched = nullptr;
    ClearTarget();
  }
}

void TzrAnimation::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  IzoRurev* scene = GetScene();
  if ((scene && scene->GetDesignTime()) || IsLoading()) return;
  if (Value)
    Start();
  else
    Stop();
}

// ---------------------------------------------------------------- progress

float TzrAnimation::NormalizedTime() const {
  if (FDuration <= 0 || FDelayTime > 0) return 0;
  const double t = FTime, d = FDuration;
  const TzrAnimationType a = FAnimationType;
  switch (FInterpolation) {
    case zrInterpolationLinear:
      return float(zrInterpolateLinear(t, 0, 1, d));
    case zrInterpolationQuadratic:
      return float(zrInterpolateQuad(t, 0, 1, d, a));
    case zrInterpolationCubic:
      return float(zrInterpolateCubic(t, 0, 1, d, a));
    case zrInterpolationQuartic:
      return float(zrInterpolateQuart(t, 0, 1, d, a));
    case zrInterpolationQuintic:
      return float(zrInterpolateQuint(t, 0, 1, d, a));
    case zrInterpolationSinusoidal:
      return float(zrInterpolateSine(t, 0, 1, d, a));
    case zrInterpolationExponential:
      return float(zrInterpolateExpo(t, 0, 1, d, a));
    case zrInterpolationCircular:
      return float(zrInterpolateCirc(t, 0, 1, d, a));
    case zrInterpolationElastic:
      return float(zrInterpolateElastic(t, 0, 1, d, 0, 0, a));
    case zrInterpolationBack:
      return float(zrInterpolateBack(t, 0, 1, d, 0, a));
    case zrInterpolationBounce:
      return float(zrInterpolateBounce(t, 0, 1, d, a));
  }
  return 0;
}

// ---------------------------------------------------------------- running

TzrObject* TzrAnimation::VisualParent() const {
  TzrObject* parent = GetParent();
  return parent && parent->GetIsVisual() ? parent : nullptr;
}

bool TzrAnimation::ParentHidden() const {
  TzrObject* parent = VisualParent();
  if (!parent) return false;
  const TPropInfo* visible = GetPropInfo(parent, "Visible");
  return visible && visible->Kind == tkEnumeration && visible->GetOrd(parent) == 0;
}

bool TzrAnimation::Fire(const TNotifyEvent& Event) {
  if (!Event) return true;
  const std::shared_ptr<bool> alive = FAlive;
  const TNotifyEvent handler = Event;
  handler(this);
  return *alive;
}

void TzrAnimation::FireFinish() { Fire(OnFinish); }

void TzrAnimation::Start() {
  if (ParentHidden()) return;
  IzoRurev* scene = GetScene();
  if (std::fabs(FDuration) < 0.001f || !scene || scene->GetDesignTime()) {
    // Immediate: the end value at once. Enabled is cleared before OnFinish,
    // whose handler may free the animation.
    FDelayTime = 0;
    FTime = FInverse ? 0 : 1;
    FDuration = 1;
    FRunning = true;
    ProcessAnimation();
    FRunning = false;
    FTime = 0;
    FDuration = 0.00001f;
    FEnabled = false;
    FireFinish();
    return;
  }
  FDelayTime = FDelay;
  FRunning = true;
  FTime = FInverse ? FDuration : 0;
  if (FDelay == 0) ProcessAnimation();
  if (!aniThread) aniThread = new TzrAniThread;
  aniThread->Add(this);
  FEnabled = true;
}

void TzrAnimation::Stop() {
  if (!FRunning) return;
  if (aniThread) aniThread->Remove(this);
  FTime = FInverse ? 0 : FDuration;
  ProcessAnimation();
  FRunning = false;
  FEnabled = false;
  FireFinish();
}

void TzrAnimation::StopAtCurrent() {
  if (!FRunning) return;
  if (aniThread) aniThread->Remove(this);
  FTime = FInverse ? 0 : FDuration;
  FRunning = false;
  FEnabled = false;
  FireFinish();
}

void TzrAnimation::ProcessTick(float Time, float DeltaTime) {
  (void)Time;
  IzoRurev* scene = GetScene();
  if ((scene && scene->GetDesignTime()) || IsDestroying()) return;
  if (ParentHidden()) return Stop();
  if (!FRunning || FPause) return;

  if (FDelay > 0 && FDelayTime != 0) {
    if (FDelayTime <= 0) return;
    FDelayTime -= DeltaTime;
    if (FDelayTime <= 0) {
      const std::shared_ptr<bool> alive = FAlive;
      Start();  // re-arms the run
      if (*alive) FDelayTime = 0;
    }
    return;
  }

  FTime += FInverse ? -DeltaTime : DeltaTime;
  if (FTime >= FDuration) {
    FTime = FDuration;
    if (!FLoop)
      FRunning = false;
    else if (FAutoReverse)
      FInverse = true;
    else
      FTime = 0;
  } else if (FTime <= 0) {
    FTime = 0;
    if (!FLoop)
      FRunning = false;
    else if (FAutoReverse)
      FInverse = false;
    else
      FTime = FDuration;
  }

  ProcessAnimation();
  const bool finished = scene && !FRunning;
  if (finished && aniThread) aniThread->Remove(this);
  if (!Fire(OnProcess)) return;
  if (finished) FireFinish();
}

// ---------------------------------------------------------------- triggers

bool TzrAnimation::ConditionsHold(TzrObject* AInstance, const std::string& AConditions) const {
  bool matched = false;
  std::string rest = AConditions;
  while (!rest.empty()) {
    std::string condition = zrGetToken(rest, ";", "");
    const std::string name = zrGetToken(condition, "=", "");
    const TPropInfo* prop = name.empty() ? nullptr : GetPropInfo(AInstance, name);
    if (!prop || prop->Kind != tkEnumeration) continue;
    const std::string value = zrGetToken(condition, "", "");
    if (strcasecmp(prop->GetEnum(AInstance).c_str(), value.c_str()) != 0) return false;
    matched = true;
  }
  return matched;
}

void TzrAnimation::StartTrigger(TzrObject* AInstance, const std::string& ATrigger) {
  if (!AInstance) return;
  if (Mentions(FTriggerInverse, ATrigger) && ConditionsHold(AInstance, FTriggerInverse)) {
    FInverse = true;
    Start();
    return;
  }
  if (Mentions(FTrigger, ATrigger) && ConditionsHold(AInstance, FTrigger)) {
    if (!FTriggerInverse.empty()) FInverse = false;
    Start();
  }
}

// ---------------------------------------------------------------- target

void TzrAnimation::WatchNode(TzrObject* ANode) {
  if (FWatched == ANode) return;
  if (FWatched) FWatched->RemoveFreeNotify(this);
  FWatched = ANode;
  if (FWatched) FWatched->AddFreeNotify(this);
}

void TzrAnimation::ClearTarget() {
  FInstance = nullptr;
  FTargetProp = nullptr;
  WatchNode(nullptr);
}

bool TzrAnimation::ResolveTarget(const std::string& APropertyName) {
  if (FInstance) return FTargetProp != nullptr;
  TzrAniTarget target = zrResolveAniTarget(GetParent(), APropertyName);
  if (!target.Instance) return false;
  FInstance = target.Instance;
  FTargetProp = target.Prop;
  WatchNode(target.Node);
  return FTargetProp != nullptr;
}

// ---------------------------------------------------------------- registry

void RegisterAnimationClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterZRObjects("Animations", {TzrColorAnimation::Class(), TzrGradientAnimation::Class(),
                                   TzrFloatAnimation::Class(), TzrRectAnimation::Class(),
                                   TzrBitmapAnimation::Class(), TzrBitmapListAnimation::Class(),
                                   TzrColorKeyAnimation::Class(), TzrFloatKeyAnimation::Class(),
                                   TzrPathAnimation::Class(), TzrPathSwitcher::Class()});
}
