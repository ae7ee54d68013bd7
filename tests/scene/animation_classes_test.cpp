// The concrete animations: targets reached by dotted names, start from the
// present value, key frames, bitmap fades and strips, paths, the registry and
// the object streams.

#include <gtest/gtest.h>
#include <strings.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_path.h"
#include "tests/scene/ani_fixture.h"
#include "tests/scene/checks.h"
#include "tests/scene/png_filter.h"

namespace {

TzrColor Premultiplied(TzrColor C) {
  const uint32_t a = C >> 24;
  auto ch = [&](int shift) { return ((C >> shift & 0xFF) * a + 127) / 255 << shift; };
  return (a << 24) | ch(16) | ch(8) | ch(0);
}

// Pixel channels within a tolerance (drawing rounds).
void ExpectPixel(TzrColor Want, TzrColor Got, int Tolerance, const std::string& Where) {
  for (int shift : {24, 16, 8, 0})
    EXPECT_NEAR(int(Want >> shift & 0xFF), int(Got >> shift & 0xFF), Tolerance)
        << Where << ": want " << ColorText(Want) << " got " << ColorText(Got);
}

}  // namespace

// ---------------------------------------------------------------- colour

TEST(AnimationClasses, ColorAnimationReachesTextAndIntegerTargets) {
  struct Case {
    const char* Property;
    bool Integer;
  };
  const Case cases[] = {{"Fill.Color", false}, {"fill . color", false}, {"Color", true}};
  const TzrColor from = 0xFF808080, to = 0xFFCCCCCC;
  for (const Case& c : cases) {
    TAniStage s;
    auto* a = s.Make<TzrColorAnimation>();
    a->SetPropertyName(c.Property);
    a->SetStartValue("#FF808080");
    a->SetStopValue("#FFCCCCCC");
    auto current = [&] {
      return c.Integer ? TzrColor(s.Shape->Color) : TzrColor(s.Shape->Fill->GetSolidColor());
    };
    a->Start();
    EXPECT_EQ(current(), from) << c.Property;
    s.Step(100);
    EXPECT_EQ(current(), zrInterpolateColor(from, to, 0.5f)) << c.Property;
    s.Step(100);
    EXPECT_EQ(current(), to) << c.Property;
    EXPECT_FALSE(a->GetRunning());
  }
}

TEST(AnimationClasses, StartFromCurrentTakesThePresentValue) {
  TAniStage s;
  s.Shape->Fill->SetColor("#FF102030");
  auto* colour = s.Make<TzrColorAnimation>();
  colour->SetPropertyName("Fill.Color");
  colour->SetStartFromCurrent(true);
  colour->Start();
  EXPECT_EQ(colour->GetStartValue(), "#FF102030");

  s.Shape->Width = 42;
  s.Shape->AnimateFloat("Width", 50, 0.2f);
  EXPECT_EQ(s.Shape->Width, 42);
  s.Step(100);
  EXPECT_NEAR(s.Shape->Width, 46, 1e-4);

  s.Shape->Padding->SetRect({1, 2, 3, 4});
  auto* rect = s.Make<TzrRectAnimation>();
  rect->SetPropertyName("Padding");
  rect->SetStartFromCurrent(true);
  rect->GetStopValue()->SetRect({11, 12, 13, 14});
  rect->Start();
  EXPECT_EQ(rect->GetStartValue()->GetRect().Left, 1);
  s.Step(100);
  const TzrRect half = s.Shape->Padding->GetRect();
  EXPECT_EQ(half.Left, 6);
  EXPECT_EQ(half.Bottom, 9);
  s.Step(100);
  EXPECT_EQ(s.Shape->Padding->GetRect().Right, 13);
}

