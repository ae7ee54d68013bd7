#include "chart/Chart.h"

#include <algorithm>

#include "chart/ColorPalettes.h"
#include "chart/PlotConst.h"
#include "chart/PlotPalette.h"
#include "chart/PlotRoutines.h"
#include "platform/rtl/UserSettings.h"
#include "scene/zr_stream.h"

std::function<void(TCustomChart* Chart)> PlotNewChartHook;
TShiftState PlotScrollKeyShift = 0;

// ---------------- construction ----------------

TCustomChart::TCustomChart(TComponent* AOwner) : TCustomAxisPanel(AOwner) {
  AutoRepaint = false;
  FWalls = std::make_unique<TChartWalls>(this);
  CreateLegend();
  RestoredAxisScales = true;
  if (!PlotNewChartHook)
    ApplyDefaultPalette();
  else if ((GetComponentState() & csDesigning) &&
           !(AOwner && (AOwner->GetComponentState() & csLoading)))
    PlotNewChartHook(this);
  AutoRepaint = true;
}

// The per-user option "DefaultPalette" picks the palette of a new chart;
// 13 when it is not set.
// A stored value that is not a number counts as missing: a bad editor
// setting must not keep charts from being made.
void TCustomChart::ApplyDefaultPalette() {
  int index = 13;
  try {
    index = PlotReadIntegerOption("DefaultPalette", 13);
  } catch (const ERegistryException&) {
    index = 13;
  }
  SetColorPaletteIndex(index);
}

TCustomChart::~TCustomChart() {
  FSavedScales.clear();
  AutoRepaint = false;
  // Axis tools forget their axes first, so that none touches an axis while
  // the tools and animations are freed.
  for (TPlotCustomTool* t : FTools.Items())
    if (auto* axisTool = dynamic_cast<TPlotCustomToolAxis*>(t)) axisTool->ClearAxis();
  FAnimations.Clear();
  FTools.Clear();
  FSubTitle.reset();
  FTitle.reset();
  FSubFoot.reset();
  FFoot.reset();
  FWalls.reset();
  DestroyLegend();
}

// ---------------- titles ----------------

TChartTitle* TCustomChart::MakeTitle(std::unique_ptr<TChartTitle>& Title, bool IsFoot) {
  if (!Title) {
    if (IsFoot)
      Title = std::make_unique<TChartFootTitle>(this);
    else
      Title = std::make_unique<TChartTitle>(this);
  }
  return Title.get();
}

TChartTitle* TCustomChart::GetTitle() { return MakeTitle(FTitle, false); }
TChartTitle* TCustomChart::GetSubTitle() { return MakeTitle(FSubTitle, false); }
TChartTitle* TCustomChart::GetFoot() { return MakeTitle(FFoot, true); }
TChartTitle* TCustomChart::GetSubFoot() { return MakeTitle(FSubFoot, true); }

void TCustomChart::SetTitleObject(std::unique_ptr<TChartTitle>& Title, TChartTitle* Value,
                                  bool IsFoot) {
  if (!Value) {
    Title.reset();
    Invalidate();
    return;
  }
  MakeTitle(Title, IsFoot)->Assign(Value);
}

// ---------------- walls' pen ----------------

TPlotPen* TCustomChart::GetFrame() const {
  return FWalls && FWalls->GetBack() ? FWalls->GetBack()->GetPen() : nullptr;
}

void TCustomChart::SetFrame(TPlotPen* Value) {
  if (TPlotPen* p = GetFrame()) p->Assign(Value);
}

// ---------------- colours ----------------

bool TCustomChart::IsFreeSeriesColor(TColor AColor, bool CheckBackground, TChartSeries* ASeries) {
  for (TChartSeries* s : GetSeriesList()->Items())
    if (s != ASeries && s->GetSeriesColor() == AColor) return false;
  if (!CheckBackground) return true;
  return AColor != GetColor() && AColor != FWalls->GetBack()->GetColor();
}

void TCustomChart::SetColorPaletteIndex(int Value) {
  if (Value == FColorPaletteIndex) return;
  if (Value == -2) {
    if (FColorPaletteIndex > 0)
      TColorPalettes::ApplyPalette(this, FColorPaletteIndex);
    else
      TColorPalettes::ApplyPalette(this, PlotColorPalette().data(),
                                   int(PlotColorPalette().size()) - 1);
  }
  FColorPaletteIndex = Value;
  if (Value != -2) TColorPalettes::ApplyPalette(this, Value);
}

// ---------------- series and axes ----------------

TChartSeries* TCustomChart::GetASeries() const {
  for (TChartSeries* s : GetSeriesList()->Items())
    if (s->GetActive()) return s;
  return nullptr;
}

