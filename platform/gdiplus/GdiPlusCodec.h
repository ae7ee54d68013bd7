#pragma once
// The installed image codecs: PNG (libpng; read through Cairo), JPEG (libjpeg) and,
// through gdk-pixbuf, BMP and TIFF for writing and BMP, GIF, TIFF and icons
// for reading. Encoders are found by their MIME type in the list below.

#include <cairo.h>

#include <vector>

#include "platform/gdiplus/GdiPlusImage.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

struct ImageCodecInfo {
  CLSID Clsid;
  GUID FormatID;
  const char16_t* CodecName = nullptr;
  const char16_t* DllName = nullptr;
  const char16_t* FormatDescription = nullptr;
  const char16_t* FilenameExtension = nullptr;
  const char16_t* MimeType = nullptr;
  UINT Flags = 0;
  UINT Version = 1;
  UINT SigCount = 0;
  UINT SigSize = 0;
  const uint8_t* SigPattern = nullptr;
  const uint8_t* SigMask = nullptr;
};

extern const GUID ImageFormatMemoryBMP;
extern const GUID ImageFormatBMP;
extern const GUID ImageFormatJPEG;
extern const GUID ImageFormatPNG;
extern const GUID ImageFormatGIF;
extern const GUID ImageFormatTIFF;
extern const GUID ImageFormatIcon;

// size is the number of bytes the list takes (its entries' texts are static).
Status GetImageEncodersSize(UINT* numEncoders, UINT* size);
Status GetImageEncoders(UINT numEncoders, UINT size, ImageCodecInfo* encoders);
Status GetImageDecodersSize(UINT* numDecoders, UINT* size);
Status GetImageDecoders(UINT numDecoders, UINT size, ImageCodecInfo* decoders);

struct DecodedImage {
  cairo_surface_t* Surface = nullptr;  // ARGB32, premultiplied
  REAL DpiX = 96;
  REAL DpiY = 96;
  GUID Format;
  PixelFormat Pixels = PixelFormat32bppARGB;
};

// Decodes a whole image file held in memory.
Status DecodeImageBytes(const std::vector<uint8_t>& bytes, DecodedImage* image);
// Encodes an ARGB32 surface with the encoder of the class identifier. The only
// parameter understood is EncoderQuality (JPEG, 0 to 100, one long value).
Status EncodeImageBytes(cairo_surface_t* surface, REAL dpiX, REAL dpiY, const CLSID* encoder,
                        const EncoderParameters* params, std::vector<uint8_t>& out);

}  // namespace Gdiplus
