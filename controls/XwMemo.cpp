#include "controls/XwMemo.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& ClipboardCommandInfo() {
  static const TEnumInfo info("TXwClipboardCommand",
                              {"caCopy", "caCut", "caPaste", "caClear", "caUndo"});
  return info;
}

}  // namespace

const TClassInfo* TXwMemo::Class() {
  using T = TXwMemo;
  static const TClassInfo* info = TClassDecl<T>("TXwMemo", TControl::Class())
                                      .Prop("MaxLines", &T::GetMaxLines, &T::SetMaxLines)
                                      .Default(0)
                                      .Prop("Caret", &T::GetCaret, &T::SetCaret)
                                      .Prop("HideCaret", &T::GetHideCaret, &T::SetHideCaret)
                                      .Default(0)
                                      .Prop("HotTrack", &T::GetHotTrack, &T::SetHotTrack)
                                      .Default(0)
                                      .Prop("Flat", &T::GetFlat, &T::SetFlat)
                                      .Default(0)
                                      .Prop("ParentFlat", &T::GetParentFlat, &T::SetParentFlat)
                                      .Default(1)
                                      .Prop("Transparent", &T::GetTransparent, &T::SetTransparent)
                                      .Default(0)
                                      .Set("ClipboardCommands", &T::GetClipboardCommands,
                                           &T::SetClipboardCommands, ClipboardCommandInfo())
                                      .Default(AllClipboardCommands)
                                      .Prop("ReadOnly", &T::GetReadOnly, &T::SetReadOnly)
                                      .Default(0)
                                      .Prop("WordWrap", &T::GetWordWrap, &T::SetWordWrap)
                                      .Default(1)
                                      .Event("OnChange", &T::OnChange)
                                      .Event("OnHorizontalScroll", &T::OnHorizontalScroll)
                                      .Event("OnVerticalScroll", &T::OnVerticalScroll);
  return info;
}

TXwCustomMemo::TXwCustomMemo(TComponent* AOwner)
    : TXwExCustomMemo(AOwner),
      FOrigLines(std::make_unique<TStringList>()),
      FCaret(std::make_unique<TXwCaret>(this)) {
  FCaret->FOnChanged = [this](TObject* sender) { CaretChanged(sender); };
}

TXwCustomMemo::~TXwCustomMemo() {
  Destroying();
  FCaret->DestroyCaret();
}

// ---- line limit ----

void TXwCustomMemo::SetMaxLines(int value) {
  if (value == FMaxLines) return;
  if (FMaxLines == 0) FOrigLines->Assign(GetLines());
  FMaxLines = value;
  if (value == 0) GetLines()->Assign(FOrigLines.get());
  Change();
}

void TXwCustomMemo::SetLines(TStrings* value) {
  TXwExCustomMemo::SetLines(value);
  if (FMaxLines > 0) FOrigLines->Assign(value);
  Change();
}

void TXwCustomMemo::Change() {
  if (FTrimming) return;
  if (FMaxLines > 0 && GetLines()->Count() > FMaxLines) {
    FTrimming = true;
    try {
      while (GetLines()->Count() > FMaxLines) GetLines()->Delete(GetLines()->Count() - 1);
    } catch (...) {
      FTrimming = false;
      throw;
    }
    FTrimming = false;
  }
  TXwExCustomMemo::Change();
  if (FTransparent) Invalidate();
}

void TXwCustomMemo::KeyPress(char16_t& key) {
  if (FMaxLines > 0 && GetLines()->Count() >= FMaxLines) {
    if (key == 13 || key == 10) {
      key = 0;
      return;
    }
    if (key != 8 && GetCurrentLine() >= FMaxLines) {
      key = 0;
      return;
    }
  }
  TXwExCustomMemo::KeyPress(key);
}

// ---- lines and scrolling ----

int TXwCustomMemo::GetCurrentLine() const { return LineFromChar(GetSelStart()); }

void TXwCustomMemo::SetCurrentLine(int value) {
  const int count = std::max(1, const_cast<TXwCustomMemo*>(this)->GetLines()->Count());
  value = std::clamp(value, 0, count - 1);
  const int current = GetCurrentLine();
  if (value == current) return;
  ScrollLines(0, value - current);
  SetSelStart(LineIndex(value));
  SetSelLength(0);
}

void TXwCustomMemo::ScrollByKey(uint16_t key) {
  GtkScrolledWindow* sw = GTK_SCROLLED_WINDOW(Handle());
  GtkAdjustment* v = gtk_scrolled_window_get_vadjustment(sw);
  GtkAdjustment* h = gtk_scrolled_window_get_hadjustment(sw);
  auto move = [](GtkAdjustment* a, double by) {
    gtk_adjustment_set_value(a, gtk_adjustment_get_value(a) + by);
  };
  switch (key) {
    case VK_PRIOR:
      move(v, -gtk_adjustment_get_page_size(v));
      break;
    case VK_NEXT:
      move(v, gtk_adjustment_get_page_size(v));
      break;
    case VK_END:
      gtk_adjustment_set_value(v, gtk_adjustment_get_upper(v));
      break;
    case VK_HOME:
      gtk_adjustment_set_value(v, 0);
      break;
    case VK_LEFT:
      move(h, -std::max(1.0, gtk_adjustment_get_step_increment(h)));
      break;
    case VK_RIGHT:
      move(h, std::max(1.0, gtk_adjustment_get_step_increment(h)));
      break;
    case VK_UP:
      ScrollLines(0, -1);
      break;
    case VK_DOWN:
      ScrollLines(0, 1);
      break;
    default:
      break;
  }
}

