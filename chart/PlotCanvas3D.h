#pragma once
// The GDI chart canvas: the chart canvas interfaces on a framework canvas
// through platform/gdi. It projects chart points (rotation, elevation,
// tilt, perspective, zoom, or an oblique orthogonal view), keeps an
// off-screen bitmap across paints, fills shapes with the brush's picture or
// gradient, draws text with the font's effects and places solid figures.
//
// A pass: InitWindow, Projection, drawing, ShowImage.

#include <memory>

#include "chart/Canvas3D.h"

// Unit-level values of the GDI canvas.
inline constexpr uint8_t DarkColorQuantity = 64;
inline constexpr uint8_t DarkerColorQuantity = 128;
// Sides of cylinders and cones; a bar series sets it around each bar.
inline int PlotNumCylinderSides = 32;
inline constexpr int PlotDefaultConePercent = 0;
// The device's antialiased font quality.
inline constexpr uint8_t PlotFontAntiAlias = 4;

// Set the stock device brush's or pen's colour (nil when the device layer
// lacks them; here they are always present).
extern gdi::COLORREF (*PlotSetDCBrushColor)(gdi::HDC DC, gdi::COLORREF Color);
extern gdi::COLORREF (*PlotSetDCPenColor)(gdi::HDC DC, gdi::COLORREF Color);

class TPlotCanvas3D : public TCanvas3D {
 public:
  TPlotCanvas3D();
  ~TPlotCanvas3D() override;

  using TCanvas3D::Arc;
  using TCanvas3D::Calculate3DPosition;
  using TCanvas3D::Cube;
  using TCanvas3D::Ellipse;
  using TCanvas3D::LineTo;
  using TCanvas3D::MoveTo;
  using TCanvas3D::Pie;
  using TCanvas3D::PolylineFloat;
  using TCanvas3D::Rectangle;
  using TCanvas3D::RoundRect;
  using TCanvas3D::StretchDraw;
  using TCanvas3D::TextOut;
  using TCanvas3D::ClipRectangle;