bool TCustomChart::ActiveSeriesUseAxis() const {
  for (TChartSeries* s : GetSeriesList()->Items())
    if (s->GetActive() && s->UseAxis()) return true;
  for (TChartSeries* s : GetSeriesList()->Items())
    if (s->GetActive()) return false;
  return true;
}

bool TCustomChart::ActiveSeriesCanZoomScroll() const {
  for (TChartSeries* s : GetSeriesList()->Items())
    if (s->GetActive() && s->CanZoomScroll()) return true;
  for (TChartSeries* s : GetSeriesList()->Items())
    if (s->GetActive()) return false;
  return true;
}

void TCustomChart::SeriesUp(TChartSeries* ASeries) {
  const int i = SeriesIndexOf(ASeries);
  if (i > 0) ExchangeSeries(i, i - 1);
}

void TCustomChart::SeriesDown(TChartSeries* ASeries) {
  const int i = SeriesIndexOf(ASeries);
  if (i != -1 && i < SeriesCount() - 1) ExchangeSeries(i, i + 1);
}

void TCustomChart::RemoveAllSeries() {
  while (SeriesCount() > 0) RemoveSeries(0);
}

std::string TCustomChart::AxisTitleOrName(TChartAxis* Axis) {
  if (Axis->HasTitle()) {
    const std::string caption = Axis->GetAxisTitle()->GetCaption();
    if (!caption.empty()) return caption;
  }
  if (Axis == GetDepthAxis()) return PlotMsg_DepthAxis;
  if (Axis == GetDepthTopAxis()) return PlotMsg_DepthTopAxis;
  if (Axis->GetHorizontal()) return Axis->GetOtherSide() ? PlotMsg_TopAxis : PlotMsg_BottomAxis;
  return Axis->GetOtherSide() ? PlotMsg_RightAxis : PlotMsg_LeftAxis;
}

TAllAxisSavedScales TCustomChart::SaveScales() {
  TAllAxisSavedScales saved(size_t(GetAxes()->Count()));
  for (int i = 0; i < GetAxes()->Count(); ++i) {
    TChartAxis* a = GetAxes()->Get(i);
    if (a->IsDepthAxis()) continue;
    TAxisSavedScales& s = saved[size_t(i)];
    s.Auto = a->GetAutomatic();
    s.AutoMin = a->GetAutomaticMinimum();
    s.AutoMax = a->GetAutomaticMaximum();
    s.Min = a->GetMinimum();
    s.Max = a->GetMaximum();
  }
  return saved;
}

// Axes added after the scales were saved have no entry and keep their
// scales.
void TCustomChart::RestoreScales(TAllAxisSavedScales& Saved) {
  const int n = std::min(GetAxes()->Count(), int(Saved.size()));
  for (int i = 0; i < n; ++i) {
    TChartAxis* a = GetAxes()->Get(i);
    if (a->IsDepthAxis()) continue;
    const TAxisSavedScales& s = Saved[size_t(i)];
    a->SetAutomatic(s.Auto);
    a->SetAutomaticMinimum(s.AutoMin);
    a->SetAutomaticMaximum(s.AutoMax);
    a->InternalSetMinimum(s.Min);
    a->InternalSetMaximum(s.Max);
  }
  Saved.clear();
}

void TCustomChart::FillValueSourceItems(TChartValueList* ValueList, const TGetValueListProc& Proc) {
  TChartSeries* owner = ValueList ? ValueList->GetOwner() : nullptr;
  if (!owner) return;
  auto* source = dynamic_cast<TChartSeries*>(owner->GetDataSource());
  if (!source) return;
  TChartValueLists& lists = source->ValuesList();
  for (int i = 0; i < lists.Count(); ++i) Proc(lists.Get(i)->GetName());
}

// ---------------- clearing and copying ----------------

void TCustomChart::ClearChart() {
  for (TChartSeries* s : GetSeriesList()->Items())
    if (s->GetDataSource()) s->SetDataSource(nullptr);
  FreeAllSeries();
  FTools.Clear();
  FAnimations.Clear();
  for (TChartAxis* a : GetAxes()->Items()) a->GetItems()->Clear();
  GetAxes()->Reset();
  const TClassInfo* cls = ClassType();
  std::unique_ptr<TObject> fresh(cls->Create(nullptr));
  auto* chart = dynamic_cast<TCustomChart*>(fresh.get());
  if (!chart) return;
  chart->SetParent(GetParent());
  Assign(chart);
  chart->SetParent(nullptr);
}

