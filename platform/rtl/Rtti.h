#pragma once
// Run-time type information of published properties.
//
// Every class that streams or is reached by name has one TClassInfo: its
// name, parent class, factory, published properties (inherited along the
// class chain, base class first) and published methods (event handlers bound
// by name). Properties are looked up without regard to letter case, and by
// dotted path through object-valued properties ("Fill.Gradient.Color").
//
// Classes declare their information in their .cpp file with the builder of
// RttiDecl.h; headers only name the two hooks:
//   static const TClassInfo* Class();
//   const TClassInfo* ClassType() const override { return Class(); }

#include <any>
#include <cstdint>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Variants.h"

enum TTypeKind {
  tkUnknown,
  tkInteger,      // up to 32 bits
  tkInt64,        // 64 bits
  tkEnumeration,  // enumerations and Booleans (identifiers)
  tkSet,          // bit set of an enumeration's members
  tkFloat,        // Single, Double, Extended
  tkString,       // UTF-8 text
  tkWString,      // UTF-16 text
  tkClass,        // object reference or owned object
  tkMethod,       // event
  tkVariant,
};

class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};
class EClassNotFound : public Exception {
 public:
  using Exception::Exception;
};

// The member names of an enumeration (also the element names of a set).
class TEnumInfo {
 public:
  TEnumInfo(std::string AName, std::vector<std::string> ANames)
      : FName(std::move(AName)), FNames(std::move(ANames)) {}
  const std::string& Name() const { return FName; }
  int Count() const { return static_cast<int>(FNames.size()); }
  // The member's identifier; empty for a value outside the enumeration.
  std::string NameOf(int64_t Value) const;
  // The ordinal of an identifier (without regard to case), -1 when unknown.
  int ValueOf(const std::string& Ident) const;

 private:
  std::string FName;
  std::vector<std::string> FNames;
};
const TEnumInfo& BooleanInfo();  // "False", "True"

// Integer constants a property type names in streams (cursor names and the like).
struct TIdentMapEntry {
  int64_t Value;
  const char* Name;
};
using TIdentMap = std::vector<TIdentMapEntry>;

// A published method bound to an instance: what an event property holds when
// its handler came from a stream (or was set by name).
class TMethodInfo;
struct TMethod {
  TObject* Data = nullptr;
  const TMethodInfo* Code = nullptr;
  bool operator==(const TMethod&) const = default;
};

// A published method of a class, found by name.
class TMethodInfo {
 public:
  virtual ~TMethodInfo() = default;
  const std::string& Name() const { return FName; }
  // The event signature (the std::function type the handler fits).
  std::type_index Signature() const { return FSignature; }
  // A handler of type std::function<Signature> calling the method on Data,
  // which remembers (Data, this) so that writers can name it again.
  virtual std::any Bind(TObject* Data) const = 0;

 protected:
  TMethodInfo(std::string AName, std::type_index ASignature)
      : FName(std::move(AName)), FSignature(ASignature) {}

 private:
  std::string FName;
  std::type_index FSignature;
};

// Reads and writes one property of an instance; each implementation handles
// the operations of its kind and raises EPropertyError for the others.
class TPropAccessor {
 public:
  virtual ~TPropAccessor() = default;
  virtual int64_t GetOrd(const TObject* Instance) const;
  virtual void SetOrd(TObject* Instance, int64_t Value) const;
  virtual long double GetFloat(const TObject* Instance) const;
  virtual void SetFloat(TObject* Instance, long double Value) const;
  virtual std::string GetStr(const TObject* Instance) const;
  virtual void SetStr(TObject* Instance, const std::string& Value) const;
  virtual std::u16string GetWStr(const TObject* Instance) const;
  virtual void SetWStr(TObject* Instance, const std::u16string& Value) const;
  virtual TObject* GetObj(const TObject* Instance) const;
  virtual void SetObj(TObject* Instance, TObject* Value) const;
  virtual std::any GetEvent(const TObject* Instance) const;
  virtual void SetEvent(TObject* Instance, const std::any& Value) const;
  // The published method an event holds, when it holds one.
  virtual TMethod GetMethod(const TObject* Instance) const;
  virtual Variant GetVariant(const TObject* Instance) const;
  virtual void SetVariant(TObject* Instance, const Variant& Value) const;
  virtual bool CanWrite() const { return true; }
};

// One published property.
class TPropInfo {
 public:
  std::string Name;
  TTypeKind Kind = tkUnknown;
  const TEnumInfo* EnumType = nullptr;  // enumerations and sets
  // tkClass: the declared class (asked lazily: a class may hold its own kind).
  const TClassInfo* (*ClassOf)() = nullptr;
  std::type_index EventType = typeid(void);  // tkMethod: the handler type
  const TIdentMap* Idents = nullptr;         // tkInteger: names of constants
  // A declared default: ordinals are not written when equal to Default,
  // floats when 0, strings when empty.
  bool HasDefault = false;
  int64_t Default = 0;
  bool StoredConst = true;
  std::shared_ptr<const std::function<bool(const TObject*)>> StoredFunc;
  std::shared_ptr<const TPropAccessor> Access;

