// TzrCustomGrid: published properties, columns and rows, the current row
// and column, values, layout and the pools' refill; TzrGrid; TzrStringGrid.

#include "controls/zr_grid.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_header.h"
#include "controls/zr_panels.h"
#include "controls/zr_scroll_bar.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_brush.h"

// ---------------------------------------------------------------- grid

const TClassInfo* TzrCustomGrid::Class() {
  using T = TzrCustomGrid;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCustomGrid", TzrScrollBox::Class())
          .Prop("AlternatingRowBackground", &T::GetAlternatingRowBackground,
                &T::SetAlternatingRowBackground)
          .Default(false)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("RowHeight", &T::GetRowHeight, &T::SetRowHeight)
          .Prop("ShowSelectedCell", &T::GetShowSelectedCell, &T::SetShowSelectedCell)
          .Default(true)
          .Prop("ShowVertLines", &T::GetShowVertLines, &T::SetShowVertLines)
          .Default(true)
          .Prop("ShowHorzLines", &T::GetShowHorzLines, &T::SetShowHorzLines)
          .Default(true)
          .Prop("ShowHeader", &T::GetShowHeader, &T::SetShowHeader)
          .Default(true)
          .Prop("ReadOnly", &T::GetReadOnly, &T::SetReadOnly)
          .Default(false)
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Event("OnEdititingDone", &T::OnEdititingDone);
  return info;
}

TzrCustomGrid::TzrCustomGrid(TComponent* AOwner)
    : TzrScrollBox(AOwner),
      FOddFill(std::make_unique<TzrBrush>(zrBrushSolid, 0x20000000)),
      FLineFill(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF202020)) {
  FOddFill->SetSolidColor(0x20000000);
  FLineFill->SetSolidColor(0xFF202020);
  // The grid places its columns itself.
  if (FContent) FContent->SetDisableDefaultAlign(true);
  FCanFocused = true;
  FAutoCapture = true;
  SetWidth(100);
  SetHeight(100);
}

TzrCustomGrid::~TzrCustomGrid() {
  Destroying();
  FSelections.clear();
  FSelection = FFocus = nullptr;
  FHeader = nullptr;
}

std::string TzrCustomGrid::ItemClass() {
  return "TzrColumn;TzrCheckColumn;TzrProgressColumn;TzrPopupColumn;TzrImageColumn";
}

void TzrCustomGrid::AddObject(TzrObject* AObject) {
  if (FContent && (dynamic_cast<TzrColumn*>(AObject) || dynamic_cast<TzrSelectionItem*>(AObject))) {
    FContent->AddObject(AObject);
    if (FUpdating == 0) Realign();
    return;
  }
  TzrScrollBox::AddObject(AObject);
}

// ---------------------------------------------------------------- columns and rows

int TzrCustomGrid::GetColumnCount() const {
  if (!FContent) return 0;
  int count = 0;
  for (int i = 0; i < FContent->GetChildrenCount(); ++i)
    if (dynamic_cast<TzrColumn*>(FContent->GetChild(i))) ++count;
  return count;
}

TzrColumn* TzrCustomGrid::ColumnByIndex(int Idx) const {
  if (!FContent || Idx < 0) return nullptr;
  for (int i = 0; i < FContent->GetChildrenCount(); ++i)
    if (auto* column = dynamic_cast<TzrColumn*>(FContent->GetChild(i)))
      if (Idx-- == 0) return column;
  return nullptr;
}

void TzrCustomGrid::SetRowCount(int Value) {
  Value = std::max(0, Value);
  if (FRowCount == Value) return;
  FRowCount = Value;
  Realign();
  if (FSelected >= Value && Value > 0) SetSelected(Value - 1);
  // With no rows every highlight copy hides.
  if (Value == 0) UpdateSelection();
}

void TzrCustomGrid::SetRowHeight(float Value) {
  Value = std::max(5.0f, Value);
  if (FRowHeight == Value) return;
  FRowHeight = Value;
  Realign();
}

int TzrCustomGrid::GetTopRow() {
  if (!FVScrollBar) return 0;
  return int(std::trunc(VScrollBarValue() / FRowHeight));
}

int TzrCustomGrid::GetVisibleRows() { return int(std::trunc(ClientHeight() / FRowHeight)) + 2; }

