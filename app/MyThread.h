#pragma once
// The worker that loads the connected model's page definition while the GUI
// thread goes on with the device. It sets the main window's done flag when it
// ends, whether or not loading succeeded.

#include "platform/rtl/Thread.h"

class TfrmInterface;

class MyThread : public TThread {
 public:
  // CreateSuspended false: the thread runs at once. The worker loads into the
  // given window, by default the program's main window.
  explicit MyThread(bool CreateSuspended, TfrmInterface* Window = nullptr);
  ~MyThread() override;
  std::string ClassName() const override { return "MyThread"; }

 protected:
  void Execute() override;

 private:
  TfrmInterface* FWindow;
};
