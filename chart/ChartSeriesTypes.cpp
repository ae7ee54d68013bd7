#include "chart/ChartSeriesTypes.h"

#include "chart/PlotPanel.h"
#include "platform/rtl/RttiDecl.h"

void TSeriesMarkPosition::Offset(const TPoint& P) {
  LeftTop.X += P.X;
  LeftTop.Y += P.Y;
  ArrowTo.X += P.X;
  ArrowTo.Y += P.Y;
  if (!HasMid) return;
  MidPoint.X += P.X;
  MidPoint.Y += P.Y;
}

std::string TPlotSeriesType::Caption() const {
  std::string text = Description ? *Description : std::string();
  for (char& c : text)
    if (c == '\r') c = ' ';
  return text;
}

const TClassInfo* TThemedSeries::Class() {
  static const TClassInfo* info = TClassDecl<TThemedSeries>("TThemedSeries", TChartSeries::Class());
  return info;
}

const TClassInfo* TSeriesMarksSymbol::Class() {
  using S = TSeriesMarksSymbol;
  static const TClassInfo* info = TClassDecl<S>("TSeriesMarksSymbol", TPlotCustomShape::Class())
                                      .Prop("Visible", &S::GetVisible, &S::SetVisible)
                                      .Stored(&S::IsVisibleStored);
  return info;
}

TSeriesMarksSymbol::TSeriesMarksSymbol(TCustomPlotPanel* AOwner) : TPlotCustomShape(nullptr) {
  const bool repaint = AOwner ? AOwner->AutoRepaint : false;
  if (AOwner) AOwner->AutoRepaint = false;
  SetParent(AOwner);
  FVisible = DefaultVisible = false;
  InitTransparent(false);
  FShadow->InitValues(FShadow->GetVisible(), FShadow->GetColor(), 1);
  GetEmboss()->InitValues(GetEmboss()->GetVisible(), GetEmboss()->GetColor(), 1);
  if (AOwner) AOwner->AutoRepaint = repaint;
}
