#include "chart/AxisPanel.h"

#include <algorithm>

#include "chart/ChartException.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/PlotConst.h"
#include "chart/PlotFunction.h"
#include "chart/PlotHover.h"
#include "chart/PlotPalette.h"
#include "chart/PlotRoutines.h"
#include "chart/SeriesSources.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

const TClassInfo* TCustomAxisPanel::Class() {
  using P = TCustomAxisPanel;
  static const TClassInfo* info =
      TClassDecl<P>("TCustomAxisPanel", TCustomPlotPanelExtended::Class())
          .Prop("AxisBehind", &P::GetAxisBehind, &P::SetAxisBehind)
          .Default(1)
          .Prop("AxisVisible", &P::GetAxisVisible, &P::SetAxisVisible)
          .Default(1)
          .Prop("BottomAxis", &P::GetBottomAxis, &P::SetBottomAxis)
          .Prop("TopAxis", &P::GetTopAxis, &P::SetTopAxis)
          .Prop("LeftAxis", &P::GetLeftAxis, &P::SetLeftAxis)
          .Prop("RightAxis", &P::GetRightAxis, &P::SetRightAxis)
          .Prop("DepthAxis", &P::GetDepthAxis, &P::SetDepthAxis)
          .Prop("DepthTopAxis", &P::GetDepthTopAxis, &P::SetDepthTopAxis)
          .Prop("Chart3DPercent", &P::GetChart3DPercent, &P::SetChart3DPercent)
          .Default(15)
          .Prop("ClipPoints", &P::GetClipPoints, &P::SetClipPoints)
          .Default(1)
          .Prop("CustomAxes", &P::GetCustomAxes, &P::SetCustomAxes)
          .Stored(&P::HasCustomAxes)
          .Prop("Pages", &P::GetPages, &P::SetPages)
          .Prop("SeriesGroups", &P::GetSeriesGroups, &P::SetSeriesGroups)
          .Stored(&P::HasSeriesGroups)
          .Prop("View3DWalls", &P::GetView3DWalls, &P::SetView3DWalls)
          .Default(1);
  return info;
}

TCustomAxisPanel::TCustomAxisPanel(TComponent* AOwner) : TCustomPlotPanelExtended(AOwner) {
  AutoRepaint = false;
  FAxes = std::make_unique<TChartAxes>(this);
  FCustomAxes = std::make_unique<TChartCustomAxes>(this);
  FSeriesList = std::make_unique<TChartSeriesList>(this);
  FPage = std::make_unique<TChartPage>(this);

  FBottomAxis = MakeAxis("Bottom", false);
  FBottomAxis->SetHorizontal(true);
  FTopAxis = MakeAxis("Top", false);
  FTopAxis->SetHorizontal(true);
  FTopAxis->SetOtherSide(true);
  FTopAxis->SetZPosition(100);
  FTopAxis->GetGrid()->InitZ(100);
  FLeftAxis = MakeAxis("Left", false);
  FRightAxis = MakeAxis("Right", false);
  FRightAxis->SetOtherSide(true);
  FRightAxis->SetZPosition(100);
  FRightAxis->GetGrid()->InitZ(100);
  FDepthAxis = static_cast<TChartDepthAxis*>(MakeAxis("Depth", true));
  FDepthAxis->SetVisible(false);
  FDepthAxis->SetDepthAxis(true);
  FDepthAxis->SetOtherSide(true);
  FDepthTopAxis = static_cast<TChartDepthAxis*>(MakeAxis("DepthTop", true));
  FDepthTopAxis->SetVisible(false);
  FDepthTopAxis->SetDepthAxis(true);
  AutoRepaint = true;
}

TChartAxis* TCustomAxisPanel::MakeAxis(const char* ID, bool Depth) {
  TChartAxis* axis = Depth ? new TChartDepthAxis(this) : new TChartAxis(this);
  axis->IAxisID = ID;
  return axis;
}

TCustomAxisPanel::~TCustomAxisPanel() {
  FreeAllSeries();
  FPage.reset();
  FAxes->Clear();
  FAxes.reset();
  FCustomAxes.reset();
  FSeriesList.reset();
}

void TCustomAxisPanel::Invalidate() { TCustomPlotPanelExtended::Invalidate(); }

bool TCustomAxisPanel::HasCustomAxes() const { return FCustomAxes->Count() > 0; }
bool TCustomAxisPanel::HasSeriesGroups() const { return GetSeriesGroups()->Count() > 0; }

