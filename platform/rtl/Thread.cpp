#include "platform/rtl/Thread.h"

#include <glib.h>
#include <pthread.h>

#include <cstdio>
#include <deque>

#include "platform/rtl/Clock.h"

namespace {

const std::thread::id gMainThreadID = std::this_thread::get_id();

// One call handed to the GUI thread.
struct TSyncRequest {
  std::function<void()> Method;
  bool Waiting = false;  // Synchronize (the poster waits) or Queue
  bool Done = false;
  std::exception_ptr Error;
};

// The queue of handed-over calls. The same condition variable also tells a
// GUI thread blocked in WaitFor that a call arrived or that a thread ended.
// They are never destroyed: a thread that frees itself may still be ending
// while the program exits.
std::mutex& gSyncMutex = *new std::mutex;
std::condition_variable& gSyncCond = *new std::condition_variable;
std::deque<std::shared_ptr<TSyncRequest>>& gSyncQueue =
    *new std::deque<std::shared_ptr<TSyncRequest>>;
std::atomic<bool> gSyncPending{false};
// The extra wake-up runs under its own lock, so that once it has been
// replaced no thread still calls the old one.
std::mutex gWakeupMutex;
std::function<void()> gSyncWakeup;

void Post(const std::shared_ptr<TSyncRequest>& request) {
  {
    std::lock_guard<std::mutex> lock(gSyncMutex);
    gSyncQueue.push_back(request);
    gSyncPending.store(true);
  }
  gSyncCond.notify_all();
  g_main_context_wakeup(nullptr);
  std::lock_guard<std::mutex> lock(gWakeupMutex);
  if (gSyncWakeup) gSyncWakeup();
}

std::shared_ptr<TSyncRequest> PopRequest() {
  std::lock_guard<std::mutex> lock(gSyncMutex);
  if (gSyncQueue.empty()) return nullptr;
  auto request = gSyncQueue.front();
  gSyncQueue.pop_front();
  gSyncPending.store(!gSyncQueue.empty());
  return request;
}

void MarkDone(const std::shared_ptr<TSyncRequest>& request) {
  {
    std::lock_guard<std::mutex> lock(gSyncMutex);
    request->Done = true;
  }
  gSyncCond.notify_all();
}

}  // namespace

bool CheckSynchronize() {
  if (!TThread::IsMainThread()) return false;
  size_t count;
  {
    std::lock_guard<std::mutex> lock(gSyncMutex);
    count = gSyncQueue.size();
  }
  // Only the calls present now: a worker that posts again at once waits for
  // the next round instead of keeping the GUI thread here.
  bool ran = false;
  for (size_t i = 0; i < count; ++i) {
    auto request = PopRequest();
    if (!request) break;
    ran = true;
    if (!request->Waiting) {
      MarkDone(request);
      request->Method();
      continue;
    }
    try {
      request->Method();
    } catch (...) {
      request->Error = std::current_exception();
    }
    MarkDone(request);
  }
  return ran;
}

bool SynchronizePending() { return gSyncPending.load(); }

void SetSynchronizeWakeup(std::function<void()> wakeup) {
  std::lock_guard<std::mutex> lock(gWakeupMutex);
  gSyncWakeup = std::move(wakeup);
}

bool TThread::IsMainThread() { return std::this_thread::get_id() == gMainThreadID; }

void TThread::Synchronize(std::function<void()> Method) {
  if (IsMainThread()) {
    Method();
    return;
  }
  auto request = std::make_shared<TSyncRequest>();
  request->Method = std::move(Method);
  request->Waiting = true;
  Post(request);
  std::unique_lock<std::mutex> lock(gSyncMutex);
  gSyncCond.wait(lock, [&] { return request->Done; });
  lock.unlock();
  if (request->Error) std::rethrow_exception(request->Error);
}

void TThread::Queue(std::function<void()> Method) {
  if (IsMainThread()) {
    Method();
    return;
  }
  auto request = std::make_shared<TSyncRequest>();
  request->Method = std::move(Method);
  Post(request);
}

void TThread::NameThreadForDebugging(const std::string& name) {
  // The kernel keeps 15 bytes of a thread's name.
  pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());
}

