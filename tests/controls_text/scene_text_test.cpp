// A text box in the scene window: input-method text arrives at the caret
// and the composition window follows the caret; GDK keys with Ctrl reach the
// box as its clipboard and select-all commands.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <cmath>

#include "controls/zr_text_box.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"
#include "tests/controls/controls_fixture.h"
#include "tests/support/DisplayLocks.h"
#include "tests/support/MainLoop.h"

namespace {

class SceneTextTest : public ControlsTest {
  TClipboardLock ClipboardLock;

 public:
  static void SetUpTestSuite() {
    ControlsTest::SetUpTestSuite();
    Application->Initialize();
  }

 protected:
  SceneTextTest() {
    Form.SetClientSize(300, 120);
    Form.SetBounds(100, 100, 300, 120);
    View = new TzoRurev(&Form);
    View->SetAlign(alClient);
    View->SetParent(&Form);
    SceneRoot = new TzrVisualObject(&Form);
    View->AddObject(SceneRoot);
    Edit = new TzrTextBox(&Form);
    Edit->SetBounds(40, 30, 160, 22);
    Edit->SetParent(SceneRoot);
    Form.Show();
    EXPECT_TRUE(PumpUntil([&] { return gtk_widget_get_realized(View->Handle()); }));
    Pump();
  }

  void Key(guint KeyVal, guint State = 0, bool Release = false) {
    GdkEvent* e = gdk_event_new(Release ? GDK_KEY_RELEASE : GDK_KEY_PRESS);
    e->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(View->Handle())));
    e->key.keyval = KeyVal;
    e->key.state = State;
    gdk_event_set_device(
        e, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
    gtk_widget_event(View->Handle(), e);
    gdk_event_free(e);
  }
  void Type(guint KeyVal, guint State = 0) {
    Key(KeyVal, State);
    Key(KeyVal, State, true);
  }

  TForm Form{nullptr};
  TzoRurev* View = nullptr;
  TzrVisualObject* SceneRoot = nullptr;
  TzrTextBox* Edit = nullptr;
};

}  // namespace

TEST_F(SceneTextTest, InputMethodCommitInsertsChineseTextAtTheCaret) {
  Edit->SetText(u"ESC 设置");
  Edit->SetFocus();
  Edit->SetSelLength(0);
  Edit->SetCaretPosition(4);
  ASSERT_NE(View->GetIMContext(), nullptr);
  g_signal_emit_by_name(View->GetIMContext(), "commit", "电调");
  EXPECT_EQ(Edit->GetText(), u"ESC 电调设置");
  EXPECT_EQ(Edit->GetCaretPosition(), 6);
  // The composition window stands at the caret: the box's position plus
  // the caret character's X in the content.
  const float x = 40 + Edit->GetCharX(6) - 1;
  EXPECT_EQ(View->GetIMCursor().Left, std::trunc(std::nearbyint(x)));
  EXPECT_GE(View->GetIMCursor().Top, 30);
  EXPECT_LE(View->GetIMCursor().Bottom, 52);
}

// The composition window follows every caret move, not only commits.
TEST_F(SceneTextTest, TheCompositionWindowFollowsTheCaretKeys) {
  Edit->SetText(u"");
  Edit->SetFocus();
  for (guint k :
       {GDK_KEY_e, GDK_KEY_s, GDK_KEY_c, GDK_KEY_m, GDK_KEY_o, GDK_KEY_t, GDK_KEY_o, GDK_KEY_r})
    Type(k);
  ASSERT_EQ(Edit->GetText(), u"escmotor");
  for (int i = 0; i < 6; ++i) Type(GDK_KEY_Left);
  ASSERT_EQ(Edit->GetCaretPosition(), 2);
  const float x = 40 + Edit->GetCharX(2) - 1;
  EXPECT_EQ(View->GetIMCursor().Left, std::trunc(std::nearbyint(x)));
  Type(GDK_KEY_End);
  EXPECT_EQ(View->GetIMCursor().Left, std::trunc(std::nearbyint(40 + Edit->GetCharX(8) - 1)));
}

TEST_F(SceneTextTest, CtrlKeysFromGtkSelectCopyAndPaste) {
  Edit->SetText(u"40A 电调");
  Edit->SetFocus();
  Edit->SetSelLength(0);
  Edit->SetCaretPosition(0);
  Type(GDK_KEY_a, GDK_CONTROL_MASK);
  EXPECT_EQ(Edit->GetSelText(), u"40A 电调");
  Type(GDK_KEY_c, GDK_CONTROL_MASK);
  EXPECT_EQ(Clipboard()->GetAsText(), u"40A 电调");
  Type(GDK_KEY_End);
  Type(GDK_KEY_v, GDK_CONTROL_MASK);
  EXPECT_EQ(Edit->GetText(), u"40A 电调40A 电调");
  Type(GDK_KEY_Home);
  Type(GDK_KEY_Right, GDK_SHIFT_MASK);
  Type(GDK_KEY_Right, GDK_SHIFT_MASK);
  Type(GDK_KEY_x, GDK_CONTROL_MASK);
  EXPECT_EQ(Clipboard()->GetAsText(), u"40");
  EXPECT_EQ(Edit->GetText(), u"A 电调40A 电调");
  Type(GDK_KEY_b);
  EXPECT_EQ(Edit->GetText(), u"bA 电调40A 电调");
}
