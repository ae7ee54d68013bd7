#pragma once
// Compound controls: a caption label on the left and one editor filling the
// rest, so that forms lay out rows of a caption and a value as one object.
// The inner objects belong to the compound control, are never streamed as
// children of their own and cannot be picked in a designer; forms reach
// their properties as dotted sub-properties ("TextLabel.Width = 66.0").
// Value reads and writes the editor directly; OnChange passes the editor's
// change on with the editor as sender.

#include <string>

#include "scene/zr_control.h"

class TzrAngleButton;
class TzrColorButton;
class TzrImageControl;
class TzrLabel;
class TzrMemo;
class TzrNumberBox;
class TzrPopupBox;
class TzrTextBox;
class TzrTrackBar;
class TzrValueLabel;

// The shared construction: the caption label and the layout cells.
class TzrCompoundControl : public TzrControl {
 public:
  explicit TzrCompoundControl(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrLabel* GetTextLabel() const { return FTextLabel; }

  TNotifyEvent OnChange;

 protected:
  // Marks an inner object: not stored, locked.
  static void MarkInner(TzrVisualObject* AObject);
  // An invisible layout cell under the compound control.
  TzrControl* MakeHolder(TzrAlign AAlign);
  // The value label of the track and angle bars, in Holder.
  TzrValueLabel* MakeValueLabel(TzrVisualObject* Holder);
  // Calls OnChange with the editor as sender.
  void DoChange(TObject* Sender);

  TzrLabel* FTextLabel = nullptr;
};

class TzrCompoundTextBox : public TzrCompoundControl {
 public:
  explicit TzrCompoundTextBox(TComponent* AOwner);
  // The inner box outlives this part of the control: a change it makes while
  // the tree frees it (a focused box commits its text) is no longer passed on.
  ~TzrCompoundTextBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrTextBox* GetTextBox() const { return FTextBox; }
  const std::u16string& GetText() const;
  // The text box's own text setter, with its change handling.
  void SetText(const std::u16string& Value);

 private:
  TzrTextBox* FTextBox = nullptr;
};

// A caption over the left of a memo (the memo fills the rest).
class TzrCompoundMemo : public TzrCompoundControl {
 public:
  explicit TzrCompoundMemo(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrMemo* GetMemo() const { return FMemo; }
  const std::u16string& GetText() const;
  // The memo's own text setter, with its change tracking.
  void SetText(const std::u16string& Value);

 private:
  TzrMemo* FMemo = nullptr;
};

class TzrCompoundNumberBox : public TzrCompoundControl {
 public:
  explicit TzrCompoundNumberBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrNumberBox* GetNumberBox() const { return FNumberBox; }
  float GetValue() const;
  void SetValue(float Value);

 private:
  TzrNumberBox* FNumberBox = nullptr;
};

class TzrCompoundPopupBox : public TzrCompoundControl {
 public:
  explicit TzrCompoundPopupBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrPopupBox* GetPopupBox() const { return FPopupBox; }
  int GetValue() const;
  void SetValue(int Value);

 private:
  TzrPopupBox* FPopupBox = nullptr;
};

class TzrCompoundColorButton : public TzrCompoundControl {
 public:
  explicit TzrCompoundColorButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrColorButton* GetColorButton() const { return FColorButton; }
  std::string GetValue() const;
  void SetValue(const std::string& Value);

 private:
  TzrColorButton* FColorButton = nullptr;
};

class TzrCompoundImage : public TzrCompoundControl {
 public:
  explicit TzrCompoundImage(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrImageControl* GetImage() const { return FImage; }

 private:
  TzrImageControl* FImage = nullptr;
};

class TzrCompoundTrackBar : public TzrCompoundControl {
 public:
  explicit TzrCompoundTrackBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrTrackBar* GetTrackBar() const { return FTrackBar; }
  TzrValueLabel* GetValueLabel() const { return FValueLabel; }
  float GetValue() const;
  void SetValue(float Value);
  int GetDecimalDigits() const { return FDecimalDigits; }
  void SetDecimalDigits(int Value);
  const std::u16string& GetSuffix() const { return FSuffix; }
  void SetSuffix(const std::u16string& Value);
  // The value with DecimalDigits decimals when the track's step is 0 or
  // fractional, else truncated to a whole number; then the suffix.
  void UpdateLabel();

 private:
  TzrTrackBar* FTrackBar = nullptr;
  TzrValueLabel* FValueLabel = nullptr;
  int FDecimalDigits = 2;
  std::u16string FSuffix;
};

class TzrCompoundAngleBar : public TzrCompoundControl {
 public:
  explicit TzrCompoundAngleBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrAngleButton* GetAngleButton() const { return FAngleBar; }
  TzrValueLabel* GetValueLabel() const { return FValueLabel; }
  float GetValue() const;
  void SetValue(float Value);
  // The value truncated toward zero, followed by ".".
  void UpdateLabel();

 private:
  TzrAngleButton* FAngleBar = nullptr;
  TzrValueLabel* FValueLabel = nullptr;
};

// Registers the compound classes under "Compound" (idempotent).
void RegisterCompoundControls();
