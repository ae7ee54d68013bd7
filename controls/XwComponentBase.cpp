#include "controls/XwComponentBase.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TXwComponent::Class() {
  static const TClassInfo* info =
      TClassDecl<TXwComponent>("TXwComponent", TComponent::Class())
          .Prop("AboutXW", &TXwComponent::GetAboutXW, &TXwComponent::SetAboutXW)
          .Stored(false);
  return info;
}

std::string TXwCustomThread::QualifiedThreadName() const {
  if (FThreadName.empty()) return ClassName();
  return FThreadName + " {" + ClassName() + "}";
}

void TXwCustomThread::NameThread(const std::string& name, int threadId) {
  // Linux names a thread from inside it only; other ids are not reachable.
  if (threadId != -1) return;
  NameThreadForDebugging(name);
}

void TXwCustomThread::NameThread(const std::u16string& name, int threadId) {
  NameThread(UTF16ToUTF8(name), threadId);
}
