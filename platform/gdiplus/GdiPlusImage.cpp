#include "platform/gdiplus/GdiPlusImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/gdiplus/GdiPlusCodec.h"

namespace Gdiplus {

namespace {

uint8_t Unpremultiply(uint32_t c, uint32_t a) {
  return a ? uint8_t(std::min<uint32_t>(255, (c * 255 + a / 2) / a)) : 0;
}
uint32_t Premultiply(uint32_t c, uint32_t a) { return (c * a + 127) / 255; }

ARGB ToStraight(uint32_t p) {
  uint32_t a = p >> 24;
  if (a == 255) return p;
  return (a << 24) | (uint32_t(Unpremultiply((p >> 16) & 255, a)) << 16) |
         (uint32_t(Unpremultiply((p >> 8) & 255, a)) << 8) | Unpremultiply(p & 255, a);
}

uint32_t ToPremultiplied(ARGB c) {
  uint32_t a = c >> 24;
  if (a == 255) return c;
  return (a << 24) | (Premultiply((c >> 16) & 255, a) << 16) |
         (Premultiply((c >> 8) & 255, a) << 8) | Premultiply(c & 255, a);
}

uint32_t* PixelRow(cairo_surface_t* s, int y) {
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) +
                                     size_t(y) * cairo_image_surface_get_stride(s));
}

cairo_surface_t* NewSurface(int width, int height) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) return s;
  cairo_surface_destroy(s);
  return nullptr;
}

