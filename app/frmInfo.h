#pragma once
// The information box: one message, an OK button, shown modally and centred
// on the main window. Created once and reused.

#include <functional>

#include "platform/vcl/Forms.h"

class TzrLabel;
class TzrButton;

class TfrmInfo : public TForm {
 public:
  explicit TfrmInfo(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmInfo"; }

  TzrLabel* Label1;
  TzrButton* btnOk;
  void btnOkClick(TObject* Sender);

  // Shows the box and returns when it has been closed.
  int ShowModal();

  // When set, ShowModal hands the box to it instead of showing a window
  // (tests read the texts there); its result is the box's result.
  static std::function<int(TfrmInfo& box)> ModalHandler;

 private:
  void BuildWidgets();
  GtkWidget* FLabelWidget = nullptr;
  GtkWidget* FButtonWidget = nullptr;
};
