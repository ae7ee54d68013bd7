#include "platform/gdiplus/GdiPlusCodec.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <jpeglib.h>
// jerror.h needs jpeglib.h first
#include <jerror.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Gdiplus {

const GUID ImageFormatMemoryBMP = {
    0xb96b3caa, 0x0728, 0x11d3, {0x9d, 0x7b, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};
const GUID ImageFormatBMP = {
    0xb96b3cab, 0x0728, 0x11d3, {0x9d, 0x7b, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};
const GUID ImageFormatJPEG = {
    0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};
const GUID ImageFormatPNG = {
    0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};
const GUID ImageFormatGIF = {
    0xb96b3cb0, 0x0728, 0x11d3, {0x9d, 0x7b, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};
const GUID ImageFormatTIFF = {
    0xb96b3cb1, 0x0728, 0x11d3, {0x9d, 0x7b, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};
const GUID ImageFormatIcon = {
    0xb96b3cb5, 0x0728, 0x11d3, {0x9d, 0x7b, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};

namespace {

constexpr uint8_t kEncoderFlags = 0x1 | 0x4 | 0x10;  // encoder, supports bitmap, built in
constexpr uint8_t kDecoderFlags = 0x2 | 0x4 | 0x10;

CLSID CodecId(uint32_t n) {
  return {0x557cf400u + n, 0x1a04, 0x11d3, {0x9a, 0x73, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};
}

const ImageCodecInfo* EncoderList(UINT* count) {
  static const ImageCodecInfo list[] = {
      {CodecId(0), ImageFormatBMP, u"Built-in BMP Codec", nullptr, u"BMP", u"*.BMP;*.DIB;*.RLE",
       u"image/bmp", kEncoderFlags},
      {CodecId(1), ImageFormatJPEG, u"Built-in JPEG Codec", nullptr, u"JPEG",
       u"*.JPG;*.JPEG;*.JPE;*.JFIF", u"image/jpeg", kEncoderFlags},
      {CodecId(5), ImageFormatTIFF, u"Built-in TIFF Codec", nullptr, u"TIFF", u"*.TIF;*.TIFF",
       u"image/tiff", kEncoderFlags},
      {CodecId(6), ImageFormatPNG, u"Built-in PNG Codec", nullptr, u"PNG", u"*.PNG", u"image/png",
       kEncoderFlags},
  };
  *count = UINT(std::size(list));
  return list;
}

const ImageCodecInfo* DecoderList(UINT* count) {
  static const ImageCodecInfo list[] = {
      {CodecId(0), ImageFormatBMP, u"Built-in BMP Codec", nullptr, u"BMP", u"*.BMP;*.DIB;*.RLE",
       u"image/bmp", kDecoderFlags},
      {CodecId(1), ImageFormatJPEG, u"Built-in JPEG Codec", nullptr, u"JPEG",
       u"*.JPG;*.JPEG;*.JPE;*.JFIF", u"image/jpeg", kDecoderFlags},
      {CodecId(2), ImageFormatGIF, u"Built-in GIF Codec", nullptr, u"GIF", u"*.GIF", u"image/gif",
       kDecoderFlags},
      {CodecId(5), ImageFormatTIFF, u"Built-in TIFF Codec", nullptr, u"TIFF", u"*.TIF;*.TIFF",
       u"image/tiff", kDecoderFlags},
      {CodecId(6), ImageFormatPNG, u"Built-in PNG Codec", nullptr, u"PNG", u"*.PNG", u"image/png",
       kDecoderFlags},
      {CodecId(7), ImageFormatIcon, u"Built-in ICO Codec", nullptr, u"ICO", u"*.ICO",
       u"image/x-icon", kDecoderFlags},
  };
  *count = UINT(std::size(list));
  return list;
}

// The encoder or decoder table, with its count.
using CodecList = const ImageCodecInfo* (*)(UINT* count);

Status ListSize(CodecList list, UINT* num, UINT* size) {
  if (!num || !size) return InvalidParameter;
  list(num);
  *size = *num * UINT(sizeof(ImageCodecInfo));
  return Ok;
}

Status CopyList(CodecList list, UINT num, UINT size, ImageCodecInfo* out) {
  UINT have = 0;
  const ImageCodecInfo* items = list(&have);
  if (!out || num != have || size < have * sizeof(ImageCodecInfo)) return InvalidParameter;
  std::copy(items, items + have, out);
  return Ok;
}

// ---- pixel conversions ----

uint8_t Unpremultiply(uint32_t c, uint32_t a) {
  return a ? uint8_t(std::min<uint32_t>(255, (c * 255 + a / 2) / a)) : 0;
}
uint8_t Premultiply(uint32_t c, uint32_t a) { return uint8_t((c * a + 127) / 255); }

// Straight RGB(A) rows into a new premultiplied ARGB32 surface.
cairo_surface_t* SurfaceFromRgba(const uint8_t* pixels, int width, int height, int stride,
                                 int channels) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return nullptr;
  }
  uint8_t* dst = cairo_image_surface_get_data(s);
  int dstStride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = pixels + size_t(y) * stride;
    auto* row = reinterpret_cast<uint32_t*>(dst + size_t(y) * dstStride);
    for (int x = 0; x < width; ++x, src += channels) {
      uint32_t a = channels == 4 ? src[3] : 255;
      uint32_t r = Premultiply(src[0], a), g = Premultiply(src[1], a), b = Premultiply(src[2], a);
      row[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

// A premultiplied ARGB32 surface into straight RGBA (channels 4) or RGB rows.
std::vector<uint8_t> RgbaFromSurface(cairo_surface_t* s, int channels) {
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  int stride = cairo_image_surface_get_stride(s);
  const uint8_t* data = cairo_image_surface_get_data(s);
  std::vector<uint8_t> out(size_t(w) * h * channels);
  uint8_t* o = out.data();
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < w; ++x) {
      uint32_t p = row[x], a = p >> 24;
      *o++ = Unpremultiply((p >> 16) & 255, a);
      *o++ = Unpremultiply((p >> 8) & 255, a);
      *o++ = Unpremultiply(p & 255, a);
      if (channels == 4) *o++ = uint8_t(a);
    }
  }
  return out;
}

// ---- PNG ----

struct ByteReader {
  const std::vector<uint8_t>* Bytes;
  size_t Pos;
};

cairo_status_t ReadBytes(void* closure, unsigned char* data, unsigned int length) {
  auto* r = static_cast<ByteReader*>(closure);
  if (r->Pos + length > r->Bytes->size()) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, r->Bytes->data() + r->Pos, length);
  r->Pos += length;
  return CAIRO_STATUS_SUCCESS;
}

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// Resolution from the pHYs chunk (pixels per metre), when the file has one.
void ReadPngResolution(const std::vector<uint8_t>& bytes, DecodedImage* image) {
  size_t pos = 8;
  while (pos + 12 <= bytes.size()) {
    uint32_t len = BigEndian32(&bytes[pos]);
    const uint8_t* type = &bytes[pos + 4];
    if (len > bytes.size() - pos - 12) return;
    if (std::memcmp(type, "pHYs", 4) == 0 && len >= 9 && bytes[pos + 16] == 1) {
      uint32_t px = BigEndian32(&bytes[pos + 8]), py = BigEndian32(&bytes[pos + 12]);
      if (px && py) {
        image->DpiX = REAL(px * 0.0254);
        image->DpiY = REAL(py * 0.0254);
      }
      return;
    }
    if (std::memcmp(type, "IDAT", 4) == 0) return;
    pos += 12 + len;
  }
}

// The size in the IHDR chunk that must open a PNG after its signature.
bool PngHeaderSize(const std::vector<uint8_t>& bytes, uint32_t* width, uint32_t* height) {
  if (bytes.size() < 33 || BigEndian32(&bytes[8]) != 13 || std::memcmp(&bytes[12], "IHDR", 4) != 0)
    return false;
  *width = BigEndian32(&bytes[16]);
  *height = BigEndian32(&bytes[20]);
  return true;
}

Status DecodePng(const std::vector<uint8_t>& bytes, DecodedImage* image) {
  uint32_t width = 0, height = 0;
  if (!PngHeaderSize(bytes, &width, &height) || width == 0 || height == 0)
    return UnknownImageFormat;
  if (!ImageSizeWithinCap(width, height)) return OutOfMemory;
  ByteReader reader{&bytes, 0};
  cairo_surface_t* s = cairo_image_surface_create_from_png_stream(ReadBytes, &reader);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return UnknownImageFormat;
  }
  if (cairo_image_surface_get_format(s) != CAIRO_FORMAT_ARGB32) {
    // opaque or grey images come back in other formats: redraw as ARGB32
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(argb);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    s = argb;
  }
  image->Surface = s;
  image->Format = ImageFormatPNG;
  ReadPngResolution(bytes, image);
  return Ok;
}

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void PngFlush(png_structp) {}

// Straight RGBA rows with the resolution in a pHYs chunk; only plain data
// lives across the error jump.
bool EncodePngRgba(const uint8_t* rgba, int width, int height, REAL dpiX, REAL dpiY,
                   std::vector<uint8_t>* out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, PngWrite, PngFlush);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_pHYs(png, info, png_uint_32(std::lround(dpiX / 0.0254)),
               png_uint_32(std::lround(dpiY / 0.0254)), PNG_RESOLUTION_METER);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(rgba + size_t(y) * width * 4));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

Status EncodePng(cairo_surface_t* s, REAL dpiX, REAL dpiY, std::vector<uint8_t>& out) {
  std::vector<uint8_t> rgba = RgbaFromSurface(s, 4);
  bool ok = EncodePngRgba(rgba.data(), cairo_image_surface_get_width(s),
                          cairo_image_surface_get_height(s), dpiX, dpiY, &out);
  if (!ok) out.clear();
  return ok ? Ok : GenericError;
}

// ---- JPEG ----

struct JpegError {
  jpeg_error_mgr Manager;
  jmp_buf Jump;
};

void JpegErrorExit(j_common_ptr cinfo) {
  longjmp(reinterpret_cast<JpegError*>(cinfo->err)->Jump, 1);
}

// Warnings are not printed; a file that ends before its image does is an
// error (libjpeg would fill the rest with grey and call it a warning).
void JpegMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) JpegErrorExit(cinfo);
}

// libjpeg's error handling that jumps back to the caller's setjmp on an error
// (and on a premature end) and prints no warnings.
jpeg_error_mgr* SilentJpegErrors(JpegError* err) {
  jpeg_error_mgr* manager = jpeg_std_error(&err->Manager);
  manager->error_exit = JpegErrorExit;
  manager->emit_message = JpegMessage;
  return manager;
}

// Decodes into rgb (3 bytes a pixel); only plain data lives across the jump.
// On failure *failure says why: OutOfMemory for a size over the cap,
// NotImplemented for colours libjpeg does not give as RGB (CMYK), else
// UnknownImageFormat.
bool DecodeJpegRgb(const uint8_t* data, size_t size, std::vector<uint8_t>* rgb, int* width,
                   int* height, REAL* dpiX, REAL* dpiY, Status* failure) {
  jpeg_decompress_struct cinfo;
  JpegError err;
  cinfo.err = SilentJpegErrors(&err);
  *failure = UnknownImageFormat;
  if (setjmp(err.Jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  // the size of the start of frame, refused before the decoder allocates
  const bool tooLarge = !ImageSizeWithinCap(cinfo.image_width, cinfo.image_height);
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  if (tooLarge || cmyk) {
    jpeg_destroy_decompress(&cinfo);
    *failure = tooLarge ? OutOfMemory : NotImplemented;
    return false;
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  *width = int(cinfo.output_width);
  *height = int(cinfo.output_height);
  if (cinfo.density_unit == 1 && cinfo.X_density && cinfo.Y_density) {
    *dpiX = cinfo.X_density;
    *dpiY = cinfo.Y_density;
  } else if (cinfo.density_unit == 2 && cinfo.X_density && cinfo.Y_density) {
    *dpiX = REAL(cinfo.X_density * 2.54);
    *dpiY = REAL(cinfo.Y_density * 2.54);
  }
  rgb->resize(size_t(*width) * *height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = rgb->data() + size_t(cinfo.output_scanline) * *width * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

Status DecodeJpeg(const std::vector<uint8_t>& bytes, DecodedImage* image) {
  std::vector<uint8_t> rgb;
  int w = 0, h = 0;
  Status failure = UnknownImageFormat;
  if (!DecodeJpegRgb(bytes.data(), bytes.size(), &rgb, &w, &h, &image->DpiX, &image->DpiY,
                     &failure))
    return failure;
  if (w <= 0 || h <= 0) return UnknownImageFormat;
  image->Surface = SurfaceFromRgba(rgb.data(), w, h, w * 3, 3);
  if (!image->Surface) return OutOfMemory;
  image->Format = ImageFormatJPEG;
  image->Pixels = PixelFormat24bppRGB;
  return Ok;
}

bool EncodeJpegRgb(const uint8_t* rgb, int width, int height, int quality, REAL dpiX, REAL dpiY,
                   unsigned char** out, unsigned long* outSize) {
  jpeg_compress_struct cinfo;
  JpegError err;
  cinfo.err = SilentJpegErrors(&err);
  if (setjmp(err.Jump)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, out, outSize);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.density_unit = 1;
  cinfo.X_density = UINT16(std::lround(dpiX));
  cinfo.Y_density = UINT16(std::lround(dpiY));
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(rgb) + size_t(cinfo.next_scanline) * width * 3;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

Status EncodeJpeg(cairo_surface_t* s, REAL dpiX, REAL dpiY, int quality,
                  std::vector<uint8_t>& out) {
  std::vector<uint8_t> rgb = RgbaFromSurface(s, 3);
  unsigned char* mem = nullptr;
  unsigned long size = 0;
  bool ok = EncodeJpegRgb(rgb.data(), cairo_image_surface_get_width(s),
                          cairo_image_surface_get_height(s), quality, dpiX, dpiY, &mem, &size);
  if (ok) out.assign(mem, mem + size);
  std::free(mem);
  return ok ? Ok : GenericError;
}

// ---- other formats through gdk-pixbuf ----

GUID FormatOfPixbufName(const char* name) {
  if (std::strcmp(name, "bmp") == 0) return ImageFormatBMP;
  if (std::strcmp(name, "gif") == 0) return ImageFormatGIF;
  if (std::strcmp(name, "tiff") == 0) return ImageFormatTIFF;
  if (std::strcmp(name, "ico") == 0) return ImageFormatIcon;
  if (std::strcmp(name, "png") == 0) return ImageFormatPNG;
  if (std::strcmp(name, "jpeg") == 0) return ImageFormatJPEG;
  return GUID();
}

uint32_t LittleEndian32(const uint8_t* p) {
  return (uint32_t(p[3]) << 24) | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
}

// A BMP's file and information headers checked against its data and the cap
// before gdk-pixbuf reads it: the information header lies within the file,
// the pixel data starts after it and inside the file, and the size is sane.
Status CheckBmpHeader(const std::vector<uint8_t>& bytes) {
  constexpr size_t kFileHeader = 14;
  if (bytes.size() < kFileHeader + 12) return UnknownImageFormat;
  const uint32_t offset = LittleEndian32(&bytes[10]);
  const uint32_t infoSize = LittleEndian32(&bytes[14]);
  if (infoSize < 12 || infoSize > bytes.size() - kFileHeader) return UnknownImageFormat;
  if (offset < kFileHeader + infoSize || offset >= bytes.size()) return UnknownImageFormat;
  int64_t width, height;
  if (infoSize == 12) {  // the old core header: 16-bit sides
    width = bytes[18] | (bytes[19] << 8);
    height = bytes[20] | (bytes[21] << 8);
  } else {  // a negative height stores the rows top down
    width = int32_t(LittleEndian32(&bytes[18]));
    height = std::abs(int64_t(int32_t(LittleEndian32(&bytes[22]))));
  }
  if (width <= 0 || height <= 0) return UnknownImageFormat;
  return ImageSizeWithinCap(double(width), double(height)) ? Ok : OutOfMemory;
}

// Told the size as soon as a loader has read it: a size over the cap marks
// the load refused and asks the loader (size 0) to allocate nothing.
void CheckPixbufSize(GdkPixbufLoader* loader, gint width, gint height, gpointer refused) {
  if (ImageSizeWithinCap(width, height)) return;
  *static_cast<bool*>(refused) = true;
  gdk_pixbuf_loader_set_size(loader, 0, 0);
}

Status DecodeWithPixbuf(const std::vector<uint8_t>& bytes, DecodedImage* image) {
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
  bool tooLarge = false;
  g_signal_connect(loader, "size-prepared", G_CALLBACK(CheckPixbufSize), &tooLarge);
  bool ok = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr);
  ok = gdk_pixbuf_loader_close(loader, nullptr) && ok;
  GdkPixbuf* pixbuf = ok && !tooLarge ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
  Status status = tooLarge ? OutOfMemory : UnknownImageFormat;
  if (pixbuf && gdk_pixbuf_get_bits_per_sample(pixbuf) == 8 &&
      gdk_pixbuf_get_colorspace(pixbuf) == GDK_COLORSPACE_RGB) {
    image->Surface = SurfaceFromRgba(
        gdk_pixbuf_read_pixels(pixbuf), gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf),
        gdk_pixbuf_get_rowstride(pixbuf), gdk_pixbuf_get_n_channels(pixbuf));
    GdkPixbufFormat* format = gdk_pixbuf_loader_get_format(loader);
    gchar* name = format ? gdk_pixbuf_format_get_name(format) : nullptr;
    image->Format = name ? FormatOfPixbufName(name) : GUID();
    g_free(name);
    status = image->Surface ? Ok : OutOfMemory;
  }
  g_object_unref(loader);
  return status;
}

Status EncodeWithPixbuf(cairo_surface_t* s, const char* type, std::vector<uint8_t>& out) {
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  std::vector<uint8_t> rgba = RgbaFromSurface(s, 4);
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_data(rgba.data(), GDK_COLORSPACE_RGB, TRUE, 8, w, h,
                                               w * 4, nullptr, nullptr);
  gchar* buffer = nullptr;
  gsize size = 0;
  bool ok = gdk_pixbuf_save_to_buffer(pixbuf, &buffer, &size, type, nullptr, nullptr);
  if (ok) out.assign(buffer, buffer + size);
  g_free(buffer);
  g_object_unref(pixbuf);
  return ok ? Ok : GenericError;
}

// The quality asked for (default 75), clamped to 0..100.
int QualityOf(const EncoderParameters* params) {
  int quality = 75;
  if (!params) return quality;
  for (const EncoderParameter& p : params->Parameter) {
    if (!(p.Guid == EncoderQuality) || p.NumberOfValues < 1 || !p.Value) continue;
    if (p.Type == EncoderParameterValueTypeLong)
      quality = int(*static_cast<const int32_t*>(p.Value));
    else if (p.Type == EncoderParameterValueTypeByte)
      quality = *static_cast<const uint8_t*>(p.Value);
  }
  return std::clamp(quality, 0, 100);
}

Status DecodeAny(const std::vector<uint8_t>& bytes, DecodedImage* image) {
  *image = DecodedImage();
  static const uint8_t pngSig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (bytes.size() >= 8 && std::memcmp(bytes.data(), pngSig, 8) == 0)
    return DecodePng(bytes, image);
  bool jpeg = bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
  if (jpeg) {
    // a JPEG that libjpeg cannot give as RGB (CMYK) goes on to gdk-pixbuf
    Status s = DecodeJpeg(bytes, image);
    if (s != NotImplemented) return s;
  }
  if (bytes.empty()) return UnknownImageFormat;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
    Status s = CheckBmpHeader(bytes);
    if (s != Ok) return s;
  }
  return DecodeWithPixbuf(bytes, image);
}

}  // namespace

bool ImageSizeWithinCap(double width, double height) {
  return width >= 0 && height >= 0 && width <= MaxImageSide && height <= MaxImageSide &&
         width * height <= MaxImagePixels;
}

Status GetImageEncodersSize(UINT* numEncoders, UINT* size) {
  return ListSize(EncoderList, numEncoders, size);
}

Status GetImageEncoders(UINT numEncoders, UINT size, ImageCodecInfo* encoders) {
  return CopyList(EncoderList, numEncoders, size, encoders);
}

Status GetImageDecodersSize(UINT* numDecoders, UINT* size) {
  return ListSize(DecoderList, numDecoders, size);
}

Status GetImageDecoders(UINT numDecoders, UINT size, ImageCodecInfo* decoders) {
  return CopyList(DecoderList, numDecoders, size, decoders);
}

Status DecodeImageBytes(const std::vector<uint8_t>& bytes, DecodedImage* image) {
  if (!image) return InvalidParameter;
  try {
    return DecodeAny(bytes, image);
  } catch (const std::bad_alloc&) {
    return OutOfMemory;
  }
}

Status EncodeImageBytes(cairo_surface_t* surface, REAL dpiX, REAL dpiY, const CLSID* encoder,
                        const EncoderParameters* params, std::vector<uint8_t>& out) {
  out.clear();
  if (!surface || !encoder || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE)
    return InvalidParameter;
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  if (w <= 0 || h <= 0) return InvalidParameter;
  if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
    // pixels of another layout are encoded from an ARGB32 copy
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(copy);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    Status s = cairo_surface_status(copy) == CAIRO_STATUS_SUCCESS
                   ? EncodeImageBytes(copy, dpiX, dpiY, encoder, params, out)
                   : OutOfMemory;
    cairo_surface_destroy(copy);
    return s;
  }
  if (*encoder == CodecId(6)) return EncodePng(surface, dpiX, dpiY, out);
  if (*encoder == CodecId(1)) return EncodeJpeg(surface, dpiX, dpiY, QualityOf(params), out);
  if (*encoder == CodecId(0)) return EncodeWithPixbuf(surface, "bmp", out);
  if (*encoder == CodecId(5)) return EncodeWithPixbuf(surface, "tiff", out);
  return FileNotFound;  // no such encoder
}

}  // namespace Gdiplus
