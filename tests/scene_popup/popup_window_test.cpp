// Popups in windows of their own on the display: where the window goes, how
// opening toggles, and what closes an open drop-down (Escape, a press in
// the main window, the main window's activation, a press outside).

#include <gtk/gtk.h>

#include "platform/vcl/Menus.h"
#include "scene/zr_popup.h"
#include "scene/zr_timer.h"
#include "tests/scene_popup/popup_fixture.h"
#include "tests/support/GdkInput.h"
#include "tests/support/MainLoop.h"
#include "tests/support/RunCommand.h"
#include "tests/support/WindowSystem.h"

namespace {

class PopupWindowTest : public PopupTest {
 protected:
  // A drop-down of 120 x 80 for a box at (40, 30) of 120 x 24 in a form at
  // (100, 100).
  void SetUp() override {
    Main.Show();
    Drop = new TzrPopup(Main.Form);
    Drop->SetBounds(0, 0, 120, 80);
    Drop->SetParent(Main.Root);
    Drop->SetPlacementTarget(Target);
    Main.Box(0, 0, 120, 80, 0xFF2060C0, Drop)->SetAlign(vaClient);
  }
  void TearDown() override {
    if (Drop) Drop->SetIsOpen(false);
    PopupTest::TearDown();
  }
  int MainX() {
    int x, y;
    WindowPosition(Main.Form, x, y);
    return x;
  }
  int MainY() {
    int x, y;
    WindowPosition(Main.Form, x, y);
    return y;
  }

  TSceneForm Main{100, 100, 320, 240};
  TBox* Target = Main.Box(40, 30, 120, 24, 0xFFE0E0E0);
  TzrPopup* Drop = nullptr;
};

TEST_F(PopupWindowTest, DropDownOpensUnderItsTargetInItsOwnWindow) {
  Drop->SetIsOpen(true);
  ASSERT_TRUE(Drop->GetIsOpen());
  TzrPopupForm* window = Drop->GetPopupForm();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetLeft(), MainX() + 40);
  EXPECT_EQ(window->GetTop(), MainY() + 30 + 24);
  EXPECT_EQ(window->GetClientWidth(), 120);
  EXPECT_EQ(window->GetClientHeight(), 80);
  EXPECT_EQ(Drop->GetScene(), static_cast<IzoRurev*>(Drop->GetPopupScene()));
  EXPECT_TRUE(Drop->GetPopupScene()->GetTransparencyValue());
  ASSERT_NE(OpenPopups, nullptr);
  EXPECT_EQ(OpenPopups->back(), Drop);
  EXPECT_EQ(TzrPopupForm::Active(), window);

  Drop->SetIsOpen(false);
  EXPECT_EQ(Drop->GetPopupForm(), nullptr);
  EXPECT_EQ(Drop->GetParent(), Main.Root);
  EXPECT_FALSE(Drop->GetVisible());
  EXPECT_EQ(Drop->GetScene(), static_cast<IzoRurev*>(Main.Scene));
  EXPECT_TRUE(OpenPopups->empty());
}

TEST_F(PopupWindowTest, GalleryDropDownUnderItsTarget) {
  // The list leaves a margin of its transparent window free.
  Drop->GetChild(0)->GetVisual()->GetPadding()->SetRect({0, 0, 6, 6});
  Main.Box(2, 2, 110, 20, 0xFF80B0F0, Drop->GetChild(0)->GetVisual());
  Drop->SetIsOpen(true);
  ASSERT_NE(Drop->GetPopupScene(), nullptr);
  TzrCustomScene* popupScene = Drop->GetPopupScene();
  popupScene->UpdateBuffer();
  Main.Scene->UpdateBuffer();
  EXPECT_EQ(BufferPixel(popupScene, 60, 40), 0xFF2060C0u);
  EXPECT_EQ(BufferPixel(popupScene, 117, 77) >> 24, 0u) << "the window's scene is transparent";
  const int dx = Drop->GetPopupForm()->GetLeft() - MainX();
  const int dy = Drop->GetPopupForm()->GetTop() - MainY();
  SaveGallery("popup_dropdown", 360, 280, {{Main.Scene, 20, 20}, {popupScene, 20 + dx, 20 + dy}});
}

