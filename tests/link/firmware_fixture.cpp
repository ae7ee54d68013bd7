#include "tests/link/firmware_fixture.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "platform/rtl/SysUtils.h"
#include "tests/link/firmware_generator.h"

namespace {

void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string text = error ? error : "sqlite error";
    sqlite3_free(error);
    throw std::runtime_error(text);
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

FirmwareFixture::FirmwareFixture() {
  char pattern[] = "/tmp/esctool-firmware-XXXXXX";
  Folder = std::string(mkdtemp(pattern)) + "/";
  MessageBoxHook = [this](const TMessageBoxRequest& request) {
    Questions.push_back(request);
    if (Answers.empty()) return IDYES;
    const int answer = Answers.front();
    Answers.erase(Answers.begin());
    return answer;
  };
}

FirmwareFixture::~FirmwareFixture() {
  MessageBoxHook = nullptr;
  std::error_code error;
  std::filesystem::remove_all(Folder, error);
}

FirmwareFixture::TRow FirmwareFixture::Row(int key, const std::string& version,
                                           const std::string& name,
                                           const std::vector<uint8_t>& first,
                                           const std::vector<uint8_t>& second) {
  TFirmwareBlobOptions options;
  options.LineLength = 64;
  return {key, version, name, BuildFirmwareBlob(first, second, version, options)};
}

void FirmwareFixture::WriteDatabase(const std::string& model, const std::string& hardware,
                                    const std::vector<TRow>& rows) {
  const std::string path = Folder + "fw_settings.db3";
  std::filesystem::remove(path);
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  Exec(db, ReadFile(ESCTOOL_SOURCE_DIR "/resources/databases/schema.sql"));
  Exec(db, "insert into splash values (1, '" + model + "');");
  Exec(db, "insert into controller values (10, '" + hardware + "', 1);");
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "insert into software values (?, ?, ?, ?, 10)", -1, &insert, nullptr);
  for (const TRow& row : rows) {
    sqlite3_bind_int(insert, 1, row.Key);
    sqlite3_bind_text(insert, 2, row.Version.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_blob(insert, 3, row.Blob.data(), static_cast<int>(row.Blob.size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 4, row.Name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_close(db);
  Form->FModelDatabase = path;
}

void FirmwareFixture::WriteVersionFile(const std::string& text) {
  std::ofstream(Folder + "fw_version_control.ini") << text;
}

TSimBootloader& FirmwareFixture::ConnectBootloader(const std::string& model,
                                                   const std::string& hardware,
                                                   const std::string& firmware,
                                                   const std::vector<std::string>& list) {
  auto loader = std::make_unique<TSimBootloader>(model, hardware, firmware);
  Bootloader = loader.get();
  Controller = Bootloader;
  Device = &Adapter.Plug(std::move(loader));
  Arrive();
  Form->FModel = model;
  Form->FHardware = hardware;
  Form->FFirmware = firmware;
  Form->FConnected = true;
  Form->Circle1->GetFill()->SetColor("#FF00AA00");
  Form->cbFirmware->Clear();
  for (const std::string& name : list) zrComboAddText(Form->cbFirmware, UTF8ToUTF16(name));
  Form->cbFirmware->SetItemIndex(0);
  Form->btnUpgrade->SetEnabled(!list.empty());
  return *Bootloader;
}

std::string FirmwareFixture::TopMessage() const {
  const auto& lines = Form->eMessage->GetUnwrapLines();
  return lines.empty() ? std::string() : UTF16ToUTF8(lines.front());
}

std::vector<uint8_t> FirmwareFixture::Image(size_t n, uint8_t seed) {
  std::vector<uint8_t> image(n);
  for (size_t i = 0; i < n; ++i) image[i] = static_cast<uint8_t>(seed + i * 13 + (i >> 5));
  return image;
}
