#pragma once
// The small objects an axis owns: the pen of the axis line, the grid pen,
// the tick pens, the label settings and the label items (automatic, or the
// user's own, streamed as the axis' binary entry "Items").

#include <memory>
#include <string>
#include <vector>

#include "chart/ChartAxisTitle.h"
#include "chart/ChartSeries.h"
#include "chart/ChartTextMargins.h"
#include "chart/PlotPen.h"

class TChartAxis;
class TPlotSelected;
class TStream;
class TFiler;

enum TPenLineMode { lmLine, lmCylinder, lmRectangle };
enum TAxisLabelAlign { alDefault, alOpposite, alCenter };
// Type information of TAxisLabelAlign, shared by the labels and the axis.
const TEnumInfo& AxisLabelAlignInfo();
enum TAxisLabelsPosition { lpAtTick, lpBeforeTick, lpAfterTick, lpCenter };

class TChartAxisPen : public TPlotPen {
 public:
  explicit TChartAxisPen(TNotifyEvent OnChangeEvent = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  TPenLineMode GetLineMode() const { return FLineMode; }
  void SetLineMode(TPenLineMode Value);

 private:
  TPenLineMode FLineMode = lmLine;
};

class TAxisGridPen : public TPlotPen {
 public:
  explicit TAxisGridPen(TNotifyEvent OnChangeEvent = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  // "ZZero": a zero depth over a non-zero default, which a zero double alone
  // would not write.
  void DefineProperties(TFiler* Filer) override;

  bool GetCentered() const { return FCentered; }
  void SetCentered(bool Value) { Store(FCentered, Value); }
  bool GetDrawAlways() const { return FDrawAlways; }
  void SetDrawAlways(bool Value) { Store(FDrawAlways, Value); }
  int GetDrawEvery() const { return FDrawEvery; }
  void SetDrawEvery(int Value);
  double GetZPosition() const { return FZ; }
  void SetZPosition(double Value);
  // The default depth and the depth at once (the panel's top and right axes).
  void InitZ(double Value) {
    IDefaultZ = Value;
    FZ = Value;
  }
  double DefaultZ() const { return IDefaultZ; }

 private:
  void Store(bool& Field, bool Value);
  bool IsZStored() const { return FZ != IDefaultZ; }

  bool FCentered = false;
  bool FDrawAlways = false;
  int FDrawEvery = 1;
  double FZ = 0;
  double IDefaultZ = 0;
};

// A tick pen: dark grey by default.
class TTicks : public TDarkGrayPen {
 public:
  explicit TTicks(TNotifyEvent OnChangeEvent = nullptr) : TDarkGrayPen(std::move(OnChangeEvent)) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// The label settings of an axis.
class TAxisLabels : public TPersistent {
 public:
  explicit TAxisLabels(TChartAxis* AAxis);
  ~TAxisLabels() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  TAxisLabelAlign GetAlign() const { return FAlign; }
  void SetAlign(TAxisLabelAlign Value);
  bool GetAlternate() const { return FAlternate; }
  void SetAlternate(bool Value) { Repaint(FAlternate, Value); }
  int GetAngle() const { return FAngle; }
  // Taken modulo 360, keeping the sign.
  void SetAngle(int Value);
  TAutomaticText* GetAutomatic() const { return FAutomatic.get(); }
  bool GetBehind() const { return FBehind; }
  void SetBehind(bool Value) { Repaint(FBehind, Value); }
  bool GetGridIgnoresLabelSize() const { return FGridIgnoresSize; }
  void SetGridIgnoresLabelSize(bool Value) { Repaint(FGridIgnoresSize, Value); }
  int GetMarginToAxis() const { return FMargin; }
  void SetMarginToAxis(int Value) { Repaint(FMargin, Value); }
  bool GetOnAxis() const { return FOnAxis; }
  void SetOnAxis(bool Value) { Repaint(FOnAxis, Value); }
  int GetSeparation() const { return FSeparation; }
  // Raises AxisException for a negative value.
  void SetSeparation(int Value);
  int GetSize() const { return FSize; }
  void SetSize(int Value) { Repaint(FSize, Value); }
  TAxisLabelStyle GetStyle() const { return FStyle; }
  void SetStyle(TAxisLabelStyle Value);
  bool GetExponent() const { return FExponent; }
  void SetExponent(bool Value) { Repaint(FExponent, Value); }
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value) { Repaint(FMultiLine, Value); }
  bool GetRoundFirst() const { return FRoundFirst; }
  void SetRoundFirst(bool Value) { Repaint(FRoundFirst, Value); }
  TAxisLabelsPosition GetPosition() const { return FPosition; }
  void SetPosition(TAxisLabelsPosition Value);
  bool GetUseImages() const { return FUseImages; }
  void SetUseImages(bool Value) { Repaint(FUseImages, Value); }
  // The items' common format, its visibility and font.
  TAxisLabelsFormat* GetFormat() const;
  void SetFormat(TAxisLabelsFormat* Value) { GetFormat()->Assign(Value); }
  bool GetVisible() const { return GetFormat()->GetVisible(); }
  void SetVisible(bool Value) { GetFormat()->SetVisible(Value); }
  TPlotFont* GetFont() const { return GetFormat()->GetFont(); }
  // The items' selection and hover settings.
  TPlotSelected* GetSelected() const;
  void SetSelected(TPlotSelected* Value);
  bool IsSelectedStored() const;

