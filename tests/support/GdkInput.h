#pragma once
// Synthesised GDK input for a widget, delivered at once through GTK's event
// path (gtk_widget_event), as a user's presses, moves, releases, keys, typed
// characters and wheel steps would arrive: tests drive the scene window's
// routing with it, on any clock.

#include <cstdint>

typedef struct _GtkWidget GtkWidget;

class TGdkInput {
 public:
  // The widget must be realized (its window exists).
  explicit TGdkInput(GtkWidget* AWidget) : FWidget(AWidget) {}

  // Buttons 1 (left), 2 (middle), 3 (right); X, Y in widget pixels; State
  // the GDK modifier mask (GDK_BUTTON1_MASK while the left button is held).
  void Press(double X, double Y, unsigned Button = 1, unsigned State = 0);
  void Release(double X, double Y, unsigned Button = 1, unsigned State = 0);
  // A press and its release.
  void Click(double X, double Y, unsigned Button = 1);
  // GTK's double click: press, release, press, double press, release.
  void DoubleClick(double X, double Y);
  void Move(double X, double Y, unsigned State = 0);
  // A left-button drag step: a move with the left button held.
  void Drag(double X, double Y);
  void Key(unsigned KeyVal, unsigned State = 0, bool Release = false);
  // A key pressed and released (a character key types its character).
  void Type(unsigned KeyVal, unsigned State = 0);
  // One wheel step up (Up) or down.
  void Wheel(bool Up);
  // The pointer leaves the widget.
  void Leave();

 private:
  void Button(int Type, unsigned Button, double X, double Y, unsigned State);
  GtkWidget* FWidget;
};
