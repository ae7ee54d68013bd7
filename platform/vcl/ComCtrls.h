#pragma once
// The framework's status bar: a row of text panels along the bottom of a
// form, shown as a GTK status bar whose panels have fixed widths (the last
// one takes what is left).

#include <memory>
#include <string>

#include "platform/rtl/Collection.h"
#include "platform/vcl/Types.h"
#include "platform/vcl/WinControls.h"


class TStatusPanel : public TCollectionItem {
 public:
  explicit TStatusPanel(TCollection* ACollection) : TCollectionItem(ACollection) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  int GetWidth() const { return FWidth; }
  void SetWidth(int value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  const std::string& GetText() const { return FText; }
  void SetText(const std::string& value);

 private:
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  std::string FText;
};

class TStatusPanels : public TCollection {
 public:
  TStatusPanels() : TCollection(TStatusPanel::Class()) {}
  TStatusPanel* Panel(int index) const { return static_cast<TStatusPanel*>(GetItem(index)); }
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* AOwner);
  std::string ClassName() const override { return "TStatusBar"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TStatusPanels* GetPanels() const { return FPanels.get(); }
  void SetPanels(TStatusPanels* value);

 protected:
  GtkWidget* CreateWidget() override;
  void CreateHandle() override;

 private:
  // Rebuilds the labels of a made widget from the panels.
  void ShowPanels();
  std::unique_ptr<TStatusPanels> FPanels;
};