TEST(AnimationClasses, FloatTargetsAndTargetsThatDoNotFit) {
  struct Case {
    const char* Property;
    std::function<float(TAniShape*)> Value;
    float Half;  // the value after half the run (0 when untouched)
  };
  const Case cases[] = {
      {"Width", [](TAniShape* S) { return S->Width; }, 5},
      {"Position.Y", [](TAniShape* S) { return S->Position->GetY(); }, 5},
      {"Parent.Position.X", [](TAniShape* S) { return S->Position->GetX(); }, 5},
      {"Nothing.Width", [](TAniShape* S) { return S->Width; }, 5},  // unknown segment dropped
      {"Caption", [](TAniShape* S) { return S->Width; }, 0},        // not a number: no effect
      {"Missing", [](TAniShape* S) { return S->Width; }, 0},
      {"", [](TAniShape* S) { return S->Width; }, 0},
  };
  for (const Case& c : cases) {
    TAniStage s;
    // "Parent." starts from the animation's parent: put it under a child.
    TzrObject* holder = s.Shape;
    if (std::string(c.Property).rfind("Parent.", 0) == 0) {
      holder = new TAniShape(&s.Owner);
      s.Shape->AddObject(holder);
    }
    auto* a = s.Make<TzrFloatAnimation>(holder);
    a->SetPropertyName(c.Property);
    a->SetStopValue(10);
    a->Start();
    s.Step(100);
    EXPECT_NEAR(c.Value(s.Shape), c.Half, 1e-4) << c.Property;
    s.Step(100);
    EXPECT_FALSE(a->GetRunning()) << c.Property;
  }
}

TEST(AnimationClasses, ReparentedColorKeepsItsTargetWhileFloatFollows) {
  TAniStage s;
  auto* other = new TAniShape(&s.Owner);
  s.Scene.AddObject(other);
  auto* colour = s.Make<TzrColorAnimation>();
  colour->SetPropertyName("Color");
  colour->SetStopValue("#FF0000FF");
  auto* number = s.Make<TzrFloatAnimation>();
  number->SetPropertyName("Width");
  number->SetStopValue(4);
  colour->Start();
  number->Start();
  s.Run(231);
  colour->SetParent(other);
  number->SetParent(other);
  s.Shape->Color = 0;
  s.Shape->Width = 0;
  colour->Start();
  number->Start();
  s.Run(231);
  EXPECT_EQ(s.Shape->Color, 0xFF0000FFu);  // the first target still
  EXPECT_EQ(other->Color, 0u);
  EXPECT_EQ(other->Width, 4);  // the new parent
  EXPECT_EQ(s.Shape->Width, 0);

  // The first target's node goes: the colour animation forgets it and finds
  // its target again at the next start (the sanitizer run sees no stale write).
  delete s.Shape;
  s.Shape = nullptr;
  colour->Start();
  s.Run(231);
  EXPECT_EQ(other->Color, 0xFF0000FFu);
}

TEST(AnimationClasses, GradientStopsFadeWherePresentInAllThree) {
  TAniStage s;
  TzrGradientPoints* target = s.Shape->Gradient->GetPoints();
  target->AddPoint(0xFF000000, 0.5f);  // a third stop the animation does not know
  auto* a = s.Make<TzrGradientAnimation>();
  a->SetPropertyName("Gradient");
  a->GetStartValue()->GetPoints()->GetPoint(0)->SetIntColor(0xFF000000);
  a->GetStartValue()->GetPoints()->GetPoint(1)->SetIntColor(0xFF0000FF);
  a->GetStopValue()->GetPoints()->GetPoint(0)->SetIntColor(0xFFFFFFFF);
  a->GetStopValue()->GetPoints()->GetPoint(1)->SetIntColor(0xFFFF0000);
  TEventCount changes;
  s.Shape->Gradient->OnChanged = changes.Handler();
  a->Start();
  EXPECT_EQ(changes.Count, 1);
  s.Step(100);
  EXPECT_EQ(target->GetPoint(0)->GetIntColor(), zrInterpolateColor(0xFF000000, 0xFFFFFFFF, 0.5f));
  s.Step(100);
  EXPECT_EQ(target->GetPoint(1)->GetIntColor(), 0xFFFF0000u);
  EXPECT_EQ(target->GetPoint(2)->GetIntColor(), 0xFF000000u);
  EXPECT_EQ(changes.Count, 3);

  target->GetPoint(0)->SetIntColor(0xFF445566);
  auto* current = s.Make<TzrGradientAnimation>();
  current->SetPropertyName("Gradient");
  current->SetStartFromCurrent(true);
  current->Start();
  EXPECT_EQ(current->GetStartValue()->GetPoints()->Count(), 3);
  EXPECT_EQ(current->GetStartValue()->GetPoints()->GetPoint(0)->GetIntColor(), 0xFF445566u);
}

