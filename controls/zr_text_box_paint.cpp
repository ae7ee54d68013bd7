// The text box's measuring, hit testing, scrolling, caret placement and
// painting. Widths come from the canvas's text measuring in the box's font
// (one line, near-aligned); a password box measures dots of half the font
// size each.

#include <algorithm>
#include <cmath>

#include "controls/zr_text_box.h"
#include "scene/zr_brush.h"
#include "scene/zr_font.h"

// ---------------------------------------------------------------- measuring

TzrCanvas* TzrCustomTextBox::MeasureCanvas() {
  TzrCanvas* canvas = GetCanvas();
  if (canvas) canvas->GetFont()->Assign(FFont.get());
  return canvas;
}

float TzrCustomTextBox::GetPasswordCharWidth() const { return FFont->GetSize() / 2; }

float TzrCustomTextBox::TextWidth(const std::u16string& Text) {
  if (FPassword) return float(Text.size()) * GetPasswordCharWidth();
  if (Text.empty()) return 0;
  TzrCanvas* canvas = MeasureCanvas();
  return canvas ? canvas->TextWidth(Text) : 0;
}

float TzrCustomTextBox::VisibleWidth(int From, int To) {
  if (To < From || From < 1) return 0;
  return TextWidth(FText.substr(size_t(From - 1), size_t(To - From + 1)));
}

float TzrCustomTextBox::WidthUpTo(int K) {
  if (FPassword) return float(K) * GetPasswordCharWidth();
  return VisibleWidth(1, K);
}

float TzrCustomTextBox::WholeTextWidth() {
  if (FPassword) return float(FText.size()) * GetPasswordCharWidth();
  return TextWidth(FText.empty() ? u"a" : FText);
}

TzrRect TzrCustomTextBox::ContentRect() {
  auto* content = dynamic_cast<TzrVisualObject*>(FindResource("content"));
  if (!content) return GetLocalRect();
  const TzrPoint a = AbsoluteToLocal(content->LocalToAbsolute({0, 0}));
  const TzrPoint b =
      AbsoluteToLocal(content->LocalToAbsolute({content->GetWidth(), content->GetHeight()}));
  return zrRect(a.X, a.Y, b.X, b.Y);
}

// Where text narrower than the content starts, for the alignment.
static float AlignShift(TzrTextAlign Align, float Room) {
  if (Room <= 0) return 0;
  if (Align == zrTextAlignCenter) return Room / 2;
  if (Align == zrTextAlignFar) return Room;
  return 0;
}

float TzrCustomTextBox::GetCharX(int Position) {
  const TzrRect r = ContentRect();
  const float whole = WholeTextWidth();
  float x = r.Left;
  if (Position > 0) {
    const int q = std::min(Position, int(FText.size()));
    if (FPassword)
      x += float(q - FFirstVisibleChar + 1) * GetPasswordCharWidth();
    else
      x += VisibleWidth(FFirstVisibleChar, q);
  }
  return x + AlignShift(FTextAlign, zrRectWidth(r) - whole);
}

int TzrCustomTextBox::GetCoordinatePosition(float X) {
  if (FText.empty()) return FFirstVisibleChar - 1;
  const TzrRect r = ContentRect();
  const int length = int(FText.size());
  X -= AlignShift(FTextAlign, zrRectWidth(r) - WholeTextWidth());
  if (FPassword) {
    const int p = FFirstVisibleChar - 1 + int(std::trunc((X - r.Left) / GetPasswordCharWidth()));
    return zrCharStart(FText, p);
  }
  const float target = X - r.Left;
  int p = FFirstVisibleChar - 1;
  std::u16string prefix;
  float prefixWidth = 0;
  // A click in the right half of a character puts the caret after it; a
  // surrogate pair is one character.
  while (prefixWidth < target && p < length) {
    const int after = zrNextCharPos(FText, p);
    const std::u16string next = prefix + FText.substr(size_t(p), size_t(after - p));
    const float nextWidth = TextWidth(next);
    const float half = (nextWidth - prefixWidth) / 2;
    if (nextWidth > target) return prefixWidth + half < target ? after : p;
    p = after;
    prefix = next;
    prefixWidth = nextWidth;
  }
  return p;
}