void TCustomAxisPanel::SetChart3DPercent(int Value) {
  SetIntegerProperty(F3DPercent, std::clamp(Value, 1, 100));
}

// ---------------- series ----------------

TChartSeries* TCustomAxisPanel::AddSeries(TChartSeries* ASeries) {
  ASeries->SetParentChart(this);
  return ASeries;
}

TChartSeries* TCustomAxisPanel::AddSeries(const TClassInfo* ASeriesClass) {
  auto* series = dynamic_cast<TChartSeries*>(ASeriesClass->Create(GetOwner()));
  if (!series) throw ChartException("Class " + ASeriesClass->Name() + " is no series");
  return AddSeries(series);
}

void TCustomAxisPanel::AddSeries(const std::vector<TChartSeries*>& Series) {
  for (TChartSeries* s : Series) AddSeries(s);
}

void TCustomAxisPanel::InternalAddSeries(TChartSeries* Series) {
  if (FSeriesList->IndexOf(Series) != -1) return;
  ApplyThemeSeries(Series);
  Series->Added();
  FSeriesList->Add(Series);
  BroadcastSeriesEvent(Series, seAdd);
  if (OnAddSeries) OnAddSeries(Series);
  Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* Series) {
  RemoveSeries(FSeriesList->IndexOf(Series));
}

void TCustomAxisPanel::RemoveSeries(int Index) {
  if (Index < 0) return;
  TChartSeries* series = FSeriesList->Get(Index);
  BroadcastSeriesEvent(series, seRemove);
  series->Removed();
  FSeriesList->Delete(Index);
  if (OnRemoveSeries) OnRemoveSeries(series);
  BroadcastSeriesEvent(series, seAfterRemove);
  Invalidate();
}

int TCustomAxisPanel::SeriesIndexOf(const TCustomChartSeries* Series) const {
  return FSeriesList->IndexOf(Series);
}

void TCustomAxisPanel::FreeAllSeries(const TClassInfo* SeriesClass) {
  int i = 0;
  while (i < FSeriesList->Count()) {
    TChartSeries* s = FSeriesList->Get(i);
    if (SeriesClass && !s->InheritsFrom(SeriesClass)) {
      ++i;
      continue;
    }
    s->SetParentChart(nullptr);
    if (FSeriesList->IndexOf(s) != -1) FSeriesList->Remove(s);
    if (!s->ParentSeries) delete s;
  }
}

void TCustomAxisPanel::ExchangeSeries(int A, int B) {
  const int count = FSeriesList->Count();
  auto skipInternal = [&](int Index) {
    if (!FSeriesList->Get(Index)->IInternalUse) return Index;
    for (int j = Index + 1; j < count; ++j)
      if (!FSeriesList->Get(j)->IInternalUse) return j;
    return Index;
  };
  A = skipInternal(A);
  B = skipInternal(B);
  FSeriesList->Exchange(A, B);
  TSeriesGroups* groups = GetSeriesGroups();
  const int g = groups->Contains(FSeriesList->Get(A));
  if (g != -1) {
    TCustomSeriesList* members = groups->Get(g)->Series();
    const int ia = members->IndexOf(FSeriesList->Get(A));
    const int ib = members->IndexOf(FSeriesList->Get(B));
    if (ib != -1) members->Exchange(ia, ib);
  }
  BroadcastSeriesEvent(nullptr, seSwap);
  Invalidate();
}

void TCustomAxisPanel::ExchangeSeries(TChartSeries* A, TChartSeries* B) {
  if (A->GetParentChart() == B->GetParentChart()) {
    ExchangeSeries(FSeriesList->IndexOf(A), FSeriesList->IndexOf(B));
    return;
  }
  TChartSeriesPanel* parentA = A->GetParentChart();
  TChartSeriesPanel* parentB = B->GetParentChart();
  A->SetParentChart(parentB);
  B->SetParentChart(parentA);
}

int TCustomAxisPanel::CountActiveSeries() const {
  const auto& items = FSeriesList->Items();
  return int(
      std::count_if(items.begin(), items.end(), [](TChartSeries* s) { return s->GetActive(); }));
}

int TCustomAxisPanel::GetMaxValuesCount() const {
  int result = 0;
  for (TChartSeries* s : FSeriesList->Items())
    if (s->GetActive()) result = std::max(result, s->Count());
  return result;
}

TChartSeries* TCustomAxisPanel::GetAxisSeries(TChartAxis* Axis) const {
  TChartSeries* any = nullptr;
  for (TChartSeries* s : FSeriesList->Items()) {
    if (!s->AssociatedToAxis(Axis)) continue;
    if (s->GetActive()) return s;
    if (!any) any = s;
  }
  return any;
}

