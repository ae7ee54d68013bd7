// Fills the firmware containers of a model database built from SQL text:
// every software row whose "bootloader" is null gets two small demo images,
// packed and enciphered for the row's version as the upgrade expects them.
// Run by the build on each freshly built database:
//   firmware_blobs <database.db3>

#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

#include "link/DemoFirmware.h"
#include "tests/link/firmware_generator.h"

namespace {

const char kEmptyRows[] =
    "select a.key, a.version, a.bootloader_version, b.name, c.title from software a left join "
    "controller b on a.controller_key=b.key left join splash c on b.splash_key=c.key where "
    "a.bootloader is null order by a.key";

std::string Column(sqlite3_stmt* query, int index) {
  const unsigned char* text = sqlite3_column_text(query, index);
  return text ? reinterpret_cast<const char*>(text) : "";
}

// An invented image: a header of the demo marker naming model, hardware and
// version, then a pattern that differs per row.
std::vector<uint8_t> DemoImage(const std::string& header, size_t length, uint32_t seed) {
  std::vector<uint8_t> image(header.begin(), header.end());
  image.resize(length, 0);
  uint32_t state = seed * 2654435761u + 1;
  for (size_t i = header.size(); i < length; ++i) {
    state = state * 1103515245u + 12345u;
    image[i] = static_cast<uint8_t>(state >> 16);
  }
  return image;
}

struct TRowBlob {
  int Key;
  std::vector<uint8_t> Blob;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: firmware_blobs <database.db3>\n");
    return 2;
  }
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    std::fprintf(stderr, "firmware_blobs: cannot open %s\n", argv[1]);
    sqlite3_close(db);
    return 1;
  }
  std::vector<TRowBlob> blobs;
  sqlite3_stmt* rows = nullptr;
  if (sqlite3_prepare_v2(db, kEmptyRows, -1, &rows, nullptr) != SQLITE_OK) {
    std::fprintf(stderr, "firmware_blobs: %s\n", sqlite3_errmsg(db));
    sqlite3_close(db);
    return 1;
  }
  while (sqlite3_step(rows) == SQLITE_ROW) {
    const int key = sqlite3_column_int(rows, 0);
    const std::string header =
        kDemoFirmwareMarker + Column(rows, 4) + " " + Column(rows, 3) + " " + Column(rows, 2);
    const auto first = DemoImage(header + " BOOT", 1024 + 16 * (key % 7) + 5, key);
    const auto second = DemoImage(header + " APP", 512 + 16 * (key % 5) + 9, key + 7919);
    TFirmwareBlobOptions options;
    options.LineLength = 64;
    blobs.push_back({key, BuildFirmwareBlob(first, second, Column(rows, 1), options)});
  }
  sqlite3_finalize(rows);

  sqlite3_stmt* update = nullptr;
  sqlite3_prepare_v2(db, "update software set bootloader=? where key=?", -1, &update, nullptr);
  int failures = 0;
  for (const TRowBlob& row : blobs) {
    sqlite3_bind_blob(update, 1, row.Blob.data(), static_cast<int>(row.Blob.size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_int(update, 2, row.Key);
    if (sqlite3_step(update) != SQLITE_DONE) ++failures;
    sqlite3_reset(update);
  }
  sqlite3_finalize(update);
  sqlite3_close(db);
  if (failures) std::fprintf(stderr, "firmware_blobs: %d rows not written\n", failures);
  return failures ? 1 : 0;
}
