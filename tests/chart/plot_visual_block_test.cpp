// Visual blocks, editors, optional libraries and compiled-in data.

#include <gtest/gtest.h>

#include <memory>

#include "chart/PlotModules.h"
#include "chart/PlotVisualBlock.h"
#include "chart/PlotWidgets.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"

namespace {

class TTestBlock : public TVisualBlock {
 public:
  using TVisualBlock::TVisualBlock;
  void SetFormatting(TPlotPen*, TPlotBrush*, bool, TColor, uint8_t) override {}
  void Repaint() override { Repaints++; }
  TControl* Editor(TComponent*, bool) override { return nullptr; }
  void SizeChanged(TObject*) override { SizeChanges++; }
  int Repaints = 0, SizeChanges = 0;
};

TEST(PlotVisualBlock, BoundsAreWrittenWithoutNotifying) {
  TTestBlock b;
  EXPECT_FLOAT_EQ(b.GetSize()->GetX(), 100);
  b.SetBounds(TRect{10, 20, 50, 80}, 4, 10);
  EXPECT_FLOAT_EQ(b.GetLocation()->GetX(), 30);
  EXPECT_FLOAT_EQ(b.GetLocation()->GetY(), 7);
  EXPECT_FLOAT_EQ(b.GetLocation()->GetZ(), 60 - 50);
  EXPECT_FLOAT_EQ(b.GetSize()->GetX(), 40);
  EXPECT_FLOAT_EQ(b.GetSize()->GetY(), 6);
  EXPECT_FLOAT_EQ(b.GetSize()->GetZ(), 60);
  EXPECT_EQ(b.Repaints, 0);
  EXPECT_EQ(b.SizeChanges, 0);
  b.GetSize()->SetX(5);
  EXPECT_EQ(b.SizeChanges, 1);
  EXPECT_EQ(b.Repaints, 1);
  TTestBlock copy;
  copy.IsCloneable = false;
  copy.Assign(&b);
  EXPECT_FLOAT_EQ(copy.GetSize()->GetX(), 5);
  EXPECT_TRUE(copy.IsCloneable);
}

TEST(PlotVisualBlock, EditorTellsItsOwnerWhenDirty) {
  TVisualEditor editor(nullptr);
  int dirty = 0;
  editor.FOnDirty = [&](TObject*) { dirty++; };
  editor.MarkDirty();
  EXPECT_EQ(dirty, 1);
}

TEST(PlotModules, MissingLibraryAndDataAnswerNil) {
  EXPECT_EQ(PlotLoadLibrary("gdi32.dll"), nullptr);
  EXPECT_EQ(PlotGetProcAddress(nullptr, "AlphaBlend"), nullptr);
  EXPECT_EQ(PlotResourceStream("PLOTLCDFONT"), nullptr);
  static const char data[] = "font bytes";
  RegisterResource("PLOTTESTDATA", data, sizeof data);
  std::unique_ptr<TResourceStream> s(PlotResourceStream("plottestdata"));
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->GetSize(), int64_t(sizeof data));
}

TEST(PlotWidgets, WhitePenAndClassLookup) {
  TWhitePen pen;
  EXPECT_EQ(pen.GetColor(), clWhite);
  RegisterClass(TWhitePen::Class());
  EXPECT_EQ(PlotGetClass("twhitepen"), TWhitePen::Class());
  EXPECT_EQ(PlotGetClass("TNoSuchChartClass"), nullptr);
}

}  // namespace
