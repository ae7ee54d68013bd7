#include "scene/zr_stream.h"

#include <strings.h>

#include <cmath>
#include <cstring>

#include "platform/rtl/Collection.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Forms.h"

namespace {

bool SameText(const std::string& A, const std::string& B) {
  return A.size() == B.size() && strcasecmp(A.c_str(), B.c_str()) == 0;
}

[[noreturn]] void ReadError(const std::string& Message) { throw EObjectStreamError(Message); }

const char* const Signature = "TPF0";

const TIdentMap* IdentsOf(const TPropInfo* Prop) { return Prop->Idents; }

}  // namespace

const TIdentMap& CursorIdents() {
  static const TIdentMap map = {
      {0, "crDefault"},     {-1, "crNone"},       {-2, "crArrow"},    {-3, "crCross"},
      {-4, "crIBeam"},      {-5, "crSize"},       {-6, "crSizeNESW"}, {-7, "crSizeNS"},
      {-8, "crSizeNWSE"},   {-9, "crSizeWE"},     {-10, "crUpArrow"}, {-11, "crHourGlass"},
      {-12, "crDrag"},      {-13, "crNoDrop"},    {-14, "crHSplit"},  {-15, "crVSplit"},
      {-16, "crMultiDrag"}, {-17, "crSQLWait"},   {-18, "crNo"},      {-19, "crAppStart"},
      {-20, "crHelp"},      {-21, "crHandPoint"}, {-22, "crSizeAll"},
  };
  return map;
}

// ---------------------------------------------------------------- extended floats

void ExtendedToBytes(long double Value, uint8_t Bytes[10]) {
  uint64_t mantissa = 0;
  uint16_t exponent = 0;
  const bool negative = std::signbit(Value);
  const long double a = std::fabs(Value);
  if (std::isnan(a)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(a)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (a != 0) {
    int e = 0;
    const long double m = std::frexp(a, &e);  // a = m * 2^e, m in [0.5, 1)
    int biased = e - 1 + 16383;
    long double scaled = std::ldexp(m, 64);  // in [2^63, 2^64)
    if (biased <= 0) {                       // subnormal: shift the mantissa down
      scaled = std::ldexp(scaled, biased - 1);
      biased = 0;
    }
    if (biased >= 0x7FFF) {
      exponent = 0x7FFF;
      mantissa = 0x8000000000000000ull;
    } else {
      exponent = uint16_t(biased);
      mantissa = uint64_t(scaled);
    }
  }
  for (int i = 0; i < 8; ++i) Bytes[i] = uint8_t(mantissa >> (8 * i));
  const uint16_t top = uint16_t(exponent | (negative ? 0x8000 : 0));
  Bytes[8] = uint8_t(top);
  Bytes[9] = uint8_t(top >> 8);
}

long double BytesToExtended(const uint8_t Bytes[10]) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= uint64_t(Bytes[i]) << (8 * i);
  const uint16_t top = uint16_t(Bytes[8] | (Bytes[9] << 8));
  const bool negative = (top & 0x8000) != 0;
  const int exponent = top & 0x7FFF;
  long double v;
  if (exponent == 0x7FFF)
    v = (mantissa << 1) == 0 ? HUGE_VALL : NAN;
  else if (exponent == 0)
    v = std::ldexp((long double)mantissa, 1 - 16383 - 63);
  else
    v = std::ldexp((long double)mantissa, exponent - 16383 - 63);
  return negative ? -v : v;
}

TValueType StringValueType(const std::string& Utf8) {
  if (Utf8.empty()) return TValueType::WString;
  bool ascii = true;
  size_t units = 0;
  for (size_t i = 0; i < Utf8.size(); ++i) {
    const uint8_t c = uint8_t(Utf8[i]);
    if (c >= 0x80) ascii = false;
    if ((c & 0xC0) != 0x80) units += (c >= 0xF0) ? 2 : 1;  // 4-byte forms take a surrogate pair
  }
  if (ascii) return Utf8.size() <= 255 ? TValueType::String : TValueType::LString;
  return Utf8.size() >= 2 * units ? TValueType::WString : TValueType::UTF8String;
}

// ================================================================ reader

TReader::TReader(TStream* AStream) : FStream(AStream) {
  FStart = FStream->GetPosition();
  const int64_t size = FStream->GetSize();
  const int64_t rest = size > FStart ? size - FStart : 0;
  if (auto* memory = dynamic_cast<TCustomMemoryStream*>(FStream)) {
    FData = static_cast<const uint8_t*>(memory->Memory()) + FStart;
    FSize = size_t(rest);
    return;
  }
  // Other streams are read whole once, so that every length can be checked.
  FOwned.resize(size_t(rest));
  size_t got = 0;
  while (got < FOwned.size()) {
    const int32_t chunk = int32_t(std::min<size_t>(FOwned.size() - got, 1 << 20));
    const int32_t n = FStream->Read(FOwned.data() + got, chunk);
    if (n <= 0) break;
    got += size_t(n);
  }
  FOwned.resize(got);
  FData = FOwned.data();
  FSize = got;
}

