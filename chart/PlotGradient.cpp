#include "chart/PlotGradient.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/RttiDecl.h"

namespace {
const TEnumInfo& DirectionInfo() {
  static const TEnumInfo info(
      "TGradientDirection",
      {"gdTopBottom", "gdBottomTop", "gdLeftRight", "gdRightLeft", "gdFromCenter",
       "gdFromTopLeft", "gdFromBottomLeft", "gdRadial", "gdDiagonalUp", "gdDiagonalDown"});
  return info;
}
}  // namespace

// ---------------- stops ----------------

const TClassInfo* TPlotGradientColor::Class() {
  using C = TPlotGradientColor;
  static const TClassInfo* info = TClassDecl<C>("TPlotGradientColor", TCollectionItem::Class())
                                      .Prop("Color", &C::GetColor, &C::SetColor)
                                      .Default(0)
                                      .Prop("Offset", &C::GetOffset, &C::SetOffset)
                                      .Prop("Transparency", &C::GetTransparency, &C::SetTransparency)
                                      .Stored(&C::IsTranspStored);
  return info;
}

TPlotGradientColor::TPlotGradientColor(TCollection* ACollection) : TCollectionItem(ACollection) {}

void TPlotGradientColor::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPlotGradientColor*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  FColor = s->FColor;
  FOffset = s->FOffset;
  FTransp = s->FTransp;
  Changed();
}

void TPlotGradientColor::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TPlotGradientColor::SetOffset(double Value) {
  if (Value == FOffset) return;
  FOffset = Value;
  Changed();
}

void TPlotGradientColor::SetTransparency(int Value) {
  if (Value == FTransp) return;
  FTransp = TPlotTransparency(Value);
  Changed();
}

const TClassInfo* TPlotGradientColors::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotGradientColors>("TPlotGradientColors", TCollection::Class());
  return info;
}

TPlotGradientColors::TPlotGradientColors(TCustomPlotGradient* AOwner)
    : TCollection(TPlotGradientColor::Class()), FOwner(AOwner) {}

TPlotGradientColor* TPlotGradientColors::Get(int Index) {
  while (Count() <= Index) TCollection::Add();
  return static_cast<TPlotGradientColor*>(GetItem(Index));
}

TPlotGradientColor* TPlotGradientColors::Add(TColor AColor, int ATransparency, double AOffset) {
  AOffset = std::clamp(AOffset, 0.0, 1.0);
  int at = 0;
  while (at < Count() && static_cast<TPlotGradientColor*>(GetItem(at))->GetOffset() <= AOffset) ++at;
  BeginUpdate();
  auto* stop = static_cast<TPlotGradientColor*>(TCollection::Add());
  stop->SetIndex(at);
  stop->SetColor(AColor);
  stop->SetTransparency(ATransparency);
  stop->SetOffset(AOffset);
  EndUpdate();
  return stop;
}

void TPlotGradientColors::Update(TCollectionItem* Item) {
  TCollection::Update(Item);
  if (FOwner) FOwner->DoChanged();
}

// ---------------- gradient ----------------

const TClassInfo* TCustomPlotGradient::Class() {
  using G = TCustomPlotGradient;
  static const TClassInfo* info =
      TClassDecl<G>("TCustomPlotGradient", TPersistent::Class())
          .Prop("Angle", &G::GetAngle, &G::SetAngle)
          .Default(0)
          .Prop("Balance", &G::GetBalance, &G::SetBalance)
          .Default(50)
          .Prop("Colors", &G::GetColors, &G::SetColors)
          .Stored(&G::IsColorsStored)
          .Enum("Direction", &G::GetDirection, &G::SetDirection, DirectionInfo())
          .Stored(&G::IsDirectionStored)
          .Prop("EndColor", &G::GetEndColor, &G::SetEndColor)
          .Stored(&G::IsEndStored)
          .Prop("MidColor", &G::GetMidColor, &G::SetMidColor)
          .Stored(&G::IsMidStored)
          .Prop("RadialX", &G::GetRadialX, &G::SetRadialX)
          .Default(0)
          .Prop("RadialY", &G::GetRadialY, &G::SetRadialY)
          .Default(0)
          .Prop("StartColor", &G::GetStartColor, &G::SetStartColor)
          .Stored(&G::IsStartStored)
          .Prop("SubGradient", &G::GetSub, &G::SetSub)
          .Stored(&G::IsSubStored)
          .Prop("Visible", &G::GetVisible, &G::SetVisible)
          .Stored(&G::IsVisibleStored);
  return info;
}

const TClassInfo* TPlotGradient::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotGradient>("TPlotGradient", TCustomPlotGradient::Class());
  return info;
}

