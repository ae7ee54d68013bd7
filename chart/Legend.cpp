#include "chart/Legend.h"

#include <algorithm>

#include "chart/AxisPanel.h"
#include "chart/PlotConst.h"
#include "chart/SeriesLegend.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Cursors.h"

const TEnumInfo& LegendAlignmentInfo() {
  static const TEnumInfo info("TLegendAlignment", {"laLeft", "laRight", "laTop", "laBottom"});
  return info;
}

const TEnumInfo& LegendStyleInfo() {
  static const TEnumInfo info("TLegendStyle",
                              {"lsAuto", "lsSeries", "lsValues", "lsLastValues", "lsSeriesGroups"});
  return info;
}

const TEnumInfo& LegendTextStyleInfo() {
  static const TEnumInfo info(
      "TLegendTextStyle", {"ltsPlain", "ltsLeftValue", "ltsRightValue", "ltsLeftPercent",
                           "ltsRightPercent", "ltsXValue", "ltsValue", "ltsPercent", "ltsXAndValue",
                           "ltsXAndPercent", "ltsXAndText", "ltsXAndValueAndText"});
  return info;
}

const TEnumInfo& CheckBoxesStyleInfo() {
  static const TEnumInfo info("TCheckBoxesStyle", {"cbsCheck", "cbsRadio"});
  return info;
}

