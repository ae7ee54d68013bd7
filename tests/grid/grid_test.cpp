// Grid: rows and pools, cells of the string grid, the current row and
// column, keys on the grid and in cells, the header kept in step.

#include <string>
#include <vector>

#include "controls/zr_grid.h"
#include "controls/zr_header.h"
#include "controls/zr_scroll_bar.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr uint16_t KeyEnter = 13, KeyEscape = 27, KeyPageDown = 34, KeyEnd = 35, KeyF2 = 113;

class GridTest : public ControlsTest {
 protected:
  GridTest() {
    Root->SetBounds(0, 0, 600, 400);
    Grid = Make<TzrStringGrid>(0, 0);
    // 297 visible units of rows: 322 less the header (21) and margins (2 + 2).
    Grid->SetBounds(0, 0, 560, 322);
    for (float w : {62.0f, 148.0f, 148.0f, 148.0f}) {
      auto* column = new TzrStringColumn(Grid);
      column->SetWidth(w);
      column->SetParent(Grid);
    }
    Grid->OnEdititingDone = [this](TObject*, int Col, int Row) {
      Done.push_back(std::to_string(Col) + "," + std::to_string(Row));
    };
    Show();
  }
  TzrColumn* Column(int I) { return Grid->ColumnByIndex(I); }
  std::u16string Shown(int Col, int Row) {
    TzrControl* cell = Column(Col)->CellControlByRow(Row);
    return cell ? cell->GetData().ToWideString() : u"<none>";
  }
  // A key as the scene delivers it to the focused node.
  void Press(uint16_t AKey, TShiftState Shift = 0) {
    char16_t ch = 0;
    if (Scene.Focused) Scene.Focused->KeyDown(AKey, ch, Shift);
  }
  void Type(char16_t Char) {
    uint16_t key = 0;
    if (Scene.Focused) Scene.Focused->KeyDown(key, Char, 0);
  }
  TzrVisualObject* Highlight() {
    for (TzrVisualObject* copy : Grid->GetSelections())
      if (copy->GetVisible()) return copy;
    return nullptr;
  }

  TzrStringGrid* Grid = nullptr;
  std::vector<std::string> Done;
};

TEST_F(GridTest, RowsAndPools) {
  ASSERT_FLOAT_EQ(Grid->ClientHeight(), 297);
  EXPECT_EQ(Grid->GetVisibleRows(), 16) << "14 whole rows and 2";
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Column(i)->GetCellControls().size(), 16u);
  EXPECT_FLOAT_EQ(Grid->GetContent()->GetHeight(), 2100);
  Grid->SetRowCount(3);
  for (int i = 0; i < 4; ++i) {
    int shown = 0;
    for (TzrControl* cell : Column(i)->GetCellControls()) shown += cell->GetVisible();
    EXPECT_EQ(shown, 3) << "column " << i;
  }
  // A grid of 3 rows pools 3 cells a column.
  auto* small = Make<TzrStringGrid>(0, 0);
  small->SetBounds(0, 0, 200, 322);
  small->SetRowCount(3);
  auto* only = new TzrStringColumn(small);
  only->SetParent(small);
  Show();
  EXPECT_EQ(only->GetCellControls().size(), 3u);
  Grid->SetRowHeight(3);
  EXPECT_FLOAT_EQ(Grid->GetRowHeight(), 5);
  Grid->SetRowHeight(21);
  // Columns lie side by side, their cells one per row.
  EXPECT_FLOAT_EQ(Column(2)->GetPosition()->GetX(), 210);
  EXPECT_FLOAT_EQ(Column(1)->CellControlByRow(2)->GetPosition()->GetY(), 42);
  EXPECT_FLOAT_EQ(Column(1)->CellControlByRow(2)->GetWidth(), 148);
}

TEST_F(GridTest, CellsAnswerAtOnceAndTheShownCellFollows) {
  Grid->SetCells(1, 5, u"4800");
  EXPECT_EQ(Grid->GetCells(1, 5), u"4800");
  EXPECT_EQ(Shown(1, 5), u"4800") << "a shown row is refreshed";
  // Out of range: empty reads, ignored writes.
  struct Case {
    int Col, Row;
  };
  for (Case c : {Case{-1, 0}, Case{4, 0}, Case{0, -1}, Case{0, 100}, Case{9, 500}}) {
    Grid->SetCells(c.Col, c.Row, u"x");
    EXPECT_EQ(Grid->GetCells(c.Col, c.Row), u"") << c.Col << "," << c.Row;
  }
  // Rows beyond the count are dropped and come back empty.
  Grid->SetCells(2, 50, u"12.50");
  Grid->SetRowCount(10);
  Grid->SetRowCount(100);
  EXPECT_EQ(Grid->GetCells(2, 50), u"");
  EXPECT_EQ(Grid->GetCells(1, 5), u"4800");
}

