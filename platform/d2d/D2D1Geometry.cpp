#include "platform/d2d/D2D1Geometry.h"

#include "platform/gdiplus/GdiPlusCairo.h"

void D2D1ToCairoMatrix(const D2D1_MATRIX_3X2_F& m, cairo_matrix_t* out) {
  cairo_matrix_init(out, m._11, m._12, m._21, m._22, m._31, m._32);
}

void ID2D1Geometry::AppendTo(cairo_t* cr) const {
  for (const D2D1PathSegment& s : FSegments) {
    switch (s.kind) {
      case D2D1PathSegment::Begin:
        cairo_move_to(cr, s.p[0].x, s.p[0].y);
        break;
      case D2D1PathSegment::Line:
        cairo_line_to(cr, s.p[0].x, s.p[0].y);
        break;
      case D2D1PathSegment::Bezier:
        cairo_curve_to(cr, s.p[0].x, s.p[0].y, s.p[1].x, s.p[1].y, s.p[2].x, s.p[2].y);
        break;
      case D2D1PathSegment::End:
        if (s.closed) cairo_close_path(cr);
        break;
    }
  }
}

HRESULT ID2D1Geometry::FillContainsPoint(D2D1_POINT_2F point,
                                         const D2D1_MATRIX_3X2_F* worldTransform,
                                         FLOAT flatteningTolerance, BOOL* contains) const {
  if (!contains) return E_INVALIDARG;
  cairo_t* cr = Gdiplus::CreateScratchContext();
  if (worldTransform) {
    cairo_matrix_t m;
    D2D1ToCairoMatrix(*worldTransform, &m);
    cairo_set_matrix(cr, &m);
  }
  if (flatteningTolerance > 0) cairo_set_tolerance(cr, flatteningTolerance);
  cairo_set_fill_rule(
      cr, FFillMode == D2D1_FILL_MODE_WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  AppendTo(cr);
  double x = point.x, y = point.y;
  cairo_device_to_user(cr, &x, &y);
  *contains = cairo_in_fill(cr, x, y) ? 1 : 0;
  cairo_destroy(cr);
  return S_OK;
}

namespace {

D2D1_POINT_2F Map(const D2D1_MATRIX_3X2_F* m, D2D1_POINT_2F p) {
  if (!m) return p;
  return {p.x * m->_11 + p.y * m->_21 + m->_31, p.x * m->_12 + p.y * m->_22 + m->_32};
}

}  // namespace

// A figure begins at the first segment after a move, so the move Cairo
// adds after every close makes no empty figure.
void D2D1PathToSink(const cairo_path_t* path, const D2D1_MATRIX_3X2_F* transform,
                    ID2D1SimplifiedGeometrySink* sink) {
  bool open = false, pending = false;
  D2D1_POINT_2F start;
  auto begin = [&] {
    if (!pending) return;
    sink->BeginFigure(start, D2D1_FIGURE_BEGIN_FILLED);
    pending = false;
    open = true;
  };
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t* d = &path->data[i];
    auto pt = [&](int k) { return Map(transform, {float(d[k].point.x), float(d[k].point.y)}); };
    switch (d->header.type) {
      case CAIRO_PATH_MOVE_TO:
        if (open) sink->EndFigure(D2D1_FIGURE_END_OPEN);
        open = false;
        pending = true;
        start = pt(1);
        break;
      case CAIRO_PATH_LINE_TO: {
        begin();
        const D2D1_POINT_2F p = pt(1);
        if (open) sink->AddLines(&p, 1);
        break;
      }
      case CAIRO_PATH_CURVE_TO: {
        begin();
        const D2D1_BEZIER_SEGMENT b = {pt(1), pt(2), pt(3)};
        if (open) sink->AddBeziers(&b, 1);
        break;
      }
      case CAIRO_PATH_CLOSE_PATH:
        begin();
        if (open) sink->EndFigure(D2D1_FIGURE_END_CLOSED);
        open = false;
        break;
    }
  }
  if (open) sink->EndFigure(D2D1_FIGURE_END_OPEN);
}

namespace {

// Cairo's flattened path of the figures, as lines for the sink.
HRESULT SimplifyToLines(const ID2D1Geometry& g, const D2D1_MATRIX_3X2_F* worldTransform,
                        FLOAT tolerance, ID2D1SimplifiedGeometrySink* sink) {
  cairo_t* cr = Gdiplus::CreateScratchContext();
  if (tolerance > 0) cairo_set_tolerance(cr, tolerance);
  g.AppendTo(cr);
  cairo_path_t* path = cairo_copy_path_flat(cr);
  D2D1PathToSink(path, worldTransform, sink);
  cairo_path_destroy(path);
  cairo_destroy(cr);
  return sink->Close();
}

}  // namespace

