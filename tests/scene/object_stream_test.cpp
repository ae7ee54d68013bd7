#include <gtest/gtest.h>
#include <strings.h>

#include <cstring>
#include <limits>
#include <memory>

#include "platform/rtl/Rtti.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "tests/scene/checks.h"
#include "tests/scene/object_fixture.h"

namespace {

// A form that uses every value tag the writer writes.
TTestForm* BuildFixture(TComponent* Owner) {
  RegisterTestClasses();
  auto* form = new TTestForm(Owner);
  form->SetName("Form1");
  form->Width = 12.5f;
  form->Opacity = 0;  // no declared default: written even as 0
  form->Visible = false;
  form->Align = taClient;
  form->Corners = 5;
  form->Caption = "OK";
  form->Text = u"电调";
  form->Big = int64_t(1) << 40;
  form->SetTag(100);
  form->Cursor = -21;
  form->Color = 0xFF2B2B2B;
  form->Position->X = 12;
  form->Position->Y = 34;
  form->Fill->Color = "#FF2B2B2B";
  form->Items->Lines = {u"Grüße", u"plain", u""};
  form->Bitmap->Bytes = {0x89, 'P', 'N', 'G', 0, 255};
  form->SetExtra(nullptr);
  for (float offset : {0.0f, 0.25f}) {
    auto* point = static_cast<TTestPoint*>(form->Points->Add());
    point->Offset = offset;
    point->Color = "#FF000000";
  }
  form->SetResourceName("formstyle");
  form->Value = Variant::Date(45000.5);
  SetMethodProp(form, "OnClick", form, "ButtonClick");

  auto* button = new TTestNode(form);
  button->SetName("Button1");
  button->SetTag(300);
  button->Caption = std::string(300, 'x');
  button->SetBindingName("value");
  button->Value = Variant::Null();
  form->AddObject(button);
  auto* control = new TTestControl(form);
  control->SetTag(70000);
  control->SetBuddy(button);
  button->AddObject(control);
  form->SetBuddy(button);
  auto* transient = new TTestNode(form);
  transient->SetName("Transient");
  transient->SetStored(false);
  form->AddObject(transient);
  return form;
}

std::string TextToBinary(const std::string& Text) {
  std::unique_ptr<TMemoryStream> in(MemoryFrom(Text));
  TMemoryStream out;
  ObjectTextToBinary(in.get(), &out);
  return StreamBytes(out);
}

std::string BinaryToText(const std::string& Bytes) {
  std::unique_ptr<TMemoryStream> in(MemoryFrom(Bytes));
  TMemoryStream out;
  ObjectBinaryToText(in.get(), &out);
  return StreamBytes(out);
}

void LoadBinary(TzrObject* Node, const std::string& Bytes) {
  std::unique_ptr<TMemoryStream> in(MemoryFrom(Bytes));
  Node->LoadFromBinStream(in.get());
}

void LoadText(TzrObject* Node, const std::string& Text) {
  std::unique_ptr<TMemoryStream> in(MemoryFrom(Text));
  Node->LoadFromStream(in.get());
}

}  // namespace

