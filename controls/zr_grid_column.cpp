// The grid's columns and their cell pools: placing and refilling the cells,
// which cell can be edited, the keys inside a cell and writing edits back.

#include <algorithm>
#include <cmath>

#include "controls/zr_grid.h"
#include "controls/zr_header.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_strings.h"
#include "scene/zr_text_forms.h"

namespace {

constexpr uint16_t KeyEnter = 13;
constexpr uint16_t KeyEscape = 27;
constexpr uint16_t VkUp = 38;
constexpr uint16_t VkDown = 40;

// Holds a flag for a scope, also when an exception leaves it.
struct TFlagHold {
  bool& Flag;
  explicit TFlagHold(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagHold() { Flag = false; }
};

}  // namespace

// ---------------------------------------------------------------- cells

const TClassInfo* TzrTextCell::Class() {
  static const TClassInfo* info = TClassDecl<TzrTextCell>("TzrTextCell", TzrTextBox::Class());
  return info;
}

const TClassInfo* TzrCheckCell::Class() {
  static const TClassInfo* info = TClassDecl<TzrCheckCell>("TzrCheckCell", TzrCheckBox::Class());
  return info;
}

const TClassInfo* TzrProgressCell::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrProgressCell>("TzrProgressCell", TzrProgressBar::Class());
  return info;
}

const TClassInfo* TzrPopupCell::Class() {
  static const TClassInfo* info = TClassDecl<TzrPopupCell>("TzrPopupCell", TzrPopupBox::Class());
  return info;
}

const TClassInfo* TzrImageCell::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrImageCell>("TzrImageCell", TzrImageControl::Class());
  return info;
}

// ---------------------------------------------------------------- column

const TClassInfo* TzrColumn::Class() {
  using T = TzrColumn;
  static const TClassInfo* info = TClassDecl<T>("TzrColumn", TzrControl::Class())
                                      .Prop("Header", &T::GetHeader, &T::SetHeader)
                                      .Prop("ReadOnly", &T::GetReadOnly, &T::SetReadOnly)
                                      .Default(false);
  return info;
}

TzrColumn::TzrColumn(TComponent* AOwner) : TzrControl(AOwner) {
  SetAutoTranslate(true);
  SetWidth(100);
  SetHitTest(false);
  FCanFocused = false;
}

TzrColumn::~TzrColumn() {
  Destroying();
  // The cells go while the column is whole: a cell losing the focus may
  // still write its edit back.
  ClearColumn();
}

TzrCustomGrid* TzrColumn::Grid() const {
  for (TzrObject* p = GetParent(); p; p = p->GetParent())
    if (auto* grid = dynamic_cast<TzrCustomGrid*>(p)) return grid;
  return nullptr;
}

int TzrColumn::ColumnIndex() const {
  TzrCustomGrid* grid = Grid();
  if (!grid) return -1;
  for (int i = 0; i < grid->GetColumnCount(); ++i)
    if (grid->ColumnByIndex(i) == this) return i;
  return -1;
}

void TzrColumn::SetHeader(const std::u16string& Value) {
  if (FHeader == Value) return;
  FHeader = Value;
  TzrCustomGrid* grid = Grid();
  if (!grid || !grid->GetHeader()) return;
  if (TzrHeaderItem* item = grid->GetHeader()->GetItem(ColumnIndex())) item->SetText(Value);
}

TzrControl* TzrColumn::NewTextCell() {
  auto* cell = new TzrTextCell(this);
  cell->OnChange = [this](TObject* Sender) { TextCellChange(Sender); };
  return cell;
}

TzrControl* TzrColumn::CreateCellControl() { return NewTextCell(); }

void TzrColumn::AddCellControl() {
  TzrControl* cell = CreateCellControl();
  cell->SetParent(this);
  cell->SetHitTest(false);
  cell->SetCanFocused(false);
  cell->SetVisible(false);
  cell->SetLocked(true);
  cell->SetStored(false);
  cell->OnCanFocused = [this](TObject* Sender, bool& Can) { CellCanFocused(Sender, Can); };
  cell->OnEnterFocus = [this](TObject* Sender) { CellEnterFocus(Sender); };
  cell->OnKeyDown = [this](TObject* Sender, uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
    CellKeyDown(Sender, Key, KeyChar, Shift);
  };
  FCellControls.push_back(cell);
}

