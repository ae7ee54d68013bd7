// Filters that change each pixel of the area on its own: invert, gray
// scale, brightness, contrast, gamma, colour, colour replacer, hue /
// lightness / saturation and sepia.

#include <array>

#include "chart/PlotConst.h"
#include "chart/PlotFilters.h"
#include "chart/PlotFiltersCommon.h"
#include "chart/PlotGeometry.h"
#include "platform/rtl/RttiDecl.h"

using plot_filters::Clamp255;
using plot_filters::ClipArea;
using plot_filters::ForEachPixel;
using plot_filters::N;

namespace {

const TEnumInfo& GrayMethodInfo() {
  static const TEnumInfo info("TGrayMethod", {"gmSimple", "gmEye", "gmEye2", "gmLight"});
  return info;
}

const TEnumInfo& ColorMethodInfo() {
  static const TEnumInfo info("TColorMethod", {"cmHue", "cmLum", "cmSat"});
  return info;
}

// Every colour byte of the area through Fn(value) -> new value.
template <class Fn>
void EachChannel(const TRGBArray& Lines, const TRect& R, Fn fn) {
  ForEachPixel(Lines, R, [&](TRGB& p) {
    p.Blue = fn(p.Blue);
    p.Green = fn(p.Green);
    p.Red = fn(p.Red);
  });
}

}  // namespace

// ---------------- invert ----------------

const TClassInfo* TInvertFilter::Class() {
  static const TClassInfo* info = TClassDecl<TInvertFilter>("TInvertFilter", TPlotFilter::Class());
  return info;
}

TInvertFilter::TInvertFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TInvertFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  if (RGBA) {
    ForEachPixel(LinesRGBA, a, [](TRGBA& p) {
      p.Red = 255 - p.Red;
      p.Green = 255 - p.Green;
      p.Blue = 255 - p.Blue;
    });
    return;
  }
  EachChannel(Lines, a, [](uint8_t v) { return uint8_t(255 - v); });
}

std::string TInvertFilter::Description() { return PlotMsg_Invert; }

// ---------------- gray scale ----------------

const TClassInfo* TGrayScaleFilter::Class() {
  using F = TGrayScaleFilter;
  static const TClassInfo* info =
      TClassDecl<F>("TGrayScaleFilter", TPlotFilter::Class())
          .Enum("Method", &F::GetMethod, &F::SetMethod, GrayMethodInfo())
          .Default(gmSimple);
  return info;
}

TGrayScaleFilter::TGrayScaleFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TGrayScaleFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TGrayScaleFilter*>(Source)) FMethod = source->FMethod;
  TPlotFilter::Assign(Source);
}

namespace {

uint8_t Grey(TGrayMethod Method, int R, int G, int B) {
  switch (Method) {
    case gmEye:
      return Clamp255(N(0.299 * R + 0.587 * G + 0.114 * B));
    case gmEye2:
      return uint8_t((11 * R + 16 * G + 5 * B) >> 5);
    case gmLight:
      return uint8_t((std::max({R, G, B}) + std::min({R, G, B})) >> 1);
    case gmSimple:
      break;
  }
  return uint8_t((R + G + B) / 3);
}

}  // namespace

void TGrayScaleFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  if (RGBA) {
    ForEachPixel(LinesRGBA, a, [&](TRGBA& p) {
      p.Red = p.Green = p.Blue = Grey(FMethod, p.Red, p.Green, p.Blue);
    });
    return;
  }
  ForEachPixel(Lines, a,
               [&](TRGB& p) { p.Red = p.Green = p.Blue = Grey(FMethod, p.Red, p.Green, p.Blue); });
}

void TGrayScaleFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (Creator) Creator->AddChoice("Method");
}

std::string TGrayScaleFilter::Description() { return PlotMsg_GrayScale; }

// ---------------- amount ----------------

const TClassInfo* TAmountFilter::Class() {
  using F = TAmountFilter;
  static const TClassInfo* info = TClassDecl<F>("TAmountFilter", TPlotFilter::Class())
                                      .Prop("Percent", &F::GetPercent, &F::SetPercent)
                                      .Default(1)
                                      .Prop("Amount", &F::GetAmount, &F::SetAmount)
                                      .Default(5);
  return info;
}

TAmountFilter::TAmountFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TAmountFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TAmountFilter*>(Source)) {
    FAmount = source->FAmount;
    FPercent = source->FPercent;
  }
  TPlotFilter::Assign(Source);
}

int TAmountFilter::ScrollMin() const {
  if (IOnlyPositive) return 0;
  return FPercent ? -100 : -255;
}

