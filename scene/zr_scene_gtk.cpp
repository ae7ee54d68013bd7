// TzrCustomScene: the GTK side of input. The drawing area's button, motion,
// scroll, crossing and key events become the scene's mouse and key calls;
// key values map to the virtual-key codes the toolkit uses; typed text and
// input-method text arrive through a GtkIMContext whose cursor location
// follows the focused node's caret; hints show as tooltips over the node's
// rectangle; a captured node holds a pointer grab.

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

#include "scene/zr_scene.h"

namespace {

struct TKeyMap {
  guint KeyVal;
  uint16_t Key;
};

// Keys whose code does not follow from a letter or digit.
constexpr TKeyMap kKeys[] = {
    {GDK_KEY_BackSpace, 8},     {GDK_KEY_Tab, 9},         {GDK_KEY_ISO_Left_Tab, 9},
    {GDK_KEY_Return, 13},       {GDK_KEY_KP_Enter, 13},   {GDK_KEY_Shift_L, 16},
    {GDK_KEY_Shift_R, 16},      {GDK_KEY_Control_L, 17},  {GDK_KEY_Control_R, 17},
    {GDK_KEY_Alt_L, 18},        {GDK_KEY_Alt_R, 18},      {GDK_KEY_Pause, 19},
    {GDK_KEY_Caps_Lock, 20},    {GDK_KEY_Escape, 27},     {GDK_KEY_space, 32},
    {GDK_KEY_Page_Up, 33},      {GDK_KEY_Page_Down, 34},  {GDK_KEY_End, 35},
    {GDK_KEY_Home, 36},         {GDK_KEY_Left, 37},       {GDK_KEY_Up, 38},
    {GDK_KEY_Right, 39},        {GDK_KEY_Down, 40},       {GDK_KEY_Insert, 45},
    {GDK_KEY_Delete, 46},       {GDK_KEY_KP_Home, 36},    {GDK_KEY_KP_End, 35},
    {GDK_KEY_KP_Left, 37},      {GDK_KEY_KP_Up, 38},      {GDK_KEY_KP_Right, 39},
    {GDK_KEY_KP_Down, 40},      {GDK_KEY_KP_Page_Up, 33}, {GDK_KEY_KP_Page_Down, 34},
    {GDK_KEY_KP_Insert, 45},    {GDK_KEY_KP_Delete, 46},  {GDK_KEY_Menu, 93},
    {GDK_KEY_KP_Multiply, 106}, {GDK_KEY_KP_Add, 107},    {GDK_KEY_KP_Subtract, 109},
    {GDK_KEY_KP_Decimal, 110},  {GDK_KEY_KP_Divide, 111}, {GDK_KEY_Num_Lock, 144},
    {GDK_KEY_Scroll_Lock, 145}, {GDK_KEY_semicolon, 186}, {GDK_KEY_equal, 187},
    {GDK_KEY_comma, 188},       {GDK_KEY_minus, 189},     {GDK_KEY_period, 190},
    {GDK_KEY_slash, 191},       {GDK_KEY_grave, 192},     {GDK_KEY_bracketleft, 219},
    {GDK_KEY_backslash, 220},   {GDK_KEY_bracketright, 221}, {GDK_KEY_apostrophe, 222},
};

TShiftState ShiftOf(guint State) {
  TShiftState s = 0;
  if (State & GDK_SHIFT_MASK) s |= ssShift;
  if (State & GDK_CONTROL_MASK) s |= ssCtrl;
  if (State & GDK_MOD1_MASK) s |= ssAlt;
  if (State & GDK_BUTTON1_MASK) s |= ssLeft;
  if (State & GDK_BUTTON2_MASK) s |= ssMiddle;
  if (State & GDK_BUTTON3_MASK) s |= ssRight;
  return s;
}

bool ButtonOf(guint Button, TMouseButton& Out, TShiftState& Flag) {
  switch (Button) {
    case 1: Out = mbLeft; Flag = ssLeft; return true;
    case 2: Out = mbMiddle; Flag = ssMiddle; return true;
    case 3: Out = mbRight; Flag = ssRight; return true;
    default: return false;
  }
}

// The key value of the key without modifiers (shifted punctuation maps to
// its key), or the event's own when the keymap does not know the key.
guint BaseKeyVal(const GdkEventKey* E) {
  guint keyval = 0;
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_display_get_default());
  if (E->hardware_keycode &&
      gdk_keymap_translate_keyboard_state(keymap, E->hardware_keycode, GdkModifierType(0),
                                          E->group, &keyval, nullptr, nullptr, nullptr))
    return keyval;
  return E->keyval;
}

