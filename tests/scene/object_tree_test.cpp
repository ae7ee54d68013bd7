#include <glib.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/Clock.h"
#include "platform/rtl/Rtti.h"
#include "scene/zr_ani.h"
#include "scene/zr_control.h"
#include "scene/zr_visual.h"
#include "tests/scene/object_fixture.h"

namespace {

TTestNode* Node(TComponent* Owner, TzrObject* Parent, const std::string& Name) {
  auto* n = new TTestNode(Owner);
  n->SetName(Name);
  if (Parent) Parent->AddObject(n);
  return n;
}

std::string ChildNames(TzrObject* P) {
  std::string s;
  for (int i = 0; i < P->GetChildrenCount(); ++i) s += P->GetChild(i)->GetName();
  return s;
}

void ExpectIndicesTrue(TzrObject* P) {
  for (int i = 0; i < P->GetChildrenCount(); ++i) EXPECT_EQ(P->GetChild(i)->GetIndex(), i);
}

}  // namespace

TEST(ObjectTree, ReorderingKeepsEveryCachedIndexTrue) {
  TComponent owner;
  TTestNode* root = Node(&owner, nullptr, "root");
  TTestNode* n[5];
  for (int i = 0; i < 5; ++i) n[i] = Node(&owner, root, std::string(1, char('a' + i)));
  for (int i = 0; i < 5; ++i) n[i]->GetIndex();  // fill every cache first
  const struct {
    std::function<void()> op;
    const char* order;
  } steps[] = {
      {[&] { n[3]->BringToFront(); }, "abced"},
      {[&] { n[4]->SendToBack(); }, "eabcd"},
      {[&] { n[0]->SetIndex(3); }, "ebcad"},
      {[&] { root->RemoveObject(n[2]); }, "ebad"},
      {[&] { root->Exchange(n[4], n[3]); }, "dbae"},
      {[&] {
         root->Sort([](TzrObject* A, TzrObject* B) { return A->GetName().compare(B->GetName()); });
       },
       "abde"},
      {[&] { root->AddObject(n[2]); }, "abdec"},
      {[&] { delete n[1]; }, "adec"},
  };
  for (const auto& step : steps) {
    step.op();
    EXPECT_EQ(ChildNames(root), step.order);
    ExpectIndicesTrue(root);
  }
}

TEST(ObjectTree, AddingTheSameChildTwiceOrMovingItKeepsOneEntry) {
  TComponent owner;
  TTestNode* a = Node(&owner, nullptr, "a");
  TTestNode* b = Node(&owner, nullptr, "b");
  TTestNode* c = Node(&owner, a, "c");
  Node(&owner, a, "d");
  a->AddObject(c);
  EXPECT_EQ(ChildNames(a), "cd");
  b->AddObject(c);
  EXPECT_EQ(ChildNames(a), "d");
  EXPECT_EQ(ChildNames(b), "c");
  EXPECT_EQ(c->GetParent(), b);
  c->SetParent(nullptr);
  EXPECT_EQ(b->GetChildrenCount(), 0);
  EXPECT_EQ(c->GetParent(), nullptr);
  // A node that is no child of the receiver is left alone.
  TTestNode* e = Node(&owner, a, "e");
  b->RemoveObject(e);
  EXPECT_EQ(e->GetParent(), a);
  b->Exchange(e, c);
  EXPECT_EQ(ChildNames(a), "de");
  // Cycles are refused.
  EXPECT_THROW(e->AddObject(a), EInvalidOperation);
  EXPECT_THROW(a->AddObject(a), EInvalidOperation);
  EXPECT_EQ(a->GetParent(), nullptr);
}

TEST(ObjectTree, ChildLookupOutOfRange) {
  TTestNode node(nullptr);
  EXPECT_EQ(node.GetChild(0), nullptr);
  EXPECT_THROW(node.GetChild(-1), EListError);
  Node(&node, &node, "x");
  EXPECT_EQ(node.GetChild(1), nullptr);
  EXPECT_NE(node.GetChild(0), nullptr);
}

