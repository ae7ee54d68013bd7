// Writes the PDF writer's font tables as C++ source:
//   pdf_font_data OUTPUT.cpp AFM_FOLDER CMAP_FILE
// - the widths of the twelve standard fonts for the codes 32 to 255, read from
//   the AFM files of the metric-compatible URW base-35 fonts: each code's
//   character in Windows-1252 is named by the font's own Unicode map (the
//   .t1 file beside the AFM, through FreeType) and its advance width taken
//   from the AFM entry of that glyph name;
// - the code-to-CID rows of a Japanese CMap (its notdef and CID ranges, in
//   the order they stand in the file).

#include <ft2build.h>
#include FT_FREETYPE_H
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct StandardFont {
  const char* BaseFont;
  const char* File;
};

const StandardFont kFonts[] = {
    {"Courier", "NimbusMonoPS-Regular"},        {"Courier-Bold", "NimbusMonoPS-Bold"},
    {"Courier-Oblique", "NimbusMonoPS-Italic"}, {"Courier-BoldOblique", "NimbusMonoPS-BoldItalic"},
    {"Helvetica", "NimbusSans-Regular"},        {"Helvetica-Bold", "NimbusSans-Bold"},
    {"Helvetica-Oblique", "NimbusSans-Italic"}, {"Helvetica-BoldOblique", "NimbusSans-BoldItalic"},
    {"Times-Roman", "NimbusRoman-Regular"},     {"Times-Bold", "NimbusRoman-Bold"},
    {"Times-Italic", "NimbusRoman-Italic"},     {"Times-BoldItalic", "NimbusRoman-BoldItalic"},
};

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "pdf_font_data: " << message << "\n";
  std::exit(1);
}

// Unicode of a Windows-1252 byte, 0 where the code page leaves it unassigned.
unsigned UnicodeOf1252(unsigned char code) {
  iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1252");
  if (cd == reinterpret_cast<iconv_t>(-1)) Fail("no Windows-1252 converter");
  char in[1] = {static_cast<char>(code)};
  unsigned char out[4] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  size_t inLeft = 1, outLeft = 4;
  size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) return 0;
  return out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24;
}

struct Afm {
  std::map<std::string, int> Widths;
  bool FixedPitch = false;
};

Afm ReadAfm(const std::string& path) {
  std::ifstream in(path);
  if (!in) Fail("cannot read " + path);
  Afm afm;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("IsFixedPitch true", 0) == 0) afm.FixedPitch = true;
    if (line.rfind("C ", 0) != 0) continue;
    std::istringstream fields(line);
    std::string token, name;
    int width = -1;
    while (fields >> token) {
      if (token == "WX") fields >> width;
      if (token == "N") fields >> name;
    }
    if (width >= 0 && !name.empty()) afm.Widths[name] = width;
  }
  return afm;
}

std::vector<int> StandardWidths(FT_Library library, const std::string& folder,
                                const StandardFont& font) {
  const std::string base = folder + "/" + font.File;
  Afm afm = ReadAfm(base + ".afm");
  FT_Face face;
  if (FT_New_Face(library, (base + ".t1").c_str(), 0, &face)) Fail("cannot open " + base + ".t1");
  if (FT_Select_Charmap(face, FT_ENCODING_UNICODE)) Fail("no Unicode map in " + base + ".t1");
  const int fixedWidth = afm.FixedPitch ? afm.Widths.at("space") : 0;
  std::vector<int> widths;
  for (unsigned code = 32; code <= 255; ++code) {
    // The no-break space and the soft hyphen take no room in the proportional fonts.
    if (!afm.FixedPitch && (code == 160 || code == 173)) {
      widths.push_back(0);
      continue;
    }
    const unsigned unicode = UnicodeOf1252(static_cast<unsigned char>(code));
    const FT_UInt glyph = unicode ? FT_Get_Char_Index(face, unicode) : 0;
    char name[64] = {};
    if (glyph) FT_Get_Glyph_Name(face, glyph, name, sizeof(name));
    auto it = afm.Widths.find(name);
    widths.push_back(it != afm.Widths.end() ? it->second : fixedWidth);
  }
  FT_Done_Face(face);
  return widths;
}

unsigned Hex(const std::string& token) {
  if (token.size() < 3 || token.front() != '<' || token.back() != '>') Fail("bad code " + token);
  return static_cast<unsigned>(std::stoul(token.substr(1, token.size() - 2), nullptr, 16));
}

// Rows "<first> <last> cid" of the notdef and CID range sections.
std::string CMapRows(const std::string& path, int& count) {
  std::ifstream in(path);
  if (!in) Fail("cannot read " + path);
  std::ostringstream rows;
  std::string line;
  const char* single = nullptr;
  count = 0;
  while (std::getline(in, line)) {
    if (line.find("beginnotdefrange") != std::string::npos)
      single = "true";
    else if (line.find("begincidrange") != std::string::npos)
      single = "false";
    else if (line.find("endnotdefrange") != std::string::npos ||
             line.find("endcidrange") != std::string::npos)
      single = nullptr;
    else if (single) {
      std::istringstream fields(line);
      std::string first, last;
      unsigned cid;
      if (!(fields >> first >> last >> cid)) Fail("bad row: " + line);
      rows << "    {0x" << std::hex << Hex(first) << ", 0x" << Hex(last) << std::dec << ", " << cid
           << ", " << single << "},\n";
      ++count;
    }
  }
  if (count == 0) Fail("no ranges in " + path);
  return rows.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) Fail("usage: pdf_font_data OUTPUT.cpp AFM_FOLDER CMAP_FILE");
  FT_Library library;
  if (FT_Init_FreeType(&library)) Fail("FreeType does not start");
  std::ostringstream out;
  out << "// Generated by tools/pdf_font_data.cpp; do not edit.\n"
      << "#include \"files/PdfFontData.h\"\n\n"
      << "const TPdfStandardWidths PdfStandardWidths[12] = {\n";
  for (const StandardFont& font : kFonts) {
    out << "    {\"" << font.BaseFont << "\", {";
    for (int w : StandardWidths(library, argv[2], font)) out << w << ",";
    out << "}},\n";
  }
  out << "};\n\n";
  FT_Done_FreeType(library);
  int count = 0;
  const std::string rows = CMapRows(argv[3], count);
  out << "const TPdfCMapRange Pdf90msRKSJH[" << count << "] = {\n"
      << rows << "};\n"
      << "const int Pdf90msRKSJHCount = " << count << ";\n";
  std::ofstream file(argv[1]);
  file << out.str();
  if (!file) Fail(std::string("cannot write ") + argv[1]);
  return 0;
}
