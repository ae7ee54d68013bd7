#pragma once
// TzrCanvas: the abstract drawing surface of the scene toolkit. The scene
// window, the visual objects, the controls and the bitmap draw only through
// it. The class holds the state every backend shares (size, matrix, fill and
// stroke brushes, stroke settings, font, pixel buffer, state stack), declares
// the drawing operations each backend fills in, and builds a few operations
// on top of them (dash presets, polygons, arcs, rectangles with chosen sides,
// text width and height).
//
// The class selectors DefaultCanvasClass and DefaultPrinterCanvasClass hold
// a canvas class (its two constructors and its one class operation); a
// backend's start-up fills them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "scene/zr_brush.h"
#include "scene/zr_font.h"
#include "scene/zr_geometry.h"
#include "scene/zr_path.h"

class TEnumInfo;
class TStream;
class TzrBitmap;
class TzrCanvas;
class IzoRurev;

enum TzrStrokeCap { zrCapFlat, zrCapRound };
enum TzrStrokeJoin { zrJoinMiter, zrJoinRound, zrJoinBevel };
enum TzrStrokeDash {
  zrDashSolid,
  zrDashDash,
  zrDashDot,
  zrDashDashDot,
  zrDashDashDotDot,
  zrDashCustom
};
enum TzrTextAlign { zrTextAlignCenter, zrTextAlignNear, zrTextAlignFar };
const TEnumInfo& zrStrokeCapInfo();
const TEnumInfo& zrStrokeJoinInfo();
const TEnumInfo& zrStrokeDashInfo();
const TEnumInfo& zrTextAlignInfo();

// A handle of the platform: a device context is a cairo_t* carried as a
// number, a window a GtkWidget*; 0 is none.
using TzrHandle = uintptr_t;

// The token of a free state stack entry, and the answer of a canvas that
// cannot save.
inline constexpr uint32_t zrNoState = 0xFFFFFFFF;

// One entry of the state stack. The brush and font copies belong to the
// entry while it is live.
struct TzrSaveData {
  uint32_t Index = zrNoState;  // the backend's state token; zrNoState: free
  TzrMatrix Matrix;
  TzrMatrix AbsoluteMatrix;  // for backends that need it
  TzrMatrix InvertMatrix;    // for backends that need it
  std::unique_ptr<TzrBrush> Fill;
  std::unique_ptr<TzrBrush> Stroke;
  float StrokeThickness = 0;
  TzrStrokeCap StrokeCap = zrCapFlat;
  TzrStrokeJoin StrokeJoin = zrJoinMiter;
  TzrStrokeDash StrokeDash = zrDashSolid;
  std::vector<float> Dash;
  float DashOffset = 0;
  std::unique_ptr<TzrFont> Font;
  void* Data = nullptr;  // for backends that need it
};

// A canvas class as a value: its two constructors and its class operation,
// which uses no instance.
struct TzrCanvasClassRec {
  const char* Name;
  // A canvas with a buffer of its own of that size.
  std::unique_ptr<TzrCanvas> (*Create)(int AWidth, int AHeight);
  // A canvas that draws into the bitmap's pixels.
  std::unique_ptr<TzrCanvas> (*CreateFromBitmap)(TzrBitmap* ABitmap);
  // The address of pixel row Y of the bitmap; nil outside it.
  PzrColorArray (*GetBitmapScanline)(TzrBitmap* Bitmap, int Y);
};
using TzrCanvasClass = const TzrCanvasClassRec*;

// The canvas class scenes and bitmaps are made from; nil until a backend's
// start-up sets it.
extern TzrCanvasClass DefaultCanvasClass;
// The canvas class for printing.
extern TzrCanvasClass DefaultPrinterCanvasClass;

// How a visual brush has its visual object paint itself into a rectangle of
// a canvas; the visual-object layer sets it. Nil: visual brushes paint
// nothing.
using TzrPaintVisualProc = void (*)(TzrObject* AVisual, TzrCanvas* ACanvas, const TzrRect& ARect);
extern TzrPaintVisualProc zrPaintVisualTo;

class TzrCanvas : public TPersistent {
 public:
  ~TzrCanvas() override;
  TzrCanvas(const TzrCanvas&) = delete;
  TzrCanvas& operator=(const TzrCanvas&) = delete;

  // Called whenever Font changes; a backend rebuilds its font objects.
  virtual void FontChanged(TObject* Sender) { (void)Sender; }

