// Tracks, track bars and scroll bars: the value model's rounding and
// invariants, the thumb rectangle, dragging with and without Tracking,
// clicks on the body, keys, and the scroll bar driving its style's track and
// arrow buttons (held arrows repeat on the virtual clock).

#include <cmath>

#include "controls/zr_scroll_bar.h"
#include "controls/zr_tracks.h"
#include "scene/zr_classes.h"
#include "tests/controls/controls_fixture.h"

namespace {

class TracksTest : public ControlsTest {
 protected:
  // A counter per event and the value each one saw.
  template <class T>
  void Listen(T* C) {
    C->OnChange = [this, C](TObject*) { Changes.push_back(C->GetValue()); };
    if constexpr (std::is_base_of_v<TzrCustomTrack, T>)
      C->OnTracking = [this, C](TObject*) { Trackings.push_back(C->GetValue()); };
  }
  // Pointer events on the thumb at a point given in the track's coordinates.
  static TzrPoint OnThumb(TzrCustomTrack* T, float X, float Y) {
    TzrThumb* thumb = T->GetThumb();
    return thumb->AbsoluteToLocal(T->LocalToAbsolute({X, Y}));
  }
  static void DragThumb(TzrCustomTrack* T, std::initializer_list<float> Xs) {
    TzrThumb* thumb = T->GetThumb();
    auto it = Xs.begin();
    TzrPoint p = OnThumb(T, *it, 7);
    Press(thumb, p.X, p.Y);
    for (++it; it != Xs.end(); ++it) {
      p = OnThumb(T, *it, 7);
      Move(thumb, p.X, p.Y);
    }
    Release(thumb, p.X, p.Y);
  }
  static void KeyOn(TzrControl* C, uint16_t& K) {
    char16_t ch = 0;
    C->KeyDown(K, ch, 0);
  }
  std::vector<float> Changes, Trackings;
};

TEST_F(TracksTest, FrequencyRoundsHalvesToEven) {
  auto* bar = Make<TzrTrackBar>(10, 10);
  bar->SetFrequency(10);
  struct {
    float Asked, Stored;
  } cases[] = {{14, 10}, {15, 20}, {25, 20}, {26, 30}, {-3, 0}, {1000, 100}};
  for (auto c : cases) {
    bar->SetValue(c.Asked);
    EXPECT_EQ(bar->GetValue(), c.Stored) << c.Asked;
  }
  bar->SetFrequency(0);
  bar->SetValue(47);
  bar->SetFrequency(20);
  EXPECT_EQ(bar->GetValue(), 40) << "a new frequency rounds the value at once";
}

TEST_F(TracksTest, SettersKeepTheInvariants) {
  auto* track = Make<TzrTrack>(10, 10);
  Listen(track);
  track->SetMin(10);
  track->SetMax(5);
  EXPECT_FLOAT_EQ(track->GetMax(), 10.001f);
  EXPECT_EQ(track->GetValue(), 0) << "SetMin leaves the value below it";

  auto* t = Make<TzrTrack>(10, 40);
  Listen(t);
  t->SetViewportSize(20);
  t->SetValue(95);
  EXPECT_EQ(t->GetValue(), 80);
  t->SetMax(50);
  EXPECT_EQ(t->GetValue(), 30) << "SetMax brings the value under Max - ViewportSize";
  EXPECT_EQ(Changes, (std::vector<float>{80})) << "without events";
  t->SetViewportSize(150);
  EXPECT_EQ(t->GetViewportSize(), 50) << "cut to the range";
  EXPECT_EQ(t->GetValue(), 0);
  EXPECT_EQ(Changes, (std::vector<float>{80, 0})) << "through SetValue, with its events";

  auto* sb = Make<TzrScrollBar>(10, 80);
  Listen(sb);
  Changes.clear();
  sb->SetViewportSize(20);
  for (float v : {95.0f, 81.0f, 200.0f}) {
    sb->SetValue(v);
    EXPECT_EQ(sb->GetValue(), 80) << v;
  }
  sb->SetViewportSize(150);
  EXPECT_EQ(sb->GetViewportSize(), 100);
  EXPECT_EQ(sb->GetValue(), 0);
  sb->SetMin(30);
  EXPECT_EQ(sb->GetValue(), 30) << "the scroll bar's SetMin lifts the value";
  sb->SetMax(10);
  EXPECT_FLOAT_EQ(sb->GetMax(), 30.001f);
  EXPECT_EQ(sb->GetValue(), 30);
  EXPECT_NEAR(sb->GetViewportSize(), 0.001f, 1e-5f) << "cut to the new range";
}

TEST_F(TracksTest, ThumbRectangle) {
  struct Case {
    const char* Name;
    TzrOrientation Orientation;
    float W, H, Viewport, Value;
    TzrRect Wanted;
  } cases[] = {
      {"point at Min", zrHorizontal, 100, 15, 0, 0, {0, 0, 14, 15}},
      {"point at Max", zrHorizontal, 100, 15, 0, 100, {86, 0, 100, 15}},
      {"point in the middle", zrHorizontal, 100, 15, 0, 50, {43, 0, 57, 15}},
      {"point, position halves to even", zrHorizontal, 100, 15, 0, 50.5f, {43, 0, 57, 15}},
      {"proportional", zrHorizontal, 200, 15, 20, 40, {80, 0, 120, 15}},
      {"vertical point", zrVertical, 15, 100, 0, 100, {0, 86, 15, 100}},
      {"vertical proportional", zrVertical, 15, 200, 50, 25, {0, 50, 15, 150}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* t = Make<TzrTrack>(0, 0);
    // Not shown, so no style: no thumb and no insets.
    t->SetBounds(0, 0, c.W, c.H);
    t->SetOrientation(c.Orientation);
    t->SetViewportSize(c.Viewport);
    t->SetValue(c.Value);
    const TzrRect r = t->GetThumbRect();
    EXPECT_EQ(r.Left, c.Wanted.Left);
    EXPECT_EQ(r.Top, c.Wanted.Top);
    EXPECT_EQ(r.Right, c.Wanted.Right);
    EXPECT_EQ(r.Bottom, c.Wanted.Bottom);
  }
}

TEST_F(TracksTest, StyledThumbFollowsTheValueWithItsPaddingInsets) {
  auto* bar = Make<TzrTrackBar>(10, 10);
  bar->SetBounds(10, 10, 100, 14);
  Show();
  TzrThumb* thumb = bar->GetThumb();
  ASSERT_NE(thumb, nullptr);
  EXPECT_EQ(thumb->GetTrack(), bar);
  bar->SetValue(100);
  // 93 .. 107 moved to 86 .. 100, then the thumb's padding of -2 enlarges it.
  EXPECT_EQ(thumb->GetPosition()->GetPoint(), (TzrPoint{84, -2}));
  EXPECT_EQ(thumb->GetWidth(), 18);
  EXPECT_EQ(thumb->GetHeight(), 18);
  bar->SetWidth(200);
  EXPECT_EQ(thumb->GetPosition()->GetX(), 184) << "a size change moves the thumb";
}

TEST_F(TracksTest, DragWithAndWithoutTracking) {
  for (bool tracking : {true, false}) {
    SCOPED_TRACE(tracking ? "Tracking on" : "Tracking off");
    Changes.clear();
    Trackings.clear();
    auto* bar = Make<TzrTrackBar>(10, 10);
    bar->SetBounds(10, 10, 100, 14);
    bar->SetTracking(tracking);
    bar->SetFrequency(1);  // whole values, whatever the coordinate round trip gives
    Listen(bar);
    Show();
    DragThumb(bar, {0, 30, 60});
    EXPECT_EQ(bar->GetValue(), 60);
    EXPECT_FALSE(bar->GetIsTracking());
    if (tracking) {
      EXPECT_EQ(Trackings, (std::vector<float>{30, 60})) << "one OnTracking per move";
      EXPECT_EQ(Changes, (std::vector<float>{30, 60}));
    } else {
      // The release repeats the final value for both events.
      EXPECT_EQ(Trackings, (std::vector<float>{30, 60, 60}));
      EXPECT_EQ(Changes, (std::vector<float>{60})) << "one OnChange at the release";
    }
    delete bar;
  }
}

TEST_F(TracksTest, ReleaseWithTrackingOffReportsAnyFinalValue) {
  // The release must fire OnChange even for a final value that a marker
  // value could be mistaken for.
  auto* bar = Make<TzrTrackBar>(10, 10);
  bar->SetBounds(10, 10, 100, 14);
  bar->SetMax(131070);
  bar->SetFrequency(65535);
  bar->SetTracking(false);
  Listen(bar);
  Show();
  DragThumb(bar, {0, 50});
  EXPECT_EQ(bar->GetValue(), 65535);
  EXPECT_EQ(Changes, (std::vector<float>{65535}));
}

TEST_F(TracksTest, ProportionalThumbKeepsItsGrip) {
  auto* t = Make<TzrTrack>(10, 10);
  t->SetBounds(10, 10, 200, 15);
  t->SetViewportSize(20);
  Show();
  // The thumb spans 2 .. 38 (0 .. 40 inset by its padding of 2); grabbed at
  // 10, 8 px into the thumb, and moved to 60: the grip stays under the
  // pointer, (60 - 8) / 200 of the range, not 60 / 200.
  TzrThumb* thumb = t->GetThumb();
  TzrPoint p = OnThumb(t, 10, 7);
  Press(thumb, p.X, p.Y);
  p = OnThumb(t, 60, 7);
  Move(thumb, p.X, p.Y);
  Release(thumb, p.X, p.Y);
  EXPECT_EQ(t->GetValue(), 26);
}

TEST_F(TracksTest, ClickOnTheBodyJumpsOrPages) {
  auto* bar = Make<TzrTrackBar>(10, 10);
  bar->SetBounds(10, 10, 200, 14);
  Press(bar, 70, 7);
  Release(bar, 70, 7);
  EXPECT_EQ(bar->GetValue(), 35) << "a track bar jumps to the pointer";

  auto* t = Make<TzrTrack>(10, 40);
  t->SetBounds(10, 40, 200, 15);
  t->SetViewportSize(20);
  t->SetValue(30);
  Press(t, 190, 7);
  EXPECT_EQ(t->GetValue(), 50) << "a proportional track pages toward the pointer";
  Press(t, 190, 7);
  EXPECT_EQ(t->GetValue(), 70);
  Press(t, 190, 7);
  EXPECT_EQ(t->GetValue(), 80) << "not beyond Max - ViewportSize";
  Press(t, 10, 7);
  EXPECT_EQ(t->GetValue(), 60);

  auto* v = Make<TzrTrackBar>(150, 60);
  v->SetBounds(150, 60, 14, 100);
  v->SetOrientation(zrVertical);
  Press(v, 7, 80);
  EXPECT_EQ(v->GetValue(), 80) << "a vertical value grows downward";
}

TEST_F(TracksTest, KeysStepAndAreConsumed) {
  struct Case {
    const char* Name;
    bool Tracking;
    float Start;
    uint16_t Key;
    float Value;
    size_t ChangesWanted;
    bool Consumed;
  } cases[] = {
      {"Right steps by the frequency", true, 40, 39, 45, 1, true},
      {"Up steps down", true, 40, 38, 35, 1, true},
      {"Down steps up", true, 40, 40, 45, 1, true},
      {"Home", true, 40, 36, 0, 1, true},
      {"Right at Max fires again", true, 100, 39, 100, 1, true},
      {"End at Max fires nothing", true, 100, 35, 100, 0, true},
      {"End at Max, Tracking off", false, 100, 35, 100, 1, true},
      {"Left, Tracking off: change and once more", false, 40, 37, 35, 2, true},
      {"another key", true, 40, 65, 40, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* bar = Make<TzrTrackBar>(10, 10);
    bar->SetFrequency(5);
    bar->SetValue(c.Start);
    bar->SetTracking(c.Tracking);
    Changes.clear();
    Listen(bar);
    uint16_t key = c.Key;
    KeyOn(bar, key);
    EXPECT_EQ(bar->GetValue(), c.Value);
    EXPECT_EQ(Changes.size(), c.ChangesWanted);
    EXPECT_EQ(key == 0, c.Consumed);
    delete bar;
  }
}

TEST_F(TracksTest, DataAndBindings) {
  auto* bar = Make<TzrTrackBar>(10, 10);
  bar->SetMin(5);
  bar->SetData(Variant(42));
  EXPECT_EQ(bar->GetValue(), 42);
  EXPECT_EQ(bar->GetData().ToDouble(), 42);
  bar->SetData(Variant("forty"));
  EXPECT_EQ(bar->GetValue(), 5) << "anything else sets Min";
  int fired = 0;
  bar->SetData(EventToVariant([&](TObject*) { ++fired; }, &Owner));
  bar->SetValue(60);
  EXPECT_EQ(fired, 1) << "an event handle becomes OnChange";

  auto* shown = Make<TzrTrackBar>(10, 40);
  shown->SetBindingSource(bar);
  bar->SetValue(70);
  EXPECT_EQ(shown->GetValue(), 70) << "bound controls receive the value";
}

class ScrollBarTest : public TracksTest {
 protected:
  TzrScrollBar* NewBar(TzrOrientation O = zrHorizontal) {
    auto* sb = Make<TzrScrollBar>(10, 10);
    if (O == zrVertical) sb->SetBounds(10, 10, 18, 150);
    sb->SetOrientation(O);
    Listen(sb);
    Show();
    return sb;
  }
  static TzrControl* Part(TzrControl* C, const char* Name) {
    return dynamic_cast<TzrControl*>(C->FindResource(Name));
  }
};

TEST_F(ScrollBarTest, DrivesTheTrackAndButtonsOfItsOrientation) {
  for (TzrOrientation o : {zrHorizontal, zrVertical}) {
    SCOPED_TRACE(o == zrHorizontal ? "horizontal" : "vertical");
    TzrScrollBar* sb = NewBar(o);
    sb->SetViewportSize(25);
    sb->SetValue(40);
    const bool h = o == zrHorizontal;
    auto* htrack = dynamic_cast<TzrCustomTrack*>(Part(sb, "htrack"));
    auto* vtrack = dynamic_cast<TzrCustomTrack*>(Part(sb, "vtrack"));
    ASSERT_TRUE(htrack && vtrack);
    TzrCustomTrack* shown = h ? htrack : vtrack;
    EXPECT_EQ(htrack->GetVisible(), h);
    EXPECT_EQ(vtrack->GetVisible(), !h);
    EXPECT_EQ(shown->GetValue(), 40);
    EXPECT_EQ(shown->GetViewportSize(), 25);
    EXPECT_EQ(shown->GetOrientation(), o);
    EXPECT_FALSE(shown->GetCanFocused());
    for (const char* name : {"leftbutton", "rightbutton"})
      EXPECT_EQ(Part(sb, name)->GetVisible(), h) << name;
    for (const char* name : {"topbutton", "bottombutton"})
      EXPECT_EQ(Part(sb, name)->GetVisible(), !h) << name;
    // A drag on the track's thumb moves the bar.
    Changes.clear();
    TzrThumb* thumb = shown->GetThumb();
    ASSERT_NE(thumb, nullptr);
    Press(thumb, 3, 3);
    Move(thumb, h ? 23 : 3, h ? 3 : 23);
    Release(thumb, h ? 23 : 3, h ? 3 : 23);
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_GT(sb->GetValue(), 40);
    EXPECT_EQ(shown->GetValue(), sb->GetValue()) << "copied back into the track";
    // A click on the track body pages.
    Changes.clear();
    const float before = sb->GetValue();
    Press(shown, 1, 1);
    EXPECT_EQ(sb->GetValue(), before - 25);
    delete sb;
  }
}

TEST_F(ScrollBarTest, HeldArrowStepsBySmallChangeUntilTheEnd) {
  TzrScrollBar* sb = NewBar();
  sb->SetViewportSize(20);
  sb->SetSmallChange(7);
  TzrControl* right = Part(sb, "rightbutton");
  ASSERT_NE(right, nullptr);
  Press(right, 5, 5);
  Wait(500 + 100 * 14);
  Release(right, 5, 5);
  // Steps of 7 up to 77, then 80; further clicks ask beyond the end and
  // leave it there.
  ASSERT_GE(Changes.size(), 13u);
  for (size_t i = 0; i < Changes.size(); ++i)
    EXPECT_EQ(Changes[i], i < 11 ? 7.0f * float(i + 1) : 80.0f) << i;
  EXPECT_EQ(sb->GetValue(), 80);
  Changes.clear();
  ClickOn(Part(sb, "leftbutton"));
  EXPECT_EQ(Changes, (std::vector<float>{73}));
}

}  // namespace
