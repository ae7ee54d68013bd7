// Pictures of grids for build/gallery/: a string grid with its header,
// stripes, lines, the current row and cell and a cell being edited, and a
// value grid with check, progress and popup columns; English and Chinese
// headings.

#include <string>
#include <vector>

#include "controls/zr_grid.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr TzrColor kBackdrop = 0xFF2B2B2B;

class GridGallery : public ControlsTest {
 protected:
  GridGallery() { GalleryCanvas(640, 480, kBackdrop); }

  TzrStringGrid* Log(float X, float Y, std::vector<const char16_t*> Headers) {
    auto* grid = Make<TzrStringGrid>(X, Y);
    grid->SetBounds(X, Y, 300, 200);
    grid->SetAlternatingRowBackground(true);
    const float widths[] = {40, 80, 80, 80};
    for (size_t i = 0; i < Headers.size(); ++i) {
      auto* column = new TzrStringColumn(grid);
      column->SetWidth(widths[i]);
      column->SetHeader(Headers[i]);
      column->SetParent(grid);
    }
    for (int r = 0; r < 100; ++r) {
      grid->SetCells(0, r, UTF8ToUTF16(std::to_string(r + 1)));
      grid->SetCells(1, r, UTF8ToUTF16(std::to_string(4000 + r * 25)));
      grid->SetCells(2, r, UTF8ToUTF16(std::to_string(22 - r % 5) + ".40"));
      grid->SetCells(3, r, UTF8ToUTF16(std::to_string(10 + r % 7) + ".05"));
    }
    return grid;
  }
};

TEST_F(GridGallery, StringGridsWithHeadersAndAnEditedCell) {
  TzrStringGrid* en = Log(10, 10, {u"No.", u"Speed", u"Voltage", u"Current"});
  en->SetSelected(2);
  en->SetColumnIndex(1);
  TzrStringGrid* zh = Log(330, 10, {u"序号", u"转速", u"电压", u"电流"});
  zh->SetSelected(4);
  zh->SetColumnIndex(2);
  zh->SetShowVertLines(false);
  Show();
  // The English grid edits its current cell.
  en->SetFocus();
  uint16_t key = 0;
  char16_t ch = u'5';
  en->KeyDown(key, ch, 0);
  ASSERT_EQ(Scene.Focused, en->ColumnByIndex(1)->CellControlByRow(2));
  SaveGalleryPicture("grid_string_grids");
  EXPECT_TRUE(DrawnOver(en, kBackdrop));
  EXPECT_TRUE(DrawnOver(zh, kBackdrop));
}

TEST_F(GridGallery, ValueGridWithCheckProgressAndPopupColumns) {
  auto* grid = Make<TzrGrid>(10, 240);
  grid->SetBounds(10, 240, 420, 200);
  auto* name = new TzrColumn(grid);
  name->SetHeader(u"Channel / 通道");
  name->SetParent(grid);
  auto* on = new TzrCheckColumn(grid);
  on->SetWidth(60);
  on->SetHeader(u"On");
  on->SetParent(grid);
  auto* load = new TzrProgressColumn(grid);
  load->SetWidth(120);
  load->SetHeader(u"Load");
  load->SetParent(grid);
  auto* mode = new TzrPopupColumn(grid);
  TzrWideStringList modes;
  modes.Add(u"Heli");
  modes.Add(u"Plane");
  mode->SetItems(&modes);
  mode->SetWidth(120);
  mode->SetHeader(u"Mode");
  mode->SetParent(grid);
  grid->OnGetValue = [](TObject*, int Col, int Row, Variant& Value) {
    switch (Col) {
      case 0:
        Value = Variant(u"CH" + UTF8ToUTF16(std::to_string(Row + 1)));
        break;
      case 1:
        Value = Variant(Row % 3 != 0);
        break;
      case 2:
        Value = Variant(double(Row * 13 % 100));
        break;
      default:
        Value = Variant(Row % 2 ? u"Plane" : u"Heli");
        break;
    }
  };
  grid->SetRowCount(12);
  grid->SetSelected(1);
  grid->SetColumnIndex(2);
  Show();
  SaveGalleryPicture("grid_value_columns");
  EXPECT_TRUE(DrawnOver(grid, kBackdrop));
}

}  // namespace
