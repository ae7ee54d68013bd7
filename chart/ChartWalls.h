#pragma once
// The four walls around a chart's plot area: the back wall behind the
// series and, in 3D views, the left wall, the floor and an optional right
// wall. Each is a shape with a thickness, start and end positions in
// percent, a darkening switch for thick walls and an auto-hide switch.

#include <memory>

#include "chart/PlotShape.h"

class TCustomChart;
class TPlotBlend;

class TCustomChartWall : public TPlotCustomShape {
 public:
  explicit TCustomChartWall(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // AutoHide, Dark3D, end, size and start, then the shape.
  void Assign(TPersistent* Source) override;

  // The wall's vertical extent on the chart rectangle.
  void CalcPositions(int& P0, int& P1) const;
  // The chart shows walls, the wall is visible and not auto-hidden.
  bool ShouldDraw() const;
  bool ApplyDark3D() const;
  // Starts blending a side wall at X when the wall is see-through; false
  // when nothing was started.
  bool TryDrawWall(int X, int Y1, TPlotBlend*& Blend);
  void DoEndBlending(TPlotBlend* Blend);

  bool GetAutoHide() const { return FAutoHide; }
  void SetAutoHide(bool Value);
  bool GetDark3D() const { return FDark3D; }
  void SetDark3D(bool Value);
  int GetEndPosition() const { return FEnd; }
  void SetEndPosition(int Value);
  int GetSize() const { return FSize; }
  void SetSize(int Value);
  int GetStartPosition() const { return FStart; }
  void SetStartPosition(int Value);
  void SetWallColor(TColor Value) { SetColor(Value); }
  bool IsColorStored() const { return GetColor() != DefaultColor; }

  TColor DefaultColor = TColor(0x20000000);

 protected:
  // Sets the colour without repainting and makes it the one not stored.
  void InitColor(TColor Value);
  TCustomChart* Chart() const;

 private:
  void StoreBool(bool& Field, bool Value);
  void StoreInt(int& Field, int Value);

  bool FAutoHide = false;
  bool FDark3D = true;
  int FEnd = 100;
  int FSize = 0;
  int FStart = 0;
};

class TChartWall : public TCustomChartWall {
 public:
  using TCustomChartWall::TCustomChartWall;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TChartBackWall : public TChartWall {
 public:
  explicit TChartBackWall(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void InitShadow(TPlotShadow* Shadow) override;
  void InitEmboss(TPlotEmboss* Emboss) override;
};

class TChartLeftWall : public TChartWall {
 public:
  explicit TChartLeftWall(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TChartBottomWall : public TChartWall {
 public:
  explicit TChartBottomWall(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TChartRightWall : public TChartWall {
 public:
  explicit TChartRightWall(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// The chart's four walls; the right one is made the first time it is read.
class TChartWalls : public TPersistent {
 public:
  explicit TChartWalls(TCustomChart* AChart);
  ~TChartWalls() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Copies each wall, the right one on both sides made when missing.
  void Assign(TPersistent* Source) override;

  TChartBackWall* GetBack() const { return FBack.get(); }
  TChartBottomWall* GetBottom() const { return FBottom.get(); }
  TChartLeftWall* GetLeft() const { return FLeft.get(); }
  TChartRightWall* GetRight();
  bool HasRight() const { return FRight != nullptr; }
  void SetBack(TChartBackWall* Value) { FBack->Assign(Value); }
  void SetBottom(TChartBottomWall* Value) { FBottom->Assign(Value); }
  void SetLeft(TChartLeftWall* Value) { FLeft->Assign(Value); }
  void SetRight(TChartRightWall* Value) { GetRight()->Assign(Value); }
  // The chart's View3DWalls.
  bool GetVisible() const;
  void SetVisible(bool Value);
  void Hide() { SetVisible(false); }
  void Show() { SetVisible(true); }
  // The size of every wall, the right one made when missing.
  void SetSize(int Value);

 private:
  std::unique_ptr<TChartBackWall> FBack;
  std::unique_ptr<TChartBottomWall> FBottom;
  TCustomChart* FChart;
  std::unique_ptr<TChartLeftWall> FLeft;
  std::unique_ptr<TChartRightWall> FRight;
};
