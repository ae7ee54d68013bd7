// Text: the font family that follows Font, drawing, measuring, outlines and
// fonts added from streams.
#include <cmath>
#include <vector>

#include "canvas/zr_canvas_gdiplus.h"
#include "platform/rtl/Streams.h"

using namespace Gdiplus;

namespace {

RectF ToRectF(const TzrRect& R) { return RectF(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }

INT GdiStyle(TzrFontStyle S) {
  switch (S) {
    case zrFontRegular:
      return FontStyleRegular;
    case zrFontBold:
      return FontStyleBold;
    case zrFontItalic:
      return FontStyleItalic;
    case zrFontBoldItalic:
      return FontStyleBoldItalic;
    case zrFontUnderline:
      return FontStyleUnderline;
    case zrFontStrikeout:
      return FontStyleStrikeout;
  }
  return FontStyleRegular;
}

StringAlignment GdiAlign(TzrTextAlign A) {
  switch (A) {
    case zrTextAlignCenter:
      return StringAlignmentCenter;
    case zrTextAlignNear:
      return StringAlignmentNear;
    case zrTextAlignFar:
      return StringAlignmentFar;
  }
  return StringAlignmentNear;
}

constexpr INT kNoClip = StringFormatFlagsNoClip;
constexpr INT kTrailing = StringFormatFlagsMeasureTrailingSpaces;
constexpr INT kNoWrap = StringFormatFlagsNoWrap;

}  // namespace

TextRenderingHint TzrCanvasGdiPlus::FontHint() const {
  return FFont->GetClearType() ? TextRenderingHintClearTypeGridFit : TextRenderingHintAntiAlias;
}

bool TzrCanvasGdiPlus::FractionalScale() const {
  return FMatrix.m11 != std::trunc(FMatrix.m11) || FMatrix.m22 != std::trunc(FMatrix.m22);
}

void TzrCanvasGdiPlus::FontChanged(TObject* Sender) {
  (void)Sender;
  FGPFamily.reset();
  const std::string& name = FFont->GetFamily();
  auto family = std::make_unique<FontFamily>(name, FFontCollection.get());
  if (!family->IsAvailable()) family = std::make_unique<FontFamily>(name);
  if (!family->IsAvailable()) family.reset(FontFamily::GenericSansSerif()->Clone());
  FGPFamily = std::move(family);
  if (FGraphics) FGraphics->SetTextRenderingHint(FontHint());
}

std::unique_ptr<Font> TzrCanvasGdiPlus::MakeFont(float EmSize, Unit AUnit) const {
  INT style = GdiStyle(FFont->GetStyle());
  if (!FGPFamily->IsStyleAvailable(style)) {
    for (TzrFontStyle s : {zrFontRegular, zrFontBold, zrFontItalic, zrFontBoldItalic,
                           zrFontUnderline, zrFontStrikeout}) {
      if (!FGPFamily->IsStyleAvailable(GdiStyle(s))) continue;
      style = GdiStyle(s);
      break;
    }
  }
  return std::make_unique<Font>(FGPFamily.get(), EmSize, style, AUnit);
}

void TzrCanvasGdiPlus::FillText(const TzrRect& ARect, const TzrRect& AClipRect,
                                const std::u16string& AText, bool WordWrap, float AOpacity,
                                TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) {
  (void)AClipRect;
  if (FFill->GetStyle() == zrBrushNone || AText.empty() || !CanDraw()) return;
  StringFormat format(WordWrap ? kNoClip : kNoClip | kNoWrap, 0);
  std::unique_ptr<Font> font = MakeFont(FFont->GetSize() * 0.75f * FFontScale, UnitPoint);
  format.SetAlignment(GdiAlign(ATextAlign));
  format.SetLineAlignment(GdiAlign(AVTextAlign));
  ApplyFill(ARect, AOpacity == 1 ? 0.99f : AOpacity);
  const RectF layout = ToRectF(ARect);
  const INT length = INT(AText.size());
  if (!FractionalScale()) {
    FGraphics->DrawString(AText.c_str(), length, font.get(), layout, &format, FGPBrush.get());
    return;
  }
  FGraphics->SetTextRenderingHint(TextRenderingHintAntiAlias);
  FGraphics->DrawString(AText.c_str(), length, font.get(), layout, &format, FGPBrush.get());
  FGraphics->SetTextRenderingHint(FontHint());
}

void TzrCanvasGdiPlus::MeasureText(TzrRect& ARect, const TzrRect& AClipRect,
                                   const std::u16string& AText, bool WordWrap,
                                   TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) {
  (void)AClipRect;
  if (!WordWrap) ARect.Right = ARect.Left;  // no width: unbounded across
  if (AText.empty()) return;
  // without a graphics object of its own a 1 x 1 bitmap stands in
  std::unique_ptr<Bitmap> scratchImage;
  std::unique_ptr<Graphics> scratch;
  Graphics* g = FGraphics.get();
  if (!g) {
    scratchImage = std::make_unique<Bitmap>(1, 1, PixelFormat32bppARGB);
    scratch = std::make_unique<Graphics>(scratchImage.get());
    scratch->SetSmoothingMode(SmoothingModeHighQuality);
    scratch->SetInterpolationMode(InterpolationModeHighQuality);
    scratch->SetPixelOffsetMode(PixelOffsetModeHalf);
    scratch->SetTextRenderingHint(FontHint());
    g = scratch.get();
  }
  if (FractionalScale()) g->SetTextRenderingHint(TextRenderingHintAntiAlias);
  StringFormat format(WordWrap ? kNoClip | kTrailing : kNoClip | kTrailing | kNoWrap, 0);
  std::unique_ptr<Font> font = MakeFont(FFont->GetSize() * 0.75f * FFontScale, UnitPoint);
  format.SetAlignment(GdiAlign(ATextAlign));
  format.SetLineAlignment(GdiAlign(AVTextAlign));
  const INT length = INT(AText.size());
  CharacterRange range(0, length);
  format.SetMeasurableCharacterRanges(1, &range);
  std::vector<Region> regions(format.GetMeasurableCharacterRangeCount());
  g->MeasureCharacterRanges(AText.c_str(), length, font.get(), ToRectF(ARect), &format,
                            INT(regions.size()), regions.data());
  for (size_t i = 0; i < regions.size(); ++i) {
    RectF b;
    regions[i].GetBounds(&b, g);
    const TzrRect r = zrRect(b.X, b.Y, b.X + b.Width, b.Y + b.Height);
    ARect = i == 0 ? r : zrUnionRect(ARect, r);
  }
  if (!scratch) g->SetTextRenderingHint(FontHint());
}

bool TzrCanvasGdiPlus::TextToPath(TzrPathData& Path, const TzrRect& ARect,
                                  const std::u16string& AText, bool WordWrap,
                                  TzrTextAlign ATextAlign, TzrTextAlign AVTextAlign) {
  const INT style = GdiStyle(FFont->GetStyle());
  if (AText.empty() || !FGPFamily->IsStyleAvailable(style)) return false;
  Path.Clear();
  StringFormat format(WordWrap ? 0 : kTrailing | kNoWrap, 0);
  format.SetAlignment(GdiAlign(ATextAlign));
  format.SetLineAlignment(GdiAlign(AVTextAlign));
  GraphicsPath outline(FillModeAlternate);
  outline.AddString(AText.c_str(), INT(AText.size()), FGPFamily.get(), style, FFont->GetSize(),
                    ToRectF(ARect), &format);
  const auto& points = outline.Points();
  const auto& types = outline.Types();
  for (size_t i = 0; i < points.size(); ++i) {
    const uint8_t type = types[i];
    const TzrPoint p = {points[i].X, points[i].Y};
    size_t last = i;
    if ((type & PathPointTypePathTypeMask) == PathPointTypeStart) {
      Path.MoveTo(p);
    } else if ((type & 3) == PathPointTypeBezier) {
      if (i + 2 >= points.size()) break;
      Path.CurveTo(p, {points[i + 1].X, points[i + 1].Y}, {points[i + 2].X, points[i + 2].Y});
      last = i + 2;
      i += 2;
    } else {
      Path.LineTo(p);
    }
    if (types[last] & PathPointTypeCloseSubpath) Path.ClosePath();
  }
  return true;
}

bool TzrCanvasGdiPlus::LoadFontFromStream(TStream* AStream) {
  if (!AStream) return false;
  if (!FFontCollection) FFontCollection = std::make_unique<PrivateFontCollection>();
  const int64_t size = AStream->GetSize();
  std::vector<uint8_t> block(size_t(std::max<int64_t>(size, 0)));
  if (!block.empty()) AStream->ReadBuffer(block.data(), int32_t(block.size()));
  return FFontCollection->AddMemoryFont(block.data(), INT(block.size())) == Ok;
}
