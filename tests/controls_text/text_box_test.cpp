// The text box: keys in their order (filter before the Ctrl letters), the
// signed selection and its clamping, word starts, MaxLength, scrolling, the
// three events, the clipboard commands, password dots and the context menu.

#include <gtest/gtest.h>

#include <cmath>

#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_font.h"
#include "text_fixture.h"

namespace {

constexpr uint16_t kBack = 8, kEnter = 13, kEnd = 35, kHome = 36, kLeft = 37, kRight = 39,
                   kInsert = 45, kDelete = 46;

}  // namespace

TEST_F(TextBoxTest, BackspaceAndDeleteRemoveOneCharacterOrOnlyReportTyping) {
  struct Case {
    const char* Name;
    std::u16string Text;
    int Caret;
    uint16_t Key;
    std::u16string Want;
    int WantCaret, WantTrackings;
  } cases[] = {
      {"Backspace at the start", u"ab", 0, kBack, u"ab", 0, 0},
      {"Delete at the end", u"ab", 2, kDelete, u"ab", 2, 0},
      {"Backspace on empty", u"", 0, kBack, u"", 0, 0},
      {"Delete on empty", u"", 0, kDelete, u"", 0, 0},
      {"Backspace inside", u"abc", 2, kBack, u"ac", 1, 1},
      {"Delete inside", u"abc", 1, kDelete, u"ac", 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TzrTextBox* box = Box(c.Text);
    CaretAt(box, c.Caret);
    Trackings = Typings = 0;
    Press(c.Key);
    EXPECT_EQ(box->GetText(), c.Want);
    EXPECT_EQ(box->GetCaretPosition(), c.WantCaret);
    EXPECT_EQ(Trackings, c.WantTrackings);
    EXPECT_EQ(Typings, 1);
    delete box;
  }
}

TEST_F(TextBoxTest, MaxLengthRefusesGrowthButLetsASelectionBeReplaced) {
  TzrTextBox* box = Box(u"abc");
  box->SetMaxLength(3);
  CaretAt(box, 3);
  Typings = 0;
  Type(u'd');
  EXPECT_EQ(box->GetText(), u"abc");
  EXPECT_EQ(box->GetSelLength(), 0);
  EXPECT_EQ(Typings, 1) << "typing is reported even when refused";
  box->SetSelStart(1);
  box->SetSelLength(1);
  Type(u'x');
  EXPECT_EQ(box->GetText(), u"axc");
  EXPECT_EQ(box->GetCaretPosition(), 2);
}

TEST_F(TextBoxTest, NumberFilterSwallowsLettersAndCtrlLettersButNotTheClipboardKeys) {
  TzrTextBox* box = Box(u"12");
  box->SetFilterChar(u"0123456789.,-+");
  CaretAt(box, 2);
  Type(u'a');
  EXPECT_EQ(box->GetText(), u"12");
  Type(u'a', ssCtrl);
  EXPECT_EQ(box->GetSelLength(), 0) << "Ctrl+A is filtered before it is a command";
  Type(u'5');
  EXPECT_EQ(box->GetText(), u"125");

  box->SetSelStart(0);
  box->SetSelLength(2);
  Press(kInsert, ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), u"12");
  Press(kDelete, ssShift);
  EXPECT_EQ(box->GetText(), u"5");
  Press(kInsert, ssShift);
  EXPECT_EQ(box->GetText(), u"125");
  Clipboard()->SetAsText(u"abc");
  Typings = 0;
  Press(kInsert, ssShift);
  EXPECT_EQ(box->GetText(), u"12abc5") << "pasted text is not filtered";
  EXPECT_EQ(Typings, 1);
}

TEST_F(TextBoxTest, ShiftArrowsMoveTheSelectionsMovingEnd) {
  TzrTextBox* box = Box(u"abcdef");
  CaretAt(box, 1);
  for (int i = 0; i < 3; ++i) Press(kRight, ssShift);
  EXPECT_EQ(box->GetSelStart(), 1);
  EXPECT_EQ(box->GetSelLength(), 3);
  Press(kLeft, ssShift);
  EXPECT_EQ(box->GetSelLength(), 2);
  EXPECT_EQ(box->GetCaretPosition(), 3);
  EXPECT_EQ(box->GetSelText(), u"bc");
  Press(kRight);
  EXPECT_EQ(box->GetCaretPosition(), 4);
  EXPECT_EQ(box->GetSelLength(), 0);
}

