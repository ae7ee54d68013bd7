#pragma once
// The Japanese fixed-pitch composite fonts ("Gothic", "Mincyo" and their bold
// and italic variants): texts shown in them are written in Shift-JIS (code
// page 932), which their "90ms-RKSJ-H" encoding maps to Adobe-Japan1 CIDs.
//
// The proportional fonts ("PGothic", "PMincyo" and variants) are not offered:
// their width lists are not published anywhere we could take them from.

#include "files/PdfType0Font.h"

class TPdfJpFixedFont : public TPdfType0Font {
 public:
  explicit TPdfJpFixedFont(const TPdfCompositeFace& AFace) : TPdfType0Font(AFace) {}
  void Create(TPdfObjectMgr* AXref, const std::string& AName) override;
  TPdfEncoding Encoding() const override { return TPdfEncoding::ShiftJIS; }
};

// The CID of a character by its Shift-JIS code in "90ms-RKSJ-H"; a leading
// surrogate combines with the next unit (high x 256 + next), a trailing one
// gives -1, a code without a row 0.
int JpFixedCharToCMap(const std::u16string& AText, int APos);
// The CID of a code by the rows of the CMap; 0 when no row holds it.
int JpFixedCodeToCid(uint32_t ACode);

void RegisterPdfJpFonts();
void UnRegisterPdfJpFonts();
