// Writing setup sheets: a 20-page document of sheet-size pages, each with the
// pictures of a six-group sheet (the header and six page areas, JPEG at
// quality 100, labelled), against writing the same JPEG bytes to a file in
// the same run. Reports pages per second and the file's size.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "files/PdfCanvas.h"
#include "files/PdfDoc.h"
#include "files/PdfImages.h"
#include "files/SetupSheet.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/JpegImage.h"

namespace {

constexpr int kPages = 20;
constexpr int kGroups = 6;

// A picture like a page area: a dark ground with rows of lighter controls.
std::unique_ptr<TJPEGImage> PagePicture(int width, int height, int seed) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap.GetScanLine(y);
    for (int x = 0; x < width; ++x) {
      const bool control = (y / 20 + seed) % 3 == 0 && x > 20 && x < width - 40;
      const uint8_t v = control ? uint8_t(90 + (x * 7 + y * 3 + seed) % 60) : 43;
      row[3 * x] = v, row[3 * x + 1] = v, row[3 * x + 2] = uint8_t(v + (control ? 20 : 0));
    }
  }
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->SetCompressionQuality(100);
  jpeg->Assign(&bitmap);
  return jpeg;
}

struct TPictures {
  std::unique_ptr<TJPEGImage> Header;
  std::vector<std::unique_ptr<TJPEGImage>> Groups;
};

const TPictures& Pictures() {
  static const TPictures pictures = [] {
    TPictures p;
    p.Header = PagePicture(749, 248, 0);
    for (int g = 0; g < kGroups; ++g) p.Groups.push_back(PagePicture(447, 524, g + 1));
    return p;
  }();
  return pictures;
}

std::string OutputPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void AddPicture(TPdfDoc& doc, TJPEGImage& jpeg, const std::u16string& name, float x, float y,
                float w, float h) {
  std::unique_ptr<TPdfImage> image(MakeImage(&jpeg, "Pdf-Jpeg"));
  doc.AddXObject(name, image.get());
  image.release();
  doc.Canvas()->DrawXObject(x, y, w, h, name);
}

void BM_SetupSheetDocument(benchmark::State& state) {
  const TPictures& pictures = Pictures();
  const std::string path = OutputPath("bench_setup_sheet.pdf");
  int64_t size = 0;
  for (auto _ : state) {
    TPdfDoc doc;
    doc.SetDefaultPageWidth(kSheetWidth);
    doc.SetDefaultPageHeight(kSheetHeight);
    doc.NewDoc();
    for (int page = 0; page < kPages; ++page) {
      doc.AddPage();
      const std::u16string prefix = u"p" + std::u16string(1, char16_t(u'a' + page));
      AddPicture(doc, *pictures.Header, prefix + u"header", 138, 4454 - 650, 2203, 650);
      for (int g = 0; g < kGroups; ++g) {
        const float top = 4454.0f - float(1000 + 500 * g);
        AddPicture(doc, *pictures.Groups[size_t(g)], prefix + u"g" + char16_t(u'0' + g), 143,
                   top - 444, 447, 444);
        doc.Canvas()->SetFont("Arial-BoldItalic", 38);
        PdfTextOut(doc, 203, int(top), "Group " + std::to_string(g + 1));
      }
    }
    TFileStream file(path, fmCreate);
    doc.SaveToStream(file);
    size = file.GetSize();
  }
  std::remove(path.c_str());
  state.counters["pages/s"] =
      benchmark::Counter(double(state.iterations()) * kPages, benchmark::Counter::kIsRate);
  state.counters["file_bytes"] = double(size);
}
BENCHMARK(BM_SetupSheetDocument)->Unit(benchmark::kMillisecond);

// The baseline: the same JPEG bytes, every picture of every page, written
// to a file one after another.
void BM_JpegBytesToFile(benchmark::State& state) {
  const TPictures& pictures = Pictures();
  const std::string path = OutputPath("bench_setup_sheet.jpgs");
  int64_t size = 0;
  for (auto _ : state) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (int page = 0; page < kPages; ++page) {
      const std::vector<uint8_t>& header = pictures.Header->Data();
      file.write(reinterpret_cast<const char*>(header.data()), std::streamsize(header.size()));
      for (const auto& group : pictures.Groups)
        file.write(reinterpret_cast<const char*>(group->Data().data()),
                   std::streamsize(group->Data().size()));
    }
    size = int64_t(file.tellp());
  }
  std::remove(path.c_str());
  state.counters["pages/s"] =
      benchmark::Counter(double(state.iterations()) * kPages, benchmark::Counter::kIsRate);
  state.counters["file_bytes"] = double(size);
}
BENCHMARK(BM_JpegBytesToFile)->Unit(benchmark::kMillisecond);

}  // namespace
