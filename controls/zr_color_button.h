#pragma once
// TzrColorButton: a button that shows a colour in its style's "fill" part
// and lets the user choose another in the colour dialog when clicked.

#include <string>

#include "controls/zr_buttons.h"

class TzrShape;

class TzrColorButton : public TzrCustomButton {
 public:
  explicit TzrColorButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Colour text ("#AARRGGBB") or a colour name.
  const std::string& GetColor() const { return FColor; }
  // Shows the colour; fires OnChange on every assignment outside loading,
  // also when the value is the same.
  void SetColor(const std::string& Value);
  bool GetUseStandardDialog() const { return FUseStandardDialog; }
  void SetUseStandardDialog(bool Value) { FUseStandardDialog = Value; }

  // The button's click, then the colour dialog; a confirmed colour is set
  // (opaque), a cancelled dialog changes nothing.
  void Click() override;
  void ApplyStyle() override;
  void FreeStyle() override;

  TNotifyEvent OnChange;

 private:
  void ShowColor();

  TzrShape* FFill = nullptr;
  std::string FColor = "#FF000000";
  bool FUseStandardDialog = true;
};
