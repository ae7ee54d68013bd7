#include "files/PdfJpegImage.h"

#include <memory>

#include "platform/rtl/Rtti.h"
#include "platform/vcl/JpegImage.h"

namespace {

TObject* NewJpegImageCreator(TObject*) { return new TPdfJpegImage; }

}  // namespace

const TClassInfo* TPdfJpegImage::Class() {
  static const TClassInfo info("TPdfJpegImage", TPdfImageCreator::Class(), &NewJpegImageCreator);
  return &info;
}

TPdfImage* TPdfJpegImage::CreateImage(TGraphic* AImage) {
  auto* jpeg = dynamic_cast<TJPEGImage*>(AImage);
  if (!jpeg) throw EPdfInvalidValue("only jpeg image is allowed.");
  auto image = std::make_unique<TPdfImage>(nullptr);
  jpeg->SaveToStream(*image->Stream());
  TPdfDictionary* attributes = image->Attributes();
  attributes->AddNameItem(u"Type", u"XObject");
  attributes->AddNameItem(u"Subtype", u"Image");
  attributes->AddNameItem(u"ColorSpace", jpeg->GetGrayscale() ? u"DeviceGray" : u"DeviceRGB");
  attributes->AddNumberItem(u"Width", jpeg->GetWidth());
  attributes->AddNumberItem(u"Height", jpeg->GetHeight());
  attributes->AddNumberItem(u"BitsPerComponent", 8);
  attributes->PdfArrayByName(u"Filter")->AddItem(new TPdfName(u"DCTDecode"));
  return image.release();
}
