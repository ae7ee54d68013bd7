#include "platform/vcl/StdCtrls.h"

#include <gtk/gtk.h>

#include "platform/vcl/Forms.h"

namespace {
void HandleCallbackException() {
  if (Application != nullptr) Application->HandleException(nullptr);
}
}  // namespace

// ---------------- TCustomEdit ----------------

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FColor = clWindow;
  FParentBackground = false;
}

void TCustomEdit::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (HandleAllocated()) ApplyReadOnly();
}

bool TCustomEdit::Focused() const {
  return HandleAllocated() && gtk_widget_has_focus(const_cast<TCustomEdit*>(this)->SignalWidget());
}

void TCustomEdit::SetFocus() { gtk_widget_grab_focus(SignalWidget() ? SignalWidget() : Handle()); }

void TCustomEdit::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      FErasedByDefault = true;  // GTK draws the background
      message.Result = 1;
      break;
    case WM_CLEAR:
      if (!FReadOnly) DeleteSelection();
      break;
    case WM_UNDO:
    case EM_UNDO:
      // GTK 3's entry and text view keep no undo history.
      message.Result = 0;
      break;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
      break;
    default:
      TWinControl::DefaultHandler(message);
  }
}

void TCustomEdit::PaintWindow(cairo_t* cr) {
  TBitmap buffer;
  buffer.SetPixelFormat(pf32bit);
  buffer.SetSize(FWidth, FHeight);
  FErasedByDefault = false;
  Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(buffer.GetCanvas()->GetHandle()));
  if (!FErasedByDefault) PaintBitmap(cr, &buffer);
}

// ---------------- TCustomMaskEdit ----------------

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FWidth = 121;
  FHeight = 21;
}

GtkWidget* TCustomMaskEdit::CreateWidget() {
  GtkWidget* entry = gtk_entry_new();
  gtk_entry_set_text(GTK_ENTRY(entry), FText.c_str());
  gtk_entry_set_placeholder_text(GTK_ENTRY(entry), FTextHint.c_str());
  gtk_editable_set_editable(GTK_EDITABLE(entry), !FReadOnly);
  g_signal_connect(entry, "changed", G_CALLBACK(OnChanged), this);
  return entry;
}

std::string TCustomMaskEdit::GetText() const {
  if (!HandleAllocated()) return FText;
  return gtk_entry_get_text(GTK_ENTRY(const_cast<TCustomMaskEdit*>(this)->Handle()));
}

void TCustomMaskEdit::SetText(const std::string& value) {
  if (value == GetText()) return;
  FText = value;
  if (HandleAllocated()) {
    FSettingText = true;
    gtk_entry_set_text(GTK_ENTRY(Handle()), value.c_str());
    FSettingText = false;
  }
  Perform(CM_TEXTCHANGED);
}

void TCustomMaskEdit::SetTextHint(const std::string& value) {
  if (value == FTextHint) return;
  FTextHint = value;
  if (HandleAllocated()) gtk_entry_set_placeholder_text(GTK_ENTRY(Handle()), value.c_str());
}

void TCustomMaskEdit::DeleteSelection() {
  gtk_editable_delete_selection(GTK_EDITABLE(Handle()));
}

void TCustomMaskEdit::ApplyReadOnly() {
  gtk_editable_set_editable(GTK_EDITABLE(Handle()), !FReadOnly);
}

void TCustomMaskEdit::OnChanged(GtkWidget* entry, void* self) {
  auto* edit = static_cast<TCustomMaskEdit*>(self);
  edit->FText = gtk_entry_get_text(GTK_ENTRY(entry));
  if (edit->FSettingText) return;
  try {
    edit->Perform(CM_TEXTCHANGED);
  } catch (...) {
    HandleCallbackException();
  }
}

// ---------------- TCustomMemo ----------------

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
  FWidth = 185;
  FHeight = 89;
}

TCustomMemo::~TCustomMemo() {
  if (FView != nullptr) {
    g_signal_handlers_disconnect_by_data(FView, this);
    g_signal_handlers_disconnect_by_data(gtk_text_view_get_buffer(GTK_TEXT_VIEW(FView)), this);
  }
}

GtkWidget* TCustomMemo::CreateWidget() {
  GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
  FView = gtk_text_view_new();
  gtk_container_add(GTK_CONTAINER(scroller), FView);
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(FView));
  gtk_text_buffer_set_text(buffer, FText.c_str(), -1);
  gtk_text_view_set_editable(GTK_TEXT_VIEW(FView), !FReadOnly);
  g_signal_connect(buffer, "changed", G_CALLBACK(OnChanged), this);
  return scroller;
}

std::string TCustomMemo::GetText() const {
  if (FView == nullptr) return FText;
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(FView));
  GtkTextIter start, end;
  gtk_text_buffer_get_bounds(buffer, &start, &end);
  gchar* text = gtk_text_buffer_get_text(buffer, &start, &end, FALSE);
  std::string out = text;
  g_free(text);
  return out;
}

void TCustomMemo::SetText(const std::string& value) {
  if (value == GetText()) return;
  FText = value;
  if (FView != nullptr) {
    FSettingText = true;
    gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(FView)), value.c_str(), -1);
    FSettingText = false;
  }
  Perform(CM_TEXTCHANGED);
}

void TCustomMemo::DeleteSelection() {
  gtk_text_buffer_delete_selection(gtk_text_view_get_buffer(GTK_TEXT_VIEW(TextView())), TRUE,
                                   TRUE);
}

void TCustomMemo::ApplyReadOnly() { gtk_text_view_set_editable(GTK_TEXT_VIEW(TextView()), !FReadOnly); }

void TCustomMemo::OnChanged(void*, void* self) {
  auto* memo = static_cast<TCustomMemo*>(self);
  if (memo->FSettingText) return;
  memo->FText = memo->GetText();
  try {
    memo->Perform(CM_TEXTCHANGED);
  } catch (...) {
    HandleCallbackException();
  }
}
