// The document: object table, page tree, fonts, images and the saved file.

#include "files/PdfDoc.h"

#include "files/PdfCanvas.h"
#include "files/PdfGBFonts.h"
#include "files/PdfJpFonts.h"
#include "files/PdfOutlines.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"

namespace {

std::string ZeroPadded(int32_t AValue, size_t ADigits) {
  std::string digits = IntToStr(AValue < 0 ? 0 : AValue);
  return std::string(digits.size() < ADigits ? ADigits - digits.size() : 0, '0') + digits;
}

std::string ToUtf8(const std::u16string& AText) { return UTF16ToUTF8(AText); }

}  // namespace

// ---------------------------------------------------------------- object table

TPdfXrefEntry::TPdfXrefEntry(TPdfObject* AValue) : FValue(AValue) {
  if (AValue) {
    FEntryType = "n";
    FGenerationNumber = AValue->GenerationNumber();
  } else {
    FEntryType = "f";
    FGenerationNumber = 65535;
  }
}

std::string TPdfXrefEntry::AsString() const {
  return ZeroPadded(FByteOffset, 10) + " " + ZeroPadded(FGenerationNumber, 5) + " " + FEntryType;
}

TPdfXref::TPdfXref() { FXrefEntries.push_back(std::make_unique<TPdfXrefEntry>(nullptr)); }

void TPdfXref::AddObject(TPdfObject* AObject) {
  if (AObject->ObjectType() != otDirectObject)
    throw EPdfInvalidOperation("AddObject --wrong object type.");
  FXrefEntries.push_back(std::make_unique<TPdfXrefEntry>(AObject));
  AObject->SetObjectNumber(static_cast<int32_t>(FXrefEntries.size()) - 1);
}

TPdfObject* TPdfXref::GetObject(int32_t ObjectID) {
  if (ObjectID < 0 || ObjectID >= ItemCount()) return nullptr;
  return FXrefEntries[ObjectID]->Value();
}

void TPdfHeader::WriteToStream(TStream& AStream) const { WriteText("%PDF-1.2 \r\n", AStream); }

TPdfTrailer::TPdfTrailer(TPdfObjectMgr* AObjectMgr)
    : FAttributes(std::make_unique<TPdfDictionary>(AObjectMgr)) {
  FAttributes->AddNumberItem(u"Size", 0);
}

void TPdfTrailer::WriteToStream(TStream& AStream) const {
  WriteText("trailer\r\n", AStream);
  FAttributes->WriteToStream(AStream);
  WriteText("\r\nstartxref\r\n" + IntToStr(FXrefAddress) + "\r\n%%EOF\r\n", AStream);
}

// ---------------------------------------------------------------- document

TPdfDoc::TPdfDoc() : FCanvas(std::make_unique<TPdfCanvas>(this)) {
  // The font units register themselves at start; naming them here also links
  // them into every program that makes documents.
  RegisterPdfStandardFonts();
  RegisterPdfGBFonts();
  RegisterPdfJpFonts();
}

TPdfDoc::~TPdfDoc() { FreeDoc(); }

TPdfDictionary* TPdfDoc::NewRegisteredDictionary() {
  auto* dict = new TPdfDictionary(FXref.get());
  FXref->AddObject(dict);
  return dict;
}

void TPdfDoc::NewDoc() {
  FreeDoc();
  FXref = std::make_unique<TPdfXref>();
  FHeader = std::make_unique<TPdfHeader>();
  FTrailer = std::make_unique<TPdfTrailer>(FXref.get());
  FXObjectList = std::make_unique<TPdfArray>(FXref.get());
  FCanvas->SetIsVirtual(false);
  BuildCatalog();
  if (FUseOutlines) {
    auto root = std::make_unique<TPdfOutlineRoot>(this);
    FOutlineRoot = root.get();
    AddOwned(std::move(root));
    FRoot->Data()->AddItem(u"Outlines", FOutlineRoot->Data());
  }
  BuildInfo();
  BuildPageTree();
  FHasDoc = true;
}