// ---------------------------------------------------------------- key frames

TEST(AnimationClasses, FindKeysTakesTheFirstEnclosingPair) {
  TzrKeys keys(TzrFloatKey::Class());
  for (float k : {0.0f, 0.5f, 0.5f, 1.0f}) static_cast<TzrKey*>(keys.Add())->SetKey(k);
  struct Case {
    float Time;
    bool Found;
    int First;
  };
  const Case cases[] = {{0, true, 0}, {0.25f, true, 0},  {0.5f, true, 0}, {0.75f, true, 2},
                        {1, true, 2}, {-0.1f, false, 0}, {1.1f, false, 0}};
  for (const Case& c : cases) {
    TzrKey *k1 = nullptr, *k2 = nullptr;
    EXPECT_EQ(keys.FindKeys(c.Time, k1, k2), c.Found) << c.Time;
    if (c.Found) {
      EXPECT_EQ(k1->GetIndex(), c.First) << c.Time;
      EXPECT_EQ(k2->GetIndex(), c.First + 1) << c.Time;
    }
  }
  TzrKeys one(TzrFloatKey::Class());
  one.Add();
  TzrKey *k1 = nullptr, *k2 = nullptr;
  EXPECT_FALSE(one.FindKeys(0, k1, k2));
  TzrKey* key = one.GetKey(0);
  key->SetKey(-3);
  EXPECT_EQ(key->GetKey(), 0);
  key->SetKey(7);
  EXPECT_EQ(key->GetKey(), 1);
}

TEST(AnimationClasses, ColorKeysBlinkTheLampAndStartFromItsColour) {
  TAniStage s;
  s.Shape->Fill->SetColor("#FF004A00");
  auto* lamp = s.Make<TzrColorKeyAnimation>();
  lamp->SetPropertyName("Fill.Color");
  lamp->AddKey(0, "#FF004A00");
  lamp->AddKey(1, "#FF00AA00");
  lamp->SetLoop(true);
  lamp->Start();
  std::vector<std::string> seen;
  for (int i = 0; i < 6; ++i) {
    s.Step(100);
    seen.push_back(s.Shape->Fill->GetColor());
  }
  // Each end jumps back to the start: dark, half way, dark again, ...
  const std::string half = ColorText(zrInterpolateColor(0xFF004A00, 0xFF00AA00, 0.5f));
  EXPECT_EQ(seen,
            (std::vector<std::string>{half, "#FF004A00", half, "#FF004A00", half, "#FF004A00"}));
  lamp->Stop();
  EXPECT_EQ(s.Shape->Fill->GetColor(), "#FF00AA00");

  s.Shape->Fill->SetColor("#FF800000");
  lamp->SetStartFromCurrent(true);
  lamp->Start();
  EXPECT_EQ(static_cast<TzrColorKey*>(lamp->GetKeys()->GetKey(0))->GetValue(), "#FF800000");
  EXPECT_EQ(s.Shape->Fill->GetColor(), "#FF800000");
}

