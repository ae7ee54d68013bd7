#pragma once
// Actions: a shared command (caption, enabled and visible state, hint, help
// and execute handler) that any number of controls link to. Each client
// holds a link; a change of the action goes through every link, which
// passes it on to its client only where the client still shows the
// action's previous value (the link's "linked" queries), and then the
// action's OnChange fires. An action list groups actions and may handle their
// execution and updates.
//
// Execute handlers are std::function values, which cannot be compared: an
// action hands its handler on wrapped with the number of its assignment
// (TActionHandler), so a client can tell whether the handler it holds is
// still the action's (SameHandler).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"

class TBasicActionLink;
class TCustomActionList;
class TCustomImageList;

// An execute handler as an action hands it on.
struct TActionHandler {
  TNotifyEvent Handler;
  uint64_t Id = 0;
  void operator()(TObject* Sender) const {
    if (Handler) Handler(Sender);
  }
};

// True when both are empty, or both are the same assignment of an action's
// execute handler.
bool SameHandler(const TNotifyEvent& A, const TNotifyEvent& B);

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner);
  ~TBasicAction() override;
  std::string ClassName() const override { return "TBasicAction"; }

  // Runs OnExecute (or the action list's handler first); true when handled.
  virtual bool Execute();
  // Runs OnUpdate (or the action list's handler first); true when handled.
  virtual bool Update();
  // The handler as the action hands it on (empty when none is set).
  TNotifyEvent GetOnExecute() const;
  virtual void SetOnExecute(const TNotifyEvent& Value);
  TNotifyEvent OnUpdate;
  // Told after every change of the action.
  TNotifyEvent OnChange;

  void RegisterChanges(TBasicActionLink* Value);
  void UnRegisterChanges(TBasicActionLink* Value);
  const std::vector<TBasicActionLink*>& Clients() const { return FClients; }

 protected:
  // Fires OnChange.
  void Change();

  TNotifyEvent FOnExecute;
  uint64_t FOnExecuteId = 0;
  std::vector<TBasicActionLink*> FClients;
};

// A client's link to an action: holds it and registers with it. The action
// passes each property change through the link's setters; Change tells the
// client to take all of the action's properties again (OnChange).
class TBasicActionLink : public TObject {
 public:
  explicit TBasicActionLink(TObject* AClient);
  ~TBasicActionLink() override;

  TBasicAction* GetAction() const { return FAction; }
  virtual void SetAction(TBasicAction* Value);
  void Change();
  bool Execute() { return FAction && FAction->Execute(); }
  bool Update() { return FAction && FAction->Update(); }
  virtual bool IsOnExecuteLinked() { return true; }
  virtual void SetOnExecute(const TNotifyEvent& Value) { (void)Value; }

  TNotifyEvent OnChange;

 protected:
  virtual void AssignClient(TObject* AClient) { (void)AClient; }

 private:
  friend class TBasicAction;
  TBasicAction* FAction = nullptr;
};

// An action that belongs to an action list, by category.
class TContainedAction : public TBasicAction {
 public:
  explicit TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  ~TContainedAction() override;
  std::string ClassName() const override { return "TContainedAction"; }
  bool Execute() override;
  bool Update() override;

  TCustomActionList* GetActionList() const { return FActionList; }
  void SetActionList(TCustomActionList* Value);
  const std::string& GetCategory() const { return FCategory; }
  void SetCategory(const std::string& Value) { FCategory = Value; }

 private:
  TCustomActionList* FActionList = nullptr;
  std::string FCategory;
};

// The action with the properties controls show. Every setter passes the
// new value through the links before storing it, and tells the links once.
class TCustomAction : public TContainedAction {
 public:
  explicit TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}
  std::string ClassName() const override { return "TCustomAction"; }

  const std::u16string& GetCaption() const { return FCaption; }
  void SetCaption(const std::u16string& Value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  const std::u16string& GetHint() const { return FHint; }
  void SetHint(const std::u16string& Value);
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value);
  const std::string& GetHelpKeyword() const { return FHelpKeyword; }
  void SetHelpKeyword(const std::string& Value);
  // 0 keyword, 1 context (the help types of the controls).
  int GetHelpType() const { return FHelpType; }
  void SetHelpType(int Value);
  // The picture in the action list's image list; -1 for none. A change makes
  // every client take the action's properties again.
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  void SetOnExecute(const TNotifyEvent& Value) override;

  // Lets the action adjust the hint shown for a client; true to show it.
  virtual bool DoHint(std::u16string& HintStr);
  std::function<void(std::u16string& HintStr, bool& CanShow)> OnHint;

 private:
  std::u16string FCaption;
  bool FEnabled = true;
  bool FVisible = true;
  std::u16string FHint;
  int FHelpContext = 0;
  std::string FHelpKeyword;
  int FHelpType = 1;  // context
  int FImageIndex = -1;
};

class TAction : public TCustomAction {
 public:
  explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
  std::string ClassName() const override { return "TAction"; }
};

// The link of a client that shows a full action's properties: the action
// calls these setters; each answers whether the client follows.
class TActionLink : public TBasicActionLink {
 public:
  using TBasicActionLink::TBasicActionLink;
  // The base answers whether the action is a full action.
  virtual bool IsCaptionLinked();
  virtual bool IsEnabledLinked();
  virtual bool IsHelpLinked();
  virtual bool IsHintLinked();
  virtual bool IsVisibleLinked();
  virtual void SetCaption(const std::u16string& Value) { (void)Value; }
  virtual void SetEnabled(bool Value) { (void)Value; }
  virtual void SetHelpContext(int Value) { (void)Value; }
  virtual void SetHelpKeyword(const std::string& Value) { (void)Value; }
  virtual void SetHelpType(int Value) { (void)Value; }
  virtual void SetHint(const std::u16string& Value) { (void)Value; }
  virtual void SetVisible(bool Value) { (void)Value; }
  // The action may adjust the hint; true to show it.
  virtual bool DoShowHint(std::u16string& HintStr);

 protected:
  TCustomAction* FullAction() const { return dynamic_cast<TCustomAction*>(GetAction()); }
};

// A list of contained actions; OnExecute and OnUpdate see every action of
// the list first and may handle it.
class TCustomActionList : public TComponent {
 public:
  explicit TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}
  ~TCustomActionList() override;
  std::string ClassName() const override { return "TCustomActionList"; }
  void Notification(TComponent* AComponent, TOperation Operation) override;

  int ActionCount() const { return int(FActions.size()); }
  TContainedAction* Actions(int Index) const { return FActions[size_t(Index)]; }
  virtual bool ExecuteAction(TBasicAction* Action);
  virtual bool UpdateAction(TBasicAction* Action);
  // The pictures the actions' image indexes refer to; forgotten when freed.
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  std::function<void(TBasicAction* Action, bool& Handled)> OnExecute;
  std::function<void(TBasicAction* Action, bool& Handled)> OnUpdate;

 private:
  friend class TContainedAction;
  std::vector<TContainedAction*> FActions;
  TCustomImageList* FImages = nullptr;
};

class TActionList : public TCustomActionList {
 public:
  using TCustomActionList::TCustomActionList;
  std::string ClassName() const override { return "TActionList"; }
};
