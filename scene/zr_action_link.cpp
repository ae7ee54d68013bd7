#include "scene/zr_action_link.h"

#include "platform/rtl/Rtti.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_control.h"

bool zrControlText(TzrControl* AControl, std::u16string& Text) {
  if (!zrClassIs(AControl, "TzrTextControl")) return false;
  const TPropInfo* prop = GetPropInfo(AControl, "Text");
  if (!prop) return false;
  Text = prop->GetWStr(AControl);
  return true;
}

void zrSetControlText(TzrControl* AControl, const std::u16string& Text) {
  if (!zrClassIs(AControl, "TzrTextControl")) return;
  if (const TPropInfo* prop = GetPropInfo(AControl, "Text")) prop->SetWStr(AControl, Text);
}

TzrControlActionLink::TzrControlActionLink(TObject* AClient) : TActionLink(AClient) {
  AssignClient(AClient);
}

void TzrControlActionLink::AssignClient(TObject* AClient) {
  FClient = dynamic_cast<TzrControl*>(AClient);
  if (!FClient) throw EInvalidOperation("Invalid class typecast");
}

bool TzrControlActionLink::IsCaptionLinked() {
  std::u16string text;
  return TActionLink::IsCaptionLinked() && zrControlText(FClient, text) &&
         text == FullAction()->GetCaption();
}

bool TzrControlActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && FClient->GetEnabled() == FullAction()->GetEnabled();
}

bool TzrControlActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && FClient->GetVisible() == FullAction()->GetVisible();
}

bool TzrControlActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && FClient->GetHint() == FullAction()->GetHint();
}

bool TzrControlActionLink::IsHelpLinked() {
  if (!TActionLink::IsHelpLinked()) return false;
  TCustomAction* action = FullAction();
  return FClient->GetHelpContext() == action->GetHelpContext() &&
         FClient->GetHelpKeyword() == action->GetHelpKeyword() &&
         int(FClient->GetHelpType()) == action->GetHelpType();
}

bool TzrControlActionLink::IsOnExecuteLinked() {
  return TActionLink::IsOnExecuteLinked() && GetAction() &&
         SameHandler(FClient->OnClick, GetAction()->GetOnExecute());
}

void TzrControlActionLink::SetCaption(const std::u16string& Value) {
  if (IsCaptionLinked()) zrSetControlText(FClient, Value);
}

void TzrControlActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TzrControlActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) FClient->SetVisible(Value);
}

void TzrControlActionLink::SetHint(const std::u16string& Value) {
  if (IsHintLinked()) FClient->SetHint(Value);
}

void TzrControlActionLink::SetHelpContext(int Value) {
  if (IsHelpLinked()) FClient->SetHelpContext(Value);
}

void TzrControlActionLink::SetHelpKeyword(const std::string& Value) {
  if (IsHelpLinked()) FClient->SetHelpKeyword(Value);
}

void TzrControlActionLink::SetHelpType(int Value) {
  if (IsHelpLinked()) FClient->SetHelpType(THelpType(Value));
}

void TzrControlActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (IsOnExecuteLinked()) FClient->OnClick = Value;
}

bool TzrControlActionLink::DoShowHint(std::u16string& HintStr) {
  if (TCustomAction* action = FullAction()) action->DoHint(HintStr);
  return true;
}