TzrCustomScene* Self(void* P) { return static_cast<TzrCustomScene*>(P); }

gboolean OnButtonPress(GtkWidget*, GdkEventButton* E, void* P) {
  TMouseButton button;
  TShiftState flag;
  if (E->type == GDK_3BUTTON_PRESS || !ButtonOf(E->button, button, flag)) return TRUE;
  TShiftState shift = ShiftOf(E->state) | flag;
  if (E->type == GDK_2BUTTON_PRESS) shift |= ssDouble;
  Self(P)->MouseDown(button, shift, int(std::floor(E->x)), int(std::floor(E->y)));
  Self(P)->UpdateIMCursor();  // a click may have moved the caret
  return TRUE;
}

gboolean OnButtonRelease(GtkWidget*, GdkEventButton* E, void* P) {
  TMouseButton button;
  TShiftState flag;
  if (!ButtonOf(E->button, button, flag)) return TRUE;
  Self(P)->MouseUp(button, ShiftOf(E->state), int(std::floor(E->x)), int(std::floor(E->y)));
  return TRUE;
}

gboolean OnSceneMotion(GtkWidget*, GdkEventMotion* E, void* P) {
  Self(P)->MouseMove(ShiftOf(E->state), int(std::floor(E->x)), int(std::floor(E->y)));
  return TRUE;
}

gboolean OnSceneScroll(GtkWidget*, GdkEventScroll* E, void* P) {
  int delta = 0;
  if (E->direction == GDK_SCROLL_UP) delta = 120;
  if (E->direction == GDK_SCROLL_DOWN) delta = -120;
  if (E->direction == GDK_SCROLL_SMOOTH) delta = int(std::lround(-E->delta_y * 120));
  if (delta == 0) return TRUE;
  Self(P)->DoMouseWheel(ShiftOf(E->state), delta, {float(E->x), float(E->y)});
  return TRUE;
}

gboolean OnLeave(GtkWidget*, GdkEventCrossing* E, void* P) {
  // Crossings made by grabs are not the pointer leaving.
  if (E->mode == GDK_CROSSING_NORMAL) Self(P)->MouseLeave();
  return FALSE;
}

gboolean OnSceneKeyPress(GtkWidget*, GdkEventKey* E, void* P) {
  TzrCustomScene* scene = Self(P);
  GtkIMContext* im = scene->GetIMContext();
  const bool command = (E->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) != 0;
  gchar* preedit = nullptr;
  if (im) gtk_im_context_get_preedit_string(im, &preedit, nullptr, nullptr);
  const bool composing = preedit && *preedit;
  g_free(preedit);
  // While the input method composes, the keys are its own.
  if (!composing) {
    uint16_t key = zrVirtualKeyOf(BaseKeyVal(E));
    char16_t ch = 0;
    if (key) scene->UnicodeKeyDown(key, ch, ShiftOf(E->state));
    // The key may have moved the caret: the input method composes there.
    scene->UpdateIMCursor();
  }
  if (!command && im && gtk_im_context_filter_keypress(im, E)) return TRUE;
  gunichar c = gdk_keyval_to_unicode(E->keyval);
  // Ctrl with a letter types the control character of that letter.
  if ((E->state & GDK_CONTROL_MASK) && c < 128 && g_ascii_isalpha(char(c)))
    c = gunichar(g_ascii_tolower(char(c)) - 'a' + 1);
  // Characters as typed text gives them: printable ones and the control
  // characters of Backspace, Tab, Enter, Escape and Ctrl with a letter.
  const bool typed = (c >= 32 && c != 127) || (c >= 1 && c <= 27);
  if (typed && c < 0x10000 && !(E->state & GDK_MOD1_MASK)) scene->CharTyped(char16_t(c), ShiftOf(E->state));
  scene->UpdateIMCursor();
  return TRUE;
}

gboolean OnKeyRelease(GtkWidget*, GdkEventKey* E, void* P) {
  TzrCustomScene* scene = Self(P);
  if (GtkIMContext* im = scene->GetIMContext(); im && gtk_im_context_filter_keypress(im, E))
    return TRUE;
  uint16_t key = zrVirtualKeyOf(BaseKeyVal(E));
  char16_t ch = 0;
  if (key) scene->UnicodeKeyUp(key, ch, ShiftOf(E->state));
  return TRUE;
}

void OnPreeditStart(GtkIMContext*, void* P) { Self(P)->UpdateIMCursor(); }

// A scene without a window of its own (a transparent one inside another
// control) draws onto its parent's window. An input-only window over its
// allocation brings it the pointer as any scene gets it; it lives as long as
// the widget is realized.
constexpr const char* kInputWindow = "zr-scene-input-window";

