// TzrListBox: keys, mouse selection, the item's click through the list and
// reordering by drag and drop.

#include <memory>

#include "controls/zr_listbox.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_strings_compare.h"

namespace {

constexpr uint16_t VkEnd = 35;
constexpr uint16_t VkHome = 36;
constexpr uint16_t VkLeft = 37;
constexpr uint16_t VkUp = 38;
constexpr uint16_t VkRight = 39;
constexpr uint16_t VkDown = 40;

}  // namespace

// ---------------------------------------------------------------- keys

int TzrListBox::IndexByCharacter(char16_t KeyChar) const {
  const char16_t wanted = zrFoldCase(KeyChar);
  for (int i = 0; i < GetCount(); ++i) {
    TzrListBoxItem* item = ItemByIndex(i);
    if (item && !item->GetText().empty() && zrFoldCase(item->GetText()[0]) == wanted) return i;
  }
  return -1;
}

bool TzrListBox::NavigationKey(uint16_t Key) {
  const int count = GetCount();
  switch (Key) {
    case VkHome:
      SetItemIndex(0);
      return true;
    case VkEnd:
      SetItemIndex(count - FColumns);
      return true;
    case VkLeft:
      if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
      return true;
    case VkRight:
      if (FItemIndex < count - 1) SetItemIndex(FItemIndex + 1);
      return true;
    case VkUp:
      if (FItemIndex > 0) {
        SetItemIndex(FItemIndex - FColumns);
        if (FItemIndex < 0) SetItemIndex(0);
      }
      return true;
    case VkDown:
      if (FItemIndex < count - 1) SetItemIndex(FItemIndex + FColumns);
      if (FItemIndex > count - 1) SetItemIndex(count - 1);
      return true;
    default:
      return false;
  }
}

void TzrListBox::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);  // OnKeyDown may free the list
  TzrScrollBox::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed() || GetCount() == 0) return;
  if (KeyChar != 0) {
    const int index = IndexByCharacter(KeyChar);
    KeyChar = 0;
    if (index >= 0) SetItemIndex(index);
    return;
  }
  if (NavigationKey(Key)) Key = 0;
}

// ---------------------------------------------------------------- mouse

void TzrListBox::MultiSelectPress(TzrListBoxItem* AItem, TShiftState Shift) {
  if (Shift & ssCtrl) {
    AItem->SetIsSelected(!AItem->GetIsSelected());
  } else if (Shift & ssShift) {
    SelectRange(GetSelected(), AItem);
    SetItemIndex(AItem->GetIndex());
  } else {
    for (int i = 0; i < GetCount(); ++i)
      if (TzrListBoxItem* item = ItemByIndex(i)) item->SetIsSelected(item == AItem);
    SetItemIndex(AItem->GetIndex());
  }
  FFirstSelect = AItem;
}

void TzrListBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // handlers may free the list
  TzrScrollBox::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft || FMouseTracking) return;
  FMouseSelecting = true;
  TzrListBoxItem* item = ItemByPoint(X, Y);
  if (!item) return;
  TzrFreeWatch itemWatch(item);
  if (FMultiSelect) {
    MultiSelectPress(item, Shift);
  } else if (item->GetIndex() != FItemIndex) {
    SetItemIndex(item->GetIndex());
  } else if (FAllowDrag && GetScene()) {
    std::unique_ptr<TzrBitmap> image = MakeScreenshot();
    GetScene()->BeginVCLDrag(item, image.get());
  }
  if (watch.Freed() || itemWatch.Freed()) return;
  const bool dbl = Shift == (ssLeft | ssDouble);
  const TNotifyEvent handler = dbl ? item->OnDblClick : item->OnClick;
  if (handler) handler(item);
}

void TzrListBox::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);  // handlers may free the list
  TzrScrollBox::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !(Shift & ssLeft) || !FMouseSelecting) return;
  TzrListBoxItem* item = ItemByPoint(X, Y);
  if (!item || item->GetIndex() == FItemIndex) return;
  if (FMultiSelect) {
    if (Shift & ssCtrl)
      item->SetIsSelected(!item->GetIsSelected());
    else
      SelectRange(FFirstSelect, item);
  }
  SetItemIndex(item->GetIndex());
}

void TzrListBox::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // handlers may free the list
  TzrScrollBox::MouseUp(Button, Shift, X, Y);
  if (watch.Freed()) return;
  FFirstSelect = nullptr;
  if (FMouseTracking && FLastDelta.X == 0 && FLastDelta.Y == 0)
    if (TzrListBoxItem* item = ItemByPoint(X, Y)) SetItemIndex(item->GetIndex());
  if (!watch.Freed()) FMouseSelecting = false;
}

// ---------------------------------------------------------------- drag and drop

void TzrListBox::DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) {
  TzrScrollBox::DragOver(Data, Point, Accept);
  const TzrPoint p = AbsoluteToLocal(Point);
  TzrListBoxItem* item = ItemByPoint(p.X, p.Y);
  if (item == FDragItem) {
    Accept = true;
  } else {
    if (FDragItem) FDragItem->DragLeave();
    FDragItem = item;
    if (item) item->DragEnter(Data, Point);
    Accept = item != nullptr;
  }
  if (FDragItem && FDragItem == GetSelected()) Accept = false;
}

void TzrListBox::DragDrop(const TzrDragObject& Data, const TzrPoint& Point) {
  TzrFreeWatch watch(this);  // OnDragDrop may free the list
  TzrScrollBox::DragDrop(Data, Point);
  if (watch.Freed()) return;
  if (FDragItem) {
    FDragItem->DragLeave();
    FDragItem = nullptr;
  }
  const TzrPoint p = AbsoluteToLocal(Point);
  TzrListBoxItem* item = ItemByPoint(p.X, p.Y);
  if (!item) return;
  auto* source = dynamic_cast<TzrListBoxItem*>(Data.Source);
  if (OnDragChange) OnDragChange(source, item, true);
  if (!watch.Freed()) Exchange(source, item);
}
