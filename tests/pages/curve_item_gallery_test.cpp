// A curve editor opened from its item, as the report captures it, written
// to the gallery in English and Chinese.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Utils.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_text_box.h"
#include "pages/CurveSegment.h"
#include "pages/frmGraph.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_scene.h"
#include "tests/pages/PageFixtures.h"
#include "tests/support/SceneShot.h"

namespace {

class CurveItemGallery : public ::testing::TestWithParam<bool> {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
};

TEST_P(CurveItemGallery, EditorOpenedFromItsItem) {
  const bool chinese = GetParam();
  pagetest::LangFixture lang(
      "[common]\nengbtn_Init=Init\nchsbtn_Init=初始化\nengbtn_Ok=Ok\nchsbtn_Ok=确定\n"
      "engbtn_Cancel=Cancel\nchsbtn_Cancel=取消\n");
  TfrmInterface form(nullptr);
  form.OnActivate = nullptr;
  form.FLangIni = std::move(lang.Ini);
  (chinese ? form.Chinese1 : form.English1)->SetChecked(true);
  VERSION& def = form.FPageDef;
  def.tab = 1;
  def.item = def.max = 1;
  def.tabs[0].group = "0";
  ITEM& item = def.items[0];
  item.mode = imCurve256;
  item.evalue = item.cvalue = "Linear|Custom";
  item.maxnode = 16;
  item.edetail = "Throttle curve: drag a node with the left button, remove it with the right.";
  item.cdetail = "油门曲线：左键拖动节点，右键删除节点。";
  form.BuildParameterPages();
  // Three straight pieces: the editor opens with four nodes.
  std::vector<int> points(256, 0);
  points[50] = 200;
  points[150] = 200;
  points[255] = 255;
  FillSegment(points.data(), 0, 50);
  FillSegment(points.data(), 50, 150);
  FillSegment(points.data(), 150, 255);
  std::vector<uint8_t> bytes(points.begin(), points.end());
  auto* box = dynamic_cast<TzrTextBox*>(form.FindComponent("eItem0"));
  ASSERT_NE(box, nullptr);
  box->SetText(UTF8ToUTF16(BytesToHex(bytes.data(), bytes.size())));
  form.FReportCapture = true;
  form.itemClick(box);
  TfrmGraph* editor = form.FGraphForm;
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->FNodeCount, 4);
  pagetest::Settle(editor->ControlsScene);
  pagetest::SaveWindow(*editor, chinese ? "curve_item_editor_zh" : "curve_item_editor_en");
  delete editor;
  form.FGraphForm = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Language, CurveItemGallery, ::testing::Bool());

}  // namespace
