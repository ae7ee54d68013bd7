#include "platform/xml/XMLDoc.h"

#include <pugixml.hpp>

#include "platform/rtl/RttiDecl.h"

std::string TXmlNode::NodeName() const { return pugi::xml_node(FNode).name(); }

std::string TXmlNode::Text() const { return pugi::xml_node(FNode).text().get(); }

TXmlNodeList TXmlNode::ChildNodes() const { return TXmlNodeList(FNode); }

int TXmlNodeList::Count() const {
  int n = 0;
  for (pugi::xml_node child : pugi::xml_node(FParent).children())
    if (child.type() == pugi::node_element) ++n;
  return n;
}

TXmlNode TXmlNodeList::Item(int index) const {
  for (pugi::xml_node child : pugi::xml_node(FParent).children())
    if (child.type() == pugi::node_element && index-- == 0)
      return TXmlNode(child.internal_object());
  return TXmlNode();
}

TXmlNode TXmlNodeList::FindNode(const std::string& name) const {
  return TXmlNode(pugi::xml_node(FParent).child(name.c_str()).internal_object());
}

// A form holds the document as a non-visual component; it has no stored
// properties of its own.
const TClassInfo* TXMLDocument::Class() {
  static const TClassInfo* info = TClassDecl<TXMLDocument>("TXMLDocument", TComponent::Class());
  return info;
}

TXMLDocument::TXMLDocument(TComponent* AOwner)
    : TComponent(AOwner), FDocument(new pugi::xml_document) {}

TXMLDocument::~TXMLDocument() { delete FDocument; }

namespace {

void Check(const pugi::xml_parse_result& result, const std::string& what, pugi::xml_document& doc) {
  if (result) return;
  doc.reset();
  throw EXMLDocError(what + ": " + result.description() + " at offset " +
                     std::to_string(result.offset));
}

}  // namespace

void TXMLDocument::LoadFromFile(const std::string& fileName) {
  Check(FDocument->load_file(fileName.c_str()), fileName, *FDocument);
}

void TXMLDocument::LoadFromXML(const std::string& text) {
  Check(FDocument->load_buffer(text.data(), text.size()), "XML text", *FDocument);
}

void TXMLDocument::Clear() { FDocument->reset(); }

TXmlNode TXMLDocument::DocumentElement() const {
  return TXmlNode(FDocument->document_element().internal_object());
}
