// The shared handlers of the generated page controls. The page builder binds
// them to every row; what they do to the page comes with the item events.

#include "app/frmInterface.h"

void TfrmInterface::itemChange(TObject* Sender) { (void)Sender; }

void TfrmInterface::itemEnterFocus(TObject* Sender) { (void)Sender; }

void TfrmInterface::itemKeyDown(TObject* Sender, uint16_t& Key, char16_t& KeyChar, uint16_t Shift) {
  (void)Sender;
  (void)Key;
  (void)KeyChar;
  (void)Shift;
}

void TfrmInterface::itemClick(TObject* Sender) { (void)Sender; }
