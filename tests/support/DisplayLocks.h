#pragma once
// What every test process on the display shares: its clipboard and its
// pointer. A test that puts something on the clipboard and reads it back, or
// that moves the pointer or depends on where it stands, holds the matching
// lock for its whole run, so tests running side by side take turns. The
// locks are advisory locks on files in the folder every test process shares.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

class TDisplayLock {
 public:
  explicit TDisplayLock(const std::string& Name) {
    FFd =
        open(("/tmp/esctool-tests-" + Name + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (FFd < 0 || flock(FFd, LOCK_EX) != 0) throw std::runtime_error(Name + " lock");
  }
  virtual ~TDisplayLock() {
    flock(FFd, LOCK_UN);
    close(FFd);
  }
  TDisplayLock(const TDisplayLock&) = delete;
  TDisplayLock& operator=(const TDisplayLock&) = delete;

 private:
  int FFd = -1;
};

class TClipboardLock : public TDisplayLock {
 public:
  TClipboardLock() : TDisplayLock("clipboard") {}
};

// Moving the pointer over another test's windows sends them crossing and
// motion events: the holder parks the pointer in the screen's bottom-right
// corner, where no test places a window, when it is done.
class TPointerLock : public TDisplayLock {
 public:
  TPointerLock() : TDisplayLock("pointer") {}
  ~TPointerLock() override { ParkPointer(); }

 private:
  static void ParkPointer();
};
