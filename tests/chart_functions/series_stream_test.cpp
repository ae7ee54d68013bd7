// A series' point stream byte for byte, what a damaged stream does, the
// items a component stream carries beside the published properties, and
// copying one series into another.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "chart/LineSeries.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesSources.h"
#include "chart/SeriesStream.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

std::vector<uint8_t> Bytes(TMemoryStream& S) {
  const auto* p = static_cast<const uint8_t*>(S.Memory());
  return std::vector<uint8_t>(p, p + S.GetSize());
}

std::vector<uint8_t> DataOf(TChartSeries& Series) {
  TMemoryStream s;
  Series.WriteData(&s);
  return Bytes(s);
}

void Append(std::vector<uint8_t>& Out, const void* Data, size_t Size) {
  const auto* p = static_cast<const uint8_t*>(Data);
  Out.insert(Out.end(), p, p + Size);
}

template <class T>
void Append(std::vector<uint8_t>& Out, T Value) {
  Append(Out, &Value, sizeof Value);
}

void ReadInto(TChartSeries& Series, const std::vector<uint8_t>& Data) {
  TMemoryStream s;
  if (!Data.empty()) s.WriteBuffer(Data.data(), int32_t(Data.size()));
  s.SetPosition(0);
  Series.ReadData(&s);
}

std::vector<uint8_t> Header(uint8_t Flags, int32_t Count) {
  std::vector<uint8_t> out{Flags};
  Append(out, Count);
  return out;
}

TEST(SeriesData, RecordsHoldOnlyWhatTheFlagsSay) {
  TLineSeries plain;
  for (double y : {5.0, 7.0, 9.0}) plain.Add(y);
  std::vector<uint8_t> expected = Header(0, 3);
  for (double y : {5.0, 7.0, 9.0}) Append(expected, y);
  EXPECT_EQ(DataOf(plain), expected);
  EXPECT_EQ(expected.size(), 29u);

  TLineSeries xy;
  xy.AddXY(10, 5);
  xy.AddXY(20, 7);
  expected = Header(sdfNotMandatory, 2);
  for (double v : {10.0, 5.0, 20.0, 7.0}) Append(expected, v);
  EXPECT_EQ(DataOf(xy), expected);

  TLineSeries labelled;
  labelled.Add(1, "ab");
  expected = Header(sdfLabels, 1);
  Append(expected, 1.0);
  Append(expected, uint8_t(255));
  Append(expected, int32_t(2));
  Append(expected, "ab", 2);
  EXPECT_EQ(DataOf(labelled), expected);

  // A point in the series colour has no colour of its own to store.
  TLineSeries coloured;
  coloured.SetSeriesColor(clRed);
  coloured.Add(1, "", clRed);
  EXPECT_EQ(DataOf(coloured)[0], 0);
  coloured.Add(2, "", clBlue);
  const std::vector<uint8_t> data = DataOf(coloured);
  EXPECT_EQ(data[0], sdfColors);
  int32_t second = 0;
  std::memcpy(&second, data.data() + 5 + 12 + 8, 4);
  EXPECT_EQ(second, clBlue);
}

TEST(SeriesData, ReadsBothLabelFormsAndSwapsAHorizontalSeries) {
  std::vector<uint8_t> shortForm = Header(sdfLabels, 1);
  Append(shortForm, 4.0);
  Append(shortForm, uint8_t(2));
  Append(shortForm, "ab", 2);
  TLineSeries read;
  ReadInto(read, shortForm);
  ASSERT_EQ(read.Count(), 1);
  EXPECT_EQ(read.GetXLabel(0), "ab");
  EXPECT_EQ(read.YValues()->GetValue(0), 4);
  EXPECT_TRUE(read.ManualData);

  // Labels go through the ANSI code page.
  TLineSeries accented;
  accented.Add(1, "café €");
  TLineSeries back;
  ReadInto(back, DataOf(accented));
  EXPECT_EQ(back.GetXLabel(0), "café €");

  THorizLineSeries horiz;
  horiz.AddXY(3, 10);
  horiz.AddXY(4, 20);
  std::vector<uint8_t> expected = Header(sdfNotMandatory, 2);
  for (double v : {10.0, 3.0, 20.0, 4.0}) Append(expected, v);
  EXPECT_EQ(DataOf(horiz), expected);
  THorizLineSeries horizBack;
  ReadInto(horizBack, expected);
  ASSERT_EQ(horizBack.Count(), 2);
  EXPECT_EQ(horizBack.XValues()->GetValue(1), 4);
  EXPECT_EQ(horizBack.YValues()->GetValue(1), 20);
}

