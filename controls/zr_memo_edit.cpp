// The memo's editing primitives: storing the text, inserting and deleting
// with the incremental update of the line table, the Lines adapter's line
// operations and the undo stack.

#include <glib.h>

#include <algorithm>
#include <cmath>

#include "controls/zr_memo_text.h"
#include "controls/zr_text_editing.h"

std::u16string TzrMemoText::ApplyCharCase(const std::u16string& Value) const {
  if (FCharCase == zrecNormal || Value.empty()) return Value;
  std::u16string r = Value;
  for (char16_t& c : r) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;  // surrogate halves keep their case
    gunichar u = FCharCase == zrecUpperCase ? g_unichar_toupper(c) : g_unichar_tolower(c);
    if (u <= 0xFFFF) c = char16_t(u);
  }
  return r;
}

void TzrMemoText::SetText(const std::u16string& Value) {
  if (Value == FText) return;
  FText = ApplyCharCase(Value);
  if (FInternalMustUpdateLines) {
    UpdateLines();
    if (!FLinesUpdating) TextRealign();
  }
  if (!TextLoading()) ChangeTracking();
  FNeedChange = true;
}

// The editing primitives change the text in place (a copy of a large text
// per keystroke would cost more than the measuring) and then report it as
// SetText does; the line table is updated by the caller.
void TzrMemoText::TextEdited() {
  if (!TextLoading()) ChangeTracking();
  FNeedChange = true;
}

void TzrMemoText::UpdateRngLinesBegs(int L, float OldWidest, int Delta, int EndIndex, int Begin,
                                     int EndLine) {
  if (FText.empty()) {
    FLinesBegs.clear();
    FLineWidths.clear();
    FWidesLineIndex = 0;
    return;
  }
  if (!CanMeasure()) {
    FLinesBegs.assign(1, 1);
    FLineWidths.assign(1, -1);
    FWidesLineIndex = 0;
    FBreakWidth = -1;
    return;
  }
  if (FLinesBegs.empty()) {
    FLinesBegs.push_back(1);
    FLineWidths.push_back(-1);
  }
  TLinesBegs fresh;
  std::vector<float> widths;
  int widestOffset = 0;
  float widestWidth = 0;
  FillLocalLinesBegs(Begin, std::min(EndIndex + Delta, int(FText.size())), fresh, widths,
                     widestOffset, widestWidth);
  L = std::clamp(L, 0, GetLineCount() - 1);
  EndLine = std::clamp(EndLine, L, GetLineCount() - 1);
  const int oldCount = GetLineCount();
  FLinesBegs.erase(FLinesBegs.begin() + L + 1, FLinesBegs.begin() + EndLine + 1);
  FLinesBegs.insert(FLinesBegs.begin() + L + 1, fresh.begin(), fresh.end());
  FLineWidths.resize(size_t(oldCount), -1);
  FLineWidths.erase(FLineWidths.begin() + L, FLineWidths.begin() + EndLine + 1);
  FLineWidths.insert(FLineWidths.begin() + L, widths.begin(), widths.end());
  const int after = L + 1 + int(fresh.size());
  for (size_t i = after; i < FLinesBegs.size(); ++i) FLinesBegs[i] += Delta;
  const int newEndLine = after - 1;
  if (FWordWrap) {
    // The re-broken paragraphs are what a full rebuild gives, and so is the
    // widest line taken from the kept widths.
    FWidesLineIndex = WidestCountedLine();
    if (!FLinesUpdating) TextRealign();
    return;
  }
  // The widest line: a line after the range moved with it.
  if (FWidesLineIndex > EndLine) FWidesLineIndex += GetLineCount() - oldCount;
  if (FWidesLineIndex >= GetLineCount()) {
    FWidesLineIndex = std::max(0, GetWidestLine());
  } else if (OldWidest > std::round(widestWidth)) {
    if (FWidesLineIndex >= L && FWidesLineIndex <= std::max(EndLine, newEndLine))
      FWidesLineIndex = std::max(0, GetWidestLine());
  } else {
    FWidesLineIndex = L + widestOffset;
  }
  if (!FLinesUpdating) TextRealign();
}

void TzrMemoText::InsertAfter(const TCaretPosition& P, const std::u16string& S,
                              TInsertOptions Options) {
  const int t0 = PosToTextPos(FCaretPosition);
  std::u16string s = S;
  if (FMaxLength > 0) s = s.substr(0, std::max(0, FMaxLength - int(FText.size())));
  const int at = PosToTextPos(P);
  const int n = int(s.size());
  if (Options & ioCanUndo) FActionStack.FragmentInserted(at, n, Options & ioUnDoPairedWithPriv);
  if (n > 0) {
    TCaretPosition start = TextPosToPos(at);
    const int first = ParagraphFirstLine(start.Line);
    int begin, length, endLine, endIndex;
    GetLineBounds(first, begin, length);
    if (length == 0 && begin == 0) begin = 1;
    GetLineRealEnd(start, endLine, endIndex);
    float oldWidest = FWordWrap ? 0 : std::round(GetLineWidth(FWidesLineIndex));
    FText.insert(at, ApplyCharCase(s));
    TextEdited();
    UpdateRngLinesBegs(first, oldWidest, n, endIndex, begin, endLine);
  }
  if (Options & ioSelected) {
    FSelStart = TextPosToPos(at);
    FSelEnd = TextPosToPos(at + n);
    FSelected = true;
    PlaceCaret(FSelEnd, true);
  } else if (!TextLoading()) {
    PlaceCaret(TextPosToPos(t0 + n), false);
  }
  if (!FLinesUpdating) TextRealign();
}

