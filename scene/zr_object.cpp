#include "scene/zr_object.h"

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/rtl/Clock.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_classes.h"
#include "scene/zr_visual.h"

namespace {

bool SameText(const std::string& A, const std::string& B) {
  return A.size() == B.size() && strcasecmp(A.c_str(), B.c_str()) == 0;
}

// Tells a waiting loop whether the object it waits on was freed meanwhile.
class TFreeWatch : public TComponent {
 public:
  explicit TFreeWatch(TComponent* ATarget) : Target(ATarget) { Target->FreeNotification(this); }
  ~TFreeWatch() override {
    if (Target) RemoveFreeNotification(Target);
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Target) Target = nullptr;
  }
  TComponent* Target;
};

// The timer of Release: frees its node once, unless the node went first.
class TzrReleaseTimer : public TTimer {
 public:
  TzrReleaseTimer(TComponent* AOwner, TzrObject* ATarget) : TTimer(AOwner), Target(ATarget) {
    Target->FreeNotification(this);
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TTimer::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Target) Target = nullptr;
  }
  TzrObject* Target;
};

void WaitWhileRunning(TzrObject* AAnimation) {
  TFreeWatch watch(AAnimation);
  for (;;) {
    auto* a = dynamic_cast<IzrAnimation*>(watch.Target);
    if (!a || !a->GetRunning()) return;
    ProcessMessages();
    Sleep(0);
  }
}

}  // namespace

bool zrClassIs(const TObject* AObject, const char* AClassName) {
  if (!AObject) return false;
  for (const TClassInfo* c = AObject->ClassType(); c; c = c->Parent())
    if (strcasecmp(c->Name().c_str(), AClassName) == 0) return true;
  return false;
}

const TEnumInfo& zrInterpolationTypeInfo() {
  static const TEnumInfo info(
      "TzrInterpolationType",
      {"zrInterpolationLinear", "zrInterpolationQuadratic", "zrInterpolationCubic",
       "zrInterpolationQuartic", "zrInterpolationQuintic", "zrInterpolationSinusoidal",
       "zrInterpolationExponential", "zrInterpolationCircular", "zrInterpolationElastic",
       "zrInterpolationBack", "zrInterpolationBounce"});
  return info;
}

const TEnumInfo& zrAnimationTypeInfo() {
  static const TEnumInfo info("TzrAnimationType",
                              {"zrAnimationIn", "zrAnimationOut", "zrAnimationInOut"});
  return info;
}

const TClassInfo* TzrObject::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrObject>("TzrObject", TComponent::Class())
          .Prop("Index", &TzrObject::GetIndex, &TzrObject::SetIndex)
          .Stored(false)
          .Prop("Parent", &TzrObject::GetParent, &TzrObject::SetParent)
          .Stored(false)
          .Prop("BindingName", &TzrObject::GetBindingName, &TzrObject::SetBindingName)
          .Default(0)
          .Prop("ResourceName", &TzrObject::GetResourceName, &TzrObject::SetResourceName)
          .Default(0);
  return info;
}

// ---------------------------------------------------------------- life

TzrObject::TzrObject(TComponent* AOwner) : TComponent(AOwner) { AddResource(this); }

TzrObject::~TzrObject() {
  Destroying();
  if (FScene) FScene->Notification(this, opRemove);
  // Last to first, each entry taken from the live list as it is told: an
  // entry that leaves the list meanwhile (freed or unsubscribed by the
  // handling of another) is not told, and one that joins it is.
  while (FNotifyList && !FNotifyList->empty()) {
    TObject* entry = FNotifyList->back();
    FNotifyList->pop_back();
    if (auto* n = dynamic_cast<IzrFreeNotify*>(entry)) n->FreeNotify(this);
    if (auto* c = dynamic_cast<TComponent*>(entry)) c->Notification(this, opRemove);
  }
  delete FNotifyList;
  FNotifyList = nullptr;
  RemoveResource(this);
  if (FParent)
    FParent->RemoveObject(this);
  else if (FScene)
    FScene->RemoveObject(this);
  FScene = nullptr;
  DeleteChildren();
}

