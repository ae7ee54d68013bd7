#include "app/frmInterface.h"

void TfrmInterface::FormCreate(TObject*) { SetCaption("esctool"); }

void TfrmInterface::FormActivate(TObject*) { StartDeviceLink(); }

void TfrmInterface::FormDestroy(TObject*) {}
