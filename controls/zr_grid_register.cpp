#include "controls/zr_grid_register.h"

#include "controls/zr_grid.h"
#include "controls/zr_header.h"
#include "platform/rtl/Rtti.h"
#include "scene/zr_classes.h"

void RegisterGridControls() {
  static const bool registered = [] {
    for (const TClassInfo* cell :
         {TzrTextCell::Class(), TzrCheckCell::Class(), TzrProgressCell::Class(),
          TzrPopupCell::Class(), TzrStringColumn::Class()})
      RegisterClass(cell);
    RegisterZRObjects("Grid", {TzrGrid::Class(), TzrStringGrid::Class(), TzrHeader::Class()});
    RegisterZRObjects("Grid Columns",
                      {TzrColumn::Class(), TzrCheckColumn::Class(), TzrProgressColumn::Class(),
                       TzrPopupColumn::Class(), TzrImageColumn::Class()});
    RegisterZRObjects("Items", {TzrHeaderItem::Class()});
    return true;
  }();
  (void)registered;
}
