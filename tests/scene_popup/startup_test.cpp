// Start-up registers the frame under "Layout" and the popups under "Popup"
// for streams; shutdown frees the list of open popups.

#include "platform/rtl/Rtti.h"
#include "scene/zr_classes.h"
#include "scene/zr_popup.h"
#include "scene/zr_scene_unit.h"
#include "tests/scene_popup/popup_fixture.h"

namespace {

bool Listed(const std::string& Category, const std::string& Name) {
  for (const auto& [category, cls] : ObjectList())
    if (category == Category && cls->Name() == Name) return true;
  return false;
}

class StartupTest : public PopupTest {};

TEST_F(StartupTest, FrameAndPopupsAreRegisteredAndTheOpenListGoesAtShutdown) {
  EXPECT_TRUE(Listed("Layout", "TzrFrame"));
  EXPECT_TRUE(Listed("Popup", "TzrPopup"));
  EXPECT_TRUE(Listed("Popup", "TzrMessagePopup"));
  for (const char* name : {"TzrFrame", "TzrPopup", "TzrMessagePopup"})
    EXPECT_NE(GetClass(name), nullptr) << name;

  {
    TSceneForm main(40, 40, 200, 120);
    main.Show();
    auto* popup = new TzrPopup(main.Form);
    popup->SetParent(main.Root);
    popup->SetIsOpen(true);
    popup->SetIsOpen(false);
  }
  ASSERT_NE(OpenPopups, nullptr);
  FinalizeScene();
  EXPECT_EQ(OpenPopups, nullptr);
  InitializeScene();
}

}  // namespace