namespace {

const TEnumInfo& LegendJustifyInfo() {
  static const TEnumInfo info("TLegendJustify", {"ljAutomatic", "ljYes", "ljNo"});
  return info;
}

const TEnumInfo& ShapeStyleInfo() {
  static const TEnumInfo info("TChartObjectShapeStyle",
                              {"fosRectangle", "fosRoundRectangle", "fosEllipse"});
  return info;
}

const TEnumInfo& BevelCutInfo() {
  static const TEnumInfo info("TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return info;
}

const TEnumInfo& PlotUnitsInfo() {
  static const TEnumInfo info("TPlotUnits", {"muPercent", "muPixels"});
  return info;
}

}  // namespace

// ---------------- construction ----------------

TCustomChartLegend::TCustomChartLegend(TCustomPlotPanel* AOwner)
    : TPlotCustomShapePosition(AOwner),
      FDividingLines(std::make_unique<TPlotHiddenPen>(Changed())),
      FItems(std::make_unique<TLegendItems>(this)),
      FSymbol(std::make_unique<TLegendSymbol>(this, AOwner)) {
  FDividingLines->SetEndStyle(esFlat);
  FSymbol->CalcItemHeight = [this] { return CalcItemHeight(); };
  IDraw2D = true;
  FAutoSize = false;
  TPlotGradient* g = GetGradient();
  g->InitDirection(gdRightLeft);
  g->InitColors(TColor(0xC0C0C0), TColor(0xFFFFFF));
  g->SetVisible(false);
}

TCustomChartLegend::~TCustomChartLegend() = default;

TCustomAxisPanel* TCustomChartLegend::Chart() const {
  return dynamic_cast<TCustomAxisPanel*>(GetParentChart());
}

void TCustomChartLegend::Assign(TPersistent* Source) {
  if (auto* l = dynamic_cast<TCustomChartLegend*>(Source)) {
    FAlignment = l->FAlignment;
    FCheckBoxes = l->FCheckBoxes;
    FCheckBoxesStyle = l->FCheckBoxesStyle;
    FCurrentPage = l->FCurrentPage;
    FDividingLines->Assign(l->FDividingLines.get());
    FDrawBehind = l->FDrawBehind;
    FFirstValue = l->FFirstValue;
    FFontSeriesColor = l->FFontSeriesColor;
    FGlobalTransp = l->FGlobalTransp;
    FHorizJustify = l->FHorizJustify;
    FHorizMargin = l->FHorizMargin;
    FInverted = l->FInverted;
    FLeftPercent = l->FLeftPercent;
    FLegendStyle = l->FLegendStyle;
    FMaxNumRows = l->FMaxNumRows;
    FPosUnits = l->FPosUnits;
    FResizeChart = l->FResizeChart;
    SetSelected(l->FSelected.get());
    FSymbol->Assign(l->FSymbol.get());
    FTextStyle = l->FTextStyle;
    SetTitle(l->FTitle.get());
    FTopLeftPos = l->FTopLeftPos;
    FTopPercent = l->FTopPercent;
    FVertMargin = l->FVertMargin;
    FVertSpacing = l->FVertSpacing;
  }
  TPlotCustomShapePosition::Assign(Source);
}

void TCustomChartLegend::SetParent(TCustomPlotPanel* Value) {
  TPlotCustomShapePosition::SetParent(Value);
  if (FSymbol) FSymbol->Parent = Value;
  if (FTitle) FTitle->SetParent(Value);
}

// ---------------- properties ----------------

void TCustomChartLegend::LegendChanged() {
  Repaint();
  if (TCustomPlotPanel* p = GetParentChart())
    p->BroadcastPlotEventClass(&PlotEventOf<TChartLegendEvent>);
}

void TCustomChartLegend::SetCheckBoxes(bool Value) {
  if (FCheckBoxes == Value) return;
  FCheckBoxes = Value;
  LegendChanged();
}

void TCustomChartLegend::SetCheckBoxesStyle(TCheckBoxesStyle Value) {
  if (FCheckBoxesStyle == Value) return;
  FCheckBoxesStyle = Value;
  if (Value == cbsRadio) {
    if (InternalLegendStyle == lsAuto) InternalLegendStyle = CalcLegendStyle();
    bool first = true;
    if (InternalLegendStyle == lsSeriesGroups) {
      TCustomAxisPanel* chart = Chart();
      TSeriesGroups* groups = chart ? chart->GetSeriesGroups() : nullptr;
      for (int i = 0; groups && i < groups->Count(); ++i) {
        TSeriesGroup* g = groups->Get(i);
        if (g->GetActive() != gaYes) continue;
        if (!first) g->SetActive(gaNo);
        first = false;
      }
    } else {
      for (TChartSeries* s : LegendSeriesList()) {
        if (!s->GetActive()) continue;
        if (!first) s->SetActive(false);
        first = false;
      }
    }
  }
  LegendChanged();
}

void TCustomChartLegend::SetFirstValue(int Value) {
  if (Value < 0) throw LegendException(PlotMsg_LegendFirstValue);
  ChartStore(FFirstValue, Value);
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle Value) {
  FLegendStyle = Value;
  InternalLegendStyle = CalcLegendStyle();
  Repaint();
}

TPlotSelected* TCustomChartLegend::GetSelected() {
  if (!FSelected) FSelected = std::make_unique<TPlotSelected>(this);
  return FSelected.get();
}

void TCustomChartLegend::SetSelected(TPlotSelected* Value) {
  if (Value == nullptr)
    FSelected.reset();
  else
    GetSelected()->Assign(Value);
}

void TCustomChartLegend::SetSeries(TChartSeries* Value) {
  FSeries = Value;
  Repaint();
}

TLegendTitle* TCustomChartLegend::GetTitle() {
  if (!FTitle) FTitle = std::make_unique<TLegendTitle>(GetParentChart());
  return FTitle.get();
}

void TCustomChartLegend::SetTitle(TLegendTitle* Value) {
  if (Value == nullptr)
    FTitle.reset();
  else
    GetTitle()->Assign(Value);
}

// ---------------- what the legend lists ----------------

std::vector<TChartSeries*> TCustomChartLegend::LegendSeriesList() const {
  std::vector<TChartSeries*> list;
  TCustomAxisPanel* chart = Chart();
  if (chart == nullptr) return list;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (s->GetShowInLegend() && (FCheckBoxes || s->GetActive())) list.push_back(s);
  }
  return list;
}

TChartSeries* TCustomChartLegend::ItemSeries(int Index, bool OnlyActive) const {
  TCustomAxisPanel* chart = Chart();
  return chart ? chart->SeriesLegend(Index, OnlyActive) : nullptr;
}

