#pragma once
// Connector lines between a data point and what points at it (a series
// mark): an arrow pen, an optional arrow head, a gap at the point and a small
// square at the point's end; the marks' callout adds how far a mark stands off
// its point.

#include <memory>

#include "chart/PlotPen.h"
#include "chart/PlotWidgets.h"
#include "chart/SeriesPointer.h"
#include "platform/vcl/Graphics.h"

class TChartSeries;
class TCustomPlotPanel;
class TPlotBrush;
class TSeriesMarkPosition;

enum TArrowHeadStyle { ahNone, ahLine, ahSolid };

// Keeps connectors visible against a mark or a chart of their own colour;
// nothing switches it on.
extern bool PlotCheckMarkArrowColor;

class TCallout : public TSeriesPointer {
 public:
  explicit TCallout(TChartSeries* AOwner = nullptr);
  ~TCallout() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Distance, arrow pen, head and head size of another callout, then the
  // pointer drawn at the point's end.
  void Assign(TPersistent* Source) override;

  // The connector from ArrowFrom (the point) to ArrowTo (the mark), through
  // MidPoint when DrawMiddle, at depth Z, for a mark of colour AColor; without
  // a head, the pointer at the point's end.
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
  void SetParentChart(TCustomPlotPanel* Value) { SetParent(Value); }

 protected:
  std::unique_ptr<TWhitePen> FArrow;
  TArrowHeadStyle FArrowHead = ahNone;
  int FDistance = 0;
  int FArrowHeadSize = 8;
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