TEST(ObjectStream, BinaryTextBinaryRoundTripKeepsEveryByte) {
  TComponent owner;
  TTestForm* form = BuildFixture(&owner);
  const std::string binary = BinaryOf(form);
  const std::string text = BinaryToText(binary);
  EXPECT_EQ(TextToBinary(text), binary);
  // A float that 16 digits cannot carry exactly still gives a stable text.
  TTestNode tenth(nullptr);
  tenth.Width = 0.1f;
  const std::string tenthText = TextOf(&tenth);
  EXPECT_EQ(BinaryToText(TextToBinary(tenthText)), tenthText);
  TTestNode back(nullptr);
  LoadText(&back, tenthText);
  EXPECT_EQ(back.Width, 0.1f);
  // Values at the ends of the extended range round past them in 16 digits
  // and still read back, as the nearest value there is.
  for (long double edge : {std::numeric_limits<long double>::max(),
                           -std::numeric_limits<long double>::max(),
                           std::numeric_limits<long double>::denorm_min()}) {
    uint8_t bytes[10];
    ExtendedToBytes(edge, bytes);
    const std::string edgeBinary = std::string("TPF0\x09TTestNode\x00\x01" "A\x05", 18) +
                                   std::string(reinterpret_cast<char*>(bytes), 10) +
                                   std::string(2, '\0');
    const std::string edgeText = BinaryToText(edgeBinary);
    EXPECT_EQ(BinaryToText(TextToBinary(edgeText)), edgeText);
  }
  // Tags the writer never writes survive the text form too.
  const std::string special =
      "object T: TTestNode\r\n  A = 0.500000000000000000s\r\n  B = 1.250000000000000000c\r\n"
      "  C = 45000.500000000000000000d\r\n  D = Null\r\n  E = nil\r\n  F = -5000000000\r\n"
      "  G = (\r\n    1\r\n    (\r\n      'x'))\r\n  H = []\r\n  I = {}\r\n  J = <>\r\n"
      "  K = <\r\n    item [2]\r\n      Offset = 1.000000000000000000\r\n"
      "      Object = 1\r\n    end>\r\n"
      "  L = INF\r\n  M = -INF\r\n  N = NAN\r\n"
      "  Fill.Gradient.StartPosition.Point = '(0,1)'\r\nend\r\n";
  const std::string specialBinary = TextToBinary(special);
  EXPECT_EQ(BinaryToText(specialBinary), special);
  EXPECT_TRUE(Contains(specialBinary, std::string("\x01"
                                                  "A\x0F",
                                                  3)));  // single tag
  EXPECT_TRUE(Contains(specialBinary, std::string("\x01"
                                                  "B\x10",
                                                  3)));  // currency tag
  EXPECT_TRUE(Contains(specialBinary, std::string("\x01"
                                                  "C\x11",
                                                  3)));  // date tag
  EXPECT_TRUE(Contains(specialBinary, std::string("\x01"
                                                  "D\x00",
                                                  3)));  // null
  EXPECT_TRUE(Contains(specialBinary, std::string("\x01"
                                                  "F\x13",
                                                  3)));  // int64
}

TEST(ObjectStream, ReadingBackGivesTheSameTree) {
  TComponent owner;
  TTestForm* form = BuildFixture(&owner);
  const std::string binary = BinaryOf(form);
  TComponent other;
  auto* copy = new TTestForm(&other);
  LoadBinary(copy, binary);
  EXPECT_EQ(BinaryOf(copy), binary);
  EXPECT_EQ(copy->GetName(), "Form1");
  EXPECT_EQ(copy->Text, u"电调");
  EXPECT_EQ(copy->Items->Lines, form->Items->Lines);
  EXPECT_EQ(copy->Bitmap->Bytes, form->Bitmap->Bytes);
  EXPECT_EQ(copy->Position->Y, 34);
  EXPECT_EQ(copy->Cursor, -21);
  EXPECT_EQ(copy->Color, 0xFF2B2B2Bu);
  EXPECT_EQ(copy->Value, Variant::Date(45000.5));
  EXPECT_EQ(copy->Points->Count(), 2);
  ASSERT_EQ(copy->GetChildrenCount(), 1);  // the transient child is not stored
  auto* button = static_cast<TTestNode*>(copy->GetChild(0));
  EXPECT_EQ(copy->GetBuddy(), button);  // reference resolved by name
  auto* control = static_cast<TTestNode*>(button->GetChild(0));
  EXPECT_EQ(control->GetBuddy(), button);
  EXPECT_EQ(control->ClassName(), "TTestControl");
  // The handler is the copy's own published method.
  ASSERT_TRUE(copy->OnClick);
  copy->OnClick(button);
  EXPECT_EQ(copy->Clicked, button);
  // Loaded once each, loading marks gone.
  EXPECT_EQ(copy->LoadedCalls, 1);
  EXPECT_EQ(control->LoadedCalls, 1);
  EXPECT_FALSE(control->IsLoading());
  EXPECT_FALSE(copy->IsLoading());
}