TEST(ObjectTree, FreeingAParentFreesChildrenWhicheverSideGoesFirst) {
  auto owner = std::make_unique<TComponent>();
  TTestNode* root = Node(owner.get(), nullptr, "root");
  TTestNode* mid = Node(nullptr, root, "mid");  // no owner: the tree frees it
  TTestNode* leaf = Node(owner.get(), mid, "leaf");
  TTestNode* other = Node(owner.get(), root, "other");
  // The owner frees a node that is still in the tree: it leaves its parent.
  delete other;
  EXPECT_EQ(ChildNames(root), "mid");
  delete root;  // frees mid and leaf
  EXPECT_EQ(owner->ComponentCount(), 0);
  (void)leaf;
  // Freeing the owner frees a tree whose nodes it owns in any order.
  TTestNode* r2 = Node(owner.get(), nullptr, "r2");
  TTestNode* c2 = Node(owner.get(), r2, "c2");
  Node(owner.get(), c2, "g2");
  owner.reset();
}

TEST(ObjectTree, SceneLinkFollowsEveryAttachAndDetach) {
  TTestScene scene(nullptr);
  TComponent owner;
  TTestNode* root = Node(&owner, nullptr, "root");
  TTestNode* child = Node(&owner, root, "child");
  TTestNode* leaf = Node(&owner, child, "leaf");
  scene.AddObject(root);
  EXPECT_EQ(leaf->GetScene(), &scene);
  EXPECT_EQ(scene.GetRoot(), root);
  child->SetParent(nullptr);
  EXPECT_EQ(leaf->GetScene(), nullptr);
  root->AddObject(child);
  EXPECT_EQ(leaf->GetScene(), &scene);
  // A top-level node leaves the scene when it gets a parent elsewhere ...
  TTestNode* other = Node(&owner, nullptr, "other");
  root->SetParent(other);
  EXPECT_TRUE(scene.Top.empty());
  EXPECT_EQ(leaf->GetScene(), nullptr);
  other->RemoveObject(root);
  scene.AddObject(root);
  // ... and tells the scene when it is freed.
  delete child;
  EXPECT_EQ(scene.Removed.back(), child);
  delete root;
  EXPECT_TRUE(scene.Top.empty());
  EXPECT_EQ(scene.GetRoot(), nullptr);
  EXPECT_FALSE(scene.ShowKeyboardForControl(other));
}

TEST(ObjectTree, FindResourceSkipsTheInsideOfControls) {
  TComponent owner;
  TTestNode* root = Node(&owner, nullptr, "root");
  auto* control = new TzrControl(&owner);
  root->AddObject(control);
  Node(&owner, control, "inControl")->SetResourceName("text");
  TTestNode* plain = Node(&owner, root, "plain");
  TTestNode* deep = Node(&owner, plain, "deep");
  deep->SetResourceName("TEXT");
  EXPECT_EQ(root->FindResource("text"), deep);
  // The control itself is tested; the node itself is not.
  control->SetResourceName("text");
  EXPECT_EQ(root->FindResource("Text"), control);
  root->SetResourceName("self");
  EXPECT_EQ(root->FindResource("self"), nullptr);
  EXPECT_EQ(root->FindResource(""), nullptr);
  // Controls are listed through non-controls.
  std::vector<TzrObject*> controls, all;
  root->AddControlsToList(controls);
  root->AddObjectsToList(all);
  EXPECT_EQ(controls, std::vector<TzrObject*>{control});
  EXPECT_EQ(all.size(), 5u);
}

TEST(ObjectTree, BindingsPreferTheReceiverThenEachChildBeforeItsDescendants) {
  TComponent owner;
  TTestNode* root = Node(&owner, nullptr, "root");
  TTestNode* a = Node(&owner, root, "a");
  TTestNode* deep = Node(&owner, a, "deep");
  TTestNode* b = Node(&owner, root, "b");
  deep->SetBindingName("value");
  b->SetBindingName("Value");
  EXPECT_EQ(root->FindBinding("VALUE"), deep);  // a's subtree comes before b
  a->SetBindingName("value");
  EXPECT_EQ(root->FindBinding("value"), a);
  root->SetBindingName("value");
  EXPECT_EQ(root->FindBinding("value"), root);
  EXPECT_EQ(root->GetBinding("nothing"), Variant(std::string()));
  EXPECT_EQ(root->GetBinding("value"), Variant(std::string("root")));
  root->SetBinding("value", Variant(1));  // the base takes nothing, raises nothing
}

