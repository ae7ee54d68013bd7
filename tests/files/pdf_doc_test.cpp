// The PDF document: file layout, object table, fonts, images, catalog.

#include <gtest/gtest.h>

#include <regex>

#include "files/PdfDoc.h"
#include "tests/files/pdf_test_util.h"

namespace {

TPdfImage* NewImage(TPdfObjectMgr* AXref) {
  auto* image = new TPdfImage(AXref);
  image->Attributes()->AddNameItem(u"Type", u"XObject");
  image->Attributes()->AddNameItem(u"Subtype", u"Image");
  return image;
}

TEST(PdfDocTest, OneEmptyPageWritesSixObjectsTableAndTrailer) {
  TPdfDoc doc;
  doc.NewDoc();
  doc.AddPage();
  const std::string file = SavedDocument(doc);

  ASSERT_EQ("%PDF-1.2 \r\n", file.substr(0, 11));
  EXPECT_EQ(11u, file.find("1 0 obj\r\n"));
  const std::pair<int, std::string> bodies[] = {
      {1, "<<\r\n/Type /Catalog\r\n/Pages 3 0 R\r\n>>"},
      {3, "<<\r\n/Type /Pages\r\n/Kids [4 0 R ]\r\n/Count 1\r\n>>"},
      {4,
       "<<\r\n/Type /Page\r\n/Parent 3 0 R\r\n/MediaBox [0 0 596 842 ]\r\n/Resources <<\r\n/Font "
       "<<\r\n"
       "/F0 6 0 R\r\n>>\r\n/XObject <<\r\n>>\r\n/ProcSet [/PDF /Text /ImageC ]\r\n>>\r\n/Contents "
       "5 0 R\r\n>>"},
      {5, "<<\r\n/Length 10\r\n/Filter []\r\n>>\r\nstream\r\n/F0 10 Tf\n\nendstream"},
      {6,
       "<<\r\n/Type /Font\r\n/Subtype /Type1\r\n/Encoding /WinAnsiEncoding\r\n/FirstChar 32\r\n"
       "/LastChar 255\r\n/BaseFont /Helvetica\r\n/Name /F0\r\n>>"},
  };
  for (const auto& [number, body] : bodies) {
    const std::string object = std::to_string(number) + " 0 obj\r\n" + body + "\r\nendobj\r\n";
    EXPECT_NE(std::string::npos, file.find(object)) << object;
  }
  EXPECT_TRUE(std::regex_search(
      file, std::regex("2 0 obj\r\n<<\r\n/Producer \\(PDF writer version 0.9\\)\r\n"
                       "/CreationDate \\(D:\\d{14}\\)\r\n/ModDate \\(D:\\d{14}\\)\r\n>>")));

  const size_t xref = file.find("xref\r\n0 7\r\n");
  ASSERT_NE(std::string::npos, xref);
  const size_t table = xref + 11;
  EXPECT_EQ("0000000000 65535 f\r\n", file.substr(table, 20));
  for (int i = 1; i < 7; ++i) {
    const std::string line = file.substr(table + 20 * i, 20);
    ASSERT_TRUE(std::regex_match(line, std::regex("\\d{10} 00000 n\r\n"))) << line;
    EXPECT_EQ(std::to_string(i) + " 0 obj",
              file.substr(std::stoul(line.substr(0, 10)), 7 + (i > 9)));
  }
  const std::string trailer = file.substr(table + 140);
  EXPECT_EQ("trailer\r\n<<\r\n/Size 7\r\n/Root 1 0 R\r\n/Info 2 0 R\r\n>>\r\nstartxref\r\n" +
                std::to_string(xref) + "\r\n%%EOF\r\n",
            trailer);
}

TEST(PdfDocTest, MisuseIsReportedWithItsMessage) {
  TPdfDoc doc;
  TMemoryStream stream;
  EXPECT_EQ("SaveToStream --there is no document to save.",
            MessageOf<EPdfInvalidOperation>([&] { doc.SaveToStream(stream); }));
  EXPECT_EQ("GetCanvas --Document is null", MessageOf<EPdfInvalidOperation>([&] { doc.Canvas(); }));
  EXPECT_EQ("GetInfo --this method can not use this state..",
            MessageOf<EPdfInvalidOperation>([&] { doc.Info(); }));
  EXPECT_EQ("GetRoot --this method can not use this state..",
            MessageOf<EPdfInvalidOperation>([&] { doc.Root(); }));
  EXPECT_EQ("GetOutlineRoot --document is null..",
            MessageOf<EPdfInvalidOperation>([&] { doc.OutlineRoot(); }));
  EXPECT_EQ("GetFont --document is null.",
            MessageOf<EPdfInvalidOperation>([&] { doc.GetFont("Arial"); }));
  EXPECT_EQ("AddPage --current pages null.",
            MessageOf<EPdfInvalidOperation>([&] { doc.AddPage(); }));

  doc.NewDoc();
  EXPECT_EQ("GetPage --the Page is nil",
            MessageOf<EPdfInvalidOperation>([&] { doc.SaveToStream(stream); }));
  EXPECT_EQ("GetOutlineRoot --not use outline mode..",
            MessageOf<EPdfInvalidOperation>([&] { doc.OutlineRoot(); }));
  EXPECT_EQ("AddObject --wrong object type.",
            MessageOf<EPdfInvalidOperation>([&] { doc.Xref()->AddObject(doc.Root()->Data()); }));
  doc.AddPage();
  EXPECT_NE("", SavedDocument(doc)) << "the document stays usable after failed calls";

  doc.FreeDoc();
  EXPECT_FALSE(doc.HasDoc());
  doc.NewDoc();
  EXPECT_EQ("GetPage --the Page is nil",
            MessageOf<EPdfInvalidOperation>([&] { doc.Canvas()->Page(); }))
      << "the page of the freed document is forgotten";
}

TEST(PdfDocTest, FontsAreMadeOncePerNameAndNumberedInOrder) {
  TPdfDoc doc;
  doc.NewDoc();
  TPdfFont* times = doc.GetFont("Times-Roman");
  EXPECT_EQ(times, doc.GetFont("Times-Roman"));
  TPdfFont* courier = doc.GetFont("FixedWidth");
  EXPECT_EQ(u"F0", times->Data()->PdfNameByName(u"Name")->Value());
  EXPECT_EQ(u"F1", courier->Data()->PdfNameByName(u"Name")->Value());
  EXPECT_EQ("Class PGothic not found", MessageOf<EClassNotFound>([&] { doc.GetFont("PGothic"); }));
  EXPECT_EQ(u"F2", doc.GetFont("Arial")->Data()->PdfNameByName(u"Name")->Value())
      << "a failed look-up takes no number";
}

TEST(PdfDocTest, FontsAskedForOnANewPageFollowArial) {
  TPdfDoc doc;
  doc.NewDoc();
  doc.AddPage();
  doc.Canvas()->SetFont("Chinese", 10);
  doc.Canvas()->SetFont("Arial-BoldItalic", 10);
  EXPECT_EQ("/F0 10 Tf\n/F1 10 Tf\n/F2 10 Tf\n", PageContents(doc));
  TPdfDictionary* fonts =
      doc.Canvas()->Page()->PdfDictionaryByName(u"Resources")->PdfDictionaryByName(u"Font");
  EXPECT_EQ(doc.GetFont("Chinese")->Data(), fonts->ValueByName(u"F1"));
  EXPECT_EQ(doc.GetFont("Arial-BoldItalic")->Data(), fonts->ValueByName(u"F2"));
}

TEST(PdfDocTest, ImagesAreRegisteredUnderUniqueNames) {
  TPdfDoc doc;
  doc.NewDoc();
  doc.AddPage();
  TPdfImage* first = NewImage(doc.Xref());
  doc.AddXObject(u"Im1", first);
  EXPECT_EQ(first, doc.GetXObject(u"Im1"));
  EXPECT_EQ(nullptr, doc.GetXObject(u"Im2"));

  std::unique_ptr<TPdfImage> second(NewImage(doc.Xref()));
  EXPECT_EQ("AddImage --the image named Im1 is already exists..",
            MessageOf<Exception>([&] { doc.AddXObject(u"Im1", second.get()); }));
  std::unique_ptr<TPdfImage> plain(new TPdfImage(doc.Xref()));
  EXPECT_EQ("AddImage --the image is not valid TPdfImage..",
            MessageOf<Exception>([&] { doc.AddXObject(u"Im3", plain.get()); }));
  EXPECT_EQ("RegisterXObject --AObject is null",
            MessageOf<EPdfInvalidValue>([&] { doc.RegisterXObject(nullptr, u"Im3"); }));
  EXPECT_EQ("RegisterXObject --not XObject",
            MessageOf<EPdfInvalidValue>([&] { doc.RegisterXObject(plain.get(), u"Im3"); }));
  TPdfImage* third = NewImage(doc.Xref());
  doc.Xref()->AddObject(third);
  EXPECT_EQ("RegisterXObject --dupulicate name: Im1",
            MessageOf<EPdfInvalidValue>([&] { doc.RegisterXObject(third, u"Im1"); }));

  doc.Canvas()->DrawXObject(10, 20, 100, 50, u"Im1");
  doc.Canvas()->DrawXObjectEx(10, 20, 100, 50, 15, 25, 40, 30, u"Im1");
  EXPECT_EQ(
      "/F0 10 Tf\nq\n100 0 0 50 10 20 cm\n/Im1 Do\nQ\n"
      "q\n15 25 40 30 re\nW\nn\n100 0 0 50 10 20 cm\n/Im1 Do\nQ\n",
      PageContents(doc));
  TPdfDictionary* xobjects =
      doc.Canvas()->Page()->PdfDictionaryByName(u"Resources")->PdfDictionaryByName(u"XObject");
  EXPECT_EQ(first, xobjects->ValueByName(u"Im1"));
  EXPECT_EQ(1, xobjects->ItemCount());
  EXPECT_EQ("DrawXObject --XObject not found: Im9",
            MessageOf<EPdfInvalidValue>([&] { doc.Canvas()->DrawXObject(0, 0, 1, 1, u"Im9"); }));
  EXPECT_EQ("DrawXObjectEx --XObject not found: Im9", MessageOf<EPdfInvalidValue>([&] {
              doc.Canvas()->DrawXObjectEx(0, 0, 1, 1, 0, 0, 1, 1, u"Im9");
            }));
}

TEST(PdfDocTest, InformationAndCatalogSettings) {
  TPdfDoc doc;
  doc.NewDoc();
  TPdfInfo* info = doc.Info();
  info->SetTitle(u"Setup sheet");
  EXPECT_EQ(u"Setup sheet", info->Title());
  EXPECT_EQ(u"", info->Author());
  info->SetModDate(EncodePdfDateTime(2026, 12, 8, 22, 45, 0));
  EXPECT_EQ(EncodePdfDateTime(2026, 12, 8, 22, 45, 0), info->ModDate());
  info->Data()->AddItem(u"ModDate", new TPdfText(u"yesterday"));
  EXPECT_EQ(0, info->ModDate());

  TPdfCatalog* root = doc.Root();
  EXPECT_EQ(plSinglePage, root->PageLayout());
  root->SetPageLayout(plTwoColumnRight);
  root->SetPageMode(pmUseThumbs);
  EXPECT_EQ(plTwoColumnRight, root->PageLayout());
  EXPECT_EQ(pmUseThumbs, root->PageMode());
  root->SetViewerPreference(0);
  EXPECT_EQ(nullptr, root->Data()->ValueByName(u"ViewerPreferences"))
      << "an empty set adds nothing";
  root->SetViewerPreference((1 << vpHideToolbar) | (1 << vpCenterWindow));
  root->SetNonFullScreenPageMode(pmUseOutlines);
  EXPECT_EQ((1 << vpHideToolbar) | (1 << vpCenterWindow), root->ViewerPreference());
  EXPECT_EQ(pmUseOutlines, root->NonFullScreenPageMode());
  root->SetNonFullScreenPageMode(pmFullScreen);
  EXPECT_EQ(pmUseNone, root->NonFullScreenPageMode());
  EXPECT_EQ("<<\r\n/HideToolbar true\r\n/CenterWindow true\r\n>>",
            Written(*root->Data()->PdfDictionaryByName(u"ViewerPreferences")));
  TPdfDictionary notPages(nullptr);
  root->SetPages(&notPages);
  EXPECT_EQ(u"Pages", DictionaryType(root->Pages())) << "only a page-tree node is taken";
  root->Data()->RemoveItem(u"Pages");
  EXPECT_EQ("GetPages --page object is null..",
            MessageOf<EPdfInvalidOperation>([&] { root->Pages(); }));
}

}  // namespace
