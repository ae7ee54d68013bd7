#pragma once
// The "Pdf-Jpeg" image creator: a JPEG picture's file bytes as an image
// object with the DCT filter, grey or RGB as the picture is.

#include "files/PdfImages.h"

class TPdfJpegImage : public TPdfImageCreator {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Raises EPdfInvalidValue "only jpeg image is allowed." for other graphics.
  TPdfImage* CreateImage(TGraphic* AImage) override;
};
