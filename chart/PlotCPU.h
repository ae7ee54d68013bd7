#pragma once
// Processor and memory queries of the chart, its parallel loop, and the
// start and end of the chart's utility unit (default canvas name, hand
// cursor).

#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtl/Thread.h"

// The procedure a parallel loop runs for each item.
using TParallelProc = std::function<void(int Index)>;

struct TCpuidRegs {
  uint32_t Eax = 0, Ebx = 0, Ecx = 0, Edx = 0;
};

class TPlotCPU {
 public:
  // From CPUID leaf 1 (false on processors without it); AVX also needs the
  // operating system to save the YMM state (XGETBV).
  static bool HasAVX();
  static bool HasSSE();
  static bool HasSSE2();
  static bool HasMMX();
  // Processors of the process's affinity mask (its first 32), else the
  // processors online.
  static int NumberOfProcessors();
  // From the processor description of the system ("" / 0 when it has none).
  static std::string Identifier();
  static std::string Name();
  static int Speed();
  // Bytes the program's heap has handed out.
  static int TotalMemoryAllocated();

  // Runs aProc for every item nMin .. nMax exactly once: in order on the
  // calling thread when nThreads is 1, else on min(nThreads, items) worker
  // threads that take items one at a time, and returns when all have ended.
  // A thread count below 1 runs nothing. The first exception a call raised
  // reaches the caller after all threads have ended. Priorities are not
  // applied to the workers.
  static void ParallelFor(int nMin, int nMax, int nThreads, const TParallelProc& aProc,
                          TThreadPriority APriority);
  static void ParallelFor(int nMin, int nMax, const TParallelProc& aProc);

  // Where the processor's description is read ("/proc/cpuinfo"); tests point
  // it at a fixture.
  static std::string CpuInfoFile;
  // CPUID of a leaf (false when the processor has none) and XGETBV of
  // register 0; tests replace them.
  static std::function<bool(uint32_t Leaf, TCpuidRegs& Regs)> Cpuid;
  static std::function<uint64_t()> XGetBV0;
};

// The canvas class a chart panel makes unless told otherwise.
extern std::string PlotDefaultCanvas;
// The screen's cursor id of the chart's hand cursor.
constexpr int crPlotHand = 2020;

// The default canvas name and the hand cursor; the end clears them. Run by
// the chart's start-up.
void PlotProcsUnitStart();
void PlotProcsUnitEnd();
