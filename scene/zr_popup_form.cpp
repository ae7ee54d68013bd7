// TzrPopupForm: the popup's own window on GTK. It is an undecorated window
// kept above and transient for its owner form, placed in screen pixels,
// shown without activation (it accepts no focus). While shown it holds the
// pointer (events of the program's own windows go on as usual, a press
// elsewhere comes to it) and the keyboard (keys reach the popup's scene).
//
// Activation is followed through two emission hooks, for presses and for
// windows gaining focus anywhere in the program: a press in another window
// or outside the popup, or another window becoming active, deactivates the
// active popup window (the newest shown) in favour of that window. The
// owner form loses the keyboard to the grab but keeps its active look.

#include <gtk/gtk.h>

#include <algorithm>

#include "scene/zr_popup.h"
#include "scene/zr_scene.h"

namespace {

// The popup windows showing, oldest first; the last holds the grab.
std::vector<TzrPopupForm*> Shown;
gulong PressHook = 0;
gulong FocusHook = 0;
// Whether the active popup window holds the keyboard, and whether a window
// of the program is about to get the keyboard back from an ended grab.
bool KeyboardGrabbed = false;
bool KeyboardReturnPending = false;

GdkWindow* ToplevelOf(GtkWidget* Widget) {
  GdkWindow* w = Widget ? gtk_widget_get_window(Widget) : nullptr;
  return w ? gdk_window_get_toplevel(w) : nullptr;
}

// A press that arrived at a popup window's scene from outside the window
// (the grab brings presses outside the program there).
bool PressOutside(const GdkEventButton* E) {
  const int w = gdk_window_get_width(E->window), h = gdk_window_get_height(E->window);
  return E->x < 0 || E->y < 0 || E->x >= w || E->y >= h;
}

gboolean OnPressHook(GSignalInvocationHint*, guint Count, const GValue* Params, gpointer) {
  if (Count < 2) return TRUE;
  auto* e = static_cast<const GdkEvent*>(g_value_get_boxed(&Params[1]));
  if (!e || e->type != GDK_BUTTON_PRESS || !e->button.window) return TRUE;
  // A press propagating through several widgets comes here once for each;
  // after the first, the activated window is already the active one or no
  // popup is open, so the repeats change nothing.
  TzrPopupForm* hit = TzrPopupForm::FromWindow(e->button.window);
  if (hit && PressOutside(&e->button)) hit = nullptr;
  TzrPopupForm::WindowActivated(hit);
  return TRUE;
}

gboolean OnFocusHook(GSignalInvocationHint*, guint Count, const GValue* Params, gpointer) {
  if (Count < 2) return TRUE;
  auto* widget = GTK_WIDGET(g_value_get_object(&Params[0]));
  if (!GTK_IS_WINDOW(widget)) return TRUE;
  // The popup windows gain the keyboard through their own grab.
  if (TzrPopupForm::FromWindow(ToplevelOf(widget))) return TRUE;
  // A window getting the keyboard back because a popup's grab ended is not
  // being activated: a press that closed one list and opened another comes
  // with such a return, which must leave the new list open.
  auto* e = static_cast<const GdkEvent*>(g_value_get_boxed(&Params[1]));
  if (e && !e->focus_change.send_event && TzrPopupForm::TakeKeyboardReturn()) return TRUE;
  TzrPopupForm::WindowActivated(nullptr);
  return TRUE;
}

void InstallHooks() {
  if (PressHook) return;
  const guint press = g_signal_lookup("button-press-event", GTK_TYPE_WIDGET);
  const guint focus = g_signal_lookup("focus-in-event", GTK_TYPE_WIDGET);
  PressHook = g_signal_add_emission_hook(press, 0, OnPressHook, nullptr, nullptr);
  FocusHook = g_signal_add_emission_hook(focus, 0, OnFocusHook, nullptr, nullptr);
}

gboolean KeepActiveLook(GtkWidget* Window, GdkEvent*, gpointer) {
  gtk_widget_unset_state_flags(Window, GTK_STATE_FLAG_BACKDROP);
  return FALSE;
}

}  // namespace

bool zrPointerPosition(int& X, int& Y) {
  GdkDisplay* display = gdk_display_get_default();
  GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
  GdkDevice* pointer = seat ? gdk_seat_get_pointer(seat) : nullptr;
  if (!pointer) return false;
  gdk_device_get_position(pointer, nullptr, &X, &Y);
  return true;
}

