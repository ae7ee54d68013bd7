#pragma once
// TzrCanvasD2D: the toolkit's second canvas, drawing through the
// Direct2D-shaped layer (platform/d2d) with text through its DirectWrite
// part and bitmap pixels through its imaging part. The program never selects
// it; UseDirect2DCanvas makes every new scene and bitmap draw through it.
//
// Three kinds, chosen when the render target is made: a bitmap canvas draws
// on an imaging bitmap holding a copy of the TzrBitmap's pixels and copies
// them back at EndScene; a window canvas (not buffered, Parent set) draws
// on a window target presented to the window at EndScene; a buffered canvas
// draws through a DC target on its own ARGB32 buffer, which FlushBuffer
// copies onto the caller's Cairo context. Drawing happens only between
// BeginScene and EndScene.

#include <cairo.h>

#include <memory>
#include <vector>

#include "platform/d2d/D2D1Factory.h"
#include "platform/d2d/DWrite.h"
#include "platform/d2d/WIC.h"
#include "scene/zr_canvas.h"

// The factories every Direct2D canvas shares, made by the first canvas and
// released when the last one goes.
extern std::shared_ptr<ID2D1Factory> SharedD2DFactory;
extern std::shared_ptr<IDWriteFactory> SharedDWriteFactory;
extern std::shared_ptr<IWICImagingFactory> SharedWICFactory;
// Live Direct2D canvases.
extern int32_t D2DFactoryUsers;
void CreateD2DFactories();
void ReleaseD2DFactories();

class TzrCanvasD2D : public TzrCanvas {
 public:
  // A buffered canvas of that size; a window canvas once Parent is set and
  // Buffered cleared before the first scene.
  TzrCanvasD2D(int AWidth, int AHeight);
  // A canvas drawing into a copy of the bitmap's pixels, copied back at
  // every EndScene.
  explicit TzrCanvasD2D(TzrBitmap* ABitmap);
  ~TzrCanvasD2D() override;

  static TzrCanvasClass ClassRef();
  static PzrColorArray GetBitmapScanline(TzrBitmap* Bitmap, int Y);

  // Makes the render target when there is none (see the class comment).
  void CreateRenderTarget();
  // Drops the target and everything made on it; the stroke style stays.
  void DiscardRenderTarget();
  // Chooses a window canvas (false) or a buffered one (true); call before
  // the first ResizeBuffer of another size.
  void SetBuffered(bool Value) { FBuffered = Value; }

  bool BeginScene() override;
  void EndScene() override;
  void FlushBuffer(int X, int Y, TzrHandle DC) override;
  void FlushBufferRect(int X, int Y, TzrHandle DC, const TzrRect& ARect) override;
  void FreeBuffer() override;
  // Raises Exception with "Can't allocate the DIB handle", "Can't create
  // compatible DC" or "Can't select an object into DC"; the size is kept
  // and no half-made buffer stays.
  void ResizeBuffer(int AWidth, int AHeight) override;
  void Clear(TzrColor Color) override;
  void ClearRect(const TzrRect& ARect, TzrColor AColor) override;

  void SetMatrix(const TzrMatrix& M) override;
  uint32_t SaveCanvas() override;
  // Out of range and free entries are ignored.
  void RestoreCanvas(uint32_t AState) override;
  void SetClipRects(const std::vector<TzrRect>& ARects) override;
  // A second clip while the same state is the last saved one narrows the
  // clip further; restoring that state undoes all of them.
  void IntersectClipRect(const TzrRect& ARect) override;
  void ExcludeClipRect(const TzrRect& ARect) override;
  void ResetClipRect() override;

  void DrawLine(const TzrPoint& APt1, const TzrPoint& APt2, float AOpacity) override;
  void FillRect(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                float AOpacity, TzrCornerType ACornerType = zrCornerRound) override;
  void DrawRect(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                float AOpacity, TzrCornerType ACornerType = zrCornerRound) override;
  void FillEllipse(const TzrRect& ARect, float AOpacity) override;
  void DrawEllipse(const TzrRect& ARect, float AOpacity) override;
  bool PtInPath(const TzrPoint& APoint, const TzrRect& ARect, const TzrPathData& APath) override;
  void FillPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) override;
  void DrawPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) override;
  void DrawBitmap(TzrBitmap& ABitmap, const TzrRect& SrcRect, const TzrRect& DstRect,
                  float AOpacity, bool HighSpeed = false) override;
  void DrawThumbnail(TzrBitmap& ABitmap, float AWidth, float AHeight) override;

  void FillText(const TzrRect& ARect, const TzrRect& AClipRect, const std::u16string& AText,
                bool WordWrap, float AOpacity, TzrTextAlign ATextAlign,
                TzrTextAlign AVTextAlign) override;
  void MeasureText(TzrRect& ARect, const TzrRect& AClipRect, const std::u16string& AText,
                   bool WordWrap, TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) override;
  bool TextToPath(TzrPathData& Path, const TzrRect& ARect, const std::u16string& AText,
                  bool WordWrap, TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) override;

  ID2D1RenderTarget* GetRenderTarget() const { return RenderTarget.get(); }
  ID2D1Brush* GetBrush() const { return Brush.get(); }
  ID2D1Brush* GetStrokeBrush() const { return StrokeBrush.get(); }
  ID2D1StrokeStyle* GetStrokeStyle() const { return StrokeStyle.get(); }
  cairo_surface_t* GetBufferHandle() const { return FBufferHandle; }
  int GetLastState() const { return FLastState; }

  // Realise Fill (or Stroke and the stroke settings) into Brush (or
  // StrokeBrush and StrokeStyle); Brush stays nil for a fill that paints
  // nothing (a visual brush, a named brush that is not found).
  void ApplyFillD2D(const TzrRect& ARect, float AOpacity);
  void ApplyStrokeD2D(const TzrRect& ARect, float AOpacity);

 private:
  void FillRectShapeD2D(const TzrRect& ARect, float AOpacity);
  void FillGeometryD2D(const ID2D1Geometry* AGeometry, const TzrRect& ARect, float AOpacity);
  std::shared_ptr<ID2D1Brush> MakeGradientBrush(const TzrGradient& G, const TzrRect& R, float O);
  std::shared_ptr<ID2D1Brush> MakeBitmapBrush(const TzrRect& R, float O);
  void MakeBuffer(int AWidth, int AHeight);
  // Stores a clip layer in the last saved state's entry and pushes it.
  void PushStateLayer(const ID2D1Geometry* Mask, const D2D1_RECT_F& Bounds);

  cairo_surface_t* FBufferHandle = nullptr;  // the off-screen buffer
  std::vector<uint32_t> FBufferMemory;       // its pixels
  std::shared_ptr<ID2D1RenderTarget> RenderTarget;
  std::shared_ptr<ID2D1Brush> Brush;
  std::shared_ptr<ID2D1Brush> StrokeBrush;
  std::shared_ptr<ID2D1StrokeStyle> StrokeStyle;
  std::shared_ptr<ID2D1Layer> Layer;
  std::shared_ptr<IWICBitmap> WICBitmap;
  int FLastState = -1;
  // What each save entry holds beside its copies (its Data points here):
  // the drawing-state block and the clip layers pushed while it was the
  // last saved state.
  struct TSaveState {
    std::shared_ptr<ID2D1DrawingStateBlock> Block;
    std::vector<std::shared_ptr<ID2D1Layer>> Layers;
  };
  std::vector<std::unique_ptr<TSaveState>> FStates;
};
