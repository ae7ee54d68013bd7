#include "platform/d2d/WICCodec.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/gdiplus/GdiPlusCodec.h"
#include "platform/gdiplus/GdiPlusStream.h"
#include "platform/rtl/SysUtils.h"

namespace {

// A bitmap holding the surface's pixels (ARGB32 words are B, G, R, A bytes).
std::shared_ptr<IWICBitmap> BitmapOfSurface(cairo_surface_t* s) {
  cairo_surface_flush(s);
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  if (w <= 0 || h <= 0 || w > 32767 || h > 32767) return nullptr;
  auto bitmap = std::make_shared<IWICBitmap>(UINT32(w), UINT32(h));
  const int stride = cairo_image_surface_get_stride(s);
  const uint8_t* data = cairo_image_surface_get_data(s);
  for (int y = 0; y < h; ++y)
    std::memcpy(bitmap->Pixels() + size_t(y) * w, data + size_t(y) * stride, size_t(w) * 4);
  cairo_surface_mark_dirty(bitmap->Surface());
  return bitmap;
}

// Decodes an encoded image into a bitmap; nil when no decoder reads it.
std::shared_ptr<IWICBitmap> DecodeBytes(const std::vector<uint8_t>& bytes,
                                        WICContainerFormat* format = nullptr) {
  Gdiplus::DecodedImage image;
  if (bytes.empty() || Gdiplus::DecodeImageBytes(bytes, &image) != Gdiplus::Ok || !image.Surface)
    return nullptr;
  std::shared_ptr<IWICBitmap> bitmap = BitmapOfSurface(image.Surface);
  if (format) {
    const Gdiplus::GUID& f = image.Format;
    *format = f == Gdiplus::ImageFormatJPEG   ? GUID_ContainerFormatJpeg
              : f == Gdiplus::ImageFormatBMP  ? GUID_ContainerFormatBmp
              : f == Gdiplus::ImageFormatGIF  ? GUID_ContainerFormatGif
              : f == Gdiplus::ImageFormatTIFF ? GUID_ContainerFormatTiff
              : f == Gdiplus::ImageFormatIcon ? GUID_ContainerFormatIco
                                              : GUID_ContainerFormatPng;
  }
  cairo_surface_destroy(image.Surface);
  return bitmap;
}

bool ReadFile(const std::string& name, std::vector<uint8_t>& bytes) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

const char* MimeOf(WICContainerFormat c) {
  switch (c) {
    case GUID_ContainerFormatBmp:
      return "image/bmp";
    case GUID_ContainerFormatPng:
      return "image/png";
    case GUID_ContainerFormatJpeg:
      return "image/jpeg";
    case GUID_ContainerFormatTiff:
      return "image/tiff";
    default:
      return nullptr;  // no encoder
  }
}

// The drawing layer's encoder of the MIME type.
bool FindEncoder(const char* mime, Gdiplus::CLSID& clsid) {
  Gdiplus::UINT count = 0, size = 0;
  if (!mime || Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || count == 0)
    return false;
  std::vector<Gdiplus::ImageCodecInfo> encoders(count);
  if (Gdiplus::GetImageEncoders(count, size, encoders.data()) != Gdiplus::Ok) return false;
  for (const Gdiplus::ImageCodecInfo& e : encoders) {
    if (!e.MimeType || UTF16ToUTF8(e.MimeType) != mime) continue;
    clsid = e.Clsid;
    return true;
  }
  return false;
}

}  // namespace

// ---------------------------------------------------------------- streams

HRESULT IWICStream::InitializeFromMemory(const void* buffer, UINT32 size) {
  if (FInitialized) return WINCODEC_ERR_WRONGSTATE;
  if (!buffer && size) return E_INVALIDARG;
  if (size)
    FBytes.assign(static_cast<const uint8_t*>(buffer), static_cast<const uint8_t*>(buffer) + size);
  FInitialized = true;
  return S_OK;
}

HRESULT IWICStream::InitializeFromFilename(const std::string& fileName, UINT32) {
  if (FInitialized) return WINCODEC_ERR_WRONGSTATE;
  // created at once, so that a file that cannot be made fails here
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  if (!out) return STG_E_CANTSAVE_D2D;
  FFileName = fileName;
  FInitialized = true;
  return S_OK;
}

