#include "controls/zr_layouts.h"

#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrLayout::Class() {
  using T = TzrLayout;
  static const TClassInfo* info = TClassDecl<T>("TzrLayout", TzrVisualObject::Class())
                                      .Prop("HitTest", &T::GetHitTest, &T::SetHitTest)
                                      .Default(false);
  return info;
}

TzrLayout::TzrLayout(TComponent* AOwner) : TzrVisualObject(AOwner) { FHitTest = false; }

void TzrLayout::Paint() { zrDrawDesignOutline(this); }
