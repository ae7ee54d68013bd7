// The add-on memo and its caret through GTK events (run under xvfb-run):
// the line limit, the hidden caret that only scrolls, custom carets, the
// clipboard commands, scroll events, and a gallery of memos with English
// and Chinese release notes.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <memory>

#include "controls/XwComponentBase.h"
#include "controls/XwGroupHeader.h"
#include "controls/XwMemo.h"
#include "controls/XwRegister.h"
#include "controls/XwSpinEdit.h"
#include "platform/rtl/Rtti.h"
#include "tests/controls/xw_gtk_fixture.h"
#include "tests/support/DisplayLocks.h"

using namespace xwtest;

namespace {

struct XwMemoTest : TGtkTest {
  TClipboardLock ClipboardLock;
};

// A memo in a window of its own.
struct TMemoField {
  explicit TMemoField(int width = 200, int height = 120) {
    Memo.SetBounds(0, 0, width, height);
    Host = std::make_unique<THost>(&Memo);
  }
  GtkWidget* View() { return Memo.TextView(); }
  void SetLines(const std::string& commaText) {
    TStringList lines;
    lines.SetCommaText(commaText);
    Memo.SetLines(&lines);
  }
  void CaretTo(int offset) { Memo.SetSelStart(offset); }
  GtkAdjustment* Vertical() {
    return gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(Memo.Handle()));
  }

  TXwMemo Memo{nullptr};
  std::unique_ptr<THost> Host;
};

TEST_F(XwMemoTest, MaxLinesKeepsTheFullTextToRestore) {
  TMemoField field;
  field.SetLines("one,two,three,four,five");
  int changes = 0;
  field.Memo.OnChange = [&](TObject*) { ++changes; };
  field.Memo.SetMaxLines(3);
  EXPECT_EQ(field.Memo.GetText(), "one\ntwo\nthree");
  EXPECT_EQ(changes, 1);
  field.Memo.SetMaxLines(0);
  EXPECT_EQ(field.Memo.GetText(), "one\ntwo\nthree\nfour\nfive");
  // Lines assigned under a limit become the text to restore.
  field.Memo.SetMaxLines(2);
  field.SetLines("a,b,c,d");
  EXPECT_EQ(field.Memo.GetLines()->Count(), 2);
  field.Memo.SetMaxLines(0);
  EXPECT_EQ(field.Memo.GetText(), "a\nb\nc\nd");
}

TEST_F(XwMemoTest, AtTheLimitEnterDoesNothingButTypingOnTheLastLineWorks) {
  TMemoField field;
  field.SetLines("one,two,three");
  field.Memo.SetMaxLines(3);
  FocusIn(field.View());
  field.CaretTo(int(field.Memo.GetText().size()));
  SendKey(field.View(), GDK_KEY_Return);
  EXPECT_EQ(field.Memo.GetText(), "one\ntwo\nthree");
  Type(field.View(), "!");
  EXPECT_EQ(field.Memo.GetText(), "one\ntwo\nthree!");
  // Below the limit Enter makes a new line.
  field.Memo.SetMaxLines(4);
  SendKey(field.View(), GDK_KEY_Return);
  Type(field.View(), "4");
  EXPECT_EQ(field.Memo.GetText(), "one\ntwo\nthree!\n4");
}

TEST_F(XwMemoTest, AHiddenCaretMakesTheMemoAScrollOnlyViewer) {
  TMemoField field(200, 60);
  std::string text;
  for (int i = 1; i <= 40; ++i)
    text += (i > 1 ? "," : "") + std::string("line") + std::to_string(i);
  field.SetLines(text);
  field.Memo.SetHideCaret(true);
  field.CaretTo(0);
  Pump();
  int scrolls = 0;
  field.Memo.OnVerticalScroll = [&](TObject*) { ++scrolls; };

  SendButton(field.View(), GDK_BUTTON_PRESS, 40, 20);
  SendMotion(field.View(), 90, 40, GDK_BUTTON1_MASK);
  SendButton(field.View(), GDK_BUTTON_RELEASE, 90, 40);
  EXPECT_TRUE(gtk_widget_is_focus(field.View()));
  FocusIn(field.View());  // the focus the window system reports after the click
  EXPECT_FALSE(gtk_text_view_get_cursor_visible(GTK_TEXT_VIEW(field.View())));
  EXPECT_EQ(field.Memo.GetSelStart(), 0);
  EXPECT_EQ(field.Memo.GetSelLength(), 0);

  const double top = gtk_adjustment_get_value(field.Vertical());
  SendKey(field.View(), GDK_KEY_Down);
  SendKey(field.View(), GDK_KEY_Down);
  EXPECT_GT(gtk_adjustment_get_value(field.Vertical()), top);
  EXPECT_GE(scrolls, 1);
  SendKey(field.View(), GDK_KEY_End);
  EXPECT_EQ(field.Memo.GetSelStart(), 0);  // the caret never moved
  Type(field.View(), "x");
  SendKey(field.View(), GDK_KEY_Delete);
  EXPECT_EQ(field.Memo.GetLines()->Count(), 40);
  EXPECT_EQ(field.Memo.GetLines()->Get(0), "line1");

  // Leaving shows the view's caret again for the next time.
  FocusOut(field.View());
  EXPECT_TRUE(gtk_text_view_get_cursor_visible(GTK_TEXT_VIEW(field.View())));
}