TEST_F(GridTest, ScrollingRefillsTheSamePool) {
  for (int r = 0; r < 100; ++r)
    Grid->SetCells(0, r, std::u16string(u"r") + char16_t(u'0' + r % 10));
  const std::vector<TzrControl*> before = Column(0)->GetCellControls();
  Grid->GetVScrollBar()->SetValue(21 * 40);
  EXPECT_EQ(Grid->GetTopRow(), 40);
  EXPECT_EQ(Column(0)->GetCellControls(), before) << "no new cells";
  EXPECT_EQ(Shown(0, 43), u"r3");
  EXPECT_EQ(Shown(0, 2), u"<none>");
  EXPECT_FLOAT_EQ(Column(0)->GetPosition()->GetY(), 840);
}

TEST_F(GridTest, CurrentRowFollowsTheRowCount) {
  Grid->SetSelected(50);
  ASSERT_NE(Highlight(), nullptr);
  Grid->SetRowCount(20);
  EXPECT_EQ(Grid->GetSelected(), 19);
  Grid->SetRowCount(0);
  EXPECT_EQ(Highlight(), nullptr);
  EXPECT_FALSE(Grid->GetFocusFrame()->GetVisible());
  Grid->SetRowCount(5);
  Grid->SetSelected(-3);
  EXPECT_EQ(Grid->GetSelected(), 0);
}

TEST_F(GridTest, HighlightAndFrameCoverTheCurrentRowAndCell) {
  Grid->SetSelected(2);
  Grid->SetColumnIndex(1);
  TzrVisualObject* row = Highlight();
  ASSERT_NE(row, nullptr);
  EXPECT_FLOAT_EQ(row->GetPosition()->GetY(), 42);
  EXPECT_FLOAT_EQ(row->GetHeight(), 21);
  TzrVisualObject* frame = Grid->GetFocusFrame();
  ASSERT_TRUE(frame->GetVisible());
  EXPECT_FLOAT_EQ(frame->GetPosition()->GetX(), 62);
  EXPECT_FLOAT_EQ(frame->GetWidth(), 148);
  EXPECT_FLOAT_EQ(frame->GetPosition()->GetY(), 43) << "its top padding";
  // Only the current cell takes the focus.
  EXPECT_TRUE(Column(1)->CellControlByRow(2)->GetCanFocused());
  EXPECT_FALSE(Column(1)->CellControlByRow(3)->GetCanFocused());
  EXPECT_FALSE(Column(2)->CellControlByRow(2)->GetCanFocused());
}

TEST_F(GridTest, KeysMoveTheCurrentRowAndColumn) {
  Grid->SetFocus();
  Press(KeyPageDown);
  EXPECT_EQ(Grid->GetSelected(), 16);
  Press(KeyEnd, ssCtrl);
  EXPECT_EQ(Grid->GetSelected(), 99);
  EXPECT_FLOAT_EQ(Grid->GetVScrollBar()->GetValue(), 21 * 100 - 297) << "the last row in view";
  Press(KeyEnd);
  EXPECT_EQ(Grid->GetColumnIndex(), 3);
  Press(KeyPageDown);
  EXPECT_EQ(Grid->GetSelected(), 99);
}

TEST_F(GridTest, MousePressSelectsTheRowAndColumnUnderIt) {
  // Grid coordinates: margins 2, header 21.
  ControlsTest::Press(Grid, 2 + 62 + 148 + 10, 2 + 21 + 21 * 4 + 5);
  ControlsTest::Release(Grid, 2 + 62 + 148 + 10, 2 + 21 + 21 * 4 + 5);
  EXPECT_EQ(Grid->GetSelected(), 4);
  EXPECT_EQ(Grid->GetColumnIndex(), 2);
}

