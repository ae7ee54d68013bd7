#pragma once
// Adapter base of the add-on library's windowless controls (painted by their
// parent), with the background fill they use.

#include "controls/XwExAdapter.h"

class TXwExGraphicControl : public TXwExAdapter<TGraphicControl> {
 public:
  explicit TXwExGraphicControl(TComponent* AOwner) : TXwExAdapter<TGraphicControl>(AOwner) {}
  std::string ClassName() const override { return "TXwExGraphicControl"; }

  // Fills rect of canvas with color; when themes are on and the control shows
  // its parent's background in the parent's colour, the parent erases its
  // background into rect instead, at the control's place.
  void FillBackground(TCanvas* canvas, const TRect& rect, TColor color);
};
