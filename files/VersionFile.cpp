// The local version file and the read of the server's one.

#include <cstdio>
#include <fstream>

#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "platform/net/IdHTTP.h"
#include "platform/vcl/Menus.h"

namespace {

const char kVersionFile[] = "version_control.xml";
const char kDownloadedVersionFile[] = "_control.tmp";

}  // namespace

bool TfrmInterface::IsChinese() const { return Chinese1 && Chinese1->GetChecked(); }

void TfrmInterface::GetXMLDBVersion() {
  try {
    XML->LoadFromFile(ExtractProgramFolder() + kVersionFile);
  } catch (...) {
    // The document is empty now: no node may point into it.
    FXmlNode = TXmlNode();
    FXmlNodes = TXmlNodeList();
    throw;
  }
  FXmlNode = XML->DocumentElement();
  FXmlNodes = FXmlNode.ChildNodes();
  FLocalSoftwareVersion = FXmlNodes.FindNode("Software").ChildNodes().FindNode("Version").Text();
  FLocalDatabaseVersion = FXmlNodes.FindNode("Database").ChildNodes().FindNode("Version").Text();
}

std::string TfrmInterface::UpdateAddress(const std::string& key, const std::string& path) const {
  std::string base = FLangIni ? FLangIni->ReadString(LangCommonSection, "update_server", "") : "";
  while (!base.empty() && base.back() == '/') base.pop_back();
  return LangText(key, base.empty() ? std::string() : base + path);
}

bool TfrmInterface::ReadRemoteVersion(const std::string& element, std::string& version) {
  const std::string url = UpdateAddress("UpdateUrl", "/software/version_control.xml");
  if (url.empty()) return false;
  const std::string downloaded = ExtractProgramFolder() + kDownloadedVersionFile;
  std::remove(downloaded.c_str());
  TIdHTTP http;
  http.SetReadTimeout(3000);
  try {
    const std::string text = http.Get(url);
    // A program folder that cannot be written to does not stop the check:
    // the text is then read as it came.
    if (std::ofstream(downloaded, std::ios::binary | std::ios::trunc) << text)
      XML->LoadFromFile(downloaded);
    else
      XML->LoadFromXML(text);
  } catch (const Exception&) {
    std::remove(downloaded.c_str());
    if (XML->DocumentElement().IsNull()) {
      FXmlNode = TXmlNode();
      FXmlNodes = TXmlNodeList();
    }
    return false;
  }
  std::remove(downloaded.c_str());
  FXmlNode = XML->DocumentElement();
  FXmlNodes = FXmlNode.ChildNodes().FindNode(element).ChildNodes();
  version = FXmlNodes.FindNode("Version").Text();
  FUpdateReadme = FXmlNodes.FindNode(IsChinese() ? "ReadmeCn" : "ReadmeEn").Text();
  FUpdateUrl = FXmlNodes.FindNode("Url").Text();
  return true;
}
