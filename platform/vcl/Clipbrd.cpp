#include "platform/vcl/Clipbrd.h"

#include <gtk/gtk.h>

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Graphics.h"

namespace {

// The CLIPBOARD selection of the default display, or nil without a display.
GtkClipboard* SystemClipboard() {
  GdkDisplay* display = gdk_display_get_default();
  if (!display) return nullptr;
  return gtk_clipboard_get_for_display(display, GDK_SELECTION_CLIPBOARD);
}

// GTK asks for the data of one of the offered targets.
void GiveText(GtkClipboard*, GtkSelectionData* Data, guint, gpointer Owner) {
  gtk_selection_data_set_text(Data, static_cast<const gchar*>(Owner), -1);
}

// The clipboard was taken over or cleared: the text is no longer offered.
void DropText(GtkClipboard*, gpointer Owner) { g_free(Owner); }

}  // namespace

bool TClipboard::HasText() {
  GtkClipboard* clipboard = SystemClipboard();
  return clipboard && gtk_clipboard_wait_is_text_available(clipboard);
}

std::u16string TClipboard::GetAsText() {
  GtkClipboard* clipboard = SystemClipboard();
  if (!clipboard) return {};
  gchar* text = gtk_clipboard_wait_for_text(clipboard);
  if (!text) return {};
  gunichar2* wide = g_utf8_to_utf16(text, -1, nullptr, nullptr, nullptr);
  g_free(text);
  if (!wide) return {};
  std::u16string result(reinterpret_cast<const char16_t*>(wide));
  g_free(wide);
  return result;
}

void TClipboard::SetAsText(const std::u16string& Text) {
  GtkClipboard* clipboard = SystemClipboard();
  if (!clipboard) throw EClipboardException("Cannot open the clipboard: there is no display");
  GError* error = nullptr;
  gchar* utf8 = g_utf16_to_utf8(reinterpret_cast<const gunichar2*>(Text.data()), glong(Text.size()),
                                nullptr, nullptr, &error);
  if (!utf8) {
    const std::string reason = error ? error->message : "invalid text";
    g_clear_error(&error);
    throw EClipboardException("Cannot copy the text to the clipboard: " + reason);
  }
  GtkTargetList* list = gtk_target_list_new(nullptr, 0);
  gtk_target_list_add_text_targets(list, 0);
  gint count = 0;
  GtkTargetEntry* targets = gtk_target_table_new_from_list(list, &count);
  gtk_target_list_unref(list);
  const gboolean taken =
      gtk_clipboard_set_with_data(clipboard, targets, guint(count), GiveText, DropText, utf8);
  gtk_target_table_free(targets, count);
  if (taken) return;
  g_free(utf8);
  throw EClipboardException("Cannot copy the text to the clipboard: the clipboard refused it");
}

void TClipboard::SetAsBitmap(TBitmap* Bitmap) {
  GtkClipboard* clipboard = SystemClipboard();
  if (!clipboard) throw EClipboardException("Cannot open the clipboard: there is no display");
  const int w = Bitmap->GetWidth();
  const int h = Bitmap->GetHeight();
  if (w < 1 || h < 1) throw EClipboardException("Cannot copy an empty picture to the clipboard");
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, w, h);
  guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  TCanvas* canvas = Bitmap->GetCanvas();
  for (int y = 0; y < h; ++y) {
    guchar* row = pixels + y * stride;
    for (int x = 0; x < w; ++x) {
      const gdi::COLORREF c = ColorToRGB(canvas->GetPixels(x, y));
      row[x * 3] = guchar(c & 0xFF);
      row[x * 3 + 1] = guchar((c >> 8) & 0xFF);
      row[x * 3 + 2] = guchar((c >> 16) & 0xFF);
    }
  }
  gtk_clipboard_set_image(clipboard, pixbuf);
  g_object_unref(pixbuf);
}

bool TClipboard::HasPicture() {
  GtkClipboard* clipboard = SystemClipboard();
  return clipboard && gtk_clipboard_wait_is_image_available(clipboard);
}

bool TClipboard::GetAsBitmap(TBitmap* Bitmap) {
  GtkClipboard* clipboard = SystemClipboard();
  if (!clipboard) return false;
  GdkPixbuf* pixbuf = gtk_clipboard_wait_for_image(clipboard);
  if (!pixbuf) return false;
  const int w = gdk_pixbuf_get_width(pixbuf);
  const int h = gdk_pixbuf_get_height(pixbuf);
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
  Bitmap->SetPixelFormat(pf32bit);
  Bitmap->SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    const guchar* in = pixels + y * stride;
    uint8_t* out = Bitmap->GetScanLine(y);
    for (int x = 0; x < w; ++x, in += channels, out += 4) {
      const int a = alpha ? in[3] : 255;
      // Blue, green, red, alpha; colours premultiplied by the alpha.
      out[0] = uint8_t(in[2] * a / 255);
      out[1] = uint8_t(in[1] * a / 255);
      out[2] = uint8_t(in[0] * a / 255);
      out[3] = uint8_t(a);
    }
  }
  g_object_unref(pixbuf);
  return true;
}

namespace {
constexpr const char* kSvgTarget = "image/svg+xml";

void GiveSvg(GtkClipboard*, GtkSelectionData* selection, guint, gpointer data) {
  const auto* svg = static_cast<const std::string*>(data);
  gtk_selection_data_set(selection, gdk_atom_intern_static_string(kSvgTarget), 8,
                         reinterpret_cast<const guchar*>(svg->data()), int(svg->size()));
}

void DropSvg(GtkClipboard*, gpointer data) { delete static_cast<std::string*>(data); }
}  // namespace

void TClipboard::SetAsSvg(const std::string& Data) {
  GtkClipboard* clipboard = SystemClipboard();
  if (!clipboard) throw EClipboardException("Cannot open the clipboard: there is no display");
  if (Data.empty()) throw EClipboardException("Cannot copy an empty picture to the clipboard");
  GtkTargetEntry target{const_cast<gchar*>(kSvgTarget), 0, 0};
  auto* copy = new std::string(Data);
  if (!gtk_clipboard_set_with_data(clipboard, &target, 1, GiveSvg, DropSvg, copy)) {
    delete copy;
    throw EClipboardException("Cannot put the picture on the clipboard");
  }
}

std::string TClipboard::GetAsSvg() {
  GtkClipboard* clipboard = SystemClipboard();
  if (!clipboard) return std::string();
  GtkSelectionData* data =
      gtk_clipboard_wait_for_contents(clipboard, gdk_atom_intern_static_string(kSvgTarget));
  if (!data) return std::string();
  std::string out;
  const guchar* bytes = gtk_selection_data_get_data(data);
  const int length = gtk_selection_data_get_length(data);
  if (bytes && length > 0) out.assign(reinterpret_cast<const char*>(bytes), size_t(length));
  gtk_selection_data_free(data);
  return out;
}

void TClipboard::Clear() {
  if (GtkClipboard* clipboard = SystemClipboard()) gtk_clipboard_clear(clipboard);
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
