#include "chart/ChartSeriesTypes.h"

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
