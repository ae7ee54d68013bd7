// The chart panel's geometry: margins and the chart rectangle, bevels and
// border, the font zoom on resize, the rounded window, and text measuring.

#include <algorithm>
#include <cmath>

#include "chart/PlotCanvas3D.h"
#include "chart/PlotHtml.h"
#include "chart/PlotPanel.h"

namespace {

void Shrink(TRect& R, int D) { R.Left += D, R.Top += D, R.Right -= D, R.Bottom -= D; }

}  // namespace

// ---------------- margins ----------------

int TCustomPlotPanel::GetMargin(int Index) const {
  switch (Index) {
    case 0:
      return FMargins.Left;
    case 1:
      return FMargins.Top;
    case 2:
      return FMargins.Right;
    default:
      return FMargins.Bottom;
  }
}

void TCustomPlotPanel::SetMargin(int Index, int Value) {
  switch (Index) {
    case 0:
      SetIntegerProperty(FMargins.Left, Value);
      break;
    case 1:
      SetIntegerProperty(FMargins.Top, Value);
      break;
    case 2:
      SetIntegerProperty(FMargins.Right, Value);
      break;
    default:
      SetIntegerProperty(FMargins.Bottom, Value);
      break;
  }
}

void TCustomPlotPanel::SetMarginUnits(TPlotUnits Value) {
  if (Value == FMarginUnits) return;
  FMarginUnits = Value;
  Invalidate();
}

int TCustomPlotPanel::BorderSize() {
  int result = GetBorderWidth();
  if (GetBevelInner() != bvNone) result += GetBevelWidth();
  if (GetBevelOuter() != bvNone) result += GetBevelWidth();
  if (FBorder->GetVisible()) result += FBorder->GetWidth();
  return result;
}

void TCustomPlotPanel::ApplyMargins() {
  int w = ChartBounds.Width(), h = ChartBounds.Height(), b = BorderSize();
  int l = FMargins.Left, t = FMargins.Top, r = FMargins.Right, bo = FMargins.Bottom;
  if (FMarginUnits == muPercent) {
    l = l * w / 100, r = r * w / 100;
    t = t * h / 100, bo = bo * h / 100;
  }
  ChartRect = TRect{ChartBounds.Left + l + b, ChartBounds.Top + t + b, ChartBounds.Right - b - r,
                    ChartBounds.Bottom - b - bo};
  if (FShadow->GetVisible()) {
    int sh = FShadow->GetHorizSize(), sv = FShadow->GetVertSize();
    if (sh < 1)
      ChartRect.Left -= sh;
    else
      ChartRect.Right -= sh;
    if (sv < 1)
      ChartRect.Top -= sv;
    else
      ChartRect.Bottom -= sv;
  }
  if (FEmboss->GetVisible()) {
    int eh = FEmboss->GetHorizSize(), ev = FEmboss->GetVertSize();
    if (eh < 1)
      ChartRect.Right += eh;
    else
      ChartRect.Left += eh;
    if (ev < 1)
      ChartRect.Bottom += ev;
    else
      ChartRect.Top += ev;
  }
}

void TCustomPlotPanel::ReCalcWidthHeight() {
  ChartRect.Left = std::max(ChartRect.Left, ChartBounds.Left);
  ChartRect.Top = std::max(ChartRect.Top, ChartBounds.Top);
  if (ChartRect.Right < ChartRect.Left) ChartRect.Right = ChartRect.Left + 1;
  if (ChartRect.Bottom < ChartRect.Top) ChartRect.Bottom = ChartRect.Top + 1;
  ChartWidth = ChartRect.Width();
  ChartHeight = ChartRect.Height();
  ChartXCenter = (ChartRect.Left + ChartRect.Right) / 2;
  ChartYCenter = (ChartRect.Top + ChartRect.Bottom) / 2;
}

void TCustomPlotPanel::SetChartRect(const TRect& Value) {
  FCustomChartRect = true;
  ChartRect = Value;
  Invalidate();
}

void TCustomPlotPanel::SetCustomChartRect(bool Value) {
  FCustomChartRect = Value;
  ICachedChartRect = TRect{};
}

// ---------------- bevels and border ----------------

int FixBorderWidth(TPlotPen* Border, TRect& R) {
  if (Border->GetSmallDots()) return 1;
  int d = Border->GetWidth() - 1;
  if (d <= 0) return d;
  R.Left += d / 2 + d % 2, R.Top += d / 2 + d % 2;
  R.Right -= d / 2, R.Bottom -= d / 2;
  return d / 2;
}