TReader::~TReader() {
  // Leave the stream right after what was consumed.
  try {
    FStream->SetPosition(FStart + int64_t(FPos));
  } catch (...) {
  }
}

void TReader::Need(size_t Count) {
  if (Count > FSize - FPos) ReadError("Stream read error: the data ends early");
}

uint8_t TReader::ReadByte() {
  Need(1);
  return FData[FPos++];
}

void TReader::ReadBytes(void* Buffer, size_t Count) {
  Need(Count);
  if (Count) std::memcpy(Buffer, FData + FPos, Count);
  FPos += Count;
}

std::string TReader::ReadShortString() {
  const size_t n = ReadByte();
  Need(n);
  std::string s(reinterpret_cast<const char*>(FData + FPos), n);
  FPos += n;
  return s;
}

TValueType TReader::NextValue() {
  Need(1);
  const uint8_t tag = FData[FPos];
  if (tag > MaxValueTag) ReadError("Invalid stream format: value tag " + std::to_string(tag));
  return TValueType(tag);
}

TValueType TReader::ReadValue() {
  const TValueType v = NextValue();
  ++FPos;
  return v;
}

void TReader::CheckValue(TValueType Value) {
  if (ReadValue() != Value) {
    --FPos;
    throw EPropertyError("Invalid property value");
  }
}

bool TReader::EndOfList() {
  // Also asked where a name (length byte) may follow: no tag check here.
  Need(1);
  return FData[FPos] == 0;
}

void TReader::ReadListBegin() { CheckValue(TValueType::List); }

void TReader::ReadListEnd() { CheckValue(TValueType::Null); }

void TReader::EnterNesting() {
  if (FNesting >= MaxStreamNesting) ReadError("Invalid stream format: nesting too deep");
  ++FNesting;
}

int64_t TReader::ReadInt64() {
  switch (ReadValue()) {
    case TValueType::Int8: {
      int8_t v;
      ReadBytes(&v, 1);
      return v;
    }
    case TValueType::Int16: {
      uint8_t b[2];
      ReadBytes(b, 2);
      return int16_t(b[0] | (b[1] << 8));
    }
    case TValueType::Int32: {
      uint8_t b[4];
      ReadBytes(b, 4);
      return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                     (uint32_t(b[3]) << 24));
    }
    case TValueType::Int64: {
      uint8_t b[8];
      ReadBytes(b, 8);
      uint64_t v = 0;
      for (int i = 0; i < 8; ++i) v |= uint64_t(b[i]) << (8 * i);
      return int64_t(v);
    }
    default:
      --FPos;
      throw EPropertyError("Invalid property value: an integer was expected");
  }
}

int32_t TReader::ReadInteger() {
  const size_t start = FPos;
  const int64_t v = ReadInt64();
  if (v < INT32_MIN || v > INT32_MAX) {
    FPos = start;
    throw EPropertyError("Integer value out of range");
  }
  return int32_t(v);
}

long double TReader::ReadFloat() {
  switch (NextValue()) {
    case TValueType::Extended: {
      ++FPos;
      uint8_t b[10];
      ReadBytes(b, 10);
      return BytesToExtended(b);
    }
    case TValueType::Single: {
      ++FPos;
      float f;
      ReadBytes(&f, 4);
      return f;
    }
    case TValueType::Double:
    case TValueType::Date: {
      ++FPos;
      double d;
      ReadBytes(&d, 8);
      return d;
    }
    case TValueType::Currency: {
      ++FPos;
      int64_t c;
      ReadBytes(&c, 8);
      return (long double)c / 10000;
    }
    default:
      return (long double)ReadInt64();
  }
}

std::string TReader::ReadString() {
  const TValueType tag = ReadValue();
  switch (tag) {
    case TValueType::String:
      return ReadShortString();
    case TValueType::LString:
    case TValueType::UTF8String: {
      uint32_t n;
      ReadBytes(&n, 4);
      Need(n);
      std::string s(reinterpret_cast<const char*>(FData + FPos), n);
      FPos += n;
      return s;
    }
    case TValueType::WString:
      --FPos;
      return UTF16ToUTF8(ReadWideString());
    default:
      --FPos;
      throw EPropertyError("Invalid property value: a text was expected");
  }
}

