// Compound controls: Value through the editor, OnChange with the editor as
// sender, the value label, and inner parts read as sub-properties.

#include "controls/zr_angle_button.h"
#include "controls/zr_compound.h"
#include "controls/zr_image_control.h"
#include "controls/zr_number_box.h"
#include "controls/zr_text_box.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"

namespace {

void LoadText(TzrObject* Node, const std::string& Text) {
  TMemoryStream in;
  in.WriteBuffer(Text.data(), int32_t(Text.size()));
  in.SetPosition(0);
  Node->LoadFromStream(&in);
}

TEST_F(ControlsTest, CompoundValueGoesThroughTheEditor) {
  auto* text = Make<TzrCompoundTextBox>(0, 100);
  int tracked = 0;
  TObject* changed = nullptr;
  text->GetTextBox()->OnChangeTracking = [&](TObject*) { ++tracked; };
  text->OnChange = [&](TObject* s) { changed = s; };
  text->SetText(u"12.5 mm");
  EXPECT_EQ(text->GetTextBox()->GetText(), u"12.5 mm");
  EXPECT_EQ(tracked, 1);  // the text box's own setter ran
  text->GetTextBox()->SetText(u"typed 输入");
  EXPECT_EQ(text->GetText(), u"typed 输入");
  text->GetTextBox()->Change();
  EXPECT_EQ(changed, text->GetTextBox());

  auto* number = Make<TzrCompoundNumberBox>(0, 130);
  number->GetNumberBox()->SetMax(100);
  number->SetValue(42);
  EXPECT_FLOAT_EQ(number->GetNumberBox()->GetValue(), 42);
  number->GetNumberBox()->SetValue(7);
  EXPECT_FLOAT_EQ(number->GetValue(), 7);

  auto* popup = Make<TzrCompoundPopupBox>(0, 0);
  popup->GetPopupBox()->GetItems()->Add(u"one");
  popup->GetPopupBox()->GetItems()->Add(u"two");
  TObject* sender = nullptr;
  popup->OnChange = [&](TObject* s) { sender = s; };
  popup->SetValue(1);
  EXPECT_EQ(popup->GetPopupBox()->GetItemIndex(), 1);
  EXPECT_EQ(sender, popup->GetPopupBox());
  popup->GetPopupBox()->SetItemIndex(0);
  EXPECT_EQ(popup->GetValue(), 0);

  auto* color = Make<TzrCompoundColorButton>(0, 30);
  color->OnChange = [&](TObject* s) { sender = s; };
  color->SetValue("#FF102030");
  EXPECT_EQ(color->GetColorButton()->GetColor(), "#FF102030");
  EXPECT_EQ(sender, color->GetColorButton());

  auto* image = Make<TzrCompoundImage>(0, 60);
  Show();
  image->OnChange = [&](TObject* s) { sender = s; };
  TzrBitmap b(3, 3);
  image->GetImage()->SetBitmap(&b);
  EXPECT_EQ(sender, image->GetImage());
}

TEST_F(ControlsTest, CompoundLayoutAndSubProperties) {
  auto* bar = Make<TzrCompoundAngleBar>(0, 0);
  Show();
  EXPECT_EQ(bar->GetTextLabel()->GetWidth(), 70);
  EXPECT_EQ(bar->GetTextLabel()->GetText(), u"Caption");
  EXPECT_FALSE(bar->GetTextLabel()->GetStored());
  EXPECT_TRUE(bar->GetAngleButton()->GetLocked());
  auto* read = new TzrCompoundAngleBar(&Owner);
  LoadText(read,
           "object TzrCompoundAngleBar\n"
           "  TextLabel.Width = 50.0\n"
           "  TextLabel.Text = 'Angle'\n"
           "  Value = 45.9\n"
           "end\n");
  EXPECT_EQ(read->GetTextLabel()->GetWidth(), 50);
  EXPECT_EQ(read->GetTextLabel()->GetText(), u"Angle");
  EXPECT_EQ(read->GetValueLabel()->GetText(), u"45.");
  read->SetValue(-7.9f);
  EXPECT_EQ(read->GetValueLabel()->GetText(), u"-7.");
}

TEST_F(ControlsTest, CompoundAngleBarFollowsItsDial) {
  auto* bar = Make<TzrCompoundAngleBar>(0, 0);
  Show();
  TObject* sender = nullptr;
  bar->OnChange = [&](TObject* s) { sender = s; };
  TzrAngleButton* dial = bar->GetAngleButton();
  ASSERT_GT(dial->GetWidth(), 0);
  Press(dial, dial->GetWidth() / 2, 0);
  Move(dial, dial->GetWidth() / 2, 0);  // straight above the centre
  Release(dial, dial->GetWidth() / 2, 0);
  EXPECT_EQ(sender, dial);
  EXPECT_EQ(bar->GetValueLabel()->GetText(), u"90.");
}

}  // namespace
