#pragma once
// The worker that loads the connected model's page definition while the GUI
// thread goes on with the device. It sets the main window's done flag when it
// ends, whether or not loading succeeded.

#include "platform/rtl/Thread.h"

class MyThread : public TThread {
 public:
  // CreateSuspended false: the thread runs at once.
  explicit MyThread(bool CreateSuspended);
  ~MyThread() override;
  std::string ClassName() const override { return "MyThread"; }

 protected:
  void Execute() override;
};
