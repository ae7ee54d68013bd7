// The memo in a scene on the virtual clock: caret moves across line ends,
// keyboard and mouse selection, a read-only memo, focus with AutoSelect,
// centred lines, the highlight on the visible lines only, the wheel, the
// clipboard through GTK and the Lines adapter as the message areas use it.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <cmath>

#include "controls/zr_compound.h"
#include "controls/zr_memo.h"
#include "controls/zr_scroll_bar.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_font.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"
#include "tests/controls/controls_fixture.h"
#include "tests/support/DisplayLocks.h"
#include "tests/support/MainLoop.h"

namespace {

constexpr uint16_t kBack = 8, kEnter = 13, kLeft = 37, kUp = 38, kRight = 39, kDown = 40,
                   kInsert = 45, kDelete = 46;

const std::u16string CRLF = u"\r\n";

class TestMemo : public TzrMemo {
 public:
  using TzrMemo::TzrMemo;
  using TzrMemo::UpdatePopupMenuItems;
};

class MemoTest : public ControlsTest {
  TClipboardLock ClipboardLock;

 public:
  static void SetUpTestSuite() {
    ControlsTest::SetUpTestSuite();
    Application->Initialize();  // the clipboard lives on the display
  }

 protected:
  // A memo at (10, 10), 200 x 120, styled, holding Text, focused without
  // a selection.
  TestMemo* Memo(const std::u16string& Text, bool Focus = true) {
    auto* memo = Make<TestMemo>(10, 10);
    memo->SetBounds(10, 10, 200, 120);
    memo->SetAnimated(false);
    Show();
    memo->SetText(Text);
    memo->OnChange = [this](TObject*) { ++Changes; };
    memo->SetAutoSelect(false);
    if (Focus) memo->SetFocus();
    memo->SetAutoSelect(true);
    memo->SetSelLength(0);
    return memo;
  }
  void Press(uint16_t AKey, TShiftState Shift = 0) {
    char16_t ch = 0;
    if (Scene.Focused) Scene.Focused->KeyDown(AKey, ch, Shift);
  }
  void Type(char16_t Char, TShiftState Shift = 0) {
    uint16_t key = 0;
    if (Scene.Focused) Scene.Focused->KeyDown(key, Char, Shift);
  }
  static void CaretTo(TzrMemo* M, TCaretPosition P) {
    M->SetCaretPosition(P);
    M->SetSelLength(0);
  }
  static void NoSelection(TzrMemo* M) {
    M->SetSelStart(0);
    M->SetSelLength(0);
  }
  // A selection from code: its ends are set on a selection that exists.
  static void Select(TzrMemo* M, int Start, int Length) {
    M->SelectAll();
    M->SetSelStart(Start);
    M->SetSelLength(Length);
  }
  // The memos outlive this part of the fixture (focus loss commits while
  // the scene goes): their events stop counting.
  ~MemoTest() override {
    for (int i = 0; i < Owner.ComponentCount(); ++i)
      if (auto* memo = dynamic_cast<TzrMemo*>(Owner.Component(i))) memo->OnChange = nullptr;
  }
  using ControlsTest::Press;
  int Changes = 0;
};

// A memo in the scene window, for input-method text.
class SceneMemoTest : public MemoTest {
 protected:
  SceneMemoTest() {
    Form.SetClientSize(300, 160);
    Form.SetBounds(100, 100, 300, 160);
    View = new TzoRurev(&Form);
    View->SetAlign(alClient);
    View->SetParent(&Form);
    SceneRoot = new TzrVisualObject(&Form);
    View->AddObject(SceneRoot);
    Edit = new TzrMemo(&Form);
    Edit->SetBounds(40, 20, 200, 100);
    Edit->SetParent(SceneRoot);
    Form.Show();
    EXPECT_TRUE(PumpUntil([&] { return gtk_widget_get_realized(View->Handle()); }));
    Pump();
  }
  TForm Form{nullptr};
  TzoRurev* View = nullptr;
  TzrVisualObject* SceneRoot = nullptr;
  TzrMemo* Edit = nullptr;
};

}  // namespace

