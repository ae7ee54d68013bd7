#pragma once
// Node classes for the object tree and stream tests: one of each property
// kind, class-defined entries (text, list and binary), a collection, a
// control, a content container, an animation and an effect.

#include <string>
#include <vector>

#include "platform/rtl/Collection.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_object.h"

enum TTestAlign { taNone, taTop, taClient };

// A position with a class-defined "Point" entry, like the toolkit's.
class TTestPosition : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  float GetX() const { return X; }
  void SetX(float V) { X = V; }
  float GetY() const { return Y; }
  void SetY(float V) { Y = V; }
  void DefineProperties(TFiler* Filer) override;
  float X = 0, Y = 0;
};

// A brush with a colour text: "Fill.Color".
class TTestBrush : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string GetColor() const { return Color; }
  void SetColor(const std::string& V) { Color = V; }
  std::string Color = "#FFFFFFFF";
};

// Lines streamed as a list ("Items.strings") and bytes as binary ("Bitmap.PNG").
class TTestLines : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void DefineProperties(TFiler* Filer) override;
  std::vector<std::u16string> Lines;
};
class TTestBitmap : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void DefineProperties(TFiler* Filer) override;
  std::vector<uint8_t> Bytes;
};

class TTestPoint : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  float GetOffset() const { return Offset; }
  void SetOffset(float V) { Offset = V; }
  std::string GetColor() const { return Color; }
  void SetColor(const std::string& V) { Color = V; }
  void Assign(TPersistent* Source) override;
  float Offset = 0;
  std::string Color;
};

class TTestNode : public TzrObject {
 public:
  explicit TTestNode(TComponent* AOwner);
  ~TTestNode() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  float GetWidth() const { return Width; }
  void SetWidth(float V) { Width = V; }
  double GetOpacity() const { return Opacity; }
  void SetOpacity(double V) { Opacity = V; }
  bool GetVisible() const { return Visible; }
  void SetVisible(bool V) { Visible = V; }
  bool GetEnabled() const { return Enabled; }
  void SetEnabled(bool V) { Enabled = V; }
  TTestAlign GetAlign() const { return Align; }
  void SetAlign(TTestAlign V) { Align = V; }
  uint32_t GetCorners() const { return Corners; }
  void SetCorners(uint32_t V) { Corners = V; }
  std::string GetCaption() const { return Caption; }
  void SetCaption(const std::string& V) { Caption = V; }
  std::u16string GetText() const { return Text; }
  void SetText(const std::u16string& V) { Text = V; }
  int64_t GetBig() const { return Big; }
  void SetBig(int64_t V) { Big = V; }
  uint32_t GetColor() const { return Color; }
  void SetColor(uint32_t V) { Color = V; }
  int GetCursor() const { return Cursor; }
  void SetCursor(int V) { Cursor = V; }
  TTestNode* GetBuddy() const { return Buddy; }
  void SetBuddy(TTestNode* V);
  TTestPosition* GetPosition() const { return Position; }
  TTestBrush* GetFill() const { return Fill; }
  TTestLines* GetItems() const { return Items; }
  TTestBitmap* GetBitmap() const { return Bitmap; }
  TCollection* GetPoints() const { return Points; }
  TTestBrush* GetExtra() const { return Extra; }
  Variant GetValue() const { return Value; }
  void SetValue(const Variant& V) { Value = V; }
  void SetExtra(TTestBrush* V) { Extra = V; }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

  TNotifyEvent OnClick;
  float Width = 0;
  double Opacity = 1;
  bool Visible = true;
  bool Enabled = true;
  TTestAlign Align = taNone;
  uint32_t Corners = 0;
  std::string Caption;
  std::u16string Text;
  int64_t Big = 0;
  int Cursor = 0;
  uint32_t Color = 0;
  TTestNode* Buddy = nullptr;
  TTestPosition* Position = new TTestPosition;
  TTestBrush* Fill = new TTestBrush;
  TTestLines* Items = new TTestLines;
  TTestBitmap* Bitmap = new TTestBitmap;
  TCollection* Points = new TCollection(TTestPoint::Class());
  TTestBrush* Extra = nullptr;
  Variant Value;
  int LoadedCalls = 0;
};

// A root class with a published handler.
class TTestForm : public TTestNode {
 public:
  using TTestNode::TTestNode;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void ButtonClick(TObject* Sender) { Clicked = Sender; }
  TObject* Clicked = nullptr;
};

