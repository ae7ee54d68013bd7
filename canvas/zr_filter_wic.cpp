#include "canvas/zr_filter_wic.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas/zr_canvas_d2d.h"
#include "canvas/zr_stream_adapter.h"
#include "platform/d2d/WICCodec.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_bitmap.h"

const TClassInfo* TzrFilterWIC::Class() {
  static const TClassInfo* info = TClassDecl<TzrFilterWIC>("TzrFilterWIC", TzrFilter::Class());
  return info;
}

namespace {

// Frame 0 of the file; nil when the file cannot be read or decoded.
std::shared_ptr<IWICBitmapFrameDecode> FrameOfFile(const std::string& AFileName) {
  if (!SharedWICFactory) return nullptr;
  std::shared_ptr<IWICBitmapDecoder> decoder;
  if (FAILED(SharedWICFactory->CreateDecoderFromFilename(AFileName, nullptr, 0xFFFFFFFF,
                                                         WICDecodeMetadataCacheOnDemand, &decoder)))
    return nullptr;
  std::shared_ptr<IWICBitmapFrameDecode> frame;
  decoder->GetFrame(0, &frame);
  return frame;
}

// The source's pixels into the bitmap, which changes only when every step
// worked.
bool Convert(std::shared_ptr<IWICBitmapSource> Source, TzrBitmap& Bitmap) {
  std::shared_ptr<IWICFormatConverter> converter;
  if (!Source || FAILED(SharedWICFactory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(Source, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0, WICBitmapPaletteTypeCustom)))
    return false;
  UINT32 w = 0, h = 0;
  if (FAILED(converter->GetSize(&w, &h)) || !w || !h) return false;
  std::vector<TzrColor> pixels(size_t(w) * h);
  if (FAILED(converter->CopyPixels(nullptr, w * 4, w * h * 4, pixels.data()))) return false;
  Bitmap.SetSize(int(w), int(h));
  std::copy(pixels.begin(), pixels.end(), Bitmap.GetStartLine());
  Bitmap.SetNeedUpdate(true);
  return true;
}

bool Encode(TzrBitmap& Bitmap, WICContainerFormat Container,
            const std::shared_ptr<IWICStream>& Stream) {
  if (Bitmap.IsEmpty() || !Bitmap.GetStartLine()) return false;
  std::shared_ptr<IWICBitmapEncoder> encoder;
  if (FAILED(SharedWICFactory->CreateEncoder(Container, nullptr, &encoder))) return false;
  std::shared_ptr<IWICBitmapFrameEncode> frame;
  IPropertyBag2* bag = nullptr;
  if (FAILED(encoder->Initialize(Stream, WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(&frame, &bag)))
    return false;
  const UINT32 w = UINT32(Bitmap.GetWidth()), h = UINT32(Bitmap.GetHeight());
  WICPixelFormat format = GUID_WICPixelFormat32bppPBGRA;
  if (FAILED(frame->Initialize(bag)) || FAILED(frame->SetSize(w, h)) ||
      FAILED(frame->SetPixelFormat(&format)))
    return false;
  HRESULT written;
  if (format == GUID_WICPixelFormat32bppPBGRA) {
    written = frame->WritePixels(h, w * 4, w * h * 4, Bitmap.GetStartLine());
  } else {
    std::shared_ptr<IWICBitmap> source;
    std::shared_ptr<IWICFormatConverter> converter;
    written = SharedWICFactory->CreateBitmapFromMemory(w, h, GUID_WICPixelFormat32bppPBGRA, w * 4,
                                                       w * h * 4, Bitmap.GetStartLine(), &source);
    if (SUCCEEDED(written)) written = SharedWICFactory->CreateFormatConverter(&converter);
    if (SUCCEEDED(written))
      written = converter->Initialize(source, format, WICBitmapDitherTypeNone, nullptr, 0,
                                      WICBitmapPaletteTypeCustom);
    if (SUCCEEDED(written)) written = frame->WriteSource(converter.get(), nullptr);
  }
  return SUCCEEDED(written) && SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

int zrWICContainerOfFormat(const std::string& Format) {
  const std::string f = LowerCase(Format);
  if (f == "jpeg" || f == "jpg") return GUID_ContainerFormatJpeg;
  if (f == "bmp") return GUID_ContainerFormatBmp;
  if (f == "tif" || f == "tiff") return GUID_ContainerFormatTiff;
  if (f == "gif") return GUID_ContainerFormatGif;
  if (f == "wmp") return GUID_ContainerFormatWmp;
  return GUID_ContainerFormatPng;
}

int zrWICContainerOfExtension(const std::string& Extension) {
  const std::string e = LowerCase(Extension);
  if (e.size() < 2 || e[0] != '.') return GUID_ContainerFormatPng;
  return zrWICContainerOfFormat(e.substr(1));
}

std::string TzrFilterWIC::GetFileTypes() {
  return "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico;*.wmp";
}

TzrPoint TzrFilterWIC::GetImageSize(const std::string& AFileName) {
  std::shared_ptr<IWICBitmapFrameDecode> frame = FrameOfFile(AFileName);
  UINT32 w = 0, h = 0;
  if (!frame || FAILED(frame->GetSize(&w, &h))) return {0, 0};
  return {float(w), float(h)};
}

bool TzrFilterWIC::LoadFromFile(const std::string& AFileName, float Rotate, TzrBitmap& Bitmap) {
  (void)Rotate;
  return Convert(FrameOfFile(AFileName), Bitmap);
}

bool TzrFilterWIC::LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth,
                                         float AFitHeight, bool UseEmbedded, TzrBitmap& Bitmap) {
  std::shared_ptr<IWICBitmapFrameDecode> frame = FrameOfFile(AFileName);
  if (!frame) return false;
  std::shared_ptr<IWICBitmapSource> embedded;
  if (UseEmbedded && SUCCEEDED(frame->GetThumbnail(&embedded))) return Convert(embedded, Bitmap);
  UINT32 w = 0, h = 0;
  if (FAILED(frame->GetSize(&w, &h))) return false;
  TzrRect r = zrRect(0, 0, float(w), float(h));
  float scale = zrFitRect(r, zrRect(0, 0, AFitWidth, AFitHeight));
  if (scale == 0) scale = 0.001f;
  if (scale < 1) scale = 1;  // never larger than the image
  const UINT32 tw = UINT32(std::max(1.0f, std::nearbyint(float(w) / scale)));
  const UINT32 th = UINT32(std::max(1.0f, std::nearbyint(float(h) / scale)));
  std::shared_ptr<IWICBitmapScaler> scaler;
  if (FAILED(SharedWICFactory->CreateBitmapScaler(&scaler)) ||
      FAILED(scaler->Initialize(frame, tw, th, WICBitmapInterpolationModeLinear)))
    return false;
  return Convert(scaler, Bitmap);
}

bool TzrFilterWIC::LoadFromStream(TStream* AStream, TzrBitmap& Bitmap) {
  if (!AStream || !SharedWICFactory) return false;
  // what remains from the stream's position
  const int64_t remaining = std::max<int64_t>(AStream->GetSize() - AStream->GetPosition(), 0);
  if (remaining == 0 || remaining > 0x7FFFFFFF) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(remaining));
  AStream->ReadBuffer(bytes.data(), int32_t(bytes.size()));
  std::shared_ptr<IWICStream> stream;
  SharedWICFactory->CreateStream(&stream);
  if (FAILED(stream->InitializeFromMemory(bytes.data(), UINT32(bytes.size())))) return false;
  bytes = {};
  std::shared_ptr<IWICBitmapDecoder> decoder;
  if (FAILED(SharedWICFactory->CreateDecoderFromStream(stream.get(), nullptr,
                                                       WICDecodeMetadataCacheOnDemand, &decoder)))
    return false;
  std::shared_ptr<IWICBitmapFrameDecode> frame;
  decoder->GetFrame(0, &frame);
  return Convert(frame, Bitmap);
}

bool TzrFilterWIC::SaveToFile(const std::string& AFileName, TzrBitmap& Bitmap,
                              const std::string& Params) {
  (void)Params;
  if (!SharedWICFactory || Bitmap.IsEmpty()) return false;
  const auto container = WICContainerFormat(zrWICContainerOfExtension(ExtractFileExt(AFileName)));
  std::shared_ptr<IWICBitmapEncoder> probe;
  if (FAILED(SharedWICFactory->CreateEncoder(container, nullptr, &probe))) return false;
  std::shared_ptr<IWICStream> stream;
  SharedWICFactory->CreateStream(&stream);
  if (FAILED(stream->InitializeFromFilename(AFileName, 0xFFFFFFFF))) return false;
  return Encode(Bitmap, container, stream);
}

bool TzrFilterWIC::SaveToStream(TStream* AStream, TzrBitmap& Bitmap, const std::string& Format,
                                const std::string& Params) {
  (void)Params;
  if (!AStream || !SharedWICFactory) return false;
  TStreamAdapterRef adapter(TMyStreamAdapter::Create(AStream, soReference));
  std::shared_ptr<IWICStream> stream;
  SharedWICFactory->CreateStream(&stream);
  if (FAILED(stream->InitializeFromIStream(adapter.Get()))) return false;
  return Encode(Bitmap, WICContainerFormat(zrWICContainerOfFormat(Format)), stream);
}
