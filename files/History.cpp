// The version history: the web site's page, or the program folder's copy.

#include "app/frmInterface.h"
#include "platform/net/IdHTTP.h"
#include "platform/vcl/ShellOpen.h"

void TfrmInterface::History1Click(TObject*) {
  std::string address = UpdateAddress("HistoryUrl", "/");
  bool reachable = false;
  if (!address.empty()) {
    try {
      TIdHTTP http;
      http.SetConnectTimeout(3000);
      http.SetReadTimeout(3000);
      http.Head(address);
      reachable = true;
    } catch (const Exception&) {
    }
  }
  if (!reachable)
    address =
        ExtractProgramFolder() + "history/" + (IsChinese() ? "index_cn.html" : "index_en.html");
  ShellOpen(address);
}
