// The number box: clamping, commits of typed and pasted text, decimal forms,
// drag steps and Up/Down, none of which but an edit makes a change.

#include <gtest/gtest.h>

#include "platform/vcl/Clipbrd.h"
#include "text_fixture.h"

namespace {

constexpr uint16_t kEnter = 13, kUp = 38, kDown = 40, kInsert = 45;

class NumberBoxTest : public TextBoxTest {
 protected:
  TzrNumberBox* Number(float Y = 10) {
    auto* box = Make<TzrNumberBox>(10, Y);
    Count(box);
    Show();
    box->SetFocus();
    return box;
  }
};

}  // namespace

TEST_F(NumberBoxTest, CommitClampsTypedValuesAndRestoresTextThatIsNoNumber) {
  TzrNumberBox* box = Number();
  EXPECT_EQ(box->GetText(), u"0");
  box->SetMin(2);
  box->SetMax(50);
  TypeText(u"70");
  EXPECT_EQ(box->GetText(), u"70");
  Press(kEnter);
  EXPECT_EQ(box->GetText(), u"50");
  EXPECT_EQ(box->GetValue(), 50);
  EXPECT_EQ(Changes, 1);

  Clipboard()->SetAsText(u"abc");
  box->SelectAll();
  Type(u'v', ssCtrl);
  EXPECT_EQ(box->GetText(), u"50") << "the number filter swallows Ctrl+V";
  Press(kInsert, ssShift);
  EXPECT_EQ(box->GetText(), u"abc");
  Number(40);  // focus leaves: the commit restores the value's text
  EXPECT_EQ(box->GetText(), u"50");
  EXPECT_EQ(box->GetValue(), 50);

  box->SetValue(1);
  EXPECT_EQ(box->GetValue(), 2) << "Min wins below the range";
  box->SetMin(60);
  box->SetValue(30);
  EXPECT_EQ(box->GetValue(), 60) << "Min wins when the bounds cross";
}

TEST_F(NumberBoxTest, FloatValuesShowDecimalsAndCommitsTheSinglePrecisionValue) {
  TzrNumberBox* box = Number();
  box->SetMin(-10);
  box->SetValueType(zrValueFloat);
  const struct {
    float Value;
    const char16_t* Text;
  } shown[] = {{1.5f, u"1.50"}, {2, u"2"}, {-0.25f, u"-0.25"}, {3.999f, u"4.00"}};
  for (const auto& c : shown) {
    box->SetValue(c.Value);
    EXPECT_EQ(box->GetText(), Decimal(c.Text)) << c.Value;
  }
  Trackings = 0;
  box->SetValue(7);
  EXPECT_EQ(Trackings, 0) << "a value shown is no text change";
  box->SelectAll();
  TypeText(Decimal(u"0.1"));
  Press(kEnter);
  EXPECT_EQ(box->GetText(), Decimal(u"0.100000001490116"));
  EXPECT_FLOAT_EQ(box->GetValue(), 0.1f);
}

// A stream gives Value before ValueType: the fractional value must show as
// such, and focusing and leaving the box must keep it.
TEST_F(NumberBoxTest, StreamedFractionalValueShowsAndCommitsWhole) {
  TzrNumberBox* source = Number();
  source->SetValueType(zrValueFloat);
  source->SetValue(1.5f);
  auto* box = static_cast<TzrNumberBox*>(source->Clone(&Owner));
  box->SetParent(Root);
  box->GetPosition()->SetPoint({10, 40});
  Count(box);
  Show();
  EXPECT_EQ(box->GetText(), zrFixedValueText(1.5f, zrValueFloat, 2, 18));
  box->SetFocus();
  Number(70);  // focus leaves: the commit
  EXPECT_EQ(box->GetValue(), 1.5f);
  // A value the text rounds is kept by a commit without an edit, too.
  box->SetValue(0.125f);
  box->SetFocus();
  Press(kEnter);
  Number(100);
  EXPECT_EQ(box->GetValue(), 0.125f);
}

TEST_F(NumberBoxTest, DraggingStepsOncePerMove) {
  struct Case {
    const char* Name;
    std::vector<TzrPoint> Moves;
    float Delta;
    bool Vertical;
  } cases[] = {
      {"three moves right", {{31, 11}, {32, 11}, {33, 12}}, 3 * 2, false},
      {"two moves mostly up", {{30, 8}, {31, 2}}, 2 * 5, true},
      {"moves mostly down", {{31, 15}}, -5, true},
      {"a move without movement", {{30, 11}}, -2, false},
      {"left", {{10, 11}}, -2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TzrNumberBox* box = Number();
    box->SetMax(100);
    box->SetHorzIncrement(2);
    box->SetVertIncrement(5);
    box->SetValue(20);
    Changes = 0;
    Press(box, 30, 11);
    for (const TzrPoint& p : c.Moves) Move(box, p.X, p.Y);
    EXPECT_EQ(box->GetValue(), 20 + c.Delta);
    EXPECT_TRUE(box->GetPressed());
    EXPECT_EQ(box->GetPressedVert(), c.Vertical);
    Release(box, c.Moves.back().X, c.Moves.back().Y);
    EXPECT_FALSE(box->GetPressed());
    EXPECT_EQ(Changes, 1) << "the release commits the dragged value";
    delete box;
  }
}

TEST_F(NumberBoxTest, UpAndDownStepByTheHorizontalIncrementWithoutAChange) {
  TzrNumberBox* box = Number();
  box->SetHorzIncrement(3);
  box->SetVertIncrement(5);
  Press(kUp);
  Press(kUp);
  Press(kDown);
  EXPECT_EQ(box->GetValue(), 3);
  EXPECT_EQ(box->GetText(), u"3");
  Press(kEnter);
  EXPECT_EQ(Changes, 0);
  box->SelectAll();
  Type(u'1');
  Press(kEnter);
  EXPECT_EQ(box->GetValue(), 1);
  EXPECT_EQ(Changes, 1);
}

// Mended: a long typed number committed to a short value used to leave the
// view scrolled past the new text, showing only its last digit.
TEST_F(NumberBoxTest, CommittedShortValueShowsWholeAfterALongText) {
  TzrNumberBox* box = Number();
  TypeText(u"1234567890123456789012345");
  ASSERT_GT(box->GetFirstVisibleChar(), 1);
  Press(kEnter);
  EXPECT_EQ(box->GetText(), u"10");
  EXPECT_EQ(box->GetFirstVisibleChar(), 1);
  EXPECT_EQ(box->GetCharX(0), box->ContentRect().Left);
}
