#include "app/SceneForms.h"

#include <map>

#include "controls/XwRegister.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_objects.h"
#include "controls/zr_plot_grid.h"
#include "controls/zr_text_control.h"
#include "platform/xml/XMLDoc.h"
#include "scene/zr_font.h"
#include "scene/zr_scene_forms.h"
#include "scene/zr_scene_unit.h"

void RegisterSceneFormClasses() {
  InitializeScene();
  RegisterShapes();
  RegisterEffectClasses();
  RegisterPlotGridClass();
  RegisterStandardControls();
  RegisterXwWidgetClasses();
  RegisterClass(TXMLDocument::Class());
}

void ReadSceneForm(TComponent* Form, const std::string& ResName) {
  RegisterSceneFormClasses();
  const std::vector<std::string> errors = ReadFormResource(Form, ResName);
  if (!errors.empty()) throw Exception("Form " + ResName + ": " + errors.front());
}

void ShowSymbolFontCaption(TzrTextControl* Control) {
  // The symbols of "Wingdings" the program's forms use, by the letter that
  // selects them in that font.
  static const std::map<std::u16string, std::u16string> wingdings = {{u"v", u"\u2756"}};
  TzrFont* font = Control->GetFont();
  if (font->GetFamily() != "Wingdings") return;
  const auto symbol = wingdings.find(Control->GetText());
  if (symbol == wingdings.end()) return;
  font->SetFamily("Sans");
  Control->SetText(symbol->second);
}
