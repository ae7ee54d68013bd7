#pragma once
// The memo as the program drives it: its text as lines, a line inserted at
// the top, scrolling to the beginning.

#include <string>
#include <vector>

#include "controls/zr_controls.h"

class TzrMemo : public TzrControl {
public:
  using TzrControl::TzrControl;
  std::string ClassName() const override { return "TzrMemo"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Lines joined with line feeds.
  std::u16string GetText() const;
  void SetText(const std::u16string& value);
  const std::vector<std::u16string>& Lines() const { return FLines; }
  void InsertLine(int index, const std::u16string& line);
  void AddLine(const std::u16string& line) { FLines.push_back(line); }
  void Clear() { FLines.clear(); }
  void GoToTextBegin() { FTopLine = 0; }
  int TopLine() const { return FTopLine; }

private:
  std::vector<std::u16string> FLines;
  int FTopLine = 0;
};
