#pragma once
// The device picker: a small modal window listing the adapters found, shown
// when more than one is plugged in. A double click on a line picks it;
// Escape or closing the window picks nothing.

#include <functional>

#include "platform/vcl/Forms.h"

class TListBox;

class TfrmHid : public TForm {
 public:
  // Fills HidList from the adapter list, one line per adapter.
  TfrmHid(TComponent* AOwner, TListBox* adapters);
  std::string ClassName() const override { return "TfrmHid"; }

  TListBox* HidList;
  // Picks the selected line; with no line selected the picker stays open.
  void HidListDblClick(TObject* Sender);

  // Shows the picker modally: the picked line's position + 1, 0 for none.
  int ShowModal();

  // When set, ShowModal hands the picker to it instead of showing a window
  // (tests pick there with HidList and HidListDblClick); ShowModal then
  // returns what was picked.
  static std::function<void(TfrmHid& picker)> ModalHandler;

 private:
  void BuildWidgets();
  int FPicked = 0;
};
