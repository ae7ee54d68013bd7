#include "platform/vcl/WinControls.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "platform/vcl/Forms.h"

namespace {

TColor ApplicationHintColor = clInfoBk;

void HandleCallbackException() {
  if (Application != nullptr) Application->HandleException(nullptr);
}

}  // namespace

TColor GetApplicationHintColor() { return ApplicationHintColor; }
void SetApplicationHintColor(TColor value) { ApplicationHintColor = value; }
bool ThemeServicesEnabled() { return true; }

// ---------------- TControl ----------------

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() {
  if (FParent != nullptr) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* value) {
  if (value == FParent) return;
  if (FParent != nullptr) FParent->RemoveControl(this);
  if (value != nullptr) value->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  FLeft = left, FTop = top, FWidth = width, FHeight = height;
  Invalidate();
}

void TControl::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  if (value && FParent != nullptr) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Perform(CM_VISIBLECHANGED, value);
}

void TControl::SetText(const std::string& value) {
  if (value == GetText()) return;
  FText = value;
  Perform(CM_TEXTCHANGED);
}

intptr_t TControl::Perform(unsigned msg, intptr_t wParam, intptr_t lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

bool TControl::ShowHintFor(THintInfo& hint) {
  hint.HintControl = this;
  hint.HintStr = FHint;
  return Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&hint)) == 0;
}

void TControl::Invalidate() {
  if (FParent != nullptr) FParent->Invalidate();
}

void TControl::WndProc(TMessage& message) { DefaultHandler(message); }

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case CM_HITTEST:
      message.Result = 1;  // the whole client area
      break;
    case CM_PARENTCOLORCHANGED:
      if (FParentColor && FParent != nullptr) {
        FColor = FParent->GetColor();
        Invalidate();
      }
      break;
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
}

// ---------------- TGraphicControl ----------------

void TGraphicControl::PaintOn(TCanvas* canvas) {
  FCanvas = canvas;
  try {
    Paint();
  } catch (...) {
    FCanvas = nullptr;
    throw;
  }
  FCanvas = nullptr;
}

// ---------------- TWinControl ----------------

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  if (FParent != nullptr) FParent->RemoveControl(this);
  while (!FControls.empty()) FControls.back()->SetParent(nullptr);
  if (FWidget != nullptr) {
    g_signal_handlers_disconnect_by_data(FWidget, this);
    if (SignalWidget() != FWidget) g_signal_handlers_disconnect_by_data(SignalWidget(), this);
    g_object_unref(FWidget);
  }
}

GtkWidget* TWinControl::Handle() {
  if (FWidget != nullptr) return FWidget;
  FWidget = CreateWidget();
  g_object_ref_sink(FWidget);
  gtk_widget_set_size_request(FWidget, FWidth, FHeight);
  ConnectSignals();
  gtk_widget_show_all(FWidget);
  if (FParent != nullptr)
    gtk_fixed_put(GTK_FIXED(FParent->ChildContainer()), FWidget, FLeft, FTop);
  return FWidget;
}

GtkWidget* TWinControl::CreateWidget() {
  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_has_window(fixed, TRUE);
  return fixed;
}

GtkWidget* TWinControl::ChildContainer() { return Handle(); }

