// The HUD list variants: class declarations and their style names.

#include "controls/zr_hud_lists.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TzrHudListBox::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudListBox>("TzrHudListBox", TzrListBox::Class());
  return info;
}

const TClassInfo* TzrHudHorzListBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudHorzListBox>("TzrHudHorzListBox", TzrHorzListBox::Class());
  return info;
}

TzrHudHorzListBox::TzrHudHorzListBox(TComponent* AOwner) : TzrHorzListBox(AOwner) {
  SetResourceLater("hudlistboxstyle");
}

const TClassInfo* TzrHudImageListBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudImageListBox>("TzrHudImageListBox", TzrImageListBox::Class());
  return info;
}

TzrHudImageListBox::TzrHudImageListBox(TComponent* AOwner) : TzrImageListBox(AOwner) {
  SetResourceLater("HudListBoxStyle");
}

const TClassInfo* TzrHudHorzImageListBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudHorzImageListBox>("TzrHudHorzImageListBox", TzrHorzImageListBox::Class());
  return info;
}

TzrHudHorzImageListBox::TzrHudHorzImageListBox(TComponent* AOwner) : TzrHorzImageListBox(AOwner) {
  SetResourceLater("HudListBoxStyle");
}
