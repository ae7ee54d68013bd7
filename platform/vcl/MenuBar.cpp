// The GTK side of the main menu: a GtkMenuBar built from the item tree and
// kept in line with it. The items hold the state; a widget only shows it, so
// GTK's own toggling of check items is overwritten by the item's state after
// every click.

#include <gtk/gtk.h>

#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"

namespace {

enum TItemKind { ikPlain = 1, ikCheck, ikSeparator, ikSubMenu };

const char* const kKey = "esc-menu-kind";
const char* const kItemKey = "esc-menu-item";

// Set while the code itself changes a check item, which GTK reports as a click.
bool gSyncing = false;

bool InMenuBar(const TMenuItem* item) {
  const TMenuItem* parent = item->Parent();
  return parent && parent->SubMenu() && GTK_IS_MENU_BAR(parent->SubMenu());
}

TItemKind KindOf(const TMenuItem* item) {
  if (item->IsLine()) return ikSeparator;
  if (item->Count() > 0) return ikSubMenu;
  if (InMenuBar(item)) return ikPlain;
  if (item->GetRadioItem() || item->GetAutoCheck() || item->GetChecked()) return ikCheck;
  return ikPlain;
}

TItemKind StoredKind(GtkWidget* widget) {
  return static_cast<TItemKind>(GPOINTER_TO_INT(g_object_get_data(G_OBJECT(widget), kKey)));
}

void SetCheck(GtkWidget* widget, const TMenuItem* item) {
  gSyncing = true;
  gtk_check_menu_item_set_draw_as_radio(GTK_CHECK_MENU_ITEM(widget), item->GetRadioItem());
  gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(widget), item->GetChecked());
  gSyncing = false;
}

// GDK key values of the key codes a short-cut may name.
unsigned KeyValOfCode(int code) {
  if (code >= 0x70 && code <= 0x7B) return GDK_KEY_F1 + (code - 0x70);
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return unsigned(code);
  return 0;
}

// Writes the short-cut at the right of the item's label.
void ShowShortCut(GtkWidget* widget, int shortCut) {
  GtkWidget* label = gtk_bin_get_child(GTK_BIN(widget));
  if (!label || !GTK_IS_ACCEL_LABEL(label)) return;
  unsigned mods = 0;
  if (shortCut & scShift) mods |= GDK_SHIFT_MASK;
  if (shortCut & scCtrl) mods |= GDK_CONTROL_MASK;
  if (shortCut & scAlt) mods |= GDK_MOD1_MASK;
  gtk_accel_label_set_accel(GTK_ACCEL_LABEL(label), KeyValOfCode(shortCut & 0xFF),
                            GdkModifierType(mods));
}

void ApplyState(GtkWidget* widget, const TMenuItem* item) {
  const TItemKind kind = StoredKind(widget);
  if (kind != ikSeparator) {
    gtk_menu_item_set_label(GTK_MENU_ITEM(widget),
                            MenuCaptionToMnemonic(item->GetCaption()).c_str());
    gtk_menu_item_set_use_underline(GTK_MENU_ITEM(widget), TRUE);
  }
  if (kind == ikCheck) SetCheck(widget, item);
  ShowShortCut(widget, item->GetShortCut());
  gtk_widget_set_sensitive(widget, item->GetEnabled());
  gtk_widget_set_visible(widget, item->GetVisible());
}

void OnActivate(GtkMenuItem* menuItem, gpointer) {
  if (gSyncing) return;
  GtkWidget* widget = GTK_WIDGET(menuItem);
  auto* item = static_cast<TMenuItem*>(g_object_get_data(G_OBJECT(widget), kItemKey));
  if (!item) return;
  // The handler may free the item or rebuild the menu: keep the widget alive
  // and find out afterwards whether it still shows the item.
  g_object_ref(widget);
  try {
    item->Click();
  } catch (...) {
    Application->HandleException(item);
  }
  item = static_cast<TMenuItem*>(g_object_get_data(G_OBJECT(widget), kItemKey));
  if (item && item->Widget() == widget && StoredKind(widget) == ikCheck) SetCheck(widget, item);
  g_object_unref(widget);
}

void OnDestroy(GtkWidget* widget, gpointer) {
  auto* item = static_cast<TMenuItem*>(g_object_get_data(G_OBJECT(widget), kItemKey));
  g_object_set_data(G_OBJECT(widget), kItemKey, nullptr);
  if (item && item->Widget() == widget) item->AttachWidget(nullptr, nullptr);
}

GtkWidget* CreateItemWidget(TMenuItem* item);

