#include "controls/zr_compound.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "controls/zr_angle_button.h"
#include "controls/zr_calendar.h"
#include "controls/zr_color_button.h"
#include "controls/zr_image_control.h"
#include "controls/zr_labels.h"
#include "controls/zr_memo.h"
#include "controls/zr_number_box.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_classes.h"

// ---- the shared part

const TClassInfo* TzrCompoundControl::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrCompoundControl>("TzrCompoundControl", TzrControl::Class());
  return info;
}

TzrCompoundControl::TzrCompoundControl(TComponent* AOwner) : TzrControl(AOwner) {
  FTextLabel = new TzrLabel(this);
  FTextLabel->SetParent(this);
  FTextLabel->SetAlign(vaLeft);
  FTextLabel->SetName("TextLabel");
  FTextLabel->SetText(u"Caption");
  FTextLabel->SetWidth(70);
  FTextLabel->SetTextAlign(zrTextAlignFar);
  FTextLabel->SetWordWrap(false);
  FTextLabel->GetPadding()->SetRight(5);
  MarkInner(FTextLabel);
}

void TzrCompoundControl::MarkInner(TzrVisualObject* AObject) {
  AObject->SetStored(false);
  AObject->SetLocked(true);
}

TzrControl* TzrCompoundControl::MakeHolder(TzrAlign AAlign) {
  auto* holder = new TzrControl(this);
  holder->SetParent(this);
  holder->SetAlign(AAlign);
  MarkInner(holder);
  return holder;
}

TzrValueLabel* TzrCompoundControl::MakeValueLabel(TzrVisualObject* Holder) {
  auto* label = new TzrValueLabel(this);
  label->SetParent(Holder);
  label->SetName("ValueLabel");
  label->SetAlign(vaVertCenter);
  label->SetText(u"0");
  label->GetPadding()->SetLeft(5);
  MarkInner(label);
  return label;
}

void TzrCompoundControl::DoChange(TObject* Sender) {
  if (OnChange) OnChange(Sender);
}

// ---- text box

