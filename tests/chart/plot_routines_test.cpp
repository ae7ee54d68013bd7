// The chart's utility routines: fields, date-time steps and calendar
// arithmetic, hit tests, per-user options, text export, files, embedded
// bitmaps and links.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "chart/PlotRoutines.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/UserSettings.h"
#include "platform/vcl/ShellOpen.h"
#include "platform/vcl/WinControls.h"
#include "tests/support/CommaLocale.h"
#include "tests/support/TempConfigHome.h"

namespace fs = std::filesystem;

namespace {

TEST(PlotRoutinesText, FieldsAndCharacters) {
  struct {
    const char* text;
    int fields;
  } counts[] = {{"", 0}, {"a;b", 2}, {"a;;b", 3}, {"a;b;", 2}, {";", 1}, {"abc", 1}};
  for (const auto& c : counts) EXPECT_EQ(PlotNumFields(c.text), c.fields) << c.text;

  struct {
    const char* text;
    int index;
    const char* field;
  } fields[] = {{"a;b;c", 3, "c"}, {"a;b;c", 1, "a"}, {"a;b", 3, ""}, {"a;b", 0, ""},
                {"a;;b", 2, ""},   {"a;;b", 3, "b"},  {"", 1, ""},    {"a;b;", 2, "b"}};
  for (const auto& f : fields)
    EXPECT_EQ(PlotExtractField(f.text, f.index), f.field) << f.text << " " << f.index;

  EXPECT_EQ(PlotNumFields("x--y--z", "--"), 3);
  EXPECT_EQ(PlotExtractField("x--y--z", 2, "--"), "y");
  EXPECT_EQ(PlotFieldsSeparator, ";");  // restored after the call

  EXPECT_EQ(ReplaceChar("a-b-c", '-', '\0'), "abc");
  EXPECT_EQ(ReplaceChar("a-b-c", '-', '+'), "a+b+c");
  EXPECT_EQ(StringContains("lo", "hello"), 4);
  EXPECT_EQ(StringContains("x", "hello"), 0);
  EXPECT_EQ(RemoveFileExtension("dir.v2/name.tar.gz"), "dir.v2/name.tar");
  EXPECT_EQ(RemoveFileExtension("dir.v2/name"), "dir.v2/name");
  EXPECT_TRUE(PlotIsURL("  see http://example.org"));
  EXPECT_TRUE(PlotIsURL("Ftp://host"));
  EXPECT_FALSE(PlotIsURL("www.example.org"));
  EXPECT_EQ(PlotStr(-42), "-42");
}

TEST(PlotRoutinesText, UniqueNamesAndTranslationHooks) {
  TComponent owner;
  auto* first = new TComponent(&owner);
  first->SetName("Series1");
  EXPECT_EQ(PlotGetUniqueName(&owner, "Series"), "Series2");
  EXPECT_EQ(PlotGetUniqueName(nullptr, "Series"), "Series1");
  EXPECT_EQ(PlotTranslateString("Hello"), "Hello");
  PlotTranslateStringHook = [](const std::string& t) { return "[" + t + "]"; };
  EXPECT_EQ(PlotTranslateString("Hello"), "[Hello]");
  PlotTranslateStringHook = nullptr;
}

TEST(PlotRoutinesText, FormatPatternsFromTheLocale) {
  EXPECT_EQ(StrftimeToFormatPattern("%d.%m.%Y"), "dd.mm.yyyy");
  EXPECT_EQ(StrftimeToFormatPattern("%H:%M:%S"), "hh:nn:ss");
  EXPECT_EQ(StrftimeToFormatPattern("%I:%M:%S %p"), "hh:nn:ss ampm");
  EXPECT_EQ(DateTimeDefaultFormat(2), LocaleShortDateFormat());
  EXPECT_EQ(DateTimeDefaultFormat(1), LocaleShortTimeFormat());
  // The C locale uses the invariant separators: nothing to swap.
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(InvariantToLocalFormat("#,##0.00"), "#,##0.00");
  EXPECT_EQ(LocalToInvariantFormat("#,##0.00"), "#,##0.00");
  std::setlocale(LC_NUMERIC, saved.c_str());
  // A decimal-comma locale swaps the two.
  TCommaLocale comma;
  ASSERT_TRUE(comma.Active());
  EXPECT_EQ(InvariantToLocalFormat("#,##0.00"), "#.##0,00");
  EXPECT_EQ(LocalToInvariantFormat("#.##0,00"), "#,##0.00");
}

TDateTime At(int y, int m, int d, double hours = 0) { return EncodeDate(y, m, d) + hours / 24; }

TEST(PlotRoutinesDates, CalendarEncoding) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  uint16_t y, m, d;
  DecodeDate(36526.75, y, m, d);
  EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{2000, 1, 1}));
  EXPECT_THROW(EncodeDate(2025, 2, 29), EConvertError);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
}

