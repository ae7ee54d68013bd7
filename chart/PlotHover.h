#pragma once
// The look of what the mouse hovers (TPlotHover) and of what is selected
// (TPlotSelected, which also keeps the hovered and the selected index and
// repaints its element when they change while shown).

#include <memory>

#include "chart/TextShape.h"

class TPlotHover : public TCustomTextShape {
 public:
  explicit TPlotHover(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TPlotSelected : public TCustomTextShape {
 public:
  // Element: the chart element, shape or chart the settings belong to.
  explicit TPlotSelected(TObject* Element = nullptr);
  ~TPlotSelected() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The hover settings of another selection, then the text shape.
  void Assign(TPersistent* Source) override;

  TPlotHover* GetHover() const { return FHover.get(); }
  void SetHover(TPlotHover* Value) { FHover->Assign(Value); }
  int GetHoverIndex() const { return FHoverIndex; }
  // Repaints the element when the hover settings are visible.
  void SetHoverIndex(int Value);
  int GetItemIndex() const { return FItemIndex; }
  // Repaints the element when the selection is visible.
  void SetItemIndex(int Value);
  TObject* GetElement() const { return IElement; }

 private:
  void DoRepaint();

  std::unique_ptr<TPlotHover> FHover;
  int FHoverIndex = -1;
  int FItemIndex = -1;
  TObject* IElement;
};
