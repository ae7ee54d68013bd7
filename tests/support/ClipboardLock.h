#pragma once
// The display's clipboard is one for every test process on it. A test that
// puts something there and reads it back holds this lock for its whole run,
// so tests running side by side take turns at the clipboard. The lock is an
// advisory lock on a file in the folder every test process shares.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <stdexcept>

class TClipboardLock {
 public:
  TClipboardLock() {
    FFd = open("/tmp/esctool-tests-clipboard.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (FFd < 0 || flock(FFd, LOCK_EX) != 0) throw std::runtime_error("clipboard lock");
  }
  ~TClipboardLock() {
    flock(FFd, LOCK_UN);
    close(FFd);
  }
  TClipboardLock(const TClipboardLock&) = delete;
  TClipboardLock& operator=(const TClipboardLock&) = delete;

 private:
  int FFd = -1;
};
