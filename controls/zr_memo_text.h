#pragma once
// The memo's text model: one text with its line breaks (CR LF, or a lone CR
// or LF), the table of display-line beginnings (paragraphs split at breaks
// and, with word wrap, at word boundaries), conversions between text
// positions and (line, position) pairs, the two editing primitives
// InsertAfter and DeleteFrom with their incremental update of the line table,
// and the undo stack.
//
// TzrMemoText knows nothing of scenes: the memo control derives from it and
// supplies measuring, the content width and the caret through the hooks at
// the end of the class. Text positions count UTF-16 units before a gap
// (0 .. length); line begins are 1-based indices into the text.

#include <cstdint>
#include <string>
#include <vector>

struct TCaretPosition {
  int32_t Line = 0;
  int32_t Pos = 0;
  bool operator==(const TCaretPosition&) const = default;
};

using TLinesBegs = std::vector<int32_t>;

enum TActionType { atDelete, atInsert };

struct TEdtAction {
  TActionType ActionType = atInsert;
  bool PairedWithPriv = false;  // undone together with the record below
  int32_t StartPosition = 0;
  std::u16string DeletedFragment;  // deletions
  int32_t Length = 0;              // insertions
};

enum TInsertOption { ioSelected = 1, ioMoveCaret = 2, ioCanUndo = 4, ioUnDoPairedWithPriv = 8 };
using TInsertOptions = unsigned;
enum TDeleteOption { doMoveCaret = 1, doCanUndo = 2 };
using TDeleteOptions = unsigned;

enum TEditCharCase { zrecNormal, zrecUpperCase, zrecLowerCase };

class TzrMemoText;

// Last in, first out list of edits. Consecutive typing and runs of Delete or
// Backspace join into one record each.
class TEdtActionStack {
 public:
  explicit TEdtActionStack(TzrMemoText* AOwner) : FOwner(AOwner) {}
  // Start: text position of the gap the text went into.
  void FragmentInserted(int32_t Start, int32_t Length, bool Paired);
  // Start: 1-based index of the first deleted character.
  void FragmentDeleted(int32_t Start, const std::u16string& Fragment);
  void CaretMovedBy(int32_t) {}
  // Undoes the top record and those paired with it; false when empty.
  bool RollBackAction();
  int Count() const { return int(FList.size()); }
  const TEdtAction* Top() const { return FList.empty() ? nullptr : &FList.back(); }

 private:
  TzrMemoText* FOwner;
  std::vector<TEdtAction> FList;
};

class TzrMemoText {
 public:
  static constexpr char16_t CR = 13;
  static constexpr char16_t LF = 10;

  TzrMemoText();
  virtual ~TzrMemoText() = default;
  TzrMemoText(const TzrMemoText&) = delete;
  TzrMemoText& operator=(const TzrMemoText&) = delete;

  // ---- text and lines
  const std::u16string& GetText() const { return FText; }
  // Stores the text (nothing when equal); rebuilds the line table unless an
  // editing primitive stores it; fires the change tracking.
  virtual void SetText(const std::u16string& Value);
  int GetLineCount() const { return int(FLinesBegs.size()); }
  const TLinesBegs& GetLinesBegs() const { return FLinesBegs; }
  // Begin (1-based) and length with the break; (1, 0) without lines, (0, 0)
  // for a line outside the table.
  void GetLineBounds(int Line, int& Begin, int& Length) const;
  std::u16string GetLineInternal(int Line) const;
  // The line without its break.
  std::u16string GetLine(int Line) const;
  int VisibleLength(int Line) const { return int(GetLine(Line).size()); }
  // The text split at its breaks only (no word wrap, no canvas needed): a
  // text ending in a break ends with an empty line; an empty text has none.
  std::vector<std::u16string> GetUnwrapLines() const;
  int GetWidesLineIndex() const { return FWidesLineIndex; }
  // Full rebuild of the line table.
  void UpdateLines();

  // ---- positions
  int PosToTextPos(const TCaretPosition& P) const;
  TCaretPosition TextPosToPos(int TextPos) const;
  TCaretPosition GetPositionShift(const TCaretPosition& P, int Delta) const;
  // The last display line of P's paragraph and the index of its last
  // visible character.
  void GetLineRealEnd(const TCaretPosition& P, int& EndLine, int& EndIndex) const;

  // ---- editing
  void InsertAfter(const TCaretPosition& P, const std::u16string& S, TInsertOptions Options);
  void DeleteFrom(const TCaretPosition& P, int Length, TDeleteOptions Options);
  void UnDo() { FActionStack.RollBackAction(); }
  TEdtActionStack& GetActionStack() { return FActionStack; }
  // The Lines adapter's work.
  void InsertLine(int Index, const std::u16string& S);
  void DeleteLine(int Index);
  void ClearLines() { SetText(u""); }

