#pragma once
// The 3D chart canvas interface: the chart canvas with a depth coordinate.
// A chart point (x, y, z) is turned into a screen point by
// Calculate3DPosition (z in pixels of depth, 0 at the front wall); every
// 3D drawing operation is defined on top of that projection. The
// projection, the window set-up, the off-screen image and the solid figures
// are the GDI chart canvas's; what reduces to other operations is here.

#include <array>
#include <functional>

#include "chart/PlotCanvas.h"
#include "chart/PlotUnitRoutines.h"
#include "chart/PlotView3D.h"

using TPoint3D = TPoint3DInt;
using TTrianglePoints3D = std::array<TPoint3DInt, 3>;
using TTriangleColors3D = std::array<TColor, 3>;
using TCirclePoints = std::vector<TPointF>;

enum TCanvas3DPlane { cpX, cpY, cpZ };
enum TPlotCanvasSurfaceStyle { tcsSolid, tcsWire, tcsDot };
// Edge lighting of 3D pies.
enum TEdgeStyle { edFlat, edCurved, edNone };

struct TSurfaceVertex {
  TPoint3DSingle P0, P1, N0, N1;
  TColor C0 = 0, C1 = 0;
  bool Flag = false;
};

// An opaque handle that accelerated canvases may return from surface
// drawing; the GDI canvas never makes one.
class TPlotCachedObject : public TObject {};

// Supplies the vertices of the surface cell (X, Z).
using TPlotCanvasCalcPoints =
    std::function<void(int X, int Z, bool Flag, TSurfaceVertex& Vertex)>;
// Fills triangle number Index: its corners, colours and vertex indexes.
using TPlotCanvasTriPoints = std::function<void(int Index, TTrianglePoints3D& Points,
                                                TTriangleColors3D& Colors, int& Index0,
                                                int& Index1, int& Index2)>;

// An entity transform handed to BeginEntity; the GDI canvas does not read it.
class TPlotTransform : public TObject {
 public:
  bool Enabled = false;
  TPoint3DSingle Origin, Translate;
  float Rotate = 0;
  TPoint3DSingle Scale;
  bool Clip = false;
  TRect Bounds;
};

class TVisualBlock;

// Number of points of a rotated ellipse (the first and last coincide).
extern int NumCirclePoints;

class TCanvas3D : public TPlotCanvas {
 public:
  TCanvas3D() = default;

  // Brings the 2D forms of the overloaded names into view beside the 3D ones.
  using TPlotCanvas::Arc;
  using TPlotCanvas::Arrow;
  using TPlotCanvas::GetArrowPoints;
  using TPlotCanvas::Polyline;
  using TPlotCanvas::PolylineFloat;
  using TPlotCanvas::PolygonConcave;
  using TPlotCanvas::Rectangle;
  using TPlotCanvas::RoundRect;
  using TPlotCanvas::StretchDraw;

