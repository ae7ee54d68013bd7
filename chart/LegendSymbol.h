#pragma once
// The parts of a legend: the coloured symbol in front of each item and how
// it paints a plain one (TLegendSymbol), the record of what was drawn for
// each item, which the user may replace with texts, places and fonts of
// their own (TLegendItem, TLegendItems), and the optional title above the
// items (TLegendTitle).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartTitle.h"
#include "chart/PlotPen.h"
#include "chart/PlotShadow.h"

class TChartSeries;
class TCustomChartLegend;
class TCustomPlotPanel;
class TPlotGradient;

enum TLegendSymbolSize { lcsPercent, lcsPixels };
enum TLegendSymbolPosition { spLeft, spRight };

using TSymbolDrawEvent =
    std::function<void(TObject* Sender, TChartSeries* Series, int ValueIndex, const TRect& R)>;
// The legend's item height, for symbols sized in percent of it.
using TSymbolCalcHeight = std::function<int()>;

class TLegendSymbol : public TPersistent {
 public:
  // Legend: the legend the symbol belongs to (its vertical spacing narrows
  // squared symbols); Parent: the chart repainted on change.
  explicit TLegendSymbol(TCustomChartLegend* Legend = nullptr, TCustomPlotPanel* Parent = nullptr);
  ~TLegendSymbol() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Every setting of another symbol but DefaultPen; nothing from others.
  void Assign(TPersistent* Source) override;

  // Symbol height in pixels for the current item height.
  int CalcHeight() const;
  // Symbol width in pixels for an item text TextWidth pixels wide.
  int CalcWidth(int TextWidth) const;
  // Paints a plain symbol of AColor into R on the parent's canvas.
  void Draw(TColor AColor, const TRect& R);
  // Invalidates the parent chart; nothing without one.
  void Repaint();

  bool GetContinuous() const { return FContinuous; }
  void SetContinuous(bool Value) { Store(FContinuous, Value); }
  bool GetDefaultPen() const { return FDefaultPen; }
  void SetDefaultPen(bool Value) { Store(FDefaultPen, Value); }
  TPlotEmboss* GetEmboss() const { return FEmboss.get(); }
  void SetEmboss(TPlotEmboss* Value) { FEmboss->Assign(Value); }
  TPlotGradient* GetGradient() const { return FGradient.get(); }
  void SetGradient(TPlotGradient* Value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value) { StoreSize(FHeight, Value); }
  TLegendSymbolSize GetHeightUnits() const { return FHeightUnits; }
  void SetHeightUnits(TLegendSymbolSize Value) { Store(FHeightUnits, Value); }
  TPlotPen* GetPen() const { return FPen.get(); }
  void SetPen(TPlotPen* Value) { FPen->Assign(Value); }
  TLegendSymbolPosition GetPosition() const { return FPosition; }
  void SetPosition(TLegendSymbolPosition Value) { Store(FPosition, Value); }
  TPlotShadow* GetShadow() const { return FShadow.get(); }
  void SetShadow(TPlotShadow* Value) { FShadow->Assign(Value); }
  bool GetSquared() const { return FSquared; }
  void SetSquared(bool Value) { Store(FSquared, Value); }
  bool GetUseImages() const { return FUseImages; }
  void SetUseImages(bool Value) { Store(FUseImages, Value); }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value) { Store(FVisible, Value); }
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value) { StoreSize(FWidth, Value); }
  TLegendSymbolSize GetWidthUnits() const { return FWidthUnits; }
  void SetWidthUnits(TLegendSymbolSize Value) { Store(FWidthUnits, Value); }
  TCustomPlotPanel* GetParent() const { return Parent; }

  TSymbolDrawEvent OnDraw;
  TSymbolCalcHeight CalcItemHeight;
  TCustomPlotPanel* Parent;

 private:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Repaint();
  }
  void StoreSize(int& Field, int Value);
  // Shadow and emboss under R, keeping the canvas brush.
  void DrawEffects(const TRect& R);

  bool FContinuous = false;
  bool FDefaultPen = true;
  std::unique_ptr<TPlotEmboss> FEmboss;
  std::unique_ptr<TPlotGradient> FGradient;
  int FHeight = 100;
  TLegendSymbolSize FHeightUnits = lcsPercent;
  std::unique_ptr<TPlotPen> FPen;
  TLegendSymbolPosition FPosition = spLeft;
  std::unique_ptr<TPlotShadow> FShadow;
  bool FSquared = true;
  bool FUseImages = true;
  bool FVisible = true;
  int FWidth = 20;
  TLegendSymbolSize FWidthUnits = lcsPercent;
  TCustomChartLegend* ILegend;
};

