#pragma once
// A main window connected through the simulated adapter to a controller in
// its boot loader, with a model database and a version file of the test's own.

#include <string>
#include <vector>

#include "platform/vcl/Dialogs.h"
#include "tests/link/link_fixture.h"
#include "tests/support/SimBootloader.h"

class FirmwareFixture : public LinkFixture {
 protected:
  FirmwareFixture();
  ~FirmwareFixture() override;

  struct TRow {
    int Key;
    std::string Version;  // the "version" column, part of the key text
    std::string Name;     // "bootloader_version"
    std::vector<uint8_t> Blob;
  };
  // A software row whose blob holds the two images, enciphered for the version.
  static TRow Row(int key, const std::string& version, const std::string& name,
                  const std::vector<uint8_t>& first, const std::vector<uint8_t>& second);
  // Writes "fw_settings.db3" with one model, one hardware version and the rows,
  // and points the window at it.
  void WriteDatabase(const std::string& model, const std::string& hardware,
                     const std::vector<TRow>& rows);
  // Writes "fw_version_control.ini" beside the database.
  void WriteVersionFile(const std::string& text);

  // Plugs the boot loader, runs the arrival and brings the window into the
  // connected state with the link lamp on and the firmware list filled.
  TSimBootloader& ConnectBootloader(const std::string& model, const std::string& hardware,
                                    const std::string& firmware,
                                    const std::vector<std::string>& list = {});

  // The top line of the controller message area.
  std::string TopMessage() const;

  static std::vector<uint8_t> Image(size_t n, uint8_t seed);

  // Questions asked, and the answers given in turn (Yes when none are left).
  std::vector<TMessageBoxRequest> Questions;
  std::vector<int> Answers;

  std::string Folder;
  TSimBootloader* Bootloader = nullptr;
};
