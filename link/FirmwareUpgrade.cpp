// The firmware upgrade transfer: the version's enciphered container from the
// model database, deciphered and unpacked into two images, written to the
// device with commands 12 and 4, each after its own connect handshake.

#include <sqlite3.h>

#include <cstring>
#include <vector>

#include "app/frmInterface.h"
#include "link/DemoFirmware.h"
#include "link/FirmwareContainer.h"
#include "platform/rtl/Clock.h"

namespace {

const char kSoftwareBlobQuery[] =
    "select a.version, a.bootloader from software a left join controller b on "
    "a.controller_key=b.key left join splash c on b.splash_key=c.key where b.name=? and "
    "c.title=?  and a.bootloader_version=? order by a.key desc";

constexpr uint32_t kHandshakeWait = 5000;
constexpr uint32_t kFirstImagePause = 50;
constexpr int kFirstImageAttempts = 20;
constexpr int kSecondImageAttempts = 10;
constexpr int kImagePostDelay = 2500;
constexpr uint8_t kFirstImageCommand = 12;
constexpr uint8_t kSecondImageCommand = 4;
// A data frame carries a 16-bit chunk index: longer images cannot be addressed.
constexpr size_t kMaxImageLength = 65536 * 16 - 1;

// What the transfer holds open; released on every way out, an exception included.
struct TUpgradeScope {
  TfrmInterface& Form;
  sqlite3* Db = nullptr;
  sqlite3_stmt* Query = nullptr;
  explicit TUpgradeScope(TfrmInterface& form) : Form(form) { Form.FUpgrading = true; }
  ~TUpgradeScope() {
    Form.FUpgrading = false;
    Form.FreeProgressForm();
    sqlite3_finalize(Query);
    sqlite3_close(Db);
  }
  TUpgradeScope(const TUpgradeScope&) = delete;
  TUpgradeScope& operator=(const TUpgradeScope&) = delete;
};

void BindText(sqlite3_stmt* query, int index, const std::string& text) {
  sqlite3_bind_text(query, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* query, int index) {
  const unsigned char* text = sqlite3_column_text(query, index);
  if (!text) return {};
  return std::string(reinterpret_cast<const char*>(text),
                     static_cast<size_t>(sqlite3_column_bytes(query, index)));
}

}  // namespace

// Sends the connect command until the device answers, for at most 5 s; the
// wait ends the same way whether or not it answered.
void TfrmInterface::WaitForHandshake() {
  const uint32_t start = GetTickCount();
  while (GetTickCount() - start < kHandshakeWait) {
    ProcessMessages();
    if (SendCommand(0) && ReadReply(1) == 0) return;
  }
}

std::string TfrmInterface::UpgradeFirmware(const std::string& version, const std::string& channel) {
  TUpgradeScope scope(*this);
  if (!IsLinkLampOn() || FModel.empty() || FHardware.empty()) return "USB Error";
  const bool transform = NeedsImageTransform(FModel, FHardware);
  std::string result = "Error.";

  WaitForHandshake();
  if (!ReadDeviceInfo(false).empty()) return "ESC Error.";

  ProcessMessages();
  if (sqlite3_open_v2(FModelDatabase.c_str(), &scope.Db, SQLITE_OPEN_READWRITE, nullptr) !=
      SQLITE_OK)
    return "Open Database Fail.";
  if (sqlite3_prepare_v2(scope.Db, kSoftwareBlobQuery, -1, &scope.Query, nullptr) != SQLITE_OK)
    return "SQL parse Error.";
  BindText(scope.Query, 1, FHardware);
  BindText(scope.Query, 2, FModel);
  BindText(scope.Query, 3, version);
  const int step = sqlite3_step(scope.Query);
  if (step == SQLITE_DONE) return "Program not found.";
  if (step != SQLITE_ROW) return "Execute Query Fail.";

  const std::string versionText = ColumnText(scope.Query, 0);
  const auto* blob = static_cast<const uint8_t*>(sqlite3_column_blob(scope.Query, 1));
  const size_t n = static_cast<size_t>(sqlite3_column_bytes(scope.Query, 1));
  std::vector<uint8_t> plain(n, 0);

  FStatusKey = "upgrade_drive";
  std::string status =
      LangText(FStatusKey, FStatusKey) + "(Version " + MapFirmwareName(version) + ")...";
  if (channel != "0") status = channel + ": " + status;
  ShowMessageText(status, 0);

  if (n > 0) DecipherFirmware(std::to_string(n) + versionText, blob, n, plain.data());
  sqlite3_finalize(scope.Query);
  scope.Query = nullptr;

  TFirmwareImages images;
  const std::string unpacked = UnpackFirmwareContainer(plain, images);
  if (!unpacked.empty()) return unpacked;
  if (images.First.size() > kMaxImageLength || images.Second.size() > kMaxImageLength)
    return "File Error.";
  // The invented images of the demo models would ruin a real controller.
  if ((IsDemoFirmwareImage(images.First) || IsDemoFirmwareImage(images.Second)) &&
      !IsDemoHardware(FHardware))
    return kDemoFirmwareRefused;
  if (transform) {
    uint8_t key[16];
    BuildTransformKey(FDeviceData, key);
    TransformImage(images.First, key);
    TransformImage(images.Second, key);
    std::memset(key, 0, sizeof(key));
  }
  const int length1 = static_cast<int>(images.First.size());
  const int length2 = static_cast<int>(images.Second.size());
  ShowSettingsProgress(length1 + length2);

  for (int attempt = 0;; ++attempt) {
    WaitMs(kFirstImagePause);
    if (attempt >= kFirstImageAttempts || !FConnected || !FBusy) return result;
    if (!SendCommand(0)) return "Connect Error.";
    if (WaitAck(1) != 0) {
      result = "Return Error.";
      continue;
    }
    if (!WriteBlock(kFirstImageCommand, images.First.data(), kImagePostDelay, length1))
      return "Communicate Error.";
    break;
  }

  WaitForHandshake();
  for (int attempt = 0;; ++attempt) {
    ProcessMessages();
    if (attempt >= kSecondImageAttempts || !FConnected || !FBusy) return result;
    if (!SendCommand(0)) return "Connect Error.";
    if (WaitAck(1) != 0) {
      result = "Return Error.";
      continue;
    }
    if (!WriteBlock(kSecondImageCommand, images.Second.data(), kImagePostDelay, length2))
      return "Program Error.";
    return "";
  }
}
