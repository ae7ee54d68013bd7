#include "chart/CircledSeries.h"

#include <gtk/gtk.h>

#include <cmath>
#include <numbers>

#include "chart/AxisPanel.h"
#include "chart/Callout.h"
#include "chart/ChartAxis.h"
#include "chart/CircularFrame.h"
#include "chart/PlotCanvas.h"
#include "chart/PlotConst.h"
#include "chart/PlotGradient.h"
#include "chart/PlotShadow.h"
#include "chart/PlotView3D.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/RttiDecl.h"

namespace {

int Rounded(double V) { return int(std::nearbyint(V)); }

TCustomAxisPanel* ChartOf(const TChartSeries* Series) {
  return dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
}

// The default screen's size in pixels; 0 x 0 without a display.
void ScreenPixels(int& Width, int& Height) {
  Width = Height = 0;
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return;
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
  if (monitor == nullptr) return;
  GdkRectangle r;
  gdk_monitor_get_geometry(monitor, &r);
  Width = r.width;
  Height = r.height;
}

}  // namespace

const TClassInfo* TCircledSeries::Class() {
  using C = TCircledSeries;
  static const TClassInfo* info =
      TClassDecl<C>("TCircledSeries", TChartSeries::Class())
          .Prop("Circled", &C::GetCircled, &C::SetCircled)
          .Default(1)
          .Prop("CustomXRadius", &C::GetCustomXRadius, &C::SetCustomXRadius)
          .Default(0)
          .Prop("CustomYRadius", &C::GetCustomYRadius, &C::SetCustomYRadius)
          .Default(0)
          .Prop("Frame", &C::GetFrame, &C::SetFrame)
          .Stored(&C::IsFrameStored)
          .Prop("UniqueCustomRadius", &C::GetUniqueCustomRadius, &C::SetUniqueCustomRadius)
          .Default(1)
          .Prop("Emboss", &C::GetEmboss, &C::SetEmboss)
          .Prop("Shadow", &C::GetShadow, &C::SetShadow);
  return info;
}

TCircledSeries::TCircledSeries(TComponent* AOwner)
    : TChartSeries(AOwner),
      FCircleBrush(std::make_unique<TPlotBrush>([this](TObject* S) { CanvasChanged(S); })),
      FEmboss(std::make_unique<TPlotEmboss>([this](TObject* S) { CanvasChanged(S); })),
      FShadow(std::make_unique<TPlotShadow>([this](TObject* S) { CanvasChanged(S); })) {
  FEmboss->InitValues(FEmboss->GetVisible(), TColor(0xA0A0A0), 3);
  FShadow->InitValues(FShadow->GetVisible(), TColor(0xA0A0A0), 3);
  CalcVisiblePoints = false;
  XValues()->SetName(PlotMsg_ValuesAngle);
}

TCircledSeries::~TCircledSeries() {
  IDestroying = true;
  SetBackupProperties();
}

// ---------------- chart membership and the chart's 3D view ----------------

void TCircledSeries::SetActive(bool Value) {
  TChartSeries::SetActive(Value);
  SetParentProperties(!GetActive());
}

void TCircledSeries::SetParentChart(TChartSeriesPanel* Value) {
  // Leaving the chart always gives its 3D view back, active or not.
  if (Value == nullptr) SetBackupProperties();
  if (Value == FParent) return;
  TChartSeries::SetParentChart(Value);
  if (FFrame) FFrame->SetParent(dynamic_cast<TCustomPlotPanel*>(FParent));
  if (GetActive() && FParent) SetParentProperties(false);
}

void TCircledSeries::Removed() {
  SetBackupProperties();
  TChartSeries::Removed();
}

void TCircledSeries::SetParentProperties(bool Restore) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr || chart->IsPanelDestroying()) return;
  TCanvas3D* canvas = chart->GetCanvas();
  if (canvas && canvas->GetSupportsFullRotation()) return;
  if (chart->GetView3DOptions() == nullptr) return;
  if (!Restore || (GetActive() && !IDestroying)) {
    if (IBack3D) return;
    IBack3D = std::make_unique<TView3DOptions>();
    IBack3D->Assign(chart->GetView3DOptions());
    InitCustom3DOptions();
    return;
  }
  SetBackupProperties();
}

