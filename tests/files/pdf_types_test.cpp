// The PDF object model: written forms, ownership and the text rules.

#include <gtest/gtest.h>

#include "files/PdfTypes.h"
#include "tests/files/pdf_test_util.h"

namespace {

struct BodyCase {
  const char* Label;
  std::unique_ptr<TPdfObject> (*Make)();
  std::string Expected;
};

std::unique_ptr<TPdfObject> DictionaryWithInternal() {
  auto dict = std::make_unique<TPdfDictionary>(nullptr);
  dict->AddNumberItem(u"A", 1);
  dict->AddInternalItem(u"_Hidden", new TPdfNumber(2));
  dict->AddItem(u"B", new TPdfBoolean(false));
  return dict;
}

const BodyCase kBodies[] = {
    {"empty array",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfArray>(nullptr); }, "[]"},
    {"empty dictionary",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfDictionary>(nullptr); },
     "<<\r\n>>"},
    {"internal element unwritten", DictionaryWithInternal, "<<\r\n/A 1\r\n/B false\r\n>>"},
    {"number array",
     []() -> std::unique_ptr<TPdfObject> {
       return std::unique_ptr<TPdfObject>(TPdfArray::CreateNumArray(nullptr, {0, 0, 596, -842}));
     },
     "[0 0 596 -842 ]"},
    {"null", []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfNull>(); }, "null"},
    {"name with blank",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfName>(u"A B"); }, "/A#20B"},
    {"name with slash",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfName>(u"a/b"); }, "/a#2Fb"},
    {"name e acute",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfName>(u"\u00E9"); }, "/#E9"},
    {"name chinese",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfName>(u"\u4E2D"); },
     "/#4E2D"},
    {"name delimiters",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfName>(u"#%()<>[]{}~"); },
     "/#23#25#28#29#3C#3E#5B#5D#7B#7D~"},
    {"string escapes",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfString>(u"a(b)\\c"); },
     "(a\\(b\\)\\\\c)"},
    {"string controls",
     []() -> std::unique_ptr<TPdfObject> {
       return std::make_unique<TPdfString>(u"1\n2\r3\t4\b5\f");
     },
     "(1\\n2\\r3\\t4\\b5\\f)"},
    {"string outside the BMP",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfString>(u"A\U0001F600"); },
     "<41D83DDE00>"},
    {"string in Windows-1252",
     []() -> std::unique_ptr<TPdfObject> {
       return std::make_unique<TPdfString>(u"\u00E9\u20AC\u4E2D");
     },
     "(\xE9\x80?)"},
    {"text plain",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfText>(u"Title (1)"); },
     "(Title \\(1\\))"},
    {"text outside the BMP",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfText>(u"A\U0001F600"); },
     "<FEFF0041D83DDE00>"},
    {"text in Windows-1252",
     []() -> std::unique_ptr<TPdfObject> {
       return std::make_unique<TPdfText>(u"Caf\u00E9 \u20AC");
     },
     "(Caf\xE9 \x80)"},
    {"text outside Windows-1252",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfText>(u"\u6D4B(\u8BD5)"); },
     "<FEFF6D4B00288BD50029>"},
    {"real whole", []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfReal>(10.0); },
     "10"},
    {"real fraction",
     []() -> std::unique_ptr<TPdfObject> { return std::make_unique<TPdfReal>(0.75); }, "0.75"},
};

TEST(PdfObjectTest, BodiesOfEveryKind) {
  for (const BodyCase& c : kBodies) {
    auto object = c.Make();
    EXPECT_EQ(c.Expected, Written(*object)) << c.Label;
  }
}

