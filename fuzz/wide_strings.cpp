// Wide string lists read from files (UTF-16 with a mark, else Windows-1252).

#include "platform/rtl/Streams.h"
#include "scene/zr_strings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TResourceStream in(Data, Size);
  TzrWideStringList list;
  list.LoadFromStream(in);
  TMemoryStream out;
  list.SaveToStream(out);
  return 0;
}
