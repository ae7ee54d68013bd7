#include "scene/zr_stream_strict.h"

#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

[[noreturn]] void Fail(const std::string& Message, int Line) {
  throw EParserError(Message + " on line " + std::to_string(Line));
}

std::unique_ptr<TComponent> CreateRoot(TMemoryStream* Binary, int Line,
                                       const TClassInfo* FormClass) {
  std::string className;
  {
    TReader reader(Binary);
    className = reader.ReadRootClassName();
  }
  Binary->SetPosition(0);
  const TClassInfo* cls = GetClass(className);
  if (!cls) cls = FormClass;
  if (!cls) Fail("Class " + className + " not found", Line);
  std::unique_ptr<TObject> made(cls->Create(nullptr));
  auto* root = dynamic_cast<TComponent*>(made.get());
  if (!root) Fail("Class " + className + " is no component", Line);
  made.release();
  return std::unique_ptr<TComponent>(root);
}

}  // namespace

std::unique_ptr<TComponent> ReadObjectTextStrict(TStream* Text, const TClassInfo* FormClass) {
  TMemoryStream binary;
  std::vector<TStreamLine> lines;
  ObjectTextToBinary(Text, &binary, &lines);
  binary.SetPosition(0);
  std::unique_ptr<TComponent> root = CreateRoot(&binary, StreamLineAt(lines, 0), FormClass);
  TReader reader(&binary);
  reader.OnError = [&](const std::string& Message) -> bool {
    Fail(Message, StreamLineAt(lines, reader.ErrorPosition()));
  };
  reader.ReadRootComponent(root.get());
  return root;
}