GdkWindow* InputWindowOf(GtkWidget* W) {
  return static_cast<GdkWindow*>(g_object_get_data(G_OBJECT(W), kInputWindow));
}

void OnInputRealize(GtkWidget* W, void*) {
  if (InputWindowOf(W)) return;
  GtkAllocation a;
  gtk_widget_get_allocation(W, &a);
  GdkWindowAttr attr{};
  attr.window_type = GDK_WINDOW_CHILD;
  attr.wclass = GDK_INPUT_ONLY;
  attr.x = a.x;
  attr.y = a.y;
  attr.width = std::max(1, a.width);
  attr.height = std::max(1, a.height);
  attr.event_mask = gtk_widget_get_events(W);
  GdkWindow* window = gdk_window_new(gtk_widget_get_parent_window(W), &attr, GDK_WA_X | GDK_WA_Y);
  gtk_widget_register_window(W, window);
  g_object_set_data(G_OBJECT(W), kInputWindow, window);
  if (gtk_widget_get_mapped(W)) gdk_window_show(window);
}

void OnInputUnrealize(GtkWidget* W, void*) {
  GdkWindow* window = InputWindowOf(W);
  if (!window) return;
  g_object_set_data(G_OBJECT(W), kInputWindow, nullptr);
  gtk_widget_unregister_window(W, window);
  gdk_window_destroy(window);
}

void OnInputMap(GtkWidget* W, void*) {
  if (GdkWindow* window = InputWindowOf(W)) gdk_window_show(window);
}

void OnInputUnmap(GtkWidget* W, void*) {
  if (GdkWindow* window = InputWindowOf(W)) gdk_window_hide(window);
}

void OnInputAllocate(GtkWidget* W, GdkRectangle* A, void*) {
  if (GdkWindow* window = InputWindowOf(W))
    gdk_window_move_resize(window, A->x, A->y, std::max(1, A->width), std::max(1, A->height));
}

// The window the scene's pointer events arrive in.
GdkWindow* PointerWindow(GtkWidget* W) {
  GdkWindow* input = InputWindowOf(W);
  return input ? input : gtk_widget_get_window(W);
}

void OnCommit(GtkIMContext*, const gchar* Text, void* P) {
  gunichar2* utf16 = g_utf8_to_utf16(Text, -1, nullptr, nullptr, nullptr);
  if (!utf16) return;
  const std::u16string text(reinterpret_cast<const char16_t*>(utf16));
  g_free(utf16);
  Self(P)->CommitText(text);
}

gboolean OnFocusIn(GtkWidget*, GdkEvent*, void* P) {
  if (GtkIMContext* im = Self(P)->GetIMContext()) gtk_im_context_focus_in(im);
  return FALSE;
}

gboolean OnFocusOut(GtkWidget*, GdkEvent*, void* P) {
  if (GtkIMContext* im = Self(P)->GetIMContext()) gtk_im_context_focus_out(im);
  return FALSE;
}

void OnRealize(GtkWidget* W, void* P) {
  if (GtkIMContext* im = Self(P)->GetIMContext())
    gtk_im_context_set_client_window(im, gtk_widget_get_window(W));
}

gboolean OnQueryTooltip(GtkWidget*, gint X, gint Y, gboolean, GtkTooltip* Tip, void* P) {
  std::u16string hint;
  TzrRect area;
  if (!Self(P)->HintAt(float(X), float(Y), hint, area)) return FALSE;
  gchar* text = g_utf16_to_utf8(reinterpret_cast<const gunichar2*>(hint.c_str()),
                                glong(hint.size()), nullptr, nullptr, nullptr);
  gtk_tooltip_set_text(Tip, text);
  g_free(text);
  const GdkRectangle r{int(area.Left), int(area.Top), int(area.Right - area.Left),
                       int(area.Bottom - area.Top)};
  gtk_tooltip_set_tip_area(Tip, &r);
  return TRUE;
}

}  // namespace

uint16_t zrVirtualKeyOf(unsigned KeyVal) {
  if (KeyVal >= GDK_KEY_a && KeyVal <= GDK_KEY_z) return uint16_t(KeyVal - GDK_KEY_a + 'A');
  if (KeyVal >= GDK_KEY_A && KeyVal <= GDK_KEY_Z) return uint16_t(KeyVal);
  if (KeyVal >= GDK_KEY_0 && KeyVal <= GDK_KEY_9) return uint16_t(KeyVal);
  if (KeyVal >= GDK_KEY_KP_0 && KeyVal <= GDK_KEY_KP_9) return uint16_t(96 + KeyVal - GDK_KEY_KP_0);
  if (KeyVal >= GDK_KEY_F1 && KeyVal <= GDK_KEY_F24) return uint16_t(112 + KeyVal - GDK_KEY_F1);
  for (const TKeyMap& m : kKeys)
    if (m.KeyVal == KeyVal) return m.Key;
  return 0;
}

