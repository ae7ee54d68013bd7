#pragma once
// TzrMemoLines: the memo's Lines, a wide string list over the memo's display
// lines. Inserting, deleting and clearing edit the memo's text (without undo)
// and then commit the change (OnChange).

#include "controls/zr_memo_text.h"
#include "scene/zr_strings.h"

class TzrMemoLines : public TzrWideStrings {
 public:
  explicit TzrMemoLines(TzrMemoText* AMemo) : FMemo(AMemo) {}
  std::u16string Get(int Index) const override { return FMemo->GetLine(Index); }
  int GetCount() const override { return FMemo->GetLineCount(); }
  void Insert(int Index, const std::u16string& S) override;
  void Delete(int Index) override;
  void Clear() override;

 protected:
  void SetUpdateState(bool Updating) override { FMemo->SetLinesUpdating(Updating); }

 private:
  TzrMemoText* FMemo;
};