TEST_F(PopupTest, DropDownOpensAtItsBoxBottomLeftOnTheScreenBelowAMenuBar) {
  // A decorated form with a menu bar: the scene starts below the menu bar
  // and, under a window manager, inside its frame.
  TSceneForm main(100, 100, 320, 240);
  main.Form->SetBorderStyle(bsSingle);
  auto* menu = new TMainMenu(main.Form);
  auto* item = new TMenuItem(menu);
  item->SetCaption("File");
  menu->Items()->Add(item);
  main.Form->SetMenu(menu);
  TBox* box = main.Box(40, 30, 120, 24, 0xFFE0E0E0);
  auto* drop = new TzrPopup(main.Form);
  drop->SetBounds(0, 0, 120, 80);
  drop->SetParent(main.Root);
  drop->SetPlacementTarget(box);
  main.Show();
  SettleWindow(main.Form->Handle());

  drop->SetIsOpen(true);
  ASSERT_NE(drop->GetPopupForm(), nullptr);
  GtkWidget* popup = drop->GetPopupForm()->Handle();
  SettleWindow(popup);
  int sceneX = 0, sceneY = 0, popupX = 0, popupY = 0;
  ASSERT_TRUE(XScreenOrigin(main.Scene->Handle(), sceneX, sceneY));
  ASSERT_TRUE(XScreenOrigin(popup, popupX, popupY));
  EXPECT_EQ(popupX, sceneX + 40);
  EXPECT_EQ(popupY, sceneY + 30 + 24) << "the list's top is the box's bottom";
  drop->SetIsOpen(false);
}

TEST_F(PopupTest, OnePressOnAnotherBoxWhileAListIsOpenOpensThatBoxsList) {
  if (RunCommand("command -v xdotool").Status != 0) GTEST_SKIP() << "xdotool drives the pointer";
  TSceneForm main(100, 100, 360, 200);
  TBox* boxes[2] = {main.Box(20, 30, 120, 24, 0xFFE0E0E0), main.Box(200, 30, 120, 24, 0xFFE0E0E0)};
  TzrPopup* drops[2];
  for (int i = 0; i < 2; ++i) {
    drops[i] = new TzrPopup(main.Form);
    drops[i]->SetBounds(0, 0, 120, 80);
    drops[i]->SetParent(main.Root);
    drops[i]->SetPlacementTarget(boxes[i]);
    TzrPopup* drop = drops[i];
    // The second box takes its time, as on a loaded machine: the keyboard's
    // return to the main window arrives long after the first list let go.
    boxes[i]->OnMouseDown = [drop, i](TObject*, TMouseButton, TShiftState, float, float) {
      if (i == 1) g_usleep(600 * 1000);
      drop->SetIsOpen(true);
    };
  }
  // The real press must land on this window, not on a window another test
  // process opens over it meanwhile.
  gtk_window_set_keep_above(GTK_WINDOW(main.Form->Handle()), TRUE);
  main.Show();
  SettleWindow(main.Form->Handle());
  drops[0]->SetIsOpen(true);
  ASSERT_NE(drops[0]->GetPopupForm(), nullptr);
  SettleWindow(drops[0]->GetPopupForm()->Handle());
  int x = 0, y = 0;
  ASSERT_TRUE(XScreenOrigin(main.Scene->Handle(), x, y));
  // A real press through the X server, where the open list holds the pointer.
  const TRun click = RunCommand("xdotool mousemove " + std::to_string(x + 260) + " " +
                                std::to_string(y + 42) + " click 1");
  ASSERT_EQ(click.Status, 0) << click.Output;
  PumpUntil([&] { return drops[1]->GetIsOpen(); }, 5000);
  Settle(100, 1000);
  EXPECT_FALSE(drops[0]->GetIsOpen());
  EXPECT_TRUE(drops[1]->GetIsOpen()) << "the press opened the other list";
  for (TzrPopup* drop : drops) drop->SetIsOpen(false);
}

