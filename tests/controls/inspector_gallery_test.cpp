// The property inspector with an open editor, written to the build folder's
// gallery: inspector_en.png edits a rectangle's Align in the drop-down
// list; inspector_zh.png shows a label whose text is Chinese, with the text
// box open on it. Each checks that the inspector and its editor drew.

#include "controls/zr_inspector.h"
#include "controls/zr_labels.h"
#include "controls/zr_objects.h"
#include "controls_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

class InspectorGallery : public ControlsTest {
 protected:
  void Shoot(TComponent* Selected, const std::string& RowName, const std::string& Picture) {
    auto* inspector = Make<TzrInspector>(10, 10);
    inspector->SetBounds(10, 10, 340, 380);
    Show();
    inspector->SetSelectedObject(Selected);
    for (int i = 0; i < inspector->GetCount(); ++i)
      if (inspector->GetItem(i)->GetTagString() == RowName)
        inspector->SetSelected(inspector->GetItem(i));
    Show();
    SaveGalleryPicture(Picture);
    ASSERT_NE(inspector->GetSelected(), nullptr);
    EXPECT_TRUE(DrawnOver(inspector, Backdrop));
    EXPECT_TRUE(DrawnOver(inspector->Editor(), Backdrop));
  }
};

TEST_F(InspectorGallery, RectangleInEnglish) {
  GalleryCanvas(360, 400, Backdrop);
  auto* shape = new TzrRectangle(&Owner);
  shape->SetName("Rectangle1");
  Shoot(shape, "Align", "inspector_en");
}

TEST_F(InspectorGallery, LabelInChinese) {
  GalleryCanvas(360, 400, Backdrop);
  auto* label = new TzrLabel(&Owner);
  label->SetName("Label1");
  label->SetText(u"\u7535\u5b50\u8c03\u901f\u5668");
  Shoot(label, "Text", "inspector_zh");
}

}  // namespace
