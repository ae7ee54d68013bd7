#include "controls/XwRegister.h"

#include "controls/XwGroupHeader.h"
#include "controls/XwMemo.h"
#include "controls/XwSpinEdit.h"

void RegisterXwWidgetClasses() {
  RegisterXwSpinClasses();
  RegisterXwMemoClasses();
  RegisterXwGroupHeaderClasses();
}