TEST(PlotRoutinesDates, StepsOfTheTable) {
  EXPECT_EQ(NextDateTimeStep(1), 2);
  EXPECT_EQ(NextDateTimeStep(200), 365);
  EXPECT_EQ(NextDateTimeStep(0), 365);
  EXPECT_DOUBLE_EQ(NextDateTimeStep(1.0 / 86400), 5.0 / 86400);
  EXPECT_EQ(FindDateTimeStep(30), dtOneMonth);
  EXPECT_EQ(FindDateTimeStep(31), dtNone);
  EXPECT_EQ(FindDateTimeStep(1.0 / 24), dtOneHour);
  EXPECT_EQ(FindDateTimeStep(365), dtOneYear);
}

TEST(PlotRoutinesDates, RoundDate) {
  struct {
    TDateTimeStep step;
    TDateTime date, rounded;
  } rows[] = {
      {dtHalfMonth, At(2024, 3, 10, 14), At(2024, 3, 1)},
      {dtHalfMonth, At(2024, 3, 20, 14), At(2024, 3, 15)},
      {dtOneYear, At(2024, 3, 10, 14), At(2024, 1, 1)},
      {dtThreeMonths, At(2024, 3, 10, 14), At(2024, 3, 1)},
      {dtNone, At(2024, 3, 10, 14), At(2024, 3, 10)},
      {dtOneDay, At(2024, 3, 10, 14), At(2024, 3, 11)},
      {dtOneDay, At(2024, 3, 10, 10), At(2024, 3, 10)},
      {dtOneHour, At(2024, 3, 10, 14.5), At(2024, 3, 10, 14.5)},
      {dtOneWeek, 16, 16},  // weeks are aligned to day 2
      {dtOneWeek, 20, 23},
      {dtTwoDays, 5.2, 6},
      {dtHalfMonth, 0, 0},
  };
  for (const auto& r : rows)
    EXPECT_DOUBLE_EQ(PlotRoundDate(r.date, r.step), r.rounded) << r.step << " " << r.date;
}

TEST(PlotRoutinesDates, Increment) {
  struct {
    bool forward;
    TDateTime from;
    double amount;
    TDateTimeStep step;
    TDateTime to;
  } rows[] = {
      {false, At(2024, 3, 1), 15, dtHalfMonth, At(2024, 2, 15)},
      {false, At(2024, 2, 15), 15, dtHalfMonth, At(2024, 2, 1)},
      {false, At(2024, 2, 20), 15, dtHalfMonth, At(2024, 2, 15)},
      {false, At(2024, 1, 1), 15, dtHalfMonth, At(2023, 12, 15)},
      {true, At(2024, 2, 3), 15, dtHalfMonth, At(2024, 2, 15)},
      {true, At(2024, 12, 15), 15, dtHalfMonth, At(2025, 1, 1)},
      {true, At(2024, 1, 31), 30, dtOneMonth, At(2024, 2, 1)},
      {true, At(2024, 11, 20), 90, dtThreeMonths, At(2025, 2, 1)},
      {false, At(2024, 2, 20), 120, dtFourMonths, At(2023, 10, 1)},
      {false, At(2024, 6, 20), 182, dtSixMonths, At(2023, 12, 1)},
      {true, At(2024, 2, 29), 365, dtOneYear, At(2025, 2, 28)},
      {false, At(2024, 2, 29), 365, dtOneYear, At(2023, 2, 28)},
      {true, At(2023, 5, 6), 730, dtOneYear, At(2025, 5, 6)},
      {true, At(2024, 3, 1, 6), 0.25, dtSixHours, At(2024, 3, 1, 12)},
      {true, At(2024, 3, 1), 0, dtOneMonth, At(2024, 3, 1)},  // no move at all
  };
  for (const auto& r : rows) {
    TDateTime value = r.from;
    PlotDateTimeIncrement(r.forward, value, r.amount, r.step);
    EXPECT_DOUBLE_EQ(value, r.to) << r.from << (r.forward ? " + " : " - ") << r.amount;
  }
}

