#pragma once
// The imaging layer's decoders, converters, scalers, streams and encoders.
// Decoding and encoding go through the drawing layer's codecs
// (platform/gdiplus/GdiPlusCodec.h): PNG through libpng and Cairo, JPEG
// through libjpeg, BMP, TIFF, GIF and icons through gdk-pixbuf. GIF, icons
// and Windows Media Photo have no encoder here; Windows Media Photo has no
// decoder either. A JPEG's embedded thumbnail is its EXIF thumbnail.

#include <memory>
#include <string>
#include <vector>

#include "platform/d2d/WIC.h"

namespace Gdiplus {
class IStream;
}

enum WICContainerFormat : int {
  GUID_ContainerFormatBmp = 1,
  GUID_ContainerFormatPng,
  GUID_ContainerFormatJpeg,
  GUID_ContainerFormatTiff,
  GUID_ContainerFormatGif,
  GUID_ContainerFormatWmp,
  GUID_ContainerFormatIco
};
enum WICDecodeOptions { WICDecodeMetadataCacheOnDemand = 0 };
enum WICBitmapEncoderCacheOption { WICBitmapEncoderNoCache = 2 };
enum WICBitmapDitherType { WICBitmapDitherTypeNone = 0 };
enum WICBitmapPaletteType { WICBitmapPaletteTypeCustom = 0 };
enum WICBitmapInterpolationMode {
  WICBitmapInterpolationModeNearestNeighbor = 0,
  WICBitmapInterpolationModeLinear = 1
};

inline constexpr HRESULT WINCODEC_ERR_WRONGSTATE = HRESULT(0x88982F04);
inline constexpr HRESULT WINCODEC_ERR_NOTINITIALIZED = HRESULT(0x88982F0C);
inline constexpr HRESULT WINCODEC_ERR_CODECNOTHUMBNAIL = HRESULT(0x88982F44);
inline constexpr HRESULT WINCODEC_ERR_COMPONENTNOTFOUND = HRESULT(0x88982F50);
inline constexpr HRESULT WINCODEC_ERR_BADIMAGE = HRESULT(0x88982F60);
inline constexpr HRESULT WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT = HRESULT(0x88982F80);
inline constexpr HRESULT STG_E_CANTSAVE_D2D = HRESULT(0x80030103);
inline constexpr HRESULT STG_E_FILENOTFOUND = HRESULT(0x80030002);

// Bytes to read from, or a file or a caller's stream to write to.
class IWICStream {
 public:
  // Reading from a copy of the memory.
  HRESULT InitializeFromMemory(const void* buffer, UINT32 size);
  // Writing creates the file; reading reads it whole.
  HRESULT InitializeFromFilename(const std::string& fileName, UINT32 desiredAccess);
  // Writing at the caller's stream's position; the stream stays the caller's.
  HRESULT InitializeFromIStream(Gdiplus::IStream* stream);
  // Writes all the bytes or fails.
  HRESULT Write(const void* data, UINT32 size);
  const std::vector<uint8_t>& Bytes() const { return FBytes; }

 private:
  std::vector<uint8_t> FBytes;
  std::string FFileName;
  Gdiplus::IStream* FTarget = nullptr;
  bool FInitialized = false;
};

class IWICBitmapFrameDecode : public IWICBitmapSource {
 public:
  IWICBitmapFrameDecode(std::shared_ptr<IWICBitmap> pixels, std::vector<uint8_t> thumbnail);
  HRESULT GetSize(UINT32* width, UINT32* height) const override;
  HRESULT CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                     void* buffer) const override;
  // The embedded thumbnail; WINCODEC_ERR_CODECNOTHUMBNAIL without one.
  HRESULT GetThumbnail(std::shared_ptr<IWICBitmapSource>* thumbnail) const;

 private:
  std::shared_ptr<IWICBitmap> FPixels;
  std::vector<uint8_t> FThumbnail;  // encoded
};

class IWICBitmapDecoder {
 public:
  // Decodes frame 0 of the file's bytes.
  HRESULT Initialize(std::vector<uint8_t> bytes);
  HRESULT GetContainerFormat(WICContainerFormat* format) const;
  UINT32 GetFrameCount() const { return FFrame ? 1 : 0; }
  HRESULT GetFrame(UINT32 index, std::shared_ptr<IWICBitmapFrameDecode>* frame) const;

 private:
  std::shared_ptr<IWICBitmapFrameDecode> FFrame;
  WICContainerFormat FFormat = GUID_ContainerFormatPng;
};

// Pixels of a source in another pixel format; here only 32bppPBGRA.
class IWICFormatConverter : public IWICBitmapSource {
 public:
  HRESULT Initialize(std::shared_ptr<IWICBitmapSource> source, WICPixelFormat dstFormat,
                     WICBitmapDitherType dither, const void* palette, double alphaThreshold,
                     WICBitmapPaletteType paletteType);
  HRESULT GetSize(UINT32* width, UINT32* height) const override;
  HRESULT CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                     void* buffer) const override;

 private:
  std::shared_ptr<IWICBitmapSource> FSource;
};

// A source scaled to a new size.
class IWICBitmapScaler : public IWICBitmapSource {
 public:
  HRESULT Initialize(std::shared_ptr<IWICBitmapSource> source, UINT32 width, UINT32 height,
                     WICBitmapInterpolationMode mode);
  HRESULT GetSize(UINT32* width, UINT32* height) const override;
  HRESULT CopyPixels(const WICRect* rect, UINT32 stride, UINT32 bufferSize,
                     void* buffer) const override;

 private:
  std::shared_ptr<IWICBitmap> FScaled;
};

// Settings of a new frame; this layer has none.
struct IPropertyBag2 {};

class IWICBitmapFrameEncode {
 public:
  HRESULT Initialize(IPropertyBag2* options);
  HRESULT SetSize(UINT32 width, UINT32 height);
  // Keeps 32bppPBGRA, the only format the encoders here take.
  HRESULT SetPixelFormat(WICPixelFormat* format);
  HRESULT WritePixels(UINT32 lineCount, UINT32 stride, UINT32 bufferSize, const void* pixels);
  HRESULT WriteSource(IWICBitmapSource* source, const WICRect* rect);
  HRESULT Commit();
  const std::shared_ptr<IWICBitmap>& Pixels() const { return FPixels; }
  bool Committed() const { return FCommitted; }

 private:
  UINT32 FWidth = 0, FHeight = 0;
  UINT32 FLinesWritten = 0;
  std::shared_ptr<IWICBitmap> FPixels;
  bool FCommitted = false;
};

class IWICBitmapEncoder {
 public:
  explicit IWICBitmapEncoder(WICContainerFormat container) : FContainer(container) {}
  HRESULT Initialize(std::shared_ptr<IWICStream> stream, WICBitmapEncoderCacheOption option);
  HRESULT CreateNewFrame(std::shared_ptr<IWICBitmapFrameEncode>* frame, IPropertyBag2** options);
  // Encodes the committed frame and writes it to the stream.
  HRESULT Commit();
  WICContainerFormat GetContainerFormat() const { return FContainer; }

 private:
  WICContainerFormat FContainer;
  std::shared_ptr<IWICStream> FStream;
  std::shared_ptr<IWICBitmapFrameEncode> FFrame;
  IPropertyBag2 FOptions;
};

// The EXIF thumbnail of a JPEG file held in memory: the bytes of its
// JPEG-coded thumbnail from the first APP1 "Exif" block, every offset
// checked against the block; empty when there is none or the block is broken.
std::vector<uint8_t> ExifThumbnail(const std::vector<uint8_t>& jpeg);