TEST_F(MemoTest, CaretMovesAcrossLineEnds) {
  struct Case {
    const char* Name;
    std::u16string Text;
    TCaretPosition From;
    uint16_t Key;
    TCaretPosition Want;
    std::u16string WantText;
  } cases[] = {
      {"Down in an empty memo", u"", {0, 0}, kDown, {0, 0}, u""},
      {"Right at a line end", u"ab" + CRLF + u"cd", {0, 2}, kRight, {1, 0}, u"ab\r\ncd"},
      {"Left at a line start", u"ab" + CRLF + u"cd", {1, 0}, kLeft, {0, 2}, u"ab\r\ncd"},
      {"Backspace joins the lines", u"ab" + CRLF + u"cd", {1, 0}, kBack, {0, 2}, u"abcd"},
      {"Delete before the break joins them",
       u"ab" + CRLF + u"cd",
       {0, 2},
       kDelete,
       {0, 2},
       u"abcd"},
      {"Down on the last line keeps the line",
       u"abc" + CRLF + u"abc",
       {1, 1},
       kDown,
       {1, 1},
       u"abc\r\nabc"},
      {"Up keeps the column", u"abcd" + CRLF + u"abcd", {1, 3}, kUp, {0, 3}, u"abcd\r\nabcd"},
      {"Delete at the text end", u"ab", {0, 2}, kDelete, {0, 2}, u"ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TestMemo* memo = Memo(c.Text);
    CaretTo(memo, c.From);
    NoSelection(memo);
    Press(c.Key);
    EXPECT_EQ(memo->GetCaretPosition(), c.Want);
    EXPECT_EQ(memo->GetText(), c.WantText);
    delete memo;
  }
}

// Characters beyond the Basic Multilingual Plane (an emoji, U+20000) take
// two UTF-16 units; keys, clicks and copies treat them as one.
const std::u16string Emoji = u"\U0001F600", Rare = u"\U00020000";

TEST_F(MemoTest, KeysStepOverWholeCharacters) {
  struct Case {
    const char* Name;
    std::u16string Text;
    TCaretPosition From;
    uint16_t Key;
    TShiftState Shift;
    TCaretPosition Want;
    std::u16string WantText, WantSelected;
  } cases[] = {
      {"Backspace after an emoji", u"a" + Emoji, {0, 3}, kBack, 0, {0, 1}, u"a", u""},
      {"Delete before U+20000", u"a" + Rare + u"b", {0, 1}, kDelete, 0, {0, 1}, u"ab", u""},
      {"Left over an emoji", u"a" + Emoji, {0, 3}, kLeft, 0, {0, 1}, u"a" + Emoji, u""},
      {"Right over U+20000",
       Rare + CRLF + u"b",
       {0, 0},
       kRight,
       0,
       {0, 2},
       Rare + CRLF + u"b",
       u""},
      {"Shift+Left selects the pair",
       u"a" + Rare,
       {0, 3},
       kLeft,
       ssShift,
       {0, 1},
       u"a" + Rare,
       Rare},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TestMemo* memo = Memo(c.Text);
    CaretTo(memo, c.From);
    NoSelection(memo);
    Press(c.Key, c.Shift);
    EXPECT_EQ(memo->GetCaretPosition(), c.Want);
    EXPECT_EQ(memo->GetText(), c.WantText);
    EXPECT_EQ(memo->GetSelText(), c.WantSelected);
    delete memo;
  }
}

TEST_F(MemoTest, ClicksAndCopiesNeverSplitAPair) {
  TestMemo* memo = Memo(u"a" + Emoji + u"b" + Rare);
  const TzrRect cr = memo->ContentRect();
  for (float x = cr.Left; x < cr.Right; x += 0.5f) {
    const TCaretPosition p = memo->GetPointPosition({x, cr.Top + 2});
    EXPECT_TRUE(p.Pos != 2 && p.Pos != 5) << "x " << x << " hits " << p.Pos;
  }
  Select(memo, 2, 3);  // from code, cutting both pairs
  EXPECT_EQ(memo->GetSelText(), Emoji + u"b" + Rare);
  EXPECT_NO_THROW(memo->CopyToClipboard());
  EXPECT_EQ(Clipboard()->GetAsText(), Emoji + u"b" + Rare);
  memo->SetText(u"x" + std::u16string(1, char16_t(0xD800)) + u"y");
  memo->SelectAll();
  EXPECT_NO_THROW(memo->CopyToClipboard());
  EXPECT_EQ(Clipboard()->GetAsText(), u"x\uFFFDy");
}

TEST_F(MemoTest, DoubleClickSelectsTheWord) {
  TestMemo* memo = Memo(u"one two three" + CRLF + u"four");
  const TzrRect cr = memo->ContentRect();
  const float y = cr.Top + memo->GetLineHeight() / 2;
  const float x = (memo->GetPositionPoint({0, 5}).X + memo->GetPositionPoint({0, 6}).X) / 2;
  Press(memo, x, y);
  Release(memo, x, y);
  Press(memo, x, y, true);
  Release(memo, x, y);
  EXPECT_TRUE(memo->GetSelected());
  EXPECT_EQ(memo->GetSelText(), u"two ");
  EXPECT_EQ(memo->GetCaretPosition(), (TCaretPosition{0, 8}));
}

// The caret is the selection's moving end, at the text end after Select
// All: Shift+Left gives up the last character.
TEST_F(MemoTest, ShiftLeftAfterSelectAllGivesUpTheLastCharacter) {
  TestMemo* memo = Memo(u"ab" + CRLF + u"cde");
  Type(u'a', ssCtrl);
  EXPECT_EQ(memo->GetSelText(), u"ab\r\ncde");
  Press(kLeft, ssShift);
  EXPECT_EQ(memo->GetSelText(), u"ab\r\ncd");
  EXPECT_EQ(memo->GetCaretPosition(), (TCaretPosition{1, 2}));
  Press(kRight, ssShift);
  EXPECT_EQ(memo->GetSelText(), u"ab\r\ncde");
}

TEST_F(MemoTest, ShiftDownSelectsAndLeftDropsTheSelection) {
  TestMemo* memo = Memo(u"abcd" + CRLF + u"abcd");
  CaretTo(memo, {0, 2});
  NoSelection(memo);
  Press(kDown, ssShift);
  EXPECT_TRUE(memo->GetSelected());
  EXPECT_EQ(memo->GetSelBeg(), (TCaretPosition{0, 2}));
  EXPECT_EQ(memo->GetSelEnd(), (TCaretPosition{1, 2}));
  EXPECT_EQ(memo->GetSelText(), u"cd\r\nab");
  Press(kLeft);
  EXPECT_FALSE(memo->GetSelected());
  EXPECT_EQ(memo->GetCaretPosition(), (TCaretPosition{1, 1}));
}

TEST_F(MemoTest, TypingEnterAndUndoThroughTheKeys) {
  TestMemo* memo = Memo(u"");
  for (char16_t c : std::u16string(u"ab")) Type(c);
  Press(kEnter);
  Type(u'c');
  EXPECT_EQ(memo->GetText(), u"ab\r\nc");
  EXPECT_EQ(memo->GetCaretPosition(), (TCaretPosition{1, 1}));
  Type(u'z', ssCtrl);
  EXPECT_EQ(memo->GetText(), u"ab\r\nc") << "Ctrl+Z is no undo";
  memo->SelectAll();
  Type(u'x');
  EXPECT_EQ(memo->GetText(), u"x");
  memo->UnDo();
  EXPECT_EQ(memo->GetText(), u"ab\r\nc") << "typing over a selection undoes as one step";
}

TEST_F(MemoTest, ReadOnlyMemoOnlyCopies) {
  TestMemo* memo = Memo(u"line one" + CRLF + u"line two");
  memo->SetReadOnly(true);
  Clipboard()->SetAsText(u"pasted");
  Select(memo, 0, 4);
  EXPECT_EQ(memo->GetSelText(), u"line");
  const std::u16string before = memo->GetText();
  Type(u'q');
  Press(kEnter);
  Press(kBack);
  Press(kDelete);
  Press(kDelete, ssShift);  // cut
  Press(kInsert, ssShift);  // paste
  Type(u'v', ssCtrl);
  Type(u'x', ssCtrl);
  EXPECT_EQ(memo->GetText(), before);
  EXPECT_EQ(Clipboard()->GetAsText(), u"line") << "Shift+Delete still copies";
  Clipboard()->SetAsText(u"pasted");
  Press(kInsert, ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), u"line");
  Clipboard()->SetAsText(u"pasted");
  Type(u'c', ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), u"line");

  memo->UpdatePopupMenuItems();
  TMenuItem* items = memo->GetContextMenu()->Items();
  const char* captions[] = {"Undo", "Cut", "Copy", "Paste", "Delete", "Select All"};
  const bool enabled[] = {false, false, true, false, false, true};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(items->Items(i)->GetCaption(), captions[i]);
    EXPECT_EQ(items->Items(i)->GetEnabled(), enabled[i]) << captions[i];
  }
  Clipboard()->SetAsText(u"pasted");
  items->Items(2)->Click();
  EXPECT_EQ(Clipboard()->GetAsText(), u"line") << "the menu's Copy";
}

