#pragma once
// Captions without hit testing: TzrLabel (word-wrapped by default, and
// optionally sized to its text), TzrValueLabel (for values: neither
// translated nor wrapped) and TzrHudLabel (a label under the HUD style).

#include "controls/zr_text_control.h"

class TzrLabel : public TzrTextControl {
 public:
  explicit TzrLabel(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The label's own flag; the text control's stays False.
  bool GetWordWrap() const override { return FLabelWordWrap; }
  void SetWordWrap(bool Value) override;
  bool GetAutoSize() const { return FAutoSize; }
  // Switching it on sizes the label to its text at once and at every later
  // style application or caption change; it also switches word wrap off
  // for good.
  void SetAutoSize(bool Value);

  void ApplyStyle() override;
  void SetText(const std::u16string& Value) override;

 private:
  // Sizes the "text" part to its text and the label to the part.
  void FitToText(TzrText* Part);

  bool FLabelWordWrap = true;
  bool FAutoSize = false;
};

class TzrValueLabel : public TzrLabel {
 public:
  explicit TzrValueLabel(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudLabel : public TzrLabel {
 public:
  using TzrLabel::TzrLabel;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