std::u16string TReader::ReadWideString() {
  if (NextValue() != TValueType::WString) return UTF8ToUTF16(ReadString());
  ++FPos;
  uint32_t n;
  ReadBytes(&n, 4);
  if (n > (FSize - FPos) / 2) ReadError("Stream read error: the data ends early");
  std::u16string s(n, u'\0');
  for (uint32_t i = 0; i < n; ++i)
    s[i] = char16_t(FData[FPos + 2 * i] | (FData[FPos + 2 * i + 1] << 8));
  FPos += size_t(n) * 2;
  return s;
}

bool TReader::ReadBoolean() {
  const TValueType v = ReadValue();
  if (v == TValueType::True) return true;
  if (v == TValueType::False) return false;
  --FPos;
  throw EPropertyError("Invalid property value: a Boolean was expected");
}

std::string TReader::ReadIdent() {
  switch (ReadValue()) {
    case TValueType::Ident:
      return ReadShortString();
    case TValueType::False:
      return "False";
    case TValueType::True:
      return "True";
    case TValueType::Nil:
      return "nil";
    case TValueType::Null:
      return "Null";
    default:
      --FPos;
      throw EPropertyError("Invalid property value: an identifier was expected");
  }
}

void TReader::SkipValue() {
  const TValueType tag = ReadValue();
  switch (tag) {
    case TValueType::Null:
    case TValueType::False:
    case TValueType::True:
    case TValueType::Nil:
      return;
    case TValueType::List:
      EnterNesting();
      while (!EndOfList()) SkipValue();
      ++FPos;
      --FNesting;
      return;
    case TValueType::Int8:
      return Need(1), void(FPos += 1);
    case TValueType::Int16:
      return Need(2), void(FPos += 2);
    case TValueType::Int32:
    case TValueType::Single:
      return Need(4), void(FPos += 4);
    case TValueType::Int64:
    case TValueType::Currency:
    case TValueType::Date:
    case TValueType::Double:
      return Need(8), void(FPos += 8);
    case TValueType::Extended:
      return Need(10), void(FPos += 10);
    case TValueType::String:
    case TValueType::Ident:
      ReadShortString();
      return;
    case TValueType::Binary:
    case TValueType::LString:
    case TValueType::UTF8String: {
      uint32_t n;
      ReadBytes(&n, 4);
      Need(n);
      FPos += n;
      return;
    }
    case TValueType::WString: {
      uint32_t n;
      ReadBytes(&n, 4);
      if (n > (FSize - FPos) / 2) ReadError("Stream read error: the data ends early");
      FPos += size_t(n) * 2;
      return;
    }
    case TValueType::Set:
      while (!ReadShortString().empty()) {
      }
      return;
    case TValueType::Collection:
      EnterNesting();
      while (!EndOfList()) {
        const TValueType v = NextValue();
        if (v == TValueType::Int8 || v == TValueType::Int16 || v == TValueType::Int32) SkipValue();
        if (ReadValue() != TValueType::List) ReadError("Invalid stream format: collection item");
        while (!EndOfList()) {
          ReadShortString();
          SkipValue();
        }
        ++FPos;
      }
      ++FPos;
      --FNesting;
      return;
  }
}

void TReader::ReadSignature() {
  char sig[4];
  ReadBytes(sig, 4);
  if (std::memcmp(sig, Signature, 4) != 0) ReadError("Invalid stream format: no TPF0 signature");
}

void TReader::ReadPrefix(int& Flags, int& Position) {
  Flags = 0;
  Position = -1;
  Need(1);
  if ((FData[FPos] & 0xF0) != 0xF0) return;
  Flags = FData[FPos++] & 0x0F;
  if (Flags & 2) {
    const TValueType v = NextValue();
    if (v != TValueType::Int8 && v != TValueType::Int16 && v != TValueType::Int32)
      ReadError("Invalid stream format: child position");
    Position = int(ReadInt64());
  }
}

std::string TReader::ReadRootClassName() {
  ReadSignature();
  int flags, position;
  ReadPrefix(flags, position);
  return ReadShortString();
}

void TReader::HandleError(const std::exception& Error) {
  if (dynamic_cast<const EObjectStreamError*>(&Error)) throw;
  if (!OnError || !OnError(Error.what())) throw;
}

static std::string UniqueRootName(TComponent* Root, const std::string& Name) {
  TComponent* owner = Root->GetOwner();
  auto taken = [&](const std::string& n) {
    TComponent* c = owner ? owner->FindComponent(n) : nullptr;
    return c && c != Root;
  };
  if (Name.empty() || !taken(Name)) return Name;
  for (int i = 1;; ++i) {
    const std::string candidate = Name + "_" + std::to_string(i);
    if (!taken(candidate)) return candidate;
  }
}

