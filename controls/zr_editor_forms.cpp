#include "controls/zr_editor_forms.h"

#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_objects.h"
#include "scene/zr_scene_forms.h"
#include "scene/zr_scene_unit.h"

void ReadEditorForm(TComponent* Form, const std::string& ResName) {
  InitializeScene();
  RegisterShapes();
  RegisterEffectClasses();
  RegisterStandardControls();
  const std::vector<std::string> errors = ReadFormResource(Form, ResName);
  if (!errors.empty()) throw Exception("Form " + ResName + ": " + errors.front());
}
