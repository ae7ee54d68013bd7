// Key frames and the key-frame animations of colours and numbers.

#include <algorithm>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani.h"
#include "scene/zr_ani_target.h"
#include "scene/zr_color_text.h"

// ---------------------------------------------------------------- keys

const TClassInfo* TzrKey::Class() {
  static const TClassInfo* info = TClassDecl<TzrKey>("TzrKey", TCollectionItem::Class())
                                      .Prop("Key", &TzrKey::GetKey, &TzrKey::SetKey)
                                      .Default(0);
  return info;
}

void TzrKey::SetKey(float Value) { FKey = std::clamp(Value, 0.0f, 1.0f); }

void TzrKey::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrKey*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  FKey = source->FKey;
}

const TClassInfo* TzrColorKey::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrColorKey>("TzrColorKey", TzrKey::Class())
          .Prop("Value", &TzrColorKey::GetValue, &TzrColorKey::SetValue);
  return info;
}

std::string TzrColorKey::GetValue() const { return UTF16ToUTF8(zrColorToStr(FValue)); }
void TzrColorKey::SetValue(const std::string& Value) { FValue = zrStrToColor(UTF8ToUTF16(Value)); }

void TzrColorKey::Assign(TPersistent* Source) {
  TzrKey::Assign(Source);
  if (auto* source = dynamic_cast<TzrColorKey*>(Source)) FValue = source->FValue;
}

const TClassInfo* TzrFloatKey::Class() {
  static const TClassInfo* info = TClassDecl<TzrFloatKey>("TzrFloatKey", TzrKey::Class())
                                      .Prop("Value", &TzrFloatKey::GetValue, &TzrFloatKey::SetValue)
                                      .Default(0);
  return info;
}

void TzrFloatKey::Assign(TPersistent* Source) {
  TzrKey::Assign(Source);
  if (auto* source = dynamic_cast<TzrFloatKey*>(Source)) FValue = source->FValue;
}

const TClassInfo* TzrKeys::Class() {
  static const TClassInfo* info = TClassDecl<TzrKeys>("TzrKeys", TCollection::Class());
  return info;
}

bool TzrKeys::FindKeys(float Time, TzrKey*& Key1, TzrKey*& Key2) const {
  for (int i = 0; i + 1 < Count(); ++i) {
    TzrKey* a = GetKey(i);
    TzrKey* b = GetKey(i + 1);
    if (a->GetKey() <= Time && Time <= b->GetKey()) {
      Key1 = a;
      Key2 = b;
      return true;
    }
  }
  return false;
}

// The place of T between the two keys of the pair around it; false when no
// pair encloses T or the pair's keys coincide.
static bool KeyPair(const TzrKeys& Keys, float T, TzrKey*& Key1, TzrKey*& Key2, float& U) {
  if (!Keys.FindKeys(T, Key1, Key2)) return false;
  const float span = Key2->GetKey() - Key1->GetKey();
  if (span == 0) return false;
  U = (T - Key1->GetKey()) / span;
  return true;
}

// ---------------------------------------------------------------- colour keys

const TClassInfo* TzrColorKeyAnimation::Class() {
  using T = TzrColorKeyAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrColorKeyAnimation", TzrAnimation::Class())
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0)
          .Prop("Keys", &T::GetKeys, &T::SetKeys)
          .Prop("StartFromCurrent", &T::GetStartFromCurrent, &T::SetStartFromCurrent)
          .Default(0);
  return info;
}

TzrColorKeyAnimation::TzrColorKeyAnimation(TComponent* AOwner)
    : TzrAnimation(AOwner), FKeys(std::make_unique<TzrKeys>(TzrColorKey::Class())) {}

TzrColorKeyAnimation::~TzrColorKeyAnimation() = default;

void TzrColorKeyAnimation::SetKeys(TzrKeys* Value) {
  if (Value) FKeys->Assign(Value);
}

TzrColorKey* TzrColorKeyAnimation::AddKey(float AKey, const std::string& AValue) {
  auto* key = static_cast<TzrColorKey*>(FKeys->Add());
  key->SetKey(AKey);
  key->SetValue(AValue);
  return key;
}

void TzrColorKeyAnimation::Start() {
  if (ResolveTarget(FPropertyName) && FStartFromCurrent && FKeys->Count() > 0 &&
      zrIsColorProp(FTargetProp))
    static_cast<TzrColorKey*>(FKeys->GetKey(0))->SetColor(zrGetColorProp(FInstance, FTargetProp));
  TzrAnimation::Start();
}

void TzrColorKeyAnimation::ProcessAnimation() {
  if (!FInstance || !zrIsColorProp(FTargetProp)) return;
  TzrKey *key1, *key2;
  float u;
  if (!KeyPair(*FKeys, NormalizedTime(), key1, key2, u)) return;
  zrSetColorProp(FInstance, FTargetProp,
                 zrInterpolateColor(static_cast<TzrColorKey*>(key1)->GetColor(),
                                    static_cast<TzrColorKey*>(key2)->GetColor(), u));
}

// ---------------------------------------------------------------- number keys

const TClassInfo* TzrFloatKeyAnimation::Class() {
  using T = TzrFloatKeyAnimation;
  static const TClassInfo* info =
      TClassDecl<T>("TzrFloatKeyAnimation", TzrAnimation::Class())
          .Prop("PropertyName", &T::GetPropertyName, &T::SetPropertyName)
          .Default(0)
          .Prop("Keys", &T::GetKeys, &T::SetKeys)
          .Prop("StartFromCurrent", &T::GetStartFromCurrent, &T::SetStartFromCurrent)
          .Default(0);
  return info;
}

TzrFloatKeyAnimation::TzrFloatKeyAnimation(TComponent* AOwner)
    : TzrAnimation(AOwner), FKeys(std::make_unique<TzrKeys>(TzrFloatKey::Class())) {}

TzrFloatKeyAnimation::~TzrFloatKeyAnimation() = default;

void TzrFloatKeyAnimation::SetKeys(TzrKeys* Value) {
  if (Value) FKeys->Assign(Value);
}

TzrFloatKey* TzrFloatKeyAnimation::AddKey(float AKey, float AValue) {
  auto* key = static_cast<TzrFloatKey*>(FKeys->Add());
  key->SetKey(AKey);
  key->SetValue(AValue);
  return key;
}

void TzrFloatKeyAnimation::Start() {
  if (ResolveTarget(FPropertyName) && FStartFromCurrent && FKeys->Count() > 0 &&
      FTargetProp->Kind == tkFloat)
    static_cast<TzrFloatKey*>(FKeys->GetKey(0))->SetValue(float(FTargetProp->GetFloat(FInstance)));
  TzrAnimation::Start();
}

void TzrFloatKeyAnimation::ProcessAnimation() {
  if (!FInstance || !FTargetProp || FTargetProp->Kind != tkFloat) return;
  TzrKey *key1, *key2;
  float u;
  if (!KeyPair(*FKeys, NormalizedTime(), key1, key2, u)) return;
  FTargetProp->SetFloat(FInstance,
                        zrInterpolateSingle(static_cast<TzrFloatKey*>(key1)->GetValue(),
                                            static_cast<TzrFloatKey*>(key2)->GetValue(), u));
}