TEST(ObjectStream, DefaultsAreNotWritten) {
  TComponent owner;
  TTestForm* form = BuildFixture(&owner);
  const std::string text = TextOf(form);
  EXPECT_TRUE(Contains(text, "object Form1: TTestForm\r\n"));
  EXPECT_TRUE(Contains(text, "  Opacity = 0.000000000000000000\r\n"));
  EXPECT_TRUE(Contains(text, "  Visible = False\r\n"));
  EXPECT_TRUE(Contains(text, "  Width = 12.500000000000000000\r\n"));
  EXPECT_TRUE(Contains(text, "  Cursor = crHandPoint\r\n"));
  EXPECT_TRUE(Contains(text, "  Color = -13948117\r\n"));  // 32 bits, signed
  EXPECT_TRUE(Contains(text, "  Fill.Color = '#FF2B2B2B'\r\n"));
  EXPECT_TRUE(Contains(text, "  Position.Point = '(12,34)'\r\n"));
  EXPECT_TRUE(Contains(text, "  Extra = nil\r\n"));
  EXPECT_TRUE(Contains(text, "  Corners = [crTopLeft, crBottomLeft]\r\n"));
  EXPECT_TRUE(Contains(text, "  OnClick = ButtonClick\r\n"));
  EXPECT_TRUE(Contains(text, "  Text = #30005#35843\r\n"));
  // 0.1 kept in a Single is the extended value of the nearest Single.
  TTestNode tenth(nullptr);
  tenth.Width = 0.1f;
  EXPECT_TRUE(Contains(TextOf(&tenth), "Width = 0.100000001490116100\r\n"));
  uint8_t nearest[10];
  ExtendedToBytes(static_cast<long double>(0.1f), nearest);
  EXPECT_TRUE(Contains(BinaryOf(&tenth),
                       std::string("\x05Width\x05", 7) + std::string((char*)nearest, 10)));
  EXPECT_FALSE(Contains(text, "Transient"));
  EXPECT_FALSE(Contains(text, "Index ="));
  EXPECT_FALSE(Contains(text, "Parent ="));
  EXPECT_FALSE(Contains(text, " Name ="));

  TTestNode plain(nullptr);
  const std::string bare = TextOf(&plain);
  // Width (declared default, 0), Visible (default True), Align, Caption: left out.
  EXPECT_EQ(bare,
            "object TTestNode\r\n  Opacity = 1.000000000000000000\r\n  Enabled = True\r\n"
            "  Text = ''\r\n  Fill.Color = '#FFFFFFFF'\r\n  Points = <>\r\n  Extra = nil\r\nend\r\n");
  // The empty text is written with the wide-string tag and count 0.
  EXPECT_TRUE(Contains(BinaryOf(&plain), std::string("\x04Text\x12\x00\x00\x00\x00", 10)));
}

TEST(ObjectStream, StringsTakeTheTagTheirContentCalls) {
  const struct {
    std::string text;
    TValueType tag;
  } cases[] = {
      {"OK", TValueType::String},
      {std::string(255, 'a'), TValueType::String},
      {std::string(300, 'a'), TValueType::LString},
      {"Grüße aus Köln", TValueType::UTF8String},
      {"电调", TValueType::WString},
      {"", TValueType::WString},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringValueType(c.text), c.tag) << c.text;
    TTestNode node(nullptr);
    node.Caption = c.text;
    TTestNode back(nullptr);
    LoadBinary(&back, BinaryOf(&node));
    EXPECT_EQ(back.Caption, c.text);
  }
  // Long strings are cut into pieces of 64 in the text form, quotes and line
  // ends written as codes.
  TTestNode node(nullptr);
  node.Caption = std::string(70, 'y') + "it's\r\n";
  const std::string text = TextOf(&node);
  EXPECT_TRUE(Contains(text, "Caption = \r\n    '" + std::string(64, 'y') +
                                 "' +\r\n    'yyyyyyit'#39's'#13#10\r\n"));
  TTestNode back(nullptr);
  LoadText(&back, text);
  EXPECT_EQ(back.Caption, node.Caption);
}