void TCustomChart::Assign(TPersistent* Source) {
  if (auto* c = dynamic_cast<TCustomChart*>(Source)) {
    SetColorPaletteIndex(c->FColorPaletteIndex);
    SetTitleObject(FFoot, c->FFoot.get(), true);
    AssignLegend(c);
    SetTitleObject(FSubFoot, c->FSubFoot.get(), true);
    SetTitleObject(FSubTitle, c->FSubTitle.get(), false);
    SetTitleObject(FTitle, c->FTitle.get(), false);
    FWalls->Assign(c->FWalls.get());
  }
  TCustomAxisPanel::Assign(Source);
}

void TCustomChart::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TCustomAxisPanel::GetChildren(Proc, Root);
  for (TPlotCustomTool* t : FTools.Items()) Proc(t);
  for (TPlotCustomTool* a : FAnimations.Items()) Proc(a);
}

// ---------------- tools and animations ----------------

void TCustomChart::BroadcastToolEvent(TChartToolEvent Event) {
  for (TPlotCustomTool* t : FTools.Items())
    if (t->GetActive()) t->ChartEvent(Event);
}

void TCustomChart::BroadcastSeriesToolEvent(TChartToolEvent Event, TChartSeries* Series) {
  for (TPlotCustomTool* t : FTools.Items())
    if (t->GetActive()) t->SeriesEvent(Event, Series);
}

void TCustomChart::BroadcastAnimationEvent(TChartToolEvent Event) {
  for (TPlotCustomTool* a : FAnimations.Items())
    if (a->GetActive()) a->ChartEvent(Event);
}

// Tools first, stopping after the one that cancels the mouse; the
// animations then hear it the same way, the first active one always.
void TCustomChart::BroadcastMouseEvent(TChartMouseEvent Event, TMouseButton Button,
                                       TShiftState Shift, int X, int Y) {
  for (TPlotCustomTool* t : FTools.Items()) {
    if (!t->GetActive()) continue;
    t->ChartMouseEvent(Event, Button, Shift, X, Y);
    if (CancelMouse) break;
  }
  for (TPlotCustomTool* a : FAnimations.Items()) {
    if (!a->GetActive()) continue;
    a->ChartMouseEvent(Event, Button, Shift, X, Y);
    if (CancelMouse) break;
  }
}

void TCustomChart::BroadcastKeyEvent(TChartKeyEvent Event, uint16_t& Key, char16_t& KeyChar,
                                     TShiftState Shift) {
  for (TPlotCustomTool* t : FTools.Items())
    if (t->GetActive()) t->ChartKeyEvent(Event, Key, KeyChar, Shift);
}

void TCustomChart::BroadcastDragDropEvent(TChartDragDropEvent Event, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept,
                                          TDragObject*& DragObject) {
  for (TPlotCustomTool* t : FTools.Items())
    if (t->GetActive()) t->ChartDragDropEvent(Event, Source, X, Y, State, Accept, DragObject);
}

void TCustomChart::BroadcastWheelEvent(TWheelMouseEvent Event, int Delta, int X, int Y) {
  for (TPlotCustomTool* t : FTools.Items()) {
    if (!t->GetActive()) continue;
    t->WheelMouseEvent(Event, Delta, X, Y);
    if (CancelMouse) break;
  }
}

// ---------------- keys and drags ----------------

void TCustomChart::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomAxisPanel::KeyDown(Key, Shift);
  char16_t ch = 0;
  BroadcastKeyEvent(ckeDown, Key, ch, Shift);
}

void TCustomChart::KeyUp(uint16_t& Key, TShiftState Shift) {
  TCustomAxisPanel::KeyUp(Key, Shift);
  char16_t ch = 0;
  BroadcastKeyEvent(ckeUp, Key, ch, Shift);
}

void TCustomChart::KeyPress(char16_t& Key) {
  TCustomAxisPanel::KeyPress(Key);
  uint16_t key = 0;
  BroadcastKeyEvent(ckePress, key, Key, 0);
}

void TCustomChart::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
  TDragObject* none = nullptr;
  BroadcastDragDropEvent(cdeOver, Source, X, Y, State, Accept, none);
}

void TCustomChart::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
  bool accept = true;
  TDragObject* none = nullptr;
  BroadcastDragDropEvent(cdeDrop, Source, X, Y, dsDragMove, accept, none);
}

void TCustomChart::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
  bool accept = true;
  BroadcastDragDropEvent(cdeStart, nullptr, 0, 0, dsDragMove, accept, DragObject);
}

void TCustomChart::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
  bool accept = true;
  TDragObject* none = nullptr;
  BroadcastDragDropEvent(cdeEnd, Target, X, Y, dsDragMove, accept, none);
}