TEST(AnimationClasses, FloatKeysInterpolateWithinTheirPair) {
  // Keys 0 -> 10 over the first half of the run, 10 -> 30 over the second.
  const float widths[] = {5, 10, 20, 30};  // after each quarter
  TAniStage s;
  auto* a = s.Make<TzrFloatKeyAnimation>();
  a->SetPropertyName("Width");
  a->SetDuration(1);
  a->AddKey(0, 0);
  a->AddKey(0.5f, 10);
  a->AddKey(1, 30);
  a->Start();
  for (float w : widths) {
    s.Step(250);
    EXPECT_NEAR(s.Shape->Width, w, 1e-4) << a->NormalizedTime();
  }

  // A single key changes nothing.
  auto* single = s.Make<TzrFloatKeyAnimation>();
  single->SetPropertyName("Width");
  single->AddKey(0, 99);
  single->Start();
  s.Run(231);
  EXPECT_EQ(s.Shape->Width, 30);

  s.Shape->Width = 1;
  auto* current = s.Make<TzrFloatKeyAnimation>();
  current->SetPropertyName("Width");
  current->SetStartFromCurrent(true);
  current->AddKey(0, 0);
  current->AddKey(1, 3);
  current->Start();
  EXPECT_EQ(static_cast<TzrFloatKey*>(current->GetKeys()->GetKey(0))->GetValue(), 1);
}

// ---------------------------------------------------------------- bitmaps

TEST(AnimationClasses, BitmapFadeDrawsTheOtherImageOverTransparency) {
  TScopedCanvasClass canvas;
  struct Case {
    bool Inverse;
    uint32_t Ms;
    TzrColor Want;  // straight ARGB of every pixel
  };
  const Case cases[] = {
      {false, 100, 0x800000FF},  // the stop image (blue) half faded in
      {false, 200, 0xFF0000FF},
      {true, 100, 0x80FF0000},  // backwards: the start image (red) half faded in
      {true, 200, 0xFFFF0000},  // a backwards run ends at progress 0
  };
  for (const Case& c : cases) {
    TAniStage s;
    s.Shape->Bitmap->SetSize(4, 4);
    auto* a = s.Make<TzrBitmapAnimation>();
    a->SetPropertyName("Bitmap");
    a->GetStartValue()->SetSize(4, 4);
    a->GetStartValue()->Clear(0xFFFF0000);
    a->GetStopValue()->SetSize(4, 4);
    a->GetStopValue()->Clear(0xFF0000FF);
    a->SetInverse(c.Inverse);
    a->Start();
    s.Step(c.Ms);
    TzrBitmap* b = s.Shape->Bitmap.get();
    ASSERT_EQ(b->GetWidth(), 4);
    for (int y : {0, 3})
      for (int x : {0, 3})
        ExpectPixel(Premultiplied(c.Want), b->GetPixels(x, y), 2,
                    std::string(c.Inverse ? "inverse " : "") + std::to_string(c.Ms));
  }
}

namespace {

const TzrColor kFrames[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};

// A strip animation of three 4 x 2 frames (red, green, blue) on Property.
TzrBitmapListAnimation* Strip(TAniStage& S, const std::string& Property, int Count) {
  auto* a = S.Make<TzrBitmapListAnimation>();
  a->SetPropertyName(Property);
  a->SetAnimationCount(Count);
  TzrBitmap* strip = a->GetAnimationBitmap();
  strip->SetSize(12, 2);
  for (int f = 0; f < 3; ++f) strip->ClearRect({float(4 * f), 0, float(4 * f + 4), 2}, kFrames[f]);
  return a;
}

}  // namespace

