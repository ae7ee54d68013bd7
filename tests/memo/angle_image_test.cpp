// The angle button (snapping, direction, value texts, tracking) and the
// image control (drops, the open dialog, the scaled copy in its style).

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "canvas/zr_filter_gdiplus.h"
#include "controls/zr_angle_button.h"
#include "controls/zr_image_control.h"
#include "controls/zr_objects_text.h"
#include "platform/vcl/Dialogs.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_filter.h"
#include "tests/controls/controls_fixture.h"

namespace {

class AngleButtonTest : public ControlsTest {
 protected:
  // The pointer at Degrees around the dial's centre (y grows downwards).
  void DragTo(TzrAngleButton* B, float Degrees) {
    float a = Degrees * float(M_PI) / 180;
    Move(B, B->GetWidth() / 2 + 10 * std::cos(a), B->GetHeight() / 2 - 10 * std::sin(a));
  }
};

TEST_F(AngleButtonTest, SnapsToFrequency) {
  auto* b = Make<TzrAngleButton>(10, 10);
  b->SetFrequency(15);
  struct Case {
    float degrees, value;
  } cases[] = {{37, 30}, {38, 45}, {-37, -30}, {7.4f, 0}};
  Press(b, 25, 15);
  for (const Case& c : cases) {
    DragTo(b, c.degrees);
    EXPECT_FLOAT_EQ(b->GetValue(), c.value) << c.degrees;
  }
  Release(b, 0, 0);
}

TEST_F(AngleButtonTest, DirectionsFromTheCentre) {
  auto* b = Make<TzrAngleButton>(10, 10);
  Press(b, 25, 15);
  struct Case {
    float x, y, value;
  } cases[] = {{15, 2, 90}, {15, 28, -90}, {2, 15, -180}, {28, 15, 0}};
  for (const Case& c : cases) {
    Move(b, c.x, c.y);
    EXPECT_NEAR(b->GetValue(), c.value, 1e-3) << c.x << "," << c.y;
  }
}

TEST_F(AngleButtonTest, TrackingOffFiresOnceAtRelease) {
  auto* b = Make<TzrAngleButton>(10, 10);
  Show();
  int changes = 0;
  b->OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, b);
    ++changes;
  };
  b->SetTracking(false);
  Press(b, 25, 15);
  DragTo(b, 30);
  DragTo(b, 60);
  auto* track = dynamic_cast<TzrText*>(b->FindResource("tracktext"));
  ASSERT_NE(track, nullptr);
  EXPECT_FALSE(track->GetVisible());
  EXPECT_EQ(track->GetOpacity(), 1);
  EXPECT_EQ(track->GetText(), u"60°");
  EXPECT_EQ(changes, 0);
  Release(b, 0, 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(track->GetOpacity(), 0);
  // With tracking on every change fires, and the release once more.
  b->SetTracking(true);
  Press(b, 25, 15);
  DragTo(b, 10);
  DragTo(b, 20);
  Release(b, 0, 0);
  EXPECT_EQ(changes, 4);
  // A press and release without a change fires nothing.
  Press(b, 25, 15);
  Release(b, 0, 0);
  EXPECT_EQ(changes, 4);
}

TEST_F(AngleButtonTest, ValueTextAndTick) {
  auto* b = Make<TzrAngleButton>(10, 10);
  Show();
  auto* text = dynamic_cast<TzrText*>(b->FindResource("text"));
  auto* tick = dynamic_cast<TzrVisualObject*>(b->FindResource("tick"));
  ASSERT_TRUE(text && tick);
  b->SetValue(45.6f);
  EXPECT_FALSE(text->GetVisible());
  EXPECT_FLOAT_EQ(tick->GetRotateAngle(), -45.6f);
  b->SetShowValue(true);
  EXPECT_TRUE(text->GetVisible());
  EXPECT_EQ(text->GetText(), u"46°");
  b->SetData(Variant(u"not a number"));
  EXPECT_EQ(b->GetValue(), 0);
  b->SetData(Variant(12.5));
  EXPECT_FLOAT_EQ(b->GetValue(), 12.5f);
}

