// PDF images: the objects the creators make (attributes in order, filter,
// length, pixel bytes) and a document holding them that qpdf and poppler
// read back and render.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>

#include "files/PdfDoc.h"
#include "files/PdfImages.h"
#include "files/PdfJpegImage.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/JpegImage.h"
#include "tests/files/pdf_test_util.h"
#include "tests/support/RunCommand.h"

namespace {

const std::string kGallery = std::string(ESCTOOL_BINARY_DIR) + "/gallery";

// Left half red, right half blue, one green pixel at the top left corner.
void PaintHalves(TBitmap& ABitmap, int AWidth, int AHeight) {
  ABitmap.SetSize(AWidth, AHeight);
  for (int y = 0; y < AHeight; ++y)
    for (int x = 0; x < AWidth; ++x) {
      uint8_t* p = ABitmap.GetScanLine(y) + x * (ABitmap.BitsPerPixel() / 8);
      const bool left = x < AWidth / 2;
      p[0] = left ? 0 : 255, p[1] = 0, p[2] = left ? 255 : 0;  // B, G, R
    }
  uint8_t* corner = ABitmap.GetScanLine(0);
  corner[0] = 0, corner[1] = 255, corner[2] = 0;
}

std::unique_ptr<TJPEGImage> HalvesJpeg(bool AGrey) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  PaintHalves(bitmap, 64, 48);
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->SetCompressionQuality(100);
  jpeg->SetGrayscale(AGrey);
  jpeg->Assign(&bitmap);
  return jpeg;
}

std::vector<std::u16string> Keys(TPdfDictionary* ADictionary) {
  std::vector<std::u16string> keys;
  for (int i = 0; i < ADictionary->ItemCount(); ++i) keys.push_back(ADictionary->Items(i)->Key());
  return keys;
}

std::string NameOf(TPdfDictionary* ADictionary, const std::u16string& AKey) {
  TPdfName* name = ADictionary->PdfNameByName(AKey);
  return name ? UTF16ToUTF8(name->Value()) : "<none>";
}

int NumberOf(TPdfDictionary* ADictionary, const std::u16string& AKey) {
  TPdfNumber* number = ADictionary->PdfNumberByName(AKey);
  return number ? number->Value() : -1;
}

std::string Data(TPdfImage& AImage) { return StreamBytes(*AImage.Stream()); }

TEST(PdfJpegImage, EmbedsTheJpegFileGreyOrColour) {
  for (bool grey : {false, true}) {
    std::unique_ptr<TJPEGImage> jpeg = HalvesJpeg(grey);
    ASSERT_EQ(jpeg->GetGrayscale(), grey);
    std::unique_ptr<TPdfImage> image(MakeImage(jpeg.get(), "Pdf-Jpeg"));
    TPdfDictionary* a = image->Attributes();
    EXPECT_EQ(Keys(a),
              (std::vector<std::u16string>{u"Length", u"Filter", u"Type", u"Subtype", u"ColorSpace",
                                           u"Width", u"Height", u"BitsPerComponent"}));
    EXPECT_EQ(NameOf(a, u"ColorSpace"), grey ? "DeviceGray" : "DeviceRGB");
    EXPECT_EQ(NameOf(a, u"Type"), "XObject");
    EXPECT_EQ(NameOf(a, u"Subtype"), "Image");
    EXPECT_EQ(NumberOf(a, u"Width"), 64);
    EXPECT_EQ(NumberOf(a, u"Height"), 48);
    EXPECT_EQ(NumberOf(a, u"BitsPerComponent"), 8);
    EXPECT_EQ(Written(*a->PdfArrayByName(u"Filter")), "[/DCTDecode ]");
    const std::string bytes(jpeg->Data().begin(), jpeg->Data().end());
    EXPECT_EQ(Data(*image), bytes);
    TMemoryStream written;
    image->WriteToStream(written);
    EXPECT_EQ(NumberOf(a, u"Length"), int(bytes.size()));
  }
}

TEST(PdfJpegImage, ReadsSizeAndGreyFromALoadedFile) {
  std::unique_ptr<TJPEGImage> grey = HalvesJpeg(true);
  TMemoryStream file;
  grey->SaveToStream(file);
  file.SetPosition(0);
  TJPEGImage loaded;
  loaded.LoadFromStream(file);
  EXPECT_EQ(loaded.GetWidth(), 64);
  EXPECT_EQ(loaded.GetHeight(), 48);
  EXPECT_TRUE(loaded.GetGrayscale());
  EXPECT_EQ(loaded.Data(), grey->Data());

  TMemoryStream broken;
  broken.WriteBuffer("not a jpeg", 10);
  broken.SetPosition(0);
  EXPECT_THROW(loaded.LoadFromStream(broken), EInvalidGraphic);
  EXPECT_EQ(loaded.GetWidth(), 64) << "a failed load keeps the picture";
}

