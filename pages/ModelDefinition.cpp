#include "app/frmInterface.h"

// Fills FPageDef from the model section of the language file chosen by the key
// or, with an empty key, by the device identity. May run on the definition
// worker: it only reads the identity and the in-memory language file and
// writes nothing but FPageDef and FPageIcons (and FModel for an explicit key,
// which only the GUI thread passes).
void TfrmInterface::LoadModelDefinition(const std::string& key) {
  if (!key.empty()) FModel = key;
  std::vector<std::string> sections;
  if (key.empty() && !FModel.empty() && FLangIni) sections = FLangIni->ReadSections();
  const TModelSections candidates =
      ChooseModelSections(sections, key, FModel, FHardware, FFirmware);
  ReadPageDefinition(FLangIni.get(), candidates, FPageDef, FPageIcons);
}
