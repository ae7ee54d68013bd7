// The memo's line table and the conversions between text positions and
// (line, position) pairs.

#include "controls/zr_memo_text.h"

#include <algorithm>

#include "controls/zr_text_editing.h"

namespace {

bool IsBreak(char16_t C) { return C == TzrMemoText::CR || C == TzrMemoText::LF; }
bool IsSeparator(char16_t C) { return C == u' ' || C == u',' || C == u'-'; }

}  // namespace

TzrMemoText::TzrMemoText() = default;

void TzrMemoText::GetLineBounds(int Line, int& Begin, int& Length) const {
  if (FLinesBegs.empty()) {
    Begin = 1;
    Length = 0;
    return;
  }
  if (Line < 0 || Line >= GetLineCount()) {
    Begin = 0;
    Length = 0;
    return;
  }
  Begin = FLinesBegs[Line];
  int next = Line + 1 < GetLineCount() ? FLinesBegs[Line + 1] : int(FText.size()) + 1;
  Length = next - Begin;
}

std::u16string TzrMemoText::GetLineInternal(int Line) const {
  int begin, length;
  GetLineBounds(Line, begin, length);
  if (length <= 0) return u"";
  return FText.substr(begin - 1, length);
}

std::u16string TzrMemoText::GetLine(int Line) const {
  std::u16string s = GetLineInternal(Line);
  if (!s.empty() && s.back() == LF) s.pop_back();
  if (!s.empty() && s.back() == CR) s.pop_back();
  return s;
}

std::vector<std::u16string> TzrMemoText::GetUnwrapLines() const {
  std::vector<std::u16string> lines;
  if (FText.empty()) return lines;
  size_t start = 0;
  for (size_t i = 0; i < FText.size(); ++i) {
    if (!IsBreak(FText[i])) continue;
    lines.push_back(FText.substr(start, i - start));
    if (FText[i] == CR && i + 1 < FText.size() && FText[i + 1] == LF) ++i;
    start = i + 1;
  }
  lines.push_back(FText.substr(start));
  return lines;
}

float TzrMemoText::GetLineWidth(int Line) {
  if (Line < 0 || Line >= GetLineCount()) return 0;
  if (!FWordWrap && Line < int(FLineWidths.size()) && FLineWidths[Line] >= 0)
    return FLineWidths[Line];
  return MeasureText(GetLine(Line));
}

int TzrMemoText::GetWidestLine() {
  int best = -1;
  float bestWidth = -1;
  for (int i = 0; i < GetLineCount(); ++i) {
    float w = GetLineWidth(i);
    if (w > bestWidth) {
      bestWidth = w;
      best = i;
    }
  }
  return best;
}

int TzrMemoText::WidestCountedLine() const {
  int best = 0;
  float bestWidth = 0;
  for (size_t i = 0; i < FLineWidths.size(); ++i) {
    if (FLineWidths[i] > bestWidth) {
      bestWidth = FLineWidths[i];
      best = int(i);
    }
  }
  return best;
}

int TzrMemoText::ParagraphFirstLine(int Line) const {
  Line = std::clamp(Line, 0, std::max(0, GetLineCount() - 1));
  // A line begins a paragraph when the character before it is a break.
  while (Line > 0 && !IsBreak(FText[FLinesBegs[Line] - 2])) --Line;
  return Line;
}

// ---- the line table

void TzrMemoText::UpdateLines() {
  FWidesLineIndex = 0;
  FLinesBegs.clear();
  FLineWidths.clear();
  FBreakWidth = CanMeasure() ? TextContentWidth() : -1;
  if (FText.empty()) return;
  FLinesBegs.push_back(1);
  if (!CanMeasure()) {
    FLineWidths.push_back(-1);
    return;
  }
  int widestOffset = 0;
  float widestWidth = 0;
  FillLocalLinesBegs(1, int(FText.size()), FLinesBegs, FLineWidths, widestOffset, widestWidth);
  FWidesLineIndex = widestOffset;
}

