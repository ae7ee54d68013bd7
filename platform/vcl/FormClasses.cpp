// Type information of the framework components that forms hold, so that a
// form stream can create them and set their published properties.

#include "platform/vcl/FormClasses.h"

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"

const TClassInfo* TMenuItem::Class() {
  using T = TMenuItem;
  static const TClassInfo* info = TClassDecl<T>("TMenuItem", TComponent::Class())
                                      .Prop("AutoCheck", &T::GetAutoCheck, &T::SetAutoCheck)
                                      .Default(0)
                                      .Prop("Caption", &T::GetCaption, &T::SetCaption)
                                      .Prop("Checked", &T::GetChecked, &T::SetChecked)
                                      .Default(0)
                                      .Prop("Enabled", &T::GetEnabled, &T::SetEnabled)
                                      .Default(1)
                                      .Prop("GroupIndex", &T::GetGroupIndex, &T::SetGroupIndex)
                                      .Default(0)
                                      .Prop("Hint", &T::GetHint, &T::SetHint)
                                      .Prop("RadioItem", &T::GetRadioItem, &T::SetRadioItem)
                                      .Default(0)
                                      .Prop("ShortCut", &T::GetShortCut, &T::SetShortCut)
                                      .Default(0)
                                      .Prop("Visible", &T::GetVisible, &T::SetVisible)
                                      .Default(1);
  return info;
}

void TMenuItem::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (TMenuItem* item : FItems) Proc(item);
}

// A top-level item's parent is the menu's invisible root; the stream names
// the menu itself.
TComponent* TMenuItem::GetParentComponent() const {
  if (FParent && !FParent->Parent() && dynamic_cast<TMainMenu*>(FParent->GetOwner()))
    return FParent->GetOwner();
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (auto* menu = dynamic_cast<TMainMenu*>(Value))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(Value))
    item->Add(this);
}

const TClassInfo* TMainMenu::Class() {
  static const TClassInfo* info = TClassDecl<TMainMenu>("TMainMenu", TComponent::Class());
  return info;
}

void TMainMenu::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  FItems->GetChildren(Proc, Root);
}

const TClassInfo* TListBox::Class() {
  static const TClassInfo* info = TClassDecl<TListBox>("TListBox", TComponent::Class());
  return info;
}

namespace {

template <class T>
const TClassInfo* FileDialogClass(const char* name) {
  static const TClassInfo* info = TClassDecl<T>(name, TComponent::Class())
                                      .Prop("DefaultExt", &T::GetDefaultExt, &T::SetDefaultExt)
                                      .Prop("FileName", &T::GetFileName, &T::SetFileName)
                                      .Prop("Filter", &T::GetFilter, &T::SetFilter)
                                      .Prop("FilterIndex", &T::GetFilterIndex, &T::SetFilterIndex)
                                      .Default(1)
                                      .Prop("InitialDir", &T::GetInitialDir, &T::SetInitialDir)
                                      .Prop("Title", &T::GetTitle, &T::SetTitle);
  return info;
}

}  // namespace

const TClassInfo* TOpenDialog::Class() { return FileDialogClass<TOpenDialog>("TOpenDialog"); }
const TClassInfo* TSaveDialog::Class() { return FileDialogClass<TSaveDialog>("TSaveDialog"); }

void RegisterFormComponentClasses() {
  static const bool registered = [] {
    for (const TClassInfo* c :
         {TMainMenu::Class(), TMenuItem::Class(), TListBox::Class(), TOpenDialog::Class(),
          TSaveDialog::Class(), TStatusBar::Class(), TStatusPanel::Class(), TWebBrowser::Class()})
      RegisterClass(c);
    return true;
  }();
  (void)registered;
}
