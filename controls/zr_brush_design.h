#pragma once
// The brush designer: a borderless form over a transparent scene whose dark
// window edits one TzrBrush (style, solid colour, gradient stops, kind and
// angle, bitmap and tile mode, or the brush resource it points to). Its
// layout is the form resource "TZRBRUSHDESIGN". TzrBrushDialog runs it
// modally on its own brush; SelectInDesign shows one shared modeless
// designer that edits the brushes of a component directly.

#include <functional>
#include <string>

#include "platform/vcl/Forms.h"
#include "scene/zr_brush.h"

class IzoRurev;
class TzoRurev;
class TzrAngleButton;
class TzrBackground;
class TzrButton;
class TzrColorBox;
class TzrColorPicker;
class TzrColorQuad;
class TzrGradientEdit;
class TzrHudWindow;
class TzrImage;
class TzrLabel;
class TzrLayout;
class TzrListBox;
class TzrNumberBox;
class TzrPopupBox;
class TzrTabControl;
class TzrTabItem;
class TzrTextBox;
class TzrVisualObject;

class TzrBrushDesign : public TForm {
 public:
  explicit TzrBrushDesign(TComponent* AOwner);
  ~TzrBrushDesign() override;
  std::string ClassName() const override { return "TzrBrushDesign"; }

  TzoRurev* zrBrushDesigner = nullptr;
  TzrBackground* dsgnRoot = nullptr;
  TzrHudWindow* HudWindow1 = nullptr;
  TzrListBox* brushList = nullptr;
  TzrTabControl* brushTabControl = nullptr;
  TzrTabItem* tabNone = nullptr;
  TzrTabItem* tabSolid = nullptr;
  TzrTabItem* tabGradient = nullptr;
  TzrTabItem* tabBitmap = nullptr;
  TzrTabItem* tabRes = nullptr;
  TzrVisualObject* panelSolid = nullptr;
  TzrColorQuad* solidQuad = nullptr;
  TzrColorPicker* solidPicker = nullptr;
  TzrColorBox* solidColorRect = nullptr;
  TzrNumberBox* textSolidR = nullptr;
  TzrNumberBox* textSolidG = nullptr;
  TzrNumberBox* textSolidB = nullptr;
  TzrNumberBox* textSolidA = nullptr;
  TzrTextBox* textSolidHex = nullptr;
  TzrVisualObject* panelGradient = nullptr;
  TzrGradientEdit* gradEditor = nullptr;
  TzrColorQuad* gradQuad = nullptr;
  TzrColorPicker* gradPicker = nullptr;
  TzrColorBox* gradColorRect = nullptr;
  TzrNumberBox* textGradR = nullptr;
  TzrNumberBox* textGradG = nullptr;
  TzrNumberBox* textGradB = nullptr;
  TzrNumberBox* textGradA = nullptr;
  TzrTextBox* textGradHex = nullptr;
  TzrPopupBox* gradKind = nullptr;
  TzrAngleButton* gradAngle = nullptr;
  TzrLabel* gradAngleLabel = nullptr;
  TzrLayout* panelBitmap = nullptr;
  TzrImage* bitmapImage = nullptr;
  TzrButton* btnSelectBitmap = nullptr;
  TzrPopupBox* tileModeList = nullptr;
  TzrLayout* panerRes = nullptr;
  TzrListBox* resList = nullptr;
  TzrLayout* Layout6 = nullptr;
  TzrButton* btnCancel = nullptr;
  TzrButton* btnOK = nullptr;
  TzrLayout* makeResLayout = nullptr;
  TzrButton* btnMakeRes = nullptr;

