#include "scene/zr_ani_target.h"

#include "platform/rtl/SysUtils.h"
#include "scene/zr_color_text.h"
#include "scene/zr_object.h"
#include "scene/zr_text_forms.h"

TzrAniTarget zrResolveAniTarget(TzrObject* AParent, const std::string& APropertyName) {
  if (!AParent || APropertyName.empty()) return {};
  TObject* instance = AParent;
  TzrObject* node = AParent;
  std::string path = APropertyName;
  while (path.find('.') != std::string::npos) {
    const std::string segment = zrGetToken(path, ".", "");
    const TPropInfo* prop = GetPropInfo(instance, segment);
    if (!prop || prop->Kind != tkClass) continue;
    TObject* next = prop->GetObj(instance);
    if (!next) return {};
    instance = next;
    if (auto* n = dynamic_cast<TzrObject*>(next)) node = n;
  }
  path = zrGetToken(path, "", "");
  return {instance, GetPropInfo(instance, path), node};
}

bool zrIsColorProp(const TPropInfo* Prop) {
  if (!Prop) return false;
  return Prop->Kind == tkString || Prop->Kind == tkWString || Prop->Kind == tkInteger ||
         Prop->Kind == tkInt64;
}

TzrColor zrGetColorProp(TObject* Instance, const TPropInfo* Prop) {
  if (Prop->Kind == tkString || Prop->Kind == tkWString)
    return zrStrToColor(Prop->GetWStr(Instance));
  return TzrColor(Prop->GetOrd(Instance));
}

void zrSetColorProp(TObject* Instance, const TPropInfo* Prop, TzrColor Value) {
  if (Prop->Kind == tkString || Prop->Kind == tkWString)
    Prop->SetWStr(Instance, zrColorToStr(Value));
  else if (Prop->Kind == tkInteger || Prop->Kind == tkInt64)
    Prop->SetOrd(Instance, Value);
}
