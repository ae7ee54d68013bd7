#include "app/MyThread.h"

#include "app/frmInterface.h"

MyThread::MyThread(bool CreateSuspended, TfrmInterface* Window)
    : TThread(true), FWindow(Window ? Window : frmInterface) {
  if (!CreateSuspended) Start();
}

MyThread::~MyThread() { StopAndWait(); }

void MyThread::Execute() {
  if (FWindow) FWindow->LoadDefinitionsThreadBody();
}

void TfrmInterface::LoadDefinitionsThreadBody() {
  // The flag is set on every way out, a failed load included, so that the GUI
  // thread never waits for a worker that has ended.
  struct TSetOnExit {
    std::atomic<bool>& Flag;
    ~TSetOnExit() { Flag.store(true); }
  } setOnExit{FDefinitionsLoaded};
  try {
    LoadModelDefinition("");
  } catch (const std::exception&) {
    // An unreadable definition leaves the loader's defaults: an empty page.
  }
}