  // ---- frames and buffer
  // Starts a frame; the scene draws only when it answers true.
  virtual bool BeginScene() { return true; }
  virtual void EndScene() {}
  // Copies the whole buffer to the device context DC at (X, Y).
  virtual void FlushBuffer(int X, int Y, TzrHandle DC) = 0;
  // Copies the part ARect of the buffer to DC, offset by (X, Y).
  virtual void FlushBufferRect(int X, int Y, TzrHandle DC, const TzrRect& ARect) = 0;
  virtual void FreeBuffer() = 0;
  // Makes the buffer that size; nothing when the size is unchanged.
  virtual void ResizeBuffer(int AWidth, int AHeight) = 0;
  virtual void Clear(TzrColor Color) = 0;
  // Sets the pixels of ARect to the colour, without blending.
  virtual void ClearRect(const TzrRect& ARect, TzrColor AColor) = 0;

  // ---- transformation, state and clip
  virtual void SetMatrix(const TzrMatrix& M) { FMatrix = M; }
  // Multiplies the current transformation by M (M acting first).
  virtual void MultyMatrix(const TzrMatrix& M) { (void)M; }
  // Pushes the drawing state and returns its token.
  virtual uint32_t SaveCanvas() = 0;
  // Returns to the state saved under the token and frees the entry.
  virtual void RestoreCanvas(uint32_t AState) = 0;
  virtual void SetClipRects(const std::vector<TzrRect>& ARects) = 0;
  virtual void IntersectClipRect(const TzrRect& ARect) = 0;
  virtual void ExcludeClipRect(const TzrRect& ARect) = 0;
  virtual void ResetClipRect() = 0;

