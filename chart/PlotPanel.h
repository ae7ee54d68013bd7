#pragma once
// The chart panel: a windowed control that owns the chart canvas, works out
// the chart rectangle from its size, bevels, border and margins, paints
// through the canvas's kept off-screen picture, tells listeners about mouse
// and view events and offers the change-notification setters through which
// chart elements store a value and repaint only on a real change.
//
// Paint copies the kept picture when it is still valid and draws the chart
// otherwise; Invalidate marks the picture stale and queues a window draw.

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chart/Canvas3D.h"
#include "chart/PlotFont.h"
#include "chart/PlotPicture.h"
#include "chart/PlotShadow.h"
#include "chart/PlotView3D.h"
#include "chart/PlotZoom.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Printers.h"

class TCustomPlotPanel;
class TMetafile;

// Separates the lines of a multi-line text.
extern char PlotLineSeparator;
// Clipping is allowed while printing, and while recording a metafile.
extern bool PlotClipWhenPrinting;
extern bool PlotClipWhenMetafiling;
// The platform erases the panel's background only when set.
extern bool PlotEraseBack;
// Printed output leaves out the panel's background, border and bevels when False.
extern bool PrintPlotPanel;

class TPlotEvent : public TObject {
 public:
  TCustomPlotPanel* Sender = nullptr;
};

enum TPlotMouseEventKind { meDown, meUp, meMove };

class TPlotMouseEvent : public TPlotEvent {
 public:
  TPlotMouseEventKind Event = meDown;
  TMouseButton Button = mbLeft;
  TShiftState Shift = 0;
  int X = 0, Y = 0;
};

class TPlotView3DEvent : public TPlotEvent {};
class TMouseLeaveEvent : public TPlotEvent {};
class TPlotDrawEvent : public TPlotEvent {};

// Makes an event object of one event class.
using TPlotEventClass = std::unique_ptr<TPlotEvent> (*)();
template <class E>
std::unique_ptr<TPlotEvent> PlotEventOf() {
  return std::make_unique<E>();
}

class IPlotEventListener {
 public:
  virtual ~IPlotEventListener() = default;
  virtual void HandlePlotEvent(TPlotEvent* Event) = 0;
};
using IPlotEventListenerPtr = std::shared_ptr<IPlotEventListener>;

using TPlotPrintEvent = std::function<void(TCustomPlotPanel* Sender, TCanvas* Canvas, TRect& R)>;

enum TPlotUnits { muPercent, muPixels };
enum TTextFormat { ttfNormal, ttfHtml };

// A platform panel that never paints a caption.
class TCustomPanelNoCaption : public TCustomPanel {
 public:
  explicit TCustomPanelNoCaption(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomPanelNoCaption"; }
};

class TCustomPlotPanel : public TCustomPanelNoCaption {
 public:
  explicit TCustomPlotPanel(TComponent* AOwner);
  ~TCustomPlotPanel() override;
  std::string ClassName() const override { return "TCustomPlotPanel"; }

  // ---- virtual operations ----
  virtual TColor GetBackColor();
  virtual TCustomPlotPanel* GetEditablePanel() { return this; }
  // The chart itself; nothing here.
  virtual void InternalDraw(const TRect& UserRectangle) { (void)UserRectangle; }
  virtual void CanvasChanged(TObject* Sender);
  virtual void Draw(TCanvas* UserCanvas, const TRect& UserRect);
  virtual TRect GetRectangle();
  // The panel's bevels and border, drawn at the end of the background.
  virtual void DrawPanelBevels(TRect Rect);
  void Draw() { Draw(FPlatformCanvas, GetRectangle()); }
  void Invalidate() override;
  virtual void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void WndProc(TMessage& Message) override;
  void ChangeScale(int M, int D);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void DblClick() override;

