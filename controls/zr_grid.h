#pragma once
// The virtual grid: rows are numbers, not objects.
//
// TzrCustomGrid is a scroll box whose scroll content holds its columns
// (TzrColumn and its kinds) side by side. Each column keeps a pool of cell
// controls, one per visible row (at most min(RowCount, VisibleRows)), which
// it places and refills from the grid's GetValue whenever the grid lays
// out or scrolls; the pool grows to the largest size ever needed and never
// shrinks. Only the current cell (current row, current column) can take
// the focus, so clicks reach the grid everywhere else. A cell edit is
// written back through SetValue and reported by OnEdititingDone.
//
// TzrGrid takes its values from OnGetValue and gives them to OnSetValue.
// TzrStringGrid keeps the texts itself, one string array per
// TzrStringColumn, resized to RowCount whenever it is read or written, and
// offers Cells. Writing a cell of a shown row refreshes that cell at once.
//
// The style's "header" part (a TzrHeader) shows the column captions; the
// grid keeps its items in step with the columns and answers its resize and
// reorder events. "selection" is the template of the row highlight and
// "focus" the frame of the current cell.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/zr_checks.h"
#include "controls/zr_image_control.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_progress.h"
#include "controls/zr_scroll_box.h"
#include "controls/zr_text_box.h"

class TzrBrush;
class TzrCustomGrid;
class TzrHeader;
class TzrWideStrings;
class TzrWideStringList;

// ---------------------------------------------------------------- cells
// The cell classes exist so that each has its own style.

