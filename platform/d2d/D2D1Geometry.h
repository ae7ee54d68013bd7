#pragma once
// Geometries: rectangles, paths written through a sink, and groups of
// geometries. A geometry keeps its figures as a list of segments and hands
// them to Cairo for filling, stroking and hit tests.

#include <cairo.h>

#include <memory>
#include <vector>

#include "platform/d2d/D2D1Types.h"

// What receives the figures of a geometry: lines and cubic Béziers.
class ID2D1SimplifiedGeometrySink {
 public:
  virtual ~ID2D1SimplifiedGeometrySink() = default;
  virtual void SetFillMode(D2D1_FILL_MODE fillMode) = 0;
  virtual void SetSegmentFlags(D2D1_PATH_SEGMENT vertexFlags) = 0;
  virtual void BeginFigure(D2D1_POINT_2F startPoint, D2D1_FIGURE_BEGIN figureBegin) = 0;
  virtual void AddLines(const D2D1_POINT_2F* points, UINT32 pointsCount) = 0;
  virtual void AddBeziers(const D2D1_BEZIER_SEGMENT* beziers, UINT32 beziersCount) = 0;
  virtual void EndFigure(D2D1_FIGURE_END figureEnd) = 0;
  virtual HRESULT Close() = 0;
};

// One step of a figure.
struct D2D1PathSegment {
  enum Kind { Begin, Line, Bezier, End } kind;
  D2D1_POINT_2F p[3];
  bool closed = false;  // End: the figure is closed
};

class ID2D1Geometry {
 public:
  virtual ~ID2D1Geometry() = default;
  // Whether the filled geometry, moved by the transform (nil: none), covers
  // the point; tolerance is the largest gap between a curve and its lines.
  HRESULT FillContainsPoint(D2D1_POINT_2F point, const D2D1_MATRIX_3X2_F* worldTransform,
                            FLOAT flatteningTolerance, BOOL* contains) const;
  // Writes the figures to the sink, curves kept as Béziers or flattened to
  // lines, then closes the sink.
  HRESULT Simplify(D2D1_GEOMETRY_SIMPLIFICATION_OPTION option,
                   const D2D1_MATRIX_3X2_F* worldTransform, FLOAT flatteningTolerance,
                   ID2D1SimplifiedGeometrySink* sink) const;

  D2D1_FILL_MODE GetFillMode() const { return FFillMode; }
  const std::vector<D2D1PathSegment>& Segments() const { return FSegments; }
  // Adds the figures to Cairo's current path (open figures stay open).
  void AppendTo(cairo_t* cr) const;

 protected:
  D2D1_FILL_MODE FFillMode = D2D1_FILL_MODE_ALTERNATE;
  std::vector<D2D1PathSegment> FSegments;
};

class ID2D1RectangleGeometry : public ID2D1Geometry {
 public:
  explicit ID2D1RectangleGeometry(const D2D1_RECT_F& rect);
  D2D1_RECT_F GetRect() const { return FRect; }

 private:
  D2D1_RECT_F FRect;
};

class ID2D1PathGeometry;

// Writes figures into a path geometry; Close ends the writing.
class ID2D1GeometrySink : public ID2D1SimplifiedGeometrySink {
 public:
  explicit ID2D1GeometrySink(ID2D1PathGeometry* owner) : FOwner(owner) {}
  void SetFillMode(D2D1_FILL_MODE fillMode) override;
  void SetSegmentFlags(D2D1_PATH_SEGMENT) override {}
  void BeginFigure(D2D1_POINT_2F startPoint, D2D1_FIGURE_BEGIN figureBegin) override;
  void AddLines(const D2D1_POINT_2F* points, UINT32 pointsCount) override;
  void AddBeziers(const D2D1_BEZIER_SEGMENT* beziers, UINT32 beziersCount) override;
  void EndFigure(D2D1_FIGURE_END figureEnd) override;
  HRESULT Close() override;
  void AddLine(D2D1_POINT_2F point) { AddLines(&point, 1); }
  void AddBezier(const D2D1_BEZIER_SEGMENT& bezier) { AddBeziers(&bezier, 1); }

 private:
  ID2D1PathGeometry* FOwner;
  bool FInFigure = false;
  bool FClosed = false;
};

class ID2D1PathGeometry : public ID2D1Geometry {
 public:
  // One sink per geometry; a second open fails.
  HRESULT Open(std::shared_ptr<ID2D1GeometrySink>* sink);
  UINT32 GetFigureCount() const;

 private:
  friend class ID2D1GeometrySink;
  bool FOpened = false;
};

// The figures of several geometries filled as one under one fill mode.
class ID2D1GeometryGroup : public ID2D1Geometry {
 public:
  ID2D1GeometryGroup(D2D1_FILL_MODE fillMode, ID2D1Geometry* const* geometries, UINT32 count);
  UINT32 GetSourceGeometryCount() const { return FCount; }

 private:
  UINT32 FCount = 0;
};

// Cairo's matrix for a Direct2D one.
void D2D1ToCairoMatrix(const D2D1_MATRIX_3X2_F& m, cairo_matrix_t* out);
// Cairo path data as figures for the sink, the points moved by the
// transform (nil: none); the sink is not closed.
void D2D1PathToSink(const cairo_path_t* path, const D2D1_MATRIX_3X2_F* transform,
                    ID2D1SimplifiedGeometrySink* sink);