void FreeOpenPopups() {
  delete OpenPopups;
  OpenPopups = nullptr;
  if (PressHook)
    g_signal_remove_emission_hook(g_signal_lookup("button-press-event", GTK_TYPE_WIDGET),
                                  PressHook);
  if (FocusHook)
    g_signal_remove_emission_hook(g_signal_lookup("focus-in-event", GTK_TYPE_WIDGET), FocusHook);
  PressHook = FocusHook = 0;
}

// ---------------------------------------------------------------- life

TzrPopupForm::TzrPopupForm(TComponent* AOwner) : TForm(AOwner) {
  // The scene leaves the window in place when its background is dragged.
  SetTag(65535);
  SetBorderStyle(bsNone);
  SetCentered(false);
  OnClose = [this](TObject*, TCloseAction& Action) {
    Action = caFree;
    FNoFree = true;
    if (FPopup) FPopup->ClosePopup();
  };
}

TzrPopupForm::~TzrPopupForm() {
  Destroying();
  if (FPopup) {
    FNoFree = true;
    FPopup->WindowGone();
  }
  HidePopup();
  DisconnectOwner();
}

void TzrPopupForm::Notification(TComponent* AComponent, TOperation Operation) {
  TForm::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent != FOwnerForm) return;
  DisconnectOwner();
  FOwnerForm = nullptr;
}

void TzrPopupForm::CreateHandle() {
  TForm::CreateHandle();
  GtkWindow* window = GTK_WINDOW(Handle());
  gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_DROPDOWN_MENU);
  gtk_window_set_keep_above(window, TRUE);
  gtk_window_set_skip_taskbar_hint(window, TRUE);
  gtk_window_set_skip_pager_hint(window, TRUE);
  gtk_window_set_accept_focus(window, FALSE);
  gtk_window_set_focus_on_map(window, FALSE);
  if (FOwnerForm && FOwnerForm->HandleAllocated())
    gtk_window_set_transient_for(window, GTK_WINDOW(FOwnerForm->Handle()));
  // The grab needs a viewable window: it is taken once the window maps.
  FMapHandler = g_signal_connect(Handle(), "map-event",
                                 G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer Self) -> gboolean {
                                   auto* form = static_cast<TzrPopupForm*>(Self);
                                   if (Active() == form) form->Grab();
                                   return FALSE;
                                 }),
                                 this);
}

// ---------------------------------------------------------------- showing

void TzrPopupForm::ShowPopup() {
  InstallHooks();
  GtkWidget* window = Handle();
  if (TzrCustomScene* scene = FPopup ? FPopup->GetPopupScene() : nullptr)
    scene->CaptureBackdrop(GetLeft(), GetTop());
  gtk_widget_show_all(window);
  FShowing = true;
  std::erase(Shown, this);
  Shown.push_back(this);
  ConnectOwner();
  Grab();
}

void TzrPopupForm::HidePopup() {
  if (!FShowing) return;
  const bool active = Active() == this;
  FShowing = false;
  std::erase(Shown, this);
  DisconnectOwner();
  if (HandleAllocated()) gtk_widget_hide(Handle());
  if (!active) return;
  if (TzrPopupForm* next = Active())
    next->Grab();
  else
    Ungrab();
}

void TzrPopupForm::MoveTo(int X, int Y) {
  // Placement runs after every message of a modal loop: an unchanged place
  // makes no window-system traffic.
  if (HandleAllocated() && X == GetLeft() && Y == GetTop()) return;
  SetBounds(X, Y, GetClientWidth(), GetClientHeight());
}

bool TzrPopupForm::MonitorRect(int X, int Y, TzrRect& Monitor) const {
  GdkDisplay* display = gdk_display_get_default();
  if (!display) return false;
  GdkMonitor* monitor = gdk_display_get_monitor_at_point(display, X, Y);
  if (!monitor) return false;
  GdkRectangle r;
  gdk_monitor_get_geometry(monitor, &r);
  Monitor = {float(r.x), float(r.y), float(r.x + r.width), float(r.y + r.height)};
  return true;
}

// ---------------------------------------------------------------- grab