// A second node class, for streams that hold nodes of several classes.
class TTestControl : public TTestNode {
 public:
  using TTestNode::TTestNode;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

// A style part: trigger walks descend into it.
class TTestPart : public TTestNode {
 public:
  using TTestNode::TTestNode;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  bool IsStylePart() const override { return true; }
};

// An animation as far as the tree drives it: records what it is asked.
class TTestAnimation : public TzrObject, public IzrAnimation {
 public:
  using TzrObject::TzrObject;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Start() override;
  void Stop() override;
  bool GetRunning() const override { return Running; }
  std::string GetTrigger() const override { return Trigger; }
  void StartTrigger(TzrObject* AInstance, const std::string& ATrigger) override;

  std::string Trigger;
  bool Running = false;
  int Starts = 0, Stops = 0;
  std::vector<std::string> Triggers;  // what StartTrigger was called with
};

class TTestEffect : public TzrObject, public IzrEffect {
 public:
  using TzrObject::TzrObject;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  bool GetEnabled() const override { return true; }
  void ApplyTrigger(TzrObject* AInstance, const std::string& ATrigger) override {
    Applied.push_back(AInstance->GetName() + ":" + ATrigger);
  }
  std::vector<std::string> Applied;
};

// A scene that records what the tree asks of it.
class TTestScene : public TComponent, public IzoRurev {
 public:
  using TComponent::TComponent;
  void AddObject(TzrObject* AObject) override {
    Top.push_back(AObject);
    AObject->SetNewScene(this);
  }
  void RemoveObject(TzrObject* AObject) override {
    std::erase(Top, AObject);
    AObject->SetNewScene(nullptr);
  }
  void BeginDrag() override {}
  void BeginResize() override {}
  void AddUpdateRect(const TzrRect&) override {}
  void InsertObject(const std::string&) override {}
  TzrControl* GetActiveControl() override { return nullptr; }
  bool GetDisableUpdate() override { return false; }
  void SetDisableUpdate(bool) override {}
  bool GetDesignTime() override { return DesignTime; }
  TzrCanvas* GetCanvas() override { return Canvas; }
  TzrObject* GetRoot() override { return Top.empty() ? nullptr : Top[0]; }
  TComponent* GetOwner() override { return TComponent::GetOwner(); }
  TComponent* GetComponent() override { return this; }
  TzrResources* GetStyle() override { return nullptr; }
  void SetStyle(TzrResources*) override {}
  bool GetTransparency() override { return false; }
  void UpdateResource() override {}
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) Removed.push_back(AComponent);
  }
  TzrVisualObject* GetSelected() override { return nullptr; }
  TzrVisualObject* GetDesignPlaceObject() override { return nullptr; }
  int GetUpdateRectsCount() override { return 0; }
  TzrRect GetUpdateRect(int) override { return {}; }
  void SetCaptured(TzrVisualObject*) override {}
  TzrVisualObject* GetCaptured() override { return nullptr; }
  void SetFocused(TzrVisualObject*) override {}
  TzrVisualObject* GetFocused() override { return nullptr; }
  void SetDesignRoot(TzrVisualObject*) override {}
  TzrPoint GetMousePos() override { return {}; }
  TzrPoint LocalToScreen(const TzrPoint& P) override { return P; }
  void BeginVCLDrag(TObject*, TzrBitmap*) override {}
  void DoDesignSelect(TObject*) override {}
  bool GetAnimatedCaret() override { return false; }
  bool ShowKeyboardForControl(TzrObject*) override { return false; }
  bool HideKeyboardForControl(TzrObject*) override { return false; }

  std::vector<TzrObject*> Top;
  std::vector<TComponent*> Removed;
  bool DesignTime = false;
  TzrCanvas* Canvas = nullptr;
};

// A value object that points at a node and must be told when it goes.
class TTestLink : public TObject, public IzrFreeNotify {
 public:
  void FreeNotify(TzrObject* AObject) override {
    if (AObject == Target) Target = nullptr;
  }
  TzrObject* Target = nullptr;
};

// Registers the test classes under "Test" and the toolkit's animations (idempotent).
void RegisterTestClasses();

// Bytes of a stream.
std::string StreamBytes(TStream& S);
TMemoryStream* MemoryFrom(const std::string& Bytes);
// Text form of a node, and a node's binary form.
std::string TextOf(TzrObject* Node);
std::string BinaryOf(TzrObject* Node);
