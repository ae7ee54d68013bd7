#pragma once
// Common ground of the add-on widgets: the named worker-thread base, the
// library's exception and the base of its non-visual components.

#include <string>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Thread.h"

// The add-on library's exception.
class EXWException : public Exception {
 public:
  using Exception::Exception;
};

// A worker thread with a readable name for debuggers.
class TXwCustomThread : public TThread {
 public:
  explicit TXwCustomThread(bool CreateSuspended = true) : TThread(CreateSuspended) {}
  std::string ClassName() const override { return "TXwCustomThread"; }

  // The class name when no name is stored, else the name followed by
  // " {" + class name + "}".
  virtual std::string QualifiedThreadName() const;
  virtual void StoreThreadName(const std::string& name) { FThreadName = name; }
  const std::string& ThreadName() const { return FThreadName; }
  // Names the calling thread (thread id -1: the thread's own, the only one
  // Linux lets a thread name); workers call it with QualifiedThreadName()
  // when their body starts.
  virtual void NameThread(const std::string& name, int threadId = -1);
  void NameThread(const std::u16string& name, int threadId = -1);

 private:
  std::string FThreadName;
};

// The library's about box entry in the property list: it shows the
// library's name, is never stored and does nothing at run time.
using TXWAboutInfo = std::string;

// Base of the library's non-visual components.
class TXwComponent : public TComponent {
 public:
  explicit TXwComponent(TComponent* AOwner) : TComponent(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwComponent"; }

  TXWAboutInfo GetAboutXW() const { return "Add-on widgets"; }
  void SetAboutXW(const TXWAboutInfo&) {}
};
