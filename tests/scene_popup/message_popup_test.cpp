// The message popup: its default and cancel buttons, the dialog it builds
// from the registered label, layout, image and button classes (here the
// stand-ins), where it hangs, and the modal result of the button pressed.

#include <gtk/gtk.h>

#include "scene/zr_message_popup.h"
#include "scene/zr_position.h"
#include "tests/scene_popup/popup_fixture.h"
#include "tests/scene_popup/standins.h"
#include "tests/support/MainLoop.h"

namespace {

constexpr TzrMessageButtons B(TzrMessageButton A) { return zrButton(A); }

TEST(MessagePopupButtons, DefaultAndCancelChoice) {
  const struct {
    TzrMessageButtons Buttons;
    int Default, Cancel;
  } cases[] = {
      {B(zrMbOK) | B(zrMbCancel), zrMbOK, zrMbCancel},
      {B(zrMbYes) | B(zrMbNo), zrMbYes, zrMbNo},
      {B(zrMbYes) | B(zrMbNo) | B(zrMbCancel), zrMbYes, zrMbCancel},
      {B(zrMbOK), zrMbOK, zrMbOK},
      {B(zrMbRetry) | B(zrMbCancel), zrMbRetry, zrMbCancel},
      {B(zrMbAbort) | B(zrMbRetry) | B(zrMbIgnore), zrMbRetry, -1},
      {B(zrMbYes) | B(zrMbOK) | B(zrMbNo), zrMbOK, zrMbNo},
      {B(zrMbHelp), -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zrMessageDefaultButton(c.Buttons), c.Default) << c.Buttons;
    EXPECT_EQ(zrMessageCancelButton(c.Buttons), c.Cancel) << c.Buttons;
  }
  EXPECT_EQ(zrMessageButtonResult(zrMbYesToAll), 14);
  EXPECT_EQ(zrMessageButtonResult(zrMbHelp), 0);
}

class MessagePopupTest : public PopupTest {
 public:
  static void SetUpTestSuite() {
    PopupTest::SetUpTestSuite();
    RegisterStandIns();
  }

 protected:
  void SetUp() override { Main.Show(); }
  // Looks at the running dialog, saves its picture and presses OK.
  void Inspect(TzrPopupForm* Window);
  TSceneForm Main{100, 100, 640, 300};
};

template <class T>
std::vector<T*> ChildrenOf(TzrObject* Node) {
  std::vector<T*> out;
  for (int i = 0; i < Node->GetChildrenCount(); ++i)
    if (auto* c = dynamic_cast<T*>(Node->GetChild(i))) out.push_back(c);
  return out;
}

void MessagePopupTest::Inspect(TzrPopupForm* Window) {
  Settle(50, 1000);
  TzrPopup* popup = Window->FPopup;
  int x = 0, y = 0;
  WindowPosition(Main.Form, x, y);
  EXPECT_EQ(Window->GetLeft(), x + (640 - 500) / 2) << "centred on the owner";
  EXPECT_EQ(Window->GetTop(), y) << "hanging from the top of the client area";
  EXPECT_FALSE(Main.Root->GetEnabled()) << "the scene is disabled meanwhile";

  auto controls = ChildrenOf<TzrControl>(popup);
  ASSERT_GE(controls.size(), 1u);
  EXPECT_EQ(controls[0]->GetResource(), "iconwarning");
  EXPECT_FLOAT_EQ(controls[0]->GetPosition()->GetX(), 30);
  auto labels = ChildrenOf<TzrLabel>(popup);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0]->GetText(), u"Title");
  EXPECT_EQ(labels[0]->GetAlign(), vaTop);
  EXPECT_FLOAT_EQ(labels[0]->GetPadding()->GetLeft(), 30 + 64 + 10);
  EXPECT_FLOAT_EQ(labels[0]->GetFont()->GetSize(), TzrFont().GetSize() * 1.4f);
  EXPECT_EQ(labels[1]->GetText(), u"Something happened.");
  EXPECT_EQ(labels[1]->GetTextAlign(), zrTextAlignNear);
  auto layouts = ChildrenOf<TzrLayout>(popup);
  ASSERT_EQ(layouts.size(), 1u);
  auto buttons = ChildrenOf<TzrButton>(layouts[0]);
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0]->GetText(), u"OK");
  EXPECT_EQ(buttons[0]->GetModalResult(), 1);
  EXPECT_TRUE(buttons[0]->GetDefault());
  EXPECT_FALSE(buttons[0]->GetCancel());
  EXPECT_EQ(buttons[1]->GetText(), u"Cancel");
  EXPECT_EQ(buttons[1]->GetModalResult(), 2);
  EXPECT_TRUE(buttons[1]->GetCancel());

  popup->GetPopupScene()->UpdateBuffer();
  Main.Scene->UpdateBuffer();
  SaveGallery("popup_message", 740, 360,
              {{Main.Scene, 50, 30},
               {popup->GetPopupScene(), 50 + Window->GetLeft() - x, 30 + Window->GetTop() - y}});
  buttons[0]->Click();
}

TEST_F(MessagePopupTest, BuildsTheDialogAndAnswersThePressedButton) {
  bool checked = false;
  Later(30, [&] {
    TzrPopupForm* window = TzrPopupForm::Active();
    if (!window || !window->FPopup) return false;
    Inspect(window);
    // A failed check must not leave the loop waiting.
    if (window->GetModalResult() == 0) window->SetModalResult(2);
    checked = true;
    return true;
  });
  const int result =
      MessagePopup(u"Title", u"Something happened.", zrMessageWarning, B(zrMbOK) | B(zrMbCancel),
                   Main.Scene, nullptr, true, nullptr, nullptr);
  EXPECT_TRUE(checked);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(Main.Root->GetEnabled()) << "enabled again afterwards";
  EXPECT_EQ(TzrPopupForm::Active(), nullptr);
  EXPECT_EQ(Main.Form->ComponentCount(), 2) << "the popup was freed (scene and root stay)";
}

}  // namespace
