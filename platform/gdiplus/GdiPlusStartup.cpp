#include "platform/gdiplus/GdiPlusStartup.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <set>

#include "platform/gdiplus/GdiPlusFont.h"
#include "platform/gdiplus/GdiPlusStringFormat.h"

namespace Gdiplus {

namespace {

std::set<uintptr_t>& LiveTokens() {
  static std::set<uintptr_t> tokens;
  return tokens;
}

uintptr_t NextToken = 1;

}  // namespace

Status GdiplusStartup(uintptr_t* token, const GdiplusStartupInput* input,
                      GdiplusStartupOutput* output) {
  if (!token || !input) return InvalidParameter;
  if (input->GdiplusVersion != 1) return UnsupportedGdiplusVersion;
  if (input->SuppressBackgroundThread && !output) return InvalidParameter;
  if (output) *output = GdiplusStartupOutput();
  if (LiveTokens().empty()) {
    if (!FcInit()) return GenericError;
    // loads the font list once, before the first text is laid out
    pango_cairo_font_map_get_default();
  }
  *token = NextToken++;
  LiveTokens().insert(*token);
  return Ok;
}

void GdiplusShutdown(uintptr_t token) {
  if (LiveTokens().erase(token) == 0) return;
  if (!LiveTokens().empty()) return;
  FreeGenericFontFamilies();
  FreeGenericStringFormats();
}

bool GdiplusIsRunning() { return !LiveTokens().empty(); }

}  // namespace Gdiplus
