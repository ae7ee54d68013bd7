// The Japanese fixed-pitch composite fonts.

#include "files/PdfJpFonts.h"

#include "files/PdfFontData.h"

namespace {

struct TJpFont {
  const char* RegisteredName;
  const char* ClassName;
  TPdfCompositeFace Face;
};

const TJpFont kJpFonts[8] = {
    {"Gothic", "TPdfGothic", {u"Gothic", 5, 0, 78}},
    {"Gothic,Bold", "TPdfGothicBold", {u"Gothic,Bold", 262149, 0, 156}},
    {"Gothic,Italic", "TPdfGothicItalic", {u"Gothic,Italic", 5, -11, 78}},
    {"Gothic,BoldItalic", "TPdfGothicBoldItalic", {u"Gothic,BoldItalic", 262149, -11, 156}},
    {"Mincyo", "TPdfMincyo", {u"Mincyo", 7, 0, 78}},
    {"Mincyo,Bold", "TPdfMincyoBold", {u"Mincyo,Bold", 262151, 0, 156}},
    {"Mincyo,Italic", "TPdfMincyoItalic", {u"Mincyo,Italic", 7, -11, 78}},
    {"Mincyo,BoldItalic", "TPdfMincyoBoldItalic", {u"Mincyo,BoldItalic", 262151, -11, 156}},
};

template <int I>
TObject* NewJpFont(TObject*) {
  return new TPdfJpFixedFont(kJpFonts[I].Face);
}

template <int I>
const TClassInfo* JpFontClass() {
  static const TClassInfo info(kJpFonts[I].ClassName, TPdfFont::Class(), &NewJpFont<I>);
  return &info;
}

const TClassInfo* const* JpFontClasses() {
  static const TClassInfo* const classes[8] = {JpFontClass<0>(), JpFontClass<1>(), JpFontClass<2>(),
                                               JpFontClass<3>(), JpFontClass<4>(), JpFontClass<5>(),
                                               JpFontClass<6>(), JpFontClass<7>()};
  return classes;
}

struct TJpFontsUnit {
  TJpFontsUnit() { RegisterPdfJpFonts(); }
  ~TJpFontsUnit() { UnRegisterPdfJpFonts(); }
} JpFontsUnit;

}  // namespace

void RegisterPdfJpFonts() {
  for (int i = 0; i < 8; ++i) RegisterClassAlias(JpFontClasses()[i], kJpFonts[i].RegisteredName);
}

void UnRegisterPdfJpFonts() {
  for (int i = 0; i < 8; ++i) UnRegisterClass(JpFontClasses()[i]);
}

int JpFixedCodeToCid(uint32_t ACode) {
  for (int i = 0; i < Pdf90msRKSJHCount; ++i) {
    const TPdfCMapRange& row = Pdf90msRKSJH[i];
    if (row.Last < ACode || row.First > ACode) continue;
    return row.SingleCid ? row.Cid : row.Cid + static_cast<int>(ACode - row.First);
  }
  return 0;
}

int JpFixedCharToCMap(const std::u16string& AText, int APos) {
  const char16_t c = AText[APos - 1];
  if (c >= 0xDC00 && c <= 0xDFFF) return -1;
  if (c >= 0xD800 && c <= 0xDBFF) {
    const uint32_t next = APos < static_cast<int>(AText.size()) ? AText[APos] : 0;
    return JpFixedCodeToCid(static_cast<uint32_t>(c) * 256 + next);
  }
  // The CMap is keyed by the Shift-JIS code the character is shown as.
  uint32_t code = 0;
  for (char byte : EncodeText(std::u16string(1, c), TPdfEncoding::ShiftJIS))
    code = code * 256 + static_cast<uint8_t>(byte);
  return JpFixedCodeToCid(code);
}

void TPdfJpFixedFont::Create(TPdfObjectMgr* AXref, const std::string& AName) {
  TPdfFont::Create(AXref, AName);
  CreateComposite(AXref, u"Japan1", u"90ms-RKSJ-H");
  SetCharToCMap(&JpFixedCharToCMap);
}
