#include "chart/PlotFont.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/PlotConst.h"
#include "platform/rtl/RttiDecl.h"

std::string GetDefaultFontName = "Arial";
int GetDefaultFontSize = 8;

void PlotFontUnitStart() {
  GetDefaultFontName = PlotMsg_DefaultFontName;
  GetDefaultFontSize = std::atoi(PlotMsg_DefaultFontSize.c_str());
}

void PlotFontUnitEnd() { GetDefaultFontName.clear(); }

namespace {
const TEnumInfo& QualityInfo() {
  static const TEnumInfo info("TFontQuality", {"fqBest", "fqNormal", "fqDefault", "fqClearType"});
  return info;
}
const TEnumInfo& StyleInfo() { return *TFont::Class()->FindProperty("Style")->EnumType; }
}  // namespace

const TClassInfo* TPlotFont::Class() {
  using F = TPlotFont;
  static const TClassInfo* info =
      TClassDecl<F>("TPlotFont", TFont::Class())
          .Prop("DefaultFont", &F::GetDefault, &F::SetDefault)
          .Default(0)
          .Prop("Charset", &F::GetCharset, &F::SetCharset)
          .Default(1)
          .Prop("Height", &F::GetHeight, &F::SetHeight)
          .Stored(&F::IsHeightStored)
          .Prop("Color", &F::GetColor, &F::SetColor)
          .Stored(&F::IsColorStored)
          .Prop("Name", &F::GetName, &F::SetName)
          .Stored(&F::IsNameStored)
          .Prop("SizeFloat", &F::GetSizeFloat, &F::SetSizeFloat)
          .Stored(&F::IsSizeFloatStored)
          .Prop("Brush", &F::GetBrush, &F::SetBrush)
          .Prop("Depth", &F::GetDepth, &F::SetDepth)
          .Stored(&F::IsDepthStored)
          .Prop("Emboss", &F::GetEmboss, &F::SetEmboss)
          .Prop("Gradient", &F::GetGradient, &F::SetGradient)
          .Stored(false)
          .Prop("InterCharSize", &F::GetInterCharSize, &F::SetInterCharSize)
          .Default(0)
          .Prop("OutLine", &F::GetOutLine, &F::SetOutLine)
          .Prop("Picture", &F::GetPicture, &F::SetPicture)
          .Stored(false)
          .Enum("Quality", &F::GetPlotQuality, &F::SetPlotQuality, QualityInfo())
          .Default(int(TPlotFontQuality::fqDefault))
          .Prop("Shadow", &F::GetShadow, &F::SetShadow)
          .Set("Style", &F::GetStyle, &F::SetStyle, StyleInfo())
          .Stored(&F::IsStyleStored);
  return info;
}

TPlotFont::TPlotFont(TNotifyEvent OnChangeEvent) : FBrush(std::make_unique<TPlotBrush>()) {
  InitColor(clBlack);
  SetSize(GetDefaultFontSize);
  SetName(GetDefaultFontName);
  OnChange = OnChangeEvent;
  FBrush->OnChange = std::move(OnChangeEvent);
}

TPlotFont::~TPlotFont() = default;

void TPlotFont::Notify() {
  if (OnChange) OnChange(this);
}

void TPlotFont::InitColor(TColor Value) {
  FBrush->InitColor(Value);
  TNotifyEvent saved = std::move(OnChange);
  OnChange = nullptr;
  SetColor(Value);
  IDefColor = Value;
  OnChange = std::move(saved);
}

void TPlotFont::InitStyle(TFontStyles Value) {
  TNotifyEvent saved = std::move(OnChange);
  OnChange = nullptr;
  SetStyle(Value);
  IDefStyle = Value;
  OnChange = std::move(saved);
}

void TPlotFont::SetSizeFloat(float Value) {
  if (std::isnan(Value)) return;
  Value = std::clamp(Value, -float(PlotMaxFontSize), float(PlotMaxFontSize));
  if (Value == GetSizeFloat()) return;
  float n = std::floor(Value);
  FSizeDecimals = Value - n;
  SetSize(int(n));
}

void TPlotFont::SetCharset(uint8_t Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Notify();
}

void TPlotFont::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  Notify();
}

void TPlotFont::SetDepth(double Value) {
  if (Value == FDepth) return;
  FDepth = Value;
  Notify();
}

void TPlotFont::SetInterCharSize(int Value) {
  if (Value == FInterCharSize) return;
  FInterCharSize = Value;
  Notify();
}

void TPlotFont::SetPlotQuality(TPlotFontQuality Value) {
  if (Value == FQuality) return;
  FQuality = Value;
  Notify();
}

TPlotHiddenPen* TPlotFont::GetOutLine() {
  if (!FOutLine) FOutLine = std::make_unique<TPlotHiddenPen>(OnChange);
  return FOutLine.get();
}

void TPlotFont::SetOutLine(TPlotHiddenPen* Value) {
  if (!Value)
    FOutLine.reset();
  else if (Value != FOutLine.get())
    GetOutLine()->Assign(Value);
}

TPlotShadow* TPlotFont::GetShadow() {
  if (!FShadow) FShadow = std::make_unique<TPlotShadow>(OnChange);
  return FShadow.get();
}

void TPlotFont::SetShadow(TPlotShadow* Value) {
  if (!Value)
    FShadow.reset();
  else if (Value != FShadow.get())
    GetShadow()->Assign(Value);
}

TPlotEmboss* TPlotFont::GetEmboss() {
  if (!FEmboss) FEmboss = std::make_unique<TPlotEmboss>(OnChange);
  return FEmboss.get();
}

void TPlotFont::SetEmboss(TPlotEmboss* Value) {
  if (!Value)
    FEmboss.reset();
  else if (Value != FEmboss.get())
    GetEmboss()->Assign(Value);
}

void TPlotFont::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TPlotFont*>(Source)) {
    FBrush->Assign(s->FBrush.get());
    FDefault = s->FDefault;
    FCharset = s->FCharset;
    FDepth = s->FDepth;
    SetEmboss(s->FEmboss.get());
    FInterCharSize = s->FInterCharSize;
    SetOutLine(s->FOutLine.get());
    FQuality = s->FQuality;
    SetShadow(s->FShadow.get());
    FSizeDecimals = s->FSizeDecimals;
  }
  TFont::Assign(Source);
}
