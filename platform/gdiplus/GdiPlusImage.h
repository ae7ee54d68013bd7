#pragma once
// Images and bitmaps held as 32-bit premultiplied ARGB Cairo image surfaces
// (bytes B, G, R, A in memory), with locking of their bits, rotation, clones,
// thumbnails, loading and saving through the codecs, and image attributes that
// adjust colours as an image is drawn.

#include <cairo.h>

#include <string>
#include <vector>

#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusStream.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

struct EncoderParameter {
  GUID Guid;
  ULONG NumberOfValues = 0;
  ULONG Type = 0;
  const void* Value = nullptr;
};

// Parameters handed to an encoder; as many as the caller adds.
struct EncoderParameters {
  std::vector<EncoderParameter> Parameter;
  UINT Count() const { return UINT(Parameter.size()); }
};

struct BitmapData {
  UINT Width = 0;
  UINT Height = 0;
  INT Stride = 0;
  Gdiplus::PixelFormat PixelFormat = 0;
  void* Scan0 = nullptr;
  uintptr_t Reserved = 0;
};

class Image : public LastStatus {
 public:
  virtual ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  // Decodes a file (UTF-8 name) or everything from the stream's position on.
  // An undecodable source gives an image of width and height 0 whose last
  // status tells why.
  static Image* FromFile(const std::string& filename, bool useEmbeddedColorManagement = false);
  static Image* FromStream(IStream* stream, bool useEmbeddedColorManagement = false);

  virtual Image* Clone() const;
  UINT GetWidth() const;
  UINT GetHeight() const;
  PixelFormat GetPixelFormat() const { return FPixelFormat; }
  REAL GetHorizontalResolution() const { return FDpiX; }
  REAL GetVerticalResolution() const { return FDpiY; }
  // Format identifier of the decoder that read the image (zero for made images).
  Status GetRawFormat(GUID* format) const;
  // A new image of the size with this one scaled into it.
  Image* GetThumbnailImage(UINT thumbWidth, UINT thumbHeight) const;
  Status RotateFlip(RotateFlipType rotateFlipType);
  Status Save(const std::string& filename, const CLSID* clsidEncoder,
              const EncoderParameters* encoderParams = nullptr) const;
  Status Save(IStream* stream, const CLSID* clsidEncoder,
              const EncoderParameters* encoderParams = nullptr) const;

  // The pixels; null for an image that could not be decoded.
  cairo_surface_t* Surface() const { return FSurface; }

 protected:
  Image() = default;
  void Adopt(cairo_surface_t* surface);
  cairo_surface_t* FSurface = nullptr;
  PixelFormat FPixelFormat = PixelFormat32bppPARGB;
  REAL FDpiX = 96;
  REAL FDpiY = 96;
  GUID FRawFormat;
};

class Bitmap : public Image {
 public:
  Bitmap(INT width, INT height, PixelFormat format = PixelFormat32bppARGB);
  // A bitmap over memory the caller keeps: 32bppPARGB or 32bppRGB, rows of
  // stride bytes (a positive multiple of 4, at least 4 x width), top row first.
  Bitmap(INT width, INT height, INT stride, PixelFormat format, uint8_t* scan0);
  static Bitmap* FromFile(const std::string& filename, bool useEmbeddedColorManagement = false);
  static Bitmap* FromStream(IStream* stream, bool useEmbeddedColorManagement = false);
  Image* Clone() const override;

  // Locks the rectangle's pixels in the asked format (32bppPARGB gives the
  // pixels themselves; 32bppARGB, 32bppRGB and 24bppRGB give converted copies
  // written back on unlock when locked for writing).
  Status LockBits(const Rect* rect, UINT flags, PixelFormat format, BitmapData* lockedBitmapData);
  Status UnlockBits(BitmapData* lockedBitmapData);
  // Colours as straight (not premultiplied) ARGB.
  Status GetPixel(INT x, INT y, Color* color) const;
  Status SetPixel(INT x, INT y, const Color& color);
  Status SetResolution(REAL xdpi, REAL ydpi);

 private:
  Bitmap() = default;
  // A bitmap decoded from a whole file's bytes; its status tells a failure.
  static Bitmap* FromBytes(const std::vector<uint8_t>& bytes);
  friend class Image;
  struct Lock {
    bool Active = false;
    Rect Area;
    UINT Flags = 0;
    PixelFormat Format = 0;
    std::vector<uint8_t> Copy;
  } FLock;
};

struct ColorMatrix {
  REAL m[5][5];
};

class ImageAttributes {
 public:
  ImageAttributes();
  ImageAttributes* Clone() const { return new ImageAttributes(*this); }
  // Colours as row vectors (r, g, b, a, 1) times the matrix, in 0..1.
  Status SetColorMatrix(const ColorMatrix* colorMatrix,
                        ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                        ColorAdjustType type = ColorAdjustTypeDefault);
  Status ClearColorMatrix(ColorAdjustType type = ColorAdjustTypeDefault);
  bool HasColorMatrix() const { return FEnabled; }
  // True when the matrix only scales alpha; the factor goes to alpha.
  bool IsAlphaScale(REAL* alpha) const;
  // Applies the matrix to the pixels of an ARGB32 surface in place.
  void Apply(cairo_surface_t* surface) const;

 private:
  ColorMatrix FMatrix;
  bool FEnabled = false;
};

// A new ARGB32 surface of the part src of the image, adjusted by the attributes.
cairo_surface_t* CreateAdjustedSurface(const Image& image, const RectF& src,
                                       const ImageAttributes* attributes);

}  // namespace Gdiplus
