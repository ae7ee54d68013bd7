// The PDF writer's object kinds and their written forms.

#include "files/PdfTypes.h"

#include <algorithm>

#include "platform/rtl/NumberText.h"

namespace {

void WriteNumberRef(TStream& AStream, int32_t Number, int32_t Generation) {
  WriteText(IntToStr(Number) + " " + IntToStr(Generation) + " R", AStream);
}

template <class T>
T* As(TPdfObject* AObject) {
  return dynamic_cast<T*>(AObject);
}

}  // namespace

// ---------------------------------------------------------------- TPdfObject

void TPdfObject::SetObjectNumber(int32_t Value) {
  FObjectNumber = Value;
  FObjectType = Value > 0 ? otIndirectObject : otDirectObject;
}

void TPdfObject::WriteToStream(TStream& AStream) {
  if (FObjectType == otDirectObject) {
    WriteBody(AStream);
    return;
  }
  WriteNumberRef(AStream, FObjectNumber, FGenerationNumber);
}

void TPdfObject::WriteValueToStream(TStream& AStream) {
  if (FObjectType != otIndirectObject)
    throw EPdfInvalidOperation("internal error wrong object type");
  WriteText(IntToStr(FObjectNumber) + " " + IntToStr(FGenerationNumber) + " obj\r\n", AStream);
  WriteBody(AStream);
  WriteText("\r\nendobj\r\n", AStream);
}

void TPdfNull::WriteBody(TStream& AStream) { WriteText("null", AStream); }

void TPdfBoolean::WriteBody(TStream& AStream) { WriteText(FValue ? "true" : "false", AStream); }

void TPdfNumber::WriteBody(TStream& AStream) { WriteText(IntToStr(FValue), AStream); }

void TPdfReal::WriteBody(TStream& AStream) { WriteText(FloatToStr(FValue), AStream); }

void TPdfString::WriteBody(TStream& AStream) {
  if (HasWideChars(FValue))
    WriteText("<" + HexOfCodes(FValue) + ">", AStream);
  else
    WriteText(LiteralString(FValue, TPdfEncoding::Win1252), AStream);
}

// Readers take a text string that starts with the byte-order mark as UTF-16BE
// and any other as their own single-byte encoding, which matches
// Windows-1252 for every character a literal string here holds.
void TPdfText::WriteBody(TStream& AStream) {
  if (FitsCodePage(FValue, TPdfEncoding::Win1252))
    WriteText(LiteralString(FValue, TPdfEncoding::Win1252), AStream);
  else
    WriteText("<FEFF" + HexOfUtf16(FValue) + ">", AStream);
}

void TPdfName::WriteBody(TStream& AStream) { WriteText("/" + EncodeName(FValue), AStream); }

TPdfVirtualObject::TPdfVirtualObject(int32_t AObjectId) {
  FObjectNumber = AObjectId;
  FObjectType = otVirtualObject;
}

// ---------------------------------------------------------------- TPdfArray

TPdfArray* TPdfArray::CreateNumArray(TPdfObjectMgr* AObjectMgr,
                                     const std::vector<int32_t>& AArray) {
  auto* result = new TPdfArray(AObjectMgr);
  for (int32_t value : AArray) result->AddItem(new TPdfNumber(value));
  return result;
}

void TPdfArray::AddItem(TPdfObject* AItem) {
  if (!AItem) throw EPdfInvalidValue("internal error. wrong object.");
  for (const auto& item : FArray)
    if (item.get() == AItem) return;
  if (AItem->ObjectType() == otDirectObject)
    FArray.emplace_back(AItem);
  else
    FArray.push_back(std::make_unique<TPdfVirtualObject>(AItem->ObjectNumber()));
}

TPdfObject* TPdfArray::Items(int Index) const {
  TPdfObject* item = FArray.at(Index).get();
  if (item->ObjectType() != otVirtualObject) return item;
  return FObjectMgr ? FObjectMgr->GetObject(item->ObjectNumber()) : nullptr;
}

TPdfName* TPdfArray::FindName(const std::u16string& AName) const {
  for (int i = 0; i < ItemCount(); ++i) {
    auto* name = As<TPdfName>(Items(i));
    if (name && name->Value() == AName) return name;
  }
  return nullptr;
}

bool TPdfArray::RemoveName(const std::u16string& AName) {
  TPdfName* name = FindName(AName);
  if (!name) return false;
  // An indirect name stays with the object table; only its placeholder goes.
  auto it = std::find_if(FArray.begin(), FArray.end(), [&](const auto& item) {
    return item.get() == name ||
           (item->ObjectType() == otVirtualObject && item->ObjectNumber() == name->ObjectNumber());
  });
  FArray.erase(it);
  return true;
}

void TPdfArray::WriteBody(TStream& AStream) {
  WriteText("[", AStream);
  for (const auto& item : FArray) {
    item->WriteToStream(AStream);
    WriteText(" ", AStream);
  }
  WriteText("]", AStream);
}

// ---------------------------------------------------------------- TPdfDictionary

TPdfDictionaryElement::TPdfDictionaryElement(const std::u16string& AKey, TPdfObject* AValue,
                                             bool AIsInternal)
    : FKey(std::make_unique<TPdfName>(AKey)), FValue(AValue), FIsInternal(AIsInternal) {
  if (!AValue) throw EPdfInvalidValue("internal error. wrong object.");
}

