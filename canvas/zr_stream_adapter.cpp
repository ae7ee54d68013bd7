#include "canvas/zr_stream_adapter.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

#include "platform/rtl/Streams.h"

using namespace Gdiplus;

namespace {

constexpr uint64_t kCopyBlock = 0x100000;  // 1 MB
// 100-nanosecond intervals between 1601-01-01 and 1970-01-01.
constexpr uint64_t kUnixEpochAsFileTime = 116444736000000000ull;

FILETIME Now() {
  auto since = std::chrono::system_clock::now().time_since_epoch();
  return kUnixEpochAsFileTime +
         uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(since).count() / 100);
}

int32_t Capped(uint64_t Count) {
  return int32_t(std::min<uint64_t>(Count, uint64_t(std::numeric_limits<int32_t>::max())));
}

}  // namespace

TMyStreamAdapter* TMyStreamAdapter::Create(TStream* Stream, TStreamOwnership Ownership) {
  return new TMyStreamAdapter(Stream, Ownership);
}

TMyStreamAdapter::TMyStreamAdapter(TStream* Stream, TStreamOwnership Ownership)
    : FStream(Stream), FOwnership(Ownership) {}

TMyStreamAdapter::~TMyStreamAdapter() {
  if (FOwnership == soOwned) delete FStream;
}

ULONG TMyStreamAdapter::AddRef() { return ++FRefCount; }

ULONG TMyStreamAdapter::Release() {
  const ULONG count = --FRefCount;
  if (count == 0) delete this;
  return count;
}

HRESULT TMyStreamAdapter::Read(void* pv, ULONG cb, ULONG* pcbRead) {
  if (!pv) return STG_E_INVALIDPOINTER;
  try {
    const int32_t n = FStream->Read(pv, Capped(cb));
    if (pcbRead) *pcbRead = ULONG(std::max(n, 0));
    return S_OK;
  } catch (...) {
    return S_FALSE;
  }
}

HRESULT TMyStreamAdapter::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
  if (!pv) return STG_E_INVALIDPOINTER;
  try {
    const int32_t n = FStream->Write(pv, Capped(cb));
    if (pcbWritten) *pcbWritten = ULONG(std::max(n, 0));
    return S_OK;
  } catch (...) {
    return STG_E_CANTSAVE;
  }
}

HRESULT TMyStreamAdapter::Seek(int64_t dlibMove, DWORD dwOrigin, uint64_t* plibNewPosition) {
  if (dwOrigin > STREAM_SEEK_END) return STG_E_INVALIDFUNCTION;
  try {
    const int64_t position = FStream->Seek(dlibMove, TSeekOrigin(dwOrigin));
    if (plibNewPosition) *plibNewPosition = uint64_t(position);
    return S_OK;
  } catch (...) {
    return STG_E_INVALIDPOINTER;
  }
}

HRESULT TMyStreamAdapter::SetSize(uint64_t libNewSize) {
  try {
    const int64_t size = int64_t(libNewSize);
    if (size < 0) return E_FAIL;
    FStream->SetSize(size);
    return FStream->GetSize() == size ? S_OK : E_FAIL;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TMyStreamAdapter::CopyTo(IStream* stm, uint64_t cb, uint64_t* pcbRead,
                                 uint64_t* pcbWritten) {
  uint64_t totalRead = 0, totalWritten = 0;
  HRESULT result = S_OK;
  try {
    if (!stm) throw std::invalid_argument("no target stream");
    std::vector<uint8_t> buffer(size_t(std::min(cb, kCopyBlock)));
    uint64_t wanted = cb;
    while (wanted > 0) {
      const int32_t step = Capped(std::min<uint64_t>(wanted, buffer.size()));
      const int32_t got = FStream->Read(buffer.data(), step);
      if (got <= 0) break;
      totalRead += uint64_t(got);
      ULONG written = 0;
      const HRESULT hr = stm->Write(buffer.data(), ULONG(got), &written);
      totalWritten += written;
      if (hr < 0) {
        result = hr;
        break;
      }
      if (written < ULONG(got)) {
        result = E_FAIL;
        break;
      }
      wanted -= uint64_t(got);
    }
  } catch (...) {
    result = E_UNEXPECTED;
  }
  if (pcbRead) *pcbRead = totalRead;
  if (pcbWritten) *pcbWritten = totalWritten;
  return result;
}

HRESULT TMyStreamAdapter::Commit(DWORD) { return S_OK; }

HRESULT TMyStreamAdapter::Revert() { return STG_E_REVERTED; }

HRESULT TMyStreamAdapter::LockRegion(uint64_t, uint64_t, DWORD) { return STG_E_INVALIDFUNCTION; }

HRESULT TMyStreamAdapter::UnlockRegion(uint64_t, uint64_t, DWORD) { return STG_E_INVALIDFUNCTION; }

HRESULT TMyStreamAdapter::Stat(STATSTG* pstatstg, DWORD) {
  if (!pstatstg) return S_OK;
  try {
    *pstatstg = STATSTG();
    pstatstg->type = STGTY_STREAM;
    pstatstg->cbSize = uint64_t(FStream->GetSize());
    pstatstg->mtime = pstatstg->ctime = pstatstg->atime = Now();
    pstatstg->grfLocksSupported = LOCK_WRITE;
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TMyStreamAdapter::Clone(IStream** ppstm) {
  if (ppstm) *ppstm = nullptr;
  return E_NOTIMPL;
}
