#pragma once
// TzrSplitLayout: a plain container that takes the mouse unless told not to.

#include "scene/zr_visual.h"

class TzrSplitLayout : public TzrVisualObject {
 public:
  explicit TzrSplitLayout(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
