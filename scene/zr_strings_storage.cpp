// Typed key/value storage kept as an object stream.
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "scene/zr_strings.h"

const TClassInfo* TzrStorageItem::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrStorageItem>("TzrStorageItem", TPersistent::Class());
  return info;
}

const TClassInfo* TzrStorage::Class() {
  static const TClassInfo* info = TClassDecl<TzrStorage>("TzrStorage", TPersistent::Class());
  return info;
}

void TzrStorageItem::SetAsInteger(int32_t Value) {
  FAsInteger = Value;
  FType = TValueType::Int32;
}

void TzrStorageItem::SetAsFloat(float Value) {
  FAsFloat = Value;
  FType = TValueType::Single;
}

void TzrStorageItem::SetAsString(const std::u16string& Value) {
  FAsString = Value;
  FType = TValueType::WString;
}

void TzrStorageItem::SetAsBool(bool Value) { FType = Value ? TValueType::True : TValueType::False; }

TMemoryStream& TzrStorageItem::GetAsStream() {
  FType = TValueType::Binary;
  if (!FStream) FStream = std::make_unique<TMemoryStream>();
  return *FStream;
}

TzrStorage::~TzrStorage() {
  for (int i = 0; i < FItems.GetCount(); ++i) delete FItems.GetObject(i);
}

TzrStorageItem& TzrStorage::GetValues(const std::u16string& Name) {
  const int index = FItems.IndexOf(Name);
  if (index >= 0) return *static_cast<TzrStorageItem*>(FItems.GetObject(index));
  auto* item = new TzrStorageItem();
  FItems.AddObject(Name, item);
  return *item;
}

namespace {

void WriteItemValue(TWriter& writer, TzrStorageItem& item) {
  switch (item.GetType()) {
    case TValueType::Int8:
    case TValueType::Int16:
    case TValueType::Int32:
      writer.WriteInteger(item.GetAsInteger());
      break;
    case TValueType::Extended:
    case TValueType::Single:
      writer.WriteFloat(item.GetAsFloat());
      break;
    case TValueType::String:
    case TValueType::LString:
    case TValueType::WString:
    case TValueType::UTF8String:
      writer.WriteWideString(item.GetAsString());
      break;
    case TValueType::False:
    case TValueType::True:
      writer.WriteBoolean(item.GetAsBool());
      break;
    case TValueType::Binary: {
      TMemoryStream& bytes = item.GetAsStream();
      writer.WriteBinary(bytes.Memory(), static_cast<size_t>(bytes.GetSize()));
      break;
    }
    default:
      break;
  }
}

bool IsStorable(TValueType type) {
  switch (type) {
    case TValueType::Int8:
    case TValueType::Int16:
    case TValueType::Int32:
    case TValueType::Extended:
    case TValueType::Single:
    case TValueType::String:
    case TValueType::LString:
    case TValueType::WString:
    case TValueType::UTF8String:
    case TValueType::False:
    case TValueType::True:
    case TValueType::Binary:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TzrStorage::SaveToStream(TStream& Stream) const {
  TWriter writer(&Stream);
  writer.Write("TPF0", 4);
  writer.WriteStr("Root");
  writer.WriteStr("");
  const int count = FItems.GetCount();
  for (int i = 0; i < count; ++i) {
    auto* item = static_cast<TzrStorageItem*>(FItems.GetObject(i));
    if (!IsStorable(item->GetType())) continue;
    writer.WriteStr(UTF16ToUTF8(FItems.Get(i)));
    WriteItemValue(writer, *item);
  }
  writer.WriteListEnd();
  writer.WriteListEnd();
  writer.FlushBuffer();
}

void TzrStorage::LoadFromStream(TStream& Stream) {
  TReader reader(&Stream);
  reader.ReadSignature();
  reader.ReadStr();
  reader.ReadStr();
  while (!reader.EndOfList()) {
    const std::u16string name = UTF8ToUTF16(reader.ReadStr());
    const TValueType tag = reader.NextValue();
    if (!IsStorable(tag)) {
      reader.SkipValue();
      continue;
    }
    TzrStorageItem& item = GetValues(name);
    switch (tag) {
      case TValueType::Int8:
      case TValueType::Int16:
      case TValueType::Int32:
        item.FAsInteger = reader.ReadInteger();
        break;
      case TValueType::Extended:
      case TValueType::Single:
        item.FAsFloat = static_cast<float>(reader.ReadFloat());
        break;
      case TValueType::False:
      case TValueType::True:
        reader.ReadBoolean();
        break;
      case TValueType::Binary: {
        reader.ReadValue();
        uint32_t size = 0;
        reader.ReadBytes(&size, 4);
        reader.Need(size);
        std::vector<uint8_t> bytes(size);
        reader.ReadBytes(bytes.data(), size);
        TMemoryStream& stream = item.GetAsStream();
        stream.SetSize(0);
        stream.WriteBuffer(bytes.data(), static_cast<int32_t>(size));
        stream.SetPosition(0);
        break;
      }
      default:
        item.FAsString = reader.ReadWideString();
        break;
    }
    item.FType = tag;
  }
  reader.ReadListEnd();
  reader.ReadListEnd();
}

void TzrStorage::SaveToFile(const std::string& FileName) const {
  TMemoryStream binary;
  SaveToStream(binary);
  binary.SetPosition(0);
  TFileStream file(FileName, fmCreate);
  ObjectBinaryToText(&binary, &file);
}

void TzrStorage::LoadFromFile(const std::string& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  TMemoryStream binary;
  ObjectTextToBinary(&file, &binary);
  binary.SetPosition(0);
  LoadFromStream(binary);
}