TEST(PdfObjectTest, IndirectObjectsWriteReferencesAndNumberedValues) {
  TTestXref xref;
  auto* number = new TPdfNumber(7);
  xref.AddObject(number);
  EXPECT_EQ(otIndirectObject, number->ObjectType());
  EXPECT_EQ("1 0 R", Written(*number));
  TMemoryStream stream;
  number->WriteValueToStream(stream);
  EXPECT_EQ("1 0 obj\r\n7\r\nendobj\r\n", StreamBytes(stream));

  TPdfNumber direct(3);
  try {
    direct.WriteValueToStream(stream);
    FAIL() << "a direct object has no numbered form";
  } catch (const EPdfInvalidOperation& e) {
    EXPECT_STREQ("internal error wrong object type", e.what());
  }
  direct.SetObjectNumber(0);
  EXPECT_EQ(otDirectObject, direct.ObjectType());
}

TEST(PdfObjectTest, DictionaryReplacesKeysAndResolvesPlaceholders) {
  TTestXref xref;
  auto* target = new TPdfName(u"Target");
  xref.AddObject(target);
  TPdfDictionary dict(&xref);
  dict.AddNumberItem(u"A", 1);
  dict.AddNumberItem(u"B", 2);
  dict.AddItem(u"Ref", target);
  dict.AddNumberItem(u"A", 3);  // replaces and moves to the end
  EXPECT_EQ("<<\r\n/B 2\r\n/Ref 1 0 R\r\n/A 3\r\n>>", Written(dict));
  EXPECT_EQ(target, dict.ValueByName(u"Ref"));
  EXPECT_EQ(target, dict.PdfNameByName(u"Ref"));
  EXPECT_EQ(nullptr, dict.PdfNumberByName(u"Ref")) << "another kind is not taken for a number";
  EXPECT_EQ(nullptr, dict.ValueByName(u"a")) << "keys match exactly";
  dict.RemoveItem(u"missing");
  dict.RemoveItem(u"B");
  EXPECT_EQ(2, dict.ItemCount());

  TPdfDictionary orphan(nullptr);
  orphan.AddItem(u"Ref", target);
  EXPECT_EQ(nullptr, orphan.ValueByName(u"Ref")) << "no manager resolves nothing";

  try {
    dict.AddItem(u"Empty", nullptr);
    FAIL();
  } catch (const EPdfInvalidValue& e) {
    EXPECT_STREQ("internal error. wrong object.", e.what());
  }
  EXPECT_EQ(2, dict.ItemCount()) << "a refused value leaves the old elements";
  EXPECT_EQ(u"", DictionaryType(&dict));
  dict.AddNameItem(u"Type", u"Page");
  EXPECT_EQ(u"Page", DictionaryType(&dict));
}

TEST(PdfObjectTest, DictionaryRefusesADirectValueItHolds) {
  // Taken again it would be freed with the element it replaces, or owned
  // twice; either way writing or freeing the dictionary would touch freed
  // memory.
  TPdfDictionary dict(nullptr);
  auto* value = new TPdfNumber(1);
  dict.AddItem(u"A", value);
  dict.AddNumberItem(u"B", 2);
  dict.AddItem(u"A", value);
  dict.AddItem(u"C", value);
  EXPECT_EQ("<<\r\n/A 1\r\n/B 2\r\n>>", Written(dict));
  EXPECT_EQ(value, dict.ValueByName(u"A"));
  EXPECT_EQ(nullptr, dict.ValueByName(u"C"));
}

TEST(PdfObjectTest, ArrayAddsDirectObjectsOnceAndIndirectOnesAsPlaceholders) {
  TTestXref xref;
  TPdfArray array(&xref);
  auto* direct = new TPdfName(u"X");
  array.AddItem(direct);
  array.AddItem(direct);
  auto* indirect = new TPdfName(u"Y");
  xref.AddObject(indirect);
  array.AddItem(indirect);
  array.AddItem(indirect);
  EXPECT_EQ("[/X 1 0 R 1 0 R ]", Written(array));
  EXPECT_EQ(indirect, array.Items(1));
  EXPECT_EQ(indirect, array.FindName(u"Y"));
  EXPECT_EQ(nullptr, array.FindName(u"y"));
  EXPECT_THROW(array.AddItem(nullptr), EPdfInvalidValue);
  EXPECT_TRUE(array.RemoveName(u"X"));
  EXPECT_FALSE(array.RemoveName(u"X"));
  EXPECT_EQ("[1 0 R 1 0 R ]", Written(array));
}