void TzrObject::Release(float Delay) {
  auto* timer = new TzrReleaseTimer(Application, this);
  timer->SetInterval(uint32_t(std::max(0.0f, std::nearbyint(Delay * 1000))));
  // Fires once: frees the node unless it went first, then the timer itself.
  timer->SetOnTimer([timer](TObject*) {
    timer->SetEnabled(false);
    TzrObject* target = timer->Target;
    timer->Target = nullptr;
    delete target;
    delete timer;
  });
  timer->SetEnabled(true);
}

// ---------------------------------------------------------------- tree

void TzrObject::AddObject(TzrObject* AObject) {
  if (!AObject || AObject->FParent == this) return;
  for (TzrObject* p = this; p; p = p->FParent)
    if (p == AObject) throw EInvalidOperation("A node cannot be placed inside itself");
  if (AObject->FParent) AObject->SetParent(nullptr);
  if (!FChildren) {
    FChildren = new std::vector<TzrObject*>();
    FChildren->reserve(10);
  }
  // A node sits in at most one list, its parent's: it cannot be in this one.
  FChildren->push_back(AObject);
  AObject->FParent = this;
  AObject->FIndex = static_cast<int>(FChildren->size()) - 1;
  AObject->SetNewScene(FScene);
  AObject->ChangeParent();
  DoAddObject(AObject);
}

void TzrObject::RemoveObject(TzrObject* AObject) {
  // Only a child of this node is unlinked: clearing the parent of a node that
  // sits in another list would leave that list pointing at an orphan.
  if (!AObject || !FChildren || AObject->FParent != this) return;
  DoRemoveObject(AObject);
  AObject->FParent = nullptr;
  AObject->SetNewScene(nullptr);
  const int cached = AObject->FIndex;
  if (cached >= 0) ResetChildrenIndices(cached);
  // Found through the cached index when it is known (the hooks may have moved things).
  auto it = cached >= 0 && cached < GetChildrenCount() && (*FChildren)[size_t(cached)] == AObject
                ? FChildren->begin() + cached
                : std::find(FChildren->begin(), FChildren->end(), AObject);
  if (it != FChildren->end()) FChildren->erase(it);
  AObject->FIndex = -1;
  DoRemovedObject(AObject);
}

void TzrObject::SetParent(TzrObject* Value) {
  if (Value == FParent) return;
  if (FParent)
    FParent->RemoveObject(this);
  else if (FScene)
    FScene->RemoveObject(this);
  if (Value)
    Value->AddObject(this);
  else
    FParent = nullptr;
}

void TzrObject::Exchange(TzrObject* AObject1, TzrObject* AObject2) {
  if (!FChildren || !AObject1 || !AObject2) return;
  if (AObject1->FParent != this || AObject2->FParent != this) return;
  const int i1 = AObject1->GetIndex();
  const int i2 = AObject2->GetIndex();
  std::swap((*FChildren)[size_t(i1)], (*FChildren)[size_t(i2)]);
  AObject1->FIndex = i2;
  AObject2->FIndex = i1;
  if (FIsVisual && !IsLoading() && FParent && FParent->FIsVisual) FParent->Realign();
}

void TzrObject::DeleteChildren() {
  if (!FChildren) return;
  // Taken off the list before each free, so that a child that frees a
  // sibling finds the list consistent.
  while (FChildren && !FChildren->empty()) {
    TzrObject* child = FChildren->back();
    FChildren->pop_back();
    child->FParent = nullptr;
    child->FIndex = -1;
    child->SetNewScene(nullptr);
    delete child;
  }
  delete FChildren;
  FChildren = nullptr;
}

TzrObject* TzrObject::GetChild(int Index) const {
  if (Index < 0) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  if (!FChildren || Index >= GetChildrenCount()) return nullptr;
  return (*FChildren)[size_t(Index)];
}

int TzrObject::GetIndex() {
  if (FIndex < 0 && FParent && FParent->FChildren) {
    const auto& list = *FParent->FChildren;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) FIndex = static_cast<int>(it - list.begin());
  }
  return FIndex;
}

void TzrObject::ResetChildrenIndices(int From) {
  if (!FChildren) return;
  for (size_t i = size_t(std::max(From, 0)); i < FChildren->size(); ++i)
    (*FChildren)[i]->FIndex = -1;
}

