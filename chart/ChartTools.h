#pragma once
// The base of the elements that attach to a chart and hear its events
// (tools and animations), and the lists that hold them on the chart. The
// base hears everything and does nothing, so a chart without tools behaves
// as if there were none.

#include <string>
#include <vector>

#include "chart/AxisPanel.h"
#include "chart/ChartElement.h"
#include "platform/vcl/Controls.h"

enum TChartMouseEvent { cmeDown, cmeMove, cmeUp };
enum TChartKeyEvent { ckeDown, ckeUp, ckePress };
enum TChartDragDropEvent { cdeOver, cdeDrop, cdeStart, cdeEnd };
enum TWheelMouseEvent { wmeDown, wmeMove, wmeUp };
// How far a drag over the chart has come.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// What a drag carries; the chart only passes it on.
class TDragObject : public TObject {};

class TPlotCustomTool : public TCustomChartElement {
 public:
  using TCustomChartElement::TCustomChartElement;
  std::string ClassName() const override { return "TPlotCustomTool"; }

  virtual void ChartEvent(TChartToolEvent AEvent) { (void)AEvent; }
  virtual void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift,
                               int X, int Y) {
    (void)AEvent, (void)Button, (void)Shift, (void)X, (void)Y;
  }
  virtual void ChartDragDropEvent(TChartDragDropEvent AEvent, TObject* Source, int X, int Y,
                                  TDragState State, bool& Accept, TDragObject*& DragObject) {
    (void)AEvent, (void)Source, (void)X, (void)Y, (void)State, (void)Accept, (void)DragObject;
  }
  virtual void ChartKeyEvent(TChartKeyEvent AEvent, uint16_t& Key, char16_t& KeyChar,
                             TShiftState Shift) {
    (void)AEvent, (void)Key, (void)KeyChar, (void)Shift;
  }
  virtual void WheelMouseEvent(TWheelMouseEvent AEvent, int Delta, int X, int Y) {
    (void)AEvent, (void)Delta, (void)X, (void)Y;
  }
};

class TPlotCustomAnimation : public TPlotCustomTool {
 public:
  using TPlotCustomTool::TPlotCustomTool;
  std::string ClassName() const override { return "TPlotCustomAnimation"; }
};

// The tools of a chart in the order they hear events; the list does not own
// them until Clear frees them.
class TChartTools {
 public:
  void Add(TPlotCustomTool* Tool) { FItems.push_back(Tool); }
  void Remove(TPlotCustomTool* Tool);
  int Count() const { return int(FItems.size()); }
  TPlotCustomTool* Get(int Index) const { return FItems.at(size_t(Index)); }
  const std::vector<TPlotCustomTool*>& Items() const { return FItems; }
  // Frees every tool and empties the list.
  void Clear();

 private:
  std::vector<TPlotCustomTool*> FItems;
};