TChartSeries* TCustomAxisPanel::GetAxisSeriesMaxPoints(TChartAxis* Axis) const {
  const bool onlyActive = !NoActiveSeries(Axis);
  TChartSeries* result = nullptr;
  for (TChartSeries* s : FSeriesList->Items()) {
    if (!s->AssociatedToAxis(Axis) || (onlyActive && !s->GetActive())) continue;
    if (!result || s->Count() > result->Count()) result = s;
  }
  return result;
}

bool TCustomAxisPanel::HasActiveSeries(TChartAxis* Axis, bool Default) const {
  bool result = Default;
  for (TChartSeries* s : FSeriesList->Items()) {
    if (!s->GetActive()) continue;
    if (!s->UseAxis()) return false;
    result = s->AssociatedToAxis(Axis);
    if (result) break;
  }
  return result;
}

bool TCustomAxisPanel::NoActiveSeries(TChartAxis* Axis) const {
  for (TChartSeries* s : FSeriesList->Items())
    if (s->GetActive() && s->AssociatedToAxis(Axis)) return false;
  return true;
}

bool TCustomAxisPanel::CalcIsAxisVisible(TChartAxis* Axis) const {
  if (!FAxisVisible || !Axis->GetVisible()) return false;
  return Axis->IsDepthAxis() ? GetView3D() : HasActiveSeries(Axis, true);
}

bool TCustomAxisPanel::CheckMouseSeries(int X, int Y) {
  bool result = false;
  const auto items = FSeriesList->Items();
  for (auto it = items.rbegin(); it != items.rend(); ++it)
    if ((*it)->GetActive() && (*it)->CheckMouse(X, Y)) result = true;
  return result;
}

// ---------------- hover of axis labels and leaving ----------------

bool TCustomAxisPanel::CheckMouseAxes(int X, int Y) {
  if (!FHoverVisible) return false;
  bool result = false;
  for (int i = 0; i < FAxes->Count(); ++i)
    if (CheckMouseAxis(FAxes->Get(i), X, Y)) result = true;
  return result;
}

