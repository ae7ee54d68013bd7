// The mouse wheel over the chart: it scrolls the vertical axes, zooms, or
// zooms the 3D view, as the settings say, and the tools hear every step.

#include "chart/Chart.h"

bool TCustomChart::CanWheelScroll() const {
  const TPanningMode mode = GetAllowPanning();
  return const_cast<TCustomChart*>(this)->GetPanning()->GetMouseWheel() != pmwNone &&
         (mode == pmVertical || mode == pmBoth) && !(GetComponentState() & csDesigning);
}

void TCustomChart::InternalWheel(int Delta) {
  bool up = Delta > 0;
  TPlotZoom* zoom = GetZoom();
  if (CanWheelScroll()) {
    if (GetPanning()->GetMouseWheel() == pmwInverted) up = !up;
    ScrollVerticalAxes(up);
  } else if (zoom->GetAllow() && zoom->GetMouseWheel() != pmwNone) {
    if (zoom->GetMouseWheel() == pmwInverted) up = !up;
    ZoomPercent(up ? 110 : 90);
  } else if (GetZoomWheel() != pmwNone &&
             (GetView3D() || InternalCanvas->GetSupportsFullRotation())) {
    if (GetZoomWheel() == pmwInverted) up = !up;
    TView3DOptions* view = GetView3DOptions();
    view->SetZoom(view->GetZoomFloat() * (up ? 1.1 : 0.9));
  }
  const TPoint at = ScreenToClientCursor();
  BroadcastWheelEvent(up ? wmeUp : wmeDown, Delta, at.X, at.Y);
}

bool TCustomChart::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  (void)Shift, (void)MousePos;
  InternalWheel(-1);
  return false;
}

bool TCustomChart::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  (void)Shift, (void)MousePos;
  InternalWheel(1);
  return false;
}

// The framework's handling (a handler of the control, then a step down or
// up), then the tools hear the wheel's move with its delta.
bool TCustomChart::DoMouseWheel(TShiftState Shift, int WheelDelta) {
  bool handled = TCustomAxisPanel::DoMouseWheel(Shift, WheelDelta);
  const TPoint at = ScreenToClientCursor();
  if (!handled) handled = WheelDelta < 0 ? DoMouseWheelDown(Shift, at) : DoMouseWheelUp(Shift, at);
  BroadcastWheelEvent(wmeMove, WheelDelta, at.X, at.Y);
  return handled;
}
