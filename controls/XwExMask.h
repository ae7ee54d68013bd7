#pragma once
// Adapter base of the add-on library's one-line edits (the spin edit): the
// edit operations, a clipboard filter, and a beep on input errors. The text
// hint is GTK's placeholder, shown while the edit is empty and unfocused.

#include "controls/XwExAdapter.h"
#include "platform/vcl/StdCtrls.h"

class TXwExCustomMaskEdit : public TXwExEditAdapter<TCustomMaskEdit> {
 public:
  explicit TXwExCustomMaskEdit(TComponent* AOwner) : TXwExEditAdapter<TCustomMaskEdit>(AOwner) {}
  std::string ClassName() const override { return "TXwExCustomMaskEdit"; }

  bool GetBeepOnError() const { return FBeepOnError; }
  virtual void SetBeepOnError(bool value) { FBeepOnError = value; }

 protected:
  // The display's beep when BeepOnError is set.
  virtual void DoBeepOnError();

  bool FBeepOnError = true;
  // The highlight frame around the edit; nothing sets it, so it stays off.
  bool FDotNetHighlighting = false;
};
