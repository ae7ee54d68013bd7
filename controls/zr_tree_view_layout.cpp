// TzrTreeView: laying the visible items out, sorting the top level, the
// highlight copies and the style parts.

#include <algorithm>

#include "controls/zr_buttons.h"
#include "controls/zr_tree_view.h"
#include "scene/zr_strings_compare.h"

namespace {

constexpr float Indent = 19;

TzrRect Pad(TzrVisualObject* V) { return V->GetPadding()->GetRect(); }

}  // namespace

// ---------------------------------------------------------------- layout

TzrRect TzrTreeView::GetContentBounds() {
  UpdateGlobalIndexes();
  if (FUpdating > 0 || !FContentLayout) return GetLocalRect();
  TzrRect r = FContentLayout->GetLocalRect();
  if (!FContent) return r;
  SortTopLevel();
  const float width = r.Right - r.Left;
  float y = 0;
  for (int i = 0; i < GetCount(); ++i)
    if (TzrTreeViewItem* item = ItemByIndex(i)) LayoutItem(item, 0, y, width);
  // Sorting may have changed the order.
  UpdateGlobalIndexes();
  r.Bottom = y == 0 ? r.Top + 1 : r.Top + y;
  UpdateSelection();
  return r;
}

void TzrTreeView::LayoutItem(TzrTreeViewItem* AItem, float X, float& Y, float Width) {
  TzrPoint p = FContent->LocalToAbsolute({X, Y});
  TzrObject* parent = AItem->GetParent();
  if (parent && parent->GetIsVisual()) p = parent->GetVisual()->AbsoluteToLocal(p);
  const TzrRect pad = Pad(AItem);
  AItem->SetBounds(p.X + pad.Left, p.Y + pad.Top,
                   Width - pad.Left - pad.Right - AItem->Level() * Indent,
                   FItemHeight != 0 ? FItemHeight : AItem->GetHeight());
  if (TzrCustomButton* button = AItem->GetButton()) button->SetVisible(AItem->GetCount() > 0);
  Y += AItem->GetHeight() + pad.Top + pad.Bottom;
  if (AItem->GetCount() == 0) return;
  if (!AItem->GetIsExpanded()) {
    HideChildren(AItem);
    return;
  }
  for (int i = 0; i < AItem->GetCount(); ++i) {
    TzrTreeViewItem* child = AItem->ItemByIndex(i);
    child->SetVisible(true);
    child->SetOpacity(1);
    LayoutItem(child, X + Indent, Y, Width);
  }
}

void TzrTreeView::HideChildren(TzrTreeViewItem* AItem) {
  for (int i = 0; i < AItem->GetCount(); ++i) {
    TzrTreeViewItem* child = AItem->ItemByIndex(i);
    child->SetVisible(false);
    child->SetOpacity(0);
    HideChildren(child);
  }
}

void TzrTreeView::SortTopLevel() {
  if (!FSorted || !FContent) return;
  FContent->Sort([this](TzrObject* A, TzrObject* B) {
    auto* a = dynamic_cast<TzrTreeViewItem*>(A);
    auto* b = dynamic_cast<TzrTreeViewItem*>(B);
    if (!a || !b) return 0;
    if (OnCompare) return OnCompare(a, b);
    return zrCompareText(a->GetText(), b->GetText(), false);
  });
}

// ---------------------------------------------------------------- scrolling

void TzrTreeView::VScrollChange(TObject* Sender) {
  TzrScrollBox::VScrollChange(Sender);
  UpdateSelection();
}

void TzrTreeView::HScrollChange(TObject* Sender) {
  TzrScrollBox::HScrollChange(Sender);
  UpdateSelection();
}

// ---------------------------------------------------------------- highlight

void TzrTreeView::UpdateSelection() {
  if (!FSelection || IsDestroying()) return;
  TzrObject* parentObject = FSelection->GetParent();
  TzrVisualObject* parent =
      parentObject && parentObject->GetIsVisual() ? parentObject->GetVisual() : nullptr;
  std::vector<TzrRect> rects;
  for (int i = 0; i < FGlobalCount; ++i) {
    TzrTreeViewItem* item = FGlobalList[size_t(i)];
    if (!item->GetIsSelected()) continue;
    TzrPoint p = item->LocalToAbsolute({0, 0});
    if (parent) p = parent->AbsoluteToLocal(p);
    const TzrRect r = zrRect(p.X, p.Y, p.X + item->GetWidth(), p.Y + item->GetHeight());
    if (!rects.empty() && i > 0 && FGlobalList[size_t(i - 1)]->GetIsSelected())
      rects.back() = zrUnionRect(rects.back(), r);
    else
      rects.push_back(r);
  }
  while (FSelections.size() < rects.size()) {
    TzrObject* copy = FSelection->Clone(this);
    copy->SetParent(parentObject);
    FSelections.push_back(copy->GetVisual());
  }
  const bool show = !(FHideSelectionUnfocused && !FIsFocused);
  for (size_t k = 0; k < FSelections.size(); ++k) {
    TzrVisualObject* copy = FSelections[k];
    if (k >= rects.size()) {
      copy->SetVisible(false);
      continue;
    }
    copy->SetVisible(show);
    if (!show) continue;
    const TzrRect& r = rects[k];
    copy->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  }
}

TzrVisualObject* TzrTreeView::GetSelection() const {
  return zrClassIs(FSelection, "TzrSelectionItem") ? FSelection : nullptr;
}

// ---------------------------------------------------------------- style

void TzrTreeView::ApplyStyle() {
  TzrScrollBox::ApplyStyle();
  TzrObject* selection = FindResource("selection");
  FSelection = selection && selection->GetIsVisual() ? selection->GetVisual() : nullptr;
  if (!FSelection) return;
  FSelection->SetVisible(false);
  UpdateSelection();
}

void TzrTreeView::FreeStyle() {
  TzrScrollBox::FreeStyle();
  FSelection = nullptr;
  FSelections.clear();
}
