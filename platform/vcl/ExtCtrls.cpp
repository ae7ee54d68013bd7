#include "platform/vcl/ExtCtrls.h"

#include <gtk/gtk.h>

#include <cmath>

#include "platform/vcl/Forms.h"

namespace {

void HandleCallbackException() {
  if (Application != nullptr) Application->HandleException(nullptr);
}

TMouseButton ButtonOf(unsigned button) {
  if (button == 3) return mbRight;
  if (button == 2) return mbMiddle;
  return mbLeft;
}

// The horizontal inset of row y of a rounded rectangle w x h whose corner
// ellipses are c x c.
int RoundInset(int y, int h, int c) {
  double r = c / 2.0;
  double dy = 0;
  if (y < r)
    dy = r - (y + 0.5);
  else if (y >= h - r)
    dy = (y + 0.5) - (h - r);
  else
    return 0;
  double dx = r * r - dy * dy;
  return dx <= 0 ? int(r) : int(std::lround(r - std::sqrt(dx)));
}

// Whether GDK queued a double press right behind the press E: it does so
// for the second press of a double click. That double press stands for the
// second press (as the double-click message does on Windows), so a double
// click is two presses and one DblClick.
bool DoublePressFollows(const GdkEventButton* E) {
  GdkEvent* next = gdk_event_peek();
  if (next == nullptr) return false;
  const bool follows = next->type == GDK_2BUTTON_PRESS && next->button.window == E->window &&
                       next->button.button == E->button;
  gdk_event_free(next);
  return follows;
}

}  // namespace

TShiftState ShiftStateFromGdk(unsigned State) {
  TShiftState s = 0;
  if (State & GDK_SHIFT_MASK) s |= ssShift;
  if (State & GDK_CONTROL_MASK) s |= ssCtrl;
  if (State & GDK_MOD1_MASK) s |= ssAlt;
  if (State & GDK_BUTTON1_MASK) s |= ssLeft;
  if (State & GDK_BUTTON2_MASK) s |= ssMiddle;
  if (State & GDK_BUTTON3_MASK) s |= ssRight;
  return s;
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner) {
  FSurface.SetPixelFormat(pf32bit);
}

TCustomPanel::~TCustomPanel() = default;

GtkWidget* TCustomPanel::CreateWidget() {
  GtkWidget* area = gtk_drawing_area_new();
  gtk_widget_set_can_focus(area, TRUE);
  gtk_widget_add_events(area,
                        GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK);
  g_signal_connect(area, "button-press-event", G_CALLBACK(OnButton), this);
  g_signal_connect(area, "button-release-event", G_CALLBACK(OnButton), this);
  g_signal_connect(area, "motion-notify-event", G_CALLBACK(OnPanelMotion), this);
  g_signal_connect(area, "realize", G_CALLBACK(OnRealize), this);
  return area;
}

void TCustomPanel::Invalidate() {
  FPresentOnly = false;
  TWinControl::Invalidate();
}

void TCustomPanel::FlushCanvas() {
  if (!HandleAllocated()) return;
  FPresentOnly = true;
  TWinControl::Invalidate();
}

void TCustomPanel::PaintWindow(cairo_t* cr) {
  if (FSurface.GetWidth() != FWidth || FSurface.GetHeight() != FHeight)
    FSurface.SetSize(FWidth, FHeight);
  if (!FPresentOnly) {
    Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(GetCanvas()->GetHandle()));
    Paint();
  }
  FPresentOnly = false;
  PaintBitmap(cr, &FSurface);
}

void TCustomPanel::DefaultHandler(TMessage& message) {
  TWinControl::DefaultHandler(message);
  if (message.Msg != WM_SIZE) return;
  if (FSurface.GetWidth() != FWidth || FSurface.GetHeight() != FHeight)
    FSurface.SetSize(FWidth, FHeight);
  Resize();
}

void TCustomPanel::Resize() {
  if (OnResize) OnResize(this);
}

// ---------------- bevels ----------------

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (Value == FBevelInner) return;
  FBevelInner = Value;
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (Value == FBevelOuter) return;
  FBevelOuter = Value;
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value) {
  if (Value < 1) Value = 1;
  if (Value == FBevelWidth) return;
  FBevelWidth = Value;
  Invalidate();
}

void TCustomPanel::SetBorderWidth(int Value) {
  if (Value < 0) Value = 0;
  if (Value == FBorderWidth) return;
  FBorderWidth = Value;
  Invalidate();
}

