#pragma once
// Opens a file or an address with the desktop's default handler (a browser
// for web pages, the handler the desktop names for a file's type), as the
// shell's "open" verb does.

#include <functional>
#include <string>

// target: an address with a scheme ("https://...", "file:///...") or a file
// path. True when a handler was started.
bool ShellOpen(const std::string& target);

// Answers in place of the desktop when set (tests set it; the program never
// does): receives the address ShellOpen would open, file paths as "file://" URIs.
extern std::function<bool(const std::string& uri)> ShellOpenHook;
