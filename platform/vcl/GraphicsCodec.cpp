#include "platform/vcl/GraphicsCodec.h"

#include <cairo.h>

#include <cstring>

#include "platform/gdiplus/GdiPlusCodec.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Graphics.h"

DecodedPixels DecodeGraphic(TStream& Stream) {
  int64_t left = Stream.GetSize() - Stream.GetPosition();
  if (left <= 0 || left > INT32_MAX) throw EInvalidGraphic("Bitmap image is not valid");
  std::vector<uint8_t> bytes(static_cast<size_t>(left));
  Stream.ReadBuffer(bytes.data(), int32_t(left));
  Gdiplus::DecodedImage image;
  if (Gdiplus::DecodeImageBytes(bytes, &image) != Gdiplus::Ok || !image.Surface)
    throw EInvalidGraphic("Bitmap image is not valid");
  DecodedPixels out;
  cairo_surface_flush(image.Surface);
  out.Width = cairo_image_surface_get_width(image.Surface);
  out.Height = cairo_image_surface_get_height(image.Surface);
  out.Opaque = image.Pixels == Gdiplus::PixelFormat24bppRGB;
  int stride = cairo_image_surface_get_stride(image.Surface);
  const uint8_t* data = cairo_image_surface_get_data(image.Surface);
  out.Bgra.resize(size_t(out.Width) * size_t(out.Height) * 4);
  for (int y = 0; y < out.Height; ++y)
    std::memcpy(&out.Bgra[size_t(y) * size_t(out.Width) * 4], data + size_t(y) * size_t(stride),
                size_t(out.Width) * 4);
  cairo_surface_destroy(image.Surface);
  return out;
}

std::vector<uint8_t> EncodeGraphic(const std::vector<uint8_t>& Bgra, int Width, int Height,
                                   const std::u16string& MimeType) {
  std::vector<uint8_t> out;
  if (Width <= 0 || Height <= 0) return out;
  Gdiplus::UINT count = 0, size = 0;
  Gdiplus::GetImageEncodersSize(&count, &size);
  std::vector<Gdiplus::ImageCodecInfo> encoders(count);
  Gdiplus::GetImageEncoders(count, size, encoders.data());
  const Gdiplus::CLSID* clsid = nullptr;
  for (const auto& e : encoders)
    if (e.MimeType && MimeType == e.MimeType) clsid = &e.Clsid;
  if (!clsid) throw EInvalidGraphicOperation("No encoder for the picture");
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Width, Height);
  cairo_surface_flush(s);
  int stride = cairo_image_surface_get_stride(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  for (int y = 0; y < Height; ++y)
    std::memcpy(data + size_t(y) * size_t(stride), &Bgra[size_t(y) * size_t(Width) * 4],
                size_t(Width) * 4);
  cairo_surface_mark_dirty(s);
  Gdiplus::Status st = Gdiplus::EncodeImageBytes(s, 96, 96, clsid, nullptr, out);
  cairo_surface_destroy(s);
  if (st != Gdiplus::Ok) throw EInvalidGraphicOperation("The picture could not be written");
  return out;
}
