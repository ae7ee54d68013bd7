// Action links: an action's change reaches a linked control only while the
// control still shows the action's previous value; a property the program
// changed on the control stays. The control's defaults when the action is
// loading, unlinking when the action goes, and action updates from the
// scene.

#include <functional>

#include "platform/vcl/ActnList.h"
#include "scene/zr_action_link.h"
#include "tests/scene_popup/popup_fixture.h"
#include "tests/scene_popup/standins.h"

namespace {

struct TLinkCase {
  const char* Name;
  std::function<void(TAction&, int)> SetAction;     // the action's value number N
  std::function<void(TzrTextControl&)> SetOwn;      // the program's own value
  std::function<bool(TzrTextControl&, int)> Shows;  // control shows value number N
  std::function<bool(TzrTextControl&)> ShowsOwn;
};

int HandlerRuns[5] = {};
int OwnRuns = 0;
const TNotifyEvent kHandlers[5] = {
    [](TObject*) { ++HandlerRuns[0]; }, [](TObject*) { ++HandlerRuns[1]; },
    [](TObject*) { ++HandlerRuns[2]; }, [](TObject*) { ++HandlerRuns[3]; },
    [](TObject*) { ++HandlerRuns[4]; }};

// Calls the control's click handler; true when Counter moved.
bool Runs(TzrTextControl& C, const int& Counter) {
  const int before = Counter;
  if (C.OnClick) C.OnClick(&C);
  return Counter == before + 1;
}

std::vector<TLinkCase> LinkCases() {
  return {
      {"caption", [](TAction& A, int N) { A.SetCaption(u"Caption" + std::u16string(1, u'0' + N)); },
       [](TzrTextControl& C) { C.SetText(u"Own"); },
       [](TzrTextControl& C, int N) {
         return C.GetText() == u"Caption" + std::u16string(1, u'0' + N);
       },
       [](TzrTextControl& C) { return C.GetText() == u"Own"; }},
      {"enabled", [](TAction& A, int N) { A.SetEnabled(N % 2 == 0); },
       [](TzrTextControl& C) { C.SetEnabled(false); },
       [](TzrTextControl& C, int N) { return C.GetEnabled() == (N % 2 == 0); },
       [](TzrTextControl& C) { return !C.GetEnabled(); }},
      {"visible", [](TAction& A, int N) { A.SetVisible(N % 2 == 0); },
       [](TzrTextControl& C) { C.SetVisible(false); },
       [](TzrTextControl& C, int N) { return C.GetVisible() == (N % 2 == 0); },
       [](TzrTextControl& C) { return !C.GetVisible(); }},
      {"hint", [](TAction& A, int N) { A.SetHint(u"Hint" + std::u16string(1, u'0' + N)); },
       [](TzrTextControl& C) { C.SetHint(u"Own"); },
       [](TzrTextControl& C, int N) {
         return C.GetHint() == u"Hint" + std::u16string(1, u'0' + N);
       },
       [](TzrTextControl& C) { return C.GetHint() == u"Own"; }},
      // Linking copies no help: the help follows once it agrees (N 1 is 0).
      {"help", [](TAction& A, int N) { A.SetHelpContext(N == 1 ? 0 : 100 + N); },
       [](TzrTextControl& C) { C.SetHelpContext(7); },
       [](TzrTextControl& C, int N) { return C.GetHelpContext() == (N == 1 ? 0 : 100 + N); },
       [](TzrTextControl& C) { return C.GetHelpContext() == 7; }},
      {"execute handler", [](TAction& A, int N) { A.SetOnExecute(kHandlers[N]); },
       [](TzrTextControl& C) { C.OnClick = [](TObject*) { ++OwnRuns; }; },
       [](TzrTextControl& C, int N) { return Runs(C, HandlerRuns[N]); },
       [](TzrTextControl& C) { return Runs(C, OwnRuns); }},
  };
}

TEST(ActionLink, ControlFollowsTheActionUntilTheProgramChangesTheProperty) {
  for (const TLinkCase& c : LinkCases()) {
    SCOPED_TRACE(c.Name);
    TComponent owner(nullptr);
    auto* action = new TAction(&owner);
    auto* control = new TzrTextControl(&owner);
    c.SetAction(*action, 1);
    control->SetAction(action);
    EXPECT_TRUE(c.Shows(*control, 1)) << "linking copies the value";
    c.SetAction(*action, 2);
    EXPECT_TRUE(c.Shows(*control, 2)) << "a change follows";
    c.SetOwn(*control);
    c.SetAction(*action, 4);
    EXPECT_TRUE(c.ShowsOwn(*control)) << "the program's own value stays";
  }
}

TEST(ActionLink, ExecuteHandlerIsCalledThroughTheControl) {
  TComponent owner(nullptr);
  auto* action = new TAction(&owner);
  auto* control = new TzrTextControl(&owner);
  int runs = 0;
  action->SetOnExecute([&](TObject*) { ++runs; });
  control->SetAction(action);
  control->Click();
  EXPECT_EQ(runs, 1);
  int later = 0;
  action->SetOnExecute([&](TObject*) { ++later; });
  control->Click();
  EXPECT_EQ(later, 1) << "a new handler of the action reaches the linked control";
}

TEST(ActionLink, LoadingActionKeepsWhatTheControlHasOfItsOwn) {
  TComponent owner(nullptr);
  auto* action = new TAction(&owner);
  action->SetCaption(u"Save");
  action->SetHint(u"Saves");
  action->SetEnabled(true);
  action->SetComponentState(csLoading);
  auto* own = new TzrTextControl(&owner);
  own->SetText(u"Store");
  own->SetHint(u"Mine");
  own->SetEnabled(false);
  own->SetAction(action);
  EXPECT_EQ(own->GetText(), u"Store");
  EXPECT_EQ(own->GetHint(), u"Mine");
  EXPECT_FALSE(own->GetEnabled());

  auto* named = new TzrTextControl(&owner);
  named->SetName("Button1");
  named->SetText(u"Button1");  // its name as text counts as no text of its own
  named->SetAction(action);
  EXPECT_EQ(named->GetText(), u"Save");
  EXPECT_EQ(named->GetHint(), u"Saves");
}

TEST(ActionLink, FreedActionUnlinksAndHelpIsStoredOnlyWithoutLink) {
  TComponent owner(nullptr);
  auto* action = new TAction(nullptr);
  auto* control = new TzrTextControl(&owner);
  control->SetAction(action);
  action->SetHelpContext(5);
  EXPECT_EQ(control->GetHelpContext(), 5);
  EXPECT_FALSE(control->IsHelpContextStored());
  delete action;
  EXPECT_EQ(control->GetAction(), nullptr);
  EXPECT_TRUE(control->IsHelpContextStored());
  EXPECT_THROW(TzrControlActionLink{&owner}, EInvalidOperation);
}

class ActionSceneTest : public PopupTest {};

TEST_F(ActionSceneTest, SceneActionUpdatesReachLinkedControls) {
  TSceneForm main(60, 60, 200, 120);
  auto* control = new TzrTextControl(main.Form);
  control->SetParent(main.Root);
  TAction action(nullptr);
  int updates = 0;
  action.OnUpdate = [&](TObject*) { ++updates; };
  control->SetAction(&action);
  main.Scene->InitiateAction();
  EXPECT_EQ(updates, 1);
  control->SetVisible(false);
  main.Scene->InitiateAction();
  EXPECT_EQ(updates, 1) << "hidden controls are passed over";
  control->SetAction(nullptr);
}

TEST(ActionList, ListHandlesItsActionsFirst) {
  TActionList list(nullptr);
  TAction action(nullptr);
  action.SetActionList(&list);
  int own = 0, listed = 0;
  action.SetOnExecute([&](TObject*) { ++own; });
  list.OnExecute = [&](TBasicAction* A, bool& Handled) {
    ++listed;
    Handled = A == &action && listed == 1;
  };
  EXPECT_TRUE(action.Execute());
  EXPECT_EQ(own, 0) << "the list handled it";
  EXPECT_TRUE(action.Execute());
  EXPECT_EQ(own, 1);
  EXPECT_EQ(list.ActionCount(), 1);
  action.SetActionList(nullptr);
  EXPECT_EQ(list.ActionCount(), 0);
}

}  // namespace
