#include "controls/XwSpinButton.h"

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Timers.h"

namespace {

const TEnumInfo& SpinButtonStyleInfo() {
  static const TEnumInfo info("TXwSpinButtonStyle", {"sbsDefault", "sbsClassic"});
  return info;
}

}  // namespace

const TClassInfo* TXwSpinButton::Class() {
  using T = TXwSpinButton;
  static const TClassInfo* info =
      TClassDecl<T>("TXwSpinButton", TControl::Class())
          .Prop("Width", &T::GetWidth, &T::SetWidth)
          .Default(20)
          .Prop("Height", &T::GetHeight, &T::SetHeight)
          .Default(20)
          .Enum("ButtonStyle", &T::GetButtonStyle, &T::SetButtonStyle, SpinButtonStyleInfo())
          .Default(sbsDefault)
          .Prop("InitRepeatPause", &T::GetInitRepeatPause, &T::SetInitRepeatPause)
          .Default(400)
          .Prop("RepeatPause", &T::GetRepeatPause, &T::SetRepeatPause)
          .Default(100)
          .Event("OnTopClick", &T::OnTopClick)
          .Event("OnBottomClick", &T::OnBottomClick);
  return info;
}

TXwSpinButton::TXwSpinButton(TComponent* AOwner) : TXwExGraphicControl(AOwner) {
  FWidth = 20;
  FHeight = 20;
  TSpinButtonBitmapsManager::Instance()->AddClient();
}

TXwSpinButton::~TXwSpinButton() {
  Destroying();
  ReleaseBitmaps();
  SetFocusControl(nullptr);
  if (TSpinButtonBitmapsManager* manager = TSpinButtonBitmapsManager::Existing())
    manager->RemoveClient();
}

void TXwSpinButton::ReleaseBitmaps() {
  if (FButtonBitmaps == nullptr) return;
  TSpinButtonBitmaps* set = FButtonBitmaps;
  FButtonBitmaps = nullptr;
  set->RemoveClient();
}

bool TXwSpinButton::CustomGlyphs() const {
  return (FUpGlyph && FUpGlyph->GetWidth() > 0) || (FDownGlyph && FDownGlyph->GetWidth() > 0);
}

void TXwSpinButton::SetButtonStyle(TXwSpinButtonStyle value) {
  if (value == FButtonStyle) return;
  FButtonStyle = value;
  ReleaseBitmaps();
  Invalidate();
}

namespace {

std::unique_ptr<TBitmap> CopyGlyph(TBitmap* value) {
  if (value == nullptr || value->GetWidth() == 0) return nullptr;
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(value);
  copy->SetTransparent(true);
  return copy;
}

}  // namespace

void TXwSpinButton::SetUpGlyph(TBitmap* value) {
  FUpGlyph = CopyGlyph(value);
  ReleaseBitmaps();
  Invalidate();
}

void TXwSpinButton::SetDownGlyph(TBitmap* value) {
  FDownGlyph = CopyGlyph(value);
  ReleaseBitmaps();
  Invalidate();
}

