// Help files: the parts of a help text, their paths inside the help folder
// and the decoding of help text files.

#include "app/HelpFiles.h"

#include <glib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "app/Utils.h"
#include "platform/rtl/SysUtils.h"

namespace {

namespace fs = std::filesystem;

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// Converts bytes of one encoding to UTF-8; a unit that does not convert
// becomes U+FFFD and the conversion goes on after it.
std::string ConvertToUtf8(const std::string& bytes, const char* encoding, size_t unit) {
  std::string out;
  size_t at = 0;
  while (at < bytes.size()) {
    gsize read = 0, written = 0;
    GError* error = nullptr;
    gchar* text = g_convert(bytes.data() + at, static_cast<gssize>(bytes.size() - at), "UTF-8",
                            encoding, &read, &written, &error);
    if (text) {
      out.append(text, written);
      g_free(text);
      return out;
    }
    g_error_free(error);
    // The part before the fault converts on its own.
    if (read > 0) {
      gchar* head = g_convert(bytes.data() + at, static_cast<gssize>(read), "UTF-8", encoding,
                              nullptr, &written, nullptr);
      if (head) out.append(head, written);
      g_free(head);
    }
    out += "\xEF\xBF\xBD";
    at += read + unit;
  }
  return out;
}

bool StartsWith(const std::string& bytes, const char* mark) { return bytes.rfind(mark, 0) == 0; }

}  // namespace

bool IsHelpFileList(const std::string& text) { return text.find(";;") != std::string::npos; }

std::vector<std::string> SplitHelpParts(const std::string& text) {
  std::vector<std::string> parts;
  for (const std::u16string& part : SplitString(u";;", UTF8ToUTF16(text), 0))
    parts.push_back(UTF16ToUTF8(part));
  return parts;
}

std::string HelpExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
  return path.substr(dot);
}

THelpPartKind HelpPartKindOf(const std::string& path) {
  const std::string ext = HelpExtension(path);
  if (ext == ".gif" || ext == ".png" || ext == ".jpg") return THelpPartKind::Picture;
  if (ext == ".htm" || ext == ".html") return THelpPartKind::Page;
  return THelpPartKind::Text;
}

std::string SafeHelpName(const std::string& value) {
  std::string safe = value;
  for (char& c : safe) {
    const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '_' || c == '-' || c == '.';
    if (!keep) c = '_';
  }
  return safe;
}

std::string HelpPartPath(const std::string& helpFolder, const std::string& part,
                         const THelpDevice& device) {
  std::string path = helpFolder + part;
  for (size_t k = helpFolder.size(); k < path.size(); ++k)
    if (path[k] == '\\') path[k] = '/';
  if (HelpPartKindOf(path) != THelpPartKind::Page) return path;
  ReplaceAll(path, "[E]", SafeHelpName(device.Model));
  ReplaceAll(path, "[H]", SafeHelpName(device.Hardware));
  ReplaceAll(path, "[F]", SafeHelpName(device.Firmware));
  return path;
}

bool HelpFileExists(const std::string& helpFolder, const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return false;
  const fs::path folder = fs::weakly_canonical(helpFolder, error);
  if (error) return false;
  const fs::path file = fs::weakly_canonical(path, error);
  if (error) return false;
  const fs::path inside = file.lexically_relative(folder);
  return !inside.empty() && *inside.begin() != "..";
}

std::string DecodeHelpText(const std::string& bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return ConvertToUtf8(bytes.substr(3), "UTF-8", 1);
  // UTF-16 in whole units: an odd last byte is dropped.
  const size_t units = bytes.size() < 2 ? 0 : (bytes.size() - 2) / 2 * 2;
  if (StartsWith(bytes, "\xFF\xFE")) return ConvertToUtf8(bytes.substr(2, units), "UTF-16LE", 2);
  if (StartsWith(bytes, "\xFE\xFF")) return ConvertToUtf8(bytes.substr(2, units), "UTF-16BE", 2);
  return ConvertToUtf8(bytes, "WINDOWS-1252", 1);
}

std::string HelpTextLines(const std::string& text) {
  std::string lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines += text.substr(start) + "\n";
      break;
    }
    lines += text.substr(start, end - start) + "\n";
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::string ReadHelpTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return HelpTextLines(DecodeHelpText(bytes.str()));
}
