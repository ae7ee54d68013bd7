#include <gtest/gtest.h>

#include "platform/rtl/RttiDecl.h"

namespace {

enum TAlign { alNone, alTop, alClient };
const TEnumInfo AlignInfo("TAlign", {"alNone", "alTop", "alClient"});
const TEnumInfo CornerInfo("TCorner", {"crTopLeft", "crTopRight", "crBottomLeft"});

class TBrush : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string GetColor() const { return FColor; }
  void SetColor(const std::string& V) { FColor = V; }

 private:
  std::string FColor = "#FFFFFFFF";
};

class TShape : public TComponent {
 public:
  using TComponent::TComponent;
  ~TShape() override { delete FFill; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetWidth() const { return FWidth; }
  void SetWidth(float V) { FWidth = V; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool V) { FVisible = V; }
  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign V) { FAlign = V; }
  uint32_t GetCorners() const { return FCorners; }
  void SetCorners(uint32_t V) { FCorners = V; }
  std::u16string GetCaption() const { return FCaption; }
  void SetCaption(const std::u16string& V) { FCaption = V; }
  TBrush* GetFill() const { return FFill; }
  void SetFill(TBrush* V) { FFill = V; }
  TShape* GetNext() const { return FNext; }
  void SetNext(TShape* V) { FNext = V; }
  int64_t GetBig() const { return FBig; }
  bool IsWidthStored() const { return FWidth != 50; }

  TNotifyEvent OnClick;
  std::function<void(TObject*, int)> OnKey;

 private:
  float FWidth = 50;
  bool FVisible = true;
  TAlign FAlign = alNone;
  uint32_t FCorners = 0;
  std::u16string FCaption;
  TBrush* FFill = new TBrush;
  TShape* FNext = nullptr;
  int64_t FBig = int64_t(1) << 40;
};

// Redeclares Visible with a default and adds a handler.
class TForm1 : public TShape {
 public:
  using TShape::TShape;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Button1Click(TObject* Sender) { Clicked = Sender; }
  void KeyPressed(TObject*, int Key) { LastKey = Key; }
  TObject* Clicked = nullptr;
  int LastKey = 0;
};

class TAbstract : public TComponent {
 public:
  using TComponent::TComponent;
  virtual void Run() = 0;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

const TClassInfo* TBrush::Class() {
  static const TClassInfo* info = TClassDecl<TBrush>("TBrush", TPersistent::Class())
                                      .Prop("Color", &TBrush::GetColor, &TBrush::SetColor);
  return info;
}

const TClassInfo* TShape::Class() {
  static const TClassInfo* info =
      TClassDecl<TShape>("TShape", TComponent::Class())
          .Prop("Width", &TShape::GetWidth, &TShape::SetWidth)
          .Stored(&TShape::IsWidthStored)
          .Prop("Visible", &TShape::GetVisible, &TShape::SetVisible)
          .Enum("Align", &TShape::GetAlign, &TShape::SetAlign, AlignInfo)
          .Default(alNone)
          .Set("Corners", &TShape::GetCorners, &TShape::SetCorners, CornerInfo)
          .Prop("Caption", &TShape::GetCaption, &TShape::SetCaption)
          .Prop("Fill", &TShape::GetFill, &TShape::SetFill)
          .Prop("Next", &TShape::GetNext, &TShape::SetNext)
          .Prop("Big", &TShape::GetBig, nullptr)
          .Event("OnClick", &TShape::OnClick)
          .Event("OnKey", &TShape::OnKey);
  return info;
}

const TClassInfo* TForm1::Class() {
  static const TClassInfo* info =
      TClassDecl<TForm1>("TForm1", TShape::Class())
          .Prop("Visible", &TShape::GetVisible, &TShape::SetVisible)
          .Default(1)
          .Method("Button1Click", &TForm1::Button1Click)
          .Method<std::function<void(TObject*, int)>>("KeyPressed", &TForm1::KeyPressed);
  return info;
}

const TClassInfo* TAbstract::Class() {
  static const TClassInfo* info = TClassDecl<TAbstract>("TAbstract", TComponent::Class());
  return info;
}

std::vector<std::string> Names(const TClassInfo* c) {
  std::vector<std::string> names;
  for (const TPropInfo* p : c->Properties()) names.push_back(p->Name);
  return names;
}

}  // namespace

