#pragma once
// A speed controller behind the adapter, as the link protocol sees it: the
// handshake, the information block (command 7), the settings block read
// (command 9) and write (command 8), factory defaults (command 10), the
// disconnect (command 5) and the data-link mode command (21), with knobs for
// the faults a real link shows.

#include <functional>
#include <map>
#include <string>

#include "tests/support/SimAdapter.h"

enum class TChunkFault {
  WrongIndex,      // the chunk carries the next index
  BadCrc,          // one CRC byte is wrong
  WrongMarkers,    // start marker of another product
  ShortReport,     // only the report identifier arrives (1 byte)
  OverlongReport,  // a 64-byte report
  HugeLength,      // the length byte says 200
  Drop,            // the chunk is lost
  EndFrame,        // the chunk goes out as an end frame (command + 1)
};

class TSimController : public TSimDeviceModel {
 public:
  TSimController(std::string model, std::string hardware, std::string firmware);

  // Identity and memory.
  uint8_t Start = 0xA5;
  uint8_t End = 0x5A;
  std::vector<uint8_t> Info;       // the information block, 80 bytes
  std::vector<uint8_t> Settings;   // what command 9 sends
  std::vector<uint8_t> LastWrite;  // the last block received with command 8
  void SetInfoField(int offset, const std::string& text);
  void SetInfoBytes(int offset, const std::vector<uint8_t>& bytes);

  // Fault knobs.
  bool Silent = false;          // answers nothing at all
  int IgnoreHandshakes = 0;     // the next connect commands go unanswered
  bool IgnoreInfo = false;      // the information request goes unanswered
  bool IgnoreSettings = false;  // the settings request goes unanswered
  int NakRequests = 0;          // the next block requests are answered with a NAK (-1: always)
  int DropAcks = 0;             // the next written chunks are not acknowledged
  bool RejectWrites = false;    // written chunks are never acknowledged
  std::map<int, TChunkFault> ChunkFaults;  // one-shot fault by outgoing chunk index
  // Where a completely received write (command 8) lands in Settings, as a
  // device keeps what it was sent; below 0 it is only recorded in LastWrite.
  int KeepWritesAt = -1;

  // Runs when a settings request (command 9) arrives, before the answer.
  std::function<void()> OnSettingsRequest;

  // What the device saw.
  int Handshakes = 0;
  int Disconnects = 0;
  int InfoRequests = 0;
  int SettingsRequests = 0;
  int Defaults = 0;
  int Naks = 0;
  std::vector<uint8_t> LastModeFrame;  // the last command 9 or 10 frame
  std::vector<uint8_t> LastDataLinkMode;

  void OnFrame(const std::vector<uint8_t>& frame, TSimDevice& device) override;

 private:
  bool OwnFrame(const std::vector<uint8_t>& frame) const;
  void StartBlock(uint8_t command, const std::vector<uint8_t>& data, TSimDevice& device);
  void SendChunk(TSimDevice& device);
  void OnDataFrame(const std::vector<uint8_t>& frame, TSimDevice& device);
  void KeepWrite();

  // The block being sent.
  uint8_t FOutCommand = 0;
  std::vector<uint8_t> FOut;
  int FOutIndex = -1;
  bool FOutDone = true;
  // The block being received.
  std::vector<uint8_t> FIn;
  int FInIndex = 0;
};
