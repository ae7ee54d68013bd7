#pragma once
// TzrObject: the node of every scene tree (shapes, controls, layouts, effects,
// animations, style parts, named resources).
//
// A node is a component: its owner frees it. The tree is separate: the parent
// paints and lays out its children, and frees them when it is freed first.
// Either way the node unlinks itself from the other side.

#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/rtl/Variants.h"
#include "scene/zr_ani_interp.h"  // easing curves and directions of animations
#include "scene/zr_intf.h"

class TStream;
class TEnumInfo;
class TzrVisualObject;

// What the tree drives on its animation children (TzrAnimation implements it).
class IzrAnimation {
 public:
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool GetRunning() const = 0;
  virtual std::string GetTrigger() const = 0;
  // Starts the animation when its trigger conditions, which must mention
  // ATrigger, hold for AInstance.
  virtual void StartTrigger(TzrObject* AInstance, const std::string& ATrigger) = 0;

 protected:
  ~IzrAnimation() = default;
};

// What the tree drives on its effect children (TzrEffect implements it).
class IzrEffect {
 public:
  virtual bool GetEnabled() const = 0;
  virtual void ApplyTrigger(TzrObject* AInstance, const std::string& ATrigger) = 0;

 protected:
  ~IzrEffect() = default;
};

// A value object that refers to a node (brush, path and bitmap resources,
// visual brushes): told when that node is freed, so that it drops the link.
class IzrFreeNotify {
 public:
  virtual void FreeNotify(TzrObject* AObject) = 0;

 protected:
  ~IzrFreeNotify() = default;
};

class TzrObject : public TComponent {
 public:
  explicit TzrObject(TComponent* AOwner);
  ~TzrObject() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Frees the node after Delay seconds, from the message loop.
  void Release(float Delay = 0.1f);

  // ---- tree
  virtual void AddObject(TzrObject* AObject);
  virtual void RemoveObject(TzrObject* AObject);
  virtual void Exchange(TzrObject* AObject1, TzrObject* AObject2);
  // Frees every child, last first; the node has no child list afterwards.
  virtual void DeleteChildren();
  TzrObject* GetParent() const { return FParent; }
  virtual void SetParent(TzrObject* Value);
  // Nil at or beyond the count; a negative index raises EListError.
  TzrObject* GetChild(int Index) const;
  int GetChildrenCount() const { return FChildren ? static_cast<int>(FChildren->size()) : 0; }
  int GetIndex();
  void SetIndex(int Index);
  void BringToFront();
  void SendToBack();
  // Orders the children by Compare (negative, zero, positive).
  void Sort(const std::function<int(TzrObject*, TzrObject*)>& Compare);
  // The node and then every descendant, depth first in child order.
  void AddObjectsToList(std::vector<TzrObject*>& AList);
  // As AddObjectsToList, but only controls (the walk passes through the rest).
  void AddControlsToList(std::vector<TzrObject*>& AList);
  // The first visual child with ClipParent set, nil when none.
  TzrObject* HasClipParent();
  // Class name of the items a container holds; empty here.
  virtual std::string ItemClass() { return ""; }

  // ---- scene
  IzoRurev* GetScene();
  virtual void SetNewScene(IzoRurev* AScene);
  // Called after the node was given a new parent.
  virtual void ChangeParent() {}

  // ---- names, bindings, data
  const std::string& GetResourceName() const { return FResourceName; }
  void SetResourceName(const std::string& Value);
  const std::string& GetBindingName() const { return FBindingName; }
  void SetBindingName(const std::string& Value);
  // First node below this one (not itself) whose ResourceName matches, depth
  // first; controls met on the way are tested but not searched.
  virtual TzrObject* FindResource(const std::string& AResource);
  // Lets every child re-apply its style (nothing while loading or destroying).
  virtual void UpdateResource();
  // This node or the first descendant whose BindingName matches.
  TzrObject* FindBinding(const std::string& ABinding);
  virtual Variant GetBinding(const std::string& Index);
  // Errors raised by the target's SetData are swallowed.
  virtual void SetBinding(const std::string& Index, const Variant& Value);
  virtual Variant GetData();
  virtual void SetData(const Variant& Value);

  bool GetStored() const { return FStored; }
  // Sets the flag on the node and every descendant.
  void SetStored(bool Value);
  bool GetIsVisual() const { return FIsVisual; }
  TzrVisualObject* GetVisual() const { return FVisual; }
  TObject* GetTagObject() const { return FTagObject; }
  void SetTagObject(TObject* Value) { FTagObject = Value; }
  float GetTagFloat() const { return FTagFloat; }
  void SetTagFloat(float Value) { FTagFloat = Value; }
  const std::string& GetTagString() const { return FTagString; }
  void SetTagString(const std::string& Value) { FTagString = Value; }

  // ---- free notification
  // AObject is told when this node is freed: IzrFreeNotify::FreeNotify, and
  // Notification(node, opRemove) when it is a component.
  void AddFreeNotify(TObject* AObject);
  void RemoveFreeNotify(TObject* AObject);

