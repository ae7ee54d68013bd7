// PDF fonts: registration, widths, written dictionaries, the CID width list.

#include <gtest/gtest.h>

#include <memory>

#include "files/PdfFontData.h"
#include "files/PdfGBFonts.h"
#include "files/PdfJpFonts.h"
#include "tests/files/pdf_test_util.h"

namespace {

std::unique_ptr<TPdfFont> MakeFont(TTestXref& AXref, const std::string& AName) {
  std::unique_ptr<TPdfFont> font(dynamic_cast<TPdfFont*>(FindClass(AName)->Create(nullptr)));
  if (!font) throw Exception(AName + " is not a font");
  font->Create(&AXref, AName);
  return font;
}

int Width(TPdfFont& AFont, const std::u16string& AText, int APos = 1) {
  return AFont.GetCharWidth(AText, APos);
}

TEST(PdfFontsTest, StandardFontWidths) {
  TTestXref xref;
  struct Case {
    const char* Font;
    char16_t Char;
    int Width;
  } cases[] = {
      {"Arial", u'A', 667},
      {"Arial", u' ', 278},
      {"Arial", 160, 0},
      {"Arial", 173, 0},
      {"Arial", 127, 0},
      {"Arial", 0x20AC, 556},
      {"Arial-Bold", u'A', 722},
      {"Arial-BoldItalic", 160, 0},
      {"Times-Roman", u'A', 722},
      {"Times-Roman", u' ', 250},
      {"Times-Roman", 160, 0},
      {"Times-Bold", 141, 0},
      {"Times-Italic", 0x20AC, 500},
      {"Arial", 0xE9, 556},
      {"Arial", 0x4E2D, 556},  // shown as "?"
  };
  for (const Case& c : cases) {
    auto font = MakeFont(xref, c.Font);
    EXPECT_EQ(c.Width, Width(*font, std::u16string(1, c.Char))) << c.Font << " " << int(c.Char);
  }
  for (const char* name : {"Arial", "Arial-Bold", "Arial-Italic", "Arial-BoldItalic", "Times-Roman",
                           "Times-Bold", "Times-Italic", "Times-BoldItalic"}) {
    auto font = MakeFont(xref, name);
    for (char16_t code : {127, 129, 141, 143, 144, 157, 160, 173})
      EXPECT_EQ(0, Width(*font, std::u16string(1, code))) << name << " " << int(code);
    EXPECT_LT(0, Width(*font, u"\u017D")) << name << ": Zcaron at 142 is measured";
  }
  for (const char* name :
       {"FixedWidth", "FixedWidth-Bold", "FixedWidth-Italic", "FixedWidth-BoldItalic"}) {
    auto font = MakeFont(xref, name);
    for (char16_t code = 32; code <= 255; ++code)
      ASSERT_EQ(600, Width(*font, std::u16string(1, code))) << name << " " << int(code);
  }
}

TEST(PdfFontsTest, StandardFontDictionaryKeepsItsWidthsInternal) {
  TTestXref xref;
  auto font = MakeFont(xref, "Arial-BoldItalic");
  EXPECT_EQ("Arial-BoldItalic", font->Name());
  EXPECT_EQ(font->Data(), xref.GetObject(1));
  TMemoryStream stream;
  font->Data()->WriteValueToStream(stream);
  EXPECT_EQ(
      "1 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /Type1\r\n/Encoding /WinAnsiEncoding\r\n/FirstChar "
      "32\r\n"
      "/LastChar 255\r\n/BaseFont /Helvetica-BoldOblique\r\n>>\r\nendobj\r\n",
      StreamBytes(stream));
  EXPECT_EQ(224, font->Data()->PdfArrayByName(u"Widths")->ItemCount());
}

TEST(PdfFontsTest, RegistryOffersTheFontsByName) {
  for (const char* name : {"Arial", "Times-BoldItalic", "FixedWidth-Italic", "Chinese", "Gothic",
                           "Gothic,BoldItalic", "Mincyo,Bold"})
    EXPECT_NE(nullptr, GetClass(name)) << name;
  for (const char* name : {"PGothic", "PMincyo,Bold", "Helvetica"})
    EXPECT_EQ(nullptr, GetClass(name)) << name;
  try {
    FindClass("PGothic");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ("Class PGothic not found", e.what());
  }
  UnRegisterPdfGBFonts();
  EXPECT_EQ(nullptr, GetClass("Chinese"));
  RegisterPdfGBFonts();
  EXPECT_NE(nullptr, GetClass("Chinese"));
}

TEST(PdfFontsTest, ChineseIsThreeConsecutiveDictionaries) {
  TTestXref xref;
  auto font = MakeFont(xref, "Chinese");
  EXPECT_EQ(TPdfEncoding::GBK, font->Encoding());
  TMemoryStream stream;
  for (int i = 1; i <= 3; ++i) xref.GetObject(i)->WriteValueToStream(stream);
  EXPECT_EQ(
      "1 0 obj\r\n<<\r\n/BaseFont /Chinese\r\n/DescendantFonts [2 0 R ]\r\n/Type /Font\r\n/Subtype "
      "/Type0\r\n"
      "/Encoding /GBK-EUC-H\r\n>>\r\nendobj\r\n"
      "2 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /CIDFontType2\r\n/WinCharSet /128\r\n/BaseFont "
      "/Chinese\r\n"
      "/CIDSystemInfo <<\r\n/Registry (Adobe)\r\n/Ordering (GB1)\r\n/Supplement 2\r\n>>\r\n/DW "
      "1000\r\n"
      "/W [231 631 500 ]\r\n/FontDescriptor 3 0 R\r\n>>\r\nendobj\r\n"
      "3 0 obj\r\n<<\r\n/Type /FontDescriptor\r\n/BaseFont /Chinese\r\n/Ascent 859\r\n/CapHeight "
      "859\r\n"
      "/Descent -141\r\n/MissingWidth 500\r\n/Flags 5\r\n/ItalicAngle 0\r\n/StemV 78\r\n"
      "/FontBBox [0 -141 1000 859 ]\r\n>>\r\nendobj\r\n",
      StreamBytes(stream));
}

TEST(PdfFontsTest, CompositeWidths) {
  TTestXref xref;
  auto chinese = MakeFont(xref, "Chinese");
  const std::u16string text = u"\u4E2DA\U0001F600";
  EXPECT_EQ(500, Width(*chinese, text, 1));
  EXPECT_EQ(500, Width(*chinese, text, 2));
  EXPECT_EQ(1000, Width(*chinese, text, 3)) << "a leading surrogate measures DW";
  EXPECT_EQ(0, Width(*chinese, text, 4)) << "a trailing surrogate measures nothing";

  auto gothic = MakeFont(xref, "Gothic,BoldItalic");
  EXPECT_EQ(TPdfEncoding::ShiftJIS, gothic->Encoding());
  EXPECT_EQ(500, Width(*gothic, u"A"));
  EXPECT_EQ(500, Width(*gothic, u"\u4E57"));
  auto* descriptor = dynamic_cast<TPdfDictionary*>(xref.GetObject(6));
  ASSERT_NE(nullptr, descriptor);
  EXPECT_EQ(262149, descriptor->PdfNumberByName(u"Flags")->Value());
  EXPECT_EQ(-11, descriptor->PdfNumberByName(u"ItalicAngle")->Value());
  EXPECT_EQ(156, descriptor->PdfNumberByName(u"StemV")->Value());
}

TEST(PdfFontsTest, JapaneseCMapRowsAsPublished) {
  ASSERT_GE(Pdf90msRKSJHCount, 170);
  const TPdfCMapRange first[] = {{0x00, 0x1F, 231, true},
                                 {0x20, 0x7D, 231, false},
                                 {0x7E, 0x7E, 631, false},
                                 {0x8140, 0x817E, 633, false}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(first[i].First, Pdf90msRKSJH[i].First) << i;
    EXPECT_EQ(first[i].Last, Pdf90msRKSJH[i].Last) << i;
    EXPECT_EQ(first[i].Cid, Pdf90msRKSJH[i].Cid) << i;
    EXPECT_EQ(first[i].SingleCid, Pdf90msRKSJH[i].SingleCid) << i;
  }
  EXPECT_EQ(231, JpFixedCodeToCid(0x05)) << "notdef rows map every code to one CID";
  EXPECT_EQ(231 + 0x21, JpFixedCodeToCid(0x41));
  EXPECT_EQ(634, JpFixedCodeToCid(0x8141));
  EXPECT_EQ(326, JpFixedCodeToCid(0xA0)) << "the half-width range";
  EXPECT_EQ(0, JpFixedCodeToCid(0xFFFF));
  EXPECT_EQ(231 + 0x21, JpFixedCharToCMap(u"A", 1));
  EXPECT_EQ(JpFixedCodeToCid(0x8FE6), JpFixedCharToCMap(u"\u4E57", 1)) << "by the Shift-JIS code";
  EXPECT_EQ(-1, JpFixedCharToCMap(u"\U0001F600", 2));
}

// A composite font whose "W" array a test writes.
class TTestWFont : public TPdfType0Font {
 public:
  static constexpr TPdfCompositeFace kFace = {u"Test", 5, 0, 78};
  explicit TTestWFont(TPdfArray* (*AMakeW)(TPdfObjectMgr*))
      : TPdfType0Font(kFace), FMakeW(AMakeW) {}
  void Create(TPdfObjectMgr* AXref, const std::string& AName) override {
    TPdfFont::Create(AXref, AName);
    CreateComposite(AXref, u"GB1", u"GB-EUC-H");
    // Each character's code is its CID.
    SetCharToCMap(
        [](const std::u16string& AText, int APos) { return static_cast<int>(AText[APos - 1]); });
  }

