// The scene window's input routing, driven by GDK events synthesised on its
// drawing area: clicks, capture, hover order, the wheel climbing to a
// parent, keys and typed characters, input-method text, the Tab walk,
// Escape, moving and resizing the form, hints, cursors and drops.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>

#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"
#include "tests/scene/visual_scene.h"
#include "tests/support/MainLoop.h"

namespace {

// A node that logs what the scene hands it.
class TLogNode : public TTestShape {
 public:
  using TTestShape::TTestShape;
  void MouseEnter() override {
    Log->push_back("enter " + GetName());
    TTestShape::MouseEnter();
  }
  void MouseLeave() override {
    Log->push_back("leave " + GetName());
    TTestShape::MouseLeave();
  }
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override {
    Log->push_back("move " + GetName());
    TTestShape::MouseMove(Shift, X, Y, Dx, Dy);
  }
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override {
    Log->push_back("up " + GetName());
    TTestShape::MouseUp(Button, Shift, X, Y);
  }
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override {
    Keys.push_back({Key, KeyChar, true});
    TTestShape::KeyDown(Key, KeyChar, Shift);
  }
  void KeyUp(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override {
    Keys.push_back({Key, KeyChar, false});
    TTestShape::KeyUp(Key, KeyChar, Shift);
  }
  struct TKey {
    uint16_t Key;
    char16_t Char;
    bool Down;
    bool operator==(const TKey&) const = default;
  };
  std::vector<std::string>* Log = nullptr;
  std::vector<TKey> Keys;
  int Clicks = 0, DblClicks = 0;
};

class TGrip : public TTestShape, public IzrSizeGrip {
 public:
  using TTestShape::TTestShape;
};

class SceneInputTest : public VisualTest {
 public:
  static void SetUpTestSuite() {
    VisualTest::SetUpTestSuite();
    Application->Initialize();
    InitializeScene();
  }

 protected:
  SceneInputTest() {
    Form.SetClientSize(300, 200);
    Form.SetBounds(100, 100, 300, 200);
    View = new TzoRurev(&Form);
    View->SetAlign(alClient);
    View->SetParent(&Form);
    SceneRoot = new TzrVisualObject(&Form);
    View->AddObject(SceneRoot);
    Form.Show();
    EXPECT_TRUE(PumpUntil([&] { return gtk_widget_get_realized(View->Handle()); }));
    Pump();
  }
  ~SceneInputTest() override { DragTarget = nullptr; }

  TLogNode* Node(const std::string& Name, float X, float Y, float W, float H,
                 TzrVisualObject* Parent = nullptr) {
    auto* n = new TLogNode(&Form);
    n->SetName(Name);
    n->Log = &Log;
    n->SetBounds(X, Y, W, H);
    n->SetParent(Parent ? Parent : SceneRoot);
    n->OnClick = [n](TObject*) { ++n->Clicks; };
    n->OnDblClick = [n](TObject*) { ++n->DblClicks; };
    return n;
  }

  GtkWidget* Area() { return View->Handle(); }

  GdkDevice* Pointer() {
    return gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
  }

  void Send(GdkEvent* E) {
    gdk_event_set_device(E, Pointer());
    gtk_widget_event(Area(), E);
    gdk_event_free(E);
  }

  void Button(GdkEventType Type, guint Button, double X, double Y, guint State = 0) {
    GdkEvent* e = gdk_event_new(Type);
    e->button.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Area())));
    e->button.button = Button;
    e->button.x = X;
    e->button.y = Y;
    e->button.state = State;
    Send(e);
  }
  void Click(double X, double Y, guint B = 1) {
    Button(GDK_BUTTON_PRESS, B, X, Y);
    Button(GDK_BUTTON_RELEASE, B, X, Y);
  }
  void Motion(double X, double Y, guint State = 0) {
    GdkEvent* e = gdk_event_new(GDK_MOTION_NOTIFY);
    e->motion.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Area())));
    e->motion.x = X;
    e->motion.y = Y;
    e->motion.state = State;
    Send(e);
  }
  void Scroll(GdkScrollDirection Direction) {
    GdkEvent* e = gdk_event_new(GDK_SCROLL);
    e->scroll.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Area())));
    e->scroll.direction = Direction;
    Send(e);
  }
  void Leave() {
    GdkEvent* e = gdk_event_new(GDK_LEAVE_NOTIFY);
    e->crossing.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Area())));
    e->crossing.mode = GDK_CROSSING_NORMAL;
    Send(e);
  }
  void Key(guint KeyVal, guint State = 0, bool Release = false) {
    GdkEvent* e = gdk_event_new(Release ? GDK_KEY_RELEASE : GDK_KEY_PRESS);
    e->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Area())));
    e->key.keyval = KeyVal;
    e->key.state = State;
    GdkDevice* keyboard =
        gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default()));
    gdk_event_set_device(e, keyboard);
    gtk_widget_event(Area(), e);
    gdk_event_free(e);
  }
  void Type(guint KeyVal, guint State = 0) {
    Key(KeyVal, State);
    Key(KeyVal, State, true);
  }

  TForm Form{nullptr};
  TzoRurev* View = nullptr;
  TzrVisualObject* SceneRoot = nullptr;
  std::vector<std::string> Log;
};