  // ---- shapes
  virtual void DrawLine(const TzrPoint& APt1, const TzrPoint& APt2, float AOpacity) = 0;
  // The corners in ACorners are shaped by ACornerType with the radii.
  virtual void FillRect(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                        float AOpacity, TzrCornerType ACornerType = zrCornerRound) = 0;
  virtual void DrawRect(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                        float AOpacity, TzrCornerType ACornerType = zrCornerRound) = 0;
  // The ellipse inscribed in ARect.
  virtual void FillEllipse(const TzrRect& ARect, float AOpacity) = 0;
  virtual void DrawEllipse(const TzrRect& ARect, float AOpacity) = 0;
  // Paths are stretched from their own bounds into ARect.
  virtual bool PtInPath(const TzrPoint& APoint, const TzrRect& ARect, const TzrPathData& APath) = 0;
  virtual void FillPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) = 0;
  virtual void DrawPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) = 0;
  // The part SrcRect of the bitmap into DstRect; HighSpeed asks for the
  // fastest scaling.
  virtual void DrawBitmap(TzrBitmap& ABitmap, const TzrRect& SrcRect, const TzrRect& DstRect,
                          float AOpacity, bool HighSpeed = false) = 0;
  // The bitmap scaled down to the width, into a bitmap canvas.
  virtual void DrawThumbnail(TzrBitmap& ABitmap, float AWidth, float AHeight) = 0;
  // A ClosePolygon point closes the figure before it; FillPolygon also closes
  // the last figure at its last point.
  virtual void FillPolygon(const TzrPolygon& Points, float AOpacity);
  virtual void DrawPolygon(const TzrPolygon& Points, float AOpacity);

  // ---- text
  // Adds a font file held in the stream to the fonts the canvas can use.
  virtual bool LoadFontFromStream(TStream* AStream) {
    (void)AStream;
    return false;
  }
  // Draws the text with Fill inside ARect; AClipRect is not used.
  virtual void FillText(const TzrRect& ARect, const TzrRect& AClipRect, const std::u16string& AText,
                        bool WordWrap, float AOpacity, TzrTextAlign ATextAlign,
                        TzrTextAlign AVTextAlign) = 0;
  // Replaces ARect by the bounds FillText would cover.
  virtual void MeasureText(TzrRect& ARect, const TzrRect& AClipRect, const std::u16string& AText,
                           bool WordWrap, TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) = 0;
  // Replaces Path by the outline of the text as FillText lays it out.
  virtual bool TextToPath(TzrPathData& Path, const TzrRect& ARect, const std::u16string& AText,
                          bool WordWrap, TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) = 0;

  // ---- operations of the base
  // Writes the buffer as an image (PNG, or JPEG when opaque); nothing when
  // not buffered.
  void SaveToStream(TStream* S);
  // Copies Width x Height pixels of the buffer to Bits; nothing when not buffered.
  void SaveToBits(void* Bits);
  // Loads the preset pattern of the kind; the current kind does nothing.
  void SetStrokeDash(TzrStrokeDash Value);
  // A custom pattern in units of the pen width, dash and gap alternating.
  void SetCustomDash(const std::vector<float>& Dash, float Offset);
  // Elliptic arcs, angles in degrees.
  void FillArc(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle, float SweepAngle,
               float AOpacity);
  void DrawArc(const TzrPoint& Center, const TzrPoint& Radius, float StartAngle, float SweepAngle,
               float AOpacity);
  // Strokes only the chosen sides; corners in ACorners are always drawn.
  void DrawRectSides(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                     float AOpacity, TzrSides ASides, TzrCornerType ACornerType = zrCornerRound);
  float TextWidth(const std::u16string& AText);
  float TextHeight(const std::u16string& AText);

  // ---- properties
  TzrBrush* GetStroke() const { return FStroke.get(); }
  TzrBrush* GetFill() const { return FFill.get(); }
  TzrFont* GetFont() const { return FFont.get(); }
  float GetStrokeThickness() const { return FStrokeThickness; }
  void SetStrokeThickness(float Value) { FStrokeThickness = Value; }
  TzrStrokeCap GetStrokeCap() const { return FStrokeCap; }
  void SetStrokeCap(TzrStrokeCap Value) { FStrokeCap = Value; }
  TzrStrokeJoin GetStrokeJoin() const { return FStrokeJoin; }
  void SetStrokeJoin(TzrStrokeJoin Value) { FStrokeJoin = Value; }
  TzrStrokeDash GetStrokeDash() const { return FStrokeDash; }
  const std::vector<float>& GetDash() const { return FDash; }
  float GetDashOffset() const { return FDashOffset; }
  const TzrMatrix& GetMatrix() const { return FMatrix; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  IzoRurev* GetScene() const { return FScene; }
  void SetScene(IzoRurev* Value) { FScene = Value; }
  TzrHandle GetHandle() const { return FHandle; }
  void SetHandle(TzrHandle Value) { FHandle = Value; }
  TzrHandle GetParent() const { return FParent; }
  void SetParent(TzrHandle Value) { FParent = Value; }
  bool GetBuffered() const { return FBuffered; }
  TzrColor* GetBufferBits() const { return FBufferBits; }
  TzrBitmap* GetBitmap() const { return FBitmap; }
  // Set whenever ResizeBuffer made a new buffer; the owner may clear it.
  bool GetResized() const { return FResized; }
  void SetResized(bool Value) { FResized = Value; }
  // Entries of the state stack (live and free).
  int SaveDataCount() const { return int(FSaveData.size()); }

 protected:
  // Copies matrix, brushes, stroke settings and font into a state entry, and
  // puts them back from it (applying the matrix), releasing the copies: the
  // part of SaveCanvas/RestoreCanvas every backend shares.
  void StoreDrawingState(TzrSaveData& D) const;
  void TakeBackDrawingState(TzrSaveData& D);
  // Makes Stroke (solid black), Fill (solid white) and Font, whose change
  // event calls FontChanged. The matrix and every number start at zero.
  TzrCanvas();
  // A canvas of the bitmap's size that makes no buffer.
  explicit TzrCanvas(TzrBitmap* ABitmap);
  // Copies the surface into a TzrBitmap; anything else raises EConvertError.
  void AssignTo(TPersistent* Dest) override;
  // Frees the brush and font copies of every entry and empties the stack.
  void FreeSaveData();

  int FWidth = 0;
  int FHeight = 0;
  TzrMatrix FMatrix = ZeroMatrix;
  std::unique_ptr<TzrBrush> FFill;
  std::unique_ptr<TzrBrush> FStroke;
  float FStrokeThickness = 0;
  TzrStrokeCap FStrokeCap = zrCapFlat;
  TzrStrokeJoin FStrokeJoin = zrJoinMiter;
  TzrStrokeDash FStrokeDash = zrDashSolid;
  std::vector<float> FDash;
  float FDashOffset = 0;
  std::unique_ptr<TzrFont> FFont;
  TzrBitmap* FBitmap = nullptr;  // not owned: the bitmap owns the canvas
  bool FResized = false;
  std::vector<TzrSaveData> FSaveData;
  bool FBuffered = false;
  TzrColor* FBufferBits = nullptr;
  TzrHandle FHandle = 0;
  TzrHandle FParent = 0;
  IzoRurev* FScene = nullptr;

 private:
  void MakeBrushesAndFont();
};

// Saves the canvas state for the life of the object and restores it after.
class TCanvasState {
 public:
  explicit TCanvasState(TzrCanvas* ACanvas) : FCanvas(ACanvas), FToken(ACanvas->SaveCanvas()) {}
  ~TCanvasState() { FCanvas->RestoreCanvas(FToken); }
  TCanvasState(const TCanvasState&) = delete;
  TCanvasState& operator=(const TCanvasState&) = delete;

 private:
  TzrCanvas* FCanvas;
  uint32_t FToken;
};