  // ---- change-notification setters ----
  void SetBooleanProperty(bool& Variable, bool Value);
  void SetIntegerProperty(int& Variable, int Value);
  void SetColorProperty(TColor& Variable, TColor Value);
  void SetDoubleProperty(double& Variable, double Value);
  void SetSingleProperty(float& Variable, float Value);
  void SetStringProperty(std::string& Variable, const std::string& Value);

  // ---- text ----
  static int LinesOfText(const std::string& Text);
  TPoint MultiLineTextSize(const std::string& Text, TTextFormat Format, int& NumLines);
  int MultiLineTextWidth(const std::string& Text, int& NumLines, TTextFormat Format = ttfNormal);
  void TryAssignFont(TPlotFont* Font);
  void PrepareFont3D(TPlotFont* Font);
  void SetBrushCanvas(TColor AColor, TPlotBrush* ABrush, TColor ABackColor);
  TPlotFont* GetDefaultFont();
  void SetDefaultFont(TPlotFont* Value);
  TFilterItems* GetFilters();

  // ---- geometry and state ----
  int GetMargin(int Index) const;
  void SetMargin(int Index, int Value);
  int GetMarginLeft() const { return GetMargin(0); }
  void SetMarginLeft(int Value) { SetMargin(0, Value); }
  int GetMarginTop() const { return GetMargin(1); }
  void SetMarginTop(int Value) { SetMargin(1, Value); }
  int GetMarginRight() const { return GetMargin(2); }
  void SetMarginRight(int Value) { SetMargin(2, Value); }
  int GetMarginBottom() const { return GetMargin(3); }
  void SetMarginBottom(int Value) { SetMargin(3, Value); }
  TPlotUnits GetMarginUnits() const { return FMarginUnits; }
  void SetMarginUnits(TPlotUnits Value);
  int BorderSize();
  void ApplyMargins();
  void ReCalcWidthHeight();
  void SetChartRect(const TRect& Value);
  bool GetCustomChartRect() const { return FCustomChartRect; }
  void SetCustomChartRect(bool Value);
  TPoint GetCursorPos() const { return ScreenToClientCursor(); }
  bool CanClip();
  bool IsScreenHighColor();
  bool GetBufferedDisplay();
  void SetBufferedDisplay(bool Value);
  bool GetMonochrome();
  void SetMonochrome(bool Value);
  static TColor PanelColor(TColor AColor);
  bool GetView3D() const { return FView3D; }
  void SetView3D(bool Value);
  int GetBorderRound() const { return FBorderRound; }
  void SetBorderRound(int Value);
  void SetControlRounded();
  TBorderStyle GetBorderStyle();
  void SetBorderStyle(TBorderStyle Value);
  TPlotHiddenPen* GetBorder() { return FBorder.get(); }
  void SetBorder(TPlotHiddenPen* Value) { FBorder->Assign(Value); }
  TPlotEmboss* GetEmboss() { return FEmboss.get(); }
  void SetEmboss(TPlotEmboss* Value) { FEmboss->Assign(Value); }
  TPlotShadow* GetShadow() { return FShadow.get(); }
  void SetShadow(TPlotShadow* Value) { FShadow->Assign(Value); }
  TPlotPanning* GetPanning() { return FPanning.get(); }
  void SetPanning(TPlotPanning* Value) { FPanning->Assign(Value); }
  TView3DOptions* GetView3DOptions() { return FView3DOptions.get(); }
  TView3DOptions* GetAspect() { return FView3DOptions.get(); }
  void SetView3DOptions(TView3DOptions* Value) { FView3DOptions->Assign(Value); }

  // ---- canvas ----
  TCanvas3D* GetCanvas() const { return InternalCanvas; }
  void SetInternalCanvas(TCanvas3D* NewCanvas);
  // Puts Canvas in place of the drawing canvas, neither copying nor freeing
  // either, and answers the one it replaced (for a call that draws through
  // a canvas of its own and then gives the chart its canvas back).
  TCanvas3D* ExchangeInternalCanvas(TCanvas3D* Canvas) {
    return std::exchange(InternalCanvas, Canvas);
  }
  void CreateDefaultCanvas();
  TCanvas* GetPlatformCanvas() const { return FPlatformCanvas; }
  const std::string& GetDefaultCanvasName() const { return IDefaultCanvas; }

