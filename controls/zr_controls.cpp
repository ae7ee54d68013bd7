#include "controls/zr_controls.h"

#include <algorithm>

void TzrCheckBox::SetIsChecked(bool value) {
  if (FIsChecked == value) return;
  FIsChecked = value;
  if (OnChange) OnChange(this);
}

void TzrRadioButton::SetIsChecked(bool value) {
  if (FIsChecked == value) return;
  FIsChecked = value;
  if (value && GetOwner()) {
    TComponent* owner = GetOwner();
    for (int i = 0; i < owner->ComponentCount(); ++i) {
      auto* other = dynamic_cast<TzrRadioButton*>(owner->Component(i));
      if (other && other != this && other->FGroupName == FGroupName) other->SetIsChecked(false);
    }
  }
  if (OnChange) OnChange(this);
}

void TzrProgressBar::SetValue(float value) {
  value = std::clamp(value, FMin, FMax);
  if (FValue == value) return;
  FValue = value;
  if (OnChange) OnChange(this);
}
