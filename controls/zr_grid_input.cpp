// TzrCustomGrid: keys and mouse on the grid, and the header's resize and
// reorder events.

#include <algorithm>

#include "controls/zr_grid.h"
#include "controls/zr_header.h"

namespace {

constexpr uint16_t KeyPageUp = 33;
constexpr uint16_t KeyPageDown = 34;
constexpr uint16_t KeyEnd = 35;
constexpr uint16_t KeyHome = 36;
constexpr uint16_t KeyLeft = 37;
constexpr uint16_t VkUp = 38;
constexpr uint16_t KeyRight = 39;
constexpr uint16_t VkDown = 40;
constexpr uint16_t KeyF2 = 113;
constexpr float MinColumnWidth = 10;

}  // namespace

// ---------------------------------------------------------------- keys

TzrControl* TzrCustomGrid::CurrentCell() {
  TzrColumn* column = ColumnByIndex(FColumnIndex);
  return column ? column->CellControlByRow(FSelected) : nullptr;
}

void TzrCustomGrid::StartEditing(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrColumn* column = ColumnByIndex(FColumnIndex);
  if (FReadOnly || !column || column->GetReadOnly()) return;
  TzrControl* cell = column->CellControlByRow(FSelected);
  if (!cell) return;
  TzrFreeWatch watch(cell);
  cell->SetFocus();
  // The typed character goes into the cell that now has the focus.
  if (!watch.Freed() && cell->GetIsFocused()) cell->KeyDown(Key, KeyChar, Shift);
  KeyChar = 0;
}

bool TzrCustomGrid::NavigationKey(uint16_t Key, TShiftState Shift) {
  const bool ctrl = Shift & ssCtrl;
  switch (Key) {
    case KeyPageUp:
      if (FSelected >= 1) SetSelected(FSelected - PoolSize());
      return true;
    case KeyPageDown:
      if (FSelected < FRowCount - 1) SetSelected(FSelected + PoolSize());
      return true;
    case KeyHome:
      ctrl ? SetSelected(0) : SetColumnIndex(0);
      return true;
    case KeyEnd:
      ctrl ? SetSelected(FRowCount - 1) : SetColumnIndex(GetColumnCount() - 1);
      return true;
    case KeyLeft:
      if (FColumnIndex > 0) SetColumnIndex(FColumnIndex - 1);
      return true;
    case KeyRight:
      if (FColumnIndex < GetColumnCount() - 1) SetColumnIndex(FColumnIndex + 1);
      return true;
    case VkUp:
      if (FSelected > 0) SetSelected(FSelected - 1);
      return true;
    case VkDown:
      if (FSelected < FRowCount - 1) SetSelected(FSelected + 1);
      return true;
    case KeyF2:
      if (TzrControl* cell = CurrentCell()) cell->SetFocus();
      return true;
    default:
      return false;
  }
}

void TzrCustomGrid::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);  // OnKeyDown may free the grid
  TzrScrollBox::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed() || FRowCount < 1) return;
  if (KeyChar >= 32) {
    StartEditing(Key, KeyChar, Shift);
    return;
  }
  if (NavigationKey(Key, Shift)) Key = 0;
}

// ---------------------------------------------------------------- mouse

void TzrCustomGrid::SelectByPoint(float X, float Y) {
  const int row = RowByPoint(X, Y);
  if (row >= 0) SetSelected(row);
  if (TzrColumn* column = ColumnByPoint(X, Y)) SetColumnIndex(column->ColumnIndex());
}

void TzrCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrScrollBox::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  SelectByPoint(X, Y);
}

void TzrCustomGrid::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);
  TzrScrollBox::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !GetPressed()) return;
  SelectByPoint(X, Y);
}

// ---------------------------------------------------------------- header events

void TzrCustomGrid::HeaderRealignItem(TObject*, int OldIndex, int NewIndex) {
  TzrColumn* column = ColumnByIndex(OldIndex);
  TzrColumn* target = ColumnByIndex(NewIndex);
  if (!column || !target) return;
  const bool wasCurrent = FColumnIndex == OldIndex;
  column->SetIndex(target->GetIndex());
  if (wasCurrent) FColumnIndex = NewIndex;
  Realign();
}

void TzrCustomGrid::HeaderResizeItem(TObject* Sender, float& NewSize) {
  NewSize = std::max(NewSize, MinColumnWidth);
  auto* item = dynamic_cast<TzrHeaderItem*>(Sender);
  TzrColumn* column = item ? ColumnByIndex(item->GetIndex()) : nullptr;
  if (!column) return;
  column->SetWidth(NewSize);
  Realign();
}