TEST(Rtti, PropertiesAreInheritedBaseFirstAndRedeclaredInPlace) {
  const std::vector<std::string> expected = {"Name",  "Tag",     "Width",   "Visible",
                                             "Align", "Corners", "Caption", "Fill",
                                             "Next",  "Big",     "OnClick", "OnKey"};
  EXPECT_EQ(Names(TShape::Class()), expected);
  EXPECT_EQ(Names(TForm1::Class()), expected);
  EXPECT_FALSE(TShape::Class()->FindProperty("Visible")->HasDefault);
  const TPropInfo* visible = TForm1::Class()->FindProperty("visible");
  ASSERT_TRUE(visible);
  EXPECT_TRUE(visible->HasDefault);
  EXPECT_EQ(visible->Default, 1);
  EXPECT_EQ(TForm1::Class()->Parent(), TShape::Class());
  EXPECT_TRUE(TForm1::Class()->InheritsFrom(TComponent::Class()));
  EXPECT_FALSE(TShape::Class()->InheritsFrom(TForm1::Class()));
}

TEST(Rtti, KindsFollowTheGetterTypes) {
  const struct {
    const char* name;
    TTypeKind kind;
  } cases[] = {{"Width", tkFloat}, {"Visible", tkEnumeration}, {"Align", tkEnumeration},
               {"Corners", tkSet}, {"Caption", tkWString},     {"Fill", tkClass},
               {"Tag", tkInteger}, {"Big", tkInt64},           {"OnClick", tkMethod},
               {"Name", tkString}};
  for (const auto& c : cases) {
    const TPropInfo* p = TShape::Class()->FindProperty(c.name);
    ASSERT_TRUE(p) << c.name;
    EXPECT_EQ(p->Kind, c.kind) << c.name;
  }
  EXPECT_EQ(TShape::Class()->FindProperty("Fill")->ClassType(), TBrush::Class());
  EXPECT_FALSE(TShape::Class()->FindProperty("Big")->IsWritable());
}

TEST(Rtti, ReadsAndWritesByKindAndRejectsTheWrongKind) {
  TShape s(nullptr);
  const TClassInfo* c = s.ClassType();
  c->FindProperty("Width")->SetFloat(&s, 12.5L);
  EXPECT_EQ(s.GetWidth(), 12.5f);
  c->FindProperty("Align")->SetEnum(&s, "ALCLIENT");
  EXPECT_EQ(s.GetAlign(), alClient);
  EXPECT_EQ(c->FindProperty("Align")->GetEnum(&s), "alClient");
  EXPECT_THROW(c->FindProperty("Align")->SetEnum(&s, "alBottom"), EPropertyError);
  c->FindProperty("Corners")->SetSet(&s, {"crTopLeft", "crBottomLeft"});
  EXPECT_EQ(s.GetCorners(), 5u);
  EXPECT_EQ(c->FindProperty("Corners")->GetSet(&s),
            (std::vector<std::string>{"crTopLeft", "crBottomLeft"}));
  c->FindProperty("Caption")->SetStr(&s, "电调");
  EXPECT_EQ(s.GetCaption(), u"电调");
  EXPECT_THROW(c->FindProperty("Width")->GetStr(&s), EPropertyError);
  EXPECT_THROW(c->FindProperty("Big")->SetOrd(&s, 1), EPropertyError);
  EXPECT_EQ(c->FindProperty("Big")->GetOrd(&s), int64_t(1) << 40);
}

TEST(Rtti, VariantAccessConvertsAndStoredFunctionsDecide) {
  TShape s(nullptr);
  SetPropValue(&s, "visible", Variant("false"));
  EXPECT_FALSE(s.GetVisible());
  EXPECT_EQ(GetPropValue(&s, "Visible"), Variant(false));
  SetPropValue(&s, "Width", Variant("7.25"));
  EXPECT_EQ(s.GetWidth(), 7.25f);
  SetPropValue(&s, "Align", Variant("alTop"));
  EXPECT_EQ(GetPropValue(&s, "Align"), Variant("alTop"));
  EXPECT_THROW(SetPropValue(&s, "Width", Variant("wide")), EConvertError);
  EXPECT_THROW(SetPropValue(&s, "Height", Variant(1)), EPropertyError);
  const TPropInfo* width = s.ClassType()->FindProperty("Width");
  EXPECT_TRUE(width->IsStored(&s));
  s.SetWidth(50);
  EXPECT_FALSE(width->IsStored(&s));
  EXPECT_FALSE(s.ClassType()->FindProperty("Name")->IsStored(&s));
}

TEST(Rtti, DottedPathsFollowObjectProperties) {
  TShape a(nullptr), b(nullptr);
  a.SetNext(&b);
  SetPropValue(&a, "next.fill.COLOR", Variant("#FF2B2B2B"));
  EXPECT_EQ(b.GetFill()->GetColor(), "#FF2B2B2B");
  TPropPath p = FindPropPath(&a, "Fill.Color");
  EXPECT_EQ(p.Instance, a.GetFill());
  // A segment that is no object property, a nil object and an unknown name fail.
  EXPECT_FALSE(FindPropPath(&a, "Width.Color"));
  EXPECT_FALSE(FindPropPath(&b, "Next.Width"));
  EXPECT_FALSE(FindPropPath(&a, "Fill.Colour"));
  EXPECT_FALSE(FindPropPath(&a, ""));
  // Object properties take only objects of their class.
  TBrush other;
  EXPECT_THROW(a.ClassType()->FindProperty("Next")->SetObj(&a, &other), EPropertyError);
}

