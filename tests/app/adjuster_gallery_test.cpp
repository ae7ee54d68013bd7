// The wave-table adjuster with 64 bars, written to the build folder's
// gallery in English and Chinese and checked where the bars stand.

#include <gtest/gtest.h>

#include <string>

#include "app/frmAdjust.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_listbox.h"
#include "controls/zr_tracks.h"
#include "scene/zr_resources.h"
#include "tests/support/SceneShot.h"

namespace {

class AdjusterGallery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
};

TEST_F(AdjusterGallery, SixtyFourBarsInBothLanguages) {
  for (const bool chinese : {false, true}) {
    TfrmInterface main(nullptr);
    main.OnActivate = nullptr;
    TfrmAdjust form(&main);
    form.ControlsScene->SetStyle(main.SceneStyle);
    form.CheckBox1->SetText(chinese ? u"直线" : u"Linear");
    form.btnOk->SetText(chinese ? u"确定" : u"Ok");
    form.btnCancel->SetText(chinese ? u"取消" : u"Cancel");
    form.BuildTrackBars(64, 1000, 3000);
    for (int n = 0; n < 64; ++n) form.TrackBar(n)->SetValue(1000 + 2000 * n / 40);
    form.Show();
    pagetest::Settle(form.ControlsScene);
    pagetest::SaveWindow(form, chinese ? "adjuster_64_zh" : "adjuster_64_en");
    EXPECT_FALSE(form.CheckBox1->GetIsChecked());
    TzoRurev* scene = form.ControlsScene;
    EXPECT_EQ(scene->GetWidth(), 650);
    EXPECT_EQ(scene->GetHeight(), 380);
    // The list shows the first bars side by side: each item 19 wide.
    TzrListBoxItem* first = form.HorzListBox1->ItemByIndex(0);
    TzrListBoxItem* second = form.HorzListBox1->ItemByIndex(1);
    EXPECT_FLOAT_EQ(second->GetPosition()->GetX() - first->GetPosition()->GetX(), 19);
    // The list box is drawn over the background.
    EXPECT_NE(pagetest::Pixel(scene, 40, 200), pagetest::Pixel(scene, 5, 200));
    form.Hide();
  }
}

}  // namespace
