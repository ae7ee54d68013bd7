#include "chart/ChartWalls.h"

#include <cmath>
#include <cstdlib>

#include "chart/Chart.h"
#include "chart/PlotBlend.h"
#include "chart/PlotGeometry.h"
#include "platform/rtl/RttiDecl.h"

// ---------------- TCustomChartWall ----------------

const TClassInfo* TCustomChartWall::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomChartWall>("TCustomChartWall", TPlotCustomShape::Class());
  return info;
}

TCustomChartWall::TCustomChartWall(TCustomPlotPanel* AOwner) : TPlotCustomShape(AOwner) {
  InitColor(TColor(0x20000000));
}

TCustomChart* TCustomChartWall::Chart() const { return dynamic_cast<TCustomChart*>(FParent); }

void TCustomChartWall::InitColor(TColor Value) {
  if (!FParent) {
    FColor = Value;
    DefaultColor = Value;
    return;
  }
  const bool old = FParent->AutoRepaint;
  FParent->AutoRepaint = false;
  SetColor(Value);
  DefaultColor = Value;
  FParent->AutoRepaint = old;
}

void TCustomChartWall::Assign(TPersistent* Source) {
  if (auto* w = dynamic_cast<TCustomChartWall*>(Source)) {
    FAutoHide = w->FAutoHide;
    FDark3D = w->FDark3D;
    FEnd = w->FEnd;
    FSize = w->FSize;
    FStart = w->FStart;
  }
  TPlotCustomShape::Assign(Source);
}

void TCustomChartWall::StoreBool(bool& Field, bool Value) {
  if (FParent)
    FParent->SetBooleanProperty(Field, Value);
  else
    Field = Value;
}

void TCustomChartWall::StoreInt(int& Field, int Value) {
  if (FParent)
    FParent->SetIntegerProperty(Field, Value);
  else
    Field = Value;
}

void TCustomChartWall::SetAutoHide(bool Value) { StoreBool(FAutoHide, Value); }
void TCustomChartWall::SetDark3D(bool Value) { StoreBool(FDark3D, Value); }
void TCustomChartWall::SetEndPosition(int Value) { StoreInt(FEnd, Value); }
void TCustomChartWall::SetSize(int Value) { StoreInt(FSize, Value); }
void TCustomChartWall::SetStartPosition(int Value) { StoreInt(FStart, Value); }

void TCustomChartWall::CalcPositions(int& P0, int& P1) const {
  TCustomChart* c = Chart();
  const TRect& r = c->ChartRect;
  P1 = r.Bottom + c->CalcWallSize(c->GetBottomAxis());
  if (FEnd != 100) P1 -= PlotRound((100 - FEnd) * (P1 - r.Top) * 0.01);
  P0 = r.Top;
  if (FStart != 0) P0 += PlotRound(FStart * (r.Bottom - r.Top) * 0.01);
}

bool TCustomChartWall::ShouldDraw() const {
  return Chart()->GetView3DWalls() && GetVisible() && !FAutoHide;
}

bool TCustomChartWall::ApplyDark3D() const {
  return FBrush->GetStyle() != bsClear && !FBrush->HasGraphic() && FDark3D;
}