void TPdfDictionary::Append(const std::u16string& AKey, TPdfObject* AValue, bool AIsInternal) {
  // A direct value the dictionary holds already would be owned twice (and
  // freed with the element it replaces): it is refused, as an array refuses
  // an item it holds.
  if (AValue && AValue->ObjectType() == otDirectObject)
    for (const auto& element : FArray)
      if (element->Value() == AValue) return;
  if (AValue && AValue->ObjectType() != otDirectObject)
    AValue = new TPdfVirtualObject(AValue->ObjectNumber());
  auto element = std::make_unique<TPdfDictionaryElement>(AKey, AValue, AIsInternal);
  RemoveItem(AKey);
  FArray.push_back(std::move(element));
}

void TPdfDictionary::AddItem(const std::u16string& AKey, TPdfObject* AValue) {
  Append(AKey, AValue, false);
}

void TPdfDictionary::AddInternalItem(const std::u16string& AKey, TPdfObject* AValue) {
  Append(AKey, AValue, true);
}

void TPdfDictionary::AddNumberItem(const std::u16string& AKey, int32_t AValue) {
  AddItem(AKey, new TPdfNumber(AValue));
}

void TPdfDictionary::AddNameItem(const std::u16string& AKey, const std::u16string& AValue) {
  AddItem(AKey, new TPdfName(AValue));
}

void TPdfDictionary::RemoveItem(const std::u16string& AKey) {
  auto it = std::find_if(FArray.begin(), FArray.end(),
                         [&](const auto& element) { return element->Key() == AKey; });
  if (it != FArray.end()) FArray.erase(it);
}

TPdfObject* TPdfDictionary::ValueByName(const std::u16string& AKey) const {
  for (const auto& element : FArray) {
    if (element->Key() != AKey) continue;
    TPdfObject* value = element->Value();
    if (value->ObjectType() != otVirtualObject) return value;
    return FObjectMgr ? FObjectMgr->GetObject(value->ObjectNumber()) : nullptr;
  }
  return nullptr;
}

TPdfBoolean* TPdfDictionary::PdfBooleanByName(const std::u16string& AKey) const {
  return As<TPdfBoolean>(ValueByName(AKey));
}
TPdfNumber* TPdfDictionary::PdfNumberByName(const std::u16string& AKey) const {
  return As<TPdfNumber>(ValueByName(AKey));
}
TPdfText* TPdfDictionary::PdfTextByName(const std::u16string& AKey) const {
  return As<TPdfText>(ValueByName(AKey));
}
TPdfReal* TPdfDictionary::PdfRealByName(const std::u16string& AKey) const {
  return As<TPdfReal>(ValueByName(AKey));
}
TPdfString* TPdfDictionary::PdfStringByName(const std::u16string& AKey) const {
  return As<TPdfString>(ValueByName(AKey));
}
TPdfName* TPdfDictionary::PdfNameByName(const std::u16string& AKey) const {
  return As<TPdfName>(ValueByName(AKey));
}
TPdfDictionary* TPdfDictionary::PdfDictionaryByName(const std::u16string& AKey) const {
  return As<TPdfDictionary>(ValueByName(AKey));
}
TPdfArray* TPdfDictionary::PdfArrayByName(const std::u16string& AKey) const {
  return As<TPdfArray>(ValueByName(AKey));
}

void TPdfDictionary::WriteBody(TStream& AStream) {
  WriteText("<<\r\n", AStream);
  for (const auto& element : FArray) {
    if (element->IsInternal()) continue;
    WriteText("/" + EncodeName(element->Key()) + " ", AStream);
    element->Value()->WriteToStream(AStream);
    WriteText("\r\n", AStream);
  }
  WriteText(">>", AStream);
}

std::u16string DictionaryType(const TPdfDictionary* ADictionary) {
  TPdfName* type = ADictionary->PdfNameByName(u"Type");
  return type ? type->Value() : std::u16string();
}

// ---------------------------------------------------------------- streams

TPdfStream::TPdfStream(TPdfObjectMgr* AObjectMgr)
    : FAttributes(std::make_unique<TPdfDictionary>(AObjectMgr)),
      FStream(std::make_unique<TMemoryStream>()) {
  FAttributes->AddNumberItem(u"Length", 0);
  FAttributes->AddItem(u"Filter", new TPdfArray(AObjectMgr));
}

void TPdfStream::WriteBody(TStream& AStream) {
  if (TPdfArray* filter = FAttributes->PdfArrayByName(u"Filter"))
    filter->RemoveName(u"FlateDecode");
  const auto size = static_cast<int32_t>(FStream->GetSize());
  if (TPdfNumber* length = FAttributes->PdfNumberByName(u"Length")) length->SetValue(size);
  FAttributes->WriteToStream(AStream);
  WriteText("\r\nstream\r\n", AStream);
  if (size > 0) AStream.WriteBuffer(FStream->Memory(), size);
  WriteText("\nendstream", AStream);
}

void TPdfBinary::WriteBody(TStream& AStream) {
  const auto size = static_cast<int32_t>(FStream->GetSize());
  if (size > 0) AStream.WriteBuffer(FStream->Memory(), size);
}
