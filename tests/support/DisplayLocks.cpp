#include "tests/support/DisplayLocks.h"

#include <gtk/gtk.h>

void TPointerLock::ParkPointer() {
  GdkDisplay* display = gdk_display_get_default();
  GdkScreen* screen = gdk_screen_get_default();
  if (!display || !screen) return;
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (!monitor) monitor = gdk_display_get_monitor(display, 0);
  if (!monitor) return;
  GdkRectangle r;
  gdk_monitor_get_geometry(monitor, &r);
  GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
  gdk_device_warp(pointer, screen, r.x + r.width - 1, r.y + r.height - 1);
  gdk_display_sync(display);
}