TEST(ObjectStream, ExtendedFloatsKeepTheirValue) {
  const long double values[] = {0, 1, -2.5L, 0.1L, 1e-300L, 3.4e38L, -1e4000L, 12345.678L};
  for (long double v : values) {
    uint8_t bytes[10];
    ExtendedToBytes(v, bytes);
    EXPECT_EQ(BytesToExtended(bytes), v);
  }
  uint8_t one[10];
  ExtendedToBytes(1, one);
  const uint8_t expected[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(std::memcmp(one, expected, 10), 0);
  EXPECT_EQ(StreamFloatText(50), "50.000000000000000000");
  EXPECT_EQ(StreamFloatText(-0.5L), "-0.500000000000000000");
  EXPECT_EQ(StreamFloatText(0.1f), "0.100000001490116100");
}

TEST(ObjectStream, UnknownPropertiesClassesAndWrongValuesAreSkipped) {
  RegisterTestClasses();
  const std::string text =
      "object Root: TTestNode\r\n"
      "  Gone = 5\r\n"                          // a property of an older version
      "  Fill.Gone = (\r\n    1\r\n    2)\r\n"  // unknown nested property, list value
      "  Visible = 'yes'\r\n"                   // wrong kind
      "  Align = taBottom\r\n"                  // no such member
      "  Fill.Color = '#FF2B2B2B'\r\n"
      "  object Old: TRemovedWidget\r\n"
      "    Width = 3.000000000000000000\r\n"
      "    object Inner: TTestNode\r\n    end\r\n"
      "  end\r\n"
      "  object Kept: TTestNode\r\n"
      "    Caption = 'kept'\r\n"
      "    Points = <\r\n      item\r\n        Unknown = 1\r\n        Offset = 0.5\r\n      "
      "end>\r\n"
      "  end\r\n"
      "end";
  TTestNode root(nullptr);
  LoadText(&root, text);
  EXPECT_EQ(root.Fill->Color, "#FF2B2B2B");
  EXPECT_TRUE(root.Visible);
  EXPECT_EQ(root.Align, taNone);
  ASSERT_EQ(root.GetChildrenCount(), 1);
  auto* kept = static_cast<TTestNode*>(root.GetChild(0));
  EXPECT_EQ(kept->GetName(), "Kept");
  EXPECT_EQ(kept->Caption, "kept");
  ASSERT_EQ(kept->Points->Count(), 1);
  EXPECT_EQ(static_cast<TTestPoint*>(kept->Points->GetItem(0))->Offset, 0.5f);
  EXPECT_EQ(root.FindComponent("Inner"), nullptr);

  // Without an error handler the first unknown property stops the read.
  std::unique_ptr<TMemoryStream> bin(MemoryFrom(TextToBinary(text)));
  TTestNode strict(nullptr);
  TReader reader(bin.get());
  EXPECT_THROW(reader.ReadRootComponent(&strict), EPropertyError);
  EXPECT_FALSE(strict.IsLoading());
}

TEST(ObjectStream, AClassThatCannotReadItsOwnDataLosesOnlyThatEntry) {
  TTestNode node(nullptr);
  node.Bitmap->Bytes = {0xEE, 1, 2};
  static_cast<TTestPoint*>(node.Points->Add())->Offset = 0.5f;  // written after the bitmap
  TTestNode back(nullptr);
  LoadBinary(&back, BinaryOf(&node));
  EXPECT_EQ(back.Points->Count(), 1);
}

TEST(ObjectStream, CollectionsReadEmptyAndWithItemOrders) {
  TTestNode node(nullptr);
  node.Points->Add();
  LoadText(&node, "object TTestNode\r\n  Points = <>\r\nend");
  EXPECT_EQ(node.Points->Count(), 0);
  LoadText(&node,
           "object TTestNode\r\n  Points = <\r\n    item [3]\r\n      Offset = 0.5\r\n"
           "    end\r\n    item\r\n      Color = 'x'\r\n    end>\r\nend");
  ASSERT_EQ(node.Points->Count(), 2);
  EXPECT_EQ(static_cast<TTestPoint*>(node.Points->GetItem(0))->Offset, 0.5f);
  EXPECT_EQ(static_cast<TTestPoint*>(node.Points->GetItem(1))->Color, "x");
}

TEST(ObjectStream, ReadOnlyTagsConvertIntoTheProperties) {
  TMemoryStream bin;
  {
    TWriter w(&bin);
    w.Write("TPF0", 4);
    w.WriteStr("TTestNode");
    w.WriteStr("n");
    w.WriteStr("Opacity");
    w.WriteDouble(0.75);
    w.WriteStr("Width");
    w.WriteSingle(1.5f);
    w.WriteStr("Tag");
    w.WriteInteger(-129);
    w.WriteStr("Big");
    w.WriteInteger(-(int64_t(1) << 40));
    w.WriteStr("Text");
    w.WriteString("Grüße");
    w.WriteListEnd();
    w.WriteListEnd();
  }
  bin.SetPosition(0);
  TTestNode node(nullptr);
  node.LoadFromBinStream(&bin);
  EXPECT_EQ(node.Opacity, 0.75);
  EXPECT_EQ(node.Width, 1.5f);
  EXPECT_EQ(node.GetTag(), -129);
  EXPECT_EQ(node.Big, -(int64_t(1) << 40));
  EXPECT_EQ(node.Text, u"Grüße");
  EXPECT_EQ(bin.GetPosition(), bin.GetSize());  // left after the data
}

TEST(ObjectStream, IntLoadKeepsTheReceiversNameAndEmptiesAllOthers) {
  TComponent owner;
  TTestForm* form = BuildFixture(&owner);
  TMemoryStream bin;
  form->SaveToBinStream(&bin);
  bin.SetPosition(0);
  TTestForm target(nullptr);
  target.SetName("Mine");
  target.IntLoadFromBinStream(&bin);
  EXPECT_EQ(target.GetName(), "Mine");
  EXPECT_FALSE(target.IsDesigning());
  ASSERT_EQ(target.GetChildrenCount(), 1);
  EXPECT_EQ(target.GetChild(0)->GetName(), "");
  // Unnamed components cannot be referred to: the references stay unset.
  EXPECT_EQ(target.GetBuddy(), nullptr);

  // A stored root name already taken in the owner gets a free variant.
  auto* second = new TTestForm(&owner);
  bin.SetPosition(0);
  second->LoadFromBinStream(&bin);
  EXPECT_EQ(second->GetName(), "Form1_1");
}

TEST(ObjectStream, CloneEqualsTheOriginalWithoutNameAndTransientChildren) {
  TComponent owner;
  TTestForm* form = BuildFixture(&owner);
  TzrObject* clone = form->Clone(&owner);
  ASSERT_TRUE(clone);
  EXPECT_EQ(clone->ClassName(), "TTestForm");
  EXPECT_EQ(clone->GetName(), "");
  EXPECT_EQ(form->GetName(), "Form1");
  EXPECT_EQ(clone->GetParent(), nullptr);
  EXPECT_EQ(clone->GetChildrenCount(), 1);
  TMemoryStream a, b;
  clone->IntSaveToBinStream(&a);
  form->IntSaveToBinStream(&b);
  // Names of the children differ (the clone's are empty); all else is equal.
  TzrObject* copyOfClone = clone->Clone(nullptr);
  TMemoryStream c;
  copyOfClone->IntSaveToBinStream(&c);
  EXPECT_EQ(StreamBytes(c), StreamBytes(a));
  delete copyOfClone;
  auto* cloned = static_cast<TTestForm*>(clone);
  EXPECT_EQ(cloned->Items->Lines, form->Items->Lines);
  EXPECT_EQ(cloned->Fill->Color, form->Fill->Color);
  EXPECT_EQ(cloned->GetResourceName(), "formstyle");
  EXPECT_EQ(static_cast<TTestNode*>(cloned->GetChild(0))->Caption, std::string(300, 'x'));
}

TEST(ObjectStream, CloneChildFromStreamTakesTheDesignsChildren) {
  RegisterTestClasses();
  TComponent owner;
  auto* host = new TTestNode(&owner);
  host->AddObject(new TTestNode(&owner));
  std::unique_ptr<TMemoryStream> design(
      MemoryFrom("object TTestNode\r\n  object A: TTestNode\r\n  end\r\n  object B: TTestNode\r\n"
                 "    object C: TTestNode\r\n    end\r\n  end\r\nend"));
  host->CloneChildFromStream(design.get());
  ASSERT_EQ(host->GetChildrenCount(), 2);
  EXPECT_FALSE(host->GetChild(1)->GetStored());
  EXPECT_FALSE(host->GetChild(1)->GetChild(0)->GetStored());
  EXPECT_EQ(host->GetChild(0)->GetParent(), host);
}

TEST(ObjectStream, CreateObjectFromStreamsByRegisteredClass) {
  RegisterTestClasses();
  TComponent owner;
  std::unique_ptr<TMemoryStream> text(
      MemoryFrom("object Named: TTestNode\r\n  Caption = 'made'\r\nend"));
  TzrObject* made = CreateObjectFromStream(&owner, text.get());
  ASSERT_TRUE(made);
  EXPECT_EQ(static_cast<TTestNode*>(made)->Caption, "made");
  EXPECT_EQ(made->GetOwner(), &owner);
  EXPECT_EQ(made->GetName(), "");

  const char* failing[] = {
      "object X: TNoSuchClass\r\nend",
      "object X: TTestNode\r\n  Caption = \r\nend",
      "object X: TTestNode\r\n",
      "",
  };
  for (const char* f : failing) {
    std::unique_ptr<TMemoryStream> s(MemoryFrom(f));
    EXPECT_EQ(CreateObjectFromStream(&owner, s.get()), nullptr) << f;
    s->SetPosition(0);
    // Loading into an existing node ignores the class name; only malformed text fails.
    EXPECT_EQ(LoadObjectFromStream(made, s.get()), f == failing[0] ? made : nullptr) << f;
  }
  // Binary: read from the current position, and the stream is put back first.
  TMemoryStream bin;
  bin.WriteBuffer("xx", 2);
  made->SaveToBinStream(&bin);
  bin.SetPosition(2);
  TzrObject* again = CreateObjectFromBinStream(nullptr, &bin);
  ASSERT_TRUE(again);
  EXPECT_EQ(static_cast<TTestNode*>(again)->Caption, "made");
  delete again;
}

TEST(ObjectStream, CorruptStreamsRaiseTheReadErrorAtEveryTruncation) {
  RegisterTestClasses();
  TTestNode source(nullptr);
  source.SetName("S");
  source.Caption = "short";
  source.Text = u"电";
  source.Bitmap->Bytes = {1, 2, 3};
  static_cast<TTestPoint*>(source.Points->Add())->Offset = 1;
  auto* child = new TTestNode(&source);
  child->SetName("C");
  child->Items->Lines = {u"a"};
  source.AddObject(child);
  const std::string full = BinaryOf(&source);
  for (size_t cut = 0; cut < full.size(); ++cut) {
    TTestNode target(nullptr);
    EXPECT_THROW(LoadBinary(&target, full.substr(0, cut)), EReadError) << "cut at " << cut;
    EXPECT_FALSE(target.IsLoading());
    std::unique_ptr<TMemoryStream> s(MemoryFrom(full.substr(0, cut)));
    EXPECT_EQ(CreateObjectFromBinStream(nullptr, s.get()), nullptr);
  }
  const std::string text = BinaryToText(full);
  for (size_t cut = 0; cut + 1 < text.size(); cut += 7) {
    std::unique_ptr<TMemoryStream> s(MemoryFrom(text.substr(0, cut)));
    EXPECT_EQ(CreateObjectFromStream(nullptr, s.get()), nullptr) << "cut at " << cut;
  }

  // Lengths beyond the end, tags outside 0..21, and nesting beyond the limit.
  std::string longLength = full;
  const size_t at = longLength.find(
      "\x07"
      "Caption\x06",
      0, 9);
  ASSERT_NE(at, std::string::npos);
  longLength[at + 8] = '\x0C';  // long string with a 4-byte length
  longLength.replace(at + 9, 1, std::string("\xFF\xFF\xFF\x7F", 4));
  std::string badTag = full;
  badTag[at + 8] = '\x40';
  const std::string deep = std::string("TPF0\x09TTestNode\x00\x01X", 16) + std::string(300, '\x01');
  std::string deepObjects = "TPF0";
  for (int i = 0; i < 300; ++i) deepObjects += std::string("\x09TTestNode\x00\x00", 12);
  for (const std::string& bad : {longLength, badTag, deep, deepObjects, std::string("TPF1")}) {
    TTestNode target(nullptr);
    EXPECT_THROW(LoadBinary(&target, bad), EReadError);
    EXPECT_THROW(BinaryToText(bad), EReadError);
  }
  std::string nestedText;
  for (int i = 0; i < 300; ++i) nestedText += "object TTestNode\r\n";
  EXPECT_THROW(TextToBinary(nestedText), EParserError);
  EXPECT_THROW(TextToBinary("object A: TTestNode\r\n  X = (" + std::string(300, '(')),
               EParserError);
}

TEST(ObjectStream, MalformedTextNamesItsLine) {
  const struct {
    std::string text;
    const char* line;
  } cases[] = {
      {"object A: TTestNode\r\n  Caption = 'open\r\nend", "line 2"},
      {"object A: TTestNode\r\n  Width 1\r\nend", "line 2"},
      {"object A: TTestNode\r\n\r\n  Corners = [a,]\r\nend", "line 3"},
      {"object A: TTestNode\r\n  I = {0A1}\r\nend", "line 2"},
      {"thing A: TTestNode\r\nend", "line 1"},
      {"object A: TTestNode\r\nend\r\nextra", "line 3"},
      // The binary form ends a list at its first null tag.
      {"object T: TTestNode\r\n  I = (\r\n    1\r\n    Null\r\n    2)\r\nend", "line 4"},
      {"object T: TTestNode\r\n  I = (Null)\r\nend", "line 2"},
      // 240 bytes and more would read as the prefix of a record.
      {"object A: TTestNode\r\n  object B: T" + std::string(239, 'x') + "\r\n  end\r\nend",
       "line 2"},
  };
  for (const auto& c : cases) {
    try {
      TextToBinary(c.text);
      ADD_FAILURE() << c.text;
    } catch (const EParserError& e) {
      EXPECT_TRUE(Contains(e.what(), c.line)) << e.what();
    }
  }
}

TEST(ObjectStream, VariantsCarryLiveHandlesNotAddresses) {
  auto* node = new TTestNode(nullptr);
  const Variant v = ObjectToVariant(node);
  EXPECT_TRUE(VarIsObject(v));
  EXPECT_EQ(VariantToObject(v), node);
  EXPECT_EQ(ObjectToVariant(node), v);  // one handle per object
  delete node;
  EXPECT_EQ(VariantToObject(v), nullptr);
  const char* others[] = {"zrobj",  "zrobj-1", "zrobj12abc", "zrobj99999999999",
                          "ZROBJ1", "zrobj0",  "hello",      "zrobj140737488355328"};
  for (const char* o : others) EXPECT_EQ(VariantToObject(Variant(o)), nullptr) << o;
  EXPECT_EQ(VariantToObject(Variant(5)), nullptr);
  TTestPosition notAComponent;
  EXPECT_TRUE(ObjectToVariant(&notAComponent).IsNull());

  EXPECT_FALSE(VariantToEvent(Variant("zrmet0000000100000001")));
  EXPECT_FALSE(VariantToEvent(Variant("text")));
}

TEST(ObjectStream, EventHandlesLiveAsLongAsTheirObject) {
  auto* form = new TTestNode(nullptr);
  auto token = std::make_shared<int>(0);  // counts the copies of the handler
  int calls = 0;
  TObject* sender = nullptr;
  const Variant e = EventToVariant(
      [token, &calls, &sender](TObject* S) {
        ++calls;
        sender = S;
      },
      form);
  EXPECT_TRUE(VarIsEvent(e));
  EXPECT_FALSE(VarIsEvent(ObjectToVariant(form)));
  TNotifyEvent back = VariantToEvent(e);
  ASSERT_TRUE(back);
  back(form);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(sender, form);
  back = nullptr;
  EXPECT_EQ(token.use_count(), 2);
  delete form;
  // The table's copy went with its object; the variant names nothing now.
  EXPECT_EQ(token.use_count(), 1);
  EXPECT_FALSE(VariantToEvent(e));

  TTestPosition notAComponent;
  EXPECT_TRUE(EventToVariant([](TObject*) {}, &notAComponent).IsNull());
  EXPECT_TRUE(EventToVariant([](TObject*) {}, nullptr).IsNull());
  TTestNode owner(nullptr);
  EXPECT_EQ(EventToVariant(TNotifyEvent(), &owner), Variant("zrmet0"));
}

TEST(ObjectStream, QualifiedReferencesResolveThroughTheGlobalComponents) {
  RegisterTestClasses();
  TApplication app;
  auto* form2 = new TTestForm(&app);
  form2->SetName("Form2");
  auto* button = new TTestNode(form2);
  button->SetName("Button1");
  form2->AddObject(button);
  auto* form1 = new TTestForm(&app);
  form1->SetName("Form1");
  form1->SetBuddy(button);
  const std::string text = TextOf(form1);
  EXPECT_TRUE(Contains(text, "  Buddy = Form2.Button1\r\n")) << text;
  // A form read without owner finds Form2 among the application's forms.
  TTestForm copy(nullptr);
  LoadText(&copy, text);
  EXPECT_EQ(copy.GetBuddy(), button);
  // An owner that is not there leaves the reference empty.
  TTestForm lost(nullptr);
  LoadText(&lost, "object Form3: TTestForm\r\n  Buddy = Form9.Button1\r\nend\r\n");
  EXPECT_EQ(lost.GetBuddy(), nullptr);
}

TEST(ObjectStream, TextFormReadsBackNonAsciiNames) {
  RegisterTestClasses();
  TTestNode root(nullptr);
  root.SetName("Rööt");
  auto* child = new TTestNode(&root);
  child->SetName("Kñ");
  root.AddObject(child);
  root.SetBuddy(child);
  const std::string text = TextOf(&root);
  EXPECT_TRUE(Contains(text, "object Rööt: TTestNode\r\n")) << text;
  EXPECT_TRUE(Contains(text, "  Buddy = Kñ\r\n")) << text;
  EXPECT_EQ(text.substr(text.size() - 5), "end\r\n");  // every line ends with CR LF
  EXPECT_EQ(BinaryToText(TextToBinary(text)), text);
  TTestNode back(nullptr);
  LoadText(&back, text);
  EXPECT_EQ(back.GetName(), "Rööt");
  ASSERT_EQ(back.GetChildrenCount(), 1);
  EXPECT_EQ(back.GetChild(0)->GetName(), "Kñ");
  EXPECT_EQ(back.GetBuddy(), back.GetChild(0));
}

// The text converter writes only what it can read back: a binary stream whose
// names or identifiers have no text form is refused, never turned into text
// that fails later.
TEST(ObjectStream, BinaryWithoutATextFormIsRefused) {
  auto shortStr = [](const std::string& S) { return std::string(1, char(S.size())) + S; };
  auto root = [&](const std::string& Name, const std::string& Props) {
    return "TPF0" + shortStr("TTestNode") + shortStr(Name) + Props + std::string(2, '\0');
  };
  const std::string ident = std::string(1, '\x07');
  const std::string cases[] = {
      root("a b", ""),
      root("1st", ""),
      "TPF0\xF1" + shortStr(std::string(240, 'T')) + shortStr("") + std::string(2, '\0'),
      root("", shortStr("end") + "\x02\x01"),
      root("", shortStr("Two Words") + "\x02\x01"),
      root("", shortStr("Align") + ident + shortStr("")),
      root("", shortStr("Corners") + "\x0B" + shortStr("a-b") + std::string(1, '\0')),
      root("", shortStr("I") + "\x01" + ident + shortStr("null") + std::string(1, '\0')),
  };
  for (const std::string& bad : cases) EXPECT_THROW(BinaryToText(bad), EReadError) << bad;
  // Their neighbours with a text form convert both ways.
  for (const std::string& good :
       {root("a_b", ""), root("", shortStr("I") + "\x01" + ident + shortStr("x") + std::string(1, '\0'))})
    EXPECT_EQ(TextToBinary(BinaryToText(good)), good);
}

TEST(ObjectStream, RegistryKeepsCategoriesSorted) {
  RegisterTestClasses();
  RegisterZRObjects("Animations", {TTestAnimation::Class()});
  const auto& list = ObjectList();
  for (size_t i = 1; i < list.size(); ++i)
    EXPECT_LE(strcasecmp(list[i - 1].first.c_str(), list[i].first.c_str()), 0);
  EXPECT_EQ(GetClass("ttestnode"), TTestNode::Class());
}
