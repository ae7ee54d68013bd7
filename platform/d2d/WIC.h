#pragma once
// The imaging side of the Direct2D-shaped layer: bitmaps over a copy of
// premultiplied B, G, R, A pixels, which a render target can draw on.

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/d2d/D2D1Types.h"

struct WICRect {
  int32_t X = 0, Y = 0, Width = 0, Height = 0;
};

enum WICPixelFormat { GUID_WICPixelFormat32bppPBGRA = 1, GUID_WICPixelFormat32bppBGRA = 2 };

// Anything that gives premultiplied B, G, R, A pixels.
class IWICBitmapSource {
 public:
  virtual ~IWICBitmapSource() = default;
  virtual HRESULT GetSize(UINT32* width, UINT32* height) const = 0;
  // Copies the rectangle (nil: the whole image) row by row into the buffer;
  // fails when the stride or the buffer is too small.
  virtual HRESULT CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                             void* buffer) const = 0;
};

class IWICBitmap : public IWICBitmapSource {
 public:
  IWICBitmap(UINT32 width, UINT32 height);
  ~IWICBitmap() override;
  IWICBitmap(const IWICBitmap&) = delete;
  IWICBitmap& operator=(const IWICBitmap&) = delete;
  HRESULT GetSize(UINT32* width, UINT32* height) const override;
  HRESULT CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                     void* buffer) const override;
  cairo_surface_t* Surface() const { return FSurface; }
  uint32_t* Pixels() { return FPixels.data(); }

 private:
  UINT32 FWidth, FHeight;
  std::vector<uint32_t> FPixels;
  cairo_surface_t* FSurface = nullptr;
};

class IWICBitmapDecoder;
class IWICBitmapEncoder;
class IWICBitmapScaler;
class IWICFormatConverter;
class IWICStream;
enum WICContainerFormat : int;

class IWICImagingFactory {
 public:
  // A decoder over the whole file, read at once; fails for a file that
  // cannot be read or that no decoder understands.
  HRESULT CreateDecoderFromFilename(const std::string& fileName, const void* vendor,
                                    UINT32 desiredAccess, int metadataOptions,
                                    std::shared_ptr<IWICBitmapDecoder>* decoder);
  HRESULT CreateDecoderFromStream(IWICStream* stream, const void* vendor, int metadataOptions,
                                  std::shared_ptr<IWICBitmapDecoder>* decoder);
  HRESULT CreateFormatConverter(std::shared_ptr<IWICFormatConverter>* converter);
  HRESULT CreateBitmapScaler(std::shared_ptr<IWICBitmapScaler>* scaler);
  // Fails with WINCODEC_ERR_COMPONENTNOTFOUND for a container without an
  // encoder here (GIF, Windows Media Photo, icons).
  HRESULT CreateEncoder(WICContainerFormat container, const void* vendor,
                        std::shared_ptr<IWICBitmapEncoder>* encoder);
  HRESULT CreateStream(std::shared_ptr<IWICStream>* stream);
  // A bitmap holding a copy of the memory, rows stride bytes apart.
  HRESULT CreateBitmapFromMemory(UINT32 width, UINT32 height, WICPixelFormat format, UINT32 stride,
                                 UINT32 bufferSize, const void* buffer,
                                 std::shared_ptr<IWICBitmap>* bitmap);
};
