#include "png_filter.h"

#include <cairo.h>
#include <strings.h>

#include <cstring>
#include <memory>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_bitmap.h"

namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* S) const { cairo_surface_destroy(S); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

bool IsUsable(cairo_surface_t* S) {
  return S && cairo_surface_status(S) == CAIRO_STATUS_SUCCESS &&
         cairo_image_surface_get_width(S) > 0 && cairo_image_surface_get_height(S) > 0;
}

// Copies a decoded image into the bitmap (ARGB32 rows; RGB24 made opaque).
bool SurfaceToBitmap(cairo_surface_t* S, TzrBitmap& Bitmap) {
  if (!IsUsable(S)) return false;
  const cairo_format_t format = cairo_image_surface_get_format(S);
  if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return false;
  cairo_surface_flush(S);
  const int w = cairo_image_surface_get_width(S), h = cairo_image_surface_get_height(S);
  const int stride = cairo_image_surface_get_stride(S);
  const uint8_t* data = cairo_image_surface_get_data(S);
  Bitmap.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    TzrColor* row = Bitmap.GetScanline(y);
    std::memcpy(row, data + size_t(y) * size_t(stride), size_t(w) * 4);
    if (format == CAIRO_FORMAT_RGB24)
      for (int x = 0; x < w; ++x) row[x] |= 0xFF000000u;
  }
  Bitmap.SetNeedUpdate(true);
  return true;
}

// A surface over the bitmap's own pixels (valid while the bitmap lives).
Surface WrapBitmap(TzrBitmap& Bitmap) {
  return Surface(cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(Bitmap.GetStartLine()), CAIRO_FORMAT_ARGB32,
      Bitmap.GetWidth(), Bitmap.GetHeight(), Bitmap.GetWidth() * 4));
}

bool EndsWithPng(const std::string& Name) {
  return Name.size() >= 4 && strcasecmp(Name.c_str() + Name.size() - 4, ".png") == 0;
}

cairo_status_t ReadChunk(void* Closure, unsigned char* Data, unsigned int Length) {
  auto* stream = static_cast<TStream*>(Closure);
  return stream->Read(Data, int32_t(Length)) == int32_t(Length) ? CAIRO_STATUS_SUCCESS
                                                                : CAIRO_STATUS_READ_ERROR;
}

cairo_status_t WriteChunk(void* Closure, const unsigned char* Data, unsigned int Length) {
  auto* stream = static_cast<TStream*>(Closure);
  return stream->Write(Data, int32_t(Length)) == int32_t(Length) ? CAIRO_STATUS_SUCCESS
                                                                 : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

const TClassInfo* TzrPngFilter::Class() {
  static const TClassInfo* info = TClassDecl<TzrPngFilter>("TzrPngFilter", TzrFilter::Class());
  return info;
}

TzrPoint TzrPngFilter::GetImageSize(const std::string& AFileName) {
  Surface s(cairo_image_surface_create_from_png(AFileName.c_str()));
  if (!IsUsable(s.get())) return {0, 0};
  return {float(cairo_image_surface_get_width(s.get())),
          float(cairo_image_surface_get_height(s.get()))};
}

bool TzrPngFilter::LoadFromFile(const std::string& AFileName, float Rotate, TzrBitmap& Bitmap) {
  Surface s(cairo_image_surface_create_from_png(AFileName.c_str()));
  if (!SurfaceToBitmap(s.get(), Bitmap)) return false;
  Bitmap.Rotate(Rotate);
  return true;
}

bool TzrPngFilter::LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth,
                                         float AFitHeight, bool, TzrBitmap& Bitmap) {
  TzrBitmap full;
  Surface s(cairo_image_surface_create_from_png(AFileName.c_str()));
  if (!SurfaceToBitmap(s.get(), full)) return false;
  TzrRect r{0, 0, float(full.GetWidth()), float(full.GetHeight())};
  zrFitRect(r, TzrRect{0, 0, AFitWidth, AFitHeight});
  std::unique_ptr<TzrBitmap> thumb =
      full.CreateThumbnail(int(zrRectWidth(r) + 0.5f), int(zrRectHeight(r) + 0.5f));
  Bitmap.Assign(thumb.get());
  return true;
}

bool TzrPngFilter::SaveToFile(const std::string& AFileName, TzrBitmap& Bitmap, const std::string&) {
  if (Bitmap.IsEmpty() || !EndsWithPng(AFileName)) return false;
  Surface s = WrapBitmap(Bitmap);
  return cairo_surface_write_to_png(s.get(), AFileName.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool TzrPngFilter::LoadFromStream(TStream* AStream, TzrBitmap& Bitmap) {
  Surface s(cairo_image_surface_create_from_png_stream(&ReadChunk, AStream));
  return SurfaceToBitmap(s.get(), Bitmap);
}

bool TzrPngFilter::SaveToStream(TStream* AStream, TzrBitmap& Bitmap, const std::string& Format,
                                const std::string&) {
  if (Bitmap.IsEmpty() || strcasecmp(Format.c_str(), "png") != 0) return false;
  Surface s = WrapBitmap(Bitmap);
  return cairo_surface_write_to_png_stream(s.get(), &WriteChunk, AStream) == CAIRO_STATUS_SUCCESS;
}

TScopedPngFilter::TScopedPngFilter() : FSaved(DefaultFilterClass) {
  DefaultFilterClass = TzrPngFilter::Class();
}

TScopedPngFilter::~TScopedPngFilter() { DefaultFilterClass = FSaved; }
