// The memo's geometry: measuring, points and positions, the caret and the
// scroll bars that follow it, vertical moves, word starts, the selection's
// rectangles, the content bounds and the painting of the visible lines.

#include <algorithm>
#include <cmath>

#include "controls/zr_memo.h"
#include "controls/zr_scroll_bar.h"
#include "scene/zr_brush.h"
#include "scene/zr_font.h"

// ---------------------------------------------------------------- measuring

TzrCanvas* TzrMemo::MeasureCanvas() {
  TzrCanvas* canvas = GetCanvas();
  if (canvas) canvas->GetFont()->Assign(FFont.get());
  return canvas;
}

float TzrMemo::TextWidth(const std::u16string& Text) {
  if (Text.empty()) return 0;
  TzrCanvas* canvas = MeasureCanvas();
  if (!canvas) return 0;
  TzrRect r = ContentRect();
  r.Right = 10000;
  canvas->MeasureText(r, r, Text, false, zrTextAlignNear, zrTextAlignNear);
  return zrRectWidth(r);
}

float TzrMemo::PrefixWidth(const std::u16string& Line, int N) {
  if (N <= 0) return 0;
  return TextWidth(Line.substr(0, size_t(std::min<int>(N, int(Line.size())))));
}

float TzrMemo::TextContentWidth() { return zrRectWidth(ContentRect()); }

float TzrMemo::GetLineHeight() const { return std::round(FFont->GetSize() * 1.25f); }

float TzrMemo::GetPageSize() {
  const float lh = GetLineHeight();
  return lh > 0 ? zrRectHeight(ContentRect()) / lh : 0;
}

float TzrMemo::AlignShift(float LineWidth) {
  const float room = TextContentWidth() - LineWidth;
  if (room <= 0) return 0;
  if (FTextAlign == zrTextAlignCenter) return room / 2;
  if (FTextAlign == zrTextAlignFar) return room;
  return 0;
}

// ---------------------------------------------------------------- points and positions

TzrPoint TzrMemo::GetPositionPoint(const TCaretPosition& P) {
  const TzrRect cr = ContentRect();
  TzrPoint pt{cr.Left, cr.Top + GetLineHeight() * float(P.Line) - VScrollBarValue()};
  float w = 0;
  if (GetCanvas() && P.Line >= 0 && P.Line < GetLineCount()) {
    const std::u16string t = GetLine(P.Line);
    w = TextWidth(t);
    pt.X += PrefixWidth(t, P.Pos);
  }
  pt.X += AlignShift(w) - HScrollBarValue();
  return pt;
}

TCaretPosition TzrMemo::GetPointPosition(TzrPoint P) {
  if (GetLineCount() == 0) return {0, 0};
  const TzrRect cr = ContentRect();
  const float lh = GetLineHeight();
  P.X = std::clamp(P.X, cr.Left, cr.Right);
  P.Y = std::clamp(P.Y, cr.Top, cr.Bottom);
  int line = lh > 0 ? int((VScrollBarValue() + P.Y - cr.Top) / lh) : 0;
  line = std::clamp(line, 0, GetLineCount() - 1);
  return {line, PositionUnder(line, P.X)};
}

int TzrMemo::PositionUnder(int Line, float X) {
  const std::u16string t = GetLine(Line);
  if (t.empty()) return 0;
  // The first character switches at its middle, every later boundary a
  // quarter of the font size right of the preceding character's end.
  const TzrRect cr = ContentRect();
  const float h = HScrollBarValue();
  const float x = X - AlignShift(TextWidth(t)) + h;
  // A surrogate pair is one character.
  int n = 0;
  float edge = cr.Left + PrefixWidth(t, zrNextCharPos(t, 0)) / 2;
  while (edge < x && n < int(t.size()) && edge < h + cr.Right) {
    n = zrNextCharPos(t, n);
    edge = cr.Left + PrefixWidth(t, n) + FFont->GetSize() / 4;
  }
  return n;
}

// ---------------------------------------------------------------- caret

void TzrMemo::SetCaretPosition(const TCaretPosition& P) { PlaceCaretAt(P, true); }

