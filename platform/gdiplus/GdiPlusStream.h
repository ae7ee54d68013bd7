#pragma once
// The COM-style stream interface through which images are read from and
// written to the program's streams, with its result codes, and a stream over
// memory.

#include <cstdint>
#include <vector>

namespace Gdiplus {

using HRESULT = int32_t;
using ULONG = uint32_t;
using DWORD = uint32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001);
constexpr HRESULT E_FAIL = HRESULT(0x80004005);
constexpr HRESULT E_UNEXPECTED = HRESULT(0x8000FFFF);
constexpr HRESULT STG_E_INVALIDFUNCTION = HRESULT(0x80030001);
constexpr HRESULT STG_E_INVALIDPOINTER = HRESULT(0x80030009);
constexpr HRESULT STG_E_REVERTED = HRESULT(0x80030102);
constexpr HRESULT STG_E_CANTSAVE = HRESULT(0x80030103);

enum STREAM_SEEK { STREAM_SEEK_SET = 0, STREAM_SEEK_CUR = 1, STREAM_SEEK_END = 2 };
enum STGTY { STGTY_STORAGE = 1, STGTY_STREAM = 2, STGTY_LOCKBYTES = 3, STGTY_PROPERTY = 4 };
enum LOCKTYPE { LOCK_WRITE = 1, LOCK_EXCLUSIVE = 2, LOCK_ONLYONCE = 4 };
enum STATFLAG { STATFLAG_DEFAULT = 0, STATFLAG_NONAME = 1 };

// A file time: 100-nanosecond intervals since 1601-01-01 UTC.
using FILETIME = uint64_t;

struct STATSTG {
  char16_t* pwcsName = nullptr;
  DWORD type = 0;
  uint64_t cbSize = 0;
  FILETIME mtime = 0;
  FILETIME ctime = 0;
  FILETIME atime = 0;
  DWORD grfMode = 0;
  DWORD grfLocksSupported = 0;
  uint8_t clsid[16] = {};
  DWORD grfStateBits = 0;
  DWORD reserved = 0;
};

class IUnknown {
 public:
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  virtual ~IUnknown() = default;
};

class IStream : public IUnknown {
 public:
  virtual HRESULT Read(void* pv, ULONG cb, ULONG* pcbRead) = 0;
  virtual HRESULT Write(const void* pv, ULONG cb, ULONG* pcbWritten) = 0;
  virtual HRESULT Seek(int64_t dlibMove, DWORD dwOrigin, uint64_t* plibNewPosition) = 0;
  virtual HRESULT SetSize(uint64_t libNewSize) = 0;
  virtual HRESULT CopyTo(IStream* stm, uint64_t cb, uint64_t* pcbRead, uint64_t* pcbWritten) = 0;
  virtual HRESULT Commit(DWORD grfCommitFlags) = 0;
  virtual HRESULT Revert() = 0;
  virtual HRESULT LockRegion(uint64_t libOffset, uint64_t cb, DWORD dwLockType) = 0;
  virtual HRESULT UnlockRegion(uint64_t libOffset, uint64_t cb, DWORD dwLockType) = 0;
  virtual HRESULT Stat(STATSTG* pstatstg, DWORD grfStatFlag) = 0;
  virtual HRESULT Clone(IStream** ppstm) = 0;
};

// A reference-counted stream over a growable block of memory holding a copy of
// the given bytes, positioned at 0; the caller owns one reference.
IStream* SHCreateMemStream(const uint8_t* pInit, uint32_t cbInit);

// Reads everything from the stream's position to its end; false on a read failure.
bool ReadWholeStream(IStream* stream, std::vector<uint8_t>& bytes);

}  // namespace Gdiplus
