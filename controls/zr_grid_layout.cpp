#include "controls/zr_grid_layout.h"

#include "platform/rtl/RttiDecl.h"

namespace {

struct TFlagGuard {
  bool& Flag;
  explicit TFlagGuard(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagGuard() { Flag = false; }
};

}  // namespace

const TClassInfo* TzrGridLayout::Class() {
  using T = TzrGridLayout;
  static const TClassInfo* info =
      TClassDecl<T>("TzrGridLayout", TzrVisualObject::Class())
          .Prop("ItemHeight", &T::GetItemHeight, &T::SetItemHeight)
          .Prop("ItemWidth", &T::GetItemWidth, &T::SetItemWidth)
          .Enum("Orientation", &T::GetOrientation, &T::SetOrientation, zrOrientationInfo());
  return info;
}

TzrGridLayout::TzrGridLayout(TComponent* AOwner) : TzrVisualObject(AOwner) {}

void TzrGridLayout::SetItemWidth(float Value) {
  if (FItemWidth == Value) return;
  FItemWidth = Value;
  Realign();
}

void TzrGridLayout::SetItemHeight(float Value) {
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  Realign();
}

void TzrGridLayout::SetOrientation(TzrOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  Realign();
}

void TzrGridLayout::DoAddObject(TzrObject* AObject) {
  TzrVisualObject::DoAddObject(AObject);
  if (AObject->GetIsVisual() && !IsLoading()) Realign();
}

void TzrGridLayout::Realign() {
  if (FDisableAlign || IsDestroying()) return;
  TFlagGuard guard(FDisableAlign);
  const TzrBounds* m = GetMargins();
  float x = m->GetLeft();
  float y = m->GetTop();
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = GetChild(i);
    if (!child->GetIsVisual()) continue;
    TzrVisualObject* c = child->GetVisual();
    const TzrBounds* p = c->GetPadding();
    c->SetBounds(x + p->GetLeft(), y + p->GetTop(), FItemWidth - p->GetLeft() - p->GetRight(),
                 FItemHeight - p->GetTop() - p->GetBottom());
    // The cursor already holds the leading margin and is compared with the
    // extent less both margins, so the last cell keeps clear of the far one.
    if (FOrientation == zrHorizontal) {
      x += FItemWidth;
      if (!(GetWidth() - m->GetLeft() - m->GetRight() >= x + FItemWidth)) {
        x = m->GetLeft();
        y += FItemHeight;
      }
    } else {
      y += FItemHeight;
      if (!(GetHeight() - m->GetTop() - m->GetBottom() >= y + FItemHeight)) {
        y = m->GetTop();
        x += FItemWidth;
      }
    }
  }
}