TEST_F(MemoTest, ClipboardRoundTripAndPasteIsOneUndoStepThatCommits) {
  TestMemo* memo = Memo(u"电调 one" + CRLF + u"two");
  Select(memo, 0, 6);
  Type(u'c', ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), u"电调 one");
  CaretTo(memo, {1, 3});
  NoSelection(memo);
  Changes = 0;
  Press(kInsert, ssShift);
  EXPECT_EQ(memo->GetText(), u"电调 one\r\ntwo电调 one");
  EXPECT_EQ(Changes, 1) << "a paste commits at once";
  Select(memo, 0, 2);
  Type(u'x', ssCtrl);
  EXPECT_EQ(memo->GetText(), u" one\r\ntwo电调 one");
  EXPECT_EQ(Clipboard()->GetAsText(), u"电调");
}

TEST_F(SceneMemoTest, InputMethodCommitInsertsChineseAtTheCaret) {
  Edit->SetText(u"ESC" + CRLF + u"设置");
  Edit->SetFocus();
  Pump();  // painted once: the style is applied
  CaretTo(Edit, {1, 0});
  NoSelection(Edit);
  ASSERT_NE(View->GetIMContext(), nullptr);
  g_signal_emit_by_name(View->GetIMContext(), "commit", "电调");
  EXPECT_EQ(Edit->GetText(), u"ESC\r\n电调设置");
  EXPECT_EQ(Edit->GetCaretPosition(), (TCaretPosition{1, 2}));
  // The composition window stands at the caret, on the second line.
  const TzrPoint p = Edit->GetPositionPoint(Edit->GetCaretPosition());
  EXPECT_EQ(View->GetIMCursor().Top, std::trunc(20 + std::nearbyint(p.Y)));
  EXPECT_EQ(View->GetIMCursor().Left, std::trunc(40 + std::nearbyint(p.X)));
}

