// Registration of the shape classes for streaming, in the order designers
// list them.

#include "controls/zr_objects.h"
#include "controls/zr_objects_blur.h"
#include "controls/zr_objects_path.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_selection.h"
#include "scene/zr_classes.h"

void RegisterShapes() {
  static const bool registered = [] {
    RegisterZRObjects(
        "Shapes", {TzrLine::Class(), TzrRectangle::Class(), TzrSidesRectangle::Class(),
                   TzrBlurRectangle::Class(), TzrRoundRect::Class(), TzrBlurRoundRect::Class(),
                   TzrEllipse::Class(), TzrCircle::Class(), TzrArc::Class(), TzrPie::Class(),
                   TzrText::Class(), TzrPath::Class(), TzrImage::Class(), TzrPaintBox::Class()});
    RegisterZRObjects("Shapes", {TzrScrollArrowLeft::Class(), TzrScrollArrowRight::Class()});
    RegisterZRObjects("Shapes", {TzrCalloutRectangle::Class()});
    RegisterSelectionObjects();
    return true;
  }();
  (void)registered;
}
