// The path data designer: the preview follows every change of the memo,
// Paste replaces the memo's whole text with the clipboard's, and the modal
// results of OK and Cancel.

#include <gtest/gtest.h>

#include "controls/zr_buttons.h"
#include "controls/zr_layouts.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects_path.h"
#include "controls/zr_path_data_designer.h"
#include "editors_fixture.h"
#include "platform/vcl/Clipbrd.h"
#include "scene/zr_path.h"
#include "tests/support/DisplayLocks.h"

namespace {

class PathDesignerTest : public EditorTest {
 protected:
  TClipboardLock ClipboardLock;
  std::string Preview() const { return Form.previewPath->GetPathData()->GetPathString(); }
  void Type(const std::u16string& Text) {
    TzrVisualObject* focused = Form.zoRurev1->GetFocused();
    ASSERT_EQ(focused, Form.PathData);
    for (char16_t c : Text) {
      uint16_t key = 0;
      focused->KeyDown(key, c, 0);
    }
  }

  TzrPathDataDesigner Form{nullptr};
};

TEST_F(PathDesignerTest, PreviewFollowsEveryTypedChange) {
  Form.Show();
  Form.PathData->SetFocus();
  int previews = 0;
  Form.PathData->OnChangeTracking = [&](TObject* Sender) {
    Form.PathDataChange(Sender);
    ++previews;
  };
  Type(u"M 0 0 L 10 0 L 10 10");
  EXPECT_EQ(previews, 20);
  TzrPathData expected;
  expected.SetPathString("M 0 0 L 10 0 L 10 10");
  EXPECT_EQ(Preview(), expected.GetPathString());
  Type(u" Z");
  expected.SetPathString("M 0 0 L 10 0 L 10 10 Z");
  EXPECT_EQ(Preview(), expected.GetPathString());

  // A hidden preview is left as it was.
  Form.previewLayout->SetVisible(false);
  Form.PathData->SetText(u"M 5 5 L 6 6");
  EXPECT_EQ(Preview(), expected.GetPathString());
  Form.Hide();
}

TEST_F(PathDesignerTest, PasteReplacesTheWholeText) {
  Form.PathData->SetText(u"M 0 0 L 1 1\nL 2 0");
  Clipboard()->SetAsText(u"M 1 1 L 3 3");
  Form.Button1->Click();
  EXPECT_EQ(Form.PathData->GetText(), u"M 1 1 L 3 3");
  TzrPathData expected;
  expected.SetPathString("M 1 1 L 3 3");
  EXPECT_EQ(Preview(), expected.GetPathString());

  Clipboard()->SetAsText(u"");
  Form.Button1->Click();
  EXPECT_EQ(Form.PathData->GetText(), u"");
  EXPECT_EQ(Preview(), TzrPathData().GetPathString());
}

TEST_F(PathDesignerTest, OkAndCancelSetTheModalResult) {
  // The caller sets the path from the memo only on OK.
  TzrPathData edited;
  edited.SetPathString("M 0 0 L 4 4");
  const std::string before = edited.GetPathString();
  Form.PathData->SetText(UTF8ToUTF16(before));
  Form.PathData->SetText(u"M 9 9 L 1 1 Z");
  Form.Button3->Click();
  EXPECT_EQ(Form.GetModalResult(), mrCancel);
  if (Form.GetModalResult() == mrOk) edited.SetPathString(UTF16ToUTF8(Form.PathData->GetText()));
  EXPECT_EQ(edited.GetPathString(), before);
  Form.Button2->Click();
  EXPECT_EQ(Form.GetModalResult(), mrOk);
}

}  // namespace
