// Image files (PNG, JPEG, BMP) through the decoders of the drawing layer.

#include <cairo.h>

#include <vector>

#include "platform/gdiplus/GdiPlusCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  Gdiplus::DecodedImage image;
  Gdiplus::DecodeImageBytes(std::vector<uint8_t>(Data, Data + Size), &image);
  if (image.Surface) cairo_surface_destroy(image.Surface);
  return 0;
}