TEST_F(PopupWindowTest, WithoutCompositingTheTransparentMarginShowsWhatItCovers) {
  if (gdk_screen_is_composited(gdk_screen_get_default()))
    GTEST_SKIP() << "the screen composites: the window itself is transparent";
  Drop->GetChild(0)->GetVisual()->GetPadding()->SetRect({0, 0, 6, 6});
  Drop->SetIsOpen(true);
  ASSERT_NE(Drop->GetPopupForm(), nullptr);
  GtkWidget* popup = Drop->GetPopupForm()->Handle();
  SettleWindow(popup);
  int x = 0, y = 0;
  ASSERT_TRUE(XScreenOrigin(popup, x, y));
  GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), x, y, 120, 80);
  ASSERT_NE(shot, nullptr);
  const guchar* px = gdk_pixbuf_get_pixels(shot);
  const int stride = gdk_pixbuf_get_rowstride(shot), n = gdk_pixbuf_get_n_channels(shot);
  auto at = [&](int X, int Y) {
    const guchar* p = px + Y * stride + X * n;
    return (unsigned(p[0]) << 16) | (unsigned(p[1]) << 8) | p[2];
  };
  EXPECT_EQ(at(60, 40), 0x2060C0u) << "the list itself";
  EXPECT_EQ(at(117, 77), 0x303848u) << "the margin shows the main window beneath, not black";
  g_object_unref(shot);
}

TEST_F(PopupWindowTest, SecondOpenRequestClosesAnOpenPopup) {
  int closes = 0;
  Drop->OnClosePopup = [&](TObject*) { ++closes; };
  Drop->Popup();
  ASSERT_NE(Drop->GetPopupForm(), nullptr);
  Drop->Popup();
  EXPECT_EQ(Drop->GetPopupForm(), nullptr);
  EXPECT_FALSE(Drop->GetIsOpen());
  EXPECT_EQ(closes, 1);
}

TEST_F(PopupWindowTest, PressInTheMainWindowClosesTheDropDown) {
  Drop->SetIsOpen(true);
  ASSERT_TRUE(Drop->GetIsOpen());
  TGdkInput(Drop->GetPopupScene()->Handle()).Click(10, 10);
  EXPECT_TRUE(Drop->GetIsOpen()) << "a press inside the popup keeps it open";
  TGdkInput(Main.Scene->Handle()).Click(300, 200);
  EXPECT_FALSE(Drop->GetIsOpen());
}

TEST_F(PopupWindowTest, DropDownIsPushedUpAtTheBottomOfTheMonitor) {
  TzrRect monitor;
  ASSERT_TRUE(TzrPopupForm(nullptr).MonitorRect(10, 10, monitor));
  // The box's bottom lies 30 pixels above the monitor's bottom: the 80
  // pixels of the drop-down do not fit below it.
  const int top = int(monitor.Bottom) - 30 - 54;
  Main.Form->SetBounds(100, top, 320, 240);
  ASSERT_TRUE(PumpUntil([&] { return MainY() == top; }));
  Drop->SetIsOpen(true);
  TzrPopupForm* window = Drop->GetPopupForm();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetLeft(), MainX() + 40) << "the left edge is kept";
  EXPECT_EQ(window->GetTop(), int(monitor.Bottom) - 80);
}

TEST_F(PopupWindowTest, TopPlacementLeavesTheOffsetAsGap) {
  Drop->SetPlacement(zrPlacementTop);
  Drop->SetVerticalOffset(5);
  Drop->SetIsOpen(true);
  ASSERT_NE(Drop->GetPopupForm(), nullptr);
  const int bottom = Drop->GetPopupForm()->GetTop() + 80;
  EXPECT_EQ(MainY() + 30 - bottom, 5);
}

TEST_F(PopupWindowTest, EscapeClosesAndIsConsumed) {
  int keys = 0;
  Drop->OnKeyDown = [&](TObject*, uint16_t& Key, char16_t&, TShiftState) {
    if (Key == 27) ++keys;
  };
  Drop->SetIsOpen(true);
  ASSERT_TRUE(Drop->GetIsOpen());
  TGdkInput(Drop->GetPopupScene()->Handle()).Key(GDK_KEY_Escape);
  EXPECT_FALSE(Drop->GetIsOpen());
  EXPECT_EQ(keys, 0) << "the key never reached the focused popup";

  // A popup that stays open ignores Escape and lets the key go on.
  Drop->SetStaysOpen(true);
  Drop->SetIsOpen(true);
  uint16_t key = 27;
  Drop->DialogKey(key, 0);
  EXPECT_EQ(key, 27);
  EXPECT_TRUE(Drop->GetIsOpen());
}