void TzrColumn::UpdateColumn() {
  TzrCustomGrid* grid = Grid();
  if (!grid) return;
  TFlagHold hold(FUpdateColumn);
  const int n = grid->PoolSize();
  while (int(FCellControls.size()) < n) AddCellControl();
  const int top = grid->GetTopRow();
  const int col = ColumnIndex();
  const float height = grid->GetRowHeight();
  for (int i = 0; i < int(FCellControls.size()); ++i) {
    TzrControl* cell = FCellControls[i];
    const int row = top + i;
    // Past the last row a cell would show a stale value: it hides.
    if (i >= n || row >= grid->GetRowCount()) {
      cell->SetVisible(false);
      continue;
    }
    cell->SetVisible(true);
    cell->SetBounds(0, i * height, GetWidth(), height);
    cell->SetTagString(zrPointToString({float(col), float(row)}));
    cell->SetData(grid->GetValue(col, row));
  }
  UpdateSelected();
}

void TzrColumn::UpdateSelected() {
  TzrCustomGrid* grid = Grid();
  if (!grid || grid->GetReadOnly() || FReadOnly) return;
  const int n = std::min(grid->PoolSize(), int(FCellControls.size()));
  const int top = grid->GetTopRow();
  const bool currentColumn = grid->GetColumnIndex() == ColumnIndex();
  for (int i = 0; i < n; ++i) {
    TzrControl* cell = FCellControls[i];
    const bool current = currentColumn && grid->IsSelected(top + i) && cell->GetVisible();
    cell->SetCanFocused(current);
    cell->SetHitTest(current);
    if (!current && cell->GetIsFocused()) grid->SetFocus();
  }
}

void TzrColumn::UpdateRow(int Row) {
  TzrCustomGrid* grid = Grid();
  TzrControl* cell = CellControlByRow(Row);
  if (!grid || !cell || cell->GetIsFocused()) return;
  TFlagHold hold(FUpdateColumn);
  cell->SetData(grid->GetValue(ColumnIndex(), Row));
}

TzrControl* TzrColumn::CellControlByRow(int Row) {
  for (TzrControl* cell : FCellControls) {
    if (!cell->GetVisible() || cell->GetTagString().empty()) continue;
    if (int(std::trunc(zrStringToPoint(cell->GetTagString()).Y)) == Row) return cell;
  }
  return nullptr;
}

TzrControl* TzrColumn::CellControlByPoint(float X, float Y) {
  TzrCustomGrid* grid = Grid();
  if (!grid) return nullptr;
  const TzrPoint p = grid->LocalToAbsolute({X, Y});
  for (TzrControl* cell : FCellControls)
    if (cell->GetVisible() && cell->PointInObject(p.X, p.Y)) return cell;
  return nullptr;
}

void TzrColumn::ClearColumn() {
  std::vector<TzrControl*> cells;
  cells.swap(FCellControls);
  for (TzrControl* cell : cells) delete cell;
}

// ---------------------------------------------------------------- cell handlers

void TzrColumn::CellCanFocused(TObject*, bool& ACanFocused) {
  TzrCustomGrid* grid = Grid();
  ACanFocused = grid && grid->CanEditModify() && !FReadOnly;
}

void TzrColumn::CellEnterFocus(TObject* Sender) {
  TzrCustomGrid* grid = Grid();
  auto* cell = dynamic_cast<TzrControl*>(Sender);
  if (!grid || !cell) return;
  grid->SetColumnIndex(ColumnIndex());
  FSaveData = cell->GetData();
}