TEST(AnimationClasses, BitmapStripShowsWholeFramesStepByFrameWidth) {
  TScopedCanvasClass canvas;
  struct Case {
    int Count;
    uint32_t Ms;
    int Frame;
  };
  const Case cases[] = {{3, 0, 0}, {3, 100, 1}, {3, 200, 2}, {1, 200, 0}, {0, 200, 0}};
  for (const Case& c : cases) {
    TAniStage s;
    s.Shape->Bitmap->SetSize(4, 2);
    Strip(s, "Bitmap", c.Count)->Start();
    if (c.Ms) s.Step(c.Ms);
    for (int x = 0; x < 4; ++x)  // the whole frame, its last column too
      ExpectPixel(kFrames[c.Frame], s.Shape->Bitmap->GetPixels(x, 1), 1,
                  "count " + std::to_string(c.Count) + " x " + std::to_string(x));
  }

  // A dotted name reaches its bitmap at every run and stays as written.
  TAniStage d;
  TzrBitmap* inner = d.Shape->Fill->GetBitmap()->GetBitmap();
  inner->SetSize(4, 2);
  TzrBitmapListAnimation* nested = Strip(d, "Fill.Bitmap.Bitmap", 3);
  for (int run = 0; run < 2; ++run) {
    inner->Clear(0);
    nested->Start();
    d.Run(231);
    ExpectPixel(kFrames[2], inner->GetPixels(3, 1), 1, "run " + std::to_string(run));
  }
  EXPECT_EQ(nested->GetPropertyName(), "Fill.Bitmap.Bitmap");

  // Curves that leave 0..1 (elastic, back) keep the index inside the strip.
  TzrBitmapListAnimation probe(nullptr);
  probe.SetAnimationCount(4);
  struct Index {
    float T;
    int Frame;
  };
  for (const Index& i : {Index{-0.4f, 0}, Index{0.5f, 1}, Index{0.99f, 2}, Index{1, 3},
                         Index{1.3f, 3}, Index{NAN, 0}})
    EXPECT_EQ(probe.FrameIndex(i.T), i.Frame) << i.T;
  probe.SetAnimationCount(0);
  EXPECT_EQ(probe.FrameIndex(0.7f), 0);
}

// ---------------------------------------------------------------- paths

TEST(AnimationClasses, PathMovesAlongThePathAndTurnsOnSlopes) {
  TScopedCanvasClass canvas;
  struct Case {
    const char* Path;
    bool Inverse;
    float EndX, EndY;  // the move at the end of the run (from the start)
    float Angle;       // RotateAngle while moving (0: not turned)
  };
  const Case cases[] = {
      {"M0,0 L50,50 L100,100", false, 100, 100, -45},
      {"M0,0 L-50,50 L-100,100", false, -100, 100, 45},
      // Backwards from where the object stands (the first start has no path
      // to place it at the end by), towards the path's start: turned 180 - 45.
      {"M0,0 L50,50 L100,100", true, 0, 0, 135},
      {"M0,0 L50,0 L100,0", false, 100, 0, 0},  // straight moves do not turn
      {"M0,0 L0,50 L0,100", false, 0, 100, 0},
  };
  for (const Case& c : cases) {
    TAniStage s(true);
    s.Scene.Canvas = canvas.Canvas.get();
    s.Shape->Position->SetPoint({10, 20});
    auto* a = s.Make<TzrPathAnimation>();
    a->GetPath()->SetPathString(c.Path);
    a->SetRotate(true);
    a->SetInverse(c.Inverse);
    a->Start();
    EXPECT_EQ(s.Shape->RotateAngle, 0) << c.Path;  // not at t = 0 or 1
    s.Step(100);
    EXPECT_NEAR(s.Shape->RotateAngle, c.Angle, 1e-3) << c.Path;
    s.Shape->RotateAngle = 7;
    s.Step(100);
    EXPECT_EQ(s.Shape->RotateAngle, 7) << c.Path;
    EXPECT_NEAR(s.Shape->Position->GetX(), 10 + c.EndX, 1e-3) << c.Path;
    EXPECT_NEAR(s.Shape->Position->GetY(), 20 + c.EndY, 1e-3) << c.Path;
  }
}

TEST(AnimationClasses, PathNeedsACanvasAndAVisualParent) {
  TScopedCanvasClass canvas;
  TAniStage plain;  // a node that is not visual is not moved
  plain.Scene.Canvas = canvas.Canvas.get();
  auto* a = plain.Make<TzrPathAnimation>();
  a->GetPath()->SetPathString("M0,0 L100,0");
  a->Start();
  plain.Run(231);
  EXPECT_EQ(plain.Shape->Position->GetX(), 0);

  TAniStage noCanvas(true);
  auto* b = noCanvas.Make<TzrPathAnimation>();
  b->GetPath()->SetPathString("M0,0 L100,0");
  b->Start();
  noCanvas.Run(231);
  EXPECT_EQ(noCanvas.Shape->Position->GetX(), 0);

  TzrPathSwitcher switcher(nullptr);
  EXPECT_EQ(switcher.GetDuration(), 0.001f);
}

