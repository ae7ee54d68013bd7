#pragma once
// The toolkit's editor forms (bitmap editor, path designer) read their
// layout strictly from their form resources and reach its components by name.

#include <string>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

// Registers the classes the editor forms name (once) and reads the form
// resource ResName into Form; raises when an entry of it was skipped.
void ReadEditorForm(TComponent* Form, const std::string& ResName);

// The component of Form with that name, which must be a T; raises otherwise.
template <class T>
void FindEditorComponent(const TComponent* Form, const std::string& Name, T*& Field) {
  Field = dynamic_cast<T*>(Form->FindComponent(Name));
  if (!Field)
    throw Exception("Form " + Form->GetName() + ": " + Name + " is missing or of another class");
}
