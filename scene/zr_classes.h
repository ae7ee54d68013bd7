#pragma once
// The toolkit's global lists: the class registry by category, every node ever
// made (for the look-up of named resources), the scenes, and the handles by
// which variants carry object and event references.

#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/Rtti.h"
#include "platform/rtl/Variants.h"
#include "scene/zr_intf.h"

class TzrObject;
class TStream;

// ---- class registry
// Pairs (category, class) for designers, kept sorted by category.
const std::vector<std::pair<std::string, const TClassInfo*>>& ObjectList();
void RegisterZRObject(const std::string& Category, const TClassInfo* AClass);
// Registers each class under Category and with the class-name registry, so
// that streams can create it.
void RegisterZRObjects(const std::string& Category, const std::vector<const TClassInfo*>& AClasses);
// Registers the scene core's own classes that streams name (the named
// resources); once per process. The build tool checks authored streams with them.
void RegisterSceneClasses();

// ---- named resources
// Every node, oldest first, with nil where a node was freed or removed.
const std::vector<TzrObject*>& ResourceList();
void AddResource(TzrObject* AObject);
void RemoveResource(TzrObject* AObject);
// The newest live node whose Stored is true and whose ResourceName equals
// Name without regard to case; nil when none. Qualified as
// zr_classes::FindResource: the run-time layer's FindResource (data compiled
// into the program) shares the name.
namespace zr_classes {
TzrObject* FindResource(const std::string& Name);
}

// ---- scenes
const std::vector<IzoRurev*>& SceneList();
void AddScene(IzoRurev* AScene);
void RemoveScene(IzoRurev* AScene);

// ---- objects from streams (nil after any failure)
// Text stream: converts it, creates the root's registered class with owner
// AOwner and reads the stream into it.
TzrObject* CreateObjectFromStream(TComponent* AOwner, TStream* AStream);
// Binary stream from its current position.
TzrObject* CreateObjectFromBinStream(TComponent* AOwner, TStream* AStream);
// Reads a text stream into AObject; AObject, or nil after a failure.
TzrObject* LoadObjectFromStream(TzrObject* AObject, TStream* AStream);

// ---- references in variants
// "zrobj" and a handle number. The handle stays valid while the component
// lives; objects that are not components cannot be carried (Null).
Variant ObjectToVariant(TObject* AObject);
bool VarIsObject(const Variant& V);
// The live object a handle names; nil for any other text or a freed object.
TObject* VariantToObject(const Variant& V);
// "zrmet" and a handle number for a copy of the handler, a method of the
// component AObject: the copy is dropped when AObject is freed. A handler
// without a component to live with cannot be carried (Null); the empty
// handler is "zrmet0".
Variant EventToVariant(const TNotifyEvent& AEvent, TObject* AObject);
bool VarIsEvent(const Variant& V);
// The handler a handle names; an empty handler for any other text or once
// its object is freed.
TNotifyEvent VariantToEvent(const Variant& V);
