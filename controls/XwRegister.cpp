#include "controls/XwRegister.h"

#include "controls/XwGroupHeader.h"
#include "controls/XwMemo.h"
#include "controls/XwSpinEdit.h"
#include "controls/XwThreadTimer.h"
#include "controls/XwTimer.h"
#include "platform/rtl/Rtti.h"

void RegisterXwWidgetClasses() {
  RegisterXwSpinClasses();
  RegisterXwMemoClasses();
  RegisterXwGroupHeaderClasses();
  RegisterClass(TXwTimer::Class());
  RegisterClass(TXwThreadTimer::Class());
}