void TCircledSeries::SetBackupProperties() {
  if (!IBack3D) return;
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart && !chart->IsPanelDestroying() && chart->GetView3DOptions())
    chart->GetView3DOptions()->Assign(IBack3D.get());
  IBack3D.reset();
}

// ---------------- settings shared with the other circled series ----------------

template <class Fn>
void TCircledSeries::ForOtherCircled(Fn F) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr) return;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (s == this || !s->InheritsFrom(ClassType())) continue;
    F(static_cast<TCircledSeries*>(s));
  }
}

void TCircledSeries::SetCircled(bool Value) {
  SetBooleanProperty(FCircled, Value);
  ForOtherCircled([&](TCircledSeries* s) {
    s->FCircled = Value;
    if ((s->GetComponentState() & csLoading) == 0) {
      s->FCustomXRadius = 0;
      s->FCustomYRadius = 0;
    }
  });
}

void TCircledSeries::SetOtherCustomRadius(bool IsXRadius, int Value) {
  if (!FUniqueCustomRadius) return;
  ForOtherCircled(
      [&](TCircledSeries* s) { (IsXRadius ? s->FCustomXRadius : s->FCustomYRadius) = Value; });
}

void TCircledSeries::SetCustomXRadius(int Value) {
  SetIntegerProperty(FCustomXRadius, Value);
  SetOtherCustomRadius(true, Value);
}

void TCircledSeries::SetCustomYRadius(int Value) {
  SetIntegerProperty(FCustomYRadius, Value);
  SetOtherCustomRadius(false, Value);
}

void TCircledSeries::SetUniqueCustomRadius(bool Value) {
  SetBooleanProperty(FUniqueCustomRadius, Value);
  ForOtherCircled([&](TCircledSeries* s) { s->FUniqueCustomRadius = Value; });
}

// ---------------- plain properties ----------------

void TCircledSeries::SetEmboss(TPlotEmboss* Value) { FEmboss->Assign(Value); }
void TCircledSeries::SetShadow(TPlotShadow* Value) { FShadow->Assign(Value); }
void TCircledSeries::SetCircleBrush(TPlotBrush* Value) { FCircleBrush->Assign(Value); }
TColor TCircledSeries::GetCircleBackColor() const { return FCircleBrush->GetColor(); }
void TCircledSeries::SetCircleBackColor(TColor Value) { FCircleBrush->SetColor(Value); }
TPlotGradient* TCircledSeries::GetCircleGradient() const { return FCircleBrush->GetGradient(); }
void TCircledSeries::SetCircleGradient(TPlotGradient* Value) {
  FCircleBrush->GetGradient()->Assign(Value);
}

void TCircledSeries::SetRotationAngle(int Value) {
  SetIntegerProperty(FRotationAngle, Value % 360);
  IRotDegree = FRotationAngle * std::numbers::pi / 180;
}

void TCircledSeries::Rotate(int Angle) { SetRotationAngle((Angle + FRotationAngle) % 360); }

TFramedBorder* TCircledSeries::GetFrame() {
  if (FFrame) return FFrame.get();
  auto frame = std::make_unique<TCircularFrame>();
  frame->SetDefaultCircled(true);
  frame->SetParent(dynamic_cast<TCustomPlotPanel*>(FParent));
  TCustomAxisPanel* chart = ChartOf(this);
  const bool repaint = chart ? chart->AutoRepaint : true;
  if (chart) chart->AutoRepaint = false;
  frame->SetWidth(4);
  frame->DefaultVisible = false;
  frame->SetVisible(false);
  auto colors = [](TFrameBrush* B, TColor Start, TColor End) {
    TPlotGradient* g = B->GetGradient();
    g->SetStartColor(Start);
    g->SetMidColor(clWhite);
    g->SetEndColor(End);
  };
  colors(frame->GetOuterBrush(), TColor(0xC0C0C0), TColor(0x404040));
  colors(frame->GetMiddleBrush(), TColor(0x808080), TColor(0x828282));
  colors(frame->GetInnerBrush(), TColor(0x404040), TColor(0x808080));
  if (chart) chart->AutoRepaint = repaint;
  FFrame = std::move(frame);
  return FFrame.get();
}

void TCircledSeries::SetFrame(TFramedBorder* Value) {
  if (Value == nullptr) {
    FFrame.reset();
    return;
  }
  GetFrame()->Assign(Value);
}

// ---------------- the circle of one paint ----------------

