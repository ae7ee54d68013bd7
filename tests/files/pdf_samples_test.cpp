// Sample documents written to build/gallery/ and read back by qpdf and
// poppler: the file structure, the pages and the text that comes out.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "files/PdfOutlines.h"
#include "tests/files/pdf_test_util.h"
#include "tests/support/RunCommand.h"

namespace {

const std::string kGallery = std::string(ESCTOOL_BINARY_DIR) + "/gallery";

void Save(TPdfDoc& ADoc, const std::string& APath) {
  std::filesystem::create_directories(kGallery);
  TFileStream file(APath, fmCreate);
  ADoc.SaveToStream(file);
}

// Two pages in English: every operator, text in rectangles, a frame and an image.
void DrawEnglish(TPdfDoc& ADoc) {
  ADoc.SetUseOutlines(true);
  ADoc.NewDoc();
  ADoc.Info()->SetTitle(u"Sample sheet (English)");
  ADoc.AddPage();
  TPdfCanvas& c = *ADoc.Canvas();
  c.SetFont("Arial-Bold", 18);
  c.TextOut(50, 780, u"ESC setup sheet");
  c.SetFont("Arial", 10);
  c.TextOut(50, 760, u"Throttle range (low/high): 1100 us to 1940 us");
  c.SetLineWidth(1.5f);
  c.SetRGBStrokeColor(0x804020);
  c.SetRGBFillColor(0xF0E0D0);
  c.Rectangle(50, 600, 250, 140);
  c.FillStroke();
  c.SetRGBFillColor(0);
  c.SetLeading(12);
  c.MultilineTextRect(
      {60, 730, 290, 610},
      u"Timing medium, brake off, battery cut-off at 3.2 volts per cell; the governor "
      u"holds the head speed while the pack sags.",
      true);
  c.TextRect({50, 590, 300, 570}, u"Centred line", paCenter, true);
  c.TextRect({50, 570, 300, 550}, u"Right-justified line", paRightJustify, false);
  c.SetDash({3, 2}, 0);
  c.SetLineCap(lcRound_End);
  c.SetLineJoin(ljRoundJoin);
  c.SetMiterLimit(10);
  c.SetFlat(1);
  c.MoveTo(50, 540);
  c.LineTo(300, 540);
  c.Stroke();
  c.SetDash({}, 0);
  c.SetRGBStrokeColor(0x0000FF);
  c.Ellipse(320, 600, 200, 140);
  c.Stroke();
  c.MoveTo(320, 520);
  c.CurveToC(360, 580, 420, 460, 520, 520);
  c.CurveToV(540, 540, 560, 520);
  c.CurveToY(580, 500, 590, 520);
  c.Stroke();
  c.GSave();
  c.Concat(1, 0, 0, 1, 0, -20);
  c.Rectangle(320, 460, 60, 30);
  c.Closepath();
  c.Eoclip();
  c.NewPath();
  c.SetRGBFillColor(0x00A000);
  c.Rectangle(310, 450, 80, 50);
  c.Eofill();
  c.GRestore();
  c.BeginText();
  c.SetFont("Times-Italic", 12);
  c.MoveTextPoint(50, 500);
  c.SetCharSpace(0.5f);
  c.SetWordSpace(2);
  c.SetHorizontalScaling(90);
  c.SetTextRise(2);
  c.SetTextRenderingMode(trFill);
  c.ShowText(u"Times italic (spaced)");
  c.MoveToNextLine();
  c.ShowTextNextLine(u"Next line");
  c.EndText();
  c.SetCharSpace(0);
  c.SetWordSpace(0);
  c.SetHorizontalScaling(100);
  c.SetFont("FixedWidth", 10);
  c.TextOut(50, 460, u"Courier 600/1000");

  auto* image = new TPdfImage(ADoc.Xref());
  TPdfDictionary* attributes = image->Attributes();
  attributes->AddNameItem(u"Type", u"XObject");
  attributes->AddNameItem(u"Subtype", u"Image");
  attributes->AddNumberItem(u"Width", 2);
  attributes->AddNumberItem(u"Height", 2);
  attributes->AddNameItem(u"ColorSpace", u"DeviceRGB");
  attributes->AddNumberItem(u"BitsPerComponent", 8);
  const unsigned char pixels[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
  image->Stream()->WriteBuffer(pixels, sizeof(pixels));
  ADoc.AddXObject(u"Im1", image);
  c.DrawXObject(400, 380, 60, 60, u"Im1");
  c.DrawXObjectEx(470, 380, 60, 60, 470, 380, 30, 30, u"Im1");
  c.ExecuteXObject(u"Im1");  // outside a frame: drawn as a 1 by 1 point
  ADoc.CreateAnnotation(asLink, {50, 760, 300, 772});
  TPdfDestination* top = ADoc.CreateDestination();
  ADoc.Root()->SetOpenAction(top);
  TPdfOutlineEntry* entry = ADoc.OutlineRoot()->AddChild();
  entry->SetTitle(u"First page");
  entry->SetDest(top);

  ADoc.AddPage();
  ADoc.Canvas()->TextOut(50, 780, u"Second page");
}

void DrawChinese(TPdfDoc& ADoc) {
  ADoc.NewDoc();
  ADoc.AddPage();
  TPdfCanvas& c = *ADoc.Canvas();
  c.SetFont("Chinese", 16);
  c.TextOut(50, 780, u"\u7535\u8C03\u8BBE\u7F6E\u8868");  // 电调设置表
  c.SetFont("Chinese", 12);
  c.TextOut(50, 750, u"\u4E58\u6CD5 \u4E57\u5BA2");  // 乘法 乗客: 乗 is 0x81 0x5C in GBK
  c.SetFont("Gothic,Bold", 12);
  c.TextOut(50, 720,
            u"\u30BD\u30D5\u30C8\u4E57\u308A");  // ソフト乗り: ソ is 0x83 0x5C in Shift-JIS
  c.SetFont("Arial", 12);
  c.TextOut(50, 690, u"Mixed: English");
}

TEST(PdfSamplesTest, FilesPassQpdfAndPopplerReadThem) {
  TPdfDoc english;
  DrawEnglish(english);
  const std::string englishPath = kGallery + "/pdf_sample_english.pdf";
  Save(english, englishPath);
  TPdfDoc chinese;
  DrawChinese(chinese);
  const std::string chinesePath = kGallery + "/pdf_sample_chinese.pdf";
  Save(chinese, chinesePath);

  for (const std::string& path : {englishPath, chinesePath}) {
    const TRun check = RunCommand("qpdf --check '" + path + "'");
    EXPECT_EQ(0, check.Status) << check.Output;
    EXPECT_NE(std::string::npos, check.Output.find("No syntax or stream encoding errors"))
        << check.Output;
  }

  const TRun info = RunCommand("pdfinfo '" + englishPath + "'");
  ASSERT_EQ(0, info.Status) << info.Output;
  EXPECT_NE(std::string::npos, info.Output.find("Pages:           2")) << info.Output;
  EXPECT_NE(std::string::npos, info.Output.find("Page size:       596 x 842 pts")) << info.Output;
  EXPECT_NE(std::string::npos, info.Output.find("Title:           Sample sheet (English)"))
      << info.Output;
  EXPECT_NE(std::string::npos, info.Output.find("PDF version:     1.2")) << info.Output;

  const TRun englishText = RunCommand("pdftotext -layout '" + englishPath + "' -");
  ASSERT_EQ(0, englishText.Status) << englishText.Output;
  for (const char* expected : {"ESC setup sheet", "Throttle range (low/high): 1100 us to 1940 us",
                               "Centred line", "Courier 600/1000", "Second page"})
    EXPECT_NE(std::string::npos, englishText.Output.find(expected)) << expected << "\n"
                                                                    << englishText.Output;

  const TRun chineseText = RunCommand("pdftotext '" + chinesePath + "' -");
  ASSERT_EQ(0, chineseText.Status) << chineseText.Output;
  for (const char* expected : {"电调设置表", "乘法", "乗客", "ソフト乗り", "Mixed: English"})
    EXPECT_NE(std::string::npos, chineseText.Output.find(expected)) << expected << "\n"
                                                                    << chineseText.Output;
}

// Texts beyond Windows-1252 in the information and the outlines come back
// whole from poppler and qpdf; texts within it stay literal strings.
TEST(PdfSamplesTest, TextStringsBeyondWindows1252ReadBackWhole) {
  TPdfDoc doc;
  doc.SetUseOutlines(true);
  doc.NewDoc();
  doc.Info()->SetTitle(u"\u6D4B\u8BD5 Caf\u00E9 \U0001F600");  // 测试 Café 😀
  doc.Info()->SetAuthor(u"M\u00FCller");
  doc.AddPage();
  TPdfDestination* top = doc.CreateDestination();
  TPdfOutlineEntry* first = doc.OutlineRoot()->AddChild();
  first->SetTitle(u"\u8BBE\u7F6E (1)");  // 设置 (1)
  first->SetDest(top);
  TPdfOutlineEntry* second = doc.OutlineRoot()->AddChild();
  second->SetTitle(u"\u00DCberblick");
  second->SetDest(top);
  const std::string path = kGallery + "/pdf_sample_text_strings.pdf";
  Save(doc, path);

  const TRun check = RunCommand("qpdf --check '" + path + "'");
  EXPECT_EQ(0, check.Status) << check.Output;
  const TRun info = RunCommand("pdfinfo '" + path + "'");
  ASSERT_EQ(0, info.Status) << info.Output;
  EXPECT_NE(std::string::npos, info.Output.find("Title:           测试 Café 😀\n")) << info.Output;
  EXPECT_NE(std::string::npos, info.Output.find("Author:          Müller\n")) << info.Output;
  const TRun outlines = RunCommand("qpdf --json --json-key=outlines '" + path + "'");
  ASSERT_EQ(0, outlines.Status) << outlines.Output;
  EXPECT_NE(std::string::npos, outlines.Output.find("\"title\": \"设置 (1)\"")) << outlines.Output;
  EXPECT_NE(std::string::npos, outlines.Output.find("\"title\": \"Überblick\"")) << outlines.Output;
}

TEST(PdfSamplesTest, PageRendersToAPicture) {
  TPdfDoc english;
  DrawEnglish(english);
  const std::string path = kGallery + "/pdf_sample_render.pdf";
  Save(english, path);
  const std::string picture = kGallery + "/pdf_sample_english";
  std::filesystem::remove(picture + ".png");
  const TRun render =
      RunCommand("pdftoppm -png -r 72 -f 1 -l 1 -singlefile '" + path + "' '" + picture + "'");
  ASSERT_EQ(0, render.Status) << render.Output;
  EXPECT_TRUE(std::filesystem::exists(picture + ".png"));
  EXPECT_GT(std::filesystem::file_size(picture + ".png"), 2000u);
}

}  // namespace