// ---------------------------------------------------------------- mouse

TEST_F(SceneInputTest, PressesAndReleasesBecomeClicksOfTheNodeUnderThem) {
  TLogNode* a = Node("a", 20, 20, 60, 40);
  Click(30, 30);
  EXPECT_EQ(a->Clicks, 1);
  Click(79, 59);  // last pixel row and column inside
  EXPECT_EQ(a->Clicks, 2);
  // Right button: the context menu, no click.
  TPopupMenu menu(nullptr);
  a->SetPopupMenu(&menu);
  int popups = 0;
  PopupMenuHook = [&](const TPopupMenuRequest&) { ++popups; };
  Click(30, 30, 3);
  PopupMenuHook = nullptr;
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(a->Clicks, 2);
  // GTK's double click: press, release, press, double press, release.
  Button(GDK_BUTTON_PRESS, 1, 30, 30);
  Button(GDK_BUTTON_RELEASE, 1, 30, 30);
  Button(GDK_BUTTON_PRESS, 1, 30, 30);
  Button(GDK_2BUTTON_PRESS, 1, 30, 30);
  Button(GDK_BUTTON_RELEASE, 1, 30, 30);
  EXPECT_EQ(a->Clicks, 3);
  EXPECT_EQ(a->DblClicks, 1);
}

TEST_F(SceneInputTest, PopupMenuShowsItsItemsAndRunsTheChosenOne) {
  TPopupMenu menu(nullptr);
  int clicks = 0, popups = 0;
  menu.OnPopup = [&](TObject*) { ++popups; };
  for (const char* caption : {"&Copy", "-", "Paste"}) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    item->OnClick = [&](TObject*) { ++clicks; };
    menu.Items()->Add(item);
  }
  menu.Popup(120, 130);
  Pump();
  GtkWidget* shell = menu.Items()->Widget();
  ASSERT_TRUE(shell && GTK_IS_MENU(shell));
  GList* children = gtk_container_get_children(GTK_CONTAINER(shell));
  EXPECT_EQ(g_list_length(children), 3u);
  g_list_free(children);
  gtk_menu_item_activate(GTK_MENU_ITEM(menu.Items()->Items(0)->Widget()));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(popups, 1);
  gtk_menu_popdown(GTK_MENU(shell));
  // Shown again: built afresh.
  menu.Popup(10, 10);
  EXPECT_NE(menu.Items()->Widget(), nullptr);
}

TEST_F(SceneInputTest, CapturedNodeTakesMotionAndReleaseAlone) {
  TLogNode* a = Node("a", 10, 10, 50, 50);
  TLogNode* b = Node("b", 100, 10, 50, 50);
  a->SetAutoCapture(true);
  Motion(20, 20);
  Button(GDK_BUTTON_PRESS, 1, 20, 20);
  EXPECT_EQ(View->GetCaptured(), a);
  Log.clear();
  Motion(120, 20, GDK_BUTTON1_MASK);
  Button(GDK_BUTTON_RELEASE, 1, 120, 20);
  EXPECT_EQ(Log, (std::vector<std::string>{"move a", "up a"}));
  EXPECT_EQ(View->GetCaptured(), nullptr);
  EXPECT_EQ(a->Clicks, 0);  // released outside it
  EXPECT_EQ(b->Clicks, 0);
}

