// Program entry: start the application object, create the main window from
// its form and run the message loop. An exception that leaves these steps is
// shown by the application object.

#include "app/frmInterface.h"
#include "platform/rtl/SysUtils.h"

int main() {
  try {
    Application->Initialize();
    Application->CreateForm<TfrmInterface>();
    Application->Run();
  } catch (const std::exception& e) {
    Application->ShowException(e);
  } catch (...) {
    Application->ShowException(Exception(""));
  }
  Application->Finalize();
  return 0;
}
