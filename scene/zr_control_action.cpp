// TzrControl: the action members. A linked action's properties reach the
// control through ActionChange; the link keeps later changes from
// overwriting what the program set on the control itself.

#include "platform/rtl/SysUtils.h"
#include "scene/zr_action_link.h"
#include "scene/zr_control.h"

TBasicAction* TzrControl::GetAction() const {
  return FActionLink ? FActionLink->GetAction() : nullptr;
}

void TzrControl::SetAction(TBasicAction* Value) {
  if (!Value) {
    if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
    FActionLink.reset();
    return;
  }
  if (!FActionLink) FActionLink = std::make_unique<TzrControlActionLink>(this);
  if (TBasicAction* old = GetAction(); old && old != Value) old->RemoveFreeNotification(this);
  FActionLink->SetAction(Value);
  FActionLink->OnChange = [this](TObject* Sender) { DoActionChange(Sender); };
  ActionChange(Value, Value->IsLoading());
  Value->FreeNotification(this);
}

void TzrControl::DoActionChange(TObject* Sender) {
  if (Sender && Sender == GetAction()) ActionChange(Sender, false);
}

void TzrControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  std::u16string text;
  if (zrControlText(this, text)) {
    const bool own = !text.empty() && text != UTF8ToUTF16(GetName());
    if (!CheckDefaults || !own) zrSetControlText(this, action->GetCaption());
  }
  if (!CheckDefaults || GetEnabled()) SetEnabled(action->GetEnabled());
  if (!CheckDefaults || GetHint().empty()) SetHint(action->GetHint());
  if (!CheckDefaults || GetVisible()) SetVisible(action->GetVisible());
  if (!CheckDefaults || !OnClick) OnClick = action->GetOnExecute();
}

void TzrControl::InitiateAction() {
  if (FActionLink) FActionLink->Update();
}

bool TzrControl::IsHelpContextStored() const {
  return !FActionLink || !FActionLink->IsHelpLinked();
}
