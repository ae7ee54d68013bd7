#pragma once
// Small pieces for chart editors: the themed check box and radio button,
// the white pen, and class lookup by name.

#include <string>

#include "chart/PlotPen.h"

// The theme's 13 x 13 check box (CheckBox) or radio button at (X, Y) of
// Canvas, checked or not. AColor is not used.
void PlotDrawCheckBox(int X, int Y, TCanvas* Canvas, bool Checked, TColor AColor, bool CheckBox);

// A chart pen that is white unless told otherwise.
class TWhitePen : public TPlotPen {
 public:
  explicit TWhitePen(TNotifyEvent OnChangeEvent = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// The run-time classes live in one registry, so there is no group to
// switch to: activating one does nothing.
void PlotActivateGroup();
// The registered class of that name, or nil.
const TClassInfo* PlotGetClass(const std::string& ClassName);
// Does nothing.
void ObjectToTag(TObject* AObject);