bool ReadFileBytes(const std::string& filename, std::vector<uint8_t>& bytes) {
  std::ifstream in(filename, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool IsStraightFormat(PixelFormat f) { return f == PixelFormat32bppARGB; }

}  // namespace

// ---------------- Image ----------------

Image::~Image() {
  if (FSurface) cairo_surface_destroy(FSurface);
}

void Image::Adopt(cairo_surface_t* surface) {
  if (FSurface) cairo_surface_destroy(FSurface);
  FSurface = surface;
}

UINT Image::GetWidth() const {
  return FSurface ? UINT(cairo_image_surface_get_width(FSurface)) : 0;
}

UINT Image::GetHeight() const {
  return FSurface ? UINT(cairo_image_surface_get_height(FSurface)) : 0;
}

Status Image::GetRawFormat(GUID* format) const {
  if (!format) return SetStatus(InvalidParameter);
  *format = FRawFormat;
  return Ok;
}

Image* Image::FromFile(const std::string& filename, bool useEmbeddedColorManagement) {
  return Bitmap::FromFile(filename, useEmbeddedColorManagement);
}

Image* Image::FromStream(IStream* stream, bool useEmbeddedColorManagement) {
  return Bitmap::FromStream(stream, useEmbeddedColorManagement);
}

Image* Image::Clone() const {
  auto* copy = new Bitmap(INT(GetWidth()), INT(GetHeight()), FPixelFormat);
  if (FSurface && copy->FSurface) {
    cairo_t* cr = cairo_create(copy->FSurface);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, FSurface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
  copy->FDpiX = FDpiX;
  copy->FDpiY = FDpiY;
  copy->FRawFormat = FRawFormat;
  return copy;
}

Image* Image::GetThumbnailImage(UINT thumbWidth, UINT thumbHeight) const {
  if (!FSurface || thumbWidth == 0 || thumbHeight == 0) {
    SetStatus(InvalidParameter);
    return nullptr;
  }
  auto* thumb = new Bitmap(INT(thumbWidth), INT(thumbHeight), PixelFormat32bppPARGB);
  if (!thumb->FSurface) return thumb;
  cairo_t* cr = cairo_create(thumb->FSurface);
  cairo_scale(cr, double(thumbWidth) / GetWidth(), double(thumbHeight) / GetHeight());
  cairo_set_source_surface(cr, FSurface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_paint(cr);
  cairo_destroy(cr);
  return thumb;
}

Status Image::RotateFlip(RotateFlipType type) {
  if (!FSurface) return SetStatus(WrongState);
  if (type < RotateNoneFlipNone || type > Rotate270FlipX) return SetStatus(InvalidParameter);
  int w = int(GetWidth()), h = int(GetHeight());
  int turns = type & 3;
  bool flipX = type & 4;
  int nw = (turns & 1) ? h : w, nh = (turns & 1) ? w : h;
  cairo_surface_t* turned = NewSurface(nw, nh);
  if (!turned) return SetStatus(OutOfMemory);
  cairo_surface_flush(FSurface);
  // pixels without alpha of their own become opaque
  uint32_t alpha = cairo_image_surface_get_format(FSurface) == CAIRO_FORMAT_RGB24 ? 0xFF000000 : 0;
  for (int y = 0; y < h; ++y) {
    const uint32_t* src = PixelRow(FSurface, y);
    for (int x = 0; x < w; ++x) {
      int dx, dy;
      switch (turns) {
        case 1:
          dx = h - 1 - y;
          dy = x;
          break;  // a quarter turn clockwise
        case 2:
          dx = w - 1 - x;
          dy = h - 1 - y;
          break;
        case 3:
          dx = y;
          dy = w - 1 - x;
          break;
        default:
          dx = x;
          dy = y;
          break;
      }
      if (flipX) dx = nw - 1 - dx;
      PixelRow(turned, dy)[dx] = src[x] | alpha;
    }
  }
  cairo_surface_mark_dirty(turned);
  Adopt(turned);
  if (turns & 1) std::swap(FDpiX, FDpiY);
  return Ok;
}

Status Image::Save(const std::string& filename, const CLSID* clsidEncoder,
                   const EncoderParameters* encoderParams) const {
  std::vector<uint8_t> bytes;
  Status s = EncodeImageBytes(FSurface, FDpiX, FDpiY, clsidEncoder, encoderParams, bytes);
  if (s != Ok) return SetStatus(s);
  std::ofstream out(filename, std::ios::binary | std::ios::trunc);
  if (!out) return SetStatus(Win32Error);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return out.good() ? Ok : SetStatus(Win32Error);
}

Status Image::Save(IStream* stream, const CLSID* clsidEncoder,
                   const EncoderParameters* encoderParams) const {
  if (!stream) return SetStatus(InvalidParameter);
  std::vector<uint8_t> bytes;
  Status s = EncodeImageBytes(FSurface, FDpiX, FDpiY, clsidEncoder, encoderParams, bytes);
  if (s != Ok) return SetStatus(s);
  size_t done = 0;
  while (done < bytes.size()) {
    ULONG chunk = ULONG(std::min<size_t>(bytes.size() - done, 0x7FFFFFFF));
    ULONG written = 0;
    if (stream->Write(bytes.data() + done, chunk, &written) < 0 || written == 0)
      return SetStatus(Win32Error);
    done += written;
  }
  return Ok;
}

// ---------------- Bitmap ----------------

Bitmap::Bitmap(INT width, INT height, PixelFormat format) {
  FPixelFormat = format;
  if (width <= 0 || height <= 0) {
    SetStatus(InvalidParameter);
    return;
  }
  FSurface = NewSurface(width, height);
  if (!FSurface) {
    SetStatus(OutOfMemory);
    return;
  }
  if (format == PixelFormat32bppRGB || format == PixelFormat24bppRGB) {
    cairo_t* cr = cairo_create(FSurface);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
}

Bitmap::Bitmap(INT width, INT height, INT stride, PixelFormat format, uint8_t* scan0) {
  FPixelFormat = format;
  if (!scan0) {
    // no memory given: a bitmap of its own
    FSurface = width > 0 && height > 0 ? NewSurface(width, height) : nullptr;
    if (!FSurface) SetStatus(InvalidParameter);
    return;
  }
  bool formatOk = format == PixelFormat32bppPARGB || format == PixelFormat32bppRGB;
  if (!formatOk) {
    SetStatus(NotImplemented);
    return;
  }
  if (width <= 0 || height <= 0 || stride < width * 4 || stride % 4 != 0) {
    SetStatus(InvalidParameter);
    return;
  }
  cairo_format_t cf = format == PixelFormat32bppRGB ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  FSurface = cairo_image_surface_create_for_data(scan0, cf, width, height, stride);
  if (cairo_surface_status(FSurface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(FSurface);
    FSurface = nullptr;
    SetStatus(InvalidParameter);
  }
}

Bitmap* Bitmap::FromBytes(const std::vector<uint8_t>& bytes) {
  auto* bitmap = new Bitmap();
  DecodedImage decoded;
  Status s = DecodeImageBytes(bytes, &decoded);
  if (s != Ok) {
    bitmap->SetStatus(s);
    return bitmap;
  }
  bitmap->FSurface = decoded.Surface;
  bitmap->FDpiX = decoded.DpiX;
  bitmap->FDpiY = decoded.DpiY;
  bitmap->FRawFormat = decoded.Format;
  bitmap->FPixelFormat = decoded.Pixels;
  return bitmap;
}

Bitmap* Bitmap::FromFile(const std::string& filename, bool) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(filename, bytes)) {
    auto* bitmap = new Bitmap();
    bitmap->SetStatus(FileNotFound);
    return bitmap;
  }
  return FromBytes(bytes);
}

Bitmap* Bitmap::FromStream(IStream* stream, bool) {
  if (!stream) {
    auto* bitmap = new Bitmap();
    bitmap->SetStatus(InvalidParameter);
    return bitmap;
  }
  std::vector<uint8_t> bytes;
  stream->AddRef();
  bool read = ReadWholeStream(stream, bytes);
  stream->Release();
  if (!read) {
    auto* bitmap = new Bitmap();
    bitmap->SetStatus(Win32Error);
    return bitmap;
  }
  return FromBytes(bytes);
}

Image* Bitmap::Clone() const { return Image::Clone(); }

Status Bitmap::SetResolution(REAL xdpi, REAL ydpi) {
  if (!(xdpi > 0) || !(ydpi > 0)) return SetStatus(InvalidParameter);
  FDpiX = xdpi;
  FDpiY = ydpi;
  return Ok;
}

Status Bitmap::GetPixel(INT x, INT y, Color* color) const {
  if (!color || !FSurface) return SetStatus(InvalidParameter);
  if (x < 0 || y < 0 || x >= INT(GetWidth()) || y >= INT(GetHeight()))
    return SetStatus(InvalidParameter);
  cairo_surface_flush(FSurface);
  uint32_t p = PixelRow(FSurface, y)[x];
  if (cairo_image_surface_get_format(FSurface) == CAIRO_FORMAT_RGB24) p |= 0xFF000000;
  color->SetValue(ToStraight(p));
  return Ok;
}

Status Bitmap::SetPixel(INT x, INT y, const Color& color) {
  if (!FSurface || x < 0 || y < 0 || x >= INT(GetWidth()) || y >= INT(GetHeight()))
    return SetStatus(InvalidParameter);
  cairo_surface_flush(FSurface);
  PixelRow(FSurface, y)[x] = ToPremultiplied(color.GetValue());
  cairo_surface_mark_dirty(FSurface);
  return Ok;
}

Status Bitmap::LockBits(const Rect* rect, UINT flags, PixelFormat format, BitmapData* data) {
  if (!data || !FSurface) return SetStatus(InvalidParameter);
  if (FLock.Active) return SetStatus(WrongState);
  Rect area = rect ? *rect : Rect(0, 0, INT(GetWidth()), INT(GetHeight()));
  if (area.X < 0 || area.Y < 0 || area.Width <= 0 || area.Height <= 0 ||
      area.X + area.Width > INT(GetWidth()) || area.Y + area.Height > INT(GetHeight()))
    return SetStatus(InvalidParameter);
  bool known = format == PixelFormat32bppPARGB || format == PixelFormat32bppARGB ||
               format == PixelFormat32bppRGB || format == PixelFormat24bppRGB;
  if (!known) return SetStatus(InvalidParameter);
  cairo_surface_flush(FSurface);
  FLock = Lock{true, area, flags, format, {}};
  data->Width = UINT(area.Width);
  data->Height = UINT(area.Height);
  data->PixelFormat = format;
  data->Reserved = 0;
  if (format == PixelFormat32bppPARGB && !(flags & ImageLockModeUserInputBuf)) {
    data->Stride = cairo_image_surface_get_stride(FSurface);
    data->Scan0 = reinterpret_cast<uint8_t*>(PixelRow(FSurface, area.Y) + area.X);
    return Ok;
  }
  int bpp = format == PixelFormat24bppRGB ? 3 : 4;
  int stride = (area.Width * bpp + 3) & ~3;
  uint8_t* buffer;
  if (flags & ImageLockModeUserInputBuf) {
    if (!data->Scan0 || data->Stride < area.Width * bpp) {
      FLock.Active = false;
      return SetStatus(InvalidParameter);
    }
    buffer = static_cast<uint8_t*>(data->Scan0);
    stride = data->Stride;
  } else {
    FLock.Copy.assign(size_t(stride) * area.Height, 0);
    buffer = FLock.Copy.data();
    data->Scan0 = buffer;
    data->Stride = stride;
  }
  if (flags & ImageLockModeRead) {
    for (int y = 0; y < area.Height; ++y) {
      const uint32_t* src = PixelRow(FSurface, area.Y + y) + area.X;
      uint8_t* dst = buffer + size_t(y) * stride;
      for (int x = 0; x < area.Width; ++x) {
        uint32_t p = format == PixelFormat32bppPARGB ? src[x] : ToStraight(src[x]);
        if (bpp == 4) {
          std::memcpy(dst + x * 4, &p, 4);
        } else {
          dst[x * 3] = uint8_t(p);
          dst[x * 3 + 1] = uint8_t(p >> 8);
          dst[x * 3 + 2] = uint8_t(p >> 16);
        }
      }
    }
  }
  return Ok;
}

Status Bitmap::UnlockBits(BitmapData* data) {
  if (!data || !FLock.Active) return SetStatus(WrongState);
  const Lock& lock = FLock;
  bool direct = lock.Format == PixelFormat32bppPARGB && !(lock.Flags & ImageLockModeUserInputBuf);
  if ((lock.Flags & ImageLockModeWrite) && !direct) {
    int bpp = lock.Format == PixelFormat24bppRGB ? 3 : 4;
    const uint8_t* buffer = static_cast<const uint8_t*>(data->Scan0);
    for (int y = 0; y < lock.Area.Height; ++y) {
      uint32_t* dst = PixelRow(FSurface, lock.Area.Y + y) + lock.Area.X;
      const uint8_t* src = buffer + size_t(y) * data->Stride;
      for (int x = 0; x < lock.Area.Width; ++x) {
        uint32_t p;
        if (bpp == 3) {
          p = 0xFF000000 | (uint32_t(src[x * 3 + 2]) << 16) | (uint32_t(src[x * 3 + 1]) << 8) |
              src[x * 3];
        } else {
          std::memcpy(&p, src + x * 4, 4);
          if (lock.Format == PixelFormat32bppRGB) p |= 0xFF000000;
          if (IsStraightFormat(lock.Format)) p = ToPremultiplied(p);
        }
        dst[x] = p;
      }
    }
  }
  if (lock.Flags & ImageLockModeWrite) cairo_surface_mark_dirty(FSurface);
  FLock = Lock();
  return Ok;
}

// ---------------- ImageAttributes ----------------

ImageAttributes::ImageAttributes() {
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) FMatrix.m[r][c] = r == c ? 1.0f : 0.0f;
}

Status ImageAttributes::SetColorMatrix(const ColorMatrix* colorMatrix, ColorMatrixFlags,
                                       ColorAdjustType) {
  if (!colorMatrix) return InvalidParameter;
  FMatrix = *colorMatrix;
  FEnabled = true;
  return Ok;
}

Status ImageAttributes::ClearColorMatrix(ColorAdjustType) {
  FEnabled = false;
  return Ok;
}

bool ImageAttributes::IsAlphaScale(REAL* alpha) const {
  *alpha = 1;
  if (!FEnabled) return true;
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) {
      if (r == 3 && c == 3) continue;
      if (FMatrix.m[r][c] != (r == c ? 1.0f : 0.0f)) return false;
    }
  *alpha = FMatrix.m[3][3];
  return true;
}

void ImageAttributes::Apply(cairo_surface_t* surface) const {
  if (!FEnabled || !surface) return;
  cairo_surface_flush(surface);
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  const auto& m = FMatrix.m;
  for (int y = 0; y < h; ++y) {
    uint32_t* row = PixelRow(surface, y);
    for (int x = 0; x < w; ++x) {
      ARGB c = ToStraight(row[x]);
      float in[4] = {((c >> 16) & 255) / 255.0f, ((c >> 8) & 255) / 255.0f, (c & 255) / 255.0f,
                     (c >> 24) / 255.0f};
      uint32_t out[4];
      for (int k = 0; k < 4; ++k) {
        float v = in[0] * m[0][k] + in[1] * m[1][k] + in[2] * m[2][k] + in[3] * m[3][k] + m[4][k];
        out[k] = uint32_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
      }
      row[x] = ToPremultiplied((out[3] << 24) | (out[0] << 16) | (out[1] << 8) | out[2]);
    }
  }
  cairo_surface_mark_dirty(surface);
}

cairo_surface_t* CreateAdjustedSurface(const Image& image, const RectF& src,
                                       const ImageAttributes* attributes) {
  if (!image.Surface()) return nullptr;
  int w = std::max(1, int(std::ceil(src.Width))), h = std::max(1, int(std::ceil(src.Height)));
  cairo_surface_t* s = NewSurface(w, h);
  if (!s) return nullptr;
  cairo_t* cr = cairo_create(s);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_surface_mark_dirty(image.Surface());
  cairo_set_source_surface(cr, image.Surface(), -src.X, -src.Y);
  cairo_paint(cr);
  cairo_destroy(cr);
  if (attributes) attributes->Apply(s);
  return s;
}

}  // namespace Gdiplus