void TReader::ReadRootComponent(TComponent* Root) {
  FRoot = Root;
  FLoaded.clear();
  FFixups.clear();
  try {
    ReadSignature();
    int flags, position;
    ReadPrefix(flags, position);
    ReadShortString();  // class name: the root exists already
    const std::string name = ReadShortString();
    if (!Root->IsDesigning())
      Root->SetName(IgnoreNames ? std::string() : UniqueRootName(Root, name));
    Root->SetComponentState(Root->GetComponentState() | csLoading | csReading);
    FLoaded.push_back(Root);
    ReadData(Root, 0);
    Root->SetComponentState(Root->GetComponentState() & ~csReading);
    FixupReferences();
  } catch (...) {
    for (TComponent* c : FLoaded)
      c->SetComponentState(c->GetComponentState() & ~(csLoading | csReading));
    throw;
  }
  // Loaded in read order; each clears its own loading mark.
  const std::vector<TComponent*> loaded = std::move(FLoaded);
  for (TComponent* c : loaded) c->Loaded();
}

void TReader::ReadData(TComponent* Instance, int Depth) {
  ReadProperties(Instance, Instance);
  while (!EndOfList()) ReadComponent(Instance, Depth + 1);
  ++FPos;
}

void TReader::ReadProperties(TPersistent* Instance, TComponent* Owner) {
  while (!EndOfList()) ReadProperty(Instance, Owner);
  ++FPos;
}

void TReader::SkipComponentBody(int Depth) {
  while (!EndOfList()) {
    ReadShortString();
    SkipValue();
  }
  ++FPos;
  while (!EndOfList()) SkipComponent(Depth + 1);
  ++FPos;
}

void TReader::SkipComponent(int Depth) {
  if (Depth > MaxStreamNesting) ReadError("Invalid stream format: nesting too deep");
  int flags, position;
  ReadPrefix(flags, position);
  ReadShortString();
  ReadShortString();
  SkipComponentBody(Depth);
}

void TReader::ReadComponent(TComponent* Parent, int Depth) {
  if (Depth > MaxStreamNesting) ReadError("Invalid stream format: nesting too deep");
  const size_t recordStart = FPos;
  int flags, position;
  ReadPrefix(flags, position);
  const std::string className = ReadShortString();
  const std::string name = ReadShortString();
  TComponent* component = nullptr;
  try {
    if (flags & 1) {
      component = FRoot->FindComponent(name);
      if (!component) throw EClassNotFound("Inherited component " + name + " not found");
    } else {
      const TClassInfo* cls = GetClass(className);
      // The root's own class (and its ancestors) need no registration.
      for (const TClassInfo* c = FRoot->ClassType(); !cls && c; c = c->Parent())
        if (SameText(c->Name(), className)) cls = c;
      if (!cls) throw EClassNotFound("Class " + className + " not found");
      TObject* made = cls->Create(FRoot);
      component = dynamic_cast<TComponent*>(made);
      if (!component) {
        delete made;
        throw EClassNotFound("Class " + className + " is no component");
      }
      component->SetName(IgnoreNames ? std::string() : name);
      component->SetParentComponent(Parent);
    }
  } catch (const std::exception& e) {
    FErrorPos = recordStart;
    HandleError(e);
    SkipComponentBody(Depth);
    return;
  }
  component->SetComponentState(component->GetComponentState() | csLoading | csReading);
  FLoaded.push_back(component);
  ReadData(component, Depth);
  component->SetComponentState(component->GetComponentState() & ~csReading);
}

bool TReader::ReadDefinedProperty(TObject* Instance, const std::string& Name) {
  FPropName = Name;
  if (auto* persistent = dynamic_cast<TPersistent*>(Instance)) persistent->DefineProperties(this);
  if (FPropName.empty()) return true;
  FPropName.clear();
  // The component base keeps its design-time position.
  auto* component = dynamic_cast<TComponent*>(Instance);
  if (component && (SameText(Name, "Left") || SameText(Name, "Top"))) {
    const int32_t v = ReadInteger();
    uint32_t info = uint32_t(component->GetDesignInfo());
    if (SameText(Name, "Left"))
      info = (info & 0xFFFF0000u) | (uint32_t(v) & 0xFFFFu);
    else
      info = (info & 0xFFFFu) | (uint32_t(v) << 16);
    component->SetDesignInfo(int32_t(info));
    return true;
  }
  return false;
}

void TReader::DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                             const TWriterProc&, bool) {
  if (FPropName.empty() || !ReadData || !SameText(Name, FPropName)) return;
  FPropName.clear();
  ReadData(this);
}

void TReader::DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                   const TStreamProc&, bool) {
  if (FPropName.empty() || !ReadData || !SameText(Name, FPropName)) return;
  FPropName.clear();
  CheckValue(TValueType::Binary);
  uint32_t n;
  ReadBytes(&n, 4);
  Need(n);
  TResourceStream data(FData + FPos, n);
  FPos += n;
  ReadData(&data);
}