void TzrMemo::PlaceCaretAt(const TCaretPosition& P, bool Scroll) {
  TzrMemoText::PlaceCaret(P, Scroll);
  UpdateCaretPosition(Scroll);
}

void TzrMemo::UpdateCaretPosition(bool Scroll) {
  if (Scroll) {
    VerticalFollowUp();
    HorizontalFollowUp();
  }
  SetCaretSize({2, GetLineHeight()});
  PlaceCaretNode();
  SetCaretColor(FFontFill->GetSolidColor());
  Repaint();
}

// The caret node lives in the scroll content (a child added to a scroll box
// goes there), so it is placed in content coordinates and moves with the
// scrolled text.
void TzrMemo::PlaceCaretNode() {
  const TzrRect cr = ContentRect();
  const TzrPoint p = GetPositionPoint(FCaretPosition);
  SetCaretPos({p.X + HScrollBarValue() - cr.Left, p.Y + VScrollBarValue() - cr.Top});
}

void TzrMemo::VerticalFollowUp() {
  if (!FVScrollBar) return;
  const float lh = GetLineHeight();
  const float line = float(FCaretPosition.Line);
  if (FVScrollBar->GetValue() > lh * line) FVScrollBar->SetValue(lh * line);
  const float height = FContentLayout ? FContentLayout->GetHeight() : GetHeight();
  if (lh * (line + 1) > FVScrollBar->GetValue() + height)
    FVScrollBar->SetValue(lh * (line - GetPageSize() + 1));
}

void TzrMemo::HorizontalFollowUp() {
  if (GetLineCount() == 0 || !GetCanvas()) return;
  const TzrRect cr = ContentRect();
  const float x = std::round(GetPositionPoint(FCaretPosition).X);
  if (cr.Left <= x && x <= cr.Right) return;
  const int p = FCaretPosition.Pos;
  const std::u16string t = GetLine(FCaretPosition.Line);
  int& v = FFirstVisibleChar;
  if (v < p + 1) {
    const float room = zrRectWidth(cr) - 5;
    while (v < int(t.size()) &&
           TextWidth(t.substr(size_t(v - 1), size_t(std::max(0, p - v + 1)))) > room)
      v = zrNextCharPos(t, v - 1) + 1;
  } else {
    v = p < 1 ? 1 : zrCharStart(t, p - 1) + 1;
  }
  if (BarShown(FHScrollBar)) FHScrollBar->SetValue(PrefixWidth(t, v - 1));
}

void TzrMemo::VScrollChange(TObject* Sender) {
  TzrScrollBox::VScrollChange(Sender);
  PlaceCaretNode();
  Repaint();
}

void TzrMemo::HScrollChange(TObject* Sender) {
  TzrScrollBox::HScrollChange(Sender);
  PlaceCaretNode();
  Repaint();
}

// ---------------------------------------------------------------- moves

void TzrMemo::MoveCaretPageUp() { MoveCaretVertical(-int(std::round(GetPageSize()))); }

void TzrMemo::MoveCaretPageDown() { MoveCaretVertical(int(std::round(GetPageSize()))); }

void TzrMemo::MoveCaretVertical(int Lines) {
  const int target = std::clamp(FCaretPosition.Line + Lines, 0, std::max(0, GetLineCount() - 1));
  // The caret keeps its horizontal place, whether or not the target line
  // is scrolled into view now.
  const TzrRect cr = ContentRect();
  const float x = std::clamp(std::round(GetPositionPoint(FCaretPosition).X), cr.Left, cr.Right);
  SetCaretPosition({target, PositionUnder(target, x)});
}

// Word starts on the caret's line; the line ends are word starts too.
TCaretPosition TzrMemo::GetNextWordBeging(const TCaretPosition& P) const {
  const std::u16string t = GetLine(P.Line);
  if (P.Pos >= int(t.size())) {
    if (P.Line + 1 < GetLineCount()) return {P.Line + 1, 0};
    return P;
  }
  return {P.Line, zrNextWordStart(t, P.Pos)};
}

TCaretPosition TzrMemo::GetPrivWordBeging(const TCaretPosition& P) const {
  if (P.Pos <= 0) {
    if (P.Line <= 0) return {0, 0};
    return {P.Line - 1, VisibleLength(P.Line - 1)};
  }
  return {P.Line, zrPriorWordStart(GetLine(P.Line), P.Pos)};
}

