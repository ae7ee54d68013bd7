#pragma once
// Free routines on points, rectangles, polygons and colours that the
// canvases, effects, panel and chart engine share; bitmap size and
// resolution; persistent float points with their "zero" stream entries.

#include <vector>

#include "chart/PlotFilter.h"
#include "platform/vcl/Types.h"

class TStream;

struct TRectF {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TRectF&) const = default;
};
struct TPointF {
  float x = 0, y = 0;
  bool operator==(const TPointF&) const = default;
};
struct TPoint3DInt {
  int32_t x = 0, y = 0, z = 0;
  bool operator==(const TPoint3DInt&) const = default;
};
struct TPoint3DSingle {
  float x = 0, y = 0, z = 0;
  bool operator==(const TPoint3DSingle&) const = default;
};
using TFourPoints = TPoint[4];
using TPointArray = std::vector<TPoint>;

inline constexpr TRect PlotZeroRect{};
inline constexpr TRectF PlotZeroRectF{};
inline constexpr TPoint PlotZeroPoint{};
inline constexpr double PlotPiStep = 3.14159265358979323846 / 180;

// The chart's rounding of a value to a pixel: the nearest integer, halves to
// the even neighbour (2.5 gives 2, 3.5 gives 4), whatever the processor's
// rounding mode. Values beyond the integer range give its nearest end, NaN 0.
int PlotRound(double Value);

void InflateRectF(TRectF& R, float DX, float DY);
TPoint PlotPoint(int X, int Y);
// Rounded by PlotRound.
TPoint PlotPoint(TPointF P);
TPointF PlotPointFloat(TPoint P);
void Offset(TPoint& P, int Delta);
// Both edges count as inside.
bool PointInRect(const TRect& R, int X, int Y);
bool PointInRect(const TRect& R, TPoint P);
bool PointInRect(const TRectF& R, int X, int Y);
TRectF PlotRect(const TRect& R);
TRect PlotRect(int Left, int Top, int Right, int Bottom);
TRect PlotRect(int Width, int Height);
TRect OrientRectangle(const TRect& R);
TRect OrientRectangle(int X0, int Y0, int X1, int Y1);
TPoint3DInt Point3D(int X, int Y, int Z);
TPoint3DInt Point3D(TPoint P, int Z);
TPoint3DSingle Point3D(TPoint3DInt P);
void RectSize(const TRect& R, int& Width, int& Height);
void RectSize(const TRectF& R, float& Width, float& Height);
// Halves towards zero.
void RectCenter(const TRect& R, int& X, int& Y);
TPoint RectCenter(const TRect& R);
void RectCenter(const TRectF& R, float& X, float& Y);

// True for a face turned away: the cross product of P0-P1 and P2-P1 below 0.
bool PlotCull(TPoint P0, TPoint P1, TPoint P2);
bool PlotCull(TPointF P0, TPointF P1, TPointF P2);
bool PlotCull(const TFourPoints& P);
bool PlotCull(TPointF P0, TPointF P1, TPointF P2, TPointF P3);

// Right and bottom one past the largest values; zero for no points.
TRect PolygonBounds(const std::vector<TPoint>& Points);
TRectF PolygonBounds(const std::vector<TPointF>& Points);
// Every point of A inside B by the even-odd rule (True for an empty A).
bool PolygonInPolygon(const std::vector<TPoint>& A, const std::vector<TPoint>& B);
bool PointInPolygon(TPoint P, const std::vector<TPoint>& B);
double PolygonArea(const TPointArray& P);
TPointF PolygonCentroid(const TPointArray& P);

TRGB RGBValue(TColor AColor);
TRGBA ColorRGBA(TColor AColor);

void PlotSetBitmapSize(TBitmap* Bitmap, int Width, int Height);
// Writes DPI as pixels per metre into both resolution fields of a bitmap file.
void PlotSetBitmapDPI(TBitmap* Bitmap, int DPI);
bool PlotSetBitmapDPI(TStream* Stream, int DPI);

// Font names the chart registers from its resources; none ship, so
// nothing is registered and the charts use ordinary fonts.
class TStrings;
using TPlotAddFontNames = void (*)(TStrings* Items);
extern TPlotAddFontNames PlotAddFontNames;
void LoadCustomFonts();
void UnloadCustomFonts();
