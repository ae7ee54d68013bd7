#include "app/frmInterface.h"

void TfrmInterface::FormCreate(TObject*) { SetCaption("esctool"); }

void TfrmInterface::FormActivate(TObject*) {}

void TfrmInterface::FormDestroy(TObject*) {}
