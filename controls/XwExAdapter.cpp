#include "controls/XwExAdapter.h"

namespace {

struct TDlgCodeBit {
  TXwDlgCode Code;
  intptr_t Bit;
};

constexpr TDlgCodeBit DlgCodeBits[] = {
    {dcWantAllKeys, DLGC_WANTALLKEYS}, {dcWantArrows, DLGC_WANTARROWS},
    {dcWantChars, DLGC_WANTCHARS},     {dcButton, DLGC_BUTTON},
    {dcHasSel, DLGC_HASSETSEL},        {dcWantTab, DLGC_WANTTAB},
};

}  // namespace

TXwDlgCodes DlgCodesFromResult(intptr_t result) {
  TXwDlgCodes codes = 0;
  for (const TDlgCodeBit& b : DlgCodeBits)
    if (result & b.Bit) codes |= DlgCodeBit(b.Code);
  return codes;
}

intptr_t DlgCodesToResult(TXwDlgCodes codes) {
  intptr_t result = 0;
  for (const TDlgCodeBit& b : DlgCodeBits)
    if (codes & DlgCodeBit(b.Code)) result |= b.Bit;
  return result;
}
