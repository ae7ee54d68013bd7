#pragma once
// The marks of a series: the text boxes drawn beside its points. The marks
// object is the default look of every box (a text shape), the store of
// per-point boxes and user-placed positions, and the code that draws one box
// with its connector, speech-bubble tail, symbol or picture.

#include <memory>
#include <string>
#include <vector>

#include "chart/Callout.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/TextShape.h"

class TChartSeries;
class TSeriesMarks;
class TStringList;
class TStrings;

enum TSeriesMarksImages { miSymbol, miOnly, miNone };
enum TTailAlign { ttaNear, ttaCenter, ttaFar };
enum TTailEdge { tteLeft, tteTop, tteRight, tteBottom };

// A mark box with its own text style (the marks and their child boxes).
class TSeriesMarkShape : public TCustomTextShape {
 public:
  explicit TSeriesMarkShape(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  TSeriesMarksStyle GetStyle() const { return FMarkerStyle; }
  void SetStyle(TSeriesMarksStyle Value);

  TSeriesMarks* IParent = nullptr;

 protected:
  TSeriesMarksStyle FMarkerStyle = smsLabelOrValue;
};

// Where each point's box went in the last drawing, and the boxes the user
// placed (Custom). Entries may be missing.
class TSeriesMarksPositions {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // Nil past the end or for a missing entry.
  TSeriesMarkPosition* Get(int Index) const;
  // Stores P as the user's position of point Index, growing the list.
  void Put(int Index, const TSeriesMarkPosition& P);
  // Point Index's box follows its point again.
  void Automatic(int Index);
  bool ExistCustom() const;
  // Removes the entries from Index on, as many of Quantity as exist.
  void DeleteMany(int Index, int Quantity);
  void Delete(int Index) { DeleteMany(Index, 1); }
  void Clear() { FItems.clear(); }
  // The entry of Index, made (not custom) when missing.
  TSeriesMarkPosition* Ensure(int Index);
  // Places the box of size Width x Height standing centred on (X, Y).
  void MoveTo(TSeriesMarkPosition& P, int X, int Y);

  TSeriesMarks* IMarks = nullptr;

 private:
  std::vector<std::unique_ptr<TSeriesMarkPosition>> FItems;
};

// The box of one point, when it differs from the marks.
class TMarksItem : public TCustomTextShape {
 public:
  explicit TMarksItem(TCustomPlotPanel* AOwner = nullptr);
  ~TMarksItem() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ChangedText() override;

  // The text as lines, made on first use.
  TStrings* GetTextLines();
  // Nil frees the lines and empties the text; anything else is copied in.
  void SetTextLines(TStrings* Value);

  bool ICustomText = false;

 private:
  std::unique_ptr<TStringList> IText;
  bool ILoading = false;
};

class TMarksItems {
 public:
  explicit TMarksItems(TSeriesMarks* AMarks) : IMarks(AMarks) {}
  int Count() const { return static_cast<int>(FItems.size()); }
  // The item of Index, made as a copy of the marks' look when missing.
  TMarksItem* Get(int Index);
  // Nil past the end or for a missing item.
  TMarksItem* Find(int Index) const;
  void Clear() { FItems.clear(); }
  void Delete(int Index);

  TSeriesMarks* IMarks;
  bool ILoadingCustom = false;

 private:
  std::vector<std::unique_ptr<TMarksItem>> FItems;
};

// The speech-bubble tail on one edge of a box.
class TMarksTail : public TPersistent {
 public:
  explicit TMarksTail(TChartSeries* ASeries = nullptr) : ISeries(ASeries) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // All but the edge and the custom-point flag.
  void Assign(TPersistent* Source) override;

  // The box's outline with the tail: seven points from the top-left corner
  // down the left edge. Auto-aligned, the edge faces the point.
  std::vector<TPoint> GetPoints(const TRect& Box, TPoint From, TPoint To);

  bool GetAutoAlign() const { return FAutoAlign; }
  void SetAutoAlign(bool Value) { Store(FAutoAlign, Value); }
  bool GetCustomPoint() const { return FCustomPoint; }
  void SetCustomPoint(bool Value) { Store(FCustomPoint, Value); }
  TPoint GetCustomPointPos() const { return FCustomPointPos; }
  void SetCustomPointPos(TPoint Value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value) { Store(FHeight, Value); }
  TTailAlign GetAlign() const { return FAlign; }
  void SetAlign(TTailAlign Value) { Store(FAlign, Value); }
  int GetMargin() const { return FMargin; }
  void SetMargin(int Value) { FMargin = Value; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value) { Store(FVisible, Value); }
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value) { Store(FWidth, Value); }
  TTailEdge GetEdge() const { return FEdge; }
  void SetEdge(TTailEdge Value) { Store(FEdge, Value); }

 private:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Repaint();
  }
  void Repaint();

  bool FAutoAlign = true;
  bool FCustomPoint = false;
  TPoint FCustomPointPos{0, 0};
  int FHeight = 8;
  TTailAlign FAlign = ttaCenter;
  int FMargin = 0;
  bool FVisible = false;
  int FWidth = 8;
  TTailEdge FEdge = tteBottom;
  TChartSeries* ISeries;
};

class TSeriesMarks : public TSeriesMarkShape {
 public:
  explicit TSeriesMarks(TChartSeries* ASeries);
  ~TSeriesMarks() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  void SetParent(TCustomPlotPanel* Value) override;
  TPlotCustomShapeClass GetChildClass() const override;

