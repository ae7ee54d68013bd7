#pragma once
// TzrPopup: a control shown on demand next to a target node — the drop-down
// list of a combo box, a context popup, the sub-menu of a popup item. It is
// shown either in a borderless window of its own with a transparent scene
// (zrPlacementSceneNew, the default) or as an overlay inside the target's
// scene (zrPlacementSceneTarget). Opening reparents the popup into that
// scene; closing gives it back to its parent with its scale restored.
//
// OpenPopups lists the open popups that do not stay open, oldest first. A
// click outside, Escape or the activation of another window closes them;
// PopupModal runs the message loop until the popup has a modal result.
//
// The window side (TzrPopupForm, zr_popup_form.cpp) is the GTK stand-in for
// a non-activating top-most window; the placement rules live in
// zr_popup_placement.cpp.

#include <string>
#include <vector>

#include "platform/vcl/Forms.h"
#include "scene/zr_control.h"

class TzrCustomScene;
class TzrResources;
class TzrTimer;
class TzrPopupForm;
class TzrBounds;

enum TzrPlacement {
  zrPlacementBottom,
  zrPlacementTop,
  zrPlacementLeft,
  zrPlacementRight,
  zrPlacementCenter,
  zrPlacementBottomCenter,
  zrPlacementTopCenter,
  zrPlacementLeftCenter,
  zrPlacementRightCenter,
  zrPlacementAbsolute,
  zrPlacementMouse,
  zrPlacementMouseCenter
};
const TEnumInfo& zrPlacementInfo();

enum TzrPlacementScene { zrPlacementSceneNew, zrPlacementSceneTarget };

// The size and offsets a placement works with: the popup's size W x H, the
// offsets HO and VO, the placement rectangle PR and the target's size.
struct TzrPlacementInput {
  float W = 0, H = 0;
  float HO = 0, VO = 0;
  TzrRect PR{};
  float TW = 0, TH = 0;
};

// The popup's top-left in the target's local coordinates for one of the
// nine side placements (bottom ... right-centre); an empty PR (width or
// height not positive) places against the target's own rectangle.
TzrPoint zrPlaceAtTarget(TzrPlacement Placement, const TzrPlacementInput& In);
// Without a target: PR is in screen coordinates and the centred placements
// fall back to their side (centre itself as with a target).
TzrPoint zrPlaceOnScreen(TzrPlacement Placement, const TzrPlacementInput& In);
// Moves a window of W x H at (X, Y) left and up so that its right and bottom
// edges stay inside Monitor; left and top are not corrected.
void zrKeepOnMonitor(int& X, int& Y, int W, int H, const TzrRect& Monitor);

// The pointer's position on the screen; false without a display.
bool zrPointerPosition(int& X, int& Y);

class TzrPopup : public TzrControl {
 public:
  explicit TzrPopup(TComponent* AOwner);
  ~TzrPopup() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Children first; then Escape closes an open popup that does not stay
  // open, and the key is consumed.
  void DialogKey(uint16_t& Key, TShiftState Shift) override;
  void Paint() override;

  // Places the popup (or its window) by Placement next to its target.
  virtual void ApplyPlacement();
  // Opens the popup and runs the message loop until it has a modal result
  // (2 when the application ends or the popup is freed meanwhile); closes
  // it and answers the result.
  virtual int PopupModal();
  // Opens the popup; on an open one it closes it (a second request toggles).
  virtual void Popup();
  virtual void ClosePopup();

  bool GetIsOpen() const { return FIsOpen; }
  void SetIsOpen(bool Value);
  bool GetStaysOpen() const { return FStaysOpen; }
  void SetStaysOpen(bool Value) { FStaysOpen = Value; }
  TzrPlacement GetPlacement() const { return FPlacement; }
  void SetPlacement(TzrPlacement Value) { FPlacement = Value; }
  TzrVisualObject* GetPlacementTarget() const { return FPlacementTarget; }
  void SetPlacementTarget(TzrVisualObject* Value);
  // Changed in place; assigning another rectangle is ignored.
  TzrBounds* GetPlacementRectangle() const { return FPlacementRectangle.get(); }
  void SetPlacementRectangle(TzrBounds*) {}
  float GetHorizontalOffset() const { return FHorizontalOffset; }
  void SetHorizontalOffset(float Value) { FHorizontalOffset = Value; }
  float GetVerticalOffset() const { return FVerticalOffset; }
  void SetVerticalOffset(float Value) { FVerticalOffset = Value; }
  bool GetDragWithParent() const { return FDragWithParent; }
  void SetDragWithParent(bool Value) { FDragWithParent = Value; }
  TzrResources* GetStyle() const { return FStyle; }
  void SetStyle(TzrResources* Value);
  TComponent* GetStyleComponent() const;
  void SetStyleComponent(TComponent* Value);
  TzrPlacementScene GetPlacementScene() const { return FPlacementScene; }
  void SetPlacementScene(TzrPlacementScene Value) { FPlacementScene = Value; }
  int GetModalResult() const { return FModalResult; }
  // Stores the result, in the popup window too when there is one.
  void SetModalResult(int Value);
  bool GetModal() const { return FModal; }
  // A close is in progress (its trigger animations are running).
  bool GetAnimating() const { return FAnimating; }

