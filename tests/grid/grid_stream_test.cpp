// The grid unit's classes stream by name once registered; a string grid
// keeps its columns, not its cells, in a stream.

#include "controls/zr_grid.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "tests/controls/controls_fixture.h"

namespace {

TEST_F(ControlsTest, GridClassesAreRegistered) {
  for (const char* name :
       {"TzrGrid", "TzrStringGrid", "TzrColumn", "TzrCheckColumn", "TzrProgressColumn",
        "TzrPopupColumn", "TzrImageColumn", "TzrStringColumn", "TzrTextCell", "TzrCheckCell",
        "TzrProgressCell", "TzrPopupCell"})
    EXPECT_NE(GetClass(name), nullptr) << name;
}

TEST_F(ControlsTest, AStringGridWithItsColumnsStreamsThroughText) {
  auto* grid = Make<TzrStringGrid>(0, 0);
  grid->SetBounds(0, 0, 300, 200);
  grid->SetRowCount(7);
  grid->SetRowHeight(24);
  for (const char16_t* header : {u"序号", u"Speed"}) {
    auto* column = new TzrStringColumn(grid);
    column->SetWidth(90);
    column->SetHeader(header);
    column->SetParent(grid);
  }
  grid->ColumnByIndex(1)->SetReadOnly(true);
  Show();
  TMemoryStream text;
  grid->SaveToStream(&text);
  text.SetPosition(0);
  TzrStringGrid copy(nullptr);
  copy.LoadFromStream(&text);
  EXPECT_EQ(copy.GetRowCount(), 7);
  EXPECT_FLOAT_EQ(copy.GetRowHeight(), 24);
  ASSERT_EQ(copy.GetColumnCount(), 2) << "columns only, no cells or header items";
  EXPECT_EQ(copy.ColumnByIndex(0)->ClassName(), "TzrStringColumn");
  EXPECT_EQ(copy.ColumnByIndex(0)->GetHeader(), u"序号");
  EXPECT_TRUE(copy.ColumnByIndex(1)->GetReadOnly());
  EXPECT_TRUE(copy.ColumnByIndex(0)->GetCellControls().empty());
}

}  // namespace
