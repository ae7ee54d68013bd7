#include "platform/vcl/DialogControls.h"

#include <gtk/gtk.h>

#include <cstdlib>

#include "platform/vcl/Forms.h"

namespace {

void HandleCallbackException() {
  if (Application != nullptr) Application->HandleException(nullptr);
}

// The control's Visible decides, whatever a show of the whole window does.
void SyncVisible(TWinControl* control) {
  if (!control->HandleAllocated()) return;
  gtk_widget_set_no_show_all(control->Handle(), TRUE);
  gtk_widget_set_visible(control->Handle(), control->GetVisible());
}

std::string CssColor(TColor color) {
  const gdi::COLORREF rgb = ColorToRGB(color);
  char text[8];
  snprintf(text, sizeof text, "#%02X%02X%02X", unsigned(rgb & 0xFF), unsigned((rgb >> 8) & 0xFF),
           unsigned((rgb >> 16) & 0xFF));
  return text;
}

}  // namespace

std::string MnemonicText(const std::string& caption) {
  std::string text;
  for (size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c == '_') {
      text += "__";
    } else if (c == '&' && i + 1 < caption.size() && caption[i + 1] == '&') {
      text += '&';
      ++i;
    } else if (c == '&') {
      text += '_';
    } else {
      text += c;
    }
  }
  return text;
}

void CreateControlWidgets(TWinControl* control) {
  control->Handle();
  // GTK shows every new widget.
  SyncVisible(control);
  for (int i = 0; i < control->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(control->GetControl(i)))
      CreateControlWidgets(child);
}

namespace {

struct TDialogKeys {
  TButton* Cancel;
};

int OnDialogKey(GtkWidget*, GdkEventKey* event, void* data) {
  TButton* cancel = static_cast<TDialogKeys*>(data)->Cancel;
  if (event->keyval != GDK_KEY_Escape || cancel == nullptr || !cancel->GetVisible()) return FALSE;
  try {
    cancel->Click();
  } catch (...) {
    HandleCallbackException();
  }
  return TRUE;
}

}  // namespace

void WireDialogKeys(GtkWidget* window, TButton* defaultButton, TButton* cancelButton) {
  if (defaultButton != nullptr) {
    gtk_widget_set_can_default(defaultButton->Handle(), TRUE);
    gtk_window_set_default(GTK_WINDOW(window), defaultButton->Handle());
  }
  g_signal_connect_data(window, "key-press-event", G_CALLBACK(OnDialogKey),
                        new TDialogKeys{cancelButton},
                        [](gpointer data, GClosure*) { delete static_cast<TDialogKeys*>(data); },
                        GConnectFlags(0));
}

// ---------------- TLabel ----------------

GtkWidget* TLabel::CreateWidget() {
  GtkWidget* box = gtk_event_box_new();
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(box), FALSE);
  FLabel = gtk_label_new(nullptr);
  gtk_label_set_xalign(GTK_LABEL(FLabel), 0);
  gtk_label_set_yalign(GTK_LABEL(FLabel), 0);
  gtk_label_set_line_wrap(GTK_LABEL(FLabel), FWordWrap);
  gtk_label_set_max_width_chars(GTK_LABEL(FLabel), FWordWrap ? 1 : -1);
  gtk_container_add(GTK_CONTAINER(box), FLabel);
  gtk_widget_add_events(box, GDK_BUTTON_PRESS_MASK);
  g_signal_connect(box, "button-press-event", G_CALLBACK(OnPress), this);
  g_signal_connect(box, "realize", G_CALLBACK(OnRealize), this);
  ApplyText();
  return box;
}

// The caption with the font's weight, slant, underline and colour.
void TLabel::ApplyText() {
  if (FLabel == nullptr) return;
  TFont* font = GetFont();
  const TFontStyles style = font->GetStyle();
  gchar* escaped = g_markup_escape_text(MnemonicText(GetText()).c_str(), -1);
  const int pixels = std::abs(font->GetHeight());
  gchar* family = g_markup_escape_text(font->GetName().c_str(), -1);
  std::string markup = "<span font=\"" + std::string(family) + " " + std::to_string(pixels) +
                       "px\" foreground=\"" + CssColor(font->GetColor()) + "\"";
  g_free(family);
  if (style & FontStyleBit(fsBold)) markup += " weight=\"bold\"";
  if (style & FontStyleBit(fsItalic)) markup += " style=\"italic\"";
  if (style & FontStyleBit(fsUnderline)) markup += " underline=\"single\"";
  markup += std::string(">") + escaped + "</span>";
  g_free(escaped);
  gtk_label_set_markup_with_mnemonic(GTK_LABEL(FLabel), markup.c_str());
  if (auto* target = FocusControl)
    gtk_label_set_mnemonic_widget(GTK_LABEL(FLabel), target->Handle());
}

void TLabel::OnRealize(GtkWidget* widget, void* self) {
  auto* label = static_cast<TLabel*>(self);
  if (label->Cursor == crDefault) return;
  GdkWindow* window = gtk_widget_get_window(widget);
  // A windowless event box catches input through a window of its own.
  GList* children = gdk_window_get_children(window);
  GdkCursor* cursor = Screen().MakeCursor(label->Cursor, gtk_widget_get_display(widget));
  for (GList* it = children; it != nullptr; it = it->next) {
    gpointer owner = nullptr;
    gdk_window_get_user_data(GDK_WINDOW(it->data), &owner);
    if (owner == widget) gdk_window_set_cursor(GDK_WINDOW(it->data), cursor);
  }
  g_list_free(children);
  if (cursor) g_object_unref(cursor);
}

int TLabel::OnPress(GtkWidget*, void* event, void* self) {
  auto* press = static_cast<GdkEventButton*>(event);
  auto* label = static_cast<TLabel*>(self);
  if (press->button != 1 || press->type != GDK_BUTTON_PRESS || !label->OnClick) return FALSE;
  try {
    label->OnClick(label);
  } catch (...) {
    HandleCallbackException();
  }
  return TRUE;
}

void TLabel::DefaultHandler(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) ApplyText();
  if (message.Msg == CM_VISIBLECHANGED) SyncVisible(this);
  TWinControl::DefaultHandler(message);
}

// ---------------- TButton ----------------

GtkWidget* TButton::CreateWidget() {
  GtkWidget* button = gtk_button_new_with_mnemonic(MnemonicText(GetText()).c_str());
  gtk_widget_set_can_default(button, Default);
  g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), this);
  return button;
}

void TButton::Click() {
  if (OnClick) OnClick(this);
}

void TButton::OnClicked(GtkWidget*, void* self) {
  try {
    static_cast<TButton*>(self)->Click();
  } catch (...) {
    HandleCallbackException();
  }
}

void TButton::DefaultHandler(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED && HandleAllocated())
    gtk_button_set_label(GTK_BUTTON(Handle()), MnemonicText(GetText()).c_str());
  if (message.Msg == CM_VISIBLECHANGED) SyncVisible(this);
  TWinControl::DefaultHandler(message);
}

// ---------------- TPanel ----------------

void TPanel::DefaultHandler(TMessage& message) {
  if (message.Msg == CM_VISIBLECHANGED) SyncVisible(this);
  TWinControl::DefaultHandler(message);
}
