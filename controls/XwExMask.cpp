#include "controls/XwExMask.h"

#include <gdk/gdk.h>

void TXwExCustomMaskEdit::DoBeepOnError() {
  if (!FBeepOnError) return;
  if (GdkDisplay* display = gdk_display_get_default()) gdk_display_beep(display);
}
