#pragma once
// Brushes: solid colour, linear gradient, path gradient and image texture.
// Each brush turns itself into a Cairo source for the context it paints on.

#include <cairo.h>

#include <vector>

#include "platform/gdiplus/GdiPlusMatrix.h"
#include "platform/gdiplus/GdiPlusPath.h"
#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class Image;
class ImageAttributes;

class Brush : public LastStatus {
 public:
  virtual ~Brush() = default;
  virtual Brush* Clone() const = 0;
  BrushType GetType() const { return FType; }
  // Makes the brush the source of the context, in the context's user space.
  virtual void ApplySource(cairo_t* cr) const = 0;

 protected:
  explicit Brush(BrushType type) : FType(type) {}

 private:
  BrushType FType;
};

class SolidBrush : public Brush {
 public:
  explicit SolidBrush(const Color& color) : Brush(BrushTypeSolidColor), FColor(color) {}
  Brush* Clone() const override { return new SolidBrush(*this); }
  Status GetColor(Color* color) const;
  Status SetColor(const Color& color);
  void ApplySource(cairo_t* cr) const override;

 private:
  Color FColor;
};

// Colour stops of a gradient: any number of entries, positions 0 to 1 in
// ascending order.
struct GradientStops {
  std::vector<ARGB> Colors;
  std::vector<REAL> Positions;
  bool Empty() const { return Colors.empty(); }
};

// Shared by the brushes that carry a brush transformation (brush space to world).
class TransformedBrush : public Brush {
 public:
  Status SetTransform(const Matrix* matrix);
  Status GetTransform(Matrix* matrix) const;
  Status ResetTransform();
  Status MultiplyTransform(const Matrix* matrix, MatrixOrder order = MatrixOrderPrepend);
  Status TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
  Status ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
  Status RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);
  Status SetWrapMode(WrapMode wrapMode);
  WrapMode GetWrapMode() const { return FWrapMode; }

 protected:
  TransformedBrush(BrushType type, WrapMode wrapMode) : Brush(type), FWrapMode(wrapMode) {}
  // Gives the pattern the inverse of the brush transformation.
  bool ApplyTransform(cairo_pattern_t* pattern) const;
  // Makes the pattern the context's source and releases it.
  void SetPattern(cairo_t* cr, cairo_pattern_t* pattern) const;
  Matrix FTransform;
  WrapMode FWrapMode;
};

class LinearGradientBrush : public TransformedBrush {
 public:
  LinearGradientBrush(const PointF& point1, const PointF& point2, const Color& color1,
                      const Color& color2);
  LinearGradientBrush(const RectF& rect, const Color& color1, const Color& color2,
                      LinearGradientMode mode);
  Brush* Clone() const override { return new LinearGradientBrush(*this); }

  Status SetLinearColors(const Color& color1, const Color& color2);
  Status GetLinearColors(Color* colors) const;
  Status GetRectangle(RectF* rect) const;
  // Preset blend: the colours at the positions replace the two end colours.
  Status SetInterpolationColors(const Color* presetColors, const REAL* blendPositions, INT count);
  INT GetInterpolationColorCount() const { return INT(FPreset.Colors.size()); }
  Status GetInterpolationColors(Color* presetColors, REAL* blendPositions, INT count) const;
  // Blend factors (0 = first colour, 1 = second) at the positions.
  Status SetBlend(const REAL* blendFactors, const REAL* blendPositions, INT count);
  void ApplySource(cairo_t* cr) const override;

 private:
  PointF FPoint1, FPoint2;
  ARGB FColor1, FColor2;
  GradientStops FPreset;
};

// Paints from the path's outline (position 0) towards its centre point
// (position 1); nothing is painted outside the path.
class PathGradientBrush : public TransformedBrush {
 public:
  explicit PathGradientBrush(const GraphicsPath* path);
  PathGradientBrush(const PointF* points, INT count, WrapMode wrapMode = WrapModeClamp);
  Brush* Clone() const override { return new PathGradientBrush(*this); }

  Status SetCenterColor(const Color& color);
  Status GetCenterColor(Color* color) const;
  Status SetSurroundColors(const Color* colors, INT* count);
  Status SetCenterPoint(const PointF& point);
  Status GetCenterPoint(PointF* point) const;
  Status SetInterpolationColors(const Color* presetColors, const REAL* blendPositions, INT count);
  INT GetInterpolationColorCount() const { return INT(FPreset.Colors.size()); }
  Status GetInterpolationColors(Color* presetColors, REAL* blendPositions, INT count) const;
  Status GetRectangle(RectF* rect) const;
  void ApplySource(cairo_t* cr) const override;

 private:
  void SetOutline(const GraphicsPath& path);
  std::vector<std::vector<PointF>> FOutline;  // flattened figures
  PointF FCenter;
  ARGB FCenterColor = 0xFFFFFFFF;
  ARGB FSurroundColor = 0xFFFFFFFF;
  GradientStops FPreset;
};

class TextureBrush : public TransformedBrush {
 public:
  TextureBrush(const Image* image, WrapMode wrapMode = WrapModeTile);
  TextureBrush(const Image* image, WrapMode wrapMode, const RectF& dstRect);
  // The part dstRect of the image, adjusted by the attributes (colour matrix).
  TextureBrush(const Image* image, const RectF& dstRect, const ImageAttributes* imageAttributes);
  TextureBrush(const TextureBrush& other);
  TextureBrush& operator=(const TextureBrush&) = delete;
  ~TextureBrush() override;
  Brush* Clone() const override { return new TextureBrush(*this); }
  void ApplySource(cairo_t* cr) const override;
  // Adds the area the image covers (after the brush transformation) to the
  // context's path: a clamped texture paints there only.
  void AddImageArea(cairo_t* cr) const;
  INT GetImageWidth() const;
  INT GetImageHeight() const;

 private:
  cairo_surface_t* FSurface = nullptr;
};

}  // namespace Gdiplus
