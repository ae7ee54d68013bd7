// Building the parameter page of the largest shipped model section (6 groups,
// 40 items) against loading that section's page definition alone, both in
// the same run. The figure is the ratio build / load; both times are
// reported in milliseconds as well.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "app/frmInterface.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Menus.h"

namespace {

// The demo section with the most items.
std::string LargestSection(const TMemIniFile& lang) {
  std::string largest;
  int most = -1;
  for (const std::string& section : lang.ReadSections()) {
    if (!lang.ReadBool(section, "demo", false)) continue;
    const int items = lang.ReadInteger(section, "item", 0);
    if (items > most) {
      most = items;
      largest = section;
    }
  }
  return largest;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void BM_PageBuildAgainstDefinitionLoad(benchmark::State& state) {
  TfrmInterface form(nullptr);
  form.FLangIni =
      std::make_unique<TMemIniFile>(std::string(ESCTOOL_SOURCE_DIR) + "/resources/lang.ini");
  form.ESCSpeedController1->SetChecked(true);
  form.Demo1->SetChecked(true);
  const std::string section = LargestSection(*form.FLangIni);
  form.LoadModelDefinition(section);
  if (form.FPageDef.item != 40) state.SkipWithError("no section of 40 items");
  double build = 0, load = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    form.LoadModelDefinition(section);
    const auto t1 = std::chrono::steady_clock::now();
    form.BuildParameterPages();
    const auto t2 = std::chrono::steady_clock::now();
    load += Milliseconds(t1 - t0);
    build += Milliseconds(t2 - t1);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["load_ms"] = load / n;
  state.counters["build_ms"] = build / n;
  state.counters["build_per_load"] = load > 0 ? build / load : 0;
}
BENCHMARK(BM_PageBuildAgainstDefinitionLoad)->Unit(benchmark::kMillisecond);

}  // namespace
