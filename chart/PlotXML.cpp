#include "chart/PlotXML.h"

#include <cstdint>
#include <pugixml.hpp>
#include <sstream>
#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

int TStringsStack::Push(const std::string& value) { return Add(value); }

std::string TStringsStack::Pop() {
  if (Count() == 0) return std::string();
  std::string top = Get(Count() - 1);
  Delete(Count() - 1);
  return top;
}

// The document is always written as UTF-16 (little-endian, with a byte-order
// mark), so the header names that whatever the locale.
std::string PlotDefaultXMLEncoding() { return "UTF-16"; }

std::string PlotXMLHeader(const std::string& encoding) {
  std::string header = "<?xml version=\"1.0\"";
  if (!encoding.empty()) header += " encoding=\"" + encoding + "\"";
  return header + "?>";
}

namespace {

std::string Trim(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return text;
}

// Whether pugixml may write text as an element or attribute name as it
// stands: names of the text form are identifiers, anything else (a broken
// line) is passed over so that the document stays well-formed.
bool IsXmlName(const std::string& text) {
  if (text.empty()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
    bool other = (c >= '0' && c <= '9') || c == '.' || c == '-';
    if (!letter && !(i > 0 && other)) return false;
  }
  return true;
}

std::vector<std::string> SplitParts(const std::string& text) {
  std::vector<std::string> parts;
  std::string::size_type start = 0, dot;
  while ((dot = text.find('.', start)) != std::string::npos) {
    parts.push_back(Trim(text.substr(start, dot - start)));
    start = dot + 1;
  }
  parts.push_back(Trim(text.substr(start)));
  return parts;
}

// The stream's text from its position: UTF-16 with a byte-order mark, else
// UTF-8 (a UTF-8 byte-order mark is skipped).
std::string ReadText(TStream& stream) {
  const int64_t size = stream.GetSize() - stream.GetPosition();
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  const bool le = bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE;
  const bool be = bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFE && uint8_t(bytes[1]) == 0xFF;
  if (le || be) {
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      uint8_t lo = uint8_t(bytes[le ? i : i + 1]), hi = uint8_t(bytes[le ? i + 1 : i]);
      units.push_back(char16_t(lo | (hi << 8)));
    }
    return UTF16ToUTF8(units);
  }
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  return bytes;
}

void WriteUtf16(TStream& stream, const std::string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : UTF8ToUTF16(text)) {
    bytes.push_back(char(unit & 0xFF));
    bytes.push_back(char(unit >> 8));
  }
  stream.SetPosition(0);
  stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  stream.SetSize(static_cast<int64_t>(bytes.size()));
}

// One conversion: walks the input lines and builds the element tree. The
// stacks follow the open "object" elements and property-path elements; the
// current node is where the next element goes.
class TTextToXml {
 public:
  TTextToXml(const TStringList& lines, pugi::xml_node root)
      : FLines(lines), FRoot(root), FNode(root) {}

  void Run() {
    while (FIndex < FLines.Count()) {
      std::string line = Trim(FLines[FIndex++]);
      if (line.empty()) continue;
      if (IsObjectLine(line)) {
        ObjectLine(line);
      } else if (Upper(line) == "END") {
        EndLine();
      } else {
        PropertyLine(line);
      }
    }
  }

 private:
  // "object Name: Class", or "object Class"; a property named Object... is
  // not an object line.
  static bool IsObjectLine(const std::string& line) {
    return line.size() > 7 && Upper(line.substr(0, 6)) == "OBJECT" &&
           (line[6] == ' ' || line[6] == '\t');
  }

  void ObjectLine(const std::string& line) {
    std::string rest = Trim(line.substr(6)), name, cls = rest;
    const auto colon = rest.find(':');
    if (colon != std::string::npos) {
      name = Trim(rest.substr(0, colon));
      cls = Trim(rest.substr(colon + 1));
    }
    ClosePath(0);
    if (!IsXmlName(cls)) return;
    pugi::xml_node node = FNode.append_child(cls.c_str());
    if (colon != std::string::npos) node.append_attribute("Name").set_value(name.c_str());
    // An object without properties is one empty element; its end line is used up.
    if (FIndex < FLines.Count() && Upper(Trim(FLines[FIndex])) == "END") {
      ++FIndex;
      return;
    }
    FNode = node;
    FObjects.Push(cls);
  }

