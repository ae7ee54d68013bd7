#include "chart/PlotPanel.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>

#include "chart/PlotCPU.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotExceptionForm.h"
#include "chart/PlotRoutines.h"
#include "scene/zr_stream.h"

char PlotLineSeparator = '\r';
bool PlotClipWhenPrinting = true;
bool PlotClipWhenMetafiling = true;
bool PlotEraseBack = false;
bool PrintPlotPanel = true;

namespace {

constexpr unsigned WM_UPDATEUISTATE = 0x0128;

// The registered class name of a canvas, by the class of what its factory makes.
std::string CanvasClassName(TCanvas3D* Canvas) {
  for (const TPlotRenderClass& c : PlotRenderClasses) {
    std::unique_ptr<TCanvas3D> probe = c.Create();
    if (typeid(*probe) == typeid(*Canvas)) return c.Name;
  }
  return Canvas->ClassName();
}

}  // namespace

TCustomPanelNoCaption::TCustomPanelNoCaption(TComponent* AOwner) : TCustomPanel(AOwner) {}

// ---------------- life ----------------

TCustomPlotPanel::TCustomPlotPanel(TComponent* AOwner) : TCustomPanelNoCaption(AOwner) {
  if (PlotEraseBack && IsDesigning()) PlotEraseBack = false;
  SetPanelTabStop(true);
  SetBounds(GetLeft(), GetTop(), 400, 250);
  FPlatformCanvas = TCustomPanel::GetCanvas();
  if (!PlotDefaultCanvas.empty() && !IsLoading())
    IDefaultCanvas = PlotReadStringOption("DefaultCanvas", PlotDefaultCanvas);
  CreateDefaultCanvas();
  FView3DOptions = std::make_unique<TView3DOptions>([this] { Invalidate(); });
  OriginalCursor = GetCursor();
  auto changed = [this](TObject* Sender) { CanvasChanged(Sender); };
  FPanning = std::make_unique<TPlotPanning>();
  FShadow = std::make_unique<TPlotShadow>(changed);
  FEmboss = std::make_unique<TPlotEmboss>(changed);
  FBorder = std::make_unique<TPlotHiddenPen>(changed);
}

TCustomPlotPanel::~TCustomPlotPanel() {
  Destroying();
  if (!IsEmbedded) delete InternalCanvas;
  InternalCanvas = nullptr;
  delete Theme;
}

// ---------------- canvas ----------------

void TCustomPlotPanel::CreateDefaultCanvas() {
  const TPlotRenderClass* wanted = nullptr;
  if (!IDefaultCanvas.empty()) {
    for (const TPlotRenderClass& c : PlotRenderClasses) {
      if (c.Name != IDefaultCanvas) continue;
      wanted = &c;
      break;
    }
  }
  std::unique_ptr<TCanvas3D> fresh =
      wanted ? wanted->Create() : std::unique_ptr<TCanvas3D>(new TPlotCanvas3D());
  if (InternalCanvas && typeid(*InternalCanvas) == typeid(*fresh)) return;
  if (!IsEmbedded) delete InternalCanvas;
  InternalCanvas = fresh.release();
  InternalCanvas->SetCanvas(FPlatformCanvas);
}

void TCustomPlotPanel::SetInternalCanvas(TCanvas3D* NewCanvas) {
  if (NewCanvas == nullptr) return;
  NewCanvas->SetCanvas(FPlatformCanvas);
  if (InternalCanvas) {
    bool saved = AutoRepaint;
    AutoRepaint = false;
    NewCanvas->Assign(InternalCanvas);
    AutoRepaint = saved;
    if (!IsEmbedded) delete InternalCanvas;
  }
  InternalCanvas = NewCanvas;
  IDefaultCanvas = CanvasClassName(NewCanvas);
  if (AutoRepaint) Invalidate();
}

// ---------------- painting ----------------

void TCustomPlotPanel::Paint() {
  if (Printing || InternalCanvas == nullptr) return;
  TCanvas* own = TCustomPanel::GetCanvas();
  TCanvas* previous = nullptr;
  bool switched = false;
  if (FPlatformCanvas != own) {
    previous = FPlatformCanvas;
    FPlatformCanvas = own;
    InternalCanvas->SetCanvas(own);
    switched = true;
  }
  if (!InternalCanvas->ReDrawBitmap()) Draw();
  if (switched && previous) InternalCanvas->SetCanvas(previous);
}

