#pragma once
// TzrIPhoneButton: a square bitmap button with a tinted, glossy background.
// The Background brush colours the style's "background" shape.

#include <memory>

#include "controls/zr_glyph_buttons.h"

class TzrIPhoneButton : public TzrBitmapButton {
 public:
  explicit TzrIPhoneButton(TComponent* AOwner);
  ~TzrIPhoneButton() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrBrush* GetBackground() const { return FBackground.get(); }
  // Copies the brush, as the toolkit's other brush properties do.
  void SetBackground(TzrBrush* Value) { FBackground->Assign(Value); }

  void ApplyStyle() override;

 private:
  void BackChanged(TObject* Sender);

  std::unique_ptr<TzrBrush> FBackground;
};
