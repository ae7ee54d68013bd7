#include "controls/zr_grid.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrStringGrid::Class() {
  using T = TzrStringGrid;
  static const TClassInfo* info = TClassDecl<T>("TzrStringGrid", TzrControl::Class())
                                      .Prop("ColCount", &T::GetColCount, &T::SetColCount)
                                      .Prop("RowCount", &T::GetRowCount, &T::SetRowCount);
  return info;
}

void TzrStringGrid::SetRowCount(int value) {
  if (value < 0) value = 0;
  FRowCount = value;
  for (auto it = FCells.begin(); it != FCells.end();)
    it = it->first.second >= value ? FCells.erase(it) : std::next(it);
}

std::u16string TzrStringGrid::GetCell(int col, int row) const {
  auto it = FCells.find({col, row});
  return it == FCells.end() ? std::u16string() : it->second;
}

void TzrStringGrid::SetCell(int col, int row, const std::u16string& value) {
  FCells[{col, row}] = value;
}
