// A component's text form converted to XML in place: whatever the text, the
// stream then holds well-formed XML in UTF-16 with a byte-order mark and
// nothing after it.

#include <pugixml.hpp>

#include "chart/PlotXML.h"
#include "fuzz/fuzz_support.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemoryStream stream;
  if (Size > 0) stream.WriteBuffer(Data, int32_t(Size));
  stream.SetPosition(0);
  ConvertTextToXML(stream, true);
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  const int64_t size = stream.GetSize();
  FuzzCheck(size >= 2 && size % 2 == 0 && bytes[0] == 0xFF && bytes[1] == 0xFE,
            "UTF-16 with a byte-order mark");
  pugi::xml_document document;
  const pugi::xml_parse_result result =
      document.load_buffer(bytes, size_t(size), pugi::parse_default | pugi::parse_declaration);
  // A text without any object or property gives the header alone.
  FuzzCheck(result || result.status == pugi::status_no_document_element,
            "a well-formed document");
  return 0;
}
