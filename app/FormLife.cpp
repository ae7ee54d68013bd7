#include "app/frmInterface.h"

void TfrmInterface::FormCreate(TObject*) {
  SetCaption("esctool");
  // The language file is held in memory from here on, for the window's life.
  OpenLanguageFile();
}

void TfrmInterface::FormActivate(TObject*) { StartDeviceLink(); }

void TfrmInterface::FormDestroy(TObject*) {}
