#include "files/frmUpdate.h"

#include <gtk/gtk.h>

#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"

std::function<int(TfrmUpdate& dialog)> TfrmUpdate::ModalHandler;

namespace {

template <class T>
T* NewControl(TComponent* owner, const char* name) {
  T* control = new T(owner);
  control->SetName(name);
  return control;
}

// The built-in picture: a blue panel with a white arrow into a tray.
gboolean DrawBuiltInPicture(GtkWidget* widget, cairo_t* cr, gpointer) {
  const double w = gtk_widget_get_allocated_width(widget);
  const double h = gtk_widget_get_allocated_height(widget);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(fill, 0, 0.22, 0.52, 0.86);
  cairo_pattern_add_color_stop_rgb(fill, 1, 0.05, 0.20, 0.45);
  cairo_set_source(cr, fill);
  cairo_paint(cr);
  cairo_pattern_destroy(fill);
  const double cx = w / 2, top = h * 0.28, size = w * 0.36;
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, cx - size * 0.16, top, size * 0.32, size * 0.7);
  cairo_fill(cr);
  cairo_move_to(cr, cx - size * 0.45, top + size * 0.6);
  cairo_line_to(cr, cx + size * 0.45, top + size * 0.6);
  cairo_line_to(cr, cx, top + size * 1.15);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_set_line_width(cr, size * 0.12);
  cairo_move_to(cr, cx - size * 0.7, top + size * 1.05);
  cairo_line_to(cr, cx - size * 0.7, top + size * 1.4);
  cairo_line_to(cr, cx + size * 0.7, top + size * 1.4);
  cairo_line_to(cr, cx + size * 0.7, top + size * 1.05);
  cairo_stroke(cr);
  return TRUE;
}

GtkWidget* PlaceAt(GtkWidget* fixed, GtkWidget* widget, int x, int y, int w, int h) {
  gtk_widget_set_size_request(widget, w, h);
  gtk_fixed_put(GTK_FIXED(fixed), widget, x, y);
  return widget;
}

}  // namespace