void TCircledSeries::AdjustCircleRect() {
  TRect& r = FCircleRect;
  if ((r.Right - r.Left) % 2 != 0) --r.Right;
  if ((r.Bottom - r.Top) % 2 != 0) --r.Bottom;
  if (r.Right - r.Left < 4) r.Right = r.Left + 4;
  if (r.Bottom - r.Top < 4) r.Bottom = r.Top + 4;
  FCircleWidth = r.Right - r.Left;
  FCircleHeight = r.Bottom - r.Top;
  FCircleXCenter = (r.Left + r.Right) / 2;
  FCircleYCenter = (r.Top + r.Bottom) / 2;
}

void TCircledSeries::CalcRadius() {
  if (FCustomXRadius != 0) {
    FXRadius = FCustomXRadius;
    FCircleWidth = 2 * FXRadius;
  } else {
    FXRadius = FCircleWidth / 2;
  }
  if (FCustomYRadius != 0) {
    FYRadius = FCustomYRadius;
    FCircleHeight = 2 * FYRadius;
  } else {
    FYRadius = FCircleHeight / 2;
  }
  FCircleRect = TRect{FCircleXCenter - FXRadius, FCircleYCenter - FYRadius,
                      FCircleXCenter + FXRadius, FCircleYCenter + FYRadius};
}

void TCircledSeries::SetCircleRect(const TRect& R) {
  FCircleRect = R;
  AdjustCircleRect();
  CalcRadius();
}

void TCircledSeries::AdjustScreenRatio(int ScreenWidth, int ScreenHeight, double DeviceRatio,
                                       int AXRadius, int AYRadius, TRect& R, bool IsPrint) {
  double f = 1;
  if (!IsPrint && ScreenHeight != 0) {
    f = double(ScreenWidth) / ScreenHeight;
    if (DeviceRatio != 0) f /= DeviceRatio;
  }
  const int ry = Rounded(AYRadius * f);
  if (ry < AXRadius) {
    const int d = AXRadius - ry;
    R.Left += d;
    R.Right -= d;
  } else {
    const int d = AYRadius - Rounded(AXRadius / f);
    R.Top += d;
    R.Bottom -= d;
  }
}

void TCircledSeries::AdjustScreenRatio(TCanvas3D* ACanvas, int AXRadius, int AYRadius, TRect& R,
                                       bool IsPrint) {
  int w = 0, h = 0;
  if (!IsPrint) ScreenPixels(w, h);
  const double ratio = (ACanvas && h != 0) ? ScreenRatio(ACanvas) : 0;
  AdjustScreenRatio(w, h, ratio, AXRadius, AYRadius, R, IsPrint);
}

void TCircledSeries::CheckOtherSeriesMarks() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr) return;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (s == this || !s->GetActive() || s->ClassType() != ClassType()) continue;
    if (!s->HasMarks() || !s->MarksIfAny()->GetVisible()) continue;
    auto* other = static_cast<TCircledSeries*>(s);
    if (i > chart->GetSeriesList()->IndexOf(this)) other->DoBeforeDrawValues();
    SetCircleRect(other->FCircleRect);
    return;
  }
}

void TCircledSeries::DoBeforeDrawValues() {
  TChartSeries::DoBeforeDrawValues();
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr) return;
  FCircleRect = chart->ChartRect;
  AdjustCircleRect();
  if (HasMarks() && FMarks->GetVisible() && IAdjustCircleForMarks) {
    TSeriesMarks* marks = FMarks.get();
    int L = marks->GetCallout()->GetLength();
    if (marks->GetPen()->GetVisible()) L += 2 * marks->GetPen()->GetWidth();
    marks->SetText(" ");
    marks->CalcBounds(chart);
    const int H = marks->GetHeight();
    FCircleRect.Top += L + H;
    FCircleRect.Bottom -= L + H;
    TCanvas3D* c = chart->GetCanvas();
    const int W = (c ? c->TextWidth("W") : 0) + MaxMarkWidth() + L;
    FCircleRect.Left += W;
    FCircleRect.Right -= W;
    AdjustCircleRect();
  } else {
    CheckOtherSeriesMarks();
  }
  if (FCircled) {
    CalcRadius();
    AdjustScreenRatio(chart->GetCanvas(), FXRadius, FYRadius, FCircleRect, chart->Printing);
    AdjustCircleRect();
  }
  CalcRadius();
}

