#include "platform/vcl/Cursors.h"

#include <gtk/gtk.h>

TScreen::TScreen() {
  FCursors = {{crDefault, "default"},  {crNone, "none"},
              {crArrow, "default"},    {crCross, "crosshair"},
              {crIBeam, "text"},       {crSizeNESW, "nesw-resize"},
              {crSizeNS, "ns-resize"}, {crSizeNWSE, "nwse-resize"},
              {crSizeWE, "ew-resize"}, {crUpArrow, "n-resize"},
              {crHourGlass, "wait"},   {crDrag, "grabbing"},
              {crNoDrop, "no-drop"},   {crMultiDrag, "copy"},
              {crNo, "not-allowed"},   {crHandPoint, "pointer"},
              {crSizeAll, "move"}};
}

std::string TScreen::GetCursors(TCursor id) const {
  auto it = FCursors.find(id);
  return it == FCursors.end() ? FCursors.at(crDefault) : it->second;
}

void TScreen::SetCursors(TCursor id, const std::string& name) { FCursors[id] = name; }

GdkCursor* TScreen::MakeCursor(TCursor id, GdkDisplay* display) const {
  if (display == nullptr) return nullptr;
  return gdk_cursor_new_from_name(display, GetCursors(id).c_str());
}

void TScreen::SetCursor(TCursor id) {
  if (id == FCursor) return;
  FCursor = id;
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return;
  GdkCursor* cursor = id == crDefault ? nullptr : MakeCursor(id, display);
  GList* windows = gtk_window_list_toplevels();
  for (GList* it = windows; it != nullptr; it = it->next) {
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(it->data));
    if (window != nullptr) gdk_window_set_cursor(window, cursor);
  }
  g_list_free(windows);
  if (cursor != nullptr) g_object_unref(cursor);
  gdk_display_flush(display);
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}
