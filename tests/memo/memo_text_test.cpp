// The memo's text model on a fixed-pitch measure (10 units per character):
// the line table, position shifts, editing with undo and the Lines adapter.

#include <gtest/gtest.h>

#include "controls/zr_memo_lines.h"
#include "controls/zr_memo_text.h"

namespace {

const std::u16string CRLF = u"\r\n";

class TestMemoText : public TzrMemoText {
 public:
  float Width = 1000;
  bool Measures = true;
  int Tracked = 0;
  int Changes = 0;
  int Measured = 0;
  TzrMemoLines Lines{this};

  void Change() override {
    if (FNeedChange) ++Changes;
  }
  using TzrMemoText::GetWidestLine;
  using TzrMemoText::PlaceCaret;

 protected:
  float MeasureText(const std::u16string& S) override {
    ++Measured;
    return 10.0f * S.size();
  }
  float TextContentWidth() override { return Width; }
  bool CanMeasure() override { return Measures; }
  void ChangeTracking() override { ++Tracked; }
};

std::vector<std::u16string> AllLines(const TzrMemoText& m) {
  std::vector<std::u16string> r;
  for (int i = 0; i < m.GetLineCount(); ++i) r.push_back(m.GetLine(i));
  return r;
}

// The table the full rebuild gives for the memo's current text.
TLinesBegs Rebuilt(TestMemoText& m) {
  TestMemoText fresh;
  fresh.Width = m.Width;
  fresh.SetWordWrap(m.GetWordWrap());
  fresh.SetText(m.GetText());
  return fresh.GetLinesBegs();
}

// The widest line's index the full rebuild gives for the current text.
int RebuiltWidest(TestMemoText& m) {
  TestMemoText fresh;
  fresh.Width = m.Width;
  fresh.SetWordWrap(m.GetWordWrap());
  fresh.SetText(m.GetText());
  return fresh.GetWidesLineIndex();
}

TEST(MemoText, LineTableOfBreaks) {
  struct Case {
    std::u16string text;
    TLinesBegs begins;
  } cases[] = {
      {u"", {}},
      {u"a\r\nb", {1, 4}},
      {u"a\r\nb\r\n", {1, 4, 7}},
      {u"a\rb\nc", {1, 3, 5}},
      {u"\n\r\n", {1, 2, 4}},
  };
  for (const Case& c : cases) {
    TestMemoText m;
    m.SetText(c.text);
    EXPECT_EQ(m.GetLinesBegs(), c.begins) << m.GetLineCount();
  }
  TestMemoText m;
  m.SetText(u"a\r\nb");
  EXPECT_EQ(AllLines(m), (std::vector<std::u16string>{u"a", u"b"}));
}

TEST(MemoText, OutsideASceneTheWholeTextIsOneLine) {
  TestMemoText m;
  m.Measures = false;
  m.SetText(u"one\r\ntwo");
  EXPECT_EQ(m.GetLineCount(), 1);
  m.Lines.Insert(0, u"zero");
  EXPECT_EQ(m.GetLineCount(), 1);
  EXPECT_EQ(m.GetText(), u"zero\r\none\r\ntwo");
}

TEST(MemoText, WordWrap) {
  TestMemoText m;
  m.Width = 60;  // six characters
  m.SetWordWrap(true);
  m.SetText(u"aa bb cc dd");
  EXPECT_EQ(AllLines(m), (std::vector<std::u16string>{u"aa bb ", u"cc dd"}));
  // A word wider than the memo stands alone, with no empty line above it.
  m.SetText(u"abcdefghij xy");
  EXPECT_EQ(AllLines(m), (std::vector<std::u16string>{u"abcdefghij ", u"xy"}));
  // Wrapped lines after a lone break begin at their token.
  m.SetText(u"q\naa bb cc");
  EXPECT_EQ(AllLines(m), (std::vector<std::u16string>{u"q", u"aa bb ", u"cc"}));
  m.SetText(u"q\raa-bb,cc");
  EXPECT_EQ(AllLines(m), (std::vector<std::u16string>{u"q", u"aa-bb,", u"cc"}));
}

TEST(MemoText, PositionsAndShifts) {
  TestMemoText m;
  m.SetText(u"ab\r\ncd\r\nef");
  EXPECT_EQ(m.PosToTextPos({1, 1}), 5);
  EXPECT_EQ(m.PosToTextPos({9, 9}), 10);  // clamped to the last line's end
  EXPECT_EQ(m.TextPosToPos(4), (TCaretPosition{1, 0}));
  EXPECT_EQ(m.TextPosToPos(99), (TCaretPosition{2, 2}));
  struct Case {
    TCaretPosition from;
    int delta;
    TCaretPosition to;
  } cases[] = {
      {{0, 2}, 1, {1, 0}},                         // right at a line end: next line start
      {{1, 0}, -1, {0, 2}},                        // left at a line start: before the CR LF
      {{0, 0}, 3, {1, 0}},                         // a CR LF counts as two characters
      {{2, 1}, 5, {2, 2}},                         // the end of the last line holds
      {{0, 0}, -3, {0, 0}}, {{0, 1}, 14, {2, 2}},  // long shifts go by text position
  };
  for (const Case& c : cases)
    EXPECT_EQ(m.GetPositionShift(c.from, c.delta), c.to) << c.from.Line << "," << c.from.Pos;
  // A long shift never stops between CR and LF.
  m.SetText(std::u16string(13, u'x') + CRLF + u"y");
  EXPECT_EQ(m.GetPositionShift({0, 0}, 14), (TCaretPosition{1, 0}));
}

TEST(MemoText, DeleteBeforeCrLfJoinsLinesAndUndoRestoresBoth) {
  TestMemoText m;
  m.SetText(u"ab\r\ncd");
  m.DeleteFrom({0, 2}, 1, doMoveCaret | doCanUndo);
  EXPECT_EQ(m.GetText(), u"abcd");
  EXPECT_EQ(m.GetLineCount(), 1);
  ASSERT_EQ(m.GetActionStack().Count(), 1);
  EXPECT_EQ(m.GetActionStack().Top()->DeletedFragment, CRLF);
  m.UnDo();
  EXPECT_EQ(m.GetText(), u"ab\r\ncd");
  EXPECT_EQ(m.GetLinesBegs(), (TLinesBegs{1, 5}));
  EXPECT_FALSE(m.GetSelected());  // a restored CR LF is not selected
}

TEST(MemoText, DeletionsPastTheTextEndActOnWhatExists) {
  TestMemoText m;
  m.SetText(u"ab\r\ncd");
  m.DeleteFrom({1, 2}, 1, doMoveCaret | doCanUndo);  // Delete at the text end
  EXPECT_EQ(m.GetText(), u"ab\r\ncd");
  EXPECT_EQ(m.GetActionStack().Count(), 0);
  m.DeleteFrom({1, 1}, 50, doMoveCaret | doCanUndo);
  EXPECT_EQ(m.GetText(), u"ab\r\nc");
  ASSERT_EQ(m.GetActionStack().Count(), 1);
  EXPECT_EQ(m.GetActionStack().Top()->DeletedFragment, u"d");
  m.UnDo();
  EXPECT_EQ(m.GetText(), u"ab\r\ncd");
  // A selection set from code stops at the text end.
  m.SetSelStart(40);
  m.SetSelLength(7);
  m.SelectAtPos(m.GetSelStartPos());
  EXPECT_EQ(m.PosToTextPos(m.GetSelStartPos()), 6);
  m.SetSelStart(3);
  m.SetSelLength(99);
  EXPECT_EQ(m.GetSelText(), u"\ncd");
}

TEST(MemoText, MaxLengthCutsInsertions) {
  TestMemoText m;
  m.SetText(u"abcdefgh");
  m.SetMaxLength(10);
  m.InsertAfter({0, 4}, u"WXYZ", ioMoveCaret | ioCanUndo);
  EXPECT_EQ(m.GetText(), u"abcdWXefgh");
  m.UnDo();
  EXPECT_EQ(m.GetText(), u"abcdefgh");
  m.InsertAfter({0, 0}, u"12345", ioCanUndo);
  m.InsertAfter({0, 0}, u"z", ioCanUndo);  // the limit is reached: nothing
  EXPECT_EQ(m.GetText(), u"12abcdefgh");
}

TEST(MemoText, UndoSteps) {
  TestMemoText m;
  m.SetText(u"hello");
  m.GoToTextEnd();
  // Three typed characters are one step.
  for (char16_t c : {u'x', u'y', u'z'})
    m.InsertAfter(m.GetCaretPosition(), std::u16string(1, c), ioMoveCaret | ioCanUndo);
  EXPECT_EQ(m.GetText(), u"helloxyz");
  m.UnDo();
  EXPECT_EQ(m.GetText(), u"hello");
  // Three Backspaces are one step, restored and selected.
  for (int i = 0; i < 3; ++i)
    m.DeleteFrom(m.GetPositionShift(m.GetCaretPosition(), -1), 1, doMoveCaret | doCanUndo);
  EXPECT_EQ(m.GetText(), u"he");
  m.UnDo();
  EXPECT_EQ(m.GetText(), u"hello");
  EXPECT_TRUE(m.GetSelected());
  EXPECT_EQ(m.GetSelText(), u"llo");
  // Typing over a selection and one undo.
  m.DeleteFrom(m.GetSelBeg(), m.GetSelLength(), doMoveCaret | doCanUndo);
  m.InsertAfter(m.GetCaretPosition(), u"p", ioMoveCaret | ioCanUndo | ioUnDoPairedWithPriv);
  EXPECT_EQ(m.GetText(), u"hep");
  m.UnDo();
  EXPECT_EQ(m.GetText(), u"hello");
  EXPECT_EQ(m.GetSelText(), u"llo");
  EXPECT_EQ(m.GetActionStack().Count(), 0);
}

// Deletions join into one undo step only while each touches the gap the run
// left; a deletion elsewhere is a step of its own.
TEST(MemoText, UndoJoinsOnlyAdjacentDeletions) {
  enum Op { Back, Del, Left, Undo };
  struct Case {
    const char* Name;
    std::u16string Text;
    int Caret;
    std::vector<Op> Ops;
    std::u16string After;  // the text after the ops, ending with one undo
    int Steps;             // undo records left
  } cases[] = {
      {"Backspace, Left, Backspace", u"abcde", 5, {Back, Left, Back, Undo}, u"abcd", 1},
      {"Delete, Left, Left, Delete", u"abcdef", 3, {Del, Left, Left, Del, Undo}, u"abcef", 1},
      {"a run of Backspace", u"abcdef", 4, {Back, Back, Back, Undo}, u"abcdef", 0},
      {"a run of Delete", u"abcdef", 1, {Del, Del, Del, Undo}, u"abcdef", 0},
      {"Delete then Backspace at the same gap", u"abcdef", 2, {Del, Back, Undo}, u"abcdef", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TestMemoText m;
    m.SetText(c.Text);
    m.PlaceCaret(m.TextPosToPos(c.Caret), false);
    for (Op op : c.Ops) {
      const TCaretPosition caret = m.GetCaretPosition();
      if (op == Back) m.DeleteFrom(m.GetPositionShift(caret, -1), 1, doMoveCaret | doCanUndo);
      if (op == Del) m.DeleteFrom(caret, 1, doMoveCaret | doCanUndo);
      if (op == Left) m.PlaceCaret(m.GetPositionShift(caret, -1), false);
      if (op == Undo) m.UnDo();
    }
    EXPECT_EQ(m.GetText(), c.After);
    EXPECT_EQ(m.GetActionStack().Count(), c.Steps);
    while (m.GetActionStack().Count()) m.UnDo();
    EXPECT_EQ(m.GetText(), c.Text);
  }
}

// Characters beyond the Basic Multilingual Plane take two UTF-16 units: no
// shift, caret, selection end or deletion stops between them.
TEST(MemoText, SurrogatePairsAreWholeCharacters) {
  const std::u16string emoji = u"\U0001F600", rare = u"\U00020000";
  TestMemoText m;
  m.SetText(u"a" + emoji + CRLF + rare + u"b");  // a, pair, CR LF | pair, b
  struct Shift {
    TCaretPosition From;
    int Delta;
    TCaretPosition To;
  } shifts[] = {
      {{0, 1}, 1, {0, 3}},  {{0, 3}, -1, {0, 1}}, {{1, 0}, 1, {1, 2}},
      {{1, 2}, -1, {1, 0}}, {{0, 0}, 2, {0, 3}},
  };
  for (const Shift& c : shifts)
    EXPECT_EQ(m.GetPositionShift(c.From, c.Delta), c.To) << c.From.Line << "," << c.From.Pos;
  m.PlaceCaret({1, 1}, false);
  EXPECT_EQ(m.GetCaretPosition(), (TCaretPosition{1, 0}));
  // A selection from code takes the characters it cuts whole.
  m.SelectAtPos({0, 0});
  m.SetSelStart(2);
  m.SetSelLength(5);
  EXPECT_EQ(m.GetSelText(), emoji + CRLF + rare);
  // Deleting one unit at either half removes the pair; undo puts it back.
  for (TCaretPosition at : {TCaretPosition{0, 1}, TCaretPosition{0, 2}}) {
    m.DeleteFrom(at, 1, doMoveCaret | doCanUndo);
    EXPECT_EQ(m.GetText(), u"a" + CRLF + rare + u"b");
    m.UnDo();
    EXPECT_EQ(m.GetText(), u"a" + emoji + CRLF + rare + u"b");
  }
  // Two Backspaces over two pairs join into one undo step.
  m.SetText(u"x" + emoji + rare);
  m.PlaceCaret({0, 5}, false);
  for (int i = 0; i < 2; ++i)
    m.DeleteFrom(m.GetPositionShift(m.GetCaretPosition(), -1), 1, doMoveCaret | doCanUndo);
  EXPECT_EQ(m.GetText(), u"x");
  m.UnDo();
  EXPECT_EQ(m.GetText(), u"x" + emoji + rare);
  EXPECT_EQ(m.GetActionStack().Count(), 0);
}

TEST(MemoText, LinesAdapter) {
  TestMemoText m;
  m.Lines.Insert(0, u"one");
  m.Lines.Add(u"three");
  m.Lines.Insert(1, u"two");
  m.Lines.Insert(0, u"zero");
  EXPECT_EQ(m.GetText(), u"zero\r\none\r\ntwo\r\nthree");
  m.Lines.Delete(3);  // the last line leaves no empty line behind
  EXPECT_EQ(m.GetText(), u"zero\r\none\r\ntwo");
  m.Lines.Delete(1);  // a middle line keeps the following one
  EXPECT_EQ(m.GetText(), u"zero\r\ntwo");
  EXPECT_EQ(m.Lines.GetCount(), 2);
  EXPECT_EQ(m.Lines.Get(1), u"two");
  EXPECT_EQ(m.GetActionStack().Count(), 0);
  EXPECT_EQ(m.Changes, 6);
  m.Lines.Clear();
  EXPECT_EQ(m.GetLineCount(), 0);
}

TEST(MemoText, SetTextTracksOnceAndKeepsTheCaret) {
  TestMemoText m;
  m.SetText(u"abc\r\ndef");
  m.InsertAfter({1, 3}, u"", 0);
  m.GoToTextEnd();
  int tracked = m.Tracked;
  m.SetText(u"abc\r\ndef");
  EXPECT_EQ(m.Tracked, tracked);
  m.SetText(u"xyz\r\nuvw\r\nrst");
  EXPECT_EQ(m.Tracked, tracked + 1);
  EXPECT_EQ(m.GetCaretPosition(), (TCaretPosition{1, 3}));
  m.SetCharCase(zrecLowerCase);
  m.SetText(u"ABC Ä");
  EXPECT_EQ(m.GetText(), u"abc ä");
  m.SetCharCase(zrecUpperCase);
  m.SetText(u"abc ä\r\n");
  EXPECT_EQ(m.GetText(), u"ABC Ä\r\n");
}

// Edits re-break only the edited paragraph; the table must match a full
// rebuild of the same text, and later lines are not measured again.
TEST(MemoText, IncrementalUpdateMatchesFullRebuild) {
  for (bool wrap : {false, true}) {
    TestMemoText m;
    m.Width = 80;
    m.SetWordWrap(wrap);
    std::u16string text;
    for (int i = 0; i < 40; ++i)
      text += u"word" + std::u16string(1, u'a' + i % 26) + u" zz yy" + CRLF;
    m.SetText(text);
    struct Edit {
      int pos;
      std::u16string insert;
      int remove;
    } edits[] = {
        {3, u"q", 0}, {20, u"xx yy\r\nzz", 0},       {7, u"", 1},     {10, u"", 12}, {0, u"\n", 0},
        {8, u"", 1},  {int(text.size()), u"end", 0}, {30, u"a\rb", 0}};
    for (const Edit& e : edits) {
      if (e.remove)
        m.DeleteFrom(m.TextPosToPos(e.pos), e.remove, doCanUndo);
      else
        m.InsertAfter(m.TextPosToPos(e.pos), e.insert, ioCanUndo);
      EXPECT_EQ(m.GetLinesBegs(), Rebuilt(m)) << "edit at " << e.pos << ", wrap " << wrap;
    }
    int before = m.Measured;
    m.InsertAfter({2, 1}, u"k", ioCanUndo);
    EXPECT_LT(m.Measured - before, 8) << "wrap " << wrap;
    while (m.GetActionStack().Count()) m.UnDo();
    EXPECT_EQ(m.GetText(), text);
    EXPECT_EQ(m.GetLinesBegs(), Rebuilt(m));
  }
}

TEST(MemoText, WidestLineFollowsEdits) {
  TestMemoText m;
  m.SetText(u"a\r\nbbbb\r\ncc");
  EXPECT_EQ(m.GetWidesLineIndex(), 1);
  m.InsertAfter({0, 0}, u"x\r\n", 0);  // the widest line moves down
  EXPECT_EQ(m.GetWidesLineIndex(), 2);
  m.InsertAfter({3, 0}, u"dddddd", 0);
  EXPECT_EQ(m.GetWidesLineIndex(), 3);
  m.DeleteFrom({3, 0}, 6, 0);
  EXPECT_EQ(m.GetWidesLineIndex(), m.GetWidestLine());
}

// With word wrap, an edit re-breaks its whole paragraph (and the paragraphs
// it makes or joins): the lines and the widest line stay what a full rebuild
// of the new text gives, after the edit and after undoing it. Eight
// characters fit a line.
TEST(MemoText, WrappedEditsKeepTheFullRebuildsLines) {
  struct Case {
    const char* what;
    std::u16string text;
    int pos;
    std::u16string insert;
    int remove;
  } cases[] = {
      // "aaa " / "bbbb cc": one b fewer and "bbb " fits on the first line.
      {"delete on a later display line", u"aaa bbbb cc\r\nz", 6, u"", 1},
      {"insert in the middle of a paragraph", u"aa bb cc dd ee\r\nz", 3, u"xxxx ", 0},
      {"join paragraphs with Backspace", u"aaa bb\r\ncc dd ee", 6, u"", 1},
      {"paste lines into a wrapped line", u"aaa bbbb cc dd\r\nz", 10, u"q r\r\nss tt uu\r\nv", 0},
      // The wrapped last paragraph does not count as the widest until a
      // break follows it.
      {"break after the wrapped last paragraph", u"xyz\r\naaaa bbbb cccc", 19, u"\r\n", 0},
      {"delete across paragraphs", u"aa bb cc\r\ndd\r\nee ff gg hh", 4, u"", 10},
  };
  for (const Case& c : cases) {
    TestMemoText m;
    m.Width = 80;
    m.SetWordWrap(true);
    m.SetText(c.text);
    if (c.remove)
      m.DeleteFrom(m.TextPosToPos(c.pos), c.remove, doCanUndo);
    else
      m.InsertAfter(m.TextPosToPos(c.pos), c.insert, ioCanUndo);
    EXPECT_EQ(m.GetLinesBegs(), Rebuilt(m)) << c.what;
    EXPECT_EQ(m.GetWidesLineIndex(), RebuiltWidest(m)) << c.what;
    while (m.GetActionStack().Count()) m.UnDo();
    EXPECT_EQ(m.GetText(), c.text) << c.what;
    EXPECT_EQ(m.GetLinesBegs(), Rebuilt(m)) << c.what << ", undone";
    EXPECT_EQ(m.GetWidesLineIndex(), RebuiltWidest(m)) << c.what << ", undone";
  }
}

// The widths measured for the table are kept with it: Backspace at the end
// of the widest line finds the next widest without measuring every line.
TEST(MemoText, WidestLineIsFoundWithoutMeasuringEveryLine) {
  TestMemoText m;
  std::u16string text;
  for (int i = 0; i < 60; ++i) text += std::u16string(size_t(5 + i % 7), u'a') + CRLF;
  text += std::u16string(20, u'w') + CRLF + std::u16string(19, u'v') + CRLF + u"end";
  m.SetText(text);
  EXPECT_EQ(m.GetWidesLineIndex(), 60);
  const int before = m.Measured;
  m.DeleteFrom({60, 19}, 1, doCanUndo);  // now as wide as line 61: the first of them
  EXPECT_EQ(m.GetWidesLineIndex(), 60);
  m.DeleteFrom({60, 18}, 1, doCanUndo);
  EXPECT_EQ(m.GetWidesLineIndex(), 61);
  EXPECT_LT(m.Measured - before, 10);
  m.InsertAfter({3, 0}, u"0123456789012345678901", 0);
  EXPECT_EQ(m.GetWidesLineIndex(), 3);
  m.DeleteLine(3);
  EXPECT_EQ(m.GetWidesLineIndex(), 60);
  EXPECT_EQ(m.GetWidesLineIndex(), RebuiltWidest(m));
}

}  // namespace