TfrmUpdate::TfrmUpdate(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmUpdate");
  SetCaption("更新信息");
  SetClientSize(493, 408);
  SetBorderStyle(bsDialog);
  Image1 = NewControl<TzrControl>(this, "Image1");
  Label1 = NewControl<TzrLabel>(this, "Label1");
  Label1->SetText(u"The Wizard has found the following updates for Application");
  ProgressBar1 = NewControl<TzrProgressBar>(this, "ProgressBar1");
  ProgressBar1->SetVisible(false);
  ProgressBar1->SetMax(100);
  btnInstall = NewControl<TzrButton>(this, "btnInstall");
  btnInstall->SetText(u"下载");
  btnInstall->OnClick = [this](TObject* s) { btnInstallClick(s); };
  btnCancel = NewControl<TzrButton>(this, "btnCancel");
  btnCancel->SetText(u"取消");
  btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
  XwMemo1 = NewControl<TzrMemo>(this, "XwMemo1");
  IdHTTP1 = NewControl<TIdHTTP>(this, "IdHTTP1");
  IdHTTP1->SetAccept("text/html, */*");
  IdHTTP2 = NewControl<TIdHTTP>(this, "IdHTTP2");
  IdHTTP2->SetAccept("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
  // Both kinds of download move the bar.
  IdHTTP1->OnWork = [this](TObject* s, TWorkMode m, int64_t n) { IdHTTP1Work(s, m, n); };
  IdHTTP2->OnWork = [this](TObject* s, TWorkMode m, int64_t n) { IdHTTP2Work(s, m, n); };
}

TfrmUpdate::~TfrmUpdate() = default;

void TfrmUpdate::btnCancelClick(TObject*) {
  FCancelled = true;
  SetModalResult(mrCancel);
  Close();
}

void TfrmUpdate::IdHTTP2Work(TObject*, TWorkMode, int64_t count) {
  ProgressBar1->SetValue(static_cast<float>(FProgressBase + count));
  Repaint();
  ProcessMessages();
}

void TfrmUpdate::IdHTTP1Work(TObject* Sender, TWorkMode mode, int64_t count) {
  IdHTTP2Work(Sender, mode, count);
}

void TfrmUpdate::LoadPicture(const std::string& fileName) {
  FPictureFile = fileName;
  if (!FImageWidget) return;
  GdkPixbuf* picture = gdk_pixbuf_new_from_file_at_scale(fileName.c_str(), 118, 218, TRUE, nullptr);
  if (!picture) return;
  GtkWidget* parent = gtk_widget_get_parent(FImageWidget);
  gtk_widget_destroy(FImageWidget);
  FImageWidget = PlaceAt(parent, gtk_image_new_from_pixbuf(picture), 14, 95, 118, 218);
  g_object_unref(picture);
  gtk_widget_show(FImageWidget);
}

void TfrmUpdate::BuildWidgets() {
  if (FLabelWidget) return;
  Handle();
  CenterOnOwnerForm();
  GtkWidget* fixed = gtk_fixed_new();
  gtk_box_pack_start(GTK_BOX(ClientBox()), fixed, TRUE, TRUE, 0);
  FImageWidget = PlaceAt(fixed, gtk_drawing_area_new(), 14, 95, 118, 218);
  g_signal_connect(FImageWidget, "draw", G_CALLBACK(DrawBuiltInPicture), nullptr);
  FLabelWidget = PlaceAt(fixed, gtk_label_new(""), 143, 21, 333, 48);
  gtk_label_set_line_wrap(GTK_LABEL(FLabelWidget), TRUE);
  gtk_label_set_line_wrap_mode(GTK_LABEL(FLabelWidget), PANGO_WRAP_WORD_CHAR);
  gtk_label_set_max_width_chars(GTK_LABEL(FLabelWidget), 40);
  gtk_label_set_xalign(GTK_LABEL(FLabelWidget), 0);
  GtkWidget* scroll = PlaceAt(fixed, gtk_scrolled_window_new(nullptr, nullptr), 144, 72, 337, 281);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroll), GTK_POLICY_NEVER, GTK_POLICY_ALWAYS);
  gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroll), GTK_SHADOW_IN);
  FMemoWidget = gtk_text_view_new();
  gtk_text_view_set_editable(GTK_TEXT_VIEW(FMemoWidget), FALSE);
  gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(FMemoWidget), FALSE);
  gtk_text_view_set_left_margin(GTK_TEXT_VIEW(FMemoWidget), 4);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(FMemoWidget), GTK_WRAP_WORD_CHAR);
  gtk_container_add(GTK_CONTAINER(scroll), FMemoWidget);
  FBarWidget = PlaceAt(fixed, gtk_progress_bar_new(), 14, 374, 250, 20);
  FInstallWidget = PlaceAt(fixed, gtk_button_new_with_label(""), 290, 373, 80, 22);
  FCancelWidget = PlaceAt(fixed, gtk_button_new_with_label(""), 393, 373, 80, 22);
  g_signal_connect_swapped(FInstallWidget, "clicked",
                           G_CALLBACK(+[](TfrmUpdate* self) { self->btnInstall->Click(); }), this);
  g_signal_connect_swapped(FCancelWidget, "clicked",
                           G_CALLBACK(+[](TfrmUpdate* self) { self->btnCancel->Click(); }), this);
  // Showing the form shows every widget; these follow their controls instead.
  for (GtkWidget* w : {FBarWidget, FInstallWidget, FCancelWidget})
    gtk_widget_set_no_show_all(w, TRUE);
  gtk_widget_show_all(fixed);
  if (!FPictureFile.empty()) LoadPicture(FPictureFile);
}

namespace {

void ShowControl(GtkWidget* widget, const TzrControl& control) {
  gtk_widget_set_visible(widget, control.GetVisible());
  gtk_widget_set_sensitive(widget, control.GetEnabled());
}

}  // namespace

void TfrmUpdate::Repaint() {
  if (!FLabelWidget) return;
  gtk_window_set_title(GTK_WINDOW(Handle()), GetCaption().c_str());
  gtk_label_set_text(GTK_LABEL(FLabelWidget), UTF16ToUTF8(Label1->GetText()).c_str());
  // The memo keeps its scroll place unless its text changed.
  const std::string memo = UTF16ToUTF8(XwMemo1->GetText());
  if (memo != FShownMemo) {
    FShownMemo = memo;
    GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(FMemoWidget));
    gtk_text_buffer_set_text(buffer, memo.c_str(), static_cast<int>(memo.size()));
  }
  const float range = ProgressBar1->GetMax() - ProgressBar1->GetMin();
  const float fraction =
      range > 0 ? (ProgressBar1->GetValue() - ProgressBar1->GetMin()) / range : 0;
  gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(FBarWidget), fraction);
  ShowControl(FBarWidget, *ProgressBar1);
  gtk_button_set_label(GTK_BUTTON(FInstallWidget), UTF16ToUTF8(btnInstall->GetText()).c_str());
  gtk_button_set_label(GTK_BUTTON(FCancelWidget), UTF16ToUTF8(btnCancel->GetText()).c_str());
  ShowControl(FInstallWidget, *btnInstall);
  ShowControl(FCancelWidget, *btnCancel);
}

int TfrmUpdate::ShowModal() {
  if (ModalHandler) return ModalHandler(*this);
  BuildWidgets();
  Repaint();
  return TForm::ShowModal();
}
