#pragma once
// Graphics paths: figures of lines and cubic Béziers, each point carrying its
// type byte (start, line, Bézier, close flag), with a fill mode.

#include <vector>

#include "platform/gdiplus/GdiPlusMatrix.h"
#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class Pen;
class Graphics;
class FontFamily;
class StringFormat;

struct PathData {
  INT Count = 0;
  std::vector<PointF> Points;
  std::vector<uint8_t> Types;
};

class GraphicsPath : public LastStatus {
 public:
  explicit GraphicsPath(FillMode fillMode = FillModeAlternate);
  GraphicsPath(const PointF* points, const uint8_t* types, INT count,
               FillMode fillMode = FillModeAlternate);

  GraphicsPath* Clone() const { return new GraphicsPath(*this); }
  Status Reset();
  FillMode GetFillMode() const { return FFillMode; }
  Status SetFillMode(FillMode fillMode);

  Status StartFigure();
  Status CloseFigure();
  Status CloseAllFigures();

  Status AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
  Status AddLine(const PointF& pt1, const PointF& pt2) {
    return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y);
  }
  Status AddLines(const PointF* points, INT count);
  Status AddBezier(const PointF& pt1, const PointF& pt2, const PointF& pt3, const PointF& pt4);
  Status AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
  Status AddBeziers(const PointF* points, INT count);
  // Elliptic arc of the ellipse inscribed in the rectangle; angles in degrees,
  // clockwise from the x axis (y grows downwards).
  Status AddArc(const RectF& rect, REAL startAngle, REAL sweepAngle);
  Status AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  Status AddRectangle(const RectF& rect);
  Status AddRectangles(const RectF* rects, INT count);
  Status AddEllipse(const RectF& rect);
  Status AddEllipse(REAL x, REAL y, REAL width, REAL height);
  Status AddPie(const RectF& rect, REAL startAngle, REAL sweepAngle);
  Status AddPolygon(const PointF* points, INT count);
  Status AddPath(const GraphicsPath* addingPath, bool connect);
  // The outlines of the text laid out in the rectangle; emSize is in drawing units.
  Status AddString(const char16_t* string, INT length, const FontFamily* family, INT style,
                   REAL emSize, const RectF& layoutRect, const StringFormat* format);

  INT GetPointCount() const { return INT(FPoints.size()); }
  Status GetPathPoints(PointF* points, INT count) const;
  Status GetPathTypes(uint8_t* types, INT count) const;
  Status GetPathData(PathData* pathData) const;
  Status GetLastPoint(PointF* lastPoint) const;
  const std::vector<PointF>& Points() const { return FPoints; }
  const std::vector<uint8_t>& Types() const { return FTypes; }

  // Bounds of the points after the matrix; with a pen, of the stroked outline.
  Status GetBounds(RectF* bounds, const Matrix* matrix = nullptr, const Pen* pen = nullptr) const;
  bool IsVisible(REAL x, REAL y, const Graphics* g = nullptr) const;
  bool IsVisible(const PointF& pt, const Graphics* g = nullptr) const {
    return IsVisible(pt.X, pt.Y, g);
  }
  bool IsOutlineVisible(REAL x, REAL y, const Pen* pen, const Graphics* g = nullptr) const;
  Status Transform(const Matrix* matrix);
  // Replaces curves by line segments no further than flatness from the curve.
  Status Flatten(const Matrix* matrix = nullptr, REAL flatness = 0.25f);

  // Adds one point of a figure: a start when a new figure is due, otherwise a
  // line to it (skipped when it repeats the last point).
  void AddLinePoint(const PointF& p);
  // Appends raw points with their types, as read back from another path.
  void AppendRaw(const PointF& p, uint8_t type);

 private:
  std::vector<PointF> FPoints;
  std::vector<uint8_t> FTypes;
  FillMode FFillMode;
  bool FNewFigure = true;
  void AddArcSegments(const RectF& rect, REAL startAngle, REAL sweepAngle);
};

}  // namespace Gdiplus
