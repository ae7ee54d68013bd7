#include "controls/zr_host_form.h"

#include "platform/vcl/Forms.h"
#include "scene/zr_intf.h"
#include "scene/zr_visual.h"

TForm* zrHostForm(TzrVisualObject* AObject) {
  IzoRurev* scene = AObject ? AObject->GetScene() : nullptr;
  if (!scene) return nullptr;
  for (TComponent* c = scene->GetComponent(); c; c = c->GetOwner())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}
