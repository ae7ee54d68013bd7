// Text object streams (forms, style files, pasted text): converted and read
// into a node as the toolkit's loads do; whatever converts to binary must
// convert to text again.

#include <exception>

#include "fuzz/fuzz_support.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_object.h"
#include "scene/zr_stream_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  RegisterSceneClasses();
  {
    TResourceStream in(Data, Size);
    TzrObject* made = CreateObjectFromStream(nullptr, &in);
    delete made;
  }
  TResourceStream in(Data, Size);
  TMemoryStream binary;
  try {
    ObjectTextToBinary(&in, &binary);
  } catch (const std::exception&) {
    return 0;
  }
  binary.SetPosition(0);
  TMemoryStream text;
  try {
    ObjectBinaryToText(&binary, &text);
  } catch (const std::exception&) {
    FuzzCheck(false, "the binary stream converted from text converts back to text");
  }
  return 0;
}
