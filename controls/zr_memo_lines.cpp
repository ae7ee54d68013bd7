#include "controls/zr_memo_lines.h"

void TzrMemoLines::Insert(int Index, const std::u16string& S) {
  FMemo->InsertLine(Index, S);
  FMemo->Change();
}

void TzrMemoLines::Delete(int Index) {
  FMemo->DeleteLine(Index);
  FMemo->Change();
}

void TzrMemoLines::Clear() {
  FMemo->ClearLines();
  FMemo->Change();
}
