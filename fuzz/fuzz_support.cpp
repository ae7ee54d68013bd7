#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

std::string WriteScratchFile(const uint8_t* Data, size_t Size, const std::string& Extension) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("esctool_fuzz_" + std::to_string(getpid()) + Extension))
                               .string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(Data), std::streamsize(Size));
  return path;
}

void FuzzCheck(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", What);
  std::abort();
}