void TzrPopupForm::Grab() {
  TzrCustomScene* scene = FPopup ? FPopup->GetPopupScene() : nullptr;
  GtkWidget* target = scene && scene->HandleAllocated() ? scene->Handle() : Handle();
  GdkWindow* window = gtk_widget_get_window(target);
  if (!window || !gdk_window_is_viewable(window)) return;
  GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
  // The program's own windows get their pointer events as usual; every key
  // comes to the popup.
  gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_ALL_POINTING, TRUE, nullptr, nullptr, nullptr,
                nullptr);
  KeyboardGrabbed = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_KEYBOARD, FALSE, nullptr,
                                  nullptr, nullptr, nullptr) == GDK_GRAB_SUCCESS;
  gtk_widget_grab_focus(target);
  // A node's capture inside the scene grabs the pointer itself and lets go
  // of the whole seat on release: the grab is taken again after it.
  if (!FReleaseHandler)
    FReleaseHandler =
        g_signal_connect_after(target, "button-release-event",
                               G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer Self) -> gboolean {
                                 auto* form = static_cast<TzrPopupForm*>(Self);
                                 if (Active() == form) form->Grab();
                                 return FALSE;
                               }),
                               this);
}

bool TzrPopupForm::TakeKeyboardReturn() {
  const bool pending = KeyboardReturnPending;
  KeyboardReturnPending = false;
  return pending;
}

void TzrPopupForm::Ungrab() {
  // Only a keyboard grab that was taken gives the focus back (and sends a
  // focus event however long the display takes to answer).
  KeyboardReturnPending = KeyboardGrabbed;
  KeyboardGrabbed = false;
  GdkDisplay* display = gdk_display_get_default();
  if (display) gdk_seat_ungrab(gdk_display_get_default_seat(display));
}

// ---------------------------------------------------------------- the owner's look

void TzrPopupForm::ConnectOwner() {
  if (FOwnerWindow || !FOwnerForm || !FOwnerForm->HandleAllocated()) return;
  // The owner's window may go before this one (its form being freed): the
  // weak pointer forgets it then.
  FOwnerWindow = FOwnerForm->Handle();
  g_object_add_weak_pointer(G_OBJECT(FOwnerWindow), reinterpret_cast<gpointer*>(&FOwnerWindow));
  FOwnerFocusHandler =
      g_signal_connect_after(FOwnerWindow, "focus-out-event", G_CALLBACK(KeepActiveLook), this);
  gtk_widget_unset_state_flags(FOwnerWindow, GTK_STATE_FLAG_BACKDROP);
}

void TzrPopupForm::DisconnectOwner() {
  if (!FOwnerWindow) return;
  g_signal_handler_disconnect(FOwnerWindow, FOwnerFocusHandler);
  g_object_remove_weak_pointer(G_OBJECT(FOwnerWindow), reinterpret_cast<gpointer*>(&FOwnerWindow));
  FOwnerWindow = nullptr;
  FOwnerFocusHandler = 0;
}

// ---------------------------------------------------------------- activation

TzrPopupForm* TzrPopupForm::FromWindow(void* GdkWin) {
  if (!GdkWin) return nullptr;
  GdkWindow* top = gdk_window_get_toplevel(static_cast<GdkWindow*>(GdkWin));
  for (TzrPopupForm* form : Shown)
    if (form->HandleAllocated() && ToplevelOf(form->Handle()) == top) return form;
  return nullptr;
}

TzrPopupForm* TzrPopupForm::Active() { return Shown.empty() ? nullptr : Shown.back(); }

void TzrPopupForm::WindowActivated(TzrPopupForm* OtherWindow) {
  TzrPopupForm* active = Active();
  if (!active || active == OtherWindow) return;
  active->Deactivate(OtherWindow);
}

void TzrPopupForm::Deactivate(TzrPopupForm* Other) {
  if (!FPopup || FPopup->GetStaysOpen()) return;
  TzrPopup* other = Other ? Other->FPopup : nullptr;
  if (!other || other->GetStaysOpen()) {
    CloseOpenPopups();
    return;
  }
  // Another popup's window: a parent menu being activated closes this
  // child; a child (or a popup not listed) closes nothing.
  const int self = zrPopupIndex(FPopup), at = zrPopupIndex(other);
  if (at >= 0 && self > at) FPopup->ClosePopup();
}
