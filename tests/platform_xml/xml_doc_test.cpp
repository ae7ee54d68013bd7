// The XML document: root, child lists, element text, errors.

#include <gtest/gtest.h>

#include "platform/xml/XMLDoc.h"

namespace {

TEST(XmlDocTest, ReadsChildrenAndText) {
  TXMLDocument doc;
  doc.LoadFromXML(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Root><!-- c --><Software>"
      "<Version>V1.3.0</Version><Url><![CDATA[http://a/x.exe|http://a/y]]></Url></Software>"
      "<Database><Version>2026-01-05</Version></Database></Root>");
  const TXmlNode root = doc.DocumentElement();
  EXPECT_EQ(root.NodeName(), "Root");
  const TXmlNodeList children = root.ChildNodes();
  EXPECT_EQ(children.Count(), 2);
  EXPECT_EQ(children.Item(1).NodeName(), "Database");
  EXPECT_TRUE(children.Item(2).IsNull());
  const TXmlNodeList software = children.FindNode("Software").ChildNodes();
  EXPECT_EQ(software.FindNode("Version").Text(), "V1.3.0");
  EXPECT_EQ(software.FindNode("Url").Text(), "http://a/x.exe|http://a/y");
  // Missing elements, and children of missing elements, read as empty.
  EXPECT_TRUE(software.FindNode("ReadmeEn").IsNull());
  EXPECT_EQ(software.FindNode("ReadmeEn").Text(), "");
  EXPECT_EQ(children.FindNode("Other").ChildNodes().FindNode("Version").Text(), "");
  EXPECT_EQ(children.FindNode("Other").ChildNodes().Count(), 0);
}

TEST(XmlDocTest, BadInputRaisesAndEmptiesTheDocument) {
  TXMLDocument doc;
  doc.LoadFromXML("<a><b>1</b></a>");
  EXPECT_THROW(doc.LoadFromXML("<a><b>1</a>"), EXMLDocError);
  EXPECT_TRUE(doc.DocumentElement().IsNull());
  EXPECT_THROW(doc.LoadFromXML(""), EXMLDocError);
  EXPECT_THROW(doc.LoadFromFile("/nonexistent/version_control.xml"), EXMLDocError);
}

}  // namespace
