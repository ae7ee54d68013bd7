#include "scene/zr_scene_unit.h"

#include <gtk/gtk.h>

#include "platform/vcl/FormClasses.h"

#include "scene/zr_ani.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_classes.h"
#include "scene/zr_control.h"
#include "scene/zr_frame.h"
#include "scene/zr_gradient.h"
#include "scene/zr_path.h"
#include "scene/zr_popup.h"
#include "scene/zr_position.h"
#include "scene/zr_resource_objects.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"
#include "scene/zr_visual.h"

std::array<std::u16string, 11> ButtonCaptions;

namespace {
bool Started = false;

// Every class of the scene module that streams can name.
void RegisterToolkitClasses() {
  RegisterSceneClasses();  // the named resources
  RegisterAnimationClasses();
  RegisterControlClasses();
  for (const TClassInfo* c :
       {TzrBitmap::Class(), TzrPathData::Class(), TzrBrush::Class(), TzrBounds::Class(),
        TzrPosition::Class(), TzrGradient::Class(), TzrGradientPoints::Class(),
        TzrGradientPoint::Class(), TzrVisual::Class(), TzrObject::Class()})
    RegisterClass(c);
  RegisterVisualClasses();  // TzrVisualObject, TzrContent
  RegisterClass(TzrWideStrings::Class());
  RegisterClass(TzrWideStringList::Class());
  RegisterClass(TzrResources::Class());
  RegisterClass(TzrCustomScene::Class());
  RegisterClass(TzoRurev::Class());
  RegisterZRObjects("Layout", {TzrFrame::Class()});
  RegisterPopupClasses();  // "Popup"
  // The framework components forms hold beside their scenes.
  RegisterFormComponentClasses();
}
}  // namespace

void InitializeScene() {
  if (Started) return;
  Started = true;
  ButtonCaptions = {u"Yes",    u"No",  u"OK",      u"Cancel",   u"Abort", u"Retry",
                    u"Ignore", u"All", u"NoToAll", u"YesToAll", u"Help"};
  static const bool registered = (RegisterToolkitClasses(), true);
  (void)registered;
}

void FinalizeScene() {
  if (!Started) return;
  Started = false;
  FreeOpenPopups();
  FreeDefaultStyles();
  zrFreeAniThread();
  zrReleaseDesignClipboard();
  for (std::u16string& caption : ButtonCaptions) caption.clear();
}

bool zrScreenComposites() {
  GdkScreen* screen = gdk_screen_get_default();
  return screen && gdk_screen_is_composited(screen);
}