TEST_F(TextBoxTest, CtrlArrowsJumpToWordStarts) {
  TzrTextBox* box = Box(u"ab cd");
  const struct {
    int From;
    uint16_t Key;
    int Want;
  } cases[] = {{0, kRight, 3}, {3, kRight, 5}, {5, kLeft, 3}, {3, kLeft, 0}, {1, kRight, 3}};
  for (const auto& c : cases) {
    CaretAt(box, c.From);
    Press(c.Key, ssCtrl);
    EXPECT_EQ(box->GetCaretPosition(), c.Want) << c.From << " key " << c.Key;
  }
}

// Mended: select-all used to leave the moving end at the start, so that
// Shift+Left selected one character reaching past the text.
TEST_F(TextBoxTest, ShiftLeftAfterSelectAllGivesUpTheLastCharacter) {
  TzrTextBox* box = Box(u"abcde");
  box->SelectAll();
  EXPECT_EQ(box->GetSelText(), u"abcde");
  Press(kLeft, ssShift);
  EXPECT_EQ(box->GetSelStart(), 0);
  EXPECT_EQ(box->GetSelLength(), 4);
  EXPECT_EQ(box->GetSelText(), u"abcd");
  EXPECT_EQ(box->GetCaretPosition(), 4);
}

// Mended: a selection stored from code beyond the text is clamped by every
// reader instead of reaching past the text's end.
TEST_F(TextBoxTest, SelectionFromCodeIsClampedToTheText) {
  struct Case {
    const char* Name;
    std::u16string Text;
    int Start, Length;
    std::u16string SelText, AfterTyping, AfterDelete;
  } cases[] = {
      {"length past the end", u"8", 0, 4, u"8", u"x", u""},
      {"start past the end", u"abc", 9, 2, u"", u"abcx", u"abc"},
      {"negative length past the start", u"abc", 1, -5, u"a", u"xbc", u"bc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TzrTextBox* box = Box(c.Text);
    const auto select = [&] {
      box->SetText(c.Text);
      box->SetSelStart(c.Start);
      box->SetSelLength(c.Length);
    };
    select();
    EXPECT_EQ(box->GetSelText(), c.SelText);
    EXPECT_LE(box->GetSelStart() + box->GetSelLength(), int(c.Text.size()));
    EXPECT_LE(box->GetCharX(box->GetSelStart() + box->GetSelLength()),
              box->GetCharX(int(c.Text.size())));
    Show();  // painting the highlight stays inside the text
    Type(u'x');
    EXPECT_EQ(box->GetText(), c.AfterTyping);
    select();
    Press(kDelete);
    EXPECT_EQ(box->GetText(), c.AfterDelete);
    delete box;
  }
}

TEST_F(TextBoxTest, LongTextScrollsToKeepTheCaretInView) {
  const std::u16string text(80, u'W');
  TzrTextBox* box = Box(text);
  const TzrRect content = box->ContentRect();
  Press(kEnd);
  EXPECT_GT(box->GetFirstVisibleChar(), 1);
  const float caretX = box->GetCharX(box->GetCaretPosition());
  EXPECT_LE(caretX, content.Right);
  EXPECT_GT(caretX, content.Right - 2 * box->TextWidth(u"W")) << "caret at the right edge";
  Press(kLeft);
  EXPECT_GT(box->GetFirstVisibleChar(), 1) << "moving left inside the view does not scroll";
  Press(kHome);
  EXPECT_EQ(box->GetFirstVisibleChar(), 1);
  EXPECT_EQ(box->GetCharX(0), content.Left);
}

TEST_F(TextBoxTest, EnterAfterAnEditFiresOnChangeEachTimeUneditedNever) {
  TzrTextBox* edited = Box(u"ab");
  EXPECT_EQ(edited->GetSelText(), u"ab") << "focus selects all";
  Type(u'x');
  EXPECT_EQ(edited->GetText(), u"x");
  EXPECT_EQ(Trackings, 1);
  Press(kEnter);
  Press(kEnter);
  EXPECT_EQ(Changes, 2);

  TzrTextBox* other = Box(u"cd", 40);
  EXPECT_EQ(Changes, 3) << "leaving the edited box commits";
  Changes = 0;
  Press(kEnter);
  edited->SetFocus();
  EXPECT_EQ(Changes, 0) << "unedited: no OnChange at Enter or focus loss";
  (void)other;
}

TEST_F(TextBoxTest, EmptyCentredBoxPutsTheCaretLeftOfACentredLetter) {
  TzrTextBox* box = Box(u"");
  box->SetTextAlign(zrTextAlignCenter);
  box->SetCaretPosition(0);
  const TzrRect content = box->ContentRect();
  const float letterStart =
      content.Left + (content.Right - content.Left - box->TextWidth(u"a")) / 2;
  ASSERT_NE(box->GetCaret(), nullptr);
  EXPECT_EQ(box->GetCaret()->GetPosition()->GetX(), std::nearbyint(letterStart - 1));
  EXPECT_TRUE(box->GetCaret()->GetVisible());
  EXPECT_EQ(box->GetCaret()->GetHeight(), box->GetFont()->GetSize() * 1.25f);
}

TEST_F(TextBoxTest, PasswordShowsOneDotPerCharacterAndCopiesTheRealText) {
  TzrTextBox* box = Box(u"s3cr3t");
  box->SetPassword(true);
  box->GetFont()->SetSize(12);
  CaretAt(box, 0);
  box->HideCaret();
  Scene.DrawAll();
  // Along the content's middle row: six dots of 5 pixels at a pitch of 6.
  const TzrRect content = box->ContentRect();
  const int y = int(box->GetPosition()->GetY() + (content.Top + content.Bottom) / 2);
  int dots = 0;
  bool inDot = false;
  for (int x = 10; x < 110; ++x) {
    const TzrColor c = Scene.Pixel(x, y);
    const bool light = (c & 0xFF) > 0xA0;  // the light text colour over the dark box
    if (light && !inDot) ++dots;
    inDot = light;
  }
  EXPECT_EQ(dots, 6);
  EXPECT_EQ(box->TextWidth(u"abc"), 18);
  box->SelectAll();
  box->CopyToClipboard();
  EXPECT_EQ(Clipboard()->GetAsText(), u"s3cr3t");
}

TEST_F(TextBoxTest, ReadOnlyBoxOnlyCopies) {
  TzrTextBox* box = Box(u"ESC 40A");
  box->SetReadOnly(true);
  Clipboard()->SetAsText(u"pasted");
  box->SelectAll();
  Type(u'x', ssCtrl);
  EXPECT_EQ(Clipboard()->GetAsText(), u"ESC 40A");
  EXPECT_EQ(box->GetText(), u"ESC 40A");
  Type(u'v', ssCtrl);
  Press(kBack);
  Type(u'q');
  EXPECT_EQ(box->GetText(), u"ESC 40A");
}

TEST_F(TextBoxTest, UnpairedSurrogateCopiesAsAReplacementCharacter) {
  const std::u16string broken{u'a', char16_t(0xDC00), u'b'};
  TzrTextBox* box = Box(broken);
  box->SelectAll();
  EXPECT_NO_THROW(box->CopyToClipboard());
  EXPECT_EQ(Clipboard()->GetAsText(), u"a\uFFFDb");
  EXPECT_NO_THROW(box->CutToClipboard());
  EXPECT_EQ(box->GetText(), u"");
}

// Characters beyond the Basic Multilingual Plane take two UTF-16 units: an
// emoji and a rare Chinese character (U+20000).
const std::u16string Emoji = u"\U0001F600", Rare = u"\U00020000";

TEST_F(TextBoxTest, KeysStepOverWholeCharacters) {
  struct Case {
    const char* Name;
    std::u16string Text;
    int Caret;
    uint16_t Key;
    TShiftState Shift;
    std::u16string Want;
    int WantCaret;
    std::u16string WantSelected;
  } cases[] = {
      {"Backspace after an emoji", u"a" + Emoji, 3, kBack, 0, u"a", 1, u""},
      {"Delete before an emoji", u"a" + Emoji + u"b", 1, kDelete, 0, u"ab", 1, u""},
      {"Backspace after U+20000", Rare + u"x", 2, kBack, 0, u"x", 0, u""},
      {"Left over an emoji", u"a" + Emoji, 3, kLeft, 0, u"a" + Emoji, 1, u""},
      {"Right over U+20000", u"a" + Rare, 1, kRight, 0, u"a" + Rare, 3, u""},
      {"Shift+Left selects the pair", u"a" + Rare, 3, kLeft, ssShift, u"a" + Rare, 1, Rare},
      {"Shift+Right selects the pair", Emoji + u"b", 0, kRight, ssShift, Emoji + u"b", 2, Emoji},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TzrTextBox* box = Box(c.Text);
    CaretAt(box, c.Caret);
    Press(c.Key, c.Shift);
    EXPECT_EQ(box->GetText(), c.Want);
    EXPECT_EQ(box->GetCaretPosition(), c.WantCaret);
    EXPECT_EQ(box->GetSelText(), c.WantSelected);
    delete box;
  }
}

TEST_F(TextBoxTest, CaretClicksAndSelectionsNeverSplitAPair) {
  const std::u16string text = u"a" + Emoji + u"b" + Rare;
  TzrTextBox* box = Box(text);
  CaretAt(box, 2);
  EXPECT_EQ(box->GetCaretPosition(), 1) << "a caret from code stands before the pair";
  // A selection from code that cuts a pair takes the whole character.
  box->SetSelStart(2);
  box->SetSelLength(3);
  EXPECT_EQ(box->GetSelText(), Emoji + u"b" + Rare);
  EXPECT_NO_THROW(box->CopyToClipboard());
  EXPECT_EQ(Clipboard()->GetAsText(), Emoji + u"b" + Rare);
  // Every point of the box hits a gap between whole characters.
  const TzrRect r = box->ContentRect();
  for (float x = r.Left - 2; x < r.Right + 2; x += 0.5f) {
    const int p = box->GetCoordinatePosition(x);
    EXPECT_TRUE(p != 2 && p != 5) << "x " << x << " hits " << p;
  }
  // A drag past the right edge steps by whole characters too.
  CaretAt(box, 0);
  Press(box, r.Left + 1, 11);
  Move(box, r.Right + 5, 11);
  Move(box, r.Right + 5, 11);
  Release(box, r.Right + 5, 11);
  EXPECT_EQ(box->GetSelText(), text.substr(0, size_t(box->GetCaretPosition())));
  EXPECT_EQ(box->GetCaretPosition(), 6);
}

TEST_F(TextBoxTest, MousePlacesTheCaretDragsASelectionAndDoubleClickSelectsAll) {
  TzrTextBox* box = Make<TzrTextBox>(10, 10);
  box->SetText(u"abcdef");
  Show();
  Press(box, 90, 11);  // first click on an unfocused box: focus, all selected
  Release(box, 90, 11);
  EXPECT_EQ(box->GetSelText(), u"abcdef");
  const float w = box->TextWidth(u"a");
  const float left = box->ContentRect().Left;
  Press(box, left + w * 1.2f, 11);  // left half of "b": before it
  EXPECT_EQ(box->GetCaretPosition(), 1);
  EXPECT_EQ(box->GetSelLength(), 0);
  Move(box, box->GetCharX(4) + 1, 11);
  Release(box, box->GetCharX(4) + 1, 11);
  EXPECT_EQ(box->GetSelText(), u"bcd");
  Press(box, left + w * 0.8f, 11);  // right half of "a": after it
  EXPECT_EQ(box->GetCaretPosition(), 1);
  Release(box, left + w * 0.8f, 11);
  box->DblClick();
  EXPECT_EQ(box->GetSelText(), u"abcdef");
}

TEST_F(TextBoxTest, ContextMenuOffersWhatTheSelectionAllowsAndRunsIt) {
  TzrTextBox* box = Box(u"hello");
  std::vector<bool> enabled;
  TPopupMenu* shown = nullptr;
  PopupMenuHook = [&](const TPopupMenuRequest& r) {
    shown = r.Menu;
    enabled.clear();
    for (int i = 0; i < r.Menu->Items()->Count(); ++i)
      enabled.push_back(r.Menu->Items()->Items(i)->GetEnabled());
  };
  Clipboard()->SetAsText(u"clip");
  box->SetReadOnly(true);
  box->SetSelStart(0);
  box->SetSelLength(2);
  box->ContextMenu({5, 5});
  ASSERT_EQ(shown, box->GetContextMenu());
  EXPECT_EQ(shown->GetPopupComponent(), box);
  // Cut, Copy, Paste, Delete, Select All
  EXPECT_EQ(enabled, (std::vector<bool>{false, true, false, false, true}));
  box->SetReadOnly(false);
  box->SelectAll();
  box->ContextMenu({5, 5});
  EXPECT_EQ(enabled, (std::vector<bool>{true, true, true, true, false}));
  shown->Items()->Items(0)->Click();  // Cut
  EXPECT_EQ(box->GetText(), u"");
  EXPECT_EQ(Clipboard()->GetAsText(), u"hello");
  shown->Items()->Items(2)->Click();  // Paste
  EXPECT_EQ(box->GetText(), u"hello");
  PopupMenuHook = nullptr;
}
