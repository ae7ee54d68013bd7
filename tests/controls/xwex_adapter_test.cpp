// The adapter bases of the add-on widgets on real GTK controls (run under
// xvfb-run): mouse-over tracking, hint colours, the clipboard filter, erasing
// and the windowless background fill. Pictures go to build/gallery/.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>

#include "controls/XwExControls.h"
#include "controls/XwExMask.h"
#include "controls/XwExStdCtrls.h"
#include "platform/vcl/Forms.h"
#include "tests/support/GdkInput.h"
#include "tests/support/DisplayLocks.h"

namespace {

std::string GalleryFile(const std::string& name) {
  auto folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  return (folder / (name + ".png")).string();
}

void Pump() {
  for (int i = 0; i < 50 && gtk_events_pending(); ++i) gtk_main_iteration_do(FALSE);
}

// A panel that answers hint requests with yellow and paints a themed
// background: a vertical blend from light blue to white.
class TThemedPanel : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_HINTSHOW) {
      reinterpret_cast<THintInfo*>(m.LParam)->HintColor = clYellow;
      return;
    }
    if (m.Msg == WM_ERASEBKGND && m.WParam != 0) {
      auto dc = reinterpret_cast<gdi::HDC>(m.WParam);
      for (int y = 0; y < GetHeight(); ++y) {
        int v = 160 + 95 * y / std::max(1, GetHeight() - 1);
        gdi::HBRUSH b = gdi::CreateSolidBrush(gdi::COLORREF(0xFF0000 | (v << 8) | v));
        gdi::RECT r{0, y, GetWidth(), y + 1};
        gdi::FillRect(dc, &r, b);
        gdi::DeleteObject(b);
      }
      m.Result = 1;
      return;
    }
    TWinControl::WndProc(m);
  }
};

// A windowless control that fills its background and draws a frame.
class TFramedLabel : public TXwExGraphicControl {
 public:
  using TXwExGraphicControl::TXwExGraphicControl;
  int Enters = 0, Leaves = 0;

 protected:
  void Paint() override {
    TCanvas* c = GetCanvas();
    FillBackground(c, ClientRect(), GetColor());
    c->GetBrush()->SetColor(clNavy);
    c->FrameRect(ClientRect());
  }
};

struct XwExTest : ::testing::Test {
  TClipboardLock ClipboardLock;
  void SetUp() override { ASSERT_NO_THROW(Application->Initialize()) << "needs a display"; }
};

TEST_F(XwExTest, MouseEnterThenLeaveFiresEachOnce) {
  TThemedPanel panel(nullptr);
  panel.SetBounds(0, 0, 100, 60);
  TFramedLabel label(nullptr);
  label.SetBounds(10, 10, 40, 20);
  label.SetParent(&panel);
  int enters = 0, leaves = 0;
  bool overInEnter = false;
  label.OnMouseEnter = [&](TObject*) { ++enters, overInEnter = label.MouseOver(); };
  label.OnMouseLeave = [&](TObject*) { ++leaves; };

  // The parent tracks the pointer over its windowless children.
  GtkWidget* window = gtk_offscreen_window_new();
  gtk_container_add(GTK_CONTAINER(window), panel.Handle());
  gtk_widget_show_all(window);
  Pump();
  auto move = [&](int x, int y) {
    GdkEvent* e = gdk_event_new(GDK_MOTION_NOTIFY);
    e->motion.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(panel.Handle())));
    e->motion.x = x, e->motion.y = y;
    gtk_widget_event(panel.Handle(), e);
    gdk_event_free(e);
  };
  move(5, 5);
  move(20, 15);
  move(30, 20);  // still inside: no second enter
  EXPECT_TRUE(label.MouseOver());
  move(70, 40);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
  EXPECT_TRUE(overInEnter);
  EXPECT_FALSE(label.MouseOver());
  label.SetParent(nullptr);
  gtk_widget_destroy(window);
}

