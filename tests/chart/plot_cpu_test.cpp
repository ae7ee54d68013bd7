// Processor queries, the parallel loop and the utility unit's start-up.

#include <gtest/gtest.h>
#include <sched.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

#include "chart/PlotCPU.h"
#include "platform/vcl/Cursors.h"

namespace {

// Calls per item and the threads that made them.
struct Tally {
  explicit Tally(int n) : calls(size_t(n)) {}
  void Hit(int i) {
    ASSERT_GE(i, 0);
    ASSERT_LT(i, int(calls.size()));
    ++calls[size_t(i)];
    std::lock_guard<std::mutex> lock(m);
    threads.insert(std::this_thread::get_id());
  }
  std::vector<std::atomic<int>> calls;
  std::mutex m;
  std::set<std::thread::id> threads;
};

TEST(ParallelFor, EveryItemOnceOnAtMostOneThreadPerItem) {
  struct {
    int nMin, nMax, nThreads;
    int maxThreads;  // 0: no call at all
  } rows[] = {{5, 4, 1, 0}, {0, 0, 1, 1}, {0, 9, 3, 3}, {3, 4, 8, 2}, {0, 9, 0, 0}, {2, 40, 4, 4}};
  for (const auto& r : rows) {
    Tally tally(64);
    TPlotCPU::ParallelFor(
        r.nMin, r.nMax, r.nThreads, [&](int i) { tally.Hit(i); }, tpNormal);
    for (int i = 0; i < 64; ++i) {
      const bool inRange = r.maxThreads > 0 && i >= r.nMin && i <= r.nMax;
      EXPECT_EQ(tally.calls[size_t(i)], inRange ? 1 : 0)
          << "item " << i << " of " << r.nMin << ".." << r.nMax << " on " << r.nThreads;
    }
    EXPECT_LE(int(tally.threads.size()), r.maxThreads) << r.nMin << ".." << r.nMax;
    if (r.nThreads == 1 && r.maxThreads == 1) {
      EXPECT_EQ(*tally.threads.begin(), std::this_thread::get_id());
    }
  }
}

TEST(ParallelFor, AnExceptionReachesTheCallerAfterTheOthersFinish) {
  Tally tally(30);
  auto run = [&] {
    TPlotCPU::ParallelFor(
        0, 29, 4,
        [&](int i) {
          tally.Hit(i);
          if (i == 7) throw std::runtime_error("item 7");
        },
        tpNormal);
  };
  EXPECT_THROW(run(), std::runtime_error);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(tally.calls[size_t(i)], 1) << i;
  // The single-thread form raises at once.
  int calls = 0;
  EXPECT_THROW(TPlotCPU::ParallelFor(
                   0, 5, 1,
                   [&](int i) {
                     ++calls;
                     if (i == 2) throw std::runtime_error("item 2");
                   },
                   tpNormal),
               std::runtime_error);
  EXPECT_EQ(calls, 3);
}

TEST(PlotCPU, NumberOfProcessorsFollowsTheAffinity) {
  cpu_set_t old;
  ASSERT_EQ(sched_getaffinity(0, sizeof old, &old), 0);
  std::vector<int> cpus;
  for (int i = 0; i < 32 && cpus.size() < 2; ++i)
    if (CPU_ISSET(i, &old)) cpus.push_back(i);
  if (cpus.size() < 2) GTEST_SKIP() << "needs two processors";
  cpu_set_t two;
  CPU_ZERO(&two);
  for (int c : cpus) CPU_SET(c, &two);
  ASSERT_EQ(sched_setaffinity(0, sizeof two, &two), 0);
  const int n = TPlotCPU::NumberOfProcessors();
  sched_setaffinity(0, sizeof old, &old);
  EXPECT_EQ(n, 2);
}

TEST(PlotCPU, FeatureBitsOfLeafOne) {
  auto cpuid = TPlotCPU::Cpuid;
  auto xgetbv = TPlotCPU::XGetBV0;
  struct {
    uint32_t maxLeaf, ecx, edx;
    uint64_t xcr0;
    bool mmx, sse, sse2, avx;
  } rows[] = {
      {1, 0, 1u << 23, 0, true, false, false, false},
      {1, 0, 1u << 25, 0, false, true, false, false},
      {1, 0, 1u << 26, 0, false, false, true, false},
      {1, (1u << 27) | (1u << 28), 0, 6, false, false, false, true},
      {1, (1u << 27) | (1u << 28), 0, 2, false, false, false, false},  // YMM not saved
      {1, 1u << 28, 0, 6, false, false, false, false},                 // no OSXSAVE
      {0, (1u << 27) | (1u << 28), 0, 6, false, false, false, false},  // no leaf 1
  };
  for (const auto& r : rows) {
    TPlotCPU::Cpuid = [&](uint32_t leaf, TCpuidRegs& regs) {
      if (leaf > r.maxLeaf) return false;
      regs = leaf == 0 ? TCpuidRegs{r.maxLeaf, 0, 0, 0} : TCpuidRegs{0, 0, r.ecx, r.edx};
      return true;
    };
    TPlotCPU::XGetBV0 = [&] { return r.xcr0; };
    EXPECT_EQ(TPlotCPU::HasMMX(), r.mmx);
    EXPECT_EQ(TPlotCPU::HasSSE(), r.sse);
    EXPECT_EQ(TPlotCPU::HasSSE2(), r.sse2);
    EXPECT_EQ(TPlotCPU::HasAVX(), r.avx) << r.ecx << " " << r.xcr0;
  }
  TPlotCPU::Cpuid = cpuid;
  TPlotCPU::XGetBV0 = xgetbv;
}

TEST(PlotCPU, DescriptionFromTheProcessorFile) {
  const std::string old = TPlotCPU::CpuInfoFile;
  const auto file =
      std::filesystem::temp_directory_path() / ("cpuinfo_" + std::to_string(getpid()));
  std::ofstream(file) << "processor\t: 0\nvendor_id\t: Acme\ncpu family\t: 6\nmodel\t\t: 85\n"
                         "model name\t: Acme Turbo 9000\nstepping\t: 7\ncpu MHz\t\t: 2394.560\n";
  TPlotCPU::CpuInfoFile = file.string();
  EXPECT_EQ(TPlotCPU::Name(), "Acme Turbo 9000");
  EXPECT_EQ(TPlotCPU::Speed(), 2394);
  const std::string id = TPlotCPU::Identifier();
  EXPECT_NE(id.find(" Family 6 Model 85 Stepping 7"), std::string::npos) << id;
  for (const char* mhz : {"1e12", "-5", "fast"}) {
    std::ofstream(file) << "cpu MHz\t\t: " << mhz << "\n";
    EXPECT_EQ(TPlotCPU::Speed(), 0) << mhz;
  }
  TPlotCPU::CpuInfoFile = file.string() + ".missing";
  EXPECT_EQ(TPlotCPU::Name(), "");
  EXPECT_EQ(TPlotCPU::Identifier(), "");
  EXPECT_EQ(TPlotCPU::Speed(), 0);
  TPlotCPU::CpuInfoFile = old;
  std::filesystem::remove(file);
}

// The heap's own figures count a live 8 MB block (the sanitizers' allocator
// keeps its blocks outside them, so the check means nothing there). Other
// threads may free memory meanwhile, so the total is checked, not the change.
TEST(PlotCPU, MemoryAllocatedCountsALiveBlock) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer allocator keeps its blocks outside the heap's figures";
#endif
  std::vector<char> block(8 << 20, 1);
  EXPECT_GE(TPlotCPU::TotalMemoryAllocated(), 8 << 20);
  EXPECT_EQ(block[100], 1);
}

TEST(PlotCPU, UnitStartSetsTheDefaultCanvasAndHandCursor) {
  EXPECT_EQ(PlotDefaultCanvas, "TGDIPlusCanvas");
  EXPECT_EQ(Screen().GetCursors(crPlotHand), "pointer");
}

}  // namespace
