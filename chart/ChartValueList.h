#pragma once
// The numbers of a series, one list per dimension (X, Y and the further
// lists of richer series). A list keeps its values in the order it is told
// (ascending, descending or arrival), grows in fixed steps, computes its
// statistics lazily and reports every change to its series.

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"

class TChartSeries;
class TReader;

enum TChartListOrder { loNone, loAscending, loDescending };

using TChartValues = std::vector<double>;

// The storage grows by this many values at a time.
inline constexpr int PlotDefaultCapacity = 1000;

class TChartValueList : public TPersistent {
 public:
  // Appends itself to the owner's value lists when there is an owner.
  TChartValueList(TChartSeries* AOwner, const std::string& AName);
  ~TChartValueList() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Order, date-time flag and value source of another list; neither the
  // values nor the name.
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

  // Stores Value as the staging value and adds it in order.
  virtual int AddChartValue(double Value);
  // Adds the staging value where the order puts it; the index it went to.
  int AddChartValue();
  virtual void ClearValues();
  // Inserts at Index whatever the order (the series puts the other
  // dimensions where the ordered list chose).
  virtual void InsertChartValue(int Index, double Value);
  virtual void Delete(int Index) { Delete(Index, 1); }
  void Delete(int Start, int Quantity);
  // Rotates left by one place; the statistics stay valid.
  virtual void Scroll();

  double First() const { return Value[0]; }
  double Last() const { return Value[FCount - 1]; }
  double GetValue(int Index) const { return Value[Index]; }
  void SetValue(int Index, double AValue);
  // The first index in the range whose value equals AValue exactly; -1 if none.
  int Locate(double AValue) const { return Locate(AValue, 0, FCount - 1); }
  int Locate(double AValue, int FirstIndex, int LastIndex) const;
  void Exchange(int Index1, int Index2);
  // Every value becomes its own index.
  void FillSequence();
  int CompareValueIndex(int Index1, int Index2) const;
  // Sorts by the order through the series' point swap, so every per-point
  // list of the series moves with this one.
  void Sort();
  std::string ValueToString(int Index) const;

  double MaxValue();
  double MinValue();
  double Total();
  double TotalABS();
  double Range() { return MaxValue() - MinValue(); }
  void SetTotalABS(double AValue) { FTotalABS = AValue; }
  void RecalcStats() { RecalcStats(0); }
  // From StartIndex on, added to the statistics as they stand (0 starts over).
  void RecalcStats(int StartIndex);
  void RecalcStats(double AMin, double AMax, double ATotal, double ATotalABS);

  int Count() const { return FCount; }
  void SetCount(int Value) { FCount = Value; }
  int Capacity() const { return static_cast<int>(Value.size()); }
  bool GetModified() const { return FModified; }
  void SetModified(bool AValue);
  TChartSeries* GetOwner() const { return FOwner; }
  double GetTempValue() const { return FTempValue; }
  void SetTempValue(double AValue) { FTempValue = AValue; }

  bool GetDateTime() const { return FDateTime; }
  void SetDateTime(bool AValue);
  // Sets the date-time flag and its stored default at once.
  void InitDateTime(bool AValue) { FDateTime = IDefDateTime = AValue; }
  bool IsDateStored() const { return FDateTime != IDefDateTime; }
  const std::string& GetName() const { return FName; }
  void SetName(const std::string& AValue) { FName = AValue; }
  TChartListOrder GetOrder() const { return FOrder; }
  void SetOrder(TChartListOrder AValue) { FOrder = AValue; }
  const std::string& GetValueSource() const { return FValueSource; }
  void SetValueSource(const std::string& AValue);

  // Slots for the owning code; the chart engine never reads them.
  TObject* IData = nullptr;
  bool Internal = false;
  // The storage; its length is the capacity, values past Count are unused.
  TChartValues Value;

 private:
  void Grow();
  void CutCountToCapacity();
  void ReadMultiplier(TReader* Reader);
  bool IsNameStored() const { return !FName.empty(); }
  bool IsValueSourceStored() const { return !FValueSource.empty(); }

  int FCount = 0;
  bool FDateTime = false;
  double FMaxValue = 0;
  double FMinValue = 0;
  std::string FName;
  TChartListOrder FOrder = loNone;
  TChartSeries* FOwner = nullptr;
  double FTempValue = 0;
  double FTotal = 0;
  double FTotalABS = 0;
  std::string FValueSource;
  bool IDefDateTime = false;
  bool FModified = true;
};

// The value lists of a series in creation order (X, Y, then the further
// lists of the series class); frees them.
class TChartValueLists {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TChartValueList* Get(int Index) const { return FItems[Index].get(); }
  int IndexOf(const TChartValueList* List) const;
  void Add(TChartValueList* List) { FItems.emplace_back(List); }
  // Frees the list at Index and puts List in its place.
  void Replace(int Index, TChartValueList* List);
  // Takes List out without freeing it.
  void Extract(TChartValueList* List);

 private:
  std::vector<std::unique_ptr<TChartValueList>> FItems;
};
