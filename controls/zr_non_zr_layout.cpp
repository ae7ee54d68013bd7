#include "controls/zr_non_zr_layout.h"

#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/WinControls.h"
#include "scene/zr_intf.h"

const TClassInfo* TzrNonZRLayout::Class() {
  using T = TzrNonZRLayout;
  static const TClassInfo* info = TClassDecl<T>("TzrNonZRLayout", TzrLayout::Class())
                                      .Prop("NonZRControl", &T::GetControl, &T::SetControl)
                                      .Prop("HitTest", &T::GetHitTest, &T::SetHitTest)
                                      .Default(false);
  return info;
}

TzrNonZRLayout::TzrNonZRLayout(TComponent* AOwner) : TzrLayout(AOwner) {
  FVisibleTimer = new TzrTimer(this);
  FVisibleTimer->SetEnabled(false);
  FVisibleTimer->SetInterval(100);
  FVisibleTimer->SetOnTimer([this](TObject* Sender) { DoVisibleTimer(Sender); });
}

TzrNonZRLayout::~TzrNonZRLayout() {
  FVisibleTimer->SetEnabled(false);
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = nullptr;
}

void TzrNonZRLayout::SetControl(TControl* Value) {
  if (Value == FControl) return;
  IzoRurev* scene = GetScene();
  if (Value && scene && static_cast<TComponent*>(Value) == scene->GetComponent()) return;
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = Value;
  if (FControl) FControl->FreeNotification(this);
  // The timer watches the ancestors exactly while the control shows.
  FVisibleTimer->SetEnabled(FControl && FControl->GetVisible());
  Realign();
}

void TzrNonZRLayout::Notification(TComponent* AComponent, TOperation Operation) {
  TzrLayout::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) {
    FControl = nullptr;
    FVisibleTimer->SetEnabled(false);
  }
}

void TzrNonZRLayout::PlaceControl() {
  if (!FControl || !FControl->GetVisible()) return;
  const TzrRect a = GetAbsoluteRect();
  FControl->SetBounds(int(std::lround(a.Left)), int(std::lround(a.Top)),
                      int(std::lround(a.Right - a.Left)), int(std::lround(a.Bottom - a.Top)));
}

void TzrNonZRLayout::Realign() {
  TzrLayout::Realign();
  PlaceControl();
}

void TzrNonZRLayout::SetWidth(float Value) {
  TzrLayout::SetWidth(Value);
  PlaceControl();
}

void TzrNonZRLayout::SetHeight(float Value) {
  TzrLayout::SetHeight(Value);
  PlaceControl();
}

void TzrNonZRLayout::SetBounds(float X, float Y, float AWidth, float AHeight) {
  TzrLayout::SetBounds(X, Y, AWidth, AHeight);
  PlaceControl();
}

void TzrNonZRLayout::MatrixChanged(TObject* Sender) {
  TzrLayout::MatrixChanged(Sender);
  PlaceControl();
}

bool TzrNonZRLayout::CheckParentVisible() {
  const bool visible = TzrLayout::CheckParentVisible();
  if (!FControl || FControl->GetVisible() == visible) return visible;
  FControl->SetVisible(visible);
  FVisibleTimer->SetEnabled(visible);
  if (visible) Realign();
  return visible;
}

void TzrNonZRLayout::DoVisibleTimer(TObject*) { CheckParentVisible(); }
