// Adding, copying, deleting and clearing the points of a series, and the
// notifications that follow.

#include <algorithm>

#include "chart/ChartException.h"
#include "chart/ChartSeries.h"
#include "chart/PlotConst.h"
#include "chart/PlotFunction.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesSources.h"
#include "platform/rtl/Format.h"

// ---------------- adding ----------------

int TChartSeries::AddXY(double X, double Y, const std::string& Label, TColor Color) {
  FX->SetTempValue(X);
  FY->SetTempValue(Y);
  if (OnBeforeAdd && !OnBeforeAdd(this)) return -1;
  // A normal series orders its points by X; a horizontal one by Y.
  TChartValueList* ordered = YMandatory ? FX : FY;
  TChartValueList* other = YMandatory ? FY : FX;
  const int index = ordered->AddChartValue();
  other->InsertChartValue(index, other->GetTempValue());
  for (int i = 2; i < FValuesList.Count(); ++i) {
    TChartValueList* list = FValuesList.Get(i);
    list->InsertChartValue(index, list->GetTempValue());
  }
  if (FColors) {
    FColors->insert(FColors->begin() + index, Color);
  } else if (Color != clDefault) {
    // One automatic colour for each point before this one.
    FColors = std::make_unique<std::vector<TColor>>(static_cast<size_t>(Count() - 1), clDefault);
    FColors->insert(FColors->begin() + index, Color);
  }
  if (!Label.empty() || FLabels->Count() > 0) FLabels->InsertLabel(index, Label);
  if (FPictures) FPictures->Insert(index, nullptr);
  if (IUpdating == 0) NotifyNewValue(this, index);
  return index;
}

int TChartSeries::AddY(double Y, const std::string& Label, TColor Color) {
  return AddXY(Count(), Y, Label, Color);
}

int TChartSeries::AddX(double X, const std::string& Label, TColor Color) {
  return AddXY(X, Count(), Label, Color);
}

int TChartSeries::Add(double Value, const std::string& Label, TColor Color) {
  return YMandatory ? AddY(Value, Label, Color) : AddX(Value, Label, Color);
}

int TChartSeries::AddNull(const std::string& Label) { return Add(FDefaultNull, Label, clNone); }

int TChartSeries::AddNull(double Value) { return Add(Value, {}, clNone); }

int TChartSeries::AddNullXY(double X, double Y, const std::string& Label) {
  return AddXY(X, Y, Label, clNone);
}

int TChartSeries::AddArray(const std::vector<double>& Values) {
  BeginUpdate();
  for (double v : Values) Add(v);
  EndUpdate();
  return static_cast<int>(Values.size());
}

int TChartSeries::AddArray(const std::vector<int>& Values) {
  BeginUpdate();
  for (int v : Values) Add(v);
  EndUpdate();
  return static_cast<int>(Values.size());
}

int TChartSeries::AddArray(const std::vector<double>& XValues, const std::vector<double>& YValues) {
  const size_t n = std::min(XValues.size(), YValues.size());
  BeginUpdate();
  for (size_t i = 0; i < n; ++i) AddXY(XValues[i], YValues[i]);
  EndUpdate();
  return static_cast<int>(n);
}

void TChartSeries::GrowColors() {
  FColors = std::make_unique<std::vector<TColor>>(static_cast<size_t>(Count()), clDefault);
}

// ---------------- copying from a source series ----------------

int TChartSeries::AddChartValue(TChartSeries* Source, int ValueIndex) {
  double x = Source->FX->GetValue(ValueIndex);
  double y = Source->FY->GetValue(ValueIndex);
  if (Source->YMandatory != YMandatory) std::swap(x, y);
  const int index = FX->AddChartValue(x);
  FY->InsertChartValue(index, y);
  for (int i = 2; i < FValuesList.Count(); ++i) {
    const double v =
        i < Source->FValuesList.Count() ? Source->FValuesList.Get(i)->GetValue(ValueIndex) : 0.0;
    FValuesList.Get(i)->InsertChartValue(index, v);
  }
  return index;
}

void TChartSeries::AddedValue(TChartSeries* Source, int ValueIndex) {
  const int index = AddChartValue(Source, ValueIndex);
  if (Source->FColors && ValueIndex < static_cast<int>(Source->FColors->size())) {
    if (!FColors) GrowColors();
    // The point is in the value lists already; its colour entry follows.
    if (static_cast<int>(FColors->size()) < Count())
      FColors->insert(FColors->begin() + index, (*Source->FColors)[ValueIndex]);
    else
      (*FColors)[index] = (*Source->FColors)[ValueIndex];
  } else if (FColors) {
    FColors->insert(FColors->begin() + index, clDefault);
  }
  if (ValueIndex < Source->FLabels->Count() || FLabels->Count() > 0)
    FLabels->InsertLabel(index, Source->FLabels->GetLabel(ValueIndex));
  TPlotPicture* picture = Source->FPictures ? Source->FPictures->Get(ValueIndex) : nullptr;
  if (picture)
    Pictures()->Insert(index, TPlotPictureList::Copy(picture));
  else if (FPictures)
    FPictures->Insert(index, nullptr);
  if (IUpdating == 0) NotifyNewValue(this, index);
}

void TChartSeries::DeletedValue(TChartSeries* Source, int ValueIndex) {
  (void)Source;
  Delete(ValueIndex);
}

void TChartSeries::AddValues(TChartSeries* Source) {
  BeginUpdate();
  Clear();
  if (FFunction) {
    FX->SetDateTime(Source->FX->GetDateTime());
    FY->SetDateTime(Source->FY->GetDateTime());
    FFunction->AddPoints(Source);
  } else if (IsValidSourceOf(Source)) {
    for (int i = 0; i < Source->Count(); ++i) AddedValue(Source, i);
  }
  EndUpdate();
}