bool TCustomChartWall::TryDrawWall(int X, int Y1, TPlotBlend*& Blend) {
  Blend = nullptr;
  if (FTransparent || FTransparency == 0) return false;
  TCustomChart* c = Chart();
  TCanvas3D* canvas = c->GetCanvas();
  if (canvas->GetSupportsAlpha()) {
    Blend = canvas->BeginBlending(TRect{}, FTransparency);
    return true;
  }
  int p0 = 0, p1 = 0;
  CalcPositions(p0, p1);
  const TPoint corners[4] = {
      canvas->Calculate3DPosition(X, p0, 0), canvas->Calculate3DPosition(X, p0, c->Width3D),
      canvas->Calculate3DPosition(X, Y1, c->Width3D), canvas->Calculate3DPosition(X, Y1, 0)};
  TRect r{corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
  for (const TPoint& p : corners) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  Blend = canvas->BeginBlending(r, FTransparency);
  return true;
}

void TCustomChartWall::DoEndBlending(TPlotBlend* Blend) {
  if (FTransparency <= 0 || !Blend) return;
  if (FPicture && FPicture->HasFilters() && !FPicture->Valid() && Blend->GetBitmap())
    FPicture->GetFilters()->ApplyTo(Blend->GetBitmap());
  Chart()->GetCanvas()->EndBlending(Blend);
}

// ---------------- the walls ----------------

const TClassInfo* TChartWall::Class() {
  using W = TChartWall;
  static const TClassInfo* info =
      TClassDecl<W>("TChartWall", TCustomChartWall::Class())
          .Prop("AutoHide", &W::GetAutoHide, &W::SetAutoHide)
          .Default(0)
          .Prop("Brush", &W::GetBrush, &W::SetBrush)
          .Prop("Color", &W::GetColor, &W::SetWallColor)
          .Stored(&W::IsColorStored)
          .Prop("Dark3D", &W::GetDark3D, &W::SetDark3D)
          .Default(1)
          .Prop("EndPosition", &W::GetEndPosition, &W::SetEndPosition)
          .Default(100)
          .Prop("Gradient", &W::GetGradient, &W::SetGradient)
          .Stored(false)
          .Prop("Pen", &W::GetPen, &W::SetPen)
          .Prop("Picture", &W::PictureProp, &W::SetPicture)
          .Stored(&W::IsPictureStored)
          .Prop("RoundSize", &W::GetRoundSize, &W::SetRoundSize)
          .Default(16)
          .Prop("Size", &W::GetSize, &W::SetSize)
          .Default(0)
          .Prop("StartPosition", &W::GetStartPosition, &W::SetStartPosition)
          .Default(0)
          .Prop("Transparency", &W::GetTransparency, &W::SetTransparency)
          .Default(0)
          .Prop("Transparent", &W::GetTransparent, &W::SetTransparent)
          .Stored(&W::IsTransparentStored)
          .Prop("Visible", &W::GetVisible, &W::SetVisible)
          .Stored(&W::IsVisibleStored);
  return info;
}

const TClassInfo* TChartBackWall::Class() {
  using W = TChartBackWall;
  static const TClassInfo* info = TClassDecl<W>("TChartBackWall", TChartWall::Class())
                                      .Prop("Emboss", &W::EmbossProp, &W::SetEmboss)
                                      .Prop("Shadow", &W::GetShadow, &W::SetShadow);
  return info;
}

TChartBackWall::TChartBackWall(TCustomPlotPanel* AOwner) : TChartWall(AOwner) {
  InitColor(clSilver);
  InitTransparent(true);
  InitShadow(FShadow.get());
}

void TChartBackWall::InitShadow(TPlotShadow* Shadow) {
  Shadow->InitValues(false, TColor(0x808080), Shadow->GetSize());
}

void TChartBackWall::InitEmboss(TPlotEmboss* Emboss) {
  Emboss->InitValues(false, TColor(0x808080), Emboss->GetSize());
}

const TClassInfo* TChartLeftWall::Class() {
  static const TClassInfo* info = TClassDecl<TChartLeftWall>("TChartLeftWall", TChartWall::Class());
  return info;
}

TChartLeftWall::TChartLeftWall(TCustomPlotPanel* AOwner) : TChartWall(AOwner) {
  InitColor(TColor(0x80FFFF));
}

const TClassInfo* TChartBottomWall::Class() {
  static const TClassInfo* info =
      TClassDecl<TChartBottomWall>("TChartBottomWall", TChartWall::Class());
  return info;
}

TChartBottomWall::TChartBottomWall(TCustomPlotPanel* AOwner) : TChartWall(AOwner) {
  InitColor(clWhite);
}

const TClassInfo* TChartRightWall::Class() {
  static const TClassInfo* info =
      TClassDecl<TChartRightWall>("TChartRightWall", TChartWall::Class());
  return info;
}

TChartRightWall::TChartRightWall(TCustomPlotPanel* AOwner) : TChartWall(AOwner) {
  InitColor(clSilver);
  FVisible = false;
  DefaultVisible = false;
}

// ---------------- TChartWalls ----------------

const TClassInfo* TChartWalls::Class() {
  static const TClassInfo* info = TClassDecl<TChartWalls>("TChartWalls", TPersistent::Class());
  return info;
}

TChartWalls::TChartWalls(TCustomChart* AChart)
    : FBack(std::make_unique<TChartBackWall>(AChart)),
      FBottom(std::make_unique<TChartBottomWall>(AChart)),
      FChart(AChart),
      FLeft(std::make_unique<TChartLeftWall>(AChart)) {}

TChartWalls::~TChartWalls() = default;

TChartRightWall* TChartWalls::GetRight() {
  if (FRight) return FRight.get();
  const bool old = FChart->AutoRepaint;
  FChart->AutoRepaint = false;
  FRight = std::make_unique<TChartRightWall>(FChart);
  FChart->AutoRepaint = old;
  return FRight.get();
}

void TChartWalls::Assign(TPersistent* Source) {
  auto* w = dynamic_cast<TChartWalls*>(Source);
  if (!w) {
    TPersistent::Assign(Source);
    return;
  }
  FBack->Assign(w->FBack.get());
  FBottom->Assign(w->FBottom.get());
  FLeft->Assign(w->FLeft.get());
  GetRight()->Assign(w->GetRight());
}

bool TChartWalls::GetVisible() const { return FChart->GetView3DWalls(); }
void TChartWalls::SetVisible(bool Value) { FChart->SetView3DWalls(Value); }

void TChartWalls::SetSize(int Value) {
  FLeft->SetSize(Value);
  GetRight()->SetSize(Value);
  FBack->SetSize(Value);
  FBottom->SetSize(Value);
}
