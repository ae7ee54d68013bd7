// Binary object streams ("TPF0"): read into a node as the toolkit's loads do,
// and converted to text; whatever converts to text must convert back.

#include <exception>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_object.h"
#include "scene/zr_stream_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  RegisterSceneClasses();
  {
    TResourceStream in(Data, Size);
    TzrObject* made = CreateObjectFromBinStream(nullptr, &in);
    delete made;
  }
  TResourceStream in(Data, Size);
  TMemoryStream text;
  try {
    ObjectBinaryToText(&in, &text);
  } catch (const std::exception&) {
    return 0;
  }
  text.SetPosition(0);
  TMemoryStream back;
  try {
    ObjectTextToBinary(&text, &back);
  } catch (const std::exception&) {
    FuzzCheck(false, "the text written from a binary stream reads back");
  }
  return 0;
}
