// Row tables, the convolution and blur, filter lists, the filtered picture
// with its "FilterItems" stream entry, resampling and float points.

#include <gtest/gtest.h>

#include "chart/PlotPicture.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

// A 24-bit bitmap of grey levels, one per pixel, rows top to bottom.
std::unique_ptr<TBitmap> Grey(int w, int h, const std::vector<int>& levels,
                              TPixelFormat f = pf24bit) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(f);
  b->SetSize(w, h);
  int bytes = f == pf24bit ? 3 : 4;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 3; ++c)
        b->GetScanLine(y)[x * bytes + c] = uint8_t(levels[size_t(y * w + x)]);
  return b;
}

int Level(TBitmap& b, int x, int y) { return b.GetScanLine(y)[x * (b.BitsPerPixel() / 8)]; }

std::vector<int> Levels(TBitmap& b) {
  std::vector<int> v;
  for (int y = 0; y < b.GetHeight(); ++y)
    for (int x = 0; x < b.GetWidth(); ++x) v.push_back(Level(b, x, y));
  return v;
}

TEST(PlotCalcLines, OneEntryPerRowAndNoSecondRowReadFromOneRow) {
  for (int h : {0, 1, 2, 5}) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(3, h);
    TRGBArray rows;
    PlotCalcLines(rows, &b);
    EXPECT_EQ(b.GetPixelFormat(), pf24bit);
    ASSERT_EQ(rows.size(), size_t(h)) << h;
    for (int y = 0; y < h; ++y)
      EXPECT_EQ(reinterpret_cast<uint8_t*>(rows[size_t(y)]), b.GetScanLine(y));
    TRGBAArray wide;
    PlotCalcLines(wide, &b);
    EXPECT_EQ(b.GetPixelFormat(), pf32bit);
    EXPECT_EQ(wide.size(), size_t(h));
  }
}

TEST(PlotFilters, BlurAveragesFromTheUnchangedImageAndKeepsTheBorder) {
  std::vector<int> levels(25, 0);
  levels[12] = 90;  // the centre of 5 x 5
  auto b = Grey(5, 5, levels);
  TBlurFilter blur;
  blur.Apply(b.get());
  const std::vector<int> expected = {0, 0,  0,  0,  0,  //
                                     0, 10, 10, 10, 0,  //
                                     0, 10, 10, 10, 0,  //
                                     0, 10, 10, 10, 0,  //
                                     0, 0,  0,  0,  0};
  EXPECT_EQ(Levels(*b), expected);
  blur.SetSteps(2);  // each pass blurs the last result
  auto c = Grey(5, 5, levels);
  blur.Apply(c.get());
  EXPECT_EQ(Level(*c, 2, 2), 90 / 9 * 9 / 9);
  EXPECT_EQ(Level(*c, 1, 1), (10 + 10 + 10 + 10) / 9);
}

TEST(PlotFilters, BlurOfTwoByTwoChangesNothingAndEmptyBitmapsAreLeft) {
  auto b = Grey(2, 2, {0, 255, 255, 0});
  TBlurFilter().Apply(b.get());
  EXPECT_EQ(Levels(*b), (std::vector<int>{0, 255, 255, 0}));
  TBitmap empty;
  EXPECT_NO_THROW(TBlurFilter().Apply(&empty));
  auto one = Grey(4, 1, {1, 2, 3, 4});  // one row: no inner pixels, nothing read past it
  TBlurFilter().Apply(one.get());
  EXPECT_EQ(Levels(*one), (std::vector<int>{1, 2, 3, 4}));
}

