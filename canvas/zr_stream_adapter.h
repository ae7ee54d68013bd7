#pragma once
// TMyStreamAdapter: the drawing layer's stream interface (IStream) over one
// of the program's streams, so that files and memory streams can be handed
// to the codecs. Reference counted: it frees itself at the last Release, and
// frees its stream then too when it owns it. No exception leaves a method;
// each turns into the method's failure code.

#include "platform/gdiplus/GdiPlusStream.h"

class TStream;

enum TStreamOwnership { soReference, soOwned };

class TMyStreamAdapter : public Gdiplus::IStream {
 public:
  // The caller holds the one reference the adapter starts with.
  static TMyStreamAdapter* Create(TStream* Stream, TStreamOwnership Ownership = soReference);

  TStream* GetStream() const { return FStream; }
  TStreamOwnership GetStreamOwnership() const { return FOwnership; }
  void SetStreamOwnership(TStreamOwnership Value) { FOwnership = Value; }

  Gdiplus::ULONG AddRef() override;
  Gdiplus::ULONG Release() override;
  Gdiplus::HRESULT Read(void* pv, Gdiplus::ULONG cb, Gdiplus::ULONG* pcbRead) override;
  Gdiplus::HRESULT Write(const void* pv, Gdiplus::ULONG cb, Gdiplus::ULONG* pcbWritten) override;
  Gdiplus::HRESULT Seek(int64_t dlibMove, Gdiplus::DWORD dwOrigin,
                        uint64_t* plibNewPosition) override;
  Gdiplus::HRESULT SetSize(uint64_t libNewSize) override;
  // Copies up to cb bytes to stm in blocks of at most 1 MB.
  Gdiplus::HRESULT CopyTo(Gdiplus::IStream* stm, uint64_t cb, uint64_t* pcbRead,
                          uint64_t* pcbWritten) override;
  Gdiplus::HRESULT Commit(Gdiplus::DWORD grfCommitFlags) override;
  Gdiplus::HRESULT Revert() override;
  Gdiplus::HRESULT LockRegion(uint64_t libOffset, uint64_t cb, Gdiplus::DWORD dwLockType) override;
  Gdiplus::HRESULT UnlockRegion(uint64_t libOffset, uint64_t cb,
                                Gdiplus::DWORD dwLockType) override;
  Gdiplus::HRESULT Stat(Gdiplus::STATSTG* pstatstg, Gdiplus::DWORD grfStatFlag) override;
  Gdiplus::HRESULT Clone(Gdiplus::IStream** ppstm) override;

 private:
  TMyStreamAdapter(TStream* Stream, TStreamOwnership Ownership);
  ~TMyStreamAdapter() override;

  TStream* FStream;
  TStreamOwnership FOwnership;
  Gdiplus::ULONG FRefCount = 1;
};

// Holds one reference of an adapter for a scope.
class TStreamAdapterRef {
 public:
  explicit TStreamAdapterRef(TMyStreamAdapter* Adapter) : FAdapter(Adapter) {}
  ~TStreamAdapterRef() { FAdapter->Release(); }
  TStreamAdapterRef(const TStreamAdapterRef&) = delete;
  TStreamAdapterRef& operator=(const TStreamAdapterRef&) = delete;
  TMyStreamAdapter* operator->() const { return FAdapter; }
  TMyStreamAdapter* Get() const { return FAdapter; }

 private:
  TMyStreamAdapter* FAdapter;
};
