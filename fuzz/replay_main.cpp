// Replays a corpus without libFuzzer: every file below the given folders (or
// every given file) goes once through LLVMFuzzerTestOneInput. A fault aborts
// the run, as it would under the fuzzer; the file being replayed is named first.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

namespace fs = std::filesystem;

namespace {

void Replay(const fs::path& File) {
  std::fprintf(stderr, "%s\n", File.c_str());
  std::ifstream in(File, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    const fs::path path = argv[i];
    if (!fs::is_directory(path)) {
      Replay(path);
      ++count;
      continue;
    }
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(path))
      if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) Replay(f);
    count += int(files.size());
  }
  std::printf("replayed %d inputs\n", count);
  return count > 0 ? 0 : 1;
}