  int IHeightFactor = 0;
  int IMaxImageHeight = 0;
  // Set while the axis title draws as a label, which has no exponent form.
  bool IExponentOff = false;
  TChartAxis* Axis = nullptr;

 private:
  void Repaint(bool& Field, bool Value);
  void Repaint(int& Field, int Value);
  void Invalidate();

  TAxisLabelAlign FAlign = alDefault;
  bool FAlternate = false;
  int FAngle = 0;
  std::unique_ptr<TAutomaticText> FAutomatic;
  bool FBehind = false;
  bool FGridIgnoresSize = false;
  int FMargin = 10;
  bool FOnAxis = true;
  int FSeparation = 10;
  int FSize = 0;
  TAxisLabelStyle FStyle = talAuto;
  bool FExponent = false;
  bool FMultiLine = false;
  bool FRoundFirst = true;
  TAxisLabelsPosition FPosition = lpAtTick;
  bool FUseImages = true;
};

class TAxisItems;

// One label of an axis.
class TAxisItem : public TPersistent {
 public:
  explicit TAxisItem(TAxisItems* Owner = nullptr) : IAxisItems(Owner) {}
  ~TAxisItem() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  const std::string& GetText() const { return FText; }
  void SetText(const std::string& Value);
  double GetValue() const { return FValue; }
  void SetValue(double Value);
  // Made on first read; nil frees it, otherwise copies into it.
  TAxisLabelsFormat* GetFormat();
  void SetFormat(TAxisLabelsFormat* Value);
  bool HasFormat() const { return FFormat != nullptr; }
  // Its own format, else the items' common one.
  TAxisLabelsFormat* ActiveFormat() const;
  TPlotPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPlotPicture* Value) { FPicture = Value; }
  // Invalidates the axis' panel.
  void Repaint();

  int FLabelPos = 0;

 private:
  friend class TAxisItems;
  std::unique_ptr<TAxisLabelsFormat> FFormat;
  TPlotPicture* FPicture = nullptr;  // not owned
  std::string FText;
  double FValue = 0;
  TAxisItems* IAxisItems = nullptr;
};

// The label items of an axis: made by each label calculation while Auto is
// on, the user's own otherwise.
class TAxisItems {
 public:
  explicit TAxisItems(TChartAxis* Axis);
  ~TAxisItems();
  TAxisItems(const TAxisItems&) = delete;
  TAxisItems& operator=(const TAxisItems&) = delete;

  // Appends an item and switches Auto off.
  TAxisItem* Add(double Value, const std::string& Text = {});
  // Appends without touching Auto.
  TAxisItem* InternalAdd(double Value, const std::string& Text, TPlotPicture* Picture);
  void Delete(int Index);
  void Clear();
  TAxisItem* Get(int Index) const { return FItems.at(size_t(Index)).get(); }
  int Count() const { return int(FItems.size()); }
  // The source's format and selection settings, and its custom items (text
  // and value); an automatic source leaves these items as they are.
  void CopyFrom(TAxisItems* Source);
  bool GetAuto() const { return FAuto; }
  void SetAuto(bool Value);
  TChartAxis* Axis() const { return IAxis; }
  TAxisLabelsFormat* GetFormat() const { return FFormat.get(); }
  void SetFormat(TAxisLabelsFormat* Value) { FFormat->Assign(Value); }
  // Made on first read: the hover look of a label copies the common format
  // in bold and draws on the axis' panel. None frees it, else copies.
  TPlotSelected* GetSelected();
  void SetSelected(TPlotSelected* Value);
  bool HasSelected() const { return FSelected != nullptr; }
  // Whether the labels are hovered with a visible look on a panel whose
  // hover is on.
  bool HoverShown() const;

  // Hit rectangles of the labels as the last drawing placed them: InitCalcRect
  // puts the labels' font on the panel's canvas and fixes the edge at the
  // label line; RectOf gives item Index's rectangle.
  void InitCalcRect();
  TRect RectOf(int Index);

  // The axis' "Items" entry.
  void ReadItems(TStream* Stream);
  void WriteItems(TStream* Stream);

  int IHeight = 0;
  bool IDrawAll = false;

 private:
  friend class TAxisItem;
  void Remove(TAxisItem* Item);

  bool FAuto = true;
  std::unique_ptr<TAxisLabelsFormat> FFormat;
  std::unique_ptr<TPlotSelected> FSelected;
  TChartAxis* IAxis = nullptr;
  TRect IRect;
  bool IRemoving = false;
  std::vector<std::unique_ptr<TAxisItem>> FItems;
};