// The last paragraph of the text, when wrapped, does not count in the search
// for the widest line; a range that ends before the text's end ends with an
// ordinary paragraph.
void TzrMemoText::FillLocalLinesBegs(int First, int Last, TLinesBegs& Begins,
                                     std::vector<float>& Widths, int& WidestOffset,
                                     float& WidestWidth) {
  size_t base = Begins.size();
  auto offset = [&] { return int(Begins.size() - base); };
  float W = TextContentWidth();
  WidestOffset = 0;
  WidestWidth = 0;
  int pStart = First;
  int i = First;
  while (i <= Last) {
    char16_t c = FText[i - 1];
    if (!IsBreak(c)) {
      ++i;
      continue;
    }
    std::u16string p = FText.substr(pStart - 1, i - pStart);
    float w = MeasureText(p);
    if (w > WidestWidth) {
      WidestWidth = w;
      WidestOffset = offset();
    }
    Widths.push_back(w);
    if (FWordWrap && w > W) BreakParagraph(p, pStart, W, Begins, Widths);
    i += (c == CR && i < int(FText.size()) && FText[i] == LF) ? 2 : 1;
    Begins.push_back(i);
    pStart = i;
  }
  std::u16string p = pStart <= Last ? FText.substr(pStart - 1, Last - pStart + 1) : u"";
  float w = MeasureText(p);
  if (FWordWrap && w > W) {
    const bool textEnd = Last >= int(FText.size());
    Widths.push_back(textEnd ? 0 : w);
    BreakParagraph(p, pStart, W, Begins, Widths);
  } else {
    Widths.push_back(w);
    if (w > WidestWidth) {
      WidestWidth = w;
      WidestOffset = offset();
    }
  }
}

// Tokens are runs of characters other than the separators " ,-", each with
// the separators that follow it. A token that does not fit after others
// starts a new display line; a token wider than W stays alone and overflows.
void TzrMemoText::BreakParagraph(const std::u16string& P, int P0, float W, TLinesBegs& Begins,
                                 std::vector<float>& Widths) {
  const int n = int(P.size());
  auto nextToken = [&](int pos) {  // pos is 1-based; answers the next token's start
    while (pos <= n && !IsSeparator(P[pos - 1])) ++pos;
    while (pos <= n && IsSeparator(P[pos - 1])) ++pos;
    return pos;
  };
  int lineStart = 1;
  int tokStart = 1;
  int pos = nextToken(1);
  while (pos > tokStart) {
    if (tokStart > lineStart && MeasureText(P.substr(lineStart - 1, pos - lineStart)) > W) {
      lineStart = tokStart;
      Begins.push_back(P0 + tokStart - 1);
      Widths.push_back(0);
    }
    tokStart = pos;
    pos = nextToken(pos);
  }
}

// ---- positions

int TzrMemoText::PosToTextPos(const TCaretPosition& P) const {
  if (FText.empty() || FLinesBegs.empty()) return 0;
  int line = std::min(P.Line, GetLineCount() - 1);
  if (line < 0) return 0;
  int begin, length;
  GetLineBounds(line, begin, length);
  return begin - 1 + std::clamp(P.Pos, 0, length);
}

TCaretPosition TzrMemoText::TextPosToPos(int TextPos) const {
  if (FLinesBegs.empty()) return {0, 0};
  TextPos = std::clamp(TextPos, 0, int(FText.size()));
  // The last line whose begin is at most TextPos + 1.
  auto it = std::upper_bound(FLinesBegs.begin(), FLinesBegs.end(), TextPos + 1);
  int line = std::max(0, int(it - FLinesBegs.begin()) - 1);
  return {line, TextPos + 1 - FLinesBegs[line]};
}

TCaretPosition TzrMemoText::GetPositionShift(const TCaretPosition& P, int Delta) const {
  if (FLinesBegs.empty()) return {0, 0};
  if (Delta >= 14) {
    int t = std::min(PosToTextPos(P) + Delta, int(FText.size()));
    if (t > 0 && t < int(FText.size()) && FText[t] == LF && FText[t - 1] == CR) ++t;
    return TextPosToPos(zrCharEnd(FText, t));
  }
  TCaretPosition r{std::clamp(P.Line, 0, GetLineCount() - 1), std::max(P.Pos, 0)};
  if (Delta > 0) {
    int steps = 0;
    while (steps < Delta) {
      std::u16string line = GetLineInternal(r.Line);
      r.Pos = zrNextCharPos(line, r.Pos);
      ++steps;
      if (r.Pos < int(line.size()) && line[r.Pos] == LF) {
        ++r.Pos;
        ++steps;
      }
      if (r.Pos < int(line.size())) continue;
      if (r.Line + 1 < GetLineCount()) {
        ++r.Line;
        r.Pos = 0;
      } else {
        r.Pos = int(line.size());
        break;
      }
    }
    return r;
  }
  for (int steps = 0; steps < -Delta; ++steps) {
    if (r.Pos > 0) {
      r.Pos = zrPriorCharPos(GetLineInternal(r.Line), r.Pos);
      continue;
    }
    if (r.Line == 0) break;
    --r.Line;
    std::u16string line = GetLineInternal(r.Line);
    bool crlf = line.size() >= 2 && line[line.size() - 2] == CR && line.back() == LF;
    r.Pos = int(line.size()) - (crlf ? 2 : 1);
  }
  return r;
}

