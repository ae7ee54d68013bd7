// Model databases (SQLite files beside the program, replaced by downloads):
// the model look-up and the firmware version rows.

#include "fuzz/fuzz_support.h"
#include "pages/ModelDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string path = WriteScratchFile(Data, Size, ".db3");
  (void)FindModelDatabase({path}, "CAR_ESC");
  (void)ReadSoftwareVersions(path, "VL450SD", "CAR_ESC");
  return 0;
}
