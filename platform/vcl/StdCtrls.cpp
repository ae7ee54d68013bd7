#include "platform/vcl/StdCtrls.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <vector>

#include "platform/vcl/Forms.h"

namespace {
void HandleCallbackException() {
  if (Application != nullptr) Application->HandleException(nullptr);
}
}  // namespace

// ---------------- TCustomEdit ----------------

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FColor = clWindow;
  FDefaultColor = clWindow;
  FParentBackground = false;
}

void TCustomEdit::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (HandleAllocated()) ApplyReadOnly();
}

void TCustomEdit::SelectAll() {
  SetSelStart(0);
  SetSelLength(int(UTF8ToUTF16(GetText()).size()));
}

void TCustomEdit::TextChangedBy(bool typed) {
  FModified = typed;
  Perform(CM_TEXTCHANGED);
  Change();
}

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
  FEntry = entry;
  gtk_entry_set_text(GTK_ENTRY(entry), FText.c_str());
  gtk_entry_set_placeholder_text(GTK_ENTRY(entry), FTextHint.c_str());
  gtk_editable_set_editable(GTK_EDITABLE(entry), !FReadOnly);
  g_signal_connect(entry, "changed", G_CALLBACK(OnChanged), this);
  return entry;
}

std::string TCustomMaskEdit::GetText() const {
  if (!HandleAllocated()) return FText;
  return gtk_entry_get_text(GTK_ENTRY(const_cast<TCustomMaskEdit*>(this)->Entry()));
}

void TCustomMaskEdit::SetText(const std::string& value) {
  if (value == GetText()) return;
  FText = value;
  if (HandleAllocated()) {
    FSettingText = true;
    gtk_entry_set_text(GTK_ENTRY(Entry()), value.c_str());
    FSettingText = false;
  }
  TextChangedBy(false);
}

void TCustomMaskEdit::SetTextHint(const std::string& value) {
  if (value == FTextHint) return;
  FTextHint = value;
  if (HandleAllocated()) gtk_entry_set_placeholder_text(GTK_ENTRY(Entry()), value.c_str());
}

void TCustomMaskEdit::DeleteSelection() {
  gtk_editable_delete_selection(GTK_EDITABLE(Entry()));
}

int TCustomMaskEdit::GetSelStart() const {
  if (!HandleAllocated()) return 0;
  int start = 0, end = 0;
  GtkEditable* e = GTK_EDITABLE(const_cast<TCustomMaskEdit*>(this)->Entry());
  if (!gtk_editable_get_selection_bounds(e, &start, &end)) return gtk_editable_get_position(e);
  return start;
}

void TCustomMaskEdit::SetSelStart(int value) {
  gtk_editable_set_position(GTK_EDITABLE(Entry()), value);
}

int TCustomMaskEdit::GetSelLength() const {
  if (!HandleAllocated()) return 0;
  int start = 0, end = 0;
  GtkEditable* e = GTK_EDITABLE(const_cast<TCustomMaskEdit*>(this)->Entry());
  gtk_editable_get_selection_bounds(e, &start, &end);
  return end - start;
}

void TCustomMaskEdit::SetSelLength(int value) {
  GtkEditable* e = GTK_EDITABLE(Entry());
  int start = GetSelStart();
  gtk_editable_select_region(e, start, start + value);
}

bool TCustomMaskEdit::NativeChar(char16_t ch) {
  if (ch < 32) return false;
  if (FReadOnly) return true;
  GtkEditable* e = GTK_EDITABLE(Entry());
  const std::string before = GetText();
  FTyping = true;
  gtk_editable_delete_selection(e);
  int position = gtk_editable_get_position(e);
  const std::string text = UTF16ToUTF8(std::u16string(1, ch));
  gtk_editable_insert_text(e, text.c_str(), int(text.size()), &position);
  gtk_editable_set_position(e, position);
  FTyping = false;
  if (GetText() != before) TextChangedBy(true);
  return true;
}

void TCustomMaskEdit::ApplyReadOnly() {
  gtk_editable_set_editable(GTK_EDITABLE(Entry()), !FReadOnly);
}