TEST(PdfImages, CreatorsRefuseWhatTheyCannotConvert) {
  TBitmap bitmap;
  PaintHalves(bitmap, 4, 2);
  try {
    std::unique_ptr<TPdfImage>(MakeImage(&bitmap, "Pdf-Jpeg"));
    ADD_FAILURE() << "a bitmap was taken as a JPEG";
  } catch (const EPdfInvalidValue& e) {
    EXPECT_STREQ(e.what(), "only jpeg image is allowed.");
  }
  try {
    std::unique_ptr<TPdfImage>(MakeImage(&bitmap, "Pdf-Png"));
    ADD_FAILURE() << "an unknown creator made an image";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class Pdf-Png not found");
  }
  TPdfImageCreator base;
  EXPECT_EQ(base.CreateImage(&bitmap), nullptr);
}

TEST(PdfBitmapImage, WritesColourPixelsAsRgbRows) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(format);
    PaintHalves(bitmap, 3, 2);  // columns: red, blue, blue; green corner
    std::unique_ptr<TPdfImage> image(MakeImage(&bitmap, "Pdf-Bitmap"));
    TPdfDictionary* a = image->Attributes();
    EXPECT_EQ(NameOf(a, u"ColorSpace"), "DeviceRGB");
    EXPECT_EQ(NumberOf(a, u"Width"), 3);
    EXPECT_EQ(NumberOf(a, u"Height"), 2);
    EXPECT_EQ(NumberOf(a, u"BitsPerComponent"), 8);
    EXPECT_EQ(Written(*a->PdfArrayByName(u"Filter")), "[]");
    EXPECT_EQ(Data(*image), std::string("\x00\xFF\x00\x00\x00\xFF\x00\x00\xFF"
                                        "\xFF\x00\x00\x00\x00\xFF\x00\x00\xFF",
                                        18))
        << "format " << int(format);
  }
}

TEST(PdfBitmapImage, EmptyBitmapIsStillRgb) {
  TBitmap bitmap;
  bitmap.SetSize(5, 0);
  std::unique_ptr<TPdfImage> image(MakeImage(&bitmap, "Pdf-Bitmap"));
  EXPECT_EQ(NameOf(image->Attributes(), u"ColorSpace"), "DeviceRGB");
  EXPECT_EQ(NumberOf(image->Attributes(), u"Height"), 0);
  EXPECT_EQ(Data(*image), "");
}

// A bitmap of the format whose pixels count through the palette's indices
// (index x mod 2 in row 0, x mod 3 in row 1), with a palette of two or three colours.
void PaintIndexed(TBitmap& ABitmap, TPixelFormat AFormat, int AWidth) {
  ABitmap.SetPixelFormat(AFormat);
  ABitmap.SetSize(AWidth, 2);
  const bool two = AFormat == pf1bit;
  ABitmap.SetPalette(two ? std::vector<TColor>{clRed, clBlue}
                         : std::vector<TColor>{clRed, clBlue, TColor(0x563412)});
  const int bpp = ABitmap.BitsPerPixel(), perByte = 8 / bpp;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < AWidth; ++x) {
      const int index = x % (y == 0 || two ? 2 : 3);
      uint8_t& cell = ABitmap.GetScanLine(y)[x / perByte];
      cell = uint8_t(cell | index << (perByte - 1 - x % perByte) * bpp);
    }
}

// The indexed colour space of a palette: 256 entries, the rest black.
std::string IndexedSpace(const std::string& AEntries, int ACount) {
  std::string text = "[/Indexed /DeviceRGB 255 <" + AEntries;
  for (int i = ACount; i < 256; ++i) text += "00 00 00 ";
  return text + "> ]";
}

TEST(PdfBitmapImage, WritesIndexedBitmapsAsEightBitIndicesWithTheirPalette) {
  const struct {
    TPixelFormat format;
    int count;
  } cases[] = {{pf1bit, 2}, {pf4bit, 3}, {pf8bit, 3}};
  for (const auto& c : cases) {
    TBitmap bitmap;
    PaintIndexed(bitmap, c.format, 5);
    std::unique_ptr<TPdfImage> image(MakeImage(&bitmap, "Pdf-Bitmap"));
    TPdfDictionary* a = image->Attributes();
    const std::string entries = c.count == 2 ? "FF 00 00 00 00 FF " : "FF 00 00 00 00 FF 12 34 56 ";
    EXPECT_EQ(Written(*a->ValueByName(u"ColorSpace")), IndexedSpace(entries, c.count))
        << "format " << int(c.format);
    EXPECT_EQ(NumberOf(a, u"Width"), 5);
    EXPECT_EQ(NumberOf(a, u"Height"), 2);
    EXPECT_EQ(NumberOf(a, u"BitsPerComponent"), 8);
    const std::string row1 =
        c.count == 2 ? std::string("\0\1\0\1\0", 5) : std::string("\0\1\2\0\1", 5);
    EXPECT_EQ(Data(*image), std::string("\0\1\0\1\0", 5) + row1) << "format " << int(c.format);
  }
}

