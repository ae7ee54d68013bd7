#pragma once
// TzrFrame: a node that shows the whole content of another scene inside its
// own. At run time it borrows the other scene's root (the root lives in at
// most one frame; a second frame asking for the same scene shows the root
// of a fresh copy of that scene's form, made when it first paints and freed
// with it); while designing it paints a snapshot of that root. The root
// goes back to its scene when the frame switches scene, loses it or is
// freed.

#include <memory>

#include "scene/zr_visual.h"

class TzrBitmap;
class TzrCustomScene;

class TzrFrame : public TzrVisualObject {
 public:
  explicit TzrFrame(TComponent* AOwner);
  ~TzrFrame() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The borrowed root is never written into the frame's form.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void Paint() override;

  TzrCustomScene* GetSceneObject() const { return FSceneObject; }
  // Nothing for the current scene or the frame's own scene.
  void SetSceneObject(TzrCustomScene* Value);
  TComponent* GetSceneComponent() const;
  void SetSceneComponent(TComponent* Value);
  // The scene is shown by another frame: a copy is made at the next paint.
  bool GetNeedClone() const { return FNeedClone; }

 private:
  void WatchScene(TzrCustomScene* Value);
  // Gives the borrowed root back to the shown scene and frees a copy made
  // for this frame (unless that scene is going anyway).
  void GiveBack();
  void Borrow();
  // The scene of a new copy of the shown scene's form, nil when none.
  TzrCustomScene* CloneScene();
  void PaintSnapshot();

  bool FNeedClone = false;
  TzrCustomScene* FSceneObject = nullptr;
  std::unique_ptr<TzrBitmap> FBuffer;
};