  // ---- the chart canvas ----
  void FastLineTo(int X, int Y) override;
  TColor GetBackColor() override;
  TCanvasBackMode GetBackMode() override;
  gdi::HDC GetHandle() override;
  bool GetIsNoBMPGrid() override { return false; }
  bool GetMonochrome() override { return FMonochrome; }
  TColor GetPixel(int x, int y) override;
  bool GetSupportsFullRotation() override { return false; }
  bool GetSupportsXORMode() override { return true; }
  unsigned GetTextAlign() override;
  bool GetUseBuffer() override { return FBufferedDisplay; }
  void SetBackColor(TColor Color) override;
  void SetBackMode(TCanvasBackMode Mode) override;
  void SetFastLine(bool Value) override;
  void SetMonochrome(bool Value) override;
  void SetPixel(int X, int Y, TColor Value) override;
  void SetTextAlign(unsigned Align) override;
  void SetUseBuffer(bool Value) override;
  void Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX,
           int EndY) override;
  void Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle,
             double EndAngle, double HolePercent) override;
  void Draw(int X, int Y, TGraphic* Graphic) override;
  void Ellipse(int X1, int Y1, int X2, int Y2) override;
  void FillRect(const TRect& Rect) override;
  void LineTo(int X, int Y) override;
  void MoveTo(int X, int Y) override;
  void Pie(const TRect& R, double StartAngle, double EndAngle) override;
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
  void Rectangle(int X0, int Y0, int X1, int Y1) override;
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) override;
  void StretchDraw(const TRect& Rect, TGraphic* Graphic) override;
  void TextOut(int X, int Y, const std::string& Text) override;
  void ClipRectangle(const TRect& Rect) override;
  void EraseBackground(const TRect& Rect) override;
  void GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                    TGradientDirection Direction, int Balance, int RadialX,
                    int RadialY) override;
  void Invalidate() override { FDirty = true; }
  void Polyline(std::span<const TPoint> Points) override;
  void PolylineFloat(std::span<const TPointF> Points) override;
  void Polygon(std::span<const TPoint> Points) override;
  void PolygonFloat(std::span<const TPointF> Points) override;
  void RotateLabel(int x, int y, const std::string& St, double RotDegree,
                   bool AllowHTML) override;
  void UnClipRectangle() override;

  // ---- the 3D canvas ----
  bool CheckFastBrush() override;
  TColor GetPixel3D(int X, int Y, int Z) override;
  bool GetSupports3DText() override { return false; }
  void SetPixel3D(int X, int Y, int Z, TColor Value) override;
  void SmoothShadow(TPlotShadow* Shadow, const TRect& Rect, bool IsEllipse, int CornerSize,
                    std::span<const TPoint> Points, int Percent, double StartAngle,
                    double EndAngle) override;
  std::string Description() override { return "GDI"; }
  void Calculate2DPosition(int& x, int& y, int z) override;
  TPoint Calculate3DPosition(int x, int y, int z) override;
  void Calculate3DPosition(TPointF& P, float zPos) override;
  TRect InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor,
                   bool Is3D, const TRect& UserRect) override;
  void Projection(int MaxDepth, const TRect& ABounds, const TRect& Rect) override;
  void ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas, const TRect& UserRect) override;
  bool ReDrawBitmap() override;
  bool RenderToBitmap(TBitmap*& ABitmap, const TRect& R) override;
  void Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth, int ArrowHeight,
             int Z0, int Z1, double ArrowPercent) override;
  void ClipCube(const TRect& Rect, int MinZ, int MaxZ) override;
  void Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark3D,
            int ConePercent) override;
  void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides,
            int RoundSize) override;
  void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, int BevelSize,
            bool DarkSides, int RoundSize) override;
  void Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                bool Dark3D) override;
  void DisableRotation() override;
  void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) override;
  void EnableRotation() override;
  void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
             double StartAngle, double EndAngle, bool DarkSides, bool DrawSides,
             int DonutPercent, TCustomPlotGradient* Gradient, int BevelPercent,
             TEdgeStyle EdgeStyle, TPlotTransparency Transparency, int BevelBright,
             bool BevelBorder, bool HideSides) override;
  void Plane3D(TPoint A, TPoint B, int Z0, int Z1) override;
  void PlaneWithZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) override;
  void PlaneFour3D(TFourPoints& Points, int Z0, int Z1) override;
  void Polygon3D(std::span<const TPoint3D> Points) override;
  void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int z0, int z1,
               bool DarkSides) override;
  void RectangleWithZ(const TRect& Rect, int Z) override;
  void RectangleY(int Left, int Top, int Right, int Z0, int Z1) override;
  void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) override;
  void RotateLabel3D(int x, int y, int z, const std::string& St, double RotDegree,
                     bool AllowHTML) override;
  void Sphere(int x, int y, int z, double Radius) override;
  void Surface3D(TPlotCanvasSurfaceStyle, bool, bool, bool, int, int,
                 const TPlotCanvasCalcPoints&, TPlotCachedObject*&) override {}
  void TextOut3D(int x, int y, int z, const std::string& Text, bool AllowHTML) override;
  void Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) override;
  void TriangleWithZ(TPoint P1, TPoint P2, TPoint P3, int Z) override;

  // ---- added virtual operations ----
  virtual void PolygonFour();
  // Takes the buffer as it is: no copy, no change of ownership.
  virtual void SetBitmap(TBitmap* Value);
  virtual void DeleteBitmap();
  // The whole buffer onto Canvas at (X, Y).
  virtual void TransferBitmap(int X, int Y, TCanvas* Canvas);
  // Each point projected at its own depth, then the 2D polyline.
  virtual void PolylineFloat(std::span<const TPoint3DSingle> Points);

  // ---- non-virtual operations ----
  void Calc3DPos(int& x, int& y, int z);
  void Calc3DTPoint(TPoint& P, int z) { Calc3DPos(P.X, P.Y, z); }
  void Calc3DPoint(TPoint& P, int x, int y, int z);
  TPoint Calc3DTPoint3D(TPoint3D P) { return Calculate3DPosition(P.x, P.y, P.z); }
  // The double-precision projection, rounded.
  void Calc3DPoint(TPoint& P, double x, double y, double z);
  void CalcPerspective(const TRect& Rect);
  void CalcTrigValues();
  void GetCirclePoints(TCirclePoints& P, int X1, int Y1, int X2, int Y2);
  void GetCirclePoints(TCirclePoints& P, int X1, int Y1, int X2, int Y2, int Z);
  // Makes a font at Size from the chart font, selects it and answers the
  // font it replaced.
  gdi::HFONT GetNewFont(gdi::HDC DC, int Size);
  void SetFontQuality(gdi::LOGFONTW& LogFont);
  // The text with the font's shadow, emboss, outline and glyph fill, in
  // the font selected into the device.
  void DirectTextOut(gdi::HDC DC, int X, int Y, const std::string& Text);
  // The gradient into the rectangle: rotated, split at a middle colour, in greys when monochrome.
  void GradientFill(TCustomPlotGradient* Gradient, const TRect& Rect);
  // The graphic composed over the buffer's pixels under R; the caller frees it.
  std::unique_ptr<TBitmap> TranspBitmap(TGraphic* Graphic, const TRect& R);
  std::unique_ptr<TBitmap> TranspBitmap(TGraphic* Graphic, int X, int Y);

  // ---- state ----
  TBitmap* GetBitmap() const { return FBitmap; }
  bool GetIs3D() const { return FIs3D; }
  bool GetDirty() const { return FDirty; }
  double GetZoomFactor() const { return IZoomFactor; }
  double GetZoomPerspec() const { return IZoomPerspec; }
  bool GetHasPerspec() const { return IHasPerspec; }
  double GetOrthoX() const { return IOrthoX; }
  double GetOrthoY() const { return IOrthoY; }

  TFourPoints IPoints{};
  bool IKeepBitmap = false;
  double CharacterAngle = 0;
  int XCenterOffset = 0, YCenterOffset = 0;
  bool Pie3DUsingArcs = false;
  // A device path for the pie's smooth faces: begun (false when the device
  // cannot), then ended, stroked and filled with the current pen and brush.
  bool BeginPath();
  void StrokeAndFillPath();
  TPlotFontQuality FontQuality = TPlotFontQuality::fqBest;
  TObject* Tag = nullptr;

 protected:
  // The device context with the framework canvas's pen and brush selected,
  // for shapes drawn through the device layer.
  gdi::HDC DrawHandle();
  // The effect (shadow +1, emboss -1) before the text; may move the text's origin.
  void DrawTextEffect(gdi::HDC DC, TPlotShadow* Effect, int Sign, int& X, int& Y,
                      const std::string& Text);
  TRect TextRectangle(gdi::HDC DC, int X, int Y, const std::string& Text);
  void InternalCylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                        bool Dark3D, int ConePercent);

  double s1 = 0, s2 = 0, s3 = 0, c1 = 1, c2 = 1, c3 = 1;
  double c2s3 = 0, c2c3 = 0, tempXX = 0, tempYX = 0, tempXZ = 0, tempYZ = 0;
  bool FWas3D = false;
  TBitmap* FBitmap = nullptr;
  bool FMonochrome = false;
  gdi::HDC IFastLine = nullptr;
  bool IHasPerspec = false;
  bool IHasTilt = false;
  double IOrthoX = 0, IOrthoY = 0;
  double IZoomPerspec = 0;
  bool FBufferedDisplay = true;
  bool FDirty = true;
  bool FIs3D = false;
  double IZoomFactor = 0;
};

