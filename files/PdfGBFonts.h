#pragma once
// The simplified-Chinese composite font "Chinese": texts shown in it are
// written in GBK, which its "GBK-EUC-H" encoding maps to glyphs. ("GB-EUC-H"
// knows only the GB 2312 part of GBK: a character beyond it, such as 乗 at
// 0x81 0x5C, would show as another glyph.)

#include "files/PdfType0Font.h"

class TPdfChinese : public TPdfType0Font {
 public:
  TPdfChinese();
  void Create(TPdfObjectMgr* AXref, const std::string& AName) override;
  TPdfEncoding Encoding() const override { return TPdfEncoding::GBK; }
};

// Every ordinary character is CID 0 (measured at the missing width), a
// trailing surrogate none.
int ChineseCharToCMap(const std::u16string& AText, int APos);

void RegisterPdfGBFonts();
void UnRegisterPdfGBFonts();
