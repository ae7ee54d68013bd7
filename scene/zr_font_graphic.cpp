// Exchange between the scene's font and the framework's font.

#include <cmath>

#include "platform/vcl/Graphics.h"
#include "scene/zr_font.h"

namespace {

// The plain style of a framework style set; false for sets with underline
// or strike-out, which have no plain counterpart.
bool PlainStyle(TFontStyles Styles, TzrFontStyle& Style) {
  if (Styles & (FontStyleBit(fsUnderline) | FontStyleBit(fsStrikeOut))) return false;
  bool bold = Styles & FontStyleBit(fsBold), italic = Styles & FontStyleBit(fsItalic);
  Style = bold && italic ? zrFontBoldItalic
          : bold         ? zrFontBold
          : italic       ? zrFontItalic
                         : zrFontRegular;
  return true;
}

}  // namespace

bool TzrFont::AssignFromFramework(TPersistent* Source) {
  auto* font = dynamic_cast<TFont*>(Source);
  if (!font) return false;
  FFamily = font->GetName();
  FSize = float(std::abs(font->GetHeight()));
  PlainStyle(font->GetStyle(), FStyle);
  Changed();
  return true;
}

void TzrFont::AssignTo(TPersistent* Dest) {
  auto* font = dynamic_cast<TFont*>(Dest);
  if (!font) return TPersistent::AssignTo(Dest);
  font->SetName(FFamily);
  font->SetHeight(-int(std::nearbyint(FSize)));
  switch (FStyle) {
    case zrFontRegular:
      font->SetStyle(0);
      break;
    case zrFontBold:
      font->SetStyle(FontStyleBit(fsBold));
      break;
    case zrFontItalic:
      font->SetStyle(FontStyleBit(fsItalic));
      break;
    case zrFontBoldItalic:
      font->SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsItalic));
      break;
    default:
      break;  // underline and strike-out leave the set as it was
  }
}