  // The window, its scene and the overlay while open (nil otherwise).
  TzrPopupForm* GetPopupForm() const { return FPopupForm; }
  TzrCustomScene* GetPopupScene() const { return FPopupScene; }
  TzrVisualObject* GetPopupLayout() const { return FPopupLayout; }
  // The re-placement timer of a window that follows its target.
  TzrTimer* GetDragTimer() const { return FDragTimer; }

  // The overlay's click: closes an open popup that does not stay open.
  void DoPopupLayoutClick(TObject* Sender);
  void DoTimer(TObject* Sender);

  TNotifyEvent OnClosePopup;

 protected:
  // The node placement is measured against: PlacementTarget, else the
  // visual parent, else nil.
  TzrVisualObject* PlacementTargetNode() const;

 private:
  friend class TzrPopupForm;
  void OpenInWindow();
  void OpenInTarget();
  // Steps of closing after the trigger animations: hide, give the popup
  // back to its parent, free the window or overlay, tell OnClosePopup.
  void FinishClose();
  void CloseWindow();
  void CloseOverlay();
  void StartDragTimer();
  void PlaceWindow(const TzrPoint& Screen, bool KeepOnMonitor);
  void PlaceInTarget(TzrVisualObject* Target, const TzrPoint& Local);
  void ApplySpecialPlacement(bool HasTarget);
  // The window follows its target: moves it to the placement point.
  void PlaceAtTarget(TzrVisualObject* Target);
  void ForgetWindow();
  int RunModalLoop();
  // The window goes away under the popup (closed by the system, freed by
  // its owner): the popup lets go of it at once and a modal loop ends.
  void WindowGone();

  TzrObject* FSaveParent = nullptr;
  TzrVisualObject* FSaveFocused = nullptr;
  TzrPoint FSaveScale{1, 1};
  TzrPopupForm* FPopupForm = nullptr;
  TzrCustomScene* FPopupScene = nullptr;
  TzrTimer* FDragTimer = nullptr;
  TzrVisualObject* FPopupLayout = nullptr;
  bool FIsOpen = false;
  bool FStaysOpen = false;
  TzrPlacement FPlacement = zrPlacementBottom;
  TzrVisualObject* FPlacementTarget = nullptr;
  std::unique_ptr<TzrBounds> FPlacementRectangle;
  float FHorizontalOffset = 0;
  float FVerticalOffset = 0;
  bool FDragWithParent = false;
  bool FAnimating = false;
  TzrResources* FStyle = nullptr;
  TzrPlacementScene FPlacementScene = zrPlacementSceneNew;
  int FModalResult = 0;
  bool FModal = false;
};

// The borderless, top-most popup window: transient for its owner form,
// never activating itself, holding the pointer and keyboard while shown so
// that keys reach the popup and a press outside closes it; the owner keeps
// its active look.
class TzrPopupForm : public TForm {
 public:
  explicit TzrPopupForm(TComponent* AOwner);
  ~TzrPopupForm() override;
  std::string ClassName() const override { return "TzrPopupForm"; }
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Shows the window without activating it and takes the grab.
  void ShowPopup();
  // Hides the window and hands the grab to the newest other popup window.
  void HidePopup();
  // Moves the window (screen pixels) and sizes its client area.
  void MoveTo(int X, int Y);
  bool GetShowing() const { return FShowing; }
  // The screen rectangle of the window's monitor; false when unknown.
  bool MonitorRect(int X, int Y, TzrRect& Monitor) const;

  // The window that must keep its active look, its popup, and whether the
  // window frees itself (the popup must not release it then).
  TForm* FOwnerForm = nullptr;
  TzrPopup* FPopup = nullptr;
  bool FNoFree = false;

  // The popup window showing on that GDK window (any of its children), nil
  // when it is none.
  static TzrPopupForm* FromWindow(void* GdkWindow);
  // The popup window that holds the grab (the newest shown), nil when none.
  static TzrPopupForm* Active();
  // Whether a popup window let the keyboard go and no window has got it back
  // since: the first window that does is not being activated by the user.
  // Takes the return as seen (the next focus is an activation again).
  static bool TakeKeyboardReturn();
  // This window is deactivated in favour of Other (another popup window or
  // nil for any other window): closes as the popup rules say.
  void Deactivate(TzrPopupForm* Other);
  // Another window was activated (pressed or focused): OtherWindow when it
  // is a popup window, nil for any other window or a press outside the
  // program. The active popup window is deactivated in its favour.
  static void WindowActivated(TzrPopupForm* OtherWindow);

 protected:
  void CreateHandle() override;

 private:
  void Grab();
  void Ungrab();
  void ConnectOwner();
  void DisconnectOwner();
  bool FShowing = false;
  GtkWidget* FOwnerWindow = nullptr;
  unsigned long FOwnerFocusHandler = 0;
  unsigned long FMapHandler = 0;
  unsigned long FReleaseHandler = 0;
};

// The open popups that do not stay open, oldest first (nil before the first
// opens; freed at shutdown).
extern std::vector<TzrPopup*>* OpenPopups;
// Closes every popup of OpenPopups, newest first. Closing runs nested loops
// in which popups may open, close or be freed: the walk goes over a copy and
// passes over popups no longer listed.
void CloseOpenPopups();
// The place of P in OpenPopups, -1 when not listed.
int zrPopupIndex(const TzrPopup* P);
// Frees OpenPopups and the window-event hooks (shutdown).
void FreeOpenPopups();

// Registers TzrPopup and TzrMessagePopup under "Popup" and lets context
// popups of nodes run modally (zrPopupModalProc); idempotent.
void RegisterPopupClasses();
