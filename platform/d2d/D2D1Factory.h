#pragma once
// The Direct2D-shaped layer over Cairo and Pango, in the shape the canvas
// code calls: a factory that makes geometries, stroke styles, drawing-state
// blocks and render targets (D2D1RenderTarget.h), DirectWrite text
// (DWrite.h) and imaging bitmaps (WIC.h). Objects are shared references;
// a failed creation answers nil.

#include <memory>

#include "platform/d2d/D2D1Geometry.h"
#include "platform/d2d/D2D1RenderTarget.h"
#include "platform/d2d/D2D1Resources.h"
#include "platform/d2d/D2D1Types.h"

class IWICBitmap;

class ID2D1Factory {
 public:
  std::shared_ptr<ID2D1RectangleGeometry> CreateRectangleGeometry(const D2D1_RECT_F& rect);
  std::shared_ptr<ID2D1PathGeometry> CreatePathGeometry();
  std::shared_ptr<ID2D1GeometryGroup> CreateGeometryGroup(D2D1_FILL_MODE fillMode,
                                                          ID2D1Geometry* const* geometries,
                                                          UINT32 count);
  // Dashes are read for the custom dash style only.
  std::shared_ptr<ID2D1StrokeStyle> CreateStrokeStyle(const D2D1_STROKE_STYLE_PROPERTIES& props,
                                                      const FLOAT* dashes, UINT32 dashesCount);
  std::shared_ptr<ID2D1DrawingStateBlock> CreateDrawingStateBlock();
  std::shared_ptr<ID2D1WicBitmapRenderTarget> CreateWicBitmapRenderTarget(
      std::shared_ptr<IWICBitmap> target, const D2D1_RENDER_TARGET_PROPERTIES& props);
  // Draws nothing until BindDC.
  std::shared_ptr<ID2D1DCRenderTarget> CreateDCRenderTarget(
      const D2D1_RENDER_TARGET_PROPERTIES& props);
  std::shared_ptr<ID2D1HwndRenderTarget> CreateHwndRenderTarget(
      const D2D1_RENDER_TARGET_PROPERTIES& props, const D2D1_HWND_RENDER_TARGET_PROPERTIES& hwnd);
};