// ---------------------------------------------------------------- registry and streams

TEST(AnimationClasses, RegisteredUnderAnimationsInOrder) {
  RegisterAnimationClasses();
  std::vector<std::string> names;
  for (const auto& [category, cls] : ObjectList())
    if (category == "Animations" && cls->Name().rfind("Tzr", 0) == 0) names.push_back(cls->Name());
  // Each registration goes to the front of its category.
  EXPECT_EQ(names,
            (std::vector<std::string>{"TzrPathSwitcher", "TzrPathAnimation", "TzrFloatKeyAnimation",
                                      "TzrColorKeyAnimation", "TzrBitmapListAnimation",
                                      "TzrBitmapAnimation", "TzrRectAnimation", "TzrFloatAnimation",
                                      "TzrGradientAnimation", "TzrColorAnimation"}));
  for (const std::string& name : names) EXPECT_TRUE(GetClass(name)) << name;
}

TEST(AnimationClasses, EveryClassRoundTripsThroughTextAndBinaryStreams) {
  RegisterAnimationClasses();
  TScopedPngFilter png;
  TComponent owner;
  std::vector<TzrAnimation*> all;
  auto* colour = new TzrColorAnimation(&owner);
  colour->SetStartValue("#FF010203");
  colour->SetPropertyName("Fill.Color");
  all.push_back(colour);
  auto* gradient = new TzrGradientAnimation(&owner);
  gradient->GetStopValue()->GetPoints()->AddPoint(0xFF112233, 0.75f);
  all.push_back(gradient);
  auto* number = new TzrFloatAnimation(&owner);
  number->SetStopValue(2.5f);
  number->SetStartFromCurrent(true);
  all.push_back(number);
  auto* rect = new TzrRectAnimation(&owner);
  rect->GetStopValue()->SetRect({1, 2, 3, 4});
  all.push_back(rect);
  auto* bitmap = new TzrBitmapAnimation(&owner);
  bitmap->GetStopValue()->SetSize(2, 2);
  bitmap->GetStopValue()->Clear(0x80FF0000);
  all.push_back(bitmap);
  auto* strip = new TzrBitmapListAnimation(&owner);
  strip->SetAnimationCount(5);
  strip->GetAnimationBitmap()->SetSize(10, 2);
  strip->GetAnimationBitmap()->Clear(0x8000FF00);  // translucent: stored as PNG
  all.push_back(strip);
  auto* colourKeys = new TzrColorKeyAnimation(&owner);
  colourKeys->AddKey(0, "#FF004A00");
  colourKeys->AddKey(1, "#FF00AA00");
  all.push_back(colourKeys);
  auto* floatKeys = new TzrFloatKeyAnimation(&owner);
  floatKeys->AddKey(0.5f, 3);
  all.push_back(floatKeys);
  auto* path = new TzrPathAnimation(&owner);
  path->GetPath()->SetPathString("M0,0 L10,20");
  path->SetRotate(true);
  all.push_back(path);
  auto* switcher = new TzrPathSwitcher(&owner);
  switcher->SetPathTrue("M0,0 L1,1");
  switcher->SetPathFalse("M1,1 L0,0");
  switcher->SetPropertyName("IsChecked");
  all.push_back(switcher);

  for (TzrAnimation* a : all) {
    a->SetName("Anim");
    a->SetDuration(0.35f);
    a->SetDelay(0.25f);
    a->SetLoop(true);
    a->SetInterpolation(zrInterpolationBounce);
    a->SetAnimationType(zrAnimationInOut);
    a->SetTrigger("IsMouseOver=true");
    a->SetTriggerInverse("IsMouseOver=false");
    const std::string text = TextOf(a);
    const std::string name = a->ClassName();
    EXPECT_TRUE(Contains(text, "Duration = 0.3499")) << text;
    EXPECT_TRUE(Contains(text, "Interpolation = zrInterpolationBounce")) << text;

    TComponent readers;  // the read copies keep the name
    auto* fromText = static_cast<TzrAnimation*>(a->ClassType()->Create(&readers));
    std::unique_ptr<TMemoryStream> in(MemoryFrom(text));
    fromText->LoadFromStream(in.get());
    EXPECT_EQ(TextOf(fromText), text) << name;

    TMemoryStream binary;
    a->SaveToBinStream(&binary);
    binary.SetPosition(0);
    auto* fromBinary = static_cast<TzrAnimation*>(a->ClassType()->Create(nullptr));
    fromBinary->LoadFromBinStream(&binary);
    EXPECT_EQ(TextOf(fromBinary), text) << name;
    delete fromBinary;
    a->SetName("");
  }
  EXPECT_TRUE(Contains(TextOf(colourKeys), "'#FF00AA00'")) << TextOf(colourKeys);
}