 protected:
  void AddWidthEntries(TPdfDictionary* ADescendant) override {
    ADescendant->AddItem(u"W", FMakeW(ADescendant->ObjectMgr()));
  }

 private:
  TPdfArray* (*FMakeW)(TPdfObjectMgr*);
};

TEST(PdfFontsTest, WidthListRunsAndRanges) {
  TTestXref xref;
  TTestWFont font([](TPdfObjectMgr* m) {
    auto* w = TPdfArray::CreateNumArray(m, {10});
    w->AddItem(TPdfArray::CreateNumArray(m, {100, 200, 300}));
    for (int v : {20, 22, 700}) w->AddItem(new TPdfNumber(v));
    w->AddItem(new TPdfNumber(99));  // a lone last item ends the reading
    return w;
  });
  font.Create(&xref, "Test");
  const std::vector<std::pair<char16_t, int>> cases = {{9, 500},  {10, 100}, {11, 200}, {12, 300},
                                                       {13, 500}, {20, 700}, {22, 700}, {23, 500}};
  for (const auto& [cid, width] : cases)
    EXPECT_EQ(width, font.GetCharWidth(std::u16string(1, cid), 1)) << int(cid);
  EXPECT_EQ(4u, font.WidthItems().size());
}

TEST(PdfFontsTest, MalformedWidthListsAreRefused) {
  struct Case {
    TPdfArray* (*MakeW)(TPdfObjectMgr*);
    const char* Message;
  } cases[] = {
      {[](TPdfObjectMgr* m) {
         auto* w = new TPdfArray(m);
         w->AddItem(new TPdfName(u"x"));
         return w;
       },
       "invalid W array start pos.."},
      {[](TPdfObjectMgr* m) {
         return TPdfArray::CreateNumArray(m, {1, 5});
       },
       "invalid W array end pos.."},
      {[](TPdfObjectMgr* m) {
         auto* w = TPdfArray::CreateNumArray(m, {1, 5});
         w->AddItem(new TPdfName(u"x"));
         return w;
       },
       "invalid W array end pos.."},
      {[](TPdfObjectMgr* m) {
         auto* w = TPdfArray::CreateNumArray(m, {1});
         w->AddItem(new TPdfName(u"x"));
         return w;
       },
       "invalid W array value.."},
  };
  for (const Case& c : cases) {
    TTestXref xref;
    TTestWFont font(c.MakeW);
    try {
      font.Create(&xref, "Test");
      ADD_FAILURE() << c.Message;
    } catch (const EPdfInvalidValue& e) {
      EXPECT_STREQ(c.Message, e.what());
    }
  }
}

}  // namespace
