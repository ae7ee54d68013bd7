// TzrTreeView: hit tests, keys, mouse selection and re-parenting by drag
// and drop.

#include <memory>

#include "controls/zr_tree_view.h"
#include "scene/zr_bitmap.h"

namespace {

constexpr uint16_t VkEnd = 35;
constexpr uint16_t VkHome = 36;
constexpr uint16_t VkUp = 38;
constexpr uint16_t VkDown = 40;
constexpr uint16_t VkAdd = 107;
constexpr uint16_t VkSubtract = 109;

}  // namespace

// ---------------------------------------------------------------- hit test

TzrTreeViewItem* TzrTreeView::ItemAtAbsolute(const TzrPoint& P) {
  const TzrRect own = GetUpdateRect();
  for (int i = 0; i < GetCount(); ++i) {
    TzrTreeViewItem* item = ItemByIndex(i);
    if (!item || !item->GetVisible()) continue;
    if (!zrIntersectRect(item->GetUpdateRect(), own)) continue;
    if (item->PointInObject(P.X, P.Y)) return item;
    if (item->GetIsExpanded() && item->GetCount() > 0)
      if (TzrTreeViewItem* hit = item->ItemByPoint(P.X, P.Y)) return hit;
  }
  return nullptr;
}

TzrTreeViewItem* TzrTreeView::ItemByPoint(float X, float Y) {
  return ItemAtAbsolute(LocalToAbsolute({X, Y}));
}

// ---------------------------------------------------------------- keys

void TzrTreeView::SelectGlobal(int Idx) {
  if (TzrTreeViewItem* item = ItemByGlobalIndex(Idx)) SetSelected(item);
}

bool TzrTreeView::NavigationKey(uint16_t Key) {
  const int at = FSelected->GetGlobalIndex();
  switch (Key) {
    case VkHome:
      SelectGlobal(0);
      return true;
    case VkEnd:
      SelectGlobal(FGlobalCount - 1);
      return true;
    case VkUp:
      if (at > 0) SelectGlobal(at - 1);
      return true;
    case VkDown:
      if (at < FGlobalCount - 1) SelectGlobal(at + 1);
      return true;
    case VkAdd:
      FSelected->SetIsExpanded(true);
      return true;
    case VkSubtract:
      FSelected->SetIsExpanded(false);
      return true;
    default:
      return false;
  }
}

void TzrTreeView::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);  // OnKeyDown may free the tree
  TzrScrollBox::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed() || GetCount() == 0 || !FSelected) return;
  if (NavigationKey(Key)) Key = 0;
}

// ---------------------------------------------------------------- mouse

void TzrTreeView::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // handlers may free the tree
  TzrScrollBox::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  FMouseSelecting = true;
  TzrTreeViewItem* item = ItemByPoint(X, Y);
  if (!item) return;
  if (FMultiSelect) {
    if (Shift & ssCtrl) {
      item->SetIsSelected(!item->GetIsSelected());
    } else {
      if (Shift & ssShift)
        SelectRange(FSelected, item);
      else
        for (int i = 0; i < FGlobalCount; ++i)
          FGlobalList[size_t(i)]->SetIsSelected(FGlobalList[size_t(i)] == item);
      if (!watch.Freed()) SetSelected(item);
    }
    if (!watch.Freed()) FFirstSelect = item;
    return;
  }
  if (item != FSelected) {
    SetSelected(item);
  } else if (FAllowDrag && GetScene()) {
    std::unique_ptr<TzrBitmap> image = MakeScreenshot();
    GetScene()->BeginVCLDrag(item, image.get());
  }
}

void TzrTreeView::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // handlers may free the tree
  TzrScrollBox::MouseUp(Button, Shift, X, Y);
  if (watch.Freed()) return;
  FMouseSelecting = false;
  FFirstSelect = nullptr;
}

// ---------------------------------------------------------------- drag and drop

void TzrTreeView::DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) {
  TzrScrollBox::DragOver(Data, Point, Accept);
  TzrTreeViewItem* item = ItemAtAbsolute(Point);
  if (item != FDragItem) {
    if (FDragItem) FDragItem->DragLeave();
    FDragItem = item;
    if (item) item->DragEnter(Data, Point);
  }
  Accept = item != nullptr && item != FSelected;
  // An item cannot go under itself or under one of its own descendants.
  auto* source = dynamic_cast<TzrTreeViewItem*>(Data.Source);
  if (source && item && (item == source || source->IsAncestorOf(item))) Accept = false;
}

void TzrTreeView::DragDrop(const TzrDragObject& Data, const TzrPoint& Point) {
  TzrFreeWatch watch(this);  // OnDragDrop may free the tree
  TzrScrollBox::DragDrop(Data, Point);
  if (watch.Freed()) return;
  if (FDragItem) {
    FDragItem->DragLeave();
    FDragItem = nullptr;
  }
  auto* source = dynamic_cast<TzrTreeViewItem*>(Data.Source);
  if (!source) return;
  TzrTreeViewItem* item = ItemAtAbsolute(Point);
  if (item == source || source->IsAncestorOf(item)) return;
  if (OnDragChange) OnDragChange(source, item, true);
  if (watch.Freed()) return;
  // Leaving its parent deselects the item and drops it as the current one;
  // a move keeps it current.
  const bool wasCurrent = source == FSelected;
  if (item) {
    item->SetIsExpanded(true);
    source->SetParent(item);
  } else {
    source->SetParent(this);
  }
  if (wasCurrent) {
    FSelected = source;
    source->SetIsSelected(true);
  }
  Realign();
}
