#include "platform/rtl/Classes.h"

#include <strings.h>

#include <algorithm>

#include "platform/rtl/Rtti.h"
#include "platform/rtl/SysUtils.h"

std::string TObject::ClassName() const { return ClassType()->Name(); }

bool TObject::InheritsFrom(const TClassInfo* AClass) const {
  return ClassType()->InheritsFrom(AClass);
}

void TPersistent::Assign(TPersistent* Source) {
  if (Source) {
    Source->AssignTo(this);
    return;
  }
  AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) {
  const std::string from = this == Dest ? "nil" : ClassName();
  throw EConvertError("Cannot assign a " + from + " to a " + Dest->ClassName());
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Free owned components last-created first; each removes itself from the list.
  while (!FComponents.empty()) delete FComponents.back();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (FDestroying) return;
  FDestroying = true;
  // Tell those that asked; each may unsubscribe others while being told.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& back = other->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, opRemove);
  }
}

TComponentState TComponent::GetComponentState() const {
  return FState | (FDestroying ? TComponentState(csDestroying) : 0u);
}

void TComponent::SetDesigning(bool Value) {
  FState = Value ? (FState | csDesigning) : (FState & ~csDesigning);
  for (TComponent* c : FComponents) c->SetDesigning(Value);
}

void TComponent::Loaded() { FState &= ~csLoading; }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) {
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent),
                        FFreeNotifies.end());
  }
  // Newest first; a notified component may free others of the list.
  for (size_t i = FComponents.size(); i-- > 0;)
    if (i < FComponents.size()) FComponents[i]->Notification(AComponent, Operation);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
    FFreeNotifies.push_back(AComponent);
  auto& back = AComponent->FFreeNotifies;
  if (std::find(back.begin(), back.end(), this) == back.end()) back.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent),
                      FFreeNotifies.end());
  auto& back = AComponent->FFreeNotifies;
  back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  (void)Proc;
  (void)Root;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (strcasecmp(c->GetName().c_str(), name.c_str()) == 0) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  component->FOwner = this;
  FComponents.push_back(component);
  // A component made inside a form being designed is designed too.
  if (IsDesigning()) component->SetDesigning(true);
}

void TComponent::RemoveComponent(TComponent* component) {
  // Searched from the end: components are mostly freed newest first.
  auto it = std::find(FComponents.rbegin(), FComponents.rend(), component);
  if (it == FComponents.rend()) return;
  FComponents.erase(std::next(it).base());
  component->FOwner = nullptr;
  if (!FDestroying) Notification(component, opRemove);
}
