#include "chart/TextShape.h"

#include <algorithm>
#include <vector>

#include "chart/Canvas3D.h"
#include "chart/PlotHtml.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/RttiDecl.h"

namespace {

// The lines of Text between line separators.
std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    size_t sep = Text.find(PlotLineSeparator, start);
    if (sep == std::string::npos) break;
    lines.push_back(Text.substr(start, sep - start));
    start = sep + 1;
  }
  lines.push_back(Text.substr(start));
  return lines;
}

}  // namespace

const TEnumInfo& TextAlignmentInfo() {
  static const TEnumInfo info("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return info;
}

const TEnumInfo& TextFormatInfo() {
  static const TEnumInfo info("TTextFormat", {"ttfNormal", "ttfHtml"});
  return info;
}

const TEnumInfo& VertTextAlignInfo() {
  static const TEnumInfo info("TVertTextAlign", {"vtaCenter", "vtaTop", "vtaBottom"});
  return info;
}

// ---------------- TCustomTextShape ----------------

const TClassInfo* TCustomTextShape::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomTextShape>("TCustomTextShape", TPlotCustomShape::Class());
  return info;
}

TCustomTextShape::TCustomTextShape(TCustomPlotPanel* AOwner)
    : TPlotCustomShape(AOwner),
      FMargins(std::make_unique<TMargins>([this](TObject*) { Repaint(); })) {}

TCustomTextShape::~TCustomTextShape() = default;

TPlotCustomShapeClass TCustomTextShape::GetChildClass() const {
  return &PlotShapeOf<TCustomTextShape>;
}

void TCustomTextShape::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TCustomTextShape*>(Source)) {
    FClipText = s->FClipText;
    FCursor = s->FCursor;
    FMargins->Assign(s->FMargins.get());
    FText = s->FText;
    FTextAlign = s->FTextAlign;
    FTextFormat = s->FTextFormat;
    FVertTextAlign = s->FVertTextAlign;
  }
  TPlotCustomShape::Assign(Source);
}

void TCustomTextShape::SetText(const std::string& Value) {
  if (FText == Value) return;
  FText = Value;
  ChangedText();
}

void TCustomTextShape::ChangedText() { Repaint(); }

void TCustomTextShape::SelectFont(TCustomPlotPanel* Panel) {
  if (IDraw2D)
    Panel->TryAssignFont(FFont.get());
  else
    Panel->PrepareFont3D(FFont.get());
}

void TCustomTextShape::CalcTextSize(TCustomPlotPanel* Panel, const std::string& Text,
                                    TSize& Size, int& NumLines, TTextFormat Format) {
  TPoint p = Panel->MultiLineTextSize(Text, Format, NumLines);
  Size = TSize{p.X, p.Y};
}

void TCustomTextShape::CalcBounds(TCustomPlotPanel* Panel) {
  TPlotCustomShape::CalcBounds(Panel);
  INumLines = 0;
  if (FText.empty() || Panel == nullptr) return;
  SelectFont(Panel);
  TSize size;
  CalcTextSize(Panel, FText, size, INumLines, FTextFormat);
  if (!FAutoSize) return;
  int w = size.cx, h = size.cy;
  if (FramedBox()) {
    w += FPen->GetWidth() + 1;
    h += FPen->GetWidth() + 1;
  }
  if (FTransparent)
    FMargins->Reset();
  else
    FMargins->Calculate(w, h, size.cy);
  w += 2 * FMargins->HorizSize();
  if (FChildLayout == slTopBottom) {
    if (GetWidth() < w) ShapeBounds.Right = ShapeBounds.Left + w;
    ShapeBounds.Bottom += h + FMargins->VertSize();
  } else {
    if (GetHeight() < h) ShapeBounds.Bottom = ShapeBounds.Top + h;
    ShapeBounds.Right += w + FMargins->HorizSize();
  }
}

void TCustomTextShape::DoDraw(TCustomPlotPanel* Panel, std::span<const TPoint> Points,
                              const TRect& R, double Angle, int Z) {
  TPlotCustomShape::DoDraw(Panel, Points, R, Angle, Z);
  DoDrawText(Panel, R, Z, Angle);
}

void TCustomTextShape::DoDraw(TCustomPlotPanel* Panel, const TRect& R, double Angle, int Z) {
  TPlotCustomShape::DoDraw(Panel, R, Angle, Z);
  DoDrawText(Panel, R, Z, Angle);
}

void TCustomTextShape::CalcTextAlign(TCustomPlotPanel* Panel, int& X, const std::string&,
                                     const TRect& R) {
  TCanvas3D* c = Panel->GetCanvas();
  const TRect& m = FMargins->Last();
  if (FTextAlign == taLeftJustify) {
    c->SetTextAlign(gdi::TA_LEFT);
    X = R.Left + m.Left;
  } else if (FTextAlign == taCenter) {
    c->SetTextAlign(gdi::TA_CENTER);
    X = (R.Left + R.Right) / 2;
  } else {
    c->SetTextAlign(gdi::TA_RIGHT);
    X = R.Right - m.Right;
  }
}