// ---------------------------------------------------------------- caret and scrolling

void TzrCustomTextBox::SetCaretPosition(int Value) {
  FCaretPosition = zrCharStart(FText, Value);
  UpdateFirstVisibleChar();
  if (FSelLength == 0) FSelStart = FCaretPosition;
  Repaint();
  if (FIsFocused && FShowCaret) PlaceSceneCaret();
}

void TzrCustomTextBox::UpdateFirstVisibleChar() {
  const int k = FCaretPosition;
  const int length = int(FText.size());
  const TzrRect r = ContentRect();
  const float room = zrRectWidth(r);
  int& v = FFirstVisibleChar;
  if (v >= k + 1) {
    // The caret passed the first visible character: it becomes the first
    // one shown, unless the text up to the caret fits from the start (a
    // long text replaced by a short one shows whole, not its last letter).
    v = k <= 0 || WidthUpTo(k) <= room ? 1 : k;
  } else if (FPassword) {
    while (float(k - v + 1) * GetPasswordCharWidth() > room && v < length) ++v;
  } else {
    // Big strides first over long texts, then single characters.
    while (VisibleWidth(v, k) > room && v < length) {
      int step = 1;
      for (int s : {500, 100, 50, 10})
        if (VisibleWidth(v + s, k) > room) {
          step = s;
          break;
        }
      v += step;
    }
  }
  // The first character shown is a whole one.
  if (zrInsidePair(FText, v - 1)) ++v;
  Repaint();
}

void TzrCustomTextBox::PlaceSceneCaret() {
  const TzrRect r = ContentRect();
  const float height = FFont->GetSize() * 1.25f;
  SetCaretSize({2, height});
  SetCaretPos({GetCharX(FCaretPosition) - 1, (r.Top + r.Bottom - height) / 2});
  SetCaretColor(FFontFill->GetSolidColor());
}

// ---------------------------------------------------------------- painting

void TzrCustomTextBox::PaintText(TObject*, TzrCanvas* Canvas, const TzrRect& ARect) {
  if (FText.empty()) return;
  TCanvasState state(Canvas);
  Canvas->IntersectClipRect(ARect);
  Canvas->GetFont()->Assign(FFont.get());
  Canvas->GetFill()->Assign(FFontFill.get());
  const float opacity = GetAbsoluteOpacity();
  const int first = std::max(FFirstVisibleChar, 1);
  if (FPassword) {
    const float cw = GetPasswordCharWidth();
    TzrRect dot = zrRect(ARect.Left, 0, ARect.Left + cw - 1, 0);
    dot.Top = (zrRectHeight(ARect) - zrRectWidth(dot)) / 2;
    dot.Bottom = dot.Top + zrRectWidth(dot);
    for (size_t i = size_t(first - 1); i < FText.size(); ++i) {
      Canvas->FillEllipse(dot, opacity);
      zrOffsetRect(dot, zrRectWidth(dot) + 1, 0);
    }
  } else if (size_t(first - 1) < FText.size()) {
    TzrRect area = ARect;
    if (FTextAlign == zrTextAlignNear) area.Right += FFont->GetSize() / 2;
    Canvas->FillText(area, area, FText.substr(size_t(first - 1)), false, opacity, FTextAlign,
                     zrTextAlignCenter);
  }
  if (!FIsFocused || GetSelLength() <= 0) return;
  Canvas->GetFill()->Assign(FSelectionFill.get());
  const TzrRect content = ContentRect();
  TzrRect highlight = content;
  highlight.Left = GetCharX(GetSelStart());
  highlight.Right = GetCharX(GetSelStart() + GetSelLength()) + 1;
  zrOffsetRect(highlight, -content.Left, -content.Top);
  Canvas->FillRect(highlight, 0, 0, AllCorners, opacity);
}
