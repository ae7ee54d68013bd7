#pragma once
// The program's forms whose content is a scene read from a form resource:
// reading it strictly, reaching its components, and captions in symbol fonts.

#include <string>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

class TzrTextControl;

// Registers every class the program's forms name (once).
void RegisterSceneFormClasses();
// Registers those classes and reads the form resource ResName into Form;
// raises when an entry of it was skipped.
void ReadSceneForm(TComponent* Form, const std::string& ResName);

// The component of Form with that name, which must be a T; raises otherwise.
template <class T>
void FindSceneComponent(const TComponent* Form, const std::string& Name, T*& Field) {
  Field = dynamic_cast<T*>(Form->FindComponent(Name));
  if (!Field)
    throw Exception("Form " + Form->GetName() + ": " + Name + " is missing or of another class");
}

// A caption set in the "Wingdings" symbol font is shown as the symbol that
// font draws for it (its "v" is U+2756), in the default family: the text
// layer takes the glyph from a font that has it.
void ShowSymbolFontCaption(TzrTextControl* Control);
