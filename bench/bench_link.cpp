// The settings block moved over the simulated adapter with zero latency:
// CPU time per 16-byte chunk of a 688-byte settings write and read, and the
// heap allocations the link itself makes per report (the simulated adapter's
// own allocations are not counted). The baseline is the simulated adapter
// alone carrying the same reports, measured in the same run.

// The counting operator new below is paired with the library's delete, which
// releases with free(); the compiler cannot see that pairing.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "app/frmInterface.h"
#include "controls/XwTimer.h"
#include "platform/hid/HidApi.h"
#include "platform/rtl/Clock.h"
#include "tests/support/SimAdapter.h"
#include "tests/support/SimController.h"

namespace {

std::atomic<long> gAllocations{0};
thread_local bool gCounting = true;

// Forwards to the simulated adapter with allocation counting paused, so that
// the figures are the link's own.
class TUncountedBackend : public hid::THidBackend {
 public:
  explicit TUncountedBackend(hid::THidBackend& inner) : FInner(inner) {}
  struct TPause {
    TPause() { gCounting = false; }
    ~TPause() { gCounting = true; }
  };
  int Init() override {
    TPause p;
    return FInner.Init();
  }
  int Exit() override {
    TPause p;
    return FInner.Exit();
  }
  hid::hid_device_info* Enumerate(unsigned short v, unsigned short p) override {
    TPause pause;
    return FInner.Enumerate(v, p);
  }
  void FreeEnumeration(hid::hid_device_info* list) override {
    TPause p;
    FInner.FreeEnumeration(list);
  }
  hid::hid_device* OpenPath(const char* path) override {
    TPause p;
    return FInner.OpenPath(path);
  }
  void Close(hid::hid_device* device) override {
    TPause p;
    FInner.Close(device);
  }
  int ReadTimeout(hid::hid_device* d, unsigned char* data, size_t length, int ms) override {
    TPause p;
    return FInner.ReadTimeout(d, data, length, ms);
  }
  int WriteTimeout(hid::hid_device* d, const unsigned char* data, size_t length, int ms) override {
    TPause p;
    return FInner.WriteTimeout(d, data, length, ms);
  }

 private:
  hid::THidBackend& FInner;
};

constexpr int kSettingsLength = 688;
constexpr int kChunks = kSettingsLength / 16 + 1;  // 43 full chunks and the empty one

struct TBench {
  TScopedVirtualClock Clock{1000, 10};
  TSimAdapter Adapter;
  TUncountedBackend Uncounted{Adapter};
  std::unique_ptr<TfrmInterface> Form = std::make_unique<TfrmInterface>(nullptr);
  TSimController* Controller;
  TSimDevice* Device;

  TBench() {
    auto controller = std::make_unique<TSimController>("CAR_ESC", "VL45_BSD01", "V1");
    controller->Settings.assign(kSettingsLength, 0x5A);
    Controller = controller.get();
    Device = &Adapter.Plug(std::move(controller));
    // The benchmark drives the transfers itself; the link timer stays quiet.
    Form->Timer1->SetOnTimer(nullptr);
    hid::SetHidBackend(&Uncounted);
    Form->HidCtlDeviceArrival();
    Form->FConnected = true;
    Form->FBusy = true;
  }
};

// The simulated adapter's own share: the same reports written and read
// through the HID layer, without the link protocol around them.
void SimulatedTraffic(TSimDevice& device, hid::hid_device* handle, int reports) {
  uint8_t report[65] = {};
  const std::vector<uint8_t> frame = SimShortFrame(0xA5, 2, 0x5A);
  for (int i = 0; i < reports; ++i) {
    device.Reply(frame);
    report[0] = 1;
    hid::hid_write_to(handle, report, 25, 300);
    hid::hid_read_timeout(handle, report, 49, 150);
  }
}

void BM_SimulatedAdapterBaseline(benchmark::State& state) {
  TBench bench;
  hid::hid_device* handle = hid::hid_open_path(bench.Device->Path().c_str());
  for (auto _ : state) {
    bench.Device->Written.clear();
    SimulatedTraffic(*bench.Device, handle, 2 * kChunks);
  }
  hid::hid_close(handle);
  state.counters["chunk"] = benchmark::Counter(
      kChunks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SettingsWrite(benchmark::State& state) {
  TBench bench;
  const std::vector<uint8_t> data(kSettingsLength, 0xA5);
  long allocations = 0;
  for (auto _ : state) {
    bench.Device->Written.clear();
    const long before = gAllocations.load();
    const bool ok = bench.Form->WriteBlock(8, data.data(), 500, kSettingsLength);
    allocations += gAllocations.load() - before;
    if (!ok) state.SkipWithError("write failed");
  }
  state.counters["chunk"] = benchmark::Counter(
      kChunks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["allocs_per_report"] =
      static_cast<double>(allocations) / (static_cast<double>(state.iterations()) * 2 * kChunks);
}

void BM_SettingsRead(benchmark::State& state) {
  TBench bench;
  std::vector<uint8_t> out(TfrmInterface::kBlockBufferSize);
  long allocations = 0;
  for (auto _ : state) {
    bench.Device->Written.clear();
    const long before = gAllocations.load();
    const bool ok = bench.Form->ReadBlock(9, out.data(), false);
    allocations += gAllocations.load() - before;
    if (!ok) state.SkipWithError("read failed");
  }
  state.counters["chunk"] = benchmark::Counter(
      kChunks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["allocs_per_report"] =
      static_cast<double>(allocations) / (static_cast<double>(state.iterations()) * 2 * kChunks);
}

}  // namespace

BENCHMARK(BM_SimulatedAdapterBaseline);
BENCHMARK(BM_SettingsWrite);
BENCHMARK(BM_SettingsRead);

// Counts every allocation; the library's operator delete releases with free().
void* operator new(std::size_t size) {
  if (gCounting) gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
