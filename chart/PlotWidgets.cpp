#include "chart/PlotWidgets.h"

#include <gtk/gtk.h>

#include "platform/rtl/RttiDecl.h"

namespace {

// A style context for a check or radio button of the current theme.
GtkStyleContext* ButtonStyle(bool CheckBox) {
  GtkWidgetPath* path = gtk_widget_path_new();
  gtk_widget_path_append_type(path, CheckBox ? GTK_TYPE_CHECK_BUTTON : GTK_TYPE_RADIO_BUTTON);
  gtk_widget_path_iter_set_object_name(path, -1, CheckBox ? "checkbutton" : "radiobutton");
  gtk_widget_path_append_type(path, CheckBox ? GTK_TYPE_CHECK_BUTTON : GTK_TYPE_RADIO_BUTTON);
  gtk_widget_path_iter_set_object_name(path, -1, CheckBox ? "check" : "radio");
  GtkStyleContext* style = gtk_style_context_new();
  gtk_style_context_set_path(style, path);
  gtk_widget_path_unref(path);
  return style;
}

}  // namespace

void PlotDrawCheckBox(int X, int Y, TCanvas* Canvas, bool Checked, TColor, bool CheckBox) {
  // The theme needs the window system; without it there is nothing to draw with.
  if (!Canvas || !gdk_screen_get_default()) return;
  const int size = 13;
  gdi::SetTextAlign(Canvas->GetHandle(), 0);
  // The theme draws onto a copy of the square, which then goes back.
  TBitmap square;
  square.SetPixelFormat(pf32bit);
  square.SetSize(size, size);
  gdi::BitBlt(square.GetCanvas()->GetHandle(), 0, 0, size, size, Canvas->GetHandle(), X, Y,
              gdi::SRCCOPY);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int row = 0; row < size; row++) {
    uint8_t* px = square.GetScanLine(row);
    for (int col = 0; col < size; col++) {
      px[4 * col + 3] = 255;
      std::copy(px + 4 * col, px + 4 * col + 4, data + row * stride + 4 * col);
    }
  }
  cairo_surface_mark_dirty(surface);
  cairo_t* cr = cairo_create(surface);
  GtkStyleContext* style = ButtonStyle(CheckBox);
  gtk_style_context_set_state(style, Checked ? GTK_STATE_FLAG_CHECKED : GTK_STATE_FLAG_NORMAL);
  gtk_render_background(style, cr, 0, 0, size, size);
  gtk_render_frame(style, cr, 0, 0, size, size);
  if (CheckBox)
    gtk_render_check(style, cr, 0, 0, size, size);
  else
    gtk_render_option(style, cr, 0, 0, size, size);
  g_object_unref(style);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  for (int row = 0; row < size; row++) {
    uint8_t* px = square.GetScanLine(row);
    for (int col = 0; col < size; col++) {
      std::copy(data + row * stride + 4 * col, data + row * stride + 4 * col + 4, px + 4 * col);
      px[4 * col + 3] = 255;
    }
  }
  cairo_surface_destroy(surface);
  gdi::BitBlt(Canvas->GetHandle(), X, Y, size, size, square.GetCanvas()->GetHandle(), 0, 0,
              gdi::SRCCOPY);
}

const TClassInfo* TWhitePen::Class() {
  static const TClassInfo* info =
      TClassDecl<TWhitePen>("TWhitePen", TPlotPen::Class())
          .Prop("Color", &TWhitePen::GetColor, &TWhitePen::SetColor)
          .Default(clWhite);
  return info;
}

TWhitePen::TWhitePen(TNotifyEvent OnChangeEvent) : TPlotPen(std::move(OnChangeEvent)) {
  InitColor(clWhite);
}

void PlotActivateGroup() {}

const TClassInfo* PlotGetClass(const std::string& ClassName) {
  PlotActivateGroup();
  return GetClass(ClassName);
}

void ObjectToTag(TObject*) {}