void TReader::ReadProperty(TPersistent* Instance, TComponent* Owner) {
  const size_t entryStart = FPos;
  FEntryPos = entryStart;
  const std::string path = ReadShortString();
  const size_t valueStart = FPos;
  try {
    TObject* current = Instance;
    size_t start = 0;
    for (;;) {
      const size_t dot = path.find('.', start);
      const std::string segment = path.substr(start, dot == std::string::npos ? dot : dot - start);
      const TPropInfo* prop = GetPropInfo(current, segment);
      if (dot == std::string::npos) {
        if (prop) {
          ReadPropValue(current, prop, Owner);
        } else if (!ReadDefinedProperty(current, segment)) {
          throw EPropertyError("Property " + path + " does not exist");
        }
        return;
      }
      if (!prop || prop->Kind != tkClass)
        throw EPropertyError("Property " + path + " does not exist");
      current = prop->GetObj(current);
      if (!current) throw EPropertyError("Property " + path + " leads to nil");
      start = dot + 1;
    }
  } catch (const std::exception& e) {
    if (dynamic_cast<const EObjectStreamError*>(&e)) throw;
    FPos = valueStart;
    SkipValue();
    FErrorPos = entryStart;
    HandleError(e);
  }
}

void TReader::ReadPropValue(TObject* Instance, const TPropInfo* Prop, TComponent* Owner) {
  switch (Prop->Kind) {
    case tkInteger:
    case tkInt64:
      return ReadIntegerProp(Instance, Prop);
    case tkEnumeration:
      return Prop->SetEnum(Instance, ReadIdent());
    case tkSet: {
      CheckValue(TValueType::Set);
      std::vector<std::string> names;
      for (std::string n = ReadShortString(); !n.empty(); n = ReadShortString()) names.push_back(n);
      return Prop->SetSet(Instance, names);
    }
    case tkFloat:
      return Prop->SetFloat(Instance, ReadFloat());
    case tkString:
      return Prop->SetStr(Instance, ReadString());
    case tkWString:
      return Prop->SetWStr(Instance, ReadWideString());
    case tkVariant:
      return Prop->SetValue(Instance, ReadVariant());
    case tkClass:
      return ReadObjectProp(Instance, Prop, Owner);
    case tkMethod:
      return ReadEventProp(Instance, Prop);
    default:
      throw EPropertyError("Property " + Prop->Name + " cannot be read");
  }
}

void TReader::ReadIntegerProp(TObject* Instance, const TPropInfo* Prop) {
  if (NextValue() == TValueType::Ident) {
    const std::string ident = ReadIdent();
    if (const TIdentMap* map = IdentsOf(Prop))
      for (const TIdentMapEntry& e : *map)
        if (SameText(e.Name, ident)) return Prop->SetOrd(Instance, e.Value);
    throw EPropertyError("Invalid property value " + ident);
  }
  const int64_t v = ReadInt64();
  if (Prop->Kind == tkInteger && (v < INT32_MIN || v > UINT32_MAX))
    throw EPropertyError("Integer value out of range");
  Prop->SetOrd(Instance, v);
}

Variant TReader::ReadVariant() {
  switch (NextValue()) {
    case TValueType::False:
    case TValueType::True:
      return Variant(ReadBoolean());
    case TValueType::Null:
      ++FPos;
      return Variant::Null();
    case TValueType::Int8:
    case TValueType::Int16:
    case TValueType::Int32:
    case TValueType::Int64:
      return Variant(ReadInt64());
    case TValueType::Extended:
    case TValueType::Single:
    case TValueType::Double:
    case TValueType::Currency:
      return Variant(double(ReadFloat()));
    case TValueType::Date:
      return Variant::Date(double(ReadFloat()));
    case TValueType::WString:
      return Variant(ReadWideString());
    default:
      return Variant(ReadString());
  }
}

void TReader::ReadObjectProp(TObject* Instance, const TPropInfo* Prop, TComponent* Owner) {
  switch (NextValue()) {
    case TValueType::Nil:
      ++FPos;
      return Prop->SetObj(Instance, nullptr);
    case TValueType::Collection: {
      auto* collection = dynamic_cast<TCollection*>(Prop->GetObj(Instance));
      if (!collection) throw EPropertyError("Property " + Prop->Name + " holds no collection");
      return ReadCollection(collection, Owner);
    }
    case TValueType::Ident:
      // A component reference: resolved by name once the whole stream is read.
      FFixups.push_back({Owner, Instance, Prop, ReadIdent(), FEntryPos});
      return;
    default:
      throw EPropertyError("Invalid property value for " + Prop->Name);
  }
}