TEST_F(PopupWindowTest, MainWindowActivationClosesTheDropDown) {
  Drop->SetIsOpen(true);
  ASSERT_TRUE(Drop->GetIsOpen());
  GdkEvent* e = gdk_event_new(GDK_FOCUS_CHANGE);
  e->focus_change.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Main.Form->Handle())));
  e->focus_change.in = TRUE;
  e->focus_change.send_event = TRUE;
  gtk_widget_send_focus_change(Main.Form->Handle(), e);
  gdk_event_free(e);
  EXPECT_FALSE(Drop->GetIsOpen());
}

TEST_F(PopupWindowTest, OwnerKeepsItsActiveLookWhileTheDropDownHoldsTheKeyboard) {
  Drop->SetIsOpen(true);
  GdkEvent* e = gdk_event_new(GDK_FOCUS_CHANGE);
  e->focus_change.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Main.Form->Handle())));
  e->focus_change.in = FALSE;
  e->focus_change.send_event = TRUE;
  gtk_widget_send_focus_change(Main.Form->Handle(), e);
  gdk_event_free(e);
  EXPECT_FALSE(gtk_widget_get_state_flags(Main.Form->Handle()) & GTK_STATE_FLAG_BACKDROP);
  EXPECT_TRUE(Drop->GetIsOpen()) << "losing the keyboard to the popup closes nothing";
}

TEST_F(PopupWindowTest, PressOutsideTheProgramClosesTheDropDown) {
  Drop->SetIsOpen(true);
  ASSERT_TRUE(Drop->GetIsOpen());
  // The grab brings such a press to the popup's window, outside its area.
  TGdkInput(Drop->GetPopupScene()->Handle()).Click(-20, 300);
  EXPECT_FALSE(Drop->GetIsOpen());
}

TEST_F(PopupWindowTest, PointerPlacementTakesThePointerOnceWhenOpening) {
  Drop->SetPlacement(zrPlacementMouseCenter);
  int left = 0, top = 0, topLater = 0;
  WithPointerAt(300, 200, [&] {
    Drop->SetIsOpen(false);
    Drop->SetIsOpen(true);
    left = Drop->GetPopupForm() ? Drop->GetPopupForm()->GetLeft() : -1;
    top = Drop->GetPopupForm() ? Drop->GetPopupForm()->GetTop() : -1;
  });
  WithPointerAt(500, 400, [&] {
    Drop->ApplyPlacement();
    topLater = Drop->GetPopupForm() ? Drop->GetPopupForm()->GetTop() : -1;
  });
  EXPECT_EQ(left, 300 - 60);
  EXPECT_EQ(top, 200);
  EXPECT_EQ(topLater, 200) << "an open popup does not follow the pointer";
}

TEST_F(PopupWindowTest, WindowClosedByTheSystemClosesItsPopupAndFreesItself) {
  int closes = 0;
  Drop->OnClosePopup = [&](TObject*) { ++closes; };
  Drop->SetIsOpen(true);
  ASSERT_NE(Drop->GetPopupForm(), nullptr);
  Drop->GetPopupForm()->Close();
  EXPECT_EQ(Drop->GetPopupForm(), nullptr);
  EXPECT_FALSE(Drop->GetIsOpen());
  EXPECT_EQ(Drop->GetParent(), Main.Root);
  EXPECT_EQ(closes, 1);
}

TEST_F(PopupWindowTest, WindowFollowsItsTargetWhenDraggedWithIt) {
  Drop->SetStaysOpen(true);
  Drop->SetDragWithParent(true);
  Drop->SetIsOpen(true);
  ASSERT_NE(Drop->GetDragTimer(), nullptr);
  EXPECT_EQ(Drop->GetDragTimer()->GetInterval(), 10u);
  Main.Form->SetBounds(160, 130, 320, 240);
  EXPECT_TRUE(PumpUntil([&] { return Drop->GetPopupForm()->GetTop() == 130 + 54; }));
  EXPECT_EQ(Drop->GetPopupForm()->GetLeft(), 160 + 40);
  Drop->SetIsOpen(false);
  EXPECT_EQ(Drop->GetDragTimer(), nullptr);
}

}  // namespace
