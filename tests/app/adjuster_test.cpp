// The wave-table adjuster: its bars, the change handler's left-neighbour,
// right-neighbour and linear-filling rules, the value labels, and the
// modal results.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "app/frmAdjust.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_labels.h"
#include "controls/zr_listbox.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_font.h"

namespace {

class Adjuster : public ::testing::Test {
 protected:
  void Build(int Count, int Minimum, int Maximum) { Form.BuildTrackBars(Count, Minimum, Maximum); }
  // The user (or the page) moves bar N: the bar's own change handler runs.
  void Set(int N, float Value) { Form.TrackBar(N)->SetValue(Value); }
  float Value(int N) const { return Form.TrackBar(N)->GetValue(); }
  std::vector<float> Values(int From, int To) const {
    std::vector<float> values;
    for (int n = From; n <= To; ++n) values.push_back(Value(n));
    return values;
  }
  void LinearOn() {
    Form.CheckBox1->SetIsChecked(true);
    Form.CheckBox1->OnClick(Form.CheckBox1);
  }

  TfrmAdjust Form{nullptr};
};

TEST_F(Adjuster, BuildsOneBarPerPoint) {
  Build(256, 0, 255);
  EXPECT_EQ(Form.FBarCount, 256);
  EXPECT_EQ(Form.HorzListBox1->GetCount(), 256);
  EXPECT_EQ(UTF16ToUTF8(Form.Label1->GetText()), "255");
  EXPECT_EQ(UTF16ToUTF8(Form.Label2->GetText()), "0");
  TzrTrackBar* bar = Form.TrackBar(200);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetName(), "Trackbar200");  // found as "TrackBar" + n
  EXPECT_EQ(bar->GetTag(), 200);
  EXPECT_EQ(bar->GetOrientation(), zrVertical);
  EXPECT_FLOAT_EQ(bar->GetRotateAngle(), 180);
  EXPECT_TRUE(bar->GetTracking());
  EXPECT_FLOAT_EQ(bar->GetMax(), 255);
  EXPECT_EQ(UTF16ToUTF8(Form.ValueLabel(200)->GetText()), "15000");
  EXPECT_FLOAT_EQ(Form.ValueLabel(200)->GetRotateAngle(), 270);
  // Point numbers from 100 on are set smaller.
  auto numberSize = [&](int n) {
    TzrListBoxItem* item = Form.HorzListBox1->ItemByIndex(n);
    for (int i = 0; i < item->GetChildrenCount(); ++i)
      if (auto* label = dynamic_cast<TzrLabel*>(item->GetChild(i)))
        return label->GetFont()->GetSize();
    return 0.0f;
  };
  EXPECT_NE(numberSize(98), 8);
  EXPECT_EQ(numberSize(99), 8);
}

TEST_F(Adjuster, BarNeverFallsBelowItsLeftNeighbour) {
  Build(64, 1000, 3000);
  Set(10, 2000);
  Set(11, 1500);
  EXPECT_FLOAT_EQ(Value(11), 2000);
  EXPECT_FLOAT_EQ(Value(9), 1000);
}

TEST_F(Adjuster, RightBarsRiseUpToTheFirstHighEnoughOne) {
  Build(64, 1000, 3000);
  Set(30, 2500);
  EXPECT_FLOAT_EQ(Value(63), 2500);
  Set(20, 2000);  // bars 21 to 29 rise; 30 is already higher
  for (int n = 21; n <= 29; ++n) EXPECT_FLOAT_EQ(Value(n), 2000) << n;
  EXPECT_FLOAT_EQ(Value(30), 2500);
  EXPECT_FLOAT_EQ(Value(19), 1000);
  // Every changed bar's value label shows its value.
  EXPECT_EQ(UTF16ToUTF8(Form.ValueLabel(25)->GetText()), "2000");
  EXPECT_EQ(UTF16ToUTF8(Form.ValueLabel(40)->GetText()), "2500");
  EXPECT_EQ(UTF16ToUTF8(Form.ValueLabel(5)->GetText()), "1000");
  EXPECT_EQ(UTF16ToUTF8(Form.Label65->GetText()), "2000");
}

TEST_F(Adjuster, LinearFillingInBothOrders) {
  const std::vector<float> line{110, 120, 130, 140, 150, 160, 170, 180, 190};
  for (const bool tenFirst : {true, false}) {
    TfrmAdjust form(nullptr);
    form.BuildTrackBars(256, 0, 255);
    form.CheckBox1->SetIsChecked(true);
    form.CheckBox1->OnClick(form.CheckBox1);
    ASSERT_EQ(form.FLastBar, 256);
    if (tenFirst) {
      form.TrackBar(10)->SetValue(100);
      form.TrackBar(20)->SetValue(200);
    } else {
      form.TrackBar(20)->SetValue(200);
      form.TrackBar(10)->SetValue(100);
    }
    std::vector<float> between;
    for (int n = 11; n <= 19; ++n) between.push_back(form.TrackBar(n)->GetValue());
    EXPECT_EQ(between, line) << tenFirst;
    EXPECT_FLOAT_EQ(form.TrackBar(21)->GetValue(), 200);
    EXPECT_EQ(form.FLastBar, tenFirst ? 20 : 10);
  }
}

TEST_F(Adjuster, LinearFillingRoundsHalvesToEven) {
  Build(256, 0, 255);
  LinearOn();
  Set(4, 2);  // marks bar 4
  Set(8, 7);  // step 1.25 from bar 4: 3.25, 4.5, 5.75 give 3, 4, 6
  EXPECT_EQ(Values(4, 8), (std::vector<float>{2, 3, 4, 6, 7}));
}

TEST_F(Adjuster, FallingCurveLoadsNonDecreasing) {
  Build(64, 1000, 3000);
  for (int n = 0; n < 64; ++n) Set(n, 3000 - 25 * n);
  for (int n = 0; n < 64; ++n) EXPECT_FLOAT_EQ(Value(n), 3000) << n;
  TfrmAdjust form(nullptr);
  form.BuildTrackBars(256, 0, 255);
  const int curve[] = {0, 10, 30, 20, 25, 60, 50};
  for (int n = 0; n < 7; ++n) form.TrackBar(n)->SetValue(curve[n]);
  std::vector<float> values;
  for (int n = 0; n < 8; ++n) values.push_back(form.TrackBar(n)->GetValue());
  EXPECT_EQ(values, (std::vector<float>{0, 10, 30, 30, 30, 60, 60, 60}));
}

// Ok and Cancel end the modal loop with results 1 and 2; the bars keep
// their values either way for the caller to read or drop.
TEST_F(Adjuster, ModalResults) {
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  for (const int result : {1, 2}) {
    TfrmAdjust form(nullptr);
    form.BuildTrackBars(64, 0, 255);
    form.TrackBar(3)->SetValue(40);
    TzrRoundButton* button = result == 1 ? form.btnOk : form.btnCancel;
    g_timeout_add(
        50,
        [](gpointer b) -> gboolean {
          static_cast<TzrRoundButton*>(b)->Click();
          return G_SOURCE_REMOVE;
        },
        button);
    EXPECT_EQ(form.ShowModal(), result);
    EXPECT_FLOAT_EQ(form.TrackBar(3)->GetValue(), 40);
  }
}

}  // namespace
