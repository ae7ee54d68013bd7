// Text forms (the form resources under resources/forms/, designs loaded from
// files) with every class the program's forms name: converted to the binary
// form, read into a fresh form as the program's windows read theirs, and
// freed with the form, its scenes and their controls.

#include <exception>
#include <memory>

#include "app/SceneForms.h"
#include "fuzz/fuzz_support.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_scene_forms.h"
#include "scene/zr_stream_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  RegisterSceneFormClasses();
  TResourceStream in(Data, Size);
  TMemoryStream binary;
  try {
    ObjectTextToBinary(&in, &binary);
  } catch (const std::exception&) {
    return 0;
  }
  binary.SetPosition(0);
  auto form = std::make_unique<TForm>(nullptr);
  try {
    (void)ReadFormStream(form.get(), &binary);
  } catch (const std::exception&) {
    // A stream that breaks off mid-way keeps what was read before it.
  }
  form.reset();
  return 0;
}
