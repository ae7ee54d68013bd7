#pragma once
// The window's link controls and menu items are made in one way: owned by the
// window (which frees them) and named, so that FindComponent reaches them.

#include <string>

#include "platform/rtl/Classes.h"

template <class T>
T* MakeNamed(TComponent* owner, const std::string& name) {
  T* control = new T(owner);
  control->SetName(name);
  return control;
}
