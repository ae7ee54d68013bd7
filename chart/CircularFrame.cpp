#include "chart/CircularFrame.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "chart/Canvas3D.h"
#include "chart/PlotGradient.h"
#include "chart/PlotPanel.h"
#include "chart/PlotShadow.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

namespace {

int Rounded(double V) { return int(std::nearbyint(V)); }

TRect Shrunk(const TRect& R, int By) {
  return TRect{R.Left + By, R.Top + By, R.Right - By, R.Bottom - By};
}

}  // namespace

// ---------------- band brush ----------------

const TClassInfo* TFrameBrush::Class() {
  static const TClassInfo* info = TClassDecl<TFrameBrush>("TFrameBrush", TPlotBrush::Class())
                                      .Prop("Size", &TFrameBrush::GetSize, &TFrameBrush::SetSize)
                                      .Stored(&TFrameBrush::IsSizeStored);
  return info;
}

void TFrameBrush::SetSize(float Value) {
  if (FSize == Value) return;
  FSize = Value;
  Changed();
}

// ---------------- framed border ----------------

const TClassInfo* TFramedBorder::Class() {
  using F = TFramedBorder;
  static const TClassInfo* info = TClassDecl<F>("TFramedBorder", TPlotCustomShapeBrushPen::Class())
                                      .Prop("Brush", &F::GetBrush, &F::SetBrush)
                                      .Prop("Circled", &F::GetCircled, &F::SetCircled)
                                      .Stored(&F::IsCircledStored)
                                      .Prop("Emboss", &F::GetEmboss, &F::SetEmboss)
                                      .Prop("InnerBrush", &F::GetInnerBrush, &F::SetInnerBrush)
                                      .Prop("MiddleBrush", &F::GetMiddleBrush, &F::SetMiddleBrush)
                                      .Prop("OuterBrush", &F::GetOuterBrush, &F::SetOuterBrush)
                                      .Prop("Shadow", &F::GetShadow, &F::SetShadow)
                                      .Prop("Visible", &F::GetVisible, &F::SetVisible)
                                      .Stored(&F::IsVisibleStored)
                                      .Prop("Width", &F::GetWidth, &F::SetWidth)
                                      .Default(10);
  return info;
}

TFramedBorder::TFramedBorder()
    : FEmboss(std::make_unique<TPlotEmboss>(Changed())),
      FInner(std::make_unique<TFrameBrush>(Changed())),
      FMiddle(std::make_unique<TFrameBrush>(Changed())),
      FOuter(std::make_unique<TFrameBrush>(Changed())),
      FShadow(std::make_unique<TPlotShadow>(Changed())) {
  FInner->InitSize(70);
  FMiddle->InitSize(10);
  FOuter->InitSize(20);
  auto palette = [](TFrameBrush* B, TColor C) {
    B->SetBackColor(C);
    B->GetGradient()->SetEndColor(C);
  };
  palette(FInner.get(), TColor(0x0000FF));
  palette(FMiddle.get(), TColor(0x00FFFF));
  palette(FOuter.get(), TColor(0x008000));
}

TFramedBorder::~TFramedBorder() = default;

void TFramedBorder::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TFramedBorder*>(Source)) {
    FCircled = s->FCircled;
    FInner->Assign(s->FInner.get());
    FMiddle->Assign(s->FMiddle.get());
    FOuter->Assign(s->FOuter.get());
    FEmboss->Assign(s->FEmboss.get());
    FShadow->Assign(s->FShadow.get());
    FWidth = s->FWidth;
  }
  TPlotCustomShapeBrushPen::Assign(Source);
}

void TFramedBorder::DefineProperties(TFiler* Filer) {
  TPlotCustomShapeBrushPen::DefineProperties(Filer);
  Filer->DefineProperty(
      "ParentSeries", [](TReader* R) { R->ReadIdent(); }, [](TWriter*) {}, false);
}

void TFramedBorder::SetCircled(bool Value) {
  if (FCircled == Value) return;
  FCircled = Value;
  Repaint();
}

void TFramedBorder::SetEmboss(TPlotEmboss* Value) { FEmboss->Assign(Value); }

void TFramedBorder::SetShadow(TPlotShadow* Value) { FShadow->Assign(Value); }

void TFramedBorder::SetWidth(int Value) {
  if (FWidth == Value) return;
  FWidth = Value;
  Repaint();
}

float TFramedBorder::CalcWidth(const TRect& R) const {
  const int side = std::min(R.Right - R.Left, R.Bottom - R.Top);
  return float(side) * float(FWidth) / 100.0f;
}

void TFramedBorder::FillBand(TPlotBrush* Brush, const TRect& R) {
  TCanvas3D* c = FParent->GetCanvas();
  c->AssignBrush(Brush, Brush->GetColor(), Brush->GetColor());
  if (FCircled)
    c->Ellipse(R);
  else
    c->Rectangle(R.Left, R.Top, R.Right, R.Bottom);
}