HRESULT ID2D1Geometry::Simplify(D2D1_GEOMETRY_SIMPLIFICATION_OPTION option,
                                const D2D1_MATRIX_3X2_F* worldTransform, FLOAT flatteningTolerance,
                                ID2D1SimplifiedGeometrySink* sink) const {
  if (!sink) return E_INVALIDARG;
  if (option == D2D1_GEOMETRY_SIMPLIFICATION_OPTION_LINES)
    return SimplifyToLines(*this, worldTransform, flatteningTolerance, sink);
  sink->SetFillMode(FFillMode);
  for (const D2D1PathSegment& s : FSegments) {
    switch (s.kind) {
      case D2D1PathSegment::Begin:
        sink->BeginFigure(Map(worldTransform, s.p[0]), D2D1_FIGURE_BEGIN_FILLED);
        break;
      case D2D1PathSegment::Line: {
        const D2D1_POINT_2F p = Map(worldTransform, s.p[0]);
        sink->AddLines(&p, 1);
        break;
      }
      case D2D1PathSegment::Bezier: {
        const D2D1_BEZIER_SEGMENT b = {Map(worldTransform, s.p[0]), Map(worldTransform, s.p[1]),
                                       Map(worldTransform, s.p[2])};
        sink->AddBeziers(&b, 1);
        break;
      }
      case D2D1PathSegment::End:
        sink->EndFigure(s.closed ? D2D1_FIGURE_END_CLOSED : D2D1_FIGURE_END_OPEN);
        break;
    }
  }
  return sink->Close();
}

// ---------------------------------------------------------------- rectangle

ID2D1RectangleGeometry::ID2D1RectangleGeometry(const D2D1_RECT_F& rect) : FRect(rect) {
  const D2D1_RECT_F& r = rect;
  FSegments = {{D2D1PathSegment::Begin, {{r.left, r.top}}},
               {D2D1PathSegment::Line, {{r.right, r.top}}},
               {D2D1PathSegment::Line, {{r.right, r.bottom}}},
               {D2D1PathSegment::Line, {{r.left, r.bottom}}},
               {D2D1PathSegment::End, {}, true}};
}

// ---------------------------------------------------------------- path and sink

HRESULT ID2D1PathGeometry::Open(std::shared_ptr<ID2D1GeometrySink>* sink) {
  if (!sink) return E_INVALIDARG;
  if (FOpened) return D2DERR_WRONG_STATE;
  FOpened = true;
  *sink = std::make_shared<ID2D1GeometrySink>(this);
  return S_OK;
}

UINT32 ID2D1PathGeometry::GetFigureCount() const {
  UINT32 n = 0;
  for (const D2D1PathSegment& s : FSegments) n += s.kind == D2D1PathSegment::Begin;
  return n;
}

void ID2D1GeometrySink::SetFillMode(D2D1_FILL_MODE fillMode) {
  if (!FClosed) FOwner->FFillMode = fillMode;
}

void ID2D1GeometrySink::BeginFigure(D2D1_POINT_2F startPoint, D2D1_FIGURE_BEGIN) {
  if (FClosed) return;
  if (FInFigure) EndFigure(D2D1_FIGURE_END_OPEN);
  FOwner->FSegments.push_back({D2D1PathSegment::Begin, {startPoint}});
  FInFigure = true;
}

void ID2D1GeometrySink::AddLines(const D2D1_POINT_2F* points, UINT32 pointsCount) {
  if (FClosed || !FInFigure || !points) return;
  for (UINT32 i = 0; i < pointsCount; ++i)
    FOwner->FSegments.push_back({D2D1PathSegment::Line, {points[i]}});
}

void ID2D1GeometrySink::AddBeziers(const D2D1_BEZIER_SEGMENT* beziers, UINT32 beziersCount) {
  if (FClosed || !FInFigure || !beziers) return;
  for (UINT32 i = 0; i < beziersCount; ++i) {
    const D2D1_BEZIER_SEGMENT& b = beziers[i];
    FOwner->FSegments.push_back({D2D1PathSegment::Bezier, {b.point1, b.point2, b.point3}});
  }
}

void ID2D1GeometrySink::EndFigure(D2D1_FIGURE_END figureEnd) {
  if (FClosed || !FInFigure) return;
  FOwner->FSegments.push_back({D2D1PathSegment::End, {}, figureEnd == D2D1_FIGURE_END_CLOSED});
  FInFigure = false;
}

HRESULT ID2D1GeometrySink::Close() {
  if (FClosed) return D2DERR_WRONG_STATE;
  if (FInFigure) EndFigure(D2D1_FIGURE_END_OPEN);
  FClosed = true;
  return S_OK;
}

// ---------------------------------------------------------------- group

ID2D1GeometryGroup::ID2D1GeometryGroup(D2D1_FILL_MODE fillMode, ID2D1Geometry* const* geometries,
                                       UINT32 count) {
  FFillMode = fillMode;
  for (UINT32 i = 0; geometries && i < count; ++i) {
    if (!geometries[i]) continue;
    const auto& s = geometries[i]->Segments();
    FSegments.insert(FSegments.end(), s.begin(), s.end());
    ++FCount;
  }
}