bool TzrObject::MoveAmongSiblings(int Index) {
  if (!FParent || !FParent->FChildren) return false;
  auto& list = *FParent->FChildren;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return false;
  list.erase(it);
  Index = std::clamp(Index, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + Index, this);
  FParent->ResetChildrenIndices();
  return true;
}

void TzrObject::SetIndex(int Index) {
  if (!MoveAmongSiblings(Index)) return;
  if (FIsVisual && !IsLoading() && FParent->FIsVisual) FParent->Realign();
}

void TzrObject::BringToFront() {
  if (!MoveAmongSiblings(std::numeric_limits<int>::max())) return;
  if (FIsVisual) Repaint();
}

void TzrObject::SendToBack() {
  if (!MoveAmongSiblings(0)) return;
  if (FParent->FIsVisual) FParent->Realign();
}

void TzrObject::Sort(const std::function<int(TzrObject*, TzrObject*)>& Compare) {
  if (!FChildren) return;
  std::stable_sort(FChildren->begin(), FChildren->end(),
                   [&](TzrObject* A, TzrObject* B) { return Compare(A, B) < 0; });
  ResetChildrenIndices();
}

void TzrObject::AddObjectsToList(std::vector<TzrObject*>& AList) {
  AList.push_back(this);
  for (int i = 0; i < GetChildrenCount(); ++i) (*FChildren)[size_t(i)]->AddObjectsToList(AList);
}

void TzrObject::AddControlsToList(std::vector<TzrObject*>& AList) {
  if (zrClassIs(this, "TzrControl")) AList.push_back(this);
  for (int i = 0; i < GetChildrenCount(); ++i) (*FChildren)[size_t(i)]->AddControlsToList(AList);
}

TzrObject* TzrObject::HasClipParent() {
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = (*FChildren)[size_t(i)];
    // Every visual node publishes ClipParent as its own flag.
    if (child->FIsVisual && child->GetVisual()->GetClipParent()) return child;
  }
  return nullptr;
}

// ---------------------------------------------------------------- scene

IzoRurev* TzrObject::GetScene() {
  if (!FScene && FParent) FScene = FParent->FScene;
  return FScene;
}

void TzrObject::SetNewScene(IzoRurev* AScene) {
  FScene = AScene;
  for (int i = 0; i < GetChildrenCount(); ++i) (*FChildren)[size_t(i)]->SetNewScene(AScene);
}

// ---------------------------------------------------------------- names and data

void TzrObject::SetResourceName(const std::string& Value) {
  if (Value != FResourceName) FResourceName = Value;
}

void TzrObject::SetBindingName(const std::string& Value) {
  if (Value != FBindingName) FBindingName = Value;
}

TzrObject* TzrObject::FindResource(const std::string& AResource) {
  if (AResource.empty()) return nullptr;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = (*FChildren)[size_t(i)];
    if (SameText(child->FResourceName, AResource)) return child;
    if (zrClassIs(child, "TzrControl")) continue;
    if (TzrObject* found = child->FindResource(AResource)) return found;
  }
  return nullptr;
}

void TzrObject::UpdateResource() {
  if (IsLoading() || IsDestroying()) return;
  for (int i = 0; i < GetChildrenCount(); ++i) (*FChildren)[size_t(i)]->UpdateResource();
}

TzrObject* TzrObject::FindBinding(const std::string& ABinding) {
  if (SameText(FBindingName, ABinding)) return this;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = (*FChildren)[size_t(i)];
    if (SameText(child->FBindingName, ABinding)) return child;
    if (TzrObject* found = child->FindBinding(ABinding)) return found;
  }
  return nullptr;
}

Variant TzrObject::GetBinding(const std::string& Index) {
  TzrObject* target = FindBinding(Index);
  return target ? target->GetData() : Variant(std::string());
}

void TzrObject::SetBinding(const std::string& Index, const Variant& Value) {
  TzrObject* target = FindBinding(Index);
  if (!target) return;
  try {
    target->SetData(Value);
  } catch (const std::exception&) {
    // A value the target cannot take leaves it as it was.
  }
}

