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

namespace {

uint32_t Get(const std::string& b, size_t at, int bytes) {
  if (at + size_t(bytes) > b.size()) throw std::runtime_error("archive too short");
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(b[at + size_t(i)]);
  return v;
}

void Put(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + size_t(i)] = char(v >> (8 * i) & 0xFF);
}

// Where the entry's central and local headers start.
struct THeaders {
  size_t Central = 0, Local = 0;
};

THeaders FindEntry(const std::string& zip, int index) {
  const size_t end = zip.rfind(std::string("PK\x05\x06", 4));
  if (end == std::string::npos) throw std::runtime_error("no end of the central directory");
  if (index < 0 || uint32_t(index) >= Get(zip, end + 10, 2))
    throw std::runtime_error("no such entry");
  size_t at = Get(zip, end + 16, 4);
  for (int i = 0; i < index; ++i)
    at += 46 + Get(zip, at + 28, 2) + Get(zip, at + 30, 2) + Get(zip, at + 32, 2);
  if (zip.compare(at, 4, "PK\x01\x02", 4) != 0) throw std::runtime_error("no central header");
  return {at, Get(zip, at + 42, 4)};
}

}  // namespace

std::string WithBadCrc(std::string zip, int index) {
  const THeaders h = FindEntry(zip, index);
  const uint32_t crc = Get(zip, h.Central + 16, 4) ^ 0x5A5A5A5Au;
  Put(zip, h.Central + 16, crc);
  Put(zip, h.Local + 14, crc);
  return zip;
}

std::string WithBrokenDeflate(std::string zip, int index) {
  const THeaders h = FindEntry(zip, index);
  if (Get(zip, h.Central + 10, 2) != 8) throw std::runtime_error("the entry is not deflated");
  const size_t data = h.Local + 30 + Get(zip, h.Local + 26, 2) + Get(zip, h.Local + 28, 2);
  const size_t size = Get(zip, h.Central + 20, 4);
  if (size < 64) throw std::runtime_error("the entry's data is too short to break");
  for (size_t i = size / 2; i < size / 2 + 16; ++i) zip[data + i] = char(0xFF);
  return zip;
}

std::string WithStoredSize(std::string zip, int index, uint32_t size) {
  const THeaders h = FindEntry(zip, index);
  Put(zip, h.Central + 24, size);
  Put(zip, h.Local + 22, size);
  return zip;
}

std::string TextBytes(size_t size, unsigned seed) {
  std::string text;
  uint32_t x = seed * 2654435761u + 1;
  while (text.size() < size) {
    x = x * 1664525u + 1013904223u;
    text += "row " + std::to_string(x >> 20) + " value " + std::to_string(x >> 28) + "\n";
  }
  text.resize(size);
  return text;
}
