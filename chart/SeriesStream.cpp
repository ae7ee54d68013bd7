// The stream items of a series beyond its published properties: identifier
// and style, data sources by name, custom axes by index, the points as one
// binary record list ("Data") and the detail series ("Detail"). Numbers are
// little-endian; labels are bytes of the program's ANSI code page.

#include "chart/SeriesStream.h"

#include <algorithm>
#include <cstring>

#include "chart/AxisPanel.h"
#include "chart/ChartLists.h"
#include "chart/ChartSeries.h"
#include "chart/PlotConst.h"
#include "chart/PlotFunction.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesSources.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_stream.h"
#include "scene/zr_strings.h"

namespace {

constexpr int kGuessPoints = 10000;
constexpr int kGuessLabels = 100;
constexpr uint8_t kLongLabel = 255;
constexpr int kMarkPositionBytes = 34;

// ---- raw values

template <class T>
void Put(TStream* Stream, T Value) {
  Stream->WriteBuffer(&Value, sizeof Value);
}

template <class T>
T Take(TStream* Stream) {
  T value{};
  Stream->ReadBuffer(&value, sizeof value);
  return value;
}

int64_t Remaining(TStream* Stream) { return Stream->GetSize() - Stream->GetPosition(); }

// Raises the stream's read error unless Bytes more bytes are there.
void Need(TStream* Stream, int64_t Bytes) {
  if (Bytes < 0 || Bytes > Remaining(Stream)) throw EReadError("Stream read error");
}

void PutPoint(TStream* Stream, TPoint P) {
  Put<int32_t>(Stream, P.X);
  Put<int32_t>(Stream, P.Y);
}

TPoint TakePoint(TStream* Stream) {
  const int32_t x = Take<int32_t>(Stream);
  const int32_t y = Take<int32_t>(Stream);
  return TPoint{x, y};
}

std::string ToAnsi(const std::string& Utf8) {
  std::string bytes;
  for (char16_t c : UTF8ToUTF16(Utf8)) bytes += static_cast<char>(WideCharToAnsi(c));
  return bytes;
}

std::string FromAnsi(const std::string& Bytes) {
  std::u16string text;
  for (char b : Bytes) text += AnsiCharToWide(static_cast<uint8_t>(b));
  return UTF16ToUTF8(text);
}

// A length byte of 255, the byte length, the bytes.
void PutLabel(TStream* Stream, const std::string& Label) {
  const std::string bytes = ToAnsi(Label);
  Put<uint8_t>(Stream, kLongLabel);
  Put<int32_t>(Stream, static_cast<int32_t>(bytes.size()));
  if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

// The long form above, or a length byte below 255 and that many bytes.
std::string TakeLabel(TStream* Stream) {
  int32_t length = Take<uint8_t>(Stream);
  if (length == kLongLabel) length = Take<int32_t>(Stream);
  Need(Stream, length);
  std::string bytes(static_cast<size_t>(length), '\0');
  if (length > 0) Stream->ReadBuffer(bytes.data(), length);
  return FromAnsi(bytes);
}

void PutMarkPosition(TStream* Stream, const TSeriesMarkPosition& P) {
  PutPoint(Stream, P.ArrowFrom);
  Put<uint8_t>(Stream, P.ArrowFix ? 1 : 0);
  PutPoint(Stream, P.ArrowTo);
  Put<uint8_t>(Stream, P.Custom ? 1 : 0);
  Put<int32_t>(Stream, P.Height);
  PutPoint(Stream, P.LeftTop);
  Put<int32_t>(Stream, P.Width);
}

TSeriesMarkPosition TakeMarkPosition(TStream* Stream) {
  TSeriesMarkPosition p;
  p.ArrowFrom = TakePoint(Stream);
  p.ArrowFix = Take<uint8_t>(Stream) != 0;
  p.ArrowTo = TakePoint(Stream);
  p.Custom = Take<uint8_t>(Stream) != 0;
  p.Height = Take<int32_t>(Stream);
  p.LeftTop = TakePoint(Stream);
  p.Width = Take<int32_t>(Stream);
  return p;
}

// A component in the standard component stream ("TPF0" and its record).
void PutComponent(TStream* Stream, TComponent* Component) {
  TWriter writer(Stream);
  writer.WriteRootComponent(Component);
}

void TakeComponent(TStream* Stream, TComponent* Component) {
  TReader reader(Stream);
  reader.ReadRootComponent(Component);
}

// The smallest record a point of these flags can have.
int64_t RecordBytes(uint8_t Flags, int FurtherLists) {
  int64_t bytes = 8 + 8 * int64_t(FurtherLists);
  if (Flags & sdfNotMandatory) bytes += 8;
  if (Flags & sdfColors) bytes += 4;
  if (Flags & sdfLabels) bytes += 1;
  if (Flags & sdfMarkPositions) bytes += kMarkPositionBytes;
  if (Flags & sdfPictures) bytes += 1;
  return bytes;
}

}  // namespace

// ---------------- flags ----------------

bool HasNoMandatoryValues(const TChartSeries* Series) {
  const int count = Series->Count();
  if (!Series->IUseNotMandatory || count == 0) return false;
  const TChartValueList* list = Series->NotMandatoryValueList;
  if (list->First() != 0 || list->Last() != count - 1) return true;
  const int last = std::min(kGuessPoints, count - 1);
  for (int i = 0; i <= last; ++i)
    if (list->GetValue(i) != i) return true;
  return false;
}

bool HasColors(const TChartSeries* Series) {
  const int last = std::min(kGuessPoints, Series->Count() - 1);
  const TColor seriesColor = Series->GetSeriesColor();
  for (int i = 0; i <= last; ++i) {
    const TColor c = Series->InternalColor(i);
    if (c != clDefault && c != seriesColor) return true;
  }
  return false;
}

bool HasLabels(const TChartSeries* Series) {
  const TLabelsList* labels = Series->Labels();
  if (labels->Count() == 0) return false;
  const int last = std::min(kGuessLabels, Series->Count() - 1);
  for (int i = 0; i <= last; ++i)
    if (!labels->GetLabel(i).empty()) return true;
  return false;
}

uint8_t SeriesGuessContents(TChartSeries* Series) {
  uint8_t flags = 0;
  if (HasNoMandatoryValues(Series)) flags |= sdfNotMandatory;
  if (HasColors(Series)) flags |= sdfColors;
  if (HasLabels(Series)) flags |= sdfLabels;
  TSeriesMarks* marks = Series->MarksIfAny();
  if (marks && marks->GetPositions()->ExistCustom()) flags |= sdfMarkPositions;
  if (Series->HasPictures() && Series->Pictures()->Count() > 0 && Series->Pictures()->Stored)
    flags |= sdfPictures;
  return flags;
}

// ---------------- identifier and style ----------------

void TCustomChartSeries::DefineProperties(TFiler* Filer) {
  TCustomChartElement::DefineProperties(Filer);
  Filer->DefineProperty(
      "Identifier", [this](TReader* r) { FIdentifier = r->ReadString(); },
      [this](TWriter* w) { w->WriteString(FIdentifier); }, !FIdentifier.empty());
  Filer->DefineProperty(
      "Style", [this](TReader* r) { FStyle = static_cast<TChartSeriesStyle>(r->ReadInteger()); },
      [this](TWriter* w) { w->WriteInteger(FStyle & 0x3F); }, FStyle != 0);
}

// ---------------- the series' items ----------------

bool TChartSeries::IsDataSourceStored() const { return FDataSources && FDataSources->Count() == 1; }

bool TChartSeries::IsValueFormatStored() const { return FValueFormat != PlotMsg_DefValueFormat; }

bool TChartSeries::IsPercentFormatStored() const {
  return FPercentFormat != PlotMsg_DefPercentFormat;
}

void TChartSeries::DefineProperties(TFiler* Filer) {
  TCustomChartSeries::DefineProperties(Filer);
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FParent);
  Filer->DefineProperty(
      "DataSources",
      [this](TReader* r) {
        FTempDataSources = std::make_unique<std::vector<std::string>>();
        r->ReadListBegin();
        while (!r->EndOfList()) FTempDataSources->push_back(r->ReadString());
        r->ReadListEnd();
      },
      [this](TWriter* w) {
        w->WriteListBegin();
        for (TComponent* source : FDataSources->List) w->WriteString(source->GetName());
        w->WriteListEnd();
      },
      FDataSources && FDataSources->Count() > 1);
  // A custom axis is its index among the chart's custom axes; an index
  // that names none is a stream error.
  const auto readAxis = [chart](TReader* r) {
    const int32_t index = r->ReadInteger();
    TChartCustomAxes* axes = chart ? chart->GetCustomAxes() : nullptr;
    if (!axes || index < 0 || index >= axes->Count())
      throw EReadError("Custom axis index out of range");
    return axes->Get(index);
  };
  Filer->DefineProperty(
      "CustomHorizAxis", [this, readAxis](TReader* r) { SetCustomHorizAxis(readAxis(r)); },
      [this](TWriter* w) { w->WriteInteger(FCustomHorizAxis->GetIndex()); },
      FCustomHorizAxis != nullptr);
  Filer->DefineProperty(
      "CustomVertAxis", [this, readAxis](TReader* r) { SetCustomVertAxis(readAxis(r)); },
      [this](TWriter* w) { w->WriteInteger(FCustomVertAxis->GetIndex()); },
      FCustomVertAxis != nullptr);
  const bool data = IsDataStored();
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, data);
  Filer->DefineBinaryProperty(
      "Detail", [this](TStream* s) { ReadDetail(s); }, [this](TStream* s) { WriteDetail(s); },
      data && FDetail != nullptr);
}

