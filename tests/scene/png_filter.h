#pragma once
// An image codec for the scene tests: PNG only, through Cairo's PNG functions
// (libpng underneath). Bitmaps share Cairo's ARGB32 layout, so pixels move
// between the two without conversion.

#include <string>

#include "scene/zr_filter.h"

class TzrPngFilter : public TzrFilter {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  std::string GetFileTypes() override { return "*.png"; }
  TzrPoint GetImageSize(const std::string& AFileName) override;
  bool LoadFromFile(const std::string& AFileName, float Rotate, TzrBitmap& Bitmap) override;
  bool LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth, float AFitHeight,
                             bool UseEmbedded, TzrBitmap& Bitmap) override;
  // Only file names ending in ".png" are written.
  bool SaveToFile(const std::string& AFileName, TzrBitmap& Bitmap,
                  const std::string& Params) override;
  bool LoadFromStream(TStream* AStream, TzrBitmap& Bitmap) override;
  // Only the format "png" is written.
  bool SaveToStream(TStream* AStream, TzrBitmap& Bitmap, const std::string& Format,
                    const std::string& Params) override;
};

// Makes TzrPngFilter the codec in use for the scope's lifetime.
class TScopedPngFilter {
 public:
  TScopedPngFilter();
  ~TScopedPngFilter();
  TScopedPngFilter(const TScopedPngFilter&) = delete;
  TScopedPngFilter& operator=(const TScopedPngFilter&) = delete;

 private:
  const TClassInfo* FSaved;
};
