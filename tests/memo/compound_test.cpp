// Compound controls: Value through the editor, OnChange with the editor as
// sender, the value label, and inner parts read as sub-properties.

#include "controls/zr_angle_button.h"
#include "controls/zr_compound.h"
#include "controls/zr_image_control.h"
#include "controls/zr_number_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
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

TEST_F(ControlsTest, CompoundTrackBarLabel) {
  auto* bar = Make<TzrCompoundTrackBar>(0, 0);
  bar->SetBounds(0, 0, 260, 20);
  Show();
  TzrTrackBar* track = bar->GetTrackBar();
  track->SetMax(37.8f);
  struct Case {
    float frequency;
    int digits;
    std::u16string suffix, shown;
  } cases[] = {{1, 2, u"", u"37"},
               {0, 2, u"", u"37.80"},
               {0, 2, u" %", u"37.80 %"},
               {0.5f, 1, u"", u"37.8"},
               {0, 0, u"", u"38"}};
  for (const Case& c : cases) {
    track->SetFrequency(c.frequency);
    bar->SetDecimalDigits(c.digits);
    bar->SetSuffix(c.suffix);
    bar->SetValue(50);  // clamped to Max
    EXPECT_EQ(bar->GetValueLabel()->GetText(), c.shown) << c.frequency << " " << c.digits;
  }
  // Keys change the value and fire OnChange, but leave the label.
  track->SetFrequency(1);
  bar->SetValue(10);
  TObject* sender = nullptr;
  bar->OnChange = [&](TObject* s) { sender = s; };
  track->SetFocus();
  Key(39);  // Right
  EXPECT_NE(track->GetValue(), 10);
  EXPECT_EQ(sender, track);
  EXPECT_EQ(bar->GetValueLabel()->GetText(), u"10");
  // Dragging the thumb updates it at every step.
  Show();
  TzrThumb* thumb = track->GetThumb();
  ASSERT_NE(thumb, nullptr);
  auto onThumb = [&](float X) { return thumb->AbsoluteToLocal(track->LocalToAbsolute({X, 7})); };
  const float x0 = thumb->GetPosition()->GetX() + thumb->GetWidth() / 2;
  TzrPoint p = onThumb(x0);
  Press(thumb, p.X, p.Y);
  p = onThumb(x0 + 40);
  Move(thumb, p.X, p.Y);
  const std::u16string during = bar->GetValueLabel()->GetText();
  EXPECT_EQ(during, UTF8ToUTF16(std::to_string(int(track->GetValue()))));
  EXPECT_NE(during, u"10");
  p = onThumb(x0 + 80);
  Move(thumb, p.X, p.Y);
  EXPECT_NE(bar->GetValueLabel()->GetText(), during);
  Release(thumb, p.X, p.Y);
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