TEST(ObjectTree, FreeNotificationClearsReferencesOfValuesAndComponents) {
  TComponent owner;
  TTestNode* resource = Node(&owner, nullptr, "res");
  TTestLink brush, path;
  brush.Target = path.Target = resource;
  resource->AddFreeNotify(&brush);
  resource->AddFreeNotify(&path);
  TTestNode* holder = Node(&owner, nullptr, "holder");
  holder->SetBuddy(resource);
  TTestLink gone;
  gone.Target = resource;
  resource->AddFreeNotify(&gone);
  resource->RemoveFreeNotify(&gone);
  delete resource;
  EXPECT_EQ(brush.Target, nullptr);
  EXPECT_EQ(path.Target, nullptr);
  EXPECT_EQ(holder->GetBuddy(), nullptr);
  EXPECT_NE(gone.Target, nullptr);  // unsubscribed: not told
}

// Told of a free, it unsubscribes another entry of the list, as an entry does
// whose handling frees another.
class TUnsubscribingLink : public TTestLink {
 public:
  void FreeNotify(TzrObject* AObject) override {
    TTestLink::FreeNotify(AObject);
    AObject->RemoveFreeNotify(Other);
  }
  TObject* Other = nullptr;
};

TEST(ObjectTree, AnEntryThatLeavesTheListWhileOthersAreToldIsNotTold) {
  TComponent owner;
  TTestNode* node = Node(&owner, nullptr, "node");
  TTestLink gone;
  TUnsubscribingLink first;  // joined last: told first
  gone.Target = first.Target = node;
  first.Other = &gone;
  node->AddFreeNotify(&gone);
  node->AddFreeNotify(&first);
  delete node;
  EXPECT_EQ(first.Target, nullptr);
  EXPECT_NE(gone.Target, nullptr);
}

TEST(ObjectTree, ResourceListFindsOnlyLiveStoredNodesNewestFirst) {
  TComponent owner;
  TTestNode* older = Node(&owner, nullptr, "older");
  TTestNode* newer = Node(&owner, nullptr, "newer");
  older->SetResourceName("Shared");
  newer->SetResourceName("shared");
  EXPECT_EQ(zr_classes::FindResource("SHARED"), newer);
  newer->SetStored(false);
  EXPECT_EQ(zr_classes::FindResource("shared"), older);
  const size_t before = ResourceList().size();
  for (int i = 0; i < 3000; ++i) {
    auto* t = new TTestNode(nullptr);
    t->SetResourceName("shared");
    delete t;
  }
  EXPECT_EQ(zr_classes::FindResource("shared"), older);
  // Freed entries do not pile up for ever.
  EXPECT_LT(ResourceList().size(), before + 3000);
  delete older;
  EXPECT_EQ(zr_classes::FindResource("shared"), nullptr);
  RemoveResource(newer);
  newer->SetStored(true);
  EXPECT_EQ(zr_classes::FindResource("shared"), nullptr);
  AddResource(newer);
  AddResource(newer);
  EXPECT_EQ(zr_classes::FindResource("shared"), newer);
}

TEST(ObjectTree, StoredFlagReachesTheWholeSubtree) {
  TComponent owner;
  TTestNode* root = Node(&owner, nullptr, "root");
  TTestNode* leaf = Node(&owner, Node(&owner, root, "mid"), "leaf");
  root->SetStored(false);
  EXPECT_FALSE(leaf->GetStored());
  root->SetStored(true);
  EXPECT_TRUE(leaf->GetStored());
}

