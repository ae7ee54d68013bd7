#pragma once
// Pictures as PDF image objects, made by an image creator chosen by its
// registered name: "Pdf-Jpeg" embeds a JPEG file as it is (PdfJpegImage.h),
// "Pdf-Bitmap" writes a bitmap's pixels uncompressed, as palette indices with
// an indexed colour space or as R, G, B bytes.

#include <string>

#include "files/PdfTypes.h"
#include "platform/rtl/Classes.h"

class TGraphic;
class TBitmap;

class EPdfInvalidImageFormat : public Exception {
 public:
  using Exception::Exception;
};

// Makes an image object of a graphic; the base makes none.
class TPdfImageCreator : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // A new image (the caller owns it until the document registers it), or nil.
  virtual TPdfImage* CreateImage(TGraphic* AImage);
};

class TPdfBitmapImage : public TPdfImageCreator {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TPdfImage* CreateImage(TGraphic* AImage) override;
};

// The creator registered under ImageClassName makes the image of AImage. An
// unknown name raises EClassNotFound "Class <name> not found".
TPdfImage* MakeImage(TGraphic* AImage, const std::string& ImageClassName);

// [/Indexed /DeviceRGB 255 <RR GG BB ...>] of an 8-bit bitmap's palette, all
// 256 entries; those past the palette's own are black.
TPdfArray* CreateIndexedColorSpace(TBitmap& ABitmap);

// Registers the creators under "Pdf-Bitmap" and "Pdf-Jpeg" (done at start).
void RegisterPdfImageCreators();
void UnRegisterPdfImageCreators();