void TzrColumn::CellKeyDown(TObject* Sender, uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrCustomGrid* grid = Grid();
  auto* cell = dynamic_cast<TzrControl*>(Sender);
  if (!grid || !cell) return;
  if (KeyChar != 0 && !grid->CanEditAcceptKey(KeyChar)) KeyChar = 0;
  switch (Key) {
    case KeyEnter:
      // The text cell commits its text as it loses the focus.
      Key = 0;
      grid->SetFocus();
      break;
    case KeyEscape: {
      // Nothing is written back while the old value returns and the
      // focus leaves the cell.
      Key = 0;
      TFlagHold hold(FDisableChange);
      cell->SetData(FSaveData);
      grid->Reset();
      break;
    }
    case VkUp:
    case VkDown:
      grid->SetFocus();
      grid->KeyDown(Key, KeyChar, Shift);
      Key = 0;
      break;
    default:
      break;
  }
}

void TzrColumn::TextCellChange(TObject* Sender) {
  if (FDisableChange) return;
  if (auto* cell = dynamic_cast<TzrControl*>(Sender)) WriteBack(cell);
}

void TzrColumn::CheckCellChange(TObject* Sender) {
  if (auto* cell = dynamic_cast<TzrControl*>(Sender)) WriteBack(cell);
}

void TzrColumn::WriteBack(TzrControl* Cell) {
  TzrCustomGrid* grid = Grid();
  if (!grid || FUpdateColumn || Cell->GetTagString().empty()) return;
  const TzrPoint p = zrStringToPoint(Cell->GetTagString());
  const int col = int(std::trunc(p.X)), row = int(std::trunc(p.Y));
  grid->SetValue(col, row, Cell->GetData());
  if (grid->OnEdititingDone) grid->OnEdititingDone(grid, col, row);
}

// ---------------------------------------------------------------- column kinds

const TClassInfo* TzrStringColumn::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrStringColumn>("TzrStringColumn", TzrColumn::Class());
  return info;
}

void TzrStringColumn::UpdateColumn() {
  if (TzrCustomGrid* grid = Grid()) FCells.resize(std::max(0, grid->GetRowCount()));
  TzrColumn::UpdateColumn();
}

const TClassInfo* TzrCheckColumn::Class() {
  static const TClassInfo* info = TClassDecl<TzrCheckColumn>("TzrCheckColumn", TzrColumn::Class());
  return info;
}

TzrControl* TzrCheckColumn::CreateCellControl() {
  auto* cell = new TzrCheckCell(this);
  cell->OnChange = [this](TObject* Sender) { CheckCellChange(Sender); };
  return cell;
}

const TClassInfo* TzrProgressColumn::Class() {
  using T = TzrProgressColumn;
  static const TClassInfo* info = TClassDecl<T>("TzrProgressColumn", TzrColumn::Class())
                                      .Prop("Min", &T::GetMin, &T::SetMin)
                                      .Prop("Max", &T::GetMax, &T::SetMax);
  return info;
}

TzrControl* TzrProgressColumn::CreateCellControl() {
  auto* cell = new TzrProgressCell(this);
  cell->SetMin(FMin);
  cell->SetMax(FMax);
  return cell;
}

const TClassInfo* TzrPopupColumn::Class() {
  using T = TzrPopupColumn;
  static const TClassInfo* info =
      TClassDecl<T>("TzrPopupColumn", TzrColumn::Class()).Prop("Items", &T::GetItems, &T::SetItems);
  return info;
}

TzrPopupColumn::TzrPopupColumn(TComponent* AOwner)
    : TzrColumn(AOwner), FItems(std::make_unique<TzrWideStringList>()) {}

TzrPopupColumn::~TzrPopupColumn() = default;

TzrWideStrings* TzrPopupColumn::GetItems() const { return FItems.get(); }

void TzrPopupColumn::SetItems(TzrWideStrings* Value) {
  if (Value) FItems->Assign(Value);
}

TzrControl* TzrPopupColumn::CreateCellControl() {
  auto* cell = new TzrPopupCell(this);
  cell->SetItems(FItems.get());
  return cell;
}

const TClassInfo* TzrImageColumn::Class() {
  static const TClassInfo* info = TClassDecl<TzrImageColumn>("TzrImageColumn", TzrColumn::Class());
  return info;
}

TzrControl* TzrImageColumn::CreateCellControl() {
  auto* cell = new TzrImageCell(this);
  cell->SetEnableOpenDialog(false);
  return cell;
}