void DrawBevel(TPlotCanvas* ACanvas, TBevelCut Bevel, TRect& R, int Width, int Round) {
  if (Bevel == bvNone) return;
  Width = std::min({Width, R.Width() / 2, R.Height() / 2});
  const TColor light = TColor(0xFFFFFF), dark = TColor(0xA0A0A0);
  if (Round > 0) {
    ACanvas->GetPen()->SetColor(Bevel == bvLowered ? dark : light);
    ACanvas->GetBrush()->SetStyle(bsClear);
    Shrink(R, 1);
    ACanvas->RoundRect(R.Left, R.Top, R.Right, R.Bottom, Round, Round);
    Shrink(R, Width);
    return;
  }
  ACanvas->Frame3D(R, Bevel == bvLowered ? dark : light, Bevel == bvRaised ? dark : light, Width);
}

void TCustomPlotPanel::DrawPanelBevels(TRect Rect) {
  if (Printing && !PrintPlotPanel) return;
  if (GetBevelOuter() == bvNone && GetBevelInner() == bvNone && GetBorderWidth() == 0) return;
  TPlotPen* pen = InternalCanvas->GetPen();
  pen->SetSmallDots(false);
  pen->SetStyle(psSolid);
  pen->SetWidth(1);
  pen->SetMode(pmCopy);
  pen->SetVisible(true);
  InternalCanvas->FrontPlaneBegin();
  if (FBorder->GetVisible()) {
    int d = FixBorderWidth(FBorder.get(), Rect);
    if (!FBorder->GetSmallDots()) d++;
    Shrink(Rect, d);
  }
  DrawBevel(InternalCanvas, GetBevelOuter(), Rect, GetBevelWidth(), FBorderRound);
  if (GetBorderWidth() > 0) {
    TColor c = PanelColor(GetColor());
    InternalCanvas->Frame3D(Rect, c, c, GetBorderWidth());
  }
  DrawBevel(InternalCanvas, GetBevelInner(), Rect, GetBevelWidth(), FBorderRound);
  InternalCanvas->FrontPlaneEnd();
}

TBorderStyle TCustomPlotPanel::GetBorderStyle() {
  return FBorder->GetVisible() ? bsSingle : bsNone;
}

void TCustomPlotPanel::SetBorderStyle(TBorderStyle Value) {
  FBorder->SetVisible(Value == bsSingle);
}

// ---------------- size, shape, view ----------------

void TCustomPlotPanel::Resize() {
  if (!IsLoading()) {
    if (FBorderRound > 0) SetControlRounded();
    if (FView3DOptions && FView3DOptions->GetZoomText() == ztAuto && InitialSize.X > 0 &&
        InitialSize.Y > 0) {
      int dx = int(std::nearbyint((GetWidth() - InitialSize.X) * 100.0 / InitialSize.X));
      int dy = int(std::nearbyint((GetHeight() - InitialSize.Y) * 100.0 / InitialSize.Y));
      FView3DOptions->SetFontZoom(std::max(dx, dy) + 100);
    }
  }
  TCustomPanelNoCaption::Resize();
}

void TCustomPlotPanel::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  SetBounds(GetLeft() * M / D, GetTop() * M / D, GetWidth() * M / D, GetHeight() * M / D);
  InternalCanvas->SetFontZoom(InternalCanvas->GetFontZoom() * M / D);
  FView3DOptions->SetFontZoom(int(std::nearbyint(InternalCanvas->GetFontZoom())));
}

void TCustomPlotPanel::SetBorderRound(int Value) {
  if (Value == FBorderRound) return;
  FBorderRound = Value;
  if (!IsLoading()) SetControlRounded();
  Invalidate();
}

void TCustomPlotPanel::SetControlRounded() {
  if (IRounding || !HasParentWindow()) return;
  IRounding = true;
  SetRoundRegion(FBorderRound);
  IRounding = false;
}

void TCustomPlotPanel::SetView3D(bool Value) {
  if (Value == FView3D) return;
  SetBooleanProperty(FView3D, Value);
  BroadcastPlotEventClass(&PlotEventOf<TPlotView3DEvent>);
}