TThread::TThread(bool CreateSuspended) { FSuspended = CreateSuspended; }

TThread::~TThread() {
  if (FThread.joinable() && std::this_thread::get_id() == FThread.get_id()) {
    FThread.detach();  // freeing itself at its end (FreeOnTerminate)
    return;
  }
  try {
    StopAndWait();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
  }
}

void TThread::Start() {
  std::lock_guard<std::mutex> lock(FStateMutex);
  FSuspended = false;
  if (!FStarted) {
    FStarted = true;
    FThread = std::thread(ThreadProc, this);
    FThreadID = FThread.get_id();
  }
  FStateChanged.notify_all();
}

void TThread::Suspend() {
  std::lock_guard<std::mutex> lock(FStateMutex);
  FSuspended = true;
}

bool TThread::GetSuspended() const {
  std::lock_guard<std::mutex> lock(FStateMutex);
  return FSuspended;
}

void TThread::CheckSuspended() {
  std::unique_lock<std::mutex> lock(FStateMutex);
  FStateChanged.wait(lock, [this] { return !FSuspended || FTerminated.load(); });
}

void TThread::Terminate() {
  {
    std::lock_guard<std::mutex> lock(FStateMutex);
    FTerminated.store(true);
  }
  FStateChanged.notify_all();
  // A worker sleeping in test time should see the request without waiting
  // for the test to move the clock.
  Clock().WakeSleepers();
}

void TThread::SetFreeOnTerminate(bool value) {
  // Under the lock that the thread's end takes, so the thread either sees the
  // new value or has ended before it was set.
  std::lock_guard<std::mutex> lock(gSyncMutex);
  FFreeOnTerminate.store(value);
}

void TThread::StopAndWait() {
  Terminate();
  {
    std::lock_guard<std::mutex> lock(FStateMutex);
    FSuspended = false;
  }
  FStateChanged.notify_all();
  // A thread freeing itself (FreeOnTerminate) has nothing to wait for.
  if (std::this_thread::get_id() != FThreadID) WaitFor();
}

int TThread::WaitFor() {
  if (!FStarted) return FReturnValue;
  if (std::this_thread::get_id() == FThreadID) throw EThread("A thread cannot wait for itself");
  std::exception_ptr queuedError;
  std::unique_lock<std::mutex> lock(gSyncMutex);
  while (!FFinished.load()) {
    if (IsMainThread() && !gSyncQueue.empty()) {
      lock.unlock();
      try {
        CheckSynchronize();
      } catch (...) {
        if (!queuedError) queuedError = std::current_exception();
      }
      lock.lock();
      continue;
    }
    gSyncCond.wait(lock);
  }
  lock.unlock();
  if (FThread.joinable()) FThread.join();
  // A failing queued call that ran meanwhile is raised once the wait is over.
  if (queuedError) std::rethrow_exception(queuedError);
  return FReturnValue;
}

void TThread::ThreadProc(TThread* self) {
  self->CheckSuspended();
  if (!self->Terminated()) {
    try {
      self->Execute();
    } catch (...) {
      self->FFatalException = std::current_exception();
    }
  }
  bool freeSelf;
  {
    std::lock_guard<std::mutex> lock(gSyncMutex);
    freeSelf = self->FFreeOnTerminate.load();
    self->FFinished.store(true);
  }
  gSyncCond.notify_all();
  if (freeSelf) delete self;
}

void TEvent::SetEvent() {
  {
    std::lock_guard<std::mutex> lock(FMutex);
    FSignaled = true;
  }
  if (FManualReset)
    FCond.notify_all();
  else
    FCond.notify_one();
}

void TEvent::ResetEvent() {
  std::lock_guard<std::mutex> lock(FMutex);
  FSignaled = false;
}

TWaitResult TEvent::WaitFor(uint32_t timeoutMs) {
  std::unique_lock<std::mutex> lock(FMutex);
  const auto signaled = [this] { return FSignaled; };
  if (timeoutMs == INFINITE)
    FCond.wait(lock, signaled);
  else if (!FCond.wait_for(lock, std::chrono::milliseconds(timeoutMs), signaled))
    return wrTimeout;
  if (!FManualReset) FSignaled = false;
  return wrSignaled;
}
