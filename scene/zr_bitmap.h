#pragma once
// TzrBitmap: the toolkit's raster image, a contiguous block of Width x Height
// 32-bit pixels in memory, or a link by name to a shared bitmap resource.
//
// Pixel format: one 32-bit value per pixel, alpha in the top byte, then red,
// green and blue, the colour channels premultiplied by alpha; rows top to
// bottom with no padding, pixel (x, y) at x + y * Width. On a little-endian
// machine this is byte for byte a Cairo ARGB32 image surface with a stride of
// 4 * Width, so a drawing backend can wrap the block without copying it.
//
// The bitmap owns its Canvas, made on first use from DefaultCanvasClass and
// drawing straight into the pixel block; every size change and the bitmap's
// end free it together with the block, so a canvas never outlives the pixels
// it draws into. Ask for Canvas again after a size change.
//
// Files and streams are decoded and encoded by a codec of DefaultFilterClass,
// made for each call. The backend caches a native image per bitmap (Handle)
// and is told by OnBitmapDestroy, OnDestroyHandle and OnBitmapCreate when the
// pixels go away or come anew; NeedUpdate asks it to refresh the cache.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "scene/zr_geometry.h"
#include "scene/zr_object.h"

class TGraphic;
class TStream;
class TzrBitmapObject;
class TzrCanvas;

class TzrBitmap : public TPersistent, public IzrFreeNotify {
 public:
  TzrBitmap();
  // APremulAlpha has no effect: pixels are always premultiplied.
  TzrBitmap(int AWidth, int AHeight, bool APremulAlpha = true);
  explicit TzrBitmap(TStream* AStream);
  // A bitmap of Bitmap's size; when Mask has the same size, Bitmap's pixels
  // with each alpha byte replaced by the red byte of the mask's pixel (no
  // re-premultiplication); otherwise fully transparent.
  TzrBitmap(const TzrBitmap& Bitmap, const TzrBitmap& Mask);
  ~TzrBitmap() override;
  TzrBitmap(const TzrBitmap&) = delete;
  TzrBitmap& operator=(const TzrBitmap&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // From another bitmap: its resource link when it shows one, else its size
  // and pixels. From the framework's bitmaps, graphics and pictures: their
  // pixels (zr_bitmap_graphic.cpp). OnChange follows.
  void Assign(TPersistent* Source) override;
  // Draws a framework graphic stretched into the rounded rectangle through
  // a work bitmap filled with magenta; every work pixel that is not exactly
  // magenta replaces the bitmap's pixel.
  void DrawGraphic(TGraphic* Graphic, const TzrRect& DstRect);
  // The binary property "PNG" (what SaveToStream writes) when there are pixels.
  void DefineProperties(TFiler* Filer) override;

  // ---- size and content
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value);
  // Negative sizes count as 0.
  void SetSize(int AWidth, int AHeight);
  bool IsEmpty() const { return FWidth == 0 || FHeight == 0; }
  // Colours are ordinary ARGB, premultiplied when stored.
  virtual void Clear(TzrColor AColor);
  // Left and top truncated, right and bottom rounded (halves to even),
  // clamped to the bitmap; right and bottom exclusive. No OnChange.
  virtual void ClearRect(const TzrRect& ARect, TzrColor AColor);
  // The stored pixel; 0 outside the bitmap.
  TzrColor GetPixels(int X, int Y) const;
  // The first pixel; nil without pixels.
  TzrColor* GetStartLine() { return FBits.empty() ? nullptr : FBits.data(); }
  const TzrColor* GetStartLine() const { return FBits.empty() ? nullptr : FBits.data(); }
  // Row Y; nil outside the bitmap. Writers through it set NeedUpdate.
  TzrColor* GetScanline(int Y);
  void BitmapChanged();
  // The canvas drawing into the pixels, with the identity matrix when made;
  // nil when no canvas class is selected. Freed with the pixels.
  TzrCanvas* GetCanvas();

  // ---- pixel operations (each fires OnChange; none acts without pixels)
  void FlipHorizontal();  // rows exchanged: mirrored top to bottom
  void FlipVertical();    // pixels within rows exchanged: mirrored left to right
  void InvertAlpha();
  // Every pixel that is not fully transparent takes Color, its opacity
  // scaled by the pixel's alpha.
  void FillColor(TzrColor Color);
  // Width x Height bytes, the alpha of each pixel.
  std::vector<uint8_t> CreateMask() const;
  // Lays the Width x Height mask over the bitmap shifted by (DstX, DstY) and
  // fades each covered pixel by its mask byte m to (255 - m) / 255 of its
  // opacity. A mask shorter than Width x Height is ignored.
  void ApplyMask(const std::vector<uint8_t>& Mask, int DstX = 0, int DstY = 0);
  // Turns the image by Angle degrees (positive: clockwise) about its centre;
  // the bitmap grows to the bounds of the turned image. Drawn through a
  // canvas when a canvas class is selected, else resampled bilinearly here.
  void Rotate(float Angle);
  // A new bitmap of the given size holding this image scaled by
  // AWidth / Width in both directions (the height does not scale it).
  // Reductions average every source pixel they cover.
  std::unique_ptr<TzrBitmap> CreateThumbnail(int AWidth, int AHeight);

  // ---- files and streams (through a codec of DefaultFilterClass)
  void LoadFromFile(const std::string& AFileName, float Rotate = 0);
  void LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth, float AFitHeight,
                             bool UseEmbedded = true);
  void SaveToFile(const std::string& AFileName, const std::string& Params = "");
  void LoadFromStream(TStream* AStream);
  // PNG when any pixel is not opaque, else JPEG at quality 100.
  void SaveToStream(TStream* AStream);

  // ---- shared resource
  TzrBitmapObject* GetResource() const { return FResource; }
  void SetResource(TzrBitmapObject* Value);
  const std::string& GetResourceName() const { return FResourceName; }
  void SetResourceName(const std::string& Value);
  // The linked resource's bitmap (ResourceBitmap), looked up by ResourceName
  // when not linked yet; nil when the bitmap shows its own pixels.
  TzrBitmap* GetBitmap();
  void FreeNotify(TzrObject* AObject) override;

  // ---- what the drawing backend keeps
  uintptr_t GetHandle() const { return FHandle; }
  void SetHandle(uintptr_t Value) { FHandle = Value; }
  bool GetNeedUpdate() const { return FNeedUpdate; }
  void SetNeedUpdate(bool Value) { FNeedUpdate = Value; }

  void DoLoaded(TObject* Sender);

  TNotifyEvent OnChange;
  TNotifyEvent OnThreadLoaded;
  TNotifyEvent OnBitmapCreate;
  TNotifyEvent OnBitmapDestroy;
  TNotifyEvent OnDestroyHandle;

 protected:
  // To a framework bitmap (32 bits, rows as they are) or picture.
  void AssignTo(TPersistent* Dest) override;
  // Drops the native image, the canvas and the pixels and allocates cleared
  // pixels for the current size.
  void Recreate();

 private:
  static void Fire(const TNotifyEvent& Event, TObject* Sender);
  bool AssignFromFramework(TPersistent* Source);
  void Resize(int AWidth, int AHeight);
  void LinkResource(TzrBitmapObject* Value);
  void UnlinkResource();
  bool HasTranslucentPixel() const;

  std::vector<TzrColor> FBits;
  std::unique_ptr<TzrCanvas> FCanvas;  // draws into FBits: freed before they go
  uintptr_t FHandle = 0;
  int FHeight = 0;
  int FWidth = 0;
  bool FNeedUpdate = false;
  TzrBitmapObject* FResource = nullptr;
  std::string FResourceName;
};