TEST(SeriesData, MarkPositionsAndPicturesRoundTrip) {
  TTestAxisPanel panel;
  auto* series = new TLineSeries(&panel);
  series->SetParentChart(&panel);
  series->Add(1);
  series->Add(2);
  TSeriesMarkPosition p;
  p.LeftTop = TPoint{30, 40};
  p.Width = 12;
  p.Height = 9;
  p.ArrowTo = TPoint{5, 6};
  series->GetMarks()->GetPositions()->Put(1, p);
  auto* picture = new TPlotPicture();
  TBitmap bitmap;
  bitmap.SetSize(3, 2);
  picture->Assign(&bitmap);
  series->Pictures()->Put(0, picture);
  const std::vector<uint8_t> data = DataOf(*series);
  EXPECT_EQ(data[0], sdfMarkPositions | sdfPictures);

  TTestAxisPanel otherPanel;
  auto* back = new TLineSeries(&otherPanel);
  back->SetParentChart(&otherPanel);
  ReadInto(*back, data);
  const TSeriesMarkPosition* q = back->GetMarks()->GetPositions()->Get(1);
  ASSERT_NE(q, nullptr);
  EXPECT_TRUE(q->Custom);
  EXPECT_EQ(q->LeftTop.X, 30);
  EXPECT_EQ(q->Height, 9);
  EXPECT_EQ(q->ArrowTo.Y, 6);
  ASSERT_NE(back->Pictures()->Get(0), nullptr);
  EXPECT_EQ(back->Pictures()->Get(0)->GetWidth(), 3);
  EXPECT_EQ(back->Pictures()->Get(1), nullptr);
}

TEST(SeriesData, DamagedStreamsFailWithoutReadingPastTheData) {
  struct Case {
    const char* Name;
    std::vector<uint8_t> Data;
  };
  std::vector<uint8_t> huge = Header(0, 0x7FFFFFFF);
  Append(huge, 1.0);
  std::vector<uint8_t> negative = Header(0, -1);
  std::vector<uint8_t> shortRecord = Header(0, 2);
  Append(shortRecord, 1.0);
  Append(shortRecord, uint8_t(1));
  std::vector<uint8_t> longLabel = Header(sdfLabels, 1);
  Append(longLabel, 1.0);
  Append(longLabel, uint8_t(255));
  Append(longLabel, int32_t(1 << 30));
  Append(longLabel, "ab", 2);
  std::vector<uint8_t> shortLabel = Header(sdfLabels, 1);
  Append(shortLabel, 1.0);
  Append(shortLabel, uint8_t(40));
  Append(shortLabel, "ab", 2);
  const std::vector<Case> cases = {{"empty", {}},
                                   {"count beyond the data", huge},
                                   {"negative count", negative},
                                   {"truncated record", shortRecord},
                                   {"long label beyond the data", longLabel},
                                   {"short label beyond the data", shortLabel}};
  for (const Case& c : cases) {
    TLineSeries s;
    EXPECT_THROW(ReadInto(s, c.Data), EReadError) << c.Name;
    EXPECT_FALSE(s.IsUpdating()) << c.Name;
  }

  TLineSeries parent;
  TMemoryStream detail;
  std::vector<uint8_t> d{0};
  Append(d, int32_t(1000000));
  detail.WriteBuffer(d.data(), int32_t(d.size()));
  detail.SetPosition(0);
  EXPECT_THROW(parent.ReadDetail(&detail), EReadError);
}

// A panel whose series and sources are written and read as one component.
class StreamedChart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterClass(TLineSeries::Class());
    RegisterClass(TCustomAxisPanel::Class());
  }
  static void TearDownTestSuite() {
    UnRegisterClass(TLineSeries::Class());
    UnRegisterClass(TCustomAxisPanel::Class());
  }

  // Panel written to a binary stream, shown as text, and read back from it
  // into Back.
  std::string RoundTrip(TTestAxisPanel& Panel, TTestAxisPanel& Back) {
    TMemoryStream binary, text, again;
    {
      TWriter w(&binary);
      w.WriteRootComponent(&Panel);
    }
    binary.SetPosition(0);
    ObjectBinaryToText(&binary, &text);
    std::string shown(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
    text.SetPosition(0);
    ObjectTextToBinary(&text, &again);
    again.SetPosition(0);
    TReader r(&again);
    r.ReadRootComponent(&Back);
    return shown;
  }
};

