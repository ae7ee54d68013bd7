#include "app/LangCommon.h"
#include "app/frmInterface.h"

void TfrmInterface::FormCreate(TObject*) {
  SetCaption("esctool");
  // A missing or broken version file leaves both versions empty and is told
  // in the message area once the texts can be read; the window starts anyway.
  std::string versionError;
  try {
    GetXMLDBVersion();
  } catch (const Exception& e) {
    versionError = e.what();
  }
  // The language file is held in memory from here on, for the window's life.
  OpenLanguageFile();
  FCheckUpdates = FLangIni->ReadBool(LangCommonSection, "autoupdate", true);
  if (!versionError.empty())
    ShowMessageText(LangText("version_file_fail") + " (" + versionError + ")", 0);
}

void TfrmInterface::FormActivate(TObject*) {
  // Cleared first: the check's dialog activates the window again when it closes.
  if (FCheckUpdates) {
    FCheckUpdates = false;
    Update1Click(this);
  }
  StartDeviceLink();
}

void TfrmInterface::FormDestroy(TObject*) {}
