#pragma once
// Strict reading of the forms and style sheets authored for the program.
// The toolkit's own loads skip unknown classes, properties and values, so an
// older stream still loads; an authored stream is instead checked where it
// is built and tested, and a typo ("Fil.Color") fails there with its line.

#include <memory>

#include "platform/rtl/Classes.h"

class TClassInfo;
class TStream;

// Reads a text stream into a new instance of its root's registered class,
// without owner. Any unknown class, property or value, a reference that
// names no component and malformed text raise EParserError naming the line.
// A root class that is not registered is read as FormClass when one is given:
// a form's own class lives in the program, the classes of what it holds and
// the properties of the form class are still checked.
std::unique_ptr<TComponent> ReadObjectTextStrict(TStream* Text,
                                                 const TClassInfo* FormClass = nullptr);
