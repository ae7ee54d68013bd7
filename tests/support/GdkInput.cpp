#include "GdkInput.h"

#include <gtk/gtk.h>

namespace {

GdkDevice* Pointer() {
  return gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
}

GdkDevice* Keyboard() {
  return gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default()));
}

// A new event of the type on the widget's window (the event holds a
// reference to the window, which gdk_event_free drops).
GdkEvent* NewEvent(GtkWidget* W, GdkEventType Type) {
  GdkEvent* e = gdk_event_new(Type);
  e->any.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(W)));
  return e;
}

void Deliver(GtkWidget* W, GdkEvent* E, GdkDevice* Device) {
  gdk_event_set_device(E, Device);
  gtk_widget_event(W, E);
  gdk_event_free(E);
}

}  // namespace

void TGdkInput::Button(int Type, unsigned Button, double X, double Y, unsigned State) {
  GdkEvent* e = NewEvent(FWidget, GdkEventType(Type));
  e->button.button = Button;
  e->button.x = X;
  e->button.y = Y;
  e->button.state = State;
  e->button.time = GDK_CURRENT_TIME;
  Deliver(FWidget, e, Pointer());
}

void TGdkInput::Press(double X, double Y, unsigned B, unsigned State) {
  Button(GDK_BUTTON_PRESS, B, X, Y, State);
}

void TGdkInput::Release(double X, double Y, unsigned B, unsigned State) {
  const unsigned held = B == 1 ? GDK_BUTTON1_MASK : B == 2 ? GDK_BUTTON2_MASK : GDK_BUTTON3_MASK;
  Button(GDK_BUTTON_RELEASE, B, X, Y, State | held);
}

void TGdkInput::Click(double X, double Y, unsigned B) {
  Press(X, Y, B);
  Release(X, Y, B);
}

void TGdkInput::DoubleClick(double X, double Y) {
  Press(X, Y);
  Release(X, Y);
  Press(X, Y);
  Button(GDK_2BUTTON_PRESS, 1, X, Y, 0);
  Release(X, Y);
}

void TGdkInput::Move(double X, double Y, unsigned State) {
  GdkEvent* e = NewEvent(FWidget, GDK_MOTION_NOTIFY);
  e->motion.x = X;
  e->motion.y = Y;
  e->motion.state = State;
  Deliver(FWidget, e, Pointer());
}

void TGdkInput::Drag(double X, double Y) { Move(X, Y, GDK_BUTTON1_MASK); }

void TGdkInput::Key(unsigned KeyVal, unsigned State, bool Release) {
  GdkEvent* e = NewEvent(FWidget, Release ? GDK_KEY_RELEASE : GDK_KEY_PRESS);
  e->key.keyval = KeyVal;
  e->key.state = State;
  Deliver(FWidget, e, Keyboard());
}

void TGdkInput::Type(unsigned KeyVal, unsigned State) {
  Key(KeyVal, State);
  Key(KeyVal, State, true);
}

void TGdkInput::Wheel(bool Up) {
  GdkEvent* e = NewEvent(FWidget, GDK_SCROLL);
  e->scroll.direction = Up ? GDK_SCROLL_UP : GDK_SCROLL_DOWN;
  Deliver(FWidget, e, Pointer());
}

void TGdkInput::Leave() {
  GdkEvent* e = NewEvent(FWidget, GDK_LEAVE_NOTIFY);
  e->crossing.mode = GDK_CROSSING_NORMAL;
  Deliver(FWidget, e, Pointer());
}