TEST(PlotRoutinesGeometry, PointsOnLinesAndInShapes) {
  const TPoint p{5, 1};
  EXPECT_TRUE(PointInLine(p, 0, 0, 10, 0));  // one pixel beside, tolerance 0
  EXPECT_FALSE(PointInLine(TPoint{5, 2}, 0, 0, 10, 0));
  EXPECT_TRUE(PointInLine(TPoint{5, 2}, 0, 0, 10, 0, 1));
  EXPECT_FALSE(PointInLine(TPoint{12, 0}, TPoint{0, 0}, TPoint{10, 0}));  // past the end
  EXPECT_TRUE(PointInLine(TPoint{3, 3}, TPoint{3, 3}, TPoint{3, 3}));
  EXPECT_TRUE(PointInLineTolerance(TPoint{3, 7}, 3, 3, 3, 3, 3));

  const TPoint square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_FALSE(PointInPolygon(TPoint{0, 0}, square, 1));
  EXPECT_TRUE(PointInPolygon(TPoint{0, 5}, square, 4));    // left edge inside
  EXPECT_FALSE(PointInPolygon(TPoint{10, 5}, square, 4));  // right edge outside
  EXPECT_TRUE(PointInPolygon(TPoint{5, 5}, square, 4));
  EXPECT_FALSE(PointInPolygon(TPoint{5, 10}, square, 4));  // bottom edge: no crossing
  EXPECT_TRUE(PointInTriangle(TPoint{5, 2}, 0, 10, 0, 10));
  EXPECT_FALSE(PointInTriangle(TPoint{1, 8}, 0, 10, 0, 10));
  EXPECT_TRUE(PointInHorizTriangle(TPoint{2, 5}, 0, 10, 0, 10));
  EXPECT_FALSE(PointInHorizTriangle(TPoint{8, 1}, 0, 10, 0, 10));

  EXPECT_FALSE(PointInEllipse(TPoint{0, 0}, TRect{0, 0, 0, 10}));
  EXPECT_TRUE(PointInEllipse(TPoint{5, 5}, 0, 0, 10, 10));
  EXPECT_TRUE(PointInEllipse(TPoint{10, 5}, 0, 0, 10, 10));
  EXPECT_FALSE(PointInEllipse(TPoint{9, 9}, 0, 0, 10, 10));
  EXPECT_EQ(RectFromCenter(TPoint{10, 20}, 3, 0), (TRect{7, 17, 13, 23}));
  EXPECT_EQ(RectFromCenter(10, 20, 3, 5), (TRect{7, 15, 13, 25}));
}

TEST(PlotRoutinesGeometry, CrossingLines) {
  struct {
    double x1, y1, x2, y2, x3, y3, x4, y4;
    bool crosses;
    double x, y;
  } rows[] = {
      {0, 0, 10, 10, 0, 10, 10, 0, true, 5, 5},
      {0, 0, 4, 4, 6, 0, 10, -4, false, 3, 3},   // the lines meet beyond both ends
      {0, 0, 10, 0, 10, 0, 20, 5, true, 10, 0},  // segments sharing an end point
      {0, 0, 10, 0, 5, 0, 15, 5, false, 5, 0},   // one end touching only: not counted
      {0, 0, 10, 0, 0, 1, 10, 1, false, 10, 0},  // parallel: X is X2
  };
  for (const auto& r : rows) {
    double x = -1, y = -1;
    EXPECT_EQ(CrossingLines(r.x1, r.y1, r.x2, r.y2, r.x3, r.y3, r.x4, r.y4, x, y), r.crosses);
    EXPECT_DOUBLE_EQ(x, r.x);
    EXPECT_DOUBLE_EQ(y, r.y);
  }
  double x = -1, y = -1;
  EXPECT_FALSE(CrossingLines(0, 0, 0, 10, -5, 5, 5, 5, x, y));  // vertical: nothing set
  EXPECT_EQ(x, -1);
}

// Points the per-user settings at a fresh folder for one test.
class PlotOptions : public ::testing::Test {
 protected:
  TTempConfigHome FConfig;
  const fs::path FDir = FConfig.Dir();
};

TEST_F(PlotOptions, ReadingMissingOptionsCreatesNothing) {
  EXPECT_EQ(PlotReadIntegerOption("DefaultPalette", 13), 13);
  EXPECT_EQ(PlotReadStringOption("DefaultCanvas", "TPlotCanvas3D"), "TPlotCanvas3D");
  EXPECT_TRUE(PlotReadBoolOption("Smooth", true));
  EXPECT_FALSE(fs::exists(FDir / "esctool"));
}

