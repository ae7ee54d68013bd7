#pragma once
// The information box: one message and an OK button in a small dialog whose
// scene is read from its form resource. Created once and reused; its user
// sets the texts, the style and the place before each showing.

#include <functional>

#include "platform/vcl/Forms.h"

class TzoRurev;
class TzrBackground;
class TzrLabel;
class TzrRoundButton;

class TfrmInfo : public TForm {
 public:
  explicit TfrmInfo(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmInfo"; }

  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrLabel* Label1 = nullptr;
  TzrRoundButton* btnOk = nullptr;
  void btnOkClick(TObject* Sender);

  // Shows the box and returns when it has been closed.
  int ShowModal() override;

  // When set, ShowModal hands the box to it instead of showing a window
  // (tests read the texts there); its result is the box's result.
  static std::function<int(TfrmInfo& box)> ModalHandler;
};