  // ---- drawing onto other canvases ----
  // Draws the chart once more, unbuffered, straight onto C in R.
  void NonBufferDraw(TCanvas* C, const TRect& R);
  // NonBufferDraw with the canvas's Metafiling set meanwhile.
  void DrawToMetaCanvas(TCanvas* C, const TRect& R);
  // A new bitmap of the panel's rectangle in the panel's colour; the
  // caller owns it.
  TBitmap* PlotCreateBitmap();
  // A new bitmap of R with background K (clNone: transparent, white: not
  // filled first), pixel format F and, above 0, a resolution in dpi.
  TBitmap* PlotCreateBitmap(TColor K, const TRect& R, TPixelFormat F, int DPI);
  // The chart on white as a BMP file.
  void SaveToBitmapFile(const std::string& FileName);
  void SaveToBitmapFile(const std::string& FileName, const TRect& R);
  // The chart as a bitmap in the panel's colour on the clipboard.
  void CopyToClipboardBitmap();
  void CopyToClipboardBitmap(const TRect& R);
  // A graphic or picture receives the panel's bitmap.
  void AssignTo(TPersistent* Dest) override;
  // A new metafile of R (at least 1 x 1) holding the chart; the caller
  // owns it.
  TMetafile* PlotCreateMetafile(bool Enhanced, const TRect& R);
  // The chart as an SVG file.
  void SaveToMetafile(const std::string& FileName);
  void SaveToMetafileEnh(const std::string& FileName);
  void SaveToMetafileRect(bool Enhanced, const std::string& FileName, const TRect& R);
  // The chart as SVG data on the clipboard.
  void CopyToClipboardMetafile(bool Enhanced);
  void CopyToClipboardMetafile(bool Enhanced, const TRect& R);

  // ---- printing ----
  // The chart on one printed page in ChartPrintRect.
  void Print();
  void PrintLandscape();
  void PrintPortrait();
  // Print with the printer turned to Orientation, turned back afterwards.
  void PrintOrientation(TPrinterOrientation Orientation);
  // One print job with the chart in printer rectangle R. A failure aborts
  // the job and propagates; AutoRepaint is on again in every case.
  void PrintRect(const TRect& R);
  // The chart into R of the printer's current page.
  void PrintPartial(const TRect& R);
  // The printer page less the print margins; proportional margins are
  // worked out first when PrintProportional is on.
  TRect ChartPrintRect();

  // ---- printed geometry ----
  // PrintMargins (percent of the page) applied to a page W x H.
  TRect PrintMarginsRect(int W, int H) const;
  // Margins that keep the chart's proportions on a page PW x PH: 70 % of
  // the page's longer side for the chart's longer side. Ratio is the
  // device's horizontal over vertical resolution.
  static TRect InternalCalcProportionalMargins(int CW, int CH, int PW, int PH, double Ratio);
  // Proportional margins for a page PW x PH; a page below 1 x 1 means
  // there is no page, and the screen's size stands in for it.
  TRect CalcProportionalMargins(int PW, int PH, double Ratio);
  // The window and view extents that draw chart rectangle K at screen
  // scale into printer rectangle R, and R in window units. An empty R
  // gives false and leaves everything as it was.
  bool CalcMetaBounds(TRect& R, const TRect& K, int& WindowWidth, int& WindowHeight, int& ViewWidth,
                      int& ViewHeight) const;
  // Draws the chart into printer rectangle P of C, mapped MM_ANISOTROPIC
  // so the chart keeps screen scale; OnBeforePrint may change the
  // rectangle. Printing and IsPrinterCanvas hold meanwhile; the mapping
  // and the flags come back also when drawing fails.
  void PrintPartialCanvas(TCanvas* C, const TRect& P);

