#pragma once
// TzrEffect: the base of bitmap effects (shadow, glow, blur ...). An effect is
// a child of the visual node it decorates; the node renders itself into an
// off-screen bitmap, which each enabled effect processes and which is drawn
// under the node, over it (AfterPaint), or in its place (DisablePaint).
// Effects switch themselves on and off from property conditions of a
// control (Trigger, for example "IsFocused=true").

#include <string>

#include "scene/zr_geometry.h"
#include "scene/zr_object.h"

class TzrCanvas;
class TzrBitmap;

class TzrEffect : public TzrObject, public IzrEffect {
 public:
  explicit TzrEffect(TComponent* AOwner);
  // Leaves the decorated node while still an effect, so that the node
  // repaints the area with the effect's margins.
  ~TzrEffect() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetEnabled() const override { return FEnabled; }
  void SetEnabled(bool Value);
  const std::string& GetTrigger() const { return FTrigger; }
  void SetTrigger(const std::string& Value) { FTrigger = Value; }
  bool GetDisablePaint() const { return DisablePaint; }
  bool GetAfterPaint() const { return AfterPaint; }

  // The area the effect needs around a node whose local rectangle is ARect.
  virtual TzrRect GetRect(const TzrRect& ARect) { return ARect; }
  // Where the node sits inside the effect's bitmap.
  virtual TzrPoint GetOffset() = 0;
  // Transforms the node's off-screen rendering Visual in place; Data is the
  // node's absolute horizontal scale.
  virtual void ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) {
    (void)Canvas;
    (void)Visual;
    (void)Data;
  }
  // Walks all conditions of Trigger; the last one naming an enumeration
  // property of AInstance decides whether the effect is enabled.
  void ApplyTrigger(TzrObject* AInstance, const std::string& ATrigger) override;
  // Marks the parent's effect image and update rectangle stale and repaints
  // it with the effect's margins.
  void UpdateParentEffects();

 protected:
  // While enabled: the decorated node itself (with its children) is not
  // painted, only the effect output.
  bool DisablePaint = false;
  // While enabled: the effect is drawn after the node instead of before it.
  bool AfterPaint = false;

 private:
  bool FEnabled = true;
  std::string FTrigger;
};
