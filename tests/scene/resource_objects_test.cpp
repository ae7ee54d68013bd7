// Named shared resources: brushes, paths and bitmaps that values find by
// name on first use, drop when the node is freed and find again afterwards.
#include <gtest/gtest.h>

#include <memory>

#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_path.h"
#include "scene/zr_resource_objects.h"

namespace {

std::unique_ptr<TzrBrushObject> MakeBrush(const std::string& Name, TzrColor Color) {
  auto node = std::make_unique<TzrBrushObject>(nullptr);
  node->SetName(Name);
  node->GetBrush()->SetSolidColor(Color);
  return node;
}

// A brush node that shows how many values are linked to it.
class TTestBrushNode : public TzrBrushObject {
 public:
  TTestBrushNode() : TzrBrushObject(nullptr) {}
  size_t NotifyCount() const { return FNotifyList ? FNotifyList->size() : 0; }
};

// A node that counts as visual, for the visual brush reference.
class TTestVisualNode : public TzrObject {
 public:
  explicit TTestVisualNode(TComponent* AOwner) : TzrObject(AOwner) { FIsVisual = true; }
};

TEST(ZrBrushObject, StartsSolidWhiteAndTakesItsNameAsResourceName) {
  TzrBrushObject node(nullptr);
  EXPECT_EQ(node.GetBrush()->GetStyle(), zrBrushSolid);
  EXPECT_EQ(node.GetBrush()->GetSolidColor(), 0xFFFFFFFFu);
  node.SetName("brush1");
  EXPECT_EQ(node.GetResourceName(), "brush1");
  node.SetResourceName("selection");
  node.SetName("brush2");
  EXPECT_EQ(node.GetResourceName(), "selection") << "a given resource name stays";
}

TEST(ZrBrushResource, FindsTheNodeByNameWithoutRegardToCase) {
  auto node = MakeBrush("brush1", 0xFF336699);
  TzrBrush brush(zrBrushResource, 0xFF000000);
  brush.GetResource()->SetResourceName("Brush1");
  EXPECT_EQ(brush.GetResource()->GetResource(), nullptr) << "looked up lazily";
  EXPECT_EQ(brush.GetSolidColor(), 0xFF336699u);
  EXPECT_EQ(brush.GetResource()->GetResource(), node.get());
  EXPECT_EQ(brush.GetResource()->GetResourceName(), "brush1");
}

TEST(ZrBrushResource, NewestNodeWinsAndUnstoredNodesAreNotFound) {
  auto older = MakeBrush("shared", 0xFF000001);
  auto newer = MakeBrush("shared", 0xFF000002);
  TzrBrushResource reference;
  reference.SetResourceName("shared");
  EXPECT_EQ(reference.GetBrush(), newer->GetBrush());

  auto hidden = MakeBrush("hidden", 0xFF000003);
  hidden->SetStored(false);
  TzrBrushResource other;
  other.SetResourceName("hidden");
  EXPECT_EQ(other.GetBrush(), nullptr);
}

TEST(ZrBrushResource, IsRefoundAfterTheNodeIsReplaced) {
  auto node = MakeBrush("accent", 0xFF0000AA);
  TzrBrush brush(zrBrushResource, 0xFF000000);
  brush.GetResource()->SetResourceName("accent");
  EXPECT_EQ(brush.GetSolidColor(), 0xFF0000AAu);
  node.reset();
  EXPECT_EQ(brush.GetResource()->GetResource(), nullptr);
  EXPECT_EQ(brush.GetResource()->GetResourceName(), "accent");
  EXPECT_EQ(brush.GetSolidColor(), 0xFF000000u) << "no node: the own colour";
  auto replacement = MakeBrush("accent", 0xFF00AA00);
  EXPECT_EQ(brush.GetSolidColor(), 0xFF00AA00u);
  EXPECT_EQ(brush.GetResource()->GetResource(), replacement.get());
}

TEST(ZrBrushResource, NodesOfOtherClassesAreNotLinked) {
  TzrObject background(nullptr);
  background.SetResourceName("background");
  TzrBrushResource reference;
  reference.SetResourceName("background");
  EXPECT_EQ(reference.GetBrush(), nullptr);
  EXPECT_EQ(reference.GetResource(), nullptr);
}

TEST(ZrBrushResource, ChainsResolveAndCyclesEnd) {
  auto first = MakeBrush("first", 0xFF111111);
  auto second = MakeBrush("second", 0xFF222222);
  second->GetBrush()->SetStyle(zrBrushResource);
  second->GetBrush()->GetResource()->SetResourceName("first");
  TzrBrush brush(zrBrushResource, 0xFF000000);
  brush.GetResource()->SetResourceName("second");
  EXPECT_EQ(brush.GetSolidColor(), 0xFF111111u);

  // first now points back at second: the chain loops.
  first->GetBrush()->SetStyle(zrBrushResource);
  first->GetBrush()->GetResource()->SetResourceName("second");
  const TzrColor looped = brush.GetSolidColor();
  EXPECT_TRUE(looped == 0xFF111111u || looped == 0xFF222222u) << std::hex << looped;
}

TEST(ZrBrushResource, LinksJoinAndLeaveTheNodesNotifyList) {
  TTestBrushNode node;
  node.SetName("listed");
  {
    TzrBrush brush(zrBrushResource, 0xFF000000);
    brush.GetResource()->SetResourceName("listed");
    ASSERT_NE(brush.GetResource()->GetBrush(), nullptr);
    EXPECT_EQ(node.NotifyCount(), 1u);
    brush.GetResource()->GetBrush();
    EXPECT_EQ(node.NotifyCount(), 1u) << "linked once";
  }
  EXPECT_EQ(node.NotifyCount(), 0u) << "a freed reference leaves the list";
  {
    TzrBrushResource other;
    other.SetResource(&node);
    EXPECT_EQ(node.NotifyCount(), 1u);
    other.SetResource(nullptr);
    EXPECT_EQ(node.NotifyCount(), 0u);
  }
}

TEST(ZrBrushResource, AssignTakesTheLinkAndTheName) {
  auto node = MakeBrush("linked", 0xFF654321);
  TzrBrushResource source, copy;
  source.SetResource(node.get());
  EXPECT_EQ(source.GetResourceName(), "linked");
  copy.Assign(&source);
  EXPECT_EQ(copy.GetResource(), node.get());
  source.SetResource(nullptr);
  EXPECT_EQ(source.GetResourceName(), "linked") << "nil keeps the name";
}

TEST(ZrVisual, ReferenceDropsWhenTheNodeIsFreed) {
  auto node = std::make_unique<TTestVisualNode>(nullptr);
  TzrBrush brush(zrBrushVisual, 0xFF000000);
  int events = 0;
  brush.OnChanged = [&](TObject*) { ++events; };
  brush.GetVisual()->SetVisualObject(node.get());
  brush.GetVisual()->SetVisualObject(node.get());
  EXPECT_EQ(events, 1);
  node.reset();
  EXPECT_EQ(brush.GetVisual()->GetVisualNode(), nullptr);
  EXPECT_EQ(events, 1) << "dropping the link fires nothing";
  TzrObject plain(nullptr);
  brush.GetVisual()->SetVisualObject(&plain);
  EXPECT_EQ(brush.GetVisual()->GetVisualNode(), nullptr) << "only visual nodes are taken";
}

TEST(ZrPathObject, PathDataFollowsTheNamedPath) {
  auto node = std::make_unique<TzrPathObject>(nullptr);
  node->SetName("arrow");
  node->GetPath()->SetPathString("M 0,0 L 10,0 L 5,5 Z");
  TzrPathData path;
  path.SetResourceName("ARROW");
  ASSERT_EQ(path.GetPath(), node->GetPath());
  node.reset();
  EXPECT_EQ(path.GetResource(), nullptr);
  EXPECT_EQ(path.GetPath(), nullptr);
  auto replacement = std::make_unique<TzrPathObject>(nullptr);
  replacement->SetName("arrow");
  EXPECT_EQ(path.GetPath(), replacement->GetPath());
}

TEST(ZrBitmapObject, BitmapFollowsTheNamedBitmap) {
  auto node = std::make_unique<TzrBitmapObject>(nullptr);
  EXPECT_EQ(node->GetBitmap()->GetWidth(), 1);
  EXPECT_EQ(node->GetBitmap()->GetPixels(0, 0), 0u);
  node->SetName("logo");
  TzrBitmap bitmap;
  bitmap.SetResourceName("Logo");
  ASSERT_EQ(bitmap.GetBitmap(), node->GetBitmap());
  node.reset();
  EXPECT_EQ(bitmap.GetResource(), nullptr);
  EXPECT_EQ(bitmap.GetResourceName(), "logo");
  auto replacement = std::make_unique<TzrBitmapObject>(nullptr);
  replacement->SetName("logo");
  EXPECT_EQ(bitmap.GetBitmap(), replacement->GetBitmap());
}

}  // namespace