TLegendStyle TCustomChartLegend::CalcLegendStyle() const {
  if (FLegendStyle != lsAuto) return FLegendStyle;
  if (FCheckBoxes) return lsSeries;
  TCustomAxisPanel* chart = Chart();
  int shown = 0;
  for (int i = 0; chart && i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (s->GetActive() && s->GetShowInLegend()) ++shown;
  }
  return shown > 1 ? lsSeries : lsValues;
}

TChartSeries* TCustomChartLegend::GetLegendSeries() const {
  if (FSeries) return FSeries;
  TCustomAxisPanel* chart = Chart();
  if (chart == nullptr) return nullptr;
  TChartSeries* firstActive = nullptr;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (!s->GetActive()) continue;
    if (s->GetShowInLegend()) return s;
    if (!firstActive) firstActive = s;
  }
  return firstActive;
}

bool TCustomChartLegend::HasCheckBoxes() const {
  return FCheckBoxes && CalcLegendStyle() != lsValues;
}

bool TCustomChartLegend::ShouldDraw() const {
  if (!GetVisible()) return false;
  if (FCheckBoxes) return true;
  TCustomAxisPanel* chart = Chart();
  return chart && chart->CountActiveSeries() > 0;
}

bool TCustomChartLegend::CalcInverted() const {
  bool inverted = FInverted;
  if (InternalLegendStyle == lsValues)
    if (TChartSeries* s = GetLegendSeries(); s && s->InvertedLegend()) inverted = !inverted;
  return inverted;
}

std::string TCustomChartLegend::FormattedValue(TChartSeries* ASeries, int Index) const {
  if (ASeries == nullptr || Index == -1) return {};
  std::string text = ASeries->LegendString(Index, FTextStyle);
  std::replace(text.begin(), text.end(), PlotLineSeparator, ' ');
  return text;
}

std::string TCustomChartLegend::FormattedLegend(int Index) {
  std::string text;
  const bool onlyActive = !FCheckBoxes;
  switch (InternalLegendStyle) {
    case lsSeries:
      if (Chart()) text = Chart()->SeriesTitleLegend(Index, onlyActive);
      break;
    case lsLastValues:
      if (TChartSeries* s = ItemSeries(Index, onlyActive))
        text = FormattedValue(s, s->CountLegendItems() - 1);
      break;
    case lsSeriesGroups:
      if (TCustomAxisPanel* chart = Chart(); chart && Index < chart->GetSeriesGroups()->Count())
        text = chart->GetSeriesGroups()->Get(Index)->GetName();
      break;
    default:
      text = FormattedValue(GetLegendSeries(), Index);
      break;
  }
  if (TCustomAxisPanel* chart = Chart())
    chart->DoGetLegendText(this, InternalLegendStyle, Index, text);
  return text;
}

// ---------------- mouse ----------------

int TCustomChartLegend::CalcCursor() const {
  if (FSelected && FSelected->GetVisible()) return crHandPoint;
  return GetCursor();
}

bool TCustomChartLegend::DoMouseDown(int Index) {
  GetSelected()->SetItemIndex(Index);
  if (Index == -1 || !HasCheckBoxes()) return false;
  TCustomAxisPanel* chart = Chart();
  if (chart == nullptr) return false;
  if (CalcLegendStyle() == lsSeriesGroups) {
    TSeriesGroups* groups = chart->GetSeriesGroups();
    if (Index >= groups->Count()) return false;
    if (FCheckBoxesStyle == cbsRadio) {
      for (int i = 0; i < groups->Count(); ++i)
        groups->Get(i)->SetActive(i == Index ? gaYes : gaNo);
    } else {
      TSeriesGroup* g = groups->Get(Index);
      g->SetActive(g->GetActive() == gaNo ? gaYes : gaNo);
    }
    return true;
  }
  const std::vector<TChartSeries*> list = LegendSeriesList();
  if (FCheckBoxesStyle == cbsRadio) {
    for (size_t i = 0; i < list.size(); ++i) list[i]->SetActive(int(i) == Index);
  } else if (Index < int(list.size())) {
    list[size_t(Index)]->SetActive(!list[size_t(Index)]->GetActive());
  }
  return true;
}

