#pragma once
// TzrCanvasGdiPlus: the canvas every scene window and bitmap draws with, on
// the drawing layer (namespace Gdiplus) over Cairo and Pango.
//
// Two kinds: a buffered canvas owns an ARGB32 image surface (the off-screen
// buffer, premultiplied, bytes B, G, R, A, rows of exactly 4 x Width bytes)
// that the scene window copies to the screen; a bitmap canvas draws straight
// into a TzrBitmap's pixels through a layer bitmap wrapped around them and
// cached in the TzrBitmap's Handle.

#include <cairo.h>

#include <memory>
#include <vector>

#include "platform/gdiplus/GdiPlus.h"
#include "scene/zr_canvas.h"

class TzrCanvasGdiPlus : public TzrCanvas {
 public:
  // A buffered canvas of that size (a 0 x 0 canvas makes no buffer yet).
  TzrCanvasGdiPlus(int AWidth, int AHeight);
  // A canvas drawing into the bitmap's pixels. It must not outlive that
  // pixel block: the bitmap's own canvas (TzrBitmap::GetCanvas) is freed
  // whenever the block goes.
  explicit TzrCanvasGdiPlus(TzrBitmap* ABitmap);
  ~TzrCanvasGdiPlus() override;

  // The class as a value for the class selectors.
  static TzrCanvasClass ClassRef();
  static PzrColorArray GetBitmapScanline(TzrBitmap* Bitmap, int Y);
  // Makes or refreshes the layer bitmap over the bitmap's pixels, kept in
  // its Handle and freed through its OnDestroyHandle.
  static void UpdateBitmapHandle(TzrBitmap* Bitmap);
  static Gdiplus::Bitmap* BitmapHandle(const TzrBitmap* Bitmap);

  void FontChanged(TObject* Sender) override;

  void FlushBuffer(int X, int Y, TzrHandle DC) override;
  void FlushBufferRect(int X, int Y, TzrHandle DC, const TzrRect& ARect) override;
  void FreeBuffer() override;
  // A buffer that cannot be made raises Exception and keeps the old one
  // (size, pixels and graphics) as it was.
  void ResizeBuffer(int AWidth, int AHeight) override;
  void Clear(TzrColor Color) override;
  // Writes AColor as it is into the pixels, ignoring clip and matrix.
  void ClearRect(const TzrRect& ARect, TzrColor AColor) override;

  void SetMatrix(const TzrMatrix& M) override;
  void MultyMatrix(const TzrMatrix& M) override;
  uint32_t SaveCanvas() override;
  // Tokens out of range and entries already restored are ignored.
  void RestoreCanvas(uint32_t AState) override;
  void SetClipRects(const std::vector<TzrRect>& ARects) override;
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

  bool LoadFontFromStream(TStream* AStream) override;
  void FillText(const TzrRect& ARect, const TzrRect& AClipRect, const std::u16string& AText,
                bool WordWrap, float AOpacity, TzrTextAlign ATextAlign,
                TzrTextAlign AVTextAlign) override;
  void MeasureText(TzrRect& ARect, const TzrRect& AClipRect, const std::u16string& AText,
                   bool WordWrap, TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) override;
  bool TextToPath(TzrPathData& Path, const TzrRect& ARect, const std::u16string& AText,
                  bool WordWrap, TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) override;

  // What the canvas draws with (nil when it has nothing to draw into).
  Gdiplus::Graphics* GetGraphics() const { return FGraphics.get(); }
  cairo_surface_t* GetBufferHandle() const { return FBufferHandle; }
  float GetFontScale() const { return FFontScale; }
  const Gdiplus::Brush* GetGPBrush() const { return FGPBrush.get(); }
  const Gdiplus::Pen* GetGPPen() const { return FGPPen.get(); }
  const Gdiplus::FontFamily* GetGPFamily() const { return FGPFamily.get(); }

 protected:
  // Realise Fill (or Stroke and the stroke settings) for the rectangle and
  // opacity into FGPBrush (or FGPPen and FGPPenBrush).
  void ApplyFill(const TzrRect& R, float Opacity);
  void ApplyStroke(const TzrRect& R, float Opacity);
  // Fill the rectangle or the path with Fill; a visual brush paints its
  // object under a clip instead.
  void FillRectShape(const TzrRect& R, float Opacity);
  void FillGdiPath(const Gdiplus::GraphicsPath& Path, const TzrRect& R, float Opacity);

 private:
  void MakeGdiObjects();
  void ApplyGraphicsSettings(bool Buffered);
  // A graphics object to draw with and a world transformation that shows something.
  bool CanDraw() const;
  // The stop tables of a gradient: colours faded by Opacity, with end
  // stops added at 0 and 1 when AddEnds asks and the points stop short.
  void FillStops(const TzrGradient& Gradient, float Opacity, bool AddEnds);
  std::unique_ptr<Gdiplus::Brush> MakeFillBrush(const TzrRect& R, float Opacity);
  std::unique_ptr<Gdiplus::Brush> MakeStrokeBrush(const TzrRect& R, float Opacity);
  std::unique_ptr<Gdiplus::Font> MakeFont(float EmSize, Gdiplus::Unit Unit) const;
  void PaintVisual(const TzrRect& R, float Opacity);
  Gdiplus::TextRenderingHint FontHint() const;
  bool FractionalScale() const;

  cairo_surface_t* FBufferHandle = nullptr;  // the off-screen buffer
  cairo_t* FMemoryDC = nullptr;              // the context on it (Handle)
  std::unique_ptr<Gdiplus::Graphics> FGraphics;
  std::unique_ptr<Gdiplus::Pen> FGPPen;
  std::unique_ptr<Gdiplus::Brush> FGPPenBrush;
  std::unique_ptr<Gdiplus::Brush> FGPBrush;
  std::unique_ptr<Gdiplus::FontFamily> FGPFamily;
  std::unique_ptr<Gdiplus::PrivateFontCollection> FFontCollection;
  float FFontScale = 1;
  // Gradient stop tables, reused from one set-up to the next; they grow to
  // the largest gradient seen.
  std::vector<Gdiplus::Color> FStopColors;
  std::vector<Gdiplus::REAL> FStopPositions;
};