// ---- hidden caret, clipboard, scroll events ----

bool TXwCustomMemo::HiddenCaretMessage(TMessage& m) {
  if (!FHideCaret || (GetComponentState() & csDesigning)) return false;
  switch (m.Msg) {
    case WM_KEYDOWN:
      ScrollByKey(uint16_t(m.WParam));
      return true;
    case WM_KEYUP:
    case WM_CHAR:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return true;
    case WM_LBUTTONDOWN:
      if (!Focused()) SetFocus();
      return true;
    default:
      return false;
  }
}

void TXwCustomMemo::WndProc(TMessage& message) {
  if (HiddenCaretMessage(message)) return;
  switch (message.Msg) {
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
      if (GetReadOnly()) return;
      break;
    case WM_LBUTTONDOWN:
      FSelLengthButtonDown = GetSelLength();
      break;
    default:
      break;
  }
  TXwExCustomMemo::WndProc(message);
  switch (message.Msg) {
    case WM_HSCROLL:
      if (OnHorizontalScroll) OnHorizontalScroll(this);
      break;
    case WM_VSCROLL:
      if (OnVerticalScroll) OnVerticalScroll(this);
      break;
    case WM_LBUTTONUP:
      if (FTransparent && GetSelLength() != FSelLengthButtonDown) Invalidate();
      break;
    default:
      break;
  }
}

void TXwCustomMemo::SetClipboardCommands(TXwClipboardCommands value) {
  if (value == GetClipboardCommands()) return;
  TXwExCustomMemo::SetClipboardCommands(value);
  SetReadOnly((value & ~ClipboardCommandBit(caCopy)) == 0);
}

// ---- caret and focus ----

void TXwCustomMemo::CaretChanged(TObject*) {
  FCaret->DestroyCaret();
  FCaret->CreateCaret();
}

void TXwCustomMemo::SetHideCaret(bool value) {
  FHideCaret = value;
  if (IsLoading() || (GetComponentState() & csDesigning)) return;
  if (Focused()) FCaret->ShowCaret(!value);
}

void TXwCustomMemo::FocusSet(intptr_t previous) {
  TXwExCustomMemo::FocusSet(previous);
  FCaret->CreateCaret();
  if (FHideCaret) FCaret->ShowCaret(false);
}

void TXwCustomMemo::FocusKilled(intptr_t next) {
  if (FHideCaret) FCaret->ShowCaret(true);
  FCaret->DestroyCaret();
  TXwExCustomMemo::FocusKilled(next);
}

// ---- look: 3-D border, hot tracking, transparency ----

void TXwCustomMemo::SetHotTrack(bool value) {
  FHotTrack = value;
  SetCtl3D(!value);
}

void TXwCustomMemo::SetCtl3D(bool value) {
  if (value == FCtl3D) return;
  FCtl3D = value;
  if (HandleAllocated()) ApplyLook();
}

void TXwCustomMemo::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  if (HandleAllocated()) ApplyLook();
  Invalidate();
}

void TXwCustomMemo::MouseEnter(TControl* control) {
  if (!(GetComponentState() & csDesigning) && !FMouseOver && FHotTrack) SetCtl3D(true);
  TXwExCustomMemo::MouseEnter(control);
}

void TXwCustomMemo::MouseLeave(TControl* control) {
  if (!(GetComponentState() & csDesigning) && FHotTrack) SetCtl3D(false);
  TXwExCustomMemo::MouseLeave(control);
}

GtkWidget* TXwCustomMemo::CreateWidget() {
  GtkWidget* scroller = TXwExCustomMemo::CreateWidget();
  GtkWidget* view = gtk_bin_get_child(GTK_BIN(scroller));
  auto* provider = gtk_css_provider_new();
  gtk_style_context_add_provider(gtk_widget_get_style_context(view), GTK_STYLE_PROVIDER(provider),
                                 GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_set_data_full(G_OBJECT(scroller), "xw-css", provider, g_object_unref);
  gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller),
                                      FCtl3D ? GTK_SHADOW_IN : GTK_SHADOW_NONE);
  if (FTransparent)
    gtk_css_provider_load_from_data(provider, "textview, textview text { background: none; }", -1,
                                    nullptr);
  return scroller;
}

void TXwCustomMemo::ApplyLook() {
  GtkWidget* scroller = Handle();
  gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller),
                                      FCtl3D ? GTK_SHADOW_IN : GTK_SHADOW_NONE);
  auto* provider = static_cast<GtkCssProvider*>(g_object_get_data(G_OBJECT(scroller), "xw-css"));
  const char* css = FTransparent ? "textview, textview text { background: none; }" : "";
  gtk_css_provider_load_from_data(provider, css, -1, nullptr);
  gtk_widget_queue_draw(scroller);
}

void RegisterXwMemoClasses() { RegisterClass(TXwMemo::Class()); }
