// A chart read from a text form, as the RPM window's chart is: whatever the
// reader accepts is drawn, and the writer writes it as a form that reads
// back. Values beyond the calendar on a date-time axis, huge font sizes and
// odd names must all pass through.

#include <exception>
#include <memory>
#include <string>

#include "chart/Chart.h"
#include "chart/PlotStartup.h"
#include "fuzz/fuzz_support.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_strict.h"
#include "scene/zr_stream_text.h"

namespace {

std::unique_ptr<TChart> ReadChart(const uint8_t* Data, size_t Size) {
  TResourceStream in(Data, Size);
  std::unique_ptr<TComponent> made = ReadObjectTextStrict(&in);
  auto* chart = dynamic_cast<TChart*>(made.get());
  if (chart) made.release();
  return std::unique_ptr<TChart>(chart);
}

std::string WriteChart(TChart& Chart) {
  TMemoryStream binary, text;
  {
    TWriter writer(&binary);
    writer.WriteRootComponent(&Chart);
  }
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  static const bool started = (InitializeChart(), true);
  (void)started;
  std::unique_ptr<TChart> chart;
  try {
    chart = ReadChart(Data, Size);
  } catch (const std::exception&) {
    return 0;
  }
  if (!chart) return 0;
  std::string written;
  try {
    written = WriteChart(*chart);
  } catch (const std::exception&) {
    FuzzCheck(false, "a chart the reader accepted is written");
  }
  try {
    std::unique_ptr<TChart> again =
        ReadChart(reinterpret_cast<const uint8_t*>(written.data()), written.size());
    FuzzCheck(again != nullptr, "the written form reads back as a chart");
  } catch (const std::exception&) {
    FuzzCheck(false, "the written form reads back");
  }
  // Drawing runs the axis labels and their date and number texts; a drawing
  // error of the chart's own (a bad HTML text, say) is no fault here.
  chart->SetBounds(0, 0, 160, 120);
  try {
    std::unique_ptr<TBitmap>(chart->PlotCreateBitmap(clWhite, TRect{0, 0, 160, 120}, pf24bit, 0));
  } catch (const Exception&) {
  }
  return 0;
}
