#include "platform/vcl/WebBrowser.h"

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"

// A form places the browser with the bounds of any control.
const TClassInfo* TWebBrowser::Class() {
  static const TClassInfo* info = TClassDecl<TWebBrowser>("TWebBrowser", TControl::Class());
  return info;
}

TWebBrowser::TWebBrowser(TComponent* AOwner) : TWinControl(AOwner) { FTabStop = true; }

GtkWidget* TWebBrowser::CreateWidget() {
  // The DMA-buffer renderer needs a GPU path that X servers without one (Xvfb,
  // remote displays, some drivers) lack, and then the view stays blank. Shared
  // memory works everywhere; a value the user set is kept.
  g_setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "1", FALSE);
  GtkWidget* view = webkit_web_view_new();
  // Shown or hidden by its place alone, not with the window's other widgets.
  gtk_widget_set_no_show_all(view, TRUE);
  if (!FUrl.empty()) webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), FUrl.c_str());
  return view;
}

void TWebBrowser::Navigate(const std::string& url) {
  FUrl = url;
  if (!HandleAllocated()) return;
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(Handle()), url.c_str());
}

bool TWebBrowser::InsideParent() const {
  const TWinControl* parent = GetParent();
  if (parent == nullptr) return true;
  int width = parent->GetWidth(), height = parent->GetHeight();
  if (const auto* client = dynamic_cast<const TFormClient*>(parent)) {
    width = client->Form()->GetClientWidth();
    height = client->Form()->GetClientHeight();
  }
  if (width <= 0 || height <= 0) return true;  // not sized yet
  return GetLeft() < width && GetTop() < height && GetLeft() + GetWidth() > 0 &&
         GetTop() + GetHeight() > 0;
}

void TWebBrowser::ApplyShown() {
  if (!HandleAllocated()) return;
  gtk_widget_set_visible(Handle(), GetVisible() && InsideParent());
}

void TWebBrowser::PlaceWidget() {
  TWinControl::PlaceWidget();
  ApplyShown();
}

void TWebBrowser::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Msg == CM_VISIBLECHANGED) ApplyShown();
}

std::string FilePathToUrl(const std::string& path) {
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  if (uri == nullptr) return {};
  std::string url = uri;
  g_free(uri);
  return url;
}