TEST_F(XwExTest, EditTracksCrossingsOfItsWidget) {
  TXwExCustomMaskEdit edit(nullptr);
  int enters = 0, leaves = 0;
  edit.OnMouseEnter = [&](TObject*) { ++enters; };
  edit.OnMouseLeave = [&](TObject*) { ++leaves; };
  GtkWidget* window = gtk_offscreen_window_new();
  gtk_container_add(GTK_CONTAINER(window), edit.Handle());
  gtk_widget_show_all(window);
  Pump();
  for (GdkEventType type : {GDK_ENTER_NOTIFY, GDK_LEAVE_NOTIFY}) {
    GdkEvent* e = gdk_event_new(type);
    e->crossing.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(edit.Handle())));
    e->crossing.detail = GDK_NOTIFY_ANCESTOR;
    gtk_widget_event(edit.Handle(), e);
    if (type == GDK_ENTER_NOTIFY) {
      EXPECT_TRUE(edit.MouseOver());
    }
    gdk_event_free(e);
  }
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
  EXPECT_FALSE(edit.MouseOver());
  gtk_container_remove(GTK_CONTAINER(window), edit.Handle());
  gtk_widget_destroy(window);
}

TEST_F(XwExTest, HintColour) {
  TThemedPanel panel(nullptr);
  TFramedLabel inside(nullptr);
  inside.SetParent(&panel);
  TFramedLabel alone(nullptr);
  SetApplicationHintColor(clAqua);
  struct Case {
    TFramedLabel* Control;
    TColor HintColor;
    TColor Shown;
  };
  const Case cases[] = {
      {&inside, clDefault, clYellow},  // the parent's answer
      {&inside, clRed, clRed},
      {&inside, clNone, clAqua},       // the application's
      {&alone, clDefault, clInfoBk},   // no parent: left as it was
  };
  for (const Case& c : cases) {
    c.Control->SetHintColor(c.HintColor);
    THintInfo info;
    EXPECT_TRUE(c.Control->ShowHintFor(info));
    EXPECT_EQ(info.HintColor, c.Shown) << c.HintColor;
  }
  SetApplicationHintColor(clInfoBk);
  inside.SetParent(nullptr);
}

// Waits until GTK has run an asynchronous clipboard request.
void PumpClipboard() {
  for (int i = 0; i < 200; ++i) {
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
    g_usleep(1000);
  }
}

void SendCtrlV(GtkWidget* widget) {
  GdkEvent* e = gdk_event_new(GDK_KEY_PRESS);
  e->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(widget)));
  e->key.keyval = GDK_KEY_v;
  e->key.state = GDK_CONTROL_MASK;
  GdkKeymapKey* keys = nullptr;
  gint n = 0;
  if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()),
                                        GDK_KEY_v, &keys, &n) && n > 0)
    e->key.hardware_keycode = guint16(keys[0].keycode);
  g_free(keys);
  gdk_event_set_device(e, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
  gtk_widget_event(widget, e);
  gdk_event_free(e);
}

TEST_F(XwExTest, MemoWithoutPasteIgnoresEveryPaste) {
  TXwExCustomMemo memo(nullptr);
  memo.SetText("kept");
  GtkWidget* window = gtk_offscreen_window_new();
  gtk_container_add(GTK_CONTAINER(window), memo.Handle());
  gtk_widget_show_all(window);
  Pump();
  gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), "pasted", -1);
  PumpClipboard();
  GtkWidget* view = memo.TextView();
  gtk_widget_grab_focus(view);

  memo.SetClipboardCommands(AllClipboardCommands & ~ClipboardCommandBit(caPaste));
  EXPECT_EQ(memo.Perform(WM_PASTE), 1);
  SendCtrlV(view);
  g_signal_emit_by_name(view, "paste-clipboard");  // what the context menu's paste does
  PumpClipboard();
  EXPECT_EQ(memo.GetText(), "kept");

  // Allowed again, the same key pastes: the key really reaches the paste.
  memo.SetClipboardCommands(AllClipboardCommands);
  SendCtrlV(view);
  PumpClipboard();
  EXPECT_NE(memo.GetText().find("pasted"), std::string::npos) << memo.GetText();
  gtk_container_remove(GTK_CONTAINER(window), memo.Handle());
  gtk_widget_destroy(window);
}

TEST_F(XwExTest, RefusedClearAndCutDoNothing) {
  TXwExCustomMaskEdit edit(nullptr);
  edit.SetText("abcdef");
  GtkWidget* window = gtk_offscreen_window_new();
  gtk_container_add(GTK_CONTAINER(window), edit.Handle());
  gtk_widget_show_all(window);
  gtk_editable_select_region(GTK_EDITABLE(edit.Handle()), 0, 3);
  edit.SetClipboardCommands(ClipboardCommandBit(caCopy));
  edit.ClearSelection();
  edit.CutToClipboard();
  EXPECT_EQ(edit.GetText(), "abcdef");
  edit.SetClipboardCommands(AllClipboardCommands);
  edit.ClearSelection();
  EXPECT_EQ(edit.GetText(), "def");
  gtk_container_remove(GTK_CONTAINER(window), edit.Handle());
  gtk_widget_destroy(window);
}