void TChartSeries::Loaded() {
  TCustomChartSeries::Loaded();
  if (FTempDataSources) {
    DataSources()->InheritedClear();
    TComponent* owner = GetOwner();
    for (const std::string& name : *FTempDataSources) {
      TComponent* source = owner ? owner->FindComponent(name) : nullptr;
      if (source) InternalAddDataSource(source);
    }
    FTempDataSources.reset();
  }
  CheckDataSource();
}

void TChartSeries::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TCustomChartSeries::GetChildren(Proc, Root);
  if (FFunction) Proc(FFunction);
}

// ---------------- points ----------------

void TChartSeries::WriteData(TStream* Stream) {
  const uint8_t flags = SeriesGuessContents(this);
  const int count = Count();
  Put<uint8_t>(Stream, flags);
  Put<int32_t>(Stream, count);
  for (int i = 0; i < count; ++i) {
    if (flags & sdfNotMandatory) Put<double>(Stream, NotMandatoryValueList->GetValue(i));
    Put<double>(Stream, MandatoryValueList->GetValue(i));
    if (flags & sdfColors) Put<int32_t>(Stream, InternalColor(i));
    if (flags & sdfLabels) PutLabel(Stream, GetXLabel(i));
    for (int k = 2; k < FValuesList.Count(); ++k)
      Put<double>(Stream, FValuesList.Get(k)->GetValue(i));
    if (flags & sdfMarkPositions) PutMarkPosition(Stream, *GetMarks()->GetPositions()->Ensure(i));
    if (!(flags & sdfPictures)) continue;
    TPlotPicture* picture = Pictures()->Get(i);
    Put<uint8_t>(Stream, picture ? 1 : 0);
    if (!picture) continue;
    std::unique_ptr<TPlotPictureComponent> wrapper(TPlotPictureComponent::CreateFrom(picture));
    PutComponent(Stream, wrapper.get());
    wrapper->DetachPicture();
  }
}