TEST_F(SceneInputTest, HoverLeavesTheOldNodeBeforeEnteringTheNewOne) {
  TLogNode* a = Node("a", 10, 10, 50, 50);
  Node("b", 100, 10, 50, 50);
  Motion(20, 20);
  Motion(120, 20);
  Motion(250, 150);  // empty background
  Motion(120, 20);
  Leave();
  EXPECT_EQ(Log, (std::vector<std::string>{"enter a", "move a", "leave a", "enter b", "move b",
                                           "leave b", "enter b", "move b", "leave b"}));
  EXPECT_EQ(View->GetHovered(), nullptr);
  EXPECT_FALSE(a->GetIsMouseOver());
  // A hovered node that is freed is forgotten.
  Motion(20, 20);
  delete a;
  EXPECT_EQ(View->GetHovered(), nullptr);
  Motion(120, 20);
}

TEST_F(SceneInputTest, WheelClimbsToTheFirstNodeThatHandlesIt) {
  TLogNode* list = Node("list", 10, 10, 100, 100);
  Node("item", 0, 0, 100, 20, list);
  std::vector<int> deltas;
  list->OnMouseWheel = [&](TObject*, TShiftState, int Delta, TzrPoint& Pos, bool& Handled) {
    deltas.push_back(Delta);
    EXPECT_EQ(Pos.X, 20);
    Handled = true;
  };
  Motion(20, 15);
  Scroll(GDK_SCROLL_UP);
  Scroll(GDK_SCROLL_DOWN);
  EXPECT_EQ(deltas, (std::vector<int>{120, -120}));
}

TEST_F(SceneInputTest, CursorFollowsTheNodeAndShowsSizingOverAGrip) {
  TLogNode* a = Node("a", 10, 10, 50, 50);
  a->SetCursor(crHandPoint);
  auto* grip = new TGrip(&Form);
  grip->SetBounds(280, 180, 20, 20);
  grip->SetParent(SceneRoot);
  Motion(20, 20);
  EXPECT_EQ(View->GetCursor(), crHandPoint);
  Motion(290, 190);
  EXPECT_EQ(View->GetCursor(), crSizeNWSE);
  Motion(200, 100);
  EXPECT_EQ(View->GetCursor(), crDefault);
}

TEST_F(SceneInputTest, DraggingTheBackgroundMovesTheFormUnlessItsParentOptsOut) {
  SceneRoot->SetHitTest(false);
  Button(GDK_BUTTON_PRESS, 1, 150, 100);
  EXPECT_TRUE(View->GetDragging());
  Motion(170, 90, GDK_BUTTON1_MASK);
  EXPECT_EQ(Form.GetLeft(), 120);
  EXPECT_EQ(Form.GetTop(), 90);
  Button(GDK_BUTTON_RELEASE, 1, 170, 90);
  EXPECT_FALSE(View->GetDragging());
  Motion(180, 100);
  EXPECT_EQ(Form.GetLeft(), 120);
  // A parent with Tag 65535 keeps its form in place.
  Form.SetTag(65535);
  Button(GDK_BUTTON_PRESS, 1, 150, 100);
  Motion(190, 140, GDK_BUTTON1_MASK);
  Button(GDK_BUTTON_RELEASE, 1, 190, 140);
  EXPECT_EQ(Form.GetLeft(), 120);
  EXPECT_EQ(Form.GetTop(), 90);
}

TEST_F(SceneInputTest, DraggingASizeGripResizesTheForm) {
  auto* grip = new TGrip(&Form);
  grip->SetBounds(280, 180, 20, 20);
  grip->SetParent(SceneRoot);
  Button(GDK_BUTTON_PRESS, 1, 290, 190);
  EXPECT_TRUE(View->GetResizing());
  Motion(330, 215, GDK_BUTTON1_MASK);
  Motion(340, 225, GDK_BUTTON1_MASK);
  Button(GDK_BUTTON_RELEASE, 1, 340, 225);
  EXPECT_EQ(Form.GetClientWidth(), 350);
  EXPECT_EQ(Form.GetClientHeight(), 235);
  EXPECT_EQ(Form.GetLeft(), 100);
  EXPECT_FALSE(View->GetResizing());
}

TEST_F(SceneInputTest, HintIsTheNodesWithItsAbsoluteRectangle) {
  TLogNode* parent = Node("p", 10.5f, 20, 100, 100);
  TLogNode* a = Node("a", 5, 5, 30.7f, 20, parent);
  a->SetHint(u"Speed");
  a->SetShowHint(true);
  std::u16string hint;
  TzrRect area{};
  ASSERT_TRUE(View->HintAt(20, 30, hint, area));
  EXPECT_EQ(hint, u"Speed");
  EXPECT_EQ(area.Left, 15);
  EXPECT_EQ(area.Top, 25);
  EXPECT_EQ(area.Right, 46);
  EXPECT_EQ(area.Bottom, 45);
  a->SetShowHint(false);
  EXPECT_FALSE(View->HintAt(20, 30, hint, area));
  EXPECT_FALSE(View->HintAt(250, 190, hint, area));
}