const TClassInfo* TSubGradient::Class() {
  static const TClassInfo* info =
      TClassDecl<TSubGradient>("TSubGradient", TCustomPlotGradient::Class())
          .Prop("Transparency", &TSubGradient::GetTransparency, &TSubGradient::SetTransparency)
          .Default(50);
  return info;
}

TCustomPlotGradient::TCustomPlotGradient(TNotifyEvent AChanged) : IChanged(std::move(AChanged)) {
  InitDefaults();
}

TCustomPlotGradient::~TCustomPlotGradient() = default;

void TCustomPlotGradient::InitDefaults() {
  FVisible = false;
  FDirection = IDefDirection = gdTopBottom;
  IDefStart = clWhite;
  IDefEnd = clYellow;
  IDefMid = clNone;
  IMidColor = clWhite;
  FBalance = 50;
  FAngle = FRadialX = FRadialY = 0;
  ResetColors();
}

void TCustomPlotGradient::DoChanged() {
  if (IChanged) IChanged(this);
}

void TCustomPlotGradient::InitDirection(TGradientDirection Value) {
  FDirection = IDefDirection = Value;
}

void TCustomPlotGradient::ResetColors() {
  if (!FColors) return;
  TNotifyEvent saved = std::move(IChanged);
  IChanged = nullptr;
  FColors->Clear();
  FColors->Add(IDefStart, 0, 0);
  FColors->Add(IDefEnd, 0, 1);
  IChanged = std::move(saved);
}

TPlotGradientColors* TCustomPlotGradient::GetColors() {
  if (!FColors) {
    FColors = std::make_unique<TPlotGradientColors>(this);
    ResetColors();
  }
  return FColors.get();
}

void TCustomPlotGradient::SetColors(TPlotGradientColors* Value) {
  if (!Value) {
    FColors.reset();
    return;
  }
  if (Value != FColors.get()) GetColors()->Assign(Value);
}

bool TCustomPlotGradient::IsColorsStored() const {
  if (!FColors) return false;
  int n = FColors->Count();
  if (n > 3 || n < 2) return true;
  auto stop = [&](int i) { return static_cast<TPlotGradientColor*>(FColors->GetItem(i)); };
  for (int i = 0; i < n; ++i)
    if (stop(i)->GetTransparency() != 0) return true;
  if (n == 3)
    return stop(0)->GetOffset() != 0 || stop(1)->GetOffset() != 0.5 || stop(2)->GetOffset() != 1;
  return stop(0)->GetOffset() != 0 || stop(1)->GetOffset() != 1;
}

TColor TCustomPlotGradient::GetStartColor() const {
  if (!FColors) return IDefStart;
  if (FColors->Count() == 0) return clNone;
  return static_cast<TPlotGradientColor*>(FColors->GetItem(0))->GetColor();
}

TColor TCustomPlotGradient::GetEndColor() const {
  if (!FColors) return IDefEnd;
  if (FColors->Count() == 0) return clNone;
  return static_cast<TPlotGradientColor*>(FColors->GetItem(FColors->Count() - 1))->GetColor();
}

TColor TCustomPlotGradient::GetMidColor() const {
  if (!FColors) return IDefMid;
  if (FColors->Count() < 3) return clNone;
  return static_cast<TPlotGradientColor*>(FColors->GetItem(1))->GetColor();
}

void TCustomPlotGradient::SetStartColor(TColor Value) {
  GetColors()->Get(0)->SetColor(Value);
  DoChanged();
}

void TCustomPlotGradient::SetEndColor(TColor Value) {
  TPlotGradientColors* c = GetColors();
  c->Get(std::max(c->Count() - 1, 0))->SetColor(Value);
  if (FStartIsEnd) c->Get(0)->SetColor(Value);
  DoChanged();
}

void TCustomPlotGradient::SetMidColor(TColor Value) {
  TPlotGradientColors* c = GetColors();
  if (Value == clNone) {
    if (c->Count() <= 2) return;
    c->Delete(1);
    DoChanged();
    return;
  }
  if (c->Count() <= 2) {
    c->BeginUpdate();
    auto* mid = static_cast<TPlotGradientColor*>(c->TCollection::Add());
    mid->SetIndex(1);
    mid->SetOffset(0.5);
    c->EndUpdate();
  }
  TPlotGradientColor* mid = c->Get(1);
  if (mid->GetColor() == Value) return;
  mid->SetColor(Value);
  IMidColor = Value;
  DoChanged();
}

void TCustomPlotGradient::SetAngle(int Value) {
  if (Value == FAngle) return;
  FAngle = Value;
  DoChanged();
}

void TCustomPlotGradient::SetBalance(int Value) {
  if (Value == FBalance) return;
  FBalance = Value;
  DoChanged();
}

void TCustomPlotGradient::SetDirection(TGradientDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  DoChanged();
}

void TCustomPlotGradient::SetRadialX(int Value) {
  if (Value == FRadialX) return;
  FRadialX = Value;
  DoChanged();
}