// What the legend drew for one item; setting a text, the alignment or a
// place makes the legend's items the user's (custom).
class TLegendItem : public TPersistent {
 public:
  explicit TLegendItem(TCustomChartLegend* Legend = nullptr) : ILegend(Legend) {}
  ~TLegendItem() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  int GetAlign() const { return FAlign; }
  void SetAlign(int Value);
  int GetLeft() const { return FLeft; }
  void SetLeft(int Value);
  int GetTop() const { return FTop; }
  void SetTop(int Value);
  const std::string& GetText() const { return FText; }
  void SetText(const std::string& Value) { SetTextOf(FText, Value); }
  const std::string& GetText2() const { return FText2; }
  void SetText2(const std::string& Value) { SetTextOf(FText2, Value); }
  const std::string& GetText3() const { return FText3; }
  void SetText3(const std::string& Value) { SetTextOf(FText3, Value); }
  // The item's own font, made on first read as a copy of the legend font.
  TPlotFont* GetFont();
  // Nil drops the item's own font; anything else is copied into it.
  void SetFont(TPlotFont* Value);
  bool HasFont() const { return FFont != nullptr; }

  // Written by the drawing, without marking anything custom.
  int FAlign = 0;
  std::unique_ptr<TPlotFont> FFont;
  int FLeft = 0;
  TRect FSymbol;
  std::string FText, FText2, FText3;
  int FTop = 0;
  TCustomChartLegend* ILegend;

 private:
  void SetTextOf(std::string& Field, const std::string& Value);
  // Custom texts (and, with Positions, custom places) on the legend.
  void MarkCustom(bool Positions);
  void RepaintLegend();
};

// The legend's items by index; entries may be nil until asked for.
class TLegendItems {
 public:
  explicit TLegendItems(TCustomChartLegend* Legend = nullptr) : ILegend(Legend) {}
  ~TLegendItems() { ClearItems(); }
  TLegendItems(const TLegendItems&) = delete;
  TLegendItems& operator=(const TLegendItems&) = delete;

  // Grows the list with nil entries up to Index and makes the item there.
  TLegendItem* GetItem(int Index);
  TLegendItem* operator[](int Index) { return GetItem(Index); }
  int Count() const { return static_cast<int>(FItems.size()); }
  // The entry at Index, nil when absent.
  TLegendItem* Peek(int Index) const;
  void ClearItems() { FItems.clear(); }
  // ClearItems, then a repaint of the legend.
  void Clear();

  bool GetCustom() const { return FCustom; }
  void SetCustom(bool Value);
  bool GetCustomPosition() const { return FCustomPosition; }
  void SetCustomPosition(bool Value);

 private:
  void RepaintLegend();
  std::vector<std::unique_ptr<TLegendItem>> FItems;
  bool FCustom = false;
  bool FCustomPosition = false;
  TCustomChartLegend* ILegend;
};

// The title above the legend items: flat, transparent, bold.
class TLegendTitle : public TStringsShape {
 public:
  explicit TLegendTitle(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The lines of another title, then position and text shape.
  void Assign(TPersistent* Source) override;
  void InitShadow(TPlotShadow* Shadow) override;
  void InitEmboss(TPlotEmboss* Emboss) override;
};