int TAmountFilter::ScrollMax() const { return FPercent ? 100 : 255; }

void TAmountFilter::ResetScroll(TObject* /*Sender*/) {
  if (FScrollBar) FScrollBar->SetMinMax(ScrollMin(), ScrollMax());
}

void TAmountFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  FScrollBar = Creator->AddScroll("Amount", ScrollMin(), ScrollMax());
  Creator->AddCheckBox("Percent", PlotMsg_Percent,
                       [this](TObject* Sender) { ResetScroll(Sender); });
}

// ---------------- brightness ----------------

const TClassInfo* TBrightnessFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TBrightnessFilter>("TBrightnessFilter", TAmountFilter::Class());
  return info;
}

TBrightnessFilter::TBrightnessFilter(TCollection* ACollection) : TAmountFilter(ACollection) {}

void TBrightnessFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  if (FAmount == 0) return;
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  const float f = float(FAmount) * 0.01f;
  const int d = FPercent ? N(255.0f * f) : FAmount;
  EachChannel(Lines, a, [d](uint8_t v) { return Clamp255(v + d); });
}

std::string TBrightnessFilter::Description() { return PlotMsg_Brightness; }

// ---------------- contrast ----------------

const TClassInfo* TContrastFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TContrastFilter>("TContrastFilter", TAmountFilter::Class());
  return info;
}

TContrastFilter::TContrastFilter(TCollection* ACollection) : TAmountFilter(ACollection) {}

void TContrastFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  if (FPercent) {
    const float f = float(FAmount) * 0.01f;
    EachChannel(Lines, a, [f](uint8_t v) {
      long long product = (long long)N(float(v) * f) * (v - 128);
      return Clamp255(v + product / 256);
    });
    return;
  }
  const int amount = FAmount;
  EachChannel(Lines, a, [amount](uint8_t v) { return Clamp255(v + (amount * (v - 128)) / 256); });
}

std::string TContrastFilter::Description() { return PlotMsg_Contrast; }

// ---------------- gamma ----------------

const TClassInfo* TGammaCorrectionFilter::Class() {
  static const TClassInfo* info =
      TClassDecl<TGammaCorrectionFilter>("TGammaCorrectionFilter", TAmountFilter::Class())
          .Prop("Amount", &TAmountFilter::GetAmount, &TAmountFilter::SetAmount)
          .Default(70);
  return info;
}

TGammaCorrectionFilter::TGammaCorrectionFilter(TCollection* ACollection)
    : TAmountFilter(ACollection) {
  FAmount = 70;
  IOnlyPositive = true;
}

void TGammaCorrectionFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  const float amount = float(std::abs(FAmount));
  const float g = std::max(0.001f, FPercent ? amount * 0.01f : amount / 255.0f);
  std::array<uint8_t, 256> table{};
  for (int i = 1; i < 256; ++i)
    table[size_t(i)] = Clamp255(N(255.0 * std::exp(std::log(i / 255.0) / double(g))));
  EachChannel(Lines, a, [&table](uint8_t v) { return table[v]; });
}

std::string TGammaCorrectionFilter::Description() { return PlotMsg_GammaCorrection; }

// ---------------- colour ----------------

const TClassInfo* TColorFilter::Class() {
  using F = TColorFilter;
  static const TClassInfo* info = TClassDecl<F>("TColorFilter", TPlotFilter::Class())
                                      .Prop("Blue", &F::GetBlue, &F::SetBlue)
                                      .Default(0)
                                      .Prop("Green", &F::GetGreen, &F::SetGreen)
                                      .Default(0)
                                      .Prop("Red", &F::GetRed, &F::SetRed)
                                      .Default(0);
  return info;
}

TColorFilter::TColorFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TColorFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TColorFilter*>(Source)) {
    FRed = source->FRed;
    FGreen = source->FGreen;
    FBlue = source->FBlue;
  }
  TPlotFilter::Assign(Source);
}

void TColorFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  if (FRed == 0 && FGreen == 0 && FBlue == 0) return;
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  ForEachPixel(Lines, a, [this](TRGB& p) {
    if (FRed != 0) p.Red = Clamp255(p.Red + FRed);
    if (FGreen != 0) p.Green = Clamp255(p.Green + FGreen);
    if (FBlue != 0) p.Blue = Clamp255(p.Blue + FBlue);
  });
}

void TColorFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  for (const char* name : {"Red", "Green", "Blue"}) Creator->AddScroll(name, -255, 255);
}

std::string TColorFilter::Description() { return PlotMsg_Color; }

// ---------------- colour replacer ----------------

