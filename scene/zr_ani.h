#pragma once
// Animations: TzrAnimation, a node that changes a property of its parent as
// time goes on, the shared timer aniThread that drives every running
// animation, and the concrete animations (colours, gradients, numbers,
// rectangles, bitmaps, bitmap strips, key frames, paths).
//
// An animation keeps a local time between 0 and Duration, maps it through an
// easing curve to a progress (NormalizedTime) and its class applies that
// progress in ProcessAnimation. The engine calls a copy of OnFinish and
// OnProcess and touches nothing after them: a handler may free the animation.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Collection.h"
#include "platform/rtl/Rtti.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_object.h"

class TzrAnimation;
class TzrBitmap;
class TzrBounds;
class TzrGradient;
class TzrPathData;
class TzrSpline;
class TVirtualClock;

// ---------------------------------------------------------------- timer

// The one timer of the process that advances every running animation, every
// 33 ms on the GUI thread's main loop. It is armed only while an animation
// is listed; arming starts the elapsed time afresh, so the first step after
// an idle spell is one interval. Time is read only through the clock seam:
// under a test's virtual clock the timer ticks every 33 virtual ms as the
// clock moves, with no GLib timeout.
class TzrAniThread : public TTimer {
 public:
  static constexpr uint32_t Interval = 33;

  TzrAniThread();
  ~TzrAniThread() override;
  std::string ClassName() const override { return "TzrAniThread"; }

  // Appends the animation unless listed; arms the timer (again when the
  // clock in force has changed).
  void Add(TzrAnimation* AAnimation);
  // Removes the animation when listed; disarms the timer when the list empties.
  void Remove(TzrAnimation* AAnimation);
  bool Contains(const TzrAnimation* AAnimation) const;
  int Count() const { return static_cast<int>(FAniList.size()); }
  // Whether a timer (GLib timeout or virtual clock hook) is armed.
  bool Armed() const { return FArmed; }
  // Seconds since arming at the last processed tick, and between the last two.
  double GetTime() const { return double(FElapsedMs) / 1000.0; }
  double GetDeltaTime() const { return FDeltaTime; }

  // One step: measures the time since the last one and advances the listed
  // animations, last first.
  void Tick();

  // What a virtual clock calls after each advance (defined with the timer).
  struct THook;

 private:
  void Arm();
  void Disarm();
  // Armed on the clock now in force (the system clock's GLib timeout, or
  // the hook on this virtual clock).
  bool ArmedOnClockInForce() const;
  void ClockAdvanced(uint32_t Now);

  std::vector<TzrAnimation*> FAniList;
  bool FArmed = false;
  uint32_t FLastTick = 0;   // clock reading at arming or the last tick
  uint64_t FElapsedMs = 0;  // milliseconds since arming, summed from unsigned differences
  double FDeltaTime = 0;    // seconds
  // Virtual clock mode: the clock hooked, and the reading the next tick is due at.
  TVirtualClock* FVirtual = nullptr;
  std::shared_ptr<THook> FHook;
  uint32_t FDue = 0;
};

// The shared timer; nil until the first animation of a scene starts.
extern TzrAniThread* aniThread;
// Frees the shared timer (toolkit shut-down).
void zrFreeAniThread();

// ---------------------------------------------------------------- base

class TzrAnimation : public TzrObject, public IzrAnimation {
 public:
  explicit TzrAnimation(TComponent* AOwner);
  ~TzrAnimation() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Applies the current progress to the target; nothing here.
  virtual void ProcessAnimation() {}
  void Start() override;
  void Stop() override;
  // As Stop, but the target keeps its present value.
  virtual void StopAtCurrent();
  void StartTrigger(TzrObject* AInstance, const std::string& ATrigger) override;
  bool GetRunning() const override { return FRunning; }
  std::string GetTrigger() const override { return FTrigger; }

  // The eased progress, 0 without duration or while the delay runs.
  float NormalizedTime() const;
  // One step of DeltaTime seconds (Time is not used).
  void ProcessTick(float Time, float DeltaTime);