// A chart canvas for outputs that keep their own state instead of a device
// context: back colour and mode, text alignment and opacity are fields.
class TPlotNeutralCanvas : public TPlotCanvas3D {
 public:
  TPlotNeutralCanvas() = default;
  using TPlotCanvas3D::Polyline;
  TColor GetBackColor() override { return FBackColor; }
  void SetBackColor(TColor Color) override { FBackColor = Color; }
  TCanvasBackMode GetBackMode() override { return FBackMode; }
  void SetBackMode(TCanvasBackMode Mode) override { FBackMode = Mode; }
  unsigned GetTextAlign() override { return FTextAlign; }
  void SetTextAlign(unsigned Align) override { FTextAlign = Align; }
  TPlotBlend* BeginBlending(const TRect& R, TPlotTransparency Transparency) override;
  void EndBlending(TPlotBlend* Blend) override;
  void ClipPolygon(std::span<const TPoint>, int, bool) override {}
  void SetInterCharSize(int) override {}
  void SetPenMode(TPlotPen*) override {}
  void Polyline(std::span<const TPoint> Points) override;
  float GetOpacity() const { return ITransp; }

 protected:
  TColor FBackColor = 0;
  TCanvasBackMode FBackMode = cbmNone;
  unsigned FTextAlign = 0;
  std::vector<float> ITranspStack;
  float ITransp = 1.0f;
};

// The canvas classes a chart panel may pick; the first is its default.
using TPlotCanvasFactory = std::unique_ptr<TCanvas3D> (*)();
struct TPlotRenderClass {
  std::string Name;
  TPlotCanvasFactory Create;
};
extern std::vector<TPlotRenderClass> PlotRenderClasses;
