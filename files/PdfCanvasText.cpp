// Placing, measuring and wrapping text on the page canvas.

#include "files/PdfCanvas.h"
#include "platform/rtl/NumberText.h"

void TPdfCanvas::TextOut(float X, float Y, const std::u16string& Text) {
  BeginText();
  MoveTextPoint(X, Y);
  ShowText(Text);
  EndText();
}

void TPdfCanvas::TextRect(const TPdfRect& ARect, const std::u16string& Text,
                          TPdfAlignment Alignment, bool Clipping) {
  const float w = TextWidth(Text);
  float offset = 0;
  if (Alignment == paRightJustify) offset = (ARect.Right - ARect.Left) - Round(w);
  if (Alignment == paCenter) offset = Round((ARect.Right - ARect.Left - w) / 2);
  if (Clipping) {
    GSave();
    MoveTo(ARect.Left, ARect.Top);
    LineTo(ARect.Left, ARect.Bottom);
    LineTo(ARect.Right, ARect.Bottom);
    LineTo(ARect.Right, ARect.Top);
    Closepath();
    Clip();
    NewPath();
  }
  BeginText();
  MoveTextPoint(ARect.Left + offset, ARect.Top - 0.85f * FAttr.FontSize());
  ShowText(Text);
  EndText();
  if (Clipping) GRestore();
}

void TPdfCanvas::MultilineTextRect(TPdfRect ARect, const std::u16string& Text, bool WordWrap) {
  const float width = ARect.Right - ARect.Left;
  auto wordAdvance = [this](const std::u16string& AWord) {
    float w = TextWidth(AWord);
    if (!AWord.empty() && AWord.back() == u' ') w += FAttr.WordSpace();
    return w;
  };
  auto showLine = [&](const std::u16string& ALine) {
    if (!ALine.empty()) ShowText(ALine.substr(0, MeasureText(ALine, width)));
  };

  BeginText();
  MoveTextPoint(ARect.Left, ARect.Top - 0.85f * FAttr.FontSize());
  int index = 1;
  std::u16string line = GetNextWord(Text, index);
  float x = ARect.Left + wordAdvance(line);
  while (index <= static_cast<int>(Text.size())) {
    bool lineBreak = false;
    if (line.size() >= 2 && line.ends_with(u"\r\n")) {
      line.resize(line.size() - 2);
      lineBreak = true;
    }
    const std::u16string word = GetNextWord(Text, index);
    const float w = TextWidth(word);
    if (lineBreak || (WordWrap && x + w > ARect.Right)) {
      showLine(line);
      line.clear();
      MoveToNextLine();
      ARect.Top -= FAttr.Leading();
      if (ARect.Bottom + FAttr.FontSize() > ARect.Top) break;
      x = ARect.Left;
    }
    x += w + (!word.empty() && word.back() == u' ' ? FAttr.WordSpace() : 0);
    line += word;
  }
  showLine(line);
  EndText();
}

// The room the character at APos takes, its spacing included.
float TPdfCanvas::Advance(const std::u16string& AText, int APos) {
  float cw = FAttr.Font() ? FAttr.Font()->GetCharWidth(AText, APos) * FAttr.FontSize() / 1000 : 0;
  if (FAttr.HorizontalScaling() != 100) cw = cw * FAttr.HorizontalScaling() / 100;
  float advance = cw <= 0 ? 0 : cw + FAttr.CharSpace();
  if (AText[APos - 1] == u' ' && APos < static_cast<int>(AText.size()) && FAttr.WordSpace() > 0)
    advance += FAttr.WordSpace();
  return advance;
}

float TPdfCanvas::TextWidth(const std::u16string& Text) {
  float result = 0;
  for (int i = 1; i <= static_cast<int>(Text.size()); ++i) result += Advance(Text, i);
  return result - FAttr.CharSpace();
}

int TPdfCanvas::MeasureText(const std::u16string& Text, float AWidth) {
  float sum = 0;
  for (int i = 1; i <= static_cast<int>(Text.size()); ++i) {
    sum += Advance(Text, i);
    if (sum > AWidth) return i - 1;
  }
  return static_cast<int>(Text.size());
}

std::u16string TPdfCanvas::GetNextWord(const std::u16string& S, int& Index) {
  const int length = static_cast<int>(S.size());
  if (Index < 1 || Index > length) return {};
  int p = Index;
  while (p < length && S[p - 1] != u' ' && !(S[p - 1] == u'\n' && p > 1 && S[p - 2] == u'\r')) ++p;
  std::u16string word = S.substr(Index - 1, p - Index + 1);
  Index = p + 1;
  return word;
}
