#pragma once
// The registry of named colour palettes a chart can take its series
// colours from, filled with the built-in palettes on first use, and the
// base of chart themes.

#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/vcl/Graphics.h"

class TCustomAxisPanel;
class TCustomChart;
class TStrings;

struct TColorPalette {
  std::string Name;
  std::vector<TColor> Colors;
};

class TColorPalettes : public TObject {
 public:
  std::string ClassName() const override { return "TColorPalettes"; }

  // Replaces the colours of the palette of that name (any letter case), or
  // appends a new palette. High is the last index of Colors to take.
  static void RegisterPalette(const std::string& Name, const TColor* Colors, int High);
  static void RegisterPalette(const std::string& Name, const std::vector<TColor>& Colors);
  // Appends "Default" (when AddDefault) and then every palette name.
  static void AddTo(TStrings* Items, bool AddDefault);
  // A copy of the palette's colours; empty for an index outside the registry.
  static std::vector<TColor> GetPalette(int Index);
  // Gives Chart a copy of palette Index (none outside the registry or for
  // palette 0), records Index on a chart control and repaints.
  static void ApplyPalette(TCustomAxisPanel* Chart, int Index);
  // Gives Chart Colors[0..High] as its palette (none for High -1) and
  // recolours its series.
  static void ApplyPalette(TCustomAxisPanel* Chart, const TColor* Colors, int High);

  void Add(const std::string& Name, const TColor* Colors, int High);
  // The palette's colours become Colors[0..High]; High -1 empties it.
  void CopyPalette(int Index, const TColor* Colors, int High);
  int Count() const { return int(IPalettes.size()); }
  // The first palette of that name, any letter case; -1 when none.
  int IndexOf(const std::string& Name) const;
  const std::string& GetName(int Index) const { return IPalettes.at(size_t(Index)).Name; }
  void SetName(int Index, const std::string& Value) { IPalettes.at(size_t(Index)).Name = Value; }
  const std::vector<TColor>& GetColors(int Index) const {
    return IPalettes.at(size_t(Index)).Colors;
  }

 private:
  std::vector<TColorPalette> IPalettes;
};

// The process-wide registry, made and filled with the 23 built-in palettes
// on the first call.
TColorPalettes* ColorPalettes();
// Frees the registry; the next call of ColorPalettes fills a new one.
void FreeColorPalettes();
// The name palette 0 (no colours of its own) is registered under.
extern const char* const PlotDefaultPaletteName;

// A chart theme; the base applies nothing.
class TChartTheme : public TPersistent {
 public:
  explicit TChartTheme(TCustomChart* AChart) : Chart(AChart) {}
  std::string ClassName() const override { return "TChartTheme"; }
  virtual void Apply() {}
  virtual std::string Description();
  virtual void SetDefaultValues() {}

  TCustomChart* Chart;
};
