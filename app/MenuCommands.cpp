// The plain entries of the main menu: exit, the style entries and help.

#include <glib.h>
#include <strings.h>

#include <filesystem>
#include <string>

#include "app/frmInterface.h"
#include "platform/net/IdHTTP.h"
#include "platform/vcl/ShellOpen.h"

namespace {

bool StartsWith(const std::string& text, const char* prefix) {
  const size_t n = std::char_traits<char>::length(prefix);
  return text.size() >= n && strncasecmp(text.c_str(), prefix, n) == 0;
}

// A "file://" address or a path without a scheme.
bool IsLocal(const std::string& address) {
  return StartsWith(address, "file://") || address.find("://") == std::string::npos;
}

// The file a local address names: a "file://" address, an absolute path, or
// a path within the program folder ("help/help.html").
std::string LocalFile(const std::string& address) {
  if (StartsWith(address, "file://")) {
    gchar* path = g_filename_from_uri(address.c_str(), nullptr, nullptr);
    const std::string file = path ? path : "";
    g_free(path);
    return file;
  }
  if (!address.empty() && address[0] == '/') return address;
  return ExtractProgramFolder() + address;
}

// Whether the address can be shown: a local address must name an existing
// file; any other must answer a HEAD request without an error status.
bool Answers(const std::string& address) {
  if (IsLocal(address)) {
    std::error_code error;
    return std::filesystem::is_regular_file(LocalFile(address), error);
  }
  try {
    TIdHTTP http;
    http.SetConnectTimeout(3000);
    // A server that takes the connection and never answers ends the wait too.
    http.SetReadTimeout(3000);
    http.Head(address);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace

void TfrmInterface::Exit1Click(TObject*) { Close(); }

void TfrmInterface::StyleClick(TObject*) {}

void TfrmInterface::Help2Click(TObject*) {
  std::string address = LangText("HelpUrl");
  if (address.empty()) return;
  if (!Answers(address))
    address = ExtractProgramFolder() + "help/" + (IsChinese() ? "index_cn.html" : "index_en.html");
  ShellOpen(IsLocal(address) && !StartsWith(address, "file://") ? LocalFile(address) : address);
}
