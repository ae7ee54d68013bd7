#pragma once
// A small XML document over pugixml: load from a file or text, the root
// element, child lists, element text. Nodes are light handles into their
// document: they stay valid until the document loads again or is freed.

#include <string>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

namespace pugi {
struct xml_node_struct;
class xml_document;
}  // namespace pugi

class EXMLDocError : public Exception {
 public:
  using Exception::Exception;
};

class TXmlNodeList;

// An element, or the null node (which reads as empty).
class TXmlNode {
 public:
  TXmlNode() = default;
  explicit TXmlNode(pugi::xml_node_struct* node) : FNode(node) {}
  bool IsNull() const { return FNode == nullptr; }
  std::string NodeName() const;
  // The element's text (its first text or CDATA child); empty for the null node.
  std::string Text() const;
  TXmlNodeList ChildNodes() const;

 private:
  pugi::xml_node_struct* FNode = nullptr;
};

// The child elements of one element.
class TXmlNodeList {
 public:
  TXmlNodeList() = default;
  explicit TXmlNodeList(pugi::xml_node_struct* parent) : FParent(parent) {}
  int Count() const;
  TXmlNode Item(int index) const;
  // The first child element of that name, or the null node.
  TXmlNode FindNode(const std::string& name) const;

 private:
  pugi::xml_node_struct* FParent = nullptr;
};

class TXMLDocument : public TComponent {
 public:
  explicit TXMLDocument(TComponent* AOwner = nullptr);
  ~TXMLDocument() override;
  std::string ClassName() const override { return "TXMLDocument"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Replaces the document; raises EXMLDocError (the document is then empty)
  // when the file cannot be read or is not well-formed.
  void LoadFromFile(const std::string& fileName);
  void LoadFromXML(const std::string& text);
  void Clear();
  // The root element, or the null node when the document is empty.
  TXmlNode DocumentElement() const;

 private:
  pugi::xml_document* FDocument;
};
