#pragma once
// The chart font: a framework font with a fractional size, a glyph fill
// (brush with gradient or picture), shadow, emboss, outline, character
// spacing, depth and quality. Sub-objects are made on first read.

#include <memory>
#include <string>

#include "chart/PlotGradient.h"
#include "chart/PlotPen.h"
#include "chart/PlotShadow.h"

// The chart's font quality (scoped: the framework font has its own).
enum class TPlotFontQuality { fqBest, fqNormal, fqDefault, fqClearType };

// The largest font size (in points) the chart draws; larger sizes, from a
// form or an HTML text, are drawn at this size.
inline constexpr int PlotMaxFontSize = 1024;

// The default font, set when the chart library starts ("Arial", 8).
extern std::string GetDefaultFontName;
extern int GetDefaultFontSize;
// Sets the default font from the message texts.
void PlotFontUnitStart();
void PlotFontUnitEnd();

class TPlotFont : public TFont {
 public:
  explicit TPlotFont(TNotifyEvent OnChangeEvent = nullptr);
  ~TPlotFont() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From a chart font: brush, flags, depth, spacing, quality, the three
  // sub-objects (a source without one removes it here) and the fractional
  // size; then the framework font's own values.
  void Assign(TPersistent* Source) override;

  // Colour (and the brush's) and its default, without notification.
  void InitColor(TColor Value);
  void InitStyle(TFontStyles Value);

  float GetSizeFloat() const { return float(GetSize()) + FSizeDecimals; }
  // Sizes beyond PlotMaxFontSize either way are drawn at that size; a size
  // that is no number changes nothing.
  void SetSizeFloat(float Value);
  // The character set the font asks for (1, the default set); Pango picks
  // glyphs by the text itself, so it only travels with the font.
  uint8_t GetCharset() const { return FCharset; }
  void SetCharset(uint8_t Value);
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);
  double GetDepth() const { return FDepth; }
  void SetDepth(double Value);
  int GetInterCharSize() const { return FInterCharSize; }
  void SetInterCharSize(int Value);
  TPlotFontQuality GetPlotQuality() const { return FQuality; }
  void SetPlotQuality(TPlotFontQuality Value);

  TPlotBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TPlotBrush* Value) { FBrush->Assign(Value); }
  TPlotGradient* GetGradient() const { return FBrush->GetGradient(); }
  void SetGradient(TPlotGradient* Value) { FBrush->SetGradient(Value); }
  TPlotPicture* GetPicture() const { return FBrush->GetImage(); }
  void SetPicture(TPlotPicture* Value) { FBrush->SetImage(Value); }
  TPlotHiddenPen* GetOutLine();
  void SetOutLine(TPlotHiddenPen* Value);
  TPlotShadow* GetShadow();
  void SetShadow(TPlotShadow* Value);
  TPlotEmboss* GetEmboss();
  void SetEmboss(TPlotEmboss* Value);
  bool HasOutLine() const { return FOutLine != nullptr; }
  bool HasShadow() const { return FShadow != nullptr; }
  bool HasEmboss() const { return FEmboss != nullptr; }

 private:
  void Notify();
  bool IsHeightStored() const { return GetSize() != GetDefaultFontSize; }
  bool IsColorStored() const { return GetColor() != IDefColor; }
  bool IsNameStored() const { return GetName() != GetDefaultFontName; }
  bool IsSizeFloatStored() const { return FSizeDecimals != 0; }
  bool IsDepthStored() const { return FDepth != 0; }
  bool IsStyleStored() const { return GetStyle() != IDefStyle; }

  std::unique_ptr<TPlotBrush> FBrush;
  float FSizeDecimals = 0;
  bool FDefault = false;
  uint8_t FCharset = 1;
  double FDepth = 0;
  int FInterCharSize = 0;
  std::unique_ptr<TPlotHiddenPen> FOutLine;
  TPlotFontQuality FQuality = TPlotFontQuality::fqDefault;
  TColor IDefColor = clBlack;
  TFontStyles IDefStyle = 0;
  std::unique_ptr<TPlotEmboss> FEmboss;
  std::unique_ptr<TPlotShadow> FShadow;
};