TEST_F(XwMemoTest, ADefaultCaretLeavesTheViewsOwnAndAWidthReplacesIt) {
  TMemoField field;
  field.SetLines("caret,here");
  FocusIn(field.View());
  TXwCaret* caret = field.Memo.GetCaret();
  EXPECT_TRUE(caret->IsDefault());
  EXPECT_FALSE(caret->Created());
  EXPECT_TRUE(gtk_text_view_get_cursor_visible(GTK_TEXT_VIEW(field.View())));
  caret->SetWidth(2);
  EXPECT_TRUE(caret->Created());
  EXPECT_FALSE(gtk_text_view_get_cursor_visible(GTK_TEXT_VIEW(field.View())));
  // The bar is drawn where the caret is: at the start of the text.
  field.CaretTo(0);
  Pump();
  cairo_surface_t* shot = Render(field.View());
  const unsigned char* data = cairo_image_surface_get_data(shot);
  const int stride = cairo_image_surface_get_stride(shot);
  int dark = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 10; ++x) {
      const unsigned char* p = data + y * stride + x * 4;
      if (p[0] < 40 && p[1] < 40 && p[2] < 40) ++dark;
    }
  cairo_surface_destroy(shot);
  EXPECT_GE(dark, 10);
  FocusOut(field.View());
  EXPECT_FALSE(caret->Created());
  EXPECT_TRUE(gtk_text_view_get_cursor_visible(GTK_TEXT_VIEW(field.View())));
}

TEST(XwCaret, AssignCopiesEverythingWithOneNotice) {
  TWinControl owner(nullptr);
  TXwCaret source(&owner), target(&owner);
  source.SetWidth(3);
  source.SetHeight(12);
  source.SetGray(true);
  TBitmap picture;
  picture.SetSize(2, 5);
  TXwCaret withBitmap(&owner);
  withBitmap.SetBitmap(&picture);
  EXPECT_TRUE(withBitmap.IsBitmapCaret());
  int notices = 0;
  target.FOnChanged = [&](TObject*) { ++notices; };
  target.Assign(&source);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(target.GetWidth(), 3);
  EXPECT_EQ(target.GetHeight(), 12);
  EXPECT_TRUE(target.GetGray());
  target.Assign(&withBitmap);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(target.GetBitmap()->GetWidth(), 2);
  EXPECT_EQ(target.GetWidth(), 0);
  EXPECT_FALSE(target.GetGray());
  // Nested updates signal once at the end.
  target.BeginUpdate();
  target.BeginUpdate();
  target.SetWidth(7);
  target.EndUpdate();
  EXPECT_EQ(notices, 2);
  target.EndUpdate();
  EXPECT_EQ(notices, 3);
}

TEST(XwCaret, NeedsAnOwner) {
  try {
    TXwCaret caret(nullptr);
    FAIL() << "created without an owner";
  } catch (const EXWException& e) {
    EXPECT_STREQ(e.what(), "TXwCaret: cannot be created without a valid Owner");
  }
}

TEST_F(XwMemoTest, CopyOnlyClipboardMakesTheMemoReadOnly) {
  TMemoField field;
  field.SetLines("kept");
  field.Memo.SetClipboardCommands(ClipboardCommandBit(caCopy));
  EXPECT_TRUE(field.Memo.GetReadOnly());
  field.Memo.SelectAll();
  field.Memo.ClearSelection();
  field.Memo.CutToClipboard();
  FocusIn(field.View());
  Type(field.View(), "z");
  EXPECT_EQ(field.Memo.GetText(), "kept");
  field.Memo.SetClipboardCommands(AllClipboardCommands);
  EXPECT_FALSE(field.Memo.GetReadOnly());
  field.Memo.SelectAll();
  field.Memo.ClearSelection();
  EXPECT_EQ(field.Memo.GetText(), "");
}