// ---------------------------------------------------------------- gallery

namespace {

// Copies Source into Sheet with its top left corner at (X, Y).
void Paste(TzrBitmap& Sheet, TzrBitmap& Source, int X, int Y) {
  for (int y = 0; y < Source.GetHeight(); ++y)
    for (int x = 0; x < Source.GetWidth(); ++x)
      Sheet.GetScanline(Y + y)[X + x] = Source.GetScanline(y)[x];
}

}  // namespace

// Writes the frames of a cross-fade and of a strip animation side by side
// to gallery/animations.png (top row: fade at 0, 1/4, 1/2, 3/4, 1; bottom
// row: the strip's frames at the same times).
TEST(AnimationClasses, GalleryOfFadeAndStripFrames) {
  TScopedCanvasClass canvas;
  TScopedPngFilter png;
  const int size = 32;
  TzrBitmap sheet(5 * size, 2 * size);
  TAniStage s;
  s.Shape->Bitmap->SetSize(size, size);
  auto* fade = s.Make<TzrBitmapAnimation>();
  fade->SetPropertyName("Bitmap");
  fade->SetDuration(1);
  fade->GetStartValue()->SetSize(size, size);
  fade->GetStartValue()->Clear(0xFFD03020);
  fade->GetStartValue()->ClearRect({8, 8, 24, 24}, 0xFFFFFFFF);
  fade->GetStopValue()->SetSize(size, size);
  fade->GetStopValue()->Clear(0xFF2040D0);
  fade->GetStopValue()->ClearRect({0, 12, 32, 20}, 0xFFFFD000);
  fade->Start();
  for (int i = 0; i < 5; ++i) {
    Paste(sheet, *s.Shape->Bitmap, i * size, 0);
    s.Step(250);
  }
  TAniStage t;
  t.Shape->Bitmap->SetSize(size, size);
  auto* strip = t.Make<TzrBitmapListAnimation>();
  strip->SetPropertyName("Bitmap");
  strip->SetDuration(1);
  strip->SetAnimationCount(5);
  TzrBitmap* frames = strip->GetAnimationBitmap();
  frames->SetSize(5 * size, size);
  for (int f = 0; f < 5; ++f) {
    frames->ClearRect({float(f * size), 0, float(f * size + size), float(size)}, 0xFF303030);
    frames->ClearRect({float(f * size + 2), float(30 - 6 * f), float(f * size + 30), 30},
                      0xFF40C040);
  }
  strip->Start();
  for (int i = 0; i < 5; ++i) {
    Paste(sheet, *t.Shape->Bitmap, i * size, size);
    t.Step(250);
  }
  std::filesystem::create_directories("gallery");
  sheet.SaveToFile("gallery/animations.png");
  EXPECT_TRUE(std::filesystem::exists("gallery/animations.png"));
  EXPECT_EQ(sheet.GetPixels(4 * size + 1, 1), 0xFF2040D0u);  // the fade's end
}
