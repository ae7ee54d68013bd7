// Typed storage and the stream entries of string lists ("strings") and
// paths ("Path") inside object streams.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_path.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "scene/zr_strings.h"

namespace {

std::vector<uint8_t> BytesOf(TMemoryStream& stream) {
  const auto* p = static_cast<const uint8_t*>(stream.Memory());
  return {p, p + stream.GetSize()};
}

std::string TextOf(TMemoryStream& binary) {
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(&binary, &text);
  const auto* p = static_cast<const char*>(text.Memory());
  return {p, p + text.GetSize()};
}

TEST(ZrStorage, ValuesKeepTheirTypes) {
  TzrStorage storage;
  storage.GetValues(u"Width").SetAsInteger(100);
  storage.GetValues(u"Caption").SetAsString(u"abc");
  storage.GetValues(u"Scale").SetAsFloat(0.1f);
  storage.GetValues(u"Visible").SetAsBool(true);
  storage.GetValues(u"Hidden").SetAsBool(false);
  storage.GetValues(u"名字").SetAsString(u"油门曲线");
  TMemoryStream& blob = storage.GetValues(u"Blob").GetAsStream();
  blob.WriteBuffer("\x01\x02\x03", 3);
  storage.GetValues(u"Unset");

  EXPECT_EQ(storage.GetValues(u"WIDTH").GetAsInteger(), 100);  // case ignored
  EXPECT_EQ(storage.GetValues(u"width").GetType(), TValueType::Int32);
  EXPECT_EQ(storage.GetCount(), 8);

  TMemoryStream stream;
  storage.SaveToStream(stream);
  stream.SetPosition(0);
  TzrStorage back;
  back.LoadFromStream(stream);

  EXPECT_EQ(back.GetCount(), 7);  // the item without a value is not stored
  EXPECT_EQ(back.GetName(0), u"Width");
  EXPECT_EQ(back.GetValues(u"Width").GetAsInteger(), 100);
  EXPECT_EQ(back.GetValues(u"Width").GetType(), TValueType::Int8);
  EXPECT_EQ(back.GetValues(u"Caption").GetAsString(), u"abc");
  EXPECT_EQ(back.GetValues(u"Scale").GetAsFloat(), 0.1f);
  EXPECT_EQ(back.GetValues(u"Scale").GetType(), TValueType::Extended);
  EXPECT_TRUE(back.GetValues(u"Visible").GetAsBool());
  EXPECT_EQ(back.GetValues(u"Hidden").GetType(), TValueType::False);
  EXPECT_EQ(back.GetValues(u"名字").GetAsString(), u"油门曲线");
  TMemoryStream& bytes = back.GetValues(u"Blob").GetAsStream();
  EXPECT_EQ(BytesOf(bytes), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(ZrStorage, StreamLayout) {
  TzrStorage storage;
  storage.GetValues(u"Width").SetAsInteger(100);
  storage.GetValues(u"Caption").SetAsString(u"abc");
  TMemoryStream stream;
  storage.SaveToStream(stream);
  const std::vector<uint8_t> expected = {'T', 'P', 'F', '0', 4,   'R', 'o', 'o', 't', 0,   5,
                                         'W', 'i', 'd', 't', 'h', 2,   100, 7,   'C', 'a', 'p',
                                         't', 'i', 'o', 'n', 6,   3,   'a', 'b', 'c', 0,   0};
  EXPECT_EQ(BytesOf(stream), expected);
  const std::string text = TextOf(stream);
  EXPECT_NE(text.find("object Root"), std::string::npos) << text;
  EXPECT_NE(text.find("Width = 100"), std::string::npos) << text;
  EXPECT_NE(text.find("Caption = 'abc'"), std::string::npos) << text;
}

TEST(ZrStorage, DamagedStreamsRaiseAndKeepWhatWasRead) {
  TzrStorage storage;
  storage.GetValues(u"A").SetAsInteger(1);
  storage.GetValues(u"B").SetAsString(u"long enough text");
  TMemoryStream stream;
  storage.SaveToStream(stream);
  std::vector<uint8_t> bytes = BytesOf(stream);
  bytes.resize(bytes.size() - 8);

  TResourceStream cut(bytes.data(), bytes.size());
  TzrStorage back;
  EXPECT_THROW(back.LoadFromStream(cut), EReadError);
  EXPECT_EQ(back.GetValues(u"A").GetAsInteger(), 1);

  const uint8_t notAStream[] = {'X', 'Y', 'Z', '0', 0, 0, 0, 0};
  TResourceStream wrong(notAStream, sizeof notAStream);
  EXPECT_THROW(back.LoadFromStream(wrong), EReadError);
}

TEST(ZrStorage, UnknownValueKindsAreSkipped) {
  // An identifier and a 64-bit integer have no storage type.
  const uint8_t data[] = {'T', 'P', 'F', '0', 4, 'R', 'o', 'o', 't', 0, 1, 'x', 7, 2, 'i', 'd', 1,
                          'y', 19,  1,   0,   0, 0,   0,   0,   0,   0, 1, 'z', 2, 9, 0,   0};
  TResourceStream stream(data, sizeof data);
  TzrStorage storage;
  storage.LoadFromStream(stream);
  EXPECT_EQ(storage.GetCount(), 1);
  EXPECT_EQ(storage.GetValues(u"z").GetAsInteger(), 9);
}

TEST(ZrStorage, FilesHoldTheTextForm) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("zr_storage_" + std::to_string(::getpid()) + ".txt");
  TzrStorage storage;
  storage.GetValues(u"Width").SetAsInteger(100);
  storage.GetValues(u"Caption").SetAsString(u"abc");
  storage.SaveToFile(file.string());
  TzrStorage back;
  back.LoadFromFile(file.string());
  std::filesystem::remove(file);
  EXPECT_EQ(back.GetValues(u"Width").GetAsInteger(), 100);
  EXPECT_EQ(back.GetValues(u"Caption").GetAsString(), u"abc");
  EXPECT_THROW(back.LoadFromFile(file.string()), EFOpenError);
}

// A component holding a string list and a path as published object properties.
class THolder : public TComponent {
 public:
  explicit THolder(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrWideStringList* GetItems() const { return FItems.get(); }
  void SetItems(TzrWideStringList* Value) { FItems->Assign(Value); }
  TzrPathData* GetData() const { return FData.get(); }
  void SetData(TzrPathData* Value) { FData->Assign(Value); }

 private:
  std::unique_ptr<TzrWideStringList> FItems = std::make_unique<TzrWideStringList>();
  std::unique_ptr<TzrPathData> FData = std::make_unique<TzrPathData>();
};

const TClassInfo* THolder::Class() {
  static const TClassInfo* info = TClassDecl<THolder>("THolder", TComponent::Class())
                                      .Prop("Items", &THolder::GetItems, &THolder::SetItems)
                                      .Prop("Data", &THolder::GetData, &THolder::SetData);
  return info;
}

TEST(ZrStreamEntries, StringsAndPathTravelInObjectStreams) {
  THolder holder;
  holder.GetItems()->SetCommaText(u"alpha,\"two words\",油门");
  holder.GetData()->SetPathString("M 1,0 L 1,1 L 0,0.5 L 1,0 Z");
  TMemoryStream stream;
  {
    TWriter writer(&stream);
    writer.WriteRootComponent(&holder);
  }
  const std::string text = TextOf(stream);
  EXPECT_NE(text.find("Items.strings = ("), std::string::npos) << text;
  EXPECT_NE(text.find("Data.Path = {"), std::string::npos) << text;
  EXPECT_EQ(text.find("Data.Data"), std::string::npos) << text;

  THolder back;
  back.GetItems()->Add(u"old");
  stream.SetPosition(0);
  TReader reader(&stream);
  reader.ReadRootComponent(&back);
  EXPECT_TRUE(back.GetItems()->Equals(*holder.GetItems()));
  EXPECT_EQ(back.GetData()->PathData, holder.GetData()->PathData);
}

TEST(ZrStreamEntries, EmptyValuesAreNotWrittenAndBadPathsAreSkipped) {
  THolder empty;
  TMemoryStream stream;
  {
    TWriter writer(&stream);
    writer.WriteRootComponent(&empty);
  }
  const std::string text = TextOf(stream);
  EXPECT_EQ(text.find("strings"), std::string::npos) << text;
  EXPECT_EQ(text.find("Path"), std::string::npos) << text;

  const std::string bad =
      "object THolder\r\n  Data.Path = {0200000000000000}\r\n  Items.strings = (\r\n    'x')\r\n"
      "end\r\n";
  TResourceStream source(bad.data(), bad.size());
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  THolder back;
  back.GetData()->MoveTo({7, 7});
  std::vector<std::string> errors;
  TReader reader(&binary);
  reader.OnError = [&](const std::string& message) {
    errors.push_back(message);
    return true;
  };
  reader.ReadRootComponent(&back);
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_EQ(back.GetData()->PathData.size(), 1u);
  EXPECT_EQ(back.GetItems()->GetTextStr(), u"x\r\n");
}

}  // namespace
