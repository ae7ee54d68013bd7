#include "controls/zr_grid_register.h"

#include "controls/zr_grid.h"
#include "controls/zr_header.h"

const std::vector<TzrControlRow>& GridControlRows() {
  static const std::vector<TzrControlRow> rows = {
      {"",
       {TzrTextCell::Class(), TzrCheckCell::Class(), TzrProgressCell::Class(),
        TzrPopupCell::Class(), TzrStringColumn::Class()}},
      {"Grid", {TzrGrid::Class(), TzrStringGrid::Class(), TzrHeader::Class()}},
      {"Grid Columns",
       {TzrColumn::Class(), TzrCheckColumn::Class(), TzrProgressColumn::Class(),
        TzrPopupColumn::Class(), TzrImageColumn::Class()}},
      {"Items", {TzrHeaderItem::Class()}},
  };
  return rows;
}

void RegisterGridControls() {
  static const bool registered = [] {
    RegisterControlRows(GridControlRows());
    return true;
  }();
  (void)registered;
}