int TzrCustomGrid::PoolSize() { return std::min(FRowCount, GetVisibleRows()); }

void TzrCustomGrid::SetSelected(int Row) {
  if (Row == FSelected) return;
  Row = std::max(0, std::min(Row, FRowCount - 1));
  FSelected = Row;
  if (BarShown(FVScrollBar)) {
    const float y = Row * FRowHeight;
    if (GetTopRow() >= Row) FVScrollBar->SetValue(y);
    if (y > ClientHeight() + FVScrollBar->GetValue() - FRowHeight)
      FVScrollBar->SetValue(FRowHeight + y - ClientHeight());
  }
  UpdateSelection();
}

void TzrCustomGrid::SetColumnIndex(int Col) {
  if (Col == FColumnIndex) return;
  FColumnIndex = Col;
  UpdateSelection();
  TzrColumn* column = ColumnByIndex(Col);
  if (!column || !BarShown(FHScrollBar)) return;
  const float x = column->GetPosition()->GetX();
  float value = FHScrollBar->GetValue();
  if (x < value) value = x;
  if (x + column->GetWidth() > ClientWidth() + value)
    value = x + column->GetWidth() - ClientWidth();
  FHScrollBar->SetValue(value);
}

int TzrCustomGrid::RowByPoint(float X, float Y) {
  if (!FContent) return -1;
  const TzrPoint p = FContent->AbsoluteToLocal(LocalToAbsolute({X, Y}));
  return int(std::trunc(p.Y / FRowHeight));
}

TzrColumn* TzrCustomGrid::ColumnByPoint(float X, float Y) {
  const TzrPoint p = LocalToAbsolute({X, Y});
  const TzrRect own = GetUpdateRect();
  for (int i = 0; i < GetColumnCount(); ++i) {
    TzrColumn* column = ColumnByIndex(i);
    if (!column->GetVisible() || !zrIntersectRect(column->GetUpdateRect(), own)) continue;
    if (column->PointInObject(p.X, p.Y)) return column;
  }
  return nullptr;
}

// ---------------------------------------------------------------- values

Variant TzrCustomGrid::GetValue(int Col, int Row) {
  Variant value;
  if (OnGetValue) OnGetValue(this, Col, Row, value);
  return value;
}

void TzrCustomGrid::SetValue(int Col, int Row, const Variant& Value) {
  if (OnSetValue) OnSetValue(this, Col, Row, Value);
}

void TzrCustomGrid::Reset() { SetFocus(); }

void TzrCustomGrid::UpdateColumns() {
  const float y = GetTopRow() * FRowHeight;
  for (int i = 0; i < GetColumnCount(); ++i) {
    TzrColumn* column = ColumnByIndex(i);
    column->GetPosition()->SetY(y);
    column->UpdateColumn();
  }
}

void TzrCustomGrid::UpdateCell(int Col, int Row) {
  if (TzrColumn* column = ColumnByIndex(Col)) column->UpdateRow(Row);
}

// ---------------------------------------------------------------- layout

TzrRect TzrCustomGrid::GetContentBounds() {
  const TzrRect own = GetLocalRect();
  if (FUpdating > 0 || !FContentLayout || !FContent) return own;
  const TzrRect l = FContentLayout->GetLocalRect();
  float right = l.Right, bottom = l.Bottom;
  if (GetColumnCount() > 0) {
    float x = l.Left;
    const float top = GetTopRow() * FRowHeight;
    for (int i = 0; i < GetColumnCount(); ++i) {
      TzrColumn* column = ColumnByIndex(i);
      // A hidden column takes no room.
      if (!column->GetVisible()) continue;
      column->SetBounds(x, top, column->GetWidth(), ClientHeight());
      column->UpdateColumn();
      x += column->GetWidth();
    }
    bottom = l.Top + FRowCount * FRowHeight;
    right = x;
  }
  if (right - l.Left < FContentLayout->GetWidth()) right = l.Left + FContentLayout->GetWidth();
  if (bottom - l.Top < FContentLayout->GetHeight()) bottom = l.Top + FContentLayout->GetHeight();
  UpdateColumns();
  UpdateHeader();
  UpdateSelection();
  return zrRect(l.Left, l.Top, right, bottom);
}

void TzrCustomGrid::VScrollChange(TObject* Sender) {
  TzrScrollBox::VScrollChange(Sender);
  UpdateColumns();
  UpdateSelection();
}