  void EndLine() {
    ClosePath(0);
    if (FObjects.Count() == 0) return;  // an end without its object
    FObjects.Pop();
    Up();
  }

  void PropertyLine(const std::string& line) {
    const auto eq = line.find('=');
    const std::string name = line.substr(0, eq);
    const auto lastDot = name.rfind('.');
    if (eq == std::string::npos && lastDot == std::string::npos) return;  // no property
    std::string rest = line;
    if (lastDot == std::string::npos) {
      ClosePath(0);
    } else {
      if (!OpenPath(SplitParts(name.substr(0, lastDot)))) return;
      rest = line.substr(lastDot + 1);
    }
    if (eq == std::string::npos) return;
    const auto restEq = rest.find('=');
    const std::string prop = Trim(rest.substr(0, restEq));
    const std::string value = rest.substr(restEq + 1);
    if (!IsXmlName(prop)) return;
    const std::string trimmed = Trim(value);
    if (trimmed == "(" || trimmed == "{") return ListLines(prop);
    if (trimmed == "<") return CollectionLines(prop);
    // The text form puts one blank after "="; "<>" is an empty collection.
    std::string text = !value.empty() && value[0] == ' ' ? value.substr(1) : value;
    if (trimmed == "<>") text.clear();
    FNode.append_child(prop.c_str()).append_attribute("value").set_value(text.c_str());
  }

  // Keeps the open path elements that match parts from the outermost on,
  // closes the others and opens the rest of parts.
  bool OpenPath(const std::vector<std::string>& parts) {
    for (const std::string& part : parts)
      if (!IsXmlName(part)) return false;
    for (size_t k = 0; k < parts.size(); ++k) {
      if (int(k) < FPath.Count() && FPath[int(k)] == parts[k]) continue;
      ClosePath(int(k));
      FPath.Push(parts[k]);
      FNode = FNode.append_child(parts[k].c_str());
    }
    ClosePath(int(parts.size()));
    return true;
  }

  // Closes path elements until keep are left open.
  void ClosePath(int keep) {
    while (FPath.Count() > keep) {
      FPath.Pop();
      Up();
    }
  }

  // A list: one String element per line up to the line ending in ")" or "}".
  void ListLines(const std::string& name) {
    pugi::xml_node list = FNode.append_child(name.c_str());
    std::string line;
    while (FIndex < FLines.Count()) {
      line = Trim(FLines[FIndex++]);
      const bool last = !line.empty() && (line.back() == ')' || line.back() == '}');
      if (last) line.pop_back();
      list.append_child("String").append_attribute("value").set_value(line.c_str());
      if (last) break;
    }
  }

  // A collection: items of simple properties up to the line "end>".
  void CollectionLines(const std::string& name) {
    pugi::xml_node node = FNode.append_child(name.c_str());
    TStringsStack items;
    while (FIndex < FLines.Count()) {
      const std::string line = Trim(FLines[FIndex++]);
      const std::string upper = Upper(line);
      const auto eq = line.find('=');
      if (eq != std::string::npos) {
        const std::string prop = Trim(line.substr(0, eq));
        if (IsXmlName(prop))
          node.append_child(prop.c_str())
              .append_attribute("value")
              .set_value(Trim(line.substr(eq + 1)).c_str());
      } else if (upper == "END" || upper == "END>") {
        if (items.Count() > 0) {
          items.Pop();
          node = node.parent();
        }
        if (upper == "END>") break;
      } else if (IsXmlName(line)) {
        items.Push(line);
        node = node.append_child(line.c_str());
      }
    }
  }

  void Up() {
    if (FNode != FRoot) FNode = FNode.parent();
  }

  const TStringList& FLines;
  int FIndex = 0;
  pugi::xml_node FRoot;
  pugi::xml_node FNode;
  TStringsStack FObjects;
  TStringsStack FPath;
};

}  // namespace

void ConvertTextToXML(TStream& stream, bool xmlHeader) {
  TStringList lines;
  lines.SetText(ReadText(stream));
  pugi::xml_document document;
  TTextToXml(lines, document).Run();
  std::ostringstream xml;
  if (xmlHeader) xml << PlotXMLHeader(PlotDefaultXMLEncoding()) << '\n';
  document.save(xml, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
  WriteUtf16(stream, xml.str());
}