HRESULT IWICStream::InitializeFromIStream(Gdiplus::IStream* stream) {
  if (FInitialized) return WINCODEC_ERR_WRONGSTATE;
  if (!stream) return E_INVALIDARG;
  FTarget = stream;
  FInitialized = true;
  return S_OK;
}

HRESULT IWICStream::Write(const void* data, UINT32 size) {
  if (!FInitialized) return WINCODEC_ERR_NOTINITIALIZED;
  if (FTarget) {
    Gdiplus::ULONG written = 0;
    const Gdiplus::HRESULT hr = FTarget->Write(data, size, &written);
    return hr == Gdiplus::S_OK && written == size ? S_OK : STG_E_CANTSAVE_D2D;
  }
  if (!FFileName.empty()) {
    std::ofstream out(FFileName, std::ios::binary | std::ios::app);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    out.close();
    return out ? S_OK : STG_E_CANTSAVE_D2D;
  }
  FBytes.insert(FBytes.end(), static_cast<const uint8_t*>(data),
                static_cast<const uint8_t*>(data) + size);
  return S_OK;
}

// ---------------------------------------------------------------- decoding

IWICBitmapFrameDecode::IWICBitmapFrameDecode(std::shared_ptr<IWICBitmap> pixels,
                                             std::vector<uint8_t> thumbnail)
    : FPixels(std::move(pixels)), FThumbnail(std::move(thumbnail)) {}

HRESULT IWICBitmapFrameDecode::GetSize(UINT32* width, UINT32* height) const {
  return FPixels->GetSize(width, height);
}

HRESULT IWICBitmapFrameDecode::CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                                          void* buffer) const {
  return FPixels->CopyPixels(rect, stride, bufferSize, buffer);
}

HRESULT IWICBitmapFrameDecode::GetThumbnail(std::shared_ptr<IWICBitmapSource>* thumbnail) const {
  if (!thumbnail) return E_INVALIDARG;
  thumbnail->reset();
  std::shared_ptr<IWICBitmap> decoded = DecodeBytes(FThumbnail);
  if (!decoded) return WINCODEC_ERR_CODECNOTHUMBNAIL;
  *thumbnail = decoded;
  return S_OK;
}

HRESULT IWICBitmapDecoder::Initialize(std::vector<uint8_t> bytes) {
  std::shared_ptr<IWICBitmap> pixels = DecodeBytes(bytes, &FFormat);
  if (!pixels) return WINCODEC_ERR_COMPONENTNOTFOUND;
  std::vector<uint8_t> thumbnail;
  if (FFormat == GUID_ContainerFormatJpeg) thumbnail = ExifThumbnail(bytes);
  FFrame = std::make_shared<IWICBitmapFrameDecode>(pixels, std::move(thumbnail));
  return S_OK;
}

HRESULT IWICBitmapDecoder::GetContainerFormat(WICContainerFormat* format) const {
  if (!format) return E_INVALIDARG;
  *format = FFormat;
  return S_OK;
}

HRESULT IWICBitmapDecoder::GetFrame(UINT32 index,
                                    std::shared_ptr<IWICBitmapFrameDecode>* frame) const {
  if (!frame) return E_INVALIDARG;
  frame->reset();
  if (!FFrame) return WINCODEC_ERR_NOTINITIALIZED;
  if (index != 0) return E_INVALIDARG;
  *frame = FFrame;
  return S_OK;
}

// ---------------------------------------------------------------- converting and scaling

HRESULT IWICFormatConverter::Initialize(std::shared_ptr<IWICBitmapSource> source,
                                        WICPixelFormat dstFormat, WICBitmapDitherType, const void*,
                                        double, WICBitmapPaletteType) {
  if (!source) return E_INVALIDARG;
  if (dstFormat != GUID_WICPixelFormat32bppPBGRA) return WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
  FSource = std::move(source);
  return S_OK;
}

HRESULT IWICFormatConverter::GetSize(UINT32* width, UINT32* height) const {
  return FSource ? FSource->GetSize(width, height) : WINCODEC_ERR_NOTINITIALIZED;
}

