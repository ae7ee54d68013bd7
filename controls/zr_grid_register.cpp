#include "controls/zr_grid_register.h"

#include "controls/zr_header.h"
#include "scene/zr_classes.h"

void RegisterGridControls() {
  static const bool registered = [] {
    RegisterZRObjects("Grid", {TzrHeader::Class()});
    RegisterZRObjects("Items", {TzrHeaderItem::Class()});
    return true;
  }();
  (void)registered;
}
