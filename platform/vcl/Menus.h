#pragma once
// Main menu and menu items. Items keep their state (caption, check mark,
// radio grouping, enabled, visible) whether or not a GTK menu shows them; a
// form that shows the menu (TForm::SetMenu) keeps its menu bar in line with
// the items, items added at run time included.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"

typedef struct _GtkWidget GtkWidget;

class TForm;

// Modifier bits of a menu short-cut.
constexpr int scShift = 0x2000;
constexpr int scCtrl = 0x4000;
constexpr int scAlt = 0x8000;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Streaming: an item is read as a child of its parent item or menu.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  bool HasParent() const override { return true; }

  // Caption with "&" before the mnemonic letter ("&File"; "&&" is a literal
  // "&"); "-" makes the item a separator.
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool GetChecked() const { return FChecked; }
  // Checking a radio item unchecks the other radio items of its group index
  // under the same parent.
  void SetChecked(bool value);
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value);
  int GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  // A click toggles the check mark (a radio item's click checks it).
  bool GetAutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  // The key that clicks the item from anywhere in its form, as a key code
  // with the modifier bits scShift, scCtrl and scAlt (F1 is 112); 0: none.
  int GetShortCut() const { return FShortCut; }
  void SetShortCut(int value);
  // The enabled item of this tree whose short-cut is the key, or none.
  TMenuItem* FindShortCut(int shortCut);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  bool IsLine() const { return FCaption == "-"; }

  // Sub-items, in order. Add takes ownership when the item has no owner yet.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(index); }
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return FParent; }

  // What a user's click does: nothing when disabled, else auto-check, then OnClick.
  void Click();
  TNotifyEvent OnClick;

  // The GTK widget showing this item and the menu shell of its sub-items
  // (the menu bar for a main menu's root), when the menu is shown.
  GtkWidget* Widget() const { return FWidget; }
  GtkWidget* SubMenu() const { return FSubMenu; }
  void AttachWidget(GtkWidget* widget, GtkWidget* subMenu);
  void DetachWidget();

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
  int FShortCut = 0;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  GtkWidget* FWidget = nullptr;
  GtkWidget* FSubMenu = nullptr;
};

class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;
  std::string ClassName() const override { return "TMainMenu"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  // The invisible root whose sub-items are the menu bar's entries.
  TMenuItem* Items() const { return FItems; }
  // The form showing this menu, if any.
  TForm* Form() const { return FForm; }

 private:
  friend class TForm;
  // Builds a GTK menu bar showing the item tree (MenuBar.cpp).
  GtkWidget* CreateMenuBar();
  TMenuItem* FItems;
  TForm* FForm = nullptr;
};

// A context menu: a GTK menu of the item tree shown at a screen point. The
// component that asked for it is kept as PopupComponent (freed: cleared).
class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;
  std::string ClassName() const override { return "TPopupMenu"; }
  TMenuItem* Items() const { return FItems; }
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  // Fires OnPopup, then shows the menu with its top-left corner at (X, Y)
  // in screen pixels and returns at once; a chosen item runs its Click.
  void Popup(int X, int Y);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TNotifyEvent OnPopup;

 private:
  TMenuItem* FItems;
  TComponent* FPopupComponent = nullptr;
};

// Answers a popup menu instead of GTK (tests): called with the menu and the
// point; the hook may click an item of the menu.
struct TPopupMenuRequest {
  TPopupMenu* Menu = nullptr;
  int X = 0, Y = 0;
};
extern std::function<void(const TPopupMenuRequest& request)> PopupMenuHook;

// GTK side of the items (MenuBar.cpp).
// Brings a shown item's widget in line with the item (rebuilding it when the
// item changed its kind, e.g. gained sub-items or a check mark).
void SyncMenuItemWidget(TMenuItem* item);
// Shows an item that was inserted under a shown parent.
void ShowInsertedMenuItem(TMenuItem* item);
// The short-cut a GDK key press stands for (key value, modifier state); 0
// for keys that no short-cut names.
int ShortCutOfKey(unsigned keyval, unsigned state);
// The GTK label of a caption: "&" marks the mnemonic, "&&" is a literal "&".
std::string MenuCaptionToMnemonic(const std::string& caption);