  // ---- properties
  TzrAnimationType GetAnimationType() const { return FAnimationType; }
  void SetAnimationType(TzrAnimationType Value) { FAnimationType = Value; }
  bool GetAutoReverse() const { return FAutoReverse; }
  void SetAutoReverse(bool Value) { FAutoReverse = Value; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  float GetDelay() const { return FDelay; }
  void SetDelay(float Value) { FDelay = Value; }
  float GetDuration() const { return FDuration; }
  void SetDuration(float Value) { FDuration = Value; }
  TzrInterpolationType GetInterpolation() const { return FInterpolation; }
  void SetInterpolation(TzrInterpolationType Value) { FInterpolation = Value; }
  bool GetInverse() const { return FInverse; }
  void SetInverse(bool Value) { FInverse = Value; }
  bool GetHideOnFinish() const { return FHideOnFinish; }
  void SetHideOnFinish(bool Value) { FHideOnFinish = Value; }
  bool GetLoop() const { return FLoop; }
  void SetLoop(bool Value) { FLoop = Value; }
  void SetTrigger(const std::string& Value) { FTrigger = Value; }
  const std::string& GetTriggerInverse() const { return FTriggerInverse; }
  void SetTriggerInverse(const std::string& Value) { FTriggerInverse = Value; }
  bool GetPause() const { return FPause; }
  void SetPause(bool Value) { FPause = Value; }
  // The local time in seconds.
  float GetCurrentTime() const { return FTime; }

  TNotifyEvent OnProcess;
  TNotifyEvent OnFinish;

 protected:
  // The target property: PropertyName cut at its dots from the parent.
  // Resolves once, while no target is held; false without a target. The
  // node the target was reached from is watched, so that its freeing drops
  // the target (the next start resolves again).
  bool ResolveTarget(const std::string& APropertyName);
  void ClearTarget();
  // Watches a node whose freeing drops the target (at most one at a time).
  void WatchNode(TzrObject* ANode);
  // The parent when it is a visual node (nil otherwise).
  TzrObject* VisualParent() const;
  // Fires a copy of the handler; false when the handler freed the animation.
  bool Fire(const TNotifyEvent& Event);

  TObject* FInstance = nullptr;            // object holding the target property
  const TPropInfo* FTargetProp = nullptr;  // the property on FInstance
  TzrObject* FWatched = nullptr;           // node watched for FInstance's sake
  // False once the destructor has started; copies tell callers whether a
  // handler freed the animation.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);

 private:
  friend class TzrAniThread;
  bool ParentHidden() const;
  bool ConditionsHold(TzrObject* AInstance, const std::string& AConditions) const;
  void FireFinish();

  float FDuration = 0.2f;
  float FDelay = 0;
  float FDelayTime = 0;
  float FTime = 0;
  bool FInverse = false;
  std::string FTrigger;
  std::string FTriggerInverse;
  bool FLoop = false;
  bool FPause = false;
  bool FRunning = false;
  bool FHideOnFinish = false;
  TzrInterpolationType FInterpolation = zrInterpolationLinear;
  TzrAnimationType FAnimationType = zrAnimationIn;
  bool FEnabled = false;
  bool FAutoReverse = false;
};

// ---------------------------------------------------------------- values

// Fades a colour property (colour text or ARGB integer).
class TzrColorAnimation : public TzrAnimation {
 public:
  explicit TzrColorAnimation(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;
  void Start() override;

  std::string GetStartValue() const;
  void SetStartValue(const std::string& Value);
  std::string GetStopValue() const;
  void SetStopValue(const std::string& Value);
  TzrColor GetStartColor() const { return FStartColor; }
  TzrColor GetStopColor() const { return FStopColor; }
  bool GetStartFromCurrent() const { return FStartFromCurrent; }
  void SetStartFromCurrent(bool Value) { FStartFromCurrent = Value; }
  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }

 private:
  TzrColor FStartColor = 0xFFFFFFFF;
  TzrColor FStopColor = 0xFFFFFFFF;
  std::string FPropertyName;
  bool FStartFromCurrent = false;
};

// Fades the stop colours of a gradient property.
class TzrGradientAnimation : public TzrAnimation {
 public:
  explicit TzrGradientAnimation(TComponent* AOwner);
  ~TzrGradientAnimation() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;
  void Start() override;

