#pragma once
// Declaring a class's run-time type information: include in .cpp files only.
//
//   const TClassInfo* TzrObject::Class() {
//     static const TClassInfo* info = TClassDecl<TzrObject>("TzrObject", TComponent::Class())
//         .Prop("Index", &TzrObject::GetIndex, &TzrObject::SetIndex).Stored(false)
//         .Prop("BindingName", &TzrObject::GetBindingName, &TzrObject::SetBindingName)
//         .Enum("Align", &T::GetAlign, &T::SetAlign, AlignInfo).Default(vaNone)
//         .Event("OnClick", &T::OnClick)
//         .Method("Button1Click", &TForm1::Button1Click);
//     return info;
//   }
//
// The kind of a property follows from its getter: bool gives a Boolean
// enumeration, integers tkInteger/tkInt64, floating types tkFloat,
// std::string tkString, std::u16string tkWString, Variant tkVariant and a
// pointer to an object tkClass. Enumerations and sets name their members with
// a TEnumInfo. A nil setter makes the property read-only.

#include <concepts>
#include <functional>
#include <type_traits>

#include "platform/rtl/Collection.h"
#include "platform/rtl/Rtti.h"

namespace rtti_detail {

template <class T>
using Plain = std::remove_cvref_t<T>;

template <class C, class R>
R Call(const TObject* I, R (C::*G)() const) {
  return (static_cast<const C*>(I)->*G)();
}
template <class C, class R>
R Call(const TObject* I, R (C::*G)()) {
  return (static_cast<C*>(const_cast<TObject*>(I))->*G)();
}

template <class C, class A, class V>
void Put(TObject* I, void (C::*S)(A), V&& Value) {
  (static_cast<C*>(I)->*S)(static_cast<Plain<A>>(std::forward<V>(Value)));
}

// Getter/setter pairs of one kind; G is the member function pointer type of
// the getter and S of the setter (or std::nullptr_t for read-only).
template <class G, class S>
class AccessorBase : public TPropAccessor {
 public:
  AccessorBase(G AGet, S ASet) : Get(AGet), Set(ASet) {}
  bool CanWrite() const override { return !std::is_same_v<S, std::nullptr_t>; }

 protected:
  template <class V>
  void Store(TObject* I, V&& Value) const {
    if constexpr (std::is_same_v<S, std::nullptr_t>)
      throw EPropertyError("Property is read-only");
    else
      Put(I, Set, std::forward<V>(Value));
  }
  G Get;
  S Set;
};

template <class G, class S>
class OrdAccessor : public AccessorBase<G, S> {
 public:
  using AccessorBase<G, S>::AccessorBase;
  int64_t GetOrd(const TObject* I) const override { return int64_t(Call(I, this->Get)); }
  void SetOrd(TObject* I, int64_t V) const override {
    using R = Plain<decltype(Call(I, this->Get))>;
    if constexpr (std::is_same_v<R, bool>)
      this->Store(I, V != 0);
    else
      this->Store(I, static_cast<R>(V));
  }
};

template <class G, class S>
class FloatAccessor : public AccessorBase<G, S> {
 public:
  using AccessorBase<G, S>::AccessorBase;
  long double GetFloat(const TObject* I) const override { return Call(I, this->Get); }
  void SetFloat(TObject* I, long double V) const override {
    using R = Plain<decltype(Call(I, this->Get))>;
    this->Store(I, static_cast<R>(V));
  }
};

template <class G, class S>
class StrAccessor : public AccessorBase<G, S> {
 public:
  using AccessorBase<G, S>::AccessorBase;
  std::string GetStr(const TObject* I) const override { return Call(I, this->Get); }
  void SetStr(TObject* I, const std::string& V) const override { this->Store(I, V); }
};

template <class G, class S>
class WStrAccessor : public AccessorBase<G, S> {
 public:
  using AccessorBase<G, S>::AccessorBase;
  std::u16string GetWStr(const TObject* I) const override { return Call(I, this->Get); }
  void SetWStr(TObject* I, const std::u16string& V) const override { this->Store(I, V); }
};

template <class G, class S>
class VariantAccessor : public AccessorBase<G, S> {
 public:
  using AccessorBase<G, S>::AccessorBase;
  Variant GetVariant(const TObject* I) const override { return Call(I, this->Get); }
  void SetVariant(TObject* I, const Variant& V) const override { this->Store(I, V); }
};

template <class G, class S>
class ObjAccessor : public AccessorBase<G, S> {
 public:
  using AccessorBase<G, S>::AccessorBase;
  TObject* GetObj(const TObject* I) const override { return Call(I, this->Get); }
  void SetObj(TObject* I, TObject* V) const override {
    using P = Plain<decltype(Call(I, this->Get))>;
    using Target = std::remove_const_t<std::remove_pointer_t<P>>;
    Target* typed = V ? dynamic_cast<Target*>(V) : nullptr;
    if (V && !typed) throw EPropertyError("Object of class " + V->ClassName() + " does not fit");
    this->Store(I, typed);
  }
};

// What a handler bound from a published method carries, so that writers can
// name the method again.
template <class Fn>
struct MethodThunk;
template <class R, class... A>
struct MethodThunk<std::function<R(A...)>> {
  TMethod Method;
  std::function<R(A...)> Call;
  R operator()(A... Args) const { return Call(std::forward<A>(Args)...); }
};

template <class C, class Fn>
class EventAccessor : public TPropAccessor {
 public:
  explicit EventAccessor(Fn C::*AField) : Field(AField) {}
  std::any GetEvent(const TObject* I) const override {
    return std::any(static_cast<const C*>(I)->*Field);
  }
  void SetEvent(TObject* I, const std::any& V) const override {
    static_cast<C*>(I)->*Field = V.has_value() ? std::any_cast<Fn>(V) : Fn();
  }
  TMethod GetMethod(const TObject* I) const override {
    const Fn& fn = static_cast<const C*>(I)->*Field;
    const auto* thunk = fn.template target<MethodThunk<Fn>>();
    return thunk ? thunk->Method : TMethod{};
  }

