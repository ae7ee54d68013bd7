#pragma once
// The framework's web browser control: a WebKitGTK web view that a form
// places beside its other controls. A browser moved wholly outside its
// parent is hidden, so that it neither shows nor widens the parent.

#include <string>

#include "platform/vcl/WinControls.h"

class TWebBrowser : public TWinControl {
 public:
  explicit TWebBrowser(TComponent* AOwner);
  std::string ClassName() const override { return "TWebBrowser"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Loads the address; before the web view exists it is loaded once it is made.
  void Navigate(const std::string& url);
  // The address asked for last (empty before the first Navigate).
  const std::string& LocationURL() const { return FUrl; }
  // Whether the control lies at least partly inside its parent's client area.
  bool InsideParent() const;
  // The WebKit view, made on first call.
  GtkWidget* WebView() { return Handle(); }

  void WndProc(TMessage& message) override;

 protected:
  GtkWidget* CreateWidget() override;
  void PlaceWidget() override;
  // The web view draws all of itself.
  void PaintWindow(cairo_t*) override {}

 private:
  void ApplyShown();
  std::string FUrl;
};

// The "file://" address of an absolute file path (characters that need it
// escaped); empty when the path is not absolute.
std::string FilePathToUrl(const std::string& path);