TEST_F(GridTest, TypingEditsAndEnterWritesBackOnce) {
  Grid->SetCells(1, 3, u"100");
  Grid->SetSelected(3);
  Grid->SetColumnIndex(1);
  Grid->SetFocus();
  Type(u'7');
  TzrControl* cell = Column(1)->CellControlByRow(3);
  ASSERT_EQ(Scene.Focused, cell) << "typing starts editing";
  Type(u'5');
  EXPECT_EQ(cell->GetData().ToWideString(), u"75");
  EXPECT_EQ(Grid->GetCells(1, 3), u"100") << "nothing written while editing";
  Press(KeyEnter);
  EXPECT_EQ(Scene.Focused, Grid);
  EXPECT_EQ(Grid->GetCells(1, 3), u"75");
  EXPECT_EQ(Done, std::vector<std::string>{"1,3"});
}

TEST_F(GridTest, EscapeRestoresAndWritesNothing) {
  Grid->SetCells(1, 3, u"100");
  Grid->SetSelected(3);
  Grid->SetColumnIndex(1);
  Grid->SetFocus();
  Press(KeyF2);
  TzrControl* cell = Column(1)->CellControlByRow(3);
  ASSERT_EQ(Scene.Focused, cell);
  Type(u'9');
  Press(KeyEscape);
  EXPECT_EQ(Scene.Focused, Grid);
  EXPECT_EQ(cell->GetData().ToWideString(), u"100");
  EXPECT_EQ(Grid->GetCells(1, 3), u"100");
  EXPECT_TRUE(Done.empty());
}

TEST_F(GridTest, ReadOnlyColumnAndGridTakeNoEdits) {
  Grid->SetCells(1, 0, u"100");
  Grid->SetColumnIndex(1);
  Grid->SetFocus();
  Column(1)->SetReadOnly(true);
  Type(u'7');
  Press(KeyF2);
  EXPECT_EQ(Scene.Focused, Grid);
  Column(1)->SetReadOnly(false);
  Grid->SetReadOnly(true);
  Type(u'7');
  Press(KeyF2);
  EXPECT_EQ(Scene.Focused, Grid);
  EXPECT_EQ(Grid->GetCells(1, 0), u"100");
  EXPECT_TRUE(Done.empty());
}

TEST_F(GridTest, HeaderFollowsTheColumnsAndResizesAndMovesThem) {
  TzrHeader* header = Grid->GetHeader();
  ASSERT_NE(header, nullptr);
  Column(1)->SetHeader(u"Speed");
  ASSERT_EQ(header->GetChildrenCount(), 5) << "four items and the filler";
  EXPECT_EQ(header->GetItem(1)->GetText(), u"Speed");
  EXPECT_FLOAT_EQ(header->GetItem(1)->GetWidth(), 148);
  // Widths follow the grid's handler, which keeps at least 10.
  float size = 4;
  header->OnResizeItem(header->GetItem(2), size);
  EXPECT_FLOAT_EQ(size, 10);
  EXPECT_FLOAT_EQ(Column(2)->GetWidth(), 10);
  EXPECT_FLOAT_EQ(Column(3)->GetPosition()->GetX(), 220);
  // Dropping item 1 on item 3 moves column 1 there.
  TzrColumn* speed = Column(1);
  Grid->SetColumnIndex(1);
  TzrDragObject drag;
  drag.Source = header->GetItem(1);
  header->GetItem(3)->DragDrop(drag, {5, 5});
  EXPECT_EQ(Column(3), speed);
  EXPECT_EQ(Grid->GetColumnIndex(), 3);
  EXPECT_EQ(header->GetItem(3)->GetText(), u"Speed");
}

TEST_F(GridTest, TheValueGridAsksItsEvents) {
  auto* grid = Make<TzrGrid>(0, 0);
  grid->SetBounds(0, 0, 300, 200);
  auto* check = new TzrCheckColumn(grid);
  check->SetParent(grid);
  std::vector<bool> ticks(100, false);
  grid->OnGetValue = [&](TObject*, int, int Row, Variant& Value) {
    Value = Variant(bool(ticks[Row]));
  };
  grid->OnSetValue = [&](TObject*, int, int Row, const Variant& Value) {
    ticks[Row] = Value.ToBool();
  };
  ticks[1] = true;
  Show();
  auto* cell = dynamic_cast<TzrCheckCell*>(check->CellControlByRow(1));
  ASSERT_NE(cell, nullptr);
  EXPECT_TRUE(cell->GetIsChecked());
  dynamic_cast<TzrCheckCell*>(check->CellControlByRow(2))->SetIsChecked(true);
  EXPECT_TRUE(ticks[2]) << "a check change is written back";
  grid->OnGetValue = nullptr;
  grid->OnSetValue = nullptr;
}

}  // namespace