  // ---- listeners ----
  void AddListener(const IPlotEventListenerPtr& Listener);
  void RemoveListener(const IPlotEventListenerPtr& Listener);
  int ListenerCount() const { return int(IEventListeners.size()); }
  TPlotEvent* BroadcastPlotEvent(TPlotEvent* Event);
  void BroadcastPlotEventClass(TPlotEventClass EventClass);
  void BroadcastMouseEvent(TPlotMouseEventKind Kind, TMouseButton Button, TShiftState Shift, int X,
                           int Y);

  // ---- public fields and values ----
  bool ApplyZOrder = true;
  bool AutoRepaint = true;
  bool CancelMouse = false;
  TRect ChartBounds;
  int ChartWidth = 0, ChartHeight = 0, ChartXCenter = 0, ChartYCenter = 0;
  int Height3D = 0, Width3D = 0;
  TPlotPrintEvent OnBeforePrint;
  TCursor OriginalCursor = crDefault;
  bool Printing = false;
  bool PrintProportional = true;
  int PrintResolution = 0;
  TRect ChartRect;
  TRect PrintMargins{15, 15, 15, 15};
  TCustomPlotPanel* Theme = nullptr;  // owned
  TComponent* GLComponent = nullptr;
  TPoint InitialSize;
  bool DontShowImage = false;
  bool IsEmbedded = false;
  bool IsPrinterCanvas = false;
  TRect ICustomPrinterRect;

 protected:
  void Paint() override;
  void Resize() override;
  // Answers the erase message: nothing is erased unless PlotEraseBack is set.
  void WMEraseBkgnd(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  bool IsLoading() const { return (GetComponentState() & csLoading) != 0; }
  bool IsDestroying() const { return (GetComponentState() & csDestroying) != 0; }

  std::unique_ptr<TPlotHiddenPen> FBorder;
  int FBorderRound = 0;
  TCanvas* FPlatformCanvas = nullptr;
  std::unique_ptr<TPlotEmboss> FEmboss;
  std::unique_ptr<TPlotFont> FGlobalFont;
  std::unique_ptr<TPlotPicture> FGlobalPicture;
  TRect FMargins{3, 4, 3, 4};
  TPlotUnits FMarginUnits = muPercent;
  std::unique_ptr<TPlotPanning> FPanning;
  std::unique_ptr<TPlotShadow> FShadow;
  bool FView3D = true;
  std::unique_ptr<TView3DOptions> FView3DOptions;
  std::vector<IPlotEventListenerPtr> IEventListeners;
  bool IRounding = false;
  bool IExceptionDisplayed = false;
  TRect ICachedChartRect;
  std::string IDefaultCanvas;
  bool FCustomChartRect = false;
  TCanvas3D* InternalCanvas = nullptr;
};

// The screen's size in pixels.
TPoint PlotGetScreenSize();
// Sets the pointer cursor of every top-level window; Sender is not used.
void PlotChangeCursor(TObject* Sender, TCursor Cursor);
// HORZSIZE / VERTSIZE of the canvas's device; 0 when VERTSIZE is 0.
double ScreenRatio(TCanvas3D* ACanvas);
// The millisecond counter of the clock seam.
float PlotTickCount();
// Puts the text on the clipboard.
void PlotCopyClipboard(const std::string& Text);
// A 24-bit bitmap of the panel in its colour; the caller owns it. Smooth
// is not used.
TBitmap* PlotAntiAlias(TCustomPlotPanel* Panel, bool Smooth);
// A bevel of the width (at most half of R's width and height) around R,
// which shrinks by it; rounded with a corner size above 0.
void DrawBevel(TPlotCanvas* ACanvas, TBevelCut Bevel, TRect& R, int Width, int Round);
// Puts a wide border pen's line inside R; see the panel's bevels.
int FixBorderWidth(TPlotPen* Border, TRect& R);