TEST_F(MemoTest, FocusSelectsAllOnlyWithAutoSelect) {
  for (bool autoSelect : {true, false}) {
    SCOPED_TRACE(autoSelect);
    TestMemo* memo = Memo(u"ab" + CRLF + u"cde", false);
    memo->SetAutoSelect(autoSelect);
    memo->SetFocus();
    EXPECT_EQ(memo->GetSelText(), autoSelect ? u"ab\r\ncde" : u"");
    const TCaretPosition want = autoSelect ? TCaretPosition{1, 3} : TCaretPosition{0, 0};
    EXPECT_EQ(memo->GetCaretPosition(), want);
    delete memo;
  }
}

TEST_F(MemoTest, CentredLinesAreEachCentredAndAClickLeftOfOneGoesToItsStart) {
  TestMemo* memo = Memo(u"a" + CRLF + u"a much longer line");
  memo->SetTextAlign(zrTextAlignCenter);
  const TzrRect cr = memo->ContentRect();
  for (int line = 0; line < 2; ++line) {
    const float w = memo->TextWidth(memo->GetLine(line));
    EXPECT_NEAR(memo->GetPositionPoint({line, 0}).X, cr.Left + (zrRectWidth(cr) - w) / 2, 0.01);
  }
  Press(memo, cr.Left + 2, cr.Top + 2);
  Release(memo, cr.Left + 2, cr.Top + 2);
  EXPECT_EQ(memo->GetCaretPosition(), (TCaretPosition{0, 0}));
  const float end = memo->GetPositionPoint({1, memo->VisibleLength(1)}).X;
  Press(memo, end + 3, cr.Top + memo->GetLineHeight() + 2);
  EXPECT_EQ(memo->GetCaretPosition(), (TCaretPosition{1, memo->VisibleLength(1)}));
}

