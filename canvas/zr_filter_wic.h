#pragma once
// TzrFilterWIC: the image codec that goes with the Direct2D canvas, on the
// imaging part of the Direct2D layer (platform/d2d/WICCodec.h). It works
// only while a Direct2D canvas holds the shared imaging factory; otherwise
// every load and save answers false and GetImageSize (0, 0). A load that
// fails leaves the bitmap as it was; a save answers false when nothing was
// written whole.

#include <string>

#include "scene/zr_filter.h"

class TzrFilterWIC : public TzrFilter {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  std::string GetFileTypes() override;
  TzrPoint GetImageSize(const std::string& AFileName) override;
  // Rotate is not used.
  bool LoadFromFile(const std::string& AFileName, float Rotate, TzrBitmap& Bitmap) override;
  // The embedded thumbnail at its own size when asked for and present;
  // else the image fitted into the box, never enlarged.
  bool LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth, float AFitHeight,
                             bool UseEmbedded, TzrBitmap& Bitmap) override;
  // The extension chooses the container (PNG for any other); Params are not
  // used. GIF and Windows Media Photo have no encoder: false.
  bool SaveToFile(const std::string& AFileName, TzrBitmap& Bitmap,
                  const std::string& Params) override;
  // Decodes what remains of the stream from its position.
  bool LoadFromStream(TStream* AStream, TzrBitmap& Bitmap) override;
  bool SaveToStream(TStream* AStream, TzrBitmap& Bitmap, const std::string& Format,
                    const std::string& Params) override;
};

// The container the encoder table chooses for a lower- or upper-case file
// extension (with its dot) or format name.
int zrWICContainerOfExtension(const std::string& Extension);
int zrWICContainerOfFormat(const std::string& Format);
