// Visual blocks of series points: cloning the template, ownership and the
// series operations that keep the blocks with their points.

#include <gtest/gtest.h>

#include <memory>

#include "chart/ChartSeries.h"
#include "chart/ChartVisualsList.h"
#include "platform/rtl/RttiDecl.h"

namespace {

// A block that counts its instances, so leaks and double frees show.
class CountedBlock : public TVisualBlock {
 public:
  explicit CountedBlock(TComponent* AOwner = nullptr) : TVisualBlock(AOwner) { ++Alive; }
  ~CountedBlock() override { --Alive; }
  static const TClassInfo* Class() {
    static const TClassInfo* info =
        TClassDecl<CountedBlock>("TCountedBlock", TVisualBlock::Class());
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  void SetFormatting(TPlotPen*, TPlotBrush*, bool, TColor, uint8_t) override {}
  void Repaint() override { ++Repaints; }
  TControl* Editor(TComponent*, bool) override { return nullptr; }
  int Repaints = 0;
  static int Alive;
};
int CountedBlock::Alive = 0;

TEST(ChartVisualsList, TemplateIsClonedOnDemand) {
  {
    TChartSeries s;
    TVisualsList* visuals = s.Visuals();
    EXPECT_EQ(visuals->GetVisual(0), nullptr);  // no template
    CountedBlock templ;
    templ.GetSize()->SetX(42);
    visuals->SetTemplate(&templ);
    TVisualBlock* clone = visuals->GetVisual(2);
    ASSERT_NE(clone, nullptr);
    EXPECT_NE(clone, &templ);
    EXPECT_EQ(clone->ClassName(), "TCountedBlock");
    EXPECT_EQ(clone->GetOwner(), &s);
    EXPECT_EQ(clone->GetSize()->GetX(), 42);
    EXPECT_EQ(visuals->Count(), 3);
    EXPECT_EQ(visuals->GetVisual(2), clone);  // kept
    templ.IsCloneable = false;
    EXPECT_EQ(visuals->GetVisual(0), nullptr);
    EXPECT_EQ(CountedBlock::Alive, 2);
  }
  EXPECT_EQ(CountedBlock::Alive, 0);
}

TEST(ChartVisualsList, FreedTemplateIsForgotten) {
  TChartSeries s;
  auto templ = std::make_unique<CountedBlock>();
  s.Visuals()->SetTemplate(templ.get());
  templ.reset();
  EXPECT_EQ(s.Visuals()->GetTemplate(), nullptr);
  EXPECT_EQ(s.Visuals()->GetVisual(0), nullptr);
}

TEST(ChartVisualsList, EntriesAreFreedOnce) {
  {
    TChartSeries s;
    TVisualsList* visuals = s.Visuals();
    visuals->InsertVisual(0, nullptr);  // nil into an empty list: nothing
    EXPECT_EQ(visuals->Count(), 0);
    visuals->SetVisual(3, new CountedBlock(&s));
    EXPECT_EQ(visuals->Count(), 4);
    visuals->SetVisual(3, new CountedBlock(&s));  // the series' block it replaces is freed
    EXPECT_EQ(CountedBlock::Alive, 1);
    visuals->InsertVisual(6, new CountedBlock);  // padded to 6 first
    EXPECT_EQ(visuals->Count(), 7);
    visuals->DeleteVisual(3);
    EXPECT_EQ(CountedBlock::Alive, 1);
    TChartSeries other;
    other.Visuals()->Assign(*visuals);  // copies, so each list frees its own
    EXPECT_EQ(CountedBlock::Alive, 2);
  }
  EXPECT_EQ(CountedBlock::Alive, 0);
}

TEST(ChartVisualsList, SeriesKeepsBlocksWithTheirPoints) {
  TChartSeries s;
  for (int i = 0; i < 4; ++i) s.AddY(i);
  auto* first = new CountedBlock(&s);
  auto* third = new CountedBlock(&s);
  s.Visuals()->SetVisual(0, first);
  s.Visuals()->SetVisual(2, third);
  s.SwapValueIndex(0, 3);  // past the list's end counts as empty
  EXPECT_EQ(s.Visuals()->Item(3), first);
  EXPECT_EQ(s.Visuals()->Item(0), nullptr);
  s.Delete(1, 2);  // removes the entries of points 1 and 2
  EXPECT_EQ(CountedBlock::Alive, 1);
  EXPECT_EQ(s.Visuals()->Item(1), first);
  s.Delete(1);
  EXPECT_EQ(CountedBlock::Alive, 0);
  s.Visuals()->SetVisual(0, new CountedBlock(&s));
  s.Clear();
  EXPECT_EQ(CountedBlock::Alive, 0);
}

TEST(ChartVisualsList, EditGoesThroughTheHook) {
  TChartSeries s;
  CountedBlock templ;
  s.Visuals()->SetTemplate(&templ);
  s.Visuals()->GetVisual(0);
  s.Visuals()->Edit(-1);  // no editor installed: nothing
  EXPECT_EQ(s.Visuals()->Count(), 1);
  std::vector<TVisualBlock*> edited;
  PlotEditVisualHook = [&](TVisualBlock* b) {
    edited.push_back(b);
    return true;
  };
  s.Visuals()->Edit(-1);
  EXPECT_EQ(edited.back(), &templ);
  EXPECT_EQ(s.Visuals()->Count(), 0);  // a changed template empties the list
  s.Visuals()->Edit(1);
  EXPECT_EQ(edited.back(), s.Visuals()->Item(1));
  PlotEditVisualHook = nullptr;
}

}  // namespace
