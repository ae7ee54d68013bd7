#pragma once
// How animations reach the property they change: a property name with dots
// is cut segment by segment from the parent through published object
// properties ("Fill.Color", "Parent.Position.Y"), and colour values are read
// and written as colour text or as an ARGB integer, whichever the property is.

#include <string>

#include "platform/rtl/Rtti.h"
#include "scene/zr_geometry.h"

class TzrObject;

struct TzrAniTarget {
  TObject* Instance = nullptr;      // the object holding the property; nil: no target
  const TPropInfo* Prop = nullptr;  // nil when Instance has no such property
  TzrObject* Node = nullptr;        // the last node on the way (freeing it ends the target)
};

// Every segment but the last that names a published object property (any
// letter case) moves on to the object it holds, a segment naming nothing
// else is dropped, and an object property holding nil ends with no target.
TzrAniTarget zrResolveAniTarget(TzrObject* AParent, const std::string& APropertyName);

// Colour targets: text properties hold colour text, integer ones ARGB.
bool zrIsColorProp(const TPropInfo* Prop);
TzrColor zrGetColorProp(TObject* Instance, const TPropInfo* Prop);
void zrSetColorProp(TObject* Instance, const TPropInfo* Prop, TzrColor Value);
