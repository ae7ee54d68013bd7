// The framework clipboard on the display's CLIPBOARD selection (run under
// xvfb-run): wide text round trips through GTK's UTF-8, and a failed
// hand-over raises its error and keeps what the clipboard held.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Forms.h"
#include "tests/support/DisplayLocks.h"

namespace {

struct TClipboardTest : ::testing::Test {
  TClipboardLock ClipboardLock;
  void SetUp() override { ASSERT_NO_THROW(Application->Initialize()) << "needs a display"; }
};

}  // namespace

TEST_F(TClipboardTest, WideTextRoundTripsThroughTheGtkClipboard) {
  const std::u16string cases[] = {u"ESC 电调 40A", u"a\nb\tc", u"\U0001F600 pair", u""};
  for (const std::u16string& text : cases) {
    Clipboard()->SetAsText(text);
    EXPECT_TRUE(Clipboard()->HasText());
    EXPECT_EQ(Clipboard()->GetAsText(), text);
    // GTK's own reader sees UTF-8.
    gchar* utf8 = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
    ASSERT_NE(utf8, nullptr);
    EXPECT_EQ(UTF8ToUTF16(utf8), text);
    g_free(utf8);
  }
  EXPECT_EQ(Clipboard(), Clipboard()) << "one clipboard object";
  // Line breaks come back in GTK's form.
  Clipboard()->SetAsText(u"a\r\nb");
  EXPECT_EQ(Clipboard()->GetAsText(), u"a\nb");
}

TEST_F(TClipboardTest, FailedHandOverRaisesAndKeepsThePreviousText) {
  Clipboard()->SetAsText(u"kept");
  const std::u16string loneSurrogate{u'a', char16_t(0xD800), u'b'};
  EXPECT_THROW(Clipboard()->SetAsText(loneSurrogate), EClipboardException);
  EXPECT_EQ(Clipboard()->GetAsText(), u"kept");
}

TEST_F(TClipboardTest, ClearLeavesNoText) {
  Clipboard()->SetAsText(u"gone");
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasText());
  EXPECT_EQ(Clipboard()->GetAsText(), u"");
}