  bool IsStored(const TObject* Instance) const;
  const TClassInfo* ClassType() const { return ClassOf ? ClassOf() : nullptr; }
  bool IsWritable() const { return Access && Access->CanWrite(); }
  bool IsOrdinal() const {
    return Kind == tkInteger || Kind == tkInt64 || Kind == tkEnumeration || Kind == tkSet;
  }

  int64_t GetOrd(const TObject* Instance) const { return Access->GetOrd(Instance); }
  void SetOrd(TObject* Instance, int64_t Value) const { Access->SetOrd(Instance, Value); }
  long double GetFloat(const TObject* Instance) const { return Access->GetFloat(Instance); }
  void SetFloat(TObject* Instance, long double Value) const { Access->SetFloat(Instance, Value); }
  // Text of string and wide string properties as UTF-8.
  std::string GetStr(const TObject* Instance) const;
  void SetStr(TObject* Instance, const std::string& Value) const;
  std::u16string GetWStr(const TObject* Instance) const;
  void SetWStr(TObject* Instance, const std::u16string& Value) const;
  TObject* GetObj(const TObject* Instance) const { return Access->GetObj(Instance); }
  void SetObj(TObject* Instance, TObject* Value) const { Access->SetObj(Instance, Value); }
  // Enumerations by identifier ("True", "vaClient"); an unknown one raises EPropertyError.
  std::string GetEnum(const TObject* Instance) const;
  void SetEnum(TObject* Instance, const std::string& Ident) const;
  // Sets as member identifiers.
  std::vector<std::string> GetSet(const TObject* Instance) const;
  void SetSet(TObject* Instance, const std::vector<std::string>& Idents) const;
  // Events: a std::function of EventType in std::any.
  std::any GetEvent(const TObject* Instance) const { return Access->GetEvent(Instance); }
  void SetEvent(TObject* Instance, const std::any& Handler) const;
  TMethod GetMethod(const TObject* Instance) const { return Access->GetMethod(Instance); }
  void SetMethod(TObject* Instance, const TMethod& Method) const;
  // Any scalar kind as a variant (enumerations as identifiers, Booleans as Booleans).
  Variant GetValue(const TObject* Instance) const;
  void SetValue(TObject* Instance, const Variant& Value) const;
};

using TObjectFactory = TObject* (*)(TObject* AOwner);

class TClassInfo {
 public:
  TClassInfo(std::string AName, const TClassInfo* AParent, TObjectFactory AFactory);
  const std::string& Name() const { return FName; }
  const TClassInfo* Parent() const { return FParent; }
  bool InheritsFrom(const TClassInfo* AClass) const;
  // A new instance (owner: a TComponent for components, a TCollection for
  // collection items); nil for abstract classes.
  TObject* Create(TObject* AOwner) const { return FFactory ? FFactory(AOwner) : nullptr; }
  bool CanCreate() const { return FFactory != nullptr; }

  // All published properties, base class first, redeclarations in place.
  const std::vector<const TPropInfo*>& Properties() const { return FAll; }
  const TPropInfo* FindProperty(const std::string& AName) const;
  const TMethodInfo* FindMethod(const std::string& AName) const;

  // Used by the builder of RttiDecl.h.
  void AddProperty(TPropInfo Info);
  void AddMethod(std::unique_ptr<TMethodInfo> Method);
  TPropInfo* LastProperty();

 private:
  std::string FName;
  const TClassInfo* FParent;
  TObjectFactory FFactory;
  std::vector<std::unique_ptr<TPropInfo>> FOwn;
  std::vector<const TPropInfo*> FAll;
  std::vector<std::unique_ptr<TMethodInfo>> FMethods;
};

// Property look-up on an instance (nil when absent).
const TPropInfo* GetPropInfo(const TObject* Instance, const std::string& Name);

// A dotted path resolved to the object that holds the last property.
struct TPropPath {
  TObject* Instance = nullptr;
  const TPropInfo* Prop = nullptr;
  explicit operator bool() const { return Prop != nullptr; }
};
// Resolves "A.B.C": every segment but the last must be a published object
// property holding an object. Nil result when any step fails.
TPropPath FindPropPath(TObject* Root, const std::string& Path);

// Convenience access by name or path; an unknown property raises EPropertyError.
Variant GetPropValue(TObject* Instance, const std::string& Path);
void SetPropValue(TObject* Instance, const std::string& Path, const Variant& Value);
TObject* GetObjectProp(TObject* Instance, const std::string& Path);
// Binds the published method MethodName of Data to the event EventPath.
void SetMethodProp(TObject* Instance, const std::string& EventPath, TObject* Data,
                   const std::string& MethodName);

// The class registry: classes that streams may create by name.
void RegisterClass(const TClassInfo* AClass);
// Registers AClass under another name as well (GetClass(Alias) finds it).
void RegisterClassAlias(const TClassInfo* AClass, const std::string& Alias);
// Removes AClass under its own name and every alias.
void UnRegisterClass(const TClassInfo* AClass);
// Nil when no class of that name (without regard to case) is registered.
const TClassInfo* GetClass(const std::string& Name);
// As GetClass, but raises EClassNotFound.
const TClassInfo* FindClass(const std::string& Name);
