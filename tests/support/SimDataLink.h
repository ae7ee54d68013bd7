#pragma once
// A data link box behind the adapter, as the link protocol sees it: the box's
// own handshake and identity (markers 0xA8/0x8A), the channel status
// (command 17), channel selection (command 18) and the data-link mode
// (command 21); behind up to eight channels a device each, with its own frame
// markers, handshake and identity, four Modbus holding registers reached
// through 49-byte reports, and a boot loader that takes the two firmware
// images (commands 12 and 4). Knobs for absent channels, channels that refuse
// selection and bad Modbus replies.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/SimAdapter.h"
#include "tests/support/SimController.h"

uint16_t SimCrc16Modbus(const uint8_t* data, size_t count);
// Appends the Modbus CRC, low byte first.
void SimAppendModbusCrc(std::vector<uint8_t>& frame);

// What a channel's device does wrong in its Modbus replies.
enum class TModbusFault {
  None,
  Silent,          // no reply at all
  BadCrc,          // the reply's CRC is wrong
  WrongFunction,   // the reply carries another function code
  WrongByteCount,  // a read reply whose byte count is not 8
  Exception,       // the exception reply (function | 0x80, code 4)
  WrongReportId,   // the 49-byte report carries identifier 2
  ShortReport,     // the report is 20 bytes long
};

// The device behind one channel.
class TSimChannelDevice : public TSimDeviceModel {
 public:
  TSimChannelDevice(std::string model, std::string hardware, std::string firmware, uint8_t start,
                    uint8_t end);

  uint8_t Start() const { return FController.Start; }
  uint8_t End() const { return FController.End; }
  // Handshake and identity (commands 0 and 7); its knobs are the controller's.
  TSimController& Controller() { return FController; }

  // Modbus holding registers 0 to 3 of device address 1.
  std::array<uint16_t, 4> Registers{};
  TModbusFault ModbusFault = TModbusFault::None;     // applied to every reply while set
  std::vector<std::vector<uint8_t>> ModbusRequests;  // frames received, in order
  int RegisterWrites = 0;

  // Boot loader: images received with command 12 (first) and 4 (second).
  std::vector<uint8_t> Image1, Image2;
  bool RejectImages = false;  // no chunk is acknowledged

  void OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) override;
  // A Modbus request frame; the reply frame, empty for none.
  std::vector<uint8_t> OnModbus(const std::vector<uint8_t>& request);

 private:
  void OnImageChunk(const std::vector<uint8_t>& frame, TSimDevice& device);
  std::vector<uint8_t> ModbusReply(const std::vector<uint8_t>& request);

  TSimController FController;
  std::vector<uint8_t> FImage;
  int FImageIndex = 0;
  uint8_t FImageCommand = 0;
};

class TSimDataLink : public TSimDeviceModel {
 public:
  explicit TSimDataLink(std::string model = "VL_DATALINK", std::string hardware = "DL01",
                        std::string firmware = "D1.0");

  // The box itself (markers 0xA8/0x8A).
  TSimController& Box() { return FBox; }
  // Puts a device behind channel 1 to 8; the channel reports it present.
  TSimChannelDevice& Attach(int channel, const std::string& model = "CAR_ESC",
                            const std::string& hardware = "VL46_SL01",
                            const std::string& firmware = "V1.0", uint8_t start = 0xA5,
                            uint8_t end = 0x5A);
  TSimChannelDevice* Channel(int channel) const;

  // Knobs per channel (index 0 = channel 1).
  std::array<int, 8> RefuseSelection{};  // the next selections get a NAK (-1: always)
  std::array<bool, 8> HideChannel{};     // a device is there but the status says absent

  // What the box saw.
  int StatusRequests = 0;
  std::vector<uint8_t> LastStatusRequest;
  std::vector<int> SelectRequests;  // channel numbers asked for, in order
  int Selected = 0;                 // the channel selected last, 0 = none
  int Mode = 0;                     // argument of the last command 21
  // Modbus reports as written (49 bytes with the identifier).
  std::vector<std::vector<uint8_t>> ModbusReports;

  void OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) override;
  bool OnReport(const uint8_t* report, size_t length, TSimDevice& device) override;

 private:
  bool OnBoxCommand(const std::vector<uint8_t>& frame, TSimDevice& device);

  TSimController FBox;
  std::array<std::unique_ptr<TSimChannelDevice>, 8> FChannels;
};
