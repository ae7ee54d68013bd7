#include "tests/support/ZipFixture.h"

#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

void WriteZip(const std::string& fileName,
              const std::vector<std::pair<std::string, std::string>>& entries) {
  int error = 0;
  zip_t* z = zip_open(fileName.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!z) throw std::runtime_error("cannot create " + fileName);
  for (const auto& [name, content] : entries) {
    zip_source_t* source = zip_source_buffer(z, content.data(), content.size(), 0);
    if (!source || zip_file_add(z, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
      zip_source_free(source);
      zip_discard(z);
      throw std::runtime_error("cannot add " + name);
    }
  }
  if (zip_close(z) != 0) throw std::runtime_error("cannot write " + fileName);
}

std::string ZipBytes(const std::vector<std::pair<std::string, std::string>>& entries) {
  const auto path =
      std::filesystem::temp_directory_path() / ("zipfixture_" + std::to_string(getpid()) + ".zip");
  WriteZip(path.string(), entries);
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  in.close();
  std::filesystem::remove(path);
  return s.str();
}
