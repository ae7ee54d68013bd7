#pragma once
// Pieces of chart editor forms: the colour dialog with the custom colours
// it keeps between uses, a button that shows a symbol drawn by a chart
// canvas, and a colour button. The program shows no chart editor; these
// are there for one.

#include <functional>
#include <vector>

#include "chart/PlotCanvas.h"
#include "platform/vcl/WinControls.h"

class TStringList;
class TPropInfo;

enum TColorDialogOption : unsigned {
  cdFullOpen = 1,
  cdPreventFullOpen = 2,
  cdShowHelp = 4,
  cdSolidColor = 8,
  cdAnyColor = 16
};
using TColorDialogOptions = unsigned;

// The custom colours of the colour dialog ("ColorA=RRGGBB" lines), made
// empty on first use and freed when the chart library ends.
TStringList* PlotCustomEditColors();
void PlotFreeCustomEditColors();

// Answers in place of the user when set (tests): True confirms with Color
// and the custom colours as they are then.
extern std::function<bool(TColor& Color, std::vector<TColor>& CustomColors,
                          TColorDialogOptions Options)>
    EditColorHook;

// The colour the user confirms in the colour dialog, or AColor when cancelled.
TColor EditColor(TComponent* AOwner, TColor AColor, TColorDialogOptions Options = cdFullOpen);
// True when the user chose another colour, which then is in AColor.
bool EditColorDialog(TComponent* AOwner, TColor& AColor, TColorDialogOptions Options = cdFullOpen);

// A push button with a symbol drawn at its right by DrawSymbol.
class TPlotButton : public TWinControl {
 public:
  explicit TPlotButton(TComponent* AOwner);
  std::string ClassName() const override { return "TPlotButton"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  virtual void DrawSymbol(TPlotCanvas* ACanvas);
  // Runs OnClick.
  virtual void Click();
  // Shows a property of Instance (by name) as the symbol.
  void LinkProperty(TObject* AInstance, const std::string& PropName);
  // Where the symbol goes in the button's client area.
  TRect SymbolRectangle() const;
  // Draws the symbol onto Canvas as the button's painting does.
  void PaintSymbol(TCanvas* Canvas);

  bool GetSymbolVisible() const { return FSymbolVisible; }
  void SetSymbolVisible(bool Value);
  int GetSymbolWidth() const { return FSymbolWidth; }
  void SetSymbolWidth(int Value);
  void SetText(const std::string& Value) override;

  TNotifyEvent OnClick;
  TObject* Instance = nullptr;
  const TPropInfo* Info = nullptr;

 protected:
  GtkWidget* CreateWidget() override;

 private:
  static int OnDrawAfter(GtkWidget* Widget, cairo_t* Cr, void* Self);
  static void OnClicked(GtkWidget* Widget, void* Self);
  int FSymbolWidth = 0;
  bool FSymbolVisible = true;
};

using TButtonGetColorProc = std::function<TColor()>;

// A button that shows a colour and edits it with the colour dialog.
class TButtonColor : public TPlotButton {
 public:
  explicit TButtonColor(TComponent* AOwner) : TPlotButton(AOwner) {}
  std::string ClassName() const override { return "TButtonColor"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void DrawSymbol(TPlotCanvas* ACanvas) override;
  void Click() override;
  TColor GetSymbolColor() const;
  void SetSymbolColor(TColor Value);
  bool GetFullOpen() const { return FFullOpen; }
  void SetFullOpen(bool Value) { FFullOpen = Value; }

  TButtonGetColorProc GetColorProc;

 private:
  bool FFullOpen = true;
  TColor FSymbolColor = clNone;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// A drop-down list that draws a flat frame while the mouse is away and it
// has no focus; its popup may be wider than the box.
class TComboFlat : public TWinControl {
 public:
  explicit TComboFlat(TComponent* AOwner);
  std::string ClassName() const override { return "TComboFlat"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Appends an item and answers its index.
  int Add(const std::string& Text, TObject* AObject = nullptr);
  void Clear();
  int Count() const { return int(FItems.size()); }
  // The selected text, or empty.
  std::string CurrentItem() const;
  // The selected item's object, or nil.
  TObject* SelectedObject() const;
  int GetItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value) { FItemHeight = Value; }
  TComboBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value) { FStyle = Value; }
  // The popup's width; the box's own width until set.
  int GetDropDownWidth() const { return FDropDownWidth ? FDropDownWidth : GetWidth(); }
  void SetDropDownWidth(int Value);
  // The mouse is over the box.
  bool Inside = false;
  // The flat frame over the border, as the painting draws it when the mouse
  // is away and the box has no focus.
  void PaintFlatFrame(TCanvas* Canvas);
  TNotifyEvent OnChange;

 protected:
  GtkWidget* CreateWidget() override;

 private:
  bool IsDropDownWidthStored() const { return GetDropDownWidth() != GetWidth(); }
  static void OnChanged(GtkWidget* Widget, void* Self);
  static void OnPopupShown(GtkWidget* Widget, void* Spec, void* Self);
  static int OnDrawAfter(GtkWidget* Widget, cairo_t* Cr, void* Self);
  static int OnCrossing(GtkWidget* Widget, void* Event, void* Self);
  std::vector<std::pair<std::string, TObject*>> FItems;
  int FItemIndex = -1;
  int FItemHeight = 13;
  TComboBoxStyle FStyle = csDropDownList;
  int FDropDownWidth = 0;
};
