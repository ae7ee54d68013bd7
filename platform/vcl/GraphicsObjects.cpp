// Colours, pens, brushes and fonts of the framework.

#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Graphics.h"

using namespace gdi;

COLORREF ColorToRGB(TColor Color) {
  if (Color < 0) {
    // The program's fixed scheme of system colours.
    switch (Color & 0xFF) {
      case 5:
        return RGB(255, 255, 255);  // window
      case 6:
        return RGB(100, 100, 100);  // window frame
      case 8:
        return RGB(0, 0, 0);  // window text
      case 13:
        return RGB(0, 120, 215);  // highlight
      case 16:
        return RGB(160, 160, 160);  // button shadow
      case 17:
        return RGB(109, 109, 109);  // grey text
      case 20:
        return RGB(255, 255, 255);  // button highlight
      case 21:
        return RGB(105, 105, 105);  // 3-D dark shadow
      case 22:
        return RGB(227, 227, 227);  // 3-D light
      case 24:
        return RGB(255, 255, 225);  // hint background
      case 15:                      // button face
      default:
        return RGB(240, 240, 240);
    }
  }
  if (Color == clNone || Color == clDefault) return 0;
  return COLORREF(Color) & 0xFFFFFF;
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// ---------------- pen ----------------

int PenModeToRop2(TPenMode Mode) {
  static const int kRops[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                              R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                              R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                              R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
  return kRops[Mode];
}

static const TEnumInfo& PenStyleInfo() {
  static const TEnumInfo info("TPenStyle",
                              {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                               "psInsideFrame", "psUserStyle", "psAlternate"});
  return info;
}
static const TEnumInfo& PenModeInfo() {
  static const TEnumInfo info(
      "TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                   "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
                   "pmMask", "pmNotMask", "pmXor", "pmNotXor"});
  return info;
}

const TClassInfo* TPen::Class() {
  static const TClassInfo* info =
      TClassDecl<TPen>("TPen", TPersistent::Class())
          .Prop("Color", &TPen::GetColor, &TPen::SetColor)
          .Default(clBlack)
          .Enum("Mode", &TPen::GetMode, &TPen::SetMode, PenModeInfo())
          .Default(pmCopy)
          .Enum("Style", &TPen::GetStyle, &TPen::SetStyle, PenStyleInfo())
          .Default(psSolid)
          .Prop("Width", &TPen::GetWidth, &TPen::SetWidth)
          .Default(1);
  return info;
}

TPen::~TPen() { Release(); }

void TPen::Release() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TPen::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TPen*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FColor = source->FColor;
  FWidth = source->FWidth;
  FStyle = source->FStyle;
  FMode = source->FMode;
  Release();
  Changed();
}

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Release();
  Changed();
}

void TPen::SetWidth(int Value) {
  if (Value < 0 || Value == FWidth) return;
  FWidth = Value;
  Release();
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Release();
  Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  Changed();
}

HPEN TPen::GetHandle() {
  if (FHandle) return FHandle;
  LOGBRUSH lb{BS_SOLID, ColorToRGB(FColor), 0};
  if (FStyle == psAlternate)
    FHandle = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
  else if (FStyle == psUserStyle)
    FHandle = CreatePen(PS_SOLID, FWidth, lb.lbColor);
  else
    FHandle = CreatePen(int(FStyle), FWidth, lb.lbColor);
  return FHandle;
}

void TPen::SetHandle(HPEN Value) {
  if (Value == FHandle) return;
  Release();
  FHandle = Value;
  Changed();
}

// ---------------- brush ----------------

static const TEnumInfo& BrushStyleInfo() {
  static const TEnumInfo info("TBrushStyle",
                              {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                               "bsBDiagonal", "bsCross", "bsDiagCross"});
  return info;
}

const TClassInfo* TBrush::Class() {
  static const TClassInfo* info =
      TClassDecl<TBrush>("TBrush", TPersistent::Class())
          .Prop("Color", &TBrush::GetColor, &TBrush::SetColor)
          .Default(clWhite)
          .Enum("Style", &TBrush::GetStyle, &TBrush::SetStyle, BrushStyleInfo())
          .Default(bsSolid);
  return info;
}

TBrush::~TBrush() { Release(); }

