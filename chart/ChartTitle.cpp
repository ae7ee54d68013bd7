#include "chart/ChartTitle.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

// ---------------- lines shape ----------------

// The lines stream as the entry "Strings": a list of texts.
void TTitleLines::DefineProperties(TFiler* Filer) {
  TStringList::DefineProperties(Filer);
  Filer->DefineProperty(
      "Strings",
      [this](TReader* R) {
        BeginUpdate();
        Clear();
        R->ReadListBegin();
        while (!R->EndOfList()) Add(R->ReadString());
        R->ReadListEnd();
        EndUpdate();
      },
      [this](TWriter* W) {
        W->WriteListBegin();
        for (int i = 0; i < Count(); ++i) W->WriteString(Get(i));
        W->WriteListEnd();
      },
      Count() > 0);
}

const TClassInfo* TStringsShape::Class() {
  using S = TStringsShape;
  static const TClassInfo* info = TClassDecl<S>("TStringsShape", TPlotCustomShapePosition::Class())
                                      .Prop("Text", &S::GetTextLines, &S::SetTextLines);
  return info;
}

TStringsShape::TStringsShape(TCustomPlotPanel* AOwner)
    : TPlotCustomShapePosition(AOwner), FTitleText(std::make_unique<TTitleLines>()) {
  FTitleText->OnChange = [this](TObject*) { TextChanged(); };
}

TStringsShape::~TStringsShape() { FTitleText->OnChange = nullptr; }

void TStringsShape::SetTextLines(TStrings* Value) {
  FTitleText->Assign(Value);
  TextChanged();
}

std::string TStringsShape::GetCaption() const {
  return FTitleText->Count() > 0 ? FTitleText->Get(0) : std::string();
}

void TStringsShape::SetCaption(const std::string& Value) {
  if (Value.empty())
    FTitleText->Clear();
  else
    FTitleText->SetText(Value);
}

void TStringsShape::TextChanged() {
  if (IChangingText) return;
  // The lines joined with CR LF, the chart's line break, without the last.
  std::string text;
  for (int i = 0; i < FTitleText->Count(); ++i) text += FTitleText->Get(i) + "\r\n";
  if (text.size() > 2) text.resize(text.size() - 2);
  FText = text;
  if (GetParentChart()) GetParentChart()->Invalidate();
}

void TStringsShape::ChangedText() {
  IChangingText = true;
  FTitleText->SetText(FText);
  IChangingText = false;
  TPlotCustomShapePosition::ChangedText();
}

// ---------------- chart title ----------------

const TClassInfo* TChartTitle::Class() {
  using T = TChartTitle;
  static const TClassInfo* info =
      TClassDecl<T>("TChartTitle", TStringsShape::Class())
          .Prop("AdjustFrame", &T::GetAdjustFrame, &T::SetAdjustFrame)
          .Default(1)
          .Enum("Alignment", &T::GetAlignment, &T::SetAlignment, TextAlignmentInfo())
          .Default(taCenter)
          .Prop("Angle", &T::GetAngle, &T::SetAngle)
          .Default(0)
          .Prop("Brush", &T::GetBrush, &T::SetBrush)
          .Prop("Color", &T::GetColor, &T::SetColor)
          .Default(int64_t(clWhite))
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Prop("Frame", &T::GetFrame, &T::SetFrame)
          .Prop("Shadow", &T::GetShadow, &T::SetShadow)
          .Enum("TextAlignment", &T::GetTextAlignment, &T::SetTextAlignment, TextAlignmentInfo())
          .Stored(&T::IsTextAlignStored)
          .Enum("TextFormat", &T::GetTextFormat, &T::SetTextFormat, TextFormatInfo())
          .Default(ttfNormal)
          .Prop("Transparent", &T::GetTransparent, &T::SetTransparent)
          .Stored(&T::IsTransparentStored)
          .Prop("VertMargin", &T::GetVertMargin, &T::SetVertMargin)
          .Default(5)
          .Prop("Visible", &T::GetVisible, &T::SetVisible)
          .Stored(&T::IsVisibleStored);
  return info;
}

TChartTitle::TChartTitle(TCustomPlotPanel* AOwner) : TStringsShape(AOwner) {
  FAlignment = taCenter;
  InitTextAlignment(taCenter);
  IDraw2D = true;
  InitTransparent(true);
  GetFont()->SetColor(TColor(0xFF0000));
}

void TChartTitle::Assign(TPersistent* Source) {
  if (auto* t = dynamic_cast<TChartTitle*>(Source)) {
    FAdjustFrame = t->FAdjustFrame;
    SetTextLines(t->GetTextLines());
    FVertMargin = t->FVertMargin;
  }
  TStringsShape::Assign(Source);
}

void TChartTitle::SetAdjustFrame(bool Value) {
  if (FAdjustFrame == Value) return;
  FAdjustFrame = Value;
  Repaint();
}

void TChartTitle::SetVertMargin(int Value) {
  if (FVertMargin == Value) return;
  FVertMargin = Value;
  Repaint();
}

bool TChartTitle::ShouldDraw() const { return GetVisible() && GetTextLines()->Count() > 0; }

bool TChartTitle::Clicked(TPoint P) const {
  const TRect& r = ShapeBounds;
  return GetVisible() && P.X >= r.Left && P.X <= r.Right && P.Y >= r.Top && P.Y <= r.Bottom;
}

void TChartTitle::DrawTitle() {
  TCustomPlotPanel* panel = GetParentChart();
  if (!ShouldDraw() || !panel) return;
  FAutoSize = true;
  CalcBounds(panel);
  TPlotPen* frame = GetFrame();
  const int h = frame->GetVisible() && frame->GetWidth() > 1 ? frame->GetWidth() / 2 : 0;
  if (!FCustomPosition) {
    const int width = panel->GetWidth();
    const int m = panel->BorderSize() + int(std::nearbyint(width * 0.02));
    const int y = IOnTop ? panel->ChartRect.Top + h : panel->ChartRect.Bottom - GetHeight() - h;
    if (FAdjustFrame) {
      FAutoSize = true;
      if (FAlignment == taLeftJustify)
        MoveTo(m, y);
      else if (FAlignment == taRightJustify)
        MoveTo(width - GetWidth() - m, y);
      else
        MoveTo(std::max(m, panel->ChartXCenter - GetWidth() / 2), y);
    } else {
      FAutoSize = false;
      MoveTo(m, y);
      SetWidth(width - 2 * m);
    }
  }
  Draw();
  if (FCustomPosition) return;
  if (IOnTop)
    panel->ChartRect.Top = ShapeBounds.Bottom + FVertMargin + h;
  else
    panel->ChartRect.Bottom = ShapeBounds.Top - FVertMargin - h;
  panel->ReCalcWidthHeight();
}

// ---------------- foot title ----------------

const TClassInfo* TChartFootTitle::Class() {
  static const TClassInfo* info =
      TClassDecl<TChartFootTitle>("TChartFootTitle", TChartTitle::Class());
  return info;
}

TChartFootTitle::TChartFootTitle(TCustomPlotPanel* AOwner) : TChartTitle(AOwner) {
  IOnTop = false;
  GetFont()->SetColor(TColor(0x0000FF));
  GetFont()->SetStyle(FontStyleBit(fsItalic));
}
