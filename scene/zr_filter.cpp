#include "scene/zr_filter.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* DefaultFilterClass = nullptr;

const TClassInfo* TzrFilter::Class() {
  static const TClassInfo* info = TClassDecl<TzrFilter>("TzrFilter", TPersistent::Class());
  return info;
}

namespace {

std::unique_ptr<TzrFilter> MakeFilter(const TClassInfo* AFilterClass) {
  if (!AFilterClass || !AFilterClass->InheritsFrom(TzrFilter::Class())) return nullptr;
  TObject* made = AFilterClass->Create(nullptr);
  auto* filter = dynamic_cast<TzrFilter*>(made);
  if (!filter) delete made;
  return std::unique_ptr<TzrFilter>(filter);
}

}  // namespace

std::unique_ptr<TzrFilter> zrCreateFilter() { return MakeFilter(DefaultFilterClass); }

std::string zrFilterFileTypes(const TClassInfo* AFilterClass) {
  std::unique_ptr<TzrFilter> filter = MakeFilter(AFilterClass);
  return filter ? filter->GetFileTypes() : std::string();
}
