#pragma once
// A drawing surface over a 32-bit premultiplied ARGB Cairo image surface (an
// image's pixels or a buffer of the caller): world transformation, clipping,
// saved states, quality settings, and the drawing of lines, shapes, paths,
// regions, images and text.

#include <cairo.h>

#include <vector>

#include "platform/gdiplus/GdiPlusBrush.h"
#include "platform/gdiplus/GdiPlusFont.h"
#include "platform/gdiplus/GdiPlusImage.h"
#include "platform/gdiplus/GdiPlusMatrix.h"
#include "platform/gdiplus/GdiPlusPath.h"
#include "platform/gdiplus/GdiPlusPen.h"
#include "platform/gdiplus/GdiPlusRegion.h"
#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusStringFormat.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class Graphics : public LastStatus {
 public:
  // Draws into the image's pixels at the image's resolution.
  explicit Graphics(Image* image);
  // Draws into an ARGB32 image surface of the caller at 96 dots per inch.
  explicit Graphics(cairo_surface_t* surface);
  static Graphics* FromImage(Image* image) { return new Graphics(image); }
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  Status Flush();

  Status SetSmoothingMode(SmoothingMode mode);
  SmoothingMode GetSmoothingMode() const { return FSmoothing; }
  Status SetInterpolationMode(InterpolationMode mode);
  InterpolationMode GetInterpolationMode() const { return FInterpolation; }
  Status SetPixelOffsetMode(PixelOffsetMode mode);
  PixelOffsetMode GetPixelOffsetMode() const { return FPixelOffset; }
  Status SetCompositingMode(CompositingMode mode);
  CompositingMode GetCompositingMode() const { return FCompositing; }
  Status SetCompositingQuality(CompositingQuality quality);
  CompositingQuality GetCompositingQuality() const { return FCompositingQuality; }
  Status SetTextRenderingHint(TextRenderingHint hint);
  TextRenderingHint GetTextRenderingHint() const { return FTextHint; }
  // Kept for callers (0 to 12); grey anti-aliasing does not use it.
  Status SetTextContrast(UINT contrast);
  UINT GetTextContrast() const { return FTextContrast; }
  REAL GetDpiX() const { return FDpiX; }
  REAL GetDpiY() const { return FDpiY; }

  Status SetTransform(const Matrix* matrix);
  Status GetTransform(Matrix* matrix) const;
  Status ResetTransform();
  Status MultiplyTransform(const Matrix* matrix, MatrixOrder order = MatrixOrderPrepend);
  Status TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
  Status ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
  Status RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);

  // Clip shapes are given in world coordinates and kept in device pixels.
  Status SetClip(const RectF& rect, CombineMode mode = CombineModeReplace);
  Status SetClip(const GraphicsPath* path, CombineMode mode = CombineModeReplace);
  Status SetClip(const Region* region, CombineMode mode = CombineModeReplace);
  Status IntersectClip(const RectF& rect) { return SetClip(rect, CombineModeIntersect); }
  Status IntersectClip(const Region* region) { return SetClip(region, CombineModeIntersect); }
  Status ExcludeClip(const RectF& rect) { return SetClip(rect, CombineModeExclude); }
  Status ExcludeClip(const Region* region) { return SetClip(region, CombineModeExclude); }
  Status ResetClip();
  Status GetClip(Region* region) const;
  Status GetClipBounds(RectF* rect) const;
  bool IsClipEmpty() const;
  bool IsVisible(REAL x, REAL y) const;

  // Saves transformation, clip and settings; restoring a state also drops
  // every state saved after it.
  GraphicsState Save();
  Status Restore(GraphicsState state);

  // Sets every pixel of the clip to the colour.
  Status Clear(const Color& color);

  Status DrawLine(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
  Status DrawLine(const Pen* pen, const PointF& pt1, const PointF& pt2) {
    return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y);
  }
  Status DrawLines(const Pen* pen, const PointF* points, INT count);
  Status DrawRectangle(const Pen* pen, const RectF& rect);
  Status DrawRectangle(const Pen* pen, REAL x, REAL y, REAL width, REAL height) {
    return DrawRectangle(pen, RectF(x, y, width, height));
  }
  Status DrawRectangles(const Pen* pen, const RectF* rects, INT count);
  Status DrawEllipse(const Pen* pen, const RectF& rect);
  Status DrawEllipse(const Pen* pen, REAL x, REAL y, REAL width, REAL height) {
    return DrawEllipse(pen, RectF(x, y, width, height));
  }
  Status DrawArc(const Pen* pen, const RectF& rect, REAL startAngle, REAL sweepAngle);
  Status DrawPie(const Pen* pen, const RectF& rect, REAL startAngle, REAL sweepAngle);
  Status DrawBezier(const Pen* pen, const PointF& pt1, const PointF& pt2, const PointF& pt3,
                    const PointF& pt4);
  Status DrawBezier(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4,
                    REAL y4) {
    return DrawBezier(pen, PointF(x1, y1), PointF(x2, y2), PointF(x3, y3), PointF(x4, y4));
  }
  Status DrawBeziers(const Pen* pen, const PointF* points, INT count);
  Status DrawPolygon(const Pen* pen, const PointF* points, INT count);
  Status DrawPath(const Pen* pen, const GraphicsPath* path);

  Status FillRectangle(const Brush* brush, const RectF& rect);
  Status FillRectangle(const Brush* brush, REAL x, REAL y, REAL width, REAL height) {
    return FillRectangle(brush, RectF(x, y, width, height));
  }
  Status FillRectangles(const Brush* brush, const RectF* rects, INT count);
  Status FillEllipse(const Brush* brush, const RectF& rect);
  Status FillEllipse(const Brush* brush, REAL x, REAL y, REAL width, REAL height) {
    return FillEllipse(brush, RectF(x, y, width, height));
  }
  Status FillPie(const Brush* brush, const RectF& rect, REAL startAngle, REAL sweepAngle);
  Status FillPolygon(const Brush* brush, const PointF* points, INT count,
                     FillMode fillMode = FillModeAlternate);
  Status FillPath(const Brush* brush, const GraphicsPath* path);
  Status FillRegion(const Brush* brush, const Region* region);

  // At the image's physical size: its pixels scaled by this surface's
  // resolution over the image's.
  Status DrawImage(const Image* image, REAL x, REAL y);
  Status DrawImage(const Image* image, const RectF& destRect);
  Status DrawImage(const Image* image, REAL x, REAL y, REAL width, REAL height) {
    return DrawImage(image, RectF(x, y, width, height));
  }
  // The part (srcx, srcy, srcwidth, srcheight) of the image, in pixels, into destRect.
  Status DrawImage(const Image* image, const RectF& destRect, REAL srcx, REAL srcy, REAL srcwidth,
                   REAL srcheight, Unit srcUnit, const ImageAttributes* imageAttributes = nullptr);

  Status DrawString(const char16_t* string, INT length, const Font* font, const RectF& layoutRect,
                    const StringFormat* stringFormat, const Brush* brush);
  Status DrawString(const char16_t* string, INT length, const Font* font, const PointF& origin,
                    const StringFormat* stringFormat, const Brush* brush) {
    return DrawString(string, length, font, RectF(origin.X, origin.Y, 0, 0), stringFormat, brush);
  }
  Status MeasureString(const char16_t* string, INT length, const Font* font,
                       const RectF& layoutRect, const StringFormat* stringFormat,
                       RectF* boundingBox, INT* codepointsFitted = nullptr,
                       INT* linesFilled = nullptr) const;
  // One region per measurable character range of the format.
  Status MeasureCharacterRanges(const char16_t* string, INT length, const Font* font,
                                const RectF& layoutRect, const StringFormat* stringFormat,
                                INT regionCount, Region* regions) const;

  cairo_t* Context() const { return FCr; }
  cairo_surface_t* Surface() const { return FSurface; }

 private:
  struct SavedState {
    GraphicsState Token;
    Matrix World;
    Region Clip;
    SmoothingMode Smoothing;
    InterpolationMode Interpolation;
    PixelOffsetMode PixelOffset;
    CompositingMode Compositing;
    CompositingQuality Quality;
    TextRenderingHint TextHint;
    UINT TextContrast;
  };

  void Init(cairo_surface_t* surface);
  // Sets the world transformation (with the pixel offset), anti-aliasing and
  // compositing operator on the context before a drawing call.
  void PrepareDraw();
  void ApplyClip();
  Status CombineClip(const Region& deviceRegion, CombineMode mode);
  // Makes the brush the source (image filter from the interpolation mode;
  // a clamped texture also clips to its image).
  void ApplyBrush(const Brush* brush);
  Status StrokeCurrentPath(const Pen* pen, bool closedFigures);
  Status FillCurrentPath(const Brush* brush, FillMode mode);
  cairo_filter_t ImageFilter() const;

  cairo_surface_t* FSurface = nullptr;
  cairo_t* FCr = nullptr;
  REAL FDpiX = 96, FDpiY = 96;
  Matrix FWorld;
  Region FClip;
  SmoothingMode FSmoothing = SmoothingModeNone;
  InterpolationMode FInterpolation = InterpolationModeBilinear;
  PixelOffsetMode FPixelOffset = PixelOffsetModeNone;
  CompositingMode FCompositing = CompositingModeSourceOver;
  CompositingQuality FCompositingQuality = CompositingQualityDefault;
  TextRenderingHint FTextHint = TextRenderingHintSystemDefault;
  UINT FTextContrast = 4;
  std::vector<SavedState> FStates;
  GraphicsState FNextToken = 1;
};

}  // namespace Gdiplus