  TzrGradient* GetStartValue() const { return FStartGradient.get(); }
  void SetStartValue(TzrGradient* Value);
  TzrGradient* GetStopValue() const { return FStopGradient.get(); }
  void SetStopValue(TzrGradient* Value);
  bool GetStartFromCurrent() const { return FStartFromCurrent; }
  void SetStartFromCurrent(bool Value) { FStartFromCurrent = Value; }
  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }

 private:
  std::unique_ptr<TzrGradient> FStartGradient;
  std::unique_ptr<TzrGradient> FStopGradient;
  std::string FPropertyName;
  bool FStartFromCurrent = false;
};

// Moves a number property. Its target is resolved again at every start, so
// it follows a new parent.
class TzrFloatAnimation : public TzrAnimation {
 public:
  explicit TzrFloatAnimation(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;
  void Start() override;
  void Stop() override;

  float GetStartValue() const { return FStartFloat; }
  void SetStartValue(float Value) { FStartFloat = Value; }
  float GetStopValue() const { return FStopFloat; }
  void SetStopValue(float Value) { FStopFloat = Value; }
  bool GetStartFromCurrent() const { return FStartFromCurrent; }
  void SetStartFromCurrent(bool Value) { FStartFromCurrent = Value; }
  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }

 private:
  float FStartFloat = 0;
  float FStopFloat = 0;
  std::string FPropertyName;
  bool FStartFromCurrent = false;
};

// Moves the four sides of a bounds property (margins, paddings).
class TzrRectAnimation : public TzrAnimation {
 public:
  explicit TzrRectAnimation(TComponent* AOwner);
  ~TzrRectAnimation() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;
  void Start() override;

  TzrBounds* GetStartValue() const { return FStartRect.get(); }
  void SetStartValue(TzrBounds* Value);
  TzrBounds* GetStopValue() const { return FStopRect.get(); }
  void SetStopValue(TzrBounds* Value);
  bool GetStartFromCurrent() const { return FStartFromCurrent; }
  void SetStartFromCurrent(bool Value) { FStartFromCurrent = Value; }
  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }

 private:
  std::unique_ptr<TzrBounds> FStartRect;
  std::unique_ptr<TzrBounds> FCurrent;
  std::unique_ptr<TzrBounds> FStopRect;
  std::string FPropertyName;
  bool FStartFromCurrent = false;
};

// ---------------------------------------------------------------- bitmaps

// Cross-fades a bitmap property from StartValue to StopValue.
class TzrBitmapAnimation : public TzrAnimation {
 public:
  explicit TzrBitmapAnimation(TComponent* AOwner);
  ~TzrBitmapAnimation() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;

  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }
  TzrBitmap* GetStartValue() const { return FStartBitmap.get(); }
  void SetStartValue(TzrBitmap* Value);
  TzrBitmap* GetStopValue() const { return FStopBitmap.get(); }
  void SetStopValue(TzrBitmap* Value);

 private:
  std::string FPropertyName;
  std::unique_ptr<TzrBitmap> FStartBitmap;
  std::unique_ptr<TzrBitmap> FStopBitmap;
  std::unique_ptr<TzrBitmap> FCurrent;
};

// Shows the frames of a horizontal strip of AnimationCount equal frames in
// a bitmap property, one after the other.
class TzrBitmapListAnimation : public TzrAnimation {
 public:
  explicit TzrBitmapListAnimation(TComponent* AOwner);
  ~TzrBitmapListAnimation() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;

  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }
  TzrBitmap* GetAnimationBitmap() const { return FAnimationBitmap.get(); }
  void SetAnimationBitmap(TzrBitmap* Value);
  int GetAnimationCount() const { return FAnimationCount; }
  void SetAnimationCount(int Value) { FAnimationCount = Value; }
  // The frame the progress shows: counts below 1 count as 1, the index
  // stays inside the strip whatever the easing curve gives.
  int FrameIndex(float T) const;

 private:
  std::string FPropertyName;
  std::unique_ptr<TzrBitmap> FCurrent;
  int FAnimationCount = 1;
  std::unique_ptr<TzrBitmap> FAnimationBitmap;
};

// ---------------------------------------------------------------- key frames

// One key frame: its place along the run, 0..1.
class TzrKey : public TCollectionItem {
 public:
  explicit TzrKey(TCollection* ACollection) : TCollectionItem(ACollection) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  float GetKey() const { return FKey; }
  // Clamped to 0..1.
  void SetKey(float Value);

