#pragma once
// The HUD list variants: the list and image list boxes preset to the dark
// translucent "hud" style family. They add nothing but their style names
// (the HUD combo boxes and string list boxes live with their bases in
// zr_combo_box.h).

#include "controls/zr_image_list_box.h"
#include "controls/zr_listbox.h"

// Styled "hudlistboxstyle" through its class name.
class TzrHudListBox : public TzrListBox {
 public:
  using TzrListBox::TzrListBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudHorzListBox : public TzrHorzListBox {
 public:
  explicit TzrHudHorzListBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudImageListBox : public TzrImageListBox {
 public:
  explicit TzrHudImageListBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudHorzImageListBox : public TzrHorzImageListBox {
 public:
  explicit TzrHudHorzImageListBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
