// Construction and measuring of the composite fonts.

#include "files/PdfType0Font.h"

namespace {

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

TPdfDictionary* CIDSystemInfo(TPdfObjectMgr* AXref, const std::u16string& AOrdering) {
  auto* info = new TPdfDictionary(AXref);
  info->AddItem(u"Registry", new TPdfText(u"Adobe"));
  info->AddItem(u"Ordering", new TPdfText(AOrdering));
  info->AddNumberItem(u"Supplement", 2);
  return info;
}

}  // namespace

void TPdfType0Font::CreateComposite(TPdfObjectMgr* AXref, const std::u16string& AOrdering,
                                    const std::u16string& AEncoding) {
  auto* font = new TPdfDictionary(AXref);
  AXref->AddObject(font);
  font->AddNameItem(u"BaseFont", BaseFontName());

  auto* descendant = new TPdfDictionary(AXref);
  AXref->AddObject(descendant);
  auto* descendants = new TPdfArray(AXref);
  descendants->AddItem(descendant);
  font->AddItem(u"DescendantFonts", descendants);
  descendant->AddNameItem(u"Type", u"Font");
  descendant->AddNameItem(u"Subtype", u"CIDFontType2");
  descendant->AddNameItem(u"WinCharSet", u"128");
  descendant->AddNameItem(u"BaseFont", BaseFontName());
  descendant->AddItem(u"CIDSystemInfo", CIDSystemInfo(AXref, AOrdering));
  descendant->AddNumberItem(u"DW", 1000);
  AddWidthEntries(descendant);

  auto* descriptor = new TPdfDictionary(AXref);
  AXref->AddObject(descriptor);
  descriptor->AddNameItem(u"Type", u"FontDescriptor");
  descriptor->AddNameItem(u"BaseFont", BaseFontName());
  descriptor->AddNumberItem(u"Ascent", 859);
  descriptor->AddNumberItem(u"CapHeight", 859);
  descriptor->AddNumberItem(u"Descent", -141);
  descriptor->AddNumberItem(u"MissingWidth", 500);
  AddDescriptorEntries(descriptor);
  descriptor->AddItem(u"FontBBox", TPdfArray::CreateNumArray(AXref, {0, -141, 1000, 859}));
  descendant->AddItem(u"FontDescriptor", descriptor);

  SetData(font);
  font->AddNameItem(u"Type", u"Font");
  font->AddNameItem(u"Subtype", u"Type0");
  font->AddNameItem(u"Encoding", AEncoding);
}

void TPdfType0Font::AddDescriptorEntries(TPdfDictionary* ADescriptor) {
  ADescriptor->AddNumberItem(u"Flags", FFace.Flags);
  ADescriptor->AddNumberItem(u"ItalicAngle", FFace.ItalicAngle);
  ADescriptor->AddNumberItem(u"StemV", FFace.StemV);
}

void TPdfType0Font::AddWidthEntries(TPdfDictionary* ADescendant) {
  auto* widths = new TPdfArray(ADescendant->ObjectMgr());
  widths->AddItem(new TPdfNumber(231));
  widths->AddItem(new TPdfNumber(631));
  widths->AddItem(new TPdfNumber(500));
  ADescendant->AddItem(u"W", widths);
}

void TPdfType0Font::SetData(TPdfDictionary* AData) {
  TPdfFont::SetData(AData);
  FArray.clear();
  TPdfArray* descendants = AData->PdfArrayByName(u"DescendantFonts");
  auto* descendant = descendants && descendants->ItemCount() > 0
                         ? dynamic_cast<TPdfDictionary*>(descendants->Items(0))
                         : nullptr;
  if (!descendant) throw EPdfInvalidValue("invalid composite font: no descendant font.");
  if (TPdfNumber* dw = descendant->PdfNumberByName(u"DW")) FDW = static_cast<uint16_t>(dw->Value());
  if (TPdfDictionary* descriptor = descendant->PdfDictionaryByName(u"FontDescriptor"))
    if (TPdfNumber* missing = descriptor->PdfNumberByName(u"MissingWidth"))
      FMissingWidth = static_cast<uint16_t>(missing->Value());
  if (TPdfArray* widths = descendant->PdfArrayByName(u"W")) ReadWidths(widths);
}

// "W" holds runs "c [w1 w2 ...]" (one width per CID from c up) and ranges
// "first last w".
void TPdfType0Font::ReadWidths(TPdfArray* AWidths) {
  int i = 0;
  const int count = AWidths->ItemCount();
  while (i < count) {
    auto* first = dynamic_cast<TPdfNumber*>(AWidths->Items(i));
    if (!first) throw EPdfInvalidValue("invalid W array start pos..");
    if (i == count - 1) return;
    TPdfObject* next = AWidths->Items(i + 1);
    if (auto* last = dynamic_cast<TPdfNumber*>(next)) {
      auto* width = i + 2 < count ? dynamic_cast<TPdfNumber*>(AWidths->Items(i + 2)) : nullptr;
      if (!width) throw EPdfInvalidValue("invalid W array end pos..");
      FArray.push_back({first->Value(), last->Value(), static_cast<uint16_t>(width->Value())});
      i += 3;
    } else if (auto* run = dynamic_cast<TPdfArray*>(next)) {
      for (int k = 0; k < run->ItemCount(); ++k)
        if (auto* width = dynamic_cast<TPdfNumber*>(run->Items(k)))
          FArray.push_back(
              {first->Value() + k, first->Value() + k, static_cast<uint16_t>(width->Value())});
      i += 2;
    } else {
      throw EPdfInvalidValue("invalid W array value..");
    }
  }
}

int TPdfType0Font::GetCharWidth(const std::u16string& AText, int APos) {
  if (APos < 1 || APos > static_cast<int>(AText.size()) || !FCharToCMap) return 0;
  const int cid = FCharToCMap(AText, APos);
  if (cid == -1) return 0;
  int width = 0;
  for (const TPdfCIDWidthItem& item : FArray) {
    if (item.FEndCID < cid) continue;
    if (item.FStrCID <= cid) width = item.FWidth;
    break;
  }
  if (width != 0) return width;
  const char16_t c = AText[APos - 1];
  if (!IsSurrogate(c)) return FMissingWidth;
  return IsHighSurrogate(c) ? FDW : 0;
}
