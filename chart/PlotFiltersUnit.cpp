// The filter class list the filter editor offers, the gray-scale shortcut,
// the gradient rotation hook and the filters' start and end.

#include "chart/PlotFilters.h"
#include "chart/PlotGradient.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/StringList.h"

TStringList* PlotFilterClasses = nullptr;

void PlotRegisterFilters(std::initializer_list<const TClassInfo*> FilterClasses) {
  if (!PlotFilterClasses) PlotFilterClasses = new TStringList;
  for (const TClassInfo* c : FilterClasses) {
    if (!c || PlotFilterClasses->IndexOf(c->Name()) >= 0) continue;
    PlotFilterClasses->Add(c->Name());
    RegisterClass(c);
  }
}

void PlotUnRegisterFilters(std::initializer_list<const TClassInfo*> FilterClasses) {
  if (!PlotFilterClasses) return;
  for (const TClassInfo* c : FilterClasses) {
    if (!c) continue;
    const int at = PlotFilterClasses->IndexOf(c->Name());
    if (at >= 0) PlotFilterClasses->Delete(at);
    UnRegisterClass(c);
  }
}

void PlotGrayScale(TBitmap* Bitmap, bool Inverted, int Mode) {
  TGrayScaleFilter grey;
  grey.SetMethod(Mode != 0 ? gmEye : gmSimple);
  grey.Apply(Bitmap);
  if (Inverted) TInvertFilter().Apply(Bitmap);
}

void PlotRotateGradientBitmap(TCustomPlotGradient* Gradient, TBitmap* Bitmap) {
  if (!Gradient || !Bitmap) return;
  const long long pixels = (long long)Bitmap->GetWidth() * Bitmap->GetHeight();
  if (pixels >= (1LL << 24)) return;  // too large to turn in memory
  TRotateFilter rotate;
  rotate.SetAngle(Gradient->GetAngle());
  rotate.Apply(Bitmap);
}

void PlotFiltersUnitStart() {
  PlotRegisterFilters({TInvertFilter::Class(),
                       TGrayScaleFilter::Class(),
                       TMosaicFilter::Class(),
                       TFlipFilter::Class(),
                       TReverseFilter::Class(),
                       TBrightnessFilter::Class(),
                       TContrastFilter::Class(),
                       TColorFilter::Class(),
                       TColorReplaceFilter::Class(),
                       THueLumSatFilter::Class(),
                       TBlurFilter::Class(),
                       TSharpenFilter::Class(),
                       TGammaCorrectionFilter::Class(),
                       TEmbossFilter::Class(),
                       TSoftenFilter::Class(),
                       TCropFilter::Class(),
                       TResizeFilter::Class(),
                       TRotateFilter::Class(),
                       TMirrorFilter::Class(),
                       TTileFilter::Class(),
                       TBevelFilter::Class(),
                       TEqualizeFilter::Class(),
                       TZoomFilter::Class(),
                       TSobelFilter::Class(),
                       TSepiaFilter::Class()});
  PlotGradientRotate = PlotRotateGradientBitmap;
}

void PlotFiltersUnitEnd() {
  PlotGradientRotate = nullptr;
  delete PlotFilterClasses;
  PlotFilterClasses = nullptr;
}
