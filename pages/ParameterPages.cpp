// The parameter page's controls as the link uses them: enabling them and
// collecting their values into the parameter buffer. The page's controls are
// created at run time and named by kind and item number ("cbItem", "eItem",
// "lItem" followed by the number; "cbMode", "eName").

#include <cstring>
#include <string>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_listbox.h"

namespace {

bool IsPageControlName(const std::string& name) {
  for (const char* prefix : {"cbItem", "eItem", "lItem"})
    if (name.rfind(prefix, 0) == 0) return true;
  return name == "cbMode" || name == "eName";
}

}  // namespace

void TfrmInterface::BuildParameterPages() {
  // The page grows from the page definition; without item rows there is
  // nothing to create beyond clearing the previous page's controls.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    TComponent* component = Component(i);
    if (IsPageControlName(component->GetName())) delete component;
  }
}

void TfrmInterface::SetParameterControlsEnabled(bool enabled) {
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* control = dynamic_cast<TzrControl*>(Component(i));
    if (control && IsPageControlName(control->GetName())) control->SetEnabled(enabled);
  }
}

void TfrmInterface::CollectParameters() {
  // The mode selector gives the mode byte, each item's combo box its entry.
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* box = dynamic_cast<TzrComboBox*>(Component(i));
    if (!box || box->GetItemIndex() < 0) continue;
    const std::string& name = box->GetName();
    int position = -1;
    if (name == "cbMode") position = FSettingsOffset;
    if (name.rfind("cbItem", 0) == 0 && name.size() > 6)
      position = FValueOffset + std::atoi(name.c_str() + 6);
    if (position >= 0 && position < kParamsSize)
      FParams[position] = static_cast<uint8_t>(box->GetItemIndex());
  }
}
