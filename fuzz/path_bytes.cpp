// Binary paths (the "Path" entry of streams), read and written again.

#include <exception>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "scene/zr_path.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TzrPathData path;
  try {
    path.ReadPathBytes(std::vector<uint8_t>(Data, Data + Size));
  } catch (const std::exception&) {
    return 0;
  }
  const std::vector<uint8_t> written = path.WritePathBytes();
  TzrPathData again;
  again.ReadPathBytes(written);
  FuzzCheck(again.WritePathBytes() == written, "a binary path written reads back the same");
  (void)path.GetPathString();
  return 0;
}