int TCustomChartLegend::ClickedRow(int Y) {
  const bool inverted = CalcInverted();
  const int top = FirstItemTop() + 1;
  for (int r = 0; r < NumRows; ++r) {
    const int bandTop = top + r * ItemHeight;
    if (Y >= bandTop && Y <= bandTop + ItemHeight) return inverted ? NumRows - 1 - r : r;
  }
  return -1;
}

int TCustomChartLegend::Clicked(int X, int Y) {
  TRect r = ShapeBounds;
  if (Vertical() && OnCalcSize) {
    int size = 0;
    OnCalcSize(this, size);
    r.Right -= size;
  }
  if (X < r.Left || X > r.Right || Y < r.Top || Y > r.Bottom) return -1;
  if (TCustomAxisPanel* chart = Chart(); chart && chart->GetCanvas()) {
    chart->GetCanvas()->AssignFont(GetFont());
    ItemHeight = CalcItemHeight();
  }
  const int row = ClickedRow(Y);
  if (row == -1) return -1;
  if (Vertical()) return FFirstValue + row;
  if (NumCols <= 0) return -1;
  const bool inverted = CalcInverted();
  if (IJustify) {
    int x = r.Left;
    for (int j = 0; j < NumCols; ++j) {
      const int w = ColumnWidth(j);
      if (X >= x && X < x + w) {
        int k = (ILastValue - FFirstValue + 1) % NumCols;
        const int m = k <= 0 ? NumCols : k;
        const int index = inverted ? row * NumCols + m - j - 1 : row * NumCols + j;
        if (index > ITotalItems - 1) return -1;
        return FFirstValue + index;
      }
      x += w;
    }
    return -1;
  }
  int x = r.Left + 1;
  for (int n = 0; n < NumCols; ++n) {
    const int w = ColumnWidth(n);
    if (X >= x && X < x + w) return inverted ? NumCols + FFirstValue - n - 1 : FFirstValue + n;
    x += w;
  }
  return -1;
}

// ---------------- published properties ----------------

const TClassInfo* TCustomChartLegend::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomChartLegend>("TCustomChartLegend", TPlotCustomShapePosition::Class());
  return info;
}

