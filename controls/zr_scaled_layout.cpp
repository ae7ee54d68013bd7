#include "controls/zr_scaled_layout.h"

#include <algorithm>

#include "controls/zr_objects.h"
#include "controls/zr_scroll_box.h"
#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrScaledLayout::Class() {
  using T = TzrScaledLayout;
  static const TClassInfo* info =
      TClassDecl<T>("TzrScaledLayout", TzrVisualObject::Class())
          .Prop("OriginalWidth", &T::GetOriginalWidth, &T::SetOriginalWidth)
          .Prop("OriginalHeight", &T::GetOriginalHeight, &T::SetOriginalHeight);
  return info;
}

TzrScaledLayout::TzrScaledLayout(TComponent* AOwner)
    : TzrVisualObject(AOwner), FOriginalWidth(GetWidth()), FOriginalHeight(GetHeight()) {}

// A size below 1 would divide by zero or mirror the children.
void TzrScaledLayout::SetOriginalWidth(float Value) {
  if (FOriginalWidth == Value) return;
  FOriginalWidth = std::max(Value, 1.0f);
  RecalcAbsolute();
}

void TzrScaledLayout::SetOriginalHeight(float Value) {
  if (FOriginalHeight == Value) return;
  FOriginalHeight = std::max(Value, 1.0f);
  RecalcAbsolute();
}

void TzrScaledLayout::SetWidth(float Value) {
  TzrVisualObject::SetWidth(Value);
  if (Designing())
    SetOriginalWidth(GetWidth());
  else
    RecalcAbsolute();
}

void TzrScaledLayout::SetHeight(float Value) {
  TzrVisualObject::SetHeight(Value);
  if (Designing())
    SetOriginalHeight(GetHeight());
  else
    RecalcAbsolute();
}

TzrMatrix TzrScaledLayout::GetChildrenMatrix() {
  if (Designing()) {
    FOriginalHeight = std::max(GetHeight(), 1.0f);
    FOriginalWidth = std::max(GetWidth(), 1.0f);
  }
  TzrMatrix m = IdentityMatrix;
  m.m11 = GetWidth() / FOriginalWidth;
  m.m22 = GetHeight() / FOriginalHeight;
  return m;
}

void TzrScaledLayout::Paint() { zrDrawDesignOutline(this); }

void TzrScaledLayout::Realign() {
  if (auto* box = dynamic_cast<TzrScrollBox*>(GetParent()); box && box->GetUpdating() > 0) return;
  TzrVisualObject::Realign();
  if (Designing()) return;
  RecalcAbsolute();
  RecalcUpdateRect();
}