Variant TzrObject::GetData() { return Variant(GetName()); }

void TzrObject::SetData(const Variant& Value) { (void)Value; }

void TzrObject::SetStored(bool Value) {
  if (Value == FStored) return;
  FStored = Value;
  for (int i = 0; i < GetChildrenCount(); ++i) (*FChildren)[size_t(i)]->SetStored(Value);
}

// ---------------------------------------------------------------- free notification

void TzrObject::AddFreeNotify(TObject* AObject) {
  if (!FNotifyList) FNotifyList = new std::vector<TObject*>();
  FNotifyList->push_back(AObject);
}

void TzrObject::RemoveFreeNotify(TObject* AObject) {
  if (!FNotifyList) return;
  auto it = std::find(FNotifyList->begin(), FNotifyList->end(), AObject);
  if (it != FNotifyList->end()) FNotifyList->erase(it);
}

// ---------------------------------------------------------------- animations

TzrObject* TzrObject::CreateAnimation(const char* AClassName, const std::string& APropertyName,
                                      float Duration, TzrAnimationType AType,
                                      TzrInterpolationType AInterpolation) {
  const TClassInfo* cls = GetClass(AClassName);
  if (!cls) return nullptr;
  TObject* made = cls->Create(this);
  auto* animation = dynamic_cast<TzrObject*>(made);
  if (!animation || !dynamic_cast<IzrAnimation*>(made)) {
    delete made;
    return nullptr;
  }
  animation->SetParent(this);
  SetPropValue(animation, "AnimationType", Variant(zrAnimationTypeInfo().NameOf(AType)));
  SetPropValue(animation, "Interpolation",
               Variant(zrInterpolationTypeInfo().NameOf(AInterpolation)));
  SetPropValue(animation, "Duration", Variant(double(Duration)));
  SetPropValue(animation, "PropertyName", Variant(APropertyName));
  SetPropValue(animation, "StartFromCurrent", Variant(true));
  return animation;
}

static void FreeOnFinish(TzrObject* AAnimation) {
  const TPropInfo* onFinish = GetPropInfo(AAnimation, "OnFinish");
  if (onFinish && onFinish->Kind == tkMethod)
    onFinish->SetEvent(AAnimation, std::any(TNotifyEvent([](TObject* Sender) { delete Sender; })));
}

void TzrObject::AnimateFloat(const std::string& APropertyName, float NewValue, float Duration,
                             TzrAnimationType AType, TzrInterpolationType AInterpolation) {
  TzrObject* a =
      CreateAnimation("TzrFloatAnimation", APropertyName, Duration, AType, AInterpolation);
  if (!a) return;
  SetPropValue(a, "StopValue", Variant(double(NewValue)));
  FreeOnFinish(a);
  dynamic_cast<IzrAnimation*>(a)->Start();
}

void TzrObject::AnimateFloatDelay(const std::string& APropertyName, float NewValue, float Duration,
                                  float Delay, TzrAnimationType AType,
                                  TzrInterpolationType AInterpolation) {
  TzrObject* a =
      CreateAnimation("TzrFloatAnimation", APropertyName, Duration, AType, AInterpolation);
  if (!a) return;
  SetPropValue(a, "Delay", Variant(double(Delay)));
  SetPropValue(a, "StopValue", Variant(double(NewValue)));
  dynamic_cast<IzrAnimation*>(a)->Start();
}

void TzrObject::AnimateColor(const std::string& APropertyName, const std::string& NewValue,
                             float Duration, TzrAnimationType AType,
                             TzrInterpolationType AInterpolation) {
  TzrObject* a =
      CreateAnimation("TzrColorAnimation", APropertyName, Duration, AType, AInterpolation);
  if (!a) return;
  SetPropValue(a, "StopValue", Variant(NewValue));
  FreeOnFinish(a);
  dynamic_cast<IzrAnimation*>(a)->Start();
}

void TzrObject::AnimateFloatWait(const std::string& APropertyName, float NewValue, float Duration,
                                 TzrAnimationType AType, TzrInterpolationType AInterpolation) {
  TzrObject* a =
      CreateAnimation("TzrFloatAnimation", APropertyName, Duration, AType, AInterpolation);
  if (!a) return;
  SetPropValue(a, "StopValue", Variant(double(NewValue)));
  dynamic_cast<IzrAnimation*>(a)->Start();
  TFreeWatch watch(a);
  WaitWhileRunning(a);
  delete watch.Target;
}

