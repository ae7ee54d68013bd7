#pragma once
// The concrete bitmap filters a picture's filter list may hold, the hue,
// lightness and saturation conversions they use, the registry of filter
// classes the filter editor offers, the gray-scale shortcut and the
// gradient rotation hook.
//
// Colour and area filters work on the 24-bit row table within the filter's
// area (only invert and gray scale also know 32-bit rows); geometric filters
// work on the whole bitmap and may change its size.

#include <initializer_list>
#include <string>

#include "chart/PlotFilter.h"

class TStringList;
class TCustomPlotGradient;

enum TGrayMethod { gmSimple, gmEye, gmEye2, gmLight };
enum TColorMethod { cmHue, cmLum, cmSat };
enum TMirrorDirection { mdDown, mdUp, mdRight, mdLeft };

// ---------------- hue, lightness, saturation ----------------

// Every component on a scale of 240 (hue 240 is a full turn); colour bytes
// on 255. A grey has hue 160 and saturation 0.
void ColorToHLS(TColor Color, uint16_t& H, uint16_t& L, uint16_t& S);
void RGBToHLS(const TRGB& Color, uint16_t& H, uint16_t& L, uint16_t& S);
void RGBToHLS(const TRGBA& Color, uint16_t& H, uint16_t& L, uint16_t& S);
TColor HLSToColor(uint16_t H, uint16_t L, uint16_t S);
void HLSToRGB(uint16_t H, uint16_t L, uint16_t S, TRGB& Result);
// Alpha becomes 255.
void HLSToRGB(uint16_t H, uint16_t L, uint16_t S, TRGBA& Result);

// ---------------- geometric filters ----------------

class TResizeFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TResizeFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;
  void PrepareForGallery() override;

  int GetWidth() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }

 protected:
  int FWidth = 0, FHeight = 0;
};

// Shows the rectangle (Left, Top, Width, Height) enlarged over the whole
// bitmap, which keeps its size. The copy goes through StretchBlt, so parts
// of the rectangle outside the bitmap stay white.
class TCropFilter : public TResizeFilter {
 public:
  using TPlotFilter::Apply;
  explicit TCropFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;
  void PrepareForGallery() override {}

  int GetLeft() const { return FLeft; }
  void SetLeft(int Value) { FLeft = Value; }
  int GetTop() const { return FTop; }
  void SetTop(int Value) { FTop = Value; }
  bool GetSmooth() const { return FSmooth; }
  void SetSmooth(bool Value) { FSmooth = Value; }

 private:
  int FLeft = 0, FTop = 0;
  bool FSmooth = false;
};

class TTileFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TTileFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;

  int GetNumCols() const { return FNumCols; }
  void SetNumCols(int Value) { FNumCols = Value; }
  int GetNumRows() const { return FNumRows; }
  void SetNumRows(int Value) { FNumRows = Value; }

 private:
  int FNumCols = 3, FNumRows = 3;
};

// Cuts Percent of the area away, half on each side, and enlarges the rest.
class TZoomFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TZoomFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;
  void PrepareForGallery() override;

  double GetPercent() const { return FPercent; }
  void SetPercent(double Value) { FPercent = Value; }
  bool GetSmooth() const { return FSmooth; }
  void SetSmooth(bool Value) { FSmooth = Value; }

 private:
  double FPercent = 10;
  bool FSmooth = false;
};

// Doubles the bitmap with a mirrored copy on the side Direction names.
class TMirrorFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TMirrorFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;

  TMirrorDirection GetDirection() const { return FDirection; }
  void SetDirection(TMirrorDirection Value) { FDirection = Value; }

 private:
  TMirrorDirection FDirection = mdDown;
};

// Turns the whole bitmap clockwise by Angle degrees.
class TRotateFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TRotateFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;
  void PrepareForGallery() override;

  double GetAngle() const { return FAngle; }
  void SetAngle(double Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { FAutoSize = Value; }
  TColor GetBackColor() const { return FBackColor; }
  void SetBackColor(TColor Value) { FBackColor = Value; }

 private:
  double FAngle = 0;
  bool FAutoSize = true;
  TColor FBackColor = clWhite;
};

// ---------------- colour filters ----------------

class TInvertFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TInvertFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

class TGrayScaleFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TGrayScaleFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;

  TGrayMethod GetMethod() const { return FMethod; }
  void SetMethod(TGrayMethod Value) { FMethod = Value; }

 private:
  TGrayMethod FMethod = gmSimple;
};

// A filter with one amount, in percent or in colour steps.
class TAmountFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TAmountFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;

  int GetAmount() const { return FAmount; }
  void SetAmount(int Value) { FAmount = Value; }
  bool GetPercent() const { return FPercent; }
  void SetPercent(bool Value) { FPercent = Value; }
  // The editor scroll bar's range: 0 or -100 / -255 up to 100 / 255.
  int ScrollMin() const;
  int ScrollMax() const;
  // Handler of the editor's Percent check box.
  void ResetScroll(TObject* Sender);

  bool IOnlyPositive = false;
  TFilterScrollBar* FScrollBar = nullptr;

 protected:
  int FAmount = 5;
  bool FPercent = true;
};

