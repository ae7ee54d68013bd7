// Reading a binary object stream of 10,000 nodes, against copying the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_object.h"

namespace {

constexpr int NodeCount = 10000;

// A node with the usual mix of properties: a size, a flag and a caption.
class TBenchNode : public TzrObject {
 public:
  using TzrObject::TzrObject;
  static const TClassInfo* Class() {
    static const TClassInfo* info =
        TClassDecl<TBenchNode>("TBenchNode", TzrObject::Class())
            .Prop("Width", &TBenchNode::GetWidth, &TBenchNode::SetWidth)
            .Prop("Height", &TBenchNode::GetHeight, &TBenchNode::SetHeight)
            .Prop("Visible", &TBenchNode::GetVisible, &TBenchNode::SetVisible)
            .Prop("Caption", &TBenchNode::GetCaption, &TBenchNode::SetCaption);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  float GetWidth() const { return FWidth; }
  void SetWidth(float V) { FWidth = V; }
  float GetHeight() const { return FHeight; }
  void SetHeight(float V) { FHeight = V; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool V) { FVisible = V; }
  std::string GetCaption() const { return FCaption; }
  void SetCaption(const std::string& V) { FCaption = V; }

 private:
  float FWidth = 50, FHeight = 50;
  bool FVisible = true;
  std::string FCaption;
};

std::vector<uint8_t> SampleStream() {
  RegisterZRObjects("Bench", {TBenchNode::Class()});
  TBenchNode root(nullptr);
  root.SetName("Root");
  for (int i = 0; i < NodeCount - 1; ++i) {
    auto* node = new TBenchNode(&root);
    node->SetName("Node" + std::to_string(i));
    node->SetWidth(float(i % 300));
    node->SetCaption("Item " + std::to_string(i));
    // Ten levels deep at most: items under groups under the root.
    TzrObject* parent = i < 100 ? static_cast<TzrObject*>(&root) : root.GetChild(i % 100);
    parent->AddObject(node);
  }
  TMemoryStream stream;
  root.SaveToBinStream(&stream);
  const auto* p = static_cast<const uint8_t*>(stream.Memory());
  return std::vector<uint8_t>(p, p + stream.GetSize());
}

void BM_ReadObjectStream(benchmark::State& state) {
  const std::vector<uint8_t> bytes = SampleStream();
  for (auto _ : state) {
    TResourceStream stream(bytes.data(), bytes.size());
    auto root = std::make_unique<TBenchNode>(nullptr);
    root->LoadFromBinStream(&stream);
    benchmark::DoNotOptimize(root.get());
    state.PauseTiming();
    root.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * NodeCount);
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_BaselineCopy(benchmark::State& state) {
  const std::vector<uint8_t> bytes = SampleStream();
  std::vector<uint8_t> copy(bytes.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetItemsProcessed(state.iterations() * NodeCount);
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

}  // namespace

BENCHMARK(BM_ReadObjectStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineCopy)->Unit(benchmark::kMicrosecond);