 private:
  float FKey = 0;
};

class TzrColorKey : public TzrKey {
 public:
  explicit TzrColorKey(TCollection* ACollection) : TzrKey(ACollection) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  std::string GetValue() const;
  void SetValue(const std::string& Value);
  TzrColor GetColor() const { return FValue; }
  void SetColor(TzrColor Value) { FValue = Value; }

 private:
  TzrColor FValue = 0;
};

class TzrFloatKey : public TzrKey {
 public:
  explicit TzrFloatKey(TCollection* ACollection) : TzrKey(ACollection) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  float GetValue() const { return FValue; }
  void SetValue(float Value) { FValue = Value; }

 private:
  float FValue = 0;
};

// Key frames, used in collection order (expected ascending by Key).
class TzrKeys : public TCollection {
 public:
  explicit TzrKeys(const TClassInfo* AItemClass) : TCollection(AItemClass) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrKey* GetKey(int Index) const { return static_cast<TzrKey*>(GetItem(Index)); }
  // The first adjacent pair enclosing Time; false with fewer than two keys
  // or when no pair encloses it.
  bool FindKeys(float Time, TzrKey*& Key1, TzrKey*& Key2) const;
};

class TzrColorKeyAnimation : public TzrAnimation {
 public:
  explicit TzrColorKeyAnimation(TComponent* AOwner);
  ~TzrColorKeyAnimation() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;
  void Start() override;

  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }
  TzrKeys* GetKeys() const { return FKeys.get(); }
  void SetKeys(TzrKeys* Value);
  bool GetStartFromCurrent() const { return FStartFromCurrent; }
  void SetStartFromCurrent(bool Value) { FStartFromCurrent = Value; }
  TzrColorKey* AddKey(float AKey, const std::string& AValue);

 private:
  std::string FPropertyName;
  std::unique_ptr<TzrKeys> FKeys;
  bool FStartFromCurrent = false;
};

class TzrFloatKeyAnimation : public TzrAnimation {
 public:
  explicit TzrFloatKeyAnimation(TComponent* AOwner);
  ~TzrFloatKeyAnimation() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;
  void Start() override;

  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }
  TzrKeys* GetKeys() const { return FKeys.get(); }
  void SetKeys(TzrKeys* Value);
  bool GetStartFromCurrent() const { return FStartFromCurrent; }
  void SetStartFromCurrent(bool Value) { FStartFromCurrent = Value; }
  TzrFloatKey* AddKey(float AKey, float AValue);

 private:
  std::string FPropertyName;
  std::unique_ptr<TzrKeys> FKeys;
  bool FStartFromCurrent = false;
};

// ---------------------------------------------------------------- paths

// Moves its visual parent along a path (relative to where it stood at the
// start), optionally turning it along the way.
class TzrPathAnimation : public TzrAnimation {
 public:
  explicit TzrPathAnimation(TComponent* AOwner);
  ~TzrPathAnimation() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ProcessAnimation() override;
  void Start() override;

  TzrPathData* GetPath() const { return FPath.get(); }
  void SetPath(TzrPathData* Value);
  bool GetRotate() const { return FRotate; }
  void SetRotate(bool Value) { FRotate = Value; }

 private:
  std::unique_ptr<TzrPathData> FPath;
  TzrPolygon FPolygon;
  TzrPoint FStart;
  bool FRotate = false;
  std::unique_ptr<TzrSpline> FSpline;
};

// Holds two path texts and a property name; it animates nothing.
class TzrPathSwitcher : public TzrAnimation {
 public:
  explicit TzrPathSwitcher(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  const std::string& GetPathTrue() const { return FPathTrue; }
  void SetPathTrue(const std::string& Value) { FPathTrue = Value; }
  const std::string& GetPathFalse() const { return FPathFalse; }
  void SetPathFalse(const std::string& Value) { FPathFalse = Value; }
  const std::string& GetPropertyName() const { return FPropertyName; }
  void SetPropertyName(const std::string& Value) { FPropertyName = Value; }

 private:
  std::string FPropertyName;
  std::string FPathTrue;
  std::string FPathFalse;
};

// Registers the ten animation classes under "Animations" (once).
void RegisterAnimationClasses();