TEST(PlotFilters, ConvolutionWeights) {
  struct Case {
    std::array<float, 9> Weights;
    int Expected;  // the centre of a 3 x 3 image 10 .. 90
  };
  const Case cases[] = {
      {{1, 1, 1, 1, 1, 1, 1, 1, 1}, 50},          // integer mean
      {{1, 1, 1, 1, 2, 1, 1, 1, 1}, 50},          // (450 + 50) / 10
      {{0, 0, 0, 0, 0, 1, 0, 0, 0}, 60},          // the right neighbour
      {{-1, -1, -1, -1, 8, -1, -1, -1, -1}, 0},   // sums to 0: the plain sum, -50 clamped
      {{-1, -1, -1, -1, 9, -1, -1, -1, -1}, 50},  // sums to 1
      {{0, 0, 0, 0, 9, 0, 0, 0, 0}, 50},          // 450 / 9
      {{0, -1, 0, 0, 2, 0, 0, 0, 0}, 80},         // (100 - 20) / 1
  };
  for (const Case& k : cases) {
    auto b = Grey(3, 3, {10, 20, 30, 40, 50, 60, 70, 80, 90});
    TConvolveFilter f;
    f.Weights = k.Weights;
    f.Apply(b.get());
    EXPECT_EQ(Level(*b, 1, 1), k.Expected) << k.Weights[4];
    EXPECT_EQ(Level(*b, 0, 0), 10);
  }
  auto edge = Grey(3, 3, {0, 0, 0, 0, 200, 0, 0, 0, 0});
  TConvolveFilter f;
  f.Weights = {-1, -1, -1, -1, 8, -1, -1, -1, -1};
  f.Apply(edge.get());
  EXPECT_EQ(Level(*edge, 1, 1), 255);  // 1600 clamped
}

TEST(PlotFilters, RegionsLimitTheWork) {
  struct Case {
    int Left, Top, Width, Height;
    std::vector<bool> Changed;  // inner row, columns 1 .. 4
  };
  const Case cases[] = {
      {2, 0, 0, 0, {false, false, true, true}},  // width 0: from the left edge to the right
      {0, 0, 3, 0, {true, true, false, false}},  // right edge at column 3
      {0, 0, 0, 0, {true, true, true, true}},
  };
  for (const Case& k : cases) {
    std::vector<int> levels(18, 0);
    for (int x = 0; x < 6; ++x) levels[size_t(6 + x)] = x % 2 ? 90 : 0;
    auto b = Grey(6, 3, levels);
    TBlurFilter blur;
    blur.GetRegion()->SetRectangle(Rect(k.Left, k.Top, k.Left + k.Width, k.Top + k.Height));
    blur.Apply(b.get());
    for (int x = 1; x <= 4; ++x)
      EXPECT_EQ(Level(*b, x, 1) != levels[size_t(6 + x)], k.Changed[size_t(x - 1)])
          << "left " << k.Left << " width " << k.Width << " column " << x;
  }
}

TEST(PlotFilters, ThirtyTwoBitBitmapsBlurThroughFourBytePixels) {
  std::vector<int> levels(9, 0);
  levels[4] = 90;
  auto b = Grey(3, 3, levels, pf32bit);
  b->GetScanLine(1)[4 + 3] = 77;  // the alpha of the centre
  TBlurFilter blur;
  blur.Apply(b.get());
  EXPECT_TRUE(blur.RGBA);
  EXPECT_EQ(b->GetPixelFormat(), pf32bit);
  EXPECT_EQ(Level(*b, 1, 1), 10);
  EXPECT_EQ(b->GetScanLine(1)[4 + 3], 77);  // alpha is not a colour channel
}

struct Recorder : TFilterEditorCreator {
  TFilterScrollBar* AddScroll(const std::string& Prop, int Min, int Max) override {
    Made.push_back(Prop + " " + std::to_string(Min) + ".." + std::to_string(Max));
    return nullptr;
  }
  void AddInteger(const std::string&, const std::string&, int, int) override {}
  void AddCheckBox(const std::string&, const std::string&, const TNotifyEvent&) override {}
  void AddChoice(const std::string&) override {}
  void AddColor(const std::string&, const std::string&) override {}
  std::vector<std::string> Made;
};

