#include "tests/support/RunCommand.h"

#include <array>
#include <cstdio>

TRun RunCommand(const std::string& ACommand) {
  TRun result{-1, ""};
  FILE* pipe = popen((ACommand + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    result.Output.append(buffer.data(), n);
  result.Status = pclose(pipe);
  return result;
}