const TClassInfo* TzrCompoundTextBox::Class() {
  using T = TzrCompoundTextBox;
  static const TClassInfo* info = TClassDecl<T>("TzrCompoundTextBox", TzrCompoundControl::Class())
                                      .Prop("TextLabel", &T::GetTextLabel, nullptr)
                                      .Prop("TextBox", &T::GetTextBox, nullptr)
                                      .Prop("Value", &T::GetText, &T::SetText)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

TzrCompoundTextBox::TzrCompoundTextBox(TComponent* AOwner) : TzrCompoundControl(AOwner) {
  SetBounds(0, 0, 200, 21);
  TzrControl* holder = MakeHolder(vaClient);
  FTextBox = new TzrTextBox(this);
  FTextBox->SetParent(holder);
  FTextBox->SetName("TextBox");
  FTextBox->SetAlign(vaVertCenter);
  MarkInner(FTextBox);
  FTextBox->OnChange = [this](TObject* Sender) { DoChange(Sender); };
}

TzrCompoundTextBox::~TzrCompoundTextBox() {
  if (FTextBox) FTextBox->OnChange = nullptr;
}

const std::u16string& TzrCompoundTextBox::GetText() const { return FTextBox->GetText(); }
void TzrCompoundTextBox::SetText(const std::u16string& Value) { FTextBox->SetText(Value); }

// ---- memo

const TClassInfo* TzrCompoundMemo::Class() {
  using T = TzrCompoundMemo;
  static const TClassInfo* info = TClassDecl<T>("TzrCompoundMemo", TzrCompoundControl::Class())
                                      .Prop("TextLabel", &T::GetTextLabel, nullptr)
                                      .Prop("Memo", &T::GetMemo, nullptr)
                                      .Prop("Value", &T::GetText, &T::SetText)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

TzrCompoundMemo::TzrCompoundMemo(TComponent* AOwner) : TzrCompoundControl(AOwner) {
  SetBounds(0, 0, 200, 60);
  FMemo = new TzrMemo(this);
  FMemo->SetParent(this);
  FMemo->SetName("Memo");
  FMemo->SetAlign(vaClient);
  MarkInner(FMemo);
  FMemo->OnChange = [this](TObject* Sender) { DoChange(Sender); };
}

const std::u16string& TzrCompoundMemo::GetText() const { return FMemo->GetText(); }
void TzrCompoundMemo::SetText(const std::u16string& Value) { FMemo->SetText(Value); }

// ---- number box

const TClassInfo* TzrCompoundNumberBox::Class() {
  using T = TzrCompoundNumberBox;
  static const TClassInfo* info = TClassDecl<T>("TzrCompoundNumberBox", TzrCompoundControl::Class())
                                      .Prop("TextLabel", &T::GetTextLabel, nullptr)
                                      .Prop("NumberBox", &T::GetNumberBox, nullptr)
                                      .Prop("Value", &T::GetValue, &T::SetValue)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

TzrCompoundNumberBox::TzrCompoundNumberBox(TComponent* AOwner) : TzrCompoundControl(AOwner) {
  SetBounds(0, 0, 200, 21);
  TzrControl* holder = MakeHolder(vaClient);
  FNumberBox = new TzrNumberBox(this);
  FNumberBox->SetParent(holder);
  FNumberBox->SetName("NumberBox");
  FNumberBox->SetAlign(vaVertCenter);
  MarkInner(FNumberBox);
  FNumberBox->OnChange = [this](TObject* Sender) { DoChange(Sender); };
}

float TzrCompoundNumberBox::GetValue() const { return FNumberBox->GetValue(); }
void TzrCompoundNumberBox::SetValue(float Value) { FNumberBox->SetValue(Value); }

// ---- popup box

const TClassInfo* TzrCompoundPopupBox::Class() {
  using T = TzrCompoundPopupBox;
  static const TClassInfo* info = TClassDecl<T>("TzrCompoundPopupBox", TzrCompoundControl::Class())
                                      .Prop("TextLabel", &T::GetTextLabel, nullptr)
                                      .Prop("PopupBox", &T::GetPopupBox, nullptr)
                                      .Prop("Value", &T::GetValue, &T::SetValue)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

TzrCompoundPopupBox::TzrCompoundPopupBox(TComponent* AOwner) : TzrCompoundControl(AOwner) {
  SetBounds(0, 0, 200, 21);
  TzrControl* holder = MakeHolder(vaClient);
  FPopupBox = new TzrPopupBox(this);
  FPopupBox->SetParent(holder);
  FPopupBox->SetName("PopupBox");
  FPopupBox->SetAlign(vaVertCenter);
  MarkInner(FPopupBox);
  FPopupBox->OnChange = [this](TObject* Sender) { DoChange(Sender); };
}

int TzrCompoundPopupBox::GetValue() const { return FPopupBox->GetItemIndex(); }
void TzrCompoundPopupBox::SetValue(int Value) { FPopupBox->SetItemIndex(Value); }

// ---- colour button

const TClassInfo* TzrCompoundColorButton::Class() {
  using T = TzrCompoundColorButton;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCompoundColorButton", TzrCompoundControl::Class())
          .Prop("TextLabel", &T::GetTextLabel, nullptr)
          .Prop("ColorButton", &T::GetColorButton, nullptr)
          .Prop("Value", &T::GetValue, &T::SetValue)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrCompoundColorButton::TzrCompoundColorButton(TComponent* AOwner) : TzrCompoundControl(AOwner) {
  SetBounds(0, 0, 200, 21);
  TzrControl* holder = MakeHolder(vaLeft);
  holder->SetWidth(60);
  FColorButton = new TzrColorButton(this);
  FColorButton->SetParent(holder);
  FColorButton->SetName("ColorButton");
  FColorButton->SetAlign(vaVertCenter);
  MarkInner(FColorButton);
  FColorButton->OnChange = [this](TObject* Sender) { DoChange(Sender); };
}

std::string TzrCompoundColorButton::GetValue() const { return FColorButton->GetColor(); }
void TzrCompoundColorButton::SetValue(const std::string& Value) { FColorButton->SetColor(Value); }

// ---- image

const TClassInfo* TzrCompoundImage::Class() {
  using T = TzrCompoundImage;
  static const TClassInfo* info = TClassDecl<T>("TzrCompoundImage", TzrCompoundControl::Class())
                                      .Prop("TextLabel", &T::GetTextLabel, nullptr)
                                      .Prop("Image", &T::GetImage, nullptr)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

TzrCompoundImage::TzrCompoundImage(TComponent* AOwner) : TzrCompoundControl(AOwner) {
  SetBounds(0, 0, 200, 60);
  FImage = new TzrImageControl(this);
  FImage->SetParent(this);
  FImage->SetName("Image");
  FImage->SetAlign(vaClient);
  MarkInner(FImage);
  FImage->OnChange = [this](TObject* Sender) { DoChange(Sender); };
}

// ---- track bar

const TClassInfo* TzrCompoundTrackBar::Class() {
  using T = TzrCompoundTrackBar;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCompoundTrackBar", TzrCompoundControl::Class())
          .Prop("DecimalDigits", &T::GetDecimalDigits, &T::SetDecimalDigits)
          .Default(2)
          .Prop("TextLabel", &T::GetTextLabel, nullptr)
          .Prop("TrackBar", &T::GetTrackBar, nullptr)
          .Prop("ValueLabel", &T::GetValueLabel, nullptr)
          .Prop("Suffix", &T::GetSuffix, &T::SetSuffix)
          .Prop("Value", &T::GetValue, &T::SetValue)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrCompoundTrackBar::TzrCompoundTrackBar(TComponent* AOwner) : TzrCompoundControl(AOwner) {
  SetBounds(0, 0, 200, 20);
  TzrControl* track = MakeHolder(vaClient);
  TzrControl* right = MakeHolder(vaRight);
  right->SetWidth(50);
  FTrackBar = new TzrTrackBar(this);
  FTrackBar->SetParent(track);
  FTrackBar->SetName("TrackBar");
  FTrackBar->SetAlign(vaVertCenter);
  MarkInner(FTrackBar);
  FValueLabel = MakeValueLabel(right);
  // Keys and clicks change the value without touching the label; a drag
  // of the thumb updates it at every step.
  FTrackBar->OnChange = [this](TObject* Sender) { DoChange(Sender); };
  FTrackBar->OnTracking = [this](TObject*) { UpdateLabel(); };
}

float TzrCompoundTrackBar::GetValue() const { return FTrackBar->GetValue(); }

void TzrCompoundTrackBar::SetValue(float Value) {
  FTrackBar->SetValue(Value);
  UpdateLabel();
}

void TzrCompoundTrackBar::SetDecimalDigits(int Value) {
  if (FDecimalDigits == Value) return;
  FDecimalDigits = Value;
  UpdateLabel();
}

void TzrCompoundTrackBar::SetSuffix(const std::u16string& Value) {
  if (FSuffix == Value) return;
  FSuffix = Value;
  UpdateLabel();
}

void TzrCompoundTrackBar::UpdateLabel() {
  const float value = FTrackBar->GetValue();
  const float step = FTrackBar->GetFrequency();
  std::string text;
  if (step == 0 || step != std::trunc(step)) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(FDecimalDigits, 0, 20), double(value));
    text = buffer;
    // Number text always has "." as its decimal separator.
    for (char& c : text)
      if (c == ',') c = '.';
  } else {
    text = std::to_string(long(std::trunc(value)));
  }
  FValueLabel->SetText(UTF8ToUTF16(text) + FSuffix);
}

// ---- angle bar

const TClassInfo* TzrCompoundAngleBar::Class() {
  using T = TzrCompoundAngleBar;
  static const TClassInfo* info = TClassDecl<T>("TzrCompoundAngleBar", TzrCompoundControl::Class())
                                      .Prop("TextLabel", &T::GetTextLabel, nullptr)
                                      .Prop("AngleButton", &T::GetAngleButton, nullptr)
                                      .Prop("ValueLabel", &T::GetValueLabel, nullptr)
                                      .Prop("Value", &T::GetValue, &T::SetValue)
                                      .Event("OnChange", &T::OnChange);
  return info;
}

TzrCompoundAngleBar::TzrCompoundAngleBar(TComponent* AOwner) : TzrCompoundControl(AOwner) {
  SetBounds(0, 0, 200, 20);
  TzrControl* dial = new TzrControl(this);
  dial->SetParent(this);
  dial->SetWidth(40);
  dial->SetAlign(vaClient);
  MarkInner(dial);
  TzrControl* right = MakeHolder(vaRight);
  FAngleBar = new TzrAngleButton(this);
  FAngleBar->SetParent(dial);
  FAngleBar->SetName("AngleBar");
  FAngleBar->SetAlign(vaFit);
  MarkInner(FAngleBar);
  FValueLabel = MakeValueLabel(right);
  FAngleBar->OnChange = [this](TObject* Sender) {
    DoChange(Sender);
    UpdateLabel();
  };
}

float TzrCompoundAngleBar::GetValue() const { return FAngleBar->GetValue(); }

void TzrCompoundAngleBar::SetValue(float Value) {
  FAngleBar->SetValue(Value);
  UpdateLabel();
}

void TzrCompoundAngleBar::UpdateLabel() {
  const long whole = long(std::trunc(FAngleBar->GetValue()));
  FValueLabel->SetText(UTF8ToUTF16(std::to_string(whole)) + u".");
}

void RegisterCompoundControls() {
  static const bool registered = [] {
    RegisterZRObjects(
        "Compound",
        {TzrCompoundTrackBar::Class(), TzrCompoundAngleBar::Class(), TzrCompoundTextBox::Class(),
         TzrCompoundMemo::Class(), TzrCompoundNumberBox::Class(), TzrCompoundPopupBox::Class(),
         TzrCompoundColorButton::Class(), TzrCompoundImage::Class(), TzrCalendar::Class()});
    return true;
  }();
  (void)registered;
}
