#include "platform/rtl/Rtti.h"

#include <strings.h>

#include <map>

#include "platform/rtl/RttiDecl.h"

namespace {

bool SameText(const std::string& A, const std::string& B) {
  return A.size() == B.size() && strcasecmp(A.c_str(), B.c_str()) == 0;
}

[[noreturn]] void WrongKind(const char* Operation) {
  throw EPropertyError(std::string("Property does not support ") + Operation);
}

}  // namespace

// ---------------------------------------------------------------- enumerations

std::string TEnumInfo::NameOf(int64_t Value) const {
  if (Value < 0 || Value >= Count()) return "";
  return FNames[size_t(Value)];
}

int TEnumInfo::ValueOf(const std::string& Ident) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(FNames[size_t(i)], Ident)) return i;
  return -1;
}

const TEnumInfo& BooleanInfo() {
  static const TEnumInfo info("Boolean", {"False", "True"});
  return info;
}

// ---------------------------------------------------------------- accessors

int64_t TPropAccessor::GetOrd(const TObject*) const { WrongKind("ordinal values"); }
void TPropAccessor::SetOrd(TObject*, int64_t) const { WrongKind("ordinal values"); }
long double TPropAccessor::GetFloat(const TObject*) const { WrongKind("float values"); }
void TPropAccessor::SetFloat(TObject*, long double) const { WrongKind("float values"); }
std::string TPropAccessor::GetStr(const TObject*) const { WrongKind("text"); }
void TPropAccessor::SetStr(TObject*, const std::string&) const { WrongKind("text"); }
std::u16string TPropAccessor::GetWStr(const TObject*) const { WrongKind("wide text"); }
void TPropAccessor::SetWStr(TObject*, const std::u16string&) const { WrongKind("wide text"); }
TObject* TPropAccessor::GetObj(const TObject*) const { WrongKind("objects"); }
void TPropAccessor::SetObj(TObject*, TObject*) const { WrongKind("objects"); }
std::any TPropAccessor::GetEvent(const TObject*) const { WrongKind("events"); }
void TPropAccessor::SetEvent(TObject*, const std::any&) const { WrongKind("events"); }
TMethod TPropAccessor::GetMethod(const TObject*) const { return {}; }
Variant TPropAccessor::GetVariant(const TObject*) const { WrongKind("variants"); }
void TPropAccessor::SetVariant(TObject*, const Variant&) const { WrongKind("variants"); }

// ---------------------------------------------------------------- properties

bool TPropInfo::IsStored(const TObject* Instance) const {
  if (StoredFunc) return (*StoredFunc)(Instance);
  return StoredConst;
}

std::string TPropInfo::GetStr(const TObject* Instance) const {
  if (Kind == tkWString) return UTF16ToUTF8(Access->GetWStr(Instance));
  return Access->GetStr(Instance);
}

void TPropInfo::SetStr(TObject* Instance, const std::string& Value) const {
  if (Kind == tkWString) return Access->SetWStr(Instance, UTF8ToUTF16(Value));
  Access->SetStr(Instance, Value);
}

std::u16string TPropInfo::GetWStr(const TObject* Instance) const {
  if (Kind == tkString) return UTF8ToUTF16(Access->GetStr(Instance));
  return Access->GetWStr(Instance);
}

void TPropInfo::SetWStr(TObject* Instance, const std::u16string& Value) const {
  if (Kind == tkString) return Access->SetStr(Instance, UTF16ToUTF8(Value));
  Access->SetWStr(Instance, Value);
}

std::string TPropInfo::GetEnum(const TObject* Instance) const {
  if (Kind != tkEnumeration || !EnumType) WrongKind("identifiers");
  return EnumType->NameOf(GetOrd(Instance));
}

void TPropInfo::SetEnum(TObject* Instance, const std::string& Ident) const {
  if (Kind != tkEnumeration || !EnumType) WrongKind("identifiers");
  const int v = EnumType->ValueOf(Ident);
  if (v < 0) throw EPropertyError("Invalid property value '" + Ident + "' for " + Name);
  SetOrd(Instance, v);
}

