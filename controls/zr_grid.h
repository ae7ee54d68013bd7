#pragma once
// The string grid as the program drives it: cells by column and row, row count.

#include <map>
#include <string>
#include <utility>

#include "controls/zr_controls.h"

class TzrStringGrid : public TzrControl {
public:
  using TzrControl::TzrControl;
  std::string ClassName() const override { return "TzrStringGrid"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  int GetRowCount() const { return FRowCount; }
  // Shrinking drops the cells of the removed rows.
  void SetRowCount(int value);
  int GetColCount() const { return FColCount; }
  void SetColCount(int value) { FColCount = value; }
  // A cell never written reads as the empty text.
  std::u16string GetCell(int col, int row) const;
  void SetCell(int col, int row, const std::u16string& value);

private:
  int FRowCount = 0;
  int FColCount = 0;
  std::map<std::pair<int, int>, std::u16string> FCells;
};