 private:
  Fn C::*Field;
};

// An event reached through its component's getter and setter, for
// components that act when their handler changes.
template <class C, class Fn, class G, class S>
class EventPropAccessor : public TPropAccessor {
 public:
  EventPropAccessor(G AGet, S ASet) : Get(AGet), Set(ASet) {}
  std::any GetEvent(const TObject* I) const override {
    return std::any(Fn((static_cast<const C*>(I)->*Get)()));
  }
  void SetEvent(TObject* I, const std::any& V) const override {
    (static_cast<C*>(I)->*Set)(V.has_value() ? std::any_cast<Fn>(V) : Fn());
  }
  TMethod GetMethod(const TObject* I) const override {
    const Fn fn = (static_cast<const C*>(I)->*Get)();
    const auto* thunk = fn.template target<MethodThunk<Fn>>();
    return thunk ? thunk->Method : TMethod{};
  }

 private:
  G Get;
  S Set;
};

template <class C, class Fn, class M>
class BoundMethod : public TMethodInfo {
 public:
  BoundMethod(std::string AName, M AMethod)
      : TMethodInfo(std::move(AName), typeid(Fn)), Method(AMethod) {}
  std::any Bind(TObject* Data) const override {
    C* self = dynamic_cast<C*>(Data);
    if (!self) throw EPropertyError("Method " + Name() + " needs an object of its class");
    MethodThunk<Fn> thunk;
    thunk.Method = TMethod{Data, this};
    M m = Method;
    thunk.Call = [self, m](auto&&... Args) {
      return (self->*m)(std::forward<decltype(Args)>(Args)...);
    };
    return std::any(Fn(thunk));
  }

 private:
  M Method;
};

template <class T>
TObject* Make(TObject* AOwner) {
  if constexpr (std::is_abstract_v<T>) {
    return nullptr;
  } else if constexpr (std::is_constructible_v<T, TComponent*>) {
    return new T(dynamic_cast<TComponent*>(AOwner));
  } else if constexpr (std::is_constructible_v<T, TCollection*>) {
    return new T(dynamic_cast<TCollection*>(AOwner));
  } else if constexpr (std::is_default_constructible_v<T>) {
    return new T();
  } else {
    return nullptr;
  }
}

template <class P>
auto DeclaredClass() -> const TClassInfo* (*)() {
  using Target = std::remove_const_t<std::remove_pointer_t<P>>;
  if constexpr (requires { Target::Class(); })
    return &Target::Class;
  else
    return nullptr;
}

}  // namespace rtti_detail

template <class T>
class TClassDecl {
 public:
  TClassDecl(const char* Name, const TClassInfo* Parent)
      : FInfo(new TClassInfo(Name, Parent, &rtti_detail::Make<T>)) {}
  operator const TClassInfo*() const { return FInfo; }

