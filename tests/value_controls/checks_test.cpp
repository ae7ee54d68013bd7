// Check boxes and radio buttons: press, drag and release, double clicks,
// Enter and Space, scene-wide radio groups and the order of their OnChange
// calls, data values, the path check box's mark, and a radio button checked
// while its form loads.

#include "controls/zr_checks.h"
#include "controls/zr_objects_path.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_path.h"
#include "tests/controls/controls_fixture.h"

namespace {

class ChecksTest : public ControlsTest {
 protected:
  // Logs "<name> click" and "<name> change <state>" in order.
  template <class T>
  T* Named(const char* Name, float X, float Y, TzrVisualObject* Parent = nullptr) {
    T* c = Make<T>(X, Y, Parent);
    c->SetName(Name);
    c->OnClick = [this, c](TObject*) { Log.push_back(c->GetName() + " click"); };
    c->OnChange = [this, c](TObject*) {
      Log.push_back(c->GetName() + " change " + (c->GetIsChecked() ? "on" : "off"));
    };
    return c;
  }
  using Lines = std::vector<std::string>;
  Lines Log;
};

TEST_F(ChecksTest, PressAndReleaseToggleOnceAfterTheClick) {
  struct Move {
    float X, Y;
    bool PressedAfter;
  };
  struct Case {
    const char* Name;
    std::vector<Move> Moves;
    float UpX, UpY;
    Lines Wanted;
  } cases[] = {
      {"inside", {{60, 9, true}}, 60, 9, {"cb click", "cb change on"}},
      {"released outside", {{200, 9, false}}, 200, 9, {}},
      {"out and back in",
       {{200, 9, false}, {119, 18, true}},
       119,
       18,
       {"cb click", "cb change on"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Log.clear();
    auto* cb = Named<TzrCheckBox>("cb", 10, 10);
    Show();
    Press(cb, 10, 9);
    EXPECT_TRUE(cb->GetIsPressed());
    for (const Move& m : c.Moves) {
      ControlsTest::Move(cb, m.X, m.Y);
      EXPECT_EQ(cb->GetIsPressed(), m.PressedAfter);
    }
    Release(cb, c.UpX, c.UpY);
    EXPECT_FALSE(cb->GetIsPressed());
    EXPECT_EQ(Log, c.Wanted);
    EXPECT_EQ(cb->GetIsChecked(), !c.Wanted.empty());
    delete cb;
  }
}

TEST_F(ChecksTest, EachHalfOfADoubleClickToggles) {
  auto* cb = Named<TzrCheckBox>("cb", 10, 10);
  Press(cb, 5, 5);
  Release(cb, 5, 5);
  Press(cb, 5, 5, true);
  Release(cb, 5, 5);
  EXPECT_EQ(Log, (Lines{"cb click", "cb change on", "cb change off"}));
  EXPECT_FALSE(cb->GetIsChecked());
}

TEST_F(ChecksTest, EnterAndSpaceToggleButLeaveACheckedRadioButton) {
  auto* cb = Named<TzrCheckBox>("cb", 10, 10);
  int keys = 0;
  cb->OnKeyDown = [&](TObject*, uint16_t&, char16_t&, TShiftState) { ++keys; };
  cb->SetFocus();
  Key(13);
  Key(32);
  Key(65);
  EXPECT_EQ(Log, (Lines{"cb change on", "cb change off"}));
  EXPECT_EQ(keys, 3);

  auto* rb = Named<TzrRadioButton>("rb", 10, 40);
  rb->SetFocus();
  Key(32);
  EXPECT_TRUE(rb->GetIsChecked());
  Log.clear();
  Key(32);
  Key(13);
  EXPECT_TRUE(rb->GetIsChecked());
  EXPECT_TRUE(Log.empty());
  rb->SetIsChecked(true);
  cb->SetIsChecked(false);
  EXPECT_TRUE(Log.empty()) << "an equal value fires nothing";
}

TEST_F(ChecksTest, RadioGroupsSpanTheSceneByExactName) {
  auto* box1 = Make<TzrGroupBox>(0, 0);
  auto* box2 = Make<TzrGroupBox>(0, 100);
  auto* a = Named<TzrRadioButton>("a", 5, 5, box1);
  auto* b = Named<TzrRadioButton>("b", 5, 5, box2);
  auto* c = Named<TzrRadioButton>("c", 5, 30, box2);
  auto* upper = Named<TzrRadioButton>("upper", 5, 55, box2);
  auto* blank1 = Named<TzrRadioButton>("blank1", 5, 30, box1);
  auto* blank2 = Named<TzrRadioButton>("blank2", 5, 55, box1);
  for (auto* r : {a, b}) r->SetGroupName("channel");
  c->SetGroupName("other");
  upper->SetGroupName("Channel");
  for (auto* r : {a, c, upper, blank1}) r->SetIsChecked(true);
  Log.clear();
  ClickOn(b);
  EXPECT_EQ(Log, (Lines{"b click", "a change off", "b change on"}))
      << "the old member's OnChange first, in another group box";
  EXPECT_TRUE(c->GetIsChecked()) << "another name";
  EXPECT_TRUE(upper->GetIsChecked()) << "names compare with case";
  blank2->SetIsChecked(true);
  EXPECT_FALSE(blank1->GetIsChecked()) << "the empty name is a group too";

  Log.clear();
  b->SetIsChecked(false);
  EXPECT_TRUE(b->GetIsChecked()) << "the only checked member stays checked";
  ClickOn(b);
  EXPECT_TRUE(b->GetIsChecked());
  EXPECT_EQ(Log, (Lines{"b click"}));

  auto* loose = new TzrRadioButton(&Owner);
  loose->SetIsChecked(true);
  loose->SetIsChecked(false);
  EXPECT_TRUE(loose->GetIsChecked()) << "outside a scene: checked, never unchecked";
  delete loose;
}

TEST_F(ChecksTest, RadioButtonStreamedCheckedWhileItsFormLoads) {
  const std::string text =
      "object TzrVisualObject\r\n"
      "  object TzrRadioButton\r\n"
      "    GroupName = 'g'\r\n"
      "    IsChecked = True\r\n"
      "  end\r\n"
      "  object TzrRadioButton\r\n"
      "    GroupName = 'g'\r\n"
      "    IsChecked = False\r\n"
      "  end\r\n"
      "end\r\n";
  auto* holder = Make<TzrVisualObject>(0, 0);
  TMemoryStream stream;
  stream.Write(text.data(), int32_t(text.size()));
  stream.SetPosition(0);
  holder->LoadFromStream(&stream);
  ASSERT_EQ(holder->GetChildrenCount(), 2);
  auto* first = dynamic_cast<TzrRadioButton*>(holder->GetChild(0));
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->GetIsChecked());
}

TEST_F(ChecksTest, DataValues) {
  auto* cb = Named<TzrCheckBox>("cb", 10, 10);
  struct {
    Variant Value;
    bool Checked;
  } cases[] = {
      {Variant(true), true}, {Variant(1), false}, {Variant(true), true}, {Variant("True"), false}};
  for (const auto& c : cases) {
    cb->SetData(c.Value);
    EXPECT_EQ(cb->GetIsChecked(), c.Checked) << c.Value.ToString();
    EXPECT_EQ(cb->GetData().ToBool(), c.Checked);
  }
  int fired = 0;
  cb->SetData(EventToVariant([&](TObject*) { ++fired; }, &Owner));
  cb->SetIsChecked(true);
  EXPECT_EQ(fired, 1) << "an event handle becomes OnChange";
}

TEST_F(ChecksTest, PathCheckBoxHandsItsMarkToTheStyle) {
  auto* pcb = Make<TzrPathCheckBox>(10, 10);
  Show();
  auto* mark = dynamic_cast<TzrCustomPath*>(pcb->FindResource("checkmark"));
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->GetPathData()->GetPathString(), pcb->GetPath()->GetPathString());
  EXPECT_NE(pcb->GetPath()->GetPathString().find("341.236"), std::string::npos);
  TzrPathData cross;
  cross.SetPathString("M 0,0 L 10,10 M 10,0 L 0,10");
  pcb->SetPath(&cross);
  EXPECT_EQ(mark->GetPathData()->GetPathString(), cross.GetPathString());
}

TEST_F(ChecksTest, CheckedLookFollowsTheState) {
  auto* cb = Make<TzrCheckBox>(10, 10);
  cb->SetIsChecked(true);
  Show();
  Wait(400);
  auto* mark = dynamic_cast<TzrShape*>(cb->FindResource("checkmark"));
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->GetFill()->GetSolidColor() >> 24, 0xFFu) << "a new style shows the state";
  cb->SetIsChecked(false);
  Wait(400);
  EXPECT_EQ(mark->GetFill()->GetSolidColor() >> 24, 0u);
}

}  // namespace