void TPdfDoc::BuildCatalog() {
  TPdfDictionary* catalog = NewRegisteredDictionary();
  catalog->AddNameItem(u"Type", u"Catalog");
  FTrailer->Attributes()->AddItem(u"Root", catalog);
  auto root = std::make_unique<TPdfCatalog>();
  root->SetData(catalog);
  FRoot = root.get();
  AddOwned(std::move(root));
}

void TPdfDoc::BuildInfo() {
  TPdfDictionary* info = NewRegisteredDictionary();
  info->AddItem(u"Producer", new TPdfText(u"PDF writer version 0.9"));
  FTrailer->Attributes()->AddItem(u"Info", info);
  auto wrapper = std::make_unique<TPdfInfo>();
  wrapper->SetData(info);
  FInfo = wrapper.get();
  AddOwned(std::move(wrapper));
  FInfo->SetCreationDate(PdfNow());
}

void TPdfDoc::BuildPageTree() {
  TPdfDictionary* pages = NewRegisteredDictionary();
  pages->AddNameItem(u"Type", u"Pages");
  pages->AddItem(u"Kids", new TPdfArray(FXref.get()));
  pages->AddNumberItem(u"Count", 0);
  FRoot->SetPages(pages);
  FCurrentPages = pages;
}

void TPdfDoc::FreeDoc() {
  FXObjectList.reset();
  while (!FFontList.empty()) FFontList.pop_back();
  while (!FObjectList.empty()) FObjectList.pop_back();
  FXref.reset();
  FHeader.reset();
  FTrailer.reset();
  FInfo = nullptr;
  FRoot = nullptr;
  FOutlineRoot = nullptr;
  FCurrentPages = nullptr;
  FCanvas->Forget();
  FHasDoc = false;
}

void TPdfDoc::AddPage() {
  if (!FCurrentPages) throw EPdfInvalidOperation("AddPage --current pages null.");
  TPdfDictionary* page = NewRegisteredDictionary();
  TPdfArray* kids = FCurrentPages->PdfArrayByName(u"Kids");
  kids->AddItem(page);
  FCurrentPages->PdfNumberByName(u"Count")->SetValue(kids->ItemCount());

  page->AddNameItem(u"Type", u"Page");
  page->AddItem(u"Parent", FCurrentPages);
  page->AddItem(u"MediaBox", TPdfArray::CreateNumArray(
                                 FXref.get(), {0, 0, FDefaultPageWidth, FDefaultPageHeight}));
  auto* resources = new TPdfDictionary(FXref.get());
  resources->AddItem(u"Font", new TPdfDictionary(FXref.get()));
  resources->AddItem(u"XObject", new TPdfDictionary(FXref.get()));
  auto* procSet = new TPdfArray(FXref.get());
  for (const char16_t* name : {u"PDF", u"Text", u"ImageC"}) procSet->AddItem(new TPdfName(name));
  resources->AddItem(u"ProcSet", procSet);
  page->AddItem(u"Resources", resources);
  auto* contents = new TPdfStream(FXref.get());
  FXref->AddObject(contents);
  page->AddItem(u"Contents", contents);
  FCanvas->SetPage(page);
}

TPdfFont* TPdfDoc::GetFont(const std::string& FontName) {
  if (!FHasDoc) throw EPdfInvalidOperation("GetFont --document is null.");
  for (const auto& font : FFontList)
    if (font->Name() == FontName) return font.get();
  std::unique_ptr<TObject> object(FindClass(FontName)->Create(nullptr));
  auto* font = dynamic_cast<TPdfFont*>(object.get());
  if (!font) throw EPdfInvalidValue("GetFont --" + FontName + " is not a font.");
  object.release();
  FFontList.emplace_back(font);
  try {
    font->Create(FXref.get(), FontName);
  } catch (...) {
    FFontList.pop_back();
    throw;
  }
  font->Data()->AddNameItem(u"Name", u"F" + UTF8ToUTF16(IntToStr(FFontList.size() - 1)));
  return font;
}

