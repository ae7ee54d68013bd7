// Path text (SVG-like data of path resources), read and written again; the
// text written must read back.

#include <exception>
#include <string>

#include "fuzz/fuzz_support.h"
#include "scene/zr_path.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TzrPathData path;
  try {
    path.SetPathString(std::string(reinterpret_cast<const char*>(Data), Size));
  } catch (const std::exception&) {
    return 0;
  }
  const std::string text = path.GetPathString();
  TzrPathData again;
  try {
    again.SetPathString(text);
  } catch (const std::exception&) {
    FuzzCheck(false, "the path text written reads back");
  }
  return 0;
}