  // A property whose kind follows from the getter's result type.
  template <class G, class S>
  TClassDecl& Prop(const char* Name, G Getter, S Setter) {
    using namespace rtti_detail;
    using R = Plain<decltype(Call(static_cast<const TObject*>(nullptr), Getter))>;
    TPropInfo p;
    p.Name = Name;
    if constexpr (std::is_same_v<R, bool>) {
      p.Kind = tkEnumeration;
      p.EnumType = &BooleanInfo();
      p.Access = std::make_shared<OrdAccessor<G, S>>(Getter, Setter);
    } else if constexpr (std::is_integral_v<R>) {
      p.Kind = sizeof(R) > 4 ? tkInt64 : tkInteger;
      p.Access = std::make_shared<OrdAccessor<G, S>>(Getter, Setter);
    } else if constexpr (std::is_floating_point_v<R>) {
      p.Kind = tkFloat;
      p.Access = std::make_shared<FloatAccessor<G, S>>(Getter, Setter);
    } else if constexpr (std::is_same_v<R, std::string>) {
      p.Kind = tkString;
      p.Access = std::make_shared<StrAccessor<G, S>>(Getter, Setter);
    } else if constexpr (std::is_same_v<R, std::u16string>) {
      p.Kind = tkWString;
      p.Access = std::make_shared<WStrAccessor<G, S>>(Getter, Setter);
    } else if constexpr (std::is_same_v<R, Variant>) {
      p.Kind = tkVariant;
      p.Access = std::make_shared<VariantAccessor<G, S>>(Getter, Setter);
    } else if constexpr (std::is_pointer_v<R>) {
      static_assert(std::is_base_of_v<TObject, std::remove_const_t<std::remove_pointer_t<R>>>,
                    "object properties hold TObject descendants");
      p.Kind = tkClass;
      p.ClassOf = DeclaredClass<R>();
      p.Access = std::make_shared<ObjAccessor<G, S>>(Getter, Setter);
    } else {
      static_assert(!sizeof(R), "unsupported property type; enumerations use Enum()");
    }
    FInfo->AddProperty(std::move(p));
    return *this;
  }

  // An enumeration property, its members named by Names.
  template <class G, class S>
  TClassDecl& Enum(const char* Name, G Getter, S Setter, const TEnumInfo& Names) {
    return Ordinal(Name, Getter, Setter, Names, tkEnumeration);
  }
  // A set property: the getter returns an integral bit set, bit i for member i.
  template <class G, class S>
  TClassDecl& Set(const char* Name, G Getter, S Setter, const TEnumInfo& Names) {
    return Ordinal(Name, Getter, Setter, Names, tkSet);
  }

  // An event: a std::function member.
  template <class C, class Fn>
  TClassDecl& Event(const char* Name, Fn C::*Field) {
    TPropInfo p;
    p.Name = Name;
    p.Kind = tkMethod;
    p.EventType = typeid(Fn);
    p.Access = std::make_shared<rtti_detail::EventAccessor<C, Fn>>(Field);
    FInfo->AddProperty(std::move(p));
    return *this;
  }

  // An event with a getter and a setter.
  template <class C, class R, class A>
  TClassDecl& Event(const char* Name, R (C::*Getter)() const, void (C::*Setter)(A)) {
    using Fn = std::decay_t<R>;
    using G = R (C::*)() const;
    using S = void (C::*)(A);
    TPropInfo p;
    p.Name = Name;
    p.Kind = tkMethod;
    p.EventType = typeid(Fn);
    p.Access = std::make_shared<rtti_detail::EventPropAccessor<C, Fn, G, S>>(Getter, Setter);
    FInfo->AddProperty(std::move(p));
    return *this;
  }

  // A published method that streams may bind to events of type Fn (the
  // notify event by default) by its name.
  template <class Fn = TNotifyEvent, class C, class R, class... A>
  TClassDecl& Method(const char* Name, R (C::*M)(A...)) {
    FInfo->AddMethod(std::make_unique<rtti_detail::BoundMethod<C, Fn, R (C::*)(A...)>>(Name, M));
    return *this;
  }

  // Modifiers of the property declared last.
  TClassDecl& Default(int64_t Value) {
    TPropInfo* p = FInfo->LastProperty();
    p->HasDefault = true;
    p->Default = Value;
    return *this;
  }
  // Integer constants that streams write by name.
  TClassDecl& Idents(const TIdentMap& Map) {
    FInfo->LastProperty()->Idents = &Map;
    return *this;
  }
  TClassDecl& Stored(bool Value) {
    FInfo->LastProperty()->StoredConst = Value;
    return *this;
  }
  TClassDecl& Stored(bool (T::*Func)() const) {
    FInfo->LastProperty()->StoredFunc = std::make_shared<std::function<bool(const TObject*)>>(
        [Func](const TObject* I) { return (static_cast<const T*>(I)->*Func)(); });
    return *this;
  }

 private:
  template <class G, class S>
  TClassDecl& Ordinal(const char* Name, G Getter, S Setter, const TEnumInfo& Names,
                      TTypeKind Kind) {
    TPropInfo p;
    p.Name = Name;
    p.Kind = Kind;
    p.EnumType = &Names;
    p.Access = std::make_shared<rtti_detail::OrdAccessor<G, S>>(Getter, Setter);
    FInfo->AddProperty(std::move(p));
    return *this;
  }

  TClassInfo* FInfo;
};