// ---------------- removing ----------------

void TChartSeries::ClearLists() {
  for (int i = 0; i < FValuesList.Count(); ++i) FValuesList.Get(i)->ClearValues();
  FColors.reset();
  FLabels->Clear();
  if (FPictures) FPictures->Clear();
  if (FVisuals) FVisuals->Clear();
}

void TChartSeries::Clear() {
  FFirstVisibleIndex = -1;
  FLastVisibleIndex = -1;
  ClearLists();
  if (FMarks) FMarks->Clear();
  if (OnClearValues) OnClearValues(this);
  NotifyValue(veClear, 0);
  if (FActive && FParent && !FParent->IsPanelDestroying()) Repaint();
}

void TChartSeries::Delete(int ValueIndex) {
  if (ValueIndex < 0 || ValueIndex >= Count())
    throw ChartException(Format(PlotMsg_SeriesDelete, {ValueIndex, Count() - 1}));
  for (int i = 0; i < FValuesList.Count(); ++i) FValuesList.Get(i)->Delete(ValueIndex);
  if (FColors && ValueIndex < static_cast<int>(FColors->size()))
    FColors->erase(FColors->begin() + ValueIndex);
  if (ValueIndex < FLabels->Count()) FLabels->DeleteLabel(ValueIndex);
  if (FPictures && ValueIndex < FPictures->Count()) FPictures->Delete(ValueIndex);
  if (FVisuals && ValueIndex < FVisuals->Count()) FVisuals->DeleteVisual(ValueIndex);
  if (FMarks) FMarks->Delete(ValueIndex);
  NotifyValue(veDelete, ValueIndex);
  if (FActive) Repaint();
}

void TChartSeries::Delete(int Start, int Quantity, bool RemoveGap) {
  if (Start < 0 || Start >= Count() || Quantity <= 0) return;
  Quantity = std::min(Quantity, Count() - Start);
  for (int i = 0; i < FValuesList.Count(); ++i) FValuesList.Get(i)->Delete(Start, Quantity);
  if (FColors) {
    const int size = static_cast<int>(FColors->size());
    if (Start < size)
      FColors->erase(FColors->begin() + Start, FColors->begin() + std::min(size, Start + Quantity));
    if (FColors->empty()) FColors.reset();
  }
  const int labels = FLabels->Count();
  if (Start < labels)
    FLabels->List.erase(FLabels->List.begin() + Start,
                        FLabels->List.begin() + std::min(labels, Start + Quantity));
  if (FVisuals) {
    const int last = std::min(FVisuals->Count(), Start + Quantity) - 1;
    for (int i = last; i >= Start; --i) FVisuals->DeleteVisual(i);
  }
  if (FMarks) {
    // Positions exist only for the points drawn so far.
    FMarks->GetPositions()->DeleteMany(Start, Quantity);
    for (int i = std::min(FMarks->GetItems()->Count(), Start + Quantity) - 1; i >= Start; --i)
      FMarks->GetItems()->Delete(i);
  }
  NotifyValue(veDelete, -1);
  if (FActive) Repaint();
  if (RemoveGap) NotMandatoryValueList->FillSequence();
}

// ---------------- notifications ----------------

void TChartSeries::NotifyNewValue(TChartSeries* Sender, int ValueIndex) {
  if (OnAfterAdd) OnAfterAdd(Sender, ValueIndex);
  NotifyValue(veAdd, ValueIndex);
  if (FActive) Repaint();
}

void TChartSeries::NotifyValue(TValueEvent Event, int ValueIndex) {
  if (IUpdating != 0) return;
  const std::vector<TChartSeries*> linked = FLinkedSeries;
  for (TChartSeries* series : linked) {
    const TSeriesRecalcOptions options = series->FRecalcOptions;
    // A series computed by a function cannot copy one point: it is computed
    // again once the point is complete.
    const bool copies = series->FFunction == nullptr;
    switch (Event) {
      case veClear:
        if (HasRecalcOption(options, rOnClear)) series->Clear();
        break;
      case veAdd:
        if (!HasRecalcOption(options, rOnInsert)) break;
        if (copies)
          series->AddedValue(this, ValueIndex);
        else
          series->AddValues(this);
        break;
      case veDelete:
        if (!HasRecalcOption(options, rOnDelete)) break;
        if (copies)
          series->DeletedValue(this, ValueIndex);
        else
          series->AddValues(this);
        break;
      case veRefresh:
        series->AddValues(this);
        break;
      case veModify:
        if (HasRecalcOption(options, rOnModify)) series->AddValues(this);
        break;
    }
  }
  NotifyParentDetail();
}

// A detail series passes its change on to its point in the parent.
void TChartSeries::NotifyParentDetail() {
  if (FRecalcOptions == 0 || !ParentSeries || IsDestroying() || ParentSeries->IUpdating != 0)
    return;
  if (!ParentSeries->FDetail) return;
  const int index = ParentSeries->FDetail->IndexOf(this);
  if (index < 0) return;
  ParentSeries->BeginUpdate();
  if (index < ParentSeries->Count())
    ParentSeries->MandatoryValueList->SetValue(
        index, ParentSeries->FDetail->Calculate(MandatoryValueList));
  ParentSeries->Repaint();
  ParentSeries->EndUpdate();
}

void TChartSeries::EndUpdate() {
  if (IUpdating == 0) return;
  if (--IUpdating == 0) RefreshSeries();
}

void TChartSeries::RefreshSeries() {
  NotifyValue(veRefresh, 0);
  if (FParent) FParent->BroadcastSeriesEvent(this, seDataChanged);
}
