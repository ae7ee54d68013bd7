#pragma once
// The marker a series draws at a data point: its style, half sizes (pixels
// or units of the series' vertical axis), pen, brush, gradient, 3D options,
// shadow, emboss, picture and transparency. It draws one marker at a pixel
// position, tells whether the mouse is on one, gives the margins a series
// keeps so that markers at the plot's edges are not cut, and holds the
// marker's depths in a 3D chart.

#include <memory>

#include "chart/PlotShape.h"
#include "platform/rtl/Rtti.h"

class TCanvas3D;
class TChartSeries;
class TPlotSelected;

enum TSeriesPointerStyle {
  psRectangle,
  psCircle,
  psTriangle,
  psDownTriangle,
  psCross,
  psDiagCross,
  psStar,
  psDiamond,
  psSmallDot,
  psNothing,
  psLeftTriangle,
  psRightTriangle,
  psHexagon,
  psVisual,
  psDonut,
  psArrow
};
enum TPointerSizeUnits { suPixels, suAxis };

const TEnumInfo& SeriesPointerStyleInfo();

class TSeriesPointer : public TPlotCustomShapeBrushPen {
 public:
  explicit TSeriesPointer(TChartSeries* AOwner = nullptr);
  ~TSeriesPointer() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The formatting of another pointer (not CenterPixel, Selected or Z),
  // then brush, pen and visibility.
  void Assign(TPersistent* Source) override;

  // ---- drawing
  void Draw(int X, int Y);
  void Draw(TPoint P) { Draw(P.X, P.Y); }
  // Half sizes from SizeFloat or the two sizes, converted through the
  // series' vertical axis with suAxis; on the panel's canvas.
  void Draw(int X, int Y, TColor AColor, TSeriesPointerStyle AStyle);
  // One marker centred at (px, py); the caller has prepared pen and brush.
  void DrawPointer(TCanvas3D* ACanvas, bool Is3D, int px, int py, int tmpHoriz, int tmpVert,
                   TColor ColorValue, TSeriesPointerStyle AStyle);
  void Prepare();
  // Pen and brush of a marker of colour ColorValue.
  void PrepareCanvas(TCanvas3D* ACanvas, TColor ColorValue);

  // ---- hit test, margins, sizes, depths
  bool Clicked(TSeriesPointerStyle AStyle, TPoint P, int X, int Y) const;
  void CalcHorizMargins(int& LeftMargin, int& RightMargin) const;
  void CalcVerticalMargins(int& TopMargin, int& BottomMargin) const;
  void CalcSize(int& H, int& V) const;
  int GetStartZ() const;
  int GetMiddleZ() const;
  int GetEndZ() const;

