#pragma once
// The report header dialog: event, driver, date, nation, chassis, final drive
// ratio, tyres, the four choice groups of the track, motor, rotor, battery,
// controller and version, and a note. The setup sheet fills its texts from
// the language file, shows it modally and, on OK, embeds the picture of its
// form panel that btnOkClick took; the typed values reach the sheet only
// through that picture.

#include <functional>
#include <memory>

#include "platform/vcl/Forms.h"

class TzoRurev;
class TzrBackground;
class TzrPanel;
class TzrRectangle;
class TzrImage;
class TzrLabel;
class TzrTextBox;
class TzrCompoundTextBox;
class TzrCompoundMemo;
class TzrComboTextBox;
class TzrRadioButton;
class TzrRoundButton;
class TJPEGImage;

class TfrmInput : public TForm {
 public:
  explicit TfrmInput(TComponent* AOwner);
  ~TfrmInput() override;
  std::string ClassName() const override { return "TfrmInput"; }

  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrPanel* Panel1 = nullptr;  // the part the picture shows
  TzrImage* Image1 = nullptr;  // the logo
  TzrCompoundTextBox *eDriver = nullptr, *eEvent = nullptr, *eNation = nullptr, *eDate = nullptr,
                     *eFinal = nullptr, *eEndbell = nullptr;
  TzrLabel *lChassis = nullptr, *lTyres = nullptr, *lTrack = nullptr, *lTraction = nullptr,
           *lSurface = nullptr, *lType = nullptr, *lMotor = nullptr, *lRotor = nullptr,
           *lBattery = nullptr, *lEcs = nullptr;
  TzrTextBox *eChassis = nullptr, *eTyres = nullptr, *eMotor = nullptr, *eBattery = nullptr,
             *eVersion = nullptr;
  TzrComboTextBox *eRotor = nullptr, *eEcs = nullptr;
  TzrCompoundMemo* eNote = nullptr;
  // RadioButton1 .. RadioButton11: track 1-2, traction 3-5, surface 6-8, type 9-11.
  TzrRadioButton* RadioButtons[11] = {};
  TzrRoundButton* btnOk = nullptr;
  TzrRoundButton* btnCancel = nullptr;

  // Takes the picture, then closes with OK.
  void btnOkClick(TObject* Sender);
  // Empties every box and the note and clears the radio buttons (the combo
  // boxes keep their choices), takes the picture, then closes with Cancel.
  void btnCancelClick(TObject* Sender);
  // A combo box becomes editable while its text is "Other" or "其他", so a
  // value missing from its list can be typed; read-only otherwise.
  void ComboTextBoxChange(TObject* Sender);
  // Panel1 drawn off-screen, compressed as JPEG at quality 100, into
  // FHeaderImage.
  void CaptureHeaderImage();
  TJPEGImage* HeaderImage() const { return FHeaderImage.get(); }

  int ShowModal() override;
  // When set, ShowModal hands the dialog to it instead of showing a window
  // (tests fill and answer it there); its result is the dialog's result.
  static std::function<int(TfrmInput& dialog)> ModalHandler;

 private:
  std::unique_ptr<TJPEGImage> FHeaderImage;
};