std::vector<std::string> TPropInfo::GetSet(const TObject* Instance) const {
  if (Kind != tkSet || !EnumType) WrongKind("sets");
  const int64_t bits = GetOrd(Instance);
  std::vector<std::string> names;
  for (int i = 0; i < EnumType->Count() && i < 64; ++i)
    if (bits & (int64_t(1) << i)) names.push_back(EnumType->NameOf(i));
  return names;
}

void TPropInfo::SetSet(TObject* Instance, const std::vector<std::string>& Idents) const {
  if (Kind != tkSet || !EnumType) WrongKind("sets");
  int64_t bits = 0;
  for (const std::string& ident : Idents) {
    const int v = EnumType->ValueOf(ident);
    if (v < 0 || v >= 64) throw EPropertyError("Invalid set member '" + ident + "' for " + Name);
    bits |= int64_t(1) << v;
  }
  SetOrd(Instance, bits);
}

void TPropInfo::SetEvent(TObject* Instance, const std::any& Handler) const {
  if (Kind != tkMethod) WrongKind("events");
  if (Handler.has_value() && std::type_index(Handler.type()) != EventType)
    throw EPropertyError("Handler does not fit the event " + Name);
  Access->SetEvent(Instance, Handler);
}

void TPropInfo::SetMethod(TObject* Instance, const TMethod& Method) const {
  if (!Method.Code || !Method.Data) return SetEvent(Instance, std::any());
  if (Method.Code->Signature() != EventType)
    throw EPropertyError("Method " + Method.Code->Name() + " does not fit the event " + Name);
  Access->SetEvent(Instance, Method.Code->Bind(Method.Data));
}

Variant TPropInfo::GetValue(const TObject* Instance) const {
  switch (Kind) {
    case tkInteger:
    case tkInt64:
    case tkSet:
      return Variant(GetOrd(Instance));
    case tkEnumeration:
      if (EnumType == &BooleanInfo()) return Variant(GetOrd(Instance) != 0);
      return Variant(GetEnum(Instance));
    case tkFloat:
      return Variant(double(GetFloat(Instance)));
    case tkString:
      return Variant(Access->GetStr(Instance));
    case tkWString:
      return Variant(Access->GetWStr(Instance));
    case tkVariant:
      return Access->GetVariant(Instance);
    default:
      WrongKind("variant values");
  }
}

void TPropInfo::SetValue(TObject* Instance, const Variant& Value) const {
  switch (Kind) {
    case tkInteger:
    case tkInt64:
    case tkSet:
      return SetOrd(Instance, Value.ToInt64());
    case tkEnumeration:
      if (EnumType == &BooleanInfo()) return SetOrd(Instance, Value.ToBool() ? 1 : 0);
      if (Value.IsText()) return SetEnum(Instance, Value.ToString());
      return SetOrd(Instance, Value.ToInt64());
    case tkFloat:
      return SetFloat(Instance, Value.ToDouble());
    case tkString:
      return Access->SetStr(Instance, Value.ToString());
    case tkWString:
      return Access->SetWStr(Instance, Value.ToWideString());
    case tkVariant:
      return Access->SetVariant(Instance, Value);
    default:
      WrongKind("variant values");
  }
}

// ---------------------------------------------------------------- classes

TClassInfo::TClassInfo(std::string AName, const TClassInfo* AParent, TObjectFactory AFactory)
    : FName(std::move(AName)), FParent(AParent), FFactory(AFactory) {
  if (FParent) FAll = FParent->FAll;
}

bool TClassInfo::InheritsFrom(const TClassInfo* AClass) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    if (c == AClass) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(const std::string& AName) const {
  for (const TPropInfo* p : FAll)
    if (SameText(p->Name, AName)) return p;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const std::string& AName) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const auto& m : c->FMethods)
      if (SameText(m->Name(), AName)) return m.get();
  return nullptr;
}

void TClassInfo::AddProperty(TPropInfo Info) {
  FOwn.push_back(std::make_unique<TPropInfo>(std::move(Info)));
  const TPropInfo* added = FOwn.back().get();
  // A redeclared property keeps the place of the inherited one.
  for (const TPropInfo*& p : FAll)
    if (SameText(p->Name, added->Name)) {
      p = added;
      return;
    }
  FAll.push_back(added);
}

