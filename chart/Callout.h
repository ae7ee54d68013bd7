#pragma once
// Connector lines between a data point and what points at it (a series
// mark): an arrow pen, an optional arrow head, a gap at the point and a small
// square at the point's end; the marks' callout adds how far a mark stands off
// its point.

#include <memory>

#include "chart/PlotPen.h"
#include "chart/PlotWidgets.h"
#include "platform/vcl/Graphics.h"

class TChartSeries;
class TCustomPlotPanel;
class TPlotBrush;
class TSeriesMarkPosition;

enum TArrowHeadStyle { ahNone, ahLine, ahSolid };

// Keeps connectors visible against a mark or a chart of their own colour;
// nothing switches it on.
extern bool PlotCheckMarkArrowColor;

class TCallout : public TPersistent {
 public:
  explicit TCallout(TChartSeries* AOwner = nullptr);
  ~TCallout() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Distance, arrow pen, head and head size of another callout, then the
  // point's end square settings.
  void Assign(TPersistent* Source) override;

  // The connector from ArrowFrom (the point) to ArrowTo (the mark), through
  // MidPoint when DrawMiddle, at depth Z, for a mark of colour AColor.
  void Draw(TColor AColor, TPoint ArrowFrom, TPoint MidPoint, TPoint ArrowTo, int Z,
            bool DrawMiddle);
  void Draw(TCustomPlotPanel* APanel, TColor AColor, TPoint ArrowFrom, TPoint MidPoint,
            TPoint ArrowTo, int Z, bool DrawMiddle);

  TWhitePen* GetArrow() const { return FArrow.get(); }
  void SetArrow(TPlotPen* Value) { FArrow->Assign(Value); }
  TArrowHeadStyle GetArrowHead() const { return FArrowHead; }
  void SetArrowHead(TArrowHeadStyle Value) { Store(FArrowHead, Value); }
  int GetArrowHeadSize() const { return FArrowHeadSize; }
  void SetArrowHeadSize(int Value) { Store(FArrowHeadSize, Value); }
  int GetDistance() const { return FDistance; }
  void SetDistance(int Value) { Store(FDistance, Value); }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value) { Store(FVisible, Value); }
  bool IsVisibleStored() const { return FVisible != DefaultVisible; }
  // Half the width and height of the square drawn at the point.
  int GetHorizSize() const { return FHorizSize; }
  void SetHorizSize(int Value) { Store(FHorizSize, Value); }
  int GetVertSize() const { return FVertSize; }
  void SetVertSize(int Value) { Store(FVertSize, Value); }
  TPlotBrush* GetBrush() const { return FBrush.get(); }
  TPlotPen* GetPen() const { return FPen.get(); }
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value) { Store(FTransparency, Value); }
  TChartSeries* GetSeries() const { return FSeries; }
  TCustomPlotPanel* GetParentChart() const { return FParent; }
  void SetParentChart(TCustomPlotPanel* Value) { FParent = Value; }

  bool DefaultVisible = true;

 protected:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Repaint();
  }
  void Repaint();

  // First, so that the pens' change handlers find them.
  TChartSeries* FSeries;
  TCustomPlotPanel* FParent = nullptr;
  std::unique_ptr<TWhitePen> FArrow;
  TArrowHeadStyle FArrowHead = ahNone;
  int FDistance = 0;
  int FArrowHeadSize = 8;
  bool FVisible = true;
  int FHorizSize = 4;
  int FVertSize = 4;
  int FTransparency = 0;
  std::unique_ptr<TPlotBrush> FBrush;
  std::unique_ptr<TPlotPen> FPen;
};

class TMarksCallout : public TCallout {
 public:
  explicit TMarksCallout(TChartSeries* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Length of another marks callout, then the callout.
  void Assign(TPersistent* Source) override;

  // Lifts the mark's box and the connector's mark end by Length + Distance
  // and the connector's point end by Distance.
  void ApplyArrowLength(TSeriesMarkPosition* APosition) const;

  int GetLength() const { return FLength; }
  void SetLength(int Value);
  bool IsLengthStored() const { return FLength != DefaultLength; }

  int DefaultLength = 8;

 private:
  int FLength = 8;
};