  // ---- what the series and the chart ask
  void Clear();
  void Delete(int ValueIndex);
  void ResetPositions();
  int Clicked(int X, int Y);
  int Clicked(TPoint P) { return Clicked(P.X, P.Y); }
  int CalcEvery() const;
  void UsePosition(int Index, TSeriesMarkPosition& Position);
  bool AntiOverlap(int First, int ValueIndex, TSeriesMarkPosition& Position);
  TRect TotalBounds(int ValueIndex, const TSeriesMarkPosition& Position);
  TPoint ConvertTo2D(TPoint ArrowTo, TPoint LeftTop) const;
  void DrawItem(TCustomTextShape* Shape, TColor AColor, TSeriesMarkPosition& Position,
                const std::string& Text);
  void InternalDraw(int Index, TColor AColor, TSeriesMarkPosition& Position,
                    const std::string& Text);
  // Point Index's own box, or the marks themselves.
  TCustomTextShape* MarkItem(int ValueIndex) const;
  int TextWidth(int ValueIndex);
  void ApplyArrowLength(TSeriesMarkPosition* Position);
  TMarksItem* GetItem(int Index) { return FItems->Get(Index); }

  // ---- settings
  int GetAngle() const { return FAngle; }
  void SetAngle(int Value) { StoreSeries(FAngle, Value); }
  TPlotPen* GetArrow() { return GetCallout()->GetArrow(); }
  void SetArrow(TPlotPen* Value) { GetCallout()->SetArrow(Value); }
  int GetArrowLength() { return GetCallout()->GetLength(); }
  void SetArrowLength(int Value) { GetCallout()->SetLength(Value); }
  bool GetAutoPosition() const { return FAutomatic->GetMove(); }
  void SetAutoPosition(bool Value) { FAutomatic->SetMove(Value); }
  TAutomaticText* GetAutomatic() const { return FAutomatic.get(); }
  TColor GetBackColor() const { return GetColor(); }
  void SetBackColor(TColor Value) { SetColor(Value); }
  TMarksCallout* GetCallout();
  TMarksCallout* CalloutIfAny() const { return FCallout.get(); }
  bool HasCallout() const { return FCallout != nullptr; }
  void SetCallout(TMarksCallout* Value);
  bool GetClip() const { return FClip; }
  void SetClip(bool Value) { StoreSeries(FClip, Value); }
  int GetDrawEvery() const { return FDrawEvery; }
  void SetDrawEvery(int Value) { StoreSeries(FDrawEvery, Value); }
  bool GetFontSeriesColor() const { return FFontSeriesColor; }
  void SetFontSeriesColor(bool Value) { StoreSeries(FFontSeriesColor, Value); }
  TMarksItems* GetItems() const { return FItems.get(); }
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value) { StoreSeries(FMultiLine, Value); }
  bool GetOnTop() const { return FOnTop; }
  void SetOnTop(bool Value) { StoreSeries(FOnTop, Value); }
  TSeriesMarksPositions* GetPositions() const { return FPositions.get(); }
  bool GetSoftClip() const { return FSoftClip; }
  void SetSoftClip(bool Value) { StoreSeries(FSoftClip, Value); }
  TSeriesMarksSymbol* GetSymbol();
  TSeriesMarksSymbol* SymbolIfAny() const { return FSymbol.get(); }
  bool HasSymbol() const { return FSymbol != nullptr; }
  void SetSymbol(TSeriesMarksSymbol* Value);
  TMarksTail* GetTail();
  TMarksTail* TailIfAny() const { return FTail.get(); }
  bool HasTail() const { return FTail != nullptr; }
  void SetTail(TMarksTail* Value);
  TAlignment GetTextAlign() const { return GetTextAlignment(); }
  void SetTextAlign(TAlignment Value) { SetTextAlignment(Value); }
  TSeriesMarksImages GetUseImages() const { return FUseImages; }
  void SetUseImages(TSeriesMarksImages Value) { StoreSeries(FUseImages, Value); }
  bool GetUseSeriesTransparency() const { return FUseSeriesTransparency; }
  void SetUseSeriesTransparency(bool Value) { StoreSeries(FUseSeriesTransparency, Value); }
  int GetZPosition() const { return FZPosition; }
  void SetZPosition(int Value) { FZPosition = Value; }
  TChartSeries* GetSeries() const { return FSeries; }

 private:
  template <class T>
  void StoreSeries(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    RepaintSeries();
  }
  void RepaintSeries();
  TCanvas3D* Canvas() const;
  void DrawSymbol(TColor AColor, const TRect& R);
  void ReadItems(TStream* Stream);
  void WriteItems(TStream* Stream);

  int FAngle = 0;
  std::unique_ptr<TAutomaticText> FAutomatic;
  std::unique_ptr<TMarksCallout> FCallout;
  bool FClip = false;
  int FDrawEvery = 1;
  bool FFontSeriesColor = false;
  std::unique_ptr<TMarksItems> FItems;
  bool FMultiLine = false;
  bool FOnTop = false;
  std::unique_ptr<TSeriesMarksPositions> FPositions;
  TSeriesMarksImages FUseImages = miSymbol;
  bool FUseSeriesTransparency = true;
  TChartSeries* FSeries;
  bool FSoftClip = false;
  std::unique_ptr<TSeriesMarksSymbol> FSymbol;
  std::unique_ptr<TMarksTail> FTail;
  int FZPosition = 0;
};
