// The chart panel's mouse handling and listeners, copying and streaming,
// and the panel unit's free routines.

#include <gtk/gtk.h>

#include "chart/PlotCanvas3D.h"
#include "chart/PlotFilter.h"
#include "chart/PlotPanel.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_stream.h"

// ---------------- mouse ----------------

void TCustomPlotPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  CancelMouse = false;
  TCustomPanelNoCaption::MouseDown(Button, Shift, X, Y);
  if (!CancelMouse) BroadcastMouseEvent(meDown, Button, Shift, X, Y);
  if (CanTakeFocus() && GetPanelTabStop() && !PanelFocused()) TakeFocus();
}

void TCustomPlotPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  CancelMouse = false;
  TCustomPanelNoCaption::MouseUp(Button, Shift, X, Y);
  BroadcastMouseEvent(meUp, Button, Shift, X, Y);
}

void TCustomPlotPanel::MouseMove(TShiftState Shift, int X, int Y) {
  CancelMouse = false;
  TCustomPanelNoCaption::MouseMove(Shift, X, Y);
  if (!IEventListeners.empty() && !IsDesigning()) BroadcastMouseEvent(meMove, mbLeft, Shift, X, Y);
}

void TCustomPlotPanel::DblClick() {
  CancelMouse = false;
  TCustomPanelNoCaption::DblClick();
  if (CancelMouse) throw EAbort("Operation aborted");
}

// ---------------- listeners ----------------

void TCustomPlotPanel::AddListener(const IPlotEventListenerPtr& Listener) {
  if (std::find(IEventListeners.begin(), IEventListeners.end(), Listener) != IEventListeners.end())
    return;
  IEventListeners.push_back(Listener);
}

void TCustomPlotPanel::RemoveListener(const IPlotEventListenerPtr& Listener) {
  auto it = std::find(IEventListeners.begin(), IEventListeners.end(), Listener);
  if (it != IEventListeners.end()) IEventListeners.erase(it);
}

TPlotEvent* TCustomPlotPanel::BroadcastPlotEvent(TPlotEvent* Event) {
  if (IsDestroying()) return Event;
  Event->Sender = this;
  bool isMouse = dynamic_cast<TPlotMouseEvent*>(Event) != nullptr;
  // A listener may remove itself (or others) while it is told.
  std::vector<IPlotEventListenerPtr> listeners = IEventListeners;
  for (const IPlotEventListenerPtr& listener : listeners) {
    listener->HandlePlotEvent(Event);
    if (isMouse && CancelMouse) break;
  }
  return Event;
}

void TCustomPlotPanel::BroadcastPlotEventClass(TPlotEventClass EventClass) {
  if (IEventListeners.empty()) return;
  std::unique_ptr<TPlotEvent> event = EventClass();
  BroadcastPlotEvent(event.get());
}

void TCustomPlotPanel::BroadcastMouseEvent(TPlotMouseEventKind Kind, TMouseButton Button,
                                           TShiftState Shift, int X, int Y) {
  if (IEventListeners.empty()) return;
  TPlotMouseEvent event;
  event.Event = Kind;
  event.Button = Button;
  event.Shift = Shift;
  event.X = X;
  event.Y = Y;
  BroadcastPlotEvent(&event);
}

// ---------------- copying and streaming ----------------

void TCustomPlotPanel::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCustomPlotPanel*>(Source);
  if (source == nullptr) {
    TCustomPanelNoCaption::Assign(Source);
    return;
  }
  SetBevelInner(source->GetBevelInner());
  SetBevelOuter(source->GetBevelOuter());
  SetBevelWidth(source->GetBevelWidth());
  SetBorder(source->GetBorder());
  SetBorderRound(source->GetBorderRound());
  SetBufferedDisplay(source->GetBufferedDisplay());
  SetColor(source->GetColor());
  SetEmboss(source->GetEmboss());
  FMargins = source->FMargins;
  FMarginUnits = source->FMarginUnits;
  SetMonochrome(source->GetMonochrome());
  SetPanning(source->GetPanning());
  PrintMargins = source->PrintMargins;
  PrintProportional = source->PrintProportional;
  PrintResolution = source->PrintResolution;
  SetShadow(source->GetShadow());
  FView3D = source->FView3D;
  SetView3DOptions(source->GetView3DOptions());
}

void TCustomPlotPanel::DefineProperties(TFiler* Filer) {
  TCustomPanelNoCaption::DefineProperties(Filer);
  Filer->DefineProperty(
      "BorderStyle",
      [this](TReader* Reader) { FBorder->SetVisible(Reader->ReadIdent() == "bsSingle"); },
      [](TWriter*) {}, false);
  Filer->DefineProperty(
      "DefaultCanvas", [this](TReader* Reader) { IDefaultCanvas = Reader->ReadString(); },
      [this](TWriter* Writer) { Writer->WriteString(IDefaultCanvas); }, true);
}

void TCustomPlotPanel::Loaded() {
  TCustomPanelNoCaption::Loaded();
  if (!IDefaultCanvas.empty()) CreateDefaultCanvas();
  if (InternalCanvas == nullptr || !InternalCanvas->IsAvailable())
    SetInternalCanvas(new TPlotCanvas3D());
  OriginalCursor = GetCursor();
  if (FBorderRound > 0) SetControlRounded();
  InitialSize = TPoint{GetWidth(), GetHeight()};
}

// ---------------- free routines ----------------

TPoint PlotGetScreenSize() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return TPoint{};
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
  if (monitor == nullptr) return TPoint{};
  GdkRectangle r;
  gdk_monitor_get_geometry(monitor, &r);
  return TPoint{r.width, r.height};
}

void PlotChangeCursor(TObject*, TCursor Cursor) {
  GList* windows = gtk_window_list_toplevels();
  for (GList* w = windows; w != nullptr; w = w->next) {
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(w->data));
    if (window == nullptr) continue;
    GdkCursor* cursor = Screen().MakeCursor(Cursor, gdk_window_get_display(window));
    gdk_window_set_cursor(window, cursor);
    if (cursor != nullptr) g_object_unref(cursor);
  }
  g_list_free(windows);
}

double ScreenRatio(TCanvas3D* ACanvas) {
  gdi::HDC dc = ACanvas->GetHandle();
  int vert = PlotGetDeviceCaps(dc, gdi::VERTSIZE);
  if (vert == 0) return 0;
  return double(PlotGetDeviceCaps(dc, gdi::HORZSIZE)) / vert;
}

float PlotTickCount() { return float(GetTickCount()); }

void PlotCopyClipboard(const std::string& Text) {
  if (gdk_display_get_default() == nullptr) return;
  gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), Text.c_str(),
                         int(Text.size()));
}
