#pragma once
// Object model base: TObject, TPersistent, TComponent (owner frees what it
// owns), component state, removal notices and events.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TObject;
class TClassInfo;
class TFiler;
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TObject {
 public:
  virtual ~TObject() = default;
  // The class name as the object model knows it ("TfrmInterface"); by default
  // the name of the class's run-time type information.
  virtual std::string ClassName() const;
  // Run-time type information of the object's class (published properties,
  // factory, parent class). Classes that publish properties override it.
  virtual const TClassInfo* ClassType() const;
  static const TClassInfo* Class();
  // True when the object's class is AClass or derives from it.
  bool InheritsFrom(const TClassInfo* AClass) const;
};

// An object whose state can be copied from another and streamed.
class TPersistent : public TObject {
 public:
  const TClassInfo* ClassType() const override { return Class(); }
  static const TClassInfo* Class();
  // Copies Source into this object; the base asks Source to do it (AssignTo)
  // and raises EConvertError when neither side knows how.
  virtual void Assign(TPersistent* Source);
  // Lets a class offer stream entries of its own (binary or list data).
  virtual void DefineProperties(TFiler* Filer) { (void)Filer; }

 protected:
  virtual void AssignTo(TPersistent* Dest);
};

enum TOperation { opInsert, opRemove };

// Component state flags (combined in TComponentState).
enum : uint32_t {
  csLoading = 1,     // a stream is being read into the component
  csReading = 2,     // its own properties are being read
  csWriting = 4,     // it is being written to a stream
  csDestroying = 8,  // its destructor has started
  csDesigning = 16,  // it is being edited in a designer
};
using TComponentState = uint32_t;

class TComponent;
using TGetChildProc = std::function<void(TComponent* Child)>;

// A component belongs to an owner, which frees it when the owner is freed.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner = nullptr);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const TClassInfo* ClassType() const override { return Class(); }
  static const TClassInfo* Class();
  TComponent* GetOwner() const { return FOwner; }
  const std::string& GetName() const { return FName; }
  virtual void SetName(const std::string& name) { FName = name; }
  int GetTag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Component(int index) const { return FComponents[index]; }
  // Looks an owned component up by name, without regard to letter case.
  TComponent* FindComponent(const std::string& name) const;
  bool IsDestroying() const { return FDestroying; }

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // State flags (csLoading ...). The stream reader and designers set them.
  TComponentState GetComponentState() const;
  void SetComponentState(TComponentState Value) { FState = Value & ~csDestroying; }
  bool IsLoading() const { return (FState & csLoading) != 0; }
  bool IsDesigning() const { return (FState & csDesigning) != 0; }
  // Sets or clears csDesigning on the component and everything it owns.
  void SetDesigning(bool Value);

  // Called after a stream has been read into the component; clears csLoading.
  virtual void Loaded();
  // Removal notice: AComponent is going away (opRemove) or was inserted. The
  // base drops AComponent from the free-notification list and passes the
  // notice on to the owned components.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // AComponent receives Notification(this, opRemove) when this component is
  // freed (and vice versa); a component owned by the same owner is told anyway.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Streaming hooks: the children written with the component, the parent the
  // writer names, and the parent the reader gives each child it reads.
  virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* Value) { (void)Value; }
  virtual bool HasParent() const { return false; }

  // Design-time position kept for designers (Left in the low, Top in the high 16 bits).
  int32_t GetDesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int32_t Value) { FDesignInfo = Value; }

 protected:
  // Marks the component as being destroyed and sends the removal notices
  // while the object is still whole. Destructors of classes whose notices
  // need their own state call it first; the base destructor calls it too.
  void Destroying();

  bool FDestroying = false;

 private:
  TComponent* FOwner = nullptr;
  std::string FName;
  int FTag = 0;
  TComponentState FState = 0;
  int32_t FDesignInfo = 0;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};
