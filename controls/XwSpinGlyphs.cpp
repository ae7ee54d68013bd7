// The spin buttons' arrow glyphs: small monochrome pictures kept as rows of
// text ('#' black, '.' white) and turned into bitmaps on request.

#include <memory>

#include "controls/XwSpinBitmaps.h"
#include "controls/XwUtils.h"
#include "platform/rtl/SysUtils.h"

namespace {

struct TGlyphResource {
  const char* Name;
  int Width, Height;
  const char* Rows;
};

constexpr TGlyphResource Glyphs[] = {
    {"XwSpinUP", 6, 6,
     "..##.."
     ".####."
     "######"
     "..##.."
     "..##.."
     "..##.."},
    {"XwSpinDOWN", 6, 6,
     "..##.."
     "..##.."
     "..##.."
     "######"
     ".####."
     "..##.."},
    {"XwSpinUPPOLE", 7, 4,
     "...#..."
     "..###.."
     ".#####."
     "#######"},
    {"XwSpinDOWNPOLE", 7, 4,
     "#######"
     ".#####."
     "..###.."
     "...#..."},
};

}  // namespace

TBitmap* LoadSpinGlyph(const std::string& name) {
  for (const TGlyphResource& g : Glyphs) {
    if (LowerCase(name) != LowerCase(g.Name)) continue;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(g.Width, g.Height);
    TCanvas* canvas = bitmap->GetCanvas();
    for (int y = 0; y < g.Height; ++y)
      for (int x = 0; x < g.Width; ++x)
        canvas->SetPixels(x, y, g.Rows[y * g.Width + x] == '#' ? clBlack : clWhite);
    bitmap->SetTransparentColor(clWhite);
    bitmap->SetTransparent(true);
    return bitmap.release();
  }
  return nullptr;
}

TBitmap* MakeGreyedGlyph(TBitmap* glyph) {
  TBitmap* greyed = MakeDisabledBitmap(glyph, clWhite);
  greyed->SetTransparentColor(clBtnFace);
  greyed->SetTransparent(true);
  return greyed;
}