bool TCustomPlotPanel::CanClip() {
  if (InternalCanvas->GetSupportsFullRotation() && FView3D) return false;
  bool metafiling = InternalCanvas->GetMetafiling();
  if (!Printing && !metafiling) return true;
  if (Printing && PlotClipWhenPrinting) return true;
  return metafiling && PlotClipWhenMetafiling;
}

bool TCustomPlotPanel::IsScreenHighColor() {
  return InternalCanvas->GetSupportsFullRotation() ||
         PlotBitsperPixel(InternalCanvas->GetHandle()) > 14;
}

bool TCustomPlotPanel::GetBufferedDisplay() { return InternalCanvas->GetUseBuffer(); }
void TCustomPlotPanel::SetBufferedDisplay(bool Value) { InternalCanvas->SetUseBuffer(Value); }
bool TCustomPlotPanel::GetMonochrome() { return InternalCanvas->GetMonochrome(); }
void TCustomPlotPanel::SetMonochrome(bool Value) { InternalCanvas->SetMonochrome(Value); }

// ---------------- text ----------------

int TCustomPlotPanel::LinesOfText(const std::string& Text) {
  size_t last = Text.rfind('\r');
  if (last == std::string::npos) return 1;
  int count = int(std::count(Text.begin(), Text.end(), '\r'));
  size_t rest = last + 1;
  if (rest < Text.size() && Text[rest] == '\n') rest++;
  return rest < Text.size() ? count + 1 : count;
}

TPoint TCustomPlotPanel::MultiLineTextSize(const std::string& Text, TTextFormat Format,
                                           int& NumLines) {
  NumLines = 0;
  TPoint result;
  if (Text.empty()) return result;
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    size_t sep = Text.find(PlotLineSeparator, start);
    if (sep == std::string::npos) break;
    lines.push_back(Text.substr(start, sep - start));
    start = sep + 1;
    if (start < Text.size() && Text[start] == '\n') start++;
  }
  if (start < Text.size()) lines.push_back(Text.substr(start));
  int lineHeight = Format == ttfHtml ? 0 : InternalCanvas->TextHeight(std::string("W"));
  for (const std::string& line : lines) {
    if (Format == ttfHtml) {
      TSize size = HtmlTextExtent(InternalCanvas, line);
      result.X = std::max(result.X, size.cx);
      result.Y += size.cy;
    } else {
      result.X = std::max(result.X, InternalCanvas->TextWidth(line));
      result.Y += lineHeight;
    }
  }
  NumLines = int(lines.size());
  return result;
}

int TCustomPlotPanel::MultiLineTextWidth(const std::string& Text, int& NumLines,
                                         TTextFormat Format) {
  return MultiLineTextSize(Text, Format, NumLines).X;
}

void TCustomPlotPanel::TryAssignFont(TPlotFont* Font) {
  InternalCanvas->AssignFont(Font->GetDefault() ? GetDefaultFont() : Font);
}

void TCustomPlotPanel::PrepareFont3D(TPlotFont* Font) {
  if (!FView3D) {
    TryAssignFont(Font);
    return;
  }
  InternalCanvas->AssignFont3D(Font->GetDefault() ? GetDefaultFont() : Font);
}

void TCustomPlotPanel::SetBrushCanvas(TColor AColor, TPlotBrush* ABrush, TColor ABackColor) {
  if (ABrush->GetStyle() != bsSolid && AColor == ABackColor)
    AColor = ABackColor == clBlack ? clWhite : clBlack;
  InternalCanvas->AssignBrush(ABrush, AColor, ABackColor);
}

TPlotFont* TCustomPlotPanel::GetDefaultFont() {
  if (Theme) return Theme->GetDefaultFont();
  if (!FGlobalFont)
    FGlobalFont = std::make_unique<TPlotFont>([this](TObject* S) { CanvasChanged(S); });
  return FGlobalFont.get();
}

void TCustomPlotPanel::SetDefaultFont(TPlotFont* Value) {
  if (Value == nullptr) {
    FGlobalFont.reset();
    return;
  }
  GetDefaultFont()->Assign(Value);
}

TFilterItems* TCustomPlotPanel::GetFilters() {
  if (!FGlobalPicture) {
    FGlobalPicture = std::make_unique<TPlotPicture>();
    FGlobalPicture->GetFilters()->OnChange = [this](TObject* S) { CanvasChanged(S); };
  }
  return FGlobalPicture->GetFilters();
}
