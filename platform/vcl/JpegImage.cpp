#include "platform/vcl/JpegImage.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"

namespace {

// libjpeg reports errors by a jump back to the call, never by exit().
struct TJpegError {
  jpeg_error_mgr Manager;
  jmp_buf Jump;
};

void JumpOnError(j_common_ptr info) { longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1); }
void NoMessages(j_common_ptr, int) {}

jpeg_error_mgr* Errors(TJpegError* error) {
  jpeg_error_mgr* manager = jpeg_std_error(&error->Manager);
  manager->error_exit = JumpOnError;
  manager->emit_message = NoMessages;
  return manager;
}

struct THeader {
  int Width = 0, Height = 0, Components = 0;
};

// The size and colour components of a JPEG file; false when the header is broken.
bool ReadHeader(const std::vector<uint8_t>& data, THeader& header) {
  jpeg_decompress_struct info;
  TJpegError error;
  info.err = Errors(&error);
  if (setjmp(error.Jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  header.Width = int(info.image_width);
  header.Height = int(info.image_height);
  header.Components = info.num_components;
  jpeg_destroy_decompress(&info);
  return true;
}

// Compresses rows of R, G, B bytes; false when libjpeg fails.
bool EncodeRgb(const std::vector<uint8_t>& rgb, int width, int height, int quality, bool grey,
               std::vector<uint8_t>& out) {
  jpeg_compress_struct info;
  TJpegError error;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  info.err = Errors(&error);
  if (setjmp(error.Jump)) {
    jpeg_destroy_compress(&info);
    free(buffer);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  if (grey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&rgb[size_t(info.next_scanline) * size_t(width) * 3]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  out.assign(buffer, buffer + size);
  free(buffer);
  return true;
}

}  // namespace

const TClassInfo* TJPEGImage::Class() {
  static const TClassInfo* info = TClassDecl<TJPEGImage>("TJPEGImage", TGraphic::Class());
  return info;
}

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetWidth(int) {
  throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(int) {
  throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetCompressionQuality(int Value) { FQuality = std::clamp(Value, 1, 100); }

void TJPEGImage::Assign(TPersistent* Source) {
  if (!Source) {
    FData.clear();
    FDecoded.reset();
    FWidth = FHeight = 0;
    Changed();
    return;
  }
  if (auto* jpeg = dynamic_cast<TJPEGImage*>(Source)) {
    if (jpeg == this) return;
    FData = jpeg->FData;
    FDecoded.reset();
    FWidth = jpeg->FWidth, FHeight = jpeg->FHeight;
    FGrayscale = jpeg->FGrayscale;
    FQuality = jpeg->FQuality;
    Changed();
    return;
  }
  if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
    Compress(*bitmap);
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TJPEGImage::Compress(TBitmap& Bitmap) {
  const int width = Bitmap.GetWidth(), height = Bitmap.GetHeight();
  if (width <= 0 || height <= 0) {
    Assign(nullptr);
    return;
  }
  const int bytes = Bitmap.BitsPerPixel() / 8;
  std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
  for (int y = 0; y < height; ++y) {
    const uint8_t* p = Bitmap.GetScanLine(y);
    uint8_t* q = &rgb[size_t(y) * size_t(width) * 3];
    for (int x = 0; x < width; ++x, p += bytes, q += 3) q[0] = p[2], q[1] = p[1], q[2] = p[0];
  }
  std::vector<uint8_t> data;
  if (!EncodeRgb(rgb, width, height, FQuality, FGrayscale, data))
    throw EInvalidGraphic("JPEG error: the bitmap could not be compressed");
  FData = std::move(data);
  FDecoded.reset();
  FWidth = width, FHeight = height;
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (FData.empty() || !ACanvas) return;
  if (!FDecoded) {
    auto decoded = std::make_unique<TBitmap>();
    TMemoryStream stream;
    stream.WriteBuffer(FData.data(), int32_t(FData.size()));
    stream.SetPosition(0);
    decoded->LoadFromStream(stream);
    FDecoded = std::move(decoded);
  }
  FDecoded->Draw(ACanvas, Rect);
}

void TJPEGImage::LoadFromStream(TStream& Stream) {
  const int64_t size = Stream.GetSize() - Stream.GetPosition();
  std::vector<uint8_t> data(size_t(std::max<int64_t>(size, 0)));
  if (!data.empty()) Stream.ReadBuffer(data.data(), int32_t(data.size()));
  THeader header;
  if (data.empty() || !ReadHeader(data, header))
    throw EInvalidGraphic("JPEG error: not a readable JPEG file");
  FData = std::move(data);
  FDecoded.reset();
  FWidth = header.Width, FHeight = header.Height;
  FGrayscale = header.Components == 1;
  Changed();
}

void TJPEGImage::SaveToStream(TStream& Stream) {
  if (!FData.empty()) Stream.WriteBuffer(FData.data(), int32_t(FData.size()));
}
