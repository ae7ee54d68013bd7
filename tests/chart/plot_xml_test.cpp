// The component text to XML conversion: the document is parsed back with
// pugixml and compared as a compact tree (name[attributes](children)).

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <pugixml.hpp>
#include <string>

#include "chart/PlotXML.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

namespace {

// The stream's bytes as text: UTF-16LE after the byte-order mark, which must be there.
std::string DecodeXml(TMemoryStream& stream) {
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  const int64_t size = stream.GetSize();
  EXPECT_GE(size, 2);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  EXPECT_EQ(size % 2, 0);
  std::u16string units;
  for (int64_t i = 2; i + 1 < size; i += 2) units.push_back(char16_t(bytes[i] | bytes[i + 1] << 8));
  return UTF16ToUTF8(units);
}

std::string Convert(const std::string& text, bool header = false) {
  TMemoryStream stream;
  stream.WriteBuffer(text.data(), int32_t(text.size()));
  stream.SetPosition(0);
  ConvertTextToXML(stream, header);
  return DecodeXml(stream);
}

std::string Describe(const pugi::xml_node& node) {
  std::string text = node.name();
  if (node.first_attribute()) {
    text += "[";
    for (pugi::xml_attribute a : node.attributes())
      text += std::string(a == node.first_attribute() ? "" : ",") + a.name() + "=" + a.value();
    text += "]";
  }
  std::string children;
  for (pugi::xml_node child : node.children())
    if (child.type() == pugi::node_element)
      children += (children.empty() ? "" : " ") + Describe(child);
  return children.empty() ? text : text + "(" + children + ")";
}

// The document's elements as a compact tree; fails when it is not well-formed.
std::string Tree(const std::string& xml) {
  pugi::xml_document doc;
  pugi::xml_parse_result result = doc.load_buffer(
      xml.data(), xml.size(), pugi::parse_default | pugi::parse_declaration, pugi::encoding_utf8);
  EXPECT_TRUE(result) << result.description() << " in\n" << xml;
  std::string text;
  for (pugi::xml_node child : doc.children())
    if (child.type() == pugi::node_element) text += (text.empty() ? "" : " ") + Describe(child);
  return text;
}

struct XmlCase {
  const char* what;
  const char* text;
  const char* tree;
};

const XmlCase kCases[] = {
    {"object without properties", "object Chart1: TChart\nend\n", "TChart[Name=Chart1]"},
    {"object without a name", "object TChart\nend\n", "TChart"},
    {"blank lines", "\n\nobject Chart1: TChart\n\n  Left = 10\n\n\nend\n\n",
     "TChart[Name=Chart1](Left[value=10])"},
    {"shared path closed by a plain property",
     "object Chart1: TChart\n  Title.Font.Color = clRed\n  Title.Font.Height = -11\n"
     "  Left = 10\nend\n",
     "TChart[Name=Chart1](Title(Font(Color[value=clRed] Height[value=-11])) Left[value=10])"},
    {"path changing at the second part",
     "object C: TChart\n  A.B.X = 1\n  A.C.Y = 2\n  A.Z = 3\nend\n",
     "TChart[Name=C](A(B(X[value=1]) C(Y[value=2]) Z[value=3]))"},
    {"path closed before an object",
     "object Form1: TForm\n  Font.Name = 'Arial'\n  object Chart1: TChart\n    Left = 1\n"
     "  end\nend\n",
     "TForm[Name=Form1](Font(Name[value='Arial']) TChart[Name=Chart1](Left[value=1]))"},
    {"list", "object M: TMemo\n  Text.Strings = (\n    'A'\n    'B')\n  Left = 2\nend\n",
     "TMemo[Name=M](Text(Strings(String[value='A'] String[value='B'])) Left[value=2])"},
    {"binary list", "object I: TImage\n  Data = {\n    0A0B\n    0C}\nend\n",
     "TImage[Name=I](Data(String[value=0A0B] String[value=0C]))"},
    {"empty collection", "object C: TChart\n  Items = <>\nend\n", "TChart[Name=C](Items[value=])"},
    {"collection",
     "object C: TChart\n  Items = <\n    item\n      Text = 'x'\n      Width = 5\n    end\n"
     "    item\n      Text = 'y'\n    end>\n  Left = 3\nend\n",
     "TChart[Name=C](Items(item(Text[value='x'] Width[value=5]) item(Text[value='y'])) "
     "Left[value=3])"},
    {"nested objects",
     "object F: TForm\n  object A: TPanel\n    object B: TLabel\n    end\n  end\n"
     "  Top = 4\nend\n",
     "TForm[Name=F](TPanel[Name=A](TLabel[Name=B]) Top[value=4])"},
    {"object line at the end", "object Chart1: TChart\n  Left = 1\n  object Series1: TLineSeries",
     "TChart[Name=Chart1](Left[value=1] TLineSeries[Name=Series1])"},
    {"property named Object", "object C: TChart\n  ObjectIndex = 3\nend\n",
     "TChart[Name=C](ObjectIndex[value=3])"},
    {"a line without property keeps the path open",
     "object C: TChart\n  A.X = 1\n  'stray'\n  A.Y = 2\nend\n",
     "TChart[Name=C](A(X[value=1] Y[value=2]))"},
    {"end without object", "end\nobject C: TChart\nend\nend\n", "TChart[Name=C]"},
    {"string continuation line is passed over",
     "object L: TLabel\n  Caption = 'ab' +\n    'c.d'\n  Left = 1\nend\n",
     "TLabel[Name=L](Caption[value='ab' +] Left[value=1])"},
};

TEST(ConvertTextToXML, GivesTheDocumentOfEachText) {
  for (const XmlCase& c : kCases) EXPECT_EQ(Tree(Convert(c.text)), c.tree) << c.what;
}

TEST(ConvertTextToXML, WritesAnObjectWithoutPropertiesAsOneEmptyElement) {
  const std::string xml = Convert("object Chart1: TChart\nend\n");
  EXPECT_EQ(xml, "<TChart Name=\"Chart1\" />\n");
}

TEST(ConvertTextToXML, IndentsByTwoSpaces) {
  const std::string xml = Convert("object C: TChart\n  Title.Font.Color = clRed\nend\n");
  EXPECT_EQ(xml,
            "<TChart Name=\"C\">\n  <Title>\n    <Font>\n      <Color value=\"clRed\" />\n"
            "    </Font>\n  </Title>\n</TChart>\n");
}

TEST(ConvertTextToXML, HeaderNamesTheEncodingTheDocumentIsWrittenIn) {
  EXPECT_EQ(PlotDefaultXMLEncoding(), "UTF-16");
  EXPECT_EQ(PlotXMLHeader("UTF-16"), "<?xml version=\"1.0\" encoding=\"UTF-16\"?>");
  EXPECT_EQ(PlotXMLHeader(""), "<?xml version=\"1.0\"?>");

  const std::string with = Convert("object C: TChart\nend\n", true);
  EXPECT_EQ(with.rfind("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<TChart", 0), 0u) << with;
  const std::string without = Convert("object C: TChart\nend\n", false);
  EXPECT_EQ(without.rfind("<TChart", 0), 0u) << without;
}

TEST(ConvertTextToXML, EscapesValuesAndTheyComeBackAsTheyWere) {
  const std::string xml = Convert("object L: TLabel\n  Caption = 'a\"<b&c>'\nend\n");
  EXPECT_NE(xml.find("&lt;b&amp;c"), std::string::npos) << xml;
  EXPECT_NE(xml.find("&quot;"), std::string::npos) << xml;
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(xml.c_str()));
  EXPECT_STREQ(doc.child("TLabel").child("Caption").attribute("value").value(), "'a\"<b&c>'");
}

