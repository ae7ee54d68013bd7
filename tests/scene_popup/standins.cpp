#include "tests/scene_popup/standins.h"

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_brush.h"

TzrTextControl::TzrTextControl(TComponent* AOwner)
    : TzrControl(AOwner), FFont(std::make_unique<TzrFont>()) {}

const TClassInfo* TzrTextControl::Class() {
  using T = TzrTextControl;
  static const TClassInfo* info =
      TClassDecl<T>("TzrTextControl", TzrControl::Class())
          .Prop("Text", &T::GetText, &T::SetText)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Prop("Font", &T::GetFont, &T::SetFont);
  return info;
}

void TzrTextControl::Paint() {
  TzrCanvas* canvas = GetCanvas();
  canvas->GetFill()->SetStyle(zrBrushSolid);
  canvas->GetFill()->SetSolidColor(Color);
  canvas->GetFont()->Assign(FFont.get());
  canvas->FillText(GetLocalRect(), GetLocalRect(), FText, true, GetAbsoluteOpacity(), FTextAlign,
                   zrTextAlignCenter);
}

const TClassInfo* TzrLabel::Class() {
  static const TClassInfo* info = TClassDecl<TzrLabel>("TzrLabel", TzrTextControl::Class());
  return info;
}

const TClassInfo* TzrLayout::Class() {
  static const TClassInfo* info = TClassDecl<TzrLayout>("TzrLayout", TzrVisualObject::Class());
  return info;
}

TzrButton::TzrButton(TComponent* AOwner) : TzrTextControl(AOwner) { SetWidth(80); }

const TClassInfo* TzrButton::Class() {
  using T = TzrButton;
  static const TClassInfo* info = TClassDecl<T>("TzrButton", TzrTextControl::Class())
                                      .Prop("ModalResult", &T::GetModalResult, &T::SetModalResult)
                                      .Prop("Default", &T::GetDefault, &T::SetDefault)
                                      .Prop("Cancel", &T::GetCancel, &T::SetCancel);
  return info;
}

void TzrButton::Click() {
  IzoRurev* scene = GetScene();
  auto* form = dynamic_cast<TForm*>(scene ? scene->GetComponent()->GetOwner() : nullptr);
  if (form && FModalResult != 0) form->SetModalResult(FModalResult);
  TzrTextControl::Click();
}

void TzrButton::Paint() {
  TzrCanvas* canvas = GetCanvas();
  canvas->GetFill()->SetStyle(zrBrushSolid);
  canvas->GetFill()->SetSolidColor(FDefault ? 0xFF3070D0 : 0xFF606870);
  canvas->FillRect(GetLocalRect(), 4, 4, AllCorners, GetAbsoluteOpacity());
  TzrTextControl::Paint();
}

TzrImage::TzrImage(TComponent* AOwner)
    : TzrControl(AOwner), FBitmap(std::make_unique<TzrBitmap>(0, 0)) {}

const TClassInfo* TzrImage::Class() {
  using T = TzrImage;
  static const TClassInfo* info =
      TClassDecl<T>("TzrImage", TzrControl::Class()).Prop("Bitmap", &T::GetBitmap, &T::SetBitmap);
  return info;
}

void TzrImage::Paint() {
  if (FBitmap->GetWidth() == 0) return;
  const float w = float(FBitmap->GetWidth()), h = float(FBitmap->GetHeight());
  GetCanvas()->DrawBitmap(*FBitmap, {0, 0, w, h}, GetLocalRect(), GetAbsoluteOpacity());
}

void RegisterStandIns() {
  static const bool done = [] {
    for (const TClassInfo* c : {TzrTextControl::Class(), TzrLabel::Class(), TzrLayout::Class(),
                                TzrButton::Class(), TzrImage::Class()})
      RegisterClass(c);
    return true;
  }();
  (void)done;
}