void TReader::ReadEventProp(TObject* Instance, const TPropInfo* Prop) {
  if (NextValue() == TValueType::Nil) {
    ++FPos;
    return Prop->SetEvent(Instance, std::any());
  }
  const std::string method = ReadIdent();
  const TMethodInfo* m = FRoot ? FRoot->ClassType()->FindMethod(method) : nullptr;
  if (!m) throw EPropertyError("Method " + method + " not found");
  Prop->SetMethod(Instance, TMethod{FRoot, m});
}

void TReader::ReadCollection(TCollection* Collection, TComponent* Owner) {
  CheckValue(TValueType::Collection);
  EnterNesting();
  Collection->BeginUpdate();
  try {
    Collection->Clear();
    while (!EndOfList()) {
      const TValueType v = NextValue();
      if (v == TValueType::Int8 || v == TValueType::Int16 || v == TValueType::Int32) ReadInt64();
      if (ReadValue() != TValueType::List) ReadError("Invalid stream format: collection item");
      TCollectionItem* item = Collection->Add();
      ReadProperties(item, Owner);
    }
    ++FPos;
  } catch (...) {
    Collection->EndUpdate();
    --FNesting;
    throw;
  }
  Collection->EndUpdate();
  --FNesting;
}

// A top-level component by name: the root itself, a component beside it
// (same owner) or one of the application's global components (its forms).
static TComponent* FindGlobalComponent(TComponent* Root, const std::string& Name) {
  if (Name.empty()) return nullptr;
  if (SameText(Root->GetName(), Name)) return Root;
  if (Root->GetOwner())
    if (TComponent* c = Root->GetOwner()->FindComponent(Name)) return c;
  return Application ? Application->FindComponent(Name) : nullptr;
}

// The component a reference names: one of the root's, or, qualified by the
// name of its owner ("Form2.Button1"), one of a global component's.
static TComponent* FindReference(TComponent* Root, const std::string& Name) {
  if (!Root || Name.empty()) return nullptr;
  if (SameText(Root->GetName(), Name)) return Root;
  if (TComponent* c = Root->FindComponent(Name)) return c;
  const size_t dot = Name.find('.');
  if (dot == std::string::npos) return nullptr;
  TComponent* owner = FindGlobalComponent(Root, Name.substr(0, dot));
  return owner ? owner->FindComponent(Name.substr(dot + 1)) : nullptr;
}

void TReader::FixupReferences() {
  const std::vector<TFixup> fixups = std::move(FFixups);
  for (const TFixup& f : fixups) {
    TComponent* target = FindReference(FRoot, f.Name);
    FErrorPos = f.Position;
    if (!target) {
      try {
        throw EPropertyError("Component " + f.Name + " not found");
      } catch (const std::exception& e) {
        HandleError(e);
      }
      continue;
    }
    try {
      f.Prop->SetObj(f.Target, target);
    } catch (const std::exception& e) {
      HandleError(e);
    }
  }
}

// ================================================================ writer

TWriter::TWriter(TStream* AStream) : FStream(AStream) { FBuffer.reserve(4096); }

TWriter::~TWriter() {
  try {
    FlushBuffer();
  } catch (...) {
  }
}

void TWriter::FlushBuffer() {
  if (FBuffer.empty()) return;
  FStream->WriteBuffer(FBuffer.data(), int32_t(FBuffer.size()));
  FBuffer.clear();
}

void TWriter::Write(const void* Data, size_t Count) {
  const auto* p = static_cast<const uint8_t*>(Data);
  FWritten += Count;
  FBuffer.insert(FBuffer.end(), p, p + Count);
  if (FBuffer.size() >= 4096) FlushBuffer();
}

void TWriter::WriteValue(TValueType Value) { WriteByte(uint8_t(Value)); }

void TWriter::WriteShortString(const std::string& Value) {
  const size_t n = std::min<size_t>(Value.size(), 255);
  WriteByte(uint8_t(n));
  Write(Value.data(), n);
}

void TWriter::WritePropName(const std::string& Name) { WriteShortString(FPrefix + Name); }

void TWriter::WriteInteger(int64_t Value) {
  if (Value >= -128 && Value <= 127) {
    WriteValue(TValueType::Int8);
    WriteByte(uint8_t(int8_t(Value)));
  } else if (Value >= -32768 && Value <= 32767) {
    WriteValue(TValueType::Int16);
    const uint16_t v = uint16_t(int16_t(Value));
    WriteByte(uint8_t(v));
    WriteByte(uint8_t(v >> 8));
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    WriteValue(TValueType::Int32);
    const uint32_t v = uint32_t(int32_t(Value));
    for (int i = 0; i < 4; ++i) WriteByte(uint8_t(v >> (8 * i)));
  } else {
    WriteValue(TValueType::Int64);
    const uint64_t v = uint64_t(Value);
    for (int i = 0; i < 8; ++i) WriteByte(uint8_t(v >> (8 * i)));
  }
}

