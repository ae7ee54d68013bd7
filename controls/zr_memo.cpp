#include "controls/zr_memo.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrMemo::Class() {
  static const TClassInfo* info = TClassDecl<TzrMemo>("TzrMemo", TzrControl::Class());
  return info;
}

std::u16string TzrMemo::GetText() const {
  std::u16string text;
  for (size_t i = 0; i < FLines.size(); ++i) {
    if (i) text += u'\n';
    text += FLines[i];
  }
  return text;
}

void TzrMemo::SetText(const std::u16string& value) {
  FLines.clear();
  size_t start = 0;
  while (start <= value.size()) {
    size_t end = value.find(u'\n', start);
    if (end == std::u16string::npos) end = value.size();
    std::u16string line = value.substr(start, end - start);
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    FLines.push_back(line);
    start = end + 1;
  }
  if (!FLines.empty() && FLines.back().empty()) FLines.pop_back();
}

void TzrMemo::InsertLine(int index, const std::u16string& line) {
  if (index < 0) index = 0;
  if (index > static_cast<int>(FLines.size())) index = static_cast<int>(FLines.size());
  FLines.insert(FLines.begin() + index, line);
}