TEST(PlotFilters, DescriptionsEditorsAndEnabledNotice) {
  TBlurFilter blur;
  TPlotFilter plain;
  EXPECT_EQ(blur.Description(), "Blur");
  EXPECT_EQ(plain.Description(), "TPlotFilter");
  Recorder r;
  int notices = 0;
  blur.CreateEditor(&r, [&](TObject*) { ++notices; });
  EXPECT_EQ(r.Made, (std::vector<std::string>{"Steps 1..20", "Amount 0..50"}));
  blur.SetEnabled(true);
  blur.SetEnabled(false);
  EXPECT_EQ(notices, 1);
  EXPECT_FALSE(blur.HasRegion());
  blur.GetRegion()->SetLeft(3);
  TBlurFilter copy;
  copy.Assign(&blur);
  EXPECT_FALSE(copy.GetEnabled());
  EXPECT_EQ(copy.GetRegion()->GetLeft(), 3);
  blur.SetRegion(nullptr);
  EXPECT_FALSE(blur.HasRegion());
}

TEST(FilterItems, AppliesEnabledFiltersInOrderAndCopies) {
  TFilterItems list;
  auto* first = static_cast<TBlurFilter*>(list.Add(TBlurFilter::Class()));
  auto* second = static_cast<TBlurFilter*>(list.Add(TBlurFilter::Class()));
  second->SetEnabled(false);
  EXPECT_THROW(list.Add(TFilterRegion::Class()), EInvalidOperation);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_TRUE(list.Changed);
  std::vector<int> levels(25, 0);
  levels[12] = 90;
  auto b = Grey(5, 5, levels);
  list.ApplyTo(b.get());
  EXPECT_EQ(Level(*b, 2, 2), 10);  // one pass only
  first->SetAmount(5);
  TFilterItems copy;
  copy.Assign(&list);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.Get(0)->ClassType(), TBlurFilter::Class());
  EXPECT_EQ(static_cast<TBlurFilter*>(copy.Get(0))->GetAmount(), 5);
  EXPECT_FALSE(copy.Get(1)->GetEnabled());
  TPlotFilter::ApplyTo(TBlurFilter::Class(), b.get());
  EXPECT_EQ(Level(*b, 2, 2), 10);  // a flat 3 x 3 centre stays
}

TEST(PlotPicture, FilteredIsTheGraphicItselfWithoutFilters) {
  TPlotPicture p;
  EXPECT_EQ(p.Filtered(), nullptr);
  EXPECT_FALSE(p.Valid());
  auto b = Grey(5, 5, std::vector<int>(25, 0));
  p.Assign(b.get());
  EXPECT_EQ(p.Filtered(), p.GetGraphic());
  p.GetFilters();  // an empty list changes nothing
  EXPECT_EQ(p.Filtered(), p.GetGraphic());
}

TEST(PlotPicture, FiltersWorkOnACopyMadeAtEveryCall) {
  std::vector<int> levels(25, 0);
  levels[12] = 90;
  auto b = Grey(5, 5, levels);
  TPlotPicture p;
  p.Assign(b.get());
  p.GetFilters()->Add(TBlurFilter::Class());
  auto* out = dynamic_cast<TBitmap*>(p.Filtered());
  ASSERT_NE(out, nullptr);
  EXPECT_NE(out, p.GetGraphic());
  EXPECT_EQ(Level(*out, 1, 1), 10);
  EXPECT_EQ(Level(*p.GetBitmap(), 2, 2), 90);  // the picture's own graphic is untouched
  EXPECT_EQ(Level(*dynamic_cast<TBitmap*>(p.Filtered()), 2, 2), 10);  // not blurred twice
  TPlotPicture q;
  q.Assign(&p);
  EXPECT_EQ(q.GetFilters()->Count(), 1);
  EXPECT_NE(q.GetFilters()->Get(0), p.GetFilters()->Get(0));
}