TEST_F(MemoTest, MouseDragSelectsAndAClickDropsTheSelection) {
  TestMemo* memo = Memo(u"abcdef" + CRLF + u"ghijkl");
  const TzrRect cr = memo->ContentRect();
  const float lh = memo->GetLineHeight();
  const float x2 = memo->GetPositionPoint({0, 2}).X;
  const float x4 = memo->GetPositionPoint({1, 4}).X;
  Press(memo, x2, cr.Top + lh / 2);
  Move(memo, x4, cr.Top + lh * 1.5f);
  Release(memo, x4, cr.Top + lh * 1.5f);
  EXPECT_EQ(memo->GetSelText(), u"cdef\r\nghij");
  Press(memo, x2, cr.Top + lh / 2);
  Release(memo, x2, cr.Top + lh / 2);
  EXPECT_FALSE(memo->GetSelected());
  EXPECT_EQ(memo->GetCaretPosition(), (TCaretPosition{0, 2}));
}

TEST_F(MemoTest, HighlightCoversOnlyTheVisibleLines) {
  std::u16string text;
  for (int i = 0; i < 40; ++i) text += u"line " + std::u16string(1, char16_t(u'A' + i % 26)) + CRLF;
  TestMemo* memo = Memo(text);
  memo->SelectAll();
  memo->GoToTextBegin();
  memo->UpdateCaretPosition(true);
  const TSelArea area = memo->GetSelArea();
  const int visible = int(std::round(memo->GetPageSize()));
  EXPECT_GE(int(area.size()), visible - 1);
  EXPECT_LE(int(area.size()), visible + 1);
  const TzrRect cr = memo->ContentRect();
  EXPECT_NEAR(area.front().Top, cr.Top, 0.01);
  EXPECT_LE(area.back().Top, cr.Bottom);
}

// With word wrap the lines follow the memo's width, and keys edit them as a
// memo of that width given the new text breaks it.
TEST_F(MemoTest, WrappedLinesFollowTheWidthAndTheKeys) {
  const std::u16string para = u"speed governor gain timing advance startup power brake beacon";
  const std::u16string text = para + CRLF + u"ok" + CRLF + para;
  TestMemo* memo = Memo(u"");
  memo->SetWordWrap(true);
  memo->SetText(text);
  auto* reference = Make<TestMemo>(10, 150);
  reference->SetBounds(10, 150, 120, 120);
  reference->SetWordWrap(true);
  Show();
  auto asReference = [&] {
    reference->SetText(memo->GetText());
    reference->Realign();
    return reference->GetLinesBegs();
  };
  const int wide = memo->GetLineCount();
  memo->SetWidth(120);
  Show();
  EXPECT_GT(memo->GetLineCount(), wide);
  EXPECT_EQ(memo->GetLinesBegs(), asReference());
  CaretTo(memo, {1, 2});
  for (char16_t c : std::u16string(u"xyz wide")) Type(c);
  Show();
  EXPECT_EQ(memo->GetLinesBegs(), asReference());
  for (int i = 0; i < 12; ++i) Press(kBack);  // into the line above, across its wrap
  Show();
  EXPECT_EQ(memo->GetLinesBegs(), asReference());
  memo->UnDo();
  memo->UnDo();
  EXPECT_EQ(memo->GetText(), text);
  EXPECT_EQ(memo->GetLinesBegs(), asReference());
  memo->SetWidth(200);
  Show();
  EXPECT_EQ(memo->GetLineCount(), wide);
}

