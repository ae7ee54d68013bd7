// The simplified-Chinese composite font.

#include "files/PdfGBFonts.h"

namespace {

const TPdfCompositeFace kChinese = {u"Chinese", 5, 0, 78};

const TClassInfo* ChineseClass() {
  static const TClassInfo info("TPdfChinese", TPdfFont::Class(),
                               [](TObject*) -> TObject* { return new TPdfChinese; });
  return &info;
}

struct TGBFontsUnit {
  TGBFontsUnit() { RegisterPdfGBFonts(); }
  ~TGBFontsUnit() { UnRegisterPdfGBFonts(); }
} GBFontsUnit;

}  // namespace

void RegisterPdfGBFonts() { RegisterClassAlias(ChineseClass(), "Chinese"); }
void UnRegisterPdfGBFonts() { UnRegisterClass(ChineseClass()); }

int ChineseCharToCMap(const std::u16string& AText, int APos) {
  const char16_t c = AText[APos - 1];
  return c >= 0xDC00 && c <= 0xDFFF ? -1 : 0;
}

TPdfChinese::TPdfChinese() : TPdfType0Font(kChinese) {}

void TPdfChinese::Create(TPdfObjectMgr* AXref, const std::string& AName) {
  TPdfFont::Create(AXref, AName);
  CreateComposite(AXref, u"GB1", u"GBK-EUC-H");
  SetCharToCMap(&ChineseCharToCMap);
}