void TWinControl::ConnectSignals() {
  GtkWidget* w = SignalWidget();
  gtk_widget_add_events(w, GDK_POINTER_MOTION_MASK | GDK_ENTER_NOTIFY_MASK |
                               GDK_LEAVE_NOTIFY_MASK | GDK_FOCUS_CHANGE_MASK);
  g_signal_connect(FWidget, "draw", G_CALLBACK(OnDraw), this);
  g_signal_connect(w, "motion-notify-event", G_CALLBACK(OnMotion), this);
  g_signal_connect(w, "enter-notify-event", G_CALLBACK(OnCrossing), this);
  g_signal_connect(w, "leave-notify-event", G_CALLBACK(OnCrossing), this);
  g_signal_connect(w, "focus-in-event", G_CALLBACK(OnFocus), this);
  g_signal_connect(w, "focus-out-event", G_CALLBACK(OnFocus), this);
  g_signal_connect(FWidget, "size-allocate", G_CALLBACK(OnSizeAllocate), this);
  if (g_signal_lookup("paste-clipboard", G_OBJECT_TYPE(w)) != 0) {
    g_signal_connect(w, "cut-clipboard", G_CALLBACK(OnCut), this);
    g_signal_connect(w, "copy-clipboard", G_CALLBACK(OnCopy), this);
    g_signal_connect(w, "paste-clipboard", G_CALLBACK(OnPaste), this);
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  bool moved = left != FLeft || top != FTop;
  bool sized = width != FWidth || height != FHeight;
  TControl::SetBounds(left, top, width, height);
  if (FWidget != nullptr) {
    gtk_widget_set_size_request(FWidget, width, height);
    if (FParent != nullptr && moved)
      gtk_fixed_move(GTK_FIXED(FParent->ChildContainer()), FWidget, left, top);
  }
  if (moved) Perform(WM_MOVE, 0, (top << 16) | (left & 0xFFFF));
  if (sized) Perform(WM_SIZE, 0, (height << 16) | (width & 0xFFFF));
}

void TWinControl::Invalidate() {
  if (FWidget != nullptr) gtk_widget_queue_draw(FWidget);
}

void TWinControl::InsertControl(TControl* control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<intptr_t>(control), 1);
  FControls.push_back(control);
  control->FParent = this;
  if (auto* win = dynamic_cast<TWinControl*>(control); win && FWidget)
    gtk_fixed_put(GTK_FIXED(ChildContainer()), win->Handle(), win->FLeft, win->FTop);
  Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(control), 1);
  if (control->GetParentColor()) control->Perform(CM_PARENTCOLORCHANGED);
  Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(control), 0);
  if (auto* win = dynamic_cast<TWinControl*>(control); win && win->FWidget && FWidget)
    gtk_container_remove(GTK_CONTAINER(ChildContainer()), win->FWidget);
  FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
  control->FParent = nullptr;
  if (FMouseControl == control) FMouseControl = nullptr;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<intptr_t>(control), 0);
  Invalidate();
}

void TWinControl::PaintTo(TCanvas* canvas) {
  gdi::HDC dc = canvas->GetHandle();
  Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(dc));
  for (TControl* control : FControls) {
    auto* graphic = dynamic_cast<TGraphicControl*>(control);
    if (graphic == nullptr || !graphic->GetVisible()) continue;
    int saved = gdi::SaveDC(dc);
    gdi::POINT origin{};
    gdi::SetViewportOrgEx(dc, 0, 0, &origin);
    gdi::SetViewportOrgEx(dc, origin.x + graphic->GetLeft(), origin.y + graphic->GetTop(), nullptr);
    gdi::IntersectClipRect(dc, 0, 0, graphic->GetWidth(), graphic->GetHeight());
    try {
      graphic->PaintOn(canvas);
    } catch (...) {
      gdi::RestoreDC(dc, saved);
      throw;
    }
    gdi::RestoreDC(dc, saved);
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      auto dc = reinterpret_cast<gdi::HDC>(message.WParam);
      if (dc == nullptr) break;
      gdi::HBRUSH brush = gdi::CreateSolidBrush(ColorToRGB(FColor));
      gdi::RECT r{0, 0, FWidth, FHeight};
      gdi::FillRect(dc, &r, brush);
      gdi::DeleteObject(brush);
      message.Result = 1;
      break;
    }
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE: {
      if (FNativeAction) {
        FNativeAllowed = true;
        break;
      }
      const char* signal = message.Msg == WM_CUT    ? "cut-clipboard"
                           : message.Msg == WM_COPY ? "copy-clipboard"
                                                    : "paste-clipboard";
      EmitNative(signal);
      break;
    }
    default:
      TControl::DefaultHandler(message);
  }
}

void TWinControl::EmitNative(const char* signal) {
  GtkWidget* w = SignalWidget();
  if (w == nullptr || g_signal_lookup(signal, G_OBJECT_TYPE(w)) == 0) return;
  FBypass = true;
  g_signal_emit_by_name(w, signal);
  FBypass = false;
}