void TClassInfo::AddMethod(std::unique_ptr<TMethodInfo> Method) {
  FMethods.push_back(std::move(Method));
}

TPropInfo* TClassInfo::LastProperty() { return FOwn.empty() ? nullptr : FOwn.back().get(); }

// ---------------------------------------------------------------- base classes

const TClassInfo* TObject::Class() {
  static const TClassInfo* info = TClassDecl<TObject>("TObject", nullptr);
  return info;
}
const TClassInfo* TObject::ClassType() const { return Class(); }

const TClassInfo* TPersistent::Class() {
  static const TClassInfo* info = TClassDecl<TPersistent>("TPersistent", TObject::Class());
  return info;
}

const TClassInfo* TComponent::Class() {
  static const TClassInfo* info = TClassDecl<TComponent>("TComponent", TPersistent::Class())
                                      .Prop("Name", &TComponent::GetName, &TComponent::SetName)
                                      .Stored(false)
                                      .Prop("Tag", &TComponent::GetTag, &TComponent::SetTag)
                                      .Default(0);
  return info;
}

// ---------------------------------------------------------------- look-ups

const TPropInfo* GetPropInfo(const TObject* Instance, const std::string& Name) {
  return Instance ? Instance->ClassType()->FindProperty(Name) : nullptr;
}

TPropPath FindPropPath(TObject* Root, const std::string& Path) {
  TObject* current = Root;
  size_t start = 0;
  while (current) {
    const size_t dot = Path.find('.', start);
    const std::string segment = Path.substr(start, dot == std::string::npos ? dot : dot - start);
    const TPropInfo* prop = GetPropInfo(current, segment);
    if (!prop) return {};
    if (dot == std::string::npos) return {current, prop};
    if (prop->Kind != tkClass) return {};
    current = prop->GetObj(current);
    start = dot + 1;
  }
  return {};
}

static TPropPath RequirePath(TObject* Instance, const std::string& Path) {
  TPropPath p = FindPropPath(Instance, Path);
  if (!p) throw EPropertyError("Unknown property " + Path);
  return p;
}

Variant GetPropValue(TObject* Instance, const std::string& Path) {
  TPropPath p = RequirePath(Instance, Path);
  return p.Prop->GetValue(p.Instance);
}

void SetPropValue(TObject* Instance, const std::string& Path, const Variant& Value) {
  TPropPath p = RequirePath(Instance, Path);
  p.Prop->SetValue(p.Instance, Value);
}

TObject* GetObjectProp(TObject* Instance, const std::string& Path) {
  TPropPath p = RequirePath(Instance, Path);
  return p.Prop->GetObj(p.Instance);
}

void SetMethodProp(TObject* Instance, const std::string& EventPath, TObject* Data,
                   const std::string& MethodName) {
  TPropPath p = RequirePath(Instance, EventPath);
  const TMethodInfo* m = Data ? Data->ClassType()->FindMethod(MethodName) : nullptr;
  if (!m) throw EPropertyError("Unknown method " + MethodName);
  p.Prop->SetMethod(p.Instance, TMethod{Data, m});
}

// ---------------------------------------------------------------- registry

namespace {

struct CaseLess {
  bool operator()(const std::string& A, const std::string& B) const {
    return strcasecmp(A.c_str(), B.c_str()) < 0;
  }
};

std::map<std::string, const TClassInfo*, CaseLess>& Registry() {
  static std::map<std::string, const TClassInfo*, CaseLess> registry;
  return registry;
}

}  // namespace

void RegisterClass(const TClassInfo* AClass) {
  if (AClass) Registry()[AClass->Name()] = AClass;
}

void RegisterClassAlias(const TClassInfo* AClass, const std::string& Alias) {
  if (AClass) Registry()[Alias] = AClass;
}

void UnRegisterClass(const TClassInfo* AClass) {
  if (!AClass) return;
  std::erase_if(Registry(), [AClass](const auto& entry) { return entry.second == AClass; });
}

const TClassInfo* GetClass(const std::string& Name) {
  auto it = Registry().find(Name);
  return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo* FindClass(const std::string& Name) {
  const TClassInfo* c = GetClass(Name);
  if (!c) throw EClassNotFound("Class " + Name + " not found");
  return c;
}