class ImageControlTest : public ControlsTest {
 protected:
  ImageControlTest() {
    DefaultFilterClass = TzrFilterGdiPlus::Class();
    std::filesystem::create_directories(Dir);
  }
  ~ImageControlTest() override {
    FileDialogHook = nullptr;
    std::filesystem::remove_all(Dir);
  }
  std::string Picture(const std::string& Name, int W, int H) {
    TzrBitmap b(W, H);
    b.Clear(0xFFCC2020);
    std::string path = Dir + "/" + Name;
    b.SaveToFile(path);
    return path;
  }
  std::string Dir = std::filesystem::temp_directory_path().string() + "/imagecontrol_test_" +
                    std::to_string(getpid());
};

TEST_F(ImageControlTest, DropsAcceptPicturesAndImages) {
  auto* c = Make<TzrImageControl>(10, 10);
  Show();
  std::string png = Picture("red.png", 8, 4);
  std::string odd = Dir + "/note.xyz";
  std::ofstream(odd) << "text";
  std::filesystem::copy_file(png, Dir + "/upper.PNG");
  struct Case {
    std::string file;
    bool accept;
  } cases[] = {{png, true}, {odd, false}, {Dir + "/upper.PNG", false}, {Dir + "/gone.png", false}};
  for (const Case& k : cases) {
    TzrDragObject data;
    data.Files = {UTF8ToUTF16(k.file)};
    bool accept = true;
    c->DragOver(data, {5, 5}, accept);
    EXPECT_EQ(accept, k.accept) << k.file;
  }
  // A dropped image of the scene gives a copy of its picture, fitted into
  // the image part.
  auto* image = Make<TzrImage>(0, 0);
  image->GetBitmap()->SetSize(4, 2);
  image->GetBitmap()->Clear(0xFF00FF00);
  TzrDragObject data;
  data.Source = image;
  bool accept = false;
  c->DragOver(data, {5, 5}, accept);
  EXPECT_TRUE(accept);
  int changes = 0;
  c->OnChange = [&](TObject*) { ++changes; };
  c->DragDrop(data, {5, 5});
  EXPECT_EQ(c->GetBitmap()->GetWidth(), 4);
  EXPECT_EQ(c->GetBitmap()->GetPixels(1, 1), 0xFF00FF00u);
  EXPECT_GE(changes, 1);
  TzrImage* part = c->GetImagePart();
  ASSERT_NE(part, nullptr);
  float scale = std::min(part->GetWidth() / 4, part->GetHeight() / 2);
  EXPECT_EQ(part->GetBitmap()->GetWidth(), int(std::nearbyint(4 * scale)));
  EXPECT_EQ(part->GetBitmap()->GetHeight(), int(std::nearbyint(2 * scale)));
  EXPECT_EQ(part->GetBitmap()->GetPixels(2, 2), 0xFF00FF00u);
}

TEST_F(ImageControlTest, OpenDialog) {
  auto* c = Make<TzrImageControl>(10, 10);
  Show();
  std::string png = Picture("wide.png", 6, 3);
  int clicks = 0, asked = 0;
  c->OnClick = [&](TObject*) { ++clicks; };
  FileDialogHook = [&](TFileDialog&) {
    ++asked;
    return false;
  };
  ClickOn(c);
  EXPECT_EQ(c->GetBitmap()->GetWidth(), 1);  // cancelled: unchanged
  FileDialogHook = [&](TFileDialog& d) {
    ++asked;
    d.SetFileName(png);
    return true;
  };
  ClickOn(c);
  EXPECT_EQ(c->GetBitmap()->GetWidth(), 6);
  c->SetEnableOpenDialog(false);
  ClickOn(c);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(asked, 2);
  c->SetData(Variant::Null());
  EXPECT_EQ(c->GetBitmap()->GetWidth(), 1);
}

}  // namespace
