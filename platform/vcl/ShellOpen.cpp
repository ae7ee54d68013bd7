#include "platform/vcl/ShellOpen.h"

#include <gio/gio.h>

#include <cstdio>

std::function<bool(const std::string& uri)> ShellOpenHook;

namespace {

// File paths become "file://" URIs; addresses with a scheme stay as they are.
std::string ToUri(const std::string& target) {
  char* scheme = g_uri_parse_scheme(target.c_str());
  const bool hasScheme = scheme != nullptr;
  g_free(scheme);
  if (hasScheme) return target;
  char* uri = g_filename_to_uri(target.c_str(), nullptr, nullptr);
  if (!uri) return target;
  std::string result = uri;
  g_free(uri);
  return result;
}

}  // namespace

bool ShellOpen(const std::string& target) {
  const std::string uri = ToUri(target);
  if (ShellOpenHook) return ShellOpenHook(uri);
  GError* error = nullptr;
  const bool started = g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &error);
  if (error) {
    std::fprintf(stderr, "Cannot open %s: %s\n", uri.c_str(), error->message);
    g_error_free(error);
  }
  return started;
}
