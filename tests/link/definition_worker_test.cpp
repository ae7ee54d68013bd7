// The GUI thread's hand-off with the definition worker: routines that change
// the identity or read the page definition wait for a running worker first.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "app/MyThread.h"
#include "app/frmInterface.h"
#include "platform/vcl/Menus.h"
#include "tests/link/link_fixture.h"

namespace {

// A definition worker held at its start until the gate opens; it notes the
// model it loads for.
class TGatedWorker : public MyThread {
 public:
  TGatedWorker(TfrmInterface* window, std::atomic<bool>& gate)
      : MyThread(true, window), FWindow(window), FGate(gate) {
    Start();
  }
  ~TGatedWorker() override { StopAndWait(); }
  std::string SeenModel;

 protected:
  void Execute() override {
    while (!FGate.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    SeenModel = FWindow->FModel;
    MyThread::Execute();
  }

 private:
  TfrmInterface* FWindow;
  std::atomic<bool>& FGate;
};

class DefinitionWorkerTest : public LinkFixture {
 protected:
  // Starts a held worker for the connected model, runs the routine while a
  // helper opens the gate a little later, and returns the held worker.
  TGatedWorker& RunWhileWorkerHeld(const std::function<void()>& routine) {
    Form->FModel = "CAR_ESC";
    Form->FHardware = "VL46_SL01";
    Form->FDefinitionsLoaded.store(false);
    auto* worker = new TGatedWorker(Form.get(), Gate);
    Form->FThread = worker;
    std::thread opener([this] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      Gate.store(true);
    });
    routine();
    LoadedOnReturn = Form->FDefinitionsLoaded.load();
    opener.join();
    return *worker;
  }
  std::atomic<bool> Gate{false};
  bool LoadedOnReturn = false;
};

TEST_F(DefinitionWorkerTest, DataLinkModeSwitchWaitsForTheWorker) {
  TGatedWorker& worker = RunWhileWorkerHeld([this] { Form->SwitchDataLinkMode(Form->DATALINK1); });
  // The worker loaded for the identity it started with, before the switch
  // cleared it.
  EXPECT_TRUE(LoadedOnReturn);
  EXPECT_EQ(worker.SeenModel, "CAR_ESC");
  EXPECT_TRUE(Form->FModel.empty());
}

TEST_F(DefinitionWorkerTest, FirmwareListWaitsForTheWorkerOnEveryPath) {
  // No model database: the list ends early, after the worker is done.
  Form->FModelDatabase.clear();
  RunWhileWorkerHeld([this] { Form->LoadFirmwareList(); });
  EXPECT_TRUE(LoadedOnReturn);
}

}  // namespace
