#include "platform/d2d/WIC.h"

#include <cstring>

IWICBitmap::IWICBitmap(UINT32 width, UINT32 height)
    : FWidth(width), FHeight(height), FPixels(size_t(width) * height, 0) {
  FSurface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(FPixels.data()),
                                                 CAIRO_FORMAT_ARGB32, int(width), int(height),
                                                 int(width * 4));
}

IWICBitmap::~IWICBitmap() { cairo_surface_destroy(FSurface); }

HRESULT IWICBitmap::GetSize(UINT32* width, UINT32* height) const {
  if (!width || !height) return E_INVALIDARG;
  *width = FWidth;
  *height = FHeight;
  return S_OK;
}

HRESULT IWICBitmap::CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                               void* buffer) const {
  const WICRect r = rect ? *rect : WICRect{0, 0, int32_t(FWidth), int32_t(FHeight)};
  if (!buffer || r.X < 0 || r.Y < 0 || r.Width < 0 || r.Height < 0 ||
      uint64_t(r.X) + uint64_t(r.Width) > FWidth || uint64_t(r.Y) + uint64_t(r.Height) > FHeight)
    return E_INVALIDARG;
  const size_t row = size_t(r.Width) * 4;
  if (r.Height == 0 || row == 0) return S_OK;
  if (stride < row || uint64_t(stride) * (uint64_t(r.Height) - 1) + row > bufferSize)
    return E_INVALIDARG;
  cairo_surface_flush(FSurface);
  for (int32_t y = 0; y < r.Height; ++y)
    std::memcpy(static_cast<uint8_t*>(buffer) + size_t(y) * stride,
                FPixels.data() + size_t(r.Y + y) * FWidth + size_t(r.X), row);
  return S_OK;
}

HRESULT IWICImagingFactory::CreateBitmapFromMemory(UINT32 width, UINT32 height,
                                                   WICPixelFormat format, UINT32 stride,
                                                   UINT32 bufferSize, const void* buffer,
                                                   std::shared_ptr<IWICBitmap>* bitmap) {
  if (!bitmap) return E_INVALIDARG;
  bitmap->reset();
  if (format != GUID_WICPixelFormat32bppPBGRA || width == 0 || height == 0 || width > 32767 ||
      height > 32767 || !buffer || stride < width * 4 ||
      uint64_t(stride) * (height - 1) + uint64_t(width) * 4 > bufferSize)
    return E_INVALIDARG;
  auto result = std::make_shared<IWICBitmap>(width, height);
  for (UINT32 y = 0; y < height; ++y)
    std::memcpy(result->Pixels() + size_t(y) * width,
                static_cast<const uint8_t*>(buffer) + size_t(y) * stride, size_t(width) * 4);
  cairo_surface_mark_dirty(result->Surface());
  *bitmap = std::move(result);
  return S_OK;
}
