#pragma once
// The progress window of long operations: a label and a progress bar in a
// small borderless window centred on the main window. It has no behaviour of
// its own; whoever creates it sets the texts and values and frees it.

#include "platform/vcl/Forms.h"

class TzrLabel;
class TzrProgressBar;

class TfrmProgress : public TForm {
 public:
  explicit TfrmProgress(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmProgress"; }

  TzrLabel* Label1;
  TzrProgressBar* ProgressBar1;

  // Shows the window without blocking. Without a display (no GTK started)
  // only the state is kept.
  void Show();
  bool Showing() const { return FShowing; }
  // Brings the window's label and bar up to date with the controls' state.
  void Repaint();

 private:
  void BuildWidgets();
  GtkWidget* FLabelWidget = nullptr;
  GtkWidget* FBarWidget = nullptr;
  bool FShowing = false;
};
