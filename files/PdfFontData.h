#pragma once
// Font tables the build generates (tools/pdf_font_data.cpp): the widths of the
// standard fonts and the Japanese code-to-CID map.

#include <cstdint>

struct TPdfStandardWidths {
  const char* BaseFont;
  uint16_t Widths[224];  // codes 32 to 255
};
extern const TPdfStandardWidths PdfStandardWidths[12];

// A row of a CMap: the codes First..Last map to Cid upwards, or all to Cid
// when SingleCid (the notdef rows).
struct TPdfCMapRange {
  uint16_t First;
  uint16_t Last;
  uint16_t Cid;
  bool SingleCid;
};
// "90ms-RKSJ-H": Shift-JIS codes to Adobe-Japan1 CIDs.
extern const TPdfCMapRange Pdf90msRKSJH[];
extern const int Pdf90msRKSJHCount;