  // ---- animations
  void AnimateFloat(const std::string& APropertyName, float NewValue, float Duration = 0.2f,
                    TzrAnimationType AType = zrAnimationIn,
                    TzrInterpolationType AInterpolation = zrInterpolationLinear);
  void AnimateFloatDelay(const std::string& APropertyName, float NewValue, float Duration = 0.2f,
                         float Delay = 0, TzrAnimationType AType = zrAnimationIn,
                         TzrInterpolationType AInterpolation = zrInterpolationLinear);
  void AnimateColor(const std::string& APropertyName, const std::string& NewValue,
                    float Duration = 0.2f, TzrAnimationType AType = zrAnimationIn,
                    TzrInterpolationType AInterpolation = zrInterpolationLinear);
  void AnimateFloatWait(const std::string& APropertyName, float NewValue, float Duration = 0.2f,
                        TzrAnimationType AType = zrAnimationIn,
                        TzrInterpolationType AInterpolation = zrInterpolationLinear);
  virtual void StartAnimation(const std::string& AName);
  virtual void StopAnimation(const std::string& AName);
  virtual void StartTriggerAnimation(TzrObject* AInstance, const std::string& ATrigger);
  virtual void StartTriggerAnimationWait(TzrObject* AInstance, const std::string& ATrigger);
  virtual void StopTriggerAnimation(TzrObject* AInstance);
  virtual void ApplyTriggerEffect(TzrObject* AInstance, const std::string& ATrigger);

  // ---- streaming and cloning
  void LoadFromStream(TStream* AStream);  // text form
  void SaveToStream(TStream* Stream);     // text form
  void LoadFromBinStream(TStream* AStream);
  void SaveToBinStream(TStream* AStream);
  void IntLoadFromBinStream(TStream* AStream);
  void IntSaveToBinStream(TStream* AStream);
  // A new node of this class owned by AOwner, with the stored properties and
  // stored subtree of this one, no name, parent or scene.
  TzrObject* Clone(TComponent* AOwner);
  // Replaces the children by those of a design read from a text stream.
  void CloneChildFromStream(TStream* AStream);

  // ---- streaming hooks
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  bool HasParent() const override { return true; }

  // ---- what visual objects supply (empty here)
  virtual void Realign() {}
  virtual void Repaint() {}
  // A locked, not hit-testable visual node: a part of a style, which the
  // trigger walks descend into.
  virtual bool IsStylePart() const { return false; }

  // Position in ResourceList, -1 when not listed (kept by the list).
  int FResourceIndex = -1;

 protected:
  // Hooks around child list changes, for visual objects (alignment, effects,
  // repaint, tab order): after AObject was appended; before it is unlinked;
  // after it was unlinked.
  virtual void DoAddObject(TzrObject* AObject) { (void)AObject; }
  virtual void DoRemoveObject(TzrObject* AObject) { (void)AObject; }
  virtual void DoRemovedObject(TzrObject* AObject) { (void)AObject; }
  // After CloneChildFromStream moved the children of a visual design into
  // this visual node: re-anchor them from the design's size to this one's.
  virtual void AdoptDesignSize(TzrObject* ADesign) { (void)ADesign; }
  void ResetChildrenIndices(int From = 0);

  bool FStored = true;
  std::string FResourceName;
  std::vector<TObject*>* FNotifyList = nullptr;
  TObject* FTagObject = nullptr;
  float FTagFloat = 0;
  std::string FTagString;
  std::string FBindingName;
  int FIndex = -1;
  bool FIsVisual = false;  // set by TzrVisualObject's constructor
  TzrVisualObject* FVisual = nullptr;
  std::vector<TzrObject*>* FChildren = nullptr;
  TzrObject* FParent = nullptr;
  IzoRurev* FScene = nullptr;

 private:
  // Moves this node to place Index (clamped) among its parent's children;
  // false when it has no parent list to move in.
  bool MoveAmongSiblings(int Index);
  void StartTriggerWalk(TzrObject* AInstance, const std::string& ATrigger, bool Wait);
  TzrObject* CreateAnimation(const char* AClassName, const std::string& APropertyName,
                             float Duration, TzrAnimationType AType,
                             TzrInterpolationType AInterpolation);
};

// True when the object's class or one of its ancestors has the given name:
// how the tree recognises classes declared further up the toolkit.
bool zrClassIs(const TObject* AObject, const char* AClassName);

const TEnumInfo& zrInterpolationTypeInfo();
const TEnumInfo& zrAnimationTypeInfo();

// Watches a node across a call that may free it (an event handler, a nested
// message loop): Freed() turns true when the node is gone, and nothing of the
// node may be touched after that.
class TzrFreeWatch : public TObject, public IzrFreeNotify {
 public:
  explicit TzrFreeWatch(TzrObject* AObject) : FObject(AObject) {
    if (FObject) FObject->AddFreeNotify(this);
  }
  ~TzrFreeWatch() override {
    if (FObject) FObject->RemoveFreeNotify(this);
  }
  TzrFreeWatch(const TzrFreeWatch&) = delete;
  TzrFreeWatch& operator=(const TzrFreeWatch&) = delete;
  void FreeNotify(TzrObject* AObject) override {
    if (AObject == FObject) FObject = nullptr;
  }
  bool Freed() const { return FObject == nullptr; }

 private:
  TzrObject* FObject;
};