void TCustomTextShape::DoDrawText(TCustomPlotPanel* Panel, const TRect& R, int Z, double Angle) {
  TCanvas3D* c = Panel->GetCanvas();
  c->SetBackMode(cbmTransparent);
  SelectFont(Panel);
  std::string text = FText;
  std::erase(text, '\n');
  if (text.empty()) text = " ";

  int y = R.Top + FMargins->Last().Top;
  if (FramedBox()) y += FPen->GetWidth() / 2 + 1;
  int x = 0;
  CalcTextAlign(Panel, x, text, R);
  x += ITextOffset;
  const TPoint center{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};

  const bool clip = FClipText && (ITextOffset != 0 || (!FAutoSize && Angle == 0));
  if (clip) c->ClipRectangle(R);
  try {
    const std::vector<std::string> lines = SplitLines(text);
    const bool html = FTextFormat == ttfHtml;
    const int z = c->GetSupportsFullRotation() ? Z : 0;
    int lineHeight = -1;
    for (int i = 0; i < INumLines; ++i) {
      const std::string line = i < int(lines.size()) ? lines[size_t(i)] : std::string();
      if (!line.empty()) DrawString(Panel, x, center, Angle, html, line, z, y);
      if (INumLines <= 1) continue;
      if (html) {
        y += HtmlTextExtent(c, line).cy;
      } else {
        if (lineHeight < 0) lineHeight = c->TextHeight(std::string("W"));
        y += lineHeight;
      }
    }
  } catch (...) {
    if (clip) c->UnClipRectangle();
    throw;
  }
  if (clip) c->UnClipRectangle();
}

void TCustomTextShape::DrawString(TCustomPlotPanel* Panel, int X, TPoint Center, double Angle,
                                  bool Html, const std::string& Text, int Z, int Y) {
  TCanvas3D* c = Panel->GetCanvas();
  const bool flat = IDraw2D || (Z == 0 && !c->GetSupportsFullRotation());
  if (Angle == 0) {
    if (flat)
      c->TextOut(X, Y, Text, Html);
    else
      c->TextOut3D(X, Y, Z, Text, Html);
    return;
  }
  c->IUseTextCenter = true;
  c->ITextCenter = Center;
  try {
    if (flat)
      c->RotateLabel(X, Y, Text, Angle, Html);
    else
      c->RotateLabel3D(X, Y, Z, Text, Angle, Html);
  } catch (...) {
    c->IUseTextCenter = false;
    throw;
  }
  c->IUseTextCenter = false;
}

int TCustomTextShape::FirstChildPos() {
  int pos = TPlotCustomShape::FirstChildPos();
  if (FParent == nullptr || FParent->GetCanvas() == nullptr) return pos;
  SelectFont(FParent);
  if (FramedBox()) pos += FPen->GetWidth() / 2;
  const TRect& m = FMargins->Last();
  if (FChildLayout == slLeftRight) {
    int lines = 0;
    return pos + FParent->MultiLineTextWidth(FText, lines, FTextFormat) + m.Left;
  }
  return pos + m.Top + FParent->GetCanvas()->TextHeight(std::string("W")) * INumLines;
}

// ---------------- TPlotCustomShapePosition ----------------

const TClassInfo* TPlotCustomShapePosition::Class() {
  using P = TPlotCustomShapePosition;
  static const TClassInfo* info =
      TClassDecl<P>("TPlotCustomShapePosition", TCustomTextShape::Class())
          .Prop("CustomPosition", &P::GetCustomPosition, &P::SetCustomPosition)
          .Stored(&P::IsCustomStored)
          .Prop("Left", &P::GetLeft, &P::SetLeft)
          .Stored(&P::IsPosStored)
          .Prop("Top", &P::GetTop, &P::SetTop)
          .Stored(&P::IsPosStored);
  return info;
}

void TPlotCustomShapePosition::SetCustomPosition(bool Value) {
  if (FParent)
    FParent->SetBooleanProperty(FCustomPosition, Value);
  else
    FCustomPosition = Value;
}

void TPlotCustomShapePosition::SetEdge(int& Edge, int Value) {
  SetCustomPosition(true);
  if (FParent)
    FParent->SetIntegerProperty(Edge, Value);
  else
    Edge = Value;
}

void TPlotCustomShapePosition::SetLeft(int Value) { SetEdge(ShapeBounds.Left, Value); }

void TPlotCustomShapePosition::SetTop(int Value) { SetEdge(ShapeBounds.Top, Value); }

void TPlotCustomShapePosition::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TPlotCustomShapePosition*>(Source)) {
    FCustomPosition = s->FCustomPosition;
    if (FCustomPosition) {
      SetLeft(s->GetLeft());
      SetTop(s->GetTop());
    }
  }
  TCustomTextShape::Assign(Source);
}
