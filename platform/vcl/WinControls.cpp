#include "platform/vcl/WinControls.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"

namespace {

// Connects Handler to Signal of Widget unless the control already has a
// handler for that signal there: a subclass that wires an input signal
// itself (in its CreateWidget) owns it, and one GDK event stays one call.
void ConnectOnce(GtkWidget* Widget, const char* Signal, GCallback Handler, void* Control) {
  const guint id = g_signal_lookup(Signal, G_OBJECT_TYPE(Widget));
  const auto match = GSignalMatchType(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_DATA);
  if (id != 0 && g_signal_handler_find(Widget, match, id, 0, nullptr, nullptr, Control) != 0)
    return;
  g_signal_connect(Widget, Signal, Handler, Control);
}

TColor ApplicationHintColor = clInfoBk;
bool ThemesEnabled = true;
bool LeftButton = false;

void HandleCallbackException() {
  if (Application != nullptr) Application->HandleException(nullptr);
}

}  // namespace

namespace {

struct TKeyMap {
  unsigned Keyval;
  uint16_t Key;
};

constexpr TKeyMap KeyMap[] = {
    {GDK_KEY_BackSpace, VK_BACK},  {GDK_KEY_Tab, VK_TAB},       {GDK_KEY_Return, VK_RETURN},
    {GDK_KEY_KP_Enter, VK_RETURN}, {GDK_KEY_Escape, VK_ESCAPE}, {GDK_KEY_Page_Up, VK_PRIOR},
    {GDK_KEY_Page_Down, VK_NEXT},  {GDK_KEY_End, VK_END},       {GDK_KEY_Home, VK_HOME},
    {GDK_KEY_Left, VK_LEFT},       {GDK_KEY_Up, VK_UP},         {GDK_KEY_Right, VK_RIGHT},
    {GDK_KEY_Down, VK_DOWN},       {GDK_KEY_Delete, VK_DELETE}, {GDK_KEY_KP_Delete, VK_DELETE},
};

uint16_t KeyFromKeyval(unsigned keyval) {
  for (const TKeyMap& m : KeyMap)
    if (m.Keyval == keyval) return m.Key;
  unsigned upper = gdk_keyval_to_upper(keyval);
  if ((upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9')) return uint16_t(upper);
  // Punctuation has key codes of its own, apart from the control keys'.
  switch (keyval) {
    case GDK_KEY_period:
    case GDK_KEY_KP_Decimal:
      return VK_OEM_PERIOD;
    case GDK_KEY_comma:
      return VK_OEM_COMMA;
    case GDK_KEY_minus:
    case GDK_KEY_KP_Subtract:
      return VK_OEM_MINUS;
    case GDK_KEY_plus:
    case GDK_KEY_equal:
    case GDK_KEY_KP_Add:
      return VK_OEM_PLUS;
    default:
      return VK_UNKNOWN;
  }
}

unsigned KeyvalFromKey(uint16_t key) {
  for (const TKeyMap& m : KeyMap)
    if (m.Key == key) return m.Keyval;
  return key;
}

TShiftState ShiftFromState(unsigned state) {
  TShiftState shift = 0;
  if (state & GDK_SHIFT_MASK) shift |= ssShift;
  if (state & GDK_MOD1_MASK) shift |= ssAlt;
  if (state & GDK_CONTROL_MASK) shift |= ssCtrl;
  if (state & GDK_BUTTON1_MASK) shift |= ssLeft;
  return shift;
}

// The character a key types, as the window system's character message would
// carry it: the control keys with their ASCII codes, nothing with Ctrl or Alt.
char16_t CharFromKey(const GdkEventKey* e) {
  switch (e->keyval) {
    case GDK_KEY_BackSpace:
      return 8;
    case GDK_KEY_Tab:
      return 9;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
      return 13;
    case GDK_KEY_Escape:
      return 27;
    default:
      break;
  }
  if (e->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return 0;
  gunichar ch = gdk_keyval_to_unicode(e->keyval);
  return ch < 0x10000 ? char16_t(ch) : 0;
}

}  // namespace

TColor GetApplicationHintColor() { return ApplicationHintColor; }
void SetApplicationHintColor(TColor value) { ApplicationHintColor = value; }
bool ThemeServicesEnabled() { return ThemesEnabled; }
void SetThemeServicesEnabled(bool value) { ThemesEnabled = value; }
bool LeftButtonHeld() { return LeftButton; }

// ---------------- TControl ----------------

const TEnumInfo& AlignInfo() {
  static const TEnumInfo info{"TAlign",
                              {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
  return info;
}

const TClassInfo* TControl::Class() {
  using T = TControl;
  static const TClassInfo* info = TClassDecl<T>("TControl", TComponent::Class())
                                      .Prop("Tag", &T::GetTag, &T::SetTag)
                                      .Default(0)
                                      .Prop("Left", &T::GetLeft, &T::SetLeft)
                                      .Prop("Top", &T::GetTop, &T::SetTop)
                                      .Prop("Width", &T::GetWidth, &T::SetWidth)
                                      .Prop("Height", &T::GetHeight, &T::SetHeight)
                                      .Enum("Align", &T::GetAlign, &T::SetAlign, AlignInfo())
                                      .Default(alNone)
                                      .Prop("Enabled", &T::GetEnabled, &T::SetEnabled)
                                      .Default(1)
                                      .Prop("Visible", &T::GetVisible, &T::SetVisible)
                                      .Default(1)
                                      .Prop("Color", &T::GetColor, &T::SetColor)
                                      .Stored(&T::IsColorStored)
                                      .Prop("ParentColor", &T::GetParentColor, &T::SetParentColor)
                                      .Default(0)
                                      .Prop("Hint", &T::GetHint, &T::SetHint)
                                      .Default(0);
  return info;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() {
  if (FParent != nullptr) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* value) {
  if (value == FParent) return;
  if (FParent != nullptr) FParent->RemoveControl(this);
  if (value != nullptr) value->InsertControl(this);
}

TForm* TControl::GetParentForm() const {
  for (const TControl* c = this; c != nullptr; c = c->FParent)
    if (auto* client = dynamic_cast<const TFormClient*>(c)) return client->Form();
  return nullptr;
}

TComponent* TControl::GetParentComponent() const {
  if (auto* client = dynamic_cast<TFormClient*>(FParent)) return client->Form();
  return FParent;
}

void TControl::SetParentComponent(TComponent* value) {
  if (auto* form = dynamic_cast<TForm*>(value)) {
    SetParent(form->Client());
    return;
  }
  SetParent(dynamic_cast<TWinControl*>(value));
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  if (FParent != nullptr) FParent->Realign();
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
  if (FParent != nullptr && FAlign != alNone) FParent->Realign();
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

bool TControl::GetMouseCapture() const {
  return FParent != nullptr && FParent->FCaptureControl == this;
}

void TControl::SetMouseCapture(bool value) {
  if (FParent == nullptr) return;
  if (value) {
    FParent->FCaptureControl = this;
  } else if (FParent->FCaptureControl == this) {
    FParent->FCaptureControl = nullptr;
  }
}

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
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    case CM_VISIBLECHANGED:
      if (auto* win = dynamic_cast<TWinControl*>(this); win && win->FWidget)
        gtk_widget_set_visible(win->FWidget, FVisible);
      Invalidate();
      break;
    case WM_LBUTTONDOWN:
      MouseDown(TShiftState(message.WParam), LParamX(message.LParam), LParamY(message.LParam));
      break;
    case WM_MOUSEMOVE:
      MouseMove(TShiftState(message.WParam), LParamX(message.LParam), LParamY(message.LParam));
      break;
    case WM_LBUTTONUP:
      MouseUp(TShiftState(message.WParam), LParamX(message.LParam), LParamY(message.LParam));
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
  FCaptureControl = nullptr;
  while (!FControls.empty()) FControls.back()->SetParent(nullptr);
  FreeHandle();
}

bool WidgetScreenOrigin(GtkWidget* Widget, int& X, int& Y) {
  if (!Widget || !gtk_widget_get_realized(Widget)) return false;
  GdkWindow* window = gtk_widget_get_window(Widget);
  // A window the window manager has not yet placed has no origin to tell.
  if (!window || !gdk_window_is_viewable(window)) return false;
  if (gdk_window_get_state(gdk_window_get_toplevel(window)) & GDK_WINDOW_STATE_WITHDRAWN)
    return false;
  gdk_window_get_origin(window, &X, &Y);
  if (gtk_widget_get_has_window(Widget)) return true;
  GtkAllocation a;
  gtk_widget_get_allocation(Widget, &a);
  X += a.x;
  Y += a.y;
  return true;
}

bool TWinControl::ScreenOrigin(int& X, int& Y) const { return WidgetScreenOrigin(FWidget, X, Y); }

GtkWidget* TWinControl::Handle() {
  if (FWidget != nullptr) return FWidget;
  if (!CanCreateHandle()) return nullptr;
  FWidget = CreateWidget();
  g_object_ref_sink(FWidget);
  gtk_widget_set_size_request(FWidget, FWidth, FHeight);
  ConnectSignals();
  g_signal_connect(FWidget, "destroy", G_CALLBACK(OnDestroy), this);
  gtk_widget_show_all(FWidget);
  gtk_widget_set_visible(FWidget, FVisible);
  if (FParent != nullptr) PlaceWidget();
  CreateHandle();
  // Windowed children added before the widget existed go in now.
  for (TControl* control : FControls)
    if (auto* win = dynamic_cast<TWinControl*>(control)) win->PlaceWidget();
  return FWidget;
}

// The children's widgets go first: they lie in this widget or, for a control
// that lends its parent's container, beside it.
void TWinControl::FreeHandle() {
  for (TControl* control : FControls)
    if (auto* win = dynamic_cast<TWinControl*>(control)) win->FreeHandle();
  if (FWidget == nullptr) return;
  GtkWidget* widget = ReleaseWidget();
  if (GtkWidget* container = gtk_widget_get_parent(widget))
    gtk_container_remove(GTK_CONTAINER(container), widget);
  g_object_unref(widget);
}

GtkWidget* TWinControl::ReleaseWidget() {
  GtkWidget* widget = FWidget;
  DestroyHandle();
  if (SignalWidget() != widget) g_signal_handlers_disconnect_by_data(SignalWidget(), this);
  if (InputWidget() != widget) g_signal_handlers_disconnect_by_data(InputWidget(), this);
  g_signal_handlers_disconnect_by_data(widget, this);
  FWidget = nullptr;
  return widget;
}

// The widget went with its window (the form's window was destroyed while the
// control still sat in it): the control lets it go and makes a new one on
// next need.
void TWinControl::OnDestroy(GtkWidget*, void* self) {
  g_object_unref(static_cast<TWinControl*>(self)->ReleaseWidget());
}

void TWinControl::PlaceWidget() {
  if (FParent == nullptr || !FParent->ChildrenPlaced()) return;
  GtkWidget* widget = Handle();
  if (widget == nullptr) return;
  GtkWidget* container = FParent->ChildContainer();
  const TPoint origin = FParent->ChildOrigin();
  const int x = origin.X + FLeft, y = origin.Y + FTop;
  if (gtk_widget_get_parent(widget) == nullptr)
    gtk_fixed_put(GTK_FIXED(container), widget, x, y);
  else if (gtk_widget_get_parent(widget) == container)
    gtk_fixed_move(GTK_FIXED(container), widget, x, y);
}

GtkWidget* TWinControl::CreateWidget() {
  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_has_window(fixed, TRUE);
  return fixed;
}

GtkWidget* TWinControl::ChildContainer() { return Handle(); }

void TWinControl::ConnectSignals() {
  GtkWidget* w = SignalWidget();
  gtk_widget_add_events(w, GDK_POINTER_MOTION_MASK | GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK |
                               GDK_FOCUS_CHANGE_MASK);
  g_signal_connect(FWidget, "draw", G_CALLBACK(OnDraw), this);
  ConnectOnce(w, "motion-notify-event", G_CALLBACK(OnMotion), this);
  ConnectOnce(w, "enter-notify-event", G_CALLBACK(OnCrossing), this);
  ConnectOnce(w, "leave-notify-event", G_CALLBACK(OnCrossing), this);
  ConnectOnce(w, "focus-in-event", G_CALLBACK(OnFocus), this);
  ConnectOnce(w, "focus-out-event", G_CALLBACK(OnFocus), this);
  GtkWidget* input = InputWidget();
  gtk_widget_add_events(input, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                   GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK | GDK_SCROLL_MASK);
  ConnectOnce(input, "key-press-event", G_CALLBACK(OnKey), this);
  ConnectOnce(input, "key-release-event", G_CALLBACK(OnKey), this);
  ConnectOnce(input, "button-press-event", G_CALLBACK(OnButton), this);
  ConnectOnce(input, "button-release-event", G_CALLBACK(OnButton), this);
  ConnectOnce(input, "scroll-event", G_CALLBACK(OnScroll), this);
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
    if (moved) PlaceWidget();
  }
  if (moved) Perform(WM_MOVE, 0, (top << 16) | (left & 0xFFFF));
  if (sized) {
    Realign();
    Perform(WM_SIZE, 0, (height << 16) | (width & 0xFFFF));
  }
}

void TWinControl::Invalidate() {
  if (FWidget != nullptr) gtk_widget_queue_draw(FWidget);
}

void TWinControl::InsertControl(TControl* control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<intptr_t>(control), 1);
  FControls.push_back(control);
  control->FParent = this;
  if (auto* win = dynamic_cast<TWinControl*>(control); win && ChildrenPlaced()) win->PlaceWidget();
  if (control->FAlign != alNone) Realign();
  Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(control), 1);
  if (control->GetParentColor()) control->Perform(CM_PARENTCOLORCHANGED);
  Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(control), 0);
  if (auto* win = dynamic_cast<TWinControl*>(control); win && win->FWidget) {
    if (GtkWidget* container = gtk_widget_get_parent(win->FWidget))
      gtk_container_remove(GTK_CONTAINER(container), win->FWidget);
  }
  FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
  control->FParent = nullptr;
  if (FMouseControl == control) FMouseControl = nullptr;
  if (FCaptureControl == control) FCaptureControl = nullptr;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<intptr_t>(control), 0);
  Invalidate();
}

void TWinControl::Realign() { AlignControls(FControls, FWidth, FHeight); }

void TWinControl::AlignControls(const std::vector<TControl*>& controls, int width, int height) {
  int left = 0, top = 0, right = width, bottom = height;
  for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : controls) {
      if (c->FAlign != pass || !c->FVisible) continue;
      switch (pass) {
        case alTop:
          c->SetBounds(left, top, right - left, c->FHeight);
          top += c->FHeight;
          break;
        case alBottom:
          c->SetBounds(left, bottom - c->FHeight, right - left, c->FHeight);
          bottom -= c->FHeight;
          break;
        case alLeft:
          c->SetBounds(left, top, c->FWidth, bottom - top);
          left += c->FWidth;
          break;
        case alRight:
          c->SetBounds(right - c->FWidth, top, c->FWidth, bottom - top);
          right -= c->FWidth;
          break;
        default:
          c->SetBounds(left, top, right - left, bottom - top);
          break;
      }
    }
  }
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
    case WM_KEYDOWN:
    case WM_KEYUP: {
      uint16_t key = uint16_t(message.WParam);
      if (message.Msg == WM_KEYDOWN) {
        KeyDown(key, TShiftState(message.LParam));
      } else {
        KeyUp(key, TShiftState(message.LParam));
      }
      FNativeKey = key;
      if (FNativeMsg == message.Msg && key != 0) FNativeAllowed = true;
      break;
    }
    case WM_CHAR: {
      char16_t ch = char16_t(message.WParam);
      KeyPress(ch);
      FNativeChar = ch;
      if (FNativeMsg == message.Msg && ch != 0) FNativeAllowed = true;
      break;
    }
    case WM_MOUSEWHEEL:
      message.Result = DoMouseWheel(TShiftState(message.LParam), int(message.WParam));
      if (FNativeMsg == message.Msg && message.Result == 0) FNativeAllowed = true;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (FNativeMsg == message.Msg) FNativeAllowed = true;
      TControl::DefaultHandler(message);
      break;
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE: {
      if (FNativeMsg == message.Msg) {
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
  if (!PerformNative(msg, 0, 0)) g_signal_stop_emission_by_name(widget, signal);
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
  auto* control = static_cast<TWinControl*>(self);
  try {
    return control->HandleMotion(int(motion->x), int(motion->y), ShiftFromState(motion->state))
               ? TRUE
               : FALSE;
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
    control->Realign();
    control->Perform(WM_SIZE, 0, (a->height << 16) | (a->width & 0xFFFF));
  } catch (...) {
    HandleCallbackException();
  }
}

// ---------------- input signals ----------------

bool TWinControl::PerformNative(unsigned msg, intptr_t wParam, intptr_t lParam) {
  const unsigned savedMsg = FNativeMsg;
  const bool savedAllowed = FNativeAllowed;
  FNativeMsg = msg;
  FNativeAllowed = false;
  try {
    Perform(msg, wParam, lParam);
  } catch (...) {
    HandleCallbackException();
  }
  const bool allowed = FNativeAllowed;
  FNativeMsg = savedMsg;
  FNativeAllowed = savedAllowed;
  return allowed;
}

void TWinControl::NativeKey(uint16_t key, TShiftState shift) {
  auto* original = static_cast<GdkEvent*>(FKeyEvent);
  if (original == nullptr) return;
  GdkEvent* e = gdk_event_copy(original);
  e->key.keyval = KeyvalFromKey(key);
  // Key bindings match the hardware key, so it must be the new key's too.
  GdkKeymapKey* keys = nullptr;
  gint count = 0;
  GdkKeymap* keymap = gdk_keymap_get_for_display(gtk_widget_get_display(InputWidget()));
  if (gdk_keymap_get_entries_for_keyval(keymap, e->key.keyval, &keys, &count) && count > 0)
    e->key.hardware_keycode = guint16(keys[0].keycode);
  g_free(keys);
  e->key.state &= ~(GDK_SHIFT_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK);
  if (shift & ssShift) e->key.state |= GDK_SHIFT_MASK;
  if (shift & ssCtrl) e->key.state |= GDK_CONTROL_MASK;
  FBypass = true;
  gtk_widget_event(InputWidget(), e);
  FBypass = false;
  gdk_event_free(e);
}

// Tab reaches a control only when its dialog codes ask for it; otherwise the
// focus moves on along the window's focus chain.
bool TWinControl::WantsTab() {
  return (Perform(WM_GETDLGCODE) & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
}

// An Alt+key is offered, as CM_DIALOGCHAR, to every control of the window,
// parents before children; the first one that wants it takes it (a
// control's accelerator).
bool TWinControl::DialogChar(uint16_t key, TShiftState shift) {
  TWinControl* root = this;
  while (root->FParent != nullptr) root = root->FParent;
  std::function<bool(TControl*)> offer = [&](TControl* control) {
    if (!control->GetVisible() || !control->GetEnabled()) return false;
    if (control->Perform(CM_DIALOGCHAR, key, shift) != 0) return true;
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win == nullptr) return false;
    for (TControl* child : win->FControls)
      if (offer(child)) return true;
    return false;
  };
  return offer(root);
}

bool TWinControl::HandleKey(void* event) {
  auto* e = static_cast<GdkEventKey*>(event);
  const uint16_t key = KeyFromKeyval(e->keyval);
  const TShiftState shift = ShiftFromState(e->state);
  if (e->type == GDK_KEY_RELEASE) return !PerformNative(WM_KEYUP, key, shift);
  if (key == VK_TAB && !(shift & (ssCtrl | ssAlt)) && !WantsTab()) return false;
  if ((shift & ssAlt) && key != VK_UNKNOWN && DialogChar(key, shift)) return true;
  FKeyEvent = event;
  FNativeKey = key;
  bool handled = true;
  if (PerformNative(WM_KEYDOWN, key, shift)) {
    const char16_t ch = CharFromKey(e);
    if (FNativeKey != key) {
      NativeKey(FNativeKey, shift);
    } else if (ch == 0) {
      handled = false;
    } else {
      FNativeChar = ch;
      if (PerformNative(WM_CHAR, ch, 0)) handled = NativeChar(FNativeChar);
    }
  }
  FKeyEvent = nullptr;
  return handled;
}

int TWinControl::OnKey(GtkWidget*, void* event, void* self) {
  auto* control = static_cast<TWinControl*>(self);
  if (control->FBypass) return FALSE;
  return control->HandleKey(event) ? TRUE : FALSE;
}

TControl* TWinControl::GraphicChildAt(int x, int y) {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TGraphicControl*>(c) == nullptr || !c->GetVisible()) continue;
    TRect r = c->BoundsRect();
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return c;
  }
  return nullptr;
}

