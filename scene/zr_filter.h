#pragma once
// TzrFilter: the image codec through which bitmaps load and save files and
// streams. Backends implement it; the class in DefaultFilterClass is the one
// in use, and a new instance is made for every call.

#include <memory>
#include <string>

#include "platform/rtl/Classes.h"
#include "scene/zr_geometry.h"

class TStream;
class TzrBitmap;

class TzrFilter : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The file masks the codec reads, separated by semicolons. Must not depend
  // on instance state (it stands for a question to the class).
  virtual std::string GetFileTypes() { return ""; }
  // Pixel width and height of an image file.
  virtual TzrPoint GetImageSize(const std::string& AFileName) {
    (void)AFileName;
    return {0, 0};
  }
  // Decodes the file into the bitmap, turned by Rotate degrees.
  virtual bool LoadFromFile(const std::string& AFileName, float Rotate, TzrBitmap& Bitmap) = 0;
  // Decodes a reduced copy that fits the box; UseEmbedded allows the file's
  // own thumbnail.
  virtual bool LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth,
                                     float AFitHeight, bool UseEmbedded, TzrBitmap& Bitmap) = 0;
  // Encodes the bitmap in the format named by the file's extension. Params
  // are name=value tokens separated by blanks ("quality=90").
  virtual bool SaveToFile(const std::string& AFileName, TzrBitmap& Bitmap,
                          const std::string& Params) = 0;
  // Decodes an image from the stream's position.
  virtual bool LoadFromStream(TStream* AStream, TzrBitmap& Bitmap) = 0;
  // Encodes the bitmap in the named format ("png", "jpeg", ...).
  virtual bool SaveToStream(TStream* AStream, TzrBitmap& Bitmap, const std::string& Format,
                            const std::string& Params) = 0;
};

// The codec class in use (a TzrFilter descendant); nil until a backend sets it.
extern const TClassInfo* DefaultFilterClass;

// A new codec of DefaultFilterClass; nil when none is set.
std::unique_ptr<TzrFilter> zrCreateFilter();
// The file masks of a codec class; empty for nil.
std::string zrFilterFileTypes(const TClassInfo* AFilterClass);