HRESULT IWICFormatConverter::CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                                        void* buffer) const {
  return FSource ? FSource->CopyPixels(rect, stride, bufferSize, buffer)
                 : WINCODEC_ERR_NOTINITIALIZED;
}

HRESULT IWICBitmapScaler::Initialize(std::shared_ptr<IWICBitmapSource> source, UINT32 width,
                                     UINT32 height, WICBitmapInterpolationMode mode) {
  UINT32 w = 0, h = 0;
  if (!source || FAILED(source->GetSize(&w, &h)) || !w || !h || !width || !height ||
      width > 32767 || height > 32767)
    return E_INVALIDARG;
  IWICBitmap original(w, h);
  if (FAILED(source->CopyPixels(nullptr, w * 4, w * h * 4, original.Pixels())))
    return WINCODEC_ERR_BADIMAGE;
  cairo_surface_mark_dirty(original.Surface());
  auto scaled = std::make_shared<IWICBitmap>(width, height);
  cairo_t* cr = cairo_create(scaled->Surface());
  cairo_scale(cr, double(width) / w, double(height) / h);
  cairo_set_source_surface(cr, original.Surface(), 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  // a linear scaler that shrinks averages the pixels it covers
  cairo_pattern_set_filter(cairo_get_source(cr), mode == WICBitmapInterpolationModeLinear
                                                     ? CAIRO_FILTER_GOOD
                                                     : CAIRO_FILTER_NEAREST);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(scaled->Surface());
  FScaled = scaled;
  return S_OK;
}

HRESULT IWICBitmapScaler::GetSize(UINT32* width, UINT32* height) const {
  return FScaled ? FScaled->GetSize(width, height) : WINCODEC_ERR_NOTINITIALIZED;
}

HRESULT IWICBitmapScaler::CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                                     void* buffer) const {
  return FScaled ? FScaled->CopyPixels(rect, stride, bufferSize, buffer)
                 : WINCODEC_ERR_NOTINITIALIZED;
}

// ---------------------------------------------------------------- encoding

HRESULT IWICBitmapFrameEncode::Initialize(IPropertyBag2*) { return S_OK; }

HRESULT IWICBitmapFrameEncode::SetSize(UINT32 width, UINT32 height) {
  if (!width || !height || width > 32767 || height > 32767) return E_INVALIDARG;
  FWidth = width;
  FHeight = height;
  FPixels = std::make_shared<IWICBitmap>(width, height);
  FLinesWritten = 0;
  return S_OK;
}

HRESULT IWICBitmapFrameEncode::SetPixelFormat(WICPixelFormat* format) {
  if (!format) return E_INVALIDARG;
  *format = GUID_WICPixelFormat32bppPBGRA;
  return S_OK;
}

HRESULT IWICBitmapFrameEncode::WritePixels(UINT32 lineCount, UINT32 stride, UINT32 bufferSize,
                                           const void* pixels) {
  if (!FPixels) return WINCODEC_ERR_WRONGSTATE;
  if (!pixels || stride < FWidth * 4 || FLinesWritten + lineCount > FHeight ||
      (lineCount && uint64_t(stride) * (lineCount - 1) + FWidth * 4 > bufferSize))
    return E_INVALIDARG;
  for (UINT32 y = 0; y < lineCount; ++y)
    std::memcpy(FPixels->Pixels() + size_t(FLinesWritten + y) * FWidth,
                static_cast<const uint8_t*>(pixels) + size_t(y) * stride, size_t(FWidth) * 4);
  FLinesWritten += lineCount;
  return S_OK;
}

HRESULT IWICBitmapFrameEncode::WriteSource(IWICBitmapSource* source, const WICRect* rect) {
  if (!FPixels) return WINCODEC_ERR_WRONGSTATE;
  if (!source) return E_INVALIDARG;
  const HRESULT hr = source->CopyPixels(rect, FWidth * 4, FWidth * FHeight * 4, FPixels->Pixels());
  if (SUCCEEDED(hr)) FLinesWritten = FHeight;
  return hr;
}

