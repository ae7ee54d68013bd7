#include <gtk/gtk.h>

#include "platform/vcl/Menus.h"

// Brings a shown menu item's widget in line with the item's state.
void SyncMenuItemWidget(TMenuItem* item) {
  GtkWidget* widget = item->Widget();
  gtk_widget_set_sensitive(widget, item->GetEnabled());
  gtk_widget_set_visible(widget, item->GetVisible());
  if (GTK_IS_CHECK_MENU_ITEM(widget))
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(widget), item->GetChecked());
}
