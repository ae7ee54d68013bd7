#include "controls/zr_color_button.h"

#include "controls/zr_brush_design.h"
#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "scene/zr_color_text.h"

namespace {

// ARGB to the framework's colour order (red in the low byte), alpha dropped.
int32_t ToFrameworkColor(TzrColor C) {
  return int32_t((C >> 16 & 0xFF) | (C & 0xFF00) | (C & 0xFF) << 16);
}

TzrColor FromFrameworkColor(int32_t C) {
  const uint32_t u = uint32_t(C);
  return 0xFF000000u | (u & 0xFF) << 16 | (u & 0xFF00) | (u >> 16 & 0xFF);
}

}  // namespace

const TClassInfo* TzrColorButton::Class() {
  using T = TzrColorButton;
  static const TClassInfo* info =
      TClassDecl<T>("TzrColorButton", TzrCustomButton::Class())
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(false)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("Color", &T::GetColor, &T::SetColor)
          .Prop("UseStandardDialog", &T::GetUseStandardDialog, &T::SetUseStandardDialog)
          .Default(true)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrColorButton::TzrColorButton(TComponent* AOwner) : TzrCustomButton(AOwner) {
  SetAutoTranslate(false);
}

void TzrColorButton::ShowColor() {
  if (!FFill) return;
  FFill->GetFill()->SetStyle(zrBrushSolid);
  FFill->GetFill()->SetSolidColor(zrStrToColor(UTF8ToUTF16(FColor)));
}

void TzrColorButton::SetColor(const std::string& Value) {
  FColor = Value;
  ShowColor();
  if (!IsLoading() && OnChange) OnChange(this);
}

void TzrColorButton::ApplyStyle() {
  TzrCustomButton::ApplyStyle();
  FFill = dynamic_cast<TzrShape*>(FindResource("fill"));
  ShowColor();
}

void TzrColorButton::FreeStyle() {
  TzrCustomButton::FreeStyle();
  FFill = nullptr;
}

void TzrColorButton::Click() {
  TzrCustomButton::Click();
  if (!FUseStandardDialog) {
    // The brush designer limited to a solid colour, without a brush list.
    TzrBrushDialog dialog(nullptr);
    dialog.GetBrush()->SetColor(FColor);
    dialog.SetShowStyles(zrBrushStyleBit(zrBrushSolid));
    dialog.SetShowBrushList(false);
    if (dialog.Execute()) SetColor(dialog.GetBrush()->GetColor());
    return;
  }
  TColorDialog dialog(nullptr);
  dialog.SetColor(ToFrameworkColor(zrStrToColor(UTF8ToUTF16(FColor))));
  if (!dialog.Execute()) return;
  SetColor(UTF16ToUTF8(zrColorToStr(FromFrameworkColor(dialog.GetColor()))));
}