TEST(ObjectTree, ContentChildrenAreStreamedAsTheParentsChildren) {
  TComponent owner;
  TTestNode* box = Node(&owner, nullptr, "box");
  auto* content = new TzrContent(&owner);
  content->SetName("content");
  box->AddObject(content);
  TTestNode* item = Node(&owner, content, "item");
  TTestNode* hidden = Node(&owner, content, "hidden");
  hidden->SetStored(false);
  std::vector<TComponent*> yielded;
  box->GetChildren([&](TComponent* C) { yielded.push_back(C); }, box);
  EXPECT_EQ(yielded, (std::vector<TComponent*>{item, content}));
  EXPECT_EQ(item->GetParentComponent(), box);
  EXPECT_EQ(content->GetParentComponent(), box);
  yielded.clear();
  content->GetChildren([&](TComponent* C) { yielded.push_back(C); }, box);
  EXPECT_TRUE(yielded.empty());
  // Without a parent, the scene's component stands in.
  TTestScene scene(nullptr);
  TTestNode* top = Node(&owner, nullptr, "top");
  scene.AddObject(top);
  EXPECT_EQ(top->GetParentComponent(), &scene);
  top->SetParentComponent(box);
  EXPECT_EQ(top->GetParent(), box);
}

TEST(ObjectTree, AnimationShortcutsCreateAnimationsByClassName) {
  RegisterTestClasses();
  TComponent owner;
  TTestNode* node = Node(&owner, nullptr, "node");
  TTestScene scene(nullptr);
  scene.AddObject(node);
  TScopedVirtualClock clock;
  node->Width = 4;
  node->AnimateFloat("Width", 8, 0.5f, zrAnimationOut, zrInterpolationBack);
  ASSERT_EQ(node->GetChildrenCount(), 1);
  auto* a = dynamic_cast<TzrFloatAnimation*>(node->GetChild(0));
  ASSERT_TRUE(a);
  EXPECT_TRUE(a->GetRunning());
  EXPECT_EQ(a->GetPropertyName(), "Width");
  EXPECT_EQ(a->GetStartValue(), 4);  // from the present value
  EXPECT_EQ(a->GetStopValue(), 8);
  EXPECT_EQ(a->GetDuration(), 0.5f);
  EXPECT_EQ(a->GetAnimationType(), zrAnimationOut);
  EXPECT_EQ(a->GetInterpolation(), zrInterpolationBack);
  clock->Advance(600);  // one late tick ends the run; the animation frees itself
  EXPECT_EQ(node->GetChildrenCount(), 0);
  EXPECT_EQ(node->Width, 8);

  node->AnimateColor("Fill.Color", "#FF00FF00");
  ASSERT_EQ(node->GetChildrenCount(), 1);
  clock->Advance(300);
  EXPECT_EQ(node->Fill->Color, "#FF00FF00");
  EXPECT_EQ(node->GetChildrenCount(), 0);

  node->AnimateFloatDelay("Width", 10, 0.2f, 0.5f);
  ASSERT_EQ(node->GetChildrenCount(), 1);
  auto* delayed = static_cast<TzrFloatAnimation*>(node->GetChild(0));
  EXPECT_EQ(delayed->GetDelay(), 0.5f);
  for (int i = 0; i < 30; ++i) clock->Advance(33);
  EXPECT_FALSE(delayed->GetRunning());
  EXPECT_EQ(node->Width, 10);
  EXPECT_EQ(node->GetChildrenCount(), 1);  // stays after finishing
  delete delayed;

  // Waiting pumps the message loop, whose steps move the clock and so the
  // animation, until it has finished; then it is freed.
  node->AnimateFloatWait("Width", 3);
  EXPECT_EQ(node->GetChildrenCount(), 0);
  EXPECT_EQ(node->Width, 3);
  scene.RemoveObject(node);
}

