#include "platform/vcl/Controls.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() {
  while (ControlCount() > 0) Controls(ControlCount() - 1)->SetParent(nullptr);
  SetParent(static_cast<TComponent*>(nullptr));
  FreeHandle();
}

const TClassInfo* TCustomControl::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomControl>("TCustomControl", TControl::Class())
          .Prop("Cursor", &TCustomControl::GetCursor, &TCustomControl::SetCursor)
          .Prop("ShowHint", &TCustomControl::GetShowHint, &TCustomControl::SetShowHint);
  return info;
}

// ---------------------------------------------------------------- parent

void TCustomControl::SetParent(TComponent* Value) {
  TWinControl* parent = nullptr;
  if (auto* form = dynamic_cast<TForm*>(Value))
    parent = form->Client();
  else
    parent = dynamic_cast<TWinControl*>(Value);
  if (parent == GetParent()) return;
  FreeHandle();
  TWinControl::SetParent(parent);
  if (parent) Handle();
}

void TCustomControl::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (int i = 0; i < ControlCount(); ++i) Proc(Controls(i));
}

void TCustomControl::ClientOrigin(int& X, int& Y) const {
  X = FLeft;
  Y = FTop;
  if (!FParent) return;
  const TPoint origin = FParent->ChildOrigin();
  X += origin.X;
  Y += origin.Y;
}

GtkWidget* TCustomControl::ChildContainer() {
  return FParent ? FParent->ChildContainer() : nullptr;
}

TPoint TCustomControl::ChildOrigin() const {
  int x, y;
  ClientOrigin(x, y);
  return TPoint{x, y};
}

// ---------------------------------------------------------------- geometry

void TCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  const bool resized = AWidth != FWidth || AHeight != FHeight;
  if (!resized && ALeft == FLeft && ATop == FTop) return;
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized) Resize();
}

void TCustomControl::PlaceWidget() {
  TWinControl::PlaceWidget();
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* win = dynamic_cast<TWinControl*>(Controls(i))) win->PlaceWidget();
}

void TCustomControl::DefaultHandler(TMessage& message) {
  if (message.Msg != CM_VISIBLECHANGED) {
    TWinControl::DefaultHandler(message);
    return;
  }
  ApplyVisible();
  ShowingChanged();
}

// The children's widgets lie beside this control's, so they are hidden and
// shown with it.
void TCustomControl::ApplyVisible() {
  if (HandleAllocated()) gtk_widget_set_visible(Handle(), FVisible);
  for (int i = 0; i < ControlCount(); ++i) {
    auto* win = dynamic_cast<TWinControl*>(Controls(i));
    if (win && win->HandleAllocated())
      gtk_widget_set_visible(win->Handle(), FVisible && win->GetVisible());
  }
}

void TCustomControl::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  ApplyCursor();
}

void TCustomControl::SetHint(const std::string& Value) {
  FHint = Value;
  if (HandleAllocated())
    gtk_widget_set_tooltip_text(Handle(), FShowHint && !FHint.empty() ? FHint.c_str() : nullptr);
}

void TCustomControl::SetShowHint(bool Value) {
  FShowHint = Value;
  SetHint(FHint);
}

// ---------------------------------------------------------------- widget

bool TCustomControl::CanCreateHandle() const {
  TForm* form = GetParentForm();
  return form && form->HandleAllocated();
}

GtkWidget* TCustomControl::CreateWidget() {
  GtkWidget* widget = gtk_drawing_area_new();
  // Shown with the form only when Visible.
  gtk_widget_set_no_show_all(widget, TRUE);
  if (!WantsOwnWindow()) gtk_widget_set_has_window(widget, FALSE);
  return widget;
}

// The drawing area paints through Paint; input is the subclass's own.
void TCustomControl::ConnectSignals() {
  GtkWidget* widget = Handle();
  g_signal_connect(widget, "draw", G_CALLBACK(OnDraw), this);
  g_signal_connect(widget, "realize", G_CALLBACK(+[](GtkWidget*, void* self) {
                     static_cast<TCustomControl*>(self)->ApplyCursor();
                   }),
                   this);
  SetHint(FHint);
}

void TCustomControl::Invalidate() {
  if (HandleAllocated()) gtk_widget_queue_draw(Handle());
}

void TCustomControl::ApplyCursor() {
  if (!HandleAllocated()) return;
  GtkWidget* widget = Handle();
  if (!gtk_widget_get_realized(widget) || !gtk_widget_get_has_window(widget)) return;
  GdkWindow* window = gtk_widget_get_window(widget);
  // crDefault leaves the window to show its parent's cursor; every other id,
  // a program's own included, is looked up in the screen's cursor table.
  GdkCursor* cursor =
      FCursor == crDefault ? nullptr : Screen().MakeCursor(FCursor, gdk_window_get_display(window));
  gdk_window_set_cursor(window, cursor);
  if (cursor) g_object_unref(cursor);
}

int TCustomControl::OnDraw(GtkWidget*, cairo_t* Cr, void* Self) {
  auto* control = static_cast<TCustomControl*>(Self);
  try {
    control->Paint(Cr);
  } catch (...) {
    if (Application) Application->HandleException(control);
  }
  return TRUE;
}
