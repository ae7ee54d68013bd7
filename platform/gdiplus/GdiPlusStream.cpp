#include "platform/gdiplus/GdiPlusStream.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace Gdiplus {

namespace {

class MemoryStream : public IStream {
 public:
  MemoryStream(const uint8_t* data, uint32_t size) {
    if (data && size) FData.assign(data, data + size);
  }
  ULONG AddRef() override { return ++FRefs; }
  ULONG Release() override {
    ULONG left = --FRefs;
    if (left == 0) delete this;
    return left;
  }
  HRESULT Read(void* pv, ULONG cb, ULONG* pcbRead) override {
    if (!pv) return STG_E_INVALIDPOINTER;
    uint64_t avail = FPos < FData.size() ? FData.size() - FPos : 0;
    ULONG n = ULONG(std::min<uint64_t>(cb, avail));
    if (n) std::memcpy(pv, FData.data() + FPos, n);
    FPos += n;
    if (pcbRead) *pcbRead = n;
    return n < cb ? S_FALSE : S_OK;
  }
  HRESULT Write(const void* pv, ULONG cb, ULONG* pcbWritten) override {
    if (!pv) return STG_E_INVALIDPOINTER;
    if (FPos + cb > FData.size()) FData.resize(FPos + cb);
    if (cb) std::memcpy(FData.data() + FPos, pv, cb);
    FPos += cb;
    if (pcbWritten) *pcbWritten = cb;
    return S_OK;
  }
  HRESULT Seek(int64_t move, DWORD origin, uint64_t* newPos) override {
    int64_t base;
    switch (origin) {
      case STREAM_SEEK_SET:
        base = 0;
        break;
      case STREAM_SEEK_CUR:
        base = int64_t(FPos);
        break;
      case STREAM_SEEK_END:
        base = int64_t(FData.size());
        break;
      default:
        return STG_E_INVALIDFUNCTION;
    }
    if (base + move < 0) return STG_E_INVALIDFUNCTION;
    FPos = uint64_t(base + move);
    if (newPos) *newPos = FPos;
    return S_OK;
  }
  HRESULT SetSize(uint64_t size) override {
    FData.resize(size);
    return S_OK;
  }
  HRESULT CopyTo(IStream* stm, uint64_t cb, uint64_t* pcbRead, uint64_t* pcbWritten) override {
    if (!stm) return STG_E_INVALIDPOINTER;
    uint64_t avail = FPos < FData.size() ? FData.size() - FPos : 0;
    ULONG n = ULONG(std::min<uint64_t>({cb, avail, 0x7FFFFFFF}));
    ULONG written = 0;
    HRESULT hr = stm->Write(FData.data() + FPos, n, &written);
    FPos += n;
    if (pcbRead) *pcbRead = n;
    if (pcbWritten) *pcbWritten = written;
    return hr;
  }
  HRESULT Commit(DWORD) override { return S_OK; }
  HRESULT Revert() override { return STG_E_REVERTED; }
  HRESULT LockRegion(uint64_t, uint64_t, DWORD) override { return STG_E_INVALIDFUNCTION; }
  HRESULT UnlockRegion(uint64_t, uint64_t, DWORD) override { return STG_E_INVALIDFUNCTION; }
  HRESULT Stat(STATSTG* st, DWORD) override {
    if (!st) return STG_E_INVALIDPOINTER;
    *st = STATSTG();
    st->type = STGTY_STREAM;
    st->cbSize = FData.size();
    return S_OK;
  }
  HRESULT Clone(IStream** ppstm) override {
    if (!ppstm) return STG_E_INVALIDPOINTER;
    auto* copy = new MemoryStream(FData.data(), uint32_t(FData.size()));
    copy->FPos = FPos;
    *ppstm = copy;
    return S_OK;
  }

 private:
  ~MemoryStream() override = default;
  std::vector<uint8_t> FData;
  uint64_t FPos = 0;
  ULONG FRefs = 1;
};

}  // namespace

IStream* SHCreateMemStream(const uint8_t* pInit, uint32_t cbInit) {
  return new MemoryStream(pInit, cbInit);
}

bool ReadWholeStream(IStream* stream, std::vector<uint8_t>& bytes) {
  bytes.clear();
  if (!stream) return false;
  uint8_t chunk[65536];
  for (;;) {
    ULONG got = 0;
    HRESULT hr = stream->Read(chunk, sizeof chunk, &got);
    if (hr < 0) return false;
    if (got > sizeof chunk) return false;
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got == 0) return true;
  }
}

}  // namespace Gdiplus
