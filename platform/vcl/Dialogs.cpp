#include "platform/vcl/Dialogs.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <vector>

#include "platform/vcl/Forms.h"

std::function<int(const TMessageBoxRequest& request)> MessageBoxHook;
std::function<bool(TFileDialog& dialog)> FileDialogHook;

namespace {

int ButtonBits(int flags) { return flags & 0x0F; }
int IconBits(int flags) { return flags & 0xF0; }

// The answer of a box closed without a button.
int CloseAnswer(int flags) {
  switch (ButtonBits(flags)) {
    case MB_YESNO:
      return IDNO;
    case MB_OK:
      return IDOK;
    default:
      return IDCANCEL;
  }
}

GtkMessageType MessageType(int flags) {
  switch (IconBits(flags)) {
    case MB_ICONERROR:
      return GTK_MESSAGE_ERROR;
    case MB_ICONQUESTION:
      return GTK_MESSAGE_QUESTION;
    case MB_ICONWARNING:
      return GTK_MESSAGE_WARNING;
    case MB_ICONINFORMATION:
      return GTK_MESSAGE_INFO;
    default:
      return GTK_MESSAGE_OTHER;
  }
}

void AddButtons(GtkWidget* dialog, int flags) {
  const int buttons = ButtonBits(flags);
  if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) {
    gtk_dialog_add_button(GTK_DIALOG(dialog), "_Yes", IDYES);
    gtk_dialog_add_button(GTK_DIALOG(dialog), "_No", IDNO);
  } else {
    gtk_dialog_add_button(GTK_DIALOG(dialog), "_OK", IDOK);
  }
  if (buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL)
    gtk_dialog_add_button(GTK_DIALOG(dialog), "_Cancel", IDCANCEL);
}

// The window a dialog stays above: the main form when it is shown.
GtkWindow* ParentWindow() {
  TForm* main = Application ? Application->MainForm() : nullptr;
  if (!main || !main->HandleAllocated() || !main->GetVisible()) return nullptr;
  return GTK_WINDOW(main->Handle());
}

bool DisplayReady() {
  if (!Application) return false;
  try {
    Application->Initialize();
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace

int MessageBox(const std::string& text, const std::string& caption, int flags) {
  if (MessageBoxHook) return MessageBoxHook({text, caption, flags});
  if (!DisplayReady()) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return CloseAnswer(flags);
  }
  GtkWidget* dialog = gtk_message_dialog_new(ParentWindow(), GTK_DIALOG_MODAL, MessageType(flags),
                                             GTK_BUTTONS_NONE, "%s", text.c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), caption.c_str());
  AddButtons(dialog, flags);
  const int response = gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
  if (response == IDOK || response == IDYES || response == IDNO || response == IDCANCEL)
    return response;
  return CloseAnswer(flags);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  static const char* const kCaptions[] = {"Warning", "Error", "Information", "Confirm", ""};
  static const int kIcons[] = {MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION,
                               0};
  int flags = kIcons[type];
  if ((buttons & mbYes) && (buttons & mbCancel))
    flags |= MB_YESNOCANCEL;
  else if (buttons & mbYes)
    flags |= MB_YESNO;
  else if (buttons & mbCancel)
    flags |= MB_OKCANCEL;
  std::string caption = kCaptions[type];
  if (caption.empty() && Application) caption = Application->GetTitle();
  return MessageBox(text, caption, flags);
}

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// Adds one GTK filter per "name|patterns" pair; returns them in order.
std::vector<GtkFileFilter*> AddFilters(GtkWidget* chooser, const std::string& filter) {
  std::vector<GtkFileFilter*> filters;
  if (filter.empty()) return filters;
  const auto parts = Split(filter, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    GtkFileFilter* f = gtk_file_filter_new();
    gtk_file_filter_set_name(f, parts[i].c_str());
    for (const std::string& pattern : Split(parts[i + 1], ';'))
      if (!pattern.empty()) gtk_file_filter_add_pattern(f, pattern.c_str());
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(chooser), f);
    filters.push_back(f);
  }
  return filters;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool TFileDialog::Execute() {
  bool chosen;
  if (FileDialogHook)
    chosen = FileDialogHook(*this);
  else if (DisplayReady())
    chosen = RunGtkDialog();
  else
    chosen = false;
  if (chosen) ApplyDefaultExt();
  return chosen;
}

void TFileDialog::ApplyDefaultExt() {
  if (FDefaultExt.empty() || FFileName.empty()) return;
  if (BaseName(FFileName).find('.') != std::string::npos) return;
  const std::string ext = FDefaultExt[0] == '.' ? FDefaultExt.substr(1) : FDefaultExt;
  if (!ext.empty()) FFileName += "." + ext;
}