HRESULT IWICBitmapFrameEncode::Commit() {
  if (!FPixels || FLinesWritten < FHeight) return WINCODEC_ERR_WRONGSTATE;
  cairo_surface_mark_dirty(FPixels->Surface());
  FCommitted = true;
  return S_OK;
}

HRESULT IWICBitmapEncoder::Initialize(std::shared_ptr<IWICStream> stream,
                                      WICBitmapEncoderCacheOption) {
  if (!stream) return E_INVALIDARG;
  FStream = std::move(stream);
  return S_OK;
}

HRESULT IWICBitmapEncoder::CreateNewFrame(std::shared_ptr<IWICBitmapFrameEncode>* frame,
                                          IPropertyBag2** options) {
  if (!frame) return E_INVALIDARG;
  if (!FStream) return WINCODEC_ERR_NOTINITIALIZED;
  if (FFrame) return WINCODEC_ERR_WRONGSTATE;  // one frame per image here
  FFrame = std::make_shared<IWICBitmapFrameEncode>();
  *frame = FFrame;
  if (options) *options = &FOptions;
  return S_OK;
}

HRESULT IWICBitmapEncoder::Commit() {
  if (!FStream || !FFrame || !FFrame->Committed()) return WINCODEC_ERR_WRONGSTATE;
  Gdiplus::CLSID clsid;
  if (!FindEncoder(MimeOf(FContainer), clsid)) return WINCODEC_ERR_COMPONENTNOTFOUND;
  std::vector<uint8_t> bytes;
  if (Gdiplus::EncodeImageBytes(FFrame->Pixels()->Surface(), 96, 96, &clsid, nullptr, bytes) !=
      Gdiplus::Ok)
    return WINCODEC_ERR_BADIMAGE;
  return FStream->Write(bytes.data(), UINT32(bytes.size()));
}

// ---------------------------------------------------------------- factory

HRESULT IWICImagingFactory::CreateDecoderFromFilename(const std::string& fileName, const void*,
                                                      UINT32, int,
                                                      std::shared_ptr<IWICBitmapDecoder>* decoder) {
  if (!decoder) return E_INVALIDARG;
  decoder->reset();
  std::vector<uint8_t> bytes;
  if (!ReadFile(fileName, bytes)) return STG_E_FILENOTFOUND;
  auto result = std::make_shared<IWICBitmapDecoder>();
  const HRESULT hr = result->Initialize(std::move(bytes));
  if (SUCCEEDED(hr)) *decoder = result;
  return hr;
}

HRESULT IWICImagingFactory::CreateDecoderFromStream(IWICStream* stream, const void*, int,
                                                    std::shared_ptr<IWICBitmapDecoder>* decoder) {
  if (!decoder || !stream) return E_INVALIDARG;
  decoder->reset();
  auto result = std::make_shared<IWICBitmapDecoder>();
  const HRESULT hr = result->Initialize(stream->Bytes());
  if (SUCCEEDED(hr)) *decoder = result;
  return hr;
}

HRESULT IWICImagingFactory::CreateFormatConverter(std::shared_ptr<IWICFormatConverter>* converter) {
  if (!converter) return E_INVALIDARG;
  *converter = std::make_shared<IWICFormatConverter>();
  return S_OK;
}

HRESULT IWICImagingFactory::CreateBitmapScaler(std::shared_ptr<IWICBitmapScaler>* scaler) {
  if (!scaler) return E_INVALIDARG;
  *scaler = std::make_shared<IWICBitmapScaler>();
  return S_OK;
}

HRESULT IWICImagingFactory::CreateEncoder(WICContainerFormat container, const void*,
                                          std::shared_ptr<IWICBitmapEncoder>* encoder) {
  if (!encoder) return E_INVALIDARG;
  encoder->reset();
  Gdiplus::CLSID clsid;
  if (!FindEncoder(MimeOf(container), clsid)) return WINCODEC_ERR_COMPONENTNOTFOUND;
  *encoder = std::make_shared<IWICBitmapEncoder>(container);
  return S_OK;
}

HRESULT IWICImagingFactory::CreateStream(std::shared_ptr<IWICStream>* stream) {
  if (!stream) return E_INVALIDARG;
  *stream = std::make_shared<IWICStream>();
  return S_OK;
}