  // ---- virtual operations added, in slot order ----
  virtual TVisualBlock* BeginEntity(const std::string& Text, TVisualBlock* Block,
                                    TPlotTransform* Transform);
  virtual void EndEntity() {}
  // Edge lighting of 3D pies; draws nothing on this canvas.
  virtual void DrawLighting(TEdgeStyle EdgeStyle, int Depth, const TRect& Top,
                            const TRect& Bottom, const TRect& Hole, int StartAngle,
                            int EndAngle, TPoint Center, bool Donut);
  virtual bool CheckFastBrush() { return false; }
  virtual TColor GetPixel3D(int X, int Y, int Z) = 0;
  virtual bool GetSupports3DText() = 0;
  virtual void SetPixel3D(int X, int Y, int Z, TColor Value) = 0;
  // The flat shadow: one colour, or a radial gradient for a smooth ellipse.
  virtual void SmoothShadow(TPlotShadow* Shadow, const TRect& Rect, bool IsEllipse,
                            int CornerSize, std::span<const TPoint> Points, int Percent,
                            double StartAngle, double EndAngle);
  virtual std::string Description() { return ""; }
  virtual std::string EditorClass() { return ""; }
  // Screen point back to chart coordinates at depth z.
  virtual void Calculate2DPosition(int& x, int& y, int z) = 0;
  virtual TPoint Calculate3DPosition(int x, int y, int z) = 0;
  virtual void Calculate3DPosition(TPointF& P, float zPos) = 0;
  virtual TRect InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor,
                           bool Is3D, const TRect& UserRect) = 0;
  virtual bool IsAvailable() { return true; }
  // Monochrome, the view options (shared) and the font zoom.
  virtual void Assign(TCanvas3D* Source);
  virtual void Projection(int MaxDepth, const TRect& ABounds, const TRect& Rect) = 0;
  virtual void ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas,
                         const TRect& UserRect) = 0;
  virtual bool ReDrawBitmap() = 0;
  virtual bool RenderToBitmap(TBitmap*& ABitmap, const TRect& R);
  virtual void Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth,
                     int ArrowHeight, int Z0, int Z1, double ArrowPercent) = 0;
  virtual void ClipCube(const TRect& Rect, int MinZ, int MaxZ) = 0;
  virtual void Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                    bool Dark3D, int ConePercent) = 0;
  virtual void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides,
                    int RoundSize) = 0;
  virtual void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, int BevelSize,
                    bool DarkSides, int RoundSize) = 0;
  virtual void Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0,
                        int Z1, bool Dark3D) = 0;
  // Flat at mid depth.
  virtual void Diamond(int Left, int Top, int Right, int Bottom, int Z0, int Z1);
  virtual void DisableRotation() {}
  virtual void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) = 0;
  virtual void EnableRotation() {}
  virtual void HorizLine3D(int Left, int Right, int Y, int Z);
  virtual void RoundRect(const TRect& R, int X, int Y, int Z0, int Z1);
  virtual void VertLine3D(int X, int Top, int Bottom, int Z);
  virtual void ZLine3D(int X, int Y, int Z0, int Z1);
  virtual void FrontPlaneBegin();
  virtual void FrontPlaneEnd();
  virtual void LineWithZ(int X0, int Y0, int X1, int Y1, int Z);
  virtual void MoveTo3D(int X, int Y, int Z);
  virtual void MoveTo3D(float X, float Y, float Z);
  virtual void LineTo3D(int X, int Y, int Z);
  virtual void LineTo3D(float X, float Y, float Z);
  virtual void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
                     double StartAngle, double EndAngle, bool DarkSides, bool DrawSides,
                     int DonutPercent, TCustomPlotGradient* Gradient, int BevelPercent,
                     TEdgeStyle EdgeStyle, TPlotTransparency Transparency, int BevelBright,
                     bool BevelBorder, bool HideSides) = 0;
  virtual void Plane3D(TPoint A, TPoint B, int Z0, int Z1) = 0;
  virtual void PlaneWithZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) = 0;
  virtual void PlaneFour3D(TFourPoints& Points, int Z0, int Z1) = 0;
  virtual void Polygon3D(std::span<const TPoint3D> Points) = 0;
  virtual void Polygon3DConcave(std::span<const TPoint3DSingle> Points, bool Invert);
  virtual void Polygon3DConcave(std::span<const TPoint3D> Points, bool Invert);
  virtual void PolygonWithZ(std::span<const TPoint> Points, int Z);
  virtual void PolygonConcave(std::span<const TPoint> Points, int Z);
  virtual void Polyline(std::span<const TPoint> Points, int Z);
  virtual void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int z0, int z1,
                       bool DarkSides) = 0;
  virtual void PyramidTrunc(const TRectF& R, double StartZ, double EndZ, double TruncX,
                            double TruncZ, bool TopCover, bool BottomCover);
  virtual void RectangleWithZ(const TRect& Rect, int Z) = 0;
  virtual void RectangleY(int Left, int Top, int Right, int Z0, int Z1) = 0;
  virtual void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) = 0;
  virtual void RotateLabel3D(int x, int y, int z, const std::string& St, double RotDegree,
                             bool AllowHTML) = 0;
  // X and Y are ignored: a plain rectangle at the depth.
  virtual void RoundRectWithZ(const TRect& R, int X, int Y, int Z);
  virtual void Sphere(int x, int y, int z, double Radius) = 0;
  // A picture on the plane perpendicular to the axis, at depth Pos.
  virtual void StretchDraw(const TRect& Rect, TGraphic* Graphic, double Pos,
                           TCanvas3DPlane Plane);
  virtual void Surface3D(TPlotCanvasSurfaceStyle Style, bool SameBrush, bool CreateCached,
                         bool AddNormals, int NumXValues, int NumZValues,
                         const TPlotCanvasCalcPoints& CalcPoints,
                         TPlotCachedObject*& Cached) = 0;
  virtual void TextOut3D(int x, int y, int z, const std::string& Text, bool AllowHTML) = 0;
  virtual void Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) = 0;
  virtual void Triangles(std::span<const TPoint3D>, bool, TPlotCachedObject*&) {}
  virtual void TriangleWithZ(TPoint P1, TPoint P2, TPoint P3, int Z) = 0;
  virtual void TriSurface(int NumTriangles, bool CreateCached, bool AddNormals,
                          TPlotBlend* Blend, TPlotTransparency Transparency,
                          const TPlotCanvasTriPoints& CalcPoints, TPlotCachedObject*& Cached);

  // ---- non-virtual operations ----
  TRect CalcRect3D(const TRect& R, int Z);
  TPoint Calculate3DPosition(TPoint3D P) { return Calculate3DPosition(P.x, P.y, P.z); }
  TPoint Calculate3DPosition(TPoint P, int z) { return Calculate3DPosition(P.X, P.Y, z); }
  TPointArray Calc3DPoints(std::span<const TPoint> Points, int z);
  // Each point projected in place with the single-precision projection.
  void Calc3DPointsFloat(TPointFloatArray& Points, int z);
  void PolygonFloatWithZ(TPointFloatArray Points, int Z);
  void PolylineWithZ(TPointFloatArray Points, int Z);
  void FourPointsFromRect(const TRect& R, int Z, TFourPoints& P);
  TRect RectFromRectZ(const TRect& R, int Z);
  // Fractions kept; projected at zPos when that is not 0.
  TPointF PointFromCircle(const TRect& Rect, double Degrees, float zPos = 0,
                          bool ClockWise = false);
  static TPoint PointFromSpiral(const TRect& Rect, double Degrees, double Twist);
  // At the 3D zoom when the canvas cannot draw 3D text itself.
  void AssignFont3D(TPlotFont* AFont);
  TPointArray CubeHull(const TRect& Rect, int MinZ, int MaxZ);
  TPointArray GetArrowPoints(float ArrowPercent, TPoint FromPoint, TPoint ToPoint,
                             int ArrowWidth, int ArrowHeight, int Z);
  static void CalcPieAngles(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                            float& StartAngle, float& EndAngle);
  void TrianglePointsTo2D(const TTrianglePoints3D& P, TTrianglePoints& Result);
  void RotatedEllipse(int Left, int Top, int Right, int Bottom, int Z, double Angle);
  void Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX, int EndY,
           int Z);
  void Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth, int ArrowHeight,
             int Z) {
    Arrow(Filled, FromPoint, ToPoint, ArrowWidth, ArrowHeight, Z, Z, 50);
  }
  void Cube(const TRect& R, int Z0, int Z1, bool DarkSides, int RoundSize) {
    Cube(R.Left, R.Right, R.Top, R.Bottom, Z0, Z1, DarkSides, RoundSize);
  }
  void Diamond(const TRect& R, int Z0, int Z1) {
    Diamond(R.Left, R.Top, R.Right, R.Bottom, Z0, Z1);
  }
  void EllipseWithZ(const TRect& Rect, int Z) {
    EllipseWithZ(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, Z);
  }
  void LineWithZ(TPoint FromPoint, TPoint ToPoint, int Z) {
    LineWithZ(FromPoint.X, FromPoint.Y, ToPoint.X, ToPoint.Y, Z);
  }
  void MoveTo3D(TPoint3D P) { MoveTo3D(P.x, P.y, P.z); }
  void LineTo3D(TPoint3D P) { LineTo3D(P.x, P.y, P.z); }
  void PlaneWithZ(const TFourPoints& P, int Z) { PlaneWithZ(P[0], P[1], P[2], P[3], Z); }
  void Rectangle(const TRect& R, int Z) { RectangleWithZ(R, Z); }
  void Rectangle(int X0, int Y0, int X1, int Y1, int Z) {
    RectangleWithZ(TRect{X0, Y0, X1, Y1}, Z);
  }
  void TextOut3D(int x, int y, int z, const std::string& Text) {
    TextOut3D(x, y, z, Text, false);
  }

  // ---- state ----
  TView3DOptions* GetView3DOptions() const { return F3DOptions; }
  void SetView3DOptions(TView3DOptions* Value) { F3DOptions = Value; }
  bool GetIsOrthogonal() const { return FIsOrthogonal; }
  int GetXCenter() const { return FXCenter; }
  int GetYCenter() const { return FYCenter; }
  int GetZCenter() const { return FZCenter; }

  int GradientZ = 0;
  bool SupportsID = false;
  bool INoFixAlign = false;
  // Offset added to the centre of rotation.
  TPoint3DSingle RotationCenter;

 protected:
  int IDisabledRotation = 0;
  TView3DOptions* F3DOptions = nullptr;
  bool FIsNoBMPGrid = false;
  bool FIsOrthogonal = false;
  TPlotTransform* FTransform = nullptr;
  int FXCenter = 0, FYCenter = 0, FZCenter = 0;
};