void TWriter::WriteFloat(long double Value) {
  WriteValue(TValueType::Extended);
  uint8_t b[10];
  ExtendedToBytes(Value, b);
  Write(b, 10);
}

void TWriter::WriteSingle(float Value) {
  WriteValue(TValueType::Single);
  Write(&Value, 4);
}

void TWriter::WriteDouble(double Value) {
  WriteValue(TValueType::Double);
  Write(&Value, 8);
}

void TWriter::WriteCurrency(int64_t ValueTimes10000) {
  WriteValue(TValueType::Currency);
  Write(&ValueTimes10000, 8);
}

void TWriter::WriteDate(double Days) {
  WriteValue(TValueType::Date);
  Write(&Days, 8);
}

void TWriter::WriteString(const std::string& Value) {
  const TValueType tag = StringValueType(Value);
  if (tag == TValueType::WString) return WriteWideString(UTF8ToUTF16(Value));
  WriteValue(tag);
  if (tag == TValueType::String) return WriteShortString(Value);
  const uint32_t n = uint32_t(Value.size());
  Write(&n, 4);
  Write(Value.data(), n);
}

void TWriter::WriteWideString(const std::u16string& Value) {
  // Text that the UTF-8 tags would carry goes that way; the rest as UTF-16.
  const std::string utf8 = UTF16ToUTF8(Value);
  if (StringValueType(utf8) != TValueType::WString && UTF8ToUTF16(utf8) == Value)
    return WriteString(utf8);
  WriteValue(TValueType::WString);
  const uint32_t n = uint32_t(Value.size());
  Write(&n, 4);
  for (char16_t c : Value) {
    WriteByte(uint8_t(c));
    WriteByte(uint8_t(c >> 8));
  }
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? TValueType::True : TValueType::False); }

void TWriter::WriteIdent(const std::string& Ident) {
  if (SameText(Ident, "False")) return WriteValue(TValueType::False);
  if (SameText(Ident, "True")) return WriteValue(TValueType::True);
  if (SameText(Ident, "Null")) return WriteValue(TValueType::Null);
  if (SameText(Ident, "nil")) return WriteValue(TValueType::Nil);
  WriteValue(TValueType::Ident);
  WriteShortString(Ident);
}

void TWriter::WriteBinary(const void* Data, size_t Count) {
  WriteValue(TValueType::Binary);
  const uint32_t n = uint32_t(Count);
  Write(&n, 4);
  Write(Data, Count);
}

void TWriter::DefineProperty(const std::string& Name, const TReaderProc&,
                             const TWriterProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  const std::string prefix = FPrefix;
  FPrefix.clear();  // values written by the class carry no path
  WriteData(this);
  FPrefix = prefix;
}

void TWriter::DefineBinaryProperty(const std::string& Name, const TStreamProc&,
                                   const TStreamProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  TMemoryStream data;
  WriteData(&data);
  WritePropName(Name);
  WriteBinary(data.Memory(), size_t(data.GetSize()));
}

void TWriter::WriteRootComponent(TComponent* Root) {
  FRoot = Root;
  Write(Signature, 4);
  WriteComponent(Root);
  FlushBuffer();
}

void TWriter::WriteComponent(TComponent* Component) {
  Component->SetComponentState(Component->GetComponentState() | csWriting);
  WriteShortString(Component->ClassName());
  WriteShortString(Component->GetName());
  WriteProperties(Component, "");
  WriteListEnd();
  std::vector<TComponent*> children;
  Component->GetChildren([&](TComponent* Child) { children.push_back(Child); }, FRoot);
  for (TComponent* child : children) WriteComponent(child);
  WriteListEnd();
  Component->SetComponentState(Component->GetComponentState() & ~csWriting);
}

void TWriter::WriteProperties(TPersistent* Instance, const std::string& Prefix) {
  for (const TPropInfo* prop : Instance->ClassType()->Properties())
    WriteProperty(Instance, prop, Prefix);
  const std::string saved = FPrefix;
  FPrefix = Prefix;
  Instance->DefineProperties(this);
  if (auto* component = dynamic_cast<TComponent*>(Instance); component && Prefix.empty()) {
    const uint32_t info = uint32_t(component->GetDesignInfo());
    if (int16_t left = int16_t(info & 0xFFFF)) {
      WritePropName("Left");
      WriteInteger(left);
    }
    if (int16_t top = int16_t(info >> 16)) {
      WritePropName("Top");
      WriteInteger(top);
    }
  }
  FPrefix = saved;
}

