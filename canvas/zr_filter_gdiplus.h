#pragma once
// TzrFilterGdiPlus: the image codec of the program, on the drawing layer's
// decoders and encoders (PNG, JPEG with a quality setting, BMP, TIFF; GIF
// and icons read). Decoding draws straight into the TzrBitmap's pixels and
// encoding reads straight from them, through a layer bitmap laid over them.

#include <string>

#include "scene/zr_filter.h"

class TzrFilterGdiPlus : public TzrFilter {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  std::string GetFileTypes() override;
  TzrPoint GetImageSize(const std::string& AFileName) override;
  // Whole quarter turns replace the pixels; other angles draw the turned
  // image, centred, over a bitmap of the turned bounds.
  bool LoadFromFile(const std::string& AFileName, float Rotate, TzrBitmap& Bitmap) override;
  bool LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth, float AFitHeight,
                             bool UseEmbedded, TzrBitmap& Bitmap) override;
  // Nothing is written for an extension the codec does not know.
  bool SaveToFile(const std::string& AFileName, TzrBitmap& Bitmap,
                  const std::string& Params) override;
  // Composes the image over the bitmap's pixels when the size is unchanged.
  bool LoadFromStream(TStream* AStream, TzrBitmap& Bitmap) override;
  // An unknown format writes PNG. Params "quality=N" sets the JPEG quality;
  // a quality that is not a whole number raises EConvertError.
  bool SaveToStream(TStream* AStream, TzrBitmap& Bitmap, const std::string& Format,
                    const std::string& Params) override;
};

// The MIME type of the encoder for a format name or a file extension (with
// its dot); empty when the extension is not one the codec writes.
std::string zrMimeTypeOfFormat(const std::string& Format);
std::string zrMimeTypeOfExtension(const std::string& Extension);
