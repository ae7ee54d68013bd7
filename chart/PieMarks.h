#pragma once
// The pie-specific options of a pie series' marks: marks inside the slice,
// marks of empty slices, a horizontal leg at the end of the callout,
// rotation along the slice and vertical centring. The placement itself is
// done by the pie series (PieMarks.cpp).

#include "chart/ChartSeries.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/Classes.h"

enum TRotateStyle { rsRadial, rsTangencial };

class TPieMarks : public TPersistent {
 public:
  explicit TPieMarks(TChartSeries* AParent = nullptr) : IParent(AParent) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  bool GetEmptySlice() const { return FEmptySlice; }
  void SetEmptySlice(bool Value) { Store(FEmptySlice, Value); }
  bool GetInsideSlice() const { return FInsideSlice; }
  void SetInsideSlice(bool Value) { Store(FInsideSlice, Value); }
  int GetLegSize() const { return FLegSize; }
  void SetLegSize(int Value) { Store(FLegSize, Value); }
  bool GetRotated() const { return FRotated; }
  void SetRotated(bool Value) { Store(FRotated, Value); }
  TRotateStyle GetRotateStyle() const { return FRotateStyle; }
  void SetRotateStyle(TRotateStyle Value) { Store(FRotateStyle, Value); }
  bool GetVertCenter() const { return FVertCenter; }
  void SetVertCenter(bool Value) { Store(FVertCenter, Value); }

 private:
  // Stores a changed value and repaints the pie.
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    if (IParent) IParent->Repaint();
  }

  bool FEmptySlice = false;
  bool FInsideSlice = false;
  int FLegSize = 0;
  bool FRotated = false;
  TRotateStyle FRotateStyle = rsRadial;
  bool FVertCenter = false;
  TChartSeries* IParent;
};

// The tail edge of a mark at Angle (radians) plus the rotation in degrees;
// Align receives the tail alignment that goes with it.
TTailEdge PieMarkQuadrant(TTailAlign& Align, double Angle, int RotationAngle);
// The tail's end for a callout starting at (X, Y): moved outward by Margin
// according to the edge and the alignment (before any 3D projection).
TPoint PieTailEnd(int X, int Y, int Margin, TTailEdge Edge, TTailAlign Align);
// The text angle of a rotated mark at Angle (radians): along the slice, a
// further 90 degrees when tangential, turned so the text is never upside down.
int PieMarkTextAngle(double Angle, int RotationAngle, TRotateStyle Style);