const TClassInfo* TChartLegend::Class() {
  using L = TChartLegend;
  static const TClassInfo* info =
      TClassDecl<L>("TChartLegend", TCustomChartLegend::Class())
          .Enum("Alignment", &L::GetAlignment, &L::SetAlignment, LegendAlignmentInfo())
          .Default(laRight)
          .Enum("Bevel", &L::GetBevel, &L::SetBevel, BevelCutInfo())
          .Default(bvNone)
          .Prop("BevelWidth", &L::GetBevelWidth, &L::SetBevelWidth)
          .Default(2)
          .Prop("Brush", &L::GetBrush, &L::SetBrush)
          .Prop("CheckBoxes", &L::GetCheckBoxes, &L::SetCheckBoxes)
          .Default(0)
          .Enum("CheckBoxesStyle", &L::GetCheckBoxesStyle, &L::SetCheckBoxesStyle,
                CheckBoxesStyleInfo())
          .Default(cbsCheck)
          .Prop("Children", &L::GetChildren, &L::SetChildren)
          .Stored(&L::IsChildrenStored)
          .Prop("ClipText", &L::GetClipText, &L::SetClipText)
          .Default(1)
          .Prop("Color", &L::GetColor, &L::SetColor)
          .Default(int64_t(clWhite))
          .Prop("ColorWidth", &L::GetColorWidth, &L::SetColorWidth)
          .Default(20)
          .Prop("CurrentPage", &L::GetCurrentPage, &L::SetCurrentPage)
          .Default(1)
          .Prop("Cursor", &L::GetCursor, &L::SetCursor)
          .Default(0)
          .Prop("CustomPosition", &L::GetCustomPosition, &L::SetCustomPosition)
          .Stored(&L::IsCustomStored)
          .Prop("DividingLines", &L::GetDividingLines, &L::SetDividingLines)
          .Prop("DrawBehind", &L::GetDrawBehind, &L::SetDrawBehind)
          .Default(0)
          .Prop("Emboss", &L::EmbossProp, &L::SetEmboss)
          .Prop("FirstValue", &L::GetFirstValue, &L::SetFirstValue)
          .Default(0)
          .Prop("Font", &L::GetFont, &L::SetFont)
          .Prop("FontSeriesColor", &L::GetFontSeriesColor, &L::SetFontSeriesColor)
          .Default(0)
          .Prop("Frame", &L::GetFrame, &L::SetFrame)
          .Prop("GlobalTransparency", &L::GetGlobalTransparency, &L::SetGlobalTransparency)
          .Default(0)
          .Prop("Gradient", &L::GetGradient, &L::SetGradient)
          .Enum("HorizJustify", &L::GetHorizJustify, &L::SetHorizJustify, LegendJustifyInfo())
          .Default(ljAutomatic)
          .Prop("HorizMargin", &L::GetHorizMargin, &L::SetHorizMargin)
          .Default(0)
          .Prop("Inverted", &L::GetInverted, &L::SetInverted)
          .Default(0)
          .Prop("Left", &L::GetLeft, &L::SetLeft)
          .Stored(&L::IsPosStored)
          .Prop("LeftPercent", &L::GetLeftPercent, &L::SetLeftPercent)
          .Default(0)
          .Enum("LegendStyle", &L::GetLegendStyle, &L::SetLegendStyle, LegendStyleInfo())
          .Default(lsAuto)
          .Prop("Margins", &L::GetMargins, &L::SetMargins)
          .Prop("MaxNumRows", &L::GetMaxNumRows, &L::SetMaxNumRows)
          .Default(0)
          .Prop("Picture", &L::PictureProp, &L::SetPicture)
          .Stored(&L::IsPictureStored)
          .Enum("PositionUnits", &L::GetPositionUnits, &L::SetPositionUnits, PlotUnitsInfo())
          .Default(muPixels)
          .Prop("ResizeChart", &L::GetResizeChart, &L::SetResizeChart)
          .Default(1)
          .Prop("RoundSize", &L::GetRoundSize, &L::SetRoundSize)
          .Default(16)
          .Prop("Selected", &L::GetSelected, &L::SetSelected)
          .Stored(&L::HasSelected)
          .Prop("Shadow", &L::GetShadow, &L::SetShadow)
          .Prop("ShapeCallout", &L::CalloutProp, &L::SetCallout)
          .Enum("ShapeStyle", &L::GetShapeStyle, &L::SetShapeStyle, ShapeStyleInfo())
          .Default(fosRectangle)
          .Prop("Symbol", &L::GetSymbol, &L::SetSymbol)
          .Enum("TextStyle", &L::GetTextStyle, &L::SetTextStyle, LegendTextStyleInfo())
          .Default(ltsLeftValue)
          .Enum("TextFormat", &L::GetTextFormat, &L::SetTextFormat, TextFormatInfo())
          .Default(ttfNormal)
          .Prop("TextSymbolGap", &L::GetTextSymbolGap, &L::SetTextSymbolGap)
          .Default(2)
          .Prop("Title", &L::GetTitle, &L::SetTitle)
          .Stored(&L::HasTitle)
          .Prop("Top", &L::GetTop, &L::SetTop)
          .Stored(&L::IsPosStored)
          .Prop("TopPercent", &L::GetTopPercent, &L::SetTopPercent)
          .Default(0)
          .Prop("TopPos", &L::GetTopPos, &L::SetTopPos)
          .Default(10)
          .Prop("Transparency", &L::GetTransparency, &L::SetTransparency)
          .Default(0)
          .Prop("Transparent", &L::GetTransparent, &L::SetTransparent)
          .Stored(&L::IsTransparentStored)
          .Prop("VertMargin", &L::GetVertMargin, &L::SetVertMargin)
          .Default(0)
          .Prop("VertSpacing", &L::GetVertSpacing, &L::SetVertSpacing)
          .Default(0)
          .Prop("Visible", &L::GetVisible, &L::SetVisible)
          .Stored(&L::IsVisibleStored);
  return info;
}
