#pragma once
// The toolkit's push buttons. TzrCustomButton tracks a pressed state that
// its style's trigger animations show ("IsPressed"), and clicks on a
// completed press, on Enter or Space, twice on a double click and, with
// RepeatClick, repeatedly while held (first after 500 ms, then every
// 100 ms, on the toolkit timer). It can stay pressed like a toggle, and a
// click with a ModalResult hands that result to the hosting form first.
//
// TzrButton adds Default (Enter clicks it wherever the focus is) and Cancel
// (Esc); the round, circle, speed, expander and corner buttons and the HUD
// buttons add little but a size or a style name. The popup button, popup
// box and colour button are in zr_popup_buttons.h and zr_color_button.h.

#include "controls/zr_text_control.h"

class TzrTimer;

class TzrCustomButton : public TzrTextControl {
 public:
  explicit TzrCustomButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetIsPressed() const { return FIsPressed; }
  // Only in toggle mode (StaysPressed); shows the new state.
  void SetIsPressed(bool Value);
  bool GetStaysPressed() const { return FStaysPressed; }
  void SetStaysPressed(bool Value) { FStaysPressed = Value; }
  int GetModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }
  bool GetRepeatClick() const { return FRepeat; }
  void SetRepeatClick(bool Value) { FRepeat = Value; }
  // The repeat timer, made on the first repeating press (nil before).
  TzrTimer* GetRepeatTimer() const { return FRepeatTimer; }

  void Click() override;
  void DblClick() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  // An event handle becomes the OnClick handler; other values are ignored.
  void SetData(const Variant& Value) override;
  void ApplyStyle() override;

 protected:
  // Lets the style's "IsPressed" triggers show the current state.
  void ShowPressed();

 private:
  void StartRepeat();
  void DoRepeatDelayTimer(TObject* Sender);
  void DoRepeatTimer(TObject* Sender);

  bool FPressing = false;
  bool FIsPressed = false;
  int FModalResult = 0;
  bool FStaysPressed = false;
  TzrTimer* FRepeatTimer = nullptr;
  bool FRepeat = false;
};

class TzrButton : public TzrCustomButton {
 public:
  using TzrCustomButton::TzrCustomButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  // After the children: a default button takes Enter and a cancel button
  // Esc (clicks, and the key is consumed).
  void DialogKey(uint16_t& Key, TShiftState Shift) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
};

class TzrRoundButton : public TzrButton {
 public:
  using TzrButton::TzrButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrCircleButton : public TzrButton {
 public:
  explicit TzrCircleButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// Not focusable, repeats while held, 23 x 23, no caption.
class TzrSpeedButton : public TzrCustomButton {
 public:
  explicit TzrSpeedButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// The expander's toggle: not focusable.
class TzrExpanderButton : public TzrCustomButton {
 public:
  explicit TzrExpanderButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// Hands its corner radii, corners, corner type and sides to its style's
// "Background" rectangle.
class TzrCornerButton : public TzrCustomButton {
 public:
  using TzrCustomButton::TzrCustomButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetxRadius() const { return FxRadius; }
  void SetxRadius(float Value);
  float GetyRadius() const { return FyRadius; }
  void SetyRadius(float Value);
  TzrCorners GetCorners() const { return FCorners; }
  void SetCorners(TzrCorners Value);
  TzrCornerType GetCornerType() const { return FCornerType; }
  void SetCornerType(TzrCornerType Value);
  TzrSides GetSides() const { return FSides; }
  void SetSides(TzrSides Value);
  void ApplyStyle() override;

 private:
  float FyRadius = 3;
  float FxRadius = 3;
  TzrCorners FCorners = AllCorners;
  TzrCornerType FCornerType = zrCornerRound;
  TzrSides FSides = AllSides;
};

class TzrHudButton : public TzrButton {
 public:
  using TzrButton::TzrButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudRoundButton : public TzrButton {
 public:
  using TzrButton::TzrButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudCircleButton : public TzrCircleButton {
 public:
  using TzrCircleButton::TzrCircleButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudCornerButton : public TzrCornerButton {
 public:
  using TzrCornerButton::TzrCornerButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudSpeedButton : public TzrSpeedButton {
 public:
  using TzrSpeedButton::TzrSpeedButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