TEST(ConvertTextToXML, ReadsUtf16TextWithItsByteOrderMark) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : UTF8ToUTF16("object L: TLabel\r\n  Caption = 'Grüße 图'\r\nend\r\n")) {
    bytes.push_back(char(unit & 0xFF));
    bytes.push_back(char(unit >> 8));
  }
  EXPECT_EQ(Tree(Convert(bytes)), "TLabel[Name=L](Caption[value='Grüße 图'])");
}

TEST(ConvertTextToXML, StreamEndsWhereTheXmlEnds) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "plot_xml_padded.txt").string();
  const std::string text = "object C: TChart\nend\n" + std::string(4000, '\n');
  {
    TFileStream file(path, fmCreate);
    file.WriteBuffer(text.data(), int32_t(text.size()));
  }
  {
    TFileStream file(path, fmOpenReadWrite);
    ConvertTextToXML(file, true);
  }
  TMemoryStream result;
  result.LoadFromFile(path);
  std::remove(path.c_str());
  const std::string xml = DecodeXml(result);
  EXPECT_EQ(xml, "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<TChart Name=\"C\" />\n");
}

TEST(StringsStack, PushReturnsTheIndexAndPopTheLastText) {
  TStringsStack stack;
  EXPECT_EQ(stack.Pop(), "");
  EXPECT_EQ(stack.Push("a"), 0);
  EXPECT_EQ(stack.Push("b"), 1);
  EXPECT_EQ(stack.Push("a"), 2);  // duplicates are kept
  EXPECT_EQ(stack.Pop(), "a");
  EXPECT_EQ(stack.Pop(), "b");
  EXPECT_EQ(stack.Count(), 1);
}

}  // namespace
