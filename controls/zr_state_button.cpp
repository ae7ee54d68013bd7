#include "controls/zr_state_button.h"

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_geometry.h"

const TClassInfo* TzrBitmapStateButton::Class() {
  using T = TzrBitmapStateButton;
  static const TClassInfo* info = TClassDecl<T>("TzrBitmapStateButton", TzrCustomButton::Class())
                                      .Prop("Bitmap", &T::GetBitmap, &T::SetBitmap)
                                      .Prop("BitmapHot", &T::GetBitmapHot, &T::SetBitmapHot)
                                      .Prop("BitmapDown", &T::GetBitmapDown, &T::SetBitmapDown);
  return info;
}

TzrBitmapStateButton::TzrBitmapStateButton(TComponent* AOwner)
    : TzrCustomButton(AOwner),
      FBitmap(std::make_unique<TzrBitmap>(1, 1)),
      FBitmapDown(std::make_unique<TzrBitmap>(1, 1)),
      FBitmapHot(std::make_unique<TzrBitmap>(1, 1)) {
  FBitmap->OnChange = [this](TObject*) { Repaint(); };
  SetWidth(64);
  SetHeight(64);
}

TzrBitmapStateButton::~TzrBitmapStateButton() { FBitmap->OnChange = nullptr; }

void TzrBitmapStateButton::SetBitmap(TzrBitmap* Value) { FBitmap->Assign(Value); }
void TzrBitmapStateButton::SetBitmapHot(TzrBitmap* Value) { FBitmapHot->Assign(Value); }
void TzrBitmapStateButton::SetBitmapDown(TzrBitmap* Value) { FBitmapDown->Assign(Value); }

TzrBitmap* TzrBitmapStateButton::ShownBitmap() const {
  if (GetIsPressed()) return FBitmapDown.get();
  if (GetIsMouseOver()) return FBitmapHot.get();
  return FBitmap.get();
}

void TzrBitmapStateButton::StartTriggerAnimation(TzrObject* AInstance,
                                                 const std::string& ATrigger) {
  TzrCustomButton::StartTriggerAnimation(AInstance, ATrigger);
  if (ATrigger.find("IsPressed") != std::string::npos) Repaint();
}

void TzrBitmapStateButton::MouseEnter() {
  TzrCustomButton::MouseEnter();
  Repaint();
}

void TzrBitmapStateButton::MouseLeave() {
  TzrCustomButton::MouseLeave();
  Repaint();
}

void TzrBitmapStateButton::Paint() {
  TzrBitmap* shown = ShownBitmap();
  TzrBitmap* pixels = shown->GetBitmap();  // a linked resource, when there is one
  if (!pixels) pixels = shown;
  if (pixels->IsEmpty()) return;
  const TzrRect source = zrRect(0, 0, float(pixels->GetWidth()), float(pixels->GetHeight()));
  TzrRect target = source;
  // Never enlarged: at or below the button's size the bitmap keeps its own
  // size, centred; a larger one is shrunk into the fitted rectangle.
  zrFitRect(target, GetLocalRect());
  GetCanvas()->DrawBitmap(*pixels, source, target, GetAbsoluteOpacity());
}