// ---------------------------------------------------------------- keys

TEST_F(SceneInputTest, KeysReachTheFocusedNodeWithTheCharacterRules) {
  TLogNode* a = Node("a", 10, 10, 50, 50);
  a->SetCanFocused(true);
  a->SetFocus();
  using K = TLogNode::TKey;
  struct Case {
    const char* Name;
    guint KeyVal, State;
    std::vector<K> Keys;
  };
  const Case cases[] = {
      {"Ctrl+C", GDK_KEY_c, GDK_CONTROL_MASK, {{'C', 0, true}, {0, u'c', true}, {0, u'c', false},
                                               {'C', 0, false}}},
      {"Ctrl+Z", GDK_KEY_z, GDK_CONTROL_MASK, {{'Z', 0, true}, {0, u'z', true}, {0, u'z', false},
                                               {'Z', 0, false}}},
      {"Ctrl+B", GDK_KEY_b, GDK_CONTROL_MASK, {{'B', 0, true}, {0, 2, true}, {'B', 0, false}}},
      {"Enter", GDK_KEY_Return, 0, {{13, 0, true}, {13, 0, false}}},
      {"F5", GDK_KEY_F5, 0, {{116, 0, true}, {116, 0, false}}},
      {"Delete", GDK_KEY_Delete, 0, {{46, 0, true}, {46, 0, false}}},
      {"Backspace", GDK_KEY_BackSpace, 0, {{8, 0, true}, {0, 8, true}, {8, 0, false}}},
  };
  for (const Case& c : cases) {
    a->Keys.clear();
    Type(c.KeyVal, c.State);
    EXPECT_EQ(a->Keys, c.Keys) << c.Name;
  }
  // A key with nobody focused is dropped.
  View->SetFocused(nullptr);
  a->Keys.clear();
  Type(GDK_KEY_x);
  EXPECT_TRUE(a->Keys.empty());
}

TEST_F(SceneInputTest, InputMethodTextArrivesCharacterByCharacterAtTheCaret) {
  TLogNode* a = Node("a", 40, 30, 100, 24);
  a->SetCanFocused(true);
  a->CreateCaret();
  a->SetCaretPos({12, 3});
  a->SetCaretSize({1, 16});
  a->SetFocus();
  ASSERT_NE(View->GetIMContext(), nullptr);
  EXPECT_EQ(View->GetIMCursor().Left, 52);
  EXPECT_EQ(View->GetIMCursor().Top, 33);
  a->Keys.clear();
  g_signal_emit_by_name(View->GetIMContext(), "commit", "电调设置");
  using K = TLogNode::TKey;
  EXPECT_EQ(a->Keys, (std::vector<K>{{0, u'电', true}, {0, u'调', true}, {0, u'设', true},
                                     {0, u'置', true}}));
  // The caret moved while typing: the next location follows it.
  a->SetCaretPos({60, 3});
  g_signal_emit_by_name(View->GetIMContext(), "commit", "!");
  EXPECT_EQ(View->GetIMCursor().Left, 100);
}

TEST_F(SceneInputTest, EscapeClosesAModalFormAndReachesTheNodeOtherwise) {
  TLogNode* a = Node("a", 10, 10, 50, 50);
  a->SetCanFocused(true);
  a->SetFocus();
  Type(GDK_KEY_Escape);
  ASSERT_FALSE(a->Keys.empty());
  EXPECT_EQ(a->Keys.front().Key, 27);
  Form.Hide();
  a->Keys.clear();
  TTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    Type(GDK_KEY_Escape);
  });
  EXPECT_EQ(Form.ShowModal(), mrCancel);
  for (const auto& k : a->Keys) EXPECT_FALSE(k.Down && k.Key == 27);
}