// A label is hit inside its rectangle's four corners as the last drawing
// placed the label.
bool TCustomAxisPanel::CheckMouseAxis(TChartAxis* Axis, int X, int Y) {
  bool result = false;
  TAxisItems* items = Axis->GetItems();
  if (Axis->IsVisible && items->GetSelected()->GetHover()->GetVisible()) {
    int hit = -1;
    items->InitCalcRect();
    for (int i = 0; i < items->Count() && hit == -1; ++i) {
      const TRect r = items->RectOf(i);
      const TPoint corners[4] = {
          {r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
      if (PointInPolygon(TPoint{X, Y}, corners, 4)) hit = i;
    }
    items->GetSelected()->SetHoverIndex(hit);
    result = hit != -1;
  }
  if (!Axis->HasSubAxes()) return result;
  TChartCustomAxes* subs = Axis->GetSubAxes();
  for (int i = 0; i < subs->Count(); ++i)
    if (CheckMouseAxis(subs->Get(i), X, Y)) result = true;
  return result;
}

void TCustomAxisPanel::ClearAxisHover(TChartAxis* Axis) {
  if (Axis->GetItems()->HasSelected()) Axis->GetItems()->GetSelected()->SetHoverIndex(-1);
  if (!Axis->HasSubAxes()) return;
  TChartCustomAxes* subs = Axis->GetSubAxes();
  for (int i = 0; i < subs->Count(); ++i) ClearAxisHover(subs->Get(i));
}

void TCustomAxisPanel::InternalDoMouseLeave() {
  for (int i = 0; i < FAxes->Count(); ++i) ClearAxisHover(FAxes->Get(i));
  for (TChartSeries* s : FSeriesList->Items())
    if (s->HasSelected()) s->GetSelected()->SetHoverIndex(-1);
  ToolsAndAnimations(cteMouseLeave);
}

void TCustomAxisPanel::WndProc(TMessage& Message) {
  const bool leaving = Message.Msg == CM_MOUSELEAVE;
  TCustomPlotPanelExtended::WndProc(Message);
  // A panel being freed has no axes left to clear.
  if (leaving && !IsDestroying()) InternalDoMouseLeave();
}

// ---------------- legend series and text widths ----------------

TChartSeries* TCustomAxisPanel::SeriesLegend(int ItemIndex, bool OnlyActive) const {
  if (ItemIndex < 0) return nullptr;
  int n = 0;
  for (TChartSeries* s : FSeriesList->Items()) {
    if (!s->GetShowInLegend() || (OnlyActive && !s->GetActive())) continue;
    if (n++ == ItemIndex) return s;
  }
  return nullptr;
}

std::string TCustomAxisPanel::SeriesTitleLegend(int ItemIndex, bool OnlyActive) const {
  TChartSeries* s = SeriesLegend(ItemIndex, OnlyActive);
  if (s == nullptr) return {};
  std::string t = s->GetLegendTitle();
  if (t.empty()) return SeriesTitleOrName(s, false);
  std::replace(t.begin(), t.end(), PlotColumnSeparator, ' ');
  size_t pair = t.find("\n\r");
  if (pair == std::string::npos) pair = t.find("\r\n");
  if (pair != std::string::npos) t.erase(pair, 1);
  std::replace(t.begin(), t.end(), PlotLineSeparator, ' ');
  std::replace(t.begin(), t.end(), '\n', ' ');
  return t;
}

int TCustomAxisPanel::MaxTextWidth() {
  int result = 0;
  for (TChartSeries* s : FSeriesList->Items())
    for (int j = 0; j < s->Count(); ++j) {
      int lines = 1;
      result = std::max(result, MultiLineTextWidth(s->GetXLabel(j), lines));
    }
  return result;
}

int TCustomAxisPanel::MaxMarkWidth() const {
  int result = 0;
  for (TChartSeries* s : FSeriesList->Items())
    if (s->GetActive()) result = std::max(result, s->MaxMarkWidth());
  return result;
}

// ---------------- theme ----------------

TChartSeries* TCustomAxisPanel::FindSameSeriesClass(const TChartSeries* Series) const {
  for (TChartSeries* s : FSeriesList->Items())
    if (s->SameClass(Series)) return s;
  return nullptr;
}

TChartSeries* TCustomAxisPanel::FindThemedSeries() const {
  for (TChartSeries* s : FSeriesList->Items())
    if (s->InheritsFrom(TThemedSeries::Class())) return s;
  return nullptr;
}

TChartAxis* TCustomAxisPanel::FindSameAxisClass(const TChartAxis* Axis) const {
  for (int i = 0; i < FAxes->Count(); ++i) {
    TChartAxis* a = FAxes->Get(i);
    if (a->GetVisible() && a->GetHorizontal() == Axis->GetHorizontal()) return a;
  }
  return nullptr;
}

// Without a series of its family or a themed one, the theme gets a plain
// series and the theme's first series is the model.
void TCustomAxisPanel::ApplyThemeSeries(TChartSeries* Series) {
  auto* theme = dynamic_cast<TCustomAxisPanel*>(Theme);
  if (!theme || theme == this) return;
  TChartSeries* source = theme->FindSameSeriesClass(Series);
  if (!source) source = theme->FindThemedSeries();
  if (!source) {
    theme->AddSeries(new TChartSeries(theme));
    source = theme->GetSeries(0);
  }
  Series->AssignFormatting(source);
}

// Without a visible axis of the same direction, the theme gets a custom
// axis and its first custom axis is the model.
void TCustomAxisPanel::ApplyThemeAxes(TChartAxis* Axis) {
  auto* theme = dynamic_cast<TCustomAxisPanel*>(Theme);
  if (!theme || theme == this) return;
  TChartAxis* source = theme->FindSameAxisClass(Axis);
  if (!source) {
    theme->GetCustomAxes()->Add();
    source = theme->GetCustomAxes()->Get(0);
  }
  Axis->Assign(source);
}

// ---------------- notifications ----------------

void TCustomAxisPanel::BroadcastSeriesEvent(TCustomChartSeries* Series, TChartSeriesEvent Event) {
  if (DoNotBroadcast || ListenerCount() == 0) return;
  TPlotSeriesEvent event;
  event.Event = Event;
  event.Series = Series;
  BroadcastPlotEvent(&event);
}

void TCustomAxisPanel::ChangedAxisScale(TChartAxis* Axis) {
  for (TChartSeries* s : FSeriesList->Items()) s->ChangedAxisScale(Axis);
  Invalidate();
}

// ---------------- data sources ----------------

void TCustomAxisPanel::CheckDatasource(TChartSeries* Series) {
  if (Series->IsLoading()) return;
  if (TComponent* source = Series->GetDataSource()) {
    if (auto* series = dynamic_cast<TChartSeries*>(source))
      Series->AddValues(series);
    else if (auto* loader = dynamic_cast<TPlotSeriesSource*>(source))
      loader->Refresh();
    return;
  }
  TPlotFunction* function = Series->GetFunction();
  if (function && function->NoSourceRequired) {
    Series->BeginUpdate();
    Series->Clear();
    function->AddPoints(nullptr);
    Series->EndUpdate();
    return;
  }
  if (Series->ManualData || !Series->CanAddRandomPoints()) return;
  Series->FillSampleValues(Series->NumSampleValues());
}

void TCustomAxisPanel::RemovedDataSource(TChartSeries* ASeries, TComponent* AComponent) {
  auto* source = dynamic_cast<TPlotSeriesSource*>(AComponent);
  if (source && ASeries->GetDataSource() == source) source->SetSeries(nullptr);
}

bool TCustomAxisPanel::IsValidDataSource(TChartSeries* ASeries, TComponent* AComponent) {
  bool valid = ASeries->IsValidDataSource(AComponent);
  if (!valid && dynamic_cast<TPlotSeriesSource*>(AComponent))
    valid = TPlotSeriesSource::Available(this);
  if (valid && OnValidDataSource) OnValidDataSource(this, ASeries, AComponent, valid);
  return valid;
}

// ---------------- colours ----------------

TColor TCustomAxisPanel::GetDefaultColor(int Index) const {
  if (ColorPalette.empty()) return ::GetDefaultColor(Index);
  return ColorPalette[size_t(Index) % ColorPalette.size()];
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool CheckBackground, TChartSeries* Series) {
  const std::vector<TColor>& palette = ColorPalette.empty() ? PlotColorPalette() : ColorPalette;
  const int high = int(palette.size()) - 1;
  for (int i = 0; i + 1 <= high; ++i)
    if (IsFreeSeriesColor(palette[size_t(i)], CheckBackground, Series)) return palette[size_t(i)];
  return GetDefaultColor(SeriesCount());
}

void TCustomAxisPanel::ColorPaletteChanged() {
  for (TChartSeries* s : FSeriesList->Items())
    if (!s->IsColorStored()) s->ChangeInternalColor(GetFreeSeriesColor(true, s));
}

// ---------------- streaming ----------------

void TCustomAxisPanel::DefineProperties(TFiler* Filer) {
  TCustomPlotPanelExtended::DefineProperties(Filer);
  Filer->DefineProperty(
      "MaxPointsPerPage", [this](TReader* R) { FPage->SetMaxPointsPerPage(R->ReadInteger()); },
      nullptr, false);
  Filer->DefineProperty(
      "Page", [this](TReader* R) { FPage->SetCurrent(R->ReadInteger()); }, nullptr, false);
  Filer->DefineProperty(
      "ScaleLastPage", [this](TReader* R) { FPage->SetScaleLastPage(R->ReadBoolean()); }, nullptr,
      false);
}

void TCustomAxisPanel::Loaded() {
  TCustomPlotPanelExtended::Loaded();
  TSeriesGroups* groups = GetSeriesGroups();
  for (int i = 0; i < groups->Count(); ++i)
    if (groups->Get(i)->HasPendingSeries()) groups->Get(i)->ResolveSeries(FSeriesList.get());
}

void TCustomAxisPanel::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TCustomPlotPanelExtended::GetChildren(Proc, Root);
  for (TChartSeries* s : FSeriesList->Items())
    if (!s->DontSerialize) Proc(s);
}

void TCustomAxisPanel::Assign(TPersistent* Source) {
  if (auto* p = dynamic_cast<TCustomAxisPanel*>(Source)) {
    F3DPercent = p->F3DPercent;
    FAxisBehind = p->FAxisBehind;
    FAxisVisible = p->FAxisVisible;
    FBottomAxis->Assign(p->FBottomAxis);
    FClipPoints = p->FClipPoints;
    ColorPalette = p->ColorPalette;
    FCustomAxes->Assign(p->FCustomAxes.get());
    FHoverVisible = p->FHoverVisible;
    FLeftAxis->Assign(p->FLeftAxis);
    FDepthAxis->Assign(p->FDepthAxis);
    FDepthTopAxis->Assign(p->FDepthTopAxis);
    FPage->Assign(p->FPage.get());
    FRightAxis->Assign(p->FRightAxis);
    FTopAxis->Assign(p->FTopAxis);
    FView3DWalls = p->FView3DWalls;
  }
  TCustomPlotPanelExtended::Assign(Source);
}