void AppendChildren(TMenuItem* item, GtkWidget* shell) {
  for (int i = 0; i < item->Count(); ++i)
    gtk_menu_shell_append(GTK_MENU_SHELL(shell), CreateItemWidget(item->Items(i)));
}

GtkWidget* CreateItemWidget(TMenuItem* item) {
  const TItemKind kind = KindOf(item);
  GtkWidget* widget;
  if (kind == ikSeparator)
    widget = gtk_separator_menu_item_new();
  else if (kind == ikCheck)
    widget = gtk_check_menu_item_new();
  else
    widget = gtk_menu_item_new();
  GtkWidget* subMenu = nullptr;
  if (kind == ikSubMenu) {
    subMenu = gtk_menu_new();
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(widget), subMenu);
  }
  g_object_set_data(G_OBJECT(widget), kKey, GINT_TO_POINTER(kind));
  g_object_set_data(G_OBJECT(widget), kItemKey, item);
  // Visibility is the item's: showing the window must not show hidden items.
  gtk_widget_set_no_show_all(widget, TRUE);
  g_signal_connect(widget, "activate", G_CALLBACK(OnActivate), nullptr);
  g_signal_connect(widget, "destroy", G_CALLBACK(OnDestroy), nullptr);
  item->AttachWidget(widget, subMenu);
  ApplyState(widget, item);
  if (subMenu) AppendChildren(item, subMenu);
  return widget;
}

void InsertItemWidget(TMenuItem* item) {
  TMenuItem* parent = item->Parent();
  if (!parent || !parent->SubMenu()) return;
  GtkWidget* widget = CreateItemWidget(item);
  gtk_menu_shell_insert(GTK_MENU_SHELL(parent->SubMenu()), widget, parent->IndexOf(item));
}

}  // namespace

int ShortCutOfKey(unsigned keyval, unsigned state) {
  int code = 0;
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12)
    code = 0x70 + int(keyval - GDK_KEY_F1);
  else if (keyval < 0x80 && g_ascii_isalnum(char(keyval)))
    code = g_ascii_toupper(char(keyval));
  if (code == 0) return 0;
  if (state & GDK_SHIFT_MASK) code |= scShift;
  if (state & GDK_CONTROL_MASK) code |= scCtrl;
  if (state & GDK_MOD1_MASK) code |= scAlt;
  return code;
}

std::string MenuCaptionToMnemonic(const std::string& caption) {
  std::string label;
  for (size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c == '_') {
      label += "__";
    } else if (c != '&') {
      label += c;
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      label += '&';
      ++i;
    } else if (i + 1 < caption.size()) {
      label += '_';
    }
  }
  return label;
}

void SyncMenuItemWidget(TMenuItem* item) {
  GtkWidget* widget = item->Widget();
  if (!widget || !item->Parent()) return;  // the root shows as the menu bar itself
  if (StoredKind(widget) == KindOf(item)) {
    ApplyState(widget, item);
    return;
  }
  item->DetachWidget();
  InsertItemWidget(item);
}

void ShowInsertedMenuItem(TMenuItem* item) { InsertItemWidget(item); }

void DestroyMenuItemWidget(GtkWidget* widget) { gtk_widget_destroy(widget); }

GtkWidget* TMainMenu::CreateMenuBar() {
  GtkWidget* bar = gtk_menu_bar_new();
  g_object_set_data(G_OBJECT(bar), kItemKey, FItems);
  g_signal_connect(bar, "destroy", G_CALLBACK(OnDestroy), nullptr);
  FItems->AttachWidget(bar, bar);
  AppendChildren(FItems, bar);
  return bar;
}

TMainMenu::~TMainMenu() {
  if (FForm) FForm->MenuDestroyed();
}

// ---------------------------------------------------------------- context menu

std::function<void(const TPopupMenuRequest& request)> PopupMenuHook;

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() { FItems->DetachWidget(); }

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (Value == FPopupComponent) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  if (PopupMenuHook) {
    PopupMenuHook({this, X, Y});
    return;
  }
  // The menu is built afresh each time: items may have changed meanwhile.
  FItems->DetachWidget();
  GtkWidget* menu = gtk_menu_new();
  g_object_set_data(G_OBJECT(menu), kItemKey, FItems);
  g_signal_connect(menu, "destroy", G_CALLBACK(OnDestroy), nullptr);
  FItems->AttachWidget(menu, menu);
  AppendChildren(FItems, menu);
  GdkWindow* root = gdk_get_default_root_window();
  const GdkRectangle at{X, Y, 1, 1};
  gtk_menu_popup_at_rect(GTK_MENU(menu), root, &at, GDK_GRAVITY_NORTH_WEST,
                         GDK_GRAVITY_NORTH_WEST, nullptr);
}
