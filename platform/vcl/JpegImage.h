#pragma once
// The framework's JPEG picture: the bytes of a JPEG file, compressed from a
// bitmap with libjpeg (at CompressionQuality, in grey when Grayscale is set)
// or loaded from a file. Its size and whether it is grey come from the
// file's header; the pixels are decoded only when it is drawn.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/vcl/Graphics.h"

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // From a JPEG image: a copy of its bytes; from a bitmap: its pixels,
  // compressed with this image's quality and grey setting; nil empties.
  void Assign(TPersistent* Source) override;

  int GetWidth() const override { return FWidth; }
  int GetHeight() const override { return FHeight; }
  // The size of a JPEG picture cannot be changed: EInvalidGraphicOperation.
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;

  // 1 to 100 (values outside are clamped); used by the next compression.
  int GetCompressionQuality() const { return FQuality; }
  void SetCompressionQuality(int Value);
  // Whether the picture is grey: read from a loaded file; set before Assign
  // to compress a bitmap in grey.
  bool GetGrayscale() const { return FGrayscale; }
  void SetGrayscale(bool Value) { FGrayscale = Value; }

  // The JPEG file's bytes.
  const std::vector<uint8_t>& Data() const { return FData; }

  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // Reads the rest of the stream as a JPEG file; raises EInvalidGraphic
  // when its header cannot be read (the image is then unchanged).
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;

 private:
  void Compress(TBitmap& Bitmap);

  std::vector<uint8_t> FData;
  std::unique_ptr<TBitmap> FDecoded;  // made on first Draw
  int FWidth = 0, FHeight = 0;
  int FQuality = 90;
  bool FGrayscale = false;
};
