#include "controls/zr_labels.h"

#include "controls/zr_objects_text.h"
#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrLabel::Class() {
  using T = TzrLabel;
  static const TClassInfo* info =
      TClassDecl<T>("TzrLabel", TzrTextControl::Class())
          .Prop("HitTest", &T::GetHitTest, &T::SetHitTest)
          .Default(false)
          .Prop("AutoSize", &T::GetAutoSize, &T::SetAutoSize)
          .Default(false)
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Enum("VertTextAlign", &T::GetVertTextAlign, &T::SetVertTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("Text", &T::GetText, &T::SetText)
          .Prop("WordWrap", &T::GetWordWrap, &T::SetWordWrap)
          .Default(true);
  return info;
}

TzrLabel::TzrLabel(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetBounds(0, 0, 120, 15);
  SetAutoTranslate(true);
  FHitTest = false;
}

void TzrLabel::SetWordWrap(bool Value) {
  if (FLabelWordWrap == Value) return;
  FLabelWordWrap = Value;
  if (TzrText* part = TextPart()) part->SetWordWrap(Value);
}

void TzrLabel::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  if (Value) ApplyStyle();
}

void TzrLabel::SetText(const std::u16string& Value) {
  if (Value == GetText()) return;
  TzrTextControl::SetText(Value);
  if (FAutoSize) ApplyStyle();
}

void TzrLabel::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  TzrText* part = TextPart();
  if (!part) return;
  part->SetWordWrap(FLabelWordWrap);
  if (FAutoSize) FitToText(part);
}

void TzrLabel::FitToText(TzrText* Part) {
  FLabelWordWrap = false;
  Part->SetWordWrap(false);
  Part->SetVertTextAlign(zrTextAlignNear);
  Part->SetHorzTextAlign(zrTextAlignNear);
  const TzrAlign align = Part->GetAlign();
  Part->SetAlign(vaNone);
  Part->SetAutoSize(true);
  SetWidth(Part->GetWidth());
  SetHeight(Part->GetHeight());
  Part->SetAutoSize(false);
  Part->SetAlign(align);
}

const TClassInfo* TzrValueLabel::Class() {
  using T = TzrValueLabel;
  static const TClassInfo* info =
      TClassDecl<T>("TzrValueLabel", TzrLabel::Class())
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(false)
          .Prop("WordWrap", &T::GetWordWrap, &T::SetWordWrap)
          .Default(false);
  return info;
}

TzrValueLabel::TzrValueLabel(TComponent* AOwner) : TzrLabel(AOwner) {
  SetAutoTranslate(false);
  SetWordWrap(false);
}

const TClassInfo* TzrHudLabel::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudLabel>("TzrHudLabel", TzrLabel::Class());
  return info;
}
