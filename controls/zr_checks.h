#pragma once
// Captioned choices and frames: TzrCheckBox (two states), TzrRadioButton (at
// most one checked per group name in a whole scene), TzrPathCheckBox (a check
// box that gives its style the shape of its check mark) and TzrGroupBox (a
// captioned frame). They show their state only through their styles' trigger
// animations ("IsChecked", "IsPressed", "IsFocused"); the HUD variants differ
// by style name alone.
//
// The check box and the radio button share TzrCheckControl: the pressed
// state between press and release, the toggle on a release inside (after
// OnClick), Enter and Space, and the data value. Each has its own
// SetIsChecked: the radio button's visits its group.

#include <memory>
#include <string>

#include "controls/zr_text_control.h"

class TzrPathData;

class TzrCheckControl : public TzrTextControl {
 public:
  explicit TzrCheckControl(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetIsPressed() const { return FIsPressed; }
  bool GetIsChecked() const { return FIsChecked; }
  virtual void SetIsChecked(bool Value) = 0;

  // A left press shows the pressed state; it follows the pointer in and out
  // while held; a release inside toggles the state after OnClick.
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  // After OnKeyDown, Enter and Space toggle the state (not consumed).
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  // The check state.
  Variant GetData() override;
  // An event handle becomes OnChange; a Boolean sets the state; anything
  // else clears it.
  void SetData(const Variant& Value) override;
  // A new style shows the current state.
  void ApplyStyle() override;

  TNotifyEvent OnChange;

 protected:
  // Stores the state, starts its triggers and fires OnChange.
  void ChangeChecked(bool Value);

  bool FPressing = false;
  bool FIsPressed = false;
  bool FIsChecked = false;
};

class TzrCheckBox : public TzrCheckControl {
 public:
  using TzrCheckControl::TzrCheckControl;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // An equal value does nothing.
  void SetIsChecked(bool Value) override;
};

// Its group is every radio button of the same GroupName (exact, the empty
// name included) in the scene it belongs to when it is checked, wherever
// they sit in the tree. Checking one unchecks the others first (their
// OnChange fires before its own); a radio button is unchecked only while
// another of its group is checked, so False on the only checked member, or
// outside a scene, leaves it checked.
class TzrRadioButton : public TzrCheckControl {
 public:
  using TzrCheckControl::TzrCheckControl;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void SetIsChecked(bool Value) override;
  // Unchecks it whatever the rest of its group holds, so that a form can
  // clear all of its choices.
  void Uncheck();
  const std::string& GetGroupName() const { return FGroupName; }
  void SetGroupName(const std::string& Value) { FGroupName = Value; }

 private:
  std::string FGroupName;
};

// Starts with a check mark of its own; a new path is copied into the style's
// "checkmark" part when that is a path.
class TzrPathCheckBox : public TzrCheckBox {
 public:
  explicit TzrPathCheckBox(TComponent* AOwner);
  ~TzrPathCheckBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrPathData* GetPath() const { return FPath.get(); }
  // Copies the path; the style is applied again.
  void SetPath(TzrPathData* Value);
  void ApplyStyle() override;

 private:
  std::unique_ptr<TzrPathData> FPath;
};

class TzrGroupBox : public TzrTextControl {
 public:
  explicit TzrGroupBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudCheckBox : public TzrCheckBox {
 public:
  using TzrCheckBox::TzrCheckBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudRadioButton : public TzrRadioButton {
 public:
  using TzrRadioButton::TzrRadioButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudGroupBox : public TzrGroupBox {
 public:
  using TzrGroupBox::TzrGroupBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