// ---------------- angles ----------------

void TCircledSeries::AngleToPos(double Angle, double AXRadius, double AYRadius, int& X,
                                int& Y) const {
  const double t = Angle + IRotDegree;
  X = FCircleXCenter + Rounded(AXRadius * std::cos(t));
  Y = FCircleYCenter - Rounded(AYRadius * std::sin(t));
}

void TCircledSeries::AngleToPos(double Angle, double AXRadius, double AYRadius, float& X,
                                float& Y) const {
  const double t = Angle + IRotDegree;
  X = float(FCircleXCenter + AXRadius * std::cos(t));
  Y = float(FCircleYCenter - AYRadius * std::sin(t));
}

double TCircledSeries::PointToAngle(int X, int Y) const {
  constexpr double pi = std::numbers::pi;
  double result;
  if (X == FCircleXCenter)
    result = Y > FCircleYCenter ? -pi / 2 : pi / 2;
  else if (FXRadius == 0 || FYRadius == 0)
    result = 0;
  else
    result =
        std::atan2(double(FCircleYCenter - Y) / FYRadius, double(X - FCircleXCenter) / FXRadius);
  if (result < 0) result += 2 * pi;
  result -= IRotDegree;
  if (result < 0) result += 2 * pi;
  return result;
}

double TCircledSeries::PointToRadius(int X, int Y) const {
  TChartAxis* axis = GetVertAxisInUse();
  if (axis == nullptr || FXRadius == 0 || FYRadius == 0) return 0;
  const double r = axis->GetMaximum() - axis->GetMinimum();
  if (r == 0) return 0;
  const double dx = r * (X - FCircleXCenter) / FXRadius;
  const double dy = r * (Y - FCircleYCenter) / FYRadius;
  return std::sqrt(dx * dx + dy * dy) + axis->GetMinimum();
}

// ---------------- colours, shadow and frame ----------------

TColor TCircledSeries::CalcCircleBackColor() const {
  TColor result = FCircleBrush->GetColor();
  if (result != clDefault) return result;
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr) return result;
  if (chart->Printing) return clWhite;
  return chart->GetColor();
}

void TCircledSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor,
                                         TBrushStyle& BrushStyle) {
  (void)ValueIndex;
  (void)BrushStyle;
  BackColor = CalcCircleBackColor();
}

void TCircledSeries::DrawCircleShadow() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr) return;
  if (!FShadow->GetVisible() && !FEmboss->GetVisible()) return;
  const bool view3D = chart->GetView3D();
  if (view3D && !chart->GetView3DOptions()->GetOrthogonal()) return;
  TCanvas3D* c = chart->GetCanvas();
  TRect r{FCircleXCenter - FCircleWidth / 2, FCircleYCenter - FCircleHeight / 2,
          FCircleXCenter + FCircleWidth / 2, FCircleYCenter + FCircleHeight / 2};
  if (view3D) r = c->CalcRect3D(r, EndZ);
  if (FShadow->GetVisible()) FShadow->DrawEllipse(c, r, 0, 0, 360);
  if (FEmboss->GetVisible()) FEmboss->DrawEllipse(c, r, 0, 0, 360);
}

void TCircledSeries::DrawFrame() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!FFrame || chart == nullptr || chart->GetView3D() || !FFrame->GetVisible()) return;
  FShadow->SetVisible(false);
  FFrame->Draw(FCircleRect);
  const int w = Rounded(FFrame->CalcWidth(FCircleRect));
  SetCircleRect(TRect{FCircleRect.Left + w, FCircleRect.Top + w, FCircleRect.Right - w,
                      FCircleRect.Bottom - w});
}

// ---------------- copying ----------------

void TCircledSeries::AssignFormatting(TChartSeries* Source) {
  if (auto* s = dynamic_cast<TCircledSeries*>(Source)) {
    FCircled = s->FCircled;
    SetRotationAngle(s->FRotationAngle);
    FCustomXRadius = s->FCustomXRadius;
    FCustomYRadius = s->FCustomYRadius;
    FCircleBrush->Assign(s->FCircleBrush.get());
    FEmboss->Assign(s->FEmboss.get());
    SetFrame(s->FFrame.get());
    FShadow->Assign(s->FShadow.get());
    FUniqueCustomRadius = s->FUniqueCustomRadius;
  }
  TChartSeries::AssignFormatting(Source);
}
