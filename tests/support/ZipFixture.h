#pragma once
// Writes ZIP archives for tests: entries (name, content) stored as given,
// unsafe names included, and damaged copies of such archives.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Raises std::runtime_error when the archive cannot be written.
void WriteZip(const std::string& fileName,
              const std::vector<std::pair<std::string, std::string>>& entries);
// The same archive as bytes.
std::string ZipBytes(const std::vector<std::pair<std::string, std::string>>& entries);

// Damaged copies of an archive made by ZipBytes, for the entry at index (in
// archive order). Each raises std::runtime_error when the archive does not
// have the shape it changes.
// The stored checksum of the entry is changed, in both of its headers.
std::string WithBadCrc(std::string zip, int index);
// Bytes in the middle of the entry's deflate data are overwritten; the entry
// must be deflated.
std::string WithBrokenDeflate(std::string zip, int index);
// The entry's stored inflated size becomes size, in both of its headers.
std::string WithStoredSize(std::string zip, int index, uint32_t size);
// Text of the given size that deflates well but not trivially (lines of
// pseudo-random numbers from seed), so its deflate data spans several blocks.
std::string TextBytes(size_t size, unsigned seed);