// ---------------- cursor, focus, shape ----------------

void TCustomPanel::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  ApplyCursor();
}

void TCustomPanel::ApplyCursor() {
  if (!HandleAllocated()) return;
  GdkWindow* window = gtk_widget_get_window(Handle());
  if (window == nullptr) return;
  GdkCursor* cursor = Screen().MakeCursor(FCursor, gdk_window_get_display(window));
  gdk_window_set_cursor(window, cursor);
  if (cursor != nullptr) g_object_unref(cursor);
}

bool TCustomPanel::PanelFocused() const {
  return HandleAllocated() && gtk_widget_has_focus(const_cast<TCustomPanel*>(this)->Handle());
}

bool TCustomPanel::CanTakeFocus() const {
  if (!HandleAllocated() || !GetVisible() || !GetEnabled()) return false;
  GtkWidget* w = const_cast<TCustomPanel*>(this)->Handle();
  return gtk_widget_get_toplevel(w) != w && gtk_widget_is_toplevel(gtk_widget_get_toplevel(w));
}

void TCustomPanel::TakeFocus() {
  if (CanTakeFocus()) gtk_widget_grab_focus(Handle());
}

void TCustomPanel::SetRoundRegion(int CornerSize) {
  FRoundRegion = CornerSize > 0 ? CornerSize : 0;
  ApplyRegion();
}

void TCustomPanel::ApplyRegion() {
  if (!HandleAllocated()) return;
  GtkWidget* w = Handle();
  if (FRoundRegion <= 0 || FWidth <= 0 || FHeight <= 0) {
    gtk_widget_shape_combine_region(w, nullptr);
    return;
  }
  cairo_region_t* region = cairo_region_create();
  for (int y = 0; y < FHeight; ++y) {
    int inset = RoundInset(y, FHeight, FRoundRegion);
    cairo_rectangle_int_t row{inset, y, FWidth - 2 * inset, 1};
    if (row.width > 0) cairo_region_union_rectangle(region, &row);
  }
  gtk_widget_shape_combine_region(w, region);
  cairo_region_destroy(region);
}

bool TCustomPanel::HasParentWindow() const {
  if (GetParent() != nullptr) return true;
  return HandleAllocated() && gtk_widget_get_parent(const_cast<TCustomPanel*>(this)->Handle());
}

TPoint TCustomPanel::ScreenToClientCursor() const {
  if (!HandleAllocated()) return TPoint{};
  GdkWindow* window = gtk_widget_get_window(const_cast<TCustomPanel*>(this)->Handle());
  if (window == nullptr) return TPoint{};
  GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
  int x = 0, y = 0;
  gdk_window_get_device_position(window, gdk_seat_get_pointer(seat), &x, &y, nullptr);
  return TPoint{x, y};
}

void TCustomPanel::OnRealize(GtkWidget*, void* self) {
  auto* panel = static_cast<TCustomPanel*>(self);
  panel->ApplyCursor();
  panel->ApplyRegion();
}

// ---------------- mouse ----------------

void TCustomPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TCustomPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TCustomPanel::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TCustomPanel::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

int TCustomPanel::OnButton(GtkWidget*, void* event, void* self) {
  auto* e = static_cast<GdkEventButton*>(event);
  auto* panel = static_cast<TCustomPanel*>(self);
  TShiftState shift = ShiftStateFromGdk(e->state);
  TMouseButton button = ButtonOf(e->button);
  int x = int(std::floor(e->x)), y = int(std::floor(e->y));
  try {
    if (e->type == GDK_BUTTON_RELEASE) {
      panel->MouseUp(button, shift, x, y);
    } else if (e->type == GDK_2BUTTON_PRESS) {
      panel->DblClick();
      panel->MouseDown(button, shift | ssDouble, x, y);
    } else if (e->type == GDK_BUTTON_PRESS && !DoublePressFollows(e)) {
      panel->MouseDown(button, shift, x, y);
    }
  } catch (...) {
    HandleCallbackException();
  }
  return TRUE;
}

int TCustomPanel::OnPanelMotion(GtkWidget*, void* event, void* self) {
  auto* e = static_cast<GdkEventMotion*>(event);
  try {
    static_cast<TCustomPanel*>(self)->MouseMove(ShiftStateFromGdk(e->state), int(std::floor(e->x)),
                                                int(std::floor(e->y)));
  } catch (...) {
    HandleCallbackException();
  }
  return FALSE;
}