bool TFileDialog::RunGtkDialog() {
  const bool save = FKind == fdSave;
  std::string title = FTitle;
  if (title.empty()) title = save ? "Save As" : "Open";
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      title.c_str(), ParentWindow(),
      save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel",
      GTK_RESPONSE_CANCEL, save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  const auto filters = AddFilters(dialog, FFilter);
  if (FFilterIndex >= 1 && FFilterIndex <= static_cast<int>(filters.size()))
    gtk_file_chooser_set_filter(chooser, filters[FFilterIndex - 1]);
  if (!FInitialDir.empty()) gtk_file_chooser_set_current_folder(chooser, FInitialDir.c_str());
  if (save && !FFileName.empty()) {
    if (FFileName.find('/') != std::string::npos)
      gtk_file_chooser_set_filename(chooser, FFileName.c_str());
    gtk_file_chooser_set_current_name(chooser, BaseName(FFileName).c_str());
  } else if (!FFileName.empty() && FFileName.find('/') != std::string::npos) {
    gtk_file_chooser_set_filename(chooser, FFileName.c_str());
  }
  const bool accepted = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT;
  if (accepted) {
    gchar* name = gtk_file_chooser_get_filename(chooser);
    if (name) FFileName = name;
    g_free(name);
    GtkFileFilter* chosenFilter = gtk_file_chooser_get_filter(chooser);
    for (size_t i = 0; i < filters.size(); ++i)
      if (filters[i] == chosenFilter) FFilterIndex = static_cast<int>(i) + 1;
  }
  gtk_widget_destroy(dialog);
  return accepted;
}

// ---------------------------------------------------------------- colour dialog

std::function<bool(TColorDialog& dialog)> ColorDialogHook;

bool TColorDialog::Execute() {
  if (ColorDialogHook) return ColorDialogHook(*this);
  return DisplayReady() && RunGtkDialog();
}

bool TColorDialog::RunGtkDialog() {
  GtkWidget* dialog = gtk_color_chooser_dialog_new("Color", ParentWindow());
  gtk_color_chooser_set_use_alpha(GTK_COLOR_CHOOSER(dialog), FALSE);
  GdkRGBA rgba{(FColor & 0xFF) / 255.0, ((FColor >> 8) & 0xFF) / 255.0,
               ((FColor >> 16) & 0xFF) / 255.0, 1.0};
  gtk_color_chooser_set_rgba(GTK_COLOR_CHOOSER(dialog), &rgba);
  const bool accepted = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
  if (accepted) {
    gtk_color_chooser_get_rgba(GTK_COLOR_CHOOSER(dialog), &rgba);
    auto channel = [](double v) { return int32_t(v * 255.0 + 0.5) & 0xFF; };
    FColor = channel(rgba.red) | channel(rgba.green) << 8 | channel(rgba.blue) << 16;
  }
  gtk_widget_destroy(dialog);
  return accepted;
}

// ---------------------------------------------------------------- input query

std::function<bool(const std::string& caption, const std::string& prompt, std::string& value)>
    InputQueryHook;

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  if (InputQueryHook) return InputQueryHook(caption, prompt, value);
  if (!DisplayReady()) return false;
  GtkWidget* dialog =
      gtk_dialog_new_with_buttons(caption.c_str(), ParentWindow(), GTK_DIALOG_MODAL, "_Cancel",
                                  GTK_RESPONSE_CANCEL, "_OK", GTK_RESPONSE_OK, nullptr);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
  GtkWidget* area = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
  GtkWidget* label = gtk_label_new(prompt.c_str());
  gtk_widget_set_halign(label, GTK_ALIGN_START);
  GtkWidget* entry = gtk_entry_new();
  gtk_entry_set_text(GTK_ENTRY(entry), value.c_str());
  gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
  gtk_container_set_border_width(GTK_CONTAINER(area), 8);
  gtk_box_pack_start(GTK_BOX(area), label, FALSE, FALSE, 4);
  gtk_box_pack_start(GTK_BOX(area), entry, FALSE, FALSE, 4);
  gtk_widget_show_all(dialog);
  const bool accepted = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
  if (accepted) value = gtk_entry_get_text(GTK_ENTRY(entry));
  gtk_widget_destroy(dialog);
  return accepted;
}

// ---------------------------------------------------------------- font dialog

std::function<bool(TFontDialog& dialog)> FontDialogHook;

bool TFontDialog::Execute() {
  if (FontDialogHook) return FontDialogHook(*this);
  return DisplayReady() && RunGtkDialog();
}

bool TFontDialog::RunGtkDialog() {
  GtkWidget* dialog = gtk_font_chooser_dialog_new("Font", ParentWindow());
  PangoFontDescription* start = pango_font_description_new();
  pango_font_description_set_family(start, FFamily.c_str());
  pango_font_description_set_size(start, int(FSize * PANGO_SCALE));
  pango_font_description_set_weight(start, FBold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(start, FItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  gtk_font_chooser_set_font_desc(GTK_FONT_CHOOSER(dialog), start);
  pango_font_description_free(start);
  const bool accepted = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
  if (accepted) {
    PangoFontDescription* chosen = gtk_font_chooser_get_font_desc(GTK_FONT_CHOOSER(dialog));
    if (chosen) {
      if (const char* family = pango_font_description_get_family(chosen)) FFamily = family;
      const int size = pango_font_description_get_size(chosen);
      if (size > 0) FSize = double(size) / PANGO_SCALE;
      FBold = pango_font_description_get_weight(chosen) >= PANGO_WEIGHT_BOLD;
      FItalic = pango_font_description_get_style(chosen) != PANGO_STYLE_NORMAL;
      pango_font_description_free(chosen);
    }
  }
  gtk_widget_destroy(dialog);
  return accepted;
}
