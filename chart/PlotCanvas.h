#pragma once
// The chart canvas: the two-dimensional drawing interface of every chart
// element. It keeps a chart pen, brush and font of its own and hands each
// change at once to the framework canvas attached with SetCanvas. The
// operations that touch the device are abstract here; the GDI chart canvas
// implements them. Point sequences are spans (a vector, an array or a
// fixed quadrilateral all pass).

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "chart/PlotFont.h"
#include "chart/PlotGeometry.h"
#include "chart/PlotGradient.h"
#include "chart/PlotPen.h"

enum TCanvasBackMode { cbmNone, cbmTransparent, cbmOpaque };
enum TCanvasStretchQuality { sqHigh, sqLow };

using TPointFloatArray = std::vector<TPointF>;
using TPathPointTypes = std::vector<uint8_t>;

class TPlotCanvas;
class TPlotBlend;
class TPlotCorners;

// An abstract figure builder; the GDI path records device paths.
class TPlotBasePath : public TObject {
 public:
  // An elliptic arc of the ellipse inscribed in (X, Y, Width, Height).
  virtual void ArcTo(float X, float Y, float Width, float Height, float StartAngle,
                     float SweepAngle) = 0;
  virtual void Close() = 0;
  virtual void Curve(std::span<const TPoint> Points, float Tension, bool Closed) = 0;
  // Ends the path and fills and/or strokes it with the canvas's brush and pen.
  virtual void Draw(TPlotCanvas* ACanvas) = 0;
  virtual void GetPoints(TPathPointTypes& Types, TPointFloatArray& Points, TRectF& Bounds) = 0;
  virtual void LineTo(float X, float Y) = 0;
  virtual void MoveTo(float X, float Y) = 0;
  virtual void TextOut(float X, float Y, const std::string& Text) = 0;

  void MoveTo(TPoint P) { MoveTo(float(P.X), float(P.Y)); }
  void LineTo(TPoint P) { LineTo(float(P.X), float(P.Y)); }
};

// True on the platform family whose pens the canvas builds itself (always here).
extern bool IsWindowsNT;
// Pens wider than 1 pixel that are not solid drop to width 0; nothing sets it.
extern bool PlotCheckPenWidth;

class TPlotCanvas : public TObject {
 public:
  TPlotCanvas();
  ~TPlotCanvas() override;
  TPlotCanvas(const TPlotCanvas&) = delete;
  TPlotCanvas& operator=(const TPlotCanvas&) = delete;