void TzrObject::StartAnimation(const std::string& AName) {
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = (*FChildren)[size_t(i)];
    auto* a = dynamic_cast<IzrAnimation*>(child);
    if (a && SameText(child->GetName(), AName)) a->Start();
  }
}

void TzrObject::StopAnimation(const std::string& AName) {
  for (int i = GetChildrenCount() - 1; i >= 0; --i) {
    if (i >= GetChildrenCount()) continue;
    TzrObject* child = (*FChildren)[size_t(i)];
    auto* a = dynamic_cast<IzrAnimation*>(child);
    if (a && SameText(child->GetName(), AName)) a->Stop();
  }
}

void TzrObject::StartTriggerWalk(TzrObject* AInstance, const std::string& ATrigger, bool Wait) {
  StopTriggerAnimation(AInstance);
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = (*FChildren)[size_t(i)];
    if (auto* a = dynamic_cast<IzrAnimation*>(child)) {
      a->StartTrigger(AInstance, ATrigger);
      if (Wait) WaitWhileRunning(child);
    } else if (child->IsStylePart()) {
      if (Wait)
        child->StartTriggerAnimationWait(AInstance, ATrigger);
      else
        child->StartTriggerAnimation(AInstance, ATrigger);
    }
  }
}

void TzrObject::StartTriggerAnimation(TzrObject* AInstance, const std::string& ATrigger) {
  StartTriggerWalk(AInstance, ATrigger, false);
}

void TzrObject::StartTriggerAnimationWait(TzrObject* AInstance, const std::string& ATrigger) {
  StartTriggerWalk(AInstance, ATrigger, true);
}

void TzrObject::StopTriggerAnimation(TzrObject* AInstance) {
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = (*FChildren)[size_t(i)];
    if (auto* a = dynamic_cast<IzrAnimation*>(child)) {
      if (!a->GetTrigger().empty()) a->Stop();
    } else if (child->IsStylePart()) {
      child->StopTriggerAnimation(AInstance);
    }
  }
}

void TzrObject::ApplyTriggerEffect(TzrObject* AInstance, const std::string& ATrigger) {
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = (*FChildren)[size_t(i)];
    if (auto* e = dynamic_cast<IzrEffect*>(child))
      e->ApplyTrigger(AInstance, ATrigger);
    else if (child->IsStylePart())
      child->ApplyTriggerEffect(AInstance, ATrigger);
  }
}

// ---------------------------------------------------------------- streaming hooks

void TzrObject::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TComponent::GetChildren(Proc, Root);
  if (zrClassIs(this, "TzrContent")) return;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = (*FChildren)[size_t(i)];
    if (zrClassIs(child, "TzrContent"))
      for (int j = 0; j < child->GetChildrenCount(); ++j) {
        TzrObject* inner = (*child->FChildren)[size_t(j)];
        if (inner->FStored) Proc(inner);
      }
    if (child->FStored) Proc(child);
  }
}

TComponent* TzrObject::GetParentComponent() const {
  TzrObject* p = FParent;
  TComponent* result = p;
  if (p && zrClassIs(p, "TzrPopup") && p->FParent && zrClassIs(p->FParent, "TzrPopupItem"))
    result = p->FParent;
  else if (p && (zrClassIs(p, "TzrContent") || zrClassIs(p, "TzrComboListBox")))
    result = p->FParent;
  if (result) return result;
  IzoRurev* scene = FScene ? FScene : (FParent ? FParent->FScene : nullptr);
  return scene ? scene->GetComponent() : nullptr;
}

void TzrObject::SetParentComponent(TComponent* Value) {
  TComponent::SetParentComponent(Value);
  if (FParent) FParent->RemoveObject(this);
  if (auto* node = dynamic_cast<TzrObject*>(Value))
    node->AddObject(this);
  else if (auto* scene = dynamic_cast<IzoRurev*>(Value))
    scene->AddObject(this);
}
