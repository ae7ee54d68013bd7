#include "controls/zr_iphone_button.h"

#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrIPhoneButton::Class() {
  using T = TzrIPhoneButton;
  static const TClassInfo* info = TClassDecl<T>("TzrIPhoneButton", TzrBitmapButton::Class())
                                      .Prop("Background", &T::GetBackground, &T::SetBackground);
  return info;
}

TzrIPhoneButton::TzrIPhoneButton(TComponent* AOwner)
    : TzrBitmapButton(AOwner), FBackground(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF808080)) {
  FBackground->OnChanged = [this](TObject* Sender) { BackChanged(Sender); };
}

TzrIPhoneButton::~TzrIPhoneButton() { FBackground->OnChanged = nullptr; }

void TzrIPhoneButton::BackChanged(TObject*) {
  if (auto* shape = dynamic_cast<TzrShape*>(FindResource("background")))
    shape->SetFill(FBackground.get());
}

void TzrIPhoneButton::ApplyStyle() {
  TzrBitmapButton::ApplyStyle();
  BackChanged(this);
}