void TzrCustomGrid::HScrollChange(TObject* Sender) {
  TzrScrollBox::HScrollChange(Sender);
  UpdateSelection();
  UpdateHeader();
}

void TzrCustomGrid::UpdateHeader() {
  if (!FHeader) return;
  FHeader->SetOffset(-HScrollBarValue());
  const int count = GetColumnCount();
  // Every column has an item before the filler; surplus items stay.
  while (FHeader->GetChildrenCount() - 1 < count) {
    auto* item = new TzrHeaderItem(this);
    item->SetParent(FHeader);
    item->SetLocked(true);
    item->SetStored(false);
  }
  FHeader->GetLastItem()->SetIndex(FHeader->GetChildrenCount() - 1);
  for (int i = 0; i < count; ++i) {
    TzrColumn* column = ColumnByIndex(i);
    TzrHeaderItem* item = FHeader->GetItem(i);
    if (!item) continue;
    item->SetText(column->GetHeader());
    item->SetWidth(column->GetWidth());
    item->SetVisible(column->GetVisible());
  }
  FHeader->Realign();
}

// ---------------------------------------------------------------- published

void TzrCustomGrid::SetAlternatingRowBackground(bool Value) {
  if (FAlternatingRowBackground == Value) return;
  FAlternatingRowBackground = Value;
  Repaint();
}

void TzrCustomGrid::SetShowSelectedCell(bool Value) {
  if (FShowSelectedCell == Value) return;
  FShowSelectedCell = Value;
  UpdateSelection();
}

void TzrCustomGrid::SetShowVertLines(bool Value) {
  if (FShowVertLines == Value) return;
  FShowVertLines = Value;
  Repaint();
}

void TzrCustomGrid::SetShowHorzLines(bool Value) {
  if (FShowHorzLines == Value) return;
  FShowHorzLines = Value;
  Repaint();
}

void TzrCustomGrid::SetShowHeader(bool Value) {
  if (FShowHeader == Value) return;
  FShowHeader = Value;
  if (FHeader) FHeader->SetVisible(Value);
  Realign();
}

// ---------------------------------------------------------------- grid kinds

const TClassInfo* TzrGrid::Class() {
  using T = TzrGrid;
  static const TClassInfo* info = TClassDecl<T>("TzrGrid", TzrCustomGrid::Class())
                                      .Prop("RowCount", &T::GetRowCount, &T::SetRowCount)
                                      .Default(100)
                                      .Event("OnGetValue", &T::OnGetValue)
                                      .Event("OnSetValue", &T::OnSetValue);
  return info;
}

const TClassInfo* TzrStringGrid::Class() {
  using T = TzrStringGrid;
  static const TClassInfo* info = TClassDecl<T>("TzrStringGrid", TzrCustomGrid::Class())
                                      .Prop("RowCount", &T::GetRowCount, &T::SetRowCount)
                                      .Default(100);
  return info;
}

TzrStringGrid::TzrStringGrid(TComponent* AOwner) : TzrCustomGrid(AOwner) {
  SetResourceLater("gridstyle");
}

TzrStringColumn* TzrStringGrid::StringColumn(int Col) {
  auto* column = dynamic_cast<TzrStringColumn*>(ColumnByIndex(Col));
  if (column && int(column->Cells().size()) != FRowCount)
    column->Cells().resize(std::max(0, FRowCount));
  return column;
}

Variant TzrStringGrid::GetValue(int Col, int Row) {
  TzrStringColumn* column = StringColumn(Col);
  if (!column || Row < 0 || Row >= int(column->Cells().size())) return Variant();
  return Variant(column->Cells()[Row]);
}

void TzrStringGrid::SetValue(int Col, int Row, const Variant& Value) {
  TzrStringColumn* column = StringColumn(Col);
  if (!column || Row < 0 || Row >= int(column->Cells().size())) return;
  column->Cells()[Row] = Value.ToWideString();
}

std::u16string TzrStringGrid::GetCells(int ACol, int ARow) {
  return GetValue(ACol, ARow).ToWideString();
}

void TzrStringGrid::SetCells(int ACol, int ARow, const std::u16string& Value) {
  SetValue(ACol, ARow, Variant(Value));
  UpdateCell(ACol, ARow);
}
