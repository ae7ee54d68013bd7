#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "platform/vcl/Menus.h"

void TfrmInterface::OpenLanguageFile() {
  FLangIni = std::make_unique<TMemIniFile>(ExtractProgramFolder() + LangFileName);
}

std::string TfrmInterface::LangKey(const std::string& Base) const {
  const bool chinese = Chinese1 && Chinese1->GetChecked();
  return (chinese ? "chs" : "eng") + Base;
}

std::string TfrmInterface::LangText(const std::string& Base, const std::string& Default) const {
  if (!FLangIni) return Default;
  return FLangIni->ReadString(LangCommonSection, LangKey(Base), Default);
}

std::string TfrmInterface::LangText(const std::string& Base) const {
  const TLangText* row = FindLangKeyText(Base.c_str());
  return LangText(Base, row ? row->Default : "");
}

std::string TfrmInterface::LangPairText(const std::string& Base) const {
  const bool chinese = Chinese1 && Chinese1->GetChecked();
  const TLangPair* row = FindLangPair(Base.c_str());
  const std::string fallback = row ? (chinese ? row->Chinese : row->English) : "";
  const std::string key = (chinese ? "chs" : "eng") + Base;
  if (!FLangIni) return fallback;
  return FLangIni->ReadString(LangCommonSection, key, fallback);
}