TEST(Rtti, EventsBindPublishedMethodsByNameAndNameThemAgain) {
  TForm1 form(nullptr);
  TShape button(&form);
  SetMethodProp(&button, "OnClick", &form, "button1click");
  ASSERT_TRUE(button.OnClick);
  button.OnClick(&button);
  EXPECT_EQ(form.Clicked, &button);
  const TMethod m = button.ClassType()->FindProperty("OnClick")->GetMethod(&button);
  EXPECT_EQ(m.Data, &form);
  ASSERT_TRUE(m.Code);
  EXPECT_EQ(m.Code->Name(), "Button1Click");

  SetMethodProp(&button, "OnKey", &form, "KeyPressed");
  button.OnKey(&button, 27);
  EXPECT_EQ(form.LastKey, 27);
  // A handler of another signature, an unknown name, and a plain lambda.
  EXPECT_THROW(SetMethodProp(&button, "OnClick", &form, "KeyPressed"), EPropertyError);
  EXPECT_THROW(SetMethodProp(&button, "OnClick", &form, "Nothing"), EPropertyError);
  button.OnClick = [](TObject*) {};
  EXPECT_EQ(button.ClassType()->FindProperty("OnClick")->GetMethod(&button).Code, nullptr);
}

TEST(Rtti, RegistryFindsClassesWithoutRegardToCaseAndCreatesThem) {
  RegisterClass(TShape::Class());
  RegisterClass(TAbstract::Class());
  EXPECT_EQ(GetClass("tshape"), TShape::Class());
  EXPECT_EQ(GetClass("TCircle"), nullptr);
  EXPECT_THROW(FindClass("TCircle"), EClassNotFound);
  TComponent owner;
  TObject* made = GetClass("TShape")->Create(&owner);
  ASSERT_TRUE(made);
  EXPECT_EQ(made->ClassName(), "TShape");
  EXPECT_EQ(static_cast<TComponent*>(made)->GetOwner(), &owner);
  EXPECT_EQ(TAbstract::Class()->Create(&owner), nullptr);
  UnRegisterClass(TShape::Class());
  EXPECT_EQ(GetClass("TShape"), nullptr);
}

TEST(Components, FreeNotificationAndOwnerNoticesClearReferences) {
  struct THolder : TComponent {
    using TComponent::TComponent;
    TComponent* Ref = nullptr;
    void Notification(TComponent* C, TOperation Op) override {
      TComponent::Notification(C, Op);
      if (Op == opRemove && C == Ref) Ref = nullptr;
    }
  };
  THolder holder(nullptr);
  auto* target = new TComponent(nullptr);
  holder.Ref = target;
  target->FreeNotification(&holder);
  delete target;
  EXPECT_EQ(holder.Ref, nullptr);

  // Siblings under one owner hear of each other's removal through the owner.
  TComponent owner;
  auto* sibling = new THolder(&owner);
  auto* other = new TComponent(&owner);
  sibling->Ref = other;
  delete other;
  EXPECT_EQ(sibling->Ref, nullptr);

  // A subscriber freed first unsubscribes itself.
  auto* listener = new THolder(nullptr);
  TComponent source;
  source.FreeNotification(listener);
  delete listener;
  EXPECT_EQ(TComponent::Class()->Name(), source.ClassName());
}

TEST(Variants, ConvertBetweenTextNumbersAndBooleans) {
  EXPECT_EQ(Variant("1.5").ToDouble(), 1.5);
  EXPECT_EQ(Variant(" 12").ToInt64(), 12);
  EXPECT_EQ(Variant(2.5).ToInt64(), 2);  // halves to even
  EXPECT_EQ(Variant(3.5).ToInt64(), 4);
  EXPECT_TRUE(Variant("TRUE").ToBool());
  EXPECT_FALSE(Variant("0").ToBool());
  EXPECT_EQ(Variant(0.25).ToString(), "0.25");
  EXPECT_EQ(Variant(true).ToString(), "True");
  EXPECT_EQ(Variant(u"电调").ToString(), "电调");
  EXPECT_EQ(Variant::Null().ToString(), "");
  EXPECT_TRUE(Variant().IsEmpty());
  EXPECT_EQ(Variant::Date(2).VarType(), varDate);
  for (const char* bad : {"", "1,5", "x", "1.5e", "nan?"})
    EXPECT_THROW(Variant(bad).ToDouble(), EConvertError) << bad;
  EXPECT_THROW(Variant(1e300).ToInt64(), EConvertError);
}