void TFramedBorder::Draw(const TRect& Rect) {
  if (FParent == nullptr || FParent->GetCanvas() == nullptr) return;
  TCanvas3D* c = FParent->GetCanvas();
  TRect R = Rect;
  float w = CalcWidth(R);
  for (TPlotShadow* effect : {FShadow.get(), static_cast<TPlotShadow*>(FEmboss.get())}) {
    if (!effect->ShouldDraw()) continue;
    if (FCircled)
      effect->DrawEllipse(c, R, 0, 0, 360);
    else
      effect->Draw(c, R, 0);
  }
  c->GetPen()->SetStyle(psClear);
  auto band = [&](TFrameBrush* B) {
    const int by = Rounded(w * B->GetSize() / 100);
    if (by != 0) R = Shrunk(R, by);
    if (B->GetStyle() != bsClear) FillBand(B, R);
  };
  band(FOuter.get());
  w = CalcWidth(R);
  band(FMiddle.get());
  band(FInner.get());
  FillBand(FBrush.get(), R);
}

// ---------------- circular frame ----------------

const TClassInfo* TCircularFrame::Class() {
  using F = TCircularFrame;
  static const TClassInfo* info =
      TClassDecl<F>("TCircularFrame", TFramedBorder::Class())
          .Prop("RotationAngle", &F::GetRotationAngle, &F::SetRotationAngle)
          .Default(0)
          .Prop("TotalAngle", &F::GetTotalAngle, &F::SetTotalAngle)
          .Default(360);
  return info;
}

TCircularFrame::TCircularFrame() {
  for (TFrameBrush* b : {FInner.get(), FMiddle.get(), FOuter.get()}) {
    TPlotGradient* g = b->GetGradient();
    g->SetVisible(true);
    g->SetMidColor(clWhite);
    g->SetStartColor(g->GetEndColor());
  }
}

void TCircularFrame::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TCircularFrame*>(Source)) {
    FRotationAngle = s->FRotationAngle;
    FTotalAngle = s->FTotalAngle;
  }
  TFramedBorder::Assign(Source);
}

void TCircularFrame::SetRotationAngle(int Value) {
  if (FRotationAngle == Value) return;
  FRotationAngle = Value;
  Repaint();
}

void TCircularFrame::SetTotalAngle(int Value) {
  if (FTotalAngle == Value) return;
  FTotalAngle = Value;
  Repaint();
}

void TCircularFrame::RationaliseValues(double& A, double& B, double& C) {
  const double sum = A + B + C;
  if (sum == 100 || sum == 0) return;
  const double k = 100 / sum;
  A *= k;
  B *= k;
  C *= k;
}

void TCircularFrame::FillArcBand(TPlotBrush* Brush, const TRect& R) {
  if (Brush->GetStyle() == bsClear) return;
  TCanvas3D* c = FParent->GetCanvas();
  c->AssignBrush(Brush, Brush->GetColor(), Brush->GetBackColor());
  c->GetPen()->SetStyle(psClear);
  if (!FCircled) {
    c->Rectangle(R.Left, R.Top, R.Right, R.Bottom);
    return;
  }
  if (FTotalAngle == 360) {
    c->Ellipse(R);
    return;
  }
  // The arc as a polygon, one point per degree, closed through the centre
  // when the arc is shorter than half a turn.
  const double start = FRotationAngle + 135.0;
  const int steps = std::max(2, std::abs(FTotalAngle));
  const double cx = (R.Left + R.Right) / 2.0, cy = (R.Top + R.Bottom) / 2.0;
  const double rx = (R.Right - R.Left) / 2.0, ry = (R.Bottom - R.Top) / 2.0;
  std::vector<TPoint> points;
  points.reserve(steps + 2);
  for (int i = 0; i <= steps; ++i) {
    const double a = (start + double(FTotalAngle) * i / steps) * std::numbers::pi / 180;
    points.push_back(TPoint{Rounded(cx + rx * std::cos(a)), Rounded(cy - ry * std::sin(a))});
  }
  if (FTotalAngle < 180) points.push_back(TPoint{Rounded(cx), Rounded(cy)});
  c->Polygon(points);
}

void TCircularFrame::Draw(const TRect& Rect) {
  if (FParent == nullptr || FParent->GetCanvas() == nullptr) return;
  TRect R = Rect;
  const float w = CalcWidth(R);
  RationaliseValues(FrameElementWidths[0], FrameElementWidths[1], FrameElementWidths[2]);
  const double inner = FrameElementWidths[0], middle = FrameElementWidths[1],
               outer = FrameElementWidths[2];
  FillArcBand(FOuter.get(), R);
  R = Shrunk(R, Rounded(outer * w / 100));
  FillArcBand(FMiddle.get(), R);
  R = Shrunk(R, Rounded(middle * w / 100));
  FillArcBand(FInner.get(), R);
  (void)inner;  // the inner band ends at the circle the series draws in
}
