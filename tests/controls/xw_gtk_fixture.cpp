#include "tests/controls/xw_gtk_fixture.h"

#include <filesystem>

namespace xwtest {

void Pump() {
  for (int i = 0; i < 50 && gtk_events_pending(); ++i) gtk_main_iteration_do(FALSE);
}

std::string GalleryFile(const std::string& name) {
  auto folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  return (folder / (name + ".png")).string();
}

THost::THost(TWinControl* control, int width, int height)
    : FControl(control), FWindow(gtk_offscreen_window_new()) {
  GtkWidget* fixed = gtk_fixed_new();
  if (width > 0) gtk_widget_set_size_request(fixed, width, height);
  gtk_container_add(GTK_CONTAINER(FWindow), fixed);
  gtk_fixed_put(GTK_FIXED(fixed), control->Handle(), control->GetLeft(), control->GetTop());
  gtk_widget_show_all(FWindow);
  gtk_window_set_focus(GTK_WINDOW(FWindow), nullptr);
  Pump();
}

THost::~THost() {
  GtkWidget* widget = FControl->Handle();
  if (GtkWidget* parent = gtk_widget_get_parent(widget))
    gtk_container_remove(GTK_CONTAINER(parent), widget);
  gtk_widget_destroy(FWindow);
}

namespace {

GdkDevice* Keyboard() {
  return gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default()));
}

GdkDevice* Pointer() {
  return gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
}

}  // namespace

void SendKey(GtkWidget* widget, unsigned keyval, unsigned state) {
  GdkEvent* e = gdk_event_new(GDK_KEY_PRESS);
  e->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(widget)));
  e->key.keyval = keyval;
  e->key.state = state;
  GdkKeymapKey* keys = nullptr;
  gint n = 0;
  if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()),
                                        keyval, &keys, &n) &&
      n > 0)
    e->key.hardware_keycode = guint16(keys[0].keycode);
  g_free(keys);
  gdk_event_set_device(e, Keyboard());
  gtk_widget_event(widget, e);
  gdk_event_free(e);
}

void Type(GtkWidget* widget, const std::string& text) {
  for (char c : text) SendKey(widget, gdk_unicode_to_keyval(static_cast<unsigned char>(c)));
}

void SendButton(GtkWidget* widget, GdkEventType type, int x, int y) {
  GdkEvent* e = gdk_event_new(type);
  e->button.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(widget)));
  e->button.button = 1;
  e->button.x = x, e->button.y = y;
  if (type == GDK_BUTTON_RELEASE) e->button.state = GDK_BUTTON1_MASK;
  gdk_event_set_device(e, Pointer());
  gtk_widget_event(widget, e);
  gdk_event_free(e);
}

void SendMotion(GtkWidget* widget, int x, int y, unsigned state) {
  GdkEvent* e = gdk_event_new(GDK_MOTION_NOTIFY);
  e->motion.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(widget)));
  e->motion.x = x, e->motion.y = y;
  e->motion.state = state;
  gdk_event_set_device(e, Pointer());
  gtk_widget_event(widget, e);
  gdk_event_free(e);
}

void SendScroll(GtkWidget* widget, GdkScrollDirection direction, double deltaY) {
  GdkEvent* e = gdk_event_new(GDK_SCROLL);
  e->scroll.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(widget)));
  e->scroll.direction = direction;
  e->scroll.delta_y = deltaY;
  gdk_event_set_device(e, Pointer());
  gtk_widget_event(widget, e);
  gdk_event_free(e);
}

namespace {

void SendFocus(GtkWidget* widget, bool in) {
  GdkEvent* e = gdk_event_new(GDK_FOCUS_CHANGE);
  e->focus_change.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(widget)));
  e->focus_change.in = in;
  gdk_event_set_device(e, Keyboard());
  gtk_widget_send_focus_change(widget, e);
  gdk_event_free(e);
}

}  // namespace

void FocusIn(GtkWidget* widget) {
  gtk_widget_grab_focus(widget);
  SendFocus(widget, true);
}

void FocusOut(GtkWidget* widget) {
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  gtk_window_set_focus(GTK_WINDOW(top), nullptr);
  SendFocus(widget, false);
}

cairo_surface_t* Render(GtkWidget* widget) {
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  if (GTK_IS_CONTAINER(top)) gtk_container_check_resize(GTK_CONTAINER(top));
  const int w = gtk_widget_get_allocated_width(widget), h = gtk_widget_get_allocated_height(widget);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  gtk_widget_draw(widget, cr);
  cairo_destroy(cr);
  return s;
}

void SavePng(cairo_surface_t* surface, const std::string& name) {
  cairo_surface_write_to_png(surface, GalleryFile(name).c_str());
}

}  // namespace xwtest