void TCustomPlotGradient::SetRadialY(int Value) {
  if (Value == FRadialY) return;
  FRadialY = Value;
  DoChanged();
}

void TCustomPlotGradient::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  DoChanged();
}

TSubGradient* TCustomPlotGradient::GetSub() {
  if (!FSub) FSub = std::make_unique<TSubGradient>(IChanged);
  return FSub.get();
}

void TCustomPlotGradient::SetSub(TSubGradient* Value) {
  if (!Value || Value == FSub.get()) return;
  GetSub()->Assign(Value);
  FSub->FTransparency = Value->FTransparency;
}

void TCustomPlotGradient::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TCustomPlotGradient*>(Source);
  if (!s) return TPersistent::Assign(Source);
  if (s == this) return;
  TNotifyEvent saved = std::move(IChanged);
  IChanged = nullptr;
  FAngle = s->FAngle;
  FBalance = s->FBalance;
  FDirection = s->FDirection;
  FRadialX = s->FRadialX;
  FRadialY = s->FRadialY;
  SetColors(s->FColors.get());
  FStartIsEnd = s->FStartIsEnd;
  if (s->FSub)
    SetSub(s->FSub.get());
  else
    FSub.reset();
  FVisible = s->FVisible;
  IChanged = std::move(saved);
}

TSubGradient::TSubGradient(TNotifyEvent AChanged) : TCustomPlotGradient(std::move(AChanged)) {}

void TSubGradient::SetTransparency(int Value) {
  if (Value == FTransparency) return;
  FTransparency = TPlotTransparency(Value);
  DoChanged();
}

// ---------------- radial fill ----------------

double GradientBalanceFactor(double Index, double Balance, double Count) {
  return std::exp(std::log((Index + 1) / (Count + 1)) * (Balance * 0.01 + 0.5));
}

std::vector<TRadialStep> RadialSteps(const TCustomPlotGradient& G, const TRect& Rect) {
  TRect r = OrientRectangle(Rect);
  int w = r.Right - r.Left, h = r.Bottom - r.Top;
  int steps = std::min(255, std::max(w, h));
  // A rectangle without width and height would divide by zero steps.
  if (steps <= 0) return {};
  double s = 1.0 / steps, hx = w * 0.5 * s, hy = h * 0.5 * s;
  TColor c0 = G.GetStartColor(), c1 = G.GetEndColor();
  int rgb0[3] = {int(c0 & 0xFF), int((c0 >> 8) & 0xFF), int((c0 >> 16) & 0xFF)};
  int d[3];
  bool linear = G.GetBalance() == 50;
  for (int ch = 0; ch < 3; ++ch) {
    int delta = int((c1 >> (8 * ch)) & 0xFF) - rgb0[ch];
    d[ch] = delta;
  }
  if (w % 2 != 0 || h % 2 != 0) --steps;
  double cx = (r.Left + r.Right) * 0.5 + G.GetRadialX() + 1;
  double cy = (r.Top + r.Bottom) * 0.5 + G.GetRadialY() + 1;
  std::vector<TRadialStep> out;
  for (int i = steps; i >= 0; --i) {
    double f = linear ? i * s : GradientBalanceFactor(i, G.GetBalance(), steps);
    int rgb[3];
    for (int ch = 0; ch < 3; ++ch) rgb[ch] = (rgb0[ch] + int(std::lround(f * d[ch]))) & 0xFF;
    TRect e{int(std::lround(cx - i * hx)), int(std::lround(cy - i * hy)),
            int(std::lround(cx + i * hx)), int(std::lround(cy + i * hy))};
    out.push_back(TRadialStep{e, TColor(rgb[0] | (rgb[1] << 8) | (rgb[2] << 16))});
  }
  return out;
}

void DrawRadial(const TCustomPlotGradient& G, TCanvas* Canvas, const TRect& Rect) {
  TRect r = OrientRectangle(Rect);
  gdi::HDC dc = Canvas->GetHandle();
  gdi::SaveDC(dc);
  gdi::IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
  TPenStyle pen = Canvas->GetPen()->GetStyle();
  TColor brush = Canvas->GetBrush()->GetColor();
  Canvas->GetPen()->SetStyle(psClear);
  Canvas->GetBrush()->SetColor(G.GetEndColor());
  Canvas->FillRect(r);
  for (const TRadialStep& step : RadialSteps(G, Rect)) {
    Canvas->GetBrush()->SetColor(step.Color);
    Canvas->Ellipse(step.Ellipse.Left, step.Ellipse.Top, step.Ellipse.Right, step.Ellipse.Bottom);
  }
  Canvas->GetPen()->SetStyle(pen);
  Canvas->GetBrush()->SetColor(brush);
  gdi::RestoreDC(dc, -1);
}

TPlotGradientRotateProc PlotGradientRotate = nullptr;
