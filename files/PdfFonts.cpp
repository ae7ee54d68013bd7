// The font base and the twelve standard fonts.

#include "files/PdfFonts.h"

#include <cstring>

#include "files/PdfFontData.h"

const TClassInfo* TPdfFont::Class() {
  static const TClassInfo info("TPdfFont", TPersistent::Class(), nullptr);
  return &info;
}

namespace {

struct TStandardFont {
  const char* RegisteredName;
  const char* ClassName;
  const char* BaseFont;
};

const TStandardFont kStandardFonts[12] = {
    {"FixedWidth", "TPdfFixedWidth", "Courier"},
    {"FixedWidth-Bold", "TPdfFixedWidthBold", "Courier-Bold"},
    {"FixedWidth-Italic", "TPdfFixedWidthItalic", "Courier-Oblique"},
    {"FixedWidth-BoldItalic", "TPdfFixedWidthBoldItalic", "Courier-BoldOblique"},
    {"Arial", "TPdfArial", "Helvetica"},
    {"Arial-Bold", "TPdfArialBold", "Helvetica-Bold"},
    {"Arial-Italic", "TPdfArialItalic", "Helvetica-Oblique"},
    {"Arial-BoldItalic", "TPdfArialBoldItalic", "Helvetica-BoldOblique"},
    {"Times-Roman", "TPdfTimesRoman", "Times-Roman"},
    {"Times-Bold", "TPdfTimesBold", "Times-Bold"},
    {"Times-Italic", "TPdfTimesItalic", "Times-Italic"},
    {"Times-BoldItalic", "TPdfTimesBoldItalic", "Times-BoldItalic"},
};

template <int I>
TObject* NewStandardFont(TObject*) {
  return new TPdfType1Font(kStandardFonts[I].BaseFont);
}

template <int I>
const TClassInfo* StandardFontClass() {
  static const TClassInfo info(kStandardFonts[I].ClassName, TPdfFont::Class(), &NewStandardFont<I>);
  return &info;
}

const TClassInfo* const* StandardFontClasses() {
  static const TClassInfo* const classes[12] = {
      StandardFontClass<0>(), StandardFontClass<1>(),  StandardFontClass<2>(),
      StandardFontClass<3>(), StandardFontClass<4>(),  StandardFontClass<5>(),
      StandardFontClass<6>(), StandardFontClass<7>(),  StandardFontClass<8>(),
      StandardFontClass<9>(), StandardFontClass<10>(), StandardFontClass<11>()};
  return classes;
}

const uint16_t* WidthsOf(const char* ABaseFont) {
  for (const TPdfStandardWidths& table : PdfStandardWidths)
    if (std::strcmp(table.BaseFont, ABaseFont) == 0) return table.Widths;
  throw EPdfInvalidValue(std::string("no widths for ") + ABaseFont);
}

struct TStandardFontsUnit {
  TStandardFontsUnit() { RegisterPdfStandardFonts(); }
  ~TStandardFontsUnit() { UnRegisterPdfStandardFonts(); }
} StandardFontsUnit;

}  // namespace

void RegisterPdfStandardFonts() {
  for (int i = 0; i < 12; ++i)
    RegisterClassAlias(StandardFontClasses()[i], kStandardFonts[i].RegisteredName);
}

void UnRegisterPdfStandardFonts() {
  for (int i = 0; i < 12; ++i) UnRegisterClass(StandardFontClasses()[i]);
}

void TPdfType1Font::Create(TPdfObjectMgr* AXref, const std::string& AName) {
  TPdfFont::Create(AXref, AName);
  auto* font = new TPdfDictionary(AXref);
  AXref->AddObject(font);
  font->AddNameItem(u"Type", u"Font");
  font->AddNameItem(u"Subtype", u"Type1");
  font->AddNameItem(u"Encoding", u"WinAnsiEncoding");
  font->AddNumberItem(u"FirstChar", 32);
  font->AddNumberItem(u"LastChar", 255);
  font->AddNameItem(u"BaseFont", UTF8ToUTF16(FBaseFont));
  const uint16_t* widths = WidthsOf(FBaseFont);
  font->AddInternalItem(
      u"Widths", TPdfArray::CreateNumArray(AXref, std::vector<int32_t>(widths, widths + 224)));
  SetData(font);
}

void TPdfType1Font::SetData(TPdfDictionary* AData) {
  TPdfFont::SetData(AData);
  TPdfNumber* missing = AData->PdfNumberByName(u"MissingWidth");
  for (uint16_t& width : FArray) width = missing ? static_cast<uint16_t>(missing->Value()) : 0;
  if (TPdfNumber* first = AData->PdfNumberByName(u"FirstChar"))
    FFirstChar = static_cast<uint8_t>(first->Value());
  if (TPdfNumber* last = AData->PdfNumberByName(u"LastChar"))
    FLastChar = static_cast<uint8_t>(last->Value());
  TPdfArray* widths = AData->PdfArrayByName(u"Widths");
  if (!widths) return;
  for (int i = 0; i < widths->ItemCount() && FFirstChar + i <= 255; ++i)
    if (auto* width = dynamic_cast<TPdfNumber*>(widths->Items(i)))
      FArray[FFirstChar + i] = static_cast<uint16_t>(width->Value());
}

int TPdfType1Font::GetCharWidth(const std::u16string& AText, int APos) {
  if (APos < 1 || APos > static_cast<int>(AText.size())) return 0;
  const char16_t c = AText[APos - 1];
  if (c <= 255) return FArray[c];
  // Beyond Latin-1 a character is measured as the byte it is shown as.
  const std::string shown = EncodeText(std::u16string(1, c), TPdfEncoding::Win1252);
  return shown.size() == 1 ? FArray[static_cast<uint8_t>(shown[0])] : 0;
}
