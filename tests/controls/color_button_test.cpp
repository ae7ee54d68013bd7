// The colour button: OnChange on every assignment, the colour in its style,
// and the colour dialog answered through its hook.

#include "controls_fixture.h"
#include "platform/vcl/Dialogs.h"
#include "scene/zr_brush.h"

namespace {

class ColorButtonTest : public ControlsTest {
 protected:
  ColorButtonTest() {
    Button = Make<TzrColorButton>(10, 10);
    Button->OnChange = [this](TObject*) { ++Changes; };
  }
  ~ColorButtonTest() override { ColorDialogHook = nullptr; }
  TzrColor Shown() {
    auto* fill = dynamic_cast<TzrShape*>(Button->FindResource("fill"));
    return fill ? fill->GetFill()->GetSolidColor() : 0;
  }
  TzrColorButton* Button = nullptr;
  int Changes = 0;
};

TEST_F(ColorButtonTest, EveryAssignmentOutsideLoadingFiresOnChange) {
  EXPECT_FALSE(Button->GetAutoTranslate());
  Show();
  EXPECT_EQ(Shown(), 0xFF000000u);
  Button->SetColor("#FF00AA00");
  Button->SetColor("#FF00AA00");
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(Shown(), 0xFF00AA00u);
  Button->SetColor("Red");
  EXPECT_EQ(Shown(), 0xFFFF0000u) << "colour names are understood";
  Button->SetComponentState(csLoading);
  Button->SetColor("#FF123456");
  EXPECT_EQ(Changes, 3);
  Button->SetComponentState(0);
}

TEST_F(ColorButtonTest, DialogStartsFromTheColourAndSetsTheChoiceOpaque) {
  Show();
  Button->SetColor("#80112233");
  Changes = 0;
  int32_t offered = -1;
  ColorDialogHook = [&](TColorDialog& d) {
    offered = d.GetColor();
    d.SetColor(0x00CCBBAA);
    return true;
  };
  int clicks = 0;
  Button->OnClick = [&](TObject*) { ++clicks; };
  ClickOn(Button);
  EXPECT_EQ(offered, 0x00332211) << "red and blue exchanged, alpha dropped";
  EXPECT_EQ(Button->GetColor(), "#FFAABBCC");
  EXPECT_EQ(Shown(), 0xFFAABBCCu);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Changes, 1);
}

TEST_F(ColorButtonTest, CancelledDialogChangesNothing) {
  Button->SetColor("#FF102030");
  Changes = 0;
  ColorDialogHook = [](TColorDialog& d) {
    d.SetColor(0x00FFFFFF);
    return false;
  };
  ClickOn(Button);
  EXPECT_EQ(Button->GetColor(), "#FF102030");
  EXPECT_EQ(Changes, 0);
}

}  // namespace
