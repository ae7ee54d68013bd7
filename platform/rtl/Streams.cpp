#include "platform/rtl/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>

namespace {

constexpr int32_t kCopyChunk = 64 * 1024;

int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size) {
  switch (origin) {
    case soBeginning:
      return offset;
    case soCurrent:
      return position + offset;
    default:
      return size + offset;
  }
}

std::string SystemMessage(int error) { return std::strerror(error); }

// Reads or writes a whole block of any size in pieces the stream calls take.
void ReadAll(TStream& stream, uint8_t* data, int64_t size) {
  for (int64_t done = 0; done < size; done += kCopyChunk) {
    stream.ReadBuffer(data + done,
                      static_cast<int32_t>(std::min<int64_t>(size - done, kCopyChunk)));
  }
}

void WriteAll(TStream& stream, const uint8_t* data, int64_t size) {
  for (int64_t done = 0; done < size; done += kCopyChunk) {
    stream.WriteBuffer(data + done,
                       static_cast<int32_t>(std::min<int64_t>(size - done, kCopyChunk)));
  }
}

}  // namespace

// --- TStream ---

int64_t TStream::GetSize() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, int32_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int32_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.GetSize();
  }
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, kCopyChunk)));
  for (int64_t left = count; left > 0;) {
    const int32_t n = static_cast<int32_t>(std::min<int64_t>(left, kCopyChunk));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return count;
}

// --- TCustomMemoryStream ---

int32_t TCustomMemoryStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || FPosition >= FSize) return 0;
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(count, FSize - FPosition));
  std::memcpy(buffer, static_cast<const uint8_t*>(FMemory) + FPosition, n);
  FPosition += n;
  return n;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t target = SeekTarget(offset, origin, FPosition, FSize);
  if (target < 0) throw EStreamError("Invalid stream position");
  FPosition = target;
  return FPosition;
}

void TCustomMemoryStream::SetPointer(const void* memory, int64_t size) {
  FMemory = memory;
  FSize = size;
}

void TCustomMemoryStream::SaveToStream(TStream& stream) {
  WriteAll(stream, static_cast<const uint8_t*>(FMemory), FSize);
}

void TCustomMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

// --- TMemoryStream ---

void TMemoryStream::Sync() { SetPointer(FData.data(), static_cast<int64_t>(FData.size())); }

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  const int64_t end = FPosition + count;
  if (end > FSize) {
    FData.resize(static_cast<size_t>(end));
    Sync();
  }
  std::memcpy(FData.data() + FPosition, buffer, count);
  FPosition = end;
  return count;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("Invalid stream size");
  FData.resize(static_cast<size_t>(size));
  Sync();
  FPosition = std::min(FPosition, size);
}

void TMemoryStream::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  Sync();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  const int64_t size = stream.GetSize();
  SetSize(size);
  FPosition = 0;
  ReadAll(stream, FData.data(), size);
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

// --- TFileStream ---

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : FFileName(fileName) {
  const bool create = (mode & fmCreate) == fmCreate;
  int flags = O_CLOEXEC;
  if (create) {
    flags |= O_RDWR | O_CREAT | O_TRUNC;
  } else {
    const int access = mode & 0x3;
    flags |= access == fmOpenWrite ? O_WRONLY : access == fmOpenReadWrite ? O_RDWR : O_RDONLY;
  }
  FHandle = ::open(fileName.c_str(), flags, 0666);
  if (FHandle >= 0) {
    struct stat info {};
    if (fstat(FHandle, &info) == 0 && !S_ISDIR(info.st_mode)) return;
    ::close(FHandle);
    FHandle = -1;
    errno = EISDIR;
  }
  const std::string reason = SystemMessage(errno);
  if (create) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
  throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);
}

int32_t TFileStream::Read(void* buffer, int32_t count) {
  int32_t done = 0;
  while (done < count) {
    const ssize_t n = ::read(FHandle, static_cast<uint8_t*>(buffer) + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<int32_t>(n);
  }
  return done;
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
  int32_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(FHandle, static_cast<const uint8_t*>(buffer) + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<int32_t>(n);
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  const off_t position = ::lseek(FHandle, offset, whence);
  if (position < 0) throw EStreamError("Invalid stream position");
  return position;
}

void TFileStream::SetSize(int64_t size) {
  if (size < 0 || ::ftruncate(FHandle, size) != 0) {
    throw EStreamError("Cannot set the size of \"" + FFileName + "\". " + SystemMessage(errno));
  }
  if (GetPosition() > size) Seek(size, soBeginning);
}

// --- resources ---

namespace {

struct TResource {
  const void* Data;
  size_t Size;
};

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return text;
}

std::mutex& ResourceLock() {
  static std::mutex lock;
  return lock;
}

std::map<std::string, TResource>& Resources() {
  static std::map<std::string, TResource> table;
  return table;
}

bool LookUp(const std::string& name, TResource& found) {
  std::lock_guard<std::mutex> guard(ResourceLock());
  const auto it = Resources().find(UpperAscii(name));
  if (it == Resources().end()) return false;
  found = it->second;
  return true;
}

}  // namespace

void RegisterResource(const std::string& name, const void* data, size_t size) {
  std::lock_guard<std::mutex> guard(ResourceLock());
  Resources()[UpperAscii(name)] = TResource{data, size};
}

bool FindResource(const std::string& name) {
  TResource found{};
  return LookUp(name, found);
}

TResourceStream::TResourceStream(const std::string& resName) {
  TResource found{};
  if (!LookUp(resName, found)) throw EResNotFound("Resource " + resName + " not found");
  SetPointer(found.Data, static_cast<int64_t>(found.Size));
}

TResourceStream::TResourceStream(const void* data, size_t size) {
  SetPointer(data, static_cast<int64_t>(size));
}

int32_t TResourceStream::Write(const void*, int32_t) {
  throw EStreamError("Can't write to a read-only resource stream");
}