TEST(PdfBitmapImage, IndexedColourSpaceNeedsAnEightBitBitmapWithAPalette) {
  TBitmap colour;
  PaintHalves(colour, 2, 2);
  try {
    std::unique_ptr<TPdfArray>(CreateIndexedColorSpace(colour));
    ADD_FAILURE() << "a colour bitmap got an indexed colour space";
  } catch (const EPdfInvalidImageFormat& e) {
    EXPECT_STREQ(e.what(), "only 8 bit color image is allowed.");
  }
  TBitmap indexed;
  indexed.SetPixelFormat(pf8bit);
  indexed.SetSize(2, 2);
  indexed.SetPalette({});
  try {
    std::unique_ptr<TPdfImage>(MakeImage(&indexed, "Pdf-Bitmap"));
    ADD_FAILURE() << "a bitmap without palette was written";
  } catch (const EPdfInvalidImageFormat& e) {
    EXPECT_STREQ(e.what(), "failed to get Palette..");
  }
}


// The colour and the kind of encoding of each image pdfimages lists.
std::vector<std::string> ListedImages(const std::string& APdf) {
  const TRun run = RunCommand("pdfimages -list '" + APdf + "'");
  EXPECT_EQ(run.Status, 0) << run.Output;
  std::istringstream lines(run.Output);
  std::string line;
  std::vector<std::string> images;
  for (int i = 0; std::getline(lines, line); ++i) {
    if (i < 2) continue;  // heading and rule
    std::istringstream fields(line);
    std::string page, num, type, width, height, color, comp, bpc, enc;
    fields >> page >> num >> type >> width >> height >> color >> comp >> bpc >> enc;
    images.push_back(width + "x" + height + " " + color + " " + enc);
  }
  return images;
}

TEST(PdfImagesDocument, ImagesReadBackAndRender) {
  std::filesystem::create_directories(kGallery);
  const std::string pdf = kGallery + "/pdf_images.pdf";
  {
    TPdfDoc doc;
    doc.NewDoc();
    doc.AddPage();
    doc.AddXObject(u"Colour", MakeImage(HalvesJpeg(false).get(), "Pdf-Jpeg"));
    doc.AddXObject(u"Grey", MakeImage(HalvesJpeg(true).get(), "Pdf-Jpeg"));
    TBitmap bitmap;
    PaintHalves(bitmap, 64, 48);
    doc.AddXObject(u"Pixels", MakeImage(&bitmap, "Pdf-Bitmap"));
    TBitmap indexed;
    PaintIndexed(indexed, pf1bit, 4);
    doc.AddXObject(u"Indexed", MakeImage(&indexed, "Pdf-Bitmap"));
    doc.Canvas()->DrawXObject(300, 400, 192, 96, u"Indexed");
    doc.Canvas()->DrawXObject(50, 600, 192, 144, u"Colour");
    doc.Canvas()->DrawXObject(300, 600, 192, 144, u"Grey");
    doc.Canvas()->DrawXObject(50, 400, 192, 144, u"Pixels");
    TFileStream file(pdf, fmCreate);
    doc.SaveToStream(file);
  }
  const TRun check = RunCommand("qpdf --check '" + pdf + "'");
  EXPECT_EQ(check.Status, 0) << check.Output;
  std::vector<std::string> listed = ListedImages(pdf);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"4x2 index image", "64x48 gray jpeg",
                                              "64x48 rgb image", "64x48 rgb jpeg"}));

  const std::string png = kGallery + "/pdf_images";
  ASSERT_EQ(RunCommand("pdftoppm -r 72 -singlefile -png '" + pdf + "' '" + png + "'").Status, 0);
  TBitmap page;
  page.LoadFromFile(png + ".png");
  ASSERT_EQ(page.GetWidth(), 596);
  auto pixel = [&](int x, int y) {
    const uint8_t* p = page.GetScanLine(y) + x * (page.BitsPerPixel() / 8);
    return std::array<int, 3>{p[2], p[1], p[0]};
  };
  auto Near = [](std::array<int, 3> a, std::array<int, 3> b) {
    for (int i = 0; i < 3; ++i)
      if (std::abs(a[i] - b[i]) > 12) return false;
    return true;
  };
  // Image tops at 842 - 744 = 98 and 842 - 544 = 298 pixels.
  EXPECT_TRUE(Near(pixel(98, 170), {255, 0, 0}));
  EXPECT_TRUE(Near(pixel(194, 170), {0, 0, 255}));

  const auto grey = pixel(350, 170);
  EXPECT_TRUE(Near(grey, {grey[0], grey[0], grey[0]}) && grey[0] > 40 && grey[0] < 110);
  EXPECT_TRUE(Near(pixel(98, 370), {255, 0, 0}));
  EXPECT_TRUE(Near(pixel(194, 370), {0, 0, 255}));
  EXPECT_TRUE(Near(pixel(50, 298), {0, 255, 0})) << "the corner pixel stays top left";
  // The indexed image: 48-point cells, red and blue in turn.
  EXPECT_TRUE(Near(pixel(324, 370), {255, 0, 0}));
  EXPECT_TRUE(Near(pixel(372, 370), {0, 0, 255}));
}

}  // namespace
