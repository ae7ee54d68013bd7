// The chart panel on paper: margins, proportional margins, the mapping that
// draws the chart at screen scale into a printer rectangle.

#include <cmath>

#include "chart/PlotClip.h"
#include "chart/PlotGeometry.h"
#include "chart/PlotPanel.h"
#include "platform/gdi/Gdi.h"

namespace {
// Round to nearest, halves to even.
int RoundEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

// Half the margin, in percent of B, left beside a chart side of 70 % of A
// scaled by X.
int ProportionalMargin(int A, int B, double X) {
  if (B == 0) return 0;
  const float span = static_cast<float>(A - A * 30 * 0.01f);
  return RoundEven((B - span * X) * 100 / B) / 2;
}
}  // namespace

TRect TCustomPlotPanel::PrintMarginsRect(int W, int H) const {
  const float w = W * 0.01f;
  const float h = H * 0.01f;
  return TRect{RoundEven(PrintMargins.Left * w), RoundEven(PrintMargins.Top * h),
               W - RoundEven(PrintMargins.Right * w), H - RoundEven(PrintMargins.Bottom * h)};
}

TRect TCustomPlotPanel::InternalCalcProportionalMargins(int CW, int CH, int PW, int PH,
                                                        double Ratio) {
  if (CH < CW) {
    const int m = ProportionalMargin(PW, PH, static_cast<double>(CH) / CW * Ratio);
    return TRect{15, m, 15, m};
  }
  const int m = ProportionalMargin(PH, PW, CH == 0 ? 0 : static_cast<double>(CW) / CH * Ratio);
  return TRect{m, 15, m, 15};
}

TRect TCustomPlotPanel::CalcProportionalMargins(int PW, int PH, double Ratio) {
  const TRect r = GetRectangle();
  if (PW < 1 || PH < 1) {
    const TPoint screen = PlotGetScreenSize();
    PW = screen.X;
    PH = screen.Y;
    Ratio = 1;
  }
  return InternalCalcProportionalMargins(r.Width(), r.Height(), PW, PH, Ratio);
}

bool TCustomPlotPanel::CalcMetaBounds(TRect& R, const TRect& K, int& WindowWidth, int& WindowHeight,
                                      int& ViewWidth, int& ViewHeight) const {
  if (R.Width() == 0 || R.Height() == 0) return false;
  ViewWidth = R.Width();
  ViewHeight = R.Height();
  const int kw = K.Width();
  const int kh = K.Height();
  WindowWidth = kw - RoundEven(kw * PrintResolution * 0.01);
  WindowHeight = kh - RoundEven(kh * PrintResolution * 0.01);
  const double sx = static_cast<double>(WindowWidth) / ViewWidth;
  const double sy = static_cast<double>(WindowHeight) / ViewHeight;
  R = TRect{RoundEven(R.Left * sx), RoundEven(R.Top * sy), RoundEven(R.Right * sx),
            RoundEven(R.Bottom * sy)};
  return true;
}

void TCustomPlotPanel::PrintPartialCanvas(TCanvas* C, const TRect& P) {
  TRect r = OrientRectangle(P);
  ICustomPrinterRect = P;
  int windowWidth = 0, windowHeight = 0, viewWidth = 0, viewHeight = 0;
  // An empty printer rectangle has nothing to print into.
  if (!CalcMetaBounds(r, GetRectangle(), windowWidth, windowHeight, viewWidth, viewHeight)) return;
  gdi::HDC dc = C->GetHandle();
  const int oldMode = gdi::SetMapMode(dc, gdi::MM_ANISOTROPIC);
  gdi::SetWindowOrgEx(dc, 0, 0, nullptr);
  gdi::SetWindowExtEx(dc, windowWidth, windowHeight, nullptr);
  gdi::SetViewportExtEx(dc, viewWidth, viewHeight, nullptr);
  gdi::SetViewportOrgEx(dc, 0, 0, nullptr);
  Printing = true;
  IsPrinterCanvas = true;
  const bool clipped = CanClip();
  auto restore = [&] {
    if (clipped) UnClipCanvas(C);
    Printing = false;
    IsPrinterCanvas = false;
    gdi::SetMapMode(dc, oldMode);
  };
  try {
    if (clipped) ClipCanvas(C, r);
    if (OnBeforePrint) OnBeforePrint(this, C, r);
    DrawToMetaCanvas(C, r);
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

TBitmap* PlotAntiAlias(TCustomPlotPanel* Panel, bool Smooth) {
  (void)Smooth;
  return Panel->PlotCreateBitmap(Panel->GetColor(), Panel->GetRectangle(), pf24bit, 0);
}