TEST(PlotPicture, AnIconIsDrawnOntoABitmapBeforeTheFilters) {
  TIcon icon;
  icon.SetSize(3, 3);
  for (int y = 0; y < 3; ++y) std::fill_n(icon.GetPixels()->GetScanLine(y), 12, 0);  // transparent
  uint8_t* centre = icon.GetPixels()->GetScanLine(1) + 4;
  centre[0] = centre[1] = centre[2] = 0, centre[3] = 255;  // opaque black
  TPlotPicture p;
  p.Assign(&icon);
  p.GetFilters()->Add(TBlurFilter::Class());
  auto* out = dynamic_cast<TBitmap*>(p.Filtered());
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(Level(*out, 0, 0), 255);          // the transparent corner shows white
  EXPECT_EQ(Level(*out, 1, 1), 255 * 8 / 9);  // black among eight white
}

// A component with a chart picture, to stream it.
class TPictureHolder : public TComponent {
 public:
  explicit TPictureHolder(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  static const TClassInfo* Class() {
    static const TClassInfo* info =
        TClassDecl<TPictureHolder>("TPictureHolder", TComponent::Class())
            .Prop("Picture", &TPictureHolder::GetPicture, &TPictureHolder::SetPicture);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  TPlotPicture* GetPicture() const { return const_cast<TPlotPicture*>(&FPicture); }
  void SetPicture(TPlotPicture* Value) { FPicture.Assign(Value); }

 private:
  TPlotPicture FPicture;
};

void ExpectFilters(TPictureHolder& h) {
  TFilterItems* f = h.GetPicture()->GetFilters();
  ASSERT_EQ(f->Count(), 2);
  auto* blur = dynamic_cast<TBlurFilter*>(f->Get(0));
  ASSERT_NE(blur, nullptr);
  EXPECT_EQ(blur->GetAmount(), 4);
  EXPECT_EQ(blur->GetSteps(), 3);
  EXPECT_EQ(blur->GetRegion()->GetLeft(), 7);
  EXPECT_EQ(f->Get(1)->ClassType(), TConvolveFilter::Class());
  EXPECT_FALSE(f->Get(1)->GetEnabled());
}

TEST(PlotPicture, FilterItemsRoundTripThroughBinaryAndText) {
  TPictureHolder h;
  h.SetName("Holder");
  auto* blur = static_cast<TBlurFilter*>(h.GetPicture()->GetFilters()->Add(TBlurFilter::Class()));
  blur->SetAmount(4);
  blur->SetSteps(3);
  blur->GetRegion()->SetLeft(7);
  h.GetPicture()->GetFilters()->Add(TConvolveFilter::Class())->SetEnabled(false);
  TMemoryStream binary;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&h);
  }
  binary.SetPosition(0);
  TPictureHolder back;
  back.GetPicture()->GetFilters()->Add(TBlurFilter::Class());  // replaced on reading
  {
    TReader r(&binary);
    r.ReadRootComponent(&back);
  }
  ExpectFilters(back);

  binary.SetPosition(0);
  TMemoryStream text, again;
  ObjectBinaryToText(&binary, &text);
  std::string shown(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
  EXPECT_NE(shown.find("Picture.FilterItems"), std::string::npos) << shown;
  EXPECT_NE(shown.find("ItemClass = 'TBlurFilter'"), std::string::npos) << shown;
  text.SetPosition(0);
  ObjectTextToBinary(&text, &again);
  again.SetPosition(0);
  TPictureHolder fromText;
  {
    TReader r(&again);
    r.ReadRootComponent(&fromText);
  }
  ExpectFilters(fromText);
}

TEST(PlotPicture, AnUnknownFilterClassFailsTheRead) {
  TPictureHolder h;
  h.GetPicture()->GetFilters()->Add(TBlurFilter::Class());
  TMemoryStream binary;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&h);
  }
  UnRegisterClass(TBlurFilter::Class());
  binary.SetPosition(0);
  TPictureHolder back;
  TReader r(&binary);
  EXPECT_THROW(r.ReadRootComponent(&back), Exception);
  RegisterClass(TBlurFilter::Class());
}