void TzrMemoText::GetLineRealEnd(const TCaretPosition& P, int& EndLine, int& EndIndex) const {
  EndLine = P.Line;
  while (EndLine + 1 < GetLineCount() && GetLineInternal(EndLine) == GetLine(EndLine)) ++EndLine;
  if (EndLine < 0 || EndLine >= GetLineCount()) {
    EndIndex = 0;
    return;
  }
  EndIndex = FLinesBegs[EndLine] + VisibleLength(EndLine) - 1;
}

// ---- caret and selection

void TzrMemoText::PlaceCaret(const TCaretPosition& P, bool) {
  int line = std::clamp(P.Line, 0, std::max(0, GetLineCount() - 1));
  int pos = P.Pos < 0 ? 0 : zrCharStart(GetLine(line), P.Pos);
  FCaretPosition = {line, pos};
}

// The ends as stored may cut a character (code sets them by text position):
// the selection then takes the whole character.
TCaretPosition TzrMemoText::WholeCharEnd(const TCaretPosition& P, bool Forward) const {
  const int t = PosToTextPos(P);
  if (!zrInsidePair(FText, t)) return P;
  return TextPosToPos(Forward ? t + 1 : t - 1);
}

TCaretPosition TzrMemoText::GetSelBeg() const {
  bool startFirst = FSelStart.Line < FSelEnd.Line ||
                    (FSelStart.Line == FSelEnd.Line && FSelStart.Pos <= FSelEnd.Pos);
  return WholeCharEnd(startFirst ? FSelStart : FSelEnd, false);
}

TCaretPosition TzrMemoText::GetSelEnd() const {
  bool startFirst = FSelStart.Line < FSelEnd.Line ||
                    (FSelStart.Line == FSelEnd.Line && FSelStart.Pos <= FSelEnd.Pos);
  return WholeCharEnd(startFirst ? FSelEnd : FSelStart, true);
}

int TzrMemoText::GetSelStart() const {
  return PosToTextPos(FSelected ? GetSelBeg() : FCaretPosition);
}

int TzrMemoText::GetSelLength() const {
  if (!FSelected) return 0;
  return PosToTextPos(GetSelEnd()) - PosToTextPos(GetSelBeg());
}

std::u16string TzrMemoText::GetSelText() const {
  int length = GetSelLength();
  if (length <= 0) return u"";
  return FText.substr(GetSelStart(), length);
}

// Positions past the text end stand for the text end: a selection set from
// code never reaches beyond what exists.
void TzrMemoText::SetSelStart(int Value) {
  FSelStart = TextPosToPos(std::clamp(Value, 0, int(FText.size())));
}

void TzrMemoText::SetSelLength(int Value) {
  int start = PosToTextPos(FSelStart);
  FSelEnd = TextPosToPos(std::clamp(start + Value, 0, int(FText.size())));
}

void TzrMemoText::SelectAtPos(const TCaretPosition& P) {
  if (FSelected) {
    FSelEnd = P;
    return;
  }
  FSelStart = FSelEnd = P;
  FSelected = true;
}

void TzrMemoText::GoToTextEnd() {
  if (GetLineCount() == 0) {
    FCaretPosition = {0, 0};
    return;
  }
  int last = GetLineCount() - 1;
  FCaretPosition = {last, VisibleLength(last)};
}

// ---- options

void TzrMemoText::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  UpdateLines();
  if (!FLinesUpdating) TextRealign();
  PlaceCaret(FCaretPosition, false);
}

void TzrMemoText::SetLinesUpdating(bool Value) {
  FLinesUpdating = Value;
  if (!Value) TextRealign();
}
