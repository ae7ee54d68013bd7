// The chart's legend: made with the chart, drawn with the titles, asked
// for the item under the mouse and the texts of its items, and answered
// through the chart's legend events.

#include "chart/Chart.h"
#include "chart/Legend.h"

void TCustomChart::CreateLegend() { FLegend = std::make_unique<TChartLegend>(this); }

void TCustomChart::DestroyLegend() { FLegend.reset(); }

void TCustomChart::AssignLegend(TCustomChart* Source) {
  if (FLegend && Source->FLegend) FLegend->Assign(Source->FLegend.get());
}

void TCustomChart::SetLegend(TChartLegend* Value) { FLegend->Assign(Value); }

int TCustomChart::LegendItemAt(TPoint P, bool CustomPosition) {
  if (!FLegend || !FLegend->GetVisible() || FLegend->GetCustomPosition() != CustomPosition)
    return -1;
  return FLegend->Clicked(P);
}

bool TCustomChart::LegendMouseDown(int Item) { return FLegend->DoMouseDown(Item); }

// ---------------- texts ----------------

std::string TCustomChart::FormattedLegend(int SeriesOrValueIndex) {
  return InternalFormattedLegend(FLegend.get(), SeriesOrValueIndex);
}

// The legend's own text already passed through OnGetLegendText, which the
// legend asks for through DoGetLegendText.
std::string TCustomChart::InternalFormattedLegend(TCustomChartLegend* ALegend, int Index) {
  return ALegend->FormattedLegend(Index);
}

std::string TCustomChart::FormattedValueLegend(TChartSeries* ASeries, int ValueIndex) {
  if (!ASeries || !FLegend) return {};
  return FLegend->FormattedValue(ASeries, ValueIndex);
}

void TCustomChart::DoGetLegendText(TCustomChartLegend* ALegend, TLegendStyle Style, int Index,
                                   std::string& Text) {
  (void)ALegend;
  if (OnGetLegendText) OnGetLegendText(this, Style, Index, Text);
}

void TCustomChart::DoGetLegendPos(TCustomChartLegend* ALegend, int Index, int& X, int& Y,
                                  int& XColor) {
  (void)ALegend;
  if (OnGetLegendPos) OnGetLegendPos(this, Index, X, Y, XColor);
}

void TCustomChart::DoGetLegendRect(TCustomChartLegend* ALegend, TRect& Rect) {
  (void)ALegend;
  if (OnGetLegendRect) OnGetLegendRect(this, Rect);
}

void TCustomChart::DrawLegendShape(const TRect& Rect, TGraphic* Graphic) {
  TCanvas3D* c = GetCanvas();
  if (Graphic && FLegend->GetSymbol()->GetUseImages()) {
    c->StretchDraw(Rect, Graphic);
    return;
  }
  FLegend->GetSymbol()->Draw(c->GetBrush()->GetColor(), Rect);
}

// ---------------- the drawing pass ----------------

void TCustomChart::DrawTitles(bool CustomPosition) {
  TCanvas3D* c = GetCanvas();
  const std::pair<TChartTitle*, const char*> titles[] = {{FTitle.get(), "Title"},
                                                         {FSubTitle.get(), "Subtitle"},
                                                         {FFoot.get(), "Foot"},
                                                         {FSubFoot.get(), "Subfoot"}};
  bool opened = false;
  for (const auto& [title, name] : titles) {
    if (!title || title->GetCustomPosition() != CustomPosition || !title->ShouldDraw()) continue;
    if (!opened) {
      c->BeginEntity("Titles", nullptr, nullptr);
      opened = true;
    }
    c->BeginEntity(name, nullptr, title->Transform.get());
    title->DrawTitle();
    c->EndEntity();
  }
  if (opened) c->EndEntity();
}

void TCustomChart::DrawTitlesAndLegend(bool BeforeSeries) {
  TCanvas3D* c = GetCanvas();
  c->FrontPlaneBegin();
  const bool legend = FLegend && FLegend->ShouldDraw();
  if (BeforeSeries) {
    if (legend && FLegend->Vertical()) {
      FLegend->CalcRect();
      if (FLegend->GetDrawBehind()) FLegend->DrawLegend();
      DrawTitles(false);
    } else if (legend) {
      DrawTitles(false);
      FLegend->CalcRect();
      if (FLegend->GetDrawBehind()) FLegend->DrawLegend();
    } else {
      DrawTitles(false);
    }
  } else {
    if (legend && !FLegend->GetDrawBehind()) FLegend->DrawLegend();
    DrawTitles(true);
  }
  c->FrontPlaneEnd();
  if (!BeforeSeries) DrawWallsAfterSeries();
}

// ---------------- hover and cursor ----------------

// The legend item that shows hover: with a value legend the item of the
// series' hover point (or the point of the item under the mouse); else the
// last active series with a hover point, counted among the listed series.
int TCustomChart::LegendHoverItem(int Clicked) {
  if (FLegend->InternalLegendStyle == lsValues) {
    TChartSeries* s = FLegend->GetLegendSeries();
    if (!s) return -1;
    if (Clicked != -1) {
      s->GetSelected()->SetHoverIndex(s->LegendToValueIndex(Clicked));
      return Clicked;
    }
    const int hover = s->HasSelected() ? s->GetSelected()->GetHoverIndex() : -1;
    return hover == -1 ? -1 : s->ValueIndexToLegend(hover);
  }
  if (Clicked != -1) return Clicked;
  for (int i = SeriesCount() - 1; i >= 0; --i) {
    TChartSeries* s = GetSeries(i);
    if (!s->GetActive() || !s->HasSelected() || s->GetSelected()->GetHoverIndex() == -1) continue;
    if (!s->GetShowInLegend()) return -1;
    int hidden = 0;
    for (int j = 0; j < i; ++j)
      if (!GetSeries(j)->GetShowInLegend()) ++hidden;
    return i - hidden;
  }
  return -1;
}

void TCustomChart::HoverAndCursor(int X, int Y) {
  if (!FLegend) return;
  const int cursor = FLegend->CalcCursor();
  const int item = FLegend->Clicked(X, Y);
  if (cursor != crDefault && item != -1)
    SetCursor(TCursor(cursor));
  else if (item == -1 && !CheckMouseSeries(X, Y) && !CheckMouseAxes(X, Y))
    SetCursor(OriginalCursor);
  if (!HoverVisible()) return;
  FLegend->GetSelected()->SetHoverIndex(LegendHoverItem(item));
}