void TzrMemoText::DeleteFrom(const TCaretPosition& P, int Length, TDeleteOptions Options) {
  const int size = int(FText.size());
  int i = PosToTextPos(P) + 1;
  // Only what exists is deleted: a deletion at or past the text end, or one
  // reaching past it, is cut to the text.
  int n = std::clamp(Length, 0, std::max(0, size - i + 1));
  if (n > 0) {
    int last = i + n - 1;
    if (FText[last - 1] == CR && last < size && FText[last] == LF) ++n;
    if (FText[i - 1] == LF && i > 1 && FText[i - 2] == CR) {
      --i;
      ++n;
    }
    // Nor half of a surrogate pair.
    if (zrInsidePair(FText, i - 1)) {
      --i;
      ++n;
    }
    if (zrInsidePair(FText, i - 1 + n)) ++n;
  }
  if (n > 0) {
    if (Options & doCanUndo) FActionStack.FragmentDeleted(i, FText.substr(i - 1, n));
    const int first = ParagraphFirstLine(TextPosToPos(i - 1).Line);
    int begin, length, endLine, endIndex;
    GetLineBounds(first, begin, length);
    GetLineRealEnd(TextPosToPos(i - 1 + n), endLine, endIndex);
    float oldWidest = FWordWrap ? 0 : std::round(GetLineWidth(FWidesLineIndex));
    FText.erase(i - 1, n);
    TextEdited();
    UpdateRngLinesBegs(first, oldWidest, -n, endIndex, begin, endLine);
  }
  if ((Options & doMoveCaret) || FSelected) {
    FSelected = false;
    PlaceCaret(TextPosToPos(i - 1), true);
  }
  if (!FLinesUpdating) TextRealign();
}

// ---- the Lines adapter's work

void TzrMemoText::InsertLine(int Index, const std::u16string& S) {
  Index = std::max(Index, 0);
  const std::u16string crlf{CR, LF};
  if (Index < GetLineCount()) {
    InsertAfter({Index, 0}, S + crlf, 0);
  } else if (GetLineCount() == 0) {
    InsertAfter({0, 0}, S, 0);
  } else {
    int last = GetLineCount() - 1;
    InsertAfter({last, VisibleLength(last)}, crlf + S, 0);
  }
}

void TzrMemoText::DeleteLine(int Index) {
  if (Index < 0 || Index >= GetLineCount()) return;
  if (Index + 1 < GetLineCount()) {
    DeleteFrom({Index, 0}, int(GetLineInternal(Index).size()), 0);
    return;
  }
  if (Index == 0) {
    DeleteFrom({0, 0}, int(FText.size()), 0);
    return;
  }
  // The last line goes with the break before it.
  int prev = Index - 1;
  int breakLength = int(GetLineInternal(prev).size()) - VisibleLength(prev);
  DeleteFrom({prev, VisibleLength(prev)}, breakLength + VisibleLength(Index), 0);
}

// ---- undo

void TEdtActionStack::FragmentInserted(int32_t Start, int32_t Length, bool Paired) {
  if (Length == 0) return;
  if (!FList.empty()) {
    TEdtAction& top = FList.back();
    if (top.ActionType == atInsert && Start == top.StartPosition + top.Length) {
      top.Length += Length;
      return;
    }
  }
  TEdtAction a;
  a.ActionType = atInsert;
  a.StartPosition = Start;
  a.Length = Length;
  a.PairedWithPriv = Paired;
  FList.push_back(a);
}

void TEdtActionStack::FragmentDeleted(int32_t Start, const std::u16string& Fragment) {
  if (Fragment.empty()) return;
  if (!FList.empty()) {
    TEdtAction& top = FList.back();
    // A run of Backspace ends where the last deletion began; a run of
    // Delete begins there. A deletion anywhere else is a step of its own.
    const bool before = Start + int32_t(Fragment.size()) == top.StartPosition;
    const bool after = Start == top.StartPosition;
    if (top.ActionType == atDelete && (before || after)) {
      if (before)
        top.DeletedFragment = Fragment + top.DeletedFragment;
      else
        top.DeletedFragment += Fragment;
      top.StartPosition = Start;
      return;
    }
  }
  TEdtAction a;
  a.ActionType = atDelete;
  a.StartPosition = Start;
  a.DeletedFragment = Fragment;
  FList.push_back(a);
}

bool TEdtActionStack::RollBackAction() {
  if (FList.empty()) return false;
  bool paired = true;
  while (!FList.empty() && paired) {
    TEdtAction a = FList.back();
    FList.pop_back();
    if (a.ActionType == atDelete) {
      const std::u16string crlf{TzrMemoText::CR, TzrMemoText::LF};
      TInsertOptions options = ioMoveCaret | (a.DeletedFragment == crlf ? 0 : ioSelected);
      FOwner->InsertAfter(FOwner->TextPosToPos(a.StartPosition - 1), a.DeletedFragment, options);
    } else {
      FOwner->DeleteFrom(FOwner->TextPosToPos(a.StartPosition), a.Length, doMoveCaret);
    }
    paired = a.PairedWithPriv;
  }
  return true;
}
