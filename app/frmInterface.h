#pragma once
// The main window. Declared here once; its methods are defined in the folder
// of the subsystem they belong to (app/, link/, pages/, files/). Members are
// grouped by the subsystem that owns them.

#include "platform/vcl/Forms.h"

class TfrmInterface : public TForm {
public:
  explicit TfrmInterface(TComponent* AOwner);
  ~TfrmInterface() override;
  std::string ClassName() const override { return "TfrmInterface"; }

  // ---- Program start and window life (app/) ----
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormDestroy(TObject* Sender);

  // ---- Language file and texts (app/) ----

  // ---- Timers, menus and window frame (app/) ----

  // ---- Device link and controller protocol (link/) ----

  // ---- Model definitions and parameter pages (pages/) ----

  // ---- Files, report, calculators and updates (files/) ----
};

// The main window, set when the application object creates it.
extern TfrmInterface* frmInterface;
