#pragma once
// The base of the elements that attach to a chart and hear its events
// (tools and animations), the variants tied to one series or one axis, the
// lists that hold them on the chart and the empty base of an editor
// attached to a chart. The base hears everything and does nothing, so a
// chart without tools behaves as if there were none.

#include <string>
#include <vector>

#include "chart/AxisPanel.h"
#include "chart/ChartElement.h"
#include "platform/vcl/Controls.h"

class TCustomChart;
class TChartTools;

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
  // A tool still on a chart leaves its list.
  ~TPlotCustomTool() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
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
  virtual void SeriesEvent(TChartToolEvent AEvent, TChartSeries* ASeries) {
    (void)AEvent, (void)ASeries;
  }
  virtual void WheelMouseEvent(TWheelMouseEvent AEvent, int Delta, int X, int Y) {
    (void)AEvent, (void)Delta, (void)X, (void)Y;
  }
  // What the tool class is, for editors; empty here.
  virtual std::string Description() const { return {}; }
  virtual std::string LongDescription() const { return {}; }

  // Leaves the old chart's list (invalidating it when Value is none) and
  // joins Value's.
  void SetParentChart(TChartSeriesPanel* Value) override;
  // Read as a child of a chart, the tool joins that chart before its
  // properties are read.
  void SetParentComponent(TComponent* Value) override;
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }
  // Either tool's class derives from the other's.
  bool SameClass(const TPlotCustomTool* Tool) const;

 protected:
  // The list of Chart that holds tools of this kind.
  virtual TChartTools* ListOf(TCustomChart* Chart) const;
};

// A tool that works on one series; it forgets the series when the series
// is freed.
class TPlotCustomToolSeries : public TPlotCustomTool {
 public:
  using TPlotCustomTool::TPlotCustomTool;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TPlotCustomToolSeries"; }
  // The series reference as it stands, not watched.
  void Assign(TPersistent* Source) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  std::string GetEditorClass() const override { return "TSeriesToolEditor"; }

  TChartSeries* GetSeries() const { return FSeries; }
  void SetSeries(TChartSeries* Value);
  // The axes the tool measures against: the series' axes, else the first
  // side axis that an active series uses.
  TChartAxis* GetHorizAxis() const;
  TChartAxis* GetVertAxis() const;

 protected:
  TChartSeries* FSeries = nullptr;
};

// A tool that works on one axis; streams the axis as its index in the
// chart's axes list ("AxisID").
class TPlotCustomToolAxis : public TPlotCustomTool {
 public:
  using TPlotCustomTool::TPlotCustomTool;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TPlotCustomToolAxis"; }
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  std::string GetEditorClass() const override { return "TAxisToolEditor"; }

  TChartAxis* GetAxis() const { return FAxis; }
  // The tool moves to the axis' chart.
  void SetAxis(TChartAxis* Value);
  // Forgets the axis without touching it (the chart is freeing its axes).
  void ClearAxis() { FAxis = nullptr; }

 protected:
  TChartAxis* FAxis = nullptr;

 private:
  void ReadAxisID(TReader* Reader);
  void WriteAxisID(TWriter* Writer);
};

class TPlotCustomAnimation : public TPlotCustomTool {
 public:
  using TPlotCustomTool::TPlotCustomTool;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TPlotCustomAnimation"; }
  // The component's name, else the class description, else the class name.
  std::string Title() const;

 protected:
  TChartTools* ListOf(TCustomChart* Chart) const override;
};

// The tools of a chart in the order they hear events. Clear frees them.
class TChartTools {
 public:
  explicit TChartTools(TCustomChart* AOwner = nullptr) : FOwner(AOwner) {}
  virtual ~TChartTools() = default;
  // With an owner the tool moves to the owner chart (which appends it);
  // without one it is appended.
  TPlotCustomTool* Add(TPlotCustomTool* Tool);
  // A new tool of the class, owned by the chart, added.
  template <class T>
  T* Add() {
    T* tool = new T(ComponentOwner());
    Add(tool);
    return tool;
  }
  // Takes the owner's theme (once, on joining) and appends.
  void InternalAdd(TPlotCustomTool* Tool);
  void Remove(TPlotCustomTool* Tool);
  int Count() const { return int(FItems.size()); }
  int IndexOf(const TPlotCustomTool* Tool) const;
  TPlotCustomTool* Get(int Index) const { return FItems.at(size_t(Index)); }
  const std::vector<TPlotCustomTool*>& Items() const { return FItems; }
  // Frees every tool and empties the list.
  void Clear();
  // Active of every tool.
  void SetActive(bool Value);
  TCustomChart* Owner() const { return FOwner; }

 protected:
  // The component owner of tools made by class: the chart.
  virtual TComponent* ComponentOwner() const;

 private:
  TCustomChart* FOwner;
  std::vector<TPlotCustomTool*> FItems;
};

class TChartAnimations : public TChartTools {
 public:
  using TChartTools::TChartTools;
  TPlotCustomAnimation* Get(int Index) const {
    return static_cast<TPlotCustomAnimation*>(TChartTools::Get(Index));
  }
  // A new animation of the class, owned by the chart's owner (the form),
  // added.
  template <class T>
  T* AddClass() {
    return Add<T>();
  }

 protected:
  TComponent* ComponentOwner() const override;
};

// The base of an editor attached to a chart; it does nothing.
class TPlotCustomDesigner : public TObject {
 public:
  virtual void Refresh() {}
  virtual void Repaint() {}
};
