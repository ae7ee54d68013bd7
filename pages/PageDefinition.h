#pragma once
// A model's page definition as its section of the language file describes it:
// the mode row, up to 6 groups and up to 40 items. Where a Chinese and an
// English field stand side by side, the Chinese one is used while the language
// menu is set to Chinese.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TMemIniFile;

// The mode row of the first page.
struct SITE {
  bool enabled = false;  // the first page carries the mode combo and the name box
  std::string cvalue;    // the mode combo's value list, Chinese
  std::string evalue;    // and English
  std::string link;      // read and kept
  std::string chelp;     // help of the mode row
  std::string ehelp;
};

// One group (page) of items.
struct TAB {
  std::string cname;  // caption of the group's navigation entry
  std::string cdetail;
  std::string ename;
  std::string edetail;
  std::string icon;   // picture file in the program folder
  std::string group;  // rows: item numbers from 0 and "-" (new framed box), joined by ","
};

// One parameter item.
struct ITEM {
  std::string chelp, cname, cvalue;
  std::string ehelp, ename, evalue;
  std::string min, max;  // range of a track bar; max "0": the range comes from the value list
  std::string link;      // rules that make other items follow this one
  std::string locklink, minlink, maxlink;  // item numbers that give a curve's lock and ends
  std::string cunit, eunit, cunit1, eunit1, cunit2, eunit2;
  std::string mincustom, maxcustom;  // limits of the spin box
  std::string cdetail, edetail;      // shown in the curve editor
  int32_t mode = 0;                  // which controls the item's row gets
  int32_t maxnode = 0;               // most nodes the item's curve editor allows
};

// Item modes.
enum : int32_t {
  imCombo = 0,
  imComboSpin = 1,
  imComboSpinTenths = 2,
  imLinkedCurve64 = 3,
  imCurve256Adjust = 4,
  imTrackBar = 5,
  imTrackBar2 = 6,
  imHidden = 7,
  imCurve256 = 8,
  imLinkedCurve256 = 9,
  imReadOnly = 10,
  imCurve64 = 11,
};

// The page definition of one model.
struct VERSION {
  static constexpr int MaxTabs = 6;
  static constexpr int MaxItems = 40;
  int32_t tab = 0;    // number of groups held (0 .. MaxTabs)
  int32_t item = 0;   // number of items held (0 .. MaxItems)
  int32_t max = 0;    // number of items this definition knows for the device
  int32_t addon = 0;  // 1: the four add-on read-outs are shown
  SITE site;
  TAB tabs[MaxTabs];
  ITEM items[MaxItems];
};

// Pictures of the navigation entries that a load names; an empty name leaves
// that entry's picture unchanged.
struct TPageIcons {
  std::string about, firmware, data, calc, bs;
};

// The four candidate sections of a load, most specific first; empty ones are skipped.
using TModelSections = std::array<std::string, 4>;

// Chooses the candidate sections. With a key: the key alone. Without one: the
// full identity, the longest firmware prefix (at least 2 characters) that is a
// section, the longest hardware prefix that is a section, the model alone;
// the first and last only when they are sections.
TModelSections ChooseModelSections(const std::vector<std::string>& Sections, const std::string& Key,
                                   const std::string& Model, const std::string& Hardware,
                                   const std::string& Firmware);

// Read Name from the first non-empty candidate; Default when the key is
// missing there or all candidates are empty.
std::string ReadModelString(const TMemIniFile* Ini, const TModelSections& Sections,
                            const std::string& Name, const std::string& Default);
// Decimal, or hexadecimal after "0x" or "$"; anything else gives Default.
int32_t ReadModelInteger(const TMemIniFile* Ini, const TModelSections& Sections,
                         const std::string& Name, int32_t Default);
// An integer: 0 off, anything else on; a text that is no integer gives Default.
bool ReadModelBool(const TMemIniFile* Ini, const TModelSections& Sections, const std::string& Name,
                   bool Default);

// Fills Def and Icons from the chosen sections of Ini. Counts above the record's
// room are held at 6 groups and 40 items; groups and items beyond the counts
// keep what they held.
void ReadPageDefinition(const TMemIniFile* Ini, const TModelSections& Sections, VERSION& Def,
                        TPageIcons& Icons);
