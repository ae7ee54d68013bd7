#include "chart/PlotCPU.h"

#include <malloc.h>
#include <sched.h>
#include <sys/utsname.h>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

#include <algorithm>
#include <atomic>
#include <exception>
#include <fstream>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include "chart/PlotRoutines.h"
#include "platform/rtl/NumberText.h"
#include "platform/vcl/Cursors.h"

namespace {

bool HardwareCpuid(uint32_t Leaf, TCpuidRegs& Regs) {
#if defined(__x86_64__) || defined(__i386__)
  return __get_cpuid(Leaf, &Regs.Eax, &Regs.Ebx, &Regs.Ecx, &Regs.Edx) != 0;
#else
  (void)Leaf;
  (void)Regs;
  return false;
#endif
}

uint64_t HardwareXGetBV0() {
#if defined(__x86_64__) || defined(__i386__)
  uint32_t eax = 0, edx = 0;
  __asm__ volatile("xgetbv" : "=a"(eax), "=d"(edx) : "c"(0));
  return (uint64_t(edx) << 32) | eax;
#else
  return 0;
#endif
}

bool Leaf1(TCpuidRegs& Regs) { return TPlotCPU::Cpuid && TPlotCPU::Cpuid(1, Regs); }

bool EdxBit(int Bit) {
  TCpuidRegs r;
  return Leaf1(r) && (r.Edx >> Bit & 1u);
}

// The value of the first "name : value" line of the processor description.
bool CpuInfoValue(const std::string& Name, std::string& Value) {
  std::ifstream file(TPlotCPU::CpuInfoFile);
  std::string line;
  while (std::getline(file, line)) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string key = line.substr(0, colon);
    key.erase(key.find_last_not_of(" \t") + 1);
    if (key != Name) continue;
    const size_t start = line.find_first_not_of(" \t", colon + 1);
    Value = start == std::string::npos ? "" : line.substr(start);
    return true;
  }
  return false;
}

std::string CpuInfoText(const std::string& Name) {
  std::string value;
  return CpuInfoValue(Name, value) ? value : "";
}

}  // namespace

std::string TPlotCPU::CpuInfoFile = "/proc/cpuinfo";
std::function<bool(uint32_t, TCpuidRegs&)> TPlotCPU::Cpuid = HardwareCpuid;
std::function<uint64_t()> TPlotCPU::XGetBV0 = HardwareXGetBV0;

bool TPlotCPU::HasAVX() {
  TCpuidRegs r0;
  if (!Cpuid || !Cpuid(0, r0) || r0.Eax < 1) return false;
  TCpuidRegs r;
  if (!Leaf1(r)) return false;
  const uint32_t osxsaveAndAvx = (1u << 27) | (1u << 28);
  if ((r.Ecx & osxsaveAndAvx) != osxsaveAndAvx) return false;
  return XGetBV0 && (XGetBV0() & 6u) == 6u;
}

bool TPlotCPU::HasSSE() { return EdxBit(25); }
bool TPlotCPU::HasSSE2() { return EdxBit(26); }
bool TPlotCPU::HasMMX() { return EdxBit(23); }

int TPlotCPU::NumberOfProcessors() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0) {
    int count = 0;
    for (int i = 0; i < 32; ++i) count += CPU_ISSET(i, &set) ? 1 : 0;
    if (count > 0) return count;
  }
  return int(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
}

std::string TPlotCPU::Identifier() {
  std::string family, model, stepping;
  if (!CpuInfoValue("cpu family", family)) return "";
  CpuInfoValue("model", model);
  CpuInfoValue("stepping", stepping);
  utsname info{};
  const std::string machine = uname(&info) == 0 ? info.machine : "";
  return machine + " Family " + family + " Model " + model + " Stepping " + stepping;
}

std::string TPlotCPU::Name() { return CpuInfoText("model name"); }

int TPlotCPU::Speed() {
  std::string text;
  if (!CpuInfoValue("cpu MHz", text)) return 0;
  // "." separates the fraction whatever the locale; a value no processor
  // has gives 0, as an unreadable one does.
  double mhz = 0;
  if (!TryStrToFloat(text, mhz) || !(mhz >= 0 && mhz < 1e9)) return 0;
  return int(mhz);
}

int TPlotCPU::TotalMemoryAllocated() {
  const struct mallinfo2 info = mallinfo2();
  const size_t bytes = info.uordblks + info.hblkhd;
  return int(std::min<size_t>(bytes, size_t(std::numeric_limits<int>::max())));
}

namespace {

// Workers of one parallel loop: they share the next item to hand out and
// keep the first exception a call raised.
class TParallelGroup {
 public:
  TParallelGroup(int AMin, int AMax) : FNext(AMin), FMaxPos(AMax) {}

  void Run(int Count, const TParallelProc& aProc) {
    std::vector<std::thread> threads;
    threads.reserve(size_t(Count));
    try {
      for (int i = 0; i < Count; ++i) threads.emplace_back([this, &aProc] { Execute(aProc); });
    } catch (...) {
      Record(std::current_exception());  // no more threads: the started ones take every item
    }
    if (threads.empty()) Execute(aProc);
    for (std::thread& t : threads) t.join();
    if (FError) std::rethrow_exception(FError);
  }

 private:
  void Execute(const TParallelProc& aProc) {
    for (;;) {
      const long long item = FNext.fetch_add(1);
      if (item > FMaxPos) return;
      try {
        aProc(int(item));
      } catch (...) {
        Record(std::current_exception());
        return;  // the others take the items left
      }
    }
  }

  void Record(std::exception_ptr Error) {
    std::lock_guard<std::mutex> lock(FErrorLock);
    if (!FError) FError = Error;
  }

  std::atomic<long long> FNext;
  const long long FMaxPos;
  std::mutex FErrorLock;
  std::exception_ptr FError;
};

}  // namespace

void TPlotCPU::ParallelFor(int nMin, int nMax, int nThreads, const TParallelProc& aProc,
                           TThreadPriority /*APriority*/) {
  if (nMax < nMin || nThreads < 1 || !aProc) return;
  if (nThreads == 1) {
    for (long long i = nMin; i <= nMax; ++i) aProc(int(i));
    return;
  }
  const long long items = (long long)nMax - nMin + 1;
  TParallelGroup group(nMin, nMax);
  group.Run(int(std::min<long long>(nThreads, items)), aProc);
}

void TPlotCPU::ParallelFor(int nMin, int nMax, const TParallelProc& aProc) {
  ParallelFor(nMin, nMax, NumberOfProcessors(), aProc, tpNormal);
}

// ---------------- unit start and end ----------------

std::string PlotDefaultCanvas;

void PlotProcsUnitStart() {
  PlotDefaultCanvas = "TGDIPlusCanvas";
  Screen().SetCursors(crPlotHand, "pointer");
}

void PlotProcsUnitEnd() {
  Screen().SetCursors(crPlotHand, Screen().GetCursors(crDefault));
  PlotDefaultCanvas.clear();
  PlotFieldsSeparator.clear();
}