class TCountingEdit : public TXwExCustomMaskEdit {
 public:
  using TXwExCustomMaskEdit::TXwExCustomMaskEdit;
  int Changes = 0;

 protected:
  void TextChanged() override {
    ++Changes;
    TXwExCustomMaskEdit::TextChanged();
  }
};

class TPaintingEdit : public TXwExCustomMaskEdit {
 public:
  using TXwExCustomMaskEdit::TXwExCustomMaskEdit;

 protected:
  bool DoEraseBackground(TCanvas* canvas, intptr_t) override {
    canvas->GetBrush()->SetColor(clLime);
    canvas->FillRect(TRect{0, 0, 4, 4});
    return true;
  }
};

cairo_surface_t* Render(GtkWidget* widget) {
  int w = gtk_widget_get_allocated_width(widget), h = gtk_widget_get_allocated_height(widget);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  gtk_widget_draw(widget, cr);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  return s;
}

TEST_F(XwExTest, EditErasesAsTheFrameworkUnlessOverridden) {
  TCustomMaskEdit plain(nullptr);
  TCountingEdit adapted(nullptr);
  plain.SetTextHint("Type a value");
  adapted.SetTextHint("Type a value");
  TCountingEdit chinese(nullptr);
  chinese.SetTextHint("输入数值");
  GtkWidget* window = gtk_offscreen_window_new();
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  gtk_container_add(GTK_CONTAINER(window), box);
  gtk_box_pack_start(GTK_BOX(box), plain.Handle(), FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(box), adapted.Handle(), FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(box), chinese.Handle(), FALSE, FALSE, 0);
  gtk_widget_show_all(window);
  Pump();
  cairo_surface_t* a = Render(plain.Handle());
  cairo_surface_t* b = Render(adapted.Handle());
  ASSERT_EQ(cairo_image_surface_get_width(a), cairo_image_surface_get_width(b));
  size_t bytes = size_t(cairo_image_surface_get_stride(a)) * size_t(cairo_image_surface_get_height(a));
  EXPECT_EQ(memcmp(cairo_image_surface_get_data(a), cairo_image_surface_get_data(b), bytes), 0);
  cairo_surface_write_to_png(b, GalleryFile("xw_mask_edit_hint").c_str());
  cairo_surface_destroy(a);
  cairo_surface_destroy(b);
  // The hint in Chinese, as the program's own texts are.
  EXPECT_STREQ(gtk_entry_get_placeholder_text(GTK_ENTRY(chinese.Entry())), "输入数值");
  cairo_surface_t* zh = Render(chinese.Handle());
  cairo_surface_write_to_png(zh, GalleryFile("xw_mask_edit_hint_zh").c_str());
  cairo_surface_destroy(zh);

  // The message without override: the framework's answer, nothing painted.
  TBitmap bitmap;
  bitmap.SetSize(8, 8);
  intptr_t dc = reinterpret_cast<intptr_t>(bitmap.GetCanvas()->GetHandle());
  EXPECT_EQ(adapted.Perform(WM_ERASEBKGND, dc), plain.Perform(WM_ERASEBKGND, dc));
  EXPECT_EQ(bitmap.GetCanvas()->GetPixels(1, 1), clWhite);
  TPaintingEdit painting(nullptr);
  EXPECT_EQ(painting.Perform(WM_ERASEBKGND, dc), 1);
  EXPECT_EQ(bitmap.GetCanvas()->GetPixels(1, 1), clLime);

  // Typing goes through TextChanged once per change.
  adapted.Changes = 0;
  gtk_entry_set_text(GTK_ENTRY(adapted.Handle()), "12");
  adapted.SetText("13");
  EXPECT_GE(adapted.Changes, 2);
  EXPECT_EQ(adapted.GetText(), "13");
  gtk_widget_destroy(window);
}