void TChartSeries::ReadData(TStream* Stream) {
  Clear();
  const uint8_t flags = Take<uint8_t>(Stream);
  const int32_t count = Take<int32_t>(Stream);
  const int further = std::max(0, FValuesList.Count() - 2);
  if (count < 0 || count > Remaining(Stream) / RecordBytes(flags, further))
    throw EReadError("Stream read error");
  const bool horizontal = MandatoryValueList != FY;
  BeginUpdate();
  try {
    for (int i = 0; i < count; ++i) {
      double x = (flags & sdfNotMandatory) ? Take<double>(Stream) : i;
      double y = Take<double>(Stream);
      if (horizontal) std::swap(x, y);
      const TColor color = (flags & sdfColors) ? Take<int32_t>(Stream) : clDefault;
      const std::string label = (flags & sdfLabels) ? TakeLabel(Stream) : std::string();
      for (int k = 2; k < FValuesList.Count(); ++k)
        FValuesList.Get(k)->SetTempValue(Take<double>(Stream));
      AddXY(x, y, label, color);
      if (flags & sdfMarkPositions)
        *GetMarks()->GetPositions()->Ensure(i) = TakeMarkPosition(Stream);
      if ((flags & sdfPictures) && Take<uint8_t>(Stream) != 0) {
        std::unique_ptr<TPlotPictureComponent> wrapper(new TPlotPictureComponent(nullptr));
        TakeComponent(Stream, wrapper.get());
        Pictures()->Put(i, wrapper->DetachPicture());
      }
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  ManualData = true;
}

// ---------------- detail ----------------

void TChartSeries::WriteDetail(TStream* Stream) {
  TSeriesDetail* detail = Detail();
  Put<uint8_t>(Stream, static_cast<uint8_t>(detail->GetAggregate()));
  Put<int32_t>(Stream, detail->Count());
  for (int i = 0; i < detail->Count(); ++i) PutComponent(Stream, detail->Get(i));
}

void TChartSeries::ReadDetail(TStream* Stream) {
  TSeriesDetail* detail = Detail();
  const std::vector<TChartSeries*> old = detail->Items();
  detail->Clear();
  for (TChartSeries* series : old) delete series;
  const uint8_t aggregate = Take<uint8_t>(Stream);
  if (aggregate > daMax) throw EReadError("Invalid detail aggregate");
  detail->SetAggregate(static_cast<TDetailAggregate>(aggregate));
  const int32_t count = Take<int32_t>(Stream);
  // Each series needs at least its stream signature.
  if (count < 0 || count > Remaining(Stream) / 4) throw EReadError("Stream read error");
  for (int i = 0; i < count; ++i) TakeComponent(Stream, detail->CreateNew());
}