  // ---- caret and selection
  const TCaretPosition& GetCaretPosition() const { return FCaretPosition; }
  bool GetSelected() const { return FSelected; }
  const TCaretPosition& GetSelStartPos() const { return FSelStart; }
  const TCaretPosition& GetSelEndPos() const { return FSelEnd; }
  // The earlier and the later end, widened to whole characters.
  TCaretPosition GetSelBeg() const;
  TCaretPosition GetSelEnd() const;
  int GetSelStart() const;
  int GetSelLength() const;
  std::u16string GetSelText() const;
  void SetSelStart(int Value);
  void SetSelLength(int Value);
  void SelectAtPos(const TCaretPosition& P);
  void GoToTextBegin() { FCaretPosition = {0, 0}; }
  void GoToTextEnd();
  void GoToLineBegin() { FCaretPosition.Pos = 0; }
  void GotoLineEnd() { FCaretPosition.Pos = VisibleLength(FCaretPosition.Line); }

  // ---- options
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  int GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value) { FMaxLength = Value; }
  TEditCharCase GetCharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value) { FCharCase = Value; }
  bool GetNeedChange() const { return FNeedChange; }
  void SetNeedChange(bool Value) { FNeedChange = Value; }
  bool GetLinesUpdating() const { return FLinesUpdating; }
  // Batch updates: no realignment until it ends.
  void SetLinesUpdating(bool Value);
  // The commit notice (OnChange when the text changed since focus).
  virtual void Change() {}

 protected:
  // ---- hooks the control supplies
  // Width of a text in the memo's font; the rebuild measures paragraphs
  // with it.
  virtual float MeasureText(const std::u16string& S) = 0;
  // Width available to a display line.
  virtual float TextContentWidth() = 0;
  // False until the memo can measure (outside a scene): the whole text then
  // counts as one line.
  virtual bool CanMeasure() = 0;
  virtual bool TextLoading() { return false; }
  virtual void TextRealign() {}
  virtual void ChangeTracking() {}
  // Puts the caret at P (clamped); Scroll asks the view to follow it.
  virtual void PlaceCaret(const TCaretPosition& P, bool Scroll);
  // The width of a display line in the memo's font; 0 outside the table.
  // Without word wrap it comes from the widths kept with the table.
  float GetLineWidth(int Line);
  // The first line of greatest width; -1 without lines.
  int GetWidestLine();
  // Whether the table was broken for the present content width.
  bool BrokenForWidth() { return FBreakWidth >= 0 && FBreakWidth == TextContentWidth(); }

  bool FNeedChange = false;
  std::u16string FText;
  bool FInternalMustUpdateLines = true;
  TCaretPosition FCaretPosition;
  int FMaxLength = 0;
  TEditCharCase FCharCase = zrecNormal;
  bool FWordWrap = false;
  TLinesBegs FLinesBegs;
  TCaretPosition FSelStart, FSelEnd;
  bool FSelected = false;
  bool FLinesUpdating = false;
  int FWidesLineIndex = 0;
  // The content width of the last full rebuild (-1: none measured yet).
  float FBreakWidth = -1;
  // Beside every begin, the width the line counts with in the search for the
  // widest line, as the full rebuild measures it: without word wrap the
  // line's own width; with word wrap the paragraph's unbroken width on its
  // first display line and 0 on its later lines (and on a wrapped last
  // paragraph). -1: not measured (the memo could not measure). Measuring is
  // the expensive step, so edits measure only the lines they re-break.
  std::vector<float> FLineWidths;
  TEdtActionStack FActionStack{this};

 private:
  // Breaks the text from index First to Last (1-based, inclusive) into
  // paragraphs and display lines: Begins receives the begins after the
  // range's first line, Widths the counting width of each of the range's
  // lines (its first included), WidestOffset the line offset of its widest
  // paragraph.
  void FillLocalLinesBegs(int First, int Last, TLinesBegs& Begins, std::vector<float>& Widths,
                          int& WidestOffset, float& WidestWidth);
  void BreakParagraph(const std::u16string& P, int P0, float W, TLinesBegs& Begins,
                      std::vector<float>& Widths);
  // The first display line of Line's paragraph.
  int ParagraphFirstLine(int Line) const;
  // The first line of greatest counting width (0 when none counts).
  int WidestCountedLine() const;
  // Fixes the table after an edit of Delta characters in the paragraph that
  // begins on line L: the lines L+1 .. EndLine are re-broken from Begin to
  // EndIndex + Delta, whole paragraphs, so the table stays what a full
  // rebuild gives.
  void UpdateRngLinesBegs(int L, float OldWidest, int Delta, int EndIndex, int Begin, int EndLine);
  void TextEdited();
  // P, or the gap before (after, when Forward) the surrogate pair it cuts.
  TCaretPosition WholeCharEnd(const TCaretPosition& P, bool Forward) const;
  std::u16string ApplyCharCase(const std::u16string& Value) const;
};
