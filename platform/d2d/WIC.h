#pragma once
// The imaging side of the Direct2D-shaped layer: bitmaps over a copy of
// premultiplied B, G, R, A pixels, which a render target can draw on.

#include <cairo.h>

#include <memory>
#include <vector>

#include "platform/d2d/D2D1Types.h"

struct WICRect {
  int32_t X = 0, Y = 0, Width = 0, Height = 0;
};

enum WICPixelFormat { GUID_WICPixelFormat32bppPBGRA = 1, GUID_WICPixelFormat32bppBGRA = 2 };

class IWICBitmap {
 public:
  IWICBitmap(UINT32 width, UINT32 height);
  ~IWICBitmap();
  IWICBitmap(const IWICBitmap&) = delete;
  IWICBitmap& operator=(const IWICBitmap&) = delete;
  HRESULT GetSize(UINT32* width, UINT32* height) const;
  // Copies the rectangle (nil: the whole image) row by row into the buffer;
  // fails when the stride or the buffer is too small.
  HRESULT CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize, void* buffer) const;
  cairo_surface_t* Surface() const { return FSurface; }
  uint32_t* Pixels() { return FPixels.data(); }

 private:
  UINT32 FWidth, FHeight;
  std::vector<uint32_t> FPixels;
  cairo_surface_t* FSurface = nullptr;
};

class IWICImagingFactory {
 public:
  // A bitmap holding a copy of the memory, rows stride bytes apart.
  HRESULT CreateBitmapFromMemory(UINT32 width, UINT32 height, WICPixelFormat format, UINT32 stride,
                                 UINT32 bufferSize, const void* buffer,
                                 std::shared_ptr<IWICBitmap>* bitmap);
};
