#pragma once
// Lays out UTF-16 text in a rectangle the way the string formats ask:
// wrapping at the rectangle's width, alignment across and down, ellipsis
// trimming. Shared by drawing, measuring and text outlines.

#include <cairo.h>
#include <pango/pango.h>

#include <string>
#include <vector>

#include "platform/gdiplus/GdiPlusFont.h"
#include "platform/gdiplus/GdiPlusRegion.h"
#include "platform/gdiplus/GdiPlusStringFormat.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class TextLayout {
 public:
  // length -1: the text ends at its first zero unit.
  TextLayout(cairo_t* cr, const char16_t* text, INT length, const FontFamily& family, INT style,
             double pixelSize, const RectF& layoutRect, const StringFormat* format,
             TextRenderingHint hint = TextRenderingHintAntiAlias);
  ~TextLayout();
  TextLayout(const TextLayout&) = delete;
  TextLayout& operator=(const TextLayout&) = delete;

  PangoLayout* Layout() const { return FLayout; }
  // Where the layout's top-left corner goes.
  double OriginX() const { return FOriginX; }
  double OriginY() const { return FOriginY; }
  INT Length() const { return INT(FByteOf.size()) - 1; }
  // Bounds of the laid-out lines.
  RectF Bounds() const;
  // The area covered by the UTF-16 range, line by line.
  void RangeRegion(INT first, INT length, Region* region) const;
  INT LineCount() const;

 private:
  PangoLayout* FLayout = nullptr;
  double FOriginX = 0, FOriginY = 0;
  std::string FUtf8;
  std::vector<int> FByteOf;  // byte offset of each UTF-16 unit, plus the end
  bool FTrailingSpaces = true;
};

}  // namespace Gdiplus
