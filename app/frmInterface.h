#pragma once
// The main window. Declared here once; its methods are defined in the folder
// of the subsystem they belong to (app/, link/, pages/, files/).

#include "platform/vcl/Forms.h"

class TfrmInterface : public TForm {
public:
  explicit TfrmInterface(TComponent* AOwner);
  ~TfrmInterface() override;
  std::string ClassName() const override { return "TfrmInterface"; }

  // Form handlers (app/).
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormDestroy(TObject* Sender);
};

// The main window, set when the application object creates it.
extern TfrmInterface* frmInterface;
