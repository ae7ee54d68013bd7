#include "tests/support/WindowSystem.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstring>

#include "tests/support/MainLoop.h"

bool WindowManagerRunning() {
  GdkScreen* screen = gdk_screen_get_default();
  if (!screen || !GDK_IS_X11_SCREEN(screen)) return false;
  const char* name = gdk_x11_screen_get_window_manager_name(screen);
  return name && std::strcmp(name, "unknown") != 0;
}

bool XScreenOrigin(GtkWidget* Widget, int& X, int& Y) {
  if (!Widget || !gtk_widget_get_realized(Widget)) return false;
  GdkWindow* window = gtk_widget_get_window(Widget);
  if (!window) return false;
  gdk_display_sync(gdk_window_get_display(window));
  gdk_window_get_origin(window, &X, &Y);
  if (gtk_widget_get_has_window(Widget)) return true;
  GtkAllocation a;
  gtk_widget_get_allocation(Widget, &a);
  X += a.x;
  Y += a.y;
  return true;
}

bool XFrameRect(GtkWidget* Window, TXFrame& Frame) {
  GdkWindow* window = Window ? gtk_widget_get_window(Window) : nullptr;
  if (!window) return false;
  gdk_display_sync(gdk_window_get_display(window));
  GdkRectangle r;
  gdk_window_get_frame_extents(window, &r);
  Frame = {r.x, r.y, r.width, r.height};
  return true;
}

void SettleWindow(GtkWidget* Window, int QuietMs, int MaxMs) {
  TXFrame last;
  XFrameRect(Window, last);
  int quiet = 0;
  for (int waited = 0; waited < MaxMs && quiet < QuietMs; waited += 10) {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    g_usleep(10000);
    TXFrame now;
    XFrameRect(Window, now);
    const bool same =
        now.X == last.X && now.Y == last.Y && now.Width == last.Width && now.Height == last.Height;
    quiet = same ? quiet + 10 : 0;
    last = now;
  }
}

bool WaitActive(GtkWidget* Window, int MaxMs) {
  if (!Window || !GTK_IS_WINDOW(Window) || !WindowManagerRunning()) return true;
  for (int waited = 0; waited < MaxMs; waited += 10) {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    if (gtk_window_is_active(GTK_WINDOW(Window))) return true;
    g_usleep(10000);
  }
  return false;
}