void TCustomMaskEdit::OnChanged(GtkWidget* entry, void* self) {
  auto* edit = static_cast<TCustomMaskEdit*>(self);
  edit->FText = gtk_entry_get_text(GTK_ENTRY(entry));
  if (edit->FSettingText || edit->FTyping) return;
  try {
    edit->TextChangedBy(true);
  } catch (...) {
    HandleCallbackException();
  }
}

// ---------------- TCustomMemo ----------------

namespace {

// The memo's lines, read from and written to its text.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* memo) : FMemo(memo) {}
  int GetCount() const override { return int(Split().size()); }
  std::string Get(int index) const override {
    std::vector<std::string> lines = Split();
    if (index < 0 || index >= int(lines.size())) throw EListError("List index out of bounds");
    return lines[size_t(index)];
  }
  void Put(int index, const std::string& s) override {
    std::vector<std::string> lines = Split();
    if (index < 0 || index >= int(lines.size())) throw EListError("List index out of bounds");
    lines[size_t(index)] = s;
    Join(lines);
  }
  void Insert(int index, const std::string& s) override {
    std::vector<std::string> lines = Split();
    if (index < 0 || index > int(lines.size())) throw EListError("List index out of bounds");
    lines.insert(lines.begin() + index, s);
    Join(lines);
  }
  void Delete(int index) override {
    std::vector<std::string> lines = Split();
    if (index < 0 || index >= int(lines.size())) throw EListError("List index out of bounds");
    lines.erase(lines.begin() + index);
    Join(lines);
  }
  void Clear() override { FMemo->SetText(""); }
  void SetText(const std::string& text) override { FMemo->SetText(Normalized(text)); }

 private:
  // Lines end at LF; a text ending in LF has no empty last line.
  std::vector<std::string> Split() const {
    std::vector<std::string> lines;
    const std::string text = FMemo->GetText();
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      lines.push_back(text.substr(start, end - start));
      start = end + 1;
    }
    return lines;
  }
  // A last line that is empty gets its line end, so that it stays a line.
  void Join(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) text += '\n';
      text += lines[i];
    }
    if (!lines.empty() && lines.back().empty()) text += '\n';
    FMemo->SetText(text);
  }
  // CR LF and lone CR become LF; one line end at the very end is dropped.
  static std::string Normalized(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r') {
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      } else {
        out += text[i];
      }
    }
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
  }
  TCustomMemo* FMemo;
};

}  // namespace

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this)) {
  FWidth = 185;
  FHeight = 89;
}

void TCustomMemo::SetLines(TStrings* value) { FLines->Assign(value); }

void TCustomMemo::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  if (FView != nullptr)
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(FView), value ? GTK_WRAP_WORD_CHAR : GTK_WRAP_NONE);
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
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(FView), FWordWrap ? GTK_WRAP_WORD_CHAR : GTK_WRAP_NONE);
  g_signal_connect(buffer, "changed", G_CALLBACK(OnChanged), this);
  GtkScrolledWindow* sw = GTK_SCROLLED_WINDOW(scroller);
  g_signal_connect(gtk_scrolled_window_get_vadjustment(sw), "value-changed",
                   G_CALLBACK(OnScrolled), this);
  g_signal_connect(gtk_scrolled_window_get_hadjustment(sw), "value-changed",
                   G_CALLBACK(OnScrolled), this);
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
  TextChangedBy(false);
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
    memo->TextChangedBy(true);
  } catch (...) {
    HandleCallbackException();
  }
}

void TCustomMemo::OnScrolled(void* adjustment, void* self) {
  auto* memo = static_cast<TCustomMemo*>(self);
  GtkScrolledWindow* sw = GTK_SCROLLED_WINDOW(memo->Handle());
  const bool vertical = adjustment == gtk_scrolled_window_get_vadjustment(sw);
  try {
    memo->Perform(vertical ? WM_VSCROLL : WM_HSCROLL);
  } catch (...) {
    HandleCallbackException();
  }
}

namespace {

GtkTextBuffer* BufferOf(GtkWidget* view) { return gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)); }

}  // namespace