bool TWinControl::HandleButton(void* event) {
  auto* e = static_cast<GdkEventButton*>(event);
  if (e->button != 1) return false;
  const int x = int(e->x), y = int(e->y);
  TShiftState shift = ShiftFromState(e->state);
  if (e->type == GDK_BUTTON_RELEASE) {
    LeftButton = false;
    shift &= TShiftState(~ssLeft);
    if (TControl* captured = FCaptureControl) {
      FCaptureControl = nullptr;
      captured->Perform(WM_LBUTTONUP, shift,
                        PointToLParam(x - captured->GetLeft(), y - captured->GetTop()));
      return true;
    }
    return !PerformNative(WM_LBUTTONUP, shift, PointToLParam(x, y));
  }
  if (e->type != GDK_BUTTON_PRESS && e->type != GDK_2BUTTON_PRESS) return false;
  LeftButton = true;
  shift |= ssLeft;
  const unsigned msg = e->type == GDK_2BUTTON_PRESS ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
  if (TControl* child = GraphicChildAt(x, y); child != nullptr && child->GetEnabled()) {
    FCaptureControl = child;
    child->Perform(WM_LBUTTONDOWN, shift, PointToLParam(x - child->GetLeft(), y - child->GetTop()));
    return true;
  }
  return !PerformNative(msg, shift, PointToLParam(x, y));
}