void TBrush::Release() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TBrush::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TBrush*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FColor = source->FColor;
  FStyle = source->FStyle;
  Release();
  Changed();
}

void TBrush::SetColor(TColor Value) {
  if (Value == FColor && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Release();
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Release();
  Changed();
}

HBRUSH TBrush::GetHandle() {
  if (FHandle) return FHandle;
  LOGBRUSH lb{BS_SOLID, ColorToRGB(FColor), 0};
  if (FStyle == bsClear) lb.lbStyle = BS_NULL;
  if (FStyle >= bsHorizontal) {
    lb.lbStyle = BS_HATCHED;
    lb.lbHatch = uintptr_t(FStyle - bsHorizontal);
  }
  FHandle = CreateBrushIndirect(&lb);
  return FHandle;
}

void TBrush::SetHandle(HBRUSH Value) {
  if (Value == FHandle) return;
  Release();
  FHandle = Value;
  Changed();
}

// ---------------- font ----------------

static const TEnumInfo& FontStyleInfo() {
  static const TEnumInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return info;
}
static const TEnumInfo& FontQualityInfo() {
  static const TEnumInfo info("TFontQuality", {"fqDefault", "fqDraft", "fqProof",
                                               "fqNonAntialiased", "fqAntialiased", "fqClearType"});
  return info;
}

const TClassInfo* TFont::Class() {
  static const TClassInfo* info =
      TClassDecl<TFont>("TFont", TPersistent::Class())
          .Prop("Color", &TFont::GetColor, &TFont::SetColor)
          .Default(clWindowText)
          .Prop("Height", &TFont::GetHeight, &TFont::SetHeight)
          .Prop("Name", &TFont::GetName, &TFont::SetName)
          .Prop("Orientation", &TFont::GetOrientation, &TFont::SetOrientation)
          .Default(0)
          .Enum("Quality", &TFont::GetQuality, &TFont::SetQuality, FontQualityInfo())
          .Default(fqDefault)
          .Set("Style", &TFont::GetStyle, &TFont::SetStyle, FontStyleInfo())
          .Default(0);
  return info;
}

TFont::~TFont() { Release(); }

void TFont::Release() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TFont::Change() {
  Release();
  Changed();
}

void TFont::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TFont*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FName = source->FName;
  FHeight = source->FHeight;
  FStyle = source->FStyle;
  FColor = source->FColor;
  FOrientation = source->FOrientation;
  FQuality = source->FQuality;
  Change();
}

void TFont::SetName(const std::string& Value) {
  if (Value.empty() || Value == FName) return;
  FName = Value;
  Change();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Change();
}

int TFont::GetSize() const {
  return int(std::nearbyint(-double(FHeight) * 72 / GetPixelsPerInch()));
}

void TFont::SetSize(int Value) {
  SetHeight(-int(std::nearbyint(double(Value) * GetPixelsPerInch() / 72)));
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Change();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();  // the colour is not part of the device font
}

void TFont::SetOrientation(int Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  Change();
}

void TFont::SetQuality(TFontQuality Value) {
  if (Value == FQuality) return;
  FQuality = Value;
  Change();
}

HFONT TFont::GetHandle() {
  if (FHandle) return FHandle;
  LOGFONTW lf;
  lf.lfHeight = FHeight;
  lf.lfEscapement = lf.lfOrientation = FOrientation;
  lf.lfWeight = (FStyle & FontStyleBit(fsBold)) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (FStyle & FontStyleBit(fsItalic)) != 0;
  lf.lfUnderline = (FStyle & FontStyleBit(fsUnderline)) != 0;
  lf.lfStrikeOut = (FStyle & FontStyleBit(fsStrikeOut)) != 0;
  lf.lfQuality = BYTE(FQuality);
  std::u16string name = UTF8ToUTF16(FName);
  name.resize(std::min<size_t>(name.size(), LF_FACESIZE - 1));
  std::copy(name.begin(), name.end(), lf.lfFaceName);
  FHandle = CreateFontIndirectW(&lf);
  return FHandle;
}

void TFont::SetHandle(HFONT Value) {
  if (Value == FHandle) return;
  Release();
  FHandle = Value;
  Changed();
}
