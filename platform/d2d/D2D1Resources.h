#pragma once
// What a render target paints with: stroke styles, brushes (solid, linear and
// radial gradients, bitmaps), bitmaps, layers and drawing-state blocks.
// Brushes and bitmaps belong to the target that made them; stroke styles and
// state blocks to the factory.

#include <cairo.h>

#include <memory>
#include <vector>

#include "platform/d2d/D2D1Types.h"

class ID2D1StrokeStyle {
 public:
  ID2D1StrokeStyle(const D2D1_STROKE_STYLE_PROPERTIES& props, const FLOAT* dashes, UINT32 count);
  D2D1_CAP_STYLE GetStartCap() const { return FProps.startCap; }
  D2D1_LINE_JOIN GetLineJoin() const { return FProps.lineJoin; }
  D2D1_DASH_STYLE GetDashStyle() const { return FProps.dashStyle; }
  FLOAT GetDashOffset() const { return FProps.dashOffset; }
  FLOAT GetMiterLimit() const { return FProps.miterLimit; }
  // The pattern in stroke widths: the preset of the dash style, or the
  // custom dashes.
  const std::vector<FLOAT>& Dashes() const { return FDashes; }
  // Caps, join, miter limit and dashes for a stroke of that width.
  void Apply(cairo_t* cr, FLOAT strokeWidth) const;

 private:
  D2D1_STROKE_STYLE_PROPERTIES FProps;
  std::vector<FLOAT> FDashes;
};

// The preset patterns of the dash styles, in stroke widths (empty for solid
// and custom).
std::vector<FLOAT> D2D1PresetDashes(D2D1_DASH_STYLE style);

class ID2D1Brush {
 public:
  virtual ~ID2D1Brush() = default;
  void SetOpacity(FLOAT opacity) { FOpacity = opacity; }
  FLOAT GetOpacity() const { return FOpacity; }
  void SetTransform(const D2D1_MATRIX_3X2_F& transform) { FTransform = transform; }
  D2D1_MATRIX_3X2_F GetTransform() const { return FTransform; }
  // Sets the brush as Cairo's source, in the context's current user space;
  // answers the opacity the caller still has to apply (1 when the source
  // carries it).
  virtual FLOAT SetSource(cairo_t* cr) const = 0;

 protected:
  // The pattern placed by the brush transform, opacity applied by the caller.
  void Place(cairo_pattern_t* pattern) const;
  FLOAT FOpacity = 1;
  D2D1_MATRIX_3X2_F FTransform;
};

class ID2D1SolidColorBrush : public ID2D1Brush {
 public:
  explicit ID2D1SolidColorBrush(const D2D1_COLOR_F& color) : FColor(color) {}
  D2D1_COLOR_F GetColor() const { return FColor; }
  FLOAT SetSource(cairo_t* cr) const override;

 private:
  D2D1_COLOR_F FColor;
};

class ID2D1GradientStopCollection {
 public:
  ID2D1GradientStopCollection(const D2D1_GRADIENT_STOP* stops, UINT32 count, D2D1_GAMMA gamma,
                              D2D1_EXTEND_MODE extendMode);
  UINT32 GetGradientStopCount() const { return UINT32(FStops.size()); }
  const std::vector<D2D1_GRADIENT_STOP>& Stops() const { return FStops; }
  D2D1_EXTEND_MODE GetExtendMode() const { return FExtend; }
  // Adds the stops to a Cairo gradient, faded by the opacity.
  void AddTo(cairo_pattern_t* pattern, FLOAT opacity) const;

 private:
  std::vector<D2D1_GRADIENT_STOP> FStops;  // sorted by position
  D2D1_EXTEND_MODE FExtend;
};

class ID2D1LinearGradientBrush : public ID2D1Brush {
 public:
  ID2D1LinearGradientBrush(const D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES& props,
                           std::shared_ptr<ID2D1GradientStopCollection> stops);
  D2D1_POINT_2F GetStartPoint() const { return FProps.startPoint; }
  D2D1_POINT_2F GetEndPoint() const { return FProps.endPoint; }
  const ID2D1GradientStopCollection* GetGradientStopCollection() const { return FStops.get(); }
  FLOAT SetSource(cairo_t* cr) const override;

 private:
  D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES FProps;
  std::shared_ptr<ID2D1GradientStopCollection> FStops;
};

// Position 0 at the centre (moved by the origin offset), 1 on the ellipse.
class ID2D1RadialGradientBrush : public ID2D1Brush {
 public:
  ID2D1RadialGradientBrush(const D2D1_RADIAL_GRADIENT_BRUSH_PROPERTIES& props,
                           std::shared_ptr<ID2D1GradientStopCollection> stops);
  D2D1_POINT_2F GetCenter() const { return FProps.center; }
  FLOAT GetRadiusX() const { return FProps.radiusX; }
  FLOAT GetRadiusY() const { return FProps.radiusY; }
  const ID2D1GradientStopCollection* GetGradientStopCollection() const { return FStops.get(); }
  FLOAT SetSource(cairo_t* cr) const override;

 private:
  D2D1_RADIAL_GRADIENT_BRUSH_PROPERTIES FProps;
  std::shared_ptr<ID2D1GradientStopCollection> FStops;
};

// A copy of premultiplied B, G, R, A pixels.
class ID2D1Bitmap {
 public:
  ID2D1Bitmap(D2D1_SIZE_U size, const void* srcData, UINT32 pitch);
  ~ID2D1Bitmap();
  ID2D1Bitmap(const ID2D1Bitmap&) = delete;
  ID2D1Bitmap& operator=(const ID2D1Bitmap&) = delete;
  D2D1_SIZE_U GetPixelSize() const { return FSize; }
  D2D1_SIZE_F GetSize() const { return {FLOAT(FSize.width), FLOAT(FSize.height)}; }
  cairo_surface_t* Surface() const { return FSurface; }

 private:
  D2D1_SIZE_U FSize;
  std::vector<uint32_t> FPixels;
  cairo_surface_t* FSurface = nullptr;
};

class ID2D1BitmapBrush : public ID2D1Brush {
 public:
  ID2D1BitmapBrush(std::shared_ptr<ID2D1Bitmap> bitmap, const D2D1_BITMAP_BRUSH_PROPERTIES& props);
  D2D1_EXTEND_MODE GetExtendModeX() const { return FProps.extendModeX; }
  D2D1_EXTEND_MODE GetExtendModeY() const { return FProps.extendModeY; }
  FLOAT SetSource(cairo_t* cr) const override;

 private:
  std::shared_ptr<ID2D1Bitmap> FBitmap;
  D2D1_BITMAP_BRUSH_PROPERTIES FProps;
};

// Holds the content of a pushed layer; here a layer only clips.
class ID2D1Layer {
 public:
  D2D1_SIZE_F GetSize() const { return FSize; }

 private:
  D2D1_SIZE_F FSize;
};

// The transform and antialias modes saved from a target.
class ID2D1DrawingStateBlock {
 public:
  D2D1_MATRIX_3X2_F Transform;
  D2D1_ANTIALIAS_MODE AntialiasMode = D2D1_ANTIALIAS_MODE_PER_PRIMITIVE;
  D2D1_TEXT_ANTIALIAS_MODE TextAntialiasMode = D2D1_TEXT_ANTIALIAS_MODE_DEFAULT;
};
