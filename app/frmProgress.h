#pragma once
// The progress window of long operations: a label and a progress bar in a
// small borderless window centred on the main window, its scene read from its
// form resource. It has no behaviour of its own; whoever creates it sets the
// texts, values and style and frees it.

#include "platform/vcl/Forms.h"

class TzoRurev;
class TzrBackground;
class TzrPanel;
class TzrLabel;
class TzrProgressBar;
class TzrGroupBox;

class TfrmProgress : public TForm {
 public:
  explicit TfrmProgress(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmProgress"; }

  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrPanel* Panel1 = nullptr;
  TzrLabel* Label1 = nullptr;
  TzrProgressBar* ProgressBar1 = nullptr;
  TzrGroupBox* GroupBox1 = nullptr;  // draws the window's frame

  // Shows the window without blocking, centred on its owner form. Without a
  // display (no GTK started) only the state is kept.
  void Show();
  bool Showing() const { return FShowing; }

 private:
  bool FShowing = false;
};
