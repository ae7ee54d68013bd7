#pragma once
// Components that live on a chart: the element base (active flag, brush,
// pen, the chart it belongs to, setters that repaint) and the series base
// that a legend lists (title, identifier, style).

#include <memory>
#include <string>

#include "chart/ChartSeriesPanel.h"
#include "chart/PlotPen.h"
#include "platform/rtl/Classes.h"

class TChartAxis;
class TBackImage;
class TSeriesLegend;

class TCustomChartElement : public TComponent {
 public:
  explicit TCustomChartElement(TComponent* AOwner = nullptr);
  ~TCustomChartElement() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Active flag, brush, pen, tag and tag object of another element.
  void Assign(TPersistent* Source) override;

  // The notification given to the brush and pen: repaints.
  virtual void CanvasChanged(TObject* Sender);
  // The class name of the element's editor; none here.
  virtual std::string GetEditorClass() const { return {}; }
  virtual void SetActive(bool Value);
  virtual void SetParentChart(TChartSeriesPanel* Value);
  virtual void SetPen(TPlotPen* Value);

  bool GetActive() const { return FActive; }
  bool GetVisible() const { return FActive; }
  void SetVisible(bool Value) { SetActive(Value); }
  TPlotBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TPlotBrush* Value) { FBrush->Assign(Value); }
  TPlotPen* GetPen() const { return FPen.get(); }
  TChartSeriesPanel* GetParentChart() const { return FParent; }
  bool GetShowInEditor() const { return FShowInEditor; }
  void SetShowInEditor(bool Value) { FShowInEditor = Value; }
  TObject* GetTagObject() const { return FTagObject; }
  void SetTagObject(TObject* Value) { FTagObject = Value; }

  // Invalidates the chart; nothing without one.
  void Repaint();

  // Setters that store a changed value and repaint.
  void SetBooleanProperty(bool& Field, bool Value);
  void SetColorProperty(TColor& Field, TColor Value);
  void SetIntegerProperty(int& Field, int Value);
  void SetDoubleProperty(double& Field, double Value);
  void SetStringProperty(std::string& Field, const std::string& Value);

  bool DontSerialize = false;
  bool IInternalUse = false;

 protected:
  // The change callback of the brush and pen (and of a pen a derived
  // constructor puts in place of the plain one).
  TNotifyEvent ChangedCallback();

  bool FActive = true;
  std::unique_ptr<TPlotBrush> FBrush;
  std::unique_ptr<TPlotPen> FPen;
  bool FShowInEditor = true;
  TObject* FTagObject = nullptr;
  TChartSeriesPanel* FParent = nullptr;
};

// Members of a series' style set (bits of TChartSeriesStyle).
enum TChartSeriesStyleItem {
  tssIsTemplate,
  tssDenyChangeType,
  tssDenyDelete,
  tssDenyClone,
  tssIsPersistent,
  tssHideDataSource
};
using TChartSeriesStyle = uint32_t;

class TCustomChartSeries : public TCustomChartElement {
 public:
  explicit TCustomChartSeries(TComponent* AOwner = nullptr);
  ~TCustomChartSeries() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Room the series needs beside the plot; none here.
  virtual void CalcHorizMargins(int& LeftMargin, int& RightMargin);
  virtual void CalcVerticalMargins(int& TopMargin, int& BottomMargin);
  virtual void DoBeforeDrawChart() {}
  // Called back by the chart when the series joins or leaves it.
  virtual void Added() {}
  virtual void Removed() {}
  // The chart's 3D view follows a gallery's choice.
  virtual void GalleryChanged3D(bool Is3D);
  virtual void RecalcAxisMargins(TChartAxis* Axis, TRect& R) {
    (void)Axis;
    (void)R;
  }

  // Identifier, legend settings, style and title, after the element's.
  void Assign(TPersistent* Source) override;
  // "Identifier" and "Style", stored when set.
  void DefineProperties(TFiler* Filer) override;

  int SeriesIndex() const;
  const std::string& GetTitle() const { return FTitle; }
  // Repaints; the chart tells its listeners.
  void SetTitle(const std::string& Value);
  const std::string& GetIdentifier() const { return FIdentifier; }
  void SetIdentifier(const std::string& Value) { FIdentifier = Value; }
  TChartSeriesStyle GetStyle() const { return FStyle; }
  void SetStyle(TChartSeriesStyle Value) { FStyle = Value; }

  // The legend settings, made on first use on the series' chart of that
  // moment; nil frees them, anything else is copied in.
  TSeriesLegend* GetLegend();
  void SetLegend(TSeriesLegend* Value);
  bool HasLegend() const { return FLegend != nullptr; }
  // The legend's text; empty without legend settings.
  std::string GetLegendTitle() const;
  void SetLegendTitle(const std::string& Value);
  // The legend's visibility; True without legend settings.
  bool GetShowInLegend() const;
  void SetShowInLegend(bool Value);
  // The legend's picture.
  TBackImage* GetImage();
  void SetImage(TBackImage* Value);

 protected:
  // The legend settings follow the series to its chart (or to none), so
  // they never keep a chart the series has left.
  void SyncLegendChart();

  std::string FIdentifier;
  std::unique_ptr<TSeriesLegend> FLegend;
  TChartSeriesStyle FStyle = 0;
  std::string FTitle;
};
