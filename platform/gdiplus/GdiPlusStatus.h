#pragma once
// LastStatus: what every object of the drawing layer keeps of its failures.
// Nothing throws: a failing call returns its Status and the object keeps it
// until GetLastStatus is asked.

#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class LastStatus {
 public:
  // The last failure since the previous call (Ok when none); the call clears it.
  Status GetLastStatus() const {
    Status s = FLastStatus;
    FLastStatus = Ok;
    return s;
  }

 protected:
  // Keeps a failure for GetLastStatus and gives s back.
  Status SetStatus(Status s) const {
    if (s != Ok) FLastStatus = s;
    return s;
  }

  mutable Status FLastStatus = Ok;
};

}  // namespace Gdiplus
