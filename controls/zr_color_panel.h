#pragma once
// TzrColorPanel: a saturation/luminance square with a hue track on the right
// and an alpha track below; its Color is colour text ("#AARRGGBB").
// TzrComboColorBox: a swatch that drops down such a panel with a larger
// swatch and a hex text box; TzrHudComboColorBox is the dark variant.

#include <string>

#include "scene/zr_control.h"
#include "scene/zr_popup.h"

class TzrAlphaTrackBar;
class TzrColorBox;
class TzrColorQuad;
class TzrContent;
class TzrHueTrackBar;
class TzrTextBox;

class TzrColorPanel : public TzrControl {
 public:
  explicit TzrColorPanel(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // The quad's colour with the alpha byte 255 x Alpha truncated.
  std::string GetColor() const;
  // Sets luminance, saturation, hue and alpha from the colour text; one
  // OnChange for the whole assignment (none while loading).
  void SetColor(const std::string& Value);
  TzrColorBox* GetColorBox() const { return FColorBox; }
  void SetColorBox(TzrColorBox* Value);
  bool GetUseAlpha() const { return FUseAlpha; }
  void SetUseAlpha(bool Value);

  TzrColorQuad* GetColorQuad() const { return FColorQuad; }
  TzrAlphaTrackBar* GetAlphaTrack() const { return FAlphaTrack; }
  TzrHueTrackBar* GetHueTrack() const { return FHueTrack; }

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TNotifyEvent OnChange;

 private:
  void DoQuadChange();

  TzrColorQuad* FColorQuad = nullptr;
  TzrAlphaTrackBar* FAlphaTrack = nullptr;
  TzrHueTrackBar* FHueTrack = nullptr;
  TzrColorBox* FColorBox = nullptr;
  bool FUseAlpha = true;
};

class TzrComboColorBox : public TzrControl {
 public:
  explicit TzrComboColorBox(TComponent* AOwner);
  ~TzrComboColorBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  std::string GetColor() const;
  void SetColor(const std::string& Value);
  bool GetUseAlpha() const;
  void SetUseAlpha(bool Value);
  TzrPlacement GetPlacement() const { return FPlacement; }
  void SetPlacement(TzrPlacement Value) { FPlacement = Value; }

  TzrPopup* GetPopup() const { return FPopup; }
  TzrColorPanel* GetColorPanel() const { return FColorPanel; }
  TzrColorBox* GetColorBox() const { return FColorBox; }
  TzrTextBox* GetColorText() const { return FColorText; }

  // Closes an open popup, else opens it at the box.
  void DropDown();
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The colour text; SetData takes an event (OnChange), a text (Color) or
  // a 32-bit colour.
  Variant GetData() override;
  void SetData(const Variant& Value) override;

  TNotifyEvent OnChange;

 protected:
  // The panel changed: the text box shows the colour, OnChange fires.
  virtual void DoColorChange();
  // The text box changed: its text becomes the colour; a text that fails
  // puts the previous colour back.
  virtual void DoTextChange();
  virtual std::string PopupStyleName() const { return "combopopupstyle"; }
  std::string DefaultStyleName() const override { return "comboboxstyle"; }

 private:
  void DoContentPaint(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect);

  TzrPopup* FPopup = nullptr;
  TzrColorPanel* FColorPanel = nullptr;
  TzrColorBox* FColorBox = nullptr;
  TzrTextBox* FColorText = nullptr;
  TzrContent* FContentPart = nullptr;
  TzrPlacement FPlacement = zrPlacementBottom;
};

class TzrHudComboColorBox : public TzrComboColorBox {
 public:
  explicit TzrHudComboColorBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

 protected:
  std::string PopupStyleName() const override { return "hudcombopopupstyle"; }
  std::string DefaultStyleName() const override { return "hudcomboboxstyle"; }
};

// Registers the colour controls under "Colors" and their dark variants
// under "HUD" (idempotent).
void RegisterColorControls();