const TClassInfo* TColorReplaceFilter::Class() {
  using F = TColorReplaceFilter;
  static const TClassInfo* info =
      TClassDecl<F>("TColorReplaceFilter", TPlotFilter::Class())
          .Prop("Color", &F::GetColor, &F::SetColor)
          .Default(clWhite)
          .Prop("FromValue", &F::GetFromValue, &F::SetFromValue)
          .Default(0)
          .Enum("Method", &F::GetMethod, &F::SetMethod, ColorMethodInfo())
          .Default(cmHue)
          .Prop("ToValue", &F::GetToValue, &F::SetToValue)
          .Default(0);
  return info;
}

TColorReplaceFilter::TColorReplaceFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TColorReplaceFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TColorReplaceFilter*>(Source)) {
    FColor = source->FColor;
    FFromValue = source->FFromValue;
    FMethod = source->FMethod;
    FToValue = source->FToValue;
  }
  TPlotFilter::Assign(Source);
}

void TColorReplaceFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  const TRGB color = RGBValue(FColor);
  ForEachPixel(Lines, a, [&](TRGB& p) {
    uint16_t hls[3];
    RGBToHLS(p, hls[0], hls[1], hls[2]);
    const uint16_t value = hls[FMethod];
    if (FFromValue <= value && value <= FToValue) p = color;
  });
}

void TColorReplaceFilter::CreateEditor(TFilterEditorCreator* Creator,
                                       const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  Creator->AddChoice("Method");
  Creator->AddScroll("FromValue", 0, 255);
  Creator->AddScroll("ToValue", 0, 255);
  Creator->AddColor("Color", PlotMsg_Color);
}

std::string TColorReplaceFilter::Description() { return PlotMsg_ColorReplacer; }

// ---------------- hue, lightness, saturation ----------------

const TClassInfo* THueLumSatFilter::Class() {
  using F = THueLumSatFilter;
  static const TClassInfo* info = TClassDecl<F>("THueLumSatFilter", TPlotFilter::Class())
                                      .Prop("Hue", &F::GetHue, &F::SetHue)
                                      .Default(0)
                                      .Prop("Luminance", &F::GetLuminance, &F::SetLuminance)
                                      .Default(0)
                                      .Prop("Saturation", &F::GetSaturation, &F::SetSaturation)
                                      .Default(0);
  return info;
}

THueLumSatFilter::THueLumSatFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void THueLumSatFilter::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<THueLumSatFilter*>(Source)) {
    FHue = source->FHue;
    FLuminance = source->FLuminance;
    FSaturation = source->FSaturation;
  }
  TPlotFilter::Assign(Source);
}

void THueLumSatFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  if (FHue == 0 && FLuminance == 0 && FSaturation == 0) return;
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  auto add = [](uint16_t& v, int amount) {
    if (amount != 0) v = uint16_t(std::clamp(v + amount, 0, 255));
  };
  ForEachPixel(Lines, a, [&](TRGB& p) {
    uint16_t h, l, s;
    RGBToHLS(p, h, l, s);
    add(h, FHue);
    add(l, FLuminance);
    add(s, FSaturation);
    HLSToRGB(h, l, s, p);
  });
}

void THueLumSatFilter::CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) {
  TPlotFilter::CreateEditor(Creator, AChanged);
  if (!Creator) return;
  for (const char* name : {"Hue", "Luminance", "Saturation"}) Creator->AddScroll(name, -255, 255);
}

std::string THueLumSatFilter::Description() { return PlotMsg_HueLumSat; }

// ---------------- sepia ----------------

const TClassInfo* TSepiaFilter::Class() {
  static const TClassInfo* info = TClassDecl<TSepiaFilter>("TSepiaFilter", TPlotFilter::Class());
  return info;
}

TSepiaFilter::TSepiaFilter(TCollection* ACollection) : TPlotFilter(ACollection) {}

void TSepiaFilter::Apply(TBitmap* Bitmap, const TRect& R) {
  TPlotFilter::Apply(Bitmap, R);
  TRect a = R;
  if (Empty() || !ClipArea(a, Bitmap)) return;
  ForEachPixel(Lines, a, [](TRGB& p) {
    const double r = p.Red, g = p.Green, b = p.Blue;
    p.Red = Clamp255(N(0.393 * r + 0.769 * g + 0.189 * b));
    p.Green = Clamp255(N(0.349 * r + 0.686 * g + 0.168 * b));
    p.Blue = Clamp255(N(0.272 * r + 0.534 * g + 0.131 * b));
  });
}

std::string TSepiaFilter::Description() { return PlotMsg_Sepia; }