TEST(ObjectTree, AnimationsStartAndStopByNameAndTriggersWalkStyleParts) {
  RegisterTestClasses();
  TComponent owner;
  TTestNode* control = Node(&owner, nullptr, "button");
  auto* fade = new TTestAnimation(&owner);
  fade->SetName("Fade");
  fade->Trigger = "IsMouseOver=true";
  control->AddObject(fade);
  auto* untriggered = new TTestAnimation(&owner);
  untriggered->SetName("fade");
  control->AddObject(untriggered);
  TTestPart* part = new TTestPart(&owner);
  control->AddObject(part);
  auto* inner = new TTestAnimation(&owner);
  inner->Trigger = "IsPressed=true";
  part->AddObject(inner);
  auto* glow = new TTestEffect(&owner);
  part->AddObject(glow);
  TTestNode* plain = Node(&owner, control, "plain");  // not a style part: not walked
  auto* hiddenAnim = new TTestAnimation(&owner);
  plain->AddObject(hiddenAnim);

  control->StartAnimation("FADE");
  EXPECT_EQ(fade->Starts, 1);
  EXPECT_EQ(untriggered->Starts, 1);
  control->StopAnimation("fade");
  EXPECT_EQ(fade->Stops + untriggered->Stops, 2);

  control->StartTriggerAnimation(control, "IsMouseOver");
  EXPECT_EQ(fade->Triggers, std::vector<std::string>{"button:IsMouseOver"});
  EXPECT_EQ(inner->Triggers, std::vector<std::string>{"button:IsMouseOver"});
  EXPECT_TRUE(hiddenAnim->Triggers.empty());
  // Only animations with a trigger are stopped first.
  EXPECT_EQ(fade->Stops, 2);
  EXPECT_EQ(untriggered->Stops, 1);
  control->ApplyTriggerEffect(control, "IsFocused");
  EXPECT_EQ(glow->Applied, std::vector<std::string>{"button:IsFocused"});
}

TEST(ObjectTree, ClassNameTestsFollowTheTypeChain) {
  struct TSomeControl : TzrControl {
    using TzrControl::TzrControl;
  } control(nullptr);
  TTestNode node(nullptr);
  EXPECT_TRUE(zrClassIs(&control, "TzrControl"));
  EXPECT_TRUE(zrClassIs(&control, "tzrobject"));
  EXPECT_FALSE(zrClassIs(&node, "TzrControl"));
  EXPECT_FALSE(zrClassIs(nullptr, "TzrObject"));
  // Published properties of the tree: Index and Parent are reachable, not stored.
  control.SetParent(&node);
  EXPECT_EQ(GetPropValue(&control, "Index"), Variant(0));
  EXPECT_EQ(GetObjectProp(&control, "Parent"), &node);
  EXPECT_FALSE(GetPropInfo(&control, "Parent")->IsStored(&control));
  SetPropValue(&control, "Parent.Opacity", Variant(0.5));
  EXPECT_EQ(node.Opacity, 0.5);
  control.SetParent(nullptr);
}

TEST(ObjectTree, ReleaseFreesTheNodeLaterOnlyOnce) {
  auto* owner = new TComponent;
  auto* node = new TTestNode(owner);
  TTestNode watcher(nullptr);
  watcher.SetBuddy(node);
  node->Release(0.001f);
  EXPECT_EQ(watcher.GetBuddy(), node);  // not yet
  for (int i = 0; i < 10000 && watcher.GetBuddy(); ++i) g_main_context_iteration(nullptr, TRUE);
  EXPECT_EQ(watcher.GetBuddy(), nullptr);
  EXPECT_EQ(owner->ComponentCount(), 0);
  // A node freed before its timer fires is not freed twice.
  auto* early = new TTestNode(owner);
  early->Release(0.001f);
  delete owner;
  for (int i = 0; i < 20; ++i) g_main_context_iteration(nullptr, FALSE);
}

TEST(ObjectTree, SceneListHoldsEachSceneOnce) {
  TTestScene a(nullptr), b(nullptr);
  const size_t before = SceneList().size();
  AddScene(&a);
  AddScene(&a);
  AddScene(&b);
  EXPECT_EQ(SceneList().size(), before + 2);
  RemoveScene(&a);
  EXPECT_EQ(SceneList().back(), &b);
  RemoveScene(&b);
  EXPECT_EQ(SceneList().size(), before);
}
