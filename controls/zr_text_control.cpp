#include "controls/zr_text_control.h"

#include "controls/zr_objects_text.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_brush.h"
#include "scene/zr_font.h"
#include "scene/zr_lang.h"
#include "scene/zr_resource_objects.h"

const TClassInfo* TzrTextControl::Class() {
  // Publishes nothing itself: descendants publish what they show.
  static const TClassInfo* info = TClassDecl<TzrTextControl>("TzrTextControl", TzrControl::Class());
  return info;
}

TzrTextControl::TzrTextControl(TComponent* AOwner)
    : TzrControl(AOwner),
      FFont(std::make_unique<TzrFont>()),
      FFontFill(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF000000)) {
  FFont->OnChanged = [this](TObject* Sender) { FontChanged(Sender); };
  FFontFill->OnChanged = [this](TObject* Sender) { FontFillChanged(Sender); };
}

TzrTextControl::~TzrTextControl() {
  Destroying();
  FFontFill->OnChanged = nullptr;
  FFont->OnChanged = nullptr;
}

TzrText* TzrTextControl::TextPart() { return dynamic_cast<TzrText*>(FindResource("text")); }

void TzrTextControl::SetText(const std::u16string& Value) {
  if (Value == FText) return;
  FText = Value;
  if (TzrText* part = TextPart()) {
    part->SetText(FText);
    part->UpdateEffects();
  } else if (auto* root = dynamic_cast<TzrText*>(GetResourceLink())) {
    root->SetText(FText);
  } else {
    Repaint();
  }
  UpdateEffects();
}

void TzrTextControl::SetFont(TzrFont* Value) { FFont->Assign(Value); }

void TzrTextControl::SetFontFill(TzrBrush* Value) { FFontFill->Assign(Value); }

void TzrTextControl::SetTextAlign(TzrTextAlign Value) {
  FTextAlign = Value;
  if (TzrText* part = TextPart())
    part->SetHorzTextAlign(Value);
  else
    Repaint();
}

void TzrTextControl::SetVertTextAlign(TzrTextAlign Value) {
  FVertTextAlign = Value;
  if (TzrText* part = TextPart())
    part->SetVertTextAlign(Value);
  else
    Repaint();
}

void TzrTextControl::SetWordWrap(bool Value) {
  FWordWrap = Value;
  if (TzrText* part = TextPart()) part->SetWordWrap(Value);
}

void TzrTextControl::FontChanged(TObject*) {
  if (TzrText* part = TextPart()) part->GetFont()->Assign(FFont.get());
}

void TzrTextControl::FontFillChanged(TObject*) {
  if (TzrText* part = TextPart()) part->GetFill()->Assign(FFontFill.get());
}

void TzrTextControl::ApplyStyle() {
  TzrControl::ApplyStyle();
  if (auto* foreground = dynamic_cast<TzrBrushObject*>(FindResource("foreground")))
    FFontFill->Assign(foreground->GetBrush());
  if (TzrText* part = TextPart()) {
    part->SetText(FText);
    part->SetHorzTextAlign(FTextAlign);
    part->SetVertTextAlign(FVertTextAlign);
    part->SetWordWrap(FWordWrap);
    part->GetFont()->Assign(FFont.get());
  }
  if (!GetAutoTranslate()) return;
  const std::u16string translated = Translate(FText);
  if (GetScene() && !Designing()) SetText(translated);
}

Variant TzrTextControl::GetData() { return Variant(FText); }

void TzrTextControl::SetData(const Variant& Value) {
  if (Value.IsNull()) {
    SetText(u"");
  } else if (Value.VarType() == varDate) {
    SetText(UTF8ToUTF16(DateTimeToStr(Value.ToDouble())));
  } else {
    SetText(Value.ToWideString());
  }
}
