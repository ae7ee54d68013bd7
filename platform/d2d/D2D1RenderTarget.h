#pragma once
// Render targets: a Cairo context on an ARGB32 surface that draws between
// BeginDraw and EndDraw. Three kinds: over an imaging bitmap's pixels, over
// the image surface of a device context (a cairo_t*) bound with BindDC, and
// over a window: a buffer of the window's size handed to the window's
// presenter at EndDraw.

#include <cairo.h>

#include <memory>
#include <vector>

#include "platform/d2d/D2D1Geometry.h"
#include "platform/d2d/D2D1Resources.h"

class IDWriteTextLayout;
class IWICBitmap;

class ID2D1RenderTarget {
 public:
  virtual ~ID2D1RenderTarget();
  ID2D1RenderTarget(const ID2D1RenderTarget&) = delete;
  ID2D1RenderTarget& operator=(const ID2D1RenderTarget&) = delete;

  void BeginDraw();
  // Ends drawing: pops what is still pushed, flushes the pixels. Answers
  // D2DERR_WRONG_STATE outside BeginDraw or when pushes and pops did not
  // pair, D2DERR_RECREATE_TARGET when the device-loss switch is set.
  virtual HRESULT EndDraw();
  bool IsDrawing() const { return FDrawing; }

  void SetTransform(const D2D1_MATRIX_3X2_F& transform) { FTransform = transform; }
  D2D1_MATRIX_3X2_F GetTransform() const { return FTransform; }
  // Units per inch; 96 makes one unit one pixel.
  void SetDpi(FLOAT dpiX, FLOAT dpiY);
  void GetDpi(FLOAT* dpiX, FLOAT* dpiY) const;
  void SetTextAntialiasMode(D2D1_TEXT_ANTIALIAS_MODE mode) { FTextAntialias = mode; }
  void SetAntialiasMode(D2D1_ANTIALIAS_MODE mode) { FAntialias = mode; }
  D2D1_ANTIALIAS_MODE GetAntialiasMode() const { return FAntialias; }
  D2D1_SIZE_U GetPixelSize() const;
  // Sets every pixel inside the clips to the colour (transparent when nil).
  void Clear(const D2D1_COLOR_F* clearColor);

  std::shared_ptr<ID2D1SolidColorBrush> CreateSolidColorBrush(
      const D2D1_COLOR_F& color, const D2D1_BRUSH_PROPERTIES* props = nullptr);
  std::shared_ptr<ID2D1GradientStopCollection> CreateGradientStopCollection(
      const D2D1_GRADIENT_STOP* stops, UINT32 count, D2D1_GAMMA gamma, D2D1_EXTEND_MODE extendMode);
  std::shared_ptr<ID2D1LinearGradientBrush> CreateLinearGradientBrush(
      const D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES& props, const D2D1_BRUSH_PROPERTIES* brushProps,
      std::shared_ptr<ID2D1GradientStopCollection> stops);
  std::shared_ptr<ID2D1RadialGradientBrush> CreateRadialGradientBrush(
      const D2D1_RADIAL_GRADIENT_BRUSH_PROPERTIES& props, const D2D1_BRUSH_PROPERTIES* brushProps,
      std::shared_ptr<ID2D1GradientStopCollection> stops);
  // Nil for an empty size or no pixels.
  std::shared_ptr<ID2D1Bitmap> CreateBitmap(D2D1_SIZE_U size, const void* srcData, UINT32 pitch,
                                            const D2D1_BITMAP_PROPERTIES& props);
  std::shared_ptr<ID2D1BitmapBrush> CreateBitmapBrush(std::shared_ptr<ID2D1Bitmap> bitmap,
                                                      const D2D1_BITMAP_BRUSH_PROPERTIES& props,
                                                      const D2D1_BRUSH_PROPERTIES* brushProps);
  std::shared_ptr<ID2D1Layer> CreateLayer(const D2D1_SIZE_F* size = nullptr);

  // Clips: a layer masks drawing to its geometry (in the current transform),
  // an axis-aligned clip to a rectangle; each pops in the reverse order.
  void PushLayer(const D2D1_LAYER_PARAMETERS& params, ID2D1Layer* layer);
  void PopLayer();
  void PushAxisAlignedClip(const D2D1_RECT_F& rect, D2D1_ANTIALIAS_MODE mode);
  void PopAxisAlignedClip();
  // Depth of pushed layers and clips.
  size_t PushCount() const { return FPushed.size(); }