void TzrCustomScene::ConnectInput(GtkWidget* Widget) {
  gtk_widget_add_events(Widget, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                    GDK_POINTER_MOTION_MASK | GDK_SCROLL_MASK |
                                    GDK_SMOOTH_SCROLL_MASK | GDK_LEAVE_NOTIFY_MASK |
                                    GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK |
                                    GDK_FOCUS_CHANGE_MASK);
  gtk_widget_set_can_focus(Widget, TRUE);
  gtk_widget_set_has_tooltip(Widget, TRUE);
  FIMContext = gtk_im_multicontext_new();
  g_signal_connect(FIMContext, "commit", G_CALLBACK(OnCommit), this);
  g_signal_connect(FIMContext, "preedit-start", G_CALLBACK(OnPreeditStart), this);
  if (gtk_widget_get_realized(Widget))
    gtk_im_context_set_client_window(FIMContext, gtk_widget_get_window(Widget));
  g_signal_connect(Widget, "realize", G_CALLBACK(OnRealize), this);
  g_signal_connect(Widget, "button-press-event", G_CALLBACK(OnButtonPress), this);
  g_signal_connect(Widget, "button-release-event", G_CALLBACK(OnButtonRelease), this);
  g_signal_connect(Widget, "motion-notify-event", G_CALLBACK(OnSceneMotion), this);
  g_signal_connect(Widget, "scroll-event", G_CALLBACK(OnSceneScroll), this);
  g_signal_connect(Widget, "leave-notify-event", G_CALLBACK(OnLeave), this);
  g_signal_connect(Widget, "key-press-event", G_CALLBACK(OnSceneKeyPress), this);
  g_signal_connect(Widget, "key-release-event", G_CALLBACK(OnKeyRelease), this);
  g_signal_connect(Widget, "focus-in-event", G_CALLBACK(OnFocusIn), this);
  g_signal_connect(Widget, "focus-out-event", G_CALLBACK(OnFocusOut), this);
  g_signal_connect(Widget, "query-tooltip", G_CALLBACK(OnQueryTooltip), this);
  ConnectDrop(Widget);
  if (gtk_widget_get_has_window(Widget)) return;
  g_signal_connect_after(Widget, "realize", G_CALLBACK(OnInputRealize), this);
  g_signal_connect(Widget, "unrealize", G_CALLBACK(OnInputUnrealize), this);
  g_signal_connect_after(Widget, "map", G_CALLBACK(OnInputMap), this);
  g_signal_connect(Widget, "unmap", G_CALLBACK(OnInputUnmap), this);
  g_signal_connect_after(Widget, "size-allocate", G_CALLBACK(OnInputAllocate), this);
  if (gtk_widget_get_realized(Widget)) OnInputRealize(Widget, this);
}

void TzrCustomScene::DisconnectInput() {
  GrabPointer(false);
  FGrabbed = false;
  if (HandleAllocated()) {
    OnInputUnrealize(Handle(), this);
    g_signal_handlers_disconnect_by_data(Handle(), this);
  }
  if (!FIMContext) return;
  g_signal_handlers_disconnect_by_data(FIMContext, this);
  gtk_im_context_set_client_window(FIMContext, nullptr);
  g_object_unref(FIMContext);
  FIMContext = nullptr;
}

void TzrCustomScene::UpdateIMCursor() {
  if (!FIMContext) return;
  const TzrRect r = CaretRect();
  const GdkRectangle area{int(r.Left), int(r.Top), int(r.Right - r.Left), int(r.Bottom - r.Top)};
  gtk_im_context_set_cursor_location(FIMContext, &area);
  FIMCursor = r;
}

void TzrCustomScene::GrabPointer(bool Grab) {
  if (!Grab && !FGrabbed) return;
  if (!HandleAllocated() || !gtk_widget_get_realized(Handle())) return;
  GdkWindow* window = PointerWindow(Handle());
  GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
  if (!Grab) {
    if (FGrabbed) gdk_seat_ungrab(seat);
    FGrabbed = false;
    return;
  }
  FGrabbed = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_ALL_POINTING, FALSE, nullptr,
                           nullptr, nullptr, nullptr) == GDK_GRAB_SUCCESS;
}
