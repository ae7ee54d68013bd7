#pragma once
// Colour and rectangle routines of the drawing unit, distances, the convex
// hull of projected points, points on ellipses and spirals, and the angles
// of a device pie.

#include "chart/PlotGeometry.h"

using TTrianglePoints = TPoint[3];

// Each colour byte less HowMuch (0 at least); the top byte cleared.
TColor ApplyDark(TColor Color, uint8_t HowMuch);
// Each colour byte plus HowMuch (255 at most); the top byte cleared.
TColor ApplyBright(TColor Color, uint8_t HowMuch);
TColor RGBA(const TRGBA& Value);
TColor RGBA(int R, int G, int B, int A);
// Right and bottom one past the largest coordinates of the first NumPoints points.
TRect RectFromPolygon(const TPoint* Points, int NumPoints);
TRect RectFromTriangle(const TTrianglePoints& P);
// Both corners of R1 inside R2, edges included.
bool RectangleInRectangle(const TRect& R1, const TRect& R2);
float PlotHypot(int X, int Y);
float PlotHypot(float X, float Y);

// Gift-wrap around the lowest point (largest X among equals), which ends
// the list. Fewer than three points answer False and stay as they are.
bool ConvexHull(TPointArray& Points);
// The point at Degrees on the ellipse in Rect, counter-clockwise from three
// o'clock unless ClockWise; fractions kept.
TPointF PointFromCircle(const TRect& Rect, double Degrees, bool ClockWise);
TPoint PointFromSpiral(const TRect& Rect, double Degrees, double Twist);
// Start in [0, 360), end in (0, 360] degrees, from the two ray points of a
// device pie with the bounding box (X1, Y1)-(X2, Y2).
void CalcPieAngles(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                   float& StartAngle, float& EndAngle);

// The square root of X² + Y².
double PlotDistance(double X, double Y);
// The point Distance away from ToPoint, back along the line towards FromPoint.
TPoint PointAtDistance(TPoint FromPoint, TPoint ToPoint, float Distance);
TPointF PointAtDistance(TPointF FromPoint, TPointF ToPoint, float Distance);
void SwapExtended(long double& A, long double& B);
void SwapDouble(double& A, double& B);
void SwapSingle(float& A, float& B);
void SwapInteger(int& A, int& B);
