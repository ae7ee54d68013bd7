#pragma once
// Bridges from the layer's objects to Cairo, shared by the drawing files.

#include <cairo.h>

#include <vector>

#include "platform/gdiplus/GdiPlusMatrix.h"
#include "platform/gdiplus/GdiPlusPath.h"

namespace Gdiplus {

class Pen;

void ToCairoMatrix(const Matrix& m, cairo_matrix_t* out);
Matrix FromCairoMatrix(const cairo_matrix_t& m);
void SetSourceArgb(cairo_t* cr, ARGB argb);
void AppendPathToCairo(cairo_t* cr, const GraphicsPath& path);
// Rebuilds a path from Cairo path data (move, line, curve, close).
void AppendCairoPath(GraphicsPath& path, const cairo_path_t* data);
// A context on a 1 x 1 surface for hit tests and measuring; free with cairo_destroy.
cairo_t* CreateScratchContext();
// Width, caps, join, miter limit and dashes of the pen, in the context's user units.
void ApplyPenStyle(cairo_t* cr, const Pen& pen);
// Dashes of a pattern given in line widths (an odd count repeats once more);
// a pattern of no length draws solid. Answers whether dashes were set.
bool SetCairoDash(cairo_t* cr, const std::vector<REAL>& pattern, REAL offset, double width);
cairo_fill_rule_t ToCairoFillRule(FillMode mode);

}  // namespace Gdiplus
