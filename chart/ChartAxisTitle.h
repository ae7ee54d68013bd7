#pragma once
// The framed text boxes and the shape of an axis: its title, the format of
// its labels (common to the items, or an item's own) and the background
// shape behind the labels.

#include <string>

#include "chart/PlotShape.h"
#include "chart/TextShape.h"

enum TAxisTitlePosition { tpStart, tpCenter, tpEnd };

class TChartAxisTitle : public TCustomTextShape {
 public:
  explicit TChartAxisTitle(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The position of another title, then the text shape.
  void Assign(TPersistent* Source) override;

  // The first line of the text; setting it sets the whole text.
  std::string GetCaption() const;
  void SetCaption(const std::string& Value) { SetText(Value); }
  TAxisTitlePosition GetPosition() const { return FPosition; }
  void SetPosition(TAxisTitlePosition Value) { Store(FPosition, Value); }
  // The angle the axis gives its title, and that angle at once.
  void InitDefaultAngle(int Value) {
    IDefaultAngle = Value;
    InitAngle(Value);
  }
  int DefaultAngle() const { return IDefaultAngle; }
  // Visible, with a caption, and P inside the bounds.
  bool Clicked(int X, int Y) const { return Clicked(TPoint{X, Y}); }
  bool Clicked(TPoint P) const;

 private:
  bool IsAngleStored() const { return FAngle != IDefaultAngle; }

  TAxisTitlePosition FPosition = tpCenter;
  int IDefaultAngle = 0;
};

class TAxisLabelsFormat : public TCustomTextShape {
 public:
  explicit TAxisLabelsFormat(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The corners of the last label drawn in this format, turned with it
  // (for hit tests of custom items).
  TPoint RotatedBounds[4];
};

// Drawn behind the labels as a 3D box; invisible until asked for.
class TAxisBackShape : public TPlotShape {
 public:
  explicit TAxisBackShape(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
