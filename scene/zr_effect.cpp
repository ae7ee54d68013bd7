// TzrEffect and what a visual node asks of its effect children.

#include "scene/zr_effect.h"

#include <strings.h>

#include <algorithm>
#include <cctype>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_text_forms.h"
#include "scene/zr_visual.h"

namespace {

TzrEffect* EnabledEffect(TzrObject* AObject) {
  auto* effect = dynamic_cast<TzrEffect*>(AObject);
  return effect && effect->GetEnabled() ? effect : nullptr;
}

}  // namespace

const TClassInfo* TzrEffect::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrEffect>("TzrEffect", TzrObject::Class())
          .Prop("Enabled", &TzrEffect::GetEnabled, &TzrEffect::SetEnabled)
          .Default(1)
          .Prop("Trigger", &TzrEffect::GetTrigger, &TzrEffect::SetTrigger);
  return info;
}

TzrEffect::TzrEffect(TComponent* AOwner) : TzrObject(AOwner) {}

TzrEffect::~TzrEffect() {
  Destroying();
  if (FParent) FParent->RemoveObject(this);
}

void TzrEffect::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  TzrVisualObject* parent = FParent && FParent->GetIsVisual() ? FParent->GetVisual() : nullptr;
  if (FEnabled && parent) parent->RecalcHasEffect();
  UpdateParentEffects();
}

void TzrEffect::UpdateParentEffects() {
  if (IsLoading() || !FParent || !FParent->GetIsVisual()) return;
  TzrVisualObject* parent = FParent->GetVisual();
  parent->UpdateEffects();
  parent->RecalcUpdateRect();
  // Counted as enabled for the repaint, so that the area includes the
  // effect's margins also when it has just been switched off.
  const bool saved = FEnabled;
  FEnabled = true;
  parent->Repaint();
  FEnabled = saved;
  parent->RecalcUpdateRect();
}

void TzrEffect::ApplyTrigger(TzrObject* AInstance, const std::string& ATrigger) {
  if (FTrigger.empty() || !AInstance) return;
  if (LowerCase(FTrigger).find(LowerCase(ATrigger)) == std::string::npos) return;
  bool result = false;
  std::string rest = FTrigger;
  while (!rest.empty()) {
    std::string condition = zrGetToken(rest, ";", "");
    std::string name = zrGetToken(condition, "=", "");
    const std::string& value = condition;
    const TPropInfo* prop = GetPropInfo(AInstance, name);
    if (!prop || prop->Kind != tkEnumeration || !prop->EnumType) continue;
    const std::string ident = prop->EnumType->NameOf(int(prop->GetOrd(AInstance)));
    result = strcasecmp(ident.c_str(), value.c_str()) == 0;
  }
  SetEnabled(result);
}

// ---------------------------------------------------------------- queries of the node

TzrRect TzrVisualObject::GetEffectsRect() {
  TzrRect r = GetLocalRect();
  if (FNonVisualChildren == 0) return r;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrEffect* effect = EnabledEffect(GetChild(i)))
      r = zrUnionRect(r, effect->GetRect(GetLocalRect()));
  return r;
}

void TzrVisualObject::RecalcHasEffect() {
  FHasEffect = false;
  if (FDisableEffect || FNonVisualChildren == 0) return;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (EnabledEffect(GetChild(i))) {
      FHasEffect = true;
      UpdateEffects();
      Repaint();
      return;
    }
}

bool TzrVisualObject::HasDisablePaintEffect() {
  if (FDisableEffect || FNonVisualChildren == 0) return false;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrEffect* effect = EnabledEffect(GetChild(i)); effect && effect->GetDisablePaint())
      return true;
  return false;
}

bool TzrVisualObject::HasAfterPaintEffect() {
  if (FDisableEffect || FNonVisualChildren == 0) return false;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrEffect* effect = EnabledEffect(GetChild(i)); effect && effect->GetAfterPaint())
      return true;
  return false;
}
