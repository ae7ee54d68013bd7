#pragma once
// Main menu and menu items. Items keep their state (caption, check mark,
// radio grouping, enabled, visible) whether or not a GTK menu shows them.

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"

typedef struct _GtkWidget GtkWidget;

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }

  // Caption with "&" before the mnemonic letter ("&File"); "-" is a separator.
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool GetChecked() const { return FChecked; }
  // Checking a radio item unchecks the other radio items of its group index
  // under the same parent.
  void SetChecked(bool value);
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value) { FRadioItem = value; }
  int GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  bool GetAutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool value) { FAutoCheck = value; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }

  // Sub-items, in order. Add takes ownership (as a component of this item).
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(index); }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return FParent; }

  // What a user's click does: auto-check, then OnClick.
  void Click();
  TNotifyEvent OnClick;

  // The GTK widget showing this item, when the menu is shown.
  GtkWidget* Widget() const { return FWidget; }
  void AttachWidget(GtkWidget* widget);

private:
  void SyncWidget();
  std::string FCaption;
  bool FChecked = false;
  bool FRadioItem = false;
  int FGroupIndex = 0;
  bool FAutoCheck = false;
  bool FEnabled = true;
  bool FVisible = true;
  std::string FHint;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  GtkWidget* FWidget = nullptr;
  bool FSyncing = false;
};

class TMainMenu : public TComponent {
public:
  explicit TMainMenu(TComponent* AOwner);
  std::string ClassName() const override { return "TMainMenu"; }
  // The invisible root whose sub-items are the menu bar's entries.
  TMenuItem* Items() const { return FItems; }

private:
  TMenuItem* FItems;
};
