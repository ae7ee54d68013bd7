#pragma once
// TzrGridLayout: places its children in equal cells of ItemWidth x
// ItemHeight, row by row (zrHorizontal) or column by column (zrVertical),
// starting at its own margins. The children's Align is ignored; each child
// keeps its Padding inside its cell.

#include "controls/zr_tracks.h"
#include "scene/zr_visual.h"

class TzrGridLayout : public TzrVisualObject {
 public:
  explicit TzrGridLayout(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetItemWidth() const { return FItemWidth; }
  void SetItemWidth(float Value);
  float GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(float Value);
  TzrOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TzrOrientation Value);

  void Realign() override;

 protected:
  // A new child takes its cell at once.
  void DoAddObject(TzrObject* AObject) override;

 private:
  float FItemWidth = 64;
  float FItemHeight = 64;
  TzrOrientation FOrientation = zrHorizontal;
};