void TCustomPlotPanel::Draw(TCanvas* UserCanvas, const TRect& UserRect) {
  if (FCustomChartRect && ICachedChartRect == TRect{}) ICachedChartRect = ChartRect;
  if (InitialSize.X == 0) InitialSize.X = GetWidth();
  if (InitialSize.Y == 0) InitialSize.Y = GetHeight();
  ChartBounds = InternalCanvas->InitWindow(UserCanvas, FView3DOptions.get(), PanelColor(GetColor()),
                                           FView3D, UserRect);
  // The target may be a canvas the chart canvas has not drawn on yet (an
  // export bitmap): it takes the chart canvas's current pen, brush and font.
  InternalCanvas->DoChangedPen();
  InternalCanvas->DoChangedBrush(InternalCanvas->GetBrush());
  InternalCanvas->DoChangedFont();
  InternalCanvas->SetBackMode(cbmOpaque);
  ApplyMargins();
  if (FCustomChartRect) {
    ChartRect = ICachedChartRect;
    if (Printing) {
      ChartRect.Left += ChartBounds.Left, ChartRect.Right += ChartBounds.Left;
      ChartRect.Top += ChartBounds.Top, ChartRect.Bottom += ChartBounds.Top;
    }
  }
  ReCalcWidthHeight();
  try {
    InternalDraw(ChartBounds);
  } catch (const std::exception& E) {
    // At design time the first failure of a panel is offered as a report once
    // before it travels on.
    if (IsDesigning() && !IExceptionDisplayed) {
      IExceptionDisplayed = true;
      TPlotExceptionForm::Send("DRAW", E);
    }
    throw;
  }
  auto* gdiCanvas = dynamic_cast<TPlotCanvas3D*>(InternalCanvas);
  if (FGlobalPicture && FGlobalPicture->HasFilters() && gdiCanvas && gdiCanvas->GetBitmap())
    FGlobalPicture->GetFilters()->ApplyTo(gdiCanvas->GetBitmap());
  if (!DontShowImage) InternalCanvas->ShowImage(UserCanvas, FPlatformCanvas, UserRect);
}

TRect TCustomPlotPanel::GetRectangle() { return ClientRect(); }

void TCustomPlotPanel::Invalidate() {
  if (!AutoRepaint) return;
  if (InternalCanvas) InternalCanvas->Invalidate();
  TCustomPanel::Invalidate();
}

void TCustomPlotPanel::CanvasChanged(TObject*) { Invalidate(); }

TColor TCustomPlotPanel::PanelColor(TColor AColor) { return TPlotCanvas::SystemColor(AColor); }

TColor TCustomPlotPanel::GetBackColor() { return PanelColor(GetColor()); }

// ---------------- messages ----------------

void TCustomPlotPanel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_UPDATEUISTATE:
      Message.Msg = 0;
      break;
    case WM_ERASEBKGND:
      WMEraseBkgnd(Message);
      return;
    case CM_MOUSELEAVE:
      CMMouseLeave(Message);
      return;
    case WM_GETDLGCODE:
      TCustomPanelNoCaption::WndProc(Message);
      Message.Result |= DLGC_WANTARROWS;
      return;
    default:
      break;
  }
  TCustomPanelNoCaption::WndProc(Message);
}

void TCustomPlotPanel::WMEraseBkgnd(TMessage& Message) {
  if (PlotEraseBack) {
    TCustomPanelNoCaption::WndProc(Message);
    return;
  }
  Message.Result = 1;
}

void TCustomPlotPanel::CMMouseLeave(TMessage& Message) {
  SetCursor(OriginalCursor);
  if (FPanning && FPanning->GetInsideBounds()) FPanning->SetActive(false);
  BroadcastPlotEventClass(&PlotEventOf<TMouseLeaveEvent>);
  TCustomPanelNoCaption::WndProc(Message);
}

// ---------------- change-notification setters ----------------

void TCustomPlotPanel::SetBooleanProperty(bool& Variable, bool Value) {
  if (Variable == Value) return;
  Variable = Value;
  Invalidate();
}

void TCustomPlotPanel::SetIntegerProperty(int& Variable, int Value) {
  if (Variable == Value) return;
  Variable = Value;
  Invalidate();
}

void TCustomPlotPanel::SetColorProperty(TColor& Variable, TColor Value) {
  if (Variable == Value) return;
  Variable = Value;
  Invalidate();
}

void TCustomPlotPanel::SetDoubleProperty(double& Variable, double Value) {
  if (std::isunordered(Variable, Value) || Variable == Value) return;
  Variable = Value;
  Invalidate();
}

void TCustomPlotPanel::SetSingleProperty(float& Variable, float Value) {
  if (std::isunordered(Variable, Value) || Variable == Value) return;
  Variable = Value;
  Invalidate();
}

void TCustomPlotPanel::SetStringProperty(std::string& Variable, const std::string& Value) {
  if (Variable == Value) return;
  Variable = Value;
  Invalidate();
}