TEST_F(SceneInputTest, DialogKeysGoToTheTreeFirst) {
  TLogNode* a = Node("a", 10, 10, 50, 50);
  a->SetCanFocused(true);
  a->SetFocus();
  class TDefaultButton : public TTestShape {
   public:
    using TTestShape::TTestShape;
    void DialogKey(uint16_t& Key, TShiftState) override {
      if (Key == 13) Key = 0, ++Taken;
    }
    int Taken = 0;
  };
  auto* ok = new TDefaultButton(&Form);
  ok->SetParent(SceneRoot);
  Type(GDK_KEY_Return);
  EXPECT_EQ(ok->Taken, 1);
  ASSERT_EQ(a->Keys.size(), 1u);  // only the release
  EXPECT_FALSE(a->Keys[0].Down);
}

// ---------------------------------------------------------------- Tab

TEST_F(SceneInputTest, TabAndShiftTabWalkTheFocusableEntriesWhateverTheirCount) {
  struct Case {
    const char* Entries;  // f focusable, u unfocusable, d disabled
    int Focused;          // index, -1 none
    bool Shift;
    int Expected;  // index, -1 none
  };
  const Case cases[] = {
      {"f", -1, false, 0},     {"f", 0, false, 0},     {"f", -1, true, 0},
      {"ff", -1, false, 0},    {"ff", 0, false, 1},    {"ff", 1, false, 0},
      {"ff", 0, true, 1},      {"ff", 1, true, 0},     {"ff", -1, true, 1},
      {"fff", 2, false, 0},    {"fff", 0, true, 2},    {"fff", 1, false, 2},
      {"fffff", 2, true, 1},   {"fffff", 4, false, 0}, {"fuddf", 0, false, 4},
      {"fuddf", 4, true, 0},   {"uf", -1, false, 1},   {"ud", -1, false, -1},
      {"fdf", 0, false, 2},    {"dfu", 1, true, 1},    {"fffff", -1, true, 4},
  };
  for (const Case& c : cases) {
    std::vector<TLogNode*> nodes;
    for (const char* e = c.Entries; *e; ++e) {
      TLogNode* n = Node(std::string(1, *e), 10, 10, 20, 20);
      n->SetCanFocused(*e != 'u');
      n->SetEnabled(*e != 'd');
      nodes.push_back(n);
    }
    if (c.Focused >= 0) nodes[size_t(c.Focused)]->SetFocus();
    Type(GDK_KEY_Tab, c.Shift ? GDK_SHIFT_MASK : 0);
    TzrVisualObject* expected = c.Expected >= 0 ? nodes[size_t(c.Expected)] : nullptr;
    EXPECT_EQ(View->GetFocused(), expected)
        << c.Entries << " from " << c.Focused << (c.Shift ? " back" : "");
    View->SetFocused(nullptr);
    for (TLogNode* n : nodes) delete n;
  }
}

TEST_F(SceneInputTest, TabWalksNestedEntriesDepthFirst) {
  TLogNode* box = Node("box", 10, 10, 100, 100);
  TLogNode* inner = Node("inner", 0, 0, 10, 10, box);
  TLogNode* last = Node("last", 150, 10, 20, 20);
  TLogNode* first = Node("first", 150, 50, 20, 20);
  first->SetTabOrder(0);
  for (TLogNode* n : {inner, last, first}) n->SetCanFocused(true);
  std::vector<std::string> order;
  for (int i = 0; i < 4; ++i) {
    Type(GDK_KEY_Tab);
    order.push_back(View->GetFocused() ? View->GetFocused()->GetName() : "-");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"first", "inner", "last", "first"}));
}

// ---------------------------------------------------------------- drops

TEST_F(SceneInputTest, DroppedFileNamesComeWholeAndOtherAddressesAreSkipped) {
  const std::string longName = "/tmp/" + std::string(300, 'n') + ".esc";
  gchar* uri = g_filename_to_uri(longName.c_str(), nullptr, nullptr);
  const std::string list = std::string("# comment\r\n") + uri +
                           "\r\nhttps://example.org/a.esc\r\nfile:///tmp/second%20file.txt\r\n";
  g_free(uri);
  TzrDragObject files = zrReadDropData("text/uri-list", list);
  ASSERT_EQ(files.Files.size(), 2u);
  EXPECT_EQ(files.Files[0].size(), longName.size());
  EXPECT_EQ(files.Files[1], u"/tmp/second file.txt");
  EXPECT_EQ(files.Data.ToWideString(), files.Files[0]);
  TzrDragObject text = zrReadDropData("UTF8_STRING", "Drehzahl 5°");
  EXPECT_TRUE(text.Files.empty());
  EXPECT_EQ(text.Data.ToWideString(), u"Drehzahl 5°");
}

