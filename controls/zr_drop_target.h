#pragma once
// TzrDropTarget: a square that accepts anything dragged over it and reports
// the drop through OnDroped. Its style animates while a drag is over it.

#include "controls/zr_text_control.h"

class TzrDropTarget : public TzrTextControl {
 public:
  explicit TzrDropTarget(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Stored for the form's sake; drops are not filtered by it.
  const std::u16string& GetFilter() const { return FFilter; }
  void SetFilter(const std::u16string& Value) { FFilter = Value; }

  void DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) override;
  void DragDrop(const TzrDragObject& Data, const TzrPoint& Point) override;

  TzrDragDropEvent OnDroped;

 private:
  std::u16string FFilter;
};
