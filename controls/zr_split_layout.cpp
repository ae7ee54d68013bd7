#include "controls/zr_split_layout.h"

#include "platform/rtl/RttiDecl.h"

// HitTest declares False as its default while the object starts with True,
// so streams always write it.
const TClassInfo* TzrSplitLayout::Class() {
  using T = TzrSplitLayout;
  static const TClassInfo* info = TClassDecl<T>("TzrSplitLayout", TzrVisualObject::Class())
                                      .Prop("HitTest", &T::GetHitTest, &T::SetHitTest)
                                      .Default(false);
  return info;
}

TzrSplitLayout::TzrSplitLayout(TComponent* AOwner) : TzrVisualObject(AOwner) {}