TEST(SmoothStretch, TwoByTwoToThreeHundredStaysInside) {
  for (TSmoothStretchOption option : {ssBestQuality, ssBestPerformance}) {
    auto src = Grey(2, 2, {0, 255, 255, 0});
    TBitmap dst;
    dst.SetSize(300, 300);
    SmoothStretch(src.get(), &dst, option);
    EXPECT_EQ(dst.GetPixelFormat(), pf24bit);
    EXPECT_EQ(Level(dst, 0, 0), 0) << option;
    EXPECT_EQ(Level(dst, 299, 0), 255) << option;
    EXPECT_EQ(Level(dst, 299, 299), 0) << option;
  }
}

TEST(SmoothStretch, SizesThatDoNothingAndTwoRowDestinations) {
  auto src = Grey(4, 4, std::vector<int>(16, 100));
  TBitmap two;
  two.SetSize(6, 2);
  two.GetCanvas()->SetPixels(3, 1, clRed);
  SmoothStretch(src.get(), &two);
  EXPECT_EQ(two.GetCanvas()->GetPixels(3, 1), clRed);  // left as it was
  EXPECT_EQ(two.GetCanvas()->GetPixels(0, 0), clWhite);
  TBitmap thin;
  thin.SetSize(1, 5);
  SmoothStretch(src.get(), &thin);
  EXPECT_EQ(thin.GetCanvas()->GetPixels(0, 0), clWhite);
  SmoothStretch(nullptr, &thin);
}

TEST(SmoothStretch, EnlargingBlendsBetweenSourcePixels) {
  // A step from 0 to 200 between the middle pixels of four: enlarged to 31,
  // the pixels between the two source centres take levels in between.
  for (TSmoothStretchOption option : {ssBestQuality, ssBestPerformance}) {
    auto src = Grey(4, 4, {0, 0, 200, 200, 0, 0, 200, 200, 0, 0, 200, 200, 0, 0, 200, 200});
    TBitmap dst;
    dst.SetSize(31, 31);
    SmoothStretch(src.get(), &dst, option);
    int between = 0;
    for (int x = 11; x <= 19; ++x) between += Level(dst, x, 15) > 20 && Level(dst, x, 15) < 180;
    EXPECT_GE(between, 5) << option;  // not a hard step
    EXPECT_LT(Level(dst, 12, 15), Level(dst, 18, 15));
  }
}

TEST(SmoothStretch, AFlatSourceStaysFlatAtEverySize) {
  for (TSmoothStretchOption option : {ssBestQuality, ssBestPerformance})
    for (int size : {3, 9, 40}) {
      auto src = Grey(4, 4, std::vector<int>(16, 100));
      TBitmap dst;
      dst.SetSize(size, size);
      SmoothStretch(src.get(), &dst, option);
      EXPECT_EQ(Levels(dst), std::vector<int>(size_t(size * size), 100)) << option << " " << size;
    }
}

TEST(FloatXY, NotifiesOnChangesAndCopiesQuietly) {
  TFloatXYZ p(1, 2, 3);
  int changes = 0;
  p.OnChange = [&](TObject*) { ++changes; };
  p.SetX(1);
  p.SetY(5);
  p.SetZ(6);
  EXPECT_EQ(changes, 2);
  TFloatXYZ q;
  q.OnChange = [&](TObject*) { ++changes; };
  q.Assign(&p);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(q.Point().Y, 5);
  EXPECT_EQ(q.Point().Z, 6);
  const TPropInfo* x = TFloatXYZ::Class()->FindProperty("X");
  const TPropInfo* z = TFloatXYZ::Class()->FindProperty("Z");
  ASSERT_NE(x, nullptr);
  EXPECT_FALSE(x->IsStored(&p));  // still its default 1
  EXPECT_TRUE(z->IsStored(&p));
}

}  // namespace