TEST_F(PlotOptions, SavedOptionsReadBackAndBadNumbersRaise) {
  PlotSaveIntegerOption("DefaultPalette", 4);
  PlotSaveStringOption("DefaultCanvas", "TPlotCanvas3D");
  PlotSaveBoolOption("Smooth", false);
  EXPECT_EQ(PlotReadIntegerOption("DefaultPalette", 13), 4);
  EXPECT_EQ(PlotReadStringOption("DefaultCanvas", ""), "TPlotCanvas3D");
  EXPECT_FALSE(PlotReadBoolOption("Smooth", true));
  PlotSaveStringOption("DefaultPalette", "four");
  EXPECT_THROW(PlotReadIntegerOption("DefaultPalette", 13), ERegistryException);
  EXPECT_THROW(PlotReadBoolOption("DefaultPalette", true), ERegistryException);
}

TEST_F(PlotOptions, AnUnwritableFileIsLeftAlone) {
  fs::create_directories(FDir / "esctool" / "settings.ini");  // a folder in its place
  PlotSaveIntegerOption("DefaultPalette", 4);
  EXPECT_EQ(PlotReadIntegerOption("DefaultPalette", 13), 13);
}

struct Exporter : TPlotExportData {
  std::string AsString() override { return "A\xC3\xA9\xF0\x9F\x98\x80"; }  // A, é, an emoji
};

TEST(PlotExportData, ByteOrderMarkThenUtf16LittleEndian) {
  TMemoryStream base;
  TPlotExportData().SaveToStream(base);
  ASSERT_EQ(base.GetSize(), 2);
  const auto* b = static_cast<const uint8_t*>(base.Memory());
  EXPECT_EQ(b[0], 0xFF);
  EXPECT_EQ(b[1], 0xFE);

  const fs::path file = fs::temp_directory_path() / ("plot_export_" + std::to_string(getpid()));
  Exporter().SaveToFile(file.string());
  std::ifstream in(file, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes, (std::vector<uint8_t>{0xFF, 0xFE, 0x41, 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE}));
  fs::remove(file);
}

TEST(PlotRoutinesFiles, FilesFromAFolderWithoutFolders) {
  const fs::path dir = fs::temp_directory_path() / ("plot_files_" + std::to_string(getpid()));
  fs::create_directories(dir / "sub.txt");
  std::ofstream(dir / "a.txt") << "x";
  std::ofstream(dir / ".hidden.txt") << "x";
  std::ofstream(dir / "b.dat") << "x";
  auto list = PlotGetFilesFromDir((dir / "*.txt").string());
  std::vector<std::string> names;
  for (int i = 0; i < list->GetCount(); ++i) names.push_back(list->Get(i));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".hidden.txt", "a.txt"}));
  EXPECT_EQ(PlotGetFilesFromDir((dir / "*.none").string())->GetCount(), 0);
  fs::remove_all(dir);
}

TEST(PlotRoutinesFiles, EmbeddedBitmapsFallBackToTheSecondName) {
  static std::vector<uint8_t> picture;
  static const char junk[] = "not a picture";
  if (picture.empty()) {
    TBitmap source;
    source.SetPixelFormat(pf24bit);
    source.SetSize(3, 2);
    TMemoryStream stream;
    source.SaveToStream(stream);
    const auto* data = static_cast<const uint8_t*>(stream.Memory());
    picture.assign(data, data + stream.GetSize());
    RegisterResource("TPLOTTESTPICTURE", picture.data(), picture.size());
    RegisterResource("TPLOTBROKENPICTURE", junk, sizeof junk);
  }
  TBitmap b;
  PlotLoadBitmap(&b, "TPlotBrokenPicture", "TPlotTestPicture");
  EXPECT_EQ(b.GetWidth(), 3);
  TBitmap untouched;
  untouched.SetSize(7, 7);
  PlotLoadBitmap(&untouched, "NoSuchPicture", std::string(300, 'x'));
  EXPECT_EQ(untouched.GetWidth(), 7);
}

TEST(PlotRoutinesFiles, GotoURLOpensAtMost255Characters) {
  std::string opened;
  ShellOpenHook = [&](const std::string& uri) {
    opened = uri;
    return true;
  };
  const std::string url = "https://example.org/" + std::string(300, 'a');
  PlotGotoURL(nullptr, url);
  ShellOpenHook = nullptr;
  EXPECT_EQ(opened, url.substr(0, 255));
}

TEST(PlotRoutinesFiles, RemoveAndEnableControls) {
  TWinControl parent(nullptr);
  auto* a = new TGraphicControl(nullptr);
  auto* b = new TGraphicControl(nullptr);
  a->SetParent(&parent);
  b->SetParent(&parent);
  EnableControls(false, {a, nullptr, b});
  EXPECT_FALSE(a->GetEnabled());
  EXPECT_FALSE(b->GetEnabled());
  RemoveControls(&parent);
  EXPECT_EQ(parent.ControlCount(), 0);
  RemoveControls(nullptr);
}

}  // namespace
