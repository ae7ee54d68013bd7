#include "controls/zr_expander.h"

#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_position.h"
#include "scene/zr_stream.h"
#include "scene/zr_text_forms.h"

namespace {

constexpr float HeaderHeight = 25;

struct TFlagGuard {
  bool& Flag;
  explicit TFlagGuard(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagGuard() { Flag = false; }
};

}  // namespace

const TClassInfo* TzrExpander::Class() {
  using T = TzrExpander;
  static const TClassInfo* info =
      TClassDecl<T>("TzrExpander", TzrTextControl::Class())
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("Text", &T::GetText, &T::SetText)
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("IsExpanded", &T::GetIsExpanded, &T::SetIsExpanded)
          .Default(true)
          .Prop("IsChecked", &T::GetIsChecked, &T::SetIsChecked)
          .Default(true)
          .Prop("ShowCheck", &T::GetShowCheck, &T::SetShowCheck)
          .Default(false)
          .Event("OnCheckChange", &T::OnCheckChange);
  return info;
}

TzrExpander::TzrExpander(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetWidth(130);
  SetHeight(130);
  SetAutoTranslate(true);
  auto* content = new TzrContent(this);
  content->SetParent(this);
  content->SetClipChildren(false);
  content->SetHitTest(false);
  content->SetLocked(true);
  content->SetStored(false);
  content->GetPadding()->SetTop(HeaderHeight);
  content->SetBounds(0, 0, GetWidth(), GetHeight());
  FContent = content;
  Realign();
}

TzrExpander::~TzrExpander() {
  Destroying();
  FContent = nullptr;
  FButton = nullptr;
  FCheck = nullptr;
}

void TzrExpander::DefineProperties(TFiler* Filer) {
  TzrTextControl::DefineProperties(Filer);
  Filer->DefineProperty(
      "ContentSize",
      [this](TReader* Reader) {
        const float size = zrStrToFloat(UTF8ToUTF16(Reader->ReadString()));
        if (FContent) FContent->SetHeight(size);
      },
      [this](TWriter* Writer) {
        if (FContent) Writer->WriteString(UTF16ToUTF8(zrFloatToStr(FContent->GetHeight())));
      },
      FContent != nullptr);
}

void TzrExpander::AddObject(TzrObject* AObject) {
  if (!AObject) return;
  if (!FContent || AObject == FContent || AObject == GetResourceLink()) {
    TzrTextControl::AddObject(AObject);
    return;
  }
  FContent->AddObject(AObject);
}

TzrVisualObject* TzrExpander::DesignClick() {
  TzrVisualObject* result = TzrTextControl::DesignClick();
  SetIsExpanded(!FIsExpanded);
  return result;
}

void TzrExpander::Realign() {
  TzrTextControl::Realign();
  if (IsLoading() || FDisableAlign) return;
  TFlagGuard guard(FDisableAlign);
  if (!FContent || !FIsExpanded) return;
  const float top = FContent->GetPadding()->GetTop();
  FContent->GetPosition()->SetPoint({0, top});
  FContent->SetWidth(GetWidth());
  FContent->SetHeight(GetHeight() - top);
}

void TzrExpander::StartExpandedTriggers() {
  StartTriggerAnimation(this, "IsExpanded");
  if (FButton) FButton->StartTriggerAnimation(this, "IsExpanded");
}

void TzrExpander::SetIsExpanded(bool Value) {
  if (FIsExpanded == Value) return;
  if (!GetResourceLink()) ApplyResource();
  FIsExpanded = Value;
  if (Value) {
    if (FContent) FContent->SetVisible(true);
    if (FButton && FContent) SetHeight(FButton->GetHeight() + FContent->GetHeight());
    Repaint();
  } else {
    Repaint();
    if (FContent) FContent->SetVisible(false);
    if (FButton) SetHeight(FButton->GetHeight());
  }
  StartExpandedTriggers();
}

void TzrExpander::SetIsChecked(bool Value) {
  if (FIsChecked == Value) return;
  FIsChecked = Value;
  if (FContent) FContent->SetEnabled(Value);
  if (!FCheck) return;
  // The check box reports every change; one made in code is not the user's.
  TFlagGuard guard(FSettingCheck);
  FCheck->SetIsChecked(Value);
}

void TzrExpander::SetShowCheck(bool Value) {
  if (FShowCheck == Value) return;
  FShowCheck = Value;
  if (FCheck) FCheck->SetVisible(Value);
}

void TzrExpander::DoButtonClick(TObject*) { SetIsExpanded(!FIsExpanded); }

void TzrExpander::DoCheckChange(TObject*) {
  if (!FCheck || FSettingCheck) return;
  FIsChecked = FCheck->GetIsChecked();
  if (FContent) FContent->SetEnabled(FIsChecked);
  if (OnCheckChange) OnCheckChange(this);
}

void TzrExpander::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  if (auto* check = dynamic_cast<TzrCheckBox*>(FindResource("checkbox"))) {
    FCheck = check;
    check->SetVisible(FShowCheck);
    check->SetIsChecked(FIsChecked);
    check->OnChange = [this](TObject* Sender) { DoCheckChange(Sender); };
  }
  if (auto* button = dynamic_cast<TzrCustomButton*>(FindResource("button"))) {
    FButton = button;
    button->OnClick = [this](TObject* Sender) { DoButtonClick(Sender); };
    button->ApplyResource();
    button->StartTriggerAnimation(this, "IsExpanded");
    button->SetCanFocused(false);
  }
  StartTriggerAnimation(this, "IsExpanded");
}

void TzrExpander::FreeStyle() {
  TzrTextControl::FreeStyle();
  FCheck = nullptr;
  FButton = nullptr;
}
