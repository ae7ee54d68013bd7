#pragma once
// Object model base: TObject, TComponent (owner frees what it owns) and events.

#include <functional>
#include <string>
#include <vector>

class TObject;
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TObject {
public:
  virtual ~TObject() = default;
  // The class name as the object model knows it ("TfrmInterface").
  virtual std::string ClassName() const { return "TObject"; }
};

// A component belongs to an owner, which frees it when the owner is freed.
class TComponent : public TObject {
public:
  explicit TComponent(TComponent* AOwner = nullptr);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string ClassName() const override { return "TComponent"; }
  TComponent* GetOwner() const { return FOwner; }
  const std::string& GetName() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  int GetTag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Component(int index) const { return FComponents[index]; }
  // Looks an owned component up by name, without regard to letter case.
  TComponent* FindComponent(const std::string& name) const;
  bool IsDestroying() const { return FDestroying; }

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

protected:
  bool FDestroying = false;

private:
  TComponent* FOwner = nullptr;
  std::string FName;
  int FTag = 0;
  std::vector<TComponent*> FComponents;
};