int TWinControl::OnButton(GtkWidget*, void* event, void* self) {
  try {
    return static_cast<TWinControl*>(self)->HandleButton(event) ? TRUE : FALSE;
  } catch (...) {
    HandleCallbackException();
  }
  return TRUE;
}

bool TWinControl::HandleMotion(int x, int y, TShiftState shift) {
  TrackMouse(x, y);
  if (TControl* captured = FCaptureControl) {
    captured->Perform(WM_MOUSEMOVE, shift,
                      PointToLParam(x - captured->GetLeft(), y - captured->GetTop()));
    return true;
  }
  if (TControl* child = GraphicChildAt(x, y)) {
    child->Perform(WM_MOUSEMOVE, shift, PointToLParam(x - child->GetLeft(), y - child->GetTop()));
    return true;
  }
  return !PerformNative(WM_MOUSEMOVE, shift, PointToLParam(x, y));
}

int TWinControl::OnScroll(GtkWidget*, void* event, void* self) {
  auto* e = static_cast<GdkEventScroll*>(event);
  int delta = 0;
  if (e->direction == GDK_SCROLL_UP)
    delta = 120;
  else if (e->direction == GDK_SCROLL_DOWN)
    delta = -120;
  else if (e->direction == GDK_SCROLL_SMOOTH && e->delta_y != 0)
    delta = int(-e->delta_y * 120);
  if (delta == 0) return FALSE;
  auto* control = static_cast<TWinControl*>(self);
  return control->PerformNative(WM_MOUSEWHEEL, delta, ShiftFromState(e->state)) ? FALSE : TRUE;
}

bool TWinControl::Focused() const {
  if (FWidget == nullptr) return false;
  return gtk_widget_has_focus(const_cast<TWinControl*>(this)->SignalWidget());
}

void TWinControl::SetFocus() { gtk_widget_grab_focus(SignalWidget() ? SignalWidget() : Handle()); }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c != nullptr; c = c->GetParent())
    if (!c->GetVisible() || !c->GetEnabled()) return false;
  return true;
}