TEST_F(StreamedChart, PointsIdentifierAndDataSourcesComeBack) {
  TTestAxisPanel panel;
  panel.SetName("Chart1");
  auto* a = new TLineSeries(&panel);
  a->SetName("Source1");
  a->SetParentChart(&panel);
  auto* b = new TLineSeries(&panel);
  b->SetName("Source2");
  b->SetParentChart(&panel);
  auto* fed = new TLineSeries(&panel);
  fed->SetName("Fed");
  fed->SetParentChart(&panel);
  a->AddXY(1, 5, "one", clRed);
  a->AddXY(3, 6, "three");
  a->ManualData = true;
  a->SetIdentifier("first");
  a->SetStyle((1u << tssDenyDelete) | (1u << tssIsPersistent));
  a->SetTitle("Motor");
  b->Add(2);
  b->ManualData = true;
  fed->DataSources()->Add(a);
  fed->DataSources()->Add(b);

  TTestAxisPanel back;
  const std::string shown = RoundTrip(panel, back);
  EXPECT_NE(shown.find("Identifier = 'first'"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Style = 20"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Data = {"), std::string::npos) << shown;
  ASSERT_EQ(back.SeriesCount(), 3);
  TChartSeries* a2 = back.GetSeries(0);
  EXPECT_EQ(a2->GetTitle(), "Motor");
  EXPECT_EQ(a2->GetIdentifier(), "first");
  EXPECT_EQ(a2->GetStyle(), (1u << tssDenyDelete) | (1u << tssIsPersistent));
  ASSERT_EQ(a2->Count(), 2);
  EXPECT_EQ(a2->XValues()->GetValue(1), 3);
  EXPECT_EQ(a2->GetXLabel(0), "one");
  EXPECT_EQ(a2->GetValueColor(0), clRed);
  TChartSeries* fed2 = back.GetSeries(2);
  ASSERT_EQ(fed2->DataSources()->Count(), 2);
  EXPECT_EQ(fed2->DataSources()->Get(0), a2);
  EXPECT_EQ(fed2->DataSources()->Get(1), back.GetSeries(1));
}

TEST_F(StreamedChart, ACustomAxisIndexOutsideTheAxesFails) {
  TTestAxisPanel panel;
  panel.SetName("Chart1");
  panel.GetCustomAxes()->Add();
  auto* s = new TLineSeries(&panel);
  s->SetName("Series1");
  s->SetParentChart(&panel);
  s->SetCustomVertAxis(panel.GetCustomAxes()->Get(0));
  TTestAxisPanel back;
  back.GetCustomAxes()->Add();
  RoundTrip(panel, back);
  ASSERT_EQ(back.SeriesCount(), 1);
  EXPECT_EQ(back.GetSeries(0)->GetCustomVertAxis(), back.GetCustomAxes()->Get(0));

  const std::string text =
      "object Chart1: TCustomAxisPanel\n"
      "  object Series1: TLineSeries\n"
      "    CustomHorizAxis = 5\n"
      "  end\n"
      "end\n";
  TMemoryStream in, binary;
  in.WriteBuffer(text.data(), int32_t(text.size()));
  in.SetPosition(0);
  ObjectTextToBinary(&in, &binary);
  binary.SetPosition(0);
  TTestAxisPanel bad;
  bad.GetCustomAxes()->Add();
  TReader r(&binary);
  EXPECT_THROW(r.ReadRootComponent(&bad), Exception);
}

TEST(SeriesAssign, ManualPointsAreCopiedAndSourcesShared) {
  TTestAxisPanel panel;
  auto* manual = new TLineSeries(&panel);
  manual->SetParentChart(&panel);
  manual->AddXY(1, 2, "a");
  manual->AddXY(2, 4);
  manual->ManualData = true;
  manual->SetSeriesColor(clGreen);
  manual->SetTitle("Manual");
  auto* copy = new TLineSeries(&panel);
  copy->SetParentChart(&panel);
  copy->Assign(manual);
  ASSERT_EQ(copy->Count(), 2);
  EXPECT_EQ(copy->YValues()->GetValue(1), 4);
  EXPECT_EQ(copy->GetXLabel(0), "a");
  EXPECT_EQ(copy->GetSeriesColor(), clGreen);
  EXPECT_EQ(copy->GetTitle(), "Manual");
  EXPECT_TRUE(copy->ManualData);

  auto* fed = new TLineSeries(&panel);
  fed->SetParentChart(&panel);
  fed->SetDataSource(manual);
  auto* fedCopy = new TLineSeries(&panel);
  fedCopy->SetParentChart(&panel);
  fedCopy->Assign(fed);
  EXPECT_EQ(fedCopy->GetDataSource(), manual);
  EXPECT_EQ(fedCopy->Count(), 2);

  EXPECT_TRUE(manual->SameClass(copy));
  THorizLineSeries horiz;
  EXPECT_TRUE(manual->SameClass(&horiz));
  EXPECT_TRUE(horiz.SameClass(manual));
  TPointSeries point;
  EXPECT_FALSE(manual->SameClass(&point));
}

}  // namespace
