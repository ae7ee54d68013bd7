#include "files/PdfImages.h"

#include <memory>

#include "files/PdfJpegImage.h"
#include "platform/rtl/Rtti.h"
#include "platform/vcl/Graphics.h"

namespace {

TObject* NewBitmapImageCreator(TObject*) { return new TPdfBitmapImage; }

struct TPdfImagesUnit {
  TPdfImagesUnit() { RegisterPdfImageCreators(); }
  ~TPdfImagesUnit() { UnRegisterPdfImageCreators(); }
} PdfImagesUnit;

// Rows top to bottom, pixels left to right, as R, G, B (the bitmap holds B, G, R).
void WriteRgbPixels(TBitmap& ABitmap, TStream& AStream) {
  const int width = ABitmap.GetWidth();
  std::string row(size_t(width) * 3, '\0');
  for (int y = 0; y < ABitmap.GetHeight(); ++y) {
    const uint8_t* p = ABitmap.GetScanLine(y);
    for (int x = 0; x < width; ++x, p += 3) {
      row[size_t(x) * 3] = char(p[2]);
      row[size_t(x) * 3 + 1] = char(p[1]);
      row[size_t(x) * 3 + 2] = char(p[0]);
    }
    AStream.WriteBuffer(row.data(), int32_t(row.size()));
  }
}

// Rows top to bottom, the first Width bytes (palette indices) of each.
void WriteIndexedPixels(TBitmap& ABitmap, TStream& AStream) {
  for (int y = 0; y < ABitmap.GetHeight(); ++y)
    AStream.WriteBuffer(ABitmap.GetScanLine(y), int32_t(ABitmap.GetWidth()));
}

std::string HexByte(int AValue) {
  const char* digits = "0123456789ABCDEF";
  return {digits[(AValue >> 4) & 15], digits[AValue & 15], ' '};
}

}  // namespace

TPdfArray* CreateIndexedColorSpace(TBitmap& ABitmap) {
  if (ABitmap.GetPixelFormat() != pf8bit)
    throw EPdfInvalidImageFormat("only 8 bit color image is allowed.");
  const std::vector<TColor>& palette = ABitmap.GetPalette();
  if (palette.empty()) throw EPdfInvalidImageFormat("failed to get Palette..");
  auto space = std::make_unique<TPdfArray>(nullptr);
  space->AddItem(new TPdfName(u"Indexed"));
  space->AddItem(new TPdfName(u"DeviceRGB"));
  space->AddItem(new TPdfNumber(255));
  // All 256 entries; those past the bitmap's palette are black.
  std::string text = "<";
  for (size_t i = 0; i < 256; ++i) {
    const gdi::COLORREF color = i < palette.size() ? ColorToRGB(palette[i]) : 0;
    text += HexByte(gdi::GetRValue(color)) + HexByte(gdi::GetGValue(color)) +
            HexByte(gdi::GetBValue(color));
  }
  text += ">";
  auto* binary = new TPdfBinary;
  space->AddItem(binary);
  binary->Stream()->WriteBuffer(text.data(), int32_t(text.size()));
  return space.release();
}

const TClassInfo* TPdfImageCreator::Class() {
  static const TClassInfo info("TPdfImageCreator", TPersistent::Class(), nullptr);
  return &info;
}

TPdfImage* TPdfImageCreator::CreateImage(TGraphic*) { return nullptr; }

const TClassInfo* TPdfBitmapImage::Class() {
  static const TClassInfo info("TPdfBitmapImage", TPdfImageCreator::Class(),
                               &NewBitmapImageCreator);
  return &info;
}

TPdfImage* TPdfBitmapImage::CreateImage(TGraphic* AImage) {
  auto image = std::make_unique<TPdfImage>(nullptr);
  TPdfDictionary* attributes = image->Attributes();
  attributes->AddNameItem(u"Type", u"XObject");
  attributes->AddNameItem(u"Subtype", u"Image");
  TBitmap bitmap;
  bitmap.Assign(AImage);
  if (bitmap.BitsPerPixel() <= 8) {
    bitmap.SetPixelFormat(pf8bit);
    WriteIndexedPixels(bitmap, *image->Stream());
    attributes->AddItem(u"ColorSpace", CreateIndexedColorSpace(bitmap));
  } else {
    bitmap.SetPixelFormat(pf24bit);
    WriteRgbPixels(bitmap, *image->Stream());
    attributes->AddNameItem(u"ColorSpace", u"DeviceRGB");
  }
  attributes->AddNumberItem(u"Width", bitmap.GetWidth());
  attributes->AddNumberItem(u"Height", bitmap.GetHeight());
  attributes->AddNumberItem(u"BitsPerComponent", 8);
  return image.release();
}

TPdfImage* MakeImage(TGraphic* AImage, const std::string& ImageClassName) {
  std::unique_ptr<TObject> object(FindClass(ImageClassName)->Create(nullptr));
  auto* creator = dynamic_cast<TPdfImageCreator*>(object.get());
  if (!creator) throw EPdfInvalidValue("Class " + ImageClassName + " makes no images");
  return creator->CreateImage(AImage);
}

void RegisterPdfImageCreators() {
  RegisterClassAlias(TPdfBitmapImage::Class(), "Pdf-Bitmap");
  RegisterClassAlias(TPdfJpegImage::Class(), "Pdf-Jpeg");
}

void UnRegisterPdfImageCreators() {
  UnRegisterClass(TPdfBitmapImage::Class());
  UnRegisterClass(TPdfJpegImage::Class());
}