TEST_F(XwExTest, WindowlessControlShowsItsParentsThemedBackground) {
  TThemedPanel panel(nullptr);
  panel.SetBounds(0, 0, 120, 60);
  panel.SetColor(clBtnFace);
  TFramedLabel same(nullptr), other(nullptr);
  same.SetBounds(10, 10, 40, 40);
  same.SetColor(clBtnFace);
  other.SetBounds(70, 10, 40, 40);
  other.SetColor(clWhite);
  same.SetParent(&panel);
  other.SetParent(&panel);
  TBitmap picture;
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(120, 60);
  panel.PaintTo(picture.GetCanvas());
  TCanvas* c = picture.GetCanvas();
  for (int y : {15, 30, 45}) {
    EXPECT_EQ(c->GetPixels(20, y), c->GetPixels(5, y)) << y;  // the parent's blend goes on
    EXPECT_EQ(c->GetPixels(80, y), clWhite) << y;             // another colour: plain fill
  }
  EXPECT_NE(c->GetPixels(20, 15), c->GetPixels(20, 45));
  EXPECT_EQ(c->GetPixels(10, 10), clNavy);  // the frame
  // Gallery: drawn through GTK, as on screen.
  GtkWidget* window = gtk_offscreen_window_new();
  gtk_container_add(GTK_CONTAINER(window), panel.Handle());
  gtk_widget_show_all(window);
  Pump();
  cairo_surface_t* s = Render(panel.Handle());
  cairo_surface_write_to_png(s, GalleryFile("xw_windowless_on_themed_parent").c_str());
  cairo_surface_destroy(s);
  same.SetParent(nullptr);
  other.SetParent(nullptr);
  gtk_container_remove(GTK_CONTAINER(window), panel.Handle());
  gtk_widget_destroy(window);
}

TEST_F(XwExTest, ExtendedControlQueryAndControlListOrder) {
  TXwExCustomMemo memo(nullptr);
  TCustomMemo plain(nullptr);
  EXPECT_EQ(memo.Perform(CM_XW_IS_EXTENDED), 1);
  EXPECT_EQ(plain.Perform(CM_XW_IS_EXTENDED), 0);
}

// An edit that asks for Tab through its dialog codes.
class TTabEdit : public TXwExCustomMaskEdit {
 public:
  using TXwExCustomMaskEdit::TXwExCustomMaskEdit;

 protected:
  void GetDlgCodes(TXwDlgCodes& codes) override {
    codes = TXwDlgCodes((codes & ~DlgCodeBit(dcNative)) | DlgCodeBit(dcWantTab));
  }
};

// A label whose accelerator is Alt+S.
class TAcceleratorLabel : public TXwExGraphicControl {
 public:
  using TXwExGraphicControl::TXwExGraphicControl;
  int Taken = 0;

 protected:
  bool WantKey(int key, int shift) override {
    if (key != 'S' || !(shift & ssAlt)) return false;
    ++Taken;
    return true;
  }
};

// Dialog keys: Tab reaches only a control whose dialog codes ask for it (the
// focus moves on otherwise), and an Alt+key goes to the control of the window
// that wants it, else to the focused control.
TEST_F(XwExTest, DialogKeysGoWhereTheDialogCodesSay) {
  TForm form(nullptr);
  form.SetClientSize(200, 100);
  auto* plain = new TXwExCustomMaskEdit(&form);
  plain->SetBounds(0, 0, 80, 24);
  plain->SetParent(form.Client());
  auto* tabbing = new TTabEdit(&form);
  tabbing->SetBounds(0, 30, 80, 24);
  tabbing->SetParent(form.Client());
  auto* label = new TAcceleratorLabel(&form);
  label->SetBounds(0, 60, 80, 20);
  label->SetParent(form.Client());
  form.Show();
  Pump();
  std::vector<std::string> keys;
  plain->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    keys.push_back("plain " + std::to_string(key));
  };
  tabbing->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    keys.push_back("tabbing " + std::to_string(key));
  };
  TGdkInput(plain->Handle()).Key(GDK_KEY_Tab);
  TGdkInput(tabbing->Handle()).Key(GDK_KEY_Tab);
  EXPECT_EQ(keys, (std::vector<std::string>{"tabbing 9"}));
  TGdkInput(plain->Handle()).Key(GDK_KEY_s, GDK_MOD1_MASK);
  EXPECT_EQ(label->Taken, 1);
  EXPECT_EQ(keys.size(), 1u);
  TGdkInput(plain->Handle()).Key(GDK_KEY_x, GDK_MOD1_MASK);
  EXPECT_EQ(keys.back(), "plain 88");
  label->SetVisible(false);  // a hidden control takes no accelerator
  TGdkInput(plain->Handle()).Key(GDK_KEY_s, GDK_MOD1_MASK);
  EXPECT_EQ(label->Taken, 1);
  EXPECT_EQ(keys.back(), "plain 83");
}

}  // namespace
