#pragma once
// The files of the help folder that help texts name: where a part of a help
// text lies, what kind of file it is, and the text of a help text file. The
// help column (TfrmInterface::ShowHelpPanel) shows what these find.

#include <string>
#include <vector>

// The parts of a help text that names files: split at every ";;", empty
// parts at the end dropped. A text without ";;" is no list of files.
bool IsHelpFileList(const std::string& text);
std::vector<std::string> SplitHelpParts(const std::string& text);

// The extension of a path from its last dot, the dot included ("" without one).
std::string HelpExtension(const std::string& path);

// How a part is shown, by its extension exactly as written: ".gif", ".png",
// ".jpg" as a picture, ".htm", ".html" in the web view, anything else as text.
enum class THelpPartKind { Picture, Page, Text };
THelpPartKind HelpPartKindOf(const std::string& path);

// A device text made safe for a file name: every character other than an
// ASCII letter, a digit, "_", "-" and "." becomes "_".
std::string SafeHelpName(const std::string& value);

// The device texts a web page's name may hold as "[E]", "[H]" and "[F]".
struct THelpDevice {
  std::string Model, Hardware, Firmware;
};

// The path of a part in the help folder (which ends with "/"): backslashes
// read as "/", and in a web page's name every "[E]", "[H]" and "[F]" replaced
// by the model, hardware and firmware made safe.
std::string HelpPartPath(const std::string& helpFolder, const std::string& part,
                         const THelpDevice& device);

// Whether the path names a file that exists inside the help folder; a path
// that leads out of it (through "..", or a link) counts as missing.
bool HelpFileExists(const std::string& helpFolder, const std::string& path);

// The text of help text file bytes: UTF-8 after an EF BB BF mark, UTF-16 after
// an FF FE (little-endian) or FE FF (big-endian) mark, else Windows-1252.
// Bytes that do not fit the encoding become U+FFFD.
std::string DecodeHelpText(const std::string& bytes);

// The lines of the text (ended by CR LF, LF or CR), each followed by "\n".
std::string HelpTextLines(const std::string& text);

// A help text file read and decoded as above, as lines; "" when it cannot be read.
std::string ReadHelpTextFile(const std::string& path);