int TCustomMemo::GetSelStart() const {
  if (FView == nullptr) return 0;
  GtkTextIter start, end;
  GtkTextBuffer* b = BufferOf(FView);
  if (!gtk_text_buffer_get_selection_bounds(b, &start, &end))
    gtk_text_buffer_get_iter_at_mark(b, &start, gtk_text_buffer_get_insert(b));
  return gtk_text_iter_get_offset(&start);
}

void TCustomMemo::SetSelStart(int value) {
  GtkTextBuffer* b = BufferOf(TextView());
  GtkTextIter at;
  gtk_text_buffer_get_iter_at_offset(b, &at, value);
  gtk_text_buffer_place_cursor(b, &at);
}

int TCustomMemo::GetSelLength() const {
  if (FView == nullptr) return 0;
  GtkTextIter start, end;
  if (!gtk_text_buffer_get_selection_bounds(BufferOf(FView), &start, &end)) return 0;
  return gtk_text_iter_get_offset(&end) - gtk_text_iter_get_offset(&start);
}

void TCustomMemo::SetSelLength(int value) {
  GtkTextBuffer* b = BufferOf(TextView());
  GtkTextIter start, end;
  gtk_text_buffer_get_iter_at_offset(b, &start, GetSelStart());
  gtk_text_buffer_get_iter_at_offset(b, &end, GetSelStart() + value);
  gtk_text_buffer_select_range(b, &end, &start);
}

int TCustomMemo::LineFromChar(int index) const {
  if (FView == nullptr) return 0;
  GtkTextIter at;
  gtk_text_buffer_get_iter_at_offset(BufferOf(FView), &at, index);
  return gtk_text_iter_get_line(&at);
}

int TCustomMemo::LineIndex(int line) const {
  GtkTextBuffer* b = BufferOf(const_cast<TCustomMemo*>(this)->TextView());
  if (line < 0 || line >= gtk_text_buffer_get_line_count(b)) return -1;
  GtkTextIter at;
  gtk_text_buffer_get_iter_at_line(b, &at, line);
  return gtk_text_iter_get_offset(&at);
}

int TCustomMemo::TopLine() const {
  if (FView == nullptr) return 0;
  GdkRectangle visible;
  gtk_text_view_get_visible_rect(GTK_TEXT_VIEW(FView), &visible);
  GtkTextIter at;
  gtk_text_view_get_line_at_y(GTK_TEXT_VIEW(FView), &at, visible.y, nullptr);
  return gtk_text_iter_get_line(&at);
}

void TCustomMemo::ScrollLines(int x, int y) {
  GtkScrolledWindow* sw = GTK_SCROLLED_WINDOW(Handle());
  GtkAdjustment* v = gtk_scrolled_window_get_vadjustment(sw);
  GtkAdjustment* h = gtk_scrolled_window_get_hadjustment(sw);
  if (y != 0) {
    GtkTextIter at;
    gtk_text_buffer_get_iter_at_line(BufferOf(FView), &at, std::max(0, TopLine() + y));
    int lineY = 0, height = 0;
    gtk_text_view_get_line_yrange(GTK_TEXT_VIEW(FView), &at, &lineY, &height);
    gtk_adjustment_set_value(v, lineY);
  }
  if (x != 0) gtk_adjustment_set_value(h, gtk_adjustment_get_value(h) + x * 8.0);
}

bool TCustomMemo::NativeChar(char16_t ch) {
  if (ch < 32 && ch != 13) return false;
  if (FReadOnly) return true;
  GtkTextBuffer* b = BufferOf(TextView());
  gtk_text_buffer_delete_selection(b, TRUE, TRUE);
  const std::string text = ch == 13 ? std::string("\n") : UTF16ToUTF8(std::u16string(1, ch));
  gtk_text_buffer_insert_interactive_at_cursor(b, text.c_str(), int(text.size()), TRUE);
  gtk_text_view_scroll_mark_onscreen(GTK_TEXT_VIEW(FView), gtk_text_buffer_get_insert(b));
  return true;
}
