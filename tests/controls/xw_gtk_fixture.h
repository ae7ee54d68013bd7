#pragma once
// GTK event helpers for the add-on widget tests (run under xvfb-run): a
// window holding a control, key, button, motion, wheel and focus events
// sent straight to widgets, and pictures of widgets for the gallery.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <string>

#include "platform/vcl/Forms.h"
#include "platform/vcl/WinControls.h"

namespace xwtest {

void Pump();
std::string GalleryFile(const std::string& name);

// An offscreen window holding a control's widget, removed again at the end
// (the control frees its widget itself).
class THost {
 public:
  explicit THost(TWinControl* control, int width = 0, int height = 0);
  ~THost();
  GtkWidget* Window() const { return FWindow; }

 private:
  TWinControl* FControl;
  GtkWidget* FWindow;
};

void SendKey(GtkWidget* widget, unsigned keyval, unsigned state = 0);
// Types the characters of text one key at a time.
void Type(GtkWidget* widget, const std::string& text);
void SendButton(GtkWidget* widget, GdkEventType type, int x, int y);
void SendMotion(GtkWidget* widget, int x, int y, unsigned state = 0);
void SendScroll(GtkWidget* widget, GdkScrollDirection direction, double deltaY = 0);
// Moves the window's focus to widget (or away from it) with focus events.
void FocusIn(GtkWidget* widget);
void FocusOut(GtkWidget* widget);

// The widget as drawn by GTK.
cairo_surface_t* Render(GtkWidget* widget);
void SavePng(cairo_surface_t* surface, const std::string& name);

struct TGtkTest : ::testing::Test {
  void SetUp() override { ASSERT_NO_THROW(Application->Initialize()) << "needs a display"; }
};

}  // namespace xwtest
