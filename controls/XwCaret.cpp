#include "controls/XwCaret.h"

#include <gtk/gtk.h>

#include "controls/XwComponentBase.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/StdCtrls.h"
#include "scene/zr_stream.h"

const TClassInfo* TXwCaret::Class() {
  using T = TXwCaret;
  static const TClassInfo* info = TClassDecl<T>("TXwCaret", TPersistent::Class())
                                      .Prop("Width", &T::GetWidth, &T::SetWidth)
                                      .Default(0)
                                      .Prop("Height", &T::GetHeight, &T::SetHeight)
                                      .Default(0)
                                      .Prop("Gray", &T::GetGray, &T::SetGray)
                                      .Default(0);
  return info;
}

TXwCaret::TXwCaret(TWinControl* AOwner) : FCaretOwner(AOwner) {
  if (AOwner == nullptr)
    throw EXWException(Format("%s: cannot be created without a valid Owner", {ClassName()}));
}

TXwCaret::~TXwCaret() { DestroyCaret(); }

void TXwCaret::Changed() {
  if (FUpdateCount > 0) {
    FModified = true;
    return;
  }
  FModified = false;
  if (FOnChanged) FOnChanged(this);
}

void TXwCaret::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FModified) Changed();
}

void TXwCaret::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TXwCaret*>(Source);
  if (other == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  BeginUpdate();
  SetBitmap(&other->FBitmap);
  SetWidth(other->FWidth);
  SetHeight(other->FHeight);
  SetGray(other->FGray);
  EndUpdate();
}

void TXwCaret::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      "CaretBitmap", [this](TStream* s) { FBitmap.LoadFromStream(*s); },
      [this](TStream* s) { FBitmap.SaveToStream(*s); }, FBitmap.GetWidth() > 0);
}

void TXwCaret::SetBitmap(TBitmap* value) {
  FBitmap.Assign(value);
  FWidth = 0;
  FHeight = 0;
  FGray = false;
  Changed();
}

void TXwCaret::SetWidth(int value) {
  if (value == FWidth) return;
  FWidth = value;
  Changed();
}

void TXwCaret::SetHeight(int value) {
  if (value == FHeight) return;
  FHeight = value;
  Changed();
}

void TXwCaret::SetGray(bool value) {
  if (value == FGray) return;
  FGray = value;
  Changed();
}

bool TXwCaret::IsDefault() const {
  return FWidth == 0 && FHeight == 0 && !FGray && FBitmap.GetWidth() == 0;
}

bool TXwCaret::IsBitmapCaret() const {
  return FWidth == 0 && FHeight == 0 && !FGray && FBitmap.GetWidth() > 0;
}

GtkWidget* TXwCaret::View() const {
  auto* memo = dynamic_cast<TCustomMemo*>(FCaretOwner);
  if (memo == nullptr || !memo->HandleAllocated()) return nullptr;
  return memo->TextView();
}

void TXwCaret::CreateCaret() {
  GtkWidget* view = View();
  if (view == nullptr || !FCaretOwner->Focused()) return;
  if ((FCaretOwner->GetComponentState() & csDesigning) || IsDefault()) return;
  if (FDrawHandler == 0)
    FDrawHandler = g_signal_connect_after(view, "draw", G_CALLBACK(OnDraw), this);
  gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(view), FALSE);
  FCaretCreated = true;
  FShown = true;
  gtk_widget_queue_draw(view);
}

void TXwCaret::DestroyCaret() {
  if (!FCaretCreated) return;
  FCaretCreated = false;
  GtkWidget* view = View();
  if (view == nullptr) return;
  if (FDrawHandler != 0) g_signal_handler_disconnect(view, FDrawHandler);
  FDrawHandler = 0;
  gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(view), FShown);
  gtk_widget_queue_draw(view);
}

void TXwCaret::ShowCaret(bool visible) {
  FShown = visible;
  GtkWidget* view = View();
  if (view == nullptr) return;
  if (!FCaretCreated) gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(view), visible);
  gtk_widget_queue_draw(view);
}

int TXwCaret::OnDraw(GtkWidget* widget, cairo_t* cr, void* self) {
  static_cast<TXwCaret*>(self)->Paint(widget, cr);
  return FALSE;
}

void TXwCaret::Paint(GtkWidget* widget, cairo_t* cr) {
  if (!FCaretCreated || !FShown) return;
  GtkTextView* view = GTK_TEXT_VIEW(widget);
  GdkRectangle strong;
  gtk_text_view_get_cursor_locations(view, nullptr, &strong, nullptr);
  int x = 0, y = 0;
  gtk_text_view_buffer_to_window_coords(view, GTK_TEXT_WINDOW_WIDGET, strong.x, strong.y, &x, &y);
  cairo_save(cr);
  if (IsBitmapCaret()) {
    const int w = FBitmap.GetWidth(), h = FBitmap.GetHeight();
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_flush(image);
    for (int row = 0; row < h; ++row)
      std::copy_n(
          FBitmap.GetScanLine(row), size_t(w) * 4,
          cairo_image_surface_get_data(image) + row * cairo_image_surface_get_stride(image));
    cairo_surface_mark_dirty(image);
    cairo_set_source_surface(cr, image, x, y);
    cairo_paint(cr);
    cairo_surface_destroy(image);
  } else {
    const int w = FWidth > 0 ? FWidth : 1;
    const int h = FHeight > 0 ? FHeight : strong.height;
    cairo_set_source_rgba(cr, 0, 0, 0, FGray ? 0.5 : 1.0);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}
