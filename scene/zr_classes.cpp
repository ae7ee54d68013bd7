#include "scene/zr_classes.h"

#include <strings.h>

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "platform/rtl/Streams.h"
#include "scene/zr_object.h"
#include "scene/zr_resource_objects.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

bool SameText(const std::string& A, const std::string& B) {
  return A.size() == B.size() && strcasecmp(A.c_str(), B.c_str()) == 0;
}

std::vector<std::pair<std::string, const TClassInfo*>>& Objects() {
  static std::vector<std::pair<std::string, const TClassInfo*>> list;
  return list;
}

std::vector<TzrObject*>& Resources() {
  static std::vector<TzrObject*>* list = [] {
    auto* l = new std::vector<TzrObject*>();
    l->reserve(100);
    return l;
  }();
  return *list;
}
size_t FreedResources = 0;

// Never freed: forms owned by the application object free their scenes while
// the program's statics are being destroyed, after a list of static storage
// would already be gone.
std::vector<IzoRurev*>& Scenes() {
  static auto* list = new std::vector<IzoRurev*>;
  return *list;
}

// Drops the freed entries once they are the majority, keeping the order
// (newest last) and the nodes' positions right.
void CompactResources() {
  auto& list = Resources();
  if (FreedResources < 1024 || FreedResources * 2 < list.size()) return;
  size_t out = 0;
  for (TzrObject* node : list) {
    if (!node) continue;
    node->FResourceIndex = int(out);
    list[out++] = node;
  }
  list.resize(out);
  FreedResources = 0;
}

// ---------------------------------------------------------------- handles

// Handles of components and of their event handlers carried in variants.
// Every entry belongs to a component and goes when that component is freed,
// so the table holds only live objects and handlers whose object is alive.
// Handle numbers are never reused: a stale variant names nothing.
class THandleTable : public TComponent {
 public:
  int64_t AddObject(TComponent* AComponent) {
    TOwned& owned = Watch(AComponent);
    if (owned.Object) return owned.Object;
    owned.Object = ++FLast;
    FObjects[owned.Object] = AComponent;
    return owned.Object;
  }
  int64_t AddEvent(TComponent* AComponent, const TNotifyEvent& AEvent) {
    TOwned& owned = Watch(AComponent);
    const int64_t handle = ++FLast;
    owned.Events.push_back(handle);
    FEvents[handle] = AEvent;
    return handle;
  }
  TComponent* Object(int64_t Handle) const {
    auto it = FObjects.find(Handle);
    return it == FObjects.end() ? nullptr : it->second;
  }
  TNotifyEvent Event(int64_t Handle) const {
    auto it = FEvents.find(Handle);
    return it == FEvents.end() ? TNotifyEvent() : it->second;
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    auto it = FByObject.find(AComponent);
    if (it == FByObject.end()) return;
    FObjects.erase(it->second.Object);
    for (int64_t handle : it->second.Events) FEvents.erase(handle);
    FByObject.erase(it);
  }

 private:
  struct TOwned {
    int64_t Object = 0;
    std::vector<int64_t> Events;
  };
  TOwned& Watch(TComponent* AComponent) {
    auto [it, added] = FByObject.try_emplace(AComponent);
    if (added) AComponent->FreeNotification(this);
    return it->second;
  }

  int64_t FLast = 0;
  std::unordered_map<int64_t, TComponent*> FObjects;
  std::unordered_map<int64_t, TNotifyEvent> FEvents;
  std::unordered_map<TComponent*, TOwned> FByObject;
};

THandleTable& Handles() {
  // Kept to the end of the process: components may outlive static destruction order.
  static THandleTable* table = new THandleTable();
  return *table;
}

// The handle after Prefix in the variant's text; 0 when the text is no handle.
int64_t HandleOf(const Variant& V, const char* Prefix) {
  if (!V.IsText()) return 0;
  const std::string s = V.ToString();
  if (s.size() < 6 || s.size() > 5 + 18 || s.compare(0, 5, Prefix) != 0) return 0;
  int64_t handle = 0;
  auto r = std::from_chars(s.data() + 5, s.data() + s.size(), handle);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return 0;
  return handle;
}

}  // namespace

// ---------------------------------------------------------------- registry

const std::vector<std::pair<std::string, const TClassInfo*>>& ObjectList() { return Objects(); }

void RegisterZRObject(const std::string& Category, const TClassInfo* AClass) {
  auto& list = Objects();
  list.insert(list.begin(), {Category, AClass});
  std::stable_sort(list.begin(), list.end(), [](const auto& A, const auto& B) {
    return strcasecmp(A.first.c_str(), B.first.c_str()) < 0;
  });
}

