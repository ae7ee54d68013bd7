#pragma once
// TzrMessagePopup: a modal dialog built from a popup — a title, a message,
// an icon and a row of buttons in a window hanging from its target (or the
// top of its owner form's client area), following it when it moves.
// MessagePopup builds one from the label, layout, image and button classes
// of the registry, so it works once those controls are registered.

#include <cstdint>
#include <string>

#include "scene/zr_popup.h"

class TzrBitmap;

enum TzrMessageType {
  zrMessageWarning,
  zrMessageError,
  zrMessageInformation,
  zrMessageConfirmation,
  zrMessageCustom
};

// The buttons of a message popup, in the order they are laid out.
enum TzrMessageButton {
  zrMbYes,
  zrMbNo,
  zrMbOK,
  zrMbCancel,
  zrMbAbort,
  zrMbRetry,
  zrMbIgnore,
  zrMbAll,
  zrMbNoToAll,
  zrMbYesToAll,
  zrMbHelp
};
// A set of buttons: bit (1 << button).
using TzrMessageButtons = uint32_t;
constexpr TzrMessageButtons zrButton(TzrMessageButton B) { return TzrMessageButtons(1) << B; }

// The modal results of the buttons: 6, 7, 1, 2, 3, 4, 5, 12, 13, 14, 0.
int zrMessageButtonResult(TzrMessageButton B);
// The default button (OK, else Yes, else Retry) and the cancel button
// (Cancel, else No, else OK) of a set; -1 when that choice is not in it.
int zrMessageDefaultButton(TzrMessageButtons Buttons);
int zrMessageCancelButton(TzrMessageButtons Buttons);

class TzrMessagePopup : public TzrPopup {
 public:
  explicit TzrMessagePopup(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Centres on the target, else hangs from the top of the owner form's
  // client area, centred; then places as a popup.
  void ApplyPlacement() override;
  // With DisableScene, the popup's scene root is disabled while it runs.
  int PopupModal() override;

  bool GetDisableScene() const { return FDisableScene; }
  void SetDisableScene(bool Value) { FDisableScene = Value; }

 private:
  bool FDisableScene = true;
};

// Shows a message popup for Scene (owned by the form holding it), hanging
// from Target when given, and answers the modal result of the button
// pressed (2 when the popup ended otherwise). Bitmap, when given, is the
// icon; StyleSheet, when given, styles the popup (else Scene's sheet).
int MessagePopup(const std::u16string& Title, const std::u16string& Message, TzrMessageType Type,
                 TzrMessageButtons Buttons, TzrCustomScene* Scene, TzrVisualObject* Target,
                 bool DisableScene, TzrBitmap* Bitmap, TzrResources* StyleSheet);
