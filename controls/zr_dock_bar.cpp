#include "controls/zr_dock_bar.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrDockBar::Class() {
  using T = TzrDockBar;
  static const TClassInfo* info = TClassDecl<T>("TzrDockBar", TzrControl::Class())
                                      .Prop("MinSize", &T::GetMinSize, &T::SetMinSize)
                                      .Prop("MaxSize", &T::GetMaxSize, &T::SetMaxSize);
  return info;
}

TzrDockBar::TzrDockBar(TComponent* AOwner) : TzrControl(AOwner) {}

void TzrDockBar::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  FMousePos = {X, Y};
  Realign();
}

void TzrDockBar::MouseLeave() {
  TzrControl::MouseLeave();
  FMousePos = {0, 0};
  Realign();
}

// The visible visual children (the style's clone left out), by x; the
// earlier child stays first among equal x.
std::vector<TzrVisualObject*> TzrDockBar::DockedChildren() {
  std::vector<TzrVisualObject*> items;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    TzrObject* child = GetChild(i);
    if (!child->GetIsVisual() || child == GetResourceLink()) continue;
    if (child->GetVisual()->GetVisible()) items.push_back(child->GetVisual());
  }
  std::stable_sort(items.begin(), items.end(), [](TzrVisualObject* A, TzrVisualObject* B) {
    return A->GetPosition()->GetX() < B->GetPosition()->GetX();
  });
  return items;
}

float TzrDockBar::Magnify(const std::vector<TzrVisualObject*>& Items, float X) {
  const float r = FMaxSize * 1.5f;
  float total = Items.size() * FMinSize;
  auto under = [X](TzrVisualObject* C) {
    const float left = C->GetPosition()->GetX();
    return X >= left && X <= left + C->GetWidth();
  };
  const bool hit = std::any_of(Items.begin(), Items.end(), under);
  for (TzrVisualObject* c : Items) {
    float size = FMinSize;
    const float d = c->GetPosition()->GetX() + c->GetWidth() / 2 - X;
    if (under(c)) {
      size = FMaxSize;
    } else if (std::fabs(d) < r && hit) {
      const float s =
          std::sin(d / r * std::numbers::pi_v<float> / 2 + std::numbers::pi_v<float> / 2);
      size = FMinSize + s * (FMaxSize - FMinSize);
    }
    c->SetWidth(size);
    c->SetHeight(size);
    total += size - FMinSize;
  }
  return total;
}

void TzrDockBar::Realign() {
  TzrControl::Realign();
  if (FAligning) return;
  std::vector<TzrVisualObject*> items = DockedChildren();
  if (items.empty()) return;
  FAligning = true;
  if (FMousePos.X == 0) {
    const float total = items.size() * FMinSize;
    for (size_t i = 0; i < items.size(); ++i)
      items[i]->SetBounds(GetWidth() / 2 - total / 2 + i * FMinSize, GetHeight() - FMinSize,
                          FMinSize, FMinSize);
  } else {
    float x0 = GetWidth() / 2 - Magnify(items, FMousePos.X) / 2;
    for (TzrVisualObject* c : items) {
      c->GetPosition()->SetPoint({x0, GetHeight() - c->GetHeight() - 1});
      x0 += c->GetWidth();
    }
  }
  FAligning = false;
}
