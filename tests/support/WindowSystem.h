#pragma once
// What the window system (X) says about windows on the display, for tests
// that check where windows and widgets really lie.

typedef struct _GtkWidget GtkWidget;

// Whether a window manager runs on the display (it announces itself on the
// root window through _NET_SUPPORTING_WM_CHECK).
bool WindowManagerRunning();

// A realized widget's top-left on the screen as X has it (its own window's
// origin, plus its allocation when it has no window of its own).
bool XScreenOrigin(GtkWidget* Widget, int& X, int& Y);

// A shown toplevel's outer rectangle on the screen (with the window
// manager's frame) and its content size.
struct TXFrame {
  int X = 0, Y = 0, Width = 0, Height = 0;
};
bool XFrameRect(GtkWidget* Window, TXFrame& Frame);

// Runs the main loop until the toplevel's frame has stayed where it is for
// QuietMs (window managers move and decorate a new window in steps).
void SettleWindow(GtkWidget* Window, int QuietMs = 200, int MaxMs = 4000);

// Runs the main loop until a window manager has made the toplevel the active
// window (it gives a newly mapped window the keyboard some time after the map;
// a test that opens popups must not have that activation close them). Answers
// at once without a window manager, where no window is activated.
bool WaitActive(GtkWidget* Window, int MaxMs = 5000);