void RegisterZRObjects(const std::string& Category,
                       const std::vector<const TClassInfo*>& AClasses) {
  for (const TClassInfo* c : AClasses) {
    if (!c) continue;
    RegisterZRObject(Category, c);
    RegisterClass(c);
  }
}

void RegisterSceneClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterZRObjects("Resources", {TzrBrushObject::Class(), TzrPathObject::Class(),
                                  TzrBitmapObject::Class()});
}

// ---------------------------------------------------------------- resources

const std::vector<TzrObject*>& ResourceList() { return Resources(); }

void AddResource(TzrObject* AObject) {
  if (!AObject) return;
  auto& list = Resources();
  const int i = AObject->FResourceIndex;
  if (i >= 0 && size_t(i) < list.size() && list[size_t(i)] == AObject) return;
  AObject->FResourceIndex = int(list.size());
  list.push_back(AObject);
}

void RemoveResource(TzrObject* AObject) {
  if (!AObject) return;
  auto& list = Resources();
  const int i = AObject->FResourceIndex;
  if (i < 0 || size_t(i) >= list.size() || list[size_t(i)] != AObject) return;
  list[size_t(i)] = nullptr;
  AObject->FResourceIndex = -1;
  ++FreedResources;
  CompactResources();
}

namespace zr_classes {

TzrObject* FindResource(const std::string& Name) {
  const auto& list = Resources();
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    TzrObject* node = *it;
    if (node && node->GetStored() && SameText(node->GetResourceName(), Name)) return node;
  }
  return nullptr;
}

}  // namespace zr_classes

// ---------------------------------------------------------------- scenes

const std::vector<IzoRurev*>& SceneList() { return Scenes(); }

void AddScene(IzoRurev* AScene) {
  auto& list = Scenes();
  if (AScene && std::find(list.begin(), list.end(), AScene) == list.end()) list.push_back(AScene);
}

void RemoveScene(IzoRurev* AScene) {
  auto& list = Scenes();
  list.erase(std::remove(list.begin(), list.end(), AScene), list.end());
}

// ---------------------------------------------------------------- objects from streams

TzrObject* CreateObjectFromBinStream(TComponent* AOwner, TStream* AStream) {
  TzrObject* made = nullptr;
  try {
    const int64_t start = AStream->GetPosition();
    std::string className;
    {
      TReader reader(AStream);
      className = reader.ReadRootClassName();
    }
    AStream->SetPosition(start);
    const TClassInfo* cls = GetClass(className);
    if (!cls) return nullptr;
    TObject* object = cls->Create(AOwner);
    made = dynamic_cast<TzrObject*>(object);
    if (!made) {
      delete object;
      return nullptr;
    }
    made->IntLoadFromBinStream(AStream);
    return made;
  } catch (const std::exception&) {
    // The instance stays with its owner; without one it would be lost.
    if (made && !AOwner) delete made;
    return nullptr;
  }
}

TzrObject* CreateObjectFromStream(TComponent* AOwner, TStream* AStream) {
  TMemoryStream binary;
  try {
    ObjectTextToBinary(AStream, &binary);
  } catch (const std::exception&) {
    return nullptr;
  }
  binary.SetPosition(0);
  return CreateObjectFromBinStream(AOwner, &binary);
}

TzrObject* LoadObjectFromStream(TzrObject* AObject, TStream* AStream) {
  try {
    TMemoryStream binary;
    ObjectTextToBinary(AStream, &binary);
    binary.SetPosition(0);
    if (AObject) AObject->IntLoadFromBinStream(&binary);
    return AObject;
  } catch (const std::exception&) {
    return nullptr;
  }
}

// ---------------------------------------------------------------- references in variants

Variant ObjectToVariant(TObject* AObject) {
  if (!AObject) return Variant(std::string("zrobj0"));
  auto* component = dynamic_cast<TComponent*>(AObject);
  if (!component || component->IsDestroying()) return Variant::Null();
  return Variant("zrobj" + std::to_string(Handles().AddObject(component)));
}

bool VarIsObject(const Variant& V) {
  const std::string s = V.ToString();
  return !s.empty() && s.compare(0, 5, "zrobj") == 0;
}

TObject* VariantToObject(const Variant& V) { return Handles().Object(HandleOf(V, "zrobj")); }

Variant EventToVariant(const TNotifyEvent& AEvent, TObject* AObject) {
  if (!AEvent) return Variant(std::string("zrmet0"));
  auto* component = dynamic_cast<TComponent*>(AObject);
  if (!component || component->IsDestroying()) return Variant::Null();
  return Variant("zrmet" + std::to_string(Handles().AddEvent(component, AEvent)));
}

bool VarIsEvent(const Variant& V) { return V.IsText() && V.ToString().compare(0, 5, "zrmet") == 0; }

TNotifyEvent VariantToEvent(const Variant& V) { return Handles().Event(HandleOf(V, "zrmet")); }
