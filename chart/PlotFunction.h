#pragma once
// Functions that compute a series' points from its data sources: over all
// points, per period of points or of X range, as a moving window, or across
// several sources point by point. Concrete functions compute one value from
// an array in CalculateValue.

#include <vector>

#include "platform/rtl/Classes.h"

class TChartSeries;
class TChartValueList;
class TCustomAxisPanel;

enum TFunctionPeriodStyle { psNumPoints, psRange };
enum TFunctionPeriodAlign { paFirst, paCenter, paLast };

class TPlotFunction : public TComponent {
 public:
  explicit TPlotFunction(TComponent* AOwner = nullptr);
  ~TPlotFunction() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Assign(TPersistent* Source) override;

  bool GetCalcByValue() const { return FCalcByValue; }
  void SetCalcByValue(bool Value);
  bool GetIncludeNulls() const { return FIncludeNulls; }
  void SetIncludeNulls(bool Value);
  double GetPeriod() const { return FPeriod; }
  // Raises ChartException below 0, keeping the old period.
  void SetPeriod(double Value);
  TFunctionPeriodAlign GetPeriodAlign() const { return FPeriodAlign; }
  void SetPeriodAlign(TFunctionPeriodAlign Value);
  TFunctionPeriodStyle GetPeriodStyle() const { return FPeriodStyle; }
  void SetPeriodStyle(TFunctionPeriodStyle Value);

  TChartSeries* GetParentSeries() const { return FParent; }
  void SetParentSeries(TChartSeries* Value);
  // The series stores itself here when it takes the function.
  void InitParent(TChartSeries* Value) { FParent = Value; }

  void BeginUpdate() { IUpdating = true; }
  void EndUpdate();
  bool IsUpdating() const { return IUpdating; }
  // Asks the parent series to refill itself.
  void ReCalculate();
  // The list of Source the function reads: the one named by the parent's
  // mandatory list's ValueSource, else Source's mandatory list.
  TChartValueList* ValueList(TChartSeries* Source) const;
  // The parent goes to the right axis; the left axis takes the lower 70 %
  // of the chart, the right axis the upper 30 %.
  void SplitAxes();
  // Adds (A, B) to the parent as (X, Y) for a Y-mandatory source, else as (Y, X).
  void AddFunctionXY(bool SourceIsYMandatory, double A, double B);

  // ---- the calculation
  virtual void CalculatePeriod(TChartSeries* Source, double Position, int First, int Last);
  virtual void AddValue(std::vector<double>& Values, int Index, double Value);
  // The value of the gathered array; 0 here.
  virtual double CalculateValue(const std::vector<double>& Values);
  virtual void CalculateAllPoints(TChartSeries* Source, TChartValueList* NotMandatory);
  virtual void CalculateByPeriod(TChartSeries* Source, TChartValueList* NotMandatory);
  virtual void DoCalculation(TChartSeries* Source, TChartValueList* NotMandatory);
  virtual void PrepareForGallery(TCustomAxisPanel* Chart);
  // First = -1 means all points of Source.
  virtual double Calculate(TChartSeries* Source, int First, int Last);
  virtual double CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex);
  virtual double CalculateManyByValue(const std::vector<TComponent*>& Sources, double Value);
  virtual void Clear() {}
  virtual bool IsValidSource(TChartSeries* Source) const {
    (void)Source;
    return true;
  }
  // Computes the parent's points from Source (nil: only functions that need none).
  virtual void AddPoints(TChartSeries* Source);

  // The function streams as a child of its series.
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  bool HasParent() const override { return true; }

  bool CanUsePeriod = true;
  bool NoSourceRequired = false;
  bool SingleSource = false;
  bool HideSourceList = false;

 protected:
  void CalculateManyByIndex(const std::vector<TComponent*>& Sources, TChartSeries* Source);
  void CalculateManyByValues(const std::vector<TComponent*>& Sources);

  bool FCalcByValue = false;
  bool FIncludeNulls = true;
  double FPeriod = 0;
  TFunctionPeriodStyle FPeriodStyle = psNumPoints;
  TFunctionPeriodAlign FPeriodAlign = paCenter;
  TChartSeries* FParent = nullptr;
  bool IUpdating = false;
};

// A window of Period points moved one point at a time.
class TPlotMovingFunction : public TPlotFunction {
 public:
  explicit TPlotMovingFunction(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void DoCalculation(TChartSeries* Source, TChartValueList* NotMandatory) override;
};

// A period that rounds below 1 counts as 1.
int FunctionPeriodPoints(double Period);
