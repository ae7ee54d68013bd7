#include "controls/XwExControls.h"

void TXwExGraphicControl::FillBackground(TCanvas* canvas, const TRect& rect, TColor color) {
  TWinControl* parent = GetParent();
  bool parentPaints = ThemeServicesEnabled() && parent != nullptr &&
                      color == parent->GetColor() && GetParentBackground();
  if (!parentPaints) {
    canvas->GetBrush()->SetColor(color);
    canvas->FillRect(rect);
    return;
  }
  gdi::HDC dc = canvas->GetHandle();
  int saved = gdi::SaveDC(dc);
  gdi::POINT origin{};
  gdi::SetViewportOrgEx(dc, 0, 0, &origin);
  gdi::SetViewportOrgEx(dc, origin.x - GetLeft(), origin.y - GetTop(), nullptr);
  gdi::IntersectClipRect(dc, rect.Left + GetLeft(), rect.Top + GetTop(), rect.Right + GetLeft(),
                         rect.Bottom + GetTop());
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(dc));
  gdi::RestoreDC(dc, saved);
}
