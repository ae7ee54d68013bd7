#pragma once
// A speed controller whose boot loader takes a firmware upgrade: besides the
// controller's handshake and identity it receives the first image with
// command 12 and the second with command 4, in acknowledged 16-byte chunks.
// It checks each whole image when its last chunk arrives and reports the
// outcome by acknowledging that chunk (success) or answering it with the
// negative acknowledgement (failure). After both images it restarts with the
// new firmware version in its identity.

#include <optional>
#include <string>
#include <vector>

#include "tests/support/SimController.h"

class TSimBootloader : public TSimController {
 public:
  using TSimController::TSimController;

  // The images the boot loader accepts (as they travel, after any transform);
  // an image that differs fails its check. Unset: any image is accepted.
  std::optional<std::vector<uint8_t>> ExpectFirst, ExpectSecond;
  // The firmware version the device reports after a successful upgrade
  // (unset: it keeps its version).
  std::optional<std::string> NewFirmware;

  // Fault knobs.
  bool FailFirst = false;     // the first image's check fails
  bool FailSecond = false;    // the second image's check fails
  int DropImageAcks = 0;      // the next image chunks are not acknowledged
  uint8_t UnplugCommand = 0;  // with UnplugChunk: unplugged when this chunk arrives
  int UnplugChunk = -1;

  // What the boot loader received.
  struct TImageFrame {
    uint32_t Tick;  // virtual time of arrival
    uint8_t Command;
    int Index;
    int Length;
  };
  std::vector<TImageFrame> ImageFrames;
  std::vector<uint8_t> FirstImage, SecondImage;  // the images as received
  bool FirstDone = false, SecondDone = false;    // checked and accepted
  uint32_t FirstDoneTick = 0, SecondDoneTick = 0;
  int Restarts = 0;
  // Ticks of the connect commands, to see the waits between the images.
  std::vector<uint32_t> ConnectTicks;

  void OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) override;

 private:
  void OnImageFrame(const std::vector<uint8_t>& frame, TSimDevice& device);
  bool CheckImage(uint8_t command) const;
  int FExpectedIndex[2] = {0, 0};
};
