#include "app/frmInterface.h"

TfrmInterface* frmInterface = nullptr;

TfrmInterface::TfrmInterface(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmInterface");
  SetClientSize(797, 623);
  SetBorderStyle(bsSingle);
  CreateLinkControls();
  CreateDataLinkControls();
  CreateAnalyzerControls();
  XML = new TXMLDocument(this);
  XML->SetName("XML");
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnActivate = [this](TObject* s) { FormActivate(s); };
  OnDestroy = [this](TObject* s) { FormDestroy(s); };
  if (!frmInterface) frmInterface = this;
}

TfrmInterface::~TfrmInterface() {
  CloseLink();
  if (frmInterface == this) frmInterface = nullptr;
}
