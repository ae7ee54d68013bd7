// The chart library's texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "chart/PlotConst.h"
#include "platform/rtl/Format.h"

namespace {

TEST(PlotConst, TheTableHoldsEveryTextOnceAndFilled) {
  ASSERT_EQ(PlotMsgCount(), 405);
  std::set<std::string> names;
  for (int i = 0; i < PlotMsgCount(); ++i) {
    EXPECT_TRUE(names.insert(PlotMsgName(i)).second) << PlotMsgName(i);
    EXPECT_FALSE(PlotMsgAt(i)->empty()) << PlotMsgName(i);
  }
  EXPECT_EQ(std::string(PlotMsgName(0)), "PlotMsg_Test");
  EXPECT_EQ(std::string(PlotMsgName(404)), "PlotMsg_GalleryEqualizerSeries");
  EXPECT_EQ(PlotMsgAt(405), nullptr);
  EXPECT_EQ(PlotMsgAt(-1), nullptr);
}

TEST(PlotConst, JoinedTextsUseOneCarriageReturn) {
  EXPECT_EQ(NewLine, "\r");
  struct Case {
    const std::string* Text;
    std::string Expected;
  };
  const Case cases[] = {
      {&PlotMsg_DefaultPercentOf2, "%s\rof %s"},
      {&PlotMsg_GalleryHorizBar, "Horizontal\rBar"},
      {&PlotMsg_GalleryHorizLine, "Horizontal\rLine"},
      {&PlotMsg_GalleryHorizArea, "Horizontal\rArea"},
      {&PlotMsg_InvalidPlotFile, "Invalid Chart in *.plc file"},
      {&PlotMsg_WrongPlotFileFormat, "Wrong *.plc file format"},
      {&PlotMsg_EmptyPlotFile, "Empty *.plc file"},
  };
  for (const Case& k : cases) EXPECT_EQ(*k.Text, k.Expected);
  EXPECT_EQ(std::count(PlotMsg_DefaultPercentOf2.begin(), PlotMsg_DefaultPercentOf2.end(), '\r'),
            1);
  EXPECT_EQ(PlotMsg_DefaultPercentOf2.find('\n'), std::string::npos);
  EXPECT_EQ(
      std::count(PlotMsg_JScriptNonSupportMsg.begin(), PlotMsg_JScriptNonSupportMsg.end(), '\r'),
      1);
}

TEST(PlotConst, TextsTheBehaviourDependsOn) {
  struct Case {
    const std::string* Text;
    const char* Expected;
  };
  const Case cases[] = {
      {&PlotMsg_AxisMinMax, "Axis Minimum Value must be <= Maximum"},
      {&PlotMsg_AxisLogBase, "Axis Logarithmic Base should be <> 1 and > 0"},
      {&PlotMsg_DefPercentFormat, "##0.## %"},
      {&PlotMsg_DefValueFormat, "#,##0.###"},
      {&PlotMsg_DefaultFontName, "Arial"},
      {&PlotMsg_DefaultFontSize, "8"},
      {&PlotMsg_DepthAxis, "Depth Right"},
      {&PlotMsg_PieSample8, "Chairs"},
      {&PlotMsg_GalleryFastLine, "Fast Line"},
      {&PlotMsg_FunctionSmooth, "Smoothing"},
      {&PlotMsg_Stack100, "Stack 100%"},
      {&PlotMsg_HueLumSat, "Hue,Lum,Sat"},
      {&PlotMsg_ThemeBlack, "BlackIsBack"},
      {&PlotMsg_ExceptionSend, "&Send"},
      {&PlotMsg_Blur, "Blur"},
  };
  for (const Case& k : cases) EXPECT_EQ(*k.Text, k.Expected);
}

TEST(PlotConst, PlaceholdersTakeTheFormatterArgumentsInOrder) {
  EXPECT_EQ(Format(PlotMsg_SeriesDelete, {3, 9}),
            "Series Delete: ValueIndex 3 out of bounds (0 to 9).");
  EXPECT_EQ(Format(PlotMsg_SeriesInvDataSource, {std::string("Table1")}),
            "No valid DataSource: Table1");
  EXPECT_EQ(Format(PlotMsg_DefaultPercentOf, {std::string("25"), std::string("100")}), "25 of 100");
}

TEST(PlotConst, ReplacedTextsComeBackWithSetConstants) {
  PlotMsg_InvalidPlotFile = "Ungültiges Diagramm";
  PlotMsg_Series = "Reihe";
  PlotSetConstants();
  EXPECT_EQ(PlotMsg_InvalidPlotFile, "Invalid Chart in *.plc file");
  EXPECT_EQ(PlotMsg_Series, "Series");
}

TEST(PlotConst, FinalizeEmptiesAndInitializeRefills) {
  PlotConstFinalize();
  EXPECT_TRUE(NewLine.empty());
  EXPECT_TRUE(PlotMsg_Default.empty());
  PlotConstInitialize();
  EXPECT_EQ(PlotMsg_Default, "Default");
  EXPECT_EQ(PlotMsg_DefaultPercentOf2, "%s\rof %s");
}

}  // namespace