  TzrBrush* GetBrush() const { return FBrush; }
  // Shows the brush on its tab; nil edits nothing.
  void SetBrush(TzrBrush* Value);
  TPersistent* GetComp() const { return FComp; }
  // Lists the component's brush properties and edits the first one.
  void SetComp(TPersistent* Value);
  IzoRurev* GetSceneIntf() const { return FScene; }
  // "Brush" followed by the form's counter, increased first.
  std::string UniqueName(const std::string& Base);
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Handlers bound to the form's components.
  void brushListChange(TObject* Sender);
  void brushTabControlChange(TObject* Sender);
  void solidQuadChange(TObject* Sender);
  void textSolidRChange(TObject* Sender);
  void textSolidHexChange(TObject* Sender);
  void gradQuadChange(TObject* Sender);
  void textGradRChange(TObject* Sender);
  void textGradHexChange(TObject* Sender);
  void gradEditorChange(TObject* Sender);
  void gradKindChange(TObject* Sender);
  void gradAngleChange(TObject* Sender);
  void btnSelectBitmapClick(TObject* Sender);
  void tileModeListChange(TObject* Sender);
  void resListChange(TObject* Sender);
  void btnMakeResClick(TObject* Sender);
  void btnOKClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  void FindComponents();
  void BindHandlers();
  void RebuildResList();
  void SelectBrushItem();
  // The style of a tab; the tab of a style.
  TzrBrushStyle TabStyle(TzrTabItem* Tab) const;
  TzrTabItem* StyleTab(TzrBrushStyle Style) const;
  void ShowGradientAngle();
  TzrObject* SceneRoot() const;
  void RepaintComp();

  TzrBrush* FBrush = nullptr;
  IzoRurev* FScene = nullptr;
  TPersistent* FComp = nullptr;
  bool FUpdating = false;
};

// The set of brush styles a dialog offers, bit i for style i (none, solid,
// gradient, bitmap, resource).
using TzrBrushStyles = uint8_t;
inline constexpr TzrBrushStyles zrAllBrushStyles = 0x1F;
inline constexpr TzrBrushStyles zrBrushStyleBit(TzrBrushStyle S) { return uint8_t(1u << S); }

class TzrBrushDialog : public TComponent {
 public:
  explicit TzrBrushDialog(TComponent* AOwner);
  ~TzrBrushDialog() override;
  std::string ClassName() const override { return "TzrBrushDialog"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Edits the dialog's own brush in a modal designer; true on OK.
  bool Execute();

  TzrBrushStyles GetShowStyles() const { return FShowStyles; }
  void SetShowStyles(TzrBrushStyles Value) { FShowStyles = Value; }
  bool GetShowBrushList() const { return FShowBrushList; }
  void SetShowBrushList(bool Value) { FShowBrushList = Value; }
  bool GetShowMakeResource() const { return FShowMakeResource; }
  void SetShowMakeResource(bool Value) { FShowMakeResource = Value; }
  TzrBrush* GetBrush() const { return FBrush.get(); }
  // Copies the brush into the dialog's own.
  void SetBrush(TzrBrush* Value);
  TComponent* GetComponent() const { return FComponent; }
  void SetComponent(TComponent* Value) { FComponent = Value; }
  const std::u16string& GetTitle() const { return FTitle; }
  void SetTitle(const std::u16string& Value) { FTitle = Value; }

 private:
  TzrBrushStyles FShowStyles = zrAllBrushStyles;
  bool FShowBrushList = true;
  bool FShowMakeResource = false;
  std::unique_ptr<TzrBrush> FBrush;
  TComponent* FComponent = nullptr;
  std::u16string FTitle = u"Brush";
};

// Runs the modal designer of a brush dialog in place of ShowModal when set
// (tests): answers the modal result.
extern std::function<int(TzrBrushDesign& Form)> BrushDialogHook;

// A dialog on a copy of the brush; on OK the brush takes the result.
bool ShowBrushDialog(TzrBrush* Brush, TzrBrushStyles ShowStyles, bool ShowBrushList);
// The gradient tab alone; on OK the gradient takes the result.
bool ShowGradientDialog(TzrGradient* Gradient);
// The solid tab alone on the colour text; the chosen colour text on OK, the
// empty text when cancelled.
std::string ShowColorDialog(const std::string& Color);
// The shared modeless designer, made on first use: a brush of the
// component, or a component whose brushes are listed, or nil to clear it.
void SelectInDesign(TObject* Value, TComponent* Component);
// The shared modeless designer while it is open, else nil.
TzrBrushDesign* SharedBrushDesign();