void TWinControl::AskNative(GtkWidget* widget, unsigned msg, const char* signal) {
  if (FBypass) return;
  FNativeAction = true;
  FNativeAllowed = false;
  try {
    Perform(msg);
  } catch (...) {
    HandleCallbackException();
  }
  FNativeAction = false;
  if (!FNativeAllowed) g_signal_stop_emission_by_name(widget, signal);
}

void TWinControl::OnCut(GtkWidget* widget, void* self) {
  static_cast<TWinControl*>(self)->AskNative(widget, WM_CUT, "cut-clipboard");
}
void TWinControl::OnCopy(GtkWidget* widget, void* self) {
  static_cast<TWinControl*>(self)->AskNative(widget, WM_COPY, "copy-clipboard");
}
void TWinControl::OnPaste(GtkWidget* widget, void* self) {
  static_cast<TWinControl*>(self)->AskNative(widget, WM_PASTE, "paste-clipboard");
}

void TWinControl::PaintBitmap(cairo_t* cr, TBitmap* bitmap) {
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      bitmap->GetScanLine(0), CAIRO_FORMAT_RGB24, bitmap->GetWidth(), bitmap->GetHeight(),
      bitmap->GetWidth() * 4);
  cairo_save(cr);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(surface);
}

void TWinControl::PaintWindow(cairo_t* cr) {
  TBitmap buffer;
  buffer.SetPixelFormat(pf32bit);
  buffer.SetSize(FWidth, FHeight);
  PaintTo(buffer.GetCanvas());
  PaintBitmap(cr, &buffer);
}

int TWinControl::OnDraw(GtkWidget*, cairo_t* cr, void* self) {
  auto* control = static_cast<TWinControl*>(self);
  if (control->FWidth <= 0 || control->FHeight <= 0) return FALSE;
  try {
    control->PaintWindow(cr);
  } catch (...) {
    HandleCallbackException();
  }
  return FALSE;
}

void TWinControl::TrackMouse(int x, int y) {
  TControl* under = nullptr;
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TGraphicControl*>(c) == nullptr || !c->GetVisible()) continue;
    TRect r = c->BoundsRect();
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom &&
        c->Perform(CM_HITTEST, 0, ((y - r.Top) << 16) | ((x - r.Left) & 0xFFFF)) != 0) {
      under = c;
      break;
    }
  }
  if (under == FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = under;
  if (old != nullptr) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(old));
  if (under != nullptr) under->Perform(CM_MOUSEENTER, 0, reinterpret_cast<intptr_t>(under));
}

int TWinControl::OnMotion(GtkWidget*, void* event, void* self) {
  auto* motion = static_cast<GdkEventMotion*>(event);
  try {
    static_cast<TWinControl*>(self)->TrackMouse(int(motion->x), int(motion->y));
  } catch (...) {
    HandleCallbackException();
  }
  return FALSE;
}

int TWinControl::OnCrossing(GtkWidget*, void* event, void* self) {
  auto* crossing = static_cast<GdkEventCrossing*>(event);
  auto* control = static_cast<TWinControl*>(self);
  // Crossings into and out of the widget's own inner windows are not ours.
  if (crossing->detail == GDK_NOTIFY_INFERIOR) return FALSE;
  try {
    if (crossing->type == GDK_ENTER_NOTIFY) {
      control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<intptr_t>(control));
    } else {
      control->TrackMouse(-1, -1);
      control->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(control));
    }
  } catch (...) {
    HandleCallbackException();
  }
  return FALSE;
}

int TWinControl::OnFocus(GtkWidget*, void* event, void* self) {
  auto* focus = static_cast<GdkEventFocus*>(event);
  try {
    static_cast<TWinControl*>(self)->Perform(focus->in ? WM_SETFOCUS : WM_KILLFOCUS);
  } catch (...) {
    HandleCallbackException();
  }
  return FALSE;
}

void TWinControl::OnSizeAllocate(GtkWidget*, void* allocation, void* self) {
  auto* a = static_cast<GtkAllocation*>(allocation);
  auto* control = static_cast<TWinControl*>(self);
  if (a->width == control->FWidth && a->height == control->FHeight) return;
  try {
    control->FWidth = a->width, control->FHeight = a->height;
    control->Perform(WM_SIZE, 0, (a->height << 16) | (a->width & 0xFFFF));
  } catch (...) {
    HandleCallbackException();
  }
}
