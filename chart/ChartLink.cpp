// The drag object of a chart part and the component that follows a chart.

#include "chart/ChartUtilities.h"
#include "chart/PlotCPU.h"

TCursor TPlotDragObject::GetDragCursor(bool Accepted, int X, int Y) {
  (void)X, (void)Y;
  return Accepted ? crPlotHand : crNoDrop;
}

void TCustomChartLink::SetChart(TCustomChart* Value) {
  if (FChart == Value) return;
  if (FChart) FChart->RemoveFreeNotification(this);
  FChart = Value;
  if (FChart) FChart->FreeNotification(this);
}

void TCustomChartLink::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FChart) FChart = nullptr;
}
