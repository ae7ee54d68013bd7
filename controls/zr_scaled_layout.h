#pragma once
// TzrScaledLayout: its children live in an OriginalWidth x OriginalHeight
// space that is stretched to the layout's current size. They are drawn,
// hit-tested and positioned in that space. In a designer the original size
// follows the layout, so the designer always sees scale 1.

#include "scene/zr_visual.h"

class TzrScaledLayout : public TzrVisualObject {
 public:
  explicit TzrScaledLayout(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetOriginalWidth() const { return FOriginalWidth; }
  void SetOriginalWidth(float Value);
  float GetOriginalHeight() const { return FOriginalHeight; }
  void SetOriginalHeight(float Value);

  void SetWidth(float Value) override;
  void SetHeight(float Value) override;
  TzrMatrix GetChildrenMatrix() override;
  void Paint() override;
  void Realign() override;

 private:
  float FOriginalWidth;
  float FOriginalHeight;
};
