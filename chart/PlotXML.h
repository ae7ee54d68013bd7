#pragma once
// The text form of a streamed component ("object" lines, "Name = Value"
// property lines, lists, collections and "end" lines) converted to an XML
// document, in place in the stream that holds the text.
//
// The document is built with pugixml, so element names and attribute values
// are written (and escaped) by it, indented by two spaces, and saved as
// UTF-16 little-endian with a byte-order mark; the header, when asked for,
// names that encoding.

#include <string>

#include "platform/rtl/StringList.h"

class TStream;

// A stack of texts held in the list's lines; the top is the last line.
class TStringsStack : public TStringList {
 public:
  std::string ClassName() const override { return "TStringsStack"; }
  // Appends value and returns its index.
  int Push(const std::string& value);
  // Removes and returns the last text; the empty text when the stack is empty.
  std::string Pop();
};

// The encoding the converted document is written in: "UTF-16".
std::string PlotDefaultXMLEncoding();
// <?xml version="1.0" encoding="..."?>, without the encoding part when
// encoding is empty.
std::string PlotXMLHeader(const std::string& encoding);

// Replaces the component text in stream (read from its position, UTF-8 or
// UTF-16 with a byte-order mark) by its XML form; the stream then ends where
// the XML ends. Errors of the stream propagate.
void ConvertTextToXML(TStream& stream, bool xmlHeader);