std::string TWriter::ReferenceName(TComponent* Component) const {
  if (Component == FRoot || Component->GetOwner() == FRoot || !Component->GetOwner())
    return Component->GetName();
  return Component->GetOwner()->GetName() + "." + Component->GetName();
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo* Prop,
                            const std::string& Prefix) {
  if (!Prop->IsStored(Instance)) return;
  if (Prop->Kind != tkClass && !Prop->IsWritable()) return;
  const std::string path = Prefix + Prop->Name;
  switch (Prop->Kind) {
    case tkInteger:
    case tkInt64:
    case tkEnumeration:
    case tkSet:
      return WriteOrdinalProp(Instance, Prop, path);
    case tkFloat: {
      const long double v = Prop->GetFloat(Instance);
      if (Prop->HasDefault && v == 0) return;
      WriteShortString(path);
      return WriteFloat(v);
    }
    case tkString: {
      const std::string v = Prop->GetStr(Instance);
      if (Prop->HasDefault && v.empty()) return;
      WriteShortString(path);
      return WriteString(v);
    }
    case tkWString: {
      const std::u16string v = Prop->GetWStr(Instance);
      if (Prop->HasDefault && v.empty()) return;
      WriteShortString(path);
      return WriteWideString(v);
    }
    case tkVariant:
      return WriteVariantProp(Instance, Prop, path);
    case tkClass:
      return WriteObjectProp(Instance, Prop, path);
    case tkMethod: {
      // Only handlers that are published methods of the root can be named.
      const TMethod m = Prop->GetMethod(Instance);
      if (!m.Code || !FRoot || m.Data != FRoot) return;
      if (FRoot->ClassType()->FindMethod(m.Code->Name()) != m.Code) return;
      WriteShortString(path);
      return WriteIdent(m.Code->Name());
    }
    default:
      return;
  }
}

void TWriter::WriteOrdinalProp(TPersistent* Instance, const TPropInfo* Prop,
                               const std::string& Path) {
  const int64_t v = Prop->GetOrd(Instance);
  if (Prop->HasDefault && v == Prop->Default) return;
  WriteShortString(Path);
  if (Prop->Kind == tkSet) {
    WriteValue(TValueType::Set);
    for (const std::string& member : Prop->GetSet(Instance)) WriteShortString(member);
    return WriteByte(0);
  }
  if (Prop->Kind == tkEnumeration) {
    if (Prop->EnumType == &BooleanInfo()) return WriteBoolean(v != 0);
    return WriteIdent(Prop->EnumType->NameOf(v));
  }
  if (const TIdentMap* map = IdentsOf(Prop))
    for (const TIdentMapEntry& e : *map)
      if (e.Value == v) return WriteIdent(e.Name);
  // 32-bit properties are stored as signed 32-bit values (an ARGB colour
  // 0xFF000000 as -16777216), as the stored forms keep them.
  WriteInteger(Prop->Kind == tkInteger ? int64_t(int32_t(uint32_t(v))) : v);
}

void TWriter::WriteVariantProp(TPersistent* Instance, const TPropInfo* Prop,
                               const std::string& Path) {
  const Variant v = Prop->GetValue(Instance);
  if (v.IsEmpty()) return;
  WriteShortString(Path);
  switch (v.VarType()) {
    case varNull:
      return WriteValue(TValueType::Null);
    case varBoolean:
      return WriteBoolean(v.ToBool());
    case varInt64:
      return WriteInteger(v.ToInt64());
    case varDouble:
      return WriteFloat(v.ToDouble());
    case varDate:
      return WriteDate(v.ToDouble());
    case varUString:
      return WriteWideString(v.ToWideString());
    default:
      return WriteString(v.ToString());
  }
}

void TWriter::WriteObjectProp(TPersistent* Instance, const TPropInfo* Prop,
                              const std::string& Path) {
  TObject* v = Prop->GetObj(Instance);
  if (!v) {
    // Unset references are left out; an owned object that is missing is written as nil.
    const TClassInfo* declared = Prop->ClassType();
    if (declared && declared->InheritsFrom(TComponent::Class())) return;
    if (!Prop->IsWritable()) return;
    WriteShortString(Path);
    return WriteValue(TValueType::Nil);
  }
  if (auto* component = dynamic_cast<TComponent*>(v)) {
    if (component->GetName().empty()) return;
    WriteShortString(Path);
    return WriteIdent(ReferenceName(component));
  }
  if (auto* collection = dynamic_cast<TCollection*>(v)) {
    WriteShortString(Path);
    return WriteCollection(collection);
  }
  // Any other object is written as its own properties under the path.
  if (auto* persistent = dynamic_cast<TPersistent*>(v)) WriteProperties(persistent, Path + ".");
}

void TWriter::WriteCollection(TCollection* Collection) {
  WriteValue(TValueType::Collection);
  const std::string saved = FPrefix;
  for (int i = 0; i < Collection->Count(); ++i) {
    WriteListBegin();
    WriteProperties(Collection->GetItem(i), "");
    WriteListEnd();
  }
  FPrefix = saved;
  WriteListEnd();
}
