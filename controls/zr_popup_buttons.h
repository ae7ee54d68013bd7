#pragma once
// Buttons that open a menu: TzrPopupButton shows its own popup menu below
// itself when clicked; TzrPopupBox holds a list of texts, shows the
// selected one as its caption and offers the list in a menu centred on
// itself, the selected entry checked. TzrHudPopupBox differs only by its
// style name.

#include <memory>

#include "controls/zr_buttons.h"

class TPopupMenu;
class TzrWideStrings;
class TzrWideStringList;

class TzrPopupButton : public TzrButton {
 public:
  using TzrButton::TzrButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The button's own menu (not owned; forgotten when it is freed).
  TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  // The button's click, then the menu at the button's bottom-left corner.
  void Click() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TPopupMenu* FPopupMenu = nullptr;
};

class TzrPopupBox : public TzrCustomButton {
 public:
  explicit TzrPopupBox(TComponent* AOwner);
  ~TzrPopupBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrWideStrings* GetItems() const;
  // Copies the list; the box repaints. ItemIndex and the caption stay.
  void SetItems(TzrWideStrings* Value);
  int GetItemIndex() const { return FItemIndex; }
  // Selects an item (its text becomes the caption) or, below 0 or without
  // items, nothing (empty caption, ItemIndex -1), and fires OnChange. An
  // index past the items raises EListError and changes nothing.
  void SetItemIndex(int Value);
  // The caption can only be one of the items: the first equal item is
  // selected, or none (empty caption, ItemIndex -1). OnChange does not fire.
  void SetText(const std::u16string& Value) override;
  // The menu the box offers its items in (rebuilt at each popup).
  TPopupMenu* GetPopup() const { return FPopup.get(); }

  void Click() override;
  Variant GetData() override;
  // Null clears the selection, an event handle becomes OnChange, a number
  // selects by index, a text selects the equal item (or none).
  void SetData(const Variant& Value) override;
  virtual void DoItemsChanged(TObject* Sender);
  virtual void DoPopup();
  void DoItemClick(TObject* Sender);

  TNotifyEvent OnChange;

 private:
  std::unique_ptr<TzrWideStringList> FItems;
  int FItemIndex = -1;
  std::unique_ptr<TPopupMenu> FPopup;
};

class TzrHudPopupBox : public TzrPopupBox {
 public:
  using TzrPopupBox::TzrPopupBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