  // ---- properties
  bool GetDark3D() const { return FDark3D; }
  void SetDark3D(bool Value) { Store(FDark3D, Value); }
  int GetDarkPen() const { return FDarkPen; }
  void SetDarkPen(int Value) { Store(FDarkPen, Value); }
  int GetDepth() const { return FDepth; }
  void SetDepth(int Value) { Store(FDepth, Value); }
  bool GetDraw3D() const { return FDraw3D; }
  void SetDraw3D(bool Value) { Store(FDraw3D, Value); }
  bool GetFullGradient() const { return FFullGradient; }
  void SetFullGradient(bool Value) { Store(FFullGradient, Value); }
  int GetHorizSize() const { return FHorizSize; }
  void SetHorizSize(int Value) { Store(FHorizSize, std::max(1, Value)); }
  int GetVertSize() const { return FVertSize; }
  void SetVertSize(int Value) { Store(FVertSize, std::max(1, Value)); }
  int GetSize() const { return std::max(FHorizSize, FVertSize); }
  void SetSize(int Value) {
    SetHorizSize(Value);
    SetVertSize(Value);
  }
  bool GetInflateMargins() const { return FInflate; }
  void SetInflateMargins(bool Value) { Store(FInflate, Value); }
  TPointerSizeUnits GetSizeUnits() const { return FSizeUnits; }
  void SetSizeUnits(TPointerSizeUnits Value) { FSizeUnits = Value; }
  TSeriesPointerStyle GetStyle() const { return FStyle; }
  void SetStyle(TSeriesPointerStyle Value) { Store(FStyle, Value); }
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value) { Store(FTransparency, TPlotTransparency(Value)); }
  float GetSizeFloat() const { return FSizeFloat; }
  void SetSizeFloat(float Value) { FSizeFloat = Value; }
  bool GetCenterPixel() const { return FCenterPixel; }
  void SetCenterPixel(bool Value) { Store(FCenterPixel, Value); }
  TColor GetColor() const { return FBrush->GetColor(); }
  void SetColor(TColor Value) { FBrush->SetColor(Value); }
  TPlotGradient* GetGradient() const { return FBrush->GetGradient(); }
  void SetGradient(TPlotGradient* Value) { FBrush->SetGradient(Value); }
  TChartSeries* GetSeries() const { return FSeries; }

  // Quiet setters: no clamp, no repaint.
  void ChangeStyle(TSeriesPointerStyle Value) { FStyle = Value; }
  void ChangeHorizSize(int Value) { FHorizSize = Value; }
  void ChangeVertSize(int Value) { FVertSize = Value; }
  void Change3D(bool Value) { FDraw3D = Value; }
  // For one drawing, without repaint.
  void ChangeVisible(bool Value) { FVisible = Value; }
  void ChangeTransparency(TPlotTransparency Value) { FTransparency = Value; }

  // Made on first read; nil frees them, anything else is copied in.
  TPlotEmboss* GetEmboss() const;
  void SetEmboss(TPlotEmboss* Value);
  TPlotShadow* GetShadow() const;
  void SetShadow(TPlotShadow* Value);
  TPlotPicture* GetPicture() const;
  void SetPicture(TPlotPicture* Value);
  TPlotSelected* GetSelected() const;
  void SetSelected(TPlotSelected* Value);
  bool HasEmboss() const { return FEmboss != nullptr; }
  bool HasShadow() const { return FShadow != nullptr; }
  bool HasPicture() const { return FPicture != nullptr; }
  bool HasSelected() const { return FSelected != nullptr; }

  bool AllowChangeSize = true;
  bool DefaultFullGradient = false;
  int Z = 0;

 protected:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Repaint();
  }
  // The shadow or emboss of a marker of style AStyle.
  void DrawEffect(TCanvas3D* ACanvas, TPlotShadow* Effect, TSeriesPointerStyle AStyle,
                  const TRect& R, int ZPos, int px, int py, int tmpHoriz, int tmpVert);
  void DrawShape(TCanvas3D* ACanvas, bool Is3D, const TRect& R, int ZPos, int px, int py,
                 int tmpHoriz, int tmpVert, TSeriesPointerStyle AStyle);
  void DrawPicture(TCanvas3D* ACanvas, bool Is3D, const TRect& R, int ZPos,
                   TSeriesPointerStyle AStyle);
  bool IsFullGradientStored() const { return FFullGradient != DefaultFullGradient; }
  TPlotEmboss* EmbossProp() { return GetEmboss(); }
  TPlotShadow* ShadowProp() { return GetShadow(); }
  TPlotPicture* PictureProp() { return GetPicture(); }
  TPlotSelected* SelectedProp() { return GetSelected(); }
  bool AlwaysStored() const { return true; }

  bool FDark3D = true;
  int FDarkPen = 0;
  int FDepth = 0;
  bool FDraw3D = true;
  mutable std::unique_ptr<TPlotEmboss> FEmboss;
  bool FFullGradient = false;
  int FHorizSize = 4;
  bool FInflate = true;
  bool FCenterPixel = true;
  mutable std::unique_ptr<TPlotPicture> FPicture;
  TChartSeries* FSeries = nullptr;
  mutable std::unique_ptr<TPlotShadow> FShadow;
  float FSizeFloat = 0;
  TPointerSizeUnits FSizeUnits = suPixels;
  TSeriesPointerStyle FStyle = psRectangle;
  TPlotTransparency FTransparency = 0;
  int FVertSize = 4;
  mutable std::unique_ptr<TPlotSelected> FSelected;
};

// Draws Pointer as a legend symbol inside Rect (nothing without a panel).
void PlotPointerDrawLegend(TSeriesPointer* Pointer, TColor AColor, const TRect& Rect, bool DrawPen,
                           TSeriesPointerStyle AStyle);