TEST_F(MemoTest, WheelScrollsFourUnitsMoreThanTheScrollBox) {
  std::u16string text;
  for (int i = 0; i < 60; ++i) text += u"message" + CRLF;
  TestMemo* memo = Memo(text);
  TzrScrollBar* bar = memo->GetVScrollBar();
  ASSERT_NE(bar, nullptr);
  bar->SetValue(200);
  bool handled = false;
  memo->MouseWheel(0, 120, handled);
  EXPECT_NEAR(bar->GetValue(), 200 - bar->GetSmallChange() * 3 - 4, 0.01);
}

TEST_F(MemoTest, MessagesGoOnTopThroughLines) {
  TestMemo* memo = Memo(u"", false);
  memo->SetReadOnly(true);
  Changes = 0;
  for (const char16_t* m : {u"first", u"second", u"电调 third"}) {
    memo->Lines()->Insert(0, m);
    memo->GoToTextBegin();
  }
  ASSERT_EQ(memo->Lines()->GetCount(), 3);
  EXPECT_EQ(memo->Lines()->Get(0), u"电调 third");
  EXPECT_EQ(memo->Lines()->Get(2), u"first");
  EXPECT_EQ(memo->GetCaretPosition(), (TCaretPosition{0, 0}));
  EXPECT_EQ(Changes, 3);
}

// The user scrolled down to older messages: a new one on top brings the
// view back to it.
TEST_F(MemoTest, ANewMessageOnTopScrollsItIntoView) {
  TestMemo* memo = Memo(u"", false);
  memo->SetReadOnly(true);
  for (int i = 0; i < 40; ++i) {
    memo->Lines()->Insert(0, u"a long message, wider than the memo, number " +
                                 std::u16string(1, char16_t(u'A' + i % 26)));
    memo->GoToTextBegin();
  }
  Show();
  TzrScrollBar* vbar = memo->GetVScrollBar();
  TzrScrollBar* hbar = memo->GetHScrollBar();
  ASSERT_NE(vbar, nullptr);
  ASSERT_NE(hbar, nullptr);
  vbar->SetValue(300);
  hbar->SetValue(40);
  ASSERT_GT(vbar->GetValue(), 0);
  ASSERT_GT(hbar->GetValue(), 0);
  memo->Lines()->Insert(0, u"newest");
  memo->GoToTextBegin();
  EXPECT_EQ(vbar->GetValue(), 0);
  EXPECT_EQ(hbar->GetValue(), 0);
  EXPECT_EQ(memo->GetFirstVisibleChar(), 1);
}

TEST_F(MemoTest, CompoundMemoForwardsValueAndChange) {
  auto* compound = Make<TzrCompoundMemo>(10, 10);
  Show();
  TObject* sender = nullptr;
  compound->OnChange = [&](TObject* S) { sender = S; };
  compound->SetText(u"note" + CRLF + u"备注");
  EXPECT_EQ(compound->GetMemo()->GetText(), u"note\r\n备注");
  compound->GetMemo()->Lines()->Insert(0, u"top");
  EXPECT_EQ(compound->GetText(), u"top\r\nnote\r\n备注");
  EXPECT_EQ(sender, compound->GetMemo());
  compound->OnChange = nullptr;  // sender goes before the control
}
