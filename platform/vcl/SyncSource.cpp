// A GLib event source that runs the calls worker threads hand to the GUI
// thread. It is ready whenever a call is pending, so every loop over the
// default main context services them: the application's loop, ProcessMessages,
// modal forms and the nested loops of GTK dialogs. A posted call wakes the
// context (Thread.cpp), which then looks at this source again.

#include <glib.h>

#include "platform/rtl/Thread.h"
#include "platform/vcl/Forms.h"

namespace {

gboolean Prepare(GSource*, gint* timeout) {
  *timeout = -1;
  return SynchronizePending();
}

gboolean Check(GSource*) { return SynchronizePending(); }

gboolean Dispatch(GSource*, GSourceFunc, gpointer) {
  try {
    CheckSynchronize();
  } catch (...) {
    if (Application) Application->HandleException(Application);
  }
  return G_SOURCE_CONTINUE;
}

GSourceFuncs gFuncs = {Prepare, Check, Dispatch, nullptr, nullptr, nullptr};
GSource* gSource = nullptr;

}  // namespace

void InstallSynchronizeSource() {
  if (gSource) return;
  gSource = g_source_new(&gFuncs, sizeof(GSource));
  // A synchronised call may open a modal box; calls of other workers must
  // still run inside that box's loop.
  g_source_set_can_recurse(gSource, TRUE);
  g_source_attach(gSource, nullptr);
}
