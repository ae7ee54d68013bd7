#pragma once
// Streams: a byte sequence with a position. TMemoryStream keeps its bytes in
// memory, TFileStream reads and writes a file, TResourceStream reads data
// compiled into the program.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  std::string ClassName() const override { return "TStream"; }

  // Reads up to count bytes at the position; returns how many were read.
  virtual int32_t Read(void* buffer, int32_t count) = 0;
  // Writes up to count bytes at the position; returns how many were written.
  virtual int32_t Write(const void* buffer, int32_t count) = 0;
  // Moves the position; returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t GetPosition() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  virtual int64_t GetSize();
  virtual void SetSize(int64_t size);

  // Read/Write of exactly count bytes; anything less raises EReadError
  // ("Stream read error") or EWriteError ("Stream write error").
  void ReadBuffer(void* buffer, int32_t count);
  void WriteBuffer(const void* buffer, int32_t count);
  // Copies count bytes from source's position (count 0: all of source, from its
  // start). Returns the number of bytes copied; a short source raises EReadError.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A stream over bytes held elsewhere (memory, resources); reads only.
class TCustomMemoryStream : public TStream {
 public:
  std::string ClassName() const override { return "TCustomMemoryStream"; }
  int32_t Read(void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t GetSize() override { return FSize; }
  const void* Memory() const { return FMemory; }

  void SaveToStream(TStream& stream);
  void SaveToFile(const std::string& fileName);

 protected:
  void SetPointer(const void* memory, int64_t size);

  const void* FMemory = nullptr;
  int64_t FSize = 0;
  int64_t FPosition = 0;
};

// Bytes in memory that grow as they are written. The position may pass the end;
// a write there fills the gap with zeros.
class TMemoryStream : public TCustomMemoryStream {
 public:
  std::string ClassName() const override { return "TMemoryStream"; }
  int32_t Write(const void* buffer, int32_t count) override;
  void SetSize(int64_t size) override;
  void Clear();
  using TCustomMemoryStream::Memory;
  void* Memory() { return FData.data(); }

  // Replaces the content with the stream's (from its start) or the file's; the
  // position goes to 0. A file that cannot be opened raises EFOpenError.
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& fileName);

 private:
  void Sync();

  std::vector<uint8_t> FData;
};

// Open modes: one access mode, or fmCreate, combined with a share mode (the
// share modes are accepted and have no effect here).
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;
// Creates the file, or empties an existing one, for reading and writing.
constexpr uint16_t fmCreate = 0xFF00;

class TFileStream : public TStream {
 public:
  // Raises EFOpenError ("Cannot open file "<name>". <reason>") or, with
  // fmCreate, EFCreateError ("Cannot create file "<name>". <reason>").
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::string ClassName() const override { return "TFileStream"; }
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t size) override;
  const std::string& FileName() const { return FFileName; }

 private:
  std::string FFileName;
  int FHandle = -1;
};

// Data compiled into the program, found by name (letter case ignored).
// Register it once, e.g. from a static TResourceRegistration beside the data.
void RegisterResource(const std::string& name, const void* data, size_t size);
bool FindResource(const std::string& name);

struct TResourceRegistration {
  TResourceRegistration(const char* name, const void* data, size_t size) {
    RegisterResource(name, data, size);
  }
};

// A read-only stream over a registered resource, or over given bytes that
// outlive the stream. Writing raises EStreamError. An unknown name raises
// EResNotFound ("Resource <name> not found").
class TResourceStream : public TCustomMemoryStream {
 public:
  explicit TResourceStream(const std::string& resName);
  TResourceStream(const void* data, size_t size);
  std::string ClassName() const override { return "TResourceStream"; }
  int32_t Write(const void* buffer, int32_t count) override;
};
