#include "controls/zr_drop_target.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrDropTarget::Class() {
  using T = TzrDropTarget;
  static const TClassInfo* info = TClassDecl<T>("TzrDropTarget", TzrTextControl::Class())
                                      .Prop("Filter", &T::GetFilter, &T::SetFilter)
                                      .Prop("Font", &T::GetFont, &T::SetFont)
                                      .Prop("Text", &T::GetText, &T::SetText)
                                      .Event("OnDroped", &T::OnDroped);
  return info;
}

TzrDropTarget::TzrDropTarget(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetBounds(0, 0, 120, 120);
  SetDragDisableHighlight(true);
}

void TzrDropTarget::DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) {
  TzrTextControl::DragOver(Data, Point, Accept);
  Accept = true;
}

void TzrDropTarget::DragDrop(const TzrDragObject& Data, const TzrPoint& Point) {
  TzrTextControl::DragDrop(Data, Point);
  if (OnDroped) OnDroped(this, Data, Point);
}