TPdfXObject* TPdfDoc::GetXObject(const std::u16string& AName) const {
  if (!FXObjectList) return nullptr;
  for (int i = 0; i < FXObjectList->ItemCount(); ++i) {
    auto* object = dynamic_cast<TPdfXObject*>(FXObjectList->Items(i));
    if (!object) continue;
    TPdfName* name = object->Attributes()->PdfNameByName(u"Name");
    if (name && name->Value() == AName) return object;
  }
  return nullptr;
}

void TPdfDoc::AddXObject(const std::u16string& AName, TPdfXObject* AXObject) {
  if (GetXObject(AName))
    throw Exception(Format("AddImage --the image named %s is already exists..", {ToUtf8(AName)}));
  if (!AXObject || DictionaryType(AXObject->Attributes()) != u"XObject" ||
      !AXObject->Attributes()->PdfNameByName(u"Subtype") ||
      AXObject->Attributes()->PdfNameByName(u"Subtype")->Value() != u"Image")
    throw Exception("AddImage --the image is not valid TPdfImage..");
  FXref->AddObject(AXObject);
  RegisterXObject(AXObject, AName);
}

void TPdfDoc::RegisterXObject(TPdfXObject* AObject, const std::u16string& AName) {
  if (!AObject) throw EPdfInvalidValue("RegisterXObject --AObject is null");
  if (DictionaryType(AObject->Attributes()) != u"XObject")
    throw EPdfInvalidValue("RegisterXObject --not XObject");
  if (AObject->ObjectType() != otIndirectObject) FXref->AddObject(AObject);
  if (AObject->Attributes()->ValueByName(u"Name")) return;
  if (GetXObject(AName))
    throw EPdfInvalidValue(Format("RegisterXObject --dupulicate name: %s", {ToUtf8(AName)}));
  FXObjectList->AddItem(AObject);
  AObject->Attributes()->AddNameItem(u"Name", AName);
}

void TPdfDoc::SetVirtualMode() {
  NewDoc();
  AddPage();
  FCanvas->SetIsVirtual(true);
}

TPdfCanvas* TPdfDoc::Canvas() const {
  if (!FHasDoc) throw EPdfInvalidOperation("GetCanvas --Document is null");
  return FCanvas.get();
}

TPdfInfo* TPdfDoc::Info() const {
  if (!FHasDoc) throw EPdfInvalidOperation("GetInfo --this method can not use this state..");
  return FInfo;
}

TPdfCatalog* TPdfDoc::Root() const {
  if (!FHasDoc) throw EPdfInvalidOperation("GetRoot --this method can not use this state..");
  return FRoot;
}

TPdfOutlineRoot* TPdfDoc::OutlineRoot() const {
  if (!FHasDoc) throw EPdfInvalidOperation("GetOutlineRoot --document is null..");
  if (!FUseOutlines || !FOutlineRoot)
    throw EPdfInvalidOperation("GetOutlineRoot --not use outline mode..");
  return FOutlineRoot;
}

void TPdfDoc::SaveToStream(TStream& AStream) {
  if (!FHasDoc) throw EPdfInvalidOperation("SaveToStream --there is no document to save.");
  FCanvas->Page();
  FInfo->SetModDate(PdfNow());
  FRoot->SaveOpenAction();
  if (FOutlineRoot) FOutlineRoot->Save();

  AStream.SetPosition(0);
  FHeader->WriteToStream(AStream);
  for (int i = 1; i < FXref->ItemCount(); ++i) {
    TPdfXrefEntry* entry = FXref->Items(i);
    entry->SetByteOffset(static_cast<int32_t>(AStream.GetPosition()));
    entry->Value()->WriteValueToStream(AStream);
  }
  FTrailer->SetXrefAddress(static_cast<int32_t>(AStream.GetPosition()));
  WriteXref(AStream);
  FTrailer->Attributes()->PdfNumberByName(u"Size")->SetValue(FXref->ItemCount());
  FTrailer->WriteToStream(AStream);
}

void TPdfDoc::WriteXref(TStream& AStream) {
  WriteText("xref\r\n0 " + IntToStr(FXref->ItemCount()) + "\r\n", AStream);
  for (int i = 0; i < FXref->ItemCount(); ++i)
    WriteText(FXref->Items(i)->AsString() + "\r\n", AStream);
}