TEST_F(SceneInputTest, DropsGoToTheNodeThatAcceptsTheirData) {
  TLogNode* files = Node("files", 10, 10, 100, 100);
  TLogNode* text = Node("text", 150, 10, 100, 100);
  files->OnDragOver = [](TObject*, const TzrDragObject& D, const TzrPoint&, bool& Accept) {
    Accept = !D.Files.empty();
  };
  text->OnDragOver = [](TObject*, const TzrDragObject& D, const TzrPoint&, bool& Accept) {
    Accept = D.Files.empty();
  };
  std::vector<std::string> events;
  for (TLogNode* n : {files, text}) {
    n->OnDragEnter = [&events, n](TObject*, const TzrDragObject&, const TzrPoint&) {
      events.push_back("enter " + n->GetName());
    };
    n->OnDragLeave = [&events, n](TObject*) { events.push_back("leave " + n->GetName()); };
  }
  TzrDragObject dropped;
  files->OnDragDrop = [&](TObject*, const TzrDragObject& D, const TzrPoint&) { dropped = D; };
  const TzrDragObject fileData = zrReadDropData("text/uri-list", "file:///tmp/a.esc\r\n");
  const TzrDragObject textData = zrReadDropData("UTF8_STRING", "hello");
  // Text over the file node: nobody takes it there.
  View->DropDataArrived(nullptr, textData, {50, 50}, 0, false);
  EXPECT_EQ(DragTarget, nullptr);
  // Files over it: the file node is the target; over the text node: none.
  View->DropDataArrived(nullptr, fileData, {50, 50}, 0, false);
  EXPECT_EQ(DragTarget, files);
  EXPECT_TRUE(files->GetIsDragOver());
  EXPECT_TRUE(View->DropOver(fileData, {50, 50}));
  EXPECT_FALSE(View->DropOver(fileData, {200, 50}));
  View->DropOver(fileData, {50, 50});
  // GTK leaves before every drop: the leave waits for idle and a drop cancels it.
  g_signal_emit_by_name(Area(), "drag-leave", nullptr, 0u);
  View->DropDataArrived(nullptr, fileData, {50, 50}, 0, true);
  Pump();
  EXPECT_EQ(dropped.Files, (std::vector<std::u16string>{u"/tmp/a.esc"}));
  EXPECT_EQ(dropped.Data.ToWideString(), u"/tmp/a.esc");
  EXPECT_FALSE(files->GetIsDragOver());
  EXPECT_EQ(DragTarget, nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"enter files", "leave files", "enter files"}));
  // Leaving the window without a drop: the target hears DragLeave.
  View->DropOver(textData, {200, 50});
  EXPECT_EQ(DragTarget, text);
  g_signal_emit_by_name(Area(), "drag-leave", nullptr, 0u);
  EXPECT_TRUE(PumpUntil([&] { return DragTarget == nullptr; }));
  EXPECT_EQ(events.back(), "leave text");
}

TEST_F(SceneInputTest, NodeDragMeetsOtherNodesButNeverItself) {
  TLogNode* dragged = Node("dragged", 10, 10, 50, 50);
  TLogNode* bin = Node("bin", 150, 10, 100, 100);
  dragged->SetDragMode(zrDragAutomatic);
  bin->OnDragOver = [&](TObject*, const TzrDragObject& D, const TzrPoint&, bool& Accept) {
    Accept = D.Source == dragged;
  };
  dragged->OnDragOver = [](TObject*, const TzrDragObject&, const TzrPoint&, bool& Accept) {
    Accept = true;
  };
  TObject* droppedSource = nullptr;
  bin->OnDragDrop = [&](TObject*, const TzrDragObject& D, const TzrPoint&) {
    droppedSource = D.Source;
  };
  int ends = 0;
  dragged->OnDragEnd = [&](TObject*) { ++ends; };
  zrSetDragSource(dragged);
  EXPECT_FALSE(View->NodeDragOver({30, 30}));
  EXPECT_EQ(DragTarget, nullptr);
  View->NodeDragOver({200, 50});
  EXPECT_EQ(DragTarget, bin);
  EXPECT_TRUE(View->NodeDragOver({200, 50}));
  View->NodeDragDrop({200, 50});
  EXPECT_EQ(droppedSource, dragged);
  View->EndDragEvent();
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(DragSource, nullptr);
  EXPECT_EQ(dragged->Clicks, 0);
}

}  // namespace