void TXwSpinButton::SetFocusControl(TWinControl* value) {
  if (value == FFocusControl) return;
  if (FFocusControl != nullptr) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TXwSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TXwExGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TXwSpinButton::SetDown(TSpinButtonState value) {
  if (value == FDown) return;
  FDown = value;
  Invalidate();
}

bool TXwSpinButton::InLowerHalf(int x, int y) const {
  if (FButtonStyle == sbsClassic) return y > FHeight / 2;
  if (FWidth <= 0) return false;
  // Below the line from the bottom-left to the top-right corner.
  return double(y) > FHeight - double(x) * FHeight / FWidth;
}

void TXwSpinButton::Paint() {
  if (FButtonBitmaps != nullptr &&
      (FButtonBitmaps->Width() != FWidth || FButtonBitmaps->Height() != FHeight))
    ReleaseBitmaps();
  if (FButtonBitmaps == nullptr) {
    FButtonBitmaps = TSpinButtonBitmapsManager::Instance()->WantButtons(
        FWidth, FHeight, FButtonStyle, CustomGlyphs());
    FButtonBitmaps->AddClient();
  }
  if (!GetEnabled() && !(GetComponentState() & csDesigning)) FDragging = false;
  FButtonBitmaps->Draw(GetCanvas(), FDown, GetEnabled(), FMouseInTopBtn, FMouseInBottomBtn);
  if (CustomGlyphs())
    FButtonBitmaps->DrawGlyphs(GetCanvas(), FDown, GetEnabled(), FUpGlyph.get(), FDownGlyph.get());
}

void TXwSpinButton::WndProc(TMessage& message) {
  if (message.Msg == WM_SYSCOLORCHANGE && FButtonBitmaps != nullptr) FButtonBitmaps->Reset();
  TXwExGraphicControl::WndProc(message);
}

void TXwSpinButton::TopClick() {
  if (OnTopClick) OnTopClick(this);
  if (!LeftButtonHeld()) FDown = sbNotDown;
}

void TXwSpinButton::BottomClick() {
  if (OnBottomClick) OnBottomClick(this);
  if (!LeftButtonHeld()) FDown = sbNotDown;
}

void TXwSpinButton::MouseDown(TShiftState shift, int x, int y) {
  (void)shift;
  if (!GetEnabled()) return;
  if (FFocusControl != nullptr && FFocusControl->GetTabStop() && FFocusControl->CanFocus() &&
      !FFocusControl->Focused())
    FFocusControl->SetFocus();
  if (FDown == sbNotDown) {
    FLastDown = sbNotDown;
    if (InLowerHalf(x, y)) {
      FDown = sbBottomDown;
      BottomClick();
    } else {
      FDown = sbTopDown;
      TopClick();
    }
    if (FDown != FLastDown) {
      FLastDown = FDown;
      Invalidate();
    }
    if (!FRepeatTimer) FRepeatTimer = std::make_unique<TTimer>(nullptr);
    FRepeatTimer->SetOnTimer([this](TObject*) { TimerExpired(); });
    FRepeatTimer->SetInterval(uint32_t(FInitRepeatPause));
    FRepeatTimer->SetEnabled(true);
  }
  FDragging = true;
}

void TXwSpinButton::TimerExpired() {
  FRepeatTimer->SetInterval(uint32_t(FRepeatPause));
  if (FDown == sbNotDown || !GetMouseCapture()) return;
  try {
    if (FDown == sbBottomDown) {
      BottomClick();
    } else {
      TopClick();
    }
  } catch (...) {
    FRepeatTimer->SetEnabled(false);
    throw;
  }
}

void TXwSpinButton::MouseMove(TShiftState shift, int x, int y) {
  (void)shift;
  if (!FDragging) {
    if (!(GetComponentState() & csDesigning)) {
      const bool lower = InLowerHalf(x, y);
      SetHot(!lower, lower);
    }
    return;
  }
  TSpinButtonState now = sbNotDown;
  const bool inside = x >= 0 && x <= FWidth && y >= 0 && y <= FHeight;
  if (inside) {
    const TSpinButtonState over = InLowerHalf(x, y) ? sbBottomDown : sbTopDown;
    if (over == FLastDown) now = FLastDown;
  }
  if (now != FDown) {
    FDown = now;
    Invalidate();
  }
}

void TXwSpinButton::MouseUp(TShiftState shift, int x, int y) {
  (void)shift;
  if (!FDragging) return;
  FDragging = false;
  if (x >= 0 && x <= FWidth && y >= 0 && y <= FHeight) {
    FDown = sbNotDown;
    FLastDown = sbNotDown;
    Invalidate();
  }
}

void TXwSpinButton::SetHot(bool top, bool bottom) {
  if (top == FMouseInTopBtn && bottom == FMouseInBottomBtn) return;
  FMouseInTopBtn = top;
  FMouseInBottomBtn = bottom;
  if (FButtonBitmaps != nullptr && FButtonBitmaps->IsThemed()) Invalidate();
}

void TXwSpinButton::MouseLeave(TControl* control) {
  TXwExGraphicControl::MouseLeave(control);
  if (!(GetComponentState() & csDesigning)) SetHot(false, false);
}
