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

// The one cap on decoded images, checked against the size in the file's
// header (PNG IHDR, JPEG start of frame, BMP header, or the size a gdk-pixbuf
// loader announces) before any pixels are allocated, and by the loads that
// turn an image against the turned bounds. The program's largest pictures
// are window-sized (model photos, help pictures, captured pages); 2^25 pixels
// (128 MB of ARGB pixels) holds an 8K screen (7680 x 4320) with room to
// spare. A side is further limited to 32767 pixels, Cairo's largest surface.
// A file over the cap decodes to an empty image with the status OutOfMemory.
inline constexpr double MaxImagePixels = double(1 << 25);
inline constexpr double MaxImageSide = 32767;
// Whether an image of that size stays within the cap (0 is within).
bool ImageSizeWithinCap(double width, double height);

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