class TzrTextCell : public TzrTextBox {
 public:
  using TzrTextBox::TzrTextBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrCheckCell : public TzrCheckBox {
 public:
  using TzrCheckBox::TzrCheckBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrProgressCell : public TzrProgressBar {
 public:
  using TzrProgressBar::TzrProgressBar;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrPopupCell : public TzrPopupBox {
 public:
  using TzrPopupBox::TzrPopupBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrImageCell : public TzrImageControl {
 public:
  using TzrImageControl::TzrImageControl;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// ---------------------------------------------------------------- columns

class TzrColumn : public TzrControl {
 public:
  explicit TzrColumn(TComponent* AOwner);
  ~TzrColumn() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The nearest grid above the column, nil outside a grid.
  TzrCustomGrid* Grid() const;
  // The column's place among the grid's columns, -1 outside a grid.
  int ColumnIndex() const;
  // Grows the pool to min(RowCount, VisibleRows), hides the rest, places
  // and refills the cells of the rows from the top row on.
  virtual void UpdateColumn();
  // A new cell control owned by the column.
  virtual TzrControl* CreateCellControl();
  // Only the current cell can take the focus and the clicks.
  void UpdateSelected();
  // Refills the shown cell of Row, unless it is being edited.
  void UpdateRow(int Row);
  // The first visible pool cell showing Row, nil when none.
  TzrControl* CellControlByRow(int Row);
  // The first visible pool cell holding the grid-local point.
  TzrControl* CellControlByPoint(float X, float Y);
  // Frees the pool.
  void ClearColumn();
  const std::vector<TzrControl*>& GetCellControls() const { return FCellControls; }

  const std::u16string& GetHeader() const { return FHeader; }
  void SetHeader(const std::u16string& Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }

 protected:
  // Handlers given to every cell of the pool.
  void CellCanFocused(TObject* Sender, bool& ACanFocused);
  void CellEnterFocus(TObject* Sender);
  void CellKeyDown(TObject* Sender, uint16_t& Key, char16_t& KeyChar, TShiftState Shift);
  // The change handlers of text and check cells: write the cell back.
  void TextCellChange(TObject* Sender);
  void CheckCellChange(TObject* Sender);
  void WriteBack(TzrControl* Cell);
  // A text cell bound to the column's change handler.
  TzrControl* NewTextCell();

 private:
  void AddCellControl();

  bool FReadOnly = false;
  std::vector<TzrControl*> FCellControls;
  bool FUpdateColumn = false;
  std::u16string FHeader;
  Variant FSaveData;
  bool FDisableChange = false;
};

class TzrStringColumn : public TzrColumn {
 public:
  using TzrColumn::TzrColumn;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The string array follows RowCount first.
  void UpdateColumn() override;
  // The texts of the rows; the string grid resizes it to its RowCount.
  std::vector<std::u16string>& Cells() { return FCells; }

 private:
  std::vector<std::u16string> FCells;
};

class TzrCheckColumn : public TzrColumn {
 public:
  using TzrColumn::TzrColumn;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrControl* CreateCellControl() override;
};

class TzrProgressColumn : public TzrColumn {
 public:
  using TzrColumn::TzrColumn;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrControl* CreateCellControl() override;
  float GetMin() const { return FMin; }
  void SetMin(float Value) { FMin = Value; }
  float GetMax() const { return FMax; }
  void SetMax(float Value) { FMax = Value; }

 private:
  float FMin = 0;
  float FMax = 100;
};

class TzrPopupColumn : public TzrColumn {
 public:
  explicit TzrPopupColumn(TComponent* AOwner);
  ~TzrPopupColumn() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrControl* CreateCellControl() override;
  TzrWideStrings* GetItems() const;
  // Copies the list.
  void SetItems(TzrWideStrings* Value);

 private:
  std::unique_ptr<TzrWideStringList> FItems;
};

class TzrImageColumn : public TzrColumn {
 public:
  using TzrColumn::TzrColumn;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrControl* CreateCellControl() override;
};

// ---------------------------------------------------------------- grid

using TOnGetValue = std::function<void(TObject* Sender, int Col, int Row, Variant& Value)>;
using TOnSetValue = std::function<void(TObject* Sender, int Col, int Row, const Variant& Value)>;
using TOnEdititingDone = std::function<void(TObject* Sender, int Col, int Row)>;

class TzrCustomGrid : public TzrScrollBox {
 public:
  explicit TzrCustomGrid(TComponent* AOwner);
  ~TzrCustomGrid() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- columns and rows
  int GetColumnCount() const;
  // The Idx-th column (counting columns only), nil outside the range.
  TzrColumn* ColumnByIndex(int Idx) const;
  TzrColumn* GetColumn(int Idx) const { return ColumnByIndex(Idx); }
  int GetRowCount() const { return FRowCount; }
  void SetRowCount(int Value);
  float GetRowHeight() const { return FRowHeight; }
  // Never below 5.
  void SetRowHeight(float Value);
  virtual int GetTopRow();
  // Trunc(client height / RowHeight) + 2.
  int GetVisibleRows();
  // The number of cells each column pools: min(RowCount, VisibleRows).
  int PoolSize();
  int GetSelected() const { return FSelected; }
  // Clamps, scrolls the row into view and moves the highlight; no event.
  virtual void SetSelected(int Row);
  bool IsSelected(int Row) const { return Row == FSelected; }
  int GetColumnIndex() const { return FColumnIndex; }
  void SetColumnIndex(int Col);
  // The row under a grid-local point, -1 without content.
  int RowByPoint(float X, float Y);
  TzrColumn* ColumnByPoint(float X, float Y);

  // ---- values
  virtual Variant GetValue(int Col, int Row);
  virtual void SetValue(int Col, int Row, const Variant& Value);
  virtual bool CanEditModify() { return !FReadOnly; }
  virtual bool CanEditAcceptKey(char16_t Key) {
    (void)Key;
    return true;
  }
  // Gives the grid the focus.
  virtual void Reset();
  // Refills the visible cells of every column.
  virtual void UpdateColumns();
  // Refills the one shown cell of (Col, Row), if that row is shown.
  void UpdateCell(int Col, int Row);
  // Re-places the highlight and the current-cell frame.
  void UpdateSelection();
  // Keeps the header's items in step with the columns.
  void UpdateHeader();

  // ---- parts
  TzrHeader* GetHeader() const { return FHeader; }
  TzrVisualObject* GetFocusFrame() const { return FFocus; }
  const std::vector<TzrVisualObject*>& GetSelections() const { return FSelections; }

  // ---- published
  bool GetAlternatingRowBackground() const { return FAlternatingRowBackground; }
  void SetAlternatingRowBackground(bool Value);
  bool GetShowSelectedCell() const { return FShowSelectedCell; }
  void SetShowSelectedCell(bool Value);
  bool GetShowVertLines() const { return FShowVertLines; }
  void SetShowVertLines(bool Value);
  bool GetShowHorzLines() const { return FShowHorzLines; }
  void SetShowHorzLines(bool Value);
  bool GetShowHeader() const { return FShowHeader; }
  void SetShowHeader(bool Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TzrBrush* GetOddFill() const { return FOddFill.get(); }
  TzrBrush* GetLineFill() const { return FLineFill.get(); }

  // ---- overrides
  std::string ItemClass() override;
  void AddObject(TzrObject* AObject) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void HScrollChange(TObject* Sender) override;
  void VScrollChange(TObject* Sender) override;
  TzrRect GetContentBounds() override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;

  TOnGetValue OnGetValue;
  TOnSetValue OnSetValue;
  TOnEdititingDone OnEdititingDone;

 protected:
  // The rows the highlight covers, as rectangles in the template's parent.
  std::vector<TzrRect> SelectionRects(TzrVisualObject* AParent);
  void PlaceFocusFrame(TzrVisualObject* AParent, const TzrRect& ARow);
  // The "content" part's paint hooks: stripes behind the cells, lines over them.
  void PaintStripes(TzrCanvas* Canvas, const TzrRect& ADirty, TzrVisualObject* APainted);
  void PaintLines(TzrCanvas* Canvas, const TzrRect& ADirty, TzrVisualObject* APainted);
  // The keys of the grid itself; false for any other key.
  bool NavigationKey(uint16_t Key, TShiftState Shift);
  // A typed character starts editing the current cell.
  void StartEditing(uint16_t& Key, char16_t& KeyChar, TShiftState Shift);
  TzrControl* CurrentCell();
  void SelectByPoint(float X, float Y);
  void HeaderRealignItem(TObject* Sender, int OldIndex, int NewIndex);
  void HeaderResizeItem(TObject* Sender, float& NewSize);

  TzrVisualObject* FSelection = nullptr;
  TzrVisualObject* FFocus = nullptr;
  int FRowCount = 100;
  std::vector<TzrVisualObject*> FSelections;
  bool FAlternatingRowBackground = false;
  std::unique_ptr<TzrBrush> FOddFill;
  std::unique_ptr<TzrBrush> FLineFill;
  bool FShowHorzLines = true;
  bool FShowVertLines = true;
  bool FReadOnly = false;
  int FColumnIndex = 0;
  TzrHeader* FHeader = nullptr;
  bool FShowHeader = true;
  bool FShowSelectedCell = true;
  int FSelected = 0;
  float FRowHeight = 21;
};

class TzrGrid : public TzrCustomGrid {
 public:
  using TzrCustomGrid::TzrCustomGrid;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrStringGrid : public TzrCustomGrid {
 public:
  explicit TzrStringGrid(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  std::string ItemClass() override { return "TzrStringColumn"; }
  // The text at Row of the Col-th string column; empty when either does
  // not exist.
  Variant GetValue(int Col, int Row) override;
  // Stores the text; nothing when the column or row does not exist.
  void SetValue(int Col, int Row, const Variant& Value) override;
  std::u16string GetCells(int ACol, int ARow);
  // Stores the text and refreshes the cell when its row is shown.
  void SetCells(int ACol, int ARow, const std::u16string& Value);

 private:
  // The Col-th column as a string column with its array at RowCount, nil
  // when it is none.
  TzrStringColumn* StringColumn(int Col);
};