// Blocks of Amount pixels (or Amount percent of the smaller side) take the
// mean of their pixels.
class TMosaicFilter : public TAmountFilter {
 public:
  using TPlotFilter::Apply;
  explicit TMosaicFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

class TBrightnessFilter : public TAmountFilter {
 public:
  using TPlotFilter::Apply;
  explicit TBrightnessFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
  void PrepareForGallery() override { FAmount = 30; }
};

class TContrastFilter : public TAmountFilter {
 public:
  using TPlotFilter::Apply;
  explicit TContrastFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
  void PrepareForGallery() override { FAmount = 60; }
};

class TGammaCorrectionFilter : public TAmountFilter {
 public:
  using TPlotFilter::Apply;
  explicit TGammaCorrectionFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

// Adds its amounts to the colour channels.
class TColorFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TColorFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;

  int GetRed() const { return FRed; }
  void SetRed(int Value) { FRed = Value; }
  int GetGreen() const { return FGreen; }
  void SetGreen(int Value) { FGreen = Value; }
  int GetBlue() const { return FBlue; }
  void SetBlue(int Value) { FBlue = Value; }

 private:
  int FRed = 0, FGreen = 0, FBlue = 0;
};

// Pixels whose hue, lightness or saturation lies in FromValue .. ToValue
// take Color.
class TColorReplaceFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TColorReplaceFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  uint8_t GetFromValue() const { return FFromValue; }
  void SetFromValue(uint8_t Value) { FFromValue = Value; }
  TColorMethod GetMethod() const { return FMethod; }
  void SetMethod(TColorMethod Value) { FMethod = Value; }
  uint8_t GetToValue() const { return FToValue; }
  void SetToValue(uint8_t Value) { FToValue = Value; }

 private:
  TColor FColor = clWhite;
  uint8_t FFromValue = 0, FToValue = 0;
  TColorMethod FMethod = cmHue;
};

class THueLumSatFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit THueLumSatFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;

  int GetHue() const { return FHue; }
  void SetHue(int Value) { FHue = Value; }
  int GetLuminance() const { return FLuminance; }
  void SetLuminance(int Value) { FLuminance = Value; }
  int GetSaturation() const { return FSaturation; }
  void SetSaturation(int Value) { FSaturation = Value; }

 private:
  int FHue = 0, FLuminance = 0, FSaturation = 0;
};

class TSepiaFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TSepiaFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

// ---------------- area filters ----------------

// Mirrors the area top to bottom.
class TFlipFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TFlipFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

// Mirrors the area left to right.
class TReverseFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TReverseFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

// Lightened top and left rings, darkened bottom and right ones.
class TBevelFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TBevelFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;

  int GetBright() const { return FBright; }
  void SetBright(int Value) { FBright = Value; }
  int GetSize() const { return FSize; }
  void SetSize(int Value) { FSize = Value; }

 private:
  int FBright = 64, FSize = 15;
};

// Stretches each channel of the area's interior to 0 .. 255.
class TEqualizeFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TEqualizeFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

// Grey edge strength of the area's interior.
class TSobelFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TSobelFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

class TSharpenFilter : public TConvolveFilter {
 public:
  using TPlotFilter::Apply;
  explicit TSharpenFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

class TEmbossFilter : public TConvolveFilter {
 public:
  using TPlotFilter::Apply;
  explicit TEmbossFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

class TSoftenFilter : public TConvolveFilter {
 public:
  using TPlotFilter::Apply;
  explicit TSoftenFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  std::string Description() override;
};

// ---------------- registry, shortcuts, start-up ----------------

// Names of the registered filter classes, in registration order; nil until
// the first registration.
extern TStringList* PlotFilterClasses;

// Lists and registers each class not yet listed.
void PlotRegisterFilters(std::initializer_list<const TClassInfo*> FilterClasses);
// Unlists and unregisters each class.
void PlotUnRegisterFilters(std::initializer_list<const TClassInfo*> FilterClasses);

// Gray scale of the whole bitmap (gmEye when Mode is not 0, else gmSimple),
// then inverted when asked.
void PlotGrayScale(TBitmap* Bitmap, bool Inverted, int Mode);

// Rotates a gradient's bitmap by the gradient's angle unless it has
// 16,777,216 pixels or more.
void PlotRotateGradientBitmap(TCustomPlotGradient* Gradient, TBitmap* Bitmap);

// Registers the 25 filter classes and installs the gradient rotation hook;
// the end clears the hook and the class list. Run by the chart's start-up.
void PlotFiltersUnitStart();
void PlotFiltersUnitEnd();