// ---------------------------------------------------------------- selection area

int TzrMemo::FirstVisibleLine() {
  const float lh = GetLineHeight();
  return lh > 0 ? int(VScrollBarValue() / lh) : 0;
}

int TzrMemo::LastVisibleLine() {
  const float lh = GetLineHeight();
  if (lh <= 0) return 0;
  return int(std::round(std::round(VScrollBarValue() / lh) + GetPageSize() - 1));
}

TSelArea TzrMemo::GetSelArea() {
  TSelArea area;
  if (!FSelected) return area;
  const TCaretPosition b = GetSelBeg(), e = GetSelEnd();
  const int first = std::max(b.Line, FirstVisibleLine());
  const int last = std::max(std::min(e.Line, LastVisibleLine()), first);
  const float lh = GetLineHeight();
  for (int i = first; i <= last && i < GetLineCount(); ++i) {
    const TzrPoint start = GetPositionPoint({i, 0});
    const TzrPoint end = GetPositionPoint({i, VisibleLength(i)});
    TzrRect r = zrRect(start.X, start.Y, end.X, start.Y + lh);
    if (i == b.Line) r.Left = GetPositionPoint(b).X;
    if (i == e.Line) r.Right = GetPositionPoint(e).X;
    area.push_back(r);
  }
  return area;
}

// ---------------------------------------------------------------- scroll range

TzrRect TzrMemo::GetContentBounds() {
  TzrRect r = TzrScrollBox::GetContentBounds();
  if (FWordWrap) {
    // The edits keep the table as a full rebuild gives it; only a changed
    // width breaks the whole text again. Either way the caret and the
    // selection are put back from their text positions, so an end left on
    // a wrap boundary moves to the start of the later line.
    StorePositions();
    if (!BrokenForWidth()) UpdateLines();
    if (FSavedSelStart >= 0) {
      FSelStart = TextPosToPos(FSavedSelStart);
      FSelEnd = TextPosToPos(FSavedSelEnd);
    }
    TzrMemoText::PlaceCaret(TextPosToPos(FSavedCaret), false);
    FSavedSelStart = -1;
  }
  if (GetLineCount() > 0) r.Bottom = r.Top + float(GetLineCount()) * GetLineHeight();
  if (!FWordWrap && GetCanvas()) {
    const float widest = GetLineWidth(FWidesLineIndex);
    if (widest > zrRectWidth(r)) r.Right = r.Left + widest + 10;
  }
  HorizontalFollowUp();
  return r;
}

// ---------------------------------------------------------------- painting

void TzrMemo::PaintLines(TObject*, TzrCanvas* Canvas, const TzrRect& ARect) {
  TCanvasState state(Canvas);
  Canvas->IntersectClipRect(ARect);
  Canvas->GetFill()->Assign(FFontFill.get());
  Canvas->GetFont()->Assign(FFont.get());
  const TzrRect cr = ContentRect();
  const float lh = GetLineHeight();
  const int first = FirstVisibleLine();
  const int last = std::min(GetLineCount() - 1, LastVisibleLine());
  for (int i = std::max(first, 0); i <= last; ++i) {
    const TzrPoint pt = GetPositionPoint({i, 0});
    const TzrRect r = zrRect(pt.X - cr.Left, pt.Y - cr.Top, 65535, pt.Y - cr.Top + lh * 1.25f);
    Canvas->GetFont()->Assign(FFont.get());
    Canvas->FillText(r, ARect, GetLine(i), false, 1.0f, zrTextAlignNear, zrTextAlignNear);
  }
  // The highlight shows only while the memo has focus.
  if (!FIsFocused || !GetShowSelection()) return;
  Canvas->GetFill()->Assign(FSelectionFill.get());
  for (const TzrRect& area : GetSelArea()) {
    TzrRect r;
    if (!zrIntersectRect(r, area, zrRect(0, 0, 1000, 1000))) continue;
    zrOffsetRect(r, -cr.Left, -cr.Top);
    if (zrRectWidth(r) > 0 && zrRectHeight(r) > 0) Canvas->FillRect(r, 0, 0, AllCorners, 1.0f);
  }
}
