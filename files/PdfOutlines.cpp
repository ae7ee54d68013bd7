// Destinations, outline entries and annotations.

#include "files/PdfOutlines.h"

#include "files/PdfCanvas.h"
#include "platform/rtl/Format.h"

namespace {

const char16_t* const kDestinationNames[] = {u"XYZ",  u"Fit",  u"FitH",  u"FitV",
                                             u"FitR", u"FitB", u"FitBH", u"FitBV"};
const char16_t* const kAnnotationNames[] = {u"Text", u"Link"};

TPdfDoc* RequireDocument(TPdfDoc* ADoc) {
  if (!ADoc || !ADoc->HasDoc())
    throw EPdfInvalidOperation("TPdfDestination --cannot destination object.");
  return ADoc;
}

// A coordinate, or null for the values below -100 that mark "unchanged".
TPdfObject* Coordinate(int32_t AValue) {
  if (AValue < -100) return new TPdfNull();
  return new TPdfNumber(AValue);
}

}  // namespace

// ---------------------------------------------------------------- destinations

TPdfDestination::TPdfDestination(TPdfDoc* ADoc)
    : FDoc(RequireDocument(ADoc)), FPage(ADoc->Canvas()->Page()) {}

void TPdfDestination::SetZoom(float AValue) {
  if (AValue < 0) throw EPdfInvalidValue("Zoom property cannot set to under 0.");
  if (AValue > 10) throw EPdfInvalidValue(Format("Zoom property cannot set to over %d.", {10}));
  FZoom = AValue;
}

TPdfArray* TPdfDestination::GetValue() const {
  auto* result = new TPdfArray(FDoc->Xref());
  result->AddItem(FPage);
  result->AddItem(new TPdfName(kDestinationNames[FType]));
  switch (FType) {
    case dtXYZ:
      result->AddItem(Coordinate(Left()));
      result->AddItem(Coordinate(Top()));
      result->AddItem(new TPdfReal(FZoom < 0 ? 0 : FZoom));
      break;
    case dtFitH:
    case dtFitBH:
      result->AddItem(Coordinate(Top()));
      break;
    case dtFitV:
    case dtFitBV:
      result->AddItem(Coordinate(Left()));
      break;
    case dtFitR:
      result->AddItem(Coordinate(Left()));
      result->AddItem(Top() < -100 ? static_cast<TPdfObject*>(new TPdfNull())
                                   : new TPdfNumber(Bottom()));
      result->AddItem(Right() == -1 ? static_cast<TPdfObject*>(new TPdfNull())
                                    : new TPdfNumber(Right()));
      result->AddItem(Bottom() == -1 ? static_cast<TPdfObject*>(new TPdfNull())
                                     : new TPdfNumber(Top()));
      break;
    case dtFit:
    case dtFitB:
      break;
  }
  return result;
}

int32_t TPdfDestination::PageWidth() const {
  TPdfArray* box = FPage->PdfArrayByName(u"MediaBox");
  auto* value = box && box->ItemCount() > 2 ? dynamic_cast<TPdfNumber*>(box->Items(2)) : nullptr;
  return value ? value->Value() : FDoc->DefaultPageWidth();
}

int32_t TPdfDestination::PageHeight() const {
  TPdfArray* box = FPage->PdfArrayByName(u"MediaBox");
  auto* value = box && box->ItemCount() > 3 ? dynamic_cast<TPdfNumber*>(box->Items(3)) : nullptr;
  return value ? value->Value() : FDoc->DefaultPageHeight();
}

TPdfDestination* TPdfDoc::CreateDestination() {
  auto destination = std::make_unique<TPdfDestination>(this);
  TPdfDestination* result = destination.get();
  AddOwned(std::move(destination));
  return result;
}

// ---------------------------------------------------------------- outlines

TPdfOutlineEntry::TPdfOutlineEntry(TPdfDoc* ADoc) : FDoc(ADoc) {
  auto* dict = new TPdfDictionary(ADoc->Xref());
  ADoc->Xref()->AddObject(dict);
  SetData(dict);
}

TPdfOutlineEntry::TPdfOutlineEntry(TPdfOutlineEntry* AParent)
    : TPdfOutlineEntry(AParent ? AParent->FDoc : throw Exception("CreateEntry --invalid parent.")) {
  FParent = AParent;
}

TPdfOutlineEntry* TPdfOutlineEntry::AddChild() {
  auto child = std::make_unique<TPdfOutlineEntry>(this);
  TPdfOutlineEntry* entry = child.get();
  FDoc->AddOwned(std::move(child));
  for (TPdfOutlineEntry* e = this; e; e = e->FParent) ++e->FCount;
  if (!FFirst) FFirst = entry;
  if (FLast) {
    entry->FPrev = FLast;
    FLast->FNext = entry;
  }
  FLast = entry;
  return entry;
}

void TPdfOutlineEntry::SaveCount() { FData->AddNumberItem(u"Count", FOpened ? FCount : -FCount); }

// "First" and "Last" of this entry, and every child's own keys.
void TPdfOutlineEntry::SaveChildren() {
  if (!FFirst) return;
  FData->AddItem(u"First", FFirst->Data());
  FData->AddItem(u"Last", FLast->Data());
  for (TPdfOutlineEntry* child = FFirst; child; child = child->FNext) child->Save();
}

void TPdfOutlineEntry::Save() {
  SaveCount();
  FData->AddItem(u"Title", new TPdfText(FTitle));
  if (FDest) FData->AddItem(u"Dest", FDest->GetValue());
  if (FPrev) FData->AddItem(u"Prev", FPrev->Data());
  if (FNext) FData->AddItem(u"Next", FNext->Data());
  SaveChildren();
}

TPdfOutlineRoot::TPdfOutlineRoot(TPdfDoc* ADoc) : TPdfOutlineEntry(ADoc) {
  FOpened = true;
  FData->AddNameItem(u"Type", u"Outlines");
}

void TPdfOutlineRoot::Save() {
  SaveCount();
  SaveChildren();
}

// ---------------------------------------------------------------- annotations

TPdfDictionary* TPdfDoc::CreateAnnotation(TPdfAnnotationSubType AType, const TPdfRect& ARect) {
  if (!FHasDoc) throw EPdfInvalidOperation("AddAnotation --document is null.");
  TPdfDictionary* page = FCanvas->Page();
  TPdfDictionary* annotation = NewRegisteredDictionary();
  annotation->AddNameItem(u"Type", u"Annot");
  annotation->AddNameItem(u"Subtype", kAnnotationNames[AType]);
  auto* rect = new TPdfArray(FXref.get());
  for (float value : {ARect.Left, ARect.Top, ARect.Right, ARect.Bottom})
    rect->AddItem(new TPdfReal(value));
  annotation->AddItem(u"Rect", rect);
  TPdfArray* annots = page->PdfArrayByName(u"Annots");
  if (!annots) {
    annots = new TPdfArray(nullptr);
    page->AddItem(u"Annots", annots);
  }
  annots->AddItem(annotation);
  return annotation;
}
