#include "platform/vcl/ActnList.h"

#include <algorithm>

#include "platform/vcl/ImgList.h"

namespace {
uint64_t NextHandlerId = 0;
}

bool SameHandler(const TNotifyEvent& A, const TNotifyEvent& B) {
  if (!A || !B) return !A && !B;
  const auto* a = A.target<TActionHandler>();
  const auto* b = B.target<TActionHandler>();
  return a && b && a->Id == b->Id;
}

// ---------------------------------------------------------------- TBasicAction

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  Destroying();
  // The links forget the action; their clients hear of it through the
  // free notification they asked for.
  while (!FClients.empty()) FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute() {
  if (!FOnExecute) return false;
  FOnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

TNotifyEvent TBasicAction::GetOnExecute() const {
  if (!FOnExecute) return {};
  return TActionHandler{FOnExecute, FOnExecuteId};
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value) {
  if (const auto* wrapped = Value.target<TActionHandler>()) {
    FOnExecute = wrapped->Handler;
    FOnExecuteId = wrapped->Id;
  } else {
    FOnExecute = Value;
    FOnExecuteId = ++NextHandlerId;
  }
  Change();
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
  if (std::find(FClients.begin(), FClients.end(), Value) == FClients.end())
    FClients.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) { std::erase(FClients, Value); }

void TBasicAction::Change() {
  if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------- TBasicActionLink

TBasicActionLink::TBasicActionLink(TObject* AClient) { (void)AClient; }

void TBasicActionLink::Change() {
  if (OnChange) OnChange(FAction);
}

TBasicActionLink::~TBasicActionLink() {
  if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == FAction) return;
  if (FAction) FAction->UnRegisterChanges(this);
  FAction = Value;
  if (Value) Value->RegisterChanges(this);
}

// ---------------------------------------------------------------- TContainedAction

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

void TContainedAction::SetActionList(TCustomActionList* Value) {
  if (Value == FActionList) return;
  if (FActionList) {
    std::erase(FActionList->FActions, this);
    FActionList->RemoveFreeNotification(this);
  }
  FActionList = Value;
  if (!Value) return;
  Value->FActions.push_back(this);
  Value->FreeNotification(this);
}

bool TContainedAction::Execute() {
  if (FActionList && FActionList->ExecuteAction(this)) return true;
  return TBasicAction::Execute();
}

bool TContainedAction::Update() {
  if (FActionList && FActionList->UpdateAction(this)) return true;
  return TBasicAction::Update();
}

// ---------------------------------------------------------------- TCustomAction

namespace {
// Each link of a full action, as the link class that shows its properties.
template <class F>
void ForLinks(const std::vector<TBasicActionLink*>& Clients, F Step) {
  const std::vector<TBasicActionLink*> links = Clients;
  for (TBasicActionLink* link : links)
    if (auto* l = dynamic_cast<TActionLink*>(link)) Step(l);
}
}  // namespace

void TCustomAction::SetCaption(const std::u16string& Value) {
  if (Value == FCaption) return;
  ForLinks(FClients, [&](TActionLink* l) { l->SetCaption(Value); });
  FCaption = Value;
  Change();
}

void TCustomAction::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  ForLinks(FClients, [&](TActionLink* l) { l->SetEnabled(Value); });
  FEnabled = Value;
  Change();
}

void TCustomAction::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  for (TBasicActionLink* link : FClients) link->Change();
  Change();
}

void TCustomAction::SetVisible(bool Value) {
  if (Value == FVisible) return;
  ForLinks(FClients, [&](TActionLink* l) { l->SetVisible(Value); });
  FVisible = Value;
  Change();
}

void TCustomAction::SetHint(const std::u16string& Value) {
  if (Value == FHint) return;
  ForLinks(FClients, [&](TActionLink* l) { l->SetHint(Value); });
  FHint = Value;
  Change();
}

void TCustomAction::SetHelpContext(int Value) {
  if (Value == FHelpContext) return;
  ForLinks(FClients, [&](TActionLink* l) { l->SetHelpContext(Value); });
  FHelpContext = Value;
  Change();
}

void TCustomAction::SetHelpKeyword(const std::string& Value) {
  if (Value == FHelpKeyword) return;
  ForLinks(FClients, [&](TActionLink* l) { l->SetHelpKeyword(Value); });
  FHelpKeyword = Value;
  Change();
}

void TCustomAction::SetHelpType(int Value) {
  if (Value == FHelpType) return;
  ForLinks(FClients, [&](TActionLink* l) { l->SetHelpType(Value); });
  FHelpType = Value;
  Change();
}

void TCustomAction::SetOnExecute(const TNotifyEvent& Value) {
  TActionHandler next{Value, ++NextHandlerId};
  if (const auto* wrapped = Value.target<TActionHandler>()) next = *wrapped;
  const TNotifyEvent handed = next.Handler ? TNotifyEvent(next) : TNotifyEvent();
  ForLinks(FClients, [&](TActionLink* l) { l->SetOnExecute(handed); });
  TBasicAction::SetOnExecute(handed);
}

bool TCustomAction::DoHint(std::u16string& HintStr) {
  bool show = true;
  if (OnHint) OnHint(HintStr, show);
  return show;
}

// ---------------------------------------------------------------- TActionLink

bool TActionLink::IsCaptionLinked() { return FullAction() != nullptr; }
bool TActionLink::IsEnabledLinked() { return FullAction() != nullptr; }
bool TActionLink::IsHelpLinked() { return FullAction() != nullptr; }
bool TActionLink::IsHintLinked() { return FullAction() != nullptr; }
bool TActionLink::IsVisibleLinked() { return FullAction() != nullptr; }

bool TActionLink::DoShowHint(std::u16string& HintStr) {
  TCustomAction* action = FullAction();
  return !action || action->DoHint(HintStr);
}

// ---------------------------------------------------------------- TCustomActionList

TCustomActionList::~TCustomActionList() {
  Destroying();
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  std::erase(FActions, AComponent);
  if (AComponent == FImages) FImages = nullptr;
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (OnExecute) OnExecute(Action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (OnUpdate) OnUpdate(Action, handled);
  return handled;
}