  void DrawLine(D2D1_POINT_2F p0, D2D1_POINT_2F p1, ID2D1Brush* brush, FLOAT strokeWidth = 1,
                const ID2D1StrokeStyle* strokeStyle = nullptr);
  void DrawRectangle(const D2D1_RECT_F& rect, ID2D1Brush* brush, FLOAT strokeWidth = 1,
                     const ID2D1StrokeStyle* strokeStyle = nullptr);
  void FillRectangle(const D2D1_RECT_F& rect, ID2D1Brush* brush);
  void DrawEllipse(const D2D1_ELLIPSE& ellipse, ID2D1Brush* brush, FLOAT strokeWidth = 1,
                   const ID2D1StrokeStyle* strokeStyle = nullptr);
  void FillEllipse(const D2D1_ELLIPSE& ellipse, ID2D1Brush* brush);
  void DrawGeometry(const ID2D1Geometry* geometry, ID2D1Brush* brush, FLOAT strokeWidth = 1,
                    const ID2D1StrokeStyle* strokeStyle = nullptr);
  void FillGeometry(const ID2D1Geometry* geometry, ID2D1Brush* brush,
                    ID2D1Brush* opacityBrush = nullptr);
  // The part sourceRect (nil: all) of the bitmap into destinationRect (nil:
  // its own size at the origin).
  void DrawBitmap(const ID2D1Bitmap* bitmap, const D2D1_RECT_F* destinationRect, FLOAT opacity,
                  D2D1_BITMAP_INTERPOLATION_MODE mode, const D2D1_RECT_F* sourceRect);
  // The layout's box with its top-left corner at the origin; CLIP clips to it.
  void DrawTextLayout(D2D1_POINT_2F origin, const IDWriteTextLayout* layout, ID2D1Brush* brush,
                      D2D1_DRAW_TEXT_OPTIONS options = D2D1_DRAW_TEXT_OPTIONS_NONE);

  void SaveDrawingState(ID2D1DrawingStateBlock* block) const;
  void RestoreDrawingState(const ID2D1DrawingStateBlock* block);

 protected:
  ID2D1RenderTarget() = default;
  // Draws on the surface from now on (nil: on nothing).
  void Bind(cairo_surface_t* surface);
  cairo_surface_t* Surface() const { return FSurface; }

 private:
  // A context state with the target's transform set, restored afterwards.
  bool Enter();
  // The context's matrix: the DPI scale, then the target's transform;
  // false (and nothing set) when that has no inverse.
  bool SetUserSpace();
  void ClipAll();
  void Leave();
  void FillCurrentPath(ID2D1Brush* brush);
  void StrokeCurrentPath(ID2D1Brush* brush, FLOAT strokeWidth, const ID2D1StrokeStyle* style);
  void PopPushed(bool layer);

  cairo_surface_t* FSurface = nullptr;
  cairo_t* FCr = nullptr;
  bool FDrawing = false;
  bool FBadPairing = false;
  D2D1_MATRIX_3X2_F FTransform;
  FLOAT FDpiX = 96, FDpiY = 96;
  D2D1_ANTIALIAS_MODE FAntialias = D2D1_ANTIALIAS_MODE_PER_PRIMITIVE;
  D2D1_TEXT_ANTIALIAS_MODE FTextAntialias = D2D1_TEXT_ANTIALIAS_MODE_DEFAULT;
  std::vector<bool> FPushed;  // true: a layer, false: an axis-aligned clip
};

// Draws on the pixels of an imaging bitmap.
class ID2D1WicBitmapRenderTarget : public ID2D1RenderTarget {
 public:
  explicit ID2D1WicBitmapRenderTarget(std::shared_ptr<IWICBitmap> bitmap);

 private:
  std::shared_ptr<IWICBitmap> FBitmap;  // keeps the pixels alive
};

// Draws on the image surface behind a device context (a cairo_t*).
class ID2D1DCRenderTarget : public ID2D1RenderTarget {
 public:
  // Binds the context's target surface; the rectangle limits the drawing.
  HRESULT BindDC(uintptr_t hDC, const D2D1_RECT_U& subRect);

 private:
  std::shared_ptr<cairo_surface_t> FPart;
};

// What a window render target presents to: the drawing area of a scene
// window. The window registers it under its handle.
class ID2D1WindowPresenter {
 public:
  virtual ~ID2D1WindowPresenter() = default;
  // The finished frame, the window's size; valid during the call.
  virtual void Present(cairo_surface_t* frame) = 0;
  // True while the window is unmapped or iconified.
  virtual bool IsOccluded() = 0;
};

// Registers (nil: removes) the presenter of a window handle.
void D2D1SetWindowPresenter(uintptr_t hwnd, ID2D1WindowPresenter* presenter);
ID2D1WindowPresenter* D2D1WindowPresenter(uintptr_t hwnd);

class ID2D1HwndRenderTarget : public ID2D1RenderTarget {
 public:
  ID2D1HwndRenderTarget(uintptr_t hwnd, D2D1_SIZE_U pixelSize);
  ~ID2D1HwndRenderTarget() override;
  // Presents the frame to the window's presenter.
  HRESULT EndDraw() override;
  // A new buffer of that size (each side at least 1); the old frame goes.
  HRESULT Resize(const D2D1_SIZE_U& pixelSize);
  // D2D1_WINDOW_STATE_OCCLUDED while the presenter says so (or there is none).
  D2D1_WINDOW_STATE CheckWindowState() const;
  uintptr_t GetHwnd() const { return FHwnd; }

 private:
  uintptr_t FHwnd;
  cairo_surface_t* FBuffer = nullptr;
};