  // ---- virtual operations, in slot order ----
  virtual void SetCanvas(TCanvas* ACanvas);
  virtual void DoChangedBrush(TPlotBrush* ABrush);
  virtual void DoChangedFont();
  virtual void DoChangedPen();
  virtual void FastLineTo(int X, int Y) { LineTo(X, Y); }
  virtual TColor GetBackColor() = 0;
  virtual TCanvasBackMode GetBackMode() = 0;
  virtual gdi::HDC GetHandle() = 0;
  virtual bool GetIsNoBMPGrid() = 0;
  virtual bool GetMonochrome() = 0;
  virtual TColor GetPixel(int x, int y) = 0;
  virtual bool GetSupportsFullRotation() = 0;
  virtual bool GetSupportsXORMode() = 0;
  virtual unsigned GetTextAlign() = 0;
  virtual bool GetUseBuffer() = 0;
  virtual void SetAntiAlias(bool) {}
  virtual void SetBackColor(TColor Color) = 0;
  virtual void SetBackMode(TCanvasBackMode Mode) = 0;
  virtual void SetFastLine(bool Value) = 0;
  virtual void SetInterCharSize(int Value);
  virtual void SetMonochrome(bool Value) = 0;
  virtual void SetPenMode(TPlotPen* P);
  virtual void SetPixel(int X, int Y, TColor Value) = 0;
  virtual void SetTextAlign(unsigned Align) = 0;
  virtual void SetUseBuffer(bool Value) = 0;
  virtual TPointFloatArray Tessellate(const std::vector<double>&, const std::vector<double>&) {
    return {};
  }
  virtual void AssignBrush(TPlotBrush* ABrush, TColor AColor, TColor ABackColor);
  virtual void AssignVisiblePenColor(TPlotPen* APen, TColor AColor);
  virtual TPlotBlend* BeginBlending(const TRect& R, TPlotTransparency Transparency);
  virtual void EndBlending(TPlotBlend* Blend);
  // Device arc: counter-clockwise from the start point's ray to the end point's.
  virtual void Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX,
                   int EndY) = 0;
  // Angles in degrees, counter-clockwise from three o'clock.
  virtual void Arc(int Left, int Top, int Right, int Bottom, float StartAngle, float EndAngle);
  virtual void ArcTo(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                     bool ClockWise);
  virtual void Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle,
                     double EndAngle, double HolePercent) = 0;
  virtual void Draw(int X, int Y, TGraphic* Graphic) = 0;
  virtual void Ellipse(int X1, int Y1, int X2, int Y2) = 0;
  virtual void FillRect(const TRect& Rect) = 0;
  virtual void Frame3D(TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
  virtual void LineTo(int X, int Y) = 0;
  virtual void LineTo(TPointF P);
  virtual void MoveTo(int X, int Y) = 0;
  virtual void MoveTo(TPointF P);
  virtual void Pie(const TRect& R, double StartAngle, double EndAngle) = 0;
  virtual void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) = 0;
  virtual void Rectangle(int X0, int Y0, int X1, int Y1) = 0;
  // X3, Y3: the corner ellipse's size.
  virtual void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) = 0;
  virtual void StretchDraw(const TRect& Rect, TGraphic* Graphic) = 0;
  virtual void TextOut(int X, int Y, const std::string& Text) = 0;
  virtual int TextHeight(const std::string& St);
  virtual TPointF TextSize(const std::string& St);
  virtual int TextWidth(const std::string& St);
  virtual int TextHeight(const std::u16string& St);
  virtual TPointF TextSize(const std::u16string& St);
  virtual int TextWidth(const std::u16string& St);
  virtual void ClipRectangle(const TRect& Rect) = 0;
  virtual void ClipRectangle(const TRect& Rect, int RoundX, int RoundY);
  virtual void ClipEllipse(const TRect& Rect, bool Inverted);
  virtual void ClipPolygon(std::span<const TPoint> Points, int NumPoints, bool DiffRegion);
  virtual TPlotBasePath* CreatePath(const TPointFloatArray* Points,
                                    const TPathPointTypes* Types);
  virtual void Curve(std::span<const TPoint> Points, float Tension, bool Closed, float Z);
  virtual void DoHorizLine(int X0, int X1, int Y);
  virtual void DoVertLine(int X, int Y0, int Y1);
  virtual void DrawCheckBox(int x, int y, bool Checked, TColor ABackColor, bool CheckBox);
  virtual void EraseBackground(const TRect& Rect) = 0;
  virtual void GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                            TGradientDirection Direction, int Balance, int RadialX,
                            int RadialY) = 0;
  virtual void Invalidate() = 0;
  virtual void Line(int X0, int Y0, int X1, int Y1);
  virtual void Polyline(std::span<const TPoint> Points) = 0;
  virtual void PolylineFloat(std::span<const TPointF> Points) = 0;
  virtual void Polygon(std::span<const TPoint> Points) = 0;
  virtual void PolygonConcave(std::span<const TPoint> Points) { Polygon(Points); }
  virtual void PolygonFloat(std::span<const TPointF> Points) = 0;
  virtual void RotateLabel(int x, int y, const std::string& St, double RotDegree,
                           bool AllowHTML) = 0;
  virtual void UnClipRectangle() = 0;

  // ---- non-virtual operations ----
  void ChangedPen(TObject* Sender);
  void ChangedBrush(TObject* Sender);
  void ChangedFont(TObject* Sender);

  // The source's back colour becomes the colour and its colour the back colour.
  void AssignBrush(TPlotBrush* ABrush);
  void AssignBrush(TPlotBrush* ABrush, TColor ABackColor);
  void AssignBrushColor(TPlotBrush* ABrush, TColor AColor, TColor ABackColor);
  void AssignVisiblePen(TPlotPen* APen);
  void AssignFont(TPlotFont* AFont);
  void AssignFontSize(TPlotFont* AFont, float ASize);
  void ResetState();
  int GetFontHeight();
  TPlotGradient* GetGradient();
  bool IsGradientVisible();
  static TColor SystemColor(TColor AColor);
  static uint8_t ColorAlpha(TColor AColor);
  static TColor ColorFrom(TColor AColor, uint8_t Alpha);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void DoRectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  void LineTo(TPoint P) { LineTo(P.X, P.Y); }
  void MoveTo(TPoint P) { MoveTo(P.X, P.Y); }
  void Line(TPoint FromPoint, TPoint ToPoint) {
    Line(FromPoint.X, FromPoint.Y, ToPoint.X, ToPoint.Y);
  }
  void Arc(const TRect& R, float StartAngle, float EndAngle) {
    Arc(R.Left, R.Top, R.Right, R.Bottom, StartAngle, EndAngle);
  }
  // Without corners the device rounded rectangle; with them, the corners' path.
  void RoundRect(const TRect& R, int X, int Y, TPlotCorners* ACorners = nullptr);
  // With AllowHtml the text is read as HTML.
  void TextOut(int X, int Y, const std::string& Text, bool AllowHtml);
  TSize TextExtent(const std::u16string& St);
  TPlotBasePath* CreatePath() { return CreatePath(nullptr, nullptr); }
  void Arrow(bool Filled, double ArrowPercent, TPoint FromPoint, TPoint ToPoint, int ArrowWidth,
             int ArrowHeight);
  static TPointArray GetArrowPoints(float ArrowPercent, TPoint FromPoint, TPoint ToPoint,
                                    int ArrowWidth, int ArrowHeight);
  static bool IsConvexPolygon(const TPointArray& P);
  static bool IsConvexPolygon(const TPointFloatArray& P);
  static void CalcArcAngles(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                            float& StartAngle, float& EndAngle);
  void InternalDark(TColor Value, uint8_t Quantity);
  void PushTransp();
  void PopTransp();
  void InternalDrawCheck(int x, int y, bool Checked, TColor ABackColor, bool CheckBox);

  // ---- state ----
  TPlotBrush* GetBrush() const { return FBrush.get(); }
  TPlotPen* GetPen() const { return FPen.get(); }
  TPlotFont* GetFont() const { return FFont.get(); }
  // The framework canvas that receives pen, brush and font (not owned).
  TCanvas* GetReferenceCanvas() const { return FCanvas; }
  const TRect& GetBounds() const { return FBounds; }
  void SetBounds(const TRect& Value) { FBounds = Value; }
  double GetFontZoom() const { return FFontZoom; }
  void SetFontZoom(double Value) { FFontZoom = Value; }
  bool GetMetafiling() const { return FMetafiling; }
  void SetMetafiling(bool Value) { FMetafiling = Value; }
  TCanvasStretchQuality GetStretchQuality() const { return FStretchQuality; }
  void SetStretchQuality(TCanvasStretchQuality Value) { FStretchQuality = Value; }
  bool GetSupportsAlpha() const { return FSupportsAlpha; }
  bool GetSupportsConcave() const { return FSupportsConcave; }
  bool GetZoomText() const { return IZoomText; }
  void SetZoomText(bool Value) { IZoomText = Value; }

  // Set by the chart engine around a rotated text: the text turns about
  // ITextCenter instead of its own position.
  bool IUseTextCenter = false;
  TPoint ITextCenter;
  // The drawing's transparency: the product of the open blends' opacities.
  TPlotTransparency Transparency = 0;

 protected:
  std::unique_ptr<TPlotBrush> FBrush;
  TCanvas* FCanvas = nullptr;
  std::unique_ptr<TPlotFont> FFont;
  std::unique_ptr<TPlotPen> FPen;
  TCanvasStretchQuality FStretchQuality = sqHigh;
  bool FMetafiling = false;
  bool IChangingFont = false;
  std::vector<TPlotTransparency> ITranspStack;
  TRect FBounds;
  double FFontZoom = 0;
  bool FSupportsAlpha = false;
  bool FSupportsConcave = true;
  bool IZoomText = false;
};

// The clip regions saved by the GDI canvas's clip operations, shared by
// every canvas; clip and unclip nest strictly.
extern std::vector<gdi::HRGN> ClipRegionHistory;
// Deletes every saved region and empties the history.
void ClearClipRegionHistory();
