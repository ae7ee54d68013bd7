#pragma once
// TzrLayout: the invisible container. It only groups and aligns its
// children; windows, page rows and styles use it as their skeleton. It
// takes no mouse unless asked to (HitTest is off by default) and paints
// nothing at run time: a designer sees its dashed outline.

#include "scene/zr_visual.h"

class TzrLayout : public TzrVisualObject {
 public:
  explicit TzrLayout(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Paint() override;
};