TEST(PdfObjectTest, StreamDropsFlateDecodeAndCountsItsBytes) {
  TTestXref xref;
  TPdfStream stream(&xref);
  TPdfArray* filter = stream.Attributes()->PdfArrayByName(u"Filter");
  ASSERT_NE(nullptr, filter);
  filter->AddItem(new TPdfName(u"FlateDecode"));
  filter->AddItem(new TPdfName(u"DCTDecode"));
  const std::string data = "BT\n(x) Tj\nET\n";
  stream.Stream()->WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
  EXPECT_EQ("<<\r\n/Length 13\r\n/Filter [/DCTDecode ]\r\n>>\r\nstream\r\n" + data + "\nendstream",
            Written(stream));

  TPdfBinary binary;
  binary.Stream()->WriteBuffer("\x00\xFF", 2);
  EXPECT_EQ(std::string("\x00\xFF", 2), Written(binary));
}

TEST(PdfTextTest, CodePagesAndEscapesAfterEncoding) {
  // 乗 is 0x81 0x5C in GBK: its second byte must be escaped, not taken as an escape.
  EXPECT_EQ("\xD6\xD0\x81\x5C", EncodeText(u"\u4E2D\u4E57", TPdfEncoding::GBK));
  EXPECT_EQ("(\xD6\xD0\x81\\\\)", LiteralString(u"\u4E2D\u4E57", TPdfEncoding::GBK));
  // ソ is 0x83 0x5C in Shift-JIS.
  EXPECT_EQ("(\x83\\\\A)", LiteralString(u"\u30BDA", TPdfEncoding::ShiftJIS));
  EXPECT_EQ("(\x80?)", LiteralString(u"\u20AC\u4E2D", TPdfEncoding::Win1252));
  EXPECT_EQ("a?b", EncodeText(u"a\xD800"
                              u"b",
                              TPdfEncoding::GBK))
      << "a lone surrogate";

  EXPECT_FALSE(HasWideChars(u"\u4E2D\u6587"));
  EXPECT_TRUE(HasWideChars(u"\U0001F600"));
  EXPECT_EQ("414E2D", HexOfCodes(u"A\u4E2D"));
  EXPECT_EQ("00414E2D", HexOfUtf16(u"A\u4E2D"));
}

TEST(PdfTextTest, FormatRealRoundsHalvesAwayFromZero) {
  const std::pair<double, const char*> cases[] = {
      {12.345, "12.35"},
      {10, "10"},
      {0.85, "0.85"},
      {-1.234, "-1.23"},
      {-1.235, "-1.24"},
      {-0.001, "0"},
      {0.004999, "0"},
      {596, "596"},
      {12.345f, "12.35"},
      {-0.85f, "-0.85"},
      {1234567.891, "1234567.89"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(expected, FormatReal(value)) << value;
}

TEST_F(CommaLocaleTest, NumbersKeepThePointUnderACommaLocale) {
  TPdfReal real(2.5);
  EXPECT_EQ("2.5", Written(real));
  EXPECT_EQ("0.85", FormatReal(0.85));
}

TEST(PdfTextTest, DatesOfSixteenCharacters) {
  const TDateTime date = EncodePdfDateTime(2026, 12, 8, 22, 45, 0);
  EXPECT_EQ("D:20261208224500", FormatPdfDate(date));
  EXPECT_DOUBLE_EQ(date, ParsePdfDate("D:20261208224500"));
  EXPECT_EQ("D:20240229000059", FormatPdfDate(ParsePdfDate("D:20240229000059")));
  for (const char* bad : {"D:2026120822450", "D:20261208224500Z", "D:2026120822450x",
                          "D:20261308224500", "D:20260230000000"})
    EXPECT_THROW(ParsePdfDate(bad), EConvertError) << bad;
}

}  // namespace
