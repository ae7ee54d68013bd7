#pragma once
// Shapes as the program drives them: the lamps are circles whose fill colour
// is set as colour text ("#AARRGGBB").

#include <string>

#include "controls/zr_controls.h"

class TzrShape : public TzrControl {
public:
  using TzrControl::TzrControl;
  std::string ClassName() const override { return "TzrShape"; }
  const std::string& GetFillColor() const { return FFillColor; }
  void SetFillColor(const std::string& value) { FFillColor = value; }

private:
  std::string FFillColor = "#FFFFFFFF";
};

class TzrCircle : public TzrShape {
public:
  using TzrShape::TzrShape;
  std::string ClassName() const override { return "TzrCircle"; }
};
