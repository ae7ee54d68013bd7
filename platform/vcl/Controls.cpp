#include "platform/vcl/Controls.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"

namespace {

const TEnumInfo& AlignInfo() {
  static const TEnumInfo info{"TAlign",
                              {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
  return info;
}

}  // namespace

TCustomControl::TCustomControl(TComponent* AOwner) : TComponent(AOwner) {}

TCustomControl::~TCustomControl() {
  while (!FControls.empty()) FControls.back()->SetParent(nullptr);
  SetParent(nullptr);
  FreeHandle();
}

const TClassInfo* TCustomControl::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomControl>("TCustomControl", TComponent::Class())
          .Prop("Tag", &TCustomControl::GetTag, &TCustomControl::SetTag)
          .Prop("Left", &TCustomControl::GetLeft, &TCustomControl::SetLeft)
          .Prop("Top", &TCustomControl::GetTop, &TCustomControl::SetTop)
          .Prop("Width", &TCustomControl::GetWidth, &TCustomControl::SetWidth)
          .Prop("Height", &TCustomControl::GetHeight, &TCustomControl::SetHeight)
          .Enum("Align", &TCustomControl::GetAlign, &TCustomControl::SetAlign, AlignInfo())
          .Default(alNone)
          .Prop("Visible", &TCustomControl::GetVisible, &TCustomControl::SetVisible)
          .Prop("Cursor", &TCustomControl::GetCursor, &TCustomControl::SetCursor)
          .Prop("Hint", &TCustomControl::GetHint, &TCustomControl::SetHint)
          .Prop("ShowHint", &TCustomControl::GetShowHint, &TCustomControl::SetShowHint);
  return info;
}

// ---------------------------------------------------------------- parent

void TCustomControl::SetParent(TComponent* Value) {
  if (Value == FParent) return;
  FreeHandle();
  if (auto* form = dynamic_cast<TForm*>(FParent))
    FormRemoveControl(form, this);
  else if (auto* control = dynamic_cast<TCustomControl*>(FParent))
    control->RemoveControl(this);
  FParent = nullptr;
  if (auto* form = dynamic_cast<TForm*>(Value)) {
    FParent = Value;
    FormInsertControl(form, this);
  } else if (auto* control = dynamic_cast<TCustomControl*>(Value)) {
    FParent = Value;
    control->InsertControl(this);
  }
  if (FParent) Handle();
}

TForm* TCustomControl::GetParentForm() const {
  for (TComponent* p = FParent; p;) {
    if (auto* form = dynamic_cast<TForm*>(p)) return form;
    p = static_cast<TCustomControl*>(p)->FParent;
  }
  return nullptr;
}

void TCustomControl::InsertControl(TCustomControl* AControl) {
  FControls.push_back(AControl);
  AlignControls(FControls, FWidth, FHeight);
}

void TCustomControl::RemoveControl(TCustomControl* AControl) { std::erase(FControls, AControl); }

void TCustomControl::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (TCustomControl* control : FControls) Proc(control);
}

void TCustomControl::ClientOrigin(int& X, int& Y) const {
  X = FLeft;
  Y = FTop;
  for (auto* p = dynamic_cast<TCustomControl*>(FParent); p;
       p = dynamic_cast<TCustomControl*>(p->FParent)) {
    X += p->FLeft;
    Y += p->FTop;
  }
}

// ---------------------------------------------------------------- geometry

void TCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  const bool resized = AWidth != FWidth || AHeight != FHeight;
  if (!resized && ALeft == FLeft && ATop == FTop) return;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  PlaceWidget();
  if (!resized) return;
  AlignControls(FControls, FWidth, FHeight);
  Resize();
}

void TCustomControl::AlignControls(const std::vector<TCustomControl*>& AControls, int AWidth,
                                   int AHeight) {
  int left = 0, top = 0, right = AWidth, bottom = AHeight;
  for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TCustomControl* c : AControls) {
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

void TCustomControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (auto* control = dynamic_cast<TCustomControl*>(FParent))
    AlignControls(control->FControls, control->FWidth, control->FHeight);
  else if (auto* form = dynamic_cast<TForm*>(FParent))
    form->SetClientSize(form->GetClientWidth(), form->GetClientHeight());
}

void TCustomControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  if (FWidget) gtk_widget_set_visible(FWidget, Value);
  for (TCustomControl* c : FControls)
    if (c->FWidget) gtk_widget_set_visible(c->FWidget, Value && c->FVisible);
  ShowingChanged();
}

void TCustomControl::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  ApplyCursor();
}

void TCustomControl::SetHint(const std::string& Value) {
  FHint = Value;
  if (FWidget)
    gtk_widget_set_tooltip_text(FWidget, FShowHint && !FHint.empty() ? FHint.c_str() : nullptr);
}

void TCustomControl::SetShowHint(bool Value) {
  FShowHint = Value;
  SetHint(FHint);
}

// ---------------------------------------------------------------- widget

GtkWidget* TCustomControl::Handle() {
  if (FWidget) return FWidget;
  TForm* form = GetParentForm();
  if (!form || !form->HandleAllocated()) return nullptr;
  GtkWidget* area = form->ControlArea();
  FWidget = gtk_drawing_area_new();
  // Shown with the form only when Visible.
  gtk_widget_set_no_show_all(FWidget, TRUE);
  if (!WantsOwnWindow()) gtk_widget_set_has_window(FWidget, FALSE);
  int x, y;
  ClientOrigin(x, y);
  gtk_widget_set_size_request(FWidget, FWidth, FHeight);
  gtk_fixed_put(GTK_FIXED(area), FWidget, x, y);
  g_signal_connect(FWidget, "draw", G_CALLBACK(OnDraw), this);
  g_signal_connect(FWidget, "realize", G_CALLBACK(+[](GtkWidget*, void* self) {
                     static_cast<TCustomControl*>(self)->ApplyCursor();
                   }),
                   this);
  g_signal_connect(FWidget, "destroy", G_CALLBACK(+[](GtkWidget*, void* self) {
                     // The form's window went first: the control outlives it.
                     auto* control = static_cast<TCustomControl*>(self);
                     control->DestroyHandle();
                     control->FWidget = nullptr;
                   }),
                   this);
  SetHint(FHint);
  gtk_widget_set_visible(FWidget, FVisible);
  CreateHandle();
  for (TCustomControl* c : FControls) c->Handle();
  return FWidget;
}

void TCustomControl::CreateHandle() {}

void TCustomControl::DestroyHandle() {}

void TCustomControl::FreeHandle() {
  for (TCustomControl* c : FControls) c->FreeHandle();
  if (!FWidget) return;
  GtkWidget* widget = FWidget;
  g_signal_handlers_disconnect_by_data(widget, this);
  DestroyHandle();
  FWidget = nullptr;
  gtk_widget_destroy(widget);
}

void TCustomControl::PlaceWidget() {
  if (FWidget) {
    int x, y;
    ClientOrigin(x, y);
    gtk_widget_set_size_request(FWidget, FWidth, FHeight);
    if (GtkWidget* area = gtk_widget_get_parent(FWidget))
      gtk_fixed_move(GTK_FIXED(area), FWidget, x, y);
  }
  for (TCustomControl* c : FControls) c->PlaceWidget();
}

void TCustomControl::Invalidate() {
  if (FWidget) gtk_widget_queue_draw(FWidget);
}

void TCustomControl::ApplyCursor() {
  if (!FWidget || !gtk_widget_get_realized(FWidget) || !gtk_widget_get_has_window(FWidget)) return;
  GdkWindow* window = gtk_widget_get_window(FWidget);
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