TEST_F(XwMemoTest, CurrentLineMovesTheCaretToTheLineStart) {
  TMemoField field;
  field.SetLines("alpha,beta,gamma,delta");
  field.Memo.SetCurrentLine(2);
  EXPECT_EQ(field.Memo.GetCurrentLine(), 2);
  EXPECT_EQ(field.Memo.GetSelStart(), field.Memo.CharOfLine(2));
  EXPECT_EQ(field.Memo.CharOfLine(2), 11);
  field.Memo.SetCurrentLine(99);  // clamped to the last line
  EXPECT_EQ(field.Memo.GetCurrentLine(), 3);
  EXPECT_EQ(field.Memo.CharOfLine(9), -1);
}

// The update dialog empties the memo and adds the release notes line by line.
TEST_F(XwMemoTest, ReleaseNotesFilledLineByLineShowEveryLine) {
  TMemoField field;
  TStrings* lines = field.Memo.GetLines();
  lines->Clear();
  const char* notes[] = {"Version 2.4", "- 新增中文界面", "", "- Faster firmware upgrade",
                         "- 修正油门校准"};
  for (const char* n : notes) lines->Add(n);
  ASSERT_EQ(lines->Count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(lines->Get(i), notes[i]);
  EXPECT_EQ(field.Memo.GetText(),
            "Version 2.4\n- 新增中文界面\n\n- Faster firmware upgrade\n- 修正油门校准");
}

TEST(XwMemo, PublishedDefaultsAndRegistration) {
  RegisterXwWidgetClasses();
  EXPECT_EQ(GetClass("TXwMemo"), TXwMemo::Class());
  EXPECT_EQ(GetClass("TXwGroupHeader"), TXwGroupHeader::Class());
  EXPECT_EQ(GetClass("TXwSpinEdit"), TXwSpinEdit::Class());
  TXwMemo memo(nullptr);
  const TClassInfo* info = TXwMemo::Class();
  for (const char* name : {"MaxLines", "HideCaret", "HotTrack", "Flat", "ParentFlat", "Transparent",
                           "ClipboardCommands", "WordWrap"}) {
    const TPropInfo* p = info->FindProperty(name);
    ASSERT_NE(p, nullptr) << name;
    EXPECT_TRUE(p->HasDefault) << name;
    EXPECT_EQ(p->GetOrd(&memo), p->Default) << name;
  }
}

// ---- gallery ----

class TPanel : public TWinControl {
 public:
  explicit TPanel(TColor color) : TWinControl(nullptr) { SetColor(color); }
};

TEST_F(XwMemoTest, Gallery) {
  TPanel panel(TColor(0xE0C8A0));
  panel.SetBounds(0, 0, 640, 300);
  const char* english =
      "Version 2.4 release notes\n- Faster firmware upgrade\n- New motor timing page\n"
      "- Throttle calibration fixed\n- Data logs open twice as fast";
  const char* chinese =
      "版本 2.4 更新说明\n- 固件升级更快\n- 新增电机进角页面\n- 修正油门校准\n- "
      "日志打开速度提高一倍";
  struct Cell {
    const char* Text;
    bool Flat, HotTracked, Transparent;
  };
  const Cell cells[] = {
      {english, false, false, false}, {chinese, false, false, false}, {english, true, false, false},
      {chinese, false, true, false},  {english, false, false, true},  {chinese, false, false, true},
  };
  std::vector<std::unique_ptr<TXwMemo>> memos;
  int i = 0;
  for (const Cell& c : cells) {
    auto m = std::make_unique<TXwMemo>(nullptr);
    m->SetBounds(10 + (i % 3) * 210, 10 + (i / 3) * 145, 200, 135);
    m->SetText(c.Text);
    m->SetFlat(c.Flat);
    m->SetHotTrack(c.HotTracked);
    m->SetTransparent(c.Transparent);
    m->SetParent(&panel);
    memos.push_back(std::move(m));
    ++i;
  }
  THost host(&panel);
  // The hot-tracked memo with the mouse over it shows its 3-D border.
  memos[3]->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(memos[3]->GetCtl3D());
  // A custom caret, three pixels wide, in the focused first memo.
  memos[0]->GetCaret()->SetWidth(3);
  memos[0]->SetSelStart(8);
  FocusIn(memos[0]->TextView());
  EXPECT_TRUE(memos[0]->GetCaret()->Created());
  Pump();
  cairo_surface_t* picture = Render(panel.Handle());
  SavePng(picture, "xw_memos");
  cairo_surface_destroy(picture);
  memos[3]->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(memos[3]->GetCtl3D());
  for (auto& m : memos) m->SetParent(nullptr);
}

}  // namespace
